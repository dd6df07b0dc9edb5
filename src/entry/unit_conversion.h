// SPDX-License-Identifier: MIT
// Two-way conversion between the internal (imperial) unit of a quantity and its alternate
// unit: a factor, or "FTOC" for degrees Fahrenheit to Celsius.
#pragma once

#include <optional>
#include <string>

namespace tw {

// Nothing when the factor text is neither a number nor "FTOC".
std::optional<double> ToAlternateUnit(double internal, const std::string& factor, char decimal);
std::optional<double> ToInternalUnit(double alternate, const std::string& factor, char decimal);

} // namespace tw
