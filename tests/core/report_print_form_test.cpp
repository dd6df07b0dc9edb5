// SPDX-License-Identifier: MIT
// Reading print forms: the header, the four commands with their values, unknown keywords,
// unreadable values and a form that ends inside a command; and the line breaking of MTEXT.
#include "report/print_form.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

using Kind = PrintStep::Kind;

TEST(PrintForm, ReadsTheHeaderAndEveryCommandWhateverTheLinesAre) {
    const PrintForm form = ReadPrintForm(
        "\"Page one\",8640,12000\r\n"
        "\"SHAPE\",\"OVAL\",10,20,2000,1000,0,255,65280,2\r\n"
        "\"PICTURE\",\"PRINTLOGO\",\"x\",0,100,200,3000,900\r\n"
        "\"TEXT\",\"L103\",500,600,\"Arial\",#TRUE#,#FALSE#,10.5,#TRUE#,16711680\r\n"
        "\"MTEXT\",\"T716\"\r\n0,7000,8000\r\n1200,\"Arial\",#FALSE#,#TRUE#,9,#FALSE#,0\r\n");
    ASSERT_TRUE(form.headerRead);
    EXPECT_EQ(form.title, "Page one");
    EXPECT_EQ(form.width, 8640);
    EXPECT_EQ(form.height, 12000);
    ASSERT_EQ(form.steps.size(), 4u);

    const ShapeCommand& s = form.steps[0].shape;
    EXPECT_EQ(form.steps[0].kind, Kind::Shape);
    EXPECT_EQ(form.steps[0].line, 2);
    EXPECT_EQ(s.kind, "OVAL");
    EXPECT_EQ(std::vector<int>({s.a, s.b, s.c, s.d, s.fillStyle, s.borderWidth}),
              std::vector<int>({10, 20, 2000, 1000, 0, 2}));
    EXPECT_EQ(s.fillColour, 255);
    EXPECT_EQ(s.borderColour, 65280);

    const PictureCommand& p = form.steps[1].picture;
    EXPECT_EQ(form.steps[1].kind, Kind::Picture);
    EXPECT_EQ(p.kind, "PRINTLOGO");
    EXPECT_EQ(std::vector<int>({p.left, p.top, p.width, p.height}),
              std::vector<int>({100, 200, 3000, 900}));

    const TextCommand& t = form.steps[2].text;
    EXPECT_EQ(form.steps[2].kind, Kind::Text);
    EXPECT_FALSE(t.multiLine);
    EXPECT_EQ(t.code, "L103");
    EXPECT_EQ(t.x, 500);
    EXPECT_EQ(t.y, 600);
    EXPECT_EQ(t.font, "Arial");
    EXPECT_TRUE(t.bold);
    EXPECT_FALSE(t.italic);
    EXPECT_FLOAT_EQ(t.size, 10.5f);
    EXPECT_TRUE(t.underline);
    EXPECT_EQ(t.colour, 16711680);

    // A line end separates values as a comma does.
    const TextCommand& m = form.steps[3].text;
    EXPECT_TRUE(m.multiLine);
    EXPECT_EQ(m.code, "T716");
    EXPECT_EQ(std::vector<int>({m.x, m.y, m.width, m.height}),
              std::vector<int>({0, 7000, 8000, 1200}));
    EXPECT_TRUE(m.italic);
    EXPECT_FLOAT_EQ(m.size, 9.0f);
}

TEST(PrintForm, PassesOverOtherKeywordsOneByOne) {
    const PrintForm form =
        ReadPrintForm("\"t\",100,100\r\n"
                      "\"-- heading --\"\r\n"
                      "\"CIRCLE\",\"TEXT\",\"S030\",1,2,\"Arial\",0,0,8,0,0\r\n");
    ASSERT_EQ(form.steps.size(), 1u);
    EXPECT_EQ(form.steps[0].text.code, "S030");
    EXPECT_EQ(form.steps[0].line, 3);
}

