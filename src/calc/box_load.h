// SPDX-License-Identifier: MIT
// Transmission load of the room's surfaces: heat through each wall, floor and ceiling by its
// area, insulation thickness, K-factor and the temperature difference across it.
#pragma once

#include <optional>
#include <vector>

namespace tw {

struct SurfaceInput {
    // Area, thickness, K-factor and outer temperature all read as numbers, and the
    // thickness is not 0; otherwise the surface carries no load.
    bool usable = false;
    // The surface is a wall, floor, ceiling or partition with an outer temperature of its own;
    // any other surface (a door or window in the preceding one) takes the temperature
    // difference of the surface before it.
    bool ownTemperature = true;
    double area = 0;
    double thickness = 0;
    double kFactor = 0;
    double outerTemp = 0;
};

struct BoxLoadResult {
    // Per surface: the load per hour of run time, Int(Q / run time); 0 for a surface that
    // carries no load. Empty when the run time is 0.
    std::vector<double> hourly;
    // Per surface: the heat per 24 hours, Int(ΔT × A × 24 × K / t); nothing when unusable.
    std::vector<std::optional<double>> daily;
    double totalDaily = 0;
    // Int(total / run time + 0.5); nothing when the run time is 0.
    std::optional<double> totalHourly;
};

// Heat per 24 hours through one surface (Btu, with A in ft², t in in, K in Btu·in/h·ft²·°F).
double SurfaceDailyLoad(double deltaT, double area, double kFactor, double thickness);

BoxLoadResult BoxLoad(const std::vector<SurfaceInput>& surfaces, double roomTemp, double runTime);

// Room volume of a rectangular room: floor area × mean wall height, to two decimals.
float RoomVolume(double floorArea, const std::vector<double>& wallHeights);

} // namespace tw
