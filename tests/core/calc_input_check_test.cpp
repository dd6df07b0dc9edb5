// SPDX-License-Identifier: MIT
// The input check as a function: which fields are marked and which messages come, in order,
// for entries at and beyond their limits.
#include "calc/input_check.h"

#include <functional>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

namespace tw {
namespace {

InputLimits Limits() {
    InputLimits l;
    l.factorOfSafety = 10;
    l.minBoxTemp = -40;
    l.minAmbient = 50;
    l.maxAmbient = 120;
    l.minInfiltTemp = 40;
    l.maxInfiltTemp = 100;
    l.maxDoors = 20;
    l.maxMotorHp = 10;
    return l;
}

// A cooler at 35 °F in a 95 °F building: nothing wrong.
InputValues Good() {
    InputValues v;
    v.safetyFactor = 10;
    v.runTime = 16;
    v.outsideTemp = 95;
    v.roomTemp = v.roomTemp501 = v.storageTemp = 35;
    v.ambient = 95;
    v.infiltTemp = 95;
    v.glassDoors = 0;
    v.motorHp = 0.125f;
    v.condensingUnits = 1;
    v.coolers = 2;
    return v;
}

bool Marked(const CheckResult& r, int field) {
    for (const FieldMark& m : r.marks)
        if (m.field == field) return m.wrong;
    ADD_FAILURE() << "field " << field << " was not checked";
    return false;
}

struct CheckCase {
    const char* what;
    std::function<void(InputValues&)> change;
    std::vector<int> messages;
    std::vector<int> wrongFields;
};
void PrintTo(const CheckCase& c, std::ostream* os) {
    *os << c.what;
}
class CheckCases : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CheckCases, MessagesInOrderAndTheFieldsMarked) {
    const auto& c = GetParam();
    InputValues v = Good();
    c.change(v);
    CheckResult r = CheckFieldValues(v, Limits());
    EXPECT_EQ(r.messages, c.messages);
    int wrong = 0;
    for (const FieldMark& m : r.marks)
        wrong += m.wrong;
    EXPECT_EQ(wrong, static_cast<int>(c.wrongFields.size()));
    for (int field : c.wrongFields)
        EXPECT_TRUE(Marked(r, field)) << "field " << field;
}

INSTANTIATE_TEST_SUITE_P(
    InputCheck, CheckCases,
    ::testing::Values(
        CheckCase{"nothing wrong", [](InputValues&) {}, {}, {}},
        CheckCase{"run time 0", [](InputValues& v) { v.runTime = 0; }, {0}, {12}},
        CheckCase{"run time 25", [](InputValues& v) { v.runTime = 25; }, {1}, {12}},
        CheckCase{"run time 24 passes", [](InputValues& v) { v.runTime = 24; }, {}, {}},
        CheckCase{"safety factor below the minimum, then run time",
                  [](InputValues& v) {
                      v.safetyFactor = 5;
                      v.runTime = 0;
                  },
                  {24, 0},
                  {506, 12}},
        CheckCase{"room as warm as the outside: 501 says so, 103 and 312 are only marked",
                  [](InputValues& v) { v.roomTemp = v.roomTemp501 = v.storageTemp = 95; },
                  {3},
                  {501, 103, 312}},
        CheckCase{"room below the lowest: message 2 before 3",
                  [](InputValues& v) { v.roomTemp = v.roomTemp501 = v.storageTemp = -45; },
                  {2},
                  {501, 103, 312}},
        CheckCase{"ambient limits", [](InputValues& v) { v.ambient = 121; }, {5}, {500}},
        CheckCase{"infiltration air colder than the room",
                  [](InputValues& v) {
                      v.roomTemp = v.roomTemp501 = v.storageTemp = 45;
                      v.infiltTemp = 42;
                  },
                  {8},
                  {600}},
        CheckCase{"infiltration air below its lower limit gives 6 only",
                  [](InputValues& v) { v.infiltTemp = 30; },
                  {6},
                  {600}},
        CheckCase{"glass doors and motor",
                  [](InputValues& v) {
                      v.glassDoors = 21;
                      v.motorHp = -1;
                  },
                  {10, 11},
                  {659, 403}},
        CheckCase{"width is 13, length 14: the order of the fields, not of the numbers",
                  [](InputValues& v) {
                      v.width = -1;
                      v.length = -1;
                      v.height = 3;
                  },
                  {13, 14},
                  {14, 13}},
        CheckCase{
            "hidden dimensions are not checked", [](InputValues& v) { v.width.reset(); }, {}, {}},
        CheckCase{"six coolers on four units",
                  [](InputValues& v) {
                      v.coolers = 6;
                      v.condensingUnits = 4;
                  },
                  {20},
                  {542}},
        CheckCase{"eight coolers on four units pass",
                  [](InputValues& v) {
                      v.coolers = 8;
                      v.condensingUnits = 4;
                  },
                  {},
                  {}},
        CheckCase{"half a unit: 17, and no division check",
                  [](InputValues& v) {
                      v.condensingUnits = 1.5f;
                      v.coolers = 3;
                  },
                  {17},
                  {522}},
        CheckCase{"no coolers", [](InputValues& v) { v.coolers = 0; }, {18}, {542}},
        CheckCase{
            "two and a half coolers", [](InputValues& v) { v.coolers = 2.5f; }, {19}, {542}}));

TEST(InputCheck, ProductMessagesComeOnceEachInTheOrderFound) {
    std::vector<ProductTemperatures> products{
        {1000, 45, 30},           // final below the storage temperature: 21
        {500, 45, 30},            // the same again: no second 21
        {0, 10, 20},              // no weight: not checked
        {200, 40, 42},            // final above entering: 23
        {100, 20, std::nullopt}}; // entering below storage: 22; no final to compare
    ProductCheck r = CheckProductTemperatures(products, 35);
    EXPECT_EQ(r.messages, (std::vector<int>{21, 23, 22}));
    EXPECT_EQ(r.finalWrong, (std::vector<bool>{true, true, false, false, false}));
    EXPECT_EQ(r.enteringWrong, (std::vector<bool>{false, false, false, true, true}));
}

// Values that are possible but unlikely: warned about at the edges of their ranges, never
// marked as errors.
struct PlausibleCase {
    const char* what;
    std::function<void(InputValues&)> change;
    std::vector<int> warnings;
};
void PrintTo(const PlausibleCase& c, std::ostream* os) {
    *os << c.what;
}
class Plausibility : public ::testing::TestWithParam<PlausibleCase> {};

TEST_P(Plausibility, WarnsBeyondTheRangesOnly) {
    PlausibleRanges ranges;
    ranges.minOutside = -40;
    ranges.maxOutside = 130;
    ranges.maxDimension = 500;
    ranges.minRunTime = 8;
    ranges.maxDoors = 100;
    InputValues v = Good();
    v.width = v.length = v.height = 10;
    GetParam().change(v);
    EXPECT_EQ(CheckPlausibility(v, ranges), GetParam().warnings);
    EXPECT_TRUE(CheckPlausibility(v, PlausibleRanges{}).empty()) << "no ranges, no warnings";
}

INSTANTIATE_TEST_SUITE_P(
    InputCheck, Plausibility,
    ::testing::Values(
        PlausibleCase{"the edges pass",
                      [](InputValues& v) {
                          v.outsideTemp = 130;
                          v.length = 500;
                          v.runTime = 8;
                          v.glassDoors = 20;
                          v.dockDoors = 80;
                      },
                      {}},
        PlausibleCase{"-40 °F passes", [](InputValues& v) { v.outsideTemp = -40; }, {}},
        PlausibleCase{"-41 °F outside", [](InputValues& v) { v.outsideTemp = -41; }, {63}},
        PlausibleCase{"131 °F outside", [](InputValues& v) { v.outsideTemp = 131; }, {63}},
        PlausibleCase{"a 501 ft room, once for two dimensions",
                      [](InputValues& v) { v.height = v.width = 501; },
                      {64}},
        PlausibleCase{
            "a hidden dimension is not checked", [](InputValues& v) { v.length.reset(); }, {}},
        PlausibleCase{"7.5 h run time", [](InputValues& v) { v.runTime = 7.5f; }, {65}},
        PlausibleCase{"a run time of 0 is an error, not a warning",
                      [](InputValues& v) { v.runTime = 0; },
                      {}},
        PlausibleCase{"101 doors in all, in the order of the banner",
                      [](InputValues& v) {
                          v.glassDoors = 1;
                          v.dockDoors = 100;
                          v.runTime = 6;
                          v.outsideTemp = 140;
                      },
                      {63, 65, 66}}));

} // namespace
} // namespace tw
