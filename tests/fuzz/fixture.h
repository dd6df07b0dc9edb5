// SPDX-License-Identifier: MIT
// What the fuzz targets share: the input as text, and one window started per process on the
// shipped data (its settings in a scratch folder), so that an input costs only its reader.
#pragma once

#include "frm/frm_main.h"
#include "platform/Headless.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace tw::fuzz {

inline std::string Text(const std::uint8_t* data, std::size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

inline FrmMain& Window() {
    static std::unique_ptr<Headless> machine;
    static std::unique_ptr<FrmMain> window;
    if (!window) {
        char folder[] = "/tmp/tarnwell-fuzz-XXXXXX";
        if (!::mkdtemp(folder)) std::abort();
        machine = std::make_unique<Headless>(TW_SOURCE_DIR, std::filesystem::path(folder));
        window = std::make_unique<FrmMain>(*machine);
        window->Form_Load("");
    }
    return *window;
}

} // namespace tw::fuzz
