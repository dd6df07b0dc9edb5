// SPDX-License-Identifier: MIT
// The calculation on the started window: the worked numbers through the fields and grids,
// results the user typed over, the warning banner, the defaults the calculation fills in, and
// the surfaces or products it must skip rather than divide by zero.
#include "core/calc_sample_job.h"
#include "support/installation.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>

namespace tw {
namespace {

class CalcForm : public ::testing::Test {
protected:
    test::Installation install;
    std::unique_ptr<FrmMain> w = install.Start();

    CalcForm() { test::LoadSampleJob(*w); }

    std::string Field(int n) { return w->GetFieldValue(n); }
    double Number(int n) { return std::stod(w->GetFieldValue(n)); }
    std::string Cell(int g, int r, int c) { return w->GetCellValue(g, r, c); }
    // A value the user typed over the computed one.
    void Type(int n, const std::string& value) {
        w->MarkField(n, true);
        w->TEXTBOX[n].Tag = value;
    }
    void Set(int n, const std::string& value) { w->TEXTBOX[n].Tag = value; }
    void SetRoomTemperature(const std::string& t) {
        for (int n : {103, 312, 501})
            Set(n, t);
    }
    const std::string& Error(int n) { return w->ErrorTexts[static_cast<std::size_t>(n)]; }
};

TEST_F(CalcForm, WorkedBoxNumbersThroughTheGrid) {
    // Wall heights 10, 10, 12 and 12 over a floor of 20 × 10 ft: 2200 ft³.
    const char* heights[] = {"10", "10", "12", "12"};
    for (int c = 2; c <= 5; ++c)
        w->SetCellValue(200, 3, c, heights[c - 2]);
    // The first wall: 10 × 10 ft, 4 in of K 0.16 against 95 °F from a 0 °F room.
    w->SetCellValue(200, 2, 2, "10");
    w->SetCellValue(200, 5, 2, "4");
    w->SetCellValue(200, 7, 2, "0.16");
    w->SetCellValue(200, 8, 2, "95");
    SetRoomTemperature("0");
    w->Calculate();
    ASSERT_EQ(w->Banner.ErrorCount(), 0) << w->Banner.ErrorText();
    EXPECT_EQ(Field(213), "2200");
    EXPECT_EQ(Cell(200, 4, 2), "100");
    EXPECT_EQ(Cell(200, 9, 2), "570");
}

TEST_F(CalcForm, ResultsTheUserTypedOverAreLeftAlone) {
    const int typed[] = {16, 213, 214, 314, 401, 422, 503, 605, 624, 642, 680};
    for (int n : typed)
        Type(n, "1234");
    w->SetCellValue(200, 5, 2, "2"); // thinner insulation: the surface rows change
    w->Calculate();
    ASSERT_EQ(w->Banner.ErrorCount(), 0) << w->Banner.ErrorText();
    for (int n : typed)
        EXPECT_EQ(Field(n), "1234") << "field " << n;
    EXPECT_NE(Cell(200, 9, 2), "0");
    EXPECT_NE(Cell(300, 13, 2), "0");
    // The per-method fields that are always written still are.
    EXPECT_TRUE(w->IsNumeric(Field(660)));
}

TEST_F(CalcForm, ATypedDoorLoadCountsInTheTotalInfiltration) {
    w->Calculate();
    // Without glass and dock doors the total is the door load.
    const double computed = Number(680);
    EXPECT_NEAR(computed, Number(624), 1.0);
    EXPECT_GT(computed, 0);
    Type(624, "1000");
    w->Calculate();
    EXPECT_EQ(Field(680), "1000");
    EXPECT_EQ(Field(624), "1000");
    // Only the chosen method counts: a typed ventilation load changes nothing.
    Type(642, "5000");
    w->Calculate();
    EXPECT_EQ(Field(680), "1000");
    w->RADIO[602].SetValue(true);
    EXPECT_EQ(Field(680), "5000");
    // The total itself, typed over, stays.
    Type(680, "777");
    w->Calculate();
    EXPECT_EQ(Field(680), "777");
}

TEST_F(CalcForm, DesignLoadFromTheTotalWithTheSafetyFactor) {
    Type(214, "4000");
    Type(680, "3000");
    Type(314, "2000");
    Type(422, "1000");
    Set(506, "25");
    w->Calculate();
    EXPECT_EQ(Field(16), "10000");
    EXPECT_EQ(Field(503), "12500");
    Type(422, "999.5");
    w->Calculate();
    EXPECT_EQ(Field(16), "9999.5");
    EXPECT_EQ(Field(503), "12499");
    // The design load follows the computed total even when field 16 was typed over.
    Type(16, "1");
    w->Calculate();
    EXPECT_EQ(Field(503), "12499");
}

TEST_F(CalcForm, InputErrorsScrollThroughTheBannerInOrder) {
    Set(506, "5");
    Set(12, "0");
    Set(102, "35"); // as warm as the room
    Set(522, "4");
    Set(542, "6");
    Grid& products = w->MSFlexGrid[300];
    products.SetCols(4);
    for (int c : {2, 3}) {
        w->SetCellValue(300, 3, c, "100");
        w->SetCellValue(300, 4, c, "45");
        w->SetCellValue(300, 5, c, "30"); // below the storage temperature of 35
    }
    const std::string before = Field(214);
    w->SetCellValue(200, 5, 2, "2"); // would change the box load

    EXPECT_TRUE(w->CheckInputs());
    EXPECT_EQ(w->Banner.ErrorCount(), 5);
    const std::string lines = Error(24) + "\r\n" + Error(0) + "\r\n" + Error(3) + "\r\n" +
                              Error(20) + "\r\n" + Error(21) + "\r\n";
    EXPECT_EQ(w->Banner.ErrorText(), lines);
    EXPECT_EQ(w->EBANNER.Caption(), lines + Error(24));
    EXPECT_EQ(w->EBANNER.Height, 6 * w->Banner.LineHeight);
    EXPECT_EQ(w->EBANNER.Top, 0);
    EXPECT_TRUE(w->Timer1.Enabled);
    EXPECT_TRUE(w->Banner.Active);
    const Colour wrong = Rgb(255, 128, 128);
    for (int n : {506, 12, 501, 103, 312, 542, 16, 503, 214, 680, 314, 422})
        EXPECT_EQ(w->TEXTBOX[n].BackColor, wrong) << "field " << n;
    EXPECT_EQ(w->TEXTBOX[500].BackColor, w->Colours.TextBack);
    EXPECT_EQ(products.Cell(5, 2).back, wrong);
    EXPECT_EQ(products.Cell(5, 3).back, wrong);
    EXPECT_NE(products.Cell(4, 2).back, wrong);

    // The calculation does not run while an error stands.
    const std::string wallLoad = Cell(200, 9, 2);
    w->Calculate();
    EXPECT_EQ(Field(214), before);
    EXPECT_EQ(Cell(200, 9, 2), wallLoad);

    Set(506, "10");
    Set(12, "16");
    Set(102, "95");
    Set(542, "8");
    for (int c : {2, 3})
        w->SetCellValue(300, 5, c, "35");
    w->EFRAME.Visible = true;
    // Without equipment notes either, the banner goes with the last error.
    w->Banner.SetNotes({});
    EXPECT_FALSE(w->CheckInputs());
    EXPECT_EQ(w->Banner.ErrorCount(), 0);
    EXPECT_FALSE(w->EFRAME.Visible);
    EXPECT_FALSE(w->Timer1.Enabled);
    EXPECT_EQ(products.Cell(5, 2).back, kNoColour);
    EXPECT_EQ(w->TEXTBOX[506].BackColor, w->Colours.TextBack);
}

TEST_F(CalcForm, ImplausibleValuesAreWarnedAboutAndStillCalculated) {
    Set(12, "6");
    Set(102, "140");
    Set(669, "101");
    Set(16, "");
    w->Calculate();
    EXPECT_EQ(w->Banner.ErrorText(), Error(63) + "\r\n" + Error(65) + "\r\n" + Error(66) + "\r\n");
    EXPECT_NE(Error(66), "");
    EXPECT_TRUE(w->IsNumeric(Field(16)));
    EXPECT_EQ(w->TEXTBOX[12].BackColor, w->Colours.TextBack);
}

TEST_F(CalcForm, TheFieldBeingTypedInKeepsItsColour) {
    w->BUTT_Click(5); // the selection page, focus on the safety factor
    ASSERT_TRUE(w->HasFocus() && w->ActiveControl() == w->TEXTBOX[506].ref);
    w->TEXTBOX[506].BackColor = w->Colours.TextBackSel;
    Set(506, "5");
    Set(12, "0");
    EXPECT_TRUE(w->CheckInputs());
    EXPECT_EQ(w->Banner.ErrorCount(), 2);
    EXPECT_EQ(w->TEXTBOX[506].BackColor, w->Colours.TextBackSel);
    EXPECT_EQ(w->TEXTBOX[12].BackColor, Rgb(255, 128, 128));
}

TEST_F(CalcForm, MotorDefaultsComeFromTheRoomVolumeUnlessTyped) {
    w->Calculate();
    int count = 0;
    float power = 0;
    w->LookUpK(w->FieldNumber(213), w->FieldNumber(103), count, power);
    EXPECT_EQ(Field(423), std::to_string(count));
    EXPECT_FLOAT_EQ(w->FieldNumber(403), power);
    Type(423, "7");
    Set(403, "0.5");
    w->Calculate();
    EXPECT_EQ(Field(423), "7");
    EXPECT_EQ(Field(403), "0.5") << "one typed motor field keeps both";
}

TEST_F(CalcForm, PeopleGiveOffMoreHeatInAColderRoom) {
    // Only one person for 16 hours of a 16-hour run time.
    Type(401, "0");
    Set(405, "0");
    Set(407, "16");
    SetRoomTemperature("0");
    w->Calculate();
    ASSERT_EQ(w->Banner.ErrorCount(), 0) << w->Banner.ErrorText();
    EXPECT_EQ(Field(422), "1292");
    SetRoomTemperature("10");
    w->Calculate();
    EXPECT_EQ(Field(422), "1177");
}

TEST_F(CalcForm, ANewJobGetsTheDefaultProductSizedByTheRoom) {
    Grid& products = w->MSFlexGrid[300];
    products.SetTextMatrix(0, 2, "");
    for (int r = 1; r <= 13; ++r)
        products.SetTextMatrix(r, 2, "");
    w->Calculate();
    // The default product's caption and the first product of the product table.
    EXPECT_EQ(products.TextMatrix(0, 2), "Default");
    EXPECT_EQ(Cell(300, 2, 2), "General merchandise / mixed");
    EXPECT_EQ(w->FieldNumber(213), 1600.0f);
    EXPECT_EQ(Cell(300, 3, 2), "1600");
    EXPECT_EQ(Cell(300, 6, 2), "24");
    EXPECT_EQ(Cell(300, 12, 2), "1");
    EXPECT_EQ(Cell(300, 4, 2), "45");
    EXPECT_EQ(Field(313), "1600");
    // A freezer takes half the weight per volume.
    SetRoomTemperature("-10");
    Set(12, "20");
    w->Calculate();
    ASSERT_EQ(w->Banner.ErrorCount(), 0) << w->Banner.ErrorText();
    EXPECT_EQ(Cell(300, 3, 2), "800");
}

TEST_F(CalcForm, ShellEggsKeptAtTheirUsualStorageTemperatureDoNotFreeze) {
    // Eggs in shell are stored at 29 to 31 °F and freeze at 28 °F: 1000 lb from 45 to 30 °F
    // is cooling only, 1000 * 0.76 * 15 = 11400 Btu a day, 633.33 Btu/h over 18 h. Had the
    // freezing point stood at 30 °F or above, the latent heat would add 95040 Btu a day.
    w->MSFlexGrid[300].SetTextMatrix(1, 2, "Eggs");
    w->ProductChosen(2, "Eggs, in shell");
    EXPECT_EQ(Cell(300, 7, 2), "28");
    SetRoomTemperature("30");
    Set(12, "18");
    w->SetCellValue(300, 3, 2, "1000");
    w->SetCellValue(300, 4, 2, "45");
    w->SetCellValue(300, 5, 2, "30");
    w->Calculate();
    ASSERT_EQ(w->Banner.ErrorCount(), 0) << w->Banner.ErrorText();
    EXPECT_EQ(Cell(300, 13, 2), "633.33");
}

TEST_F(CalcForm, WithoutADoorProtectionTheDoorLoadIsHalved) {
    ListBox& protection = w->OPTIONLIST[625];
    ASSERT_GT(protection.ListCount(), 1);
    w->IsLoading = true; // no recalculation on the way
    protection.SetListIndex(-1);
    w->IsLoading = false;
    w->Calculate();
    EXPECT_EQ(protection.ListIndex(), 1);
    EXPECT_EQ(w->TEXTBOX[625].Text(), protection.List(1));
    EXPECT_FLOAT_EQ(w->DoorProtectionFactor, 0.5f);
    const double halved = Number(624);
    protection.SetListIndex(0); // no protection: factor 1
    w->Calculate();
    EXPECT_NEAR(Number(624), 2 * halved, 0.2);
}

TEST_F(CalcForm, SurfacesAndProductsThatCannotBeComputedShowZero) {
    w->SetCellValue(200, 5, 3, "0"); // no insulation thickness
    w->Calculate();
    EXPECT_EQ(Cell(200, 9, 3), "0");
    EXPECT_NE(Cell(200, 9, 2), "0");
    // The unit switch reaches the box load without the input check: a run time of 0 leaves
    // the per-hour figures alone instead of dividing by it.
    const std::string box = Field(214);
    const std::string products = Field(314);
    Set(12, "0");
    w->CalculateBoxLoad();
    w->CalculateProductLoad();
    EXPECT_EQ(Field(214), box);
    EXPECT_EQ(Field(314), products);
    EXPECT_EQ(Cell(200, 9, 2), "0");
    EXPECT_EQ(Cell(300, 13, 2), "0");
    for (int n : {16, 214, 314, 422, 503, 605, 624, 642, 660, 670, 680})
        EXPECT_TRUE(std::isfinite(std::stod(Field(n)))) << "field " << n;
}

TEST_F(CalcForm, OpenEndedGridsGrowFromTheirLastColumn) {
    Grid& products = w->MSFlexGrid[300];
    const int cols = products.Cols();
    products.Col = cols - 2;
    w->CheckAddProductSection();
    EXPECT_EQ(products.Cols(), cols);
    products.Col = cols - 1;
    w->CheckAddProductSection();
    EXPECT_EQ(products.Cols(), cols + 1);
    EXPECT_EQ(products.TextMatrix(0, cols), std::to_string(cols - 1));

    Grid& surfaces = w->MSFlexGrid[200];
    surfaces.Col = surfaces.Cols() - 1;
    const int walls = surfaces.Cols();
    w->CheckAddWallSection();
    EXPECT_EQ(surfaces.Cols(), walls) << "only a free list of surfaces grows";
    w->RADIO[203].SetValue(true);
    const int free = surfaces.Cols();
    surfaces.Col = free - 1;
    w->CheckAddWallSection();
    EXPECT_EQ(surfaces.Cols(), free + 1);
    EXPECT_EQ(surfaces.TextMatrix(0, free), std::to_string(free - 1));
}

} // namespace
} // namespace tw
