// SPDX-License-Identifier: MIT
// The balance point as the intersection of the condensing units' and the coolers' capacity
// lines, on a pair computed by hand, and the cases without a single intersection.
#include "select/balance_point.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

// Condensing units: 13,000 Btu/h at 25 °F, 10,500 at 20 °F, so SST = Q / 500 - 1.
// Coolers: 12,000 Btu/h at 10 °F TD in a 35 °F room, so SST = 35 - Q / 1200.
BalanceInput HandComputedPair() {
    BalanceInput in;
    in.room = 35;
    in.sst = 25;
    in.sst2 = 20;
    in.condensingAtSst = 13000;
    in.condensingAtSst2 = 10500;
    in.coolersAt10 = 12000;
    return in;
}

TEST(BalancePoint, SecondSuctionTurnsUpwardsAtTheLowestAcceptedSuction) {
    EXPECT_EQ(SecondSuction(25, -10), 20.0f);
    EXPECT_EQ(SecondSuction(16, 10), 11.0f);
    EXPECT_EQ(SecondSuction(15, 10), 20.0f); // 10 is at the limit
    EXPECT_EQ(SecondSuction(-35, -40), -30.0f);
}

TEST(BalancePoint, IntersectsTheLinesOfAHandComputedPair) {
    // The lines meet at Q = 36 · 6000 / 17 = 12,705.88 and SST = 24.4118 °F, TD = 10.5882 °F.
    BalanceInput in = HandComputedPair();
    const auto point = IntersectCapacityLines(in);
    ASSERT_TRUE(point);
    EXPECT_NEAR(point->capacity, 12705.88, 0.05);
    EXPECT_NEAR(point->sst, 24.4118, 0.0005);
    EXPECT_NEAR(point->td, 10.5882, 0.0005);

    // The upward second point of a low suction gives the same lines.
    in.sst2 = 30;
    in.condensingAtSst2 = 15500;
    const auto upward = IntersectCapacityLines(in);
    ASSERT_TRUE(upward);
    EXPECT_NEAR(upward->capacity, 12705.88, 0.05);
    EXPECT_NEAR(upward->sst, 24.4118, 0.0005);
}

TEST(BalancePoint, NoSingleIntersectionGivesNothing) {
    BalanceInput in = HandComputedPair();
    in.coolersAt10 = 0; // a cooler rated at 0
    EXPECT_FALSE(IntersectCapacityLines(in));

    in.coolersAt10 = 12000;
    in.condensingAtSst2 = 13000; // the same capacity at both suction temperatures
    EXPECT_FALSE(IntersectCapacityLines(in));

    // Parallel lines: the condensing line falls as steeply as the cooler line.
    in.condensingAtSst = 10000;
    in.condensingAtSst2 = 16000;
    EXPECT_FALSE(IntersectCapacityLines(in));
}

} // namespace
} // namespace tw
