// SPDX-License-Identifier: MIT
// The menu commands on the job: the job page, exit, open, save and new job, with their
// questions, dialogs and messages, and closing the window with unsaved changes.
#include "job_support.h"

namespace tw::test {
namespace {

namespace fs = std::filesystem;

using JobCommands = JobFixture;

TEST_F(JobCommands, TheJobPageAsksFirstWhenTheJobChangedAndShowsTheRecentFiles) {
    const std::string a = Job("a.wic", "A");
    w->platform.SaveSetting(w->RegistryAppName, w->FileHistorySection, "0File", a);
    w->BUTT_Click(1);
    EXPECT_TRUE(machine.Messages().empty());
    EXPECT_TRUE(w->FRAME[2].Visible);
    EXPECT_EQ(w->FileHistoryList.Items(), std::vector<std::string>{a});

    w->BUTT_Click(0);
    Modify();
    machine.QueueAnswer(mb::No);
    w->BUTT_Click(1);
    ExpectAsked(13, 20);
    EXPECT_FALSE(w->FRAME[2].Visible);
    machine.QueueAnswer(mb::Yes);
    w->BUTT_Click(1);
    EXPECT_TRUE(w->FRAME[2].Visible);
    EXPECT_EQ(machine.Pointer(), MousePointer::Default);
}

TEST_F(JobCommands, ExitEndsAtOnceOrAfterTheQuestion) {
    EXPECT_THROW(w->BUTT_Click(9), ProgramEnd);
    EXPECT_TRUE(machine.Messages().empty());
    Modify();
    machine.QueueAnswer(mb::Cancel);
    EXPECT_NO_THROW(w->BUTT_Click(9));
    ExpectAsked(FrmMain::kSaveBeforeClosing, mb::SaveDiscardCancel + mb::Question);
    machine.QueueAnswer(mb::No); // discard
    EXPECT_THROW(w->BUTT_Click(9), ProgramEnd);
}

TEST_F(JobCommands, ClosingTheWindowAsksOnlyAboutUnsavedChanges) {
    EXPECT_TRUE(w->Form_QueryUnload(true));
    EXPECT_TRUE(machine.Messages().empty());
    Modify();
    EXPECT_TRUE(w->Form_QueryUnload(false)) << "the program's own close asks nothing";
    EXPECT_TRUE(machine.Messages().empty());
    machine.QueueAnswer(mb::Cancel);
    EXPECT_FALSE(w->Form_QueryUnload(true));
    ExpectAsked(FrmMain::kSaveBeforeClosing, mb::SaveDiscardCancel + mb::Question);
    machine.QueueAnswer(mb::No); // discard
    EXPECT_TRUE(w->Form_QueryUnload(true));
}

TEST_F(JobCommands, OpenShowsTheJobFilesOfTheRememberedFolder) {
    w->JobFolder = Path("jobs") + "/";
    w->BUTT_Click(10);
    ASSERT_EQ(machine.FileDialogs().size(), 1u);
    const FileDialogRequest& asked = machine.FileDialogs()[0];
    EXPECT_FALSE(asked.save);
    EXPECT_EQ(asked.fileName, "");
    EXPECT_EQ(asked.initialFolder, Path("jobs") + "/");
    EXPECT_EQ(asked.filter, "Job Files|*.wic");
    EXPECT_EQ(asked.flags, 4);
    // Cancelled: the pages were closed, nothing else happened.
    for (auto& [p, page] : w->FRAME)
        EXPECT_FALSE(page.Visible) << p;
    EXPECT_EQ(w->GetFieldValue(0), "New job");
    EXPECT_TRUE(machine.Messages().empty());

    const std::string job = Job("other/Cold store.wic", "Cold store");
    machine.QueueFileName(job);
    w->BUTT_Click(10);
    EXPECT_EQ(w->CurrentJobFile, job);
    EXPECT_EQ(w->GetFieldValue(0), "Cold store");
    EXPECT_EQ(w->JobFolder, Path("other") + "/");
    EXPECT_EQ(Setting("JobFilepath"), Path("other") + "/");
    EXPECT_EQ(machine.Pointer(), MousePointer::Default);
    EXPECT_TRUE(machine.Messages().empty());
}

TEST_F(JobCommands, OpenRefusesMissingFilesAndOtherExtensions) {
    machine.QueueFileName(Path("gone.wic"));
    w->BUTT_Click(10);
    ExpectAsked(18, 16);
    installation.WriteFile("notes.txt", "\"# \",\"Tarnwell\",1,0,0\r\n");
    machine.QueueFileName(Path("notes.txt"));
    w->BUTT_Click(10);
    ExpectAsked(19, 16);
    EXPECT_TRUE(w->CurrentJobFile.empty());
    EXPECT_EQ(Setting("JobFilepath"), "<absent>");
    EXPECT_EQ(machine.Pointer(), MousePointer::Default);

    // Unsaved changes: No keeps them and shows no dialog.
    Modify();
    machine.QueueAnswer(mb::No);
    const std::size_t dialogs = machine.FileDialogs().size();
    w->BUTT_Click(10);
    ExpectAsked(13, 20);
    EXPECT_EQ(machine.FileDialogs().size(), dialogs);
    EXPECT_EQ(w->GetFieldValue(101), "Changed room");
}

TEST_F(JobCommands, SaveWritesAJobFileAndAsksBeforeReplacingOne) {
    Modify();
    w->BUTT_Click(11);
    ASSERT_EQ(machine.FileDialogs().size(), 1u);
    FileDialogRequest asked = machine.FileDialogs()[0];
    EXPECT_TRUE(asked.save);
    EXPECT_EQ(asked.fileName, "");
    EXPECT_EQ(asked.filter,
              "Job Files (*.wic)|*.wic|Bitmaps (*.bmp)|*.bmp|PNG pictures (*.png)|*.png");
    EXPECT_EQ(asked.filterIndex, 1);
    EXPECT_EQ(asked.flags, 4) << "the program asks before overwriting, the dialog does not";
    EXPECT_TRUE(w->JobModified) << "cancelled";

    const std::string job = Path("saved/Room 1.wic");
    fs::create_directories(Path("saved"));
    machine.QueueFileName(job);
    w->BUTT_Click(11);
    ASSERT_TRUE(fs::exists(job));
    EXPECT_FALSE(w->JobModified);
    EXPECT_EQ(w->CurrentJobFile, job);
    EXPECT_EQ(w->HINTBOX.Caption(), w->StringTable[7]);
    EXPECT_TRUE(w->HINTBOX.Visible);
    for (auto& [p, page] : w->FRAME)
        EXPECT_FALSE(page.Visible) << p;
    EXPECT_EQ(Setting("JobFilepath"), Path("saved") + "/");
    EXPECT_TRUE(machine.Messages().empty());

    // The dialog proposes the current job's name; replacing it asks message 2 first.
    TypeInto(*w, 101, "Room two");
    const std::string before = *ReadFileBytes(job);
    machine.QueueFileName(job);
    machine.QueueAnswer(mb::No);
    w->BUTT_Click(11);
    EXPECT_EQ(machine.FileDialogs().back().fileName, "Room 1.wic");
    EXPECT_EQ(machine.FileDialogs().back().initialFolder, Path("saved") + "/");
    ExpectAsked(2, mb::YesNo);
    EXPECT_TRUE(*ReadFileBytes(job) == before);
    EXPECT_TRUE(w->JobModified);
    machine.QueueFileName(job);
    machine.QueueAnswer(mb::Yes);
    w->BUTT_Click(11);
    EXPECT_NE(ReadFileBytes(job)->find("Room two"), std::string::npos);
    EXPECT_FALSE(w->JobModified);
    EXPECT_EQ(machine.Pointer(), MousePointer::Default);
}

TEST_F(JobCommands, SaveWritesNothingForANameWithoutTheJobExtension) {
    Modify();
    for (const char* name : {"job.txt", "job", "job.wic.bak"}) {
        machine.QueueFileName(Path(name));
        w->BUTT_Click(11);
        EXPECT_FALSE(fs::exists(Path(name))) << name;
    }
    EXPECT_TRUE(w->JobModified);
    EXPECT_TRUE(machine.Messages().empty());
    machine.QueueFileName(Path("LOUD.WIC"));
    w->BUTT_Click(11);
    EXPECT_TRUE(fs::exists(Path("LOUD.WIC")));
}

TEST_F(JobCommands, NewJobLoadsTheTemplateAfterOkAndRecalculates) {
    machine.QueueFileName(Job("a.wic", "A"));
    w->BUTT_Click(10);
    ASSERT_EQ(w->CurrentJobFile, Path("a.wic"));
    Modify();
    machine.QueueAnswer(mb::Cancel);
    w->BUTT_Click(19);
    ExpectAsked(13, mb::OkCancel);
    EXPECT_EQ(w->GetFieldValue(101), "Changed room");

    machine.QueueAnswer(mb::Ok);
    w->BUTT_Click(19);
    EXPECT_EQ(w->GetFieldValue(0), "New job");
    EXPECT_EQ(w->GetFieldValue(101), "Cooler");
    EXPECT_TRUE(w->CurrentJobFile.empty());
    EXPECT_EQ(w->Window.Caption, w->BaseCaption);
    EXPECT_FALSE(w->CFRAME[2].Visible);
    EXPECT_TRUE(Holds(w->Log.DumpLines(), ">Calculate()"));
    EXPECT_EQ(machine.Pointer(), MousePointer::Default);
}

// The whole way on the window: open a job, change it, save it, close with the question,
// and open it again from the recent files the next time.
TEST_F(JobCommands, OpenChangeSaveCloseAndReopenFromTheRecentFiles) {
    const std::string job = Job("jobs/Dairy.wic", "Dairy");
    machine.QueueFileName(job);
    w->BUTT_Click(10);
    TypeInto(*w, 103, "38");
    EXPECT_TRUE(w->JobModified);
    machine.QueueFileName(job);
    machine.QueueAnswer(mb::Yes);
    w->BUTT_Click(11);
    EXPECT_FALSE(w->JobModified);
    EXPECT_TRUE(w->Form_QueryUnload(true));

    TypeInto(*w, 101, "Dairy room");
    machine.QueueAnswer(mb::Cancel);
    EXPECT_FALSE(w->Form_QueryUnload(true)) << "Cancel keeps the window open";
    machine.QueueAnswer(mb::No);
    EXPECT_TRUE(w->Form_QueryUnload(true)) << "Discard closes without saving";
    w.reset();

    auto next = installation.Start();
    EXPECT_EQ(next->FieldNumber(103), 35.0f) << "the template at start";
    next->BUTT_Click(1);
    ASSERT_EQ(next->FileHistoryList.Items(), std::vector<std::string>{job});
    next->FileHistoryList.SetListIndex(0);
    next->Raise(EventType::DblClick, next->FileHistoryList.ref);
    EXPECT_EQ(next->CurrentJobFile, job);
    EXPECT_EQ(next->GetFieldValue(0), "Dairy");
    EXPECT_EQ(next->FieldNumber(103), 38.0f);
    EXPECT_EQ(next->FieldNumber(312), 38.0f);
    EXPECT_NE(next->GetFieldValue(101), "Dairy room");
    EXPECT_TRUE(next->FRAME[1].Visible);
}

} // namespace
} // namespace tw::test
