// SPDX-License-Identifier: MIT
// The report as tarnwell writes it to a PDF file, read back as text with pdftotext -layout and
// compared with the committed text of each job (tests/data/cli/golden), the date made
// neutral. The model's own surface and product names and totals must appear in it, and
// nothing that means nothing (no "P2", no row that is a bare 0), so a text written anew
// cannot freeze a fault. After a deliberate change to the report, write the texts anew:
//   build-test/bin/tarnwell_end_to_end_tests --gtest_also_run_disabled_tests
//     --gtest_filter='*ReportPdf.DISABLED_Write*' $PWD/build-test/bin/tarnwell $PWD/tests/data/cli
// (one command, from the source folder)
// and look at the difference before committing it.
#include "process.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <regex>
#include <sstream>

namespace fs = std::filesystem;

namespace tw::test {

extern std::string gTarnwell;
extern fs::path gJobs;

namespace {

struct ReportCase {
    const char* name;
    std::vector<std::string> steps;
};

void PrintTo(const ReportCase& c, std::ostream* out) {
    *out << c.name;
}

// A program on the PATH.
std::string OnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "/usr/bin:/bin");
    std::string folder;
    while (std::getline(folders, folder, ':'))
        if (fs::exists(fs::path(folder) / program)) return (fs::path(folder) / program).string();
    return program;
}

class Report : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device rd;
        folder_ = fs::temp_directory_path() / ("tarnwell-pdf-" + std::to_string(rd()));
        fs::create_directories(folder_ / "config");
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }

    // tarnwell calc with the steps ("@name" is a committed job file) and then the outputs.
    ProcessResult Tarnwell(const std::vector<std::string>& steps, std::vector<std::string> outputs,
                           const std::string& locale = "C") {
        std::vector<std::string> args{"calc"};
        for (const std::string& step : steps)
            args.push_back(step.rfind("@", 0) == 0 ? (gJobs / step.substr(1)).string() : step);
        args.insert(args.end(), outputs.begin(), outputs.end());
        return RunProcess(gTarnwell, args,
                          {{"XDG_CONFIG_HOME", (folder_ / "config").string()}, {"LC_ALL", locale}},
                          folder_.string());
    }
    // pdftotext's reading of a PDF in the scratch folder (-layout or -bbox).
    std::string PdfText(const std::string& pdf, const std::string& mode) {
        const ProcessResult text =
            RunProcess(OnPath("pdftotext"), {mode, pdf, "-"}, {}, folder_.string());
        EXPECT_EQ(text.status, 0) << "pdftotext (poppler-utils) is needed: " << text.err;
        return text.out;
    }

    fs::path folder_;
};

class ReportPdf : public Report, public ::testing::WithParamInterface<ReportCase> {
protected:
    static fs::path Golden() { return gJobs / "golden" / (std::string(GetParam().name) + ".txt"); }
    // The report's text with the date of the run made neutral (its digits are all as wide, so
    // the layout does not move).
    std::string ReportText(std::string* model = nullptr) {
        std::vector<std::string> outputs{"--pdf", "report.pdf"};
        if (model)
            outputs.insert(outputs.end(),
                           {"--grid", "200", "--grid", "300", "--get", "214,314,16,503"});
        const ProcessResult run = Tarnwell(GetParam().steps, outputs);
        EXPECT_EQ(run.status, 0) << run.err;
        if (model) *model = run.out;
        std::string text = PdfText("report.pdf", "-layout");
        text = std::regex_replace(text, std::regex("\\d{4}-\\d\\d-\\d\\d"), "YYYY-MM-DD");
        return std::regex_replace(text, std::regex("\\d\\d\\.\\d\\d\\.\\d{4}"), "DD.MM.YYYY");
    }
};

// The cells of one row of a grid as --grid prints it, from column 2 on, without empty ones.
std::vector<std::string> GridRow(const std::string& grid, int row) {
    std::istringstream in(grid);
    std::string line;
    for (int r = 0; std::getline(in, line); ++r) {
        if (r != row) continue;
        std::vector<std::string> cells;
        std::istringstream cellsIn(line);
        std::string cell;
        for (int c = 0; std::getline(cellsIn, cell, '\t'); ++c)
            if (c >= 2 && !cell.empty()) cells.push_back(cell);
        return cells;
    }
    return {};
}

// The shown text of a field as --get prints it (number, stored value, shown text, unit).
std::string Shown(const std::string& get, int field) {
    std::istringstream in(get);
    std::string line;
    while (std::getline(in, line))
        if (line.rfind(std::to_string(field) + "\t", 0) == 0) {
            std::vector<std::string> parts;
            std::istringstream partsIn(line);
            std::string part;
            while (std::getline(partsIn, part, '\t'))
                parts.push_back(part);
            return parts.size() > 2 ? parts[2] : "";
        }
    return "";
}

