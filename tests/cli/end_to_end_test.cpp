// SPDX-License-Identifier: MIT
// tarnwell run as a process on the committed jobs: what it prints, what it saves, how it
// ends. Every run gets its own settings folder, so no run sees another's unit systems.
#include "process.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <nlohmann/json.hpp>
#include <random>
#include <sstream>
#include <thread>

namespace fs = std::filesystem;

namespace tw::test {

// Set by main from the command line: the program under test and the committed jobs.
std::string gTarnwell;
fs::path gJobs;

namespace {

// Parsed strictly: output that is not JSON fails the test.
using JsonValue = nlohmann::json;

JsonValue ParseJson(const std::string& text) {
    return JsonValue::parse(text);
}

class Tarnwell : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device rd;
        folder_ = fs::temp_directory_path() /
                  ("tarnwell-cli-" + std::to_string(rd()) + std::to_string(rd()));
        fs::create_directories(folder_ / "config");
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }

    ProcessResult Run(const std::vector<std::string>& args,
                      std::map<std::string, std::string> env = {}) {
        env.emplace("XDG_CONFIG_HOME", (folder_ / "config").string());
        env.emplace("LC_ALL", "C");
        return RunProcess(gTarnwell, args, env, folder_.string());
    }

    // The run's standard output, failing the test unless it ended with status 0.
    std::string Output(const std::vector<std::string>& args) {
        ProcessResult r = Run(args);
        EXPECT_EQ(r.status, 0) << r.err;
        return r.out;
    }

    JsonValue Json(std::vector<std::string> args) {
        args.push_back("--json");
        return ParseJson(Output(args));
    }

    static std::string Job(const std::string& name) { return (gJobs / name).string(); }
    std::string Scratch(const std::string& name) const { return (folder_ / name).string(); }

    fs::path folder_;
};

// The lines of an output, each split at its tabs.
std::vector<std::vector<std::string>> Table(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        std::vector<std::string> cells;
        std::size_t start = 0;
        while (true) {
            const std::size_t tab = line.find('\t', start);
            cells.push_back(line.substr(start, tab == std::string::npos ? tab : tab - start));
            if (tab == std::string::npos) break;
            start = tab + 1;
        }
        rows.push_back(cells);
    }
    return rows;
}

using Row = std::vector<std::string>;

const JsonValue& Field(const JsonValue& state, int n) {
    return state.at("fields").at(std::to_string(n));
}

std::string Cell(const JsonValue& state, int grid, std::size_t row, std::size_t col) {
    return state.at("grids").at(std::to_string(grid)).at(row).at(col).get<std::string>();
}

// The state without what belongs to the window rather than to the job: the positions of the
// lists a user opened, and the job's file name.
std::string JobPart(const std::string& json) {
    JsonValue v = ParseJson(json);
    v.erase("lists");
    v.erase("job");
    return v.dump();
}

TEST_F(Tarnwell, TemplateSummaryShowsLoadsEquipmentAndNoWarnings) {
    const std::string out = Output({"calc"});
    EXPECT_NE(out.find("Total refrigeration load"), std::string::npos) << out;
    // 8083 Btu/h over a run time of 16 h is 129328 Btu a day; with 10 % it is 8891.3.
    EXPECT_NE(out.find("129328 Btu        8083 Btu/h"), std::string::npos) << out;
    EXPECT_NE(out.find("Design load               8891 Btu/h"), std::string::npos) << out;
    // The template's R455A stays under the shipped GWP limit of 150; its unit balances at
    // 9845 Btu/h, 9845 / 8891 = 110.7 % of the design load.
    EXPECT_NE(out.find("1 x TCU-5M-011"), std::string::npos) << out;
    EXPECT_NE(out.find("(111 % of the design load)"), std::string::npos) << out;
    EXPECT_NE(out.find("Input warnings: none"), std::string::npos) << out;
    EXPECT_NE(out.find("Equipment notes: none"), std::string::npos) << out;
}

