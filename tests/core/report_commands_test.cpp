// SPDX-License-Identifier: MIT
// The report commands of the menu: print (13), the page bitmaps of save (11) and e-mail (14).
#include "job_support.h"
#include "report/report_texts.h"

#include <fstream>

namespace tw::test {
namespace {

namespace fs = std::filesystem;

using ReportCommands = JobFixture;

TEST_F(ReportCommands, PrintingDrawsBothPagesAsOneJob) {
    w->BUTT_Click(13);
    EXPECT_EQ(machine.PrinterDialogsShown(), 1);
    EXPECT_TRUE(machine.PrintJobs().empty()) << "a cancelled dialog prints nothing";

    machine.QueuePrinterAnswer(true);
    w->BUTT_Click(13);
    ASSERT_EQ(machine.PrintJobs().size(), 1u);
    const RecordingSurface& job = *machine.PrintJobs().front();
    EXPECT_EQ(std::count(job.Lines().begin(), job.Lines().end(), "NEWPAGE"), 1);
    EXPECT_EQ(job.Lines().back(), "ENDDOC");
    const auto page1 = job.PrintedPage(1);
    const auto page2 = job.PrintedPage(2);
    EXPECT_TRUE(Holds(page1, "\"Page 1 of 2\""));
    EXPECT_TRUE(Holds(page1, "\"Design conditions\""));
    EXPECT_TRUE(Holds(page2, "\"Page 2 of 2\""));
    EXPECT_TRUE(Holds(page2, "\"Equipment selection\""));
    EXPECT_EQ(machine.Pointer(), MousePointer::Default);
    EXPECT_FALSE(w->JobModified);
}

TEST_F(ReportCommands, WithoutPrintFormsPrintingSaysSoAndLeavesTheNormalPointer) {
    w->PrintFormFile2.clear();
    machine.QueuePrinterAnswer(true);
    w->BUTT_Click(13);
    w->SaveReportBitmaps(Path("job.Page_1.bmp"));
    EXPECT_EQ(machine.PrinterDialogsShown(), 0);
    EXPECT_TRUE(machine.PageImages().empty());
    ASSERT_EQ(machine.Messages().size(), 2u);
    EXPECT_EQ(machine.Messages()[0].prompt, w->MessageTable[25][1]);
    EXPECT_FALSE(w->MessageTable[25][1].empty());
    EXPECT_EQ(machine.Pointer(), MousePointer::Default);
}

TEST(PageBitmapNames, APageFileNamesItsSet) {
    using Names = std::vector<std::string>;
    EXPECT_EQ(PageBitmapNames("/j/Job.bmp"), (Names{"/j/Job.Page_1.bmp", "/j/Job.Page_2.bmp"}));
    EXPECT_EQ(PageBitmapNames("/j/Job.Page_2.bmp"), PageBitmapNames("/j/Job.bmp"));
    EXPECT_EQ(PageBitmapNames("/j/Job.Page_1.BMP"), PageBitmapNames("/j/Job.bmp"));
    EXPECT_EQ(PageBitmapNames("/j/Job.Page_3.bmp"),
              (Names{"/j/Job.Page_3.Page_1.bmp", "/j/Job.Page_3.Page_2.bmp"}));
}

TEST_F(ReportCommands, SavingAsBitmapsWritesTwoPageFiles) {
    machine.QueueFileName(Path("Dairy.Page_2.bmp"));
    w->BUTT_Click(11);
    EXPECT_TRUE(machine.Messages().empty()) << "no page file there yet: nothing to ask";
    const std::string page1 = Read(Path("Dairy.Page_1.bmp"));
    const std::string page2 = Read(Path("Dairy.Page_2.bmp"));
    EXPECT_NE(page1.find("\"Page 1 of 2\""), std::string::npos);
    EXPECT_NE(page2.find("\"Page 2 of 2\""), std::string::npos);
    EXPECT_FALSE(fs::exists(Path("Dairy.Page_2.Page_1.bmp")));
    // The pictures are no job: the job and its folder stay as they were.
    EXPECT_TRUE(w->CurrentJobFile.empty());
    EXPECT_EQ(machine.Pointer(), MousePointer::Default);
    ASSERT_EQ(machine.PageImages().size(), 1u);
    EXPECT_EQ(machine.PageImages().front()->Lines().back(), "CLEAR");
}

TEST_F(ReportCommands, ExistingPageFilesAreOverwrittenOnlyWhenTheUserAgrees) {
    installation.WriteFile("Dairy.Page_1.bmp", "old");
    machine.QueueFileName(Path("Dairy.bmp"));
    machine.QueueAnswer(mb::No);
    w->BUTT_Click(11);
    ASSERT_EQ(machine.Messages().size(), 1u);
    EXPECT_EQ(machine.Messages()[0].title, w->MessageTable[2][0]);
    EXPECT_EQ(machine.Messages()[0].buttons, mb::YesNo);
    EXPECT_EQ(Read(Path("Dairy.Page_1.bmp")), "old");
    EXPECT_FALSE(fs::exists(Path("Dairy.Page_2.bmp")));

    machine.QueueFileName(Path("Dairy.bmp"));
    machine.QueueAnswer(mb::Yes);
    w->BUTT_Click(11);
    EXPECT_NE(Read(Path("Dairy.Page_1.bmp")).find("Page 1 of 2"), std::string::npos);
    EXPECT_TRUE(fs::exists(Path("Dairy.Page_2.bmp")));
}

TEST_F(ReportCommands, MailIsRefusedForAJobWithUnsavedChanges) {
    TypeInto(*w, 101, "Changed room");
    ASSERT_TRUE(w->JobModified);
    w->BUTT_Click(14);
    ASSERT_EQ(machine.Messages().size(), 1u);
    EXPECT_EQ(machine.Messages()[0].prompt, w->MessageTable[20][1]);
    EXPECT_EQ(machine.Messages()[0].buttons, mb::Information);
    EXPECT_TRUE(machine.InputPrompts().empty());
    EXPECT_TRUE(machine.Mails().empty());
}

TEST_F(ReportCommands, MailCarriesTheSavedJobAndTheUsersDetails) {
    for (int n = 700; n <= 716; ++n)
        w->SetFieldValue(n, n == 700 ? "Kim Lee" : n == 716 ? "Call before delivery" : "");
    const std::string job = Path("dairy.wic");
    ASSERT_TRUE(w->JobFileSave(job));
    machine.QueueText("buyer@dairy.example");
    w->BUTT_Click(14);

    EXPECT_EQ(machine.InputPrompts(), std::vector<std::string>{w->StringTable[15]});
    ASSERT_EQ(machine.Mails().size(), 1u);
    const Headless::SentMail& mail = machine.Mails()[0];
    EXPECT_EQ(mail.recipient, "buyer@dairy.example");
    EXPECT_EQ(mail.subject, "Coldwright Mail. dairy");
    // The report goes as a PDF named like the job, then the job itself.
    ASSERT_EQ(mail.attachments.size(), 2u);
    EXPECT_EQ(fs::path(mail.attachments[0]).filename(), "dairy.pdf");
    EXPECT_TRUE(fs::exists(mail.attachments[0]));
    EXPECT_EQ(mail.attachments[1], job);
    const std::string rule(41, '-');
    std::string body = " \r\n" + rule + "\r\nSent From :\r\n\tKim Lee\r\n";
    for (int n = 701; n <= 715; ++n)
        body += "\t\r\n";
    body += "\tCall before delivery\r\n" + rule + "\r\n";
    EXPECT_EQ(mail.body, body);
    // The address is remembered for the next time.
    EXPECT_EQ(w->EmailTo, "buyer@dairy.example");
    EXPECT_EQ(w->GetSetting("EmailTo", ""), "buyer@dairy.example");
}

TEST_F(ReportCommands, MailWithoutAJobFileHasNoAttachment) {
    ASSERT_TRUE(w->CurrentJobFile.empty());
    const std::string remembered = w->EmailTo;
    ASSERT_FALSE(remembered.empty());
    machine.QueueText(remembered);
    w->BUTT_Click(14);
    ASSERT_EQ(machine.Mails().size(), 1u);
    EXPECT_EQ(machine.Mails()[0].recipient, remembered);
    ASSERT_EQ(machine.Mails()[0].attachments.size(), 1u) << "the report only";
    EXPECT_EQ(fs::path(machine.Mails()[0].attachments[0]).extension(), ".pdf");
    EXPECT_EQ(w->GetSetting("EmailTo", "<not written>"), "<not written>");

    // Without a mail program nothing is sent, and the user is told so.
    machine.SetMailWorks(false);
    machine.QueueText(remembered);
    w->BUTT_Click(14);
    EXPECT_EQ(machine.Mails().size(), 1u);
    ASSERT_EQ(machine.Messages().size(), 1u);
    EXPECT_EQ(machine.Messages()[0].prompt, w->MessageTable[43][1]);

    // Cancelling the recipient question sends nothing and forgets nothing.
    machine.SetMailWorks(true);
    w->BUTT_Click(14);
    EXPECT_EQ(machine.Mails().size(), 1u);
    EXPECT_EQ(w->EmailTo, remembered);
}

} // namespace
} // namespace tw::test
