// SPDX-License-Identifier: MIT
// The choice among the candidates of one selection run: the sort, the largest undersized
// product, the rule between it and the smallest suitable product; keys and design ambient.
#include "select/selection.h"

#include <gtest/gtest.h>
#include <vector>

namespace tw {
namespace {

Offer Product(int row, double capacity) {
    Offer o;
    o.product = row;
    o.capacity = capacity;
    o.name = "P" + std::to_string(row);
    return o;
}

std::vector<int> Order(const std::vector<Offer>& rows) {
    std::vector<int> order;
    for (const Offer& o : rows)
        order.push_back(o.product);
    return order;
}

TEST(SelectionSort, AscendingAndEqualCapacitiesInReverseListOrder) {
    std::vector<Offer> rows = {Product(1, 12000), Product(2, 15000), Product(3, 12000)};
    SortByCapacity(rows);
    EXPECT_EQ(Order(rows), (std::vector<int>{3, 1, 2}));

    rows = {Product(1, 9000), Product(2, 9000), Product(3, 9000), Product(4, 8000)};
    SortByCapacity(rows);
    EXPECT_EQ(Order(rows), (std::vector<int>{4, 3, 2, 1}));
}

TEST(SelectionUndersized, KeepsTheLargestAndTheLastOfEqualOnes) {
    OfferList offers;
    offers.Add(Product(1, 9000), false);
    offers.Add(Product(2, 9500), false);
    offers.Add(Product(3, 9200), false);
    offers.Add(Product(4, 12000), true);
    offers.Add(Product(5, 9500), false);
    ASSERT_TRUE(offers.undersized);
    EXPECT_EQ(offers.undersized->product, 5);
    EXPECT_EQ(Order(offers.suitable), (std::vector<int>{4}));

    // An empty row 0 counts as 0, so even a product rated at 0 takes it.
    OfferList zero;
    zero.Add(Product(7, 0), false);
    ASSERT_TRUE(zero.undersized);
}

struct ChoiceCase {
    const char* what;
    double undersized; // 0: none
    std::vector<double> suitable;
    int expected;
};

class ChoiceRule : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(ChoiceRule, TenThousandRequiredWithTenPercentUnderRange) {
    const ChoiceCase& c = GetParam();
    OfferList offers;
    if (c.undersized > 0) offers.Add(Product(9, c.undersized), false);
    int row = 1;
    for (double capacity : c.suitable)
        offers.Add(Product(row++, capacity), true);
    SortByCapacity(offers.suitable);
    const float lowest = LowestAcceptable(10000, 10);
    ASSERT_EQ(lowest, 9000.0f);
    EXPECT_EQ(ChooseRow(offers, 10000, lowest), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Selection, ChoiceRule,
    ::testing::Values(
        ChoiceCase{"9,500 is above 9,000 and closer than 12,000", 9500, {15000, 12000}, 0},
        ChoiceCase{"8,500 does not exceed 9,000", 8500, {12000, 15000}, 1},
        ChoiceCase{"exactly 9,000 does not exceed 9,000", 9000, {10100}, 1},
        ChoiceCase{"equal distances choose the suitable one", 9500, {10500}, 1},
        ChoiceCase{"9,500 farther than 10,200", 9500, {10200}, 1},
        ChoiceCase{"nothing suits, 9,500 is close enough", 9500, {}, 0},
        ChoiceCase{"nothing suits, 8,500 is too small", 8500, {}, -1},
        ChoiceCase{"no candidates at all", 0, {}, -1},
        ChoiceCase{"only suitable ones", 0, {12000}, 1}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(SelectionKeys, CondensingKeyAndDesignAmbient) {
    EXPECT_EQ(CondensingKey("Aa", "4", "O", "3"), "A4O3");
    EXPECT_EQ(CondensingKey("Wc", "9", "I", "1S"), "W9I1S");
    EXPECT_EQ(CondensingKey("", "", "", ""), "");

    EXPECT_EQ(DesignAmbient("Aa", 95, 105, '.'), 95.0f);
    EXPECT_EQ(DesignAmbient("A-", 95, 105, '.'), 95.0f);
    EXPECT_EQ(DesignAmbient("Wc", 95, 105, '.'), 105.0f);
    EXPECT_EQ(DesignAmbient("A90", 95, 105, '.'), 90.0f);
    EXPECT_EQ(DesignAmbient("A92,5", 95, 105, ','), 92.5f);
    // The rule letters are compared as written; anything else that is no number gives 0.
    EXPECT_EQ(DesignAmbient("AA", 95, 105, '.'), 0.0f);
    EXPECT_EQ(DesignAmbient("", 95, 105, '.'), 0.0f);
}

} // namespace
} // namespace tw
