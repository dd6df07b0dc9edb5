// SPDX-License-Identifier: MIT
#include "sheet_text.h"

#include "shell/ansi.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace tw::sheets {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

std::string Thousands(long long value) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return value < 0 ? kMinus + out : out;
}

std::string Temp(long value, bool sign) {
    if (value < 0) return kMinus + std::to_string(-value);
    return (sign && value > 0 ? "+" : "") + std::to_string(value);
}

std::string TempRange(long low, long high, bool sign) {
    return Temp(low, sign) + kTo + Temp(high, sign) + " " + kDegF;
}

std::string Capitalised(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 32);
    return text;
}

std::pair<std::string, std::string> NameDetails(const std::string& name) {
    const auto open = name.rfind('(');
    const auto close = name.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close < open) return {};
    const std::string inner = name.substr(open + 1, close - open - 1);
    const auto comma = inner.find(", ");
    if (comma == std::string::npos) return {Trim(inner), ""};
    return {Trim(inner.substr(0, comma)), Trim(inner.substr(comma + 2))};
}

std::string Joined(const std::vector<std::string>& items, const std::string& separator) {
    std::string out;
    for (const auto& item : items)
        out += (out.empty() ? "" : separator) + item;
    return out;
}

void AddOnce(std::vector<std::string>& list, const std::string& item) {
    if (!item.empty() && std::find(list.begin(), list.end(), item) == list.end())
        list.push_back(item);
}

std::string FactorText(float factor) {
    char text[16];
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(factor));
    return text;
}

[[noreturn]] void Fail(const std::string& message) {
    throw std::runtime_error(message);
}

} // namespace tw::sheets
