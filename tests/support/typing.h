// SPDX-License-Identifier: MIT
// A user at the keyboard of the headless window: focus a field, type, leave it.
#pragma once

#include "frm/frm_main.h"

#include <string>

namespace tw::test {

// Opens the page that holds the field, as its menu button does.
inline void ShowPageOf(FrmMain& w, int field) {
    ControlRef at = w.TEXTBOX[field].container;
    while (at.array == ArrayId::CFRAME)
        at = w.CFRAME[at.index].container;
    if (at.array != ArrayId::FRAME || w.FRAME[at.index].Visible) return;
    w.BUTT_Click(at.index == 2 ? 1 : at.index - 1);
}

inline void Focus(FrmMain& w, int field) {
    ShowPageOf(w, field);
    w.SetFocus({ArrayId::TEXTBOX, field});
}

// Types each character through the key handlers, as a keyboard would.
inline void Type(FrmMain& w, ControlRef target, const std::string& text) {
    for (unsigned char c : text)
        w.PressKey(target, c);
}

// Focus the field, replace its text by typing, then leave it (the focus moves on).
inline void TypeInto(FrmMain& w, int field, const std::string& text) {
    Focus(w, field);
    TextBox& box = w.TEXTBOX[field];
    box.SelStart = 0;
    box.SelLength = static_cast<int>(box.Text().size());
    if (text.empty() && !box.Text().empty()) w.PressKey(box.ref, 8);
    Type(w, box.ref, text);
    w.FocusNext();
}

// Clicks a grid cell and types into the in-cell editor laid over it.
inline void TypeCell(FrmMain& w, int grid, int row, int col, const std::string& text) {
    ControlRef at = w.MSFlexGrid[grid].container;
    if (at.array == ArrayId::FRAME && !w.FRAME[at.index].Visible) w.BUTT_Click(at.index - 1);
    Grid& g = w.MSFlexGrid[grid];
    g.Row = g.RowSel = row;
    g.Col = g.ColSel = col;
    w.Raise(EventType::Click, g.ref);
    TextBox& editor = w.MSFlexText[grid];
    editor.SelStart = 0;
    editor.SelLength = static_cast<int>(editor.Text().size());
    Type(w, editor.ref, text);
}

} // namespace tw::test