TEST_F(Tarnwell, CoolerJob) {
    const auto rows =
        Table(Output({"calc", Job("cooler.wic"), "--get", "0,13,213,103,16,503,542"}));
    ASSERT_EQ(rows.size(), 7u);
    EXPECT_EQ(rows[0], Row({"0", "CLI cooler", "CLI cooler", ""}));
    EXPECT_EQ(rows[1], Row({"13", "24", "24", "ft"}));
    EXPECT_EQ(rows[2], Row({"213", "2880", "2880", "ft³"}));
    EXPECT_EQ(rows[3], Row({"103", "35", "35", "°F"}));
    EXPECT_EQ(rows[4], Row({"16", "10945", "10945", "Btu/h"}));
    EXPECT_EQ(rows[5], Row({"503", "12039", "12039", "Btu/h"}));
    EXPECT_EQ(rows[6], Row({"542", "2", "2", ""}));

    const JsonValue s = Json({"calc", Job("cooler.wic")});
    EXPECT_EQ(Field(s, 504).at("text").get<std::string>(), "R448A (GWP 1387, AR4)");
    EXPECT_EQ(Field(s, 514).at("value").get<std::string>(), "8");
    EXPECT_EQ(Field(s, 523).at("value").get<std::string>(), "TCU-8M-015 (R448A, 400 V)");
    EXPECT_EQ(Field(s, 543).at("value").get<std::string>(), "TEL-080E (electric defrost, 50 Hz)");
    // Wall 1: 240 ft² at K 0.16 through 4 in, 55 °F warmer outside, 24 h of heat removed in
    // 16 h of running: 240 * 0.04 * 55 * 1.5 = 792 Btu/h.
    EXPECT_EQ(Cell(s, 200, 4, 2), "240");
    EXPECT_EQ(Cell(s, 200, 9, 2), "792");
    EXPECT_TRUE(s.at("banner").empty());
    EXPECT_EQ(s.at("job").get<std::string>(),
              fs::absolute(Job("cooler.wic")).lexically_normal().string());
    EXPECT_FALSE(s.at("modified").get<bool>());
}

TEST_F(Tarnwell, FreezerWithFreezingProducts) {
    const JsonValue s = Json({"calc", Job("freezer.wic"), "--calculate"});
    EXPECT_EQ(Field(s, 103).at("value").get<std::string>(), "-10");
    // A freezer room takes the longer run time.
    EXPECT_EQ(Field(s, 12).at("value").get<std::string>(), "18");
    // Beef, 1000 lb from 35 °F to -10 °F, freezing at 28 °F, 57.2 % water:
    // 1000 * (0.77 * 7 + 0.572 * 144 + 0.55 * 38) = 108658 Btu a day, over 18 h of running.
    EXPECT_EQ(Cell(s, 300, 2, 2), "Beef carcass");
    EXPECT_EQ(Cell(s, 300, 13, 2), "6036.56");
    // Chicken, 500 lb from 30 °F: 500 * (0.82 * 3 + 0.66 * 144 + 0.52 * 37) = 58370 Btu.
    EXPECT_EQ(Cell(s, 300, 2, 3), "Chicken");
    EXPECT_EQ(Cell(s, 300, 13, 3), "3242.78");
    EXPECT_EQ(Field(s, 314).at("value").get<std::string>(), "9279");
    EXPECT_EQ(Field(s, 313).at("value").get<std::string>(), "1500");
    EXPECT_EQ(Field(s, 540).at("text").get<std::string>(), "Medium-profile cooler");
    EXPECT_EQ(Field(s, 543).at("value").get<std::string>(), "TEM-260E (electric defrost, 50 Hz)");
    EXPECT_TRUE(s.at("banner").empty());
}

TEST_F(Tarnwell, SixWallRoom) {
    const JsonValue s = Json({"calc", Job("six-wall.wic")});
    EXPECT_TRUE(s.at("radios").at("201").get<bool>());
    EXPECT_FALSE(s.at("radios").at("200").get<bool>());
    // Typed: walls 1, 2, 4, 5; walls 3 and 6 follow from the outline.
    const std::vector<std::string> lengths = {"30", "12", "18", "20", "8", "12", "N.A.", "N.A."};
    for (std::size_t c = 0; c < lengths.size(); ++c)
        EXPECT_EQ(Cell(s, 200, 2, c + 2), lengths[c]) << "column " << c + 2;
    // Floor and ceiling: 30 * 20 less the 12 * 18 notch.
    EXPECT_EQ(Cell(s, 200, 4, 8), "384");
    EXPECT_EQ(Cell(s, 200, 4, 9), "384");
    EXPECT_EQ(Field(s, 213).at("value").get<std::string>(), "3840");
    // The height typed for wall 1 went to every wall.
    for (std::size_t c = 2; c <= 7; ++c)
        EXPECT_EQ(Cell(s, 200, 3, c), "10");
    // Fields 13 to 15 belong to the 4-wall room only.
    EXPECT_EQ(Output({"calc", Job("six-wall.wic"), "--summary"}).find("Room length"),
              std::string::npos);
}

