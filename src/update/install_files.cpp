// SPDX-License-Identifier: MIT
#include "update/install_files.h"

#include <system_error>

namespace fs = std::filesystem;

namespace tw {

namespace {

// Renames source over target in one step, so the target is at no moment half written. The
// new file takes the permission bits of `like` where it exists (the file it replaces, or
// the running program for a new main program); across file systems it is copied beside
// the target first.
void MoveIntoPlace(const fs::path& source, const fs::path& target, const fs::path& like,
                   bool executable) {
    std::error_code ec;
    if (!like.empty() && fs::is_regular_file(like, ec))
        fs::permissions(source, fs::status(like).permissions());
    else if (executable)
        fs::permissions(source, fs::perms::owner_all | fs::perms::group_read |
                                    fs::perms::group_exec | fs::perms::others_read |
                                    fs::perms::others_exec);
    fs::rename(source, target, ec);
    if (ec == std::errc::cross_device_link) {
        fs::path part = target;
        part += ".part";
        fs::copy_file(source, part, fs::copy_options::overwrite_existing);
        fs::permissions(part, fs::status(source).permissions());
        fs::rename(part, target);
        fs::remove(source);
    } else if (ec) {
        throw fs::filesystem_error("rename", source, target, ec);
    }
}

// What one step did, to be undone.
struct Done {
    fs::path target;
    fs::path keptAt; // where the replaced or deleted file waits; empty when there was none
    bool placed = false;
};

void Undo(std::vector<Done>& done) {
    for (auto it = done.rbegin(); it != done.rend(); ++it) {
        std::error_code ec;
        if (it->placed) fs::remove(it->target, ec);
        if (!it->keptAt.empty()) fs::rename(it->keptAt, it->target, ec);
    }
}

bool Inside(const fs::path& inner, const fs::path& outer) {
    auto i = inner.begin();
    for (auto o = outer.begin(); o != outer.end(); ++o, ++i) {
        if (o->empty()) continue; // a trailing separator
        if (i == inner.end() || *i != *o) return false;
    }
    return true;
}

} // namespace

InstallFailure InstallAllOrNothing(const std::vector<UpdateStep>& steps, const fs::path& aside,
                                   const fs::path& program) {
    std::vector<Done> done;
    InstallFailure failure;
    std::error_code ec;
    fs::remove_all(aside, ec);
    try {
        fs::create_directories(aside);
        int n = 0;
        for (const UpdateStep& step : steps) {
            Done d{step.target, {}, false};
            failure.deleting = true;
            if (fs::is_directory(step.target))
                throw fs::filesystem_error("delete", step.target,
                                           std::make_error_code(std::errc::is_a_directory));
            const bool present = fs::exists(fs::symlink_status(step.target));
            if (step.kind == UpdateStep::Kind::Delete && !present) continue;
            if (present) {
                d.keptAt = aside / std::to_string(n++);
                fs::rename(step.target, d.keptAt);
            }
            done.push_back(d);
            if (step.kind == UpdateStep::Kind::Delete) continue;
            failure.deleting = false;
            fs::create_directories(step.folder);
            MoveIntoPlace(step.source, step.target,
                          present ? d.keptAt : (step.program ? program : fs::path()), step.program);
            done.back().placed = true;
        }
    } catch (const fs::filesystem_error& e) {
        Undo(done);
        fs::remove_all(aside, ec);
        failure.failed = true;
        failure.number = e.code().value();
        failure.description = e.what();
        return failure;
    }
    fs::remove_all(aside, ec);
    return failure;
}

bool TargetAllowed(const VersionRecord& r, const UpdatePaths& paths, std::string& why) {
    if (r.target == "APPPATH") return true;
    std::error_code ec;
    const fs::path install = fs::weakly_canonical(paths.install, ec);
    const fs::path updates = fs::weakly_canonical(paths.updates, ec);
    const fs::path folder = TargetFolder(r, paths);
    const bool notes = folder == paths.install / "ReleaseNotes";
    if (!notes && !fs::is_directory(folder, ec)) {
        why = "the target folder does not exist in the installation";
        return false;
    }
    const fs::path real = fs::weakly_canonical(folder, ec);
    if (ec || !Inside(real, install) || Inside(real, updates)) {
        why = "the target folder lies outside the installation or in its update folder";
        return false;
    }
    return true;
}

} // namespace tw
