// SPDX-License-Identifier: MIT
// Script lines, JSON texts and typed characters: the pieces of tarnwell that work on text.
#include "arguments.h"
#include "json_writer.h"
#include "script.h"
#include "text.h"

#include <gtest/gtest.h>

namespace tarnwell {
namespace {

using Words = std::vector<std::string>;

TEST(TarnwellScript, WordsQuotesAndComments) {
    EXPECT_EQ(SplitScriptLine("type 103 35"), Words({"type", "103", "35"}));
    EXPECT_EQ(SplitScriptLine("  cell\t300 3  2 1000\r"), Words({"cell", "300", "3", "2", "1000"}));
    EXPECT_EQ(SplitScriptLine("type 0 \"Job #5, \\\"A\\\" \\\\ B\""),
              Words({"type", "0", "Job #5, \"A\" \\ B"}));
    // An empty text is a word of its own; quotes may sit inside a word.
    EXPECT_EQ(SplitScriptLine("type 0 \"\""), Words({"type", "0", ""}));
    EXPECT_EQ(SplitScriptLine("save my\" \"job.wic"), Words({"save", "my job.wic"}));
    EXPECT_EQ(SplitScriptLine("radio 201 # six walls"), Words({"radio", "201"}));
    EXPECT_EQ(SplitScriptLine("type 0 a#b"), Words({"type", "0", "a#b"}));
    EXPECT_TRUE(SplitScriptLine("   # only a comment").empty());
    EXPECT_THROW(SplitScriptLine("type 0 \"open"), UsageError);
}

TEST(TarnwellScript, LinesAreNumberedAsInTheFile) {
    const auto lines = ReadScript("\xEF\xBB\xBFtype 103 35\r\n\r\n# note\nradio 201", "s.tws");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].number, 1);
    EXPECT_EQ(lines[0].words, Words({"type", "103", "35"}));
    EXPECT_EQ(lines[1].number, 4);
    EXPECT_EQ(lines[1].words, Words({"radio", "201"}));
    try {
        ReadScript("json\n\"x", "s.tws");
        FAIL() << "an open quote must be refused";
    } catch (const UsageError& e) {
        EXPECT_STREQ(e.what(), "s.tws:2: a quote is not closed");
    }
}

TEST(TarnwellJson, StringsAreEscapedAndAlwaysValidUtf8) {
    EXPECT_EQ(JsonString("plain"), "\"plain\"");
    EXPECT_EQ(JsonString("a\"b\\c"), "\"a\\\"b\\\\c\"");
    EXPECT_EQ(JsonString("l1\r\nl2\tx"), "\"l1\\r\\nl2\\tx\"");
    EXPECT_EQ(JsonString(std::string("\x01\x1f\x7f", 3)), "\"\\u0001\\u001f\\u007f\"");
    EXPECT_EQ(JsonString(std::string("nul\0", 4)), "\"nul\\u0000\"");
    // UTF-8 passes as it is; a Windows-1252 degree sign, an overlong slash and a surrogate
    // are not UTF-8 and become U+FFFD each.
    EXPECT_EQ(JsonString("35 °F, m³"), "\"35 °F, m³\"");
    EXPECT_EQ(JsonString("35 \xB0"
                         "F"),
              "\"35 \xEF\xBF\xBD"
              "F\"");
    EXPECT_EQ(JsonString("\xC0\xAF"), "\"\xEF\xBF\xBD\xEF\xBF\xBD\"");
    EXPECT_EQ(JsonString("\xED\xA0\x80"), "\"\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\"");
    EXPECT_EQ(JsonString("\xE2\x82"), "\"\xEF\xBF\xBD\xEF\xBF\xBD\"");
    EXPECT_EQ(JsonString("\xF0\x9F\x98\x80"), "\"\xF0\x9F\x98\x80\"");
}

TEST(TarnwellText, KeysAreCodePoints) {
    EXPECT_EQ(CodePoints("-1.5"), std::vector<int>({'-', '1', '.', '5'}));
    EXPECT_EQ(CodePoints("°C"), std::vector<int>({0xB0, 'C'}));
    EXPECT_EQ(CodePoints("Käse €"), std::vector<int>({'K', 0xE4, 's', 'e', ' ', 0x20AC}));
    // A byte outside UTF-8 stands for itself.
    EXPECT_EQ(CodePoints("\xB0"
                         "F"),
              std::vector<int>({0xB0, 'F'}));
    EXPECT_EQ(CodePoints("\xE2\x82"), std::vector<int>({0xE2, 0x82}));
}

TEST(TarnwellText, ColumnsCountCharactersNotBytes) {
    EXPECT_EQ(TextWidth("m³"), 2u);
    EXPECT_EQ(PadRight("m³", 4), "m³  ");
    EXPECT_EQ(PadLeft("°F", 3), " °F");
    EXPECT_EQ(PadLeft("12345", 3), "12345");
}

} // namespace
} // namespace tarnwell
