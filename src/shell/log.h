// SPDX-License-Identifier: MIT
// The diagnostic log: the last 1000 lines always kept in memory, appended to "!!LogFile.txt"
// while file logging is on, dumped oldest first to "Log.txt" for support. Both files lie in
// the log's folder, made when the first of them is written.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace tw {

class DiagnosticLog {
public:
    static constexpr int kRingSize = 1000;

    void SetFolder(std::filesystem::path folder) {
        folder_ = std::move(folder);
        folderMade_ = false;
    }
    const std::filesystem::path& Folder() const { return folder_; }

    void LogWrite(const std::string& text);

    bool LogEnabled() const { return enabled_; }
    void SetLogEnabled(bool on) { enabled_ = on; }

    // The ring oldest first, procedure-entry lines (">...") at the margin and every other
    // line indented by five blanks.
    std::vector<std::string> DumpLines() const;
    // Writes "Log.txt" in the folder and returns its path (empty when it could not be written).
    std::filesystem::path WriteDump();

    std::filesystem::path LogFilePath() const { return folder_ / "!!LogFile.txt"; }
    std::filesystem::path DumpPath() const { return folder_ / "Log.txt"; }

private:
    void MakeFolder();

    std::array<std::string, kRingSize> ring_;
    int position_ = 0;
    bool wrapped_ = false;
    bool enabled_ = false;
    std::filesystem::path folder_;
    bool folderMade_ = false;
};

} // namespace tw
