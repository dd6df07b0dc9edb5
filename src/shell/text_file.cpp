// SPDX-License-Identifier: MIT
#include "shell/text_file.h"

#include "base/posix_write.h"
#include "shell/ansi.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <sys/file.h>
#include <sys/stat.h>
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

namespace {

// Opens the temporary file of a save and locks it against a second program saving the same
// file. A lock won on a name that meanwhile became the target (the other save renamed it)
// is given up and the name opened afresh.
int OpenLockedTemp(const fs::path& temp) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0) return -1;
        int locked;
        while ((locked = ::flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
        }
        struct stat held {};
        struct stat named {};
        if (locked == 0 && ::fstat(fd, &held) == 0 && ::stat(temp.c_str(), &named) == 0 &&
            held.st_ino == named.st_ino && held.st_dev == named.st_dev)
            return fd;
        const int error = errno;
        ::close(fd);
        if (locked != 0) {
            errno = error;
            return -1;
        }
    }
    errno = EAGAIN;
    return -1;
}

} // namespace

fs::path TemporaryFileOf(const fs::path& path) {
    fs::path temp = path;
    temp += ".tmp";
    return temp;
}

bool WriteFileAtomically(const fs::path& path, const std::string& bytes) {
    const fs::path temp = TemporaryFileOf(path);
    const int fd = OpenLockedTemp(temp);
    if (fd < 0) return false;
    // The file is flushed to disk before it takes the target's name, and the folder after,
    // so a crash leaves the old file or the new one, whole.
    bool ok = ::ftruncate(fd, 0) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0 &&
              ::rename(temp.c_str(), path.c_str()) == 0;
    const int error = errno;
    if (!ok) ::unlink(temp.c_str());
    ::close(fd);
    if (ok) SyncFolder(path.parent_path());
    errno = error;
    return ok;
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
