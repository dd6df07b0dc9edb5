// SPDX-License-Identifier: MIT
// The update service: on the user's request the version list of the update server is
// compared with the installed one; newer and new files are downloaded into the update
// folder, moved into place, files the server no longer lists are deleted, and the server's
// list becomes the installed one. A new main program waits in the update folder for the
// launcher.
#include "frm/frm_main.h"
#include "shell/text_file.h"
#include "update/version_list.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace fs = std::filesystem;

namespace tw {

namespace {

// Why the update stopped: an error number and its description, as the log shows them.
struct UpdateError : std::runtime_error {
    UpdateError(int n, const std::string& description)
        : std::runtime_error(description), number(n) {}
    int number;
};

struct Failure {
    int number = 0;
    std::string description;
};

Failure Describe(const std::exception& e) {
    if (auto* u = dynamic_cast<const UpdateError*>(&e)) return {u->number, u->what()};
    if (auto* f = dynamic_cast<const fs::filesystem_error*>(&e))
        return {f->code().value(), f->what()};
    return {0, e.what()};
}

UpdateError NotAFile(const fs::path& path) {
    return UpdateError{EISDIR, path.string() + ": " + std::strerror(EISDIR)};
}

std::vector<VersionRecord> ReadListFile(const fs::path& path) {
    auto bytes = ReadFileBytes(path);
    if (!bytes) throw UpdateError{errno, "Cannot read " + path.string()};
    return ReadVersionList(SplitAnsiLines(*bytes));
}

// Renames source over target in one step, so the target is at no moment missing or half
// written. The new file takes the permission bits of the file it replaces, or of `like`
// (for a new main program, the running one's); across file systems it is copied beside the
// target first.
void MoveIntoPlace(const fs::path& source, const fs::path& target, const fs::path& like,
                   bool executable) {
    std::error_code ec;
    const fs::path model = fs::exists(target, ec) ? target : like;
    if (!model.empty() && fs::is_regular_file(model, ec))
        fs::permissions(source, fs::status(model).permissions());
    else if (executable)
        fs::permissions(source, fs::perms::owner_all | fs::perms::group_read |
                                    fs::perms::group_exec | fs::perms::others_read |
                                    fs::perms::others_exec);
    fs::rename(source, target, ec);
    if (ec == std::errc::cross_device_link) {
        fs::path part = target;
        part += ".part";
        fs::copy_file(source, part, fs::copy_options::overwrite_existing);
        fs::permissions(part, fs::status(source).permissions());
        fs::rename(part, target);
        fs::remove(source);
    } else if (ec) {
        throw fs::filesystem_error("rename", source, target, ec);
    }
}

} // namespace

// A whole file from the server, or an UpdateError: a failed transfer, or a reply without the
// Last-modified header every file of the update server carries.
std::string FrmMain::FetchWhole(const std::string& address) {
    HttpClient& http = platform.Http();
    ConnectionState = static_cast<int>(HttpState::Error);
    const std::string bytes = http.Fetch(address);
    if (ConnectionState == static_cast<int>(HttpState::Error))
        throw UpdateError{http.ResponseCode(), http.ResponseText()};
    const std::string modified = http.Header("Last-modified");
    LogWrite("Last-modified: " + modified);
    if (modified.empty() || ConnectionState == static_cast<int>(HttpState::Error))
        throw UpdateError{0, "The server sent no Last-modified header"};
    return bytes;
}

void FrmMain::Inet_StateChanged(int state) {
    ConnectionState = state;
    if (state != static_cast<int>(HttpState::Error)) {
        LogWrite("INET STATE = " + std::to_string(state));
    } else {
        const HttpClient& http = platform.Http();
        LogWrite("ErrorCode: " + std::to_string(http.ResponseCode()) + " : " + http.ResponseText());
    }
}

void FrmMain::Update_Check() {
    HttpClient& http = platform.Http();
    platform.SetMousePointer(MousePointer::Hourglass);
    VersionTable.clear();
    // The client's state changes come here while the check runs, and only then.
    http.SetStateListener([this](HttpState s) { Inet_StateChanged(static_cast<int>(s)); });
    struct Detach {
        HttpClient& client;
        ~Detach() { client.SetStateListener(nullptr); }
    } detach{http};

    const fs::path updates = UpdatesFolder;
    try {
        const std::string address = RemoteAddress(UpdateUrl, {kNewestList});
        LogWrite(">Update_Check()");
        LogWrite(address);

        std::vector<VersionRecord> installed;
        if (fs::exists(updates / kInstalledList))
            installed = ReadListFile(updates / kInstalledList);
        fs::remove(updates / kNewestList);

        HINTBOX.SetCaption(StringText(0));
        HINTBOX.Visible = true;
        platform.DoEvents();

        const std::string bytes = FetchWhole(address);

        // The connection picture, when the installation ships one.
        if (ConnectedImage.Picture.empty() && RegularFileExists(OpDataFolder + "connected.png"))
            ConnectedImage.Picture = OpDataFolder + "connected.png";
        ConnectedImage.Visible = true;
        platform.DoEvents();

        fs::create_directories(updates);
        if (!WriteFileAtomically(updates / kNewestList, bytes))
            throw UpdateError{errno, "Cannot write " + (updates / kNewestList).string()};
        HINTBOX.SetCaption("");

        VersionComparison comparison =
            CompareVersionLists(installed, ReadListFile(updates / kNewestList));
        for (const auto& line : comparison.log)
            LogWrite(line);
        VersionTable = std::move(comparison.rows);

        const int count = comparison.updateCount;
        if (count > 0) {
            if (MessageBox(MessageTable.at(0)[0], MessageTable.at(0)[1], mb::YesNo) != mb::No)
                Update_fetch(count);
        } else {
            HINTBOX.SetCaption(StringText(2));
        }
    } catch (const std::exception& e) {
        const Failure error = Describe(e);
        LogWrite("*** CheckUpdate *** " + std::to_string(error.number) + ", " + error.description);
        MessageError(10);
        HINTBOX.SetCaption("");
    }
    ProgressBar.Visible = false;
    ConnectedImage.Visible = false;
    platform.SetMousePointer(MousePointer::Default);
}

void FrmMain::Update_fetch(int count) {
    ProgressBar.Max = count;
    ProgressBar.Min = 0;
    ProgressBar.Value = 0;
    ProgressBar.Visible = true;
    LogWrite(">Update_fetch(" + std::to_string(count) + ")");

    const UpdatePaths paths{InstallFolder, UpdatesFolder};
    const UpdatePlan plan = PlanUpdate(VersionTable, UpdateUrl, paths);
    // Which failure path a fault takes: the download, moving a file, or deleting one.
    enum class Stage { Download, Rename, Delete };
    Stage stage = Stage::Download;
    try {
        int downloaded = 0;
        for (const UpdateDownload& d : plan.downloads) {
            LogWrite(d.url);
            HINTBOX.SetCaption(StringText(1) + "\r\n" + d.folder + "\r\n" + d.file);
            platform.DoEvents();
            const std::string bytes = FetchWhole(d.url);
            // Written beside the staged file and renamed: a staged file is always whole.
            fs::create_directories(d.staged.parent_path());
            if (!WriteFileAtomically(d.staged, bytes))
                throw UpdateError{errno, "Cannot write " + d.staged.string()};
            ++downloaded;
            ++ProgressBar.Value;
        }
        if (downloaded != count)
            throw UpdateError{0, std::to_string(downloaded) + " of " + std::to_string(count) +
                                     " files downloaded"};

        HINTBOX.SetCaption(StringText(2));
        platform.DoEvents();

        const fs::path runningProgram = paths.install / kProgramFileName;
        for (const UpdateStep& step : plan.steps) {
            if (step.kind == UpdateStep::Kind::Delete) {
                stage = Stage::Delete;
                if (fs::exists(step.folder) && fs::exists(step.target)) {
                    LogWrite("Delete " + step.target.string());
                    if (fs::is_directory(step.target)) throw NotAFile(step.target);
                    fs::remove(step.target);
                }
                continue;
            }
            // The file it replaces is deleted by the rename; a folder of its name cannot be.
            stage = Stage::Delete;
            if (fs::is_directory(step.target)) throw NotAFile(step.target);
            stage = Stage::Rename;
            fs::create_directories(step.folder);
            LogWrite("Install " + step.target.string());
            MoveIntoPlace(step.source, step.target, step.program ? runningProgram : fs::path(),
                          step.program);
        }

        HINTBOX.SetCaption(StringText(plan.programWaiting ? 3 : 13));
        stage = Stage::Rename;
        fs::rename(fs::path(UpdatesFolder) / kNewestList, fs::path(UpdatesFolder) / kInstalledList);
        SaveSetting("ReadReleaseNotes", "True");
        if (plan.releaseNotes) {
            LogWrite("Release notes " + plan.releaseNotes->string());
            platform.OpenDocument(plan.releaseNotes->string());
        }
    } catch (const std::exception& e) {
        const Failure error = Describe(e);
        const char* path = stage == Stage::Download ? "Download"
                           : stage == Stage::Rename ? "Rename"
                                                    : "Delete";
        LogWrite(std::string("*** CheckTarnwell\\Versions (") + path + ") *** " +
                 std::to_string(error.number) + ", " + error.description);
        MessageError(stage == Stage::Download ? 10 : stage == Stage::Rename ? 11 : 12);
        HINTBOX.SetCaption("");
    }
}

} // namespace tw
