// SPDX-License-Identifier: MIT
// Moving through the pages: the focus on a page's first field, and the banner's permission.
#include "base/flag_scope.h"
#include "frm/frm_main.h"
#include "names/buttons.h"
#include "names/fields.h"
#include "names/grids.h"
#include "names/lists.h"
#include "names/options.h"

#include <algorithm>

namespace tw {

void FrmMain::SelectFocus(int page) {
    LogWrite(">SelectFocus(" + std::to_string(page) + ")");
    platform.DoEvents();
    static const std::pair<int, int> firstField[] = {{1, field::JobName},
                                                     {3, field::OutsideTemperature},
                                                     {4, field::StorageTemperature},
                                                     {5, field::LightingPerArea},
                                                     {6, field::SafetyFactor},
                                                     {7, field::InfiltrationTemperature}};
    int target = -1;
    for (const auto& [p, field] : firstField)
        if (p == page) target = field;
    if (target >= 0) {
        Banner.Active = true;
        SetFocus({ArrayId::TEXTBOX, target});
    } else {
        Banner.Active = false;
        EFRAME.Visible = false;
    }
    if (EFRAME.Visible) BringToFront(EFRAME.ref);
}

} // namespace tw

namespace tw {

void FrmMain::MoveToCell(int grid, bool) {
    if (!tw::grid::IsInput(grid) || GridNavigating[grid]) return;
    Grid& g = MSFlexGrid[grid];
    auto& last = LastCell[grid];
    // A click on the cell being edited changes nothing; once its editor or list has closed
    // (the focus went elsewhere), a click on the same cell opens it again.
    bool open = MSFlexText.Exists(grid) && MSFlexText[grid].Visible;
    for (int n : {grid + 1, grid + 2, grid + 6})
        open = open || (OPTIONLIST.Exists(n) && OPTIONLIST[n].Visible);
    if (open && last.first == g.Row && last.second == g.Col) return;
    last = {g.Row, g.Col};
    LogWrite(">MoveToCell(" + std::to_string(grid) + ")");
    LogWrite("Row = " + std::to_string(g.Row) + ", Col =  " + std::to_string(g.Col));
    namespace surface = tw::grid::surface;
    namespace product = tw::grid::product;
    const bool surfaces = grid == tw::grid::Surfaces;
    const bool products = grid == tw::grid::Products;
    // The computed loads are not edited.
    if ((surfaces && g.Row == surface::Load) || (products && g.Row == product::Load)) return;

    ListBox& hints = MSFlexHints[grid];
    HINTBOX.Visible = true;
    HINTBOX.SetCaption(g.Row < hints.ListCount() ? hints.List(g.Row) : std::string());
    TextBox& editor = MSFlexText[grid];
    editor.Visible = false;
    for (int n : {grid + 1, grid + 2, grid + 6})
        if (OPTIONLIST.Exists(n)) OPTIONLIST[n].Visible = false;
    g.RowSel = g.Row;
    g.ColSel = g.Col;
    // A cell reached past the grid's right edge scrolls it; one left of the first column
    // shown scrolls it back. The grid's border takes two pixels each side.
    g.ScrollToCol(g.Width - 4 * platform.Screen().twipsPerPixelX);

    const int listNumber = grid + g.Row;
    const bool hasList = (surfaces && (g.Row == surface::Type || g.Row == surface::Construction)) ||
                         (products && (g.Row == product::Group || g.Row == product::Name));
    if (hasList && OPTIONLIST.Exists(listNumber)) {
        ListBox& list = OPTIONLIST[listNumber];
        list.Left = g.Left + g.CellLeft();
        list.Top = g.Top + g.CellTop();
        if (listNumber == list::Product)
            FillProductList(GetCellValue(grid::Products, grid::product::Group, g.Col),
                            g.CellWidth());
        // Editable only where the layout allows: the surface type only in a free list.
        if (grid == grid::Surfaces && g.Row == 1 && !RADIO[option::SurfaceList].Value()) return;
        list.Visible = true;
        BringToFront(list.ref);
        SetFocus(list.ref);
    } else {
        {
            FlagScope loading(EditorLoading);
            editor.Left = g.Left + g.CellLeft();
            editor.Top = g.Top + g.CellTop();
            editor.Width = g.CellWidth();
            editor.Height = g.CellHeight();
            editor.SetText(g.TextMatrix(g.Row, g.Col));
        }
        editor.Visible = true;
        BringToFront(editor.ref);
        SetFocus(editor.ref);
        editor.SelStart = 0;
        editor.SelLength = static_cast<int>(std::min<std::size_t>(editor.Text().size(), 255));
    }
    for (auto& [i, line] : MLINE)
        line.BorderColor = Colours.Line;
}

void FrmMain::TabTrap_GotFocus(int grid, bool forward) {
    if (!forward) LogWrite(">TabBack_GotFocus(" + std::to_string(grid) + ")");
    GridNavigating[grid] = true;
    Grid& g = MSFlexGrid[grid];
    const int first = grid == grid::Products || RADIO[option::SurfaceList].Value() ? 1 : 2;
    const int lastRow = g.Rows() - 2;
    const int lastCol = g.Cols() - 1;
    if (forward) {
        if (g.Row < lastRow) {
            ++g.Row;
        } else {
            g.Row = first;
            g.Col = g.Col >= lastCol ? 2 : g.Col + 1;
        }
    } else {
        if (g.Row > first) {
            --g.Row;
        } else {
            g.Row = lastRow;
            g.Col = g.Col < 3 ? lastCol : g.Col - 1;
        }
    }
    g.RowSel = g.Row;
    g.ColSel = g.Col;
    GridNavigating[grid] = false;
    MoveToCell(grid, false);
}

void FrmMain::Arrow_Click(ControlRef arrow) {
    int button = 0;
    try {
        button = static_cast<int>(ToSingle(Get(arrow).Tag));
    } catch (const std::exception&) {
    }
    BUTT_Click(button);
}

void FrmMain::Arrow_Focus(ControlRef arrow, bool gained) {
    const bool back = arrow.array == ArrayId::TABBPIC;
    const int image = back ? (gained ? 1 : 2) : (gained ? 3 : 4);
    static_cast<PictureBox&>(Get(arrow)).Picture =
        OpDataFolder + TABIMAGES.Images[static_cast<std::size_t>(image)];
}

void FrmMain::Form_KeyPress(int keyAscii) {
    for (auto& [p, page] : FRAME)
        if (page.Visible) return;
    if (keyAscii == 13) BUTT_Click(button::JobData);
}

void FrmMain::Form_Click() {
    for (auto& [p, page] : FRAME)
        page.Visible = false;
    platform.DoEvents();
    Banner.Active = false;
}

void FrmMain::FRAME_KeyPress(int page, int keyAscii) {
    if (page == 6 && keyAscii == 7) {
        const bool shown = !MSFlexGrid[grid::CondensingUnits].Visible;
        MSFlexGrid[grid::CondensingUnits].Visible = shown;
        MSFlexGrid[grid::Coolers].Visible = shown;
    }
}

void FrmMain::Timer1_Timer() {
    if (!Banner.Active) {
        EFRAME.Visible = false;
        return;
    }
    if (Banner.Delay > 0) {
        --Banner.Delay;
        return;
    }
    EFRAME.Visible = true;
    BringToFront(EFRAME.ref);
    // The banner changes colour at most once a second: a warning, not an alarm.
    const int ticksPerSecond =
        Timer1.Interval > 0 ? (1000 + Timer1.Interval - 1) / Timer1.Interval : 1;
    if (Banner.Calm) {
        // One steady colour; with several lines, the next one every four seconds.
        const Colour on = Banner.ShowsErrors() ? Rgb(255, 0, 0) : Rgb(255, 160, 0);
        ESUBFRAME.BackColor = on;
        EFRAME.BackColor = on;
        if (Banner.LineCount() > 1 && Banner.LineHeight > 0 &&
            ++Banner.Flash >= 4 * std::max(1, ticksPerSecond)) {
            Banner.Flash = 0;
            Banner.Scroll =
                (Banner.Scroll / Banner.LineHeight + 1) % Banner.LineCount() * Banner.LineHeight;
            EBANNER.Top = -Banner.Scroll;
        }
        return;
    }
    if (++Banner.Flash >= std::max(2, ticksPerSecond)) {
        Banner.Flash = 0;
        // Errors flash red, equipment notes amber.
        const Colour on = Banner.ShowsErrors() ? Rgb(255, 0, 0) : Rgb(255, 160, 0);
        const Colour c = ESUBFRAME.BackColor == on ? Rgb(0, 0, 0) : on;
        ESUBFRAME.BackColor = c;
        EFRAME.BackColor = c;
    }
    // More than one warning: the lines scroll up one pixel a tick, pausing on each line. The
    // banner repeats its first line after the last, so returning to the top shows no jump.
    if (Banner.LineCount() > 1 && Banner.LineHeight > 0) {
        Banner.Scroll += platform.Screen().twipsPerPixelY;
        if (Banner.Scroll >= Banner.LineCount() * Banner.LineHeight) Banner.Scroll = 0;
        if (Banner.Scroll % Banner.LineHeight == 0) Banner.Delay = 10;
        EBANNER.Top = -Banner.Scroll;
    }
}

} // namespace tw
