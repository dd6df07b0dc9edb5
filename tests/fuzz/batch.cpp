// SPDX-License-Identifier: MIT
// The command lines: the batch program's arguments (NUL-separated in the input; a --script
// argument reads the input's last part as its file) and scripts, and the window program's
// raw command line.
#include "arguments.h"
#include "script.h"
#include "shell/parse.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> args;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i)
        if (i == text.size() || text[i] == '\0') {
            args.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    const std::string script = args.back();
    try {
        tarnwell::ParseArguments(args, [&](const std::string&) { return script; });
    } catch (const tarnwell::UsageError&) {
        // A usage error is the reader's answer to a bad command line.
    }
    try {
        tarnwell::ReadScript(text, "fuzz.tws");
    } catch (const tarnwell::UsageError&) {
    }
    tw::ParseCommandLine(text);
    tw::SplitInputLine(text);
    return 0;
}
