// SPDX-License-Identifier: MIT
// Option-list numbers (OPTIONLIST(n) with its values OPTIONVALUE(n)). Lists 200 to 399 float
// over the input grids; a list from 400 up belongs to the text field of the same number.
#pragma once

namespace tw::list {

// Lists 200 to 299 float over the surface grid, 300 to 399 over the product grid; a list from
// 400 up belongs to a text field, from 800 up to the settings page (not part of a job).
constexpr bool OverSurfaceGrid(int n) {
    return n >= 200 && n <= 299;
}
constexpr bool OverProductGrid(int n) {
    return n >= 300 && n <= 399;
}
constexpr bool OfTextField(int n) {
    return n >= 400;
}
constexpr bool OfSettings(int n) {
    return n >= 800;
}

constexpr int SurfaceType = 201;
constexpr int Construction = 206;
constexpr int ProductGroup = 301;
constexpr int Product = 302;

constexpr int Refrigerant = 504;
constexpr int UnitLocation = 510; // values only
constexpr int UnitType = 520;
constexpr int UnitSupply = 521;
constexpr int UnitCount = 522;
constexpr int CondensingUnit = 523;
constexpr int CoolerType = 540;
constexpr int CoolerSupply = 541;
constexpr int CoolerCount = 542;
constexpr int Cooler = 543;
constexpr int DoorProtection = 625;
constexpr int Language = 803;
constexpr int ColourScheme = 804;

// Fixed positions of the surface-type list.
namespace surface_type {
constexpr int Wall = 0;
constexpr int Floor = 1;
constexpr int Ceiling = 2;
} // namespace surface_type

} // namespace tw::list
