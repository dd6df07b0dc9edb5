// SPDX-License-Identifier: MIT
// The menu column: each button opens a page or runs a command on the job.
#include "frm/frm_main.h"
#include "names/buttons.h"
#include "names/grids.h"
#include "names/lists.h"
#include "names/options.h"

namespace tw {

void FrmMain::HideButtonShadows() {
    for (auto& [i, shadow] : SHADOW)
        if (button::InMenuColumn(i)) shadow.Visible = false;
}

void FrmMain::HideAllPages() {
    for (auto& [p, page] : FRAME)
        page.Visible = false;
    Banner.Active = false;
}

void FrmMain::BUTT_Click(int index) {
    LogWrite(">BUTT_Click(" + std::to_string(index) + ")");
    for (int g : {grid::Surfaces, grid::Products}) {
        TabForward[g].Visible = false;
        TabBack[g].Visible = false;
    }
    CloseEditing();
    switch (index) {
    case button::JobData:
    case button::RoomSurfaces:
    case button::Products:
    case button::OtherLoads:
    case button::Equipment:
    case button::Infiltration:
    case button::UserDetails:
    case button::Settings:
        ShowPage(index);
        break;
    case button::JobFiles:
        ShowJobPage();
        break;
    case button::ExportPdf:
        ExportPdf();
        break;
    case button::Exit:
        if (ConfirmClose()) throw ProgramEnd{0};
        break;
    case button::OpenJob:
        OpenJob();
        break;
    case button::SaveJob:
        SaveJob();
        break;
    case button::Help:
        StartHyperlink(HelpFilePath);
        break;
    case button::Print:
        PrintReport();
        break;
    case button::Mail:
        MailJob();
        break;
    case button::SurfaceListOff:
        RADIO[option::SizeOnly].SetValue(true);
        break;
    case button::ClearProducts:
        ClearProducts();
        break;
    case button::NewJob:
        NewJob();
        break;
    case button::CheckForUpdates:
        CheckForUpdates();
        break;
    case button::DeleteProduct:
        DeleteProduct();
        break;
    default: // the reserved buttons only close the editing
        break;
    }
    if (EFRAME.Visible) BringToFront(EFRAME.ref);
}

// An open list or in-cell editor closes before the action of a menu button.
void FrmMain::CloseEditing() {
    if (!HasFocus()) return;
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

void FrmMain::CheckForUpdates() {
    HideAllPages();
    if (InstallationReadOnly) {
        // A system-wide installation is brought up to date by the package manager; the
        // program never changes its files.
        LogWrite("Updates come from the package manager");
        HINTBOX.SetCaption(StringText(10));
        HINTBOX.Visible = true;
    } else {
        Update_Check();
    }
}

void FrmMain::ClearProducts() {
    Grid& products = MSFlexGrid[grid::Products];
    TabForward[grid::Products].Visible = false;
    TabBack[grid::Products].Visible = false;
    products.SetCols(grid::FirstItemCol + 1);
    for (int r = 0; r < products.Rows(); ++r)
        SetCellValue(grid::Products, r, grid::FirstItemCol, "");
    // The whole recalculation, so the total and the design load drop the cleared products.
    Calculate();
    MSFlexText[grid::Products].Visible = false;
    OPTIONLIST[list::ProductGroup].Visible = false;
    OPTIONLIST[list::Product].Visible = false;
    products.Row = grid::product::Load;
    products.Col = grid::FirstItemCol;
}

void FrmMain::DeleteProduct() {
    CFRAME[frame::ProductColumn].Visible = false;
    Grid& products = MSFlexGrid[grid::Products];
    const int c = products.Col;
    if (c < grid::FirstItemCol) return;
    if (MessageBox(MessageTable[21][0], MessageTable[21][1] + std::to_string(c - 1), mb::YesNo) !=
        mb::Yes)
        return;
    for (int k = c; k + 1 < products.Cols(); ++k) {
        for (int r = 0; r < products.Rows(); ++r)
            SetCellValue(grid::Products, r, k, GetCellValue(grid::Products, r, k + 1));
        SetCellValue(grid::Products, grid::product::Number, k, std::to_string(k - 1));
    }
    products.SetCols(products.Cols() - 1);
    Calculate();
}

void FrmMain::ShowPage(int button) {
    for (auto& [i, b] : BUTT)
        b.ForeColor = Colours.ButtonText;
    HideButtonShadows();
    SHADOW[button].Visible = true;
    BUTT[button].ForeColor = Colours.ShadowSelect;
    for (auto& [p, page] : FRAME)
        page.Visible = p == button + 1;
    SelectFocus(button + 1);
}

} // namespace tw
