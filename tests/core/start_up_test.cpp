// SPDX-License-Identifier: MIT
// The window's load event: data files in their order, the fatal file error, the command line,
// the window's size and place, and closing with unsaved changes.
#include "support/installation.h"

#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tw::test {
// minimal_installation.cpp
void DressMinimal(Installation& installation);
std::string WriteJobFile(Installation& installation, const std::string& relative);
} // namespace tw::test

namespace tw::test {
namespace {

namespace fs = std::filesystem;

int CountLines(const FrmMain& window, const std::string& prefix) {
    auto lines = window.Log.DumpLines();
    return static_cast<int>(std::count_if(lines.begin(), lines.end(), [&](const std::string& l) {
        return l.compare(0, prefix.size(), prefix) == 0;
    }));
}

int DefaultJobLoads(const FrmMain& window) {
    return CountLines(window, ">JobFileLoad(" + window.DefaultJobFile);
}

bool Logged(const FrmMain& window, const std::string& line) {
    auto lines = window.Log.DumpLines();
    return std::find(lines.begin(), lines.end(), line) != lines.end();
}

std::string FileErrorText(const std::string& path) {
    return "Cannot open resource file\n'" + path + "'\nPlease Reinstall !";
}

// The smallest installation that starts: the tests take away or add what they examine.
class StartUp : public ::testing::Test {
protected:
    StartUp() { DressMinimal(installation); }
    Installation installation;
};

TEST(ShippedStartUp, TheShippedInstallationStarts) {
    Installation installation;
    std::unique_ptr<FrmMain> window;
    try {
        window = installation.Start();
    } catch (const ProgramEnd& end) {
        std::string shown;
        for (const auto& m : installation.Machine().Messages())
            shown += "\n  " + m.title + ": " + m.prompt;
        FAIL() << "ended with code " << end.exitCode << shown;
    }
    EXPECT_TRUE(installation.Machine().Messages().empty());
    EXPECT_FALSE(window->IsLoading);
    EXPECT_FALSE(window->JobFileExtension.empty());
}

TEST(ShippedStartUp, EveryShippedLanguageAndColourSchemeAppliesCleanly) {
    // Each record of the shipped texts and colours reaches a control of the design.
    for (const char* language : {"default.lng", "deutsch.lng"}) {
        for (const char* colours : {"default.col", "night.col"}) {
            Installation installation;
            if (!fs::exists(installation.OpData() / language) ||
                !fs::exists(installation.OpData() / colours))
                continue;
            if (!fs::exists(installation.OpData() / "default.fil"))
                WriteJobFile(installation, "opdata/default.fil");
            auto& settings = installation.Machine().Settings();
            settings.Save("Glacivar", "tarnwell\\Tarnwell\\Settings", "Language_File", language);
            settings.Save("Glacivar", "tarnwell\\Tarnwell\\Settings", "Colour_File", colours);
            std::unique_ptr<FrmMain> window;
            ASSERT_NO_THROW(window = installation.Start()) << language << " " << colours;
            for (const auto& line : window->Log.DumpLines())
                EXPECT_EQ(line.find("ignored"), std::string::npos)
                    << language << " " << colours << ": " << line;
            // Job files must be told apart from the template by their extension.
            EXPECT_EQ(window->JobFileExtension.size(), 3u) << language;
            EXPECT_NE(window->JobFileExtension, "fil") << language;
            EXPECT_TRUE(installation.Machine().Messages().empty());
        }
    }
}

TEST(ShippedStartUp, ADecimalCommaMachineReadsTheSameNumbers) {
    std::unique_ptr<FrmMain> windows[2];
    Installation installations[2];
    for (int k = 0; k < 2; ++k) {
        Installation& installation = installations[k];
        if (!fs::exists(installation.OpData() / "default.lng")) GTEST_SKIP();
        if (!fs::exists(installation.OpData() / "default.fil"))
            WriteJobFile(installation, "opdata/default.fil");
        installation.Machine().SetDecimalSeparator(k == 0 ? '.' : ',');
        windows[k] = installation.Start();
    }
    const FrmMain& point = *windows[0];
    const FrmMain& comma = *windows[1];
    EXPECT_FALSE(point.Constants.empty());
    EXPECT_EQ(point.Constants, comma.Constants);

    // Every number of the engineering tables reads the same.
    int numbers = 0;
    for (TableId table : {TableId::A, TableId::B, TableId::E, TableId::K}) {
        const DataTable& p = point.Tables[table];
        const DataTable& c = comma.Tables[table];
        ASSERT_EQ(p.Rows(), c.Rows());
        for (int row = 1; row <= p.Rows(); ++row)
            for (int col = 1; col <= p.Columns(); ++col) {
                if (!point.IsNumeric(p.Cell(col, row))) continue;
                ++numbers;
                EXPECT_EQ(point.ToSingle(p.Cell(col, row)), comma.ToSingle(c.Cell(col, row)))
                    << p.Cell(col, row) << " / " << c.Cell(col, row);
            }
    }
    EXPECT_GT(numbers, 0);
}

TEST_F(StartUp, FoldersHangOffTheInstallation) {
    auto window = installation.Start();
    const std::string root = installation.Folder().string() + "/";
    EXPECT_EQ(window->InstallFolder, root);
    EXPECT_EQ(window->OpDataFolder, root + "opdata/");
    EXPECT_EQ(window->JobFolder, root + "JobFiles/");
    EXPECT_EQ(window->UpdatesFolder, root + "Updates");
    EXPECT_EQ(window->DefaultJobFile, root + "opdata/default.fil");
    EXPECT_EQ(window->CatalogFolder, root + "proddata/");
}

TEST_F(StartUp, TheRememberedJobFolderWins) {
    installation.Machine().Settings().Save("Glacivar", "tarnwell\\Tarnwell\\Settings",
                                           "JobFilepath", "/srv/jobs/");
    EXPECT_EQ(installation.Start()->JobFolder, "/srv/jobs/");
}

TEST_F(StartUp, StateAfterTheLoadEvent) {
    auto window = installation.Start();

    // The project's version 1.0.0.
    EXPECT_EQ(window->VersionNo.Caption(), "Rev : 1.0.0");
    EXPECT_EQ(window->LABEL[801].Caption(), "Rev : 1.0.0");

    for (auto& [i, frame] : window->CFRAME) {
        EXPECT_TRUE(frame.FontBold) << "CFRAME " << i;
        EXPECT_EQ(frame.FontSize, 9.0f) << "CFRAME " << i;
    }
    for (auto& [i, page] : window->FRAME)
        EXPECT_FALSE(page.Visible) << "FRAME " << i;
    // The room drawings follow the box type of the job loaded at start: the template's 4 walls.
    EXPECT_TRUE(window->RADIO[200].Value());
    EXPECT_TRUE(window->Geometry[0].Visible);
    EXPECT_FALSE(window->Geometry[1].Visible);
    EXPECT_FALSE(window->Geometry[2].Visible);
    for (auto& [i, arrow] : window->TABFPIC)
        EXPECT_EQ(arrow.Picture, window->OpDataFolder + "arrow_fwd.png");
    for (auto& [i, arrow] : window->TABBPIC)
        EXPECT_EQ(arrow.Picture, window->OpDataFolder + "arrow_back.png");

    // The banner: one line measured with "Ag", room for three.
    EXPECT_GT(window->Banner.LineHeight, 0);
    EXPECT_EQ(window->EBANNER.Height, 3 * window->Banner.LineHeight);
    EXPECT_FALSE(window->IsLoading);
    EXPECT_FALSE(window->ResizeLock);
}

// --- Data files -----------------------------------------------------------------------------

class MissingDataFile : public StartUp, public ::testing::WithParamInterface<const char*> {};

TEST_P(MissingDataFile, EndsTheProgramAfterTheFileError) {
    fs::remove(installation.Folder() / GetParam());
    try {
        installation.Start();
        FAIL() << "started without " << GetParam();
    } catch (const ProgramEnd& end) {
        EXPECT_NE(end.exitCode, 0);
    }
    const auto& shown = installation.Machine().Messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "FILE ERROR !");
    EXPECT_EQ(shown[0].buttons, 16);
    EXPECT_EQ(shown[0].prompt, FileErrorText((installation.Folder() / GetParam()).string()));
}

INSTANTIATE_TEST_SUITE_P(StartUp, MissingDataFile,
                         ::testing::Values("opdata/TableA.data", "opdata/TableE.data",
                                           "opdata/TableK.data", "proddata/CRatings.rec",
                                           "proddata/ERatings.rec", "proddata/EProdList.data",
                                           "opdata/default.lng", "opdata/default.TableC.data",
                                           "opdata/default.TableD.data"));

// A table that reads with no rows would make its look-ups 0 without a word.
class EmptyDataTable : public StartUp,
                       public ::testing::WithParamInterface<std::pair<const char*, const char*>> {};

TEST_P(EmptyDataTable, EndsTheProgramAfterTheFileError) {
    installation.WriteFile(GetParam().first, GetParam().second);
    EXPECT_THROW(installation.Start(), ProgramEnd);
    const auto& shown = installation.Machine().Messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].prompt, FileErrorText((installation.Folder() / GetParam().first).string()));
}

