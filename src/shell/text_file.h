// SPDX-License-Identifier: MIT
// Sequential text files as the program's readers use them: read whole, in the ANSI code page,
// handed out line by line (CR LF or a lone LF ends a line).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tw {

class LineReader {
public:
    LineReader() = default;
    explicit LineReader(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    bool Eof() const { return pos_ >= lines_.size(); }
    // The next line, or "" past the end.
    std::string ReadLine() { return Eof() ? std::string() : lines_[pos_++]; }

private:
    std::vector<std::string> lines_;
    std::size_t pos_ = 0;
};

// Splits file bytes into lines (CR LF, LF or a lone CR end a line; no empty line after a
// final line break) and converts them from the ANSI code page.
std::vector<std::string> SplitAnsiLines(const std::string& bytes);

std::optional<std::string> ReadFileBytes(const std::filesystem::path& path);
std::optional<LineReader> OpenTextFile(const std::filesystem::path& path);

// Writes the whole file through its temporary file (TemporaryFileOf), flushed to disk and
// renamed over the target only after everything was written: a failure leaves an existing
// file untouched. Each target has one temporary name, so a save that was killed leaves a file
// the next save of the same target takes over; two programs saving one target take turns.
// On failure errno tells why.
bool WriteFileAtomically(const std::filesystem::path& path, const std::string& bytes);
// "<path>.tmp", the one temporary name of a target.
std::filesystem::path TemporaryFileOf(const std::filesystem::path& path);
// Appends one line (UTF-8 text written in the ANSI code page, ended by CR LF).
bool AppendAnsiLine(const std::filesystem::path& path, const std::string& line);

// The file as it is on disk when its name differs only in case (the program's files name
// "TableC.data" and "TableC.Data" alike); the path itself when nothing matches.
std::filesystem::path ResolveCase(const std::filesystem::path& path);
// True when the path names an existing regular file, ignoring the case of its name.
bool RegularFileExists(const std::filesystem::path& path);

// File names in a folder matching a pattern of the form "*.ext" (case-insensitive), sorted.
std::vector<std::string> FindFiles(const std::filesystem::path& folder, const std::string& pattern);

} // namespace tw
