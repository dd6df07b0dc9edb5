// SPDX-License-Identifier: MIT
// The shipped template job: it loads cleanly, fills every page of a new job, and its stored
// results are what the calculation gives for its inputs. The template itself is written by
//   core_tests --gtest_also_run_disabled_tests --gtest_filter=JobTemplate.DISABLED_Write*
#include "job_support.h"

#include <fstream>

namespace tw::test {
namespace {

namespace fs = std::filesystem;

TEST(JobTemplate, DISABLED_WriteTheShippedTemplate) {
    Installation installation;
    installation.WriteFile("opdata/default.fil", "\"# \",\"Tarnwell\",1,0,0\r\n");
    auto w = installation.Start();
    EnterTypicalCooler(*w);
    // A refrigerant under the shipped regional GWP limit.
    Choose(*w, 504, "R455A (GWP 148, AR4)");
    w->Calculate();
    ASSERT_FALSE(w->CheckInputs());
    ASSERT_TRUE(w->Banner.Notes().empty());
    const fs::path scratch = installation.OpData() / "default.fil";
    ASSERT_TRUE(w->JobFileSave(scratch.string()));

    // The information record names the template by its own name, not the scratch folder.
    std::string bytes = *ReadFileBytes(scratch);
    const std::string where = "\"" + scratch.string() + "\"";
    bytes.replace(bytes.find(where), where.size(), "\"default.fil\"");
    std::ofstream(SourceDir() / "opdata" / "default.fil", std::ios::binary) << bytes;
}

using ShippedTemplate = JobFixture;

TEST_F(ShippedTemplate, LoadsWithoutAMessageAndLeavesANewUnchangedJob) {
    EXPECT_TRUE(machine.Messages().empty());
    EXPECT_TRUE(w->CurrentJobFile.empty());
    EXPECT_FALSE(w->JobModified);
    EXPECT_EQ(w->Window.Caption, w->BaseCaption);
    EXPECT_FALSE(w->CFRAME[2].Visible);
}

TEST_F(ShippedTemplate, DescribesTheTypicalCooler) {
    const std::pair<int, float> numbers[] = {{102, 95}, {103, 35}, {312, 35}, {501, 35},
                                             {13, 20},  {14, 10},  {15, 8},   {213, 1600}};
    for (auto [n, value] : numbers)
        EXPECT_EQ(w->FieldNumber(n), value) << "field " << n;
    for (int n : {200, 100, 500, 600})
        EXPECT_TRUE(w->RADIO[n].Value()) << "option " << n;
    // Refrigerant code 5 is R455A, under the GWP limit.
    for (auto [n, value] : {std::pair{514, "5"}, {530, "Aa"}, {531, "3"}, {550, "L"}, {551, "E"}})
        EXPECT_EQ(w->GetFieldValue(n), value) << "field " << n;
    EXPECT_EQ(w->GetCellValue(300, 2, 2), "Apples");
    EXPECT_EQ(w->GetCellValue(200, 7, 2), "0.16");
    EXPECT_EQ(w->GetCellValue(200, 5, 2), "4");
    EXPECT_EQ(w->OPTIONLIST[625].ListIndex(), 1);
}

TEST_F(ShippedTemplate, FillsEveryFieldListOptionGroupAndBothGrids) {
    // Texts that identify a particular job start empty; every value of the design does not.
    const std::vector<int> blank = {1, 2, 3, 4, 5, 105, 106, 110, 410, 413, 416, 419};
    for (auto& [n, box] : w->TEXTBOX) {
        if (n >= 700) continue;
        if (std::find(blank.begin(), blank.end(), n) != blank.end()) continue;
        EXPECT_FALSE(box.Text().empty()) << "field " << n;
        if (w->LABEL[n].Tag == "Number") {
            EXPECT_TRUE(w->IsNumeric(box.Tag)) << "field " << n;
        }
    }
    for (int n : {504, 520, 521, 540, 541})
        EXPECT_GE(ItemIndex(w->OPTIONLIST[n], w->TEXTBOX[n].Text()), 0) << "list " << n;
    // One option chosen in every group.
    std::map<int, int> chosen;
    for (auto& [n, radio] : w->RADIO)
        chosen[radio.container.index] += radio.Value() ? 1 : 0;
    for (const auto& [frame, count] : chosen)
        EXPECT_EQ(count, 1) << "option group in CFRAME " << frame;

    Grid& walls = w->MSFlexGrid[200];
    ASSERT_EQ(walls.Cols(), 8);
    for (int c = 2; c < 8; ++c)
        for (int r = 1; r < walls.Rows(); ++r)
            EXPECT_FALSE(walls.TextMatrix(r, c).empty()) << "surface cell " << r << ", " << c;
    Grid& products = w->MSFlexGrid[300];
    for (int r = 0; r < products.Rows(); ++r)
        EXPECT_FALSE(products.TextMatrix(r, 2).empty()) << "product row " << r;
    EXPECT_FALSE(w->GetFieldValue(523).empty());
    EXPECT_FALSE(w->GetFieldValue(543).empty());
    EXPECT_GT(w->MSFlexGrid[520].Rows(), 0);
    EXPECT_GT(w->MSFlexGrid[540].Rows(), 0);
}

TEST_F(ShippedTemplate, HoldsTheResultsItsInputsGive) {
    std::map<int, std::string> stored;
    for (auto& [n, box] : w->TEXTBOX)
        stored[n] = box.Tag;
    w->Calculate();
    EXPECT_FALSE(w->CheckInputs());
    for (int n : {16,  213, 214, 313, 314, 401, 403, 422, 423, 503, 523, 524,
                  543, 544, 560, 561, 562, 605, 624, 642, 660, 670, 680})
        EXPECT_EQ(w->GetFieldValue(n), stored[n]) << "field " << n;
    EXPECT_GT(w->FieldNumber(503), w->FieldNumber(16));
}

TEST_F(ShippedTemplate, IsWrittenInTheAnsiCodePageWithCrLf) {
    auto bytes = ReadFileBytes(SourceDir() / "opdata" / "default.fil");
    ASSERT_TRUE(bytes);
    ASSERT_FALSE(bytes->empty());
    std::size_t lines = 0;
    for (std::size_t i = 0; i < bytes->size(); ++i)
        if ((*bytes)[i] == '\n') {
            ++lines;
            EXPECT_EQ((*bytes)[i - 1], '\r') << "line " << lines;
        }
    EXPECT_EQ(bytes->back(), '\n');
    // The degree sign of the captions is one byte.
    EXPECT_NE(bytes->find("(\xB0"
                          "F)"),
              std::string::npos);
    EXPECT_EQ(bytes->find("\xC2\xB0"), std::string::npos);
}

TEST_F(ShippedTemplate, KeepsTheUsersUnitsAndDetails) {
    Installation other;
    auto& settings = other.Machine().Settings();
    const std::string section = "tarnwell\\Tarnwell\\Settings";
    settings.Save("Glacivar", section, "ImperialTemperature", "False");
    settings.Save("Glacivar", section, "ImperialLength", "False");
    settings.Save("Glacivar", section, "TextBox700", "Kim \"Frosty\" Lee");
    auto metric = other.Start();
    EXPECT_TRUE(metric->RADIO[843].Value());
    EXPECT_EQ(metric->UNITS[103].Caption(), "°C");
    EXPECT_EQ(metric->TEXTBOX[103].Text(), "1.67");
    EXPECT_EQ(metric->GetFieldValue(103), w->GetFieldValue(103));
    EXPECT_EQ(metric->UNITS[13].Caption(), "m");
    EXPECT_EQ(metric->MSFlexGrid[200].TextMatrix(8, 1), "°C");
    EXPECT_EQ(metric->GetCellValue(200, 8, 2), "95");
    EXPECT_EQ(metric->TEXTBOX[700].Text(), "Kim \"Frosty\" Lee");
    EXPECT_FALSE(metric->JobModified);
    EXPECT_TRUE(other.Machine().Messages().empty());
}

} // namespace
} // namespace tw::test
