// SPDX-License-Identifier: MIT
#include "entry/unit_conversion.h"

#include "shell/ansi.h"
#include "shell/numbers.h"

#include <algorithm>
#include <cmath>

namespace tw {

namespace {

bool IsFtoc(const std::string& factor) {
    return UpperCase(Trim(factor)) == "FTOC";
}

} // namespace

std::optional<double> ToAlternateUnit(double internal, const std::string& factor, char decimal) {
    if (IsFtoc(factor)) return (internal - 32.0) / 1.8;
    auto f = ParseNumber(NormalizeDecimal(factor, decimal), decimal);
    if (!f) return std::nullopt;
    return internal * static_cast<double>(static_cast<float>(*f));
}

std::optional<double> ToInternalUnit(double alternate, const std::string& factor, char decimal) {
    if (IsFtoc(factor)) return alternate * 1.8 + 32.0;
    auto f = ParseNumber(NormalizeDecimal(factor, decimal), decimal);
    if (!f || *f == 0.0) return std::nullopt;
    return alternate / static_cast<double>(static_cast<float>(*f));
}

double RoundAlternate(double value, const std::string& factor, const std::string& kind) {
    const std::string k = UpperCase(kind);
    const double magnitude = std::fabs(value);
    int decimals = 2;
    if (!IsFtoc(factor) && k != "AREA" && k != "VOLUME" && magnitude > 0 && magnitude < 1)
        decimals = std::min(6, 2 - static_cast<int>(std::floor(std::log10(magnitude))));
    const double scale = std::pow(10.0, decimals);
    return Int(value * scale + 0.5) / scale;
}

} // namespace tw
