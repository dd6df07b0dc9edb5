// SPDX-License-Identifier: MIT
// Option buttons: the box type and its grid layout, the room's exposure, the condensing
// unit's location, the infiltration method and usage, and the unit systems.
#include "frm/frm_main.h"
#include "names/buttons.h"
#include "names/fields.h"
#include "names/grids.h"
#include "names/lists.h"
#include "names/options.h"
#include "shell/numbers.h"

#include <cmath>

namespace tw {

void FrmMain::ApplyRadioVisibility() {
    const bool gridOff = RADIO[option::SizeOnly].Value();
    for (int n : {field::RoomLength, field::RoomWidth, field::RoomHeight}) {
        const bool shown = RADIO[option::FourWalls].Value() || gridOff;
        TEXTBOX[n].Visible = shown;
        LABEL[n].Visible = shown && !LABEL[n].Caption().empty();
        UNITS[n].Visible = shown && !UNITS[n].Caption().empty();
        MLINE[n].Visible = shown;
    }
    for (int i = 0; i < 3; ++i)
        Geometry[i].Visible = RADIO[option::FourWalls + i].Value();
    for (int i = 0; i < 3; ++i)
        CFRAME[frame::AirChange + i].Visible = RADIO[option::AirChange + i].Value();
    Grid& grid = MSFlexGrid[grid::Surfaces];
    grid.Visible = !gridOff;
    if (gridOff) grid.SetCols(2);
    CFRAME[frame::NoSurfaceList].Visible = gridOff;
    CFRAME[frame::RoomPlan].Visible = !gridOff;
    BUTT[button::SurfaceListOff].Visible = !gridOff;
    SHADOW[button::SurfaceListOff].Visible = !gridOff;
    ShowCondensingTemperature();
}

void FrmMain::RADIO_GotFocus(int n) {
    HINTBOX.SetCaption(RADIO[n].Tag);
}

void FrmMain::RADIO_Click(int n) {
    LogWrite(">RADIO_Click(" + std::to_string(n) + ")");
    for (int i = 0; i < 3; ++i)
        Geometry[i].Visible = RADIO[option::FourWalls + i].Value();
    if ((n >= option::FourWalls && n <= option::SizeOnly) ||
        (n >= option::AirChange && n <= option::Ventilation)) {
        if (n <= option::SurfaceList) {
            CFRAME[frame::NoSurfaceList].Visible = false;
            CFRAME[frame::RoomPlan].Visible = true;
            BUTT[button::SurfaceListOff].Visible = true;
            SHADOW[button::SurfaceListOff].Visible = true;
            if (IsLoading) MSFlexGrid[grid::Surfaces].Visible = true;
        }
        // The box type and the infiltration method decide which fields, drawings and frames show.
        ApplyRadioVisibility();
    }
    if (IsLoading) return;
    MarkJobModified();

    if (n == option::InsideBuilding || n == option::Outdoors) {
        UpdateSurfaceTemperatures();
        Calculate();
    } else if (n == option::UnitOutdoors || n == option::UnitIndoors) {
        MarkGroup(CFRAME[frame::UnitLocation].ref, true);
        ListBox& codes = OPTIONVALUE[list::UnitLocation];
        if (n - option::UnitOutdoors < codes.ListCount())
            SetFieldValue(field::UnitLocationCode, codes.List(n - option::UnitOutdoors));
        SelectCondensingUnit();
        SelectCooler();
        UpdateBalancePoint();
    } else if (n == option::SurfaceList) {
        LayoutFreeSurfaceList();
    } else if (n >= option::FourWalls && n <= option::EightWalls) {
        LayoutBoxGrid(n);
    } else if (n == option::SizeOnly) {
        SurfaceGridOff();
    } else if (n >= option::AirChange && n <= option::LongStorage) {
        // A new method or usage applies at once, so the shown load always belongs to it.
        Calculate();
    } else if (n >= option::ImperialLength && n <= option::Watts) {
        ApplyUnitSystem(n);
    }
}

void FrmMain::MarkJobModified() {
    JobModified = true;
    BUTT[button::SaveJob].Visible = true;
    CFRAME[frame::CurrentJob].Visible = true;
}

void FrmMain::LayoutFreeSurfaceList() {
    Grid& grid = MSFlexGrid[grid::Surfaces];
    grid.FixedRows = 1;
    grid.SetCols(3);
    SetCellValue(grid::Surfaces, grid::surface::Number, 2, "1");
    grid.Visible = true;
    AutoSizeTable(grid::Surfaces);
    // The surfaces are gone: the loads follow at once, and the banner says why.
    Calculate();
}

void FrmMain::LayoutBoxGrid(int n) {
    const int walls = n == option::FourWalls ? 4 : n == option::SixWalls ? 6 : 8;
    Grid& grid = MSFlexGrid[grid::Surfaces];
    grid.Visible = false;
    platform.DoEvents();
    grid.FixedRows = 2;
    grid.SetCols(walls + 4);
    for (int r = 2; r < grid.Rows(); ++r)
        for (int c = tw::grid::FirstItemCol; c < grid.Cols(); ++c) {
            GridCell& cell = grid.Cell(r, c);
            cell.text.clear();
            cell.back = kNoColour;
            cell.fore = kNoColour;
            cell.entered = false;
        }

    auto item = [](ListBox& list, int i) {
        return i >= 0 && i < list.ListCount() ? list.List(i) : std::string();
    };
    auto position = [&](const char* constant) {
        return static_cast<int>(RoundHalfEven(Constant(constant)));
    };
    const int floorColumn = walls + 2;
    const int ceilingColumn = walls + 3;
    for (int c = tw::grid::FirstItemCol; c < grid.Cols(); ++c) {
        SetCellValue(grid::Surfaces, grid::surface::Number, c, std::to_string(c - 1));
        int type = c == floorColumn ? 1 : c == ceilingColumn ? 2 : 0;
        const char* constant = type == 0   ? "DEFAULTWALLK"
                               : type == 1 ? "DEFAULTFLOORK"
                                           : "DEFAULTCEILINGK";
        int k = position(constant);
        SetCellValue(grid::Surfaces, grid::surface::Type, c,
                     item(OPTIONLIST[list::SurfaceType], type));
        SetCellValue(grid::Surfaces, grid::surface::Insulation, c, type == 1 ? "6" : "4");
        SetCellValue(grid::Surfaces, grid::surface::Construction, c,
                     item(OPTIONLIST[list::Construction], k));
        SetCellValue(grid::Surfaces, grid::surface::KFactor, c,
                     Tables.Constructions().Cell(kConstructionKFactor, k + 1));
    }
    if (IsNumeric(GetFieldValue(field::OutsideTemperature))) {
        for (int c = tw::grid::FirstItemCol; c < grid.Cols(); ++c)
            SetCellValue(grid::Surfaces, grid::surface::OutsideTemperature, c,
                         grid.TextMatrix(grid::surface::Type, c) ==
                                 item(OPTIONLIST[list::SurfaceType], list::surface_type::Floor)
                             ? "55"
                             : GetFieldValue(field::OutsideTemperature));
    }
    if (walls > 4)
        for (int c : {floorColumn, ceilingColumn})
            for (int r : {2, 3})
                SetCellValue(grid::Surfaces, r, c, "N.A.");

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
            grid.Cell(r, c).back = Colours.TextBackSel;
    grid.Visible = true;
    AutoSizeTable(grid::Surfaces);
    Calculate();
}

void FrmMain::SurfaceGridOff() {
    Grid& grid = MSFlexGrid[grid::Surfaces];
    grid.Visible = false;
    MSFlexText[grid::Surfaces].Visible = false;
    CFRAME[frame::NoSurfaceList].Visible = true;
    BUTT[button::SurfaceListOff].Visible = false;
    SHADOW[button::SurfaceListOff].Visible = false;
    CFRAME[frame::RoomPlan].Visible = false;
    for (int n : {field::RoomLength, field::RoomWidth, field::RoomHeight}) {
        TEXTBOX[n].Visible = true;
        LABEL[n].Visible = !LABEL[n].Caption().empty();
        UNITS[n].Visible = !UNITS[n].Caption().empty();
        SetFieldValue(n, "0");
    }
}

} // namespace tw
