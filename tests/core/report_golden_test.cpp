// SPDX-License-Identifier: MIT
// The two shipped report pages drawn for the template job, compared with their committed
// drawing records. After a deliberate change to a page or to the template, write them anew:
//   core_tests --gtest_also_run_disabled_tests --gtest_filter=ReportPages.DISABLED_Write*
// and look at the difference before committing it.
#include "platform/recording_surface.h"
#include "shell/text_file.h"
#include "support/installation.h"

#include <fstream>
#include <gtest/gtest.h>

namespace tw::test {
namespace {

namespace fs = std::filesystem;

fs::path Reference(int page) {
    return SourceDir() / "tests" / "data" / "report" / ("page" + std::to_string(page) + ".txt");
}

// The drawing record of a page of the template job, on a fixed date.
std::string DrawPage(int page) {
    Installation installation;
    installation.Machine().SetClock("2024-05-14", "09:30:00");
    auto w = installation.Start();
    RecordingSurface surface("ImageBuilder");
    w->Report.SetPage(page, 2);
    w->PrintFile(w->OpDataFolder + (page == 1 ? w->PrintFormFile1 : w->PrintFormFile2), surface,
                 w->WrapBox, false);
    for (const std::string& line : w->Log.DumpLines())
        EXPECT_EQ(line.find("Printer Error"), std::string::npos) << line;
    return surface.PageText();
}

TEST(ReportPages, DISABLED_WriteTheReferences) {
    fs::create_directories(Reference(1).parent_path());
    for (int page : {1, 2})
        std::ofstream(Reference(page), std::ios::binary) << DrawPage(page);
}

TEST(ReportPages, DrawTheTemplateJobAsRecorded) {
    for (int page : {1, 2}) {
        const auto reference = ReadFileBytes(Reference(page));
        ASSERT_TRUE(reference) << Reference(page);
        EXPECT_EQ(DrawPage(page), *reference) << "page " << page;
    }
}

TEST(ReportPages, EveryLanguageHasTheReportStrings) {
    // The headings of the pages are strings 30 to 44; a missing one would print as nothing.
    Installation installation;
    auto w = installation.Start();
    for (const std::string language : {"default.", "deutsch."}) {
        w->ChooseLanguage(language);
        for (int n = 30; n <= 44; ++n)
            EXPECT_FALSE(w->StringTable.at(static_cast<std::size_t>(n)).empty())
                << language << " string " << n;
    }
}

} // namespace
} // namespace tw::test
