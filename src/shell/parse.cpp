// SPDX-License-Identifier: MIT
#include "shell/parse.h"

#include "shell/ansi.h"

namespace tw {

std::vector<std::string> SplitInputLine(const std::string& line) {
    std::vector<std::string> fields(2);
    std::string rest = line;
    std::size_t p;
    while ((p = rest.find('\t')) != std::string::npos) {
        fields.emplace_back();
        fields[fields.size() - 2] = rest.substr(0, p);
        rest = Mid(rest.substr(p + 1), 1, 255);
    }
    fields.emplace_back();
    fields[fields.size() - 2] = rest;
    return fields;
}

std::vector<std::string> ParseInput(LineReader& file) {
    return SplitInputLine(file.ReadLine());
}

std::vector<std::string> ParseCommandLine(const std::string& raw, int maximum) {
    std::vector<std::string> args(1);
    int count = 0;
    bool inQuotes = false, inArg = false;
    auto startArg = [&]() {
        if (count == maximum) return false;
        ++count;
        args.emplace_back();
        inArg = true;
        return true;
    };
    for (std::size_t i = 0; i < raw.size(); ++i) {
        char c = raw[i];
        if (inQuotes) {
            if (c == '"') {
                inQuotes = false;
                continue;
            }
            if (!inArg && !startArg()) break;
            args[count] += c;
            continue;
        }
        if (c == '"') {
            inQuotes = true;
        } else if (c == '\t') {
            inArg = false;
        } else if (c == ' ' && i + 1 < raw.size() && raw[i + 1] == '/') {
            inArg = false;
        } else if (c == ' ' && !inArg) {
            // A blank between arguments starts nothing; inside one it is kept.
            if (!startArg()) break;
            args[count] += c;
        } else {
            if (!inArg && !startArg()) break;
            args[count] += c;
        }
    }
    return args;
}

} // namespace tw
