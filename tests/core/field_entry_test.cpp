// SPDX-License-Identifier: MIT
// Typing into text fields: conversion to the stored value, the display rule, the fields that
// follow each other, the key filter and the defaults of emptied fields.
#include "entry/display_rule.h"
#include "support/installation.h"
#include "support/typing.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

using test::Focus;
using test::Installation;
using test::Type;
using test::TypeInto;

class FieldEntry : public ::testing::Test {
protected:
    Installation install;
    std::unique_ptr<FrmMain> w = install.Start();
};

TEST_F(FieldEntry, RoomTemperatureReachesTheOtherPagesAndTheRunTime) {
    TypeInto(*w, 103, "35");
    EXPECT_EQ(w->GetFieldValue(103), "35");
    EXPECT_EQ(w->GetFieldValue(312), "35");
    EXPECT_EQ(w->GetFieldValue(501), "35");
    EXPECT_EQ(w->TEXTBOX[501].Text(), "35");
    EXPECT_EQ(w->GetFieldValue(12), "16");
    // The product grid's entering and final temperatures follow the storage temperature.
    EXPECT_EQ(w->GetCellValue(300, 4, 2), "45");
    EXPECT_EQ(w->GetCellValue(300, 5, 2), "35");

    // Run time by room temperature: 16 h for coolers with off-cycle defrost, 18 h just below
    // freezing (timed defrost) and for freezers (heated defrost), so a colder room never gets a
    // smaller hourly load from its run time alone.
    TypeInto(*w, 103, "40");
    EXPECT_EQ(w->GetFieldValue(12), "16");
    TypeInto(*w, 312, "31");
    EXPECT_EQ(w->GetFieldValue(103), "31");
    EXPECT_EQ(w->GetFieldValue(12), "18");
    TypeInto(*w, 501, "-10");
    EXPECT_EQ(w->GetFieldValue(312), "-10");
    EXPECT_EQ(w->GetFieldValue(12), "18");
}

TEST_F(FieldEntry, RunTimeTypedByTheUserIsKept) {
    TypeInto(*w, 12, "18");
    EXPECT_EQ(w->LABEL[12].ForeColor, w->Colours.Override);
    TypeInto(*w, 103, "35");
    EXPECT_EQ(w->GetFieldValue(12), "18");
}

TEST_F(FieldEntry, OutsideTemperatureFollowsAndClampsTheInfiltrationTemperature) {
    struct Case {
        const char* typed;
        const char* infiltration;
    };
    for (Case c : {Case{"95", "95"}, Case{"110", "100"}, Case{"20", "40"}}) {
        TypeInto(*w, 212, c.typed);
        EXPECT_EQ(w->GetFieldValue(102), c.typed);
        EXPECT_EQ(w->GetFieldValue(600), c.infiltration) << c.typed;
    }
    TypeInto(*w, 600, "70");
    TypeInto(*w, 102, "90");
    EXPECT_EQ(w->GetFieldValue(212), "90");
    EXPECT_EQ(w->GetFieldValue(600), "70");
}

TEST_F(FieldEntry, RoomDimensionsFillTheFourWallGrid) {
    TypeInto(*w, 13, "20");
    TypeInto(*w, 14, "10");
    TypeInto(*w, 15, "8");
    EXPECT_TRUE(w->RADIO[200].Value());
    for (int c : {2, 3, 6, 7})
        EXPECT_EQ(w->GetCellValue(200, 2, c), "20") << c;
    for (int c : {4, 5})
        EXPECT_EQ(w->GetCellValue(200, 2, c), "10") << c;
    for (int c : {6, 7})
        EXPECT_EQ(w->GetCellValue(200, 3, c), "10") << c;
    for (int c : {2, 3, 4, 5})
        EXPECT_EQ(w->GetCellValue(200, 3, c), "8") << c;
}

