// SPDX-License-Identifier: MIT
// Data tables: the reader (with the motor table's row check), then every look-up over the
// table read, at keys taken from its own cells and around them.
#include "calc/data_table.h"

#include "calc/look_ups.h"
#include "shell/text_file.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte chooses the machine's decimal separator and the motor-table check.
    const char decimal = (data[0] & 1) ? ',' : '.';
    const bool motors = (data[0] & 2) != 0;
    tw::LineReader file(
        tw::SplitAnsiLines(std::string(reinterpret_cast<const char*>(data) + 1, size - 1)));
    tw::DataTable table;
    tw::ReadDataTable(file, decimal, table, {}, [&](const std::vector<std::string>& row) {
        return !motors || tw::MotorRowValid(row, decimal);
    });
    const float keys[] = {-1e30f, -40.0f, 0.0f, 0.5f, 32.0f, 35.0f, 1000.0f, 1e30f};
    for (int r = 0; r <= table.Rows() && r < 8; ++r) {
        const auto x = static_cast<float>(tw::CellNumber(table.Cell(1, r), decimal));
        for (float k : keys) {
            for (float at : {x, k}) {
                tw::InterpolatingSearch(table, at, 2, decimal);
                tw::TableALookUp(table, at, k, decimal);
                tw::TableBLookUp(table, r, k, decimal);
                tw::TableELookUp(table, at, k > 0, k > 100, decimal);
                tw::TableFLookUp(table, at, 2, decimal);
                tw::TableKLookUp(table, at, k, 32.0f, decimal);
            }
        }
    }
    return 0;
}
