// SPDX-License-Identifier: MIT
// The product load from the product grid, with the default product for a new job.
#include "calc/look_ups.h"
#include "calc/product_load.h"
#include "frm/frm_main.h"
#include "names/fields.h"
#include "names/grids.h"
#include "shell/numbers.h"

#include <cmath>

namespace tw {

namespace {

namespace row = grid::product;

} // namespace

void FrmMain::CalculateProductLoad() {
    LogWrite(">CalculateProductLoad()");
    Grid& grid = MSFlexGrid[grid::Products];
    const std::string defaultTitle = StringTable.size() > 11 ? StringTable[11] : std::string();

    // A new job gets a default product sized by the room.
    if (grid.Cols() > tw::grid::FirstItemCol) {
        const std::string& title = grid.TextMatrix(row::Number, grid::FirstItemCol);
        if ((title.empty() || title == defaultTitle) &&
            IsNumeric(GetFieldValue(field::RoomVolume)) &&
            IsNumeric(GetFieldValue(field::StorageTemperature))) {
            grid.SetTextMatrix(row::Number, grid::FirstItemCol, defaultTitle);
            const int rows[] = {row::Group,
                                row::Name,
                                row::WaterContent,
                                row::FreezingPoint,
                                row::HeatAboveFreezing,
                                row::HeatBelowFreezing,
                                row::HeatOfRespiration};
            for (int i = 0; i < 7; ++i)
                SetCellValue(grid::Products, rows[i], grid::FirstItemCol,
                             Tables.Products().Cell(i + 1, 1));
            const float perVolume =
                FieldNumber(field::StorageTemperature) >= Constant("DEFAULTWEIGHTT")
                    ? Constant("DEFAULTWEIGHTK1")
                    : Constant("DEFAULTWEIGHTK2");
            SetCellValue(grid::Products, row::Weight, grid::FirstItemCol,
                         NumberText(FieldNumber(field::RoomVolume) * perVolume, 7));
            SetCellValue(grid::Products, row::PullDownTime, grid::FirstItemCol, "24");
            SetCellValue(grid::Products, row::Multiplier, grid::FirstItemCol, "1");
            UpdateProductTemperatures();
        }
    }
    if (!IsNumeric(GetFieldValue(field::RoomTemperature))) return;

    const double runTime = FieldDouble(field::RunTime);
    const double latentHeat = Constant("LATENTCONSTANT");
    double totalWeight = 0, totalLoad = 0;
    for (int c = tw::grid::FirstItemCol; c < grid.Cols(); ++c) {
        auto cell = [&](int row) { return GetCellValue(grid::Products, row, c); };
        auto number = [&](int row) { return CellNumber(cell(row), Decimal()); };
        bool usable = true;
        for (int row = row::Weight; row <= row::Multiplier; ++row)
            if (row != row::FreezingPoint && !IsNumeric(cell(row))) usable = false;
        if (!usable || number(row::Multiplier) == 0) {
            SetCellValue(grid::Products, row::Load, c, "0");
            continue;
        }
        ProductInput p;
        p.weight = number(row::Weight);
        p.entering = number(row::EnteringTemperature);
        p.final = number(row::FinalTemperature);
        p.pullDown = number(row::PullDownTime);
        if (IsNumeric(cell(row::FreezingPoint))) p.freezingPoint = number(row::FreezingPoint);
        p.heatAbove = number(row::HeatAboveFreezing);
        p.heatBelow = number(row::HeatBelowFreezing);
        p.waterContent = number(row::WaterContent);
        p.respiration = number(row::HeatOfRespiration);
        p.multiplier = number(row::Multiplier);
        const ProductLoadTerms q = ProductLoad(p, latentHeat);
        LogWrite("Column " + std::to_string(c));
        LogWrite("Qcool     = " + NumberText(q.cool, 7));
        LogWrite("Qfreeze   = " + NumberText(q.freeze, 7));
        LogWrite("Qsubcool  = " + NumberText(q.subcool, 7));
        const double hourly = runTime != 0 ? q.total / runTime : 0.0;
        SetCellValue(grid::Products, row::Load, c,
                     std::isfinite(hourly) ? NumberText(hourly) : "0");
        totalWeight += p.weight;
        totalLoad += q.total;
    }
    WriteResult(field::ProductWeight, RoundTwoPlaces(static_cast<float>(totalWeight)), 7);
    if (!IsUserEntered(field::ProductLoad) && runTime != 0)
        WriteResult(field::ProductLoad, Int(totalLoad / runTime + 0.5));
}

void FrmMain::CheckAddProductSection() {
    LogWrite(">CheckAddProductSection");
    Grid& grid = MSFlexGrid[grid::Products];
    if (grid.Col != grid.Cols() - 1) return;
    grid.SetCols(grid.Cols() + 1);
    const int added = grid.Cols() - 1;
    grid.SetTextMatrix(grid::product::Number, added, std::to_string(grid.Cols() - 2));
    // The new column as wide as the one before it.
    if (added > 2) grid.SetColWidth(added, grid.ColWidth(added - 1));
}

} // namespace tw
