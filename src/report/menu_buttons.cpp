// SPDX-License-Identifier: MIT
// The menu column: each button opens a page or runs a command on the job.
#include "frm/frm_main.h"

namespace tw {

void FrmMain::HideButtonShadows() {
    for (auto& [i, shadow] : SHADOW)
        if (i <= 14) shadow.Visible = false;
}

void FrmMain::HideAllPages() {
    for (auto& [p, page] : FRAME)
        page.Visible = false;
    BannerActive = false;
}

void FrmMain::BUTT_Click(int index) {
    LogWrite(">BUTT_Click(" + std::to_string(index) + ")");
    for (int g : {200, 300}) {
        TabForward[g].Visible = false;
        TabBack[g].Visible = false;
    }
    // An open list or in-cell editor closes before the action.
    if (HasFocus()) {
        ControlRef active = ActiveControl();
        if (active.array == ArrayId::OPTIONLIST) {
            OPTIONLIST[active.index].Visible = false;
            if (TEXTBOX.Exists(active.index)) TEXTBOX[active.index].Visible = true;
        } else if (active.array == ArrayId::MSFlexText) {
            MSFlexText[active.index].Visible = false;
        }
    }

    if (index == 0 || (index >= 2 && index <= 8)) {
        ShowPage(index);
    } else if (index == 9) {
        if (!JobModified ||
            MessageBox(MessageTable[13][0], MessageTable[13][1], mb::YesNo) == mb::Yes)
            throw ProgramEnd{0};
    }
    if (EFRAME.Visible) BringToFront(EFRAME.ref);
}

void FrmMain::ShowPage(int button) {
    for (auto& [i, b] : BUTT)
        b.ForeColor = ButtonTextColour;
    HideButtonShadows();
    SHADOW[button].Visible = true;
    BUTT[button].ForeColor = ShadowSelectColour;
    for (auto& [p, page] : FRAME)
        page.Visible = p == button + 1;
    SelectFocus(button + 1);
}

} // namespace tw