TEST_P(ReportPdf, DISABLED_WriteTheGoldenText) {
    fs::create_directories(Golden().parent_path());
    std::ofstream(Golden(), std::ios::binary) << ReportText();
}

TEST_P(ReportPdf, PrintsTheGoldenTextWithEveryItemAndTotalAndNothingMeaningless) {
    std::string model;
    const std::string pdf = ReportText(&model);
    std::ifstream in(Golden(), std::ios::binary);
    ASSERT_TRUE(in) << Golden();
    std::ostringstream golden;
    golden << in.rdbuf();
    EXPECT_EQ(pdf, golden.str());

    // The surface grid's 10 rows come first, then the product grid's.
    std::size_t split = 0;
    for (int row = 0; row < 10 && split != std::string::npos; ++row)
        split = model.find('\n', split) + 1;
    for (const std::string& name : GridRow(model.substr(0, split), 1))
        EXPECT_NE(pdf.find(name), std::string::npos) << "surface " << name;
    for (const std::string& name : GridRow(model.substr(split), 2))
        EXPECT_NE(pdf.find(name), std::string::npos) << "product " << name;
    for (int field : {214, 314, 16, 503}) {
        const std::string total = Shown(model, field);
        ASSERT_FALSE(total.empty()) << field;
        EXPECT_TRUE(std::regex_search(pdf, std::regex("\\s" + total + "(\\s|$)")))
            << "total " << field << " = " << total;
    }
    EXPECT_EQ(pdf.find("P2"), std::string::npos);
    // A line that starts with a bare 0 is a row without its name.
    EXPECT_FALSE(std::regex_search(pdf, std::regex("(^|\\n)[ \\t]*0([ \\t]|\\n|$)")));
}

INSTANTIATE_TEST_SUITE_P(
    Jobs, ReportPdf,
    ::testing::Values(ReportCase{"Template", {}},
                      ReportCase{"SixProducts", {"--script", "@six-products.tws"}},
                      ReportCase{"TwelveSurfaces", {"--script", "@twelve-surfaces.tws"}},
                      ReportCase{"SixWallRoom", {"@six-wall.wic"}},
                      ReportCase{"GermanMetric",
                                 {"--choose", "803", "1", "--radio", "841", "--radio", "843",
                                  "--radio", "845", "--radio", "847"}},
                      ReportCase{"NoCoolerFits", {"--script", "@no-cooler.tws"}}),
    [](const ::testing::TestParamInfo<ReportCase>& info) { return std::string(info.param.name); });

// The left and top edges of the first word `word` on the first page of pdftotext -bbox.
std::pair<double, double> WordAt(const std::string& bbox, const std::string& word) {
    const std::regex pattern("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\"[^>]*>" + word +
                             "</word>");
    std::smatch m;
    if (!std::regex_search(bbox, m, pattern)) return {0, 0};
    return {std::stod(m[1]), std::stod(m[2])};
}

// On Letter paper (a US locale) the page is the Letter size and its drawing is scaled by one
// factor both ways, so the room plan and the logo keep their shape: the height limits it,
// (792 - 2 * 28.35) / (842 - 2 * 28.35) = 0.936 of A4's, across as well as down.
TEST_F(Report, LetterPaperScalesThePageUniformly) {
    ASSERT_EQ(Tarnwell({}, {"--pdf", "a4.pdf"}, "C").status, 0);
    ASSERT_EQ(Tarnwell({}, {"--pdf", "letter.pdf"}, "en_US.UTF-8").status, 0);
    const std::string a4 = PdfText("a4.pdf", "-bbox");
    const std::string letter = PdfText("letter.pdf", "-bbox");
    EXPECT_NE(a4.find("<page width=\"595.000000\" height=\"842.000000\">"), std::string::npos);
    EXPECT_NE(letter.find("<page width=\"612.000000\" height=\"792.000000\">"), std::string::npos);
    // Labels in one font: "Job" and "Room" (name) on one line, "Job" and "Lighting" in one
    // column.
    const auto [jobA4, jobTopA4] = WordAt(a4, "Job");
    const auto [jobLetter, jobTopLetter] = WordAt(letter, "Job");
    const double across =
        (WordAt(letter, "Room").first - jobLetter) / (WordAt(a4, "Room").first - jobA4);
    const double down = (WordAt(letter, "Lighting").second - jobTopLetter) /
                        (WordAt(a4, "Lighting").second - jobTopA4);
    EXPECT_NEAR(across, 0.936, 0.002);
    EXPECT_NEAR(down, 0.936, 0.002);
}

} // namespace
} // namespace tw::test
