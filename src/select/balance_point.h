// SPDX-License-Identifier: MIT
// The balance point of a condensing unit and its coolers: both capacities taken as straight
// lines of suction temperature over capacity through two points 5 °F apart, intersected.
#pragma once

#include <optional>

namespace tw {

// The second suction temperature of the lines: 5 °F below the design point, or 5 °F above it
// when that would reach the model's lowest accepted suction temperature.
float SecondSuction(float sst, float lowestSuction);

struct BalanceInput {
    float room = 0;             // room temperature, °F
    float sst = 0;              // design suction temperature
    float sst2 = 0;             // second suction temperature
    float condensingAtSst = 0;  // all condensing units at sst, Btu/h
    float condensingAtSst2 = 0; // all condensing units at sst2
    float coolersAt10 = 0;      // all coolers at sst and a TD of 10 °F
};

struct BalancePoint {
    float capacity = 0; // Btu/h
    float sst = 0;      // suction temperature, °F
    float td = 0;       // room minus suction temperature, as a magnitude
};

// The coolers' capacity grows in proportion to the TD (room - suction temperature). Nothing
// when the lines have no single finite intersection (a cooler rated at 0, a condensing unit
// with the same capacity at both points, parallel lines).
std::optional<BalancePoint> IntersectCapacityLines(const BalanceInput& in);

} // namespace tw
