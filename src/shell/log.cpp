// SPDX-License-Identifier: MIT
#include "shell/log.h"

#include "shell/ansi.h"
#include "shell/text_file.h"

namespace tw {

void DiagnosticLog::LogWrite(const std::string& text) {
    ring_[static_cast<std::size_t>(position_)] = text;
    if (++position_ == kRingSize) {
        position_ = 0;
        wrapped_ = true;
    }
    if (enabled_ && !folder_.empty()) {
        MakeFolder();
        AppendAnsiLine(LogFilePath(), text);
    }
}

void DiagnosticLog::MakeFolder() {
    if (folderMade_) return;
    std::error_code ec;
    std::filesystem::create_directories(folder_, ec);
    folderMade_ = !ec;
}

std::vector<std::string> DiagnosticLog::DumpLines() const {
    std::vector<std::string> lines;
    auto add = [&](const std::string& entry) {
        lines.push_back(!entry.empty() && entry[0] == '>' ? entry : "     " + entry);
    };
    if (wrapped_)
        for (int i = position_; i < kRingSize; ++i)
            add(ring_[static_cast<std::size_t>(i)]);
    for (int i = 0; i < position_; ++i)
        add(ring_[static_cast<std::size_t>(i)]);
    return lines;
}

std::filesystem::path DiagnosticLog::WriteDump() {
    MakeFolder();
    std::string bytes;
    for (const auto& line : DumpLines())
        bytes += Utf8ToAnsi(line) + "\r\n";
    return WriteFileAtomically(DumpPath(), bytes) ? DumpPath() : std::filesystem::path();
}

} // namespace tw
