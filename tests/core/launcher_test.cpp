// SPDX-License-Identifier: MIT
// The launcher on a scratch installation: the launcher records of the language file, the
// disclaimer text, the installation of a waiting update and the start of the program.
#include "launcher/launcher.h"
#include "shell/text_file.h"
#include "support/installation.h"
#include "support/release_server.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tw::test {
namespace {

namespace fs = std::filesystem;

const char* const kApp = "Glacivar";
const char* const kSettings = "tarnwell\\Tarnwell\\Settings";

// The windows, recorded; the disclaimer is closed with the box as the test wants it.
struct RecordedWindows : LauncherWindows {
    Launcher* launcher = nullptr;
    bool keepDisclaimer = true;
    std::vector<std::string> calls;
    void ShowSplash() override { calls.push_back("splash"); }
    void ShowUpdating() override { calls.push_back("updating"); }
    void ShowDisclaimer() override {
        calls.push_back("disclaimer");
        launcher->CloseDisclaimer(keepDisclaimer);
    }
};

// Counts the file changes and lets a test make one of them fail.
class TestLauncher : public Launcher {
public:
    using Launcher::Launcher;
    // The rename that fails, counting from 1; 0 for none.
    int failRename = 0;
    int deletes = 0;
    int renames = 0;

protected:
    bool DeleteFile(const fs::path& path) override {
        ++deletes;
        return Launcher::DeleteFile(path);
    }
    bool RenameFile(const fs::path& from, const fs::path& to) override {
        return ++renames != failRename && Launcher::RenameFile(from, to);
    }
};

class NoStart : public Headless {
public:
    using Headless::Headless;
    bool StartProgram(const std::string&, const std::vector<std::string>&) override {
        return false;
    }
};

LineReader Lines(std::vector<std::string> lines) {
    return LineReader(std::move(lines));
}

class LauncherRun : public ::testing::Test {
protected:
    Installation install;
    TestLauncher launcher{install.Machine()};
    RecordedWindows windows;

