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
    for (TableId id : DataTables::kShared)
        ReadTable(id);
    ReadCondensingRatings();
    ReadCondensingModels();
    ReadCondensingProducts();
    ReadCoolerRatings();
    ReadCoolerProducts();
    ReadColourFile();
    ReadResourceFile();
    ReadTable(TableId::C);
    ReadTable(TableId::D);
}

namespace {

// Which handler an event of a control goes to. A key press without a character reaches none.
struct Route {
    ArrayId array;
    EventType type;
    void (*handle)(FrmMain& w, const Event& e);
};

} // namespace

void FrmMain::OnEvent(const Event& event) {
    // Defined here, inside the window, so that the handlers can stay private.
    using A = ArrayId;
    using T = EventType;
    static const Route kRoutes[] = {
        {A::Window, T::KeyDown,
         [](FrmMain& w, const Event& e) { w.Form_KeyDown(e.keyCode, e.shift); }},
        {A::Window, T::KeyPress, [](FrmMain& w, const Event& e) { w.Form_KeyPress(*e.keyAscii); }},
        {A::Window, T::Click, [](FrmMain& w, const Event&) { w.Form_Click(); }},
        {A::TEXTBOX, T::Change,
         [](FrmMain& w, const Event& e) { w.TEXTBOX_Change(e.source.index); }},
        {A::TEXTBOX, T::GotFocus,
         [](FrmMain& w, const Event& e) { w.TEXTBOX_GotFocus(e.source.index); }},
        {A::TEXTBOX, T::LostFocus,
         [](FrmMain& w, const Event& e) { w.TEXTBOX_LostFocus(e.source.index); }},
        {A::TEXTBOX, T::Click, [](FrmMain& w, const Event& e) { w.TEXTBOX_Click(e.source.index); }},
        {A::TEXTBOX, T::KeyPress,
         [](FrmMain& w, const Event& e) { w.TEXTBOX_KeyPress(e.source.index, *e.keyAscii); }},
        {A::UNITS, T::Change, [](FrmMain& w, const Event& e) { w.UNITS_Change(e.source.index); }},
        {A::UNITS, T::Click, [](FrmMain& w, const Event& e) { w.UNITS_Click(e.source.index); }},
        {A::OPTIONLIST, T::Click,
         [](FrmMain& w, const Event& e) { w.OPTIONLIST_Click(e.source.index); }},
        {A::OPTIONLIST, T::KeyDown,
         [](FrmMain& w, const Event& e) { w.OPTIONLIST_KeyDown(e.source.index, e.keyCode); }},
        {A::OPTIONLIST, T::GotFocus,
         [](FrmMain& w, const Event& e) { w.OPTIONLIST_GotFocus(e.source.index); }},
        {A::OPTIONLIST, T::LostFocus,
         [](FrmMain& w, const Event& e) { w.OPTIONLIST_LostFocus(e.source.index); }},
        {A::OPTIONLIST, T::MouseDown, [](FrmMain& w, const Event&) { w.ArrowNavigation = false; }},
        {A::ListButton, T::Click,
         [](FrmMain& w, const Event& e) { w.ListButton_Click(e.source.index); }},
        {A::RADIO, T::Click, [](FrmMain& w, const Event& e) { w.RADIO_Click(e.source.index); }},
        {A::RADIO, T::GotFocus,
         [](FrmMain& w, const Event& e) { w.RADIO_GotFocus(e.source.index); }},
        {A::MSFlexGrid, T::Click,
         [](FrmMain& w, const Event& e) { w.MSFlexGrid_Click(e.source.index); }},
        {A::MSFlexGrid, T::Scroll,
         [](FrmMain& w, const Event& e) { w.MSFlexGrid_Scroll(e.source.index); }},
        {A::MSFlexText, T::Change,
         [](FrmMain& w, const Event& e) { w.MSFlexText_Change(e.source.index); }},
        {A::MSFlexText, T::GotFocus,
         [](FrmMain& w, const Event& e) { w.MSFlexText_GotFocus(e.source.index); }},
        {A::MSFlexText, T::LostFocus,
         [](FrmMain& w, const Event& e) { w.MSFlexText_LostFocus(e.source.index); }},
        {A::MSFlexText, T::KeyDown,
         [](FrmMain& w, const Event& e) {
             w.MSFlexText_KeyDown(e.source.index, e.keyCode, e.shift);
         }},
        {A::MSFlexText, T::KeyPress,
         [](FrmMain& w, const Event& e) { w.MSFlexText_KeyPress(e.source.index, *e.keyAscii); }},
        {A::TabForward, T::GotFocus,
         [](FrmMain& w, const Event& e) { w.TabTrap_GotFocus(e.source.index, true); }},
        {A::TabBack, T::GotFocus,
         [](FrmMain& w, const Event& e) { w.TabTrap_GotFocus(e.source.index, false); }},
        {A::TABFPIC, T::Click, [](FrmMain& w, const Event& e) { w.Arrow_Click(e.source); }},
        {A::TABBPIC, T::Click, [](FrmMain& w, const Event& e) { w.Arrow_Click(e.source); }},
        {A::TABFPIC, T::KeyPress,
         [](FrmMain& w, const Event& e) {
             if (*e.keyAscii == 13) w.Arrow_Click(e.source);
         }},
        {A::TABBPIC, T::KeyPress,
         [](FrmMain& w, const Event& e) {
             if (*e.keyAscii == 13) w.Arrow_Click(e.source);
         }},
        {A::TABFPIC, T::GotFocus,
         [](FrmMain& w, const Event& e) { w.Arrow_Focus(e.source, true); }},
        {A::TABBPIC, T::GotFocus,
         [](FrmMain& w, const Event& e) { w.Arrow_Focus(e.source, true); }},
        {A::TABFPIC, T::LostFocus,
         [](FrmMain& w, const Event& e) { w.Arrow_Focus(e.source, false); }},
        {A::TABBPIC, T::LostFocus,
         [](FrmMain& w, const Event& e) { w.Arrow_Focus(e.source, false); }},
        {A::UpdateCancel, T::Click, [](FrmMain& w, const Event&) { w.UpdateCancel_Click(); }},
        {A::BUTT, T::MouseMove,
         [](FrmMain& w, const Event& e) { w.BUTT_MouseMove(e.source.index); }},
        {A::BUTT, T::Click, [](FrmMain& w, const Event& e) { w.BUTT_Click(e.source.index); }},
        {A::FRAME, T::MouseMove, [](FrmMain& w, const Event&) { w.ResetButtonColours(); }},
        {A::FRAME, T::KeyPress,
         [](FrmMain& w, const Event& e) { w.FRAME_KeyPress(e.source.index, *e.keyAscii); }},
        {A::CFRAME, T::MouseMove, [](FrmMain& w, const Event&) { w.ResetButtonColours(); }},
        {A::SPECLINK, T::Click,
         [](FrmMain& w, const Event& e) { w.SPECLINK_Click(e.source.index); }},
        {A::HYPERLINK, T::Click,
         [](FrmMain& w, const Event& e) { w.HYPERLINK_Click(e.source.index); }},
        {A::ThumbNailLogo, T::Click, [](FrmMain& w, const Event&) { w.ThumbNailLogo_Click(); }},
        {A::Timer1, T::Timer, [](FrmMain& w, const Event&) { w.Timer1_Timer(); }},
        {A::FileHistoryList, T::DblClick,
         [](FrmMain& w, const Event&) { w.FileHistoryList_DblClick(); }},
        {A::FileHistoryList, T::KeyPress,
         [](FrmMain& w, const Event& e) { w.FileHistoryList_KeyPress(*e.keyAscii); }},
    };

    if (event.type == EventType::KeyPress && !event.keyAscii) return;
    for (const Route& route : kRoutes) {
        if (route.array == event.source.array && route.type == event.type) {
            route.handle(*this, event);
            return;
        }
    }
}

} // namespace tw
