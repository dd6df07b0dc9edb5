// SPDX-License-Identifier: MIT
// Runs a program as a separate process and collects what it printed and its exit status.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace tw::test {

struct ProcessResult {
    int status = -1; // the exit status; -1 when the program did not exit normally
    std::string out;
    std::string err;
};

// Runs `program` with `args`. `environment` adds to (or replaces in) this process's
// environment; `folder` is the working folder when given.
ProcessResult RunProcess(const std::string& program, const std::vector<std::string>& args,
                         const std::map<std::string, std::string>& environment,
                         const std::string& folder = std::string());

} // namespace tw::test
