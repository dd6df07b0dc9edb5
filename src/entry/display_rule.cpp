// SPDX-License-Identifier: MIT
#include "entry/display_rule.h"

#include "entry/unit_conversion.h"
#include "names/fields.h"
#include "shell/ansi.h"
#include "shell/numbers.h"

#include <cmath>

namespace tw {

namespace {

bool IsOneDecimalField(int n) {
    return n == field::DesignTD || n == field::BalanceSST || n == field::BalanceTD;
}

bool IsFtoc(const std::string& factor) {
    return UpperCase(Trim(factor)) == "FTOC";
}

} // namespace

std::string NumberDisplayText(const std::string& stored, const std::optional<ShownUnit>& unit,
                              int field, char decimal) {
    float number;
    try {
        number = ToSingle(stored, decimal);
    } catch (const ConversionError&) {
        return stored;
    }
    if (!unit) return FormatSingle(RoundTwoPlaces(number), decimal);

    float v;
    bool fromFtoc = false;
    if (unit->shownLabel == unit->internalLabel) {
        v = RoundTwoPlaces(number);
    } else if (IsFtoc(unit->factor)) {
        v = RoundTwoPlaces(static_cast<float>((static_cast<double>(number) - 32.0) / 1.8));
        fromFtoc = true;
    } else if (auto factor = ParseNumber(NormalizeDecimal(unit->factor, decimal), decimal)) {
        v = static_cast<float>(RoundAlternate(
            static_cast<double>(number * static_cast<float>(*factor)), unit->factor, unit->kind));
    } else {
        return FormatSingle(RoundTwoPlaces(number), decimal);
    }
    if (!std::isfinite(v)) return stored;
    // Above a thousand the value is shown whole; the comparison is made on the rounded value,
    // so 1000.4 keeps its decimal and 1000.6 shows as 1001.
    const double whole = Int(static_cast<double>(v) + 0.5);
    if (whole > 1000) return FormatNumber(whole, decimal);
    if (IsOneDecimalField(field) && !fromFtoc)
        return FormatNumber(Int(static_cast<double>(v) * 10 + 0.5) / 10, decimal, 7);
    return FormatSingle(v, decimal);
}

std::string StoredFromTyped(const std::string& typed, const std::optional<ShownUnit>& unit,
                            char decimal) {
    auto number = ParseNumber(typed, decimal);
    if (!number || !unit || unit->shownLabel == unit->internalLabel) return typed;
    if (IsFtoc(unit->factor)) return FormatNumber(*number * 1.8 + 32.0, decimal);
    auto factor = ParseNumber(NormalizeDecimal(unit->factor, decimal), decimal);
    if (!factor || *factor == 0.0) return typed;
    return FormatNumber(*number / *factor, decimal);
}

} // namespace tw
