// SPDX-License-Identifier: MIT
#include "select/balance_point.h"

#include <cmath>

namespace tw {

float SecondSuction(float sst, float lowestSuction) {
    return sst - 5.0f <= lowestSuction ? sst + 5.0f : sst - 5.0f;
}

std::optional<BalancePoint> IntersectCapacityLines(const BalanceInput& in) {
    const float td1 = std::fabs(in.room - in.sst);
    const float td2 = in.room - in.sst2;
    const float perDegree = in.coolersAt10 / 10.0f;
    const float cooler1 = perDegree * td1;
    const float cooler2 = perDegree * td2;

    const float coolerRun = cooler2 - cooler1;
    const float condensingRun = in.condensingAtSst - in.condensingAtSst2;
    if (coolerRun == 0.0f || condensingRun == 0.0f) return std::nullopt;
    const float coolerSlope = (in.sst2 - in.sst) / coolerRun;
    const float coolerIntercept = in.sst - coolerSlope * cooler1;
    const float condensingSlope = (in.sst - in.sst2) / condensingRun;
    const float condensingIntercept = in.sst - condensingSlope * in.condensingAtSst;

    const float slopes = coolerSlope - condensingSlope;
    if (slopes == 0.0f) return std::nullopt;
    BalancePoint point;
    point.capacity = (condensingIntercept - coolerIntercept) / slopes;
    point.sst = condensingSlope * point.capacity + condensingIntercept;
    point.td = std::fabs(in.room - point.sst);
    if (!std::isfinite(point.capacity) || !std::isfinite(point.sst) || !std::isfinite(point.td))
        return std::nullopt;
    return point;
}

} // namespace tw