INSTANTIATE_TEST_SUITE_P(
    StartUp, EmptyDataTable,
    ::testing::Values(std::pair{"opdata/TableA.data", ""},
                      std::pair{"opdata/TableK.data", "#Volume\tM\thp\tM\thp\r\n"},
                      std::pair{"opdata/default.TableD.data", "#a\tb\r\nonly\tthree\tfields\r\n"}));

TEST(StartUpOrder, DataFilesAreReadInTheirFixedOrder) {
    // With two files missing, the one read first is the one reported.
    struct Case {
        const char* missing[2];
        const char* reported;
    } cases[] = {
        {{"opdata/TableB.data", "opdata/TableA.data"}, "opdata/TableA.data"},
        {{"opdata/TableF.data", "opdata/TableE.data"}, "opdata/TableE.data"},
        {{"proddata/CRatings.rec", "opdata/TableK.data"}, "opdata/TableK.data"},
        {{"proddata/CModels.rec", "proddata/CRatings.rec"}, "proddata/CRatings.rec"},
        {{"proddata/CProdList.data", "proddata/CModels.rec"}, "proddata/CModels.rec"},
        {{"proddata/ERatings.rec", "proddata/CProdList.data"}, "proddata/CProdList.data"},
        {{"proddata/EProdList.data", "proddata/ERatings.rec"}, "proddata/ERatings.rec"},
        {{"opdata/default.lng", "proddata/EProdList.data"}, "proddata/EProdList.data"},
        {{"opdata/default.TableC.data", "opdata/default.lng"}, "opdata/default.lng"},
        {{"opdata/default.TableD.data", "opdata/default.TableC.data"},
         "opdata/default.TableC.data"},
    };
    for (const auto& c : cases) {
        Installation installation;
        DressMinimal(installation);
        for (const char* file : c.missing)
            fs::remove(installation.Folder() / file);
        EXPECT_THROW(installation.Start(), ProgramEnd);
        const auto& shown = installation.Machine().Messages();
        ASSERT_EQ(shown.size(), 1u) << c.reported;
        EXPECT_EQ(shown[0].prompt, FileErrorText((installation.Folder() / c.reported).string()));
    }
}

