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
    switch (e.source.array) {
    case ArrayId::Window:
        if (e.type == EventType::KeyDown) Form_KeyDown(e.keyCode, e.shift);
        break;
    case ArrayId::TEXTBOX:
        switch (e.type) {
        case EventType::Change:
            TEXTBOX_Change(n);
            break;
        case EventType::GotFocus:
            TEXTBOX_GotFocus(n);
            break;
        case EventType::LostFocus:
            TEXTBOX_LostFocus(n);
            break;
        case EventType::Click:
            TEXTBOX_Click(n);
            break;
        case EventType::KeyPress:
            if (e.keyAscii) TEXTBOX_KeyPress(n, *e.keyAscii);
            break;
        default:
            break;
        }
        break;
    case ArrayId::UNITS:
        if (e.type == EventType::Change)
            UNITS_Change(n);
        else if (e.type == EventType::Click)
            UNITS_Click(n);
        break;
    case ArrayId::OPTIONLIST:
        if (e.type == EventType::Click) OPTIONLIST_Click(n);
        break;
    case ArrayId::RADIO:
        if (e.type == EventType::Click) RADIO_Click(n);
        break;
    case ArrayId::BUTT:
        if (e.type == EventType::MouseMove)
            BUTT_MouseMove(n);
        else if (e.type == EventType::Click)
            BUTT_Click(n);
        break;
    case ArrayId::CFRAME:
    case ArrayId::FRAME:
        if (e.type == EventType::MouseMove) ResetButtonColours();
        break;
    default:
        break;
    }
}

} // namespace tw
