// SPDX-License-Identifier: MIT
// Numbers as people type them: a decimal point or a decimal comma, whatever the machine uses.
// The kernels take the machine's decimal separator ('.' or ',') as an argument.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

namespace tw {

// A text that should have been a number and is not; readers of files skip the record.
struct ConversionError : std::runtime_error {
    explicit ConversionError(const std::string& text)
        : std::runtime_error("not a number: '" + text + "'") {}
};

// Blanks, an optional sign, digits with at most one decimal separator, blanks.
bool IsNumeric(const std::string& text, char decimal);
std::optional<double> ParseNumber(const std::string& text, char decimal);

// Whether a character typed into a number field keeps it a number in the making: digits,
// one minus at the start and one decimal separator of the machine. The character replaces
// the selection [selStart, selStart + selLength), so the text that remains is what counts
// (a minus typed over a selected "-10" is taken). Control keys (Backspace, Ctrl+A, Ctrl+C,
// Ctrl+V) always pass.
bool AcceptsNumberKey(const std::string& text, int selStart, int selLength, int key, char decimal);
// A number, or what a number field holds while one is typed: "", "-", the separator, "-" and
// the separator.
bool IsNumberInMaking(const std::string& text, char decimal);

// Rewrites the one foreign decimal separator of a numeric text into the machine's own.
std::string NormalizeDecimal(const std::string& text, char decimal);
// The texts a field holds while a number is being typed ("", "-", ".", ",") count as 0;
// any other text that is not a number throws ConversionError.
float ToSingle(const std::string& text, char decimal);

// Rounds towards minus infinity.
double Int(double x);
// Half up to two decimals, in single precision: Int(x * 100 + 0.5) / 100.
float RoundTwoPlaces(float x);
// Halves to even.
double RoundHalfEven(double x);

// The general number format: the shortest text with at most `digits` significant digits,
// no thousands separator, no trailing zeros, never an exponent.
std::string FormatNumber(double value, char decimal, int digits = 15);
inline std::string FormatSingle(float value, char decimal) {
    return FormatNumber(static_cast<double>(value), decimal, 7);
}

// The text a Boolean is written as in settings and files.
inline const char* BoolText(bool b) {
    return b ? "True" : "False";
}
// "True"/"False" in any case, or a number (non-zero is true); anything else gives fallback.
bool ParseBool(const std::string& text, bool fallback);

} // namespace tw
