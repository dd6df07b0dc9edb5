// SPDX-License-Identifier: MIT
// Moving through the pages: the focus on a page's first field, and the banner's permission.
#include "frm/frm_main.h"

namespace tw {

void FrmMain::SelectFocus(int page) {
    LogWrite(">SelectFocus(" + std::to_string(page) + ")");
    platform.DoEvents();
    static const std::pair<int, int> firstField[] = {{1, 0},   {3, 212}, {4, 312},
                                                     {5, 400}, {6, 506}, {7, 600}};
    int target = -1;
    for (const auto& [p, field] : firstField)
        if (p == page) target = field;
    if (target >= 0) {
        BannerActive = true;
        SetFocus({ArrayId::TEXTBOX, target});
    } else {
        BannerActive = false;
        EFRAME.Visible = false;
    }
    if (EFRAME.Visible) BringToFront(EFRAME.ref);
}

} // namespace tw
