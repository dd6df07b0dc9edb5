// SPDX-License-Identifier: MIT
// The size of a picture file in pixels, read from its header (PNG, BMP and ICO).
#pragma once

#include <optional>
#include <string>

namespace tw {

struct PixelSize {
    int width = 0;
    int height = 0;
};

// Nothing when the file is missing or not a picture of a known kind.
std::optional<PixelSize> PictureSize(const std::string& path);

} // namespace tw
