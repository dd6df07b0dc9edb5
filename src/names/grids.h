// SPDX-License-Identifier: MIT
// Grid numbers (MSFlexGrid(n)) and the rows of the two input grids. Column 0 of an input grid
// holds the captions, column 1 the unit labels, the items start in column 2.
#pragma once

namespace tw::grid {

constexpr int Surfaces = 200;
constexpr int Products = 300;
// Result grids of the equipment selection (hidden).
constexpr int CondensingUnits = 520;
constexpr int Coolers = 540;

// The input grids (numbers below 500) keep unit labels in column 1; the result grids do not.
constexpr bool IsInput(int g) {
    return g < 500;
}

constexpr int CaptionCol = 0;
constexpr int UnitCol = 1;
constexpr int FirstItemCol = 2;

// Rows of the surface grid.
namespace surface {
constexpr int Number = 0;
constexpr int Type = 1;
constexpr int Length = 2;
constexpr int Height = 3;
constexpr int Area = 4;
constexpr int Insulation = 5;
constexpr int Construction = 6;
constexpr int KFactor = 7;
constexpr int OutsideTemperature = 8;
constexpr int Load = 9;
} // namespace surface

// Rows of the product grid.
namespace product {
constexpr int Number = 0;
constexpr int Group = 1;
constexpr int Name = 2;
constexpr int Weight = 3;
constexpr int EnteringTemperature = 4;
constexpr int FinalTemperature = 5;
constexpr int PullDownTime = 6;
constexpr int FreezingPoint = 7;
constexpr int HeatAboveFreezing = 8;
constexpr int HeatBelowFreezing = 9;
constexpr int WaterContent = 10;
constexpr int HeatOfRespiration = 11;
constexpr int Multiplier = 12;
constexpr int Load = 13;
} // namespace product

// Columns of the result grids.
namespace result {
constexpr int ListRow = 0;
constexpr int Capacity = 1;
constexpr int Name = 2;
constexpr int ModelKey = 3;
constexpr int SpecSheet = 4;
constexpr int CatalogueRecord = 5;
} // namespace result

} // namespace tw::grid
