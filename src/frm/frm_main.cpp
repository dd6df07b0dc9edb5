// SPDX-License-Identifier: MIT
#include "frm/frm_main.h"

#include "ui/window_design.h"

namespace tw {

FrmMain::FrmMain(Platform& p) : platform(p) {
    decimal_ = platform.DecimalSeparator();
    BuildWindowDesign(*this);
    SetMeasurer([this](const std::string& text, float size, bool bold, int& w, int& h) {
        TextExtent e = platform.MeasureText(text, Font{size, bold});
        w = e.width;
        h = e.height;
    });
    SetEventHandler([this](const Event& e) { OnEvent(e); });
}

void FrmMain::ReadDataFiles() {
    ReadTable(false, "TableA.data", TableA);
    ReadTable(false, "TableB.data", TableB);
    ReadTable(false, "TableE.data", TableE);
    ReadTable(false, "TableF.data", TableF);
    ReadTable(false, "TableK.data", TableK);
    ReadCondensingRatings();
    ReadCondensingModels();
    ReadCondensingProducts();
    ReadCoolerRatings();
    ReadCoolerProducts();
    ReadColourFile();
    ReadResourceFile();
    ReadTable(true, "TableC.data", TableC);
    ReadTable(true, "TableD.data", TableD);
}

void FrmMain::OnEvent(const Event& e) {
    const int n = e.source.index;
    const EventType t = e.type;
    switch (e.source.array) {
    case ArrayId::Window:
        if (t == EventType::KeyDown)
            Form_KeyDown(e.keyCode, e.shift);
        else if (t == EventType::KeyPress && e.keyAscii)
            Form_KeyPress(*e.keyAscii);
        else if (t == EventType::Click)
            Form_Click();
        break;
    case ArrayId::TEXTBOX:
        if (t == EventType::Change)
            TEXTBOX_Change(n);
        else if (t == EventType::GotFocus)
            TEXTBOX_GotFocus(n);
        else if (t == EventType::LostFocus)
            TEXTBOX_LostFocus(n);
        else if (t == EventType::Click)
            TEXTBOX_Click(n);
        else if (t == EventType::KeyPress && e.keyAscii)
            TEXTBOX_KeyPress(n, *e.keyAscii);
        break;
    case ArrayId::UNITS:
        if (t == EventType::Change)
            UNITS_Change(n);
        else if (t == EventType::Click)
            UNITS_Click(n);
        break;
    case ArrayId::OPTIONLIST:
        if (t == EventType::Click)
            OPTIONLIST_Click(n);
        else if (t == EventType::KeyDown)
            OPTIONLIST_KeyDown(n, e.keyCode);
        else if (t == EventType::GotFocus)
            OPTIONLIST_GotFocus(n);
        else if (t == EventType::LostFocus)
            OPTIONLIST_LostFocus(n);
        else if (t == EventType::MouseDown)
            ArrowNavigation = false;
        break;
    case ArrayId::ListButton:
        if (t == EventType::Click) ListButton_Click(n);
        break;
    case ArrayId::RADIO:
        if (t == EventType::Click)
            RADIO_Click(n);
        else if (t == EventType::GotFocus)
            RADIO_GotFocus(n);
        break;
    case ArrayId::MSFlexGrid:
        if (t == EventType::Click)
            MSFlexGrid_Click(n);
        else if (t == EventType::Scroll)
            MSFlexGrid_Scroll(n);
        break;
    case ArrayId::MSFlexText:
        if (t == EventType::Change)
            MSFlexText_Change(n);
        else if (t == EventType::GotFocus)
            MSFlexText_GotFocus(n);
        else if (t == EventType::LostFocus)
            MSFlexText_LostFocus(n);
        else if (t == EventType::KeyDown)
            MSFlexText_KeyDown(n, e.keyCode, e.shift);
        else if (t == EventType::KeyPress && e.keyAscii)
            MSFlexText_KeyPress(n, *e.keyAscii);
        break;
    case ArrayId::TabForward:
    case ArrayId::TabBack:
        if (t == EventType::GotFocus) TabTrap_GotFocus(n, e.source.array == ArrayId::TabForward);
        break;
    case ArrayId::TABFPIC:
    case ArrayId::TABBPIC:
        if (t == EventType::Click)
            Arrow_Click(e.source);
        else if (t == EventType::KeyPress && e.keyAscii && *e.keyAscii == 13)
            Arrow_Click(e.source);
        else if (t == EventType::GotFocus)
            Arrow_Focus(e.source, true);
        else if (t == EventType::LostFocus)
            Arrow_Focus(e.source, false);
        break;
    case ArrayId::UpdateCancel:
        if (t == EventType::Click) UpdateCancel_Click();
        break;
    case ArrayId::BUTT:
        if (t == EventType::MouseMove)
            BUTT_MouseMove(n);
        else if (t == EventType::Click)
            BUTT_Click(n);
        break;
    case ArrayId::FRAME:
        if (t == EventType::MouseMove)
            ResetButtonColours();
        else if (t == EventType::KeyPress && e.keyAscii)
            FRAME_KeyPress(n, *e.keyAscii);
        break;
    case ArrayId::CFRAME:
        if (t == EventType::MouseMove) ResetButtonColours();
        break;
    case ArrayId::SPECLINK:
        if (t == EventType::Click) SPECLINK_Click(n);
        break;
    case ArrayId::HYPERLINK:
        if (t == EventType::Click) HYPERLINK_Click(n);
        break;
    case ArrayId::ThumbNailLogo:
        if (t == EventType::Click) ThumbNailLogo_Click();
        break;
    case ArrayId::Timer1:
        if (t == EventType::Timer) Timer1_Timer();
        break;
    case ArrayId::FileHistoryList:
        if (t == EventType::DblClick)
            FileHistoryList_DblClick();
        else if (t == EventType::KeyPress && e.keyAscii)
            FileHistoryList_KeyPress(*e.keyAscii);
        break;
    default:
        break;
    }
}

} // namespace tw