TEST_F(Tarnwell, UnitSystemSwitchIsTheUsersSetting) {
    const auto metric = Table(
        Output({"calc", Job("cooler.wic"), "--radio", "843", "--radio", "847", "--get", "103,16"}));
    ASSERT_EQ(metric.size(), 2u);
    // The stored values stay imperial; the shown texts follow the units on display.
    EXPECT_EQ(metric[0], Row({"103", "35", "1.67", "°C"}));
    EXPECT_EQ(metric[1], Row({"16", "10945", "3208", "W"}));
    // The unit systems are the user's settings: the next new job shows the same units, and
    // the summary gives a day's load in watt-hours. A job file keeps the units it was saved in.
    const std::string summary = Output({"calc"});
    EXPECT_NE(summary.find("Room temperature          1.67 °C"), std::string::npos) << summary;
    EXPECT_NE(summary.find(" Wh "), std::string::npos) << summary;
    EXPECT_EQ(Table(Output({"calc", Job("cooler.wic"), "--get", "103"}))[0],
              Row({"103", "35", "35", "°F"}));
    // One unit label switches only its own field.
    const auto one = Table(Output({"calc", "--unit", "102", "--get", "102,103"}));
    EXPECT_EQ(one[0], Row({"102", "95", "95", "°F"}));
    EXPECT_EQ(one[1], Row({"103", "35", "1.67", "°C"}));
    // Typed in the unit on display, stored in the internal one.
    const auto typed = Table(Output({"calc", "--type", "103", "-5", "--get", "103,312"}));
    EXPECT_EQ(typed[0], Row({"103", "23", "-5", "°C"}));
    EXPECT_EQ(typed[1], Row({"312", "23", "-5", "°C"}));
}

TEST_F(Tarnwell, InputWarningsAreOutputNotFailures) {
    const ProcessResult r = Run({"calc", Job("warnings.wic"), "--banner"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "Safety factor is below the minimum of 10 %.\n"
                     "Ambient at the condensing unit is above 120 °F (49 °C).\n");
    const JsonValue s = Json({"calc", Job("warnings.wic")});
    ASSERT_EQ(s.at("banner").size(), 2u);
    EXPECT_EQ(s.at("banner").at(0).get<std::string>(),
              "Safety factor is below the minimum of 10 %.");
    // Put right, the warnings go and the design load follows the safety factor, cut to a
    // whole Btu/h: 8083 * 1.15 = 9295.45.
    const JsonValue fixed =
        Json({"calc", Job("warnings.wic"), "--type", "506", "15", "--type", "500", "100"});
    EXPECT_TRUE(fixed.at("banner").empty());
    EXPECT_EQ(Field(fixed, 503).at("value").get<std::string>(), "9295");
    const std::string summary = Output({"calc", Job("cooler.wic"), "--type", "103", "100"});
    EXPECT_NE(summary.find("Input warnings: 2"), std::string::npos) << summary;
    EXPECT_NE(summary.find("  ! Room temperature must be below the outside temperature."),
              std::string::npos);
}

TEST_F(Tarnwell, SaveThenReloadGivesTheSameState) {
    const std::string saved = Scratch("renamed.wic");
    const std::string before =
        Output({"calc", Job("cooler.wic"), "--type", "0", "Renamed", "--cell", "200", "5", "2", "6",
                "--radio", "101", "--type", "412", "500", "--save", saved, "--json"});
    const std::string after = Output({"calc", saved, "--json"});
    EXPECT_EQ(before, after);
    const JsonValue s = ParseJson(after);
    EXPECT_EQ(Field(s, 0).at("value").get<std::string>(), "Renamed");
    EXPECT_EQ(Cell(s, 200, 5, 2), "6");
    EXPECT_TRUE(s.at("radios").at("101").get<bool>());

    // Built from the template by clicking lists as well: the job comes back whole; only the
    // lists the user clicked remember no position, as the job file keeps none for them.
    const std::string freezer = Scratch("freezer.wic");
    const std::string built =
        Output({"calc", "--script", Job("freezer.tws"), "--save", freezer, "--json"});
    const std::string reloaded = Output({"calc", freezer, "--json"});
    EXPECT_EQ(JobPart(built), JobPart(reloaded));
    EXPECT_EQ(ParseJson(built).at("lists").at("301").at("item").get<std::string>(), "Poultry");
    EXPECT_EQ(ParseJson(reloaded).at("lists").at("301").at("position").get<double>(), -1);
}

TEST_F(Tarnwell, CommittedJobsAreWhatTheirScriptsBuild) {
    for (const char* name : {"cooler", "freezer", "six-wall", "warnings"}) {
        SCOPED_TRACE(name);
        const std::string job = Output({"calc", Job(std::string(name) + ".wic"), "--json"});
        const std::string script =
            Output({"calc", "--script", Job(std::string(name) + ".tws"), "--json"});
        JsonValue fromScript = ParseJson(script);
        // A script's job has not been saved: it counts as modified.
        EXPECT_TRUE(fromScript.at("modified").get<bool>());
        const std::string saved = Output({"calc", "--script", Job(std::string(name) + ".tws"),
                                          "--save", Scratch("x.wic"), "--json"});
        EXPECT_EQ(JobPart(job), JobPart(saved));
    }
}

TEST_F(Tarnwell, OutputsStandWhereTheyAreWritten) {
    const auto rows =
        Table(Output({"calc", "--get", "103", "--type", "103", "3x0", "--get", "103,12"}));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][1], "35");
    // The number field refused the letter, as the window does.
    EXPECT_EQ(rows[1][1], "30");
    EXPECT_EQ(rows[2], Row({"12", "18", "18", "h"}));
    const ProcessResult r = Run({"calc", "--type", "103", "3x0", "--get", "103"});
    EXPECT_NE(r.err.find("--type 103: the keys \"x\" were refused"), std::string::npos) << r.err;

    // --grid prints the grid as shown, headings included.
    const auto grid = Table(Output({"calc", Job("six-wall.wic"), "--grid", "200"}));
    ASSERT_EQ(grid.size(), 10u);
    EXPECT_EQ(grid[2][0], "Length");
    EXPECT_EQ(grid[2][1], "ft");
    EXPECT_EQ(grid[2][4], "18");
}

