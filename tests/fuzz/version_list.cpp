// SPDX-License-Identifier: MIT
// Version lists: the installed and the newest list (split at the first NUL byte of the
// input) read, compared and planned as the update service does.
#include "shell/text_file.h"
#include "update/version_list.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t split = bytes.find('\0');
    const std::string first = bytes.substr(0, split);
    const std::string second = split == std::string::npos ? bytes : bytes.substr(split + 1);
    std::vector<std::string> skipped;
    const auto installed = tw::ReadVersionList(tw::SplitAnsiLines(first), &skipped);
    const auto newest = tw::ReadVersionList(tw::SplitAnsiLines(second), &skipped);
    const tw::VersionComparison compared = tw::CompareVersionLists(installed, newest);
    tw::PlanUpdate(compared.rows, "https://updates.example.com/tarnwell",
                   {"/opt/tarnwell", "/opt/tarnwell/Updates"});
    return 0;
}
