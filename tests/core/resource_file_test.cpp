// SPDX-License-Identifier: MIT
// The resource (language) file and the colour file: record rules, damaged files, and
// switching language and colour scheme while the program runs.
#include "shell/ansi.h"
#include "shell/text_file.h"
#include "support/installation.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

using test::Installation;

// The shipped English file with extra records appended (later records win).
void AppendToLanguageFile(Installation& install, const std::string& records) {
    auto bytes = ReadFileBytes(install.OpData() / "default.lng");
    ASSERT_TRUE(bytes);
    install.WriteFile("opdata/default.lng", *bytes + Utf8ToAnsi(records));
}

TEST(ResourceFile, RecordRulesForIndexPropertyQuotesAndConstants) {
    for (char separator : {'.', ','}) {
        Installation install;
        install.Machine().SetDecimalSeparator(separator);
        AppendToLanguageFile(install, "TEXTBOX\t101\tcaption\tRoom length\r\n"
                                      "TEXTBOX\t-101\tCAPTION\tIgnored\r\n"
                                      "TEXTBOX\t105\tCAPTION\t\"Hello\"\r\n"
                                      "TEXTBOX\t106\tCAPTION\t\"Hello\r\n"
                                      "ACONST\t0\t MOTORTEMP \t0,5\r\n"
                                      "UNIT\t20\tTEMP\t°F\t°C\tFTOC\r\n"
                                      "BUTTONS\tmenu\tjustify\tcentre\r\n"
                                      "a comment line without tabs\r\n");
        auto w = install.Start();
        EXPECT_EQ(w->LABEL[101].Caption(), "Room length");
        EXPECT_TRUE(w->LABEL[101].Visible);
        EXPECT_EQ(w->LABEL[105].Caption(), "Hello");
        EXPECT_EQ(w->LABEL[106].Caption(), "Hell");
        EXPECT_FLOAT_EQ(w->Constants["MOTORTEMP"], 0.5f) << separator;
        EXPECT_EQ(w->UnitText("temp", true), "°C");
        EXPECT_EQ(w->UnitText("temp", false), "°F");
        EXPECT_EQ(w->UnitTable[20][4], "FTOC");
        EXPECT_EQ(w->UnitText("no such kind", false), "no such kind");
        for (int i = 0; i <= 14; ++i)
            EXPECT_EQ(w->BUTT[i].Alignment, 2) << i;
    }
}

TEST(ResourceFile, ShippedFileDressesTheWindow) {
    Installation install;
    auto w = install.Start();
    EXPECT_EQ(w->JobFileExtension, "wic");
    EXPECT_FALSE(w->Window.Caption.empty());
    for (int n : {0, 12, 102, 103, 212, 213, 312, 400, 506, 600, 700, 803})
        EXPECT_FALSE(w->LABEL[n].Caption().empty()) << n;
    EXPECT_EQ(w->UNITS[103].Caption(), "°F");
    EXPECT_EQ(w->UNITS[401].Caption(), "W");
    for (int k : {0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 12, 13, 14})
        EXPECT_FALSE(w->BUTT[k].Caption().empty()) << k;
    EXPECT_EQ(w->OPTIONVALUE[625].List(1), "0.5");
    EXPECT_EQ(w->UnitGrid[200].ListCount(), 10);
    EXPECT_EQ(w->UnitGrid[300].ListCount(), 14);
    EXPECT_EQ(w->MSFlexHints[300].ListCount(), 14);
    EXPECT_FLOAT_EQ(w->Constants["MAXCOLUMNWIDTH"], 3000.0f);
    for (const char* key :
         {"RUNTIME1", "MININFILTTEMP", "UNDERRANGE", "ENTHALPYCONSTANT", "AVERAGECURTAINS"})
        EXPECT_TRUE(w->Constants.count(key)) << key;
    for (int n = 0; n <= 24; ++n)
        EXPECT_FALSE(w->ErrorTexts[static_cast<std::size_t>(n)].empty()) << n;
}