    void SetUp() override {
        windows.launcher = &launcher;
        launcher.SetStartCheckTime(500);
        fs::copy_file(TestKeys() / "publisher.pub", install.OpData() / "update.pub",
                      fs::copy_options::overwrite_existing);
    }
    // A new program waiting in the update folder with the digests it came with, signed by
    // the publisher's key (the digest is of `signedBytes`).
    void Waiting(const std::string& bytes, const std::string& signedBytes) {
        install.WriteFile("Updates/Program", bytes);
        install.WriteFile("release/Program", signedBytes);
        const fs::path sums = install.Folder() / "Updates/Program.SHA256SUMS";
        ASSERT_TRUE(RunCommand("cd " + (install.Folder() / "release").string() +
                               " && sha256sum Program | sed 's#  #  app/#' > " + sums.string()));
        ASSERT_TRUE(RunCommand("minisign -S -W -s " + (TestKeys() / "publisher.key").string() +
                               " -m " + sums.string()));
    }
    std::string Read(const std::string& relative) {
        return ReadFileBytes(install.Folder() / relative).value_or("<missing>");
    }
    bool Run(const std::vector<std::string>& args = {}) {
        EXPECT_TRUE(launcher.Prepare());
        return launcher.Run(windows, args);
    }
    const std::vector<Headless::StartedProgram>& Started() {
        return install.Machine().StartedPrograms();
    }
};

TEST(LauncherRecords, OnlyFourFieldLinesCountAndTheFirstNonNegativeIndexEndsTheReading) {
    LauncherTexts texts;
    auto file = Lines({"a comment without tabs",
                       "msgbox\t-1\tmessage\tgone",         // case of type and property
                       "MSGBOX\t-1\tMESSAGE\tfive\tfields", // five fields
                       "FEXT\t0\tthree fields",             // no end of the reading
                       "MSGBOX\t-2\tCaption\tTitle two",
                       "MSGBOX\t-4\tMESSAGE\tbeyond the four texts",   // ignored
                       "MSGBOX\t-99999999999\tMESSAGE\tno such index", // skipped
                       "FEXT\t99999999999\tEXTENSION\tno such index",  // skipped
                       "label\t-7\tCAPTION\tBusy", "LABEL\t-1\tTEXT\tnot a caption",
                       "DLABEL\t-3\tanything\tTerms",
                       "DLABEL\t-2.4\tx\tOK", // rounds to -2
                       "DLABEL\t-1\tx\tAgain?", "PICTURE\t-5\tPICTURE\tone.png",
                       "PICTURE\t-1\tICON\tnot a picture", "OTHER\t-1\tCAPTION\tunknown type",
                       "FEXT\t0\tEXTENSION\twic", "LABEL\t-1\tCAPTION\tafter the end"});
    ApplyLauncherRecords(file, texts);
    EXPECT_EQ(texts.messages[1], "gone");
    EXPECT_EQ(texts.captions[2], "Title two");
    EXPECT_EQ(texts.messages[2], "");
    EXPECT_EQ(texts.updating, "Busy");
    EXPECT_EQ(texts.disclaimerCaption, "Terms");
    EXPECT_EQ(texts.closeCaption, "OK");
    EXPECT_EQ(texts.showAtStartup, "Again?");
    EXPECT_EQ(texts.pictures, std::vector<std::string>{"one.png"});
}

TEST(LauncherRecords, AFileWhoseFirstRecordHasIndexZeroChangesNothing) {
    LauncherTexts texts;
    auto file = Lines({"FEXT\t0\tEXTENSION\twic", "MSGBOX\t-1\tMESSAGE\ttoo late",
                       "LABEL\t-1\tCAPTION\ttoo late"});
    ApplyLauncherRecords(file, texts);
    const LauncherTexts designer;
    EXPECT_EQ(texts.messages, designer.messages);
    EXPECT_EQ(texts.messages[1], "");
    EXPECT_EQ(texts.updating, "UPDATING EXECUTABLE");
    EXPECT_EQ(texts.disclaimerCaption, designer.disclaimerCaption);
    EXPECT_TRUE(texts.pictures.empty());
}

TEST(LauncherDisclaimer, LinesRunOnAndAnEmptyLineIsAParagraphBreak) {
    auto file = Lines({"a", "b", "", "c"});
    EXPECT_EQ(AssembleDisclaimer(file), "ab\r\n\r\nc");
    EXPECT_EQ(DisclaimerFileName("default.lng"), "default.disclaimer.fil");
    EXPECT_EQ(DisclaimerFileName("deutsch.lng"), "deutsch.disclaimer.fil");
}

TEST_F(LauncherRun, WithoutAnUpdateNothingIsMovedAndTheProgramGetsTheArguments) {
    install.WriteFile("Program", "old");
    ASSERT_TRUE(Run({"/LOG"}));
    EXPECT_EQ(windows.calls, (std::vector<std::string>{"splash", "disclaimer"}));
    EXPECT_EQ(launcher.deletes + launcher.renames, 0);
    EXPECT_EQ(Read("Program"), "old");
    ASSERT_EQ(Started().size(), 1u);
    EXPECT_EQ(fs::path(Started()[0].program), install.Folder() / "Program");
    EXPECT_EQ(Started()[0].args, std::vector<std::string>{"/LOG"});
    EXPECT_TRUE(install.Machine().Messages().empty());
    // The shipped English records and the settings the main program uses.
    EXPECT_EQ(launcher.SettingsSection(), kSettings);
    EXPECT_EQ(install.Machine().GetSetting(kApp, kSettings, "Language_File", ""), "default.lng");
    EXPECT_EQ(launcher.Texts().pictures, std::vector<std::string>{"splash.png"});
    EXPECT_EQ(launcher.Texts().showAtStartup, "Show at start-up");
    EXPECT_NE(launcher.DisclaimerText().find("\r\n\r\n"), std::string::npos);
    EXPECT_EQ(install.Machine().GetSetting(kApp, kSettings, "ShowDisclaimer", ""), "True");
}

const char* const kGoodProgram = "#!/bin/sh\necho Tarnwell 9.0.0\n";

TEST_F(LauncherRun, AWaitingUpdateReplacesTheProgramAndBecomesExecutable) {
    install.WriteFile("Program", "old");
    Waiting(kGoodProgram, kGoodProgram);
    fs::permissions(install.Folder() / "Updates/Program", fs::perms(0644));
    ASSERT_TRUE(Run());
    EXPECT_EQ(windows.calls, (std::vector<std::string>{"splash", "updating", "disclaimer"}));
    EXPECT_EQ(Read("Program"), kGoodProgram);
    EXPECT_EQ(Read("Program.previous"), "old");
    EXPECT_FALSE(fs::exists(install.Folder() / "Updates/Program"));
    EXPECT_FALSE(fs::exists(install.Folder() / "Updates/Program.SHA256SUMS"));
    EXPECT_TRUE(install.Machine().Messages().empty());
    EXPECT_NE(fs::status(install.Folder() / "Program").permissions() & fs::perms::owner_exec,
              fs::perms::none);
    EXPECT_EQ(launcher.UpdateStep(), 2);
    EXPECT_EQ(Started().size(), 1u);
}

TEST_F(LauncherRun, AnUpdateWithoutAnOldProgramIsOnlyRenamed) {
    Waiting(kGoodProgram, kGoodProgram);
    ASSERT_TRUE(Run());
    EXPECT_EQ(launcher.deletes, 0);
    EXPECT_EQ(launcher.renames, 1);
    EXPECT_EQ(Read("Program"), kGoodProgram);
    EXPECT_EQ(Started().size(), 1u);
}

TEST_F(LauncherRun, AnOldProgramThatCannotBeMovedAsideShowsItsMessageAndStartsNothing) {
    install.WriteFile("Program", "old");
    Waiting(kGoodProgram, kGoodProgram);
    launcher.failRename = 1;
    EXPECT_FALSE(Run());
    EXPECT_TRUE(Started().empty());
    EXPECT_EQ(Read("Program"), "old");
    const auto& shown = install.Machine().Messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "Tarnwell update");
    EXPECT_EQ(shown[0].prompt, launcher.Texts().messages[1]);
    EXPECT_NE(shown[0].prompt.find("could not be removed"), std::string::npos);
    EXPECT_EQ(shown[0].buttons, mb::Critical);
    // The disclaimer never came: a failed installation ends the launcher at once.
    EXPECT_EQ(std::count(windows.calls.begin(), windows.calls.end(), "disclaimer"), 0);
}

