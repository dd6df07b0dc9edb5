// SPDX-License-Identifier: MIT
// The comma-delimited notation of the job files: writing values, reading fields back, and the
// character that stands in for a double quote.
#include "jobs/job_notation.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tw {
namespace {

using End = NotationField::End;

std::vector<std::string> Texts(const std::vector<NotationField>& fields) {
    std::vector<std::string> texts;
    for (const auto& f : fields)
        texts.push_back(f.text);
    return texts;
}

TEST(JobNotation, WritesEachKindOfValue) {
    EXPECT_EQ(WriteNotationLine({NotationText("T"), NotationWhole(103), NotationText("35"),
                                 NotationText(""), NotationTruth(false)}),
              "\"T\",103,\"35\",\"\",#FALSE#");
    EXPECT_EQ(WriteNotationLine({NotationWhole(-1), NotationTruth(true)}), "-1,#TRUE#");
    EXPECT_EQ(WriteNotationLine({NotationDate(2024, 3, 7), NotationTime(9, 5, 0)}),
              "#2024-03-07#,#09:05:00#");
    EXPECT_EQ(WriteNotationLine({NotationText("# "), NotationText("Tarnwell")}),
              "\"# \",\"Tarnwell\"");
}

TEST(JobNotation, ReadsQuotedAndBareFieldsAsTheyWereWritten) {
    auto fields = ReadNotationFields("\"T\",103,\"a, b\",  42  ,#TRUE#\r\n\"* \",x,#2024-03-07#,"
                                     "#09:05:00#,\"\"\r\n");
    EXPECT_EQ(Texts(fields), (std::vector<std::string>{"T", "103", "a, b", "42", "#TRUE#", "* ",
                                                       "x", "#2024-03-07#", "#09:05:00#", ""}));
    EXPECT_TRUE(fields[0].quoted);
    EXPECT_FALSE(fields[1].quoted);
    EXPECT_EQ(fields[3].end, End::Comma);
    EXPECT_EQ(fields[4].end, End::LineEnd);
    EXPECT_EQ(fields[5].line, 2);
    EXPECT_EQ(fields[9].end, End::LineEnd);
}

TEST(JobNotation, LineEndsSeparateLikeCommasAndEmptyLinesSeparateNothing) {
    // LF alone, CR alone and a last line without its line end.
    EXPECT_EQ(Texts(ReadNotationFields("a,b\nc\rd\r\n\r\n\ne")),
              (std::vector<std::string>{"a", "b", "c", "d", "e"}));
    // A comma before a line end or at the very end leaves an empty field.
    EXPECT_EQ(Texts(ReadNotationFields("a,\r\nb,")), (std::vector<std::string>{"a", "", "b", ""}));
    EXPECT_TRUE(ReadNotationFields("").empty());
    EXPECT_TRUE(ReadNotationFields("\r\n  \r\n").empty());
}

TEST(JobNotation, AQuotedFieldEndsAtTheNextQuote) {
    // What stands between the closing quote and the separator is dropped.
    auto fields = ReadNotationFields("\"ab\"cd,e");
    EXPECT_EQ(Texts(fields), (std::vector<std::string>{"ab", "e"}));
    // A quote never closed runs to the end and says so.
    fields = ReadNotationFields("\"T\",\"open");
    ASSERT_EQ(fields.size(), 2u);
    EXPECT_EQ(fields[1].text, "open");
    EXPECT_FALSE(fields[1].closed);
    EXPECT_TRUE(fields[0].closed);
    // A line break inside quotes belongs to the text.
    fields = ReadNotationFields("\"two\r\nlines\",x\r\ny");
    EXPECT_EQ(Texts(fields), (std::vector<std::string>{"two\r\nlines", "x", "y"}));
    EXPECT_EQ(fields[2].line, 3);
}

TEST(JobNotation, QuotesTravelAsCharacter142AndBack) {
    const std::string text = "12\" pipe, \"cold\" room";
    const std::string hidden = HideQuotes(text);
    EXPECT_EQ(hidden, "12\xC5\xBD pipe, \xC5\xBD"
                      "cold\xC5\xBD room");
    EXPECT_EQ(hidden.find('"'), std::string::npos);
    EXPECT_EQ(RestoreQuotes(hidden), text);
    // A real character 142 comes back as a quote.
    EXPECT_EQ(RestoreQuotes("\xC5\xBDilina"), "\"ilina");
    EXPECT_EQ(HideQuotes(""), "");
    EXPECT_EQ(RestoreQuotes("no quotes"), "no quotes");

    // Written and read back, the text arrives whole.
    auto fields = ReadNotationFields(WriteNotationLine({NotationText(HideQuotes(text))}));
    ASSERT_EQ(fields.size(), 1u);
    EXPECT_EQ(RestoreQuotes(fields[0].text), text);
}

} // namespace
} // namespace tw
