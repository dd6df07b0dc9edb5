// SPDX-License-Identifier: MIT
// The update button end to end: a scratch installation checks against a real server
// (Python's http.server, over HTTP and over HTTPS with a certificate of its own) serving a
// release made by PublishRelease and signed with the minisign tool, and installs it, or meets
// an attack and leaves every byte of the installation as it was.
#include "shell/text_file.h"
#include "support/installation.h"
#include "support/release_server.h"
#include "update/publish.h"

#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <unistd.h>

namespace tw::test {
namespace {

namespace fs = std::filesystem;
using Outcome = UpdateSession::Outcome;

const fs::path& Keys() {
    return TestKeys();
}

class SignedUpdate : public ::testing::Test {
public:
    explicit SignedUpdate(bool tls = false)
        : server(installation.Folder() / "server", installation.Folder() / "faults.json",
                 tls ? (Keys() / "tls.crt").string() : "",
                 tls ? (Keys() / "tls.key").string() : "") {
        fs::copy_file(Keys() / "publisher.pub", installation.OpData() / "update.pub",
                      fs::copy_options::overwrite_existing);
        installation.WriteFile("Program", "#!/bin/sh\necho old\n");
        installation.WriteFile("Updates/Installed.ver", kInstalled);
        w = installation.Start();
        w->UpdateUrl = server.Address("tarnwell/");
        machine.Http().SetLimits(SignedUpdateLimits());
    }
    // Short time-outs, a body limit of 1 MiB, and the test certificate trusted.
    static HttpLimits SignedUpdateLimits() {
        HttpLimits limits;
        limits.connectTimeoutMs = limits.stallTimeoutMs = 1000;
        limits.maxBodyBytes = 1 << 20;
        limits.caFile = (Keys() / "tls.crt").string();
        return limits;
    }

    static constexpr const char* kInstalled =
        "help.html\topdata\topdata\t2020-01-01T00:00:00Z\r\n"
        "TableA.data\topdata\topdata\t2020-01-01T00:00:00Z\r\n"
        "old.txt\topdata\topdata\t2020-01-01T00:00:00Z\r\n";

    Installation installation;
    ReleaseServer server;
    std::unique_ptr<FrmMain> w;
    Headless& machine = installation.Machine();

