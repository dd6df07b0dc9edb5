// SPDX-License-Identifier: MIT
// The infiltration load: the moist-air enthalpy it reads from the shipped saturated-air table,
// checked against the standard psychrometric formulas with saturation pressures of their own;
// a hand-computed case of every method; the method choice; and loads the user typed over.
#include "calc/data_table.h"
#include "calc/infiltration_load.h"
#include "calc/look_ups.h"
#include "shell/text_file.h"
#include "support/installation.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace tw {
namespace {

// --- Reference psychrometrics at 14.696 psia (101325 Pa), perfect-gas relations -----------

double Kelvin(double f) {
    return (f - 32) / 1.8 + 273.15;
}

// Saturation vapour pressure in Pa: over liquid water by Wagner and Pruss (2002), over ice
// by Wagner, Riethmann, Feistel and Harvey (2011), the IAPWS equations.
double SaturationPressure(double f) {
    const double t = Kelvin(f);
    if (f >= 32) {
        const double tc = 647.096, pc = 22.064e6, tau = 1 - t / tc;
        const double sum = -7.85951783 * tau + 1.84408259 * std::pow(tau, 1.5) -
                           11.7866497 * std::pow(tau, 3) + 22.6807411 * std::pow(tau, 3.5) -
                           15.9618719 * std::pow(tau, 4) + 1.80122502 * std::pow(tau, 7.5);
        return pc * std::exp(tc / t * sum);
    }
    const double theta = t / 273.16;
    const double sum = -21.2144006 * std::pow(theta, 0.00333333333) +
                       27.3203819 * std::pow(theta, 1.20666667) -
                       6.10598130 * std::pow(theta, 1.70333333);
    return 611.657 * std::exp(sum / theta);
}

// h = 0.240 t + W (1061 + 0.444 t) Btu/lb dry air, W = 0.621945 pw / (p − pw), pw = φ pws.
double ReferenceEnthalpy(double f, double rh, double pws) {
    const double pw = rh * pws;
    const double w = 0.621945 * pw / (101325 - pw);
    return 0.240 * f + w * (1061 + 0.444 * f);
}

// Agreement within 0.5 %; where the enthalpy passes through zero (around 0 °F) 0.5 % of
// 1 Btu/lb, the size of the moisture term there.
bool Agrees(double h, double reference) {
    return std::abs(h - reference) <= 0.005 * std::max(std::abs(reference), 1.0);
}

class SaturatedAirTable : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        auto file = OpenTextFile(test::SourceDir() / "opdata" / "TableF.data");
        ASSERT_TRUE(file);
        ReadDataTable(*file, '.', table);
    }
    // The enthalpy exactly as the infiltration load computes it.
    static double Enthalpy(float f, float rh) {
        SaturatedAir air{TableFLookUp(table, f, 2, '.'), TableFLookUp(table, f, 3, '.'),
                         TableFLookUp(table, f, 4, '.')};
        return MoistAirEnthalpy(air, rh, 0.621945f);
    }
    static DataTable table;
};
DataTable SaturatedAirTable::table;

TEST_F(SaturatedAirTable, EnthalpyAgreesWithThePsychrometricFormulasFromMinus40To120) {
    int checked = 0;
    double worst = 0;
    for (int quarter = -160; quarter <= 480; ++quarter) {
        const float f = static_cast<float>(quarter) / 4.0f;
        for (float rh : {0.0f, 0.3f, 0.5f, 0.85f, 1.0f}) {
            const double reference = ReferenceEnthalpy(f, rh, SaturationPressure(f));
            const double h = Enthalpy(f, rh);
            EXPECT_TRUE(Agrees(h, reference))
                << "t = " << f << " °F, RH " << rh << ": " << h << " against " << reference;
            worst = std::max(worst, std::abs(h - reference) / std::max(std::abs(reference), 1.0));
            ++checked;
        }
    }
    EXPECT_EQ(checked, 641 * 5);
    RecordProperty("WorstRelativeDeviation", std::to_string(worst));
}

