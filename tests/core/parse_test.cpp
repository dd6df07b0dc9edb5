// SPDX-License-Identifier: MIT
// The tab-separated line reader every file reader uses, and the command-line splitter.
#include "shell/parse.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tw {
namespace {

using Fields = std::vector<std::string>;

// --- SplitInputLine / ParseInput ------------------------------------------------------------

TEST(Parse, FieldsStartAtIndexOneWithOneEmptyElementAfterTheLast) {
    struct Case {
        const char* line;
        Fields expected;
    } cases[] = {
        {"A\tB\tC", {"", "A", "B", "C", ""}},
        {"A", {"", "A", ""}},
        {"", {"", "", ""}},
        {"A\t", {"", "A", "", ""}},
        {"\tB", {"", "", "B", ""}},
        {"A\t\tC", {"", "A", "", "C", ""}},
        {"TEXTBOX\t101\tcaption\tRoom length",
         {"", "TEXTBOX", "101", "caption", "Room length", ""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitInputLine(c.line), c.expected) << "line '" << c.line << "'";
}

TEST(Parse, UpperBoundIsTheFieldCountPlusOne) {
    EXPECT_EQ(UpperBound(SplitInputLine("A\tB\tC")), 4);
    EXPECT_EQ(UpperBound(SplitInputLine("A")), 2);
    // The readers use a line only when it has four fields: an upper bound of 5.
    EXPECT_EQ(UpperBound(SplitInputLine("ACONST\t0\tMOTORTEMP\t0,5")), 5);
}

TEST(Parse, TheFirstFieldIsNotLimited) {
    const std::string first(400, 'a');
    Fields f = SplitInputLine(first + "\tB");
    EXPECT_EQ(f[1], first);
    EXPECT_EQ(f[2], "B");
}

TEST(Parse, EverythingAfterTheFirstTabIsLimitedTo255Characters) {
    Fields f = SplitInputLine("X\t" + std::string(300, 'b'));
    ASSERT_EQ(UpperBound(f), 3);
    EXPECT_EQ(f[2], std::string(255, 'b'));

    // The cut applies to the rest of the line, so a later field is shortened or lost.
    f = SplitInputLine("X\t" + std::string(250, 'b') + "\t" + std::string(20, 'c'));
    ASSERT_EQ(UpperBound(f), 4);
    EXPECT_EQ(f[2], std::string(250, 'b'));
    EXPECT_EQ(f[3], std::string(4, 'c'));

    f = SplitInputLine("X\t" + std::string(260, 'b') + "\tlost");
    ASSERT_EQ(UpperBound(f), 3);
    EXPECT_EQ(f[2], std::string(255, 'b'));
}

TEST(Parse, TheLimitCountsCharactersNotBytes) {
    // Lines arrive converted from the ANSI code page: a degree sign is one character.
    std::string degrees;
    for (int i = 0; i < 300; ++i)
        degrees += "\xC2\xB0";
    Fields f = SplitInputLine("UNIT\t" + degrees);
    std::string expected;
    for (int i = 0; i < 255; ++i)
        expected += "\xC2\xB0";
    EXPECT_EQ(f[2], expected);
}

TEST(Parse, ParseInputReadsOneLineAtATime) {
    LineReader file({"A\tB", "C", ""});
    EXPECT_EQ(ParseInput(file), (Fields{"", "A", "B", ""}));
    EXPECT_EQ(ParseInput(file), (Fields{"", "C", ""}));
    EXPECT_EQ(UpperBound(ParseInput(file)), 2);
    EXPECT_TRUE(file.Eof());
}

// --- ParseCommandLine -----------------------------------------------------------------------

struct CommandLineCase {
    const char* raw;
    Fields args; // element 0 unused
};

void PrintTo(const CommandLineCase& c, std::ostream* os) {
    *os << "'" << c.raw << "'";
}

class CommandLineCases : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineCases, Splits) {
    EXPECT_EQ(ParseCommandLine(GetParam().raw), GetParam().args);
}

INSTANTIATE_TEST_SUITE_P(
    Parse, CommandLineCases,
    ::testing::Values(CommandLineCase{"", {""}}, CommandLineCase{"job.wic", {"", "job.wic"}},
                      // A path with blanks is one argument, in quotes or not.
                      CommandLineCase{"\"/home/ann/My Jobs/cold room.wic\"",
                                      {"", "/home/ann/My Jobs/cold room.wic"}},
                      CommandLineCase{"/home/ann/My Jobs/cold room.wic",
                                      {"", "/home/ann/My Jobs/cold room.wic"}},
                      // A blank before a slash separates two arguments.
                      CommandLineCase{"job.wic /LOG", {"", "job.wic", "/LOG"}},
                      CommandLineCase{"\"My Jobs/a b.wic\" /LOG", {"", "My Jobs/a b.wic", "/LOG"}},
                      CommandLineCase{"/LOG", {"", "/LOG"}},
                      // A tab always separates.
                      CommandLineCase{"a.wic\t/LOG", {"", "a.wic", "/LOG"}},
                      CommandLineCase{"a\tb\tc", {"", "a", "b", "c"}},
                      CommandLineCase{"a\t\tb", {"", "a", "b"}},
                      // Quotes are dropped and may sit inside an argument.
                      CommandLineCase{"ab\"c d\"e", {"", "abc de"}},
                      CommandLineCase{"\"x\"y", {"", "xy"}}, CommandLineCase{"\"\"", {""}},
                      // A tab inside quotes belongs to the argument.
                      CommandLineCase{"\"a\tb\"", {"", "a\tb"}}));

TEST(Parse, CommandLineStopsAtTheMaximumCount) {
    EXPECT_EQ(ParseCommandLine("a\tb\tc", 2), (Fields{"", "a", "b"}));
    EXPECT_EQ(ParseCommandLine("a /b /c", 1), (Fields{"", "a"}));

    std::string twelve;
    for (int i = 1; i <= 12; ++i)
        twelve += (i > 1 ? "\t" : "") + std::to_string(i);
    Fields args = ParseCommandLine(twelve);
    ASSERT_EQ(args.size(), 11u);
    EXPECT_EQ(args[10], "10");
}

} // namespace
} // namespace tw
