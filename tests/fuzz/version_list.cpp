// SPDX-License-Identifier: MIT
// Version lists: the installed and the newest list as the update service reads them.
#include "update/version_list.h"

#include "shell/text_file.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    tw::ReadVersionList(tw::SplitAnsiLines(bytes));
    return 0;
}
