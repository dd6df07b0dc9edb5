// SPDX-License-Identifier: MIT
// tarnwell publish and tarnwell update as an administrator uses them: a release published,
// signed with minisign and served by a real server updates an installation; a tampered file
// on the server ends the update with status 1 and changes nothing.
#include "process.h"
#include "support/release_server.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

namespace tw::test {

extern std::string gTarnwell;

namespace {

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void Write(const fs::path& path, const std::string& bytes) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

TEST(Release, PublishedSignedAndInstalledByTarnwellUpdate) {
    std::random_device rd;
    const fs::path root = fs::temp_directory_path() / ("tarnwell-release-" + std::to_string(rd()));
    const fs::path site = root / "site";
    const fs::path install = root / "install";
    fs::create_directories(install);
    fs::copy(fs::path(TW_SOURCE_DIR) / "opdata", install / "opdata", fs::copy_options::recursive);
    fs::copy(fs::path(TW_SOURCE_DIR) / "proddata", install / "proddata",
             fs::copy_options::recursive);
    fs::copy_file(TestKeys() / "publisher.pub", install / "opdata/update.pub",
                  fs::copy_options::overwrite_existing);
    const std::string installed = "help.html\topdata\topdata\t2020-01-01T00:00:00Z\r\n";
    Write(install / "Updates/Installed.ver", installed);
    Write(root / "release/opdata/help.html", "<p>new help</p>");
    Write(root / "release/.hidden", "never published");
    const std::map<std::string, std::string> env = {{"XDG_CONFIG_HOME", (root / "config").string()},
                                                    {"LC_ALL", "C"}};

    ProcessResult r = RunProcess(
        gTarnwell, {"publish", (root / "release").string(), (site / "tarnwell").string()}, env);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find(".hidden: not a plain file name"), std::string::npos) << r.err;
    EXPECT_EQ(Read(site / "tarnwell/opdata/help.html"), "<p>new help</p>");
    EXPECT_EQ(
        Read(site / "tarnwell/SHA256SUMS"),
        "251a2bec0e188e7bec61c697feb58872de73979f3e1c165cd531f32aad7b4e95  opdata/help.html\n");
    ASSERT_TRUE(RunCommand("minisign -S -W -s " + (TestKeys() / "publisher.key").string() + " -m " +
                           (site / "tarnwell/Newest.ver").string() + " " +
                           (site / "tarnwell/SHA256SUMS").string()));
    ReleaseServer server(site, root / "faults.json");
    const std::vector<std::string> update = {
        "update", "--install", install.string(), "--url", server.Address("tarnwell/"), "--yes"};

    // A tampered file: status 1, the reason, nothing changed.
    const std::string help = Read(install / "opdata/help.html");
    Write(site / "tarnwell/opdata/help.html", "<p>evil</p>");
    r = RunProcess(gTarnwell, update, env);
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("update failed: opdata/help.html: 11 bytes whose SHA-256 differs"),
              std::string::npos)
        << r.err;
    EXPECT_EQ(Read(install / "opdata/help.html"), help);
    EXPECT_EQ(Read(install / "Updates/Installed.ver"), installed);

    Write(site / "tarnwell/opdata/help.html", "<p>new help</p>");
    r = RunProcess(gTarnwell, update, env);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("Update installed."), std::string::npos) << r.err;
    EXPECT_EQ(Read(install / "opdata/help.html"), "<p>new help</p>");

    // Again: nothing to do.
    r = RunProcess(gTarnwell, update, env);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("All files are up to date."), std::string::npos) << r.err;
    fs::remove_all(root);
}

} // namespace
} // namespace tw::test
