// SPDX-License-Identifier: MIT
// The log's keys: Ctrl+A switches file logging off, Ctrl+D on, Ctrl+L shows the ring.
#include "frm/frm_main.h"

namespace tw {

void FrmMain::Form_KeyDown(int keyCode, int shift) {
    constexpr int kCtrl = 2;
    if (shift != kCtrl) return;
    if (keyCode == 65)
        Log.SetLogEnabled(false);
    else if (keyCode == 68)
        Log.SetLogEnabled(true);
    else if (keyCode == 76)
        ShowLog();
}

void FrmMain::ShowLog() {
    auto dump = Log.WriteDump();
    if (dump.empty()) return;
    // The desktop's text viewer shows the dump; the program does not wait for it.
    platform.OpenDocument(dump.string());
}

} // namespace tw
