// SPDX-License-Identifier: MIT
#include "update/version_list.h"

#include "base/text.h"
#include "shell/ansi.h"
#include "shell/parse.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <unordered_map>
#include <unordered_set>

namespace fs = std::filesystem;

namespace tw {

namespace {

constexpr const char* kAppPath = "APPPATH";

bool IsSeparator(char c) {
    return c == '/' || c == '\\';
}

// A plain file or folder name of sensible length: letters, digits and "._-+()", blanks only
// inside, not starting with a dot (no ".", "..", hidden files) and no separator, "~" or
// control character.
bool PlainName(const std::string& name) {
    if (name.empty() || name.size() > kMaxNameLength || name.front() == '.' ||
        name.front() == ' ' || name.back() == ' ')
        return false;
    return std::all_of(name.begin(), name.end(), [](char ch) {
        const auto c = static_cast<unsigned char>(ch);
        return std::isalnum(c) || std::strchr("._-+() ", ch) != nullptr;
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

// A folder below another one: relative, one to four plain names.
bool SafeFolder(const std::string& path) {
    if (path.empty() || IsSeparator(path.front()) || path.size() > 4 * (kMaxNameLength + 1))
        return false;
    auto parts = Segments(path);
    return !parts.empty() && parts.size() <= 4 &&
           std::all_of(parts.begin(), parts.end(), PlainName);
}

// A printable stamp of sensible length.
bool SaneStamp(const std::string& stamp) {
    return !stamp.empty() && stamp.size() <= 64 &&
           std::all_of(stamp.begin(), stamp.end(),
                       [](char c) { return static_cast<unsigned char>(c) > 0x20 && c != 0x7f; });
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
    return CheckVersionLine(line).record;
}

LineCheck CheckVersionLine(const std::string& line) {
    const auto fields = SplitInputLine(line);
    if (UpperBound(fields) != 5) return {};
    VersionRecord r{fields[1], fields[2], fields[3], fields[4]};
    if (!r.file.empty() && r.file.front() == '#') return {};
    if (!PlainName(r.file)) return {std::nullopt, "not a plain file name"};
    if (!SafeFolder(r.folder)) return {std::nullopt, "not a plain folder name"};
    if (r.target != kAppPath && !SafeFolder(r.target))
        return {std::nullopt, "the target is not a folder of the installation"};
    if (r.target != kAppPath && AsciiUpper(Segments(r.target).front()) == AsciiUpper(kUpdatesFolder))
        return {std::nullopt, "the target is the update folder"};
    if (!SaneStamp(r.stamp)) return {std::nullopt, "not a version stamp"};
    return {r, ""};
}

std::vector<VersionRecord> ReadVersionList(const std::vector<std::string>& lines,
                                           std::vector<std::string>* skipped) {
    std::vector<VersionRecord> records;
    std::unordered_set<std::string> targets;
    std::unordered_set<std::string> sources;
    for (const auto& line : lines) {
        const LineCheck check = CheckVersionLine(line);
        std::string why = check.problem;
        if (check.record) {
            const VersionRecord& r = *check.record;
            if (!targets.insert(r.file + '\t' + r.target).second)
                why = "the file and target are listed before";
            else if (!sources.insert(ServerName(r)).second)
                why = "the folder and file are listed before";
            else
                records.push_back(r);
        }
        if (!why.empty() && skipped) skipped->push_back(Left(line, 120) + " : " + why);
    }
    return records;
}

std::string ServerName(const VersionRecord& r) {
    std::string name;
    for (const auto& part : Segments(r.folder))
        name += part + '/';
    return name + r.file;
}

VersionComparison CompareVersionLists(const std::vector<VersionRecord>& installed,
                                      const std::vector<VersionRecord>& newest) {
    VersionComparison c;
    std::unordered_map<std::string, std::size_t> byName;
    for (const auto& r : installed) {
        byName.emplace(r.file + '\t' + r.target, c.rows.size());
        c.rows.push_back({VersionStatus::Obsolete, r});
    }
    std::vector<bool> matched(c.rows.size(), false);
    for (const auto& r : newest) {
        auto found = byName.find(r.file + '\t' + r.target);
        if (found == byName.end()) {
            byName.emplace(r.file + '\t' + r.target, c.rows.size());
            c.rows.push_back({VersionStatus::Fetch, r});
            matched.push_back(true);
            c.log.push_back(r.file + "  file added");
            continue;
        }
        const std::size_t i = found->second;
        if (matched[i]) continue; // a second record of the same file
        matched[i] = true;
        auto it = c.rows.begin() + static_cast<std::ptrdiff_t>(i);
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

fs::path TargetFolder(const VersionRecord& r, const UpdatePaths& paths) {
    return r.target == kAppPath ? paths.install : paths.install / RelativePath(r.target);
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
