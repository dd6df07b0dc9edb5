// SPDX-License-Identifier: MIT
#include "entry/unit_conversion.h"

#include "shell/ansi.h"
#include "shell/numbers.h"

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

} // namespace tw