TEST_F(Tarnwell, NegativeNumbersReplaceNegativeOnes) {
    // The key filter takes a minus only into a text without one, so the old number is
    // deleted first, in a field and in a cell.
    const JsonValue s = Json(
        {"calc", Job("freezer.wic"), "--type", "103", "-20", "--cell", "300", "5", "2", "-25"});
    EXPECT_EQ(Field(s, 103).at("value").get<std::string>(), "-20");
    EXPECT_EQ(Cell(s, 300, 5, 2), "-25");
    // Typed over a positive number, the minus is taken at once.
    EXPECT_EQ(Field(Json({"calc", "--type", "103", "-20"}), 103).at("value").get<std::string>(),
              "-20");
}

TEST_F(Tarnwell, DecimalComma) {
    const auto rows = Table(Output({"calc", "--decimal", ",", "--type", "103", "-2,5", "--type",
                                    "102", "90.5", "--get", "103,102"}));
    EXPECT_EQ(rows[0], Row({"103", "-2,5", "-2,5", "°F"}));
    // With a decimal comma the point is refused.
    EXPECT_EQ(rows[1], Row({"102", "905", "905", "°F"}));
    // The locale decides when --decimal is not given.
    const ProcessResult c = Run({"calc", "--type", "103", "2,5", "--get", "103"});
    EXPECT_EQ(Table(c.out)[0][1], "25");
}

