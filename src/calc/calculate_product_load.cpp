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

// Product-grid rows.
constexpr int kTitle = 0, kWeight = 3, kEntering = 4, kFinal = 5, kPullDown = 6, kFreezing = 7,
              kHeatAbove = 8, kHeatBelow = 9, kWater = 10, kRespiration = 11, kMultiplier = 12,
              kLoad = 13;

} // namespace

void FrmMain::CalculateProductLoad() {
    LogWrite(">CalculateProductLoad()");
    Grid& grid = MSFlexGrid[grid::Products];
    const std::string defaultTitle = StringTable.size() > 11 ? StringTable[11] : std::string();

    // A new job gets a default product sized by the room.
    if (grid.Cols() > 2) {
        const std::string& title = grid.TextMatrix(kTitle, 2);
        if ((title.empty() || title == defaultTitle) &&
            IsNumeric(GetFieldValue(field::RoomVolume)) &&
            IsNumeric(GetFieldValue(field::StorageTemperature))) {
            grid.SetTextMatrix(kTitle, 2, defaultTitle);
            const int rows[] = {1, 2, kWater, kFreezing, kHeatAbove, kHeatBelow, kRespiration};
            for (int i = 0; i < 7; ++i)
                SetCellValue(grid::Products, rows[i], 2, Tables.Products().Cell(i + 1, 1));
            const float perVolume =
                FieldNumber(field::StorageTemperature) >= Constant("DEFAULTWEIGHTT")
                    ? Constant("DEFAULTWEIGHTK1")
                    : Constant("DEFAULTWEIGHTK2");
            SetCellValue(grid::Products, kWeight, 2,
                         NumberText(FieldNumber(field::RoomVolume) * perVolume, 7));
            SetCellValue(grid::Products, kPullDown, 2, "24");
            SetCellValue(grid::Products, kMultiplier, 2, "1");
            UpdateProductTemperatures();
        }
    }
    if (!IsNumeric(GetFieldValue(field::RoomTemperature))) return;

    const double runTime = FieldDouble(field::RunTime);
    const double latentHeat = Constant("LATENTCONSTANT");
    double totalWeight = 0, totalLoad = 0;
    for (int c = 2; c < grid.Cols(); ++c) {
        auto cell = [&](int row) { return GetCellValue(grid::Products, row, c); };
        auto number = [&](int row) { return CellNumber(cell(row), Decimal()); };
        bool usable = true;
        for (int row = kWeight; row <= kMultiplier; ++row)
            if (row != kFreezing && !IsNumeric(cell(row))) usable = false;
        if (!usable || number(kMultiplier) == 0) {
            SetCellValue(grid::Products, kLoad, c, "0");
            continue;
        }
        ProductInput p;
        p.weight = number(kWeight);
        p.entering = number(kEntering);
        p.final = number(kFinal);
        p.pullDown = number(kPullDown);
        if (IsNumeric(cell(kFreezing))) p.freezingPoint = number(kFreezing);
        p.heatAbove = number(kHeatAbove);
        p.heatBelow = number(kHeatBelow);
        p.waterContent = number(kWater);
        p.respiration = number(kRespiration);
        p.multiplier = number(kMultiplier);
        const ProductLoadTerms q = ProductLoad(p, latentHeat);
        LogWrite("Column " + std::to_string(c));
        LogWrite("Qcool     = " + NumberText(q.cool, 7));
        LogWrite("Qfreeze   = " + NumberText(q.freeze, 7));
        LogWrite("Qsubcool  = " + NumberText(q.subcool, 7));
        const double hourly = runTime != 0 ? q.total / runTime : 0.0;
        SetCellValue(grid::Products, kLoad, c, std::isfinite(hourly) ? NumberText(hourly) : "0");
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
    grid.SetTextMatrix(0, added, std::to_string(grid.Cols() - 2));
    // The new column as wide as the one before it.
    if (added > 2) grid.SetColWidth(added, grid.ColWidth(added - 1));
}

} // namespace tw
