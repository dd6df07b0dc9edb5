// SPDX-License-Identifier: MIT
// Drawing a print form onto the recording surface: the page scale, what each command draws
// and where, the font scale, MTEXT lines and the errors that are logged while the page goes on.
#include "platform/recording_surface.h"
#include "support/installation.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace tw::test {
namespace {

class PrintFileTest : public ::testing::Test {
protected:
    Installation installation;
    std::unique_ptr<FrmMain> w = installation.Start();
    RecordingSurface page{"ImageBuilder"};

    // Draws a form of the given size and commands; the recorded lines.
    std::vector<std::string> Draw(const std::string& commands, int width = 8640,
                                  int height = 12000) {
        installation.WriteFile("opdata/test.frm", "\"Test\"," + std::to_string(width) + "," +
                                                      std::to_string(height) + "\r\n" + commands);
        w->PrintFile(w->OpDataFolder + "test.frm", page, w->WrapBox, false);
        return page.Lines();
    }
    std::vector<std::string> Errors() const {
        std::vector<std::string> errors;
        for (const std::string& line : w->Log.DumpLines())
            if (line.find("**** Printer Error :-") != std::string::npos) errors.push_back(line);
        return errors;
    }
};

TEST_F(PrintFileTest, TheDesignPageFillsTheSurfaceWithAMarginAndTextsAreExpanded) {
    const auto lines = Draw("\"TEXT\",\"L103\",100,200,\"Arial\",#TRUE#,#FALSE#,10,#FALSE#,255\r\n"
                            "\"TEXT\",\"T103\",2000,200,\"Arial\",#FALSE#,#TRUE#,9,#TRUE#,0\r\n");
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "SCALE -216 -300 9072 12600",
                         "TEXT 100 200 \"Arial\" 10 bold #ff0000 \"Room temperature\"",
                         "TEXT 2000 200 \"Arial\" 9 italic underline #000000 \"35\""}));
    const auto log = w->Log.DumpLines();
    EXPECT_NE(std::find(log.begin(), log.end(),
                        ">PrintFile " + w->OpDataFolder + "test.frm, ImageBuilder, False, WrapBox"),
              log.end());
}

TEST_F(PrintFileTest, FontsShrinkWithAWiderDesign) {
    const auto lines =
        Draw("\"TEXT\",\"L103\",0,0,\"Arial\",#FALSE#,#FALSE#,10,#FALSE#,0\r\n", 17280, 24000);
    EXPECT_EQ(lines.back(), "TEXT 0 0 \"Arial\" 5 #000000 \"Room temperature\"");
}

TEST_F(PrintFileTest, Shapes) {
    const auto lines = Draw("\"SHAPE\",\"RECTANGLE\",100,200,1000,500,1,0,255,2\r\n"
                            "\"SHAPE\",\"OVAL\",0,0,2000,1000,0,65280,0,1\r\n"
                            "\"SHAPE\",\"OVAL\",0,0,1000,2000,1,0,0,1\r\n"
                            "\"SHAPE\",\"CIRCLE\",0,0,2000,1000,1,0,0,1\r\n"
                            "\"SHAPE\",\"SQUARE\",0,0,2000,1000,0,16777215,0,3\r\n"
                            "\"SHAPE\",\"LINE\",10,20,3000,40,1,0,8421504,4\r\n"
                            "\"SHAPE\",\"STAR\",0,0,10,10,1,0,0,1\r\n");
    // A rectangle is four edges, one screen pixel (15 twips) inside its box.
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.end()),
              (std::vector<std::string>{
                  "LINE 100 200 1085 200 #ff0000 w2",
                  "LINE 100 685 1085 685 #ff0000 w2",
                  "LINE 100 200 100 685 #ff0000 w2",
                  "LINE 1085 200 1085 685 #ff0000 w2",
                  "ELLIPSE 1000 500 1000 0.5 #000000 w1 fill 0 #00ff00",
                  "ELLIPSE 500 1000 1000 2 #000000 w1",
                  "ELLIPSE 1000 500 500 1 #000000 w1",
                  "BOX 500 0 1500 1000 #000000 w3 fill 0 #ffffff",
                  "LINE 10 20 3000 40 #808080 w4",
              }));
}

