// SPDX-License-Identifier: MIT
// How a number field shows its stored value: converted to the unit on display, rounded to
// two decimals, whole above 1000, one decimal for temperature differences.
#pragma once

#include <optional>
#include <string>

namespace tw {

struct ShownUnit {
    std::string internalLabel;
    std::string factor; // a number, or "FTOC"
    std::string shownLabel;
    std::string kind; // the unit kind key ("KFACTOR")
};

// The shown text of a "Number" field's stored value. `unit` is empty for a field without a
// unit kind in the unit table. A stored value that is not a number is shown as it is.
std::string NumberDisplayText(const std::string& stored, const std::optional<ShownUnit>& unit,
                              int field, char decimal);

// The stored (internal-unit) value of a typed text, or the text itself when it is not a number
// or the internal unit is shown.
std::string StoredFromTyped(const std::string& typed, const std::optional<ShownUnit>& unit,
                            char decimal);

} // namespace tw
