// SPDX-License-Identifier: MIT
#include "ui/warning_banner.h"

namespace tw {

void WarningBanner::Clear() {
    errors_.clear();
    notes_.clear();
}

std::string WarningBanner::ErrorText() const {
    std::string text;
    for (const std::string& line : errors_)
        text += line + "\r\n";
    return text;
}

std::string WarningBanner::Caption() const {
    const std::vector<std::string>& lines = Lines();
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    if (!lines.empty()) text += lines.front();
    return text;
}

} // namespace tw