    // A release of these files (relative path, bytes), published into the server's
    // tarnwell/ folder and signed with a key of Keys().
    void Publish(const std::map<std::string, std::string>& files,
                 const std::string& key = "publisher", const std::string& extraSignOptions = "") {
        const fs::path release = installation.Folder() / "release";
        fs::remove_all(release);
        for (const auto& [path, bytes] : files) {
            fs::create_directories((release / path).parent_path());
            std::ofstream(release / path, std::ios::binary) << bytes;
        }
        const fs::path out = installation.Folder() / "server/tarnwell";
        fs::remove_all(out);
        ASSERT_FALSE(PublishRelease(release, out).failed);
        ASSERT_TRUE(RunCommand(
            "minisign -S -W " + extraSignOptions + " -s " + (Keys() / key).string() + ".key -m " +
            (out / "Newest.ver").string() + " " + (out / "SHA256SUMS").string()));
    }
    void PublishUsual() {
        Publish({{"opdata/help.html", "<p>new help</p>"},
                 {"opdata/TableA.data", std::string(30000, 'A')}});
    }
    void ServerFile(const std::string& relative, const std::string& bytes) {
        std::ofstream(installation.Folder() / "server/tarnwell" / relative,
                      std::ios::binary | std::ios::trunc)
            << bytes;
    }
    // Every file of the installation and its bytes.
    std::map<std::string, std::string> Snapshot() {
        std::map<std::string, std::string> files;
        for (const auto& e : fs::recursive_directory_iterator(installation.Folder())) {
            const std::string relative =
                e.path().lexically_relative(installation.Folder()).string();
            const std::string top = relative.substr(0, relative.find('/'));
            if (top == "server" || top == "release" || top == "config" || top == "faults.json")
                continue;
            files[relative] =
                e.is_regular_file() ? ReadFileBytes(e.path()).value_or("?") : "<folder>";
        }
        return files;
    }
    std::string Read(const std::string& relative) {
        return ReadFileBytes(installation.Folder() / relative).value_or("<missing>");
    }
    void ExpectMessage(int message) {
        ASSERT_FALSE(machine.Messages().empty());
        EXPECT_EQ(machine.Messages().back().prompt,
                  w->MessageTable[static_cast<std::size_t>(message)][1]);
    }
    void ExpectIdle() {
        EXPECT_FALSE(w->ProgressBar.Visible);
        EXPECT_FALSE(w->UpdateCancel.Visible);
        EXPECT_FALSE(w->ConnectedImage.Visible);
        EXPECT_EQ(machine.Pointer(), MousePointer::Default);
    }
};

TEST_F(SignedUpdate, AGoodReleaseIsInstalledAndItsListKept) {
    PublishUsual();
    w->BUTT_Click(20);
    EXPECT_EQ(machine.Messages().size(), 1u); // the question only
    EXPECT_EQ(Read("opdata/help.html"), "<p>new help</p>");
    EXPECT_EQ(Read("opdata/TableA.data"), std::string(30000, 'A'));
    EXPECT_FALSE(fs::exists(installation.OpData() / "old.txt"));
    EXPECT_EQ(Read("Updates/Installed.ver"), Read("server/tarnwell/Newest.ver"));
    EXPECT_EQ(Read("Updates/Installed.ver.minisig"), Read("server/tarnwell/Newest.ver.minisig"));
    EXPECT_FALSE(fs::exists(installation.Folder() / "Updates/opdata"));
    EXPECT_FALSE(fs::exists(installation.Folder() / "Updates/SHA256SUMS"));
    EXPECT_EQ(w->HINTBOX.Caption(), w->StringTable[13]);
    EXPECT_EQ(w->ProgressBar.Max, 30000 + 15);
    EXPECT_EQ(w->ProgressBar.Value, 30000 + 15);
    ExpectIdle();

    // Checked again: nothing to do, nothing asked.
    w->BUTT_Click(20);
    EXPECT_EQ(machine.Messages().size(), 1u);
    EXPECT_EQ(w->HINTBOX.Caption(), w->StringTable[2]);
}

TEST_F(SignedUpdate, ANewProgramWaitsWithItsSignedDigestsAndTheReleaseNotesOpen) {
    fs::create_directories(installation.Folder() / "ReleaseNotes");
    Publish({{"Program", "#!/bin/sh\necho new\n"}, {"ReleaseNotes/notes.txt", "What is new"}},
            "publisher",
            "-l"); // the legacy, unhashed signature
    w->BUTT_Click(20);
    EXPECT_EQ(Read("Program"), "#!/bin/sh\necho old\n");
    EXPECT_EQ(Read("Updates/Program"), "#!/bin/sh\necho new\n");
    EXPECT_EQ(Read("Updates/Program.SHA256SUMS"), Read("server/tarnwell/SHA256SUMS"));
    EXPECT_EQ(Read("Updates/Program.SHA256SUMS.minisig"),
              Read("server/tarnwell/SHA256SUMS.minisig"));
    EXPECT_EQ(w->HINTBOX.Caption(), w->StringTable[3]);
    EXPECT_EQ(
        machine.OpenedDocuments(),
        std::vector<std::string>{(installation.Folder() / "ReleaseNotes/notes.txt").string()});
}

// Every attack leaves the installation byte for byte as it was, with message 10.
TEST_F(SignedUpdate, AttacksChangeNothing) {
    struct Case {
        const char* attack;
        std::function<void(SignedUpdate&)> arrange;
    } cases[] = {
        {"tampered file",
         [](SignedUpdate& t) { t.ServerFile("opdata/TableA.data", std::string(30000, 'B')); }},
        {"list changed after signing",
         [](SignedUpdate& t) {
             t.ServerFile("Newest.ver", "help.html\topdata\topdata\t2030-01-01T00:00:00Z\r\n");
         }},
        {"list cut off in transfer",
         [](SignedUpdate& t) { t.server.SetFault("/tarnwell/Newest.ver", "truncate"); }},
        {"missing signature",
         [](SignedUpdate& t) {
             fs::remove(t.installation.Folder() / "server/tarnwell/Newest.ver.minisig");
         }},
        {"missing digests signature",
         [](SignedUpdate& t) {
             fs::remove(t.installation.Folder() / "server/tarnwell/SHA256SUMS.minisig");
         }},
        {"foreign key",
         [](SignedUpdate& t) {
             t.Publish({{"opdata/help.html", "<p>evil</p>"}}, "stranger");
         }},
        {"older list by stamps",
         [](SignedUpdate& t) {
             t.installation.WriteFile("Updates/Installed.ver",
                                      "help.html\topdata\topdata\t2999-01-01T00:00:00Z\r\n");
         }},
        {"older list by signing time",
         [](SignedUpdate& t) {
             t.Publish({{"opdata/help.html", "<p>old help</p>"}}, "publisher",
                       "-t 'timestamp:1000000000\tfile:Newest.ver'");
             ASSERT_TRUE(
                 RunCommand("minisign -S -W -s " + (Keys() / "publisher").string() + ".key -x " +
                            (t.installation.Folder() / "Updates/Installed.ver.minisig").string() +
                            " -m " + (t.installation.Folder() / "Updates/Installed.ver").string()));
         }},
        {"truncated download",
         [](SignedUpdate& t) { t.server.SetFault("/tarnwell/opdata/TableA.data", "truncate"); }},
        {"stalling server",
         [](SignedUpdate& t) { t.server.SetFault("/tarnwell/opdata/TableA.data", "stall"); }},
        {"server sending a byte at a time",
         [](SignedUpdate& t) { t.server.SetFault("/tarnwell/opdata/TableA.data", "trickle"); }},
        {"redirect loop",
         [](SignedUpdate& t) { t.server.SetFault("/tarnwell/SHA256SUMS", "redirect-loop"); }},
        {"body over the limit",
         [](SignedUpdate& t) { t.server.SetFault("/tarnwell/opdata/help.html", "big"); }},
        {"file missing on the server",
         [](SignedUpdate& t) { t.server.SetFault("/tarnwell/opdata/TableA.data", "missing"); }},
    };
    for (const auto& c : cases) {
        PublishUsual();
        for (const char* path : {"/tarnwell/Newest.ver", "/tarnwell/SHA256SUMS",
                                 "/tarnwell/opdata/TableA.data", "/tarnwell/opdata/help.html"})
            server.SetFault(path, "");
        installation.WriteFile("Updates/Installed.ver", kInstalled);
        fs::remove(installation.Folder() / "Updates/Installed.ver.minisig");
        c.arrange(*this);
        const auto before = Snapshot();
        const std::size_t shown = machine.Messages().size();
        EXPECT_EQ(w->Update_Check(), Outcome::Failed) << c.attack;
        EXPECT_EQ(Snapshot(), before) << c.attack << ": " << w->Updates.Problem();
        ExpectMessage(10);
        EXPECT_LE(machine.Messages().size(), shown + 2) << c.attack;
        EXPECT_EQ(w->HINTBOX.Caption(), "") << c.attack;
        ExpectIdle();
    }
}

TEST_F(SignedUpdate, BadLinesAreSkippedAndTheRestInstalled) {
    PublishUsual();
    const std::string good = Read("server/tarnwell/Newest.ver");
    ServerFile("Newest.ver", good + "x\topdata\t opdata\t2030-01-01T00:00:00Z\r\n" +
                                 "authorized_keys\topdata\t~/.ssh\t2030-01-01T00:00:00Z\r\n" +
                                 "Installed.ver\topdata\tUpdates\t2030-01-01T00:00:00Z\r\n" +
                                 "y\topdata\tnowhere\t2030-01-01T00:00:00Z\r\n" +
                                 std::string(300, 'n') +
                                 "\topdata\topdata\t2030-01-01T00:00:00Z\r\n");
    const fs::path out = installation.Folder() / "server/tarnwell";
    fs::remove(out / "Newest.ver.minisig");
    ASSERT_TRUE(RunCommand("minisign -S -W -s " + (Keys() / "publisher").string() + ".key -m " +
                           (out / "Newest.ver").string()));
    EXPECT_EQ(w->Update_Check(), Outcome::Updated) << w->Updates.Problem();
    EXPECT_EQ(Read("opdata/help.html"), "<p>new help</p>");
    EXPECT_FALSE(fs::exists(installation.Folder() / " opdata"));
    EXPECT_FALSE(fs::exists(installation.Folder() / "nowhere"));
    EXPECT_EQ(Read("Updates/Installed.ver"), Read("server/tarnwell/Newest.ver"));
    int skipped = 0;
    for (const auto& line : w->Log.DumpLines())
        skipped += line.find("Skipped: ") != std::string::npos;
    EXPECT_EQ(skipped, 5);
}

TEST_F(SignedUpdate, CancelInTheMiddleOfADownloadChangesNothing) {
    PublishUsual();
    server.SetFault("/tarnwell/opdata/TableA.data", "trickle");
    const auto before = Snapshot();
    machine.SetEventsHook([this] {
        if (w->ProgressBar.Visible && w->ProgressBar.Value > 15)
            w->Raise(EventType::Click, w->UpdateCancel.ref);
    });
    EXPECT_EQ(w->Update_Check(), Outcome::Cancelled);
    EXPECT_EQ(Snapshot(), before);
    EXPECT_EQ(machine.Messages().size(), 1u); // the question only
    ExpectIdle();
}

TEST_F(SignedUpdate, TheShippedInstallationSaysItHasNoUpdateLocation) {
    auto shipped = installation.Start();
    EXPECT_EQ(shipped->UpdateUrl, "");
    EXPECT_EQ(shipped->Update_Check(), Outcome::NoLocation);
    EXPECT_EQ(shipped->HINTBOX.Caption(),
              "No update location is configured for this installation.");
    EXPECT_TRUE(shipped->HINTBOX.Visible);
}

class SecureUpdate : public SignedUpdate {
protected:
    SecureUpdate() : SignedUpdate(true) {}
};

TEST_F(SecureUpdate, OverHttpsWithTheTrustedCertificateOnly) {
    PublishUsual();
    EXPECT_EQ(w->Update_Check(), Outcome::Updated) << w->Updates.Problem();
    EXPECT_EQ(Read("opdata/help.html"), "<p>new help</p>");

    // The system's store does not know the test certificate.
    installation.WriteFile("Updates/Installed.ver", kInstalled);
    const auto before = Snapshot();
    HttpLimits limits = machine.Http().Limits();
    limits.caFile.clear();
    machine.Http().SetLimits(limits);
    EXPECT_EQ(w->Update_Check(), Outcome::Failed);
    EXPECT_EQ(Snapshot(), before);
    EXPECT_NE(w->Updates.Problem().find("certificate"), std::string::npos) << w->Updates.Problem();

    // A redirect from https:// never leads to plain http://.
    machine.Http().SetLimits(SignedUpdateLimits());
    server.SetFault("/tarnwell/SHA256SUMS", "to-http");
    EXPECT_EQ(w->Update_Check(), Outcome::Failed);
    EXPECT_EQ(Snapshot(), before);
    EXPECT_NE(w->Updates.Problem().find("Protocol \"http\""), std::string::npos)
        << w->Updates.Problem();
}

} // namespace
} // namespace tw::test
