// SPDX-License-Identifier: MIT
// UTF-8 texts as keys and as columns of the readable output.
#pragma once

#include <string>
#include <vector>

namespace tarnwell {

// The Unicode code points of a UTF-8 text, as a keyboard would send them one by one; a byte
// that does not belong to a UTF-8 sequence stands for itself.
std::vector<int> CodePoints(const std::string& text);

// The number of characters (code points) of a UTF-8 text.
std::size_t TextWidth(const std::string& text);

// The text padded with blanks to `width` characters (code points), or left as it is.
std::string PadRight(const std::string& text, std::size_t width);
std::string PadLeft(const std::string& text, std::size_t width);

} // namespace tarnwell
