// SPDX-License-Identifier: MIT
// Choosing from lists and option buttons, the surface grid's layouts and the propagation of
// dimensions, the product grid's lists, and moving through the grids with the keyboard.
#include "shell/text_file.h"
#include "support/installation.h"
#include "support/typing.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

using test::Focus;
using test::Installation;
using test::TypeCell;
using test::TypeInto;

// The product page with the cursor on the first product's group cell, its list open.
ListBox& OpenProductGroups(FrmMain& w) {
    w.BUTT_Click(3);
    Grid& g = w.MSFlexGrid[300];
    g.Row = g.RowSel = 1;
    g.Col = g.ColSel = 2;
    w.MoveToCell(300, false);
    return w.OPTIONLIST[301];
}

class OptionsAndGrids : public ::testing::Test {
protected:
    Installation install;
    std::unique_ptr<FrmMain> w = install.Start();

    std::string Cell(int grid, int row, int col) { return w->GetCellValue(grid, row, col); }
    void ChooseBoxType(int n) {
        w->BUTT_Click(2);
        w->RADIO[n].SetValue(true);
    }
};

TEST_F(OptionsAndGrids, FourWallLayoutFillsDefaultsAndMarksTheCellsToFill) {
    TypeInto(*w, 212, "95");
    ChooseBoxType(200);
    Grid& g = w->MSFlexGrid[200];
    ASSERT_EQ(g.Cols(), 8);
    EXPECT_EQ(Cell(200, 0, 2), "1");
    EXPECT_EQ(Cell(200, 1, 2), "Wall");
    EXPECT_EQ(Cell(200, 1, 6), "Floor");
    EXPECT_EQ(Cell(200, 1, 7), "Ceiling");
    EXPECT_EQ(Cell(200, 5, 6), "6");
    EXPECT_EQ(Cell(200, 7, 2), "0.16");
    EXPECT_EQ(Cell(200, 8, 2), "95");
    EXPECT_EQ(Cell(200, 8, 6), "55");
    EXPECT_EQ(g.Cell(2, 2).back, w->Colours.TextBackSel);
    // The other cells take the grid's own colour, whatever the scheme.
    EXPECT_EQ(g.Cell(3, 3).back, kNoColour);
    EXPECT_TRUE(w->Geometry[0].Visible);
    EXPECT_FALSE(w->Geometry[1].Visible);
    EXPECT_TRUE(w->TEXTBOX[13].Visible);
}

TEST_F(OptionsAndGrids, FourWallLengthsReachTheFieldsFloorAndCeiling) {
    ChooseBoxType(200);
    TypeCell(*w, 200, 2, 2, "20");
    TypeCell(*w, 200, 2, 4, "10");
    TypeCell(*w, 200, 3, 2, "8");
    EXPECT_EQ(w->GetFieldValue(13), "20");
    EXPECT_EQ(w->GetFieldValue(14), "10");
    EXPECT_EQ(w->GetFieldValue(15), "8");
    EXPECT_EQ(Cell(200, 2, 3), "20");
    EXPECT_EQ(Cell(200, 2, 6), "20");
    EXPECT_EQ(Cell(200, 3, 7), "10");
    EXPECT_EQ(Cell(200, 4, 6), "200");
    EXPECT_EQ(Cell(200, 4, 7), "200");
    // Heights go to every wall, not to the floor or ceiling.
    for (int c = 3; c <= 5; ++c)
        EXPECT_EQ(Cell(200, 3, c), "8") << c;
    EXPECT_EQ(Cell(200, 3, 6), "10");
}

// A room of several walls: the lengths typed along two runs of walls, the wall that closes
// each run worked out from them, and the floor and ceiling area of the outline.
struct Outline {
    const char* name;
    int boxType;
    int cols;
    std::vector<const char*> firstRun;  // typed from column 2 on
    const char* firstClosing;           // the column after the first run
    std::vector<const char*> secondRun; // typed from the column after that
    const char* secondClosing;
    const char* area;
};

class WallOutlines : public OptionsAndGrids, public ::testing::WithParamInterface<Outline> {};

TEST_P(WallOutlines, EachRunIsClosedAndTheAreaFollows) {
    const Outline& o = GetParam();
    ChooseBoxType(o.boxType);
    ASSERT_EQ(w->MSFlexGrid[200].Cols(), o.cols);
    const int floor = o.cols - 2;
    EXPECT_EQ(Cell(200, 2, floor), "N.A.");
    int col = 2;
    for (const char* length : o.firstRun)
        TypeCell(*w, 200, 2, col++, length);
    EXPECT_EQ(Cell(200, 2, col++), o.firstClosing);
    for (const char* length : o.secondRun)
        TypeCell(*w, 200, 2, col++, length);
    EXPECT_EQ(Cell(200, 2, col), o.secondClosing);
    EXPECT_EQ(Cell(200, 4, floor), o.area);
    EXPECT_EQ(Cell(200, 4, floor + 1), o.area);
}