TEST(PrintForm, AnUnreadableValueSpoilsOnlyItsCommand) {
    const PrintForm form =
        ReadPrintForm("\"t\",100,100\r\n"
                      "\"TEXT\",\"T000\",left,2,\"Arial\",#FALSE#,#FALSE#,8,#FALSE#,0\r\n"
                      "\"TEXT\",\"T001\",1,2,\"Arial\",maybe,#FALSE#,8,#FALSE#,0\r\n"
                      "\"SHAPE\",\"LINE\",0,0,100,100,1,0,0,1\r\n");
    ASSERT_EQ(form.steps.size(), 3u);
    EXPECT_EQ(form.steps[0].kind, Kind::Error);
    EXPECT_NE(form.steps[0].error.find("'left' on line 2"), std::string::npos);
    EXPECT_EQ(form.steps[1].kind, Kind::Error);
    EXPECT_NE(form.steps[1].error.find("line 3"), std::string::npos);
    EXPECT_EQ(form.steps[2].kind, Kind::Shape);
    EXPECT_EQ(form.steps[2].shape.c, 100);
}

TEST(PrintForm, PositionsSizesAndFontsOutOfRangeSpoilOnlyTheirCommand) {
    const PrintForm form = ReadPrintForm(
        "\"t\",100,100\r\n"
        "\"MTEXT\",\"T000\",2000000000,2000000000,2000000000,2000000000,\"Arial\",#FALSE#,"
        "#FALSE#,8,#FALSE#,0\r\n"
        "\"TEXT\",\"T001\",1,2,\"Arial\",#FALSE#,#FALSE#,1e300,#FALSE#,0\r\n"
        "\"SHAPE\",\"LINE\",0,0,1000001,100,1,0,0,1\r\n"
        "\"SHAPE\",\"LINE\",0,0,-1000000,100,1,0,0,1\r\n");
    ASSERT_EQ(form.steps.size(), 4u);
    EXPECT_EQ(form.steps[0].kind, Kind::Error);
    EXPECT_NE(form.steps[0].error.find("Overflow"), std::string::npos);
    EXPECT_EQ(form.steps[1].kind, Kind::Error);
    EXPECT_EQ(form.steps[2].kind, Kind::Error);
    EXPECT_EQ(form.steps[3].kind, Kind::Shape);
    EXPECT_EQ(form.steps[3].shape.c, -1000000);
    EXPECT_FALSE(ReadPrintForm("\"t\",3000000000,100\r\n").headerRead);
}

TEST(PrintForm, AFormEndingInsideACommandEndsWithAnError) {
    const PrintForm form = ReadPrintForm("\"t\",100,100\r\n\"SHAPE\",\"LINE\",0,0,100\r\n");
    ASSERT_EQ(form.steps.size(), 1u);
    EXPECT_EQ(form.steps[0].kind, Kind::Error);
    EXPECT_NE(form.steps[0].error.find("past end"), std::string::npos);
}

TEST(PrintForm, AHeaderWithoutAPageSizeIsNotRead) {
    for (const char* text : {"", "\"t\",100", "\"t\",wide,100\r\n", "\"t\",0,100\r\n"}) {
        const PrintForm form =
            ReadPrintForm(std::string(text) + "\"SHAPE\",\"LINE\",0,0,1,1,1,0,0,1");
        EXPECT_FALSE(form.headerRead) << text;
        EXPECT_TRUE(form.steps.empty()) << text;
    }
}

// Every character is 10 units wide.
double Tens(const std::string& text) {
    return 10.0 * static_cast<double>(text.size());
}

TEST(WrapLines, BreaksAtBlanksLineEndsAndTheEdge) {
    EXPECT_TRUE(WrapLines("", 100, Tens).empty());
    EXPECT_EQ(WrapLines("one two three", 100, Tens),
              (std::vector<std::string>{"one two", "three"}));
    EXPECT_EQ(WrapLines("one\r\n\r\ntwo\nthree", 1000, Tens),
              (std::vector<std::string>{"one", "", "two", "three"}));
    // A word wider than the box is broken where it reaches the edge.
    EXPECT_EQ(WrapLines("ab abcdefghijkl", 50, Tens),
              (std::vector<std::string>{"ab", "abcde", "fghij", "kl"}));
    // Characters of several bytes stay whole.
    EXPECT_EQ(
        WrapLines("\xC3\xA4\xC3\xB6\xC3\xBC", 20,
                  [](const std::string& s) { return 10.0 * static_cast<double>(s.size() / 2); }),
        (std::vector<std::string>{"\xC3\xA4\xC3\xB6", "\xC3\xBC"}));
}

} // namespace
} // namespace tw
