// SPDX-License-Identifier: MIT
#include "update/version_list.h"

#include "base/text.h"
#include "shell/parse.h"

#include <algorithm>
#include <cctype>

namespace fs = std::filesystem;

namespace tw {

namespace {

constexpr const char* kAppPath = "APPPATH";

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

// A name that stays in its folder: not empty, no separator, not "." or "..", no control
// character.
bool PlainName(const std::string& name) {
    if (name.empty() || name == "." || name == "..") return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        return IsSeparator(c) || static_cast<unsigned char>(c) < 0x20;
    });
}

std::vector<std::string> Segments(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path + '/') {
        if (!IsSeparator(c)) {
            part += c;
        } else if (!part.empty()) {
            parts.push_back(part);
            part.clear();
        }
    }
    return parts;
}

// A folder below another one: relative, at least one name, and no "." or "..".
bool SafeFolder(const std::string& path) {
    if (path.empty() || IsSeparator(path.front())) return false;
    auto parts = Segments(path);
    return !parts.empty() && std::all_of(parts.begin(), parts.end(), PlainName);
}

fs::path RelativePath(const std::string& folder) {
    fs::path p;
    for (const auto& part : Segments(folder))
        p /= part;
    return p;
}

bool IsProgramFile(const VersionRecord& r) {
    return r.target == kAppPath && AsciiUpper(r.file) == AsciiUpper(kProgramFileName);
}

fs::path TargetFolder(const VersionRecord& r, const UpdatePaths& paths) {
    return r.target == kAppPath ? paths.install : paths.install / RelativePath(r.target);
}

std::string Encode(const std::string& segment) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (char ch : segment) {
        auto c = static_cast<unsigned char>(ch);
        if (std::isalnum(c) || std::string("-._~!$&'()*+,;=:@").find(ch) != std::string::npos) {
            out += ch;
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

} // namespace

std::optional<VersionRecord> ParseVersionLine(const std::string& line) {
    const auto fields = SplitInputLine(line);
    if (UpperBound(fields) != 5) return std::nullopt;
    VersionRecord r{fields[1], fields[2], fields[3], fields[4]};
    if (!r.file.empty() && r.file.front() == '#') return std::nullopt;
    if (!PlainName(r.file) || !SafeFolder(r.folder)) return std::nullopt;
    if (r.target != kAppPath && !SafeFolder(r.target)) return std::nullopt;
    return r;
}

std::vector<VersionRecord> ReadVersionList(const std::vector<std::string>& lines) {
    std::vector<VersionRecord> records;
    for (const auto& line : lines) {
        auto r = ParseVersionLine(line);
        if (!r) continue;
        bool listed = std::any_of(records.begin(), records.end(), [&](const VersionRecord& o) {
            return o.file == r->file && o.target == r->target;
        });
        if (!listed) records.push_back(*r);
    }
    return records;
}

VersionComparison CompareVersionLists(const std::vector<VersionRecord>& installed,
                                      const std::vector<VersionRecord>& newest) {
    VersionComparison c;
    for (const auto& r : installed)
        c.rows.push_back({VersionStatus::Obsolete, r});
    std::vector<bool> matched(c.rows.size(), false);
    for (const auto& r : newest) {
        auto it = std::find_if(c.rows.begin(), c.rows.end(), [&](const VersionRow& row) {
            return row.record.file == r.file && row.record.target == r.target;
        });
        if (it == c.rows.end()) {
            c.rows.push_back({VersionStatus::Fetch, r});
            matched.push_back(true);
            c.log.push_back(r.file + "  file added");
            continue;
        }
        auto i = static_cast<std::size_t>(it - c.rows.begin());
        if (matched[i]) continue; // a second record of the same file
        matched[i] = true;
        if (it->record.stamp < r.stamp) {
            c.log.push_back(r.file + "  " + it->record.stamp + "  update to " + r.stamp);
            it->status = VersionStatus::Fetch;
        } else {
            c.log.push_back(r.file + "  up to date");
            it->status = VersionStatus::UpToDate;
        }
        it->record = r;
    }
    c.updateCount =
        static_cast<int>(std::count_if(c.rows.begin(), c.rows.end(), [](const VersionRow& row) {
            return row.status == VersionStatus::Fetch;
        }));
    return c;
}

std::string RemoteAddress(const std::string& location, const std::vector<std::string>& parts) {
    std::string address = location;
    std::replace(address.begin(), address.end(), '\\', '/');
    while (!address.empty() && address.back() == '/')
        address.pop_back();
    for (const auto& part : parts)
        for (const auto& segment : Segments(part))
            address += '/' + Encode(segment);
    return address;
}

UpdatePlan PlanUpdate(const std::vector<VersionRow>& rows, const std::string& location,
                      const UpdatePaths& paths) {
    UpdatePlan plan;
    for (const auto& row : rows) {
        if (row.status != VersionStatus::Fetch) continue;
        const VersionRecord& r = row.record;
        plan.downloads.push_back({RemoteAddress(location, {r.folder, r.file}),
                                  paths.updates / RelativePath(r.folder) / r.file, r.folder,
                                  r.file});
    }
    for (const auto& row : rows) {
        const VersionRecord& r = row.record;
        if (row.status == VersionStatus::Fetch) {
            UpdateStep step;
            step.source = paths.updates / RelativePath(r.folder) / r.file;
            step.folder = TargetFolder(r, paths);
            if (IsProgramFile(r)) {
                step.folder = paths.updates;
                step.program = plan.programWaiting = true;
            }
            step.target = step.folder / r.file;
            if (r.target != kAppPath && RelativePath(r.target) == fs::path("ReleaseNotes"))
                plan.releaseNotes = step.target;
            plan.steps.push_back(step);
        } else if (row.status == VersionStatus::Obsolete && !IsProgramFile(r)) {
            UpdateStep step;
            step.kind = UpdateStep::Kind::Delete;
            step.folder = TargetFolder(r, paths);
            step.target = step.folder / r.file;
            plan.steps.push_back(step);
        }
    }
    return plan;
}

} // namespace tw
