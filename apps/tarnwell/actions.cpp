// SPDX-License-Identifier: MIT
#include "actions.h"

#include "base/text.h"
#include "text.h"

#include <algorithm>
#include <cctype>

namespace tarnwell {

namespace {

using tw::ArrayId;
using tw::ControlRef;
using tw::EventType;

bool IsListField(const std::string& type) {
    const std::string t = tw::AsciiUpper(type);
    return t == "LIST" || t == "DATALIST" || t == "SELECTLIST";
}

// A typed text starting with a minus over a text that holds one: the key filter would refuse
// that minus, so a user deletes the old text first.
bool StartsNegativeOver(const std::string& typed, const std::string& old) {
    return !typed.empty() && typed[0] == '-' && old.find('-') != std::string::npos;
}

std::string CellName(int grid, int row, int col) {
    return "cell (" + std::to_string(row) + ", " + std::to_string(col) + ") of grid " +
           std::to_string(grid);
}

} // namespace

void Actions::Fail(const Step& step, const std::string& reason) const {
    throw ActionFailure{step.origin + ": " + reason};
}

void Actions::Check(const Step& step) {
    using K = Step::Kind;
    const std::vector<int>& n = step.numbers;
    auto need = [&](bool exists, const std::string& what, int index) {
        if (!exists) Fail(step, "the window has no " + what + " " + std::to_string(index));
    };
    switch (step.kind) {
    case K::Type:
        need(w_.TEXTBOX.Exists(n[0]) && w_.LABEL.Exists(n[0]), "field", n[0]);
        break;
    case K::Get:
        for (int field : n)
            need(w_.TEXTBOX.Exists(field) && w_.UNITS.Exists(field), "field", field);
        break;
    case K::Choose:
        need(w_.OPTIONLIST.Exists(n[0]), "option list", n[0]);
        break;
    case K::Radio:
        need(w_.RADIO.Exists(n[0]), "option button", n[0]);
        break;
    case K::Check:
        need(w_.CHECK.Exists(n[0]), "check box", n[0]);
        break;
    case K::Unit:
        need(w_.UNITS.Exists(n[0]), "unit label", n[0]);
        break;
    case K::ClickCell:
    case K::Cell:
    case K::Grid:
        need(w_.MSFlexGrid.Exists(n[0]), "grid", n[0]);
        break;
    case K::Button:
        need(w_.BUTT.Exists(n[0]), "menu button", n[0]);
        break;
    case K::Save: {
        const std::string end = "." + w_.JobFileExtension;
        const std::string path = tw::AsciiLower(step.text);
        if (path.size() <= end.size() || path.compare(path.size() - end.size(), end.size(), end))
            Fail(step,
                 "a job is saved under a name ending in " + end + ", not '" + step.text + "'");
        break;
    }
    case K::Pdf: {
        const std::string path = tw::AsciiLower(step.text);
        if (path.size() <= 4 || path.compare(path.size() - 4, 4, ".pdf"))
            Fail(step, "a report is written under a name ending in .pdf, not '" + step.text + "'");
        break;
    }
    case K::Answer:
    case K::Calculate:
    case K::Summary:
    case K::Banner:
    case K::Json:
        break;
    }
}

void Actions::Perform(const Step& step) {
    using K = Step::Kind;
    switch (step.kind) {
    case K::Type:
        Type(step);
        break;
    case K::Choose:
        Choose(step);
        break;
    case K::Radio:
        Radio(step);
        break;
    case K::Check:
        CheckBox(step);
        break;
    case K::Unit:
        Unit(step);
        break;
    case K::ClickCell:
        ClickCell(step);
        break;
    case K::Cell:
        Cell(step);
        break;
    case K::Button:
        Button(step);
        break;
    case K::Answer:
        machine_.QueueReply(step.text, step.origin);
        break;
    case K::Save:
        Save(step);
        break;
    case K::Calculate:
        w_.Calculate();
        break;
    default:
        break;
    }
}

std::vector<std::string> Actions::TakeNotes() {
    std::vector<std::string> notes;
    notes.swap(notes_);
    return notes;
}

void Actions::ShowPageOf(ControlRef ref) {
    ControlRef at = w_.Get(ref).container;
    for (int depth = 0; depth < 16 && at.array != ArrayId::FRAME; ++depth) {
        if (at.array == ArrayId::Window) return;
        at = w_.Get(at).container;
    }
    if (at.array != ArrayId::FRAME || w_.FRAME[at.index].Visible || at.index < 1) return;
    // Page p is opened by menu button p - 1.
    w_.Raise(EventType::Click, w_.BUTT[at.index - 1].ref);
}

std::string Actions::TypeKeys(ControlRef target, const std::string& text) {
    std::string refused;
    for (int cp : CodePoints(text))
        if (w_.PressKey(target, cp) == 0) refused += tw::Utf8(static_cast<char32_t>(cp));
    return refused;
}

void Actions::NoteRefused(const Step& step, const std::string& refused) {
    if (!refused.empty())
        notes_.push_back(step.origin + ": the keys \"" + refused + "\" were refused");
}

void Actions::Type(const Step& step) {
    const int n = step.numbers[0];
    if (IsListField(w_.LABEL[n].Tag))
        Fail(step, "field " + std::to_string(n) + " is a list: choose its item with --choose " +
                       std::to_string(n) + " POS");
    tw::TextBox& box = w_.TEXTBOX[n];
    ShowPageOf(box.ref);
    if (!w_.SetFocus(box.ref) || w_.ActiveControl() != box.ref)
        Fail(step, "field " + std::to_string(n) + " is not shown, so it cannot be typed in");
    // The typed text replaces the field's text, as after the focus selected it all.
    box.SelStart = 0;
    box.SelLength = static_cast<int>(box.Text().size());
    // An empty text clears the field with Backspace; so does a negative number typed over
    // one, since the key filter takes a minus only into a text that holds none.
    if (!box.Text().empty() && (step.text.empty() || StartsNegativeOver(step.text, box.Text())))
        w_.PressKey(box.ref, 8);
    const std::string refused = TypeKeys(box.ref, step.text);
    // Tab leaves the field.
    if (w_.HasFocus() && w_.ActiveControl() == box.ref) w_.FocusNext();
    NoteRefused(step, refused);
}

void Actions::Choose(const Step& step) {
    const int n = step.numbers[0];
    const int position = step.numbers[1];
    tw::ListBox& list = w_.OPTIONLIST[n];
    const bool fieldList = n >= 400 && w_.TEXTBOX.Exists(n);
    if (fieldList && !w_.IsShown(list.ref)) {
        tw::TextBox& box = w_.TEXTBOX[n];
        ShowPageOf(box.ref);
        if (IsListField(w_.LABEL[n].Tag)) {
            // A click on the field opens its list (the focus comes first, then the click).
            if (w_.SetFocus(box.ref) && !w_.IsShown(list.ref) && w_.IsShown(box.ref))
                w_.Raise(EventType::Click, box.ref);
        } else if (w_.ListButton.Exists(n) && w_.IsShown(w_.ListButton[n].ref)) {
            // A number field with usual values opens them from its list button.
            w_.Raise(EventType::Click, w_.ListButton[n].ref);
        }
    }
    if (!w_.IsShown(list.ref)) {
        if (list.ListCount() == 0 && fieldList)
            Fail(step, "list " + std::to_string(n) + " holds no items");
        Fail(step, "list " + std::to_string(n) + " is not open" +
                       (fieldList ? std::string(" (its field is not shown)")
                                  : std::string(" (open it with --click-cell on its cell)")));
    }
    if (position >= list.ListCount())
        Fail(step, "list " + std::to_string(n) + " holds " + std::to_string(list.ListCount()) +
                       " items, counted from 0");
    // A mouse click on the item: the press, the focus, then the choice (a click on the item
    // already chosen still counts as a choice).
    w_.Raise(EventType::MouseDown, list.ref);
    w_.SetFocus(list.ref);
    if (list.ListIndex() == position)
        w_.Raise(EventType::Click, list.ref);
    else
        list.SetListIndex(position);
}

void Actions::Radio(const Step& step) {
    const int n = step.numbers[0];
    tw::OptionButton& radio = w_.RADIO[n];
    ShowPageOf(radio.ref);
    if (!w_.CanTakeFocus(radio.ref))
        Fail(step, "option button " + std::to_string(n) + " is not shown");
    w_.SetFocus(radio.ref);
    radio.SetValue(true);
}

void Actions::CheckBox(const Step& step) {
    const int n = step.numbers[0];
    tw::CheckBox& box = w_.CHECK[n];
    ShowPageOf(box.ref);
    if (!w_.CanTakeFocus(box.ref)) Fail(step, "check box " + std::to_string(n) + " is not shown");
    w_.SetFocus(box.ref);
    box.SetValue(step.numbers[1]);
}

void Actions::Unit(const Step& step) {
    const int n = step.numbers[0];
    tw::Label& unit = w_.UNITS[n];
    if (w_.FindUnit(unit.Tag) < 0)
        Fail(step, "field " + std::to_string(n) + " has no unit to switch");
    ShowPageOf(unit.ref);
    if (!w_.IsShown(unit.ref))
        Fail(step, "the unit label of field " + std::to_string(n) + " is not shown");
    w_.Raise(EventType::Click, unit.ref);
}

void Actions::ClickCell(const Step& step) {
    const int g = step.numbers[0];
    const int row = step.numbers[1];
    const int col = step.numbers[2];
    tw::Grid& grid = w_.MSFlexGrid[g];
    ShowPageOf(grid.ref);
    if (!w_.CanTakeFocus(grid.ref)) Fail(step, "grid " + std::to_string(g) + " is not shown");
    if (row >= grid.Rows() || col >= grid.Cols())
        Fail(step, "grid " + std::to_string(g) + " has " + std::to_string(grid.Rows()) +
                       " rows and " + std::to_string(grid.Cols()) + " columns, so no " +
                       CellName(g, row, col));
    if (row < grid.FixedRows || col < grid.FixedCols)
        Fail(step, CellName(g, row, col) + " is a heading, not a cell to click");
    // The editor or the list of the cell lies over it: a click there stays in it.
    const bool atCell = grid.Row == row && grid.Col == col && w_.HasFocus();
    const ControlRef active = w_.ActiveControl();
    if (atCell && w_.IsShown(active) &&
        (active == w_.MSFlexText[g].ref ||
         (active.array == ArrayId::OPTIONLIST && active.index == g + row)))
        return;
    w_.SetFocus(grid.ref);
    grid.Row = grid.RowSel = row;
    grid.Col = grid.ColSel = col;
    w_.Raise(EventType::Click, grid.ref);
}

void Actions::Cell(const Step& step) {
    const int g = step.numbers[0];
    const int row = step.numbers[1];
    const int col = step.numbers[2];
    const auto last = w_.LastCell.find(g);
    const bool openedLast = last != w_.LastCell.end() && last->second == std::make_pair(row, col);
    ClickCell(step);
    tw::Grid& grid = w_.MSFlexGrid[g];
    tw::TextBox& editor = w_.MSFlexText[g];
    const ControlRef active = w_.ActiveControl();
    const bool open = w_.HasFocus() && active == editor.ref && w_.IsShown(editor.ref) &&
                      grid.Row == row && grid.Col == col;
    if (!open) {
        if (w_.HasFocus() && active.array == ArrayId::OPTIONLIST && w_.IsShown(active))
            Fail(step, CellName(g, row, col) + " holds a list: open it with --click-cell " +
                           std::to_string(g) + " " + std::to_string(row) + " " +
                           std::to_string(col) + ", then --choose " + std::to_string(active.index) +
                           " POS");
        if (openedLast)
            Fail(step, CellName(g, row, col) +
                           " did not open: the grid opens the cell it opened last only after "
                           "another cell was clicked");
        Fail(step, CellName(g, row, col) + " cannot be edited");
    }
    editor.SelStart = 0;
    editor.SelLength = static_cast<int>(editor.Text().size());
    if (!editor.Text().empty() &&
        (step.text.empty() || StartsNegativeOver(step.text, editor.Text())))
        w_.PressKey(editor.ref, 8);
    const std::string refused = TypeKeys(editor.ref, step.text);
    // Enter leaves the cell for the next one: the window and the editor see the key go down,
    // then its character.
    tw::Event down{EventType::KeyDown, {ArrayId::Window, 0}};
    down.keyCode = 13;
    w_.Raise(down);
    down.source = editor.ref;
    w_.Raise(down);
    w_.PressKey(editor.ref, 13);
    NoteRefused(step, refused);
}

void Actions::Button(const Step& step) {
    const int n = step.numbers[0];
    tw::Label& button = w_.BUTT[n];
    ShowPageOf(button.ref);
    if (!w_.IsShown(button.ref)) Fail(step, "menu button " + std::to_string(n) + " is not shown");
    w_.Raise(EventType::Click, button.ref);
}

void Actions::Save(const Step& step) {
    if (!w_.JobFileSave(step.text))
        throw SaveFailure{step.origin + ": the job could not be saved to '" + step.text +
                          "': " + machine_.LastPrompt()};
}

} // namespace tarnwell
