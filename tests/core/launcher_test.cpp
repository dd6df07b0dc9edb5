// SPDX-License-Identifier: MIT
// The launcher on a scratch installation: the launcher records of the language file, the
// disclaimer text, the installation of a waiting update and the start of the program.
#include "launcher/launcher.h"
#include "shell/text_file.h"
#include "support/installation.h"

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
    bool failDelete = false;
    bool failRename = false;
    int deletes = 0;
    int renames = 0;

protected:
    bool DeleteFile(const fs::path& path) override {
        ++deletes;
        return !failDelete && Launcher::DeleteFile(path);
    }
    bool RenameFile(const fs::path& from, const fs::path& to) override {
        ++renames;
        return !failRename && Launcher::RenameFile(from, to);
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

    void SetUp() override { windows.launcher = &launcher; }
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
                       "MSGBOX\t-3\tMESSAGE\tbeyond the three texts", // ignored
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

TEST_F(LauncherRun, AWaitingUpdateReplacesTheProgramAndBecomesExecutable) {
    install.WriteFile("Program", "old");
    install.WriteFile("Updates/Program", "new");
    fs::permissions(install.Folder() / "Updates/Program", fs::perms(0644));
    ASSERT_TRUE(Run());
    EXPECT_EQ(windows.calls, (std::vector<std::string>{"splash", "updating", "disclaimer"}));
    EXPECT_EQ(Read("Program"), "new");
    EXPECT_FALSE(fs::exists(install.Folder() / "Updates/Program"));
    EXPECT_NE(fs::status(install.Folder() / "Program").permissions() & fs::perms::owner_exec,
              fs::perms::none);
    EXPECT_EQ(launcher.UpdateStep(), 2);
    EXPECT_EQ(Started().size(), 1u);
}

TEST_F(LauncherRun, AnUpdateWithoutAnOldProgramIsOnlyRenamed) {
    install.WriteFile("Updates/Program", "new");
    ASSERT_TRUE(Run());
    EXPECT_EQ(launcher.deletes, 0);
    EXPECT_EQ(launcher.renames, 1);
    EXPECT_EQ(Read("Program"), "new");
    EXPECT_EQ(Started().size(), 1u);
}

TEST_F(LauncherRun, AFailedDeleteOrRenameShowsItsMessageAndStartsNothing) {
    install.WriteFile("Program", "old");
    install.WriteFile("Updates/Program", "new");
    launcher.failDelete = true;
    EXPECT_FALSE(Run());
    launcher.failDelete = false;
    launcher.failRename = true;
    EXPECT_FALSE(Run());
    EXPECT_TRUE(Started().empty());
    const auto& shown = install.Machine().Messages();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].title, "Tarnwell update");
    EXPECT_EQ(shown[0].prompt, launcher.Texts().messages[1]);
    EXPECT_NE(shown[0].prompt.find("could not be removed"), std::string::npos);
    EXPECT_EQ(shown[0].buttons, mb::Critical);
    EXPECT_EQ(shown[1].prompt, launcher.Texts().messages[2]);
    EXPECT_EQ(shown[1].title, launcher.Texts().captions[2]);
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

TEST(LauncherPrepare, ADataFolderWithoutAnIconIsABrokenInstallation) {
    Installation install(true);
    Launcher launcher(install.Machine());
    EXPECT_FALSE(launcher.Prepare());
    ASSERT_EQ(install.Machine().Messages().size(), 1u);
    EXPECT_EQ(install.Machine().Messages()[0].title, "FILE ERROR !");
}

} // namespace
} // namespace tw::test