TEST_F(StartUp, AMissingDefaultColourFileEndsSilently) {
    fs::remove(installation.OpData() / "default.col");
    EXPECT_THROW(installation.Start(), ProgramEnd);
    EXPECT_TRUE(installation.Machine().Messages().empty());

    // The colour file is read before the resource file: still no message without both.
    Installation both;
    DressMinimal(both);
    fs::remove(both.OpData() / "default.col");
    fs::remove(both.OpData() / "default.lng");
    EXPECT_THROW(both.Start(), ProgramEnd);
    EXPECT_TRUE(both.Machine().Messages().empty());
}

TEST_F(StartUp, AMissingTemplateJobEndsTheProgram) {
    fs::remove(installation.OpData() / "default.fil");
    try {
        installation.Start();
        FAIL() << "started without the template job";
    } catch (const ProgramEnd& end) {
        EXPECT_NE(end.exitCode, 0);
    }
}

// --- Command line ---------------------------------------------------------------------------

struct ArgumentCase {
    const char* commandLine;
    int defaultLoads;
    bool logEnabled;
};

void PrintTo(const ArgumentCase& c, std::ostream* os) {
    *os << "'" << c.commandLine << "'";
}

class CommandLineWithoutJob : public StartUp, public ::testing::WithParamInterface<ArgumentCase> {};

