// SPDX-License-Identifier: MIT
#include "select/capacity.h"

#include "shell/ansi.h"
#include "shell/numbers.h"

#include <cmath>
#include <limits>
#include <optional>

namespace tw {

namespace {

// Int of a single-precision capacity; a value that is not a finite 32-bit number gives 0.
std::int32_t WholeCapacity(float value) {
    const double whole = Int(static_cast<double>(value));
    if (!std::isfinite(whole) || whole < std::numeric_limits<std::int32_t>::min() ||
        whole > std::numeric_limits<std::int32_t>::max())
        return 0;
    return static_cast<std::int32_t>(whole);
}

float Single(std::int64_t n) {
    return static_cast<float>(n);
}

// The rating points of one model: records first .. first + count - 1, as far as the file
// holds them.
class ModelPoints {
public:
    ModelPoints(const std::vector<CRating>& ratings, const CModel& model)
        : ratings_(ratings), first_(model.firstRating),
          end_(static_cast<std::int64_t>(model.firstRating) + model.ratingCount) {
        // The last element of the table is the empty record after the file's last one.
        const auto fileRecords = static_cast<std::int64_t>(ratings.size()) - 2;
        if (end_ > fileRecords + 1) end_ = fileRecords + 1;
        if (first_ < 1) end_ = first_;
    }
    std::int64_t First() const { return first_; }
    bool Own(std::int64_t j) const { return j >= first_ && j < end_; }
    const CRating& operator[](std::int64_t j) const {
        return ratings_[static_cast<std::size_t>(j)];
    }

private:
    const std::vector<CRating>& ratings_;
    std::int64_t first_;
    std::int64_t end_;
};

// The capacity at ambient `a` on the straight line through two points of one block.
std::optional<float> AlongAmbient(const CRating& low, const CRating& high, float a) {
    const int span = high.ambient - low.ambient;
    if (span == 0) return std::nullopt;
    return (a - Single(low.ambient)) * Single(std::int64_t{high.capacity} - low.capacity) /
               Single(span) +
           Single(low.capacity);
}

// The capacity at suction `s` on the straight line between a value of the block above
// (`upper`, at suction `upperSst`) and one of the block below.
std::optional<float> AlongSuction(float upper, int upperSst, float lower, int lowerSst, float s) {
    const int span = lowerSst - upperSst;
    if (span == 0) return std::nullopt;
    return (s - Single(upperSst)) * (lower - upper) / Single(span) + upper;
}

std::int32_t Scaled(std::optional<float> capacity, float factor) {
    return capacity ? WholeCapacity(factor * *capacity) : 0;
}

} // namespace

std::int32_t CondensingCapacity(const std::vector<CRating>& ratings, const CModel& model, float sst,
                                float ambient, float factor) {
    const std::int64_t perBlock = model.pointsPerBlock;
    if (perBlock <= 0) return 0;
    const ModelPoints points(ratings, model);
    const auto s = static_cast<int>(RoundHalfEven(sst));
    const auto a = static_cast<int>(RoundHalfEven(ambient));

    for (std::int64_t k = points.First(); points.Own(k); k += perBlock) {
        const int blockSst = points[k].suction;
        if (blockSst > s) continue;

        if (blockSst == s) {
            // A rated suction temperature: along the block's ambients.
            for (std::int64_t j = k; j < k + perBlock && points.Own(j); ++j) {
                const CRating& p = points[j];
                if (p.ambient == a) return WholeCapacity(factor * Single(p.capacity));
                if (p.ambient > a) {
                    if (j == k) return 0; // below the block's lowest ambient
                    return Scaled(AlongAmbient(points[j - 1], p, ambient), factor);
                }
            }
            continue; // above the block's highest ambient
        }

        // The first block below the suction temperature; the one above it is k - perBlock.
        if (k == points.First()) return 0; // above the model's highest suction temperature
        for (std::int64_t j = k; j < k + perBlock && points.Own(j); ++j) {
            const CRating& low = points[j];
            const CRating& high = points[j - perBlock];
            if (low.ambient == a)
                return Scaled(AlongSuction(Single(high.capacity), high.suction,
                                           Single(low.capacity), low.suction, sst),
                              factor);
            if (low.ambient > a) {
                if (j == k) return 0;
                auto upper = AlongAmbient(points[j - perBlock - 1], high, ambient);
                auto lower = AlongAmbient(points[j - 1], low, ambient);
                if (!upper || !lower) return 0;
                return Scaled(AlongSuction(*upper, high.suction, *lower, low.suction, sst), factor);
            }
        }
        return 0; // above the highest rated ambient
    }
    return 0; // below the model's lowest suction temperature
}

float CoolerCapacity(float sst, float td, std::int32_t rated, float factor) {
    const double t = sst;
    const double k = 0.94857 + 0.0036667 * t - 0.000052381 * t * t;
    const double capacity = (k * rated * td / 10.0 + 0.5) * factor;
    return static_cast<float>(Int(capacity));
}

bool IsSixtyHertz(const std::string& supplyCode) {
    return UpperCase(Right(supplyCode, 1)) == "S";
}

float FrequencyFactor(const std::string& supplyCode, float factor50, float factor60) {
    return IsSixtyHertz(supplyCode) ? factor60 : factor50;
}

bool InsideModelRanges(const CModel& model, float ambient, float sst, float required) {
    return ambient >= model.minAmbient && ambient <= model.maxAmbient && sst >= model.minSuction &&
           sst <= model.maxSuction && required >= static_cast<float>(model.minCapacity) &&
           required <= static_cast<float>(model.maxCapacity);
}

} // namespace tw