TEST_F(FieldEntry, CondensingUnitCountIsCopiedToTheCoolerCountAndTheReminderIsRemembered) {
    TypeInto(*w, 522, "2");
    EXPECT_EQ(w->GetFieldValue(542), "2");
    TypeInto(*w, 805, "14");
    EXPECT_EQ(w->GetSetting("TextBox805", ""), "14");
}

TEST_F(FieldEntry, EscapeRestoresTheValueTheFieldHadOnFocus) {
    TypeInto(*w, 103, "35");
    Focus(*w, 103);
    Type(*w, w->TEXTBOX[103].ref, "0");
    EXPECT_EQ(w->GetFieldValue(103), "0");
    w->PressKey(w->TEXTBOX[103].ref, 27);
    EXPECT_EQ(w->GetFieldValue(103), "35");
    EXPECT_EQ(w->TEXTBOX[103].Text(), "35");
}

TEST_F(FieldEntry, EnterMovesOnWithoutTypingAnything) {
    Focus(*w, 103);
    w->PressKey(w->TEXTBOX[103].ref, 13);
    EXPECT_NE(w->ActiveControl(), w->TEXTBOX[103].ref);
}

TEST(KeyFilter, AcceptsOnlyTheMachinesDecimalSeparatorOnceAndALeadingMinus) {
    for (char separator : {'.', ','}) {
        Installation install;
        install.Machine().SetDecimalSeparator(separator);
        auto w = install.Start();
        const char foreign = separator == '.' ? ',' : '.';
        Focus(*w, 103);
        TextBox& box = w->TEXTBOX[103];
        box.SelStart = 0;
        box.SelLength = static_cast<int>(box.Text().size());
        std::string typed = std::string("-1") + foreign + separator + "5" + separator + "-x";
        Type(*w, box.ref, typed);
        EXPECT_EQ(box.Text(), std::string("-1") + separator + "5") << separator;
        EXPECT_FLOAT_EQ(w->FieldNumber(103), -1.5f);
        // Text fields take every key.
        Focus(*w, 0);
        w->TEXTBOX[0].SelLength = static_cast<int>(w->TEXTBOX[0].Text().size());
        Type(*w, w->TEXTBOX[0].ref, "A-1,.x");
        EXPECT_EQ(w->TEXTBOX[0].Text(), "A-1,.x");
    }
}

TEST(DisplayRule, RoundsAndShowsWholeNumbersAboveAThousand) {
    const std::optional<ShownUnit> internal = ShownUnit{"Btu/h", "0.2930711", "Btu/h", "LOADH"};
    struct Case {
        const char* stored;
        int field;
        const char* shown;
    };
    for (Case c : {Case{"1000.4", 16, "1000.4"}, Case{"1000.6", 16, "1001"},
                   Case{"12.345", 16, "12.35"}, Case{"12.34", 561, "12.3"},
                   Case{"12.34", 502, "12.3"}, Case{"abc", 16, "abc"}, Case{"1e30", 16, "1e30"}}) {
        EXPECT_EQ(NumberDisplayText(c.stored, internal, c.field, '.'), c.shown) << c.stored;
    }
    // The one-decimal rule yields to FTOC: a balance SST in °C keeps two decimals.
    const std::optional<ShownUnit> celsius = ShownUnit{"°F", "FTOC", "°C", "TEMPERATURE"};
    EXPECT_EQ(NumberDisplayText("68", celsius, 561, '.'), "20");
    EXPECT_EQ(NumberDisplayText("10", celsius, 561, '.'), "-12.22");
    EXPECT_EQ(NumberDisplayText("1.5", std::nullopt, 0, ','), "1,5");
    // A temperature difference in kelvin is a difference, not a temperature.
    const std::optional<ShownUnit> kelvin = ShownUnit{"°F", "0.5555556", "K", "TEMPDIFF"};
    EXPECT_EQ(NumberDisplayText("10", kelvin, 502, '.'), "5.6");
    EXPECT_EQ(StoredFromTyped("20", celsius, '.'), "68");
    EXPECT_EQ(StoredFromTyped("5", kelvin, '.'), "8.99999928000006");
    EXPECT_EQ(StoredFromTyped("x", celsius, '.'), "x");
}