TEST_F(Tarnwell, DialogsTakeTheAnswersInOrder) {
    // New job from the job page: with changes, the job page asks first, then new job asks.
    const std::vector<std::string> changed = {"calc", "--type", "0", "Mine"};
    auto with = [&](std::vector<std::string> more) {
        std::vector<std::string> args = changed;
        args.insert(args.end(), more.begin(), more.end());
        return args;
    };
    auto jobName = [&](const std::vector<std::string>& args) {
        return Field(Json(args), 0).at("value").get<std::string>();
    };
    EXPECT_EQ(jobName(with({"--answer", "yes", "--answer", "cancel", "--button", "19"})), "Mine");
    EXPECT_EQ(jobName(with({"--answer", "yes", "--answer", "ok", "--button", "19"})), "New job");
    // "No" to the job page keeps the user where he was: button 19 is then not shown.
    const ProcessResult no = Run(with({"--answer", "no", "--button", "19"}));
    EXPECT_EQ(no.status, 2);
    EXPECT_NE(no.err.find("--button 19: menu button 19 is not shown"), std::string::npos) << no.err;
    // Unanswered, a question is answered Yes and noted.
    const ProcessResult hurried = Run(with({"--button", "1"}));
    EXPECT_EQ(hurried.status, 0);
    EXPECT_NE(hurried.err.find("[acknowledged Yes]"), std::string::npos) << hurried.err;
    // A file path answers the open dialog.
    EXPECT_EQ(jobName({"calc", "--answer", Job("freezer.wic"), "--button", "10"}), "CLI freezer");
    // An answer that does not fit the dialog stops the run.
    const ProcessResult wrong = Run(with({"--answer", "/tmp/x.wic", "--button", "1"}));
    EXPECT_EQ(wrong.status, 2);
    EXPECT_NE(wrong.err.find("does not fit the message"), std::string::npos) << wrong.err;
    const ProcessResult unused = Run({"calc", "--answer", "yes", "--get", "0"});
    EXPECT_EQ(unused.status, 0);
    EXPECT_NE(unused.err.find("not asked for"), std::string::npos) << unused.err;
}

TEST_F(Tarnwell, ActionsTheWindowDoesNotAllowAreUsageErrors) {
    auto refused = [&](const std::vector<std::string>& args, const std::string& reason) {
        const ProcessResult r = Run(args);
        EXPECT_EQ(r.status, 2) << r.out;
        EXPECT_NE(r.err.find(reason), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("tarnwell --help"), std::string::npos);
        // One line.
        EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << r.err;
    };
    refused({"calc", "--type", "9999", "1"}, "--type 9999: the window has no field 9999");
    refused({"calc", "--type", "504", "x"}, "field 504 is a list: choose its item");
    refused({"calc", "--radio", "201", "--type", "13", "5"}, "field 13 is not shown");
    refused({"calc", "--choose", "206", "1"}, "list 206 is not open");
    refused({"calc", "--choose", "504", "9"}, "list 504 holds 8 items");
    refused({"calc", "--cell", "200", "6", "2", "x"}, "holds a list: open it with --click-cell");
    refused({"calc", "--cell", "200", "9", "2", "1"}, "cell (9, 2) of grid 200 cannot be edited");
    refused({"calc", "--click-cell", "200", "20", "2"}, "grid 200 has 10 rows and 8 columns");
    refused({"calc", "--click-cell", "200", "0", "2"}, "is a heading");
    refused({"calc", "--check", "1", "on"}, "the window has no check box 1");
    refused({"calc", "--unit", "0"}, "field 0 has no unit to switch");
    refused({"calc", "--save", "job.txt"}, "ending in .wic");
    refused({"calc", "--get", "16,77777"}, "the window has no field 77777");
    refused({"calc", "--frobnicate"}, "unknown option --frobnicate");
    refused({}, "no command given");
    // A usage error is found before any step runs: nothing is saved.
    refused({"calc", "--save", Scratch("early.wic"), "--grid", "999"}, "no grid 999");
    EXPECT_FALSE(fs::exists(Scratch("early.wic")));
}

TEST_F(Tarnwell, GridListsOpenByClickAndCommitByChoice) {
    // A free list of surfaces: a new column's type is chosen from its list.
    const JsonValue s =
        Json({"calc", "--radio", "203", "--click-cell", "200", "1", "2", "--choose", "201", "2"});
    EXPECT_EQ(Cell(s, 200, 1, 2), "Ceiling");
    // The construction list brings its K-factor, and the first wall's choice goes to every
    // wall.
    const JsonValue k = Json({"calc", "--click-cell", "200", "6", "2", "--choose", "206", "1"});
    EXPECT_EQ(Cell(k, 200, 6, 2), k.at("lists").at("206").at("items").at(1).get<std::string>());
    EXPECT_EQ(Cell(k, 200, 7, 2), "0.26");
    EXPECT_EQ(Cell(k, 200, 7, 5), "0.26");
    EXPECT_EQ(Cell(k, 200, 7, 6), "0.2");
}

