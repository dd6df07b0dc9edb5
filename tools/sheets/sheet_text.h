// SPDX-License-Identifier: MIT
// The small text helpers of the data sheets and the catalogue: the supplier's fixed texts,
// numbers with thousands separators, temperatures, lists of names and the details of a
// product name.
#pragma once

#include <QString>
#include <string>
#include <utility>
#include <vector>

namespace tw::sheets {

inline const char* const kSupplier = "Tarnwell Refrigeration";
inline const char* const kWebsite = "www.tarnwell-refrigeration.example";
inline const char* const kNominal = "Data are nominal and may change without notice.";
inline const char* const kDegF = "\u00B0F";
inline const char* const kMinus = "\u2212";
inline const char* const kTo = " \u2026 "; // a range: "50 … 120"
inline const char* const kDot = "  \u00B7  ";

QString Q(const std::string& text);

// 12345 -> "12,345"
std::string Thousands(long long value);

// A temperature; `sign` writes "+" before positive values (suction temperatures).
std::string Temp(long value, bool sign = false);

std::string TempRange(long low, long high, bool sign);

std::string Capitalised(std::string text);

// A product name "MODEL (first, second)" gives its two details.
std::pair<std::string, std::string> NameDetails(const std::string& name);

std::string Joined(const std::vector<std::string>& items, const std::string& separator = ", ");

void AddOnce(std::vector<std::string>& list, const std::string& item);

std::string FactorText(float factor);

[[noreturn]] void Fail(const std::string& message);

} // namespace tw::sheets
