// SPDX-License-Identifier: MIT
// The look-ups of the engineering tables as plain functions over a DataTable: the
// interpolating search shared by tables A, E and F, the exact-count table B and the step
// table K. All values are single precision; a cell that is not a number reads as 0.
#pragma once

#include "calc/data_table.h"

#include <string>

namespace tw {

// A table cell or field text as a number: the foreign decimal separator is accepted, and a
// text that is not a number (empty, "N.A.") reads as 0.
double CellNumber(const std::string& text, char decimal);

struct SearchResult {
    // Exactly on a key, or between two keys.
    bool inRange = false;
    float value = 0;
    // A lower key was passed on the way (decides the out-of-range rule).
    bool lowerFound = false;
};

// Walks the rows in key order: a key equal to x gives its row's value, a value between two
// keys is interpolated in a straight line. A key of 0 counts as not found unless
// `zeroIsAKey` is set, so such a table never interpolates next to that key.
SearchResult InterpolatingSearch(const DataTable& table, float x, int column, char decimal,
                                 bool zeroIsAKey = false);

// Air changes per 24 h by room volume; column 2 for rooms at or above 32 °F, else column 3.
// Outside the table the first or the last row applies.
float TableALookUp(const DataTable& table, float volume, float roomTemp, char decimal);

struct GlassDoorLookUp {
    float value = 0;
    // The door count is not in the table (the last row's value is used).
    bool missing = false;
};
// Load per glass door by the exact door count; no interpolation.
GlassDoorLookUp TableBLookUp(const DataTable& table, int doors, float roomTemp, char decimal);

struct MotorHeatLookUp {
    float value = 0;
    // Beyond the table: the value is extrapolated through the origin.
    bool outOfRange = false;
};
// Heat of a motor by its power: column 2, 3 with `second`, 4 with `third` (which wins).
MotorHeatLookUp TableELookUp(const DataTable& table, float power, bool second, bool third,
                             char decimal);

// Saturated-air property by temperature from the given column; 0 below the first key,
// extrapolated through the origin above the last. The keys run through 0 °F, so 0 is a key
// like any other here.
float TableFLookUp(const DataTable& table, float temperature, int column, char decimal);

struct MotorDefaults {
    int count = 0;
    float power = 0;
};
// Default motors of a room: the last row whose volume does not exceed the room's; columns 4
// and 5 at or above `motorTemp`, else columns 2 and 3.
MotorDefaults TableKLookUp(const DataTable& table, float volume, float roomTemp, float motorTemp,
                           char decimal);

} // namespace tw