TEST_F(SaturatedAirTable, AFreezerAtMinus18CelsiusReadsBetweenTheRowsAroundZero) {
    // −18 °C is −0.4 °F, between the rows −1 and 0 °F.
    const double reference = ReferenceEnthalpy(-0.4, 0.85, SaturationPressure(-0.4));
    EXPECT_TRUE(Agrees(Enthalpy(-0.4f, 0.85f), reference)) << Enthalpy(-0.4f, 0.85f);
    EXPECT_TRUE(
        Agrees(Enthalpy(0.4f, 0.85f), ReferenceEnthalpy(0.4, 0.85, SaturationPressure(0.4))));
}

TEST_F(SaturatedAirTable, SaturatedAirAtPublishedSaturationPressures) {
    // Saturation pressures at −20 °C (over ice), −5 °C (over ice), 5 °C and 25 °C as
    // tabulated in ASHRAE Handbook - Fundamentals, chapter Psychrometrics.
    struct Point {
        float f;
        double pws;
    };
    for (const Point& p :
         {Point{-4, 103.26}, Point{23, 401.76}, Point{41, 872.60}, Point{77, 3169.9}}) {
        const double reference = ReferenceEnthalpy(p.f, 1.0, p.pws);
        EXPECT_TRUE(Agrees(Enthalpy(p.f, 1.0f), reference))
            << p.f << " °F: " << Enthalpy(p.f, 1.0f) << " against " << reference;
        // The independent pressure formulas agree with the published values too.
        EXPECT_NEAR(SaturationPressure(p.f), p.pws, 0.001 * p.pws) << p.f << " °F";
    }
}

// --- The infiltration load ------------------------------------------------------------------

// Round numbers: saturated outside air of enthalpy 45, saturated room air of enthalpy 1.
InfiltrationConstants RoundConstants() {
    InfiltrationConstants k;
    k.internalRH = 100;
    k.estimatedRH = 100;
    k.ventConstant = 4.5f;
    k.dockPower = 13;
    return k;
}

InfiltrationInput Room() {
    InfiltrationInput in;
    in.volume = 1440;
    in.roomTemp = 34;
    in.outsideTemp = 70;
    in.outside = {0.02f, 20, 25};
    in.room = {0.001f, 0, 1};
    in.airChanges = 10;
    in.usageFactor = 1;
    in.doorTimeFactor = 1;
    in.doorWidth = 4;
    in.doorHeight = 9;
    in.doorFlowFactor = 1;
    in.doorRH = 100;
    in.doorProtection = 0.5f;
    in.ventilationFlow = 100;
    in.ventilationRH = 100;
    in.glassDoors = 2;
    in.glassDoorLoad = 800;
    in.dockDoors = 1;
    in.runTime = 16;
    return in;
}

TEST(InfiltrationLoad, EnthalpyAtTheEndsOfTheHumidityRange) {
    SaturatedAir air{0.02f, 20, 25};
    EXPECT_FLOAT_EQ(MoistAirEnthalpy(air, 1, 0.621945f), 45);
    EXPECT_FLOAT_EQ(MoistAirEnthalpy(air, 0, 0.621945f), 20);
}

