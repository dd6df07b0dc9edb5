// SPDX-License-Identifier: MIT
// The per-user settings store: INI files under the configuration folder, one file per section
// root, and the root taken from the name of the window's icon.
#include "platform/ini_settings.h"
#include "shell/text_file.h"
#include "support/installation.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <optional>
#include <random>
#include <string>

namespace tw::test {
// minimal_installation.cpp
void DressMinimal(Installation& installation);
} // namespace tw::test

namespace tw::test {
namespace {

namespace fs = std::filesystem;

const char* const kApp = "Glacivar";
const char* const kSettings = "tarnwell\\Tarnwell\\Settings";
const char* const kHistory = "tarnwell\\Tarnwell\\FileHistory";

std::string ReadText(const fs::path& path) {
    return ReadFileBytes(path).value_or("");
}

class SettingsStore : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device rd;
        folder_ = fs::temp_directory_path() / ("tarnwell-ini-" + std::to_string(rd()));
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }
    fs::path folder_;
};

TEST_F(SettingsStore, ValuesComeBackAsSaved) {
    IniSettings ini(folder_);
    EXPECT_EQ(ini.Get(kApp, kSettings, "Language_File", "none"), "none");
    for (const std::string value : {"default.lng", "C:\\Jobs\\", "two\nlines\r\nhere", "a=b",
                                    "[not a group]", " blanks ", "\xC3\xA4rger"}) {
        ASSERT_TRUE(ini.Save(kApp, kSettings, "Value", value));
        EXPECT_EQ(ini.Get(kApp, kSettings, "Value", "none"), value);
    }
}

TEST_F(SettingsStore, KeysAndGroupsIgnoreCase) {
    IniSettings ini(folder_);
    ini.Save(kApp, kSettings, "ImperialLength", "True");
    EXPECT_EQ(ini.Get(kApp, "tarnwell\\Tarnwell\\SETTINGS", "imperiallength", ""), "True");
    ini.Save(kApp, kSettings, "IMPERIALLENGTH", "False");
    EXPECT_EQ(ini.Get(kApp, kSettings, "ImperialLength", ""), "False");
    // Overwritten, not added twice.
    const std::string text = ReadText(folder_ / "Glacivar/tarnwell/Tarnwell.ini");
    EXPECT_EQ(std::count(text.begin(), text.end(), '='), 1) << text;
}

TEST_F(SettingsStore, AnEmptyValueIsAValueNotTheDefault) {
    // The recent-files list ends at its first empty value.
    IniSettings ini(folder_);
    ini.Save(kApp, kHistory, "0File", "");
    EXPECT_EQ(ini.Get(kApp, kHistory, "0File", "fallback"), "");
    EXPECT_EQ(ini.Get(kApp, kHistory, "1File", "fallback"), "fallback");
}

TEST_F(SettingsStore, SectionsOfOneRootShareOneFile) {
    IniSettings ini(folder_);
    ini.Save(kApp, kSettings, "Colour_File", "default.col");
    ini.Save(kApp, kHistory, "0File", "/srv/jobs/a.wic");
    const fs::path file = folder_ / "Glacivar/tarnwell/Tarnwell.ini";
    const std::string text = ReadText(file);
    EXPECT_NE(text.find("[Settings]"), std::string::npos);
    EXPECT_NE(text.find("[FileHistory]"), std::string::npos);
    EXPECT_EQ(ini.Get(kApp, kSettings, "Colour_File", ""), "default.col");
    EXPECT_EQ(ini.Get(kApp, kHistory, "0File", ""), "/srv/jobs/a.wic");
    // A key of one section is not seen from the other.
    EXPECT_EQ(ini.Get(kApp, kHistory, "Colour_File", "none"), "none");
    // Written through a temporary file that does not stay behind; beside the file only its
    // lock file.
    EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), fs::directory_iterator()),
              2);
    EXPECT_TRUE(fs::exists(fs::path(file) += ".lock"));
}

