// SPDX-License-Identifier: MIT
// Splitting the command line and the tab-separated lines of the program's text files.
#pragma once

#include "shell/text_file.h"

#include <string>
#include <vector>

namespace tw {

// Fields of one line, laid out as the readers index them: element 0 empty, elements 1..n the
// n tab-separated fields, one empty element after the last (so size() == n + 2). Everything
// after the first tab is limited to 255 characters.
std::vector<std::string> SplitInputLine(const std::string& line);
// Reads the next line of the file and splits it.
std::vector<std::string> ParseInput(LineReader& file);
// The classic upper bound of such an array: n + 1 for n fields.
inline int UpperBound(const std::vector<std::string>& fields) {
    return static_cast<int>(fields.size()) - 1;
}

// Arguments 1..count of a raw command line (element 0 unused). Quotes group and are dropped;
// a tab ends an argument; a blank ends one only before a "/", so an unquoted path with blanks
// stays whole.
std::vector<std::string> ParseCommandLine(const std::string& raw, int maximum = 10);

} // namespace tw
