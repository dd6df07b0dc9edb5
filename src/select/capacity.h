// SPDX-License-Identifier: MIT
// Capacities of catalogue equipment at design conditions: condensing units from their rating
// points, coolers from their 10 °F TD rating, and the mains-frequency factors of both.
#pragma once

#include "select/catalogue.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tw {

// Capacity (Btu/h, whole, towards minus infinity) of a condensing-unit model at suction
// temperature `sst` and `ambient` (°F), scaled by the frequency `factor`. The model's rating
// points are blocks of one suction temperature each (highest first), each block with its
// ambients in ascending order; the capacity is interpolated linearly in ambient and in
// suction temperature. A point the model's own table does not enclose (suction above the
// first block or below the last, ambient below or above the rated ones) gives 0, and so does
// a model without rating points: only the model's own ratings are ever read.
std::int32_t CondensingCapacity(const std::vector<CRating>& ratings, const CModel& model, float sst,
                                float ambient, float factor);

// Capacity of a cooler rated at `rated` Btu/h for a 10 °F TD, at saturated suction `sst` and
// temperature difference `td`, scaled by the frequency `factor`; a whole number.
float CoolerCapacity(float sst, float td, std::int32_t rated, float factor);

// A supply code ending in "S" or "s" is a 60 Hz supply.
bool IsSixtyHertz(const std::string& supplyCode);
float FrequencyFactor(const std::string& supplyCode, float factor50, float factor60);

// True when a condensing-unit model is offered at this ambient, suction temperature and
// required capacity per unit (the bounds belong to the ranges).
bool InsideModelRanges(const CModel& model, float ambient, float sst, float required);

} // namespace tw
