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
    switch (e.source.array) {
    case ArrayId::Window:
        if (e.type == EventType::KeyDown) Form_KeyDown(e.keyCode, e.shift);
        break;
    case ArrayId::BUTT:
        if (e.type == EventType::MouseMove)
            BUTT_MouseMove(e.source.index);
        else if (e.type == EventType::Click)
            BUTT_Click(e.source.index);
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
