// SPDX-License-Identifier: MIT
// Putting verified, staged files into the installation all or nothing: every file that is
// replaced or deleted is first moved aside, and a failure midway moves everything back, so
// the installation is either wholly the old one or wholly the new one.
#pragma once

#include "update/version_list.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tw {

struct InstallFailure {
    bool failed = false;
    bool deleting = false; // a file could not be moved aside (deleted); else not put in place
    int number = 0;
    std::string description;
};

// Carries out the moves and deletions of a plan in order, keeping what they replace in
// `aside` (a fresh folder) until all have succeeded; on a failure undoes every step done.
// `program` is the running program, whose permissions a new main program takes.
InstallFailure InstallAllOrNothing(const std::vector<UpdateStep>& steps,
                                   const std::filesystem::path& aside,
                                   const std::filesystem::path& program);

// Whether a record's target folder may receive files: the installation folder itself, or one
// of its sub-folders that exists already (the release-notes folder may be made), lying inside
// the installation (no link leads out) and not in its update folder.
bool TargetAllowed(const VersionRecord& r, const UpdatePaths& paths, std::string& why);

} // namespace tw
