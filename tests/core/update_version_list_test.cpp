// SPDX-License-Identifier: MIT
// The version lists of the update service: which lines are records, how the installed and
// the newest list compare, and what a fetch downloads, moves and deletes.
#include "update/version_list.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tw {
namespace {

namespace fs = std::filesystem;

VersionRecord Rec(const char* file, const char* folder, const char* target, const char* stamp) {
    return {file, folder, target, stamp};
}

TEST(VersionList, ALineIsARecordOnlyWithFourFieldsAndSafeNames) {
    struct Case {
        const char* line;
        bool record;
    } cases[] = {
        {"TableA.data\topdata\topdata\t2005-01-10", true},
        {"Program\tbin\tAPPPATH\t2005-01-10", true},
        {"pic.png\tdata\\pictures\topdata/pictures\t1", true}, // nested folders
        {"TableA.data\topdata\topdata", false},                // three fields
        {"TableA.data\topdata\topdata\t2005\textra", false},   // five fields
        {"#TableA.data\topdata\topdata\t2005-01-10", false},   // comment
        {"", false},
        {"..\topdata\topdata\t1", false},            // file name leaves its folder
        {"a/b.txt\topdata\topdata\t1", false},       // file name with a folder
        {"a.txt\t../x\topdata\t1", false},           // staged outside the update folder
        {"a.txt\topdata\t/etc\t1", false},           // absolute target
        {"a.txt\topdata\topdata\\..\\..\t1", false}, // target climbs out
        {"a.txt\t\topdata\t1", false},               // empty folder
        {"a.txt\topdata\t\t1", false},               // empty target
        {"a.txt\topdata\t opdata\t1", false},        // blank before a name
        {"a.txt\topdata\t~/.ssh\t1", false},         // home folder
        {".profile\topdata\topdata\t1", false},      // hidden file
        {"Installed.ver\tx\tupdates\t1", false},     // the update folder, in any case
        {"a.txt\topdata\topdata\tnew stamp", false}, // a blank in the stamp
        {"a b (1).txt\topdata\topdata\t1", true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseVersionLine(c.line).has_value(), c.record) << "line '" << c.line << "'";
    const std::string name(kMaxNameLength, 'n');
    EXPECT_TRUE(ParseVersionLine(name + "\tf\tT\t1"));
    EXPECT_FALSE(ParseVersionLine(name + "n\tf\tT\t1"));
    EXPECT_EQ(*ParseVersionLine("Help.html\tdocs\tReleaseNotes\t2005-02-01"),
              Rec("Help.html", "docs", "ReleaseNotes", "2005-02-01"));
}

TEST(VersionList, ASecondRecordOfTheSameFileAndTargetOrServerFileIsDropped) {
    std::vector<std::string> skipped;
    auto records = ReadVersionList({"a\tf\tT\t1", "# comment\tx\ty\tz", "a\tg\tT\t2", "a\th\tU\t3",
                                    "a\tf\tV\t4", "bad line", "b\tf\t~\t5"},
                                   &skipped);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0], Rec("a", "f", "T", "1"));
    EXPECT_EQ(records[1], Rec("a", "h", "U", "3"));
    EXPECT_EQ(skipped, (std::vector<std::string>{
                           "a\tg\tT\t2 : the file and target are listed before",
                           "a\tf\tV\t4 : the folder and file are listed before",
                           "b\tf\t~\t5 : the target is not a folder of the installation"}));
}

TEST(VersionList, NewestStampsAgainstInstalledOnes) {
    struct Case {
        const char* installed; // "" when the file is not installed
        const char* newest;
        VersionStatus status;
        const char* log;
    } cases[] = {
        {"2005-01-10", "2005-02-01", VersionStatus::Fetch, "a  2005-01-10  update to 2005-02-01"},
        {"2005-02-01", "2005-02-01", VersionStatus::UpToDate, "a  up to date"},
        {"2005-02-01", "2005-01-10", VersionStatus::UpToDate, "a  up to date"}, // no downgrade
        {"9", "10", VersionStatus::UpToDate, "a  up to date"},                  // text, not numbers
        {"", "2005-01-10", VersionStatus::Fetch, "a  file added"},
    };
    for (const auto& c : cases) {
        std::vector<VersionRecord> installed;
        if (*c.installed) installed.push_back(Rec("a", "f", "opdata", c.installed));
        auto result = CompareVersionLists(installed, {Rec("a", "f", "opdata", c.newest)});
        ASSERT_EQ(result.rows.size(), 1u) << c.installed << " -> " << c.newest;
        EXPECT_EQ(result.rows[0].status, c.status) << c.installed << " -> " << c.newest;
        EXPECT_EQ(result.rows[0].record.stamp, c.newest);
        EXPECT_EQ(result.log, std::vector<std::string>{c.log});
        EXPECT_EQ(result.updateCount, c.status == VersionStatus::Fetch ? 1 : 0);
    }
}

