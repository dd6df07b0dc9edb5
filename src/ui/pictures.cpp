// SPDX-License-Identifier: MIT
#include "ui/pictures.h"

#include "shell/text_file.h"

#include <cstdint>
#include <cstdlib>

namespace tw {

namespace {

std::uint32_t BigEndian32(const std::string& b, std::size_t at) {
    return (static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) << 24) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 16) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 8) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3]));
}

std::int32_t LittleEndian32(const std::string& b, std::size_t at) {
    std::uint32_t v = static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
                      (static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8) |
                      (static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16) |
                      (static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24);
    return static_cast<std::int32_t>(v);
}

} // namespace

std::optional<PixelSize> PictureSize(const std::string& path) {
    auto bytes = ReadFileBytes(path);
    if (!bytes) return std::nullopt;
    const std::string& b = *bytes;
    if (b.size() >= 24 && b.compare(1, 3, "PNG") == 0)
        return PixelSize{static_cast<int>(BigEndian32(b, 16)),
                         static_cast<int>(BigEndian32(b, 20))};
    if (b.size() >= 26 && b[0] == 'B' && b[1] == 'M')
        return PixelSize{LittleEndian32(b, 18), std::abs(LittleEndian32(b, 22))};
    if (b.size() >= 22 && b[0] == 0 && b[1] == 0 && b[2] == 1 && b[3] == 0) {
        // An icon: the first image's entry; 0 stands for 256.
        int w = static_cast<unsigned char>(b[6]);
        int h = static_cast<unsigned char>(b[7]);
        return PixelSize{w ? w : 256, h ? h : 256};
    }
    return std::nullopt;
}

} // namespace tw