TEST_F(Tarnwell, ProgramsSavingAtOnceKeepEverySetting) {
    // A first run writes every setting; then sixteen runs at once each type their own page-7
    // field, which is remembered key by key as it is typed, and save a job.
    Output({"calc"});
    const fs::path ini = folder_ / "config/Glacivar/tarnwell/Tarnwell.ini";
    auto keys = [&] {
        std::ifstream in(ini, std::ios::binary);
        std::map<std::string, std::string> found;
        bool settings = false;
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && line[0] == '[') settings = line == "[Settings]";
            if (auto eq = line.find('='); settings && eq != std::string::npos)
                found[line.substr(0, eq)] = line.substr(eq + 1);
        }
        return found;
    };
    const std::size_t before = keys().size();
    ASSERT_GT(before, 20u);

    constexpr int kRuns = 16;
    std::vector<ProcessResult> results(kRuns);
    std::vector<std::thread> runs;
    for (int i = 0; i < kRuns; ++i)
        runs.emplace_back([&, i] {
            results[i] = Run({"calc", "--type", std::to_string(700 + i), std::to_string(4100 + i),
                              "--save", Scratch("job" + std::to_string(i) + ".wic")});
        });
    for (auto& run : runs)
        run.join();
    for (const auto& r : results)
        EXPECT_EQ(r.status, 0) << r.err;

    const auto after = keys();
    EXPECT_EQ(after.size(), before);
    for (int i = 0; i < kRuns; ++i)
        EXPECT_EQ(after.count("TextBox" + std::to_string(700 + i))
                      ? after.at("TextBox" + std::to_string(700 + i))
                      : "",
                  std::to_string(4100 + i));
    // Nothing beside the settings and their lock file, and no job's temporary file.
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(ini.parent_path()))
        names.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Tarnwell.ini", "Tarnwell.ini.lock"}));
    for (const auto& e : fs::directory_iterator(folder_))
        EXPECT_EQ(e.path().string().find(".tmp"), std::string::npos) << e.path();
}

TEST_F(Tarnwell, ExitStatuses) {
    const ProcessResult help = Run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("Example"), std::string::npos);
    EXPECT_NE(help.out.find("--click-cell G R C"), std::string::npos);

    const ProcessResult missing = Run({"calc", "nowhere.wic", "--json"});
    EXPECT_EQ(missing.status, 3);
    EXPECT_EQ(missing.err, "tarnwell: cannot load job 'nowhere.wic': no such file\n");
    EXPECT_TRUE(missing.out.empty());

    const ProcessResult notJob = Run({"calc", Job("cooler.tws")});
    EXPECT_EQ(notJob.status, 3);
    EXPECT_NE(notJob.err.find("is not a job file"), std::string::npos) << notJob.err;

    std::ofstream(Scratch("damaged.wic"), std::ios::binary) << "\"# \",\"Tarnwell\",1,0\r\n\"T\",";
    const ProcessResult damaged = Run({"calc", "damaged.wic"});
    EXPECT_EQ(damaged.status, 3);
    EXPECT_NE(damaged.err.find("cannot load job 'damaged.wic'"), std::string::npos) << damaged.err;

    fs::create_directories(Scratch("install/opdata"));
    const ProcessResult broken = Run({"calc", "--install", Scratch("install")});
    EXPECT_EQ(broken.status, 1);
    EXPECT_NE(broken.err.find("FILE ERROR"), std::string::npos) << broken.err;
    EXPECT_EQ(Run({"calc", "--install", Scratch("nothing")}).status, 2);

    // The exit button ends the program; later steps do not run.
    const ProcessResult exit = Run({"calc", "--button", "9", "--get", "0"});
    EXPECT_EQ(exit.status, 0);
    EXPECT_TRUE(exit.out.empty());
    EXPECT_NE(exit.err.find("the program was ended"), std::string::npos);

    // A save that cannot be written.
    const ProcessResult unwritable = Run({"calc", "--save", Scratch("no/such/folder/x.wic")});
    EXPECT_EQ(unwritable.status, 1);
    EXPECT_NE(unwritable.err.find("could not be saved"), std::string::npos) << unwritable.err;
}

} // namespace
} // namespace tw::test

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (argc != 3) {
        std::cerr << "usage: " << argv[0] << " TARNWELL JOB-FOLDER\n";
        return 2;
    }
    tw::test::gTarnwell = argv[1];
    tw::test::gJobs = argv[2];
    return RUN_ALL_TESTS();
}
