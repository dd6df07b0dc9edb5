// SPDX-License-Identifier: MIT
#include "script.h"

#include "arguments.h"

namespace tarnwell {

std::vector<std::string> SplitScriptLine(const std::string& line) {
    std::vector<std::string> words;
    std::size_t i = 0;
    const std::size_t n = line.size();
    while (i < n) {
        const char c = line[i];
        if (c == ' ' || c == '\t' || c == '\r') {
            ++i;
            continue;
        }
        if (c == '#') break;
        std::string word;
        bool quoted = false;
        // A word runs to the next blank outside quotes; quoted parts may sit inside a word.
        while (i < n) {
            const char d = line[i];
            if (quoted) {
                if (d == '\\' && i + 1 < n && (line[i + 1] == '"' || line[i + 1] == '\\')) {
                    word += line[i + 1];
                    i += 2;
                    continue;
                }
                if (d == '"') {
                    quoted = false;
                    ++i;
                    continue;
                }
                word += d;
                ++i;
                continue;
            }
            if (d == ' ' || d == '\t' || d == '\r') break;
            if (d == '"') {
                quoted = true;
                ++i;
                continue;
            }
            word += d;
            ++i;
        }
        if (quoted) throw UsageError("a quote is not closed");
        words.push_back(word);
    }
    return words;
}

std::vector<ScriptLine> ReadScript(const std::string& text, const std::string& name) {
    std::vector<ScriptLine> lines;
    std::size_t start = 0;
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) start = 3;
    int number = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        ++number;
        const std::string line = text.substr(start, end - start);
        start = end + 1;
        try {
            std::vector<std::string> words = SplitScriptLine(line);
            if (!words.empty()) lines.push_back({number, std::move(words)});
        } catch (const UsageError& e) {
            throw UsageError(name + ":" + std::to_string(number) + ": " + e.what());
        }
    }
    return lines;
}

} // namespace tarnwell
