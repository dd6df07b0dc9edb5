// SPDX-License-Identifier: MIT
// Catalogue records as the readers hand them to the selection: record counts of the binary
// files, the empty record after the last, and the linking of product lines to models.
#include "select/catalogue.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tw {
namespace {

void PutLittleEndian(std::string& bytes, std::int64_t value, int width) {
    for (int k = 0; k < width; ++k)
        bytes += static_cast<char>((value >> (8 * k)) & 0xFF);
}

std::string ModelRecord(int number, int first, int count, int perBlock, const std::string& key,
                        int maxCapacity) {
    std::string r;
    PutLittleEndian(r, number, 2);
    PutLittleEndian(r, first, 4);
    PutLittleEndian(r, count, 2);
    PutLittleEndian(r, perBlock, 2);
    r += key + std::string(16 - key.size(), ' ');
    for (int v : {50, 120, -10, 30})
        PutLittleEndian(r, v, 2);
    PutLittleEndian(r, 0, 4);
    PutLittleEndian(r, maxCapacity, 4);
    return r;
}

TEST(CatalogueRecords, AnEightyFourByteModelFileHoldsTwoModelsAndTheEmptyOne) {
    const std::string bytes = ModelRecord(1, 1, 24, 8, "TCU-4M-008", 13400) +
                              ModelRecord(2, 25, 24, 8, "TCU-4M-012", 19700);
    ASSERT_EQ(bytes.size(), 84u);
    const auto models = ParseCModels(bytes);
    ASSERT_EQ(models.size(), 4u); // element 0 unused, models 1 and 2, the empty record 3
    EXPECT_EQ(models[2].key, "TCU-4M-012      ");
    EXPECT_EQ(models[2].firstRating, 25);
    EXPECT_EQ(models[2].pointsPerBlock, 8);
    EXPECT_EQ(models[2].minSuction, -10);
    EXPECT_EQ(models[2].maxCapacity, 19700);
    EXPECT_EQ(models[3].ratingCount, 0);
    EXPECT_EQ(models[3].pointsPerBlock, 0);
    EXPECT_EQ(models[3].maxCapacity, 0);
}

TEST(CatalogueRecords, RecordCountsRoundHalvesToEven) {
    EXPECT_EQ(RecordCount(84, 42), 2);
    EXPECT_EQ(RecordCount(85, 42), 2);
    EXPECT_EQ(RecordCount(105, 42), 2); // 2.5
    EXPECT_EQ(RecordCount(63, 42), 2);  // 1.5: the short second record is read as far as it goes
    EXPECT_EQ(RecordCount(0, 10), 0);
}

// The catalogue the window holds: product lines link to the models read before them, and a
// record number outside the file reaches nothing instead of reading past the end.
TEST(CatalogueRecords, TheCatalogueLinksItsProductsAndAnswersOnlyForRecordsItHolds) {
    Catalogue catalogue;
    catalogue.SetCondensingModels(ParseCModels(ModelRecord(1, 1, 24, 8, "TCU-4M-008", 13400) +
                                               ModelRecord(2, 25, 24, 8, "TCU-4M-012", 19700)));
    LineReader file(std::vector<std::string>{"A4O3S\tTCU-12\tTCU-4M-012\tx.pdf"});
    catalogue.ReadCondensingProducts(file);
    EXPECT_EQ(catalogue.ModelCount(), 2);
    ASSERT_EQ(catalogue.CondensingProducts().size(), 2u);
    EXPECT_EQ(catalogue.CondensingProducts()[1].link, 2);
    for (auto [n, held] : {std::pair{-1, false}, {0, false}, {1, true}, {3, true}, {4, false}})
        EXPECT_EQ(catalogue.Model(n) != nullptr, held) << n;
    EXPECT_EQ(catalogue.Model(3)->maxCapacity, 0); // the empty record after the last
    EXPECT_EQ(catalogue.CoolerRating(1), nullptr);
}

class ProductLinking : public ::testing::Test {
protected:
    std::vector<ProductRow> Read(std::vector<std::string> lines) {
        LineReader file(std::move(lines));
        return ReadProductList(file, keys);
    }
    // Models 1 and 3 share a key; model 2's key has all 16 characters.
    std::vector<std::string> keys = {FixedKey("TEL-020A"), FixedKey("TEU-1500G-EXTRA1"),
                                     FixedKey("TEL-020A")};
};

TEST_F(ProductLinking, ProductsLinkToTheFirstModelOfARepeatedKey) {
    auto rows = Read({"LA\tTEL-020A (air, 50 Hz)\tTEL-020A\tTEL-020A.pdf"});
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].link, 1);
    EXPECT_EQ(rows[1].fields[3], "TEL-020A.pdf");
}

TEST_F(ProductLinking, LongKeysMatchOnSixteenCharactersAndUnknownOnesTheEmptyRecord) {
    auto rows = Read({"UG\tLarge\tTEU-1500G-EXTRA1-LONGER\tx.pdf", "UG\tOther\tTEU-9999G\ty.pdf"});
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].link, 2);
    EXPECT_EQ(rows[2].link, 4); // count + 1
}

TEST_F(ProductLinking, ShortLinesStillCountWithEmptyColumns) {
    auto rows = Read({"LA\tTEL-020A (air, 50 Hz)", "", "LA\tname\tTEL-020A\tTEL-020A.pdf"});
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[1].fields[0], "LA");
    EXPECT_EQ(rows[1].fields[1], "TEL-020A (air, 50 Hz)");
    EXPECT_EQ(rows[1].fields[2], "");
    EXPECT_EQ(rows[1].fields[3], "");
    EXPECT_EQ(rows[1].link, 4); // an empty model key matches no model
    EXPECT_EQ(rows[2].fields[0], "");
    EXPECT_EQ(rows[3].link, 1);
}

} // namespace
} // namespace tw