TEST_F(SettingsStore, AHandEditedFileIsRead) {
    fs::create_directories(folder_ / "Glacivar/tarnwell");
    std::ofstream(folder_ / "Glacivar/tarnwell/Tarnwell.ini", std::ios::binary)
        << "; kept by hand\r\n[Settings]\r\nColour_File=ocean.col\r\n\r\n[Other]\r\nx=1\r\n";
    IniSettings ini(folder_);
    EXPECT_EQ(ini.Get(kApp, kSettings, "Colour_File", ""), "ocean.col");
    ini.Save(kApp, kSettings, "Language_File", "deutsch.lng");
    EXPECT_EQ(ini.Get(kApp, "tarnwell\\Tarnwell\\Other", "x", ""), "1");
    EXPECT_EQ(ini.Get(kApp, kSettings, "Colour_File", ""), "ocean.col");
}

TEST_F(SettingsStore, ReadOnceAndASaveChangesOnlyItsKeyOverWhatIsOnDisk) {
    IniSettings ini(folder_);
    ASSERT_TRUE(ini.Save(kApp, kSettings, "Colour_File", "default.col"));
    const fs::path file = folder_ / "Glacivar/tarnwell/Tarnwell.ini";
    // Another program writes meanwhile, and a save of a third one was killed halfway.
    std::ofstream(file, std::ios::binary)
        << "[Settings]\nColour_File=night.col\nLanguage_File=deutsch.lng\n";
    std::ofstream(fs::path(file) += ".tmpK1ll3d", std::ios::binary) << "[Sett";
    EXPECT_EQ(ini.Get(kApp, kSettings, "Language_File", "none"), "none");
    ASSERT_TRUE(ini.Save(kApp, kSettings, "EmailTo", "ann@example.com"));
    EXPECT_EQ(ReadText(file), "[Settings]\nColour_File=night.col\nLanguage_File=deutsch.lng\n"
                              "EmailTo=ann@example.com\n\n");
    EXPECT_EQ(ini.Get(kApp, kSettings, "Language_File", "none"), "deutsch.lng");
    EXPECT_FALSE(fs::exists(fs::path(file) += ".tmpK1ll3d"));
}

TEST(Settings, AFailedSaveIsToldOnceAndTheProgramGoesOn) {
    Installation installation;
    // A file where the settings folder should be: no setting can be stored.
    installation.WriteFile("config/Glacivar", "");
    auto window = installation.Start();
    const auto& shown = installation.Machine().Messages();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, window->MessageTable[22][0]);
    EXPECT_EQ(shown[0].prompt, window->MessageTable[22][1]);
    window->SaveSetting("EmailTo", "ann@example.com");
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_EQ(window->GetSetting("Language_File", ""), "");
}

TEST(Settings, SectionPathsMapToFilesAndGroups) {
    const fs::path c = "/cfg";
    struct Case {
        const char* app;
        const char* section;
        fs::path file;
        const char* group;
    } cases[] = {
        {"Glacivar", "tarnwell\\Tarnwell\\Settings", c / "Glacivar/tarnwell/Tarnwell.ini",
         "Settings"},
        {"Glacivar", "tarnwell\\Tarnwell\\FileHistory", c / "Glacivar/tarnwell/Tarnwell.ini",
         "FileHistory"},
        {"Glacivar", "frost\\Tarnwell\\Settings", c / "Glacivar/frost/Tarnwell.ini", "Settings"},
        {"App", "a/b/c/d", c / "App/a/b/c.ini", "d"},
        {"App", "Settings", c / "App/App.ini", "Settings"},
        {"App", "", c / "App/App.ini", "General"},
        {"App", "\\x\\\\y\\", c / "App/x.ini", "y"},
    };
    for (const auto& k : cases) {
        IniLocation loc = SettingsLocation(c, k.app, k.section);
        EXPECT_EQ(loc.file, k.file) << k.section;
        EXPECT_EQ(loc.group, k.group) << k.section;
    }
}

