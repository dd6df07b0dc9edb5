// SPDX-License-Identifier: MIT
#include "select/selection.h"

#include "shell/ansi.h"
#include "shell/numbers.h"

#include <cmath>
#include <utility>

namespace tw {

void OfferList::Add(Offer offer, bool suits) {
    if (suits) {
        suitable.push_back(std::move(offer));
        return;
    }
    const double kept = undersized ? undersized->capacity : 0.0;
    if (!(kept > offer.capacity)) undersized = std::move(offer);
}

void SortByCapacity(std::vector<Offer>& rows) {
    for (std::size_t i = 0; i + 1 < rows.size(); ++i)
        for (std::size_t j = i + 1; j < rows.size(); ++j)
            if (rows[j].capacity <= rows[i].capacity) std::swap(rows[i], rows[j]);
}

int ChooseRow(const OfferList& offers, float required, float lowest) {
    if (!offers.undersized) return offers.suitable.empty() ? -1 : 1;
    const auto under = static_cast<float>(offers.undersized->capacity);
    const bool closeEnough = under > lowest;
    if (offers.suitable.empty()) return closeEnough ? 0 : -1;
    const auto smallest = static_cast<float>(offers.suitable.front().capacity);
    if (closeEnough && std::fabs(required - under) < std::fabs(required - smallest)) return 0;
    return 1;
}

float LowestAcceptable(float required, float underRangePercent) {
    return (100.0f - underRangePercent) * required / 100.0f;
}

std::string CondensingKey(const std::string& typeCode, const std::string& refrigerant,
                          const std::string& location, const std::string& supply) {
    return Left(typeCode, 1) + refrigerant + location + supply;
}

float DesignAmbient(const std::string& typeCode, float ambient, float condensing, char decimal) {
    const std::string rule = Mid(typeCode, 2);
    if (rule == "-" || rule == "a") return ambient;
    if (rule == "c") return condensing;
    try {
        return ToSingle(rule, decimal);
    } catch (const ConversionError&) {
        return 0.0f;
    }
}

} // namespace tw
