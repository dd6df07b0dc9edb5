// SPDX-License-Identifier: MIT
// Field codes expanded on the started window with the template job: every kind of code, and
// the codes that stand for nothing or fail.
#include "support/installation.h"

#include <gtest/gtest.h>

namespace tw::test {
namespace {

class FieldCodes : public ::testing::Test {
protected:
    Installation installation;
    std::unique_ptr<FrmMain> w = installation.Start();

    std::string X(const std::string& code) { return w->ExpandField(code); }
};

TEST_F(FieldCodes, ReadFieldsCaptionsUnitsFramesAndStrings) {
    w->TEXTBOX[105].SetText("Oslo");
    w->TEXTBOX[106].SetText("Norway");
    EXPECT_EQ(X("T103"), "35");
    EXPECT_EQ(X("M103"), "35");
    EXPECT_EQ(X("L103"), "Room temperature");
    EXPECT_EQ(X("U103"), "°F");
    EXPECT_EQ(X("U105"), "");
    EXPECT_EQ(X("F501"), "Condensing unit location");
    EXPECT_EQ(X("S012"), w->StringTable[12]);
    EXPECT_EQ(X("S030"), "Refrigeration load calculation");
    EXPECT_EQ(X(":103"), "Room temperature 35");
    EXPECT_EQ(X(",105106"), "Oslo, Norway");
    // The shown texts, in the units on display.
    w->RADIO[843].SetValue(true);
    EXPECT_EQ(X("T103"), "1.67");
    EXPECT_EQ(X("U103"), "°C");
}

TEST_F(FieldCodes, TheCondensingTemperatureOnlyForUnitsRatedAtIt) {
    ASSERT_EQ(w->TEXTBOX[530].Text(), "Aa");
    EXPECT_EQ(X("T525"), "");
    EXPECT_EQ(X("M525"), w->TEXTBOX[525].Text());
    w->TEXTBOX[530].SetText("Wc");
    EXPECT_EQ(X("T525"), w->TEXTBOX[525].Text());
    EXPECT_FALSE(X("T525").empty());
}

TEST_F(FieldCodes, ProductsAndLoadsPerHourAsNumbers) {
    // Load per hour times run time: the load of a day.
    EXPECT_EQ(X("*214012"), "42368");
    w->TEXTBOX[12].SetText("16");
    w->TEXTBOX[700].SetText("2.5");
    w->TEXTBOX[701].SetText("3");
    EXPECT_EQ(X("*700701"), "7.5");
    // A day's figure divided by the run time, rounded down.
    w->TEXTBOX[702].SetText("1000");
    EXPECT_EQ(X("h702"), "62");
    w->TEXTBOX[702].SetText("N.A.");
    EXPECT_THROW(X("h702"), std::exception);
    w->TEXTBOX[12].SetText("0");
    w->TEXTBOX[702].SetText("1000");
    EXPECT_THROW(X("h702"), std::exception);
}

TEST_F(FieldCodes, RoomSizesOnlyForARectangularRoom) {
    EXPECT_EQ(X("N013"), "20");
    w->TEXTBOX[700].SetText("N.A.");
    EXPECT_EQ(X("N700"), "0");
    // A room of 6 walls has no one length, width and height: nothing, never a code.
    w->RADIO[201].SetValue(true);
    EXPECT_EQ(X("N013"), "");
    EXPECT_EQ(X("N015"), "");
    EXPECT_EQ(X("N213"), w->TEXTBOX[213].Text());
    // With the surface list off, the typed size is the room's.
    w->RADIO[204].SetValue(true);
    w->TEXTBOX[13].SetText("12");
    EXPECT_EQ(X("N013"), "12");
}

TEST_F(FieldCodes, TheFirstChosenOptionButtonFromTheNumberOn) {
    EXPECT_EQ(X("R200"), "4 walls");
    EXPECT_EQ(X("R600"), "Air-change estimate");
    w->RADIO[601].SetValue(true);
    EXPECT_EQ(X("R600"), "Door openings");
    EXPECT_EQ(X("R602"), "Normal use");
    // Past the last chosen button there is nothing to print.
    EXPECT_EQ(X("R848"), "");
}

TEST_F(FieldCodes, GridCells) {
    EXPECT_EQ(X("D0902200"), "576");
    EXPECT_EQ(X("D0201300"), "");
    EXPECT_EQ(X("D0202300"), "Apples");
    EXPECT_EQ(X("D0200200"), "Length");
    // Row 0: the number of the item, or "A" for a title that is not a number.
    EXPECT_EQ(X("D0002200"), "1");
    EXPECT_EQ(X("D0000200"), "A");
    // Past the grid's last column, nothing.
    EXPECT_EQ(X("D0208200"), "");
    EXPECT_EQ(X("D0299200"), "");
    EXPECT_THROW(X("D9902200"), std::exception);
}

TEST_F(FieldCodes, PageDateTimeAndJobFile) {
    installation.Machine().SetClock("14/05/2024", "09:30");
    w->Report.SetPage(1, 2);
    EXPECT_EQ(X("PPAGE"), "Page 1 of 2");
    EXPECT_EQ(X("PDATE"), "14/05/2024");
    EXPECT_EQ(X("PTIME"), "09:30");
    EXPECT_EQ(X("PPATH"), "");
    w->CurrentJobFile = "/home/kim/jobs/dairy.wic";
    EXPECT_EQ(X("PPATH"), "/home/kim/jobs/dairy.wic");
    EXPECT_EQ(X("PLOGO"), "");
}

TEST_F(FieldCodes, ShortUnknownOrMissingCodes) {
    for (const char* code : {"", "T", "T10", "L12", "x103", "t103", "Q103", "#103"})
        EXPECT_EQ(X(code), "") << code;
    // A control the window does not have is an error the page reports and goes past.
    EXPECT_THROW(X("T999"), NoSuchControl);
    EXPECT_THROW(X("F999"), NoSuchControl);
    EXPECT_THROW(X("D0000999"), NoSuchControl);
    EXPECT_THROW(X("S999"), std::exception);
}

} // namespace
} // namespace tw::test
