// SPDX-License-Identifier: MIT
#include "text.h"

namespace tarnwell {

std::vector<int> CodePoints(const std::string& text) {
    std::vector<int> points;
    for (std::size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        std::size_t length = b < 0x80             ? 1
                             : (b & 0xE0) == 0xC0 ? 2
                             : (b & 0xF0) == 0xE0 ? 3
                             : (b & 0xF8) == 0xF0 ? 4
                                                  : 0;
        int cp = length == 2 ? (b & 0x1F) : length == 3 ? (b & 0x0F) : (b & 0x07);
        bool valid = length > 0 && i + length <= text.size();
        for (std::size_t k = 1; valid && k < length; ++k) {
            const auto c = static_cast<unsigned char>(text[i + k]);
            valid = (c & 0xC0) == 0x80;
            cp = (cp << 6) | (c & 0x3F);
        }
        if (length == 1) {
            points.push_back(b);
            ++i;
        } else if (valid) {
            points.push_back(cp);
            i += length;
        } else {
            points.push_back(b);
            ++i;
        }
    }
    return points;
}

std::size_t TextWidth(const std::string& text) {
    std::size_t n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
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
