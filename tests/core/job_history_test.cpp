// SPDX-License-Identifier: MIT
// The recent job files: newest first without repeats, at most 25, ended by the first gap,
// files that are gone dropped, and an entry opened by a double click or Enter.
#include "job_support.h"

namespace tw::test {
namespace {

namespace fs = std::filesystem;

using FileHistory = JobFixture;

TEST_F(FileHistory, SavingAgainMovesAJobToTheTopWithoutARepeat) {
    const std::string a = (installation.Folder() / "a.wic").string();
    const std::string b = (installation.Folder() / "b.wic").string();
    ASSERT_TRUE(w->JobFileSave(a));
    ASSERT_TRUE(w->JobFileSave(b));
    ASSERT_TRUE(w->JobFileSave(a));
    EXPECT_EQ(Key(0), a);
    EXPECT_EQ(Key(1), b);
    EXPECT_EQ(Key(2), "");
    EXPECT_EQ(Key(25), "");
    EXPECT_EQ(w->FileHistoryList.Items(), (std::vector<std::string>{a, b}));
    EXPECT_EQ(w->FileHistory.size(), 3u) << "one free slot after the entries";
}

TEST_F(FileHistory, KeepsTheNewest25) {
    for (int i = 0; i < 30; ++i)
        SetKey(i, Job("old" + std::to_string(i) + ".wic"));
    w->LoadFileHistory();
    EXPECT_EQ(w->FileHistoryList.ListCount(), 26) << "keys 0 to 25 are read";
    const std::string current = (installation.Folder() / "current.wic").string();
    ASSERT_TRUE(w->JobFileSave(current));
    EXPECT_EQ(Key(0), current);
    for (int i = 1; i <= 24; ++i)
        EXPECT_EQ(Key(i), Job("old" + std::to_string(i - 1) + ".wic")) << i;
    EXPECT_EQ(Key(25), "");
    EXPECT_EQ(w->FileHistoryList.ListCount(), 25);
}

TEST_F(FileHistory, AGapEndsTheListAndFilesThatAreGoneAreDropped) {
    EXPECT_TRUE(w->FileHistoryList.Items().empty()) << "an empty store gives an empty list";
    const std::string a = Job("a.wic"), b = Job("b.wic"), c = Job("c.wic"), d = Job("d.wic");
    SetKey(0, a);
    SetKey(1, (installation.Folder() / "deleted.wic").string());
    SetKey(2, b);
    SetKey(3, "");
    SetKey(4, c);
    w->LoadFileHistory();
    EXPECT_EQ(w->FileHistoryList.Items(), (std::vector<std::string>{a, b}));

    // Saving drops what has gone meanwhile and closes the gaps.
    fs::remove(b);
    SetKey(3, c);
    SetKey(4, "");
    w->LoadFileHistory();
    EXPECT_EQ(w->FileHistoryList.Items(), (std::vector<std::string>{a, c}));
    ASSERT_TRUE(w->JobFileSave(d));
    EXPECT_EQ(Key(0), d);
    EXPECT_EQ(Key(1), a);
    EXPECT_EQ(Key(2), c);
    EXPECT_EQ(Key(3), "");
}

TEST_F(FileHistory, ADoubleClickOrEnterOpensTheChosenEntry) {
    const std::string a = Job("a.wic"), b = Job("b.wic");
    SetKey(0, a);
    SetKey(1, b);
    w->BUTT_Click(1);
    ASSERT_TRUE(w->FRAME[2].Visible);
    ASSERT_EQ(w->FileHistoryList.ListCount(), 2);

    w->FileHistoryList.SetListIndex(1);
    w->Raise(EventType::DblClick, w->FileHistoryList.ref);
    EXPECT_EQ(w->CurrentJobFile, b);
    EXPECT_EQ(w->GetFieldValue(0), "b.wic");
    EXPECT_EQ(w->FileHistoryList.Items(), (std::vector<std::string>{b, a}));

    w->FileHistoryList.SetListIndex(1);
    w->PressKey(w->FileHistoryList.ref, 13);
    EXPECT_EQ(w->CurrentJobFile, a);
    EXPECT_EQ(w->GetFieldValue(0), "a.wic");

    // Another key, or Enter with nothing chosen, opens nothing.
    w->FileHistoryList.SetListIndex(1);
    w->PressKey(w->FileHistoryList.ref, 'x');
    EXPECT_EQ(w->CurrentJobFile, a);
    w->FileHistoryList.SetListIndex(-1);
    w->PressKey(w->FileHistoryList.ref, 13);
    EXPECT_EQ(w->CurrentJobFile, a);
    EXPECT_TRUE(installation.Machine().Messages().empty());
}

TEST_F(FileHistory, AnEntryThatNoLongerLoadsFallsBackToTheTemplate) {
    const std::string a = Job("a.wic");
    SetKey(0, a);
    w->LoadFileHistory();
    installation.WriteFile("jobs/a.wic", "\"T\",0,\"cut");
    w->FileHistoryList.SetListIndex(0);
    w->FileHistoryList_DblClick();
    ASSERT_EQ(installation.Machine().Messages().size(), 1u);
    EXPECT_EQ(installation.Machine().Messages()[0].prompt, w->MessageTable[16][1]);
    EXPECT_TRUE(w->CurrentJobFile.empty());
    EXPECT_EQ(w->GetFieldValue(0), "New job");
    EXPECT_EQ(installation.Machine().Pointer(), MousePointer::Default);
}

} // namespace
} // namespace tw::test
