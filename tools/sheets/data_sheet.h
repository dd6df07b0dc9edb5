// SPDX-License-Identifier: MIT
// The technical data sheets: one PDF per sheet file named in the product lists, for a
// condensing unit or a unit cooler.
#pragma once

#include "sheet_catalogue.h"

#include <filesystem>

namespace tw::sheets {

// Writes every sheet the product lists name into `folder`.
void WriteSheets(const Catalogue& cat, const std::filesystem::path& folder);

} // namespace tw::sheets