TEST(VersionList, RowsMatchByFileNameAndTargetOnly) {
    auto result = CompareVersionLists(
        {Rec("a", "f", "opdata", "1"), Rec("gone", "f", "opdata", "1"), Rec("b", "f", "x", "1")},
        {Rec("a", "moved", "opdata", "1"), Rec("b", "f", "y", "1"), Rec("A", "f", "opdata", "1")});
    ASSERT_EQ(result.rows.size(), 5u);
    // Same name and target in another server folder: the same file, up to date.
    EXPECT_EQ(result.rows[0].status, VersionStatus::UpToDate);
    EXPECT_EQ(result.rows[0].record.folder, "moved");
    // Listed no more: obsolete, as are files whose target changed.
    EXPECT_EQ(result.rows[1].status, VersionStatus::Obsolete);
    EXPECT_EQ(result.rows[2].status, VersionStatus::Obsolete);
    // A new target or another case is a new file.
    EXPECT_EQ(result.rows[3].record, Rec("b", "f", "y", "1"));
    EXPECT_EQ(result.rows[3].status, VersionStatus::Fetch);
    EXPECT_EQ(result.rows[4].record.file, "A");
    EXPECT_EQ(result.updateCount, 2);
}

TEST(VersionList, RemoteAddressesUseSingleSlashes) {
    struct Case {
        const char* location;
        std::vector<std::string> parts;
        const char* address;
    } cases[] = {
        {"http://h:8080/tw/", {"Newest.ver"}, "http://h:8080/tw/Newest.ver"},
        {"http://h:8080/tw", {"Newest.ver"}, "http://h:8080/tw/Newest.ver"},
        {"http://h/tw\\", {"opdata", "TableA.data"}, "http://h/tw/opdata/TableA.data"},
        {"http://h/tw/", {"data\\pics/", "a b#1%.png"}, "http://h/tw/data/pics/a%20b%231%25.png"},
        {"http://h/tw/", {"opdata", "K\xC3\xA4lte.txt"}, "http://h/tw/opdata/K%C3%A4lte.txt"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RemoteAddress(c.location, c.parts), c.address);
}

class Plan : public ::testing::Test {
protected:
    const UpdatePaths paths{"/inst", "/inst/Updates"};

    UpdatePlan Make(const std::vector<VersionRow>& rows) {
        return PlanUpdate(rows, "http://h/tw/", paths);
    }
};

TEST_F(Plan, NewerFilesAreStagedThenMovedAndObsoleteOnesDeletedInRowOrder) {
    auto plan = Make({{VersionStatus::Obsolete, Rec("old.txt", "opdata", "APPPATH", "1")},
                      {VersionStatus::UpToDate, Rec("same", "opdata", "opdata", "1")},
                      {VersionStatus::Fetch, Rec("TableA.data", "data", "opdata", "2")}});
    ASSERT_EQ(plan.downloads.size(), 1u);
    EXPECT_EQ(plan.downloads[0].url, "http://h/tw/data/TableA.data");
    EXPECT_EQ(plan.downloads[0].staged, fs::path("/inst/Updates/data/TableA.data"));
    ASSERT_EQ(plan.steps.size(), 2u);
    EXPECT_EQ(plan.steps[0].kind, UpdateStep::Kind::Delete);
    EXPECT_EQ(plan.steps[0].target, fs::path("/inst/old.txt"));
    EXPECT_EQ(plan.steps[1].kind, UpdateStep::Kind::Move);
    EXPECT_EQ(plan.steps[1].source, fs::path("/inst/Updates/data/TableA.data"));
    EXPECT_EQ(plan.steps[1].target, fs::path("/inst/opdata/TableA.data"));
    EXPECT_FALSE(plan.programWaiting);
    EXPECT_FALSE(plan.releaseNotes);
}

TEST_F(Plan, TheProgramsOwnFileWaitsInTheUpdateFolderAndIsNeverDeleted) {
    auto plan = Make({{VersionStatus::Fetch, Rec("Program", "bin", "APPPATH", "2")}});
    ASSERT_EQ(plan.steps.size(), 1u);
    EXPECT_EQ(plan.steps[0].target, fs::path("/inst/Updates/Program"));
    EXPECT_TRUE(plan.steps[0].program);
    EXPECT_TRUE(plan.programWaiting);

    // Only in the installation folder itself: elsewhere it is a file like any other.
    plan = Make({{VersionStatus::Fetch, Rec("Program", "bin", "tools", "2")},
                 {VersionStatus::Obsolete, Rec("PROGRAM", "bin", "APPPATH", "1")}});
    ASSERT_EQ(plan.steps.size(), 1u);
    EXPECT_EQ(plan.steps[0].target, fs::path("/inst/tools/Program"));
    EXPECT_FALSE(plan.programWaiting);
}

TEST_F(Plan, AFileInstalledIntoReleaseNotesIsTheReleaseNotes) {
    auto plan = Make({{VersionStatus::Fetch, Rec("notes.txt", "docs", "ReleaseNotes", "2")},
                      {VersionStatus::Fetch, Rec("other.txt", "docs", "opdata", "2")}});
    ASSERT_TRUE(plan.releaseNotes);
    EXPECT_EQ(*plan.releaseNotes, fs::path("/inst/ReleaseNotes/notes.txt"));
    EXPECT_EQ(plan.downloads.size(), 2u);
}

} // namespace
} // namespace tw
