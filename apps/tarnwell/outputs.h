// SPDX-License-Identifier: MIT
// What tarnwell prints about the window: the readable summary, fields, grids, the warning
// banner and the whole state as JSON.
#pragma once

#include "frm/frm_main.h"

#include <string>
#include <vector>

namespace tarnwell {

// Room, loads per 24 h and per hour, total, design load, equipment, balance point and the
// input warnings, in the units on display and with the window's own captions.
std::string Summary(tw::FrmMain& w);

// One line per field: number, stored value, shown text, unit caption, separated by tabs.
std::string FieldLines(tw::FrmMain& w, const std::vector<int>& fields);

// The grid's cells as shown, a line per row, tabs between the columns.
std::string GridLines(tw::FrmMain& w, int grid);

// The input warnings of the last check, a line each.
std::vector<std::string> BannerLines(const tw::FrmMain& w);

// The banner's equipment notes (no model reaches the load, balance point under it, refrigerant
// above the GWP limit); none while input warnings stand, as the banner shows those alone.
std::vector<std::string> EquipmentNotes(const tw::FrmMain& w);

// Every field, list, option button, check box and grid, and the warnings, as one JSON object
// on one line (ended by a line break).
std::string StateJson(tw::FrmMain& w);

} // namespace tarnwell
