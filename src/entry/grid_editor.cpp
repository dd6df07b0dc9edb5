// SPDX-License-Identifier: MIT
// The surface and product grids: column sizing, the in-cell editor and what an edit of a
// cell carries along (room dimensions, floor and ceiling areas, surfaces of the same type).
#include "base/flag_scope.h"
#include "frm/frm_main.h"
#include "names/fields.h"
#include "names/grids.h"
#include "names/options.h"
#include "shell/ansi.h"
#include "shell/numbers.h"

#include <algorithm>

namespace tw {

void FrmMain::AutoSizeColumn(int grid, int col) {
    LogWrite(">AutoSizeColumn(" + std::to_string(grid) + ", " + std::to_string(col) + ")");
    Grid& g = MSFlexGrid[grid];
    int width = 500;
    for (int r = 0; r < g.Rows(); ++r) {
        SIZER.SetCaption("SS" + g.TextMatrix(r, col));
        width = std::max(width, SIZER.Width);
    }
    const int limit = static_cast<int>(Constant("MAXCOLUMNWIDTH"));
    g.SetColWidth(col, std::min(width, limit));
}

void FrmMain::AutoSizeTable(int grid) {
    LogWrite(">AutoSizeTable(" + std::to_string(grid) + ")");
    for (int c = 0; c < MSFlexGrid[grid].Cols(); ++c)
        AutoSizeColumn(grid, c);
}

void FrmMain::MSFlexGrid_Click(int grid) {
    platform.DoEvents();
    Grid& g = MSFlexGrid[grid];
    LogWrite(">MSFlexFrid_Click(" + std::to_string(grid) + ") " + std::to_string(g.Row) + " " +
             std::to_string(g.Col) + " " + std::to_string(g.RowSel) + " " +
             std::to_string(g.ColSel));
    if (g.Row == g.RowSel && g.Col == g.ColSel) MoveToCell(grid, false);
}

// Scrolling the grid leaves no editor floating over the wrong cell.
void FrmMain::MSFlexGrid_Scroll(int) {
    if (EditorLoading) return;
    for (auto& [g, editor] : MSFlexText)
        editor.Visible = false;
    for (int g : {grid::Surfaces, grid::Products}) {
        TabBack[g].Visible = false;
        TabForward[g].Visible = false;
    }
}

void FrmMain::MSFlexText_GotFocus(int grid) {
    Grid& g = MSFlexGrid[grid];
    if (grid != grid::Surfaces && g.Cols() > 3) CFRAME[frame::ProductColumn].Visible = true;
    EditorRow[grid] = g.Row;
    EditorCol[grid] = g.Col;
    TabForward[grid].Visible = true;
    TabBack[grid].Visible = true;
    ListBox& hints = MSFlexHints[grid];
    HINTBOX.SetCaption(g.Row < hints.ListCount() ? hints.List(g.Row) : std::string());
    LogWrite(">MSFlexText_GotFocus(" + std::to_string(grid) + ")");
}

void FrmMain::MSFlexText_KeyDown(int grid, int keyCode, int shift) {
    LogWrite(">MSFlexText_KeyDown(" + std::to_string(grid) + ", " + std::to_string(keyCode) + ", " +
             std::to_string(shift) + ")");
    if (keyCode == 13 || keyCode == 40)
        SetFocus(TabForward[grid].ref);
    else if (keyCode == 38)
        SetFocus(TabBack[grid].ref);
}

void FrmMain::MSFlexText_KeyPress(int grid, int& keyAscii) {
    LogWrite(">MSFlexText_KeyPress(" + std::to_string(grid) + ", " + std::to_string(keyAscii) +
             ")");
    if (keyAscii == 13) {
        keyAscii = 0;
        return;
    }
    Grid& g = MSFlexGrid[grid];
    ListBox& types = MSFlexRowType[grid];
    const std::string type = g.Row < types.ListCount() ? UpperCase(types.List(g.Row)) : "";
    if (type != "NUMBER") return;
    const TextBox& editor = MSFlexText[grid];
    if (!AcceptsNumberKey(editor.Text(), editor.SelStart, editor.SelLength, keyAscii, Decimal()))
        keyAscii = 0;
}

void FrmMain::MSFlexText_LostFocus(int grid) {
    MSFlexText[grid].Visible = false;
    for (auto& [p, border] : PageBorder)
        border.BorderColor = Colours.PageBorder;
}

void FrmMain::MSFlexText_Change(int grid) {
    if (EditorLoading) return;
    Grid& g = MSFlexGrid[grid];
    const int row = g.Row;
    const int col = g.Col;
    if (grid == grid::Products) {
        if (g.TextMatrix(grid::product::Number, grid::FirstItemCol) == StringTable[11])
            g.SetTextMatrix(grid::product::Number, grid::FirstItemCol, "1");
        if (col == grid::FirstItemCol &&
            (row == grid::product::Group || row == grid::product::Name)) {
            g.SetTextMatrix(grid::product::Number, col, std::to_string(col - 1));
            if (col == g.Cols() - 1) g.SetCols(g.Cols() + 1);
        }
    }
    const std::string text = MSFlexText[grid].Text();
    g.SetTextMatrix(row, col, text);
    // Typed product temperatures are the user's: a new storage temperature leaves them alone.
    if (grid == grid::Products &&
        (row == grid::product::EnteringTemperature || row == grid::product::FinalTemperature))
        MarkCell(grid, row, col, !text.empty());
    if (grid == grid::Surfaces) {
        if (row == grid::surface::OutsideTemperature) MarkCell(grid, row, col, !text.empty());
        if (RADIO[option::FourWalls].Value())
            PropagateFourWalls(row, col);
        else if (RADIO[option::SixWalls].Value())
            PropagateSixWalls(row, col);
        else if (RADIO[option::EightWalls].Value())
            PropagateEightWalls(row, col);
    }
    AutoSizeColumn(grid, col);
    MSFlexText[grid].Width = g.ColWidth(col);
    if (grid == grid::Surfaces) CheckAddWallSection();
    Calculate();
}

namespace {

// A cell of grid 200 as a number, when it holds one.
std::optional<double> CellNumber(FrmMain& w, int row, int col) {
    if (col >= w.MSFlexGrid[grid::Surfaces].Cols()) return std::nullopt;
    return ParseNumber(w.GetCellValue(grid::Surfaces, row, col), w.Decimal());
}

} // namespace

void FrmMain::CopyToSameType(int row) {
    Grid& g = MSFlexGrid[grid::Surfaces];
    const int first = grid::FirstItemCol;
    for (int c = first + 1; c < g.Cols(); ++c)
        if (g.TextMatrix(grid::surface::Type, c) == g.TextMatrix(grid::surface::Type, first))
            g.SetTextMatrix(row, c, g.TextMatrix(row, first));
}

void FrmMain::PropagateFourWalls(int row, int col) {
    Grid& g = MSFlexGrid[grid::Surfaces];
    auto setField = [&](int field) {
        FlagScope propagating(IsPropagating);
        SetFieldValue(field, GetCellValue(grid::Surfaces, row, col));
    };
    if (row == 2 && (col == 2 || col == 4)) {
        setField(col == 2 ? field::RoomLength : field::RoomWidth);
        for (int r : {2, 3, 4})
            g.SetTextMatrix(r, col + 1, g.TextMatrix(r, col));
        // The floor and ceiling take the first wall's length and the second wall's as width.
        const int dimension = col == 2 ? 2 : 3;
        for (int c : {6, 7})
            SetCellValue(grid::Surfaces, dimension, c,
                         GetCellValue(grid::Surfaces, grid::surface::Length, col));
        for (int c : {6, 7}) {
            auto a = CellNumber(*this, 2, c);
            auto b = CellNumber(*this, 3, c);
            if (a && b) SetCellValue(grid::Surfaces, grid::surface::Area, c, NumberText(*a * *b));
        }
    } else if (row == 3 && col == 2) {
        setField(15);
        CopyToSameType(3);
    } else if (row == 5 && col == 2) {
        CopyToSameType(5);
    }
}

void FrmMain::PropagateSixWalls(int row, int col) {
    if (row == 2) {
        auto length = [&](int c) { return CellNumber(*this, 2, c); };
        if ((col == 2 || col == 5) && length(col + 1)) {
            if (auto l = length(col))
                SetCellValue(grid::Surfaces, grid::surface::Length, col + 2,
                             NumberText(*l - *length(col + 1)));
        } else if ((col == 3 || col == 6) && length(col - 1)) {
            if (auto l = length(col))
                SetCellValue(grid::Surfaces, grid::surface::Length, col + 1,
                             NumberText(*length(col - 1) - *l));
        }
        if (col < 7) {
            auto l2 = length(2), l4 = length(4), l5 = length(5), l7 = length(7);
            if (l2 && l4 && l5 && l7) {
                const std::string area = NumberText(*l2 * *l5 - *l7 * *l4);
                SetCellValue(grid::Surfaces, grid::surface::Area, 8, area);
                SetCellValue(grid::Surfaces, grid::surface::Area, 9, area);
            }
        }
    } else if ((row == 3 || row == 5) && col == 2) {
        CopyToSameType(row);
    }
}

void FrmMain::PropagateEightWalls(int row, int col) {
    if (row == 2) {
        auto length = [&](int c) { return CellNumber(*this, 2, c); };
        if (col >= 2 && col <= 4) {
            auto l2 = length(2), l3 = length(3), l4 = length(4);
            if (l2 && l3 && l4)
                SetCellValue(grid::Surfaces, grid::surface::Length, 5, NumberText(*l2 - *l3 - *l4));
        } else if (col >= 6 && col <= 8) {
            auto l6 = length(6), l7 = length(7), l8 = length(8);
            if (l6 && l7 && l8)
                SetCellValue(grid::Surfaces, grid::surface::Length, 9, NumberText(*l6 - *l7 + *l8));
        }
        if (col < 10) {
            auto l2 = length(2), l4 = length(4), l5 = length(5), l6 = length(6), l7 = length(7),
                 l8 = length(8);
            if (l2 && l4 && l5 && l6 && l7 && l8) {
                const std::string area = NumberText(*l2 * *l6 - *l7 * *l4 - *l5 * (*l7 - *l8));
                SetCellValue(grid::Surfaces, grid::surface::Area, 10, area);
                SetCellValue(grid::Surfaces, grid::surface::Area, 11, area);
            }
        }
    } else if ((row == 3 || row == 5) && col == 2) {
        CopyToSameType(row);
    }
}

} // namespace tw