TEST_F(PrintFileTest, ThePrintLogoAndThePlanOfTheChosenRoomShape) {
    Draw("\"PICTURE\",\"PRINTLOGO\",0,0,10,20,3000,900\r\n"
         "\"PICTURE\",\"GEOMETRY\",0,0,5000,0,1600,1200\r\n");
    w->RADIO[202].SetValue(true);
    Draw("\"PICTURE\",\"GEOMETRY\",0,0,5000,0,1600,1200\r\n");
    w->RADIO[204].SetValue(true);
    const auto lines = Draw("\"PICTURE\",\"GEOMETRY\",0,0,5000,0,1600,1200\r\n");
    std::vector<std::string> pictures;
    std::copy_if(lines.begin(), lines.end(), std::back_inserter(pictures),
                 [](const std::string& l) { return l.rfind("PICTURE", 0) == 0; });
    EXPECT_EQ(pictures, (std::vector<std::string>{"PICTURE printlogo.png 10 20 3000 900",
                                                  "PICTURE room4.png 5000 0 1600 1200",
                                                  "PICTURE room8.png 5000 0 1600 1200",
                                                  "PICTURE roomgrid.png 5000 0 1600 1200"}));
}

TEST_F(PrintFileTest, MultiLineTextsWrapAndShrinkOrEndInAMarkToFitTheirHeight) {
    // On this page a 10-point character is 84 units wide and a line 185 units high: three
    // lines do not fit 400 units, two lines of 8 points (148 units apart) do.
    w->TEXTBOX[716].SetText("aaaa bbbb cccc dddd eeee");
    const auto lines =
        Draw("\"MTEXT\",\"T716\",500,1000,1000,400,\"Arial\",#FALSE#,#FALSE#,10,#FALSE#,0\r\n");
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 1, lines.end()),
              (std::vector<std::string>{"TEXT 500 1000 \"Arial\" 8 #000000 \"aaaa bbbb cccc\"",
                                        "TEXT 500 1148 \"Arial\" 8 #000000 \"dddd eeee\""}));
    EXPECT_EQ(w->WrapBox.Caption(), "aaaa bbbb cccc dddd eeee");
    EXPECT_EQ(w->WrapBox.Width, 1000);
    // Too long for one line even at 70 %: the line that fits ends in an ellipsis.
    w->TEXTBOX[716].SetText("aaaa bbbb cccc dddd eeee ffff gggg hhhh iiii jjjj");
    const auto cut =
        Draw("\"MTEXT\",\"T716\",500,1000,1000,200,\"Arial\",#FALSE#,#FALSE#,10,#FALSE#,0\r\n");
    EXPECT_EQ(cut.back(), "TEXT 500 1000 \"Arial\" 7 #000000 \"aaaa bbbb cccc\u2026\"");
}

TEST_F(PrintFileTest, AFailingStepIsLoggedAndThePageGoesOn) {
    w->PrintLogoFile = w->OpDataFolder + "missing.png";
    const auto lines = Draw("\"TEXT\",\"T999\",0,0,\"Arial\",#FALSE#,#FALSE#,10,#FALSE#,0\r\n"
                            "\"PICTURE\",\"PRINTLOGO\",0,0,0,0,3000,900\r\n"
                            "\"TEXT\",\"T103\",0,left,\"Arial\",#FALSE#,#FALSE#,10,#FALSE#,0\r\n"
                            "\"TEXT\",\"L103\",0,0,\"Arial\",#FALSE#,#FALSE#,10,#FALSE#,0\r\n");
    EXPECT_EQ(lines.back(), "TEXT 0 0 \"Arial\" 10 #000000 \"Room temperature\"");
    const auto errors = Errors();
    ASSERT_EQ(errors.size(), 3u);
    EXPECT_NE(errors[0].find("TEXTBOX(999)"), std::string::npos);
    EXPECT_NE(errors[1].find("missing.png"), std::string::npos);
    EXPECT_NE(errors[2].find("'left' on line 4"), std::string::npos);
    EXPECT_TRUE(installation.Machine().Messages().empty());
}

TEST_F(PrintFileTest, AMissingOrHeadlessFormDrawsNothing) {
    w->PrintFile(w->OpDataFolder + "nowhere.frm", page, w->WrapBox, false);
    installation.WriteFile("opdata/bad.frm",
                           "\"Test\",wide,high\r\n\"SHAPE\",\"LINE\",0,0,1,1,1,0,0,1");
    w->PrintFile(w->OpDataFolder + "bad.frm", page, w->WrapBox, false);
    EXPECT_TRUE(page.Lines().empty());
    EXPECT_EQ(Errors().size(), 2u);
}

} // namespace
} // namespace tw::test
