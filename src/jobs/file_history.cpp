// SPDX-License-Identifier: MIT
// The recent job files: kept in the settings as 0File (the current job), 1File, ... up to
// 25 entries, listed newest first on the job page; a double click or Enter opens one.
#include "frm/frm_main.h"

namespace tw {

namespace {

constexpr int kLastKey = 25;

std::string HistoryKey(int i) {
    return std::to_string(i) + "File";
}

} // namespace

void FrmMain::LoadFileHistory() {
    FileHistory.assign(1, std::string());
    FileHistoryList.Clear();
    std::size_t k = 0;
    for (int i = 0; i <= kLastKey; ++i) {
        FileHistory[k] =
            platform.GetSetting(RegistryAppName, FileHistorySection, HistoryKey(i), "");
        // The list ends at the first empty key; a file that is gone is passed over.
        if (FileHistory[k].empty()) break;
        if (FileExists(FileHistory[k], false)) {
            FileHistoryList.AddItem(FileHistory[k]);
            FileHistory.emplace_back();
            ++k;
        }
    }
}

void FrmMain::SaveFileHistory() {
    for (std::string& slot : FileHistory)
        if (slot == CurrentJobFile || !FileExists(slot, false)) slot.clear();
    platform.SaveSetting(RegistryAppName, FileHistorySection, HistoryKey(0), CurrentJobFile);
    int m = 1;
    for (const std::string& slot : FileHistory) {
        if (m >= kLastKey) break;
        if (slot.empty()) continue;
        platform.SaveSetting(RegistryAppName, FileHistorySection, HistoryKey(m), slot);
        ++m;
    }
    for (; m <= kLastKey; ++m)
        platform.SaveSetting(RegistryAppName, FileHistorySection, HistoryKey(m), "");
    LoadFileHistory();
}

void FrmMain::FileHistoryList_DblClick() {
    // Nothing chosen (a click beside the entries) opens nothing.
    const int chosen = FileHistoryList.ListIndex();
    if (chosen < 0) return;
    const std::string path = FileHistoryList.List(chosen);
    platform.SetMousePointer(MousePointer::Hourglass);
    if (!JobFileLoad(path, false) && !JobFileLoad(DefaultJobFile, true)) throw ProgramEnd{1};
    platform.SetMousePointer(MousePointer::Default);
}

void FrmMain::FileHistoryList_KeyPress(int& keyAscii) {
    if (keyAscii == 13) FileHistoryList_DblClick();
}

} // namespace tw
