// SPDX-License-Identifier: MIT
// The report as tarnwell writes it to a PDF file, read back as text with pdftotext -layout:
// every surface and product named, the totals printed, every page counted, nothing printed
// that means nothing (no "P2", no row that is a bare 0).
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
    int pages;
    // Texts the report must print, beyond the names and totals read from the job.
    std::vector<std::string> printed;
};

void PrintTo(const ReportCase& c, std::ostream* out) {
    *out << c.name;
}

class ReportPdf : public ::testing::TestWithParam<ReportCase> {
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

    // tarnwell calc with the case's steps and then the given outputs.
    ProcessResult Tarnwell(std::vector<std::string> outputs) {
        std::vector<std::string> args{"calc"};
        for (const std::string& step : GetParam().steps)
            args.push_back(step.rfind("@", 0) == 0 ? (gJobs / step.substr(1)).string() : step);
        args.insert(args.end(), outputs.begin(), outputs.end());
        return RunProcess(gTarnwell, args,
                          {{"XDG_CONFIG_HOME", (folder_ / "config").string()}, {"LC_ALL", "C"}},
                          folder_.string());
    }

    fs::path folder_;
};

// A program on the PATH.
std::string OnPath(const std::string& program) {
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "/usr/bin:/bin");
    std::string folder;
    while (std::getline(folders, folder, ':'))
        if (fs::exists(fs::path(folder) / program)) return (fs::path(folder) / program).string();
    return program;
}

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

TEST_P(ReportPdf, PrintsEveryItemAndTotalAndNothingMeaningless) {
    const ReportCase& c = GetParam();
    const ProcessResult run = Tarnwell(
        {"--pdf", "report.pdf", "--grid", "200", "--grid", "300", "--get", "214,314,16,503"});
    ASSERT_EQ(run.status, 0) << run.err;
    // The surface grid's 10 rows come first, then the product grid's.
    std::size_t split = 0;
    for (int row = 0; row < 10 && split != std::string::npos; ++row)
        split = run.out.find('\n', split) + 1;
    const std::string surfaces = run.out.substr(0, split);
    const std::string products = run.out.substr(split);

    const ProcessResult text =
        RunProcess(OnPath("pdftotext"), {"-layout", "report.pdf", "-"}, {}, folder_.string());
    ASSERT_EQ(text.status, 0) << "pdftotext (poppler-utils) is needed: " << text.err;
    const std::string& pdf = text.out;
    // Pages end in a form feed; the footers count them all (see the printed texts).
    EXPECT_EQ(std::count(pdf.begin(), pdf.end(), '\f'), c.pages);

    for (const std::string& name : GridRow(surfaces, 1))
        EXPECT_NE(pdf.find(name), std::string::npos) << "surface " << name;
    for (const std::string& name : GridRow(products, 2))
        EXPECT_NE(pdf.find(name), std::string::npos) << "product " << name;
    for (int field : {214, 314, 16, 503}) {
        const std::string total = Shown(run.out, field);
        ASSERT_FALSE(total.empty()) << field;
        EXPECT_TRUE(std::regex_search(pdf, std::regex("\\s" + total + "(\\s|$)")))
            << "total " << field << " = " << total;
    }
    for (const std::string& printed : c.printed)
        EXPECT_NE(pdf.find(printed), std::string::npos) << printed;

    EXPECT_EQ(pdf.find("P2"), std::string::npos);
    // A line that starts with a bare 0 is a row without its name.
    EXPECT_FALSE(std::regex_search(pdf, std::regex("(^|\\n)[ \\t]*0([ \\t]|\\n|$)")));
}

INSTANTIATE_TEST_SUITE_P(
    Jobs, ReportPdf,
    ::testing::Values(
        ReportCase{"Template", {}, 2, {"Page 1 of 2", "Page 2 of 2", "Apples"}},
        ReportCase{"SixProducts",
                   {"--script", "@six-products.tws"},
                   3,
                   {"continued on the next page", "(continued)", "Page 3 of 3"}},
        ReportCase{"TwelveSurfaces",
                   {"--script", "@twelve-surfaces.tws"},
                   3,
                   {"continued on the next page", "Page 3 of 3"}},
        ReportCase{"SixWallRoom", {"@six-wall.wic"}, 2, {"Room volume", "Page 2 of 2"}},
        ReportCase{"GermanMetric",
                   {"--choose", "803", "1", "--radio", "841", "--radio", "843", "--radio", "845",
                    "--radio", "847"},
                   2,
                   {"Seite 1 von 2", "Seite 2 von 2", "Kältebedarfsberechnung", "°C"}},
        ReportCase{"NoCoolerFits",
                   {"--script", "@no-cooler.tws"},
                   2,
                   {"Page 2 of 2", "No cooler in the catalogue matches the chosen",
                    "No balance point without a condensing unit and a cooler."}}),
    [](const ::testing::TestParamInfo<ReportCase>& info) { return std::string(info.param.name); });

} // namespace
} // namespace tw::test
