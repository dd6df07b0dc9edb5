// SPDX-License-Identifier: MIT
#include "shell/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>

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
    // from_chars reads a point whatever the C library's locale (a window toolkit switches it
    // to the user's, where strtod would stop at the point); it takes no plus sign.
    const char* first = plain.data() + (plain[0] == '+' ? 1 : 0);
    double value = 0.0;
    const auto [end, error] = std::from_chars(first, plain.data() + plain.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Without an exponent only a long run of whole digits overflows; the rest is tiny.
        const std::size_t point = plain.find('.');
        const bool whole = plain.find_first_of("123456789") < point;
        const double size = whole ? HUGE_VAL : 0.0;
        return plain[0] == '-' ? -size : size;
    }
    if (error != std::errc() || end != plain.data() + plain.size()) return std::nullopt;
    return value;
}

bool IsNumeric(const std::string& text, char decimal) {
    return ParseNumber(text, decimal).has_value();
}

bool AcceptsNumberKey(const std::string& text, int selStart, int selLength, int key, char decimal) {
    if (key >= 0 && key < 32) return true;
    const std::size_t size = text.size();
    const std::size_t start = std::min(static_cast<std::size_t>(std::max(selStart, 0)), size);
    const std::size_t length =
        std::min(static_cast<std::size_t>(std::max(selLength, 0)), size - start);
    const std::string remaining = text.substr(0, start) + text.substr(start + length);
    if (key == '-') return start == 0 && remaining.find('-') == std::string::npos;
    if (key == '.' || key == ',')
        return key == decimal && remaining.find(decimal) == std::string::npos;
    return key >= '0' && key <= '9';
}

bool IsNumberInMaking(const std::string& text, char decimal) {
    const std::string separator(1, decimal);
    return text.empty() || text == "-" || text == separator || text == "-" + separator ||
           IsNumeric(text, decimal);
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
    const auto written =
        std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific, digits - 1);
    std::string s(buf, written.ptr);
    bool negative = s[0] == '-';
    if (negative) s.erase(0, 1);
    std::size_t e = s.find('e');
    int exponent = 0;
    std::from_chars(s.data() + e + (s[e + 1] == '+' ? 2 : 1), s.data() + s.size(), exponent);
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
