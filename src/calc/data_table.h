// SPDX-License-Identifier: MIT
// The engineering tables: text cells by (column, row), columns 1..N and rows 1..R; column 0 and
// row 0 exist and stay empty.
#pragma once

#include "shell/text_file.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

namespace tw {

class DataTable {
public:
    int Columns() const { return columns_; }
    int Rows() const { return static_cast<int>(rows_.size()) - 1; }
    // "" outside the table.
    const std::string& Cell(int column, int row) const;

    void Reset(int columns);
    void AddRow(std::vector<std::string> cells);

private:
    int columns_ = 0;
    std::vector<std::vector<std::string>> rows_{1};
};

// The engineering tables, one file each in the data folder: A (air changes by room volume),
// B (glass doors), E (motor heat), F (saturated air) and K (default motors) serve every
// language; C (products) and D (constructions) are in the language of the resource file.
enum class TableId { A, B, C, D, E, F, K };

// Columns of the product table (C) and of the construction table (D).
enum ProductColumn : int {
    kProductGroup = 1,
    kProductName = 2,
    kWaterContent = 3,
    kFreezingPoint = 4,
    kHeatAboveFreezing = 5,
    kHeatBelowFreezing = 6,
    kHeatOfRespiration = 7,
};
// Columns of the saturated-air table (F): humidity ratio, dry-air enthalpy, saturation enthalpy.
enum SaturatedAirColumn : int { kHumidityRatio = 2, kDryAirEnthalpy = 3, kSaturationEnthalpy = 4 };
enum ConstructionColumn : int { kConstructionName = 1, kConstructionKFactor = 2 };

class DataTables {
public:
    // The tables every language shares, in the order they are read at start-up.
    static constexpr std::array<TableId, 5> kShared{TableId::A, TableId::B, TableId::E, TableId::F,
                                                    TableId::K};
    // "TableA.data" and so on; a table in the current language has the language's name before it.
    static std::string FileName(TableId id);
    static bool InLanguage(TableId id) { return id == TableId::C || id == TableId::D; }

    DataTable& operator[](TableId id) { return tables_[static_cast<std::size_t>(id)]; }
    const DataTable& operator[](TableId id) const { return tables_[static_cast<std::size_t>(id)]; }

    // Columns: see ProductColumn.
    const DataTable& Products() const { return (*this)[TableId::C]; }
    // Columns: see ConstructionColumn.
    const DataTable& Constructions() const { return (*this)[TableId::D]; }

private:
    std::array<DataTable, 7> tables_;
};

// Reads a table file: a line whose first field begins with "#" empties the table and sets the
// column count; other lines are kept only with exactly that many fields, quotes stripped and
// the decimal separator adapted. A row that `valid` refuses is skipped; `accepted` sees every
// kept row (fields 1..N).
void ReadDataTable(LineReader& file, char decimal, DataTable& table,
                   const std::function<void(const std::vector<std::string>&)>& accepted = {},
                   const std::function<bool(const std::vector<std::string>&)>& valid = {});

// A row of the motor table whose motor counts (columns 2 and 4) are numbers outside
// 0..32767 is refused; a count that is not a number reads as 0, as every table cell does.
bool MotorRowValid(const std::vector<std::string>& row, char decimal);

} // namespace tw
