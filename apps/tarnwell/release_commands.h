// SPDX-License-Identifier: MIT
// The release commands of tarnwell: making a release for the update server, and updating an
// installation from one without a window.
#pragma once

#include <string>
#include <vector>

namespace tarnwell {

// tarnwell publish RELEASE_DIR OUT_DIR
int RunPublish(const std::vector<std::string>& args);
// tarnwell update [--install DIR] [--url URL] [--ca-file FILE] [--yes]; `exeFolder` is the
// installation when --install is not given. 0: updated or nothing to do; 1: failure.
int RunUpdate(const std::vector<std::string>& args, const std::string& exeFolder);

} // namespace tarnwell
