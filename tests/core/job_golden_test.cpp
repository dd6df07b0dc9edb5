// SPDX-License-Identifier: MIT
// The reference job in tests/data: a 6-wall room in metric and Celsius, typed-over results, a
// typed outer temperature, list choices, three products and quotes in its texts. Loaded and
// saved again it gives back every record the loader reads. The reference is written by
//   core_tests --gtest_also_run_disabled_tests --gtest_filter=JobGolden.DISABLED_Write*
#include "job_support.h"

#include <fstream>

namespace tw::test {
namespace {

namespace fs = std::filesystem;

fs::path Reference() {
    return SourceDir() / "tests" / "data" / "reference.wic";
}

TEST(JobGolden, DISABLED_WriteTheReferenceJob) {
    Installation installation;
    auto w = installation.Start();
    ChangeTheJob(*w, 201);
    TypeInto(*w, 0, "Cold store \"North\", hall 2");
    const fs::path scratch = installation.Folder() / "reference.wic";
    ASSERT_TRUE(w->JobFileSave(scratch.string()));
    std::string bytes = *ReadFileBytes(scratch);
    const std::string where = "\"" + scratch.string() + "\"";
    bytes.replace(bytes.find(where), where.size(), "\"reference.wic\"");
    fs::create_directories(Reference().parent_path());
    std::ofstream(Reference(), std::ios::binary) << bytes;
}

// The records a load reads back: no captions, no information record, no row captions.
std::vector<JobRecord> ReadBack(const fs::path& path) {
    std::vector<JobRecord> kept;
    for (const JobRecord& r : ReadJobRecords(path)) {
        if (r[0] == "C" || r[0] == "* ") continue;
        if (!r[0].empty() && std::isdigit(static_cast<unsigned char>(r[0][0])) && r[2] == "0" &&
            std::atoi(r[0].c_str()) < 500)
            continue;
        kept.push_back(r);
    }
    return kept;
}

TEST(JobGolden, TheReferenceJobLoadsAndSavesToTheSameRecords) {
    Installation installation;
    const fs::path job = installation.Folder() / "reference.wic";
    fs::copy_file(Reference(), job);
    auto w = installation.Start();
    ASSERT_TRUE(w->JobFileLoad(job.string(), false));
    EXPECT_TRUE(installation.Machine().Messages().empty());

    // What the reference holds.
    EXPECT_EQ(w->GetFieldValue(0), "Cold store \"North\", hall 2");
    EXPECT_EQ(w->GetFieldValue(1), "O\"Brien & Sons, Ltd.");
    EXPECT_TRUE(w->RADIO[201].Value());
    EXPECT_EQ(w->MSFlexGrid[200].Cols(), 10);
    EXPECT_EQ(w->UNITS[103].Caption(), "°C");
    EXPECT_EQ(w->UNITS[13].Caption(), "m");
    EXPECT_EQ(w->UNITS[313].Caption(), "kg");
    EXPECT_EQ(w->LABEL[503].ForeColor, w->Colours.Override);
    EXPECT_EQ(w->GetFieldValue(503), "12000");
    EXPECT_EQ(w->CFRAME[501].ForeColor, w->Colours.Override);
    EXPECT_TRUE(w->RADIO[501].Value());
    EXPECT_EQ(w->TEXTBOX[504].Text(), "R449A (GWP 1397, AR4)");
    EXPECT_EQ(w->OPTIONLIST[625].ListIndex(), 3);
    EXPECT_EQ(w->TEXTBOX[625].Text(), "Air curtain");
    EXPECT_TRUE(w->CFRAME[602].Visible);
    EXPECT_EQ(w->MSFlexGrid[200].Cell(8, 4).back, w->Colours.Override);
    EXPECT_EQ(w->GetCellValue(200, 8, 4), "70");
    EXPECT_EQ(w->GetCellValue(300, 2, 3), "Pears");
    EXPECT_EQ(w->MSFlexGrid[300].TextMatrix(3, 1), "kg");
    EXPECT_EQ(w->MSFlexGrid[300].TextMatrix(3, 4), "113.62");
    EXPECT_EQ(w->MSFlexGrid[300].Cols(), 6);
    EXPECT_EQ(w->CurrentJobFile, job.string());
    EXPECT_FALSE(w->JobModified);

    const fs::path again = installation.Folder() / "again.wic";
    ASSERT_TRUE(w->JobFileSave(again.string()));
    const auto expected = ReadBack(Reference());
    const auto actual = ReadBack(again);
    ASSERT_GT(expected.size(), 400u);
    ASSERT_EQ(actual.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(actual[i], expected[i]) << "record " << i;

    // The file is Windows-1252: the quotes became character 142, °C one byte.
    const std::string bytes = *ReadFileBytes(Reference());
    EXPECT_NE(bytes.find("\"Cold store \x8ENorth\x8E, hall 2\""), std::string::npos);
    EXPECT_NE(bytes.find("(\xB0"
                         "C)"),
              std::string::npos);
}

} // namespace
} // namespace tw::test
