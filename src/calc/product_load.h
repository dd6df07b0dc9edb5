// SPDX-License-Identifier: MIT
// Product load: the heat taken out of the goods brought in (cooling to the freezing point,
// freezing, cooling further below it, each spread over the pull-down time) plus the heat the
// goods give off while stored.
#pragma once

#include <optional>

namespace tw {

struct ProductInput {
    double weight = 0;                   // m, per day
    double entering = 0;                 // T1
    double final = 0;                    // T2
    double pullDown = 0;                 // t, hours
    std::optional<double> freezingPoint; // Tf; nothing: the product does not freeze
    double heatAbove = 0;                // cA, specific heat above freezing
    double heatBelow = 0;                // cB, specific heat below freezing
    double waterContent = 0;             // percent
    double respiration = 0;              // R, heat per unit weight and 24 hours
    double multiplier = 1;               // n
};

struct ProductLoadTerms {
    double cool = 0;    // down to the freezing point (or to T2)
    double freeze = 0;  // latent heat of the water
    double subcool = 0; // below the freezing point
    double other = 0;   // heat given off, R × m
    double total = 0;   // per 24 hours
};

// With `latentHeat` the latent heat of freezing of water per unit weight (144 Btu/lb).
ProductLoadTerms ProductLoad(const ProductInput& p, double latentHeat);

} // namespace tw
