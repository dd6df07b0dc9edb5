// SPDX-License-Identifier: MIT
// The two steps every safe save shares: writing a whole buffer to a file descriptor, and
// flushing a folder so a rename in it survives a crash.
#pragma once

#include <cerrno>
#include <cstddef>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace tw {

// Writes every byte, going on after an interrupted write; false on any other failure.
inline bool WriteAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Flushes the folder's entries (a rename made in it) to disk; an empty path is the current folder.
inline void SyncFolder(const std::filesystem::path& folder) {
    const std::filesystem::path name = folder.empty() ? std::filesystem::path(".") : folder;
    const int dir = ::open(name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return;
    ::fsync(dir);
    ::close(dir);
}

} // namespace tw
