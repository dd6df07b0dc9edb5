// SPDX-License-Identifier: MIT
// The supplier's catalogue: binary rating and model files with fixed-length little-endian
// records, and the tab-separated product lists linked to them by a 16-character model key.
#pragma once

#include "shell/text_file.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace tw {

struct CRating {
    std::int16_t unused = 0;
    std::int16_t suction = 0;  // saturated suction temperature, °F
    std::int16_t ambient = 0;  // °F
    std::int32_t capacity = 0; // Btu/h
};

struct CModel {
    std::int16_t unused = 0;
    std::int32_t firstRating = 0;
    std::int16_t ratingCount = 0;
    std::int16_t pointsPerBlock = 0;
    std::string key; // 16 characters, blank-padded
    std::int16_t minAmbient = 0;
    std::int16_t maxAmbient = 0;
    std::int16_t minSuction = 0;
    std::int16_t maxSuction = 0;
    std::int32_t minCapacity = 0;
    std::int32_t maxCapacity = 0;
};

struct ERating {
    std::string key;
    std::int32_t capacity = 0;  // Btu/h at 10 °F TD
    std::int32_t roomLimit = 0; // offered only for rooms warmer than this, °F
};

// One product line: fields 1..4 (key, name, model key, specification sheet) and the number of
// the linked model record (the empty record after the last when nothing matches).
struct ProductRow {
    std::array<std::string, 4> fields;
    int link = 0;
};

constexpr int kCRatingSize = 10;
constexpr int kCModelSize = 42;
constexpr int kERatingSize = 24;

// Records 1..count plus one empty record after them (element 0 unused).
std::vector<CRating> ParseCRatings(const std::string& bytes);
std::vector<CModel> ParseCModels(const std::string& bytes);
std::vector<ERating> ParseERatings(const std::string& bytes);
// Number of records a file of this length holds: rounded, halves to even.
int RecordCount(std::size_t fileLength, int recordLength);

// Rows 1..n (element 0 unused), each linked to the first model whose key equals its field 3
// taken as a 16-character text. `modelKeys` holds the keys of models 1..count.
std::vector<ProductRow> ReadProductList(LineReader& file,
                                        const std::vector<std::string>& modelKeys);

// A text cut or blank-padded to 16 characters.
std::string FixedKey(const std::string& key);

} // namespace tw