TEST_P(CommandLineWithoutJob, LoadsTheTemplateOncePerArgument) {
    auto window = installation.Start(GetParam().commandLine);
    EXPECT_EQ(DefaultJobLoads(*window), GetParam().defaultLoads);
    EXPECT_EQ(window->Log.LogEnabled(), GetParam().logEnabled);
    EXPECT_TRUE(window->CurrentJobFile.empty());
    EXPECT_TRUE(installation.Machine().Messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    StartUp, CommandLineWithoutJob,
    ::testing::Values(ArgumentCase{"", 1, false}, ArgumentCase{"/LOG", 1, true},
                      ArgumentCase{"/log", 1, true},
                      // Another extension, or a four-letter one, is not a job file.
                      ArgumentCase{"notes.txt", 1, false}, ArgumentCase{"cold.wicx", 1, false},
                      ArgumentCase{"cold.fil", 1, false}, ArgumentCase{"a.txt\tb.txt", 2, false},
                      ArgumentCase{"notes.txt /LOG", 2, true}));

TEST(StartUpCommandLine, AJobFileOnTheCommandLineIsOpenedThenLoggingSwitchedOn) {
    for (bool quoted : {false, true}) {
        Installation installation;
        DressMinimal(installation);
        const std::string job = WriteJobFile(installation, "My Jobs/cold room.wic");
        const std::string arg = quoted ? "\"" + job + "\"" : job;
        auto window = installation.Start(arg + " /LOG");

        EXPECT_EQ(window->CurrentJobFile, job);
        EXPECT_EQ(DefaultJobLoads(*window), 0);
        EXPECT_EQ(CountLines(*window, ">JobFileLoad(" + job), 1);
        EXPECT_TRUE(window->Log.LogEnabled());
        // Menu button 0 was performed: its page is open and its text marked.
        EXPECT_TRUE(window->FRAME[1].Visible);
        EXPECT_EQ(window->BUTT[0].ForeColor, window->Colours.ShadowSelect);
        EXPECT_TRUE(installation.Machine().Messages().empty());
    }
}

TEST_F(StartUp, TheJobExtensionIsComparedInLowerCase) {
    const std::string job = WriteJobFile(installation, "COLD.WIC");
    auto window = installation.Start(job);
    EXPECT_EQ(window->CurrentJobFile, job);
    EXPECT_EQ(DefaultJobLoads(*window), 0);
}

TEST_F(StartUp, OnlyTheFirstJobFileIsExamined) {
    const std::string job = WriteJobFile(installation, "a.wic");
    // After a job file no further argument is looked at for a job.
    auto window =
        installation.Start(job + "\tnotes.txt\t" + installation.Folder().string() + "/missing.wic");
    EXPECT_EQ(window->CurrentJobFile, job);
    EXPECT_EQ(DefaultJobLoads(*window), 0);
    EXPECT_TRUE(installation.Machine().Messages().empty());

    // An argument before it loads the template first.
    Installation second;
    DressMinimal(second);
    const std::string job2 = WriteJobFile(second, "b.wic");
    auto window2 = second.Start("notes.txt\t" + job2);
    EXPECT_EQ(window2->CurrentJobFile, job2);
    EXPECT_EQ(DefaultJobLoads(*window2), 1);
}

TEST_F(StartUp, AMissingJobFileShowsMessage15AndLoadsTheTemplate) {
    auto window = installation.Start(installation.Folder().string() + "/gone.wic");
    const auto& shown = installation.Machine().Messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "Open job");
    EXPECT_EQ(shown[0].prompt, "The job file was not found. The default job is loaded.");
    EXPECT_EQ(shown[0].buttons, 16);
    EXPECT_TRUE(Logged(*window, ">MessageError(15)"));
    EXPECT_EQ(DefaultJobLoads(*window), 1);
    EXPECT_TRUE(window->CurrentJobFile.empty());
}

