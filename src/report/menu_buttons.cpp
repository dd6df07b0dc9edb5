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
        } else if (active.array == ArrayId::TEXTBOX) {
            TEXTBOX_LostFocus(active.index);
        } else if (active.array == ArrayId::MSFlexText) {
            MSFlexText[active.index].Visible = false;
        }
    }

    if (index == 0 || (index >= 2 && index <= 8)) {
        ShowPage(index);
    } else if (index == 12) {
        StartHyperlink(HelpFilePath);
    } else if (index == 17) {
        RADIO[204].SetValue(true);
    } else if (index == 18) {
        ClearProducts();
    } else if (index == 21) {
        DeleteProduct();
    } else if (index == 1) {
        ShowJobPage();
    } else if (index == 10) {
        OpenJob();
    } else if (index == 11) {
        SaveJob();
    } else if (index == 13) {
        PrintReport();
    } else if (index == 14) {
        MailJob();
    } else if (index == 19) {
        NewJob();
    } else if (index == 20) {
        HideAllPages();
        Update_Check();
    } else if (index == 9) {
        if (!JobModified ||
            MessageBox(MessageTable[13][0], MessageTable[13][1], mb::YesNo) == mb::Yes)
            throw ProgramEnd{0};
    }
    if (EFRAME.Visible) BringToFront(EFRAME.ref);
}

void FrmMain::ClearProducts() {
    Grid& grid = MSFlexGrid[300];
    TabForward[300].Visible = false;
    TabBack[300].Visible = false;
    grid.SetCols(3);
    for (int r = 0; r < grid.Rows(); ++r)
        SetCellValue(300, r, 2, "");
    CalculateProductLoad();
    MSFlexText[300].Visible = false;
    OPTIONLIST[301].Visible = false;
    OPTIONLIST[302].Visible = false;
    grid.Row = 13;
    grid.Col = 2;
}

void FrmMain::DeleteProduct() {
    CFRAME[10].Visible = false;
    Grid& grid = MSFlexGrid[300];
    const int c = grid.Col;
    if (c < 2) return;
    if (MessageBox(MessageTable[21][0], MessageTable[21][1] + std::to_string(c - 1), mb::YesNo) !=
        mb::Yes)
        return;
    for (int k = c; k + 1 < grid.Cols(); ++k) {
        for (int r = 0; r < grid.Rows(); ++r)
            SetCellValue(300, r, k, GetCellValue(300, r, k + 1));
        SetCellValue(300, 0, k, std::to_string(k - 1));
    }
    grid.SetCols(grid.Cols() - 1);
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