// Sets an environment variable for the length of a test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedEnv() {
        if (old_)
            setenv(name_, old_->c_str(), 1);
        else
            unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<std::string> old_;
};

TEST(Settings, UserConfigFolderHonoursXdgConfigHome) {
    ScopedEnv home("HOME", "/home/ann");
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", "/srv/config");
        EXPECT_EQ(UserConfigFolder(), fs::path("/srv/config"));
    }
    {
        // A relative folder is not a valid XDG folder.
        ScopedEnv xdg("XDG_CONFIG_HOME", "relative/config");
        EXPECT_EQ(UserConfigFolder(), fs::path("/home/ann/.config"));
    }
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", "");
        EXPECT_EQ(UserConfigFolder(), fs::path("/home/ann/.config"));
    }
    {
        ScopedEnv xdg("XDG_CONFIG_HOME", nullptr);
        EXPECT_EQ(UserConfigFolder(), fs::path("/home/ann/.config"));
    }
}

// --- The location after a start-up ---------------------------------------------------------

TEST(Settings, AStartUpWritesUnderTheIconName) {
    Installation installation;
    DressMinimal(installation);
    auto window = installation.Start();
    EXPECT_EQ(window->SettingsSection, "tarnwell\\Tarnwell\\Settings");
    EXPECT_EQ(window->FileHistorySection, "tarnwell\\Tarnwell\\FileHistory");
    EXPECT_EQ(window->Window.Icon, window->OpDataFolder + "tarnwell.ico");

    const fs::path file = installation.ConfigFolder() / "Glacivar/tarnwell/Tarnwell.ini";
    ASSERT_TRUE(fs::exists(file));
    const std::string text = ReadText(file);
    EXPECT_EQ(text.rfind("[Settings]", 0), 0u) << text;
    // Absent file names are filled in with the defaults and remembered.
    EXPECT_NE(text.find("Language_File=default.lng"), std::string::npos) << text;
    EXPECT_NE(text.find("Colour_File=default.col"), std::string::npos) << text;
}

TEST(Settings, TheLocationFollowsTheIcon) {
    Installation installation;
    DressMinimal(installation);
    fs::rename(installation.OpData() / "tarnwell.ico", installation.OpData() / "frost.ico");
    auto window = installation.Start();
    EXPECT_EQ(window->IconBaseName, "frost");
    EXPECT_EQ(window->SettingsSection, "frost\\Tarnwell\\Settings");
    EXPECT_TRUE(fs::exists(installation.ConfigFolder() / "Glacivar/frost/Tarnwell.ini"));
    EXPECT_FALSE(fs::exists(installation.ConfigFolder() / "Glacivar/tarnwell"));
}

TEST(Settings, TheFirstIconInNameOrderKeysTheLocation) {
    Installation installation;
    DressMinimal(installation);
    fs::copy_file(installation.OpData() / "tarnwell.ico", installation.OpData() / "aurora.ico");
    auto window = installation.Start();
    EXPECT_EQ(window->IconBaseName, "aurora");
    EXPECT_TRUE(fs::exists(installation.ConfigFolder() / "Glacivar/aurora/Tarnwell.ini"));
}

TEST(Settings, WithoutAnIconTheProgramEnds) {
    Installation installation;
    DressMinimal(installation);
    fs::remove(installation.OpData() / "tarnwell.ico");
    EXPECT_THROW(installation.Start(), ProgramEnd);
}

TEST(Settings, AMissingChosenColourFileFallsBackToTheDefault) {
    Installation installation;
    DressMinimal(installation);
    installation.Machine().Settings().Save(kApp, kSettings, "Colour_File", "ocean.col");
    auto window = installation.Start();
    EXPECT_EQ(installation.Machine().Settings().Get(kApp, kSettings, "Colour_File", ""),
              "default.col");
    EXPECT_EQ(window->TEXTBOX[804].Text(), "default");
    EXPECT_TRUE(installation.Machine().Messages().empty());
}

} // namespace
} // namespace tw::test