TEST_F(FieldEntry, UnitLabelSwitchesTheShownValueBothWays) {
    TypeInto(*w, 103, "68");
    w->UNITS_Click(103);
    EXPECT_EQ(w->UNITS[103].Caption(), "°C");
    EXPECT_EQ(w->TEXTBOX[103].Text(), "20");
    EXPECT_EQ(w->GetFieldValue(103), "68");
    TypeInto(*w, 103, "20");
    EXPECT_EQ(w->GetFieldValue(103), "68");
    w->UNITS_Click(103);
    EXPECT_EQ(w->UNITS[103].Caption(), "°F");
    EXPECT_EQ(w->TEXTBOX[103].Text(), "68");
}

TEST_F(FieldEntry, UnknownUnitKindLeavesValuesAlone) {
    w->UNITS[16].Tag = "FURLONGS";
    w->UNITS_Click(16);
    w->SetFieldValue(16, "12.345");
    EXPECT_EQ(w->TEXTBOX[16].Text(), "12.35");
    EXPECT_EQ(w->GetFieldValue(16), "12.345");
}

TEST_F(FieldEntry, UnitSystemSwitchesEveryLabelAndTheGridsThroughTheirMasters) {
    TypeInto(*w, 103, "35");
    TypeInto(*w, 212, "95");
    TypeInto(*w, 13, "20");
    w->RADIO[843].SetValue(true);
    EXPECT_EQ(w->GetSetting("ImperialTemperature", ""), "False");
    for (int n : {102, 103, 212, 312, 501, 600})
        EXPECT_EQ(w->UNITS[n].Caption(), "°C") << n;
    EXPECT_EQ(w->UNITS[502].Caption(), "K");
    EXPECT_EQ(w->TEXTBOX[103].Text(), "1.67");
    EXPECT_EQ(w->MSFlexGrid[300].TextMatrix(5, 1), "°C");
    EXPECT_EQ(w->MSFlexGrid[300].TextMatrix(5, 2), "1.67");
    EXPECT_EQ(w->GetCellValue(300, 5, 2), "35.006");

    w->RADIO[841].SetValue(true);
    EXPECT_EQ(w->UNITS[13].Caption(), "m");
    EXPECT_EQ(w->UNITS[213].Caption(), "m³");
    EXPECT_EQ(w->MSFlexGrid[200].TextMatrix(2, 1), "m");
    EXPECT_EQ(w->MSFlexGrid[200].TextMatrix(2, 2), "6.096");
    EXPECT_EQ(w->GetCellValue(200, 2, 2), "20");
}

TEST_F(FieldEntry, EmptiedRunTimeTakesTheDefaultOfTheRoomTemperature) {
    struct Case {
        const char* room;
        const char* runTime;
    };
    // The same tiers as a changed room temperature gives; no suggestion below -30 °F.
    for (Case c : {Case{"35", "16"}, Case{"31", "18"}, Case{"-10", "18"}, Case{"-25", "18"},
                   Case{"-35", ""}}) {
        w->SetFieldValue(103, c.room);
        TypeInto(*w, 12, "");
        EXPECT_EQ(w->GetFieldValue(12), c.runTime) << c.room;
    }
    TypeInto(*w, 102, "90");
    TypeInto(*w, 500, "");
    EXPECT_EQ(w->GetFieldValue(500), "90");
    TypeInto(*w, 406, "");
    EXPECT_EQ(w->GetFieldValue(406), "0");
}

TEST_F(FieldEntry, UserDetailsAreRememberedWithoutACalculation) {
    TypeInto(*w, 700, "Ada Frost");
    EXPECT_EQ(w->GetSetting("TextBox700", ""), "Ada Frost");
    EXPECT_FALSE(w->JobModified);
    TypeInto(*w, 0, "Cold store 1");
    EXPECT_TRUE(w->JobModified);
    EXPECT_TRUE(w->BUTT[11].Visible);
}

} // namespace
} // namespace tw
