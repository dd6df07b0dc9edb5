// SPDX-License-Identifier: MIT
#include "update/publish.h"

#include "shell/text_file.h"
#include "update/signature.h"
#include "update/update_session.h"
#include "update/version_list.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <system_error>

namespace fs = std::filesystem;

namespace tw {

std::string StampOf(fs::file_time_type time) {
    const auto system = std::chrono::time_point_cast<std::chrono::seconds>(
        time - fs::file_time_type::clock::now() + std::chrono::system_clock::now());
    const std::time_t t = std::chrono::system_clock::to_time_t(system);
    std::tm utc{};
    gmtime_r(&t, &utc);
    char text[32] = {};
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

PublishResult PublishRelease(const fs::path& release, const fs::path& out) {
    PublishResult result;
    std::error_code ec;
    if (!fs::is_directory(release, ec)) {
        result.failed = true;
        result.problem = release.string() + " is not a folder";
        return result;
    }
    // Every regular file below the release, in a stable order.
    std::vector<fs::path> files;
    for (auto it = fs::recursive_directory_iterator(release, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec)) {
        const fs::path relative = it->path().lexically_relative(release);
        if (it->is_directory() && *relative.begin() == kUpdatesFolder) {
            result.skipped.push_back(relative.string() + ": the update folder is never published");
            it.disable_recursion_pending();
            continue;
        }
        if (it->is_regular_file()) files.push_back(relative);
    }
    std::sort(files.begin(), files.end());

    std::string list;
    std::string sums;
    try {
        for (const fs::path& relative : files) {
            const std::string folder = relative.parent_path().generic_string();
            const std::string file = relative.filename().string();
            VersionRecord r{file, folder.empty() ? kTopServerFolder : folder,
                            folder.empty() ? "APPPATH" : folder,
                            StampOf(fs::last_write_time(release / relative))};
            const std::string line = r.file + '\t' + r.folder + '\t' + r.target + '\t' + r.stamp;
            const LineCheck check = CheckVersionLine(line);
            if (!check.record) {
                result.skipped.push_back(relative.string() + ": " + check.problem);
                continue;
            }
            const auto bytes = ReadFileBytes(release / relative);
            if (!bytes)
                throw fs::filesystem_error("read", release / relative,
                                           std::make_error_code(std::errc::io_error));
            const fs::path target = out / ServerName(r);
            fs::create_directories(target.parent_path());
            if (!WriteFileAtomically(target, *bytes))
                throw fs::filesystem_error("write", target,
                                           std::make_error_code(std::errc::io_error));
            list += line + "\r\n";
            sums += Sha256Hex(*bytes) + "  " + ServerName(r) + "\n";
            ++result.files;
        }
        fs::create_directories(out);
        if (!WriteFileAtomically(out / kNewestList, list) ||
            !WriteFileAtomically(out / kSumsFile, sums))
            throw fs::filesystem_error("write", out, std::make_error_code(std::errc::io_error));
    } catch (const fs::filesystem_error& e) {
        result.failed = true;
        result.problem = e.what();
    }
    return result;
}

} // namespace tw