// --- Window size and place -----------------------------------------------------------------

TEST_F(StartUp, TheWindowIsSizedAndCentred) {
    auto window = installation.NewWindow();
    window->Window.WindowState = 2;
    window->Form_Load("");

    // A 1920 x 1080 screen is 28800 x 16200 twips; the frame adds 600 to the inner 7200.
    const auto& w = window->Window;
    EXPECT_EQ(w.WindowState, 0);
    EXPECT_EQ(w.Width, 9600);
    EXPECT_EQ(w.ScaleHeight, 7200);
    EXPECT_EQ(w.Height, 7800);
    EXPECT_EQ(w.Left, 9600);
    EXPECT_EQ(w.Top, 4200);
    EXPECT_TRUE(Logged(*window, "     9600 7800"));
    EXPECT_FALSE(window->ResizeLock);
}

TEST_F(StartUp, OnAScreenTooLowTheWindowEndsAtTheBottom) {
    installation.Machine().SetScreen({12000, 6000, 15, 15});
    auto window = installation.Start();
    const auto& w = window->Window;
    EXPECT_EQ(w.Left, (12000 - 9600) / 2);
    EXPECT_EQ(w.Top, 6000 - w.Height);
}

// --- Closing --------------------------------------------------------------------------------

TEST_F(StartUp, ClosingWithUnsavedChangesAsksAndNoKeepsTheWindow) {
    auto window = installation.Start();
    auto& machine = installation.Machine();
    window->JobModified = true;

    machine.QueueAnswer(7);
    EXPECT_FALSE(window->Form_QueryUnload(true));
    ASSERT_EQ(machine.Messages().size(), 1u);
    EXPECT_EQ(machine.Messages()[0].title, "Close");
    EXPECT_EQ(machine.Messages()[0].prompt, "The job has changed. Close anyway?");
    EXPECT_EQ(machine.Messages()[0].buttons, 20);

    machine.QueueAnswer(6);
    EXPECT_TRUE(window->Form_QueryUnload(true));
    EXPECT_EQ(machine.Messages().size(), 2u);
}

} // namespace
} // namespace tw::test

namespace tw {
namespace {

TEST(StartUpHistory, TheRecentJobsAreListedFromTheStart) {
    test::Installation install;
    const std::string job = (install.Folder() / "store.wic").string();
    install.WriteFile("store.wic", "");
    {
        auto w = install.NewWindow();
        w->platform.SaveSetting("Glacivar", "tarnwell\\Tarnwell\\FileHistory", "0File", job);
    }
    auto w = install.Start();
    ASSERT_EQ(w->FileHistoryList.ListCount(), 1);
    EXPECT_EQ(w->FileHistoryList.List(0), job);
}

} // namespace
} // namespace tw
