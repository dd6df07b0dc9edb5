// SPDX-License-Identifier: MIT
#include "calc/look_ups.h"

#include "shell/numbers.h"

#include <cmath>

namespace tw {

namespace {

float Number(const DataTable& table, int column, int row, char decimal) {
    return static_cast<float>(CellNumber(table.Cell(column, row), decimal));
}

// value × x / key, or 0 where the key is 0 (a table without rows, or a first key of 0).
float ThroughOrigin(float value, float x, float key) {
    if (key == 0.0f) return 0.0f;
    float result = value * x / key;
    return std::isfinite(result) ? result : 0.0f;
}

} // namespace

double CellNumber(const std::string& text, char decimal) {
    auto value = ParseNumber(NormalizeDecimal(text, decimal), decimal);
    return value ? *value : 0.0;
}

SearchResult InterpolatingSearch(const DataTable& table, float x, int column, char decimal,
                                 bool zeroIsAKey) {
    SearchResult result;
    // Only keys are read on the way; values only of the rows that count.
    int lowerRow = 0, upperRow = 0;
    float lowerKey = 0, upperKey = 0;
    for (int r = 1; r <= table.Rows(); ++r) {
        const float key = Number(table, 1, r, decimal);
        if (key == x) {
            result.inRange = true;
            result.value = Number(table, column, r, decimal);
            result.lowerFound = lowerRow > 0;
            return result;
        }
        if (key > x) {
            upperRow = r;
            upperKey = key;
            break;
        }
        lowerRow = r;
        lowerKey = key;
    }
    bool haveLower = lowerRow > 0, haveUpper = upperRow > 0;
    if (!zeroIsAKey) {
        haveLower = haveLower && lowerKey != 0.0f;
        haveUpper = haveUpper && upperKey != 0.0f;
    }
    result.lowerFound = haveLower;
    if (haveLower && haveUpper) {
        const float lowerValue = Number(table, column, lowerRow, decimal);
        const float upperValue = Number(table, column, upperRow, decimal);
        result.inRange = true;
        result.value =
            lowerValue + (x - lowerKey) * (upperValue - lowerValue) / (upperKey - lowerKey);
    }
    return result;
}

float TableALookUp(const DataTable& table, float volume, float roomTemp, char decimal) {
    const int column = roomTemp >= 32.0f ? 2 : 3;
    SearchResult found = InterpolatingSearch(table, volume, column, decimal);
    if (found.inRange) return found.value;
    const int rows = table.Rows();
    if (rows < 1) return 0.0f;
    return Number(table, column, found.lowerFound ? rows : 1, decimal);
}

GlassDoorLookUp TableBLookUp(const DataTable& table, int doors, float roomTemp, char decimal) {
    GlassDoorLookUp result;
    if (doors < 1) return result;
    const int column = roomTemp >= 32.0f ? 2 : 3;
    for (int r = 1; r <= table.Rows(); ++r) {
        if (Number(table, 1, r, decimal) == static_cast<float>(doors)) {
            result.value = Number(table, column, r, decimal);
            return result;
        }
    }
    result.missing = true;
    result.value = table.Rows() >= 1 ? Number(table, column, table.Rows(), decimal) : 0.0f;
    return result;
}

MotorHeatLookUp TableELookUp(const DataTable& table, float power, bool second, bool third,
                             char decimal) {
    MotorHeatLookUp result;
    if (power <= 0.0f) return result;
    const int column = third ? 4 : second ? 3 : 2;
    SearchResult found = InterpolatingSearch(table, power, column, decimal);
    if (found.inRange) {
        result.value = found.value;
        return result;
    }
    result.outOfRange = true;
    const int row = found.lowerFound ? table.Rows() : 1;
    result.value =
        ThroughOrigin(Number(table, column, row, decimal), power, Number(table, 1, row, decimal));
    return result;
}

float TableFLookUp(const DataTable& table, float temperature, int column, char decimal) {
    if (Number(table, 1, 1, decimal) > temperature) return 0.0f;
    SearchResult found = InterpolatingSearch(table, temperature, column, decimal, true);
    if (found.inRange) return found.value;
    const int row = found.lowerFound ? table.Rows() : 1;
    return ThroughOrigin(Number(table, column, row, decimal), temperature,
                         Number(table, 1, row, decimal));
}

MotorDefaults TableKLookUp(const DataTable& table, float volume, float roomTemp, float motorTemp,
                           char decimal) {
    MotorDefaults result;
    const int rows = table.Rows();
    if (rows < 1) return result;
    // The last row whose volume does not exceed the room's; every row is tested, so a room
    // smaller than the last key never takes the motors of the largest rooms.
    int chosen = rows;
    for (int r = 1; r <= rows; ++r) {
        if (Number(table, 1, r, decimal) > volume) {
            chosen = r == 1 ? 1 : r - 1;
            break;
        }
    }
    const bool warm = roomTemp >= motorTemp;
    const float count = Number(table, warm ? 4 : 2, chosen, decimal);
    // The reader refuses rows of other counts; a table built otherwise counts no motors.
    const double whole = RoundHalfEven(count);
    result.count = whole >= 0 && whole <= 32767 ? static_cast<int>(whole) : 0;
    result.power = Number(table, warm ? 5 : 3, chosen, decimal);
    return result;
}

} // namespace tw
