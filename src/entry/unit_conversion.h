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

// A value converted to the alternate unit, rounded for showing: half up to two decimals, but to
// three significant digits when it is smaller than 1, so that a K-factor of 0.16
// Btu·in/(h·ft²·°F) reads 0.0231 W/(m·K) rather than 0.02. Temperatures ("FTOC"), areas and
// volumes always keep two decimals.
double RoundAlternate(double value, const std::string& factor, const std::string& kind);

} // namespace tw
