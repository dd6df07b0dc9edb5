// SPDX-License-Identifier: MIT
// The diagnostic log: the ring of the last 1000 lines, the log file while logging is on, the
// dump, and the Ctrl keys that drive them.
#include "shell/log.h"
#include "shell/text_file.h"
#include "support/installation.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace tw::test {
// minimal_installation.cpp
void DressMinimal(Installation& installation);
} // namespace tw::test

namespace tw::test {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
    return ReadFileBytes(path).value_or("");
}

// A log writing into a folder of its own.
class LogFolder : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device rd;
        folder_ = fs::temp_directory_path() / ("tarnwell-log-" + std::to_string(rd()));
        fs::create_directories(folder_);
        log_.SetFolder(folder_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }
    fs::path folder_;
    DiagnosticLog log_;
};

std::string Line(int n) {
    return ">line " + std::to_string(n);
}

using Log = LogFolder;

TEST_F(Log, TheRingKeepsTheLastThousandLinesOldestFirst) {
    // Lines written in all, and the oldest the ring still holds: below, at and past the
    // ring's size, and twice round it.
    int written = 0;
    for (auto [total, oldest] : {std::pair{3, 1}, {1000, 1}, {1001, 2}, {2500, 1501}}) {
        while (written < total)
            log_.LogWrite(Line(++written));
        std::vector<std::string> expected;
        for (int n = oldest; n <= total; ++n)
            expected.push_back(Line(n));
        EXPECT_EQ(log_.DumpLines(), expected) << total << " lines written";
    }
}

TEST_F(Log, OnlyProcedureEntriesStandAtTheMargin) {
    for (const char* text :
         {">ReadColourFile()", "/opt/tarnwell/opdata/default.col", "", " >not an entry", ">"})
        log_.LogWrite(text);
    EXPECT_EQ(log_.DumpLines(), (std::vector<std::string>{">ReadColourFile()",
                                                          "     /opt/tarnwell/opdata/default.col",
                                                          "     ", "      >not an entry", ">"}));
}

TEST_F(Log, TheDumpIsRewrittenAsAWholeWithCrLf) {
    log_.LogWrite(">first");
    log_.LogWrite("value 1");
    ASSERT_EQ(log_.WriteDump(), folder_ / "Log.txt");
    EXPECT_EQ(ReadBytes(folder_ / "Log.txt"), ">first\r\n     value 1\r\n");

    log_.LogWrite(">second");
    log_.WriteDump();
    EXPECT_EQ(ReadBytes(folder_ / "Log.txt"), ">first\r\n     value 1\r\n>second\r\n");
}

TEST_F(Log, TheFileGetsLinesOnlyWhileLoggingIsOn) {
    const fs::path file = folder_ / "!!LogFile.txt";
    log_.LogWrite(">before");
    EXPECT_FALSE(fs::exists(file));

    log_.SetLogEnabled(true);
    log_.LogWrite(">on 1");
    log_.LogWrite("20 \xC2\xB0"
                  "F"); // written in the ANSI code page
    log_.SetLogEnabled(false);
    log_.LogWrite(">after");
    EXPECT_EQ(ReadBytes(file), ">on 1\r\n20 \xB0"
                               "F\r\n");

    // The ring keeps every line whatever the switch.
    EXPECT_EQ(log_.DumpLines().size(), 4u);
}

TEST_F(Log, TheFileIsAppendedToAcrossRuns) {
    const fs::path file = folder_ / "!!LogFile.txt";
    { std::ofstream(file, std::ios::binary) << "earlier run\r\n"; }
    log_.SetLogEnabled(true);
    log_.LogWrite(">now");
    EXPECT_EQ(ReadBytes(file), "earlier run\r\n>now\r\n");
}

// --- Through the window ---------------------------------------------------------------------

class LogWindow : public ::testing::Test {
protected:
    void SetUp() override {
        DressMinimal(installation_);
        window_ = installation_.Start();
    }
    fs::path LogFile() const { return installation_.Folder() / "!!LogFile.txt"; }
    void Key(int keyCode, int shift) {
        Event e;
        e.type = EventType::KeyDown;
        e.source = {ArrayId::Window, 0};
        e.keyCode = keyCode;
        e.shift = shift;
        window_->Raise(e);
    }
    Installation installation_;
    std::unique_ptr<FrmMain> window_;
};

TEST_F(LogWindow, ADumpRightAfterStartBeginsWithTheLoadEvent) {
    auto lines = window_->Log.DumpLines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], ">frmMain_load");
    EXPECT_EQ(lines[1], "     tarnwell.ico");
}

TEST_F(LogWindow, CtrlDSwitchesTheFileOnAndCtrlAOff) {
    Key(68, 2); // Ctrl+D
    EXPECT_TRUE(window_->Log.LogEnabled());
    window_->BUTT_Click(2);
    const std::string logged = ReadBytes(LogFile());
    EXPECT_NE(logged.find(">BUTT_Click(2)\r\n"), std::string::npos);
    // Lines from before the switch never reach the file.
    EXPECT_EQ(logged.find(">frmMain_load"), std::string::npos);

    Key(65, 2); // Ctrl+A
    EXPECT_FALSE(window_->Log.LogEnabled());
    window_->BUTT_Click(3);
    EXPECT_EQ(ReadBytes(LogFile()), logged);
}

TEST_F(LogWindow, OnlyCtrlAloneCounts) {
    for (int shift : {0, 1, 3, 4, 6}) {
        Key(68, shift);
        EXPECT_FALSE(window_->Log.LogEnabled()) << "shift " << shift;
        Key(76, shift);
    }
    EXPECT_TRUE(installation_.Machine().OpenedDocuments().empty());
    Key(69, 2); // Ctrl+E means nothing to the log
    EXPECT_FALSE(window_->Log.LogEnabled());
    EXPECT_FALSE(fs::exists(installation_.Folder() / "Log.txt"));
}

TEST_F(LogWindow, CtrlLWritesTheDumpAndOpensIt) {
    Key(76, 2); // Ctrl+L
    const fs::path dump = installation_.Folder() / "Log.txt";
    ASSERT_TRUE(fs::exists(dump));
    EXPECT_EQ(ReadBytes(dump).rfind(">frmMain_load\r\n", 0), 0u);
    const auto& opened = installation_.Machine().OpenedDocuments();
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(fs::path(opened[0]), dump);
}

TEST(LogStart, SlashLogTakesEffectAfterTheJobIsLoaded) {
    Installation installation;
    DressMinimal(installation);
    auto window = installation.Start("/LOG");
    EXPECT_TRUE(window->Log.LogEnabled());
    const fs::path file = installation.Folder() / "!!LogFile.txt";
    // Start-up wrote its lines before the switch took effect.
    EXPECT_FALSE(fs::exists(file) && ReadBytes(file).find(">frmMain_load") != std::string::npos);
    window->LogWrite(">Calculate()");
    EXPECT_NE(ReadBytes(file).find(">Calculate()\r\n"), std::string::npos);
}

} // namespace
} // namespace tw::test
