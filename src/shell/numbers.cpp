// SPDX-License-Identifier: MIT
#include "shell/numbers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tw {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::optional<double> ParseNumber(const std::string& text, char decimal) {
    std::size_t i = 0, n = text.size();
    while (i < n && IsBlank(text[i]))
        ++i;
    std::string plain;
    if (i < n && (text[i] == '-' || text[i] == '+')) plain += text[i++];
    bool digits = false, separator = false;
    for (; i < n && !IsBlank(text[i]); ++i) {
        char c = text[i];
        if (IsDigit(c)) {
            digits = true;
            plain += c;
        } else if (c == decimal && !separator) {
            separator = true;
            plain += '.';
        } else {
            return std::nullopt;
        }
    }
    while (i < n && IsBlank(text[i]))
        ++i;
    if (i != n || !digits) return std::nullopt;
    return std::strtod(plain.c_str(), nullptr);
}

bool IsNumeric(const std::string& text, char decimal) {
    return ParseNumber(text, decimal).has_value();
}

std::string NormalizeDecimal(const std::string& text, char decimal) {
    const char foreign = decimal == ',' ? '.' : ',';
    std::size_t p = text.find(foreign);
    // Only a separator after the first character and behind a numeric part is replaced.
    if (p == std::string::npos || p == 0) return text;
    if (!IsNumeric(text.substr(0, p), decimal)) return text;
    std::string changed = text;
    changed[p] = decimal;
    return changed.find(foreign) == std::string::npos ? changed : text;
}

float ToSingle(const std::string& text, char decimal) {
    if (text.empty() || text == "-" || text == "." || text == ",") return 0.0f;
    auto value = ParseNumber(NormalizeDecimal(text, decimal), decimal);
    if (!value) throw ConversionError(text);
    return static_cast<float>(*value);
}

double Int(double x) {
    return std::floor(x);
}

float RoundTwoPlaces(float x) {
    return static_cast<float>(Int(static_cast<double>(x) * 100.0 + 0.5) / 100.0);
}

double RoundHalfEven(double x) {
    return std::nearbyint(x);
}

std::string FormatNumber(double value, char decimal, int digits) {
    if (!std::isfinite(value)) return "0";
    if (value == 0.0) return "0";
    // Round to the significant digits first, then write the digits out in fixed notation.
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", digits - 1, value);
    std::string s(buf);
    bool negative = s[0] == '-';
    if (negative) s.erase(0, 1);
    std::size_t e = s.find('e');
    int exponent = std::atoi(s.c_str() + e + 1);
    std::string mantissa;
    for (std::size_t i = 0; i < e; ++i)
        if (IsDigit(s[i])) mantissa += s[i];
    while (mantissa.size() > 1 && mantissa.back() == '0')
        mantissa.pop_back();

    std::string out;
    if (exponent < 0) {
        out = "0";
        out += decimal;
        out += std::string(static_cast<std::size_t>(-exponent - 1), '0');
        out += mantissa;
    } else {
        std::size_t intDigits = static_cast<std::size_t>(exponent) + 1;
        if (mantissa.size() <= intDigits) {
            out = mantissa + std::string(intDigits - mantissa.size(), '0');
        } else {
            out = mantissa.substr(0, intDigits);
            out += decimal;
            out += mantissa.substr(intDigits);
        }
    }
    return negative ? "-" + out : out;
}

bool ParseBool(const std::string& text, bool fallback) {
    std::string t;
    for (char c : text)
        if (!IsBlank(c)) t += static_cast<char>(c >= 'a' && c <= 'z' ? c - 32 : c);
    if (t == "TRUE") return true;
    if (t == "FALSE") return false;
    if (auto v = ParseNumber(text, '.')) return *v != 0.0;
    return fallback;
}

} // namespace tw
