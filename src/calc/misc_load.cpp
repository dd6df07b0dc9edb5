// SPDX-License-Identifier: MIT
#include "calc/misc_load.h"

#include "shell/numbers.h"

namespace tw {

double PersonHeat(double peoplePower, double roomTemp) {
    return peoplePower - 11.5 * roomTemp;
}

std::optional<double> LightingPower(double perArea, double area, double u10) {
    if (u10 == 0) return std::nullopt;
    return perArea * area / u10;
}

MiscLoadResult MiscLoad(const MiscLoadInput& in) {
    MiscLoadResult r;
    // Powers in the power unit are turned into Btu/h by u10 / u9; without factors the item
    // cannot be converted and counts 0.
    const bool convertible = in.u9 != 0;
    if (convertible) r.lights = in.lightingPower * in.u10 * in.lightingHours / in.u9;
    r.motors = in.motorHeat * in.motorHours * in.motors;
    r.people = PersonHeat(in.peoplePower, in.roomTemp) * in.people * in.peopleHours;
    r.forklifts = in.forkliftPower * in.forklifts * in.forkliftHours;
    for (std::size_t i = 0; i < r.sources.size(); ++i)
        if (convertible) r.sources[i] = in.sources[i].power * in.u10 * in.sources[i].hours / in.u9;
    r.total = r.lights + r.motors + r.people + r.forklifts;
    for (double q : r.sources)
        r.total += q;
    if (in.runTime != 0) r.hourly = Int(r.total / in.runTime + 0.5);
    return r;
}

double DesignLoad(float total, float safetyPercent) {
    const float factor = 1.0f + safetyPercent / 100.0f;
    return Int(static_cast<double>(factor * total));
}

} // namespace tw
