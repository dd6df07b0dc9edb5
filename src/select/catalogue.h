// SPDX-License-Identifier: MIT
// The supplier's catalogue: binary rating and model files with fixed-length little-endian
// records, and the tab-separated product lists linked to them by a 16-character model key.
#pragma once

#include "shell/text_file.h"

#include <array>
#include <cstdint>
#include <string>
#include <utility>
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

// The catalogue as the program holds it: the condensing units (ratings, models and their
// product list) and the coolers (ratings and their product list). The record lists keep
// element 0 unused and an empty record after the last; the product lists keep row 0 unused.
class Catalogue {
public:
    void SetCondensingRatings(std::vector<CRating> ratings) { cRatings_ = std::move(ratings); }
    void SetCondensingModels(std::vector<CModel> models) { cModels_ = std::move(models); }
    void SetCoolerRatings(std::vector<ERating> ratings) { eRatings_ = std::move(ratings); }
    // The product lists, each row linked to the model (cooler rating) of its key: read after
    // the records they link to.
    void ReadCondensingProducts(LineReader& file);
    void ReadCoolerProducts(LineReader& file);
    void SetCondensingProducts(std::vector<ProductRow> rows) { cProducts_ = std::move(rows); }
    void SetCoolerProducts(std::vector<ProductRow> rows) { eProducts_ = std::move(rows); }

    // Models and cooler ratings 1..count, without the empty record after them.
    int ModelCount() const { return static_cast<int>(cModels_.size()) - 2; }
    int CoolerRatingCount() const { return static_cast<int>(eRatings_.size()) - 2; }
    const std::vector<CRating>& CondensingRatings() const { return cRatings_; }
    // Model (cooler rating) n, the empty record after the last included; none outside.
    const CModel* Model(int n) const;
    const ERating* CoolerRating(int n) const;
    const std::vector<ProductRow>& CondensingProducts() const { return cProducts_; }
    const std::vector<ProductRow>& CoolerProducts() const { return eProducts_; }

private:
    std::vector<CRating> cRatings_;
    std::vector<CModel> cModels_;
    std::vector<ERating> eRatings_;
    std::vector<ProductRow> cProducts_;
    std::vector<ProductRow> eProducts_;
};

} // namespace tw
