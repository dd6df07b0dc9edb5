// SPDX-License-Identifier: MIT
// Script files: one step a line in the words of the command line without the leading dashes,
// "type 103 35". Words are separated by blanks or tabs; a word in double quotes may hold
// blanks (\" and \\ stand for a quote and a backslash inside); "#" at the start of a word
// makes the rest of the line a comment.
#pragma once

#include <string>
#include <vector>

namespace tarnwell {

struct ScriptLine {
    int number = 0; // from 1
    std::vector<std::string> words;
};

// The words of one line. Throws UsageError for an unclosed quote.
std::vector<std::string> SplitScriptLine(const std::string& line);

// The lines of a script that hold words (empty and comment lines are left out). Lines end
// with LF or CR LF; a UTF-8 byte-order mark at the start is skipped. Throws UsageError, which
// names `name` and the line.
std::vector<ScriptLine> ReadScript(const std::string& text, const std::string& name);

} // namespace tarnwell
