// SPDX-License-Identifier: MIT
// File access for the data readers, the message boxes, and the numbers of this machine.
#include "frm/frm_main.h"
#include "shell/numbers.h"
#include "shell/text_file.h"

#include <iostream>

namespace tw {

bool FrmMain::FileExists(const std::string& path, bool fatal) {
    if (RegularFileExists(path)) return true;
    if (!fatal) return false;
    DataFileError(path);
}

void FrmMain::DataFileError(const std::string& path) {
    const std::string text = "Cannot open resource file\n'" + path + "'\nPlease Reinstall !";
    // A terminal user sees the reason too, since the window never opens.
    std::cerr << "FILE ERROR ! " << text << '\n';
    LogWrite("FILE ERROR ! " + path);
    platform.MessageBox("FILE ERROR !", text, mb::Critical);
    throw ProgramEnd{2};
}

LineReader FrmMain::OpenDataFile(const std::string& path) {
    FileExists(path, true);
    auto file = OpenTextFile(path);
    if (!file) {
        // There, but unreadable: the same end as a missing file.
        DataFileError(path);
    }
    return std::move(*file);
}

std::string FrmMain::OpenDataFileBytes(const std::string& path) {
    FileExists(path, true);
    auto bytes = ReadFileBytes(path);
    if (!bytes) DataFileError(path);
    return *bytes;
}

int FrmMain::MessageBox(const std::string& title, const std::string& prompt, int buttons) {
    LogWrite(">MessageBox(" + title + ", " + prompt + ", " + std::to_string(buttons) + ")");
    return platform.MessageBox(title, prompt, buttons);
}

void FrmMain::MessageError(int n) {
    LogWrite(">MessageError(" + std::to_string(n) + ")");
    if (n < 0 || n >= static_cast<int>(MessageTable.size())) return;
    platform.MessageBox(MessageTable[static_cast<std::size_t>(n)][0],
                        MessageTable[static_cast<std::size_t>(n)][1], mb::Critical);
}

const std::string& FrmMain::StringText(int n) const {
    static const std::string none;
    return n >= 0 && n < static_cast<int>(StringTable.size())
               ? StringTable[static_cast<std::size_t>(n)]
               : none;
}

float FrmMain::ToSingle(const std::string& text) const {
    return tw::ToSingle(text, decimal_);
}

std::string FrmMain::NormalizeDecimal(const std::string& text) const {
    return tw::NormalizeDecimal(text, decimal_);
}

bool FrmMain::IsNumeric(const std::string& text) const {
    return tw::IsNumeric(text, decimal_);
}

std::string FrmMain::NumberText(double value, int digits) const {
    return FormatNumber(value, decimal_, digits);
}

} // namespace tw
