// SPDX-License-Identifier: MIT
// Catalogue files: the first byte chooses the reader (condensing-unit ratings or models,
// cooler ratings, a product list linked to the shipped model keys), the rest is the file.
#include "select/catalogue.h"

#include "shell/text_file.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    switch (data[0] % 4) {
    case 0:
        tw::ParseCRatings(bytes);
        break;
    case 1:
        tw::ParseCModels(bytes);
        break;
    case 2:
        tw::ParseERatings(bytes);
        break;
    default: {
        tw::LineReader file(tw::SplitAnsiLines(bytes));
        tw::ReadProductList(file, {tw::FixedKey("CU-100"), tw::FixedKey("EV-2")});
        break;
    }
    }
    return 0;
}
