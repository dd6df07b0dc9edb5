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
    if (enabled_ && !folder_.empty()) AppendAnsiLine(LogFilePath(), text);
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

std::filesystem::path DiagnosticLog::WriteDump() const {
    std::string bytes;
    for (const auto& line : DumpLines())
        bytes += Utf8ToAnsi(line) + "\r\n";
    return WriteFileAtomically(DumpPath(), bytes) ? DumpPath() : std::filesystem::path();
}

} // namespace tw
