// SPDX-License-Identifier: MIT
// The command line and scripts of tarnwell become steps in the order given; every wrong word
// is refused before anything runs, with a reason that names where it was written.
#include "arguments.h"

#include <gtest/gtest.h>
#include <map>

namespace tarnwell {
namespace {

using K = Step::Kind;

// Script files for the parser, by name.
struct Files {
    std::map<std::string, std::string> texts;
    FileReader Reader() const {
        return [this](const std::string& path) -> std::optional<std::string> {
            auto it = texts.find(path);
            if (it == texts.end()) return std::nullopt;
            return it->second;
        };
    }
};

Invocation Parse(const std::vector<std::string>& args, const Files& files = Files()) {
    return ParseArguments(args, files.Reader());
}

// The reason of the usage error the arguments give, or "" when they are accepted.
std::string Refusal(const std::vector<std::string>& args, const Files& files = Files()) {
    try {
        Parse(args, files);
    } catch (const UsageError& e) {
        return e.what();
    }
    return std::string();
}

TEST(TarnwellArguments, StepsKeepTheirOrderWithTheJobBeforeThem) {
    const Invocation inv =
        Parse({"calc", "room.wic", "--get", "16", "--type", "103", "-10", "--choose", "504", "2",
               "--cell", "300", "3", "2", "1 000", "--json", "--install", "/opt/tw"});
    EXPECT_EQ(inv.job, "room.wic");
    EXPECT_EQ(inv.install, "/opt/tw");
    ASSERT_EQ(inv.steps.size(), 5u);
    EXPECT_EQ(inv.steps[0].kind, K::Get);
    EXPECT_EQ(inv.steps[0].numbers, std::vector<int>({16}));
    EXPECT_EQ(inv.steps[1].kind, K::Type);
    EXPECT_EQ(inv.steps[1].numbers, std::vector<int>({103}));
    // A text that looks like an option or a negative number is still the text.
    EXPECT_EQ(inv.steps[1].text, "-10");
    EXPECT_EQ(inv.steps[1].origin, "--type 103");
    EXPECT_EQ(inv.steps[2].numbers, std::vector<int>({504, 2}));
    EXPECT_EQ(inv.steps[3].kind, K::Cell);
    EXPECT_EQ(inv.steps[3].numbers, std::vector<int>({300, 3, 2}));
    EXPECT_EQ(inv.steps[3].text, "1 000");
    EXPECT_TRUE(inv.steps[4].IsOutput());
    EXPECT_FALSE(inv.steps[3].IsOutput());
}

TEST(TarnwellArguments, EveryStepTakesItsWords) {
    const Invocation inv = Parse({"calc",   "--radio",    "843",      "--check",      "5",
                                  "off",    "--unit",     "103",      "--click-cell", "200",
                                  "1",      "2",          "--button", "19",           "--answer",
                                  "--json", "--save",     "a.wic",    "--calculate",  "--summary",
                                  "--get",  "16,503,523", "--grid",   "520",          "--banner"});
    std::vector<K> kinds;
    for (const Step& s : inv.steps)
        kinds.push_back(s.kind);
    EXPECT_EQ(kinds,
              std::vector<K>({K::Radio, K::Check, K::Unit, K::ClickCell, K::Button, K::Answer,
                              K::Save, K::Calculate, K::Summary, K::Get, K::Grid, K::Banner}));
    EXPECT_EQ(inv.steps[1].numbers, std::vector<int>({5, 0}));
    EXPECT_EQ(inv.steps[5].text, "--json");
    EXPECT_EQ(inv.steps[9].numbers, std::vector<int>({16, 503, 523}));
    EXPECT_TRUE(inv.job.empty());
}

TEST(TarnwellArguments, HelpVersionAndSeparator) {
    EXPECT_TRUE(Parse({"--help"}).help);
    EXPECT_TRUE(Parse({"calc", "-h"}).help);
    EXPECT_TRUE(Parse({"--version"}).version);
    EXPECT_EQ(Parse({"calc", "--decimal", ","}).decimal, std::optional<char>(','));
    EXPECT_FALSE(Parse({"calc"}).decimal.has_value());
    EXPECT_NE(HelpText().find("Example"), std::string::npos);
    EXPECT_NE(HelpText().find("tarnwell calc"), std::string::npos);
}

TEST(TarnwellArguments, WrongWordsAreRefusedWithTheirReason) {
    EXPECT_NE(Refusal({}).find("no command"), std::string::npos);
    EXPECT_NE(Refusal({"run"}).find("unknown command 'run'"), std::string::npos);
    EXPECT_NE(Refusal({"calc", "--frobnicate"}).find("unknown option --frobnicate"),
              std::string::npos);
    EXPECT_NE(Refusal({"calc", "--type", "103"}).find("--type takes 2 arguments"),
              std::string::npos);
    EXPECT_NE(Refusal({"calc", "--type", "1o3", "5"}).find("'1o3'"), std::string::npos);
    EXPECT_NE(Refusal({"calc", "--choose", "504", "-1"}).find("counts from 0"), std::string::npos);
    EXPECT_NE(Refusal({"calc", "--check", "5", "yes"}).find("on or off"), std::string::npos);
    EXPECT_NE(Refusal({"calc", "--get", "16,,503"}).find("field number"), std::string::npos);
    EXPECT_NE(Refusal({"calc", "--decimal", ";"}).find(". or ,"), std::string::npos);
    EXPECT_NE(Refusal({"calc", "--install"}).find("needs a folder"), std::string::npos);
    EXPECT_NE(Refusal({"calc", "--save", ""}).find("file name"), std::string::npos);
    EXPECT_NE(Refusal({"calc", "--type", "99999999999", "1"}).find("whole number"),
              std::string::npos);
    // An unquoted text with a blank leaves a word over; it is not taken for the job.
    const std::string stray = Refusal({"calc", "--type", "0", "Dairy", "cooler"});
    EXPECT_NE(stray.find("unexpected argument 'cooler'"), std::string::npos);
    EXPECT_NE(Refusal({"calc", "a.wic", "b.wic"}).find("unexpected argument 'b.wic'"),
              std::string::npos);
}

TEST(TarnwellArguments, ScriptStepsTakeTheirPlaceAndNameTheirLine) {
    Files files;
    files.texts["jobs.tws"] = "# a room\r\n"
                              "type 0 \"Dairy cooler\"   # the job name\r\n"
                              "\r\n"
                              "--radio 201\r\n"
                              "script more.tws\r\n"
                              "json\r\n";
    files.texts["more.tws"] = "cell 200 2 2 30\n";
    const Invocation inv = Parse({"calc", "--get", "0", "--script", "jobs.tws", "--banner"}, files);
    std::vector<K> kinds;
    for (const Step& s : inv.steps)
        kinds.push_back(s.kind);
    EXPECT_EQ(kinds, std::vector<K>({K::Get, K::Type, K::Radio, K::Cell, K::Json, K::Banner}));
    EXPECT_EQ(inv.steps[1].text, "Dairy cooler");
    EXPECT_EQ(inv.steps[1].origin, "jobs.tws:2");
    EXPECT_EQ(inv.steps[2].origin, "jobs.tws:4");
    EXPECT_EQ(inv.steps[3].origin, "more.tws:1");
}

TEST(TarnwellArguments, ScriptErrorsNameFileAndLine) {
    Files files;
    files.texts["bad.tws"] = "type 103 35\nturn 103\n";
    EXPECT_EQ(Refusal({"calc", "--script", "bad.tws"}, files), "bad.tws:2: unknown step 'turn'");
    files.texts["bad.tws"] = "radio\n";
    EXPECT_NE(
        Refusal({"calc", "--script", "bad.tws"}, files).find("bad.tws:1: 'radio' takes 1 word"),
        std::string::npos);
    files.texts["bad.tws"] = "type 0 Dairy cooler\n";
    EXPECT_NE(Refusal({"calc", "--script", "bad.tws"}, files).find("quote a text"),
              std::string::npos);
    files.texts["bad.tws"] = "type 0 \"Dairy\n";
    EXPECT_EQ(Refusal({"calc", "--script", "bad.tws"}, files), "bad.tws:1: a quote is not closed");
    files.texts["bad.tws"] = "choose 504 x\n";
    EXPECT_NE(Refusal({"calc", "--script", "bad.tws"}, files).find("bad.tws:1: a list position"),
              std::string::npos);
    EXPECT_NE(Refusal({"calc", "--script", "missing.tws"}, files).find("cannot read script"),
              std::string::npos);
    // A script that calls itself stops with a reason instead of running for ever.
    files.texts["loop.tws"] = "script loop.tws\n";
    EXPECT_NE(Refusal({"calc", "--script", "loop.tws"}, files).find("deep"), std::string::npos);
}

} // namespace
} // namespace tarnwell
