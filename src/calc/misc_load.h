// SPDX-License-Identifier: MIT
// Miscellaneous load (lights, motors, people, fork-lifts and four further heat sources) and
// the design load after the safety factor.
#pragma once

#include <array>
#include <optional>

namespace tw {

struct HeatSource {
    double power = 0; // in the field's power unit (turned into Btu/h by u10 / u9)
    double hours = 0;
};

struct MiscLoadInput {
    double lightingPower = 0; // field 401, Btu/h
    double lightingHours = 0;
    double motorHeat = 0; // per motor, Btu/h
    double motorHours = 0;
    double motors = 0;
    double roomTemp = 0;
    double people = 0;
    double peopleHours = 0;
    double forklifts = 0;
    double forkliftHours = 0;
    std::array<HeatSource, 4> sources{};
    // The unit factors of the power rows (u10) and the load rows (u9) of the unit table.
    double u10 = 1;
    double u9 = 1;
    double peoplePower = 0;   // Btu/h per person at 0 °F
    double forkliftPower = 0; // Btu/h per fork-lift
    double runTime = 0;
};

struct MiscLoadResult {
    double lights = 0;
    double motors = 0;
    double people = 0;
    double forklifts = 0;
    std::array<double, 4> sources{};
    double total = 0; // per 24 hours
    // Int(total / run time + 0.5); nothing when the run time is 0.
    std::optional<double> hourly;
};

MiscLoadResult MiscLoad(const MiscLoadInput& in);

// Heat given off per person and hour: it grows as the room gets colder.
double PersonHeat(double peoplePower, double roomTemp);

// Lighting power in Btu/h from the power per floor area and the ceiling area; nothing when
// the unit factor is 0.
std::optional<double> LightingPower(double perArea, double area, double u10);

// Int((1 + safety factor / 100) × total), in single precision.
double DesignLoad(float total, float safetyPercent);

} // namespace tw
