// SPDX-License-Identifier: MIT
// The product catalogue: a title page with the contents and the make-up of the product keys,
// then the condensing-unit families and unit-cooler groups as tables, page after page.
#pragma once

#include "sheet_catalogue.h"

#include <filesystem>

namespace tw::sheets {

// Writes the catalogue to `path`.
void WriteCatalogue(const Catalogue& cat, const std::filesystem::path& path);

} // namespace tw::sheets
