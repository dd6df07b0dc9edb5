// SPDX-License-Identifier: MIT
// Damaged job files and failing saves: a file that cannot be read is reported and the template
// takes its place, and a save that fails leaves the job on disk exactly as it was.
#include "job_support.h"

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace tw::test {
namespace {

namespace fs = std::filesystem;

const char kHeader[] = "\"# \",\"Tarnwell\",1,0,0\r\n";
const char kField[] = "\"T\",0,\"Damaged job\",\"Damaged job\",#FALSE#\r\n";

struct Damage {
    const char* what;
    std::string bytes;
};

std::vector<Damage> DamagedFiles() {
    const std::string good = std::string(kHeader) + kField;
    return {
        {"an empty file", ""},
        {"only blank lines", "\r\n\r\n"},
        {"a record cut short at the end", good + "\"T\",102,\"95\""},
        {"a record cut short inside a quote", good + "\"T\",102,\"9"},
        {"a line of four fields", std::string(kHeader) + "\"T\",102,\"95\",\"95\"\r\n" + kField},
        {"a line of six fields", good + "\"T\",102,\"95\",\"95\",#FALSE#,\"x\"\r\n"},
        {"an unparsable grid size", good + "\"G\",200,\"ten\",8,\"\"\r\n"},
        {"an unparsable cell row", good + "200,\"two\",2,\"20\",\"False\"\r\n"},
        {"a row number beyond every integer", good + "200,99999999999,2,\"20\",\"False\"\r\n"},
        {"a cell outside its grid", good + "200,40,2,\"20\",\"False\"\r\n"},
        {"a grid too large to hold", good + "\"G\",300,100000,100000,\"\"\r\n"},
        {"a negative grid size", good + "\"G\",300,-3,4,\"\"\r\n"},
        {"a surface grid without its rows", good + "\"G\",200,3,4,\"\"\r\n"},
        {"a result grid without its columns", good + "\"G\",520,2,2,\"\"\r\n"},
        {"garbage bytes", std::string("\x00\xFF\xFE\x8E\"\x01,\r\n\x9D\x81,,,,\x00\"", 18)},
        {"a stray quote", good + "\"\r\n"},
    };
}

class DamagedJob : public JobFixture {
protected:
    std::string Write(const std::string& name, const std::string& bytes) {
        installation.WriteFile(name, bytes);
        return Path(name);
    }
};

TEST_F(DamagedJob, IsReportedAndTheTemplateTakesItsPlaceWhenOpened) {
    const std::string templateJobName = w->GetFieldValue(0);
    for (const Damage& d : DamagedFiles()) {
        SCOPED_TRACE(d.what);
        const std::string path = Write("damaged.wic", d.bytes);
        const std::size_t before = machine.Messages().size();
        machine.QueueFileName(path);
        ASSERT_NO_THROW(w->BUTT_Click(10));
        ASSERT_EQ(machine.Messages().size(), before + 1);
        EXPECT_EQ(machine.Messages().back().title, w->MessageTable[16][0]);
        EXPECT_EQ(machine.Messages().back().prompt, w->MessageTable[16][1]);
        EXPECT_EQ(machine.Messages().back().buttons, 16);
        // The window holds the template again, and nothing on disk changed.
        EXPECT_EQ(w->GetFieldValue(0), templateJobName);
        EXPECT_TRUE(w->CurrentJobFile.empty());
        EXPECT_EQ(w->Window.Caption, w->BaseCaption);
        EXPECT_FALSE(w->IsLoading);
        EXPECT_TRUE(*ReadFileBytes(path) == d.bytes);
        EXPECT_TRUE(w->FileHistoryList.Items().empty());
    }
    EXPECT_TRUE(Holds(w->Log.DumpLines(), "*** JobFilePrint *** "));
}

TEST_F(DamagedJob, AFieldTheWindowDoesNotHaveIsPassedOver) {
    const std::string path = Write("extra.wic", std::string(kHeader) +
                                                    "\"T\",998,\"1\",\"1\",#TRUE#\r\n"
                                                    "\"U\",998,\"LONG\",2,\"\"\r\n"
                                                    "\"R\",998,\"x\",#TRUE#,\"True\"\r\n"
                                                    "998,1,2,\"x\",\"True\"\r\n"
                                                    "\"G\",998,3,3,\"\"\r\n" +
                                                    kField);
    EXPECT_TRUE(w->JobFileLoad(path, false));
    EXPECT_EQ(w->GetFieldValue(0), "Damaged job");
    EXPECT_TRUE(installation.Machine().Messages().empty());
}

TEST_F(DamagedJob, OnTheCommandLineItIsReportedAndTheTemplateLoads) {
    Installation other;
    const std::string path = (other.Folder() / "cut.wic").string();
    other.WriteFile("cut.wic", std::string(kHeader) + "\"T\",0,\"x");
    auto started = other.Start(path);
    ASSERT_EQ(other.Machine().Messages().size(), 1u);
    EXPECT_EQ(other.Machine().Messages()[0].prompt, started->MessageTable[16][1]);
    EXPECT_TRUE(started->CurrentJobFile.empty());
    EXPECT_EQ(started->GetFieldValue(102), w->GetFieldValue(102));
}

TEST_F(DamagedJob, ADamagedTemplateEndsTheStart) {
    Installation other;
    other.WriteFile("opdata/default.fil", std::string(kHeader) + "\"T\",0");
    EXPECT_THROW(other.Start(), ProgramEnd);
    ASSERT_EQ(other.Machine().Messages().size(), 1u);
}

// --- Saving that fails ---------------------------------------------------------------------

class FailingSave : public DamagedJob {
protected:
    void SetUp() override {
        job = Write("jobs/kept.wic", "");
        ASSERT_TRUE(w->JobFileSave(job));
        original = *ReadFileBytes(job);
        TypeInto(*w, 0, "Changed and not saved");
        ASSERT_TRUE(w->JobModified);
    }

    // The save failed as it should: message 3, nothing of the window's state changed.
    void ExpectRefused(const std::string& target) {
        auto& shown = machine.Messages();
        ASSERT_FALSE(shown.empty());
        EXPECT_EQ(shown.back().title, w->MessageTable[3][0]);
        EXPECT_EQ(shown.back().buttons, 16);
        EXPECT_TRUE(w->JobModified);
        EXPECT_EQ(w->CurrentJobFile, job);
        EXPECT_EQ(w->platform.GetSetting(w->RegistryAppName, w->FileHistorySection, "0File", ""),
                  job);
        const std::string folder = fs::path(target).parent_path().string();
        if (!fs::is_directory(folder)) return;
        for (const auto& entry : fs::directory_iterator(folder))
            EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos)
                << "left behind: " << entry.path();
    }

    std::string job;
    std::string original;
};

TEST_F(FailingSave, AFolderThatDoesNotExist) {
    const std::string target = (installation.Folder() / "no such folder" / "job.wic").string();
    EXPECT_FALSE(w->JobFileSave(target));
    ExpectRefused(target);
    EXPECT_FALSE(fs::exists(target));
}

TEST_F(FailingSave, ATargetThatIsAFolder) {
    const fs::path target = installation.Folder() / "jobs" / "folder.wic";
    fs::create_directories(target / "inside");
    EXPECT_FALSE(w->JobFileSave(target.string()));
    ExpectRefused(target.string());
    EXPECT_TRUE(fs::is_directory(target / "inside"));
}

TEST_F(FailingSave, ADiskThatFillsUpMidwayKeepsTheOldJob) {
    // The file-size limit makes every write beyond 2 kB fail, as a full disk does.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    rlimit small = saved;
    small.rlim_cur = 2048;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool result = w->JobFileSave(job);
    setrlimit(RLIMIT_FSIZE, &saved);
    EXPECT_FALSE(result);
    ExpectRefused(job);
    EXPECT_TRUE(*ReadFileBytes(job) == original);
    EXPECT_TRUE(Holds(w->Log.DumpLines(), "*** JobFileSave *** "));
}

TEST_F(FailingSave, AFolderWithoutWritePermission) {
    if (geteuid() == 0) GTEST_SKIP() << "the superuser may write anywhere";
    const fs::path folder = fs::path(job).parent_path();
    fs::permissions(folder, fs::perms::owner_write, fs::perm_options::remove);
    const bool result = w->JobFileSave(job);
    fs::permissions(folder, fs::perms::owner_write, fs::perm_options::add);
    EXPECT_FALSE(result);
    ExpectRefused(job);
    EXPECT_TRUE(*ReadFileBytes(job) == original);
}

TEST_F(FailingSave, ATemporaryFileLeftByAKilledSaveIsTakenOverByTheNext) {
    installation.WriteFile("jobs/kept.wic.tmp", "half a job");
    ASSERT_TRUE(w->JobFileSave(job));
    EXPECT_NE(ReadFileBytes(job)->find("Changed and not saved"), std::string::npos);
    EXPECT_FALSE(fs::exists(job + ".tmp"));
}

TEST_F(FailingSave, ASaveThatWorksReplacesTheWholeFile) {
    // A longer job before: nothing of it may remain after a shorter one is saved.
    const std::string longer = original + std::string(5000, 'x');
    installation.WriteFile("jobs/kept.wic", longer);
    ASSERT_TRUE(w->JobFileSave(job));
    const std::string now = *ReadFileBytes(job);
    EXPECT_EQ(now.find("xxxx"), std::string::npos);
    EXPECT_NE(now.find("Changed and not saved"), std::string::npos);
    EXPECT_FALSE(w->JobModified);
    for (const auto& entry : fs::directory_iterator(fs::path(job).parent_path()))
        EXPECT_EQ(entry.path().filename().string(), "kept.wic");
}

} // namespace
} // namespace tw::test
