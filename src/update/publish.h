// SPDX-License-Identifier: MIT
// Making a release for the update server from a folder laid out like an installation: files
// at its top go to the installation folder ("APPPATH"), files in opdata/ to target "opdata",
// and so on. The output holds every file in its server folder, Newest.ver with stamps from
// the files' modification times, and SHA256SUMS; the publisher then signs both with
// minisign.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace tw {

// The server folder of the files at the top of a release.
inline constexpr const char* kTopServerFolder = "app";

struct PublishResult {
    int files = 0;
    // Files left out (hidden files, names a version list cannot carry, the update folder),
    // and why; a failure to read or write ends publishing with `failed` set.
    std::vector<std::string> skipped;
    bool failed = false;
    std::string problem;
};

PublishResult PublishRelease(const std::filesystem::path& release,
                             const std::filesystem::path& out);

// A modification time as a version stamp: "2026-12-07T09:30:00Z" (UTC; sorts as text).
std::string StampOf(std::filesystem::file_time_type time);

} // namespace tw