TEST(InfiltrationLoad, EveryMethodByHand) {
    InfiltrationInput in = Room();
    in.doorMethod = true;
    InfiltrationResult r = InfiltrationLoad(in, RoundConstants());
    // 1440 ft³ × 10 changes a day = 10 cfm; 4.5 × 24 × 10 × (45 − 1).
    EXPECT_NEAR(r.airChange, 47520, 0.01);
    // 4.88 × √9 × √36 = 87.84 ft/min through half the 4 × 9 ft door, halved by curtains.
    EXPECT_NEAR(r.velocity, 87.84, 1e-4);
    EXPECT_NEAR(r.door, 4.5 * 18 * 87.84 * 44 * 0.5, 0.05);
    EXPECT_NEAR(r.ventilation, 475200, 0.1);
    EXPECT_NEAR(r.glassDoors, 38400, 1e-3);
    EXPECT_NEAR(r.dockDoors, 13 * 6 * 4.5 * 44 * 24, 0.1);
    // The door method: door + glass doors + dock doors, per hour, rounded after dividing.
    EXPECT_NEAR(r.total, 565586.88, 0.1);
    EXPECT_EQ(r.totalHourly, 35349);
    // The other methods' figures are shown all the same.
    EXPECT_NEAR(*r.airChangeHourly, 2970, 1e-3);
    EXPECT_FLOAT_EQ(*r.doorHourly, 156531.0f / 16);
    EXPECT_FLOAT_EQ(*r.glassDoorsHourly, 2400);
}

TEST(InfiltrationLoad, NoUsageNoAirChangesAndNoTemperatureDifferenceNoDoorAir) {
    InfiltrationInput in = Room();
    in.usageFactor = 0;
    in.outsideTemp = in.roomTemp;
    InfiltrationResult r = InfiltrationLoad(in, RoundConstants());
    EXPECT_EQ(r.airChange, 0);
    EXPECT_EQ(r.velocity, 0);
    EXPECT_EQ(r.door, 0);
    EXPECT_EQ(r.dockDoors, 0);
    // Outside air colder than the room (the input check stops that before a calculation)
    // moves no air either, rather than taking a root of a negative number.
    in.outsideTemp = in.roomTemp - 10;
    r = InfiltrationLoad(in, RoundConstants());
    EXPECT_EQ(r.door, 0);
    EXPECT_EQ(r.dockDoors, 0);
    EXPECT_TRUE(std::isfinite(*r.totalHourly));
}

TEST(InfiltrationLoad, TheLastChosenMethodWinsAndNoneLeavesTheDoorsOnly) {
    InfiltrationInput in = Room();
    InfiltrationResult none = InfiltrationLoad(in, RoundConstants());
    EXPECT_NEAR(none.total, none.glassDoors + none.dockDoors, 0.1);
    in.airChangeMethod = in.doorMethod = in.ventilationMethod = true;
    InfiltrationResult all = InfiltrationLoad(in, RoundConstants());
    EXPECT_NEAR(all.total, all.glassDoors + all.ventilation + all.dockDoors, 0.1);
}

TEST(InfiltrationLoad, ATypedOverMethodLoadCountsInTheTotal) {
    InfiltrationInput in = Room();
    in.doorMethod = true;
    in.typedDoorLoad = 1000; // per hour, over a 16-hour day
    InfiltrationResult r = InfiltrationLoad(in, RoundConstants());
    EXPECT_NEAR(r.total, 38400 + 16000 + r.dockDoors, 0.1);
    EXPECT_EQ(r.totalHourly, std::floor((38400 + 16000 + r.dockDoors) / 16 + 0.5f));
    // The computed door load is still there to show.
    EXPECT_NEAR(r.door, 4.5 * 18 * 87.84 * 44 * 0.5, 0.05);
    // A typed figure of a method that is not chosen changes nothing.
    in.typedAirChangeLoad = 5;
    in.typedVentilationLoad = 7;
    EXPECT_FLOAT_EQ(InfiltrationLoad(in, RoundConstants()).total, r.total);
    in.doorMethod = false;
    in.ventilationMethod = true;
    EXPECT_NEAR(InfiltrationLoad(in, RoundConstants()).total, 38400 + 7 * 16 + r.dockDoors, 0.1);
}

TEST(InfiltrationLoad, NoRunTimeNoPerHourFigures) {
    InfiltrationInput in = Room();
    in.runTime = 0;
    InfiltrationResult r = InfiltrationLoad(in, RoundConstants());
    EXPECT_FALSE(r.totalHourly);
    EXPECT_FALSE(r.doorHourly);
}

} // namespace
} // namespace tw