TEST(LauncherStart, AProgramThatCannotBeStartedShowsTheSecondMessage) {
    Installation install;
    NoStart machine(install.Folder().string(), install.ConfigFolder());
    machine.SaveSetting(kApp, kSettings, "ShowDisclaimer", "False");
    Launcher launcher(machine);
    RecordedWindows windows;
    windows.launcher = &launcher;
    ASSERT_TRUE(launcher.Prepare());
    EXPECT_FALSE(launcher.Run(windows, {}));
    ASSERT_EQ(machine.Messages().size(), 1u);
    EXPECT_EQ(machine.Messages()[0].prompt, launcher.Texts().messages[2]);
}

TEST_F(LauncherRun, ASwitchedOffDisclaimerIsNeitherReadNorShown) {
    install.Machine().SaveSetting(kApp, kSettings, "ShowDisclaimer", "False");
    install.WriteFile("Program", "old");
    ASSERT_TRUE(Run());
    EXPECT_EQ(launcher.DisclaimerText(), "");
    EXPECT_FALSE(launcher.ShowsDisclaimer());
    EXPECT_EQ(windows.calls, std::vector<std::string>{"splash"});
    EXPECT_EQ(Started().size(), 1u);
}

TEST_F(LauncherRun, ClosingTheDisclaimerRemembersTheBox) {
    install.WriteFile("Program", "old");
    windows.keepDisclaimer = false;
    ASSERT_TRUE(Run());
    EXPECT_EQ(install.Machine().GetSetting(kApp, kSettings, "ShowDisclaimer", ""), "False");
    // The next start reads the switched-off flag.
    TestLauncher next(install.Machine());
    ASSERT_TRUE(next.Prepare());
    EXPECT_FALSE(next.ShowsDisclaimer());
}

