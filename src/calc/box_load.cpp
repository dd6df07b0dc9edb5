// SPDX-License-Identifier: MIT
#include "calc/box_load.h"

#include "shell/numbers.h"

namespace tw {

double SurfaceDailyLoad(double deltaT, double area, double kFactor, double thickness) {
    return Int(deltaT * area * 24 * kFactor / thickness);
}

BoxLoadResult BoxLoad(const std::vector<SurfaceInput>& surfaces, double roomTemp, double runTime) {
    BoxLoadResult result;
    const bool perHour = runTime != 0.0;
    double deltaT = 0;
    for (const SurfaceInput& s : surfaces) {
        if (!s.usable || s.thickness == 0.0) {
            result.daily.emplace_back();
            if (perHour) result.hourly.push_back(0);
            continue;
        }
        // A door or window keeps the temperature difference of the surface it sits in.
        if (s.ownTemperature) deltaT = s.outerTemp - roomTemp;
        const double q = SurfaceDailyLoad(deltaT, s.area, s.kFactor, s.thickness);
        result.daily.emplace_back(q);
        if (perHour) result.hourly.push_back(Int(q / runTime));
        result.totalDaily += q;
    }
    if (perHour) result.totalHourly = Int(result.totalDaily / runTime + 0.5);
    return result;
}

float RoomVolume(double floorArea, const std::vector<double>& wallHeights) {
    if (wallHeights.empty()) return 0.0f;
    double sum = 0;
    for (double h : wallHeights)
        sum += h;
    const double n = static_cast<double>(wallHeights.size());
    return RoundTwoPlaces(static_cast<float>(floorArea * sum / n));
}

} // namespace tw
