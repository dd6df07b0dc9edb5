// SPDX-License-Identifier: MIT
#include "text.h"

#include "base/text.h"

namespace tarnwell {

std::vector<int> CodePoints(const std::string& text) {
    std::vector<int> points;
    for (std::size_t i = 0; i < text.size();)
        points.push_back(static_cast<int>(tw::NextCodePoint(text, i)));
    return points;
}

std::size_t TextWidth(const std::string& text) {
    return tw::Utf8Length(text);
}

std::string PadRight(const std::string& text, std::size_t width) {
    const std::size_t w = TextWidth(text);
    return w >= width ? text : text + std::string(width - w, ' ');
}

std::string PadLeft(const std::string& text, std::size_t width) {
    const std::size_t w = TextWidth(text);
    return w >= width ? text : std::string(width - w, ' ') + text;
}

} // namespace tarnwell