// An L of 30 by 25 without a 10 by 10 notch: 750 - 100 = 650. An outline of 40 by 30 without
// a 10 by 10 notch and a 20 by 5 step: 1200 - 100 - 100 = 1000.
INSTANTIATE_TEST_SUITE_P(
    OptionsAndGrids, WallOutlines,
    ::testing::Values(
        Outline{"SixWalls", 201, 10, {"30", "20"}, "10", {"25", "15"}, "10", "650"},
        Outline{"EightWalls", 202, 12, {"40", "10", "10"}, "20", {"30", "10", "5"}, "25", "1000"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(OptionsAndGrids, TypedOuterTemperatureKeepsItsMarkUntilCleared) {
    w->RADIO[100].SetValue(true);
    TypeInto(*w, 212, "95");
    ChooseBoxType(200);
    TypeCell(*w, 200, 8, 3, "70");
    EXPECT_EQ(w->MSFlexGrid[200].Cell(8, 3).back, w->Colours.Override);
    TypeInto(*w, 212, "90");
    EXPECT_EQ(Cell(200, 8, 3), "70");
    EXPECT_EQ(Cell(200, 8, 2), "90");
    TypeCell(*w, 200, 8, 3, "");
    w->PressKey(w->MSFlexText[200].ref, 8);
    TypeInto(*w, 212, "85");
    EXPECT_EQ(Cell(200, 8, 3), "85");
}

TEST_F(OptionsAndGrids, ConstructionBringsItsKFactorToEverySurfaceOfTheType) {
    ChooseBoxType(200);
    Grid& g = w->MSFlexGrid[200];
    g.Row = g.RowSel = 6;
    g.Col = g.ColSel = 2;
    w->MoveToCell(200, false);
    ASSERT_TRUE(w->OPTIONLIST[206].Visible);
    w->OPTIONLIST[206].SetListIndex(1);
    EXPECT_EQ(Cell(200, 6, 2), "Expanded polystyrene panel");
    EXPECT_EQ(Cell(200, 7, 2), "0.26");
    EXPECT_EQ(Cell(200, 7, 5), "0.26");
    EXPECT_EQ(Cell(200, 7, 6), "0.2");
}

TEST_F(OptionsAndGrids, SurfaceGridOffShowsTheDimensionFields) {
    ChooseBoxType(200);
    w->BUTT_Click(17);
    EXPECT_TRUE(w->RADIO[204].Value());
    EXPECT_FALSE(w->MSFlexGrid[200].Visible);
    EXPECT_TRUE(w->CFRAME[200].Visible);
    EXPECT_FALSE(w->CFRAME[4].Visible);
    EXPECT_FALSE(w->BUTT[17].Visible);
    EXPECT_EQ(w->GetFieldValue(13), "0");
    w->RADIO[203].SetValue(true);
    EXPECT_TRUE(w->MSFlexGrid[200].Visible);
    EXPECT_FALSE(w->TEXTBOX[13].Visible);
    EXPECT_EQ(w->MSFlexGrid[200].Cols(), 3);
}

TEST_F(OptionsAndGrids, InfiltrationMethodShowsItsFrame) {
    w->BUTT_Click(6);
    w->RADIO[601].SetValue(true);
    EXPECT_TRUE(w->CFRAME[602].Visible);
    EXPECT_FALSE(w->CFRAME[601].Visible);
    w->RADIO[602].SetValue(true);
    EXPECT_TRUE(w->CFRAME[603].Visible);
}

TEST_F(OptionsAndGrids, ProductGroupAndProductFillTheColumn) {
    ListBox& groups = OpenProductGroups(*w);
    Grid& g = w->MSFlexGrid[300];
    ASSERT_GT(groups.ListCount(), 2);
    const int fruit = 1;
    ASSERT_EQ(groups.List(fruit), "Fruit");
    groups.SetListIndex(fruit);
    EXPECT_EQ(Cell(300, 1, 2), "Fruit");
    EXPECT_EQ(Cell(300, 0, 2), "1");
    ListBox& products = w->OPTIONLIST[302];
    ASSERT_GT(products.ListCount(), 1);
    EXPECT_EQ(g.Row, 2);
    products.SetListIndex(0);
    EXPECT_EQ(Cell(300, 2, 2), products.List(0));
    EXPECT_EQ(Cell(300, 12, 2), "1");
    EXPECT_FALSE(Cell(300, 8, 2).empty());
}

TEST(ProductList, AGroupOfOneProductIsChosenAtOnce) {
    Installation install;
    auto table = ReadFileBytes(install.OpData() / "default.TableC.data");
    ASSERT_TRUE(table);
    install.WriteFile("opdata/default.TableC.data",
                      *table + "Ice\tBlock ice\t100\t32\t1.0\t0.5\t0\r\n");
    auto w = install.Start();
    ListBox& groups = OpenProductGroups(*w);
    groups.SetListIndex(groups.ListCount() - 1);
    EXPECT_EQ(w->GetCellValue(300, 2, 2), "Block ice");
    EXPECT_EQ(w->GetCellValue(300, 10, 2), "100");
    EXPECT_EQ(w->GetCellValue(300, 7, 2), "32");
}

TEST_F(OptionsAndGrids, FocusTrapsWalkDownTheColumns) {
    w->BUTT_Click(3);
    Grid& g = w->MSFlexGrid[300];
    g.SetCols(4);
    g.Row = g.Rows() - 2;
    g.Col = 3;
    w->TabForward[300].Visible = true;
    w->TabBack[300].Visible = true;
    w->TabTrap_GotFocus(300, true);
    EXPECT_EQ(g.Row, 1);
    EXPECT_EQ(g.Col, 2);
    w->TabTrap_GotFocus(300, false);
    EXPECT_EQ(g.Row, g.Rows() - 2);
    EXPECT_EQ(g.Col, 3);
}

TEST_F(OptionsAndGrids, ChosenCondensingUnitStoresItsRowAndCapacity) {
    Grid& g = w->MSFlexGrid[520];
    g.SetRows(4);
    for (int r = 0; r < 4; ++r) {
        g.SetTextMatrix(r, 1, std::to_string(9000 + 1000 * r));
        g.SetTextMatrix(r, 2, "Unit " + std::to_string(r));
    }
    w->BUTT_Click(5);
    Focus(*w, 523);
    ListBox& list = w->OPTIONLIST[523];
    ASSERT_TRUE(list.Visible);
    ASSERT_EQ(list.ListCount(), 4);
    list.SetListIndex(3);
    EXPECT_EQ(w->GetFieldValue(533), "3");
    EXPECT_EQ(w->GetFieldValue(524), "12000");
    EXPECT_EQ(w->TEXTBOX[523].Text(), "Unit 3");
    EXPECT_EQ(w->GetFieldValue(523), "Unit 3");
}

TEST_F(OptionsAndGrids, ArrowKeysMoveWithoutCommittingAndEnterCommitsAndMovesOn) {
    Focus(*w, 504);
    ListBox& list = w->OPTIONLIST[504];
    ASSERT_TRUE(list.Visible);
    const std::string before = w->GetFieldValue(514);
    Event down{EventType::KeyDown, list.ref};
    down.keyCode = 40;
    w->Raise(down);
    list.SetListIndex(1);
    EXPECT_EQ(w->GetFieldValue(514), before);
    EXPECT_TRUE(list.Visible);
    Event enter{EventType::KeyDown, list.ref};
    enter.keyCode = 13;
    w->Raise(enter);
    EXPECT_EQ(w->GetFieldValue(514), w->OPTIONVALUE[504].List(1));
    EXPECT_EQ(w->TEXTBOX[504].Text(), list.List(1));
    // Field 520 is a list itself: taking the focus opens it.
    EXPECT_EQ(w->ActiveControl(), w->OPTIONLIST[520].ref);
}

TEST_F(OptionsAndGrids, MenuArrowsAndEnterInTheStartView) {
    w->HideAllPages();
    int enter = 13;
    w->Form_KeyPress(enter);
    EXPECT_TRUE(w->FRAME[1].Visible);
    w->Arrow_Click(w->TABFPIC[1].ref);
    EXPECT_TRUE(w->FRAME[3].Visible);
    w->TABFPIC[3].Tag = "";
    w->Arrow_Click(w->TABFPIC[3].ref);
    EXPECT_TRUE(w->FRAME[1].Visible);
    w->Form_KeyPress(enter);
    EXPECT_TRUE(w->FRAME[1].Visible);
    w->SelectFocus(2);
    EXPECT_FALSE(w->Banner.Active);
    w->BUTT_Click(2);
    EXPECT_TRUE(w->Banner.Active);
}

} // namespace
} // namespace tw
