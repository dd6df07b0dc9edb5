// SPDX-License-Identifier: MIT
// Option buttons: the box type and its grid layout, the room's exposure, the condensing
// unit's location, the infiltration method and usage, and the unit systems.
#include "frm/frm_main.h"
#include "shell/numbers.h"

#include <cmath>

namespace tw {

void FrmMain::ApplyRadioVisibility() {
    const bool gridOff = RADIO[204].Value();
    for (int n : {13, 14, 15}) {
        const bool shown = RADIO[200].Value() || gridOff;
        TEXTBOX[n].Visible = shown;
        LABEL[n].Visible = shown && !LABEL[n].Caption().empty();
        UNITS[n].Visible = shown && !UNITS[n].Caption().empty();
        MLINE[n].Visible = shown;
    }
    for (int i = 0; i < 3; ++i)
        Geometry[i].Visible = RADIO[200 + i].Value();
    for (int i = 0; i < 3; ++i)
        CFRAME[601 + i].Visible = RADIO[600 + i].Value();
    Grid& grid = MSFlexGrid[200];
    grid.Visible = !gridOff;
    if (gridOff) grid.SetCols(2);
    CFRAME[200].Visible = gridOff;
    CFRAME[4].Visible = !gridOff;
    BUTT[17].Visible = !gridOff;
    SHADOW[17].Visible = !gridOff;
    ShowCondensingTemperature();
}

void FrmMain::RADIO_GotFocus(int n) {
    HINTBOX.SetCaption(RADIO[n].Tag);
}

void FrmMain::RADIO_Click(int n) {
    LogWrite(">RADIO_Click(" + std::to_string(n) + ")");
    for (int i = 0; i < 3; ++i)
        Geometry[i].Visible = RADIO[200 + i].Value();
    if ((n >= 200 && n <= 204) || (n >= 600 && n <= 602)) {
        if (n <= 203) {
            CFRAME[200].Visible = false;
            CFRAME[4].Visible = true;
            BUTT[17].Visible = true;
            SHADOW[17].Visible = true;
            if (IsLoading) MSFlexGrid[200].Visible = true;
        }
        // The box type and the infiltration method decide which fields, drawings and frames show.
        ApplyRadioVisibility();
    }
    if (IsLoading) return;
    MarkJobModified();

    if (n == 100 || n == 101) {
        UpdateSurfaceTemperatures();
        Calculate();
    } else if (n == 500 || n == 501) {
        CFRAME[501].ForeColor = OverrideColour;
        ListBox& codes = OPTIONVALUE[510];
        if (n - 500 < codes.ListCount()) SetFieldValue(510, codes.List(n - 500));
        SelectCondensingUnit();
        SelectCooler();
        UpdateBalancePoint();
    } else if (n == 203) {
        LayoutFreeSurfaceList();
    } else if (n >= 200 && n <= 202) {
        LayoutBoxGrid(n);
    } else if (n == 204) {
        SurfaceGridOff();
    } else if (n >= 600 && n <= 605) {
        // A new method or usage applies at once, so the shown load always belongs to it.
        Calculate();
    } else if (n >= 840 && n <= 847) {
        ApplyUnitSystem(n);
    }
}

void FrmMain::MarkJobModified() {
    JobModified = true;
    BUTT[11].Visible = true;
    CFRAME[2].Visible = true;
}

void FrmMain::LayoutFreeSurfaceList() {
    Grid& grid = MSFlexGrid[200];
    grid.FixedRows = 1;
    grid.SetCols(3);
    SetCellValue(200, 0, 2, "1");
    grid.Visible = true;
    AutoSizeTable(200);
}

void FrmMain::LayoutBoxGrid(int n) {
    const int walls = n == 200 ? 4 : n == 201 ? 6 : 8;
    Grid& grid = MSFlexGrid[200];
    grid.Visible = false;
    platform.DoEvents();
    grid.FixedRows = 2;
    grid.SetCols(walls + 4);
    for (int r = 2; r < grid.Rows(); ++r)
        for (int c = 2; c < grid.Cols(); ++c) {
            GridCell& cell = grid.Cell(r, c);
            cell.text.clear();
            cell.back = TextBackColour;
            cell.fore = kNoColour;
        }

    auto item = [](ListBox& list, int i) {
        return i >= 0 && i < list.ListCount() ? list.List(i) : std::string();
    };
    auto position = [&](const char* constant) {
        return static_cast<int>(RoundHalfEven(Constant(constant)));
    };
    const int floorColumn = walls + 2;
    const int ceilingColumn = walls + 3;
    for (int c = 2; c < grid.Cols(); ++c) {
        SetCellValue(200, 0, c, std::to_string(c - 1));
        int type = c == floorColumn ? 1 : c == ceilingColumn ? 2 : 0;
        const char* constant = type == 0   ? "DEFAULTWALLK"
                               : type == 1 ? "DEFAULTFLOORK"
                                           : "DEFAULTCEILINGK";
        int k = position(constant);
        SetCellValue(200, 1, c, item(OPTIONLIST[201], type));
        SetCellValue(200, 5, c, type == 1 ? "6" : "4");
        SetCellValue(200, 6, c, item(OPTIONLIST[206], k));
        SetCellValue(200, 7, c, TableD.Cell(2, k + 1));
    }
    if (IsNumeric(GetFieldValue(212))) {
        for (int c = 2; c < grid.Cols(); ++c)
            SetCellValue(200, 8, c,
                         grid.TextMatrix(1, c) == item(OPTIONLIST[201], 1) ? "55"
                                                                           : GetFieldValue(212));
    }
    if (walls > 4)
        for (int c : {floorColumn, ceilingColumn})
            for (int r : {2, 3})
                SetCellValue(200, r, c, "N.A.");

    // The cells the user is expected to fill.
    std::vector<std::pair<int, std::vector<int>>> toFill;
    if (walls == 4)
        toFill = {{2, {2, 3, 5, 6}}, {4, {2}}, {6, {5, 6}}, {7, {5, 6}}};
    else if (walls == 6)
        toFill = {{2, {2, 3, 5, 6}}, {3, {2}}, {5, {2}}, {6, {2}}, {8, {5, 6}}, {9, {5, 6}}};
    else
        toFill = {{2, {2, 3, 5, 6}}, {3, {2}}, {4, {2}},     {6, {2}},
                  {7, {2}},          {8, {2}}, {10, {5, 6}}, {11, {5, 6}}};
    for (const auto& [c, rows] : toFill)
        for (int r : rows)
            grid.Cell(r, c).back = TextBackColourSel;
    grid.Visible = true;
    AutoSizeTable(200);
    Calculate();
}

void FrmMain::SurfaceGridOff() {
    Grid& grid = MSFlexGrid[200];
    grid.Visible = false;
    MSFlexText[200].Visible = false;
    CFRAME[200].Visible = true;
    BUTT[17].Visible = false;
    SHADOW[17].Visible = false;
    CFRAME[4].Visible = false;
    for (int n : {13, 14, 15}) {
        TEXTBOX[n].Visible = true;
        LABEL[n].Visible = !LABEL[n].Caption().empty();
        UNITS[n].Visible = !UNITS[n].Caption().empty();
        SetFieldValue(n, "0");
    }
}

} // namespace tw
