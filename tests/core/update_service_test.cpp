// SPDX-License-Identifier: MIT
// The update button end to end: a scratch installation checks against a real HTTP server on
// 127.0.0.1 and fetches, installs and deletes files, or fails and leaves them alone.
#include "shell/text_file.h"
#include "support/http_test_server.h"
#include "support/installation.h"

#include <gtest/gtest.h>

namespace tw::test {
namespace {

namespace fs = std::filesystem;
using Fault = HttpTestServer::Fault;

std::string Lines(std::initializer_list<const char*> lines) {
    std::string bytes;
    for (const char* line : lines)
        bytes += std::string(line) + "\r\n";
    return bytes;
}

class UpdateService : public ::testing::Test {
protected:
    UpdateService() {
        w->UpdateUrl = server.Address("tarnwell/");
        machine.Http().SetTimeout(1000);
    }

    Installation installation;
    HttpTestServer server{installation.Folder() / "server"};
    std::unique_ptr<FrmMain> w = installation.Start();
    Headless& machine = installation.Machine();

    // A file the server offers, below the update location.
    void Serve(const std::string& relative, const std::string& bytes) {
        installation.WriteFile("server/tarnwell/" + relative, bytes);
    }
    std::string Read(const std::string& relative) {
        return ReadFileBytes(installation.Folder() / relative).value_or("<missing>");
    }
    bool Exists(const std::string& relative) {
        return fs::exists(installation.Folder() / relative);
    }
    void ExpectShown(int message, int buttons) {
        ASSERT_FALSE(machine.Messages().empty());
        const auto& shown = machine.Messages().back();
        EXPECT_EQ(shown.title, w->MessageTable[static_cast<std::size_t>(message)][0]);
        EXPECT_EQ(shown.prompt, w->MessageTable[static_cast<std::size_t>(message)][1]);
        EXPECT_EQ(shown.buttons, buttons);
    }
    void ExpectIdle() {
        EXPECT_FALSE(w->ProgressBar.Visible);
        EXPECT_FALSE(w->ConnectedImage.Visible);
        EXPECT_EQ(machine.Pointer(), MousePointer::Default);
        for (auto& [p, page] : w->FRAME)
            EXPECT_FALSE(page.Visible) << "page " << p;
    }
    std::string Hint() { return w->HINTBOX.Caption(); }
};

TEST_F(UpdateService, NothingToUpdate) {
    const std::string list = Lines({"help.html\topdata\topdata\t2005-02-01"});
    installation.WriteFile("Updates/Installed.ver", list);
    Serve("Newest.ver", list);
    w->BUTT_Click(20);
    EXPECT_TRUE(machine.Messages().empty());
    EXPECT_EQ(Hint(), w->StringTable[2]);
    EXPECT_EQ(server.Requests(), std::vector<std::string>{"/tarnwell/Newest.ver"});
    EXPECT_EQ(Read("Updates/Installed.ver"), list);
    ExpectIdle();
}

TEST_F(UpdateService, ANewerDataFileIsFetchedAndMovedIntoPlace) {
    installation.WriteFile("Updates/Installed.ver",
                           Lines({"help.html\topdata\topdata\t2005-01-10",
                                  "TableA.data\topdata\topdata\t2005-01-10"}));
    const std::string newest = Lines(
        {"# the data of 2005-02", "help.html\topdata\topdata\t2005-02-01",
         "TableA.data\topdata\topdata\t2005-01-10", "extra.txt\tnew\tdocs/extra\t2005-02-01"});
    Serve("Newest.ver", newest);
    Serve("opdata/help.html", "<p>new help</p>");
    Serve("new/extra.txt", "extra");
    server.SetFault("/tarnwell/new/extra.txt", Fault::Chunked);
    const std::string tableA = Read("opdata/TableA.data");

    w->BUTT_Click(20);
    ExpectShown(0, 4);
    EXPECT_EQ(Read("opdata/help.html"), "<p>new help</p>");
    EXPECT_EQ(Read("docs/extra/extra.txt"), "extra");
    EXPECT_EQ(Read("opdata/TableA.data"), tableA);
    EXPECT_EQ(Read("Updates/Installed.ver"), newest);
    EXPECT_FALSE(Exists("Updates/Newest.ver"));
    EXPECT_FALSE(Exists("Updates/opdata/help.html")); // moved, not copied
    EXPECT_EQ(Hint(), w->StringTable[13]);
    EXPECT_EQ(w->GetSetting("ReadReleaseNotes", ""), "True");
    EXPECT_EQ(w->ProgressBar.Max, 2);
    EXPECT_EQ(w->ProgressBar.Value, 2);
    EXPECT_TRUE(machine.OpenedDocuments().empty()); // no release notes came
    ExpectIdle();
}

TEST_F(UpdateService, ANewProgramWaitsInTheUpdateFolderForTheLauncher) {
    installation.WriteFile("Program", "running program");
    fs::permissions(installation.Folder() / "Program", fs::perms(0750));
    Serve("Newest.ver", Lines({"Program\tbin\tAPPPATH\t2005-02-01",
                               "notes.txt\tdocs\tReleaseNotes\t2005-02-01"}));
    Serve("bin/Program", "new program");
    Serve("docs/notes.txt", "What is new");

    w->BUTT_Click(20);
    EXPECT_EQ(Read("Program"), "running program");
    EXPECT_EQ(Read("Updates/Program"), "new program");
    EXPECT_EQ(fs::status(installation.Folder() / "Updates/Program").permissions(), fs::perms(0750));
    EXPECT_EQ(Hint(), w->StringTable[3]);
    EXPECT_EQ(
        machine.OpenedDocuments(),
        std::vector<std::string>{(installation.Folder() / "ReleaseNotes/notes.txt").string()});
}

TEST_F(UpdateService, FilesTheServerNoLongerListsAreDeletedButNeverTheProgram) {
    installation.WriteFile("Program", "running program");
    installation.WriteFile("opdata/old.txt", "old");
    installation.WriteFile(
        "Updates/Installed.ver",
        Lines({"old.txt\topdata\topdata\t2005-01-10", "Program\tbin\tAPPPATH\t2005-01-10",
               "help.html\topdata\topdata\t2005-01-10"}));
    Serve("Newest.ver", Lines({"help.html\topdata\topdata\t2005-02-01"}));
    Serve("opdata/help.html", "new help");

    w->BUTT_Click(20);
    EXPECT_FALSE(Exists("opdata/old.txt"));
    EXPECT_EQ(Read("Program"), "running program");
    EXPECT_EQ(Read("Updates/Installed.ver"), Lines({"help.html\topdata\topdata\t2005-02-01"}));
}

TEST_F(UpdateService, AServerThatCannotBeReachedChangesNothing) {
    const std::string installed = Lines({"help.html\topdata\topdata\t2005-01-10"});
    const std::string help = Read("opdata/help.html");
    installation.WriteFile("Updates/Installed.ver", installed);
    Serve("Newest.ver", Lines({"help.html\topdata\topdata\t2005-02-01"}));
    Serve("opdata/help.html", "new help");
    struct Case {
        const char* what;
        Fault fault;
    } cases[] = {{"no list", Fault::NotFound},
                 {"no date", Fault::NoLastModified},
                 {"server down", Fault::None}};
    for (const auto& c : cases) {
        server.SetFault("/tarnwell/Newest.ver", c.fault);
        if (c.fault == Fault::None) server.Stop();
        const std::size_t shown = machine.Messages().size();
        w->BUTT_Click(20);
        ExpectShown(10, 16);
        EXPECT_EQ(machine.Messages().size(), shown + 1) << c.what; // no update question
        EXPECT_EQ(Hint(), "") << c.what;
        EXPECT_EQ(Read("opdata/help.html"), help) << c.what;
        EXPECT_EQ(Read("Updates/Installed.ver"), installed) << c.what;
        ExpectIdle();
    }
}

TEST_F(UpdateService, ADownloadCutOffLeavesTheOldFilesAndList) {
    const std::string installed =
        Lines({"help.html\topdata\topdata\t2005-01-10", "TableA.data\topdata\topdata\t2005-01-10"});
    const std::string help = Read("opdata/help.html");
    const std::string tableA = Read("opdata/TableA.data");
    installation.WriteFile("Updates/Installed.ver", installed);
    Serve("Newest.ver", Lines({"help.html\topdata\topdata\t2005-02-01",
                               "TableA.data\topdata\topdata\t2005-02-01"}));
    Serve("opdata/help.html", "new help");
    Serve("opdata/TableA.data", std::string(20000, 'A'));
    for (Fault fault : {Fault::CutBody, Fault::WrongLength}) {
        server.SetFault("/tarnwell/opdata/TableA.data", fault);
        w->BUTT_Click(20);
        ExpectShown(10, 16);
        EXPECT_EQ(Hint(), "");
        EXPECT_EQ(Read("opdata/help.html"), help);
        EXPECT_EQ(Read("opdata/TableA.data"), tableA);
        EXPECT_EQ(Read("Updates/Installed.ver"), installed);
        // The download that broke left nothing behind in the staging folder.
        EXPECT_FALSE(Exists("Updates/opdata/TableA.data"));
        for (const auto& entry : fs::directory_iterator(installation.Folder() / "Updates/opdata"))
            EXPECT_EQ(entry.path().filename(), "help.html");
        ExpectIdle();
    }

    // The next check compares against the old list again and completes.
    server.SetFault("/tarnwell/opdata/TableA.data", Fault::None);
    w->BUTT_Click(20);
    EXPECT_EQ(Read("opdata/TableA.data"), std::string(20000, 'A'));
    EXPECT_EQ(Read("opdata/help.html"), "new help");
}

TEST_F(UpdateService, AnsweringNoOrAFileThatCannotBeReplacedKeepsTheInstalledList) {
    const std::string installed = Lines({"help.html\topdata\topdata\t2005-01-10"});
    installation.WriteFile("Updates/Installed.ver", installed);
    Serve("Newest.ver", Lines({"help.html\topdata\topdata\t2005-02-01"}));
    Serve("opdata/help.html", "new help");
    const std::string help = Read("opdata/help.html");

    machine.QueueAnswer(mb::No);
    w->BUTT_Click(20);
    EXPECT_EQ(Read("opdata/help.html"), help);
    EXPECT_EQ(Read("Updates/Installed.ver"), installed);
    EXPECT_TRUE(Exists("Updates/Newest.ver")); // until the next check
    EXPECT_EQ(server.Requests().size(), 1u);

    // A folder where the file should go cannot be deleted: message 12.
    fs::remove(installation.Folder() / "opdata/help.html");
    fs::create_directory(installation.Folder() / "opdata/help.html");
    w->BUTT_Click(20);
    ExpectShown(12, 16);
    EXPECT_EQ(Read("Updates/Installed.ver"), installed);
    ExpectIdle();
}

} // namespace
} // namespace tw::test