TEST_F(LauncherRun, TheChosenLanguageGivesItsRecordsAndItsDisclaimer) {
    install.Machine().SaveSetting(kApp, kSettings, "Language_File", "deutsch.lng");
    ASSERT_TRUE(launcher.Prepare());
    EXPECT_EQ(launcher.Texts().pictures, std::vector<std::string>{"splash_de.png"});
    EXPECT_EQ(launcher.Texts().closeCaption, "Schlie\xC3\x9F"
                                             "en");
    // Read from the code page: "schätzt" arrives as UTF-8.
    EXPECT_NE(launcher.DisclaimerText().find("sch\xC3\xA4tzt"), std::string::npos);

    // A language without a disclaimer of its own shows the English one.
    fs::copy_file(install.OpData() / "deutsch.lng", install.OpData() / "eigene.lng");
    install.Machine().SaveSetting(kApp, kSettings, "Language_File", "eigene.lng");
    TestLauncher other(install.Machine());
    ASSERT_TRUE(other.Prepare());
    EXPECT_EQ(other.DisclaimerText().rfind("Tarnwell estimates", 0), 0u);
    EXPECT_TRUE(other.ShowsDisclaimer());
}

// A waiting program that fails its check is refused, or put back when it does not start; the
// old program starts either way, message 3 says so, and the next check fetches the program
// again.
TEST_F(LauncherRun, AProgramThatFailsItsCheckOrDoesNotStartLeavesTheOldOne) {
    struct Case {
        const char* what;
        const char* bytes;
        const char* signedBytes;
        bool sums;
    } cases[] = {
        {"tampered", kGoodProgram, "#!/bin/sh\necho other\n", true},
        {"without its digests", kGoodProgram, kGoodProgram, false},
        {"an HTML page", "<html>Not Found</html>", "<html>Not Found</html>", true},
        {"never answers", "#!/bin/sh\nsleep 30\n", "#!/bin/sh\nsleep 30\n", true},
        {"a failing program", "#!/bin/sh\nexit 3\n", "#!/bin/sh\nexit 3\n", true},
    };
    for (const auto& c : cases) {
        install.WriteFile("Program", "#!/bin/sh\necho old\n");
        install.WriteFile("Updates/Installed.ver",
                          "Program\tapp\tAPPPATH\t2030\r\nhelp.html\topdata\topdata\t2030\r\n");
        Waiting(c.bytes, c.signedBytes);
        if (!c.sums) fs::remove(install.Folder() / "Updates/Program.SHA256SUMS.minisig");
        const std::size_t shown = install.Machine().Messages().size();
        const std::size_t started = Started().size();
        EXPECT_TRUE(Run()) << c.what;
        EXPECT_EQ(Read("Program"), "#!/bin/sh\necho old\n") << c.what;
        EXPECT_FALSE(fs::exists(install.Folder() / "Updates/Program")) << c.what;
        EXPECT_EQ(Read("Updates/Installed.ver"), "help.html\topdata\topdata\t2030\r\n") << c.what;
        ASSERT_EQ(install.Machine().Messages().size(), shown + 1) << c.what;
        EXPECT_EQ(install.Machine().Messages().back().prompt, launcher.Texts().messages[3]);
        EXPECT_NE(launcher.Texts().messages[3], "");
        EXPECT_EQ(Started().size(), started + 1) << c.what;
    }
}

TEST(LauncherPrepare, ADataFolderWithoutAnIconIsABrokenInstallation) {
    Installation install(true);
    Launcher launcher(install.Machine());
    EXPECT_FALSE(launcher.Prepare());
    ASSERT_EQ(install.Machine().Messages().size(), 1u);
    EXPECT_EQ(install.Machine().Messages()[0].title, "FILE ERROR !");
}

} // namespace
} // namespace tw::test
