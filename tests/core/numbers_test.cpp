// SPDX-License-Identifier: MIT
// Numbers typed with a decimal point or a decimal comma, on machines of either kind, and the
// rounding and number-to-text rules the calculation and the fields rely on.
#include "shell/numbers.h"

#include <clocale>
#include <cmath>
#include <gtest/gtest.h>
#include <ostream>
#include <string>

namespace tw {
namespace {

// --- NormalizeDecimal ---------------------------------------------------------------------

struct NormalizeCase {
    const char* text;
    char machine;
    const char* expected;
};

void PrintTo(const NormalizeCase& c, std::ostream* os) {
    *os << "'" << c.text << "' on '" << c.machine << "'";
}

class NormalizeDecimalCases : public ::testing::TestWithParam<NormalizeCase> {};

TEST_P(NormalizeDecimalCases, RewritesOnlyOneForeignSeparatorBehindANumber) {
    const auto& c = GetParam();
    EXPECT_EQ(NormalizeDecimal(c.text, c.machine), c.expected)
        << "text '" << c.text << "' on a '" << c.machine << "' machine";
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, NormalizeDecimalCases,
    ::testing::Values(
        // Decimal-point machine.
        NormalizeCase{"0,5", '.', "0.5"}, NormalizeCase{"12,75", '.', "12.75"},
        NormalizeCase{"0.5", '.', "0.5"}, NormalizeCase{"-0,5", '.', "-0.5"},
        // A comma remains after the first replacement: the text stays as given.
        NormalizeCase{"1,234,5", '.', "1,234,5"},
        // The separator in the first position is never replaced.
        NormalizeCase{",5", '.', ",5"},
        // The part before the separator must be a number.
        NormalizeCase{"abc,5", '.', "abc,5"}, NormalizeCase{"-,5", '.', "-,5"},
        // The test looks only at the foreign separator: the point already there stays.
        NormalizeCase{"1.5,2", '.', "1.5.2"}, NormalizeCase{"12", '.', "12"},
        NormalizeCase{"", '.', ""},
        // Decimal-comma machine: the roles swap.
        NormalizeCase{"0.5", ',', "0,5"}, NormalizeCase{"0,5", ',', "0,5"},
        NormalizeCase{"12.75", ',', "12,75"}, NormalizeCase{"1.234.5", ',', "1.234.5"},
        NormalizeCase{".5", ',', ".5"}, NormalizeCase{"N.A.", ',', "N.A."}));

// --- ToSingle -------------------------------------------------------------------------------

struct ToSingleCase {
    const char* text;
    char machine;
    float expected;
};

void PrintTo(const ToSingleCase& c, std::ostream* os) {
    *os << "'" << c.text << "' on '" << c.machine << "'";
}

class ToSingleCases : public ::testing::TestWithParam<ToSingleCase> {};

TEST_P(ToSingleCases, ReadsEitherSeparator) {
    const auto& c = GetParam();
    EXPECT_FLOAT_EQ(ToSingle(c.text, c.machine), c.expected)
        << "text '" << c.text << "' on a '" << c.machine << "' machine";
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, ToSingleCases,
    ::testing::Values(ToSingleCase{"0,5", '.', 0.5f}, ToSingleCase{"12,75", '.', 12.75f},
                      ToSingleCase{"0.5", '.', 0.5f}, ToSingleCase{"0.5", ',', 0.5f},
                      ToSingleCase{"0,5", ',', 0.5f}, ToSingleCase{"12.75", ',', 12.75f},
                      ToSingleCase{"-3", '.', -3.0f}, ToSingleCase{"-3", ',', -3.0f},
                      ToSingleCase{" 42 ", '.', 42.0f}, ToSingleCase{"+7", '.', 7.0f},
                      ToSingleCase{"-0,25", '.', -0.25f},
                      // The texts a field holds while a number is still being typed.
                      ToSingleCase{"", '.', 0.0f}, ToSingleCase{"-", '.', 0.0f},
                      ToSingleCase{".", '.', 0.0f}, ToSingleCase{",", '.', 0.0f},
                      ToSingleCase{"", ',', 0.0f}, ToSingleCase{"-", ',', 0.0f},
                      ToSingleCase{".", ',', 0.0f}, ToSingleCase{",", ',', 0.0f}));

TEST(Numbers, ToSingleRefusesWhatIsNoNumber) {
    for (const char* junk : {"N.A.", "abc", "1,234,5", "12a", "1 2", "--3", "1e5", "+", " "}) {
        EXPECT_THROW(ToSingle(junk, '.'), ConversionError) << "'" << junk << "'";
    }
    // On a decimal-comma machine a point that cannot be rewritten stays foreign.
    EXPECT_THROW(ToSingle("1.234.5", ','), ConversionError);
}

TEST(Numbers, ToSingleIsSinglePrecision) {
    // 0.1 is not exact in binary; the result is the nearest float, not the nearest double.
    EXPECT_EQ(ToSingle("0.1", '.'), 0.1f);
    EXPECT_EQ(ToSingle("16777217", '.'), 16777216.0f);
}

// --- IsNumeric ------------------------------------------------------------------------------

TEST(Numbers, IsNumericFollowsTheMachineSeparator) {
    struct Case {
        const char* text;
        char machine;
        bool numeric;
    } cases[] = {
        {"12", '.', true},     {" 12 ", '.', true},     {"-1.5", '.', true},  {"+3", '.', true},
        {"1.", '.', true},     {".5", '.', true},       {"1,5", '.', false},  {"1,5", ',', true},
        {"1.5", ',', false},   {"1,234,5", '.', false}, {"N.A.", '.', false}, {"", '.', false},
        {".", '.', false},     {"-", '.', false},       {"1e5", '.', false},  {"1 2", '.', false},
        {"1.2.3", '.', false}, {"0x10", '.', false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsNumeric(c.text, c.machine), c.numeric)
            << "'" << c.text << "' on a '" << c.machine << "' machine";
}

// --- Rounding -------------------------------------------------------------------------------

TEST(Numbers, IntRoundsTowardsMinusInfinity) {
    EXPECT_EQ(Int(2.7), 2.0);
    EXPECT_EQ(Int(2.0), 2.0);
    EXPECT_EQ(Int(-2.3), -3.0);
    EXPECT_EQ(Int(-2.0), -2.0);
    EXPECT_EQ(Int(-0.5), -1.0);
    EXPECT_EQ(Int(0.0), 0.0);
    // The results of the calculation are written rounded as Int(x + 0.5).
    EXPECT_EQ(Int(-2.5 + 0.5), -2.0);
    EXPECT_EQ(Int(9119.6 + 0.5), 9120.0);
}

TEST(Numbers, RoundHalfEvenGoesToTheEvenNeighbour) {
    struct Case {
        double x, expected;
    } cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {0.5, 0},
                 {1.5, 2}, {2.4, 2}, {2.6, 3},   {-2.6, -3}};
    for (const auto& c : cases)
        EXPECT_EQ(RoundHalfEven(c.x), c.expected) << c.x;
}

TEST(Numbers, RoundTwoPlacesRoundsHalfUp) {
    struct Case {
        float x, expected;
    } cases[] = {
        {2.346f, 2.35f},
        {2.344f, 2.34f},
        {-1.234f, -1.23f},
        {1.0f, 1.0f},
        {0.0f, 0.0f},
        // Exact halves (0.125 is exact in binary) go up, also below zero.
        {0.125f, 0.13f},
        {-0.125f, -0.12f},
        {99.999f, 100.0f},
    };
    for (const auto& c : cases)
        EXPECT_FLOAT_EQ(RoundTwoPlaces(c.x), c.expected) << c.x;
}

// --- FormatNumber ---------------------------------------------------------------------------

TEST(Numbers, FormatSingleGivesTheShortestTextOfSevenDigits) {
    EXPECT_EQ(FormatSingle(0.16f, '.'), "0.16");
    EXPECT_EQ(FormatSingle(1234567.0f, '.'), "1234567");
    EXPECT_EQ(FormatSingle(0.1f, '.'), "0.1");
    EXPECT_EQ(FormatSingle(1.0f / 3.0f, '.'), "0.3333333");
    EXPECT_EQ(FormatSingle(-12.75f, '.'), "-12.75");
    EXPECT_EQ(FormatSingle(0.16f, ','), "0,16");
}

TEST(Numbers, FormatNumberWritesDoublesWithFifteenDigits) {
    struct Case {
        double value;
        char machine;
        const char* expected;
    } cases[] = {
        {2.5, '.', "2.5"},
        {2.5, ',', "2,5"},
        {0.0, '.', "0"},
        {-0.0, '.', "0"},
        {100.0, '.', "100"},
        {-0.5, '.', "-0.5"},
        {0.1 + 0.2, '.', "0.3"},
        {1.0 / 3.0, '.', "0.333333333333333"},
        {9120.0, '.', "9120"},
        // Never an exponent, and no thousands separator.
        {1e-5, '.', "0.00001"},
        {1e-5, ',', "0,00001"},
        {1e9, '.', "1000000000"},
        {1234567.5, ',', "1234567,5"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FormatNumber(c.value, c.machine), c.expected) << c.value;
}

TEST(Numbers, FormatNumberRoundsToTheGivenDigits) {
    EXPECT_EQ(FormatNumber(1234.5678, '.', 4), "1235");
    EXPECT_EQ(FormatNumber(0.9999999, '.', 3), "1");
    EXPECT_EQ(FormatNumber(-0.000123456, '.', 3), "-0.000123");
    EXPECT_EQ(FormatNumber(99.96, '.', 3), "100");
}

TEST(Numbers, FormatThenReadGivesTheSameSingleOnBothMachines) {
    for (char machine : {'.', ','}) {
        for (float v : {0.16f, 12.75f, -3.0f, 1234567.0f, 0.001f, 98.6f}) {
            EXPECT_EQ(ToSingle(FormatSingle(v, machine), machine), v) << v << " " << machine;
        }
    }
}

// A window toolkit switches the C library to the user's locale; a German one writes and reads
// a decimal comma, which must change nothing here.
TEST(Numbers, TheCLibraryLocaleChangesNoReadingOrWriting) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "locale de_DE.UTF-8 missing";
    const auto read = ParseNumber("0.5", '.');
    const auto readComma = ParseNumber("+12,75", ',');
    const std::string written = FormatNumber(1234.5, '.');
    const float roundTrip = ToSingle(FormatSingle(98.6f, ','), ',');
    const auto tooLong = ParseNumber(std::string(400, '9'), '.');
    const auto tiny = ParseNumber("-0." + std::string(400, '0') + "1", '.');
    std::setlocale(LC_ALL, before.c_str());
    EXPECT_EQ(read, 0.5);
    EXPECT_EQ(readComma, 12.75);
    EXPECT_EQ(written, "1234.5");
    EXPECT_EQ(roundTrip, 98.6f);
    EXPECT_EQ(tooLong, HUGE_VAL);
    EXPECT_EQ(tiny, 0.0);
}

// --- Booleans -------------------------------------------------------------------------------

TEST(Numbers, BooleansAsText) {
    EXPECT_STREQ(BoolText(true), "True");
    EXPECT_STREQ(BoolText(false), "False");
    EXPECT_TRUE(ParseBool("True", false));
    EXPECT_TRUE(ParseBool("TRUE", false));
    EXPECT_FALSE(ParseBool("false", true));
    EXPECT_TRUE(ParseBool("-1", false));
    EXPECT_FALSE(ParseBool("0", true));
    EXPECT_TRUE(ParseBool("junk", true));
    EXPECT_FALSE(ParseBool("", false));
}

} // namespace
} // namespace tw
