// SPDX-License-Identifier: MIT
// An installation the user cannot write, as a system package is: the program writes nothing
// into it; the diagnostic log lives in the user's state folder and updates are left to the
// package manager.
#include "names/buttons.h"
#include "shell/text_file.h"
#include "support/http_test_server.h"
#include "support/installation.h"

#include <gtest/gtest.h>

namespace tw::test {
namespace {

namespace fs = std::filesystem;

class ReadOnlyInstallation : public ::testing::Test {
protected:
    ReadOnlyInstallation() {
        installation.Machine().SetInstallationReadOnly(true);
        installation.Machine().SetStateFolder((installation.Folder() / "state").string());
    }
    fs::path StateFolder() const { return installation.Folder() / "state/Glacivar/tarnwell"; }

    Installation installation;
};

TEST_F(ReadOnlyInstallation, TheLogAndItsDumpGoToTheUsersStateFolder) {
    auto w = installation.Start("/LOG");
    ASSERT_TRUE(w->InstallationReadOnly);
    w->LogWrite(">Calculate()");
    w->Form_KeyDown(76, 2); // Ctrl+L
    const std::string logged = ReadFileBytes(StateFolder() / "!!LogFile.txt").value_or("");
    EXPECT_NE(logged.find(">Calculate()\r\n"), std::string::npos);
    EXPECT_TRUE(fs::exists(StateFolder() / "Log.txt"));
    EXPECT_FALSE(fs::exists(installation.Folder() / "!!LogFile.txt"));
    EXPECT_FALSE(fs::exists(installation.Folder() / "Log.txt"));
}

TEST_F(ReadOnlyInstallation, TheUpdateButtonPointsToThePackageManagerAndFetchesNothing) {
    for (const char* language : {"default.lng", "deutsch.lng"}) {
        installation.Machine().Settings().Save("Glacivar", "tarnwell\\Tarnwell\\Settings",
                                               "Language_File", language);
        HttpTestServer server{installation.Folder() / "server"};
        auto w = installation.Start();
        w->UpdateUrl = server.Address("tarnwell/");
        w->BUTT_Click(button::CheckForUpdates);
        EXPECT_NE(w->StringTable[10], "") << language;
        EXPECT_EQ(w->HINTBOX.Caption(), w->StringTable[10]) << language;
        EXPECT_TRUE(w->HINTBOX.Visible);
        EXPECT_TRUE(server.Requests().empty()) << language;
        EXPECT_TRUE(installation.Machine().Messages().empty());
        EXPECT_FALSE(fs::exists(installation.Folder() / "Updates"));
    }
}

} // namespace
} // namespace tw::test
