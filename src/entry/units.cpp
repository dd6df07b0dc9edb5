// SPDX-License-Identifier: MIT
// Switching units: one field by its unit label, the grid rows that follow a master field, and
// the unit-system options that switch every label of a quantity at once.
#include "entry/unit_conversion.h"
#include "frm/frm_main.h"
#include "names/fields.h"
#include "names/grids.h"
#include "names/options.h"
#include "shell/ansi.h"
#include "shell/numbers.h"

#include <algorithm>

namespace tw {

namespace {

struct UnitSystem {
    int imperialButton;
    const char* setting;
    std::vector<const char*> kinds;
};

// The pairs of options; temperature differences switch with the temperatures, lighting per
// floor area with the lengths, and every kind measured in Btu or horsepower (heat of the other
// sources, motor power, K-factors, specific and respiration heats) with the loads.
const UnitSystem kSystems[] = {
    {option::ImperialLength,
     "ImperialLength",
     {"SHORT", "LONG", "AREA", "VOLUME", "FLOW", "LIGHTING"}},
    {option::Fahrenheit, "ImperialTemperature", {"TEMPERATURE", "TEMPDIFF"}},
    {option::Pounds, "ImperialMass", {"WEIGHT"}},
    {option::BtuPerHour,
     "ImperialPower",
     {"LOADH", "POWER", "HP", "KFACTOR", "SPECHEAT", "HEATWEIGHT"}},
};

} // namespace

void FrmMain::UNITS_Click(int n) {
    for (auto& [g, trap] : TabForward)
        trap.Visible = false;
    for (auto& [g, trap] : TabBack)
        trap.Visible = false;
    for (auto& [i, list] : OPTIONLIST)
        list.Visible = false;
    for (auto& [g, editor] : MSFlexText)
        editor.Visible = false;
    Label& unit = UNITS[n];
    int u = FindUnit(unit.Tag);
    if (u < 0) return;
    const auto& row = UnitTable[static_cast<std::size_t>(u)];
    unit.SetCaption(unit.Caption() == row[2] ? row[3] : row[2]);
}

void FrmMain::ConvertMasterRows(int master) {
    int target = 0;
    std::vector<int> rows;
    switch (master) {
    case field::OutsideTemperature:
        target = grid::Surfaces;
        rows = {grid::surface::OutsideTemperature};
        break;
    case field::RoomVolume:
        target = grid::Surfaces;
        rows = {grid::surface::Length, grid::surface::Height, grid::surface::Area,
                grid::surface::Insulation};
        break;
    case field::BoxLoad:
        target = grid::Surfaces;
        rows = {grid::surface::Load};
        break;
    case field::StorageTemperature:
    case field::ProductWeight:
    case field::ProductLoad:
        target = grid::Products;
        for (int r = 1; r < MSFlexGrid[grid::Products].Rows(); ++r)
            rows.push_back(r);
        break;
    default:
        return;
    }
    int u = FieldUnitIndex(master);
    if (u < 0) return;
    const bool toAlternate = UNITS[master].Caption() == UnitTable[static_cast<std::size_t>(u)][3];
    for (int r : rows) {
        // The volume master carries the room's lengths, areas and thicknesses along, each in
        // its own kind; the other masters convert the rows of their own kind.
        int ru = master == field::RoomVolume ? FindUnit(RowUnitKind(target, r)) : u;
        if (ru >= 0) SwitchRowUnit(target, r, ru, toAlternate);
    }
    if (master == field::OutsideTemperature || master == field::RoomVolume) CalculateBoxLoad();
    AutoSizeTable(target);
    if (master == field::RoomVolume || master == field::BoxLoad)
        AutoSizeColumn(grid::Surfaces, grid::UnitCol);
}

bool FrmMain::SwitchRowUnit(int target, int row, int unit, bool toAlternate) {
    Grid& g = MSFlexGrid[target];
    const auto& kind = UnitTable[static_cast<std::size_t>(unit)];
    const std::string& from = toAlternate ? kind[2] : kind[3];
    const std::string& to = toAlternate ? kind[3] : kind[2];
    if (from == to || g.TextMatrix(row, grid::UnitCol) != from) return false;
    std::vector<std::string> values;
    for (int c = grid::FirstItemCol; c < g.Cols(); ++c)
        values.push_back(GetCellValue(target, row, c));
    g.SetTextMatrix(row, grid::UnitCol, to);
    for (int c = grid::FirstItemCol; c < g.Cols(); ++c)
        SetCellValue(target, row, c, values[static_cast<std::size_t>(c - grid::FirstItemCol)]);
    return true;
}

void FrmMain::ApplyUnitSystem(int n) {
    for (const UnitSystem& system : kSystems) {
        if (n != system.imperialButton && n != system.imperialButton + 1) continue;
        const bool imperial = RADIO[system.imperialButton].Value();
        SaveSetting(system.setting, BoolText(imperial));
        const int column = RADIO[system.imperialButton + 1].Value() ? 3 : 2;
        for (const char* kind : system.kinds) {
            int u = FindUnit(kind);
            if (u < 0) continue;
            const std::string& wanted =
                UnitTable[static_cast<std::size_t>(u)][static_cast<std::size_t>(column)];
            for (auto& [i, unit] : UNITS) {
                // Lamps are rated in watts: the lighting power keeps the unit its label shows.
                if (i == field::LightingPower && std::string(kind) == "POWER") continue;
                if (UpperCase(unit.Tag) == kind && unit.Caption() != wanted) UNITS_Click(i);
            }
        }
        // Grid rows without a master field of their kind (K-factors, specific and respiration
        // heats) switch on their own; the others have followed their masters already.
        SwitchRowsOfKinds(system.kinds, column == 3);
    }
}

void FrmMain::SwitchRowsOfKinds(const std::vector<const char*>& kinds, bool toAlternate) {
    for (int g : {grid::Surfaces, grid::Products}) {
        bool switched = false;
        for (int r = 1; r < MSFlexGrid[g].Rows(); ++r) {
            const std::string kind = UpperCase(RowUnitKind(g, r));
            if (std::find(kinds.begin(), kinds.end(), kind) == kinds.end()) continue;
            switched |= SwitchRowUnit(g, r, FindUnit(kind), toAlternate);
        }
        if (switched) AutoSizeTable(g);
    }
}

void FrmMain::AlignRowsWithoutMaster() {
    // No field is master of these rows, so only the load units decide their unit; a job saved
    // before they followed the load units kept them imperial.
    SwitchRowsOfKinds({"KFACTOR", "SPECHEAT", "HEATWEIGHT"}, RADIO[option::Watts].Value());
}

} // namespace tw
