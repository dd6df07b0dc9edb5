// SPDX-License-Identifier: MIT
// The table look-ups at and around their boundaries, on small tables built here: exact keys,
// interpolation, both ends of each table, the column choice by temperature, and the messages
// of the window's wrappers.
#include "calc/look_ups.h"
#include "support/installation.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

namespace tw {
namespace {

DataTable MakeTable(std::initializer_list<std::vector<std::string>> rows) {
    DataTable t;
    t.Reset(static_cast<int>(rows.begin()->size()));
    for (const auto& row : rows) {
        std::vector<std::string> cells{""};
        cells.insert(cells.end(), row.begin(), row.end());
        t.AddRow(cells);
    }
    return t;
}

// Air changes: volume, at or above 32 °F, below 32 °F.
const DataTable kTableA = MakeTable({{"200", "44", "33.5"},
                                     {"300", "34.5", "26.2"},
                                     {"400", "29.5", "22.5"},
                                     {"1000", "17.5", "13.5"}});

struct TableACase {
    float volume;
    float temp;
    float expected;
    const char* what;
};
void PrintTo(const TableACase& c, std::ostream* os) {
    *os << c.what;
}
class TableACases : public ::testing::TestWithParam<TableACase> {};

TEST_P(TableACases, InterpolatesInsideAndHoldsTheEndValuesOutside) {
    const auto& c = GetParam();
    EXPECT_FLOAT_EQ(TableALookUp(kTableA, c.volume, c.temp, '.'), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    LookUps, TableACases,
    ::testing::Values(TableACase{300, 40, 34.5f, "exact key"},
                      TableACase{250, 40, 39.25f, "halfway between two keys"},
                      TableACase{700, 40, 23.5f, "a longer interval"},
                      TableACase{100, 40, 44, "below the first key: row 1"},
                      TableACase{5000, 40, 17.5f, "above the last key: the last row"},
                      TableACase{300, 32.0f, 34.5f, "32 °F reads the cooler column"},
                      TableACase{300, 31.9f, 26.2f, "31.9 °F reads the freezer column"},
                      TableACase{5000, -10, 13.5f, "freezer column above the last key"}));

TEST(LookUps, AZeroKeyCountsAsMissingInTheSharedSearch) {
    // A first key of 0 never interpolates below the second row...
    DataTable t = MakeTable({{"0", "10"}, {"10", "20"}, {"20", "40"}});
    SearchResult below = InterpolatingSearch(t, 5, 2, '.');
    EXPECT_FALSE(below.inRange);
    EXPECT_FALSE(below.lowerFound);
    // ...but the key itself is found, and higher up the search interpolates.
    EXPECT_TRUE(InterpolatingSearch(t, 0, 2, '.').inRange);
    EXPECT_FLOAT_EQ(InterpolatingSearch(t, 15, 2, '.').value, 30);
    // The saturated-air table treats 0 °F as a key like any other.
    EXPECT_FLOAT_EQ(InterpolatingSearch(t, 5, 2, '.', true).value, 15);
}

TEST(LookUps, GlassDoorsTakeTheExactCountOnly) {
    DataTable t = MakeTable({{"1", "800", "1300"}, {"2", "780", "1268"}, {"4", "770", "1251"}});
    EXPECT_FLOAT_EQ(TableBLookUp(t, 2, 35, '.').value, 780);
    EXPECT_FLOAT_EQ(TableBLookUp(t, 2, 0, '.').value, 1268);
    GlassDoorLookUp zero = TableBLookUp(t, 0, 35, '.');
    EXPECT_FLOAT_EQ(zero.value, 0);
    EXPECT_FALSE(zero.missing);
    // 3 is not in the table: no interpolation, the last row's value.
    GlassDoorLookUp three = TableBLookUp(t, 3, 35, '.');
    EXPECT_TRUE(three.missing);
    EXPECT_FLOAT_EQ(three.value, 770);
    GlassDoorLookUp empty = TableBLookUp(DataTable{}, 1, 35, '.');
    EXPECT_TRUE(empty.missing);
    EXPECT_FLOAT_EQ(empty.value, 0);
}

TEST(LookUps, MotorHeatInterpolatesAndExtrapolatesThroughTheOrigin) {
    DataTable t = MakeTable({{"0.5", "1928", "1273", "656"},
                             {"1", "3222", "2545", "677"},
                             {"10", "29941", "25450", "4491"}});
    EXPECT_FLOAT_EQ(TableELookUp(t, 1, false, false, '.').value, 3222);
    EXPECT_FLOAT_EQ(TableELookUp(t, 1, true, false, '.').value, 2545);
    EXPECT_FLOAT_EQ(TableELookUp(t, 1, true, true, '.').value, 677) << "the third flag wins";
    EXPECT_FLOAT_EQ(TableELookUp(t, 0.75f, false, false, '.').value, 2575);

    MotorHeatLookUp none = TableELookUp(t, 0, false, false, '.');
    EXPECT_FLOAT_EQ(none.value, 0);
    EXPECT_FALSE(none.outOfRange);
    MotorHeatLookUp twice = TableELookUp(t, 20, false, false, '.');
    EXPECT_TRUE(twice.outOfRange);
    EXPECT_FLOAT_EQ(twice.value, 2 * 29941);
    MotorHeatLookUp small = TableELookUp(t, 0.25f, false, false, '.');
    EXPECT_TRUE(small.outOfRange);
    EXPECT_FLOAT_EQ(small.value, 1928.0f / 2);
    // A table that starts at 0 cannot extrapolate below its second key: 0, not a division
    // by zero.
    DataTable zero = MakeTable({{"0", "0", "0", "0"}, {"1", "3222", "2545", "677"}});
    EXPECT_FLOAT_EQ(TableELookUp(zero, 0.5f, false, false, '.').value, 0);
}

TEST(LookUps, SaturatedAirIsZeroBelowTheTableAndRunsThroughZeroDegrees) {
    DataTable t = MakeTable({{"-2", "0.0005", "-0.48", "0.55"},
                             {"-1", "0.0006", "-0.24", "0.6"},
                             {"0", "0.0007", "0", "0.7"},
                             {"1", "0.0008", "0.24", "0.8"},
                             {"2", "0.0009", "0.48", "0.9"}});
    EXPECT_FLOAT_EQ(TableFLookUp(t, -3, 4, '.'), 0);
    EXPECT_FLOAT_EQ(TableFLookUp(t, -1, 4, '.'), 0.6f);
    EXPECT_FLOAT_EQ(TableFLookUp(t, -0.5f, 4, '.'), 0.65f);
    EXPECT_FLOAT_EQ(TableFLookUp(t, 0.5f, 3, '.'), 0.12f);
    EXPECT_FLOAT_EQ(TableFLookUp(t, 4, 3, '.'), 0.96f) << "above the table: through the origin";
    EXPECT_FLOAT_EQ(TableFLookUp(DataTable{}, 4, 3, '.'), 0);
}

TEST(LookUps, MotorDefaultsStepByVolume) {
    // Volume; below 32 °F count, hp; at or above 32 °F count, hp.
    DataTable t = MakeTable({{"100", "1", "0.125", "1", "0.1"},
                             {"600", "2", "0.125", "1", "0.2"},
                             {"1000", "3", "0.25", "2", "0.3"},
                             {"2000", "4", "0.5", "3", "0.4"}});
    struct Case {
        float volume, temp;
        int count;
        float power;
    };
    for (const Case& c : {Case{50, 40, 1, 0.1f},      // below the first key: row 1
                          Case{600, 40, 1, 0.2f},     // on a key
                          Case{700, 40, 1, 0.2f},     // between: the row below
                          Case{700, 31, 2, 0.125f},   // a freezer takes columns 2 and 3
                          Case{700, 32, 1, 0.2f},     // 32 °F is a cooler
                          Case{1500, 40, 2, 0.3f},    // below the last key: the row below
                          Case{9000, 40, 3, 0.4f}}) { // above every key: the last row
        MotorDefaults d = TableKLookUp(t, c.volume, c.temp, 32, '.');
        EXPECT_EQ(d.count, c.count) << "volume " << c.volume << " at " << c.temp;
        EXPECT_FLOAT_EQ(d.power, c.power) << "volume " << c.volume << " at " << c.temp;
    }
    MotorDefaults none = TableKLookUp(DataTable{}, 500, 40, 32, '.');
    EXPECT_EQ(none.count, 0);
}

TEST(LookUps, AMotorRowWithACountOutOfRangeIsRefused) {
    LineReader file({"#Volume\tM\thp\tM\thp", "0\t1\t0.125\t1\t0.125",
                     "600\t2000000000\t0.125\t1\t0.125", "1000\t2\t0.125\t-1\t0.125",
                     "1500\t3\t0.25\t99999999999\t0.25", "2000\t4\t0.5\tmany\t0.5"});
    DataTable t;
    ReadDataTable(file, '.', t, {}, [](const auto& row) { return MotorRowValid(row, '.'); });
    ASSERT_EQ(t.Rows(), 2);
    EXPECT_EQ(t.Cell(1, 2), "2000");
    EXPECT_EQ(TableKLookUp(t, 1200, 20, 32, '.').count, 1);
    // A table built without the reader's check counts no motors rather than wrapping.
    EXPECT_EQ(
        TableKLookUp(MakeTable({{"0", "3000000000", "1", "3000000000", "1"}}), 10, 40, 32, '.')
            .count,
        0);
}

TEST(LookUps, CellsReadWithEitherSeparatorAndJunkAsZero) {
    EXPECT_DOUBLE_EQ(CellNumber("0,5", '.'), 0.5);
    EXPECT_DOUBLE_EQ(CellNumber("0.5", ','), 0.5);
    EXPECT_DOUBLE_EQ(CellNumber("N.A.", '.'), 0);
    EXPECT_DOUBLE_EQ(CellNumber("", '.'), 0);
    DataTable comma = MakeTable({{"1", "0,5"}, {"2", "1,5"}});
    EXPECT_FLOAT_EQ(TableALookUp(comma, 1.5f, 40, ','), 1.0f);
}

// The window's wrappers: a log line each, and the table's message where a value was made up.
class WindowLookUps : public ::testing::Test {
protected:
    test::Installation install{true};
    std::unique_ptr<FrmMain> w = install.NewWindow();

    WindowLookUps() {
        w->MessageTable.assign(10, {"", ""});
        w->MessageTable[5] = {"Glass doors", "count not in the table"};
        w->MessageTable[6] = {"Motor power", "beyond the table"};
        w->Tables[TableId::B] = MakeTable({{"1", "800", "1300"}, {"2", "780", "1268"}});
        w->Tables[TableId::E] =
            MakeTable({{"1", "3222", "2545", "677"}, {"10", "29941", "25450", "4491"}});
        w->Tables[TableId::K] = MakeTable({{"0", "1", "0.125", "2", "0.25"}});
        w->Constants["MOTORTEMP"] = 32;
    }
    std::size_t Messages() { return install.Machine().Messages().size(); }
    bool Logged(const std::string& line) {
        for (const auto& l : w->Log.DumpLines())
            if (l == line) return true;
        return false;
    }
};

TEST_F(WindowLookUps, MissingDoorCountShowsMessageFive) {
    EXPECT_FLOAT_EQ(w->LookUpB(2, 35), 780);
    EXPECT_EQ(Messages(), 0u);
    EXPECT_FLOAT_EQ(w->LookUpB(3, 35), 780);
    ASSERT_EQ(Messages(), 1u);
    EXPECT_EQ(install.Machine().Messages()[0].title, "Glass doors");
    EXPECT_TRUE(Logged(">LookUpB(3' 35)"));
}

TEST_F(WindowLookUps, MotorBeyondTheTableShowsMessageSix) {
    EXPECT_FLOAT_EQ(w->LookUpE(0, false, false), 0);
    EXPECT_EQ(Messages(), 0u);
    EXPECT_FLOAT_EQ(w->LookUpE(20, false, false), 2 * 29941);
    ASSERT_EQ(Messages(), 1u);
    EXPECT_EQ(install.Machine().Messages()[0].title, "Motor power");
    EXPECT_TRUE(Logged(">LookUpE(20' False, False)"));
}

TEST_F(WindowLookUps, MotorDefaultsComeBackThroughTheArguments) {
    int count = 0;
    float power = 0;
    w->LookUpK(500, 40, count, power);
    EXPECT_EQ(count, 2);
    EXPECT_FLOAT_EQ(power, 0.25f);
    w->LookUpK(500, 0, count, power);
    EXPECT_EQ(count, 1);
    EXPECT_TRUE(Logged(">LookUpK(500 , 0)"));
}

} // namespace
} // namespace tw
