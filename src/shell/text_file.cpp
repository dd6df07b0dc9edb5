// SPDX-License-Identifier: MIT
#include "shell/text_file.h"

#include "shell/ansi.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace tw {

std::vector<std::string> SplitAnsiLines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::string current;
    bool pending = false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char c = bytes[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
            lines.push_back(AnsiToUtf8(current));
            current.clear();
            pending = false;
        } else {
            current += c;
            pending = true;
        }
    }
    if (pending) lines.push_back(AnsiToUtf8(current));
    return lines;
}

std::optional<std::string> ReadFileBytes(const fs::path& path) {
    std::ifstream in(ResolveCase(path), std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::optional<LineReader> OpenTextFile(const fs::path& path) {
    auto bytes = ReadFileBytes(path);
    if (!bytes) return std::nullopt;
    return LineReader(SplitAnsiLines(*bytes));
}

bool WriteFileAtomically(const fs::path& path, const std::string& bytes) {
    fs::path temp = path;
    temp += ".tmp" + std::to_string(::getpid());
    std::error_code ec;
    {
        std::ofstream out(temp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            fs::remove(temp, ec);
            return false;
        }
    }
    fs::rename(temp, path, ec);
    if (ec) {
        fs::remove(temp, ec);
        return false;
    }
    return true;
}

bool AppendAnsiLine(const fs::path& path, const std::string& line) {
    std::ofstream out(path, std::ios::binary | std::ios::app);
    out << Utf8ToAnsi(line) << "\r\n";
    return static_cast<bool>(out);
}

fs::path ResolveCase(const fs::path& path) {
    std::error_code ec;
    if (fs::exists(path, ec)) return path;
    fs::path folder = path.has_parent_path() ? path.parent_path() : fs::path(".");
    std::string wanted = LowerCase(path.filename().string());
    for (const auto& entry : fs::directory_iterator(folder, ec))
        if (LowerCase(entry.path().filename().string()) == wanted) return entry.path();
    return path;
}

bool RegularFileExists(const fs::path& path) {
    std::error_code ec;
    return !path.empty() && fs::is_regular_file(ResolveCase(path), ec);
}

std::vector<std::string> FindFiles(const fs::path& folder, const std::string& pattern) {
    std::string ext = LowerCase(pattern.substr(pattern.find('*') + 1));
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        if (!entry.is_regular_file(ec)) continue;
        std::string name = entry.path().filename().string();
        std::string lower = LowerCase(name);
        if (lower.size() >= ext.size() &&
            lower.compare(lower.size() - ext.size(), ext.size(), ext) == 0)
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace tw
