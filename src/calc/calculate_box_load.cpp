// SPDX-License-Identifier: MIT
// The box (transmission) load from the surface grid: areas, the room volume of a
// rectangular room, each surface's load and the room's total.
#include "calc/box_load.h"
#include "calc/look_ups.h"
#include "frm/frm_main.h"
#include "names/fields.h"
#include "names/grids.h"
#include "names/lists.h"
#include "names/options.h"
#include "shell/numbers.h"

#include <cmath>

namespace tw {

namespace {

namespace row = grid::surface;

} // namespace

void FrmMain::CalculateBoxLoad() {
    LogWrite(">CalculateBoxLoad()");
    Grid& grid = MSFlexGrid[grid::Surfaces];
    const int lastCol = grid.Cols() - 1;

    // Areas from the shown texts, so they come out in the units shown.
    auto updateArea = [&](int c) {
        const std::string& length = grid.TextMatrix(row::Length, c);
        const std::string& height = grid.TextMatrix(row::Height, c);
        if (IsNumeric(length) && IsNumeric(height))
            grid.SetTextMatrix(
                row::Area, c,
                NumberText(CellNumber(length, Decimal()) * CellNumber(height, Decimal())));
    };
    for (int c = tw::grid::FirstItemCol; c <= lastCol; ++c)
        updateArea(c);

    // Volume of a rectangular room: floor area × mean wall height.
    int walls = RADIO[option::FourWalls].Value()    ? 4
                : RADIO[option::SixWalls].Value()   ? 6
                : RADIO[option::EightWalls].Value() ? 8
                                                    : 0;
    if (walls > 0 && !IsUserEntered(field::RoomVolume) && lastCol >= walls + 2) {
        bool numeric = IsNumeric(grid.TextMatrix(row::Area, walls + 2));
        std::vector<double> heights;
        for (int c = tw::grid::FirstItemCol; c <= walls + 1 && numeric; ++c) {
            numeric = IsNumeric(grid.TextMatrix(row::Height, c));
            heights.push_back(CellNumber(grid.TextMatrix(row::Height, c), Decimal()));
        }
        if (numeric) {
            float volume =
                RoomVolume(CellNumber(grid.TextMatrix(row::Area, walls + 2), Decimal()), heights);
            TEXTBOX[field::RoomVolume].SetText(FormatSingle(volume, Decimal()));
        }
    }

    // Surface loads, in the internal units.
    ListBox& types = OPTIONLIST[list::SurfaceType];
    std::vector<SurfaceInput> surfaces;
    for (int c = tw::grid::FirstItemCol; c <= lastCol; ++c) {
        updateArea(c);
        SurfaceInput s;
        std::string cells[4];
        const int rows[4] = {row::Area, row::Insulation, row::KFactor, row::OutsideTemperature};
        s.usable = true;
        for (int i = 0; i < 4; ++i) {
            cells[i] = GetCellValue(grid::Surfaces, rows[i], c);
            s.usable = s.usable && IsNumeric(cells[i]);
        }
        s.area = CellNumber(cells[0], Decimal());
        s.thickness = CellNumber(cells[1], Decimal());
        s.kFactor = CellNumber(cells[2], Decimal());
        s.outerTemp = CellNumber(cells[3], Decimal());
        const std::string& type = grid.TextMatrix(row::Type, c);
        s.ownTemperature = false;
        for (int i = 0; i < 4 && i < types.ListCount(); ++i)
            if (type == types.List(i)) s.ownTemperature = true;
        surfaces.push_back(s);
    }
    const double runTime = FieldDouble(field::RunTime);
    BoxLoadResult result = BoxLoad(surfaces, FieldDouble(field::RoomTemperature), runTime);
    for (int c = tw::grid::FirstItemCol; c <= lastCol; ++c) {
        const std::size_t i = static_cast<std::size_t>(c - 2);
        const double hourly = i < result.hourly.size() ? result.hourly[i] : 0.0;
        SetCellValue(grid::Surfaces, row::Load, c,
                     std::isfinite(hourly) ? NumberText(hourly) : "0");
    }
    if (!IsUserEntered(field::BoxLoad) && result.totalHourly)
        WriteResult(field::BoxLoad, *result.totalHourly);
}

void FrmMain::CheckAddWallSection() {
    LogWrite(">CheckAddWallSection");
    if (!RADIO[option::SurfaceList].Value()) return;
    Grid& grid = MSFlexGrid[grid::Surfaces];
    if (grid.Col != grid.Cols() - 1) return;
    grid.SetCols(grid.Cols() + 1);
    grid.SetTextMatrix(grid::surface::Number, grid.Cols() - 1, std::to_string(grid.Cols() - 2));
}

void FrmMain::WriteResult(int n, double value, int digits) {
    if (std::isfinite(value)) SetFieldValue(n, NumberText(value, digits));
}

double FrmMain::FieldDouble(int n) {
    return CellNumber(GetFieldValue(n), Decimal());
}

} // namespace tw
