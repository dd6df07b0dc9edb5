// SPDX-License-Identifier: MIT
// Capacities of condensing units from their rating points (rated and interpolated points,
// points outside the model's own table) and of coolers, and the mains-frequency factors.
#include "select/capacity.h"

#include <gtest/gtest.h>
#include <vector>

namespace tw {
namespace {

// Three models side by side in one rating file. The middle one is rated at suction 20 and
// 10 °F, ambients 80, 90 and 100 °F; its neighbours carry capacities that no interpolation of
// the middle model's own points can give, so a foreign read shows at once.
class RatingTable : public ::testing::Test {
protected:
    RatingTable() {
        ratings = {{},
                   {0, 40, 90, 900000},
                   {0, 40, 100, 880000}, // model 1
                   {0, 20, 80, 12000},
                   {0, 20, 90, 11000},
                   {0, 20, 100, 10000}, // model 2
                   {0, 10, 80, 9000},
                   {0, 10, 90, 8200},
                   {0, 10, 100, 7400},
                   {0, 0, 80, 600000},
                   {0, 0, 90, 580000}, // model 3
                   {}};
        middle.firstRating = 3;
        middle.ratingCount = 6;
        middle.pointsPerBlock = 3;
    }
    std::int32_t At(float sst, float ambient, float factor = 1.0f) const {
        return CondensingCapacity(ratings, middle, sst, ambient, factor);
    }
    std::vector<CRating> ratings;
    CModel middle;
};

TEST_F(RatingTable, RatedPointsAreReadAsTheyStand) {
    EXPECT_EQ(At(20, 90), 11000);
    EXPECT_EQ(At(10, 100), 7400);
    EXPECT_EQ(At(20, 80), 12000);
    // Suction and ambient are matched to the block after rounding to whole degrees.
    EXPECT_EQ(At(20.4f, 89.6f), 11000);
}

TEST_F(RatingTable, InterpolatesInAmbientSuctionOrBoth) {
    EXPECT_EQ(At(20, 85), 11500); // along the ambient of one block
    EXPECT_EQ(At(15, 90), 9600);  // between the blocks at a rated ambient
    EXPECT_EQ(At(15, 95), 9150);  // 10500 above, 7800 below
    // 11250 above and 8400 below at 87.5 °F give 10537.5 at 17.5 °F, cut to a whole number.
    EXPECT_EQ(At(17.5f, 87.5f), 10537);
}

TEST_F(RatingTable, TheFrequencyFactorScalesInSinglePrecision) {
    // 0.83 × 11000 is 9130 in single precision (a double product would fall just below).
    EXPECT_EQ(At(20, 90, 0.83f), 9130);
    EXPECT_EQ(At(17.5f, 87.5f, 0.83f), 8746);
}

TEST_F(RatingTable, PointsOutsideTheModelsTableGiveZeroWithoutForeignRatings) {
    EXPECT_EQ(At(25, 90), 0); // above the first block: the model before holds 40 °F
    EXPECT_EQ(At(5, 90), 0);  // below the last block: the model after holds 0 °F
    EXPECT_EQ(At(20, 75), 0); // below the lowest rated ambient
    EXPECT_EQ(At(15, 75), 0);
    EXPECT_EQ(At(20, 105), 0); // above the highest rated ambient
    EXPECT_EQ(At(15, 105), 0);
}

TEST_F(RatingTable, ModelsWithoutUsablePointsGiveZero) {
    const CModel empty; // the record after the last model: no points, no blocks
    EXPECT_EQ(CondensingCapacity(ratings, empty, 20, 90, 1.0f), 0);

    CModel pastTheEnd = middle; // claims points beyond the end of the file
    pastTheEnd.firstRating = 9;
    EXPECT_EQ(CondensingCapacity(ratings, pastTheEnd, 0, 90, 1.0f), 580000);
    EXPECT_EQ(CondensingCapacity(ratings, pastTheEnd, 0, 100, 1.0f), 0);

    CModel beforeTheStart = middle;
    beforeTheStart.firstRating = 0;
    EXPECT_EQ(CondensingCapacity(ratings, beforeTheStart, 20, 90, 1.0f), 0);
}

TEST(CoolerCapacity, FollowsTheSuctionCorrectionOfTheTenDegreeRating) {
    // K(25 °F) = 0.94857 + 0.0916675 - 0.0327381 = 1.0074994: 12089.99 + 0.5 → 12090.
    EXPECT_EQ(CoolerCapacity(25, 10, 12000, 1.0f), 12090.0f);
    EXPECT_EQ(CoolerCapacity(25, 10, 12000, 0.92f), 11123.0f);
    // K(-20 °F) = 0.8542836; at 8 °F TD: 6834.27 + 0.5 → 6834.
    EXPECT_EQ(CoolerCapacity(-20, 8, 10000, 1.0f), 6834.0f);
    EXPECT_EQ(CoolerCapacity(25, 10, 0, 1.0f), 0.0f);
}

TEST(FrequencyFactor, AFinalSOfEitherCaseMeansSixtyHertz) {
    EXPECT_TRUE(IsSixtyHertz("3S"));
    EXPECT_TRUE(IsSixtyHertz("1s"));
    EXPECT_TRUE(IsSixtyHertz("As"));
    EXPECT_FALSE(IsSixtyHertz("3"));
    EXPECT_FALSE(IsSixtyHertz("S3"));
    EXPECT_FALSE(IsSixtyHertz(""));
    EXPECT_EQ(FrequencyFactor("3s", 0.83f, 1.0f), 1.0f);
    EXPECT_EQ(FrequencyFactor("3", 0.83f, 1.0f), 0.83f);
}

TEST(ModelRanges, BoundsBelongToTheRanges) {
    CModel m;
    m.minAmbient = 50;
    m.maxAmbient = 120;
    m.minSuction = -10;
    m.maxSuction = 30;
    m.minCapacity = 900;
    m.maxCapacity = 13400;
    EXPECT_TRUE(InsideModelRanges(m, 50, -10, 900));
    EXPECT_TRUE(InsideModelRanges(m, 120, 30, 13400));
    EXPECT_FALSE(InsideModelRanges(m, 49.9f, 20, 5000));
    EXPECT_FALSE(InsideModelRanges(m, 90, 30.1f, 5000));
    EXPECT_FALSE(InsideModelRanges(m, 90, 20, 13401));
    EXPECT_FALSE(InsideModelRanges(m, 90, 20, 899));
}

} // namespace
} // namespace tw
