// SPDX-License-Identifier: MIT
// A job saved in one language opened in another: its surfaces, constructions, products and
// list fields show in the current language, and the loads come out the same.
#include "jobs/relocalise.h"
#include "support/installation.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

namespace tw {
namespace {

using test::Installation;

TEST(Relocalise, PositionsAreFoundInAnyLanguage) {
    const std::vector<std::vector<std::string>> lists = {{"Wall", "Floor"}, {"Wand", "Boden"}};
    EXPECT_EQ(PositionInAnyLanguage(lists, "Boden"), 1u);
    EXPECT_EQ(PositionInAnyLanguage(lists, "Wall"), 0u);
    EXPECT_FALSE(PositionInAnyLanguage(lists, "Roof"));
    EXPECT_FALSE(PositionInAnyLanguage(lists, ""));
    EXPECT_EQ(ListItemsOfResource({"OPTIONLIST\t201\tITEM\t\"Wall\"", "OPTIONLIST\t206\tITEM\tx",
                                   "OPTIONLIST\t201\tITEM\tFloor", "comment"},
                                  201),
              (std::vector<std::string>{"Wall", "Floor"}));
}

TEST(Relocalise, TheEnglishTemplateCalculatesTheSameInGerman) {
    Installation install;
    std::string english;
    {
        auto w = install.Start();
        w->Calculate();
        english = w->GetFieldValue(16);
        ASSERT_NE(english, "0");
        w->SaveSetting("Language_File", "deutsch.lng");
    }
    auto w = install.Start();
    EXPECT_EQ(w->MSFlexGrid[200].TextMatrix(1, 2), w->OPTIONLIST[201].List(0));
    EXPECT_EQ(w->MSFlexGrid[200].TextMatrix(1, 6), w->OPTIONLIST[201].List(1));
    EXPECT_EQ(w->MSFlexGrid[200].TextMatrix(6, 2), w->Tables.Constructions().Cell(1, 1));
    EXPECT_EQ(w->MSFlexGrid[300].TextMatrix(1, 2), w->OPTIONLIST[301].List(1));
    EXPECT_EQ(w->TEXTBOX[520].Text(), w->OPTIONLIST[520].List(0));
    w->Calculate();
    EXPECT_EQ(w->GetFieldValue(16), english);
    EXPECT_NE(w->GetFieldValue(214), "0");

    // And back: switching the language while the job is open.
    w->ChooseLanguage("default");
    EXPECT_EQ(w->MSFlexGrid[200].TextMatrix(1, 2), "Wall");
    w->Calculate();
    EXPECT_EQ(w->GetFieldValue(16), english);
}

TEST(Relocalise, AChangedResourceFileIsReadAgain) {
    Installation install;
    auto w = install.Start();
    w->MSFlexGrid[200].SetTextMatrix(1, 2, "Mauer");
    w->RelocaliseJob();
    EXPECT_EQ(w->MSFlexGrid[200].TextMatrix(1, 2), "Mauer");

    // An update renames the German wall.
    const auto german = install.OpData() / "deutsch.lng";
    std::ifstream in(german, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string wall = "201\tITEM\tWand";
    bytes.replace(bytes.find(wall), wall.size(), "201\tITEM\tMauer");
    install.WriteFile("opdata/deutsch.lng", bytes);
    w->RelocaliseJob();
    EXPECT_EQ(w->MSFlexGrid[200].TextMatrix(1, 2), "Wall");
}

} // namespace
} // namespace tw
