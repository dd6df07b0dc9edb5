// SPDX-License-Identifier: MIT
// The pages of a report: the rows a page holds, the items left over flowing onto
// continuation pages in section order, and the blocks of the print-form notation.
#include "report/report_plan.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

// A page of 3 surface rows and 2 product rows; continuation pages hold sections of 600
// units (heading and one row) from 1000 down to 3000, each further row 200 units.
const char* const kForm = "\"Plan\",10000,14000\r\n"
                          "\"ROWS\",200,2,1,3,200\r\n\"TEXT\",\"D0102200\",0,0,\"A\",0,0,9,0,0\r\n"
                          "\"END\"\r\n"
                          "\"ROWS\",300,2,2,2,200\r\n\"END\"\r\n"
                          "\"CONTINUATION\",3000\r\n"
                          "\"SECTION\",200,1000,600\r\n\"ROWS\",200,2,1,99,200\r\n\"END\"\r\n"
                          "\"END\"\r\n"
                          "\"SECTION\",300,1000,600\r\n\"ROWS\",300,2,2,99,200\r\n\"END\"\r\n"
                          "\"END\"\r\n";

struct PlanCase {
    int surfaces;
    int products;
    std::vector<std::string> pages;
};

class ReportPlan : public ::testing::TestWithParam<PlanCase> {};

// A page as "main" or "more", then first+count of each ROWS block with its section's shift.
std::string Describe(const ReportPage& page) {
    std::string text = page.continuation ? "more" : "main";
    for (const auto& [at, rows] : page.rows) {
        text += " " + std::to_string(rows.first) + "+" + std::to_string(rows.count);
        for (const auto& [section, shift] : page.sectionShift)
            if (section + 1 == at) text += "@" + std::to_string(shift);
    }
    return text + (page.continues ? " >" : "");
}

TEST_P(ReportPlan, LeftOverItemsFlowOntoContinuationPages) {
    const PlanCase& c = GetParam();
    const PrintForm form = ReadPrintForm(kForm);
    ASSERT_TRUE(form.headerRead);
    const auto pages = PlanReport({form}, [&](const RowsCommand& rows) {
        std::vector<int> columns(
            static_cast<std::size_t>(rows.grid == 200 ? c.surfaces : c.products));
        for (std::size_t k = 0; k < columns.size(); ++k)
            columns[k] = static_cast<int>(k) + 2;
        return columns;
    });
    std::vector<std::string> described;
    for (const ReportPage& page : pages)
        described.push_back(Describe(page));
    EXPECT_EQ(described, c.pages);
}

INSTANTIATE_TEST_SUITE_P(
    Items, ReportPlan,
    ::testing::Values(PlanCase{3, 2, {"main 0+3 0+2"}}, PlanCase{0, 0, {"main 0+0 0+0"}},
                      PlanCase{5, 2, {"main 0+3 0+2 >", "more 3+2@0"}},
                      // Both tables go on: the products' section moves up below the surfaces'.
                      PlanCase{5, 4, {"main 0+3 0+2 >", "more 3+2@0 2+2@800"}},
                      // Eight rows fill a continuation page; the rest follow on the next.
                      PlanCase{15, 4, {"main 0+3 0+2 >", "more 3+8@0 >", "more 11+4@0 2+2@1200"}}));

TEST(PrintFormBlocks, EveryBlockKnowsItsEndAndStrayEndsAreErrors) {
    const PrintForm form = ReadPrintForm("\"B\",100,100\r\n"
                                         "\"IF\",\"T524\"\r\n\"ELSE\"\r\n\"END\"\r\n"
                                         "\"END\"\r\n\"ELSE\"\r\n"
                                         "\"RTEXT\",\"T1\",90,0,\"A\",0,0,9,0,0\r\n");
    using K = PrintStep::Kind;
    ASSERT_EQ(form.steps.size(), 6u);
    EXPECT_EQ(form.steps[0].kind, K::If);
    EXPECT_EQ(form.steps[0].condition, "T524");
    EXPECT_EQ(form.steps[0].blockEnd, 1u);
    EXPECT_EQ(form.steps[1].blockEnd, 2u);
    EXPECT_EQ(form.steps[3].kind, K::Error);
    EXPECT_EQ(form.steps[4].kind, K::Error);
    EXPECT_TRUE(form.steps[5].text.rightAligned);
    EXPECT_EQ(form.continuation, form.steps.size());
}

} // namespace
} // namespace tw
