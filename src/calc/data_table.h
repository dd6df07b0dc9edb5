// SPDX-License-Identifier: MIT
// The engineering tables: text cells by (column, row), columns 1..N and rows 1..R; column 0 and
// row 0 exist and stay empty.
#pragma once

#include "shell/text_file.h"

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