TEST(ResourceFile, DefaultRecordsMeetTheRememberedSettings) {
    Installation install;
    AppendToLanguageFile(
        install, "TEXTBOX\t110\tDEFAULT\tfrom file\r\nTEXTBOX\t710\tDEFAULT\tfile phone\r\n");
    // The template job loads after the resource file and brings its own job fields, so the
    // file is read once more here, as a language change does.
    {
        auto w = install.Start();
        w->ReadResourceFile();
        EXPECT_EQ(w->TEXTBOX[110].Text(), "from file");
        w->SaveSetting("TextBox110", "remembered");
        w->SaveSetting("TextBox710", "remembered phone");
    }
    auto w = install.Start();
    w->ReadResourceFile();
    EXPECT_EQ(w->GetFieldValue(110), "remembered");
    // With a job file open the per-user fields are the job's own.
    w->CurrentJobFile = (install.Folder() / "some.wic").string();
    w->SetFieldValue(710, "job phone");
    w->ReadResourceFile();
    EXPECT_EQ(w->GetFieldValue(710), "job phone");
    EXPECT_TRUE(w->CFRAME[2].Visible);
}

TEST(ResourceFile, DamagedRecordsAreSkippedAndTheRestApplies) {
    Installation install;
    AppendToLanguageFile(install, "ACONST\t0\tMOTORTEMP\tnot a number\r\n"
                                  "NOSUCHRECORD\t1\tCAPTION\tx\r\n"
                                  "TEXTBOX\t999\tCAPTION\tno such field\r\n"
                                  "TEXTBOX\t99999\tCAPTION\ttoo big\r\n"
                                  "MSGBOX\t40\tCAPTION\tbeyond the table\r\n"
                                  "MSGBOX\t99999999999\tMESSAGE\tx\r\n"
                                  "STRING\t4294967298\tx\tx\r\n"
                                  "UNIT\t3\tAREA\tft²\tm²\tbad factor\r\n"
                                  "TABLE\t2x9\tCAPTION\tbad code\r\n"
                                  "PICTURE\t0\tPICTURE\tmissing.png\r\n"
                                  "TEXTBOX\t16\tCAPTION\tStill read\r\n");
    auto w = install.Start();
    EXPECT_FLOAT_EQ(w->Constants["MOTORTEMP"], 32.0f);
    EXPECT_EQ(w->LABEL[16].Caption(), "Still read");
    EXPECT_EQ(w->UnitText("AREA", true), "m²");
    EXPECT_FALSE(w->Logo.Picture.empty());
}

TEST(LanguageAndColours, SwitchingIsImmediateAndSurvivesARestart) {
    Installation install;
    std::string englishCaption;
    {
        auto w = install.Start();
        englishCaption = w->LABEL[103].Caption();
        w->BUTT_Click(8);
        w->SetFocus(w->TEXTBOX[803].ref);
        ListBox& languages = w->OPTIONLIST[803];
        ASSERT_TRUE(languages.Visible);
        int german = -1;
        for (int i = 0; i < languages.ListCount(); ++i)
            if (languages.List(i) == "deutsch") german = i;
        ASSERT_GE(german, 0);
        languages.SetListIndex(german);
        EXPECT_NE(w->LABEL[103].Caption(), englishCaption);
        EXPECT_EQ(w->TEXTBOX[803].Text(), "deutsch");
        EXPECT_EQ(w->OPTIONLIST[206].List(0), w->Tables.Constructions().Cell(1, 1));

        const Colour before = w->Colours.Override;
        w->ChooseColourScheme("night");
        EXPECT_NE(w->Colours.Override, before);
    }
    auto w = install.Start();
    EXPECT_NE(w->LABEL[103].Caption(), englishCaption);
    EXPECT_EQ(w->GetSetting("Language_File", ""), "deutsch.lng");
    EXPECT_EQ(w->GetSetting("Colour_File", ""), "night.col");
    EXPECT_EQ(w->TEXTBOX[804].Text(), "night");
}

} // namespace
} // namespace tw
