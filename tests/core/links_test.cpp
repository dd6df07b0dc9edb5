// SPDX-License-Identifier: MIT
// Data sheets, the catalogue, the help file and web links handed to the desktop.
#include "support/installation.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

using test::Installation;

class Links : public ::testing::Test {
protected:
    Installation install;
    std::unique_ptr<FrmMain> w = install.Start();
    Headless& machine() { return install.Machine(); }
    std::string SheetOfChosenUnit() {
        return w->MSFlexGrid[520].TextMatrix(static_cast<int>(w->FieldNumber(533)), 4);
    }
};

TEST_F(Links, NoChosenUnitOpensNothing) {
    w->SetFieldValue(533, "-1");
    w->SPECLINK_Click(0);
    w->SetFieldValue(553, "");
    w->SPECLINK_Click(1);
    EXPECT_TRUE(machine().OpenedDocuments().empty());
    EXPECT_TRUE(machine().InputPrompts().empty());
}

TEST_F(Links, ASheetFoundOpensAtOnceAndItsFolderIsRemembered) {
    const std::string sheet = SheetOfChosenUnit();
    ASSERT_FALSE(sheet.empty());
    install.WriteFile("proddata/specs/" + sheet, "%PDF-1.4\n");
    w->SPECLINK_Click(0);
    ASSERT_EQ(machine().OpenedDocuments().size(), 1u);
    EXPECT_EQ(machine().OpenedDocuments()[0],
              (install.Folder() / "proddata/specs" / sheet).string());
    EXPECT_EQ(w->GetSetting("CSpecPath", ""), (install.Folder() / "proddata/specs").string());
}

TEST_F(Links, AMissingSheetIsLookedForUntilFoundOrGivenUp) {
    const std::string sheet = SheetOfChosenUnit();
    install.WriteFile("sheets/" + sheet, "%PDF-1.4\n");
    machine().QueueText((install.Folder() / "nowhere").string());
    machine().QueueText((install.Folder() / "sheets").string());
    w->SPECLINK_Click(0);
    EXPECT_EQ(machine().InputPrompts().size(), 2u);
    ASSERT_EQ(machine().OpenedDocuments().size(), 1u);
    EXPECT_EQ(w->GetSetting("CSpecPath", ""), (install.Folder() / "sheets").string());

    // The cooler's sheet is nowhere: an empty answer ends the search.
    w->SPECLINK_Click(1);
    EXPECT_EQ(machine().InputPrompts().size(), 3u);
    EXPECT_EQ(machine().OpenedDocuments().size(), 1u);
}

TEST_F(Links, HyperlinksTurnVisitedAndOpenTheirTarget) {
    Label& link = w->HYPERLINK[890];
    ASSERT_FALSE(link.Tag.empty());
    link.ForeColor = Rgb(0, 0, 255);
    w->Raise(EventType::Click, link.ref);
    EXPECT_EQ(link.ForeColor, w->Colours.Visited);
    ASSERT_EQ(machine().OpenedDocuments().size(), 1u);
    EXPECT_EQ(machine().OpenedDocuments()[0], link.Tag);
}

TEST_F(Links, HelpAndCatalogue) {
    w->BUTT_Click(12);
    ASSERT_EQ(machine().OpenedDocuments().size(), 1u);
    EXPECT_EQ(machine().OpenedDocuments()[0], w->OpDataFolder + "help.html");
    EXPECT_TRUE(w->FileExists(machine().OpenedDocuments()[0], false));

    // No catalogue installed: the user is asked where it is.
    install.WriteFile("docs/catalogue.pdf", "%PDF-1.4\n");
    machine().QueueText((install.Folder() / "docs/catalogue.pdf").string());
    w->Raise(EventType::Click, w->ThumbNailLogo.ref);
    ASSERT_EQ(machine().OpenedDocuments().size(), 2u);
    EXPECT_EQ(w->GetSetting("CatalogPath", ""), (install.Folder() / "docs/catalogue.pdf").string());
}

} // namespace
} // namespace tw
