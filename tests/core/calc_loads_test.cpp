// SPDX-License-Identifier: MIT
// The box, product and miscellaneous loads and the design load as plain functions: the worked
// numbers to the unit, and the items that must be skipped rather than divide by zero.
#include "calc/box_load.h"
#include "calc/misc_load.h"
#include "calc/product_load.h"

#include <cmath>
#include <gtest/gtest.h>
#include <ostream>

namespace tw {
namespace {

// --- Box load -------------------------------------------------------------------------------

SurfaceInput Surface(double area, double thickness, double k, double outer, bool own = true) {
    SurfaceInput s;
    s.usable = true;
    s.ownTemperature = own;
    s.area = area;
    s.thickness = thickness;
    s.kFactor = k;
    s.outerTemp = outer;
    return s;
}

TEST(BoxLoad, RoomVolumeIsFloorAreaTimesMeanWallHeight) {
    EXPECT_FLOAT_EQ(RoomVolume(200, {10, 10, 12, 12}), 2200);
    EXPECT_FLOAT_EQ(RoomVolume(100, {10, 10, 10, 10, 11, 11}), 1033.33f);
    EXPECT_FLOAT_EQ(RoomVolume(17.4, {2.5, 2.5, 2.5, 2.5}), 43.5f);
}

TEST(BoxLoad, WorkedSurfaceGivesNineThousandOneHundredTwentyADay) {
    // ΔT = 95 (outer 95 °F, room 0 °F), A = 100 ft², 4 in of insulation of K 0.16.
    EXPECT_EQ(SurfaceDailyLoad(95, 100, 0.16, 4), 9120);
    BoxLoadResult r = BoxLoad({Surface(100, 4, 0.16, 95)}, 0, 16);
    ASSERT_EQ(r.hourly.size(), 1u);
    EXPECT_EQ(r.hourly[0], 570);
    EXPECT_EQ(r.totalDaily, 9120);
    EXPECT_EQ(r.totalHourly, 570);
}

TEST(BoxLoad, DoorsAndWindowsTakeTheTemperatureDifferenceOfTheSurfaceBefore) {
    // The second surface's own outer temperature is ignored: it sits in the wall before it.
    BoxLoadResult r = BoxLoad({Surface(100, 4, 0.16, 95), Surface(20, 2, 0.5, -100, false)}, 0, 24);
    EXPECT_EQ(*r.daily[1], std::floor(95.0 * 20 * 24 * 0.5 / 2));
    // As the first surface it has no wall before it: ΔT = 0, no load.
    BoxLoadResult first = BoxLoad({Surface(20, 2, 0.5, 95, false)}, 0, 24);
    EXPECT_EQ(*first.daily[0], 0);
}

TEST(BoxLoad, WarmerInsideLowersTheTotalAndIntRoundsDown) {
    BoxLoadResult r = BoxLoad({Surface(100, 4, 0.16, 95), Surface(10, 4, 0.16, -10)}, 0, 16);
    // -10 × 10 × 24 × 0.16 / 4 = -96 exactly; per hour Int(-96 / 16) = -6.
    EXPECT_EQ(*r.daily[1], -96);
    EXPECT_EQ(r.hourly[1], -6);
    EXPECT_EQ(r.totalDaily, 9024);
    EXPECT_EQ(r.totalHourly, 564);
    // Int(x + 0.5) of a negative half rounds up: -2.5 → -2.
    BoxLoadResult negative = BoxLoad({Surface(10, 4, 0.25, -10)}, 0, 60);
    EXPECT_EQ(negative.totalDaily, -150);
    EXPECT_EQ(negative.totalHourly, -2);
}

TEST(BoxLoad, AZeroThicknessOrAnUnreadableSurfaceCarriesNoLoad) {
    SurfaceInput unreadable;
    BoxLoadResult r =
        BoxLoad({Surface(100, 0, 0.16, 95), unreadable, Surface(100, 4, 0.16, 95)}, 0, 16);
    EXPECT_FALSE(r.daily[0]);
    EXPECT_FALSE(r.daily[1]);
    EXPECT_EQ(r.hourly[0], 0);
    EXPECT_EQ(r.hourly[1], 0);
    EXPECT_EQ(r.totalHourly, 570);
}

TEST(BoxLoad, NoRunTimeGivesNoPerHourFigures) {
    BoxLoadResult r = BoxLoad({Surface(100, 4, 0.16, 95)}, 0, 0);
    EXPECT_TRUE(r.hourly.empty());
    EXPECT_FALSE(r.totalHourly);
    EXPECT_EQ(r.totalDaily, 9120);
}

// --- Product load ---------------------------------------------------------------------------

ProductInput Product(double t1, double t2, std::optional<double> tf) {
    ProductInput p;
    p.weight = 1000;
    p.entering = t1;
    p.final = t2;
    p.pullDown = 24;
    p.freezingPoint = tf;
    p.heatAbove = 0.9;
    p.heatBelow = 0.45;
    p.waterContent = 80;
    return p;
}

struct ProductCase {
    const char* what;
    ProductInput input;
    double cool, freeze, subcool;
};
void PrintTo(const ProductCase& c, std::ostream* os) {
    *os << c.what;
}
class ProductCases : public ::testing::TestWithParam<ProductCase> {};

TEST_P(ProductCases, CoolFreezeAndSubcool) {
    const auto& c = GetParam();
    ProductLoadTerms q = ProductLoad(c.input, 144);
    EXPECT_NEAR(q.cool, c.cool, 1e-6);
    EXPECT_NEAR(q.freeze, c.freeze, 1e-6);
    EXPECT_NEAR(q.subcool, c.subcool, 1e-6);
    EXPECT_NEAR(q.total, c.cool + c.freeze + c.subcool + q.other, 1e-6);
}

ProductInput Halved(ProductInput p) {
    p.pullDown = 12; // twice as fast: twice the load per day
    p.multiplier = 2;
    return p;
}
ProductInput NoTime(ProductInput p) {
    p.pullDown = 0;
    return p;
}

INSTANTIATE_TEST_SUITE_P(
    Product, ProductCases,
    ::testing::Values(
        ProductCase{"chilled only", Product(50, 35, 28), 13500, 0, 0},
        ProductCase{"chilled, frozen and sub-cooled", Product(50, 0, 28), 19800, 115200, 12600},
        ProductCase{"entering frozen: sub-cooling only", Product(10, 0, 28), 0, 0, 4500},
        ProductCase{"final exactly at the freezing point freezes", Product(50, 28, 28), 19800,
                    115200, 0},
        ProductCase{"no freezing point: cooled all the way", Product(50, 0, std::nullopt), 45000, 0,
                    0},
        ProductCase{"pull-down time and multiplier scale the terms", Halved(Product(50, 35, 28)),
                    54000, 0, 0},
        ProductCase{"no pull-down time: no temperature terms", NoTime(Product(50, 0, 28)), 0, 0,
                    0}));

TEST(ProductLoad, HeatGivenOffIsPerWeightOnly) {
    ProductInput p = Halved(Product(50, 35, 28));
    p.respiration = 2.5;
    EXPECT_DOUBLE_EQ(ProductLoad(p, 144).other, 2500);
    p.pullDown = 0;
    EXPECT_DOUBLE_EQ(ProductLoad(p, 144).total, 2500);
}

// --- Miscellaneous load and design load -----------------------------------------------------

TEST(MiscLoad, PeopleGiveOffMoreHeatInColderRooms) {
    EXPECT_DOUBLE_EQ(PersonHeat(1292, 0), 1292);
    EXPECT_DOUBLE_EQ(PersonHeat(1292, 10), 1292 - 115);
    EXPECT_DOUBLE_EQ(PersonHeat(1292, -20), 1292 + 230);
}

TEST(MiscLoad, SumsTheItemsPerDayAndRoundsPerHour) {
    MiscLoadInput in;
    in.u10 = 0.2930711;
    in.u9 = 0.2930711;
    in.lightingPower = 341.2; // Btu/h
    in.lightingHours = 10;
    in.motorHeat = 578; // Btu/h per motor
    in.motorHours = 24;
    in.motors = 2;
    in.roomTemp = 10;
    in.people = 1;
    in.peopleHours = 2;
    in.forklifts = 1;
    in.forkliftHours = 0.5;
    in.sources[2] = {1000, 3};
    in.peoplePower = 1292;
    in.forkliftPower = 15000;
    in.runTime = 16;
    MiscLoadResult r = MiscLoad(in);
    EXPECT_NEAR(r.lights, 3412, 1e-9);
    EXPECT_DOUBLE_EQ(r.motors, 27744);
    EXPECT_DOUBLE_EQ(r.people, 2354);
    EXPECT_DOUBLE_EQ(r.forklifts, 7500);
    EXPECT_NEAR(r.sources[2], 3000, 1e-9);
    EXPECT_NEAR(r.total, 44010, 1e-6);
    EXPECT_EQ(r.hourly, 2751); // 2750.6
    in.runTime = 0;
    EXPECT_FALSE(MiscLoad(in).hourly);
}

TEST(MiscLoad, LightingPowerFromTheCeilingArea) {
    EXPECT_NEAR(*LightingPower(1, 200, 0.2930711), 682.4278, 1e-3);
    EXPECT_FALSE(LightingPower(1, 200, 0));
}

struct DesignCase {
    float total, safety;
    double expected;
};
class DesignCases : public ::testing::TestWithParam<DesignCase> {};

TEST_P(DesignCases, SafetyFactorThenIntTowardsMinusInfinity) {
    const auto& c = GetParam();
    EXPECT_EQ(DesignLoad(c.total, c.safety), c.expected) << c.total << " with " << c.safety << " %";
}

INSTANTIATE_TEST_SUITE_P(Design, DesignCases,
                         ::testing::Values(DesignCase{10000, 25, 12500},
                                           DesignCase{9999.5f, 25, 12499},
                                           DesignCase{10000, 10, 11000},
                                           DesignCase{20000, 15, 23000}, DesignCase{0, 25, 0},
                                           DesignCase{-100.5f, 0, -101}));

} // namespace
} // namespace tw
