// SPDX-License-Identifier: MIT
#include "calc/data_table.h"

#include "shell/ansi.h"
#include "shell/numbers.h"
#include "shell/parse.h"

namespace tw {

const std::string& DataTable::Cell(int column, int row) const {
    static const std::string empty;
    if (row < 0 || row >= static_cast<int>(rows_.size())) return empty;
    const auto& cells = rows_[static_cast<std::size_t>(row)];
    if (column < 0 || column >= static_cast<int>(cells.size())) return empty;
    return cells[static_cast<std::size_t>(column)];
}

void DataTable::Reset(int columns) {
    columns_ = columns;
    rows_.assign(1, std::vector<std::string>(static_cast<std::size_t>(columns) + 1));
}

void DataTable::AddRow(std::vector<std::string> cells) {
    rows_.push_back(std::move(cells));
}

std::string DataTables::FileName(TableId id) {
    static const char* const kLetters = "ABCDEFK";
    return std::string("Table") + kLetters[static_cast<std::size_t>(id)] + ".data";
}

void ReadDataTable(LineReader& file, char decimal, DataTable& table,
                   const std::function<void(const std::vector<std::string>&)>& accepted,
                   const std::function<bool(const std::vector<std::string>&)>& valid) {
    table.Reset(0);
    while (!file.Eof()) {
        auto fields = ParseInput(file);
        int count = UpperBound(fields) - 1;
        if (!fields[1].empty() && fields[1][0] == '#') {
            table.Reset(count);
            continue;
        }
        if (table.Columns() == 0 || count != table.Columns()) continue;
        std::vector<std::string> row(static_cast<std::size_t>(count) + 1);
        for (int c = 1; c <= count; ++c) {
            std::string text = fields[static_cast<std::size_t>(c)];
            if (!text.empty() && text[0] == '"') text = StripQuotes(text);
            row[static_cast<std::size_t>(c)] = NormalizeDecimal(text, decimal);
        }
        if (valid && !valid(row)) continue;
        if (accepted) accepted(row);
        table.AddRow(std::move(row));
    }
}

bool MotorRowValid(const std::vector<std::string>& row, char decimal) {
    for (std::size_t c : {2u, 4u}) {
        if (c >= row.size()) continue;
        const auto count = ParseNumber(row[c], decimal);
        if (count && !(*count >= 0 && *count <= 32767)) return false;
    }
    return true;
}

} // namespace tw
