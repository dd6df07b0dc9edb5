// SPDX-License-Identifier: MIT
// Unit look-up and the grid-cell accessors: a cell shows its row's unit (column 1 says which),
// the program reads and writes internal-unit values.
#include "entry/unit_conversion.h"
#include "frm/frm_main.h"
#include "shell/ansi.h"
#include "shell/numbers.h"

namespace tw {

int FrmMain::FindUnit(const std::string& kind) const {
    const std::string wanted = UpperCase(kind);
    if (wanted == "NONE") return -1;
    for (std::size_t i = 0; i < UnitTable.size(); ++i)
        if (UpperCase(UnitTable[i][1]) == wanted) return static_cast<int>(i);
    return -1;
}

int FrmMain::FieldUnitIndex(int n) {
    return FindUnit(UNITS[n].Tag);
}

std::string FrmMain::UnitText(const std::string& key, bool alternate) const {
    const std::string wanted = UpperCase(key);
    for (const auto& row : UnitTable)
        if (UpperCase(row[1]) == wanted) return row[alternate ? 3 : 2];
    return key;
}

std::string FrmMain::RowUnitKind(int grid, int row) {
    ListBox& kinds = UnitGrid[grid];
    return row >= 0 && row < kinds.ListCount() ? kinds.List(row) : std::string();
}

bool FrmMain::RowShowsAlternate(int grid, int row, int unit) {
    return unit >= 0 &&
           MSFlexGrid[grid].TextMatrix(row, 1) == UnitTable[static_cast<std::size_t>(unit)][3];
}

std::string FrmMain::GetCellValue(int grid, int row, int col) {
    const std::string& text = MSFlexGrid[grid].TextMatrix(row, col);
    auto value = ParseNumber(text, Decimal());
    if (!value) return text;
    int u = FindUnit(RowUnitKind(grid, row));
    if (!RowShowsAlternate(grid, row, u)) return text;
    auto internal = ToInternalUnit(*value, UnitTable[static_cast<std::size_t>(u)][4], Decimal());
    return internal ? FormatSingle(static_cast<float>(*internal), Decimal()) : text;
}

void FrmMain::SetCellValue(int grid, int row, int col, const std::string& value) {
    Grid& g = MSFlexGrid[grid];
    std::string s = value;
    auto number = ParseNumber(s, Decimal());
    const std::string kind = RowUnitKind(grid, row);
    int u = FindUnit(kind);
    bool alternate = RowShowsAlternate(grid, row, u);
    if (col > 1 && number && alternate) {
        if (auto converted =
                ToAlternateUnit(*number, UnitTable[static_cast<std::size_t>(u)][4], Decimal())) {
            number = static_cast<double>(static_cast<float>(*converted));
        }
    }
    if (!number) {
        g.SetTextMatrix(row, col, s);
        return;
    }
    if (!alternate) {
        g.SetTextMatrix(row, col,
                        FormatSingle(RoundTwoPlaces(static_cast<float>(*number)), Decimal()));
        return;
    }
    // Lengths in the alternate (metric) unit keep three decimals, to the millimetre; other
    // alternate units two, or three significant digits below 1 (see RoundAlternate).
    const double rounded =
        kind == "long" ? Int(*number * 1000 + 0.5) / 1000
                       : RoundAlternate(*number, UnitTable[static_cast<std::size_t>(u)][4], kind);
    g.SetTextMatrix(row, col, FormatNumber(rounded, Decimal(), 7));
}

} // namespace tw
