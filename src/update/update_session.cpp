// SPDX-License-Identifier: MIT
// The update service: on the user's request the signed version list of the update server is
// compared with the installed one; newer and new files are downloaded into the update folder
// and checked against the signed digests, then moved into place all together, files the
// server no longer lists are deleted, and the server's list becomes the installed one. A new
// main program waits in the update folder for the launcher.
#include "update/update_session.h"

#include "base/flag_scope.h"
#include "frm/frm_main.h"
#include "shell/text_file.h"
#include "update/install_files.h"
#include "update/signature.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <future>
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

struct Cancelled {};

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

void Write(const fs::path& path, const std::string& bytes) {
    if (!WriteFileAtomically(path, bytes))
        throw UpdateError{errno, "Cannot write " + path.string()};
}

void Remove(const fs::path& path) {
    std::error_code ec;
    fs::remove(path, ec);
}

fs::path WithSuffix(fs::path path, const char* suffix) {
    path += suffix;
    return path;
}

// The highest stamp of a list; "" for an empty one.
std::string HighestStamp(const std::vector<VersionRecord>& records) {
    std::string highest;
    for (const auto& r : records)
        highest = std::max(highest, r.stamp);
    return highest;
}

// The fetched version list and digests with their signatures, in the update folder.
void RemoveFetchedLists(const fs::path& updates) {
    for (const char* name : {kNewestList, kSumsFile})
        for (const char* suffix : {"", kSignatureSuffix})
            Remove(WithSuffix(updates / name, suffix));
}

// The trusted comment of a file signed by the publisher's key; anything else stops the update.
std::string RequireGoodSignature(const char* name, const std::string& bytes,
                                 const std::string& signature, const PublicKey& key) {
    const SignatureResult result = VerifySignature(bytes, signature, key);
    if (result.check != SignatureCheck::Good)
        throw UpdateError{0, std::string(name) + ": " + SignatureCheckText(result.check) +
                                 " (key " + KeyIdText(key.keyId) + ")"};
    return result.trustedComment;
}

// Drops the records whose target the installation does not have, saying why in `skipped`.
void KeepAllowedTargets(std::vector<VersionRecord>& records, const UpdatePaths& paths,
                        std::vector<std::string>& skipped) {
    records.erase(std::remove_if(records.begin(), records.end(),
                                 [&](const VersionRecord& r) {
                                     std::string why;
                                     if (TargetAllowed(r, paths, why)) return false;
                                     skipped.push_back(r.file + " " + r.target + " : " + why);
                                     return true;
                                 }),
                  records.end());
}

} // namespace

UpdateSession::UpdateSession(FrmMain& w) : w_(w) {}

void UpdateSession::Cancel() {
    if (!busy_) return;
    cancelled_ = true;
    w_.platform.Http().Cancel();
}

void UpdateSession::StateChanged(int state) {
    state_ = state;
    if (state != static_cast<int>(HttpState::Error)) {
        w_.LogWrite("INET STATE = " + std::to_string(state));
    } else {
        const HttpClient& http = w_.platform.Http();
        w_.LogWrite("ErrorCode: " + std::to_string(http.ResponseCode()) + " : " +
                    http.ResponseText());
    }
}

void UpdateSession::ShowProgress() {
    std::deque<int> states;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        states.swap(states_);
    }
    for (int s : states)
        StateChanged(s);
    if (w_.ProgressBar.Visible) {
        const std::uint64_t bytes = done_ + received_;
        w_.ProgressBar.Value = static_cast<int>(std::min<std::uint64_t>(
            bytes >> shift_, static_cast<std::uint64_t>(w_.ProgressBar.Max)));
    }
}

void UpdateSession::OffThread(const std::function<void()>& work) {
    received_ = 0;
    auto running = std::async(std::launch::async, work);
    while (running.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready) {
        ShowProgress();
        w_.platform.DoEvents();
    }
    ShowProgress();
    running.get();
}

std::string UpdateSession::FetchWhole(const std::string& address, std::uint64_t limit) {
    if (cancelled_) throw Cancelled{};
    HttpClient& http = w_.platform.Http();
    state_ = static_cast<int>(HttpState::Error);
    std::string bytes;
    OffThread([&] { bytes = http.Fetch(address, limit); });
    if (cancelled_) throw Cancelled{};
    if (state_ == static_cast<int>(HttpState::Error))
        throw UpdateError{http.ResponseCode(), http.ResponseText()};
    const std::string modified = http.Header("Last-modified");
    w_.LogWrite("Last-modified: " + modified);
    if (modified.empty()) throw UpdateError{0, "The server sent no Last-modified header"};
    return bytes;
}

std::uint64_t UpdateSession::FetchSize(const std::string& address) {
    if (cancelled_) throw Cancelled{};
    HttpClient& http = w_.platform.Http();
    std::uint64_t size = 0;
    OffThread([&] { size = http.Size(address); });
    if (cancelled_) throw Cancelled{};
    return size;
}

UpdateSession::Outcome UpdateSession::Check() {
    if (busy_) return Outcome::Busy;
    const FlagScope busy(busy_);
    cancelled_ = false;
    problem_.clear();
    HttpClient& http = w_.platform.Http();
    http.ClearCancel();
    w_.LogWrite(">Update_Check()");
    if (w_.UpdateUrl.empty()) {
        // The installation names no update server.
        w_.LogWrite("No update location is configured");
        w_.HINTBOX.SetCaption(w_.StringText(9));
        w_.HINTBOX.Visible = true;
        problem_ = "no update location is configured";
        return Outcome::NoLocation;
    }
    w_.platform.SetMousePointer(MousePointer::Hourglass);
    table_.clear();
    const ListenerScope listening(*this);

    Outcome outcome = Outcome::Failed;
    const fs::path updates = w_.UpdatesFolder;
    try {
        outcome = CompareAndOffer();
    } catch (const Cancelled&) {
        w_.LogWrite("*** CheckUpdate *** cancelled");
        problem_ = "cancelled";
        w_.HINTBOX.SetCaption("");
        outcome = Outcome::Cancelled;
    } catch (const std::exception& e) {
        ReportFailure("*** CheckUpdate *** ", e);
    }
    // The lists stay only when the user said No (until the next check).
    if (outcome != Outcome::Declined) RemoveFetchedLists(updates);
    w_.ProgressBar.Visible = false;
    w_.UpdateCancel.Visible = false;
    w_.ConnectedImage.Visible = false;
    w_.platform.SetMousePointer(MousePointer::Default);
    return outcome;
}

// The client's state changes come here while the check runs, and only then; the worker
// reports them, the window's thread logs them.
UpdateSession::ListenerScope::ListenerScope(UpdateSession& session)
    : http_(session.w_.platform.Http()) {
    http_.SetStateListener([&session](HttpState s) {
        std::lock_guard<std::mutex> lock(session.mutex_);
        session.states_.push_back(static_cast<int>(s));
    });
    http_.SetProgressListener(
        [&session](std::uint64_t received, std::uint64_t) { session.received_ = received; });
}

UpdateSession::ListenerScope::~ListenerScope() {
    http_.SetStateListener(nullptr);
    http_.SetProgressListener(nullptr);
}

UpdateSession::Outcome UpdateSession::CompareAndOffer() {
    const std::string address = RemoteAddress(w_.UpdateUrl, {kNewestList});
    w_.LogWrite(address);
    const fs::path updates = w_.UpdatesFolder;

    std::vector<std::string> skipped;
    std::vector<VersionRecord> installed = ReadInstalledList(updates, skipped);
    RemoveFetchedLists(updates);

    const auto keyText = ReadFileBytes(ResolveCase(w_.OpDataFolder + kUpdateKeyFile));
    const auto key = keyText ? ParsePublicKey(*keyText) : std::nullopt;
    if (!key) throw UpdateError{0, "No update key in " + w_.OpDataFolder + kUpdateKeyFile};

    w_.HINTBOX.SetCaption(w_.StringText(0));
    w_.HINTBOX.Visible = true;
    w_.platform.DoEvents();

    const SignedLists lists = FetchSignedLists(address, *key);
    std::vector<VersionRecord> newest = ReadVersionList(SplitAnsiLines(lists.list), &skipped);
    RefuseOlderList(lists, *key, installed, newest);
    StoreLists(lists);

    // Only targets the installation has; a bad line never stops the rest.
    const UpdatePaths paths{w_.InstallFolder, w_.UpdatesFolder};
    KeepAllowedTargets(installed, paths, skipped);
    KeepAllowedTargets(newest, paths, skipped);
    for (const auto& line : skipped)
        w_.LogWrite("Skipped: " + line);

    VersionComparison comparison = CompareVersionLists(installed, newest);
    for (const auto& line : comparison.log)
        w_.LogWrite(line);
    table_ = std::move(comparison.rows);

    const int count = comparison.updateCount;
    if (count <= 0) {
        w_.HINTBOX.SetCaption(w_.StringText(2));
        return Outcome::NothingToDo;
    }
    if (w_.MessageBox(w_.MessageTable.at(0)[0], w_.MessageTable.at(0)[1], mb::YesNo) == mb::No)
        return Outcome::Declined;
    return Fetch(count);
}

std::vector<VersionRecord> UpdateSession::ReadInstalledList(const fs::path& updates,
                                                            std::vector<std::string>& skipped) {
    if (!fs::exists(updates / kInstalledList)) return {};
    auto bytes = ReadFileBytes(updates / kInstalledList);
    if (!bytes) throw UpdateError{errno, "Cannot read " + (updates / kInstalledList).string()};
    return ReadVersionList(SplitAnsiLines(*bytes), &skipped);
}

UpdateSession::SignedLists UpdateSession::FetchSignedLists(const std::string& address,
                                                           const PublicKey& key) {
    SignedLists lists;
    lists.list = FetchWhole(address, kMaxListBytes);

    // The connection picture, when the installation ships one.
    if (w_.ConnectedImage.Picture.empty() && RegularFileExists(w_.OpDataFolder + "connected.png"))
        w_.ConnectedImage.Picture = w_.OpDataFolder + "connected.png";
    w_.ConnectedImage.Visible = true;
    w_.platform.DoEvents();

    lists.listSignature = FetchWhole(address + kSignatureSuffix, kMaxSignatureBytes);
    const std::string sumsAddress = RemoteAddress(w_.UpdateUrl, {kSumsFile});
    lists.sums = FetchWhole(sumsAddress, kMaxListBytes);
    lists.sumsSignature = FetchWhole(sumsAddress + kSignatureSuffix, kMaxSignatureBytes);

    // Both files signed by the publisher's key, or nothing happens.
    lists.trustedComment = RequireGoodSignature(kNewestList, lists.list, lists.listSignature, key);
    RequireGoodSignature(kSumsFile, lists.sums, lists.sumsSignature, key);
    w_.LogWrite(std::string(kNewestList) + " signed: " + lists.trustedComment);
    return lists;
}

// No downgrades: a list signed before the installed one, or whose newest file is older than
// the installed newest file, is an old list sent again.
void UpdateSession::RefuseOlderList(const SignedLists& lists, const PublicKey& key,
                                    const std::vector<VersionRecord>& installed,
                                    const std::vector<VersionRecord>& newest) {
    const fs::path updates = w_.UpdatesFolder;
    const auto installedSignature =
        ReadFileBytes(WithSuffix(updates / kInstalledList, kSignatureSuffix));
    const auto before = installedSignature
                            ? SignedTimestamp(SignedComment(*installedSignature, key))
                            : std::nullopt;
    const auto now = SignedTimestamp(lists.trustedComment);
    if ((before && now && *now < *before) || HighestStamp(newest) < HighestStamp(installed))
        throw UpdateError{0, "The server's version list is older than the installed one"};
}

void UpdateSession::StoreLists(const SignedLists& lists) {
    const fs::path updates = w_.UpdatesFolder;
    fs::create_directories(updates);
    Write(updates / kNewestList, lists.list);
    Write(WithSuffix(updates / kNewestList, kSignatureSuffix), lists.listSignature);
    Write(updates / kSumsFile, lists.sums);
    Write(WithSuffix(updates / kSumsFile, kSignatureSuffix), lists.sumsSignature);
    w_.HINTBOX.SetCaption("");
    sums_ = ParseSha256Sums(lists.sums);
}

void UpdateSession::ReportFailure(const std::string& logPrefix, const std::exception& e) {
    const Failure error = Describe(e);
    problem_ = error.description;
    w_.LogWrite(logPrefix + std::to_string(error.number) + ", " + error.description);
    w_.MessageError(10);
    w_.HINTBOX.SetCaption("");
}

UpdateSession::Outcome UpdateSession::Fetch(int count) {
    w_.LogWrite(">Update_fetch(" + std::to_string(count) + ")");
    const UpdatePaths paths{w_.InstallFolder, w_.UpdatesFolder};
    const UpdatePlan plan = PlanUpdate(table_, w_.UpdateUrl, paths);
    std::vector<fs::path> staged;
    try {
        StartProgress(plan);
        const int downloaded = Download(plan, staged);
        if (downloaded != count)
            throw UpdateError{0, std::to_string(downloaded) + " of " + std::to_string(count) +
                                     " files downloaded"};
    } catch (const Cancelled&) {
        RemoveStaged(staged);
        throw;
    } catch (const std::exception& e) {
        RemoveStaged(staged);
        ReportFailure("*** CheckTarnwell\\Versions (Download) *** ", e);
        return Outcome::Failed;
    }
    w_.UpdateCancel.Visible = false;
    w_.HINTBOX.SetCaption(w_.StringText(2));
    w_.platform.DoEvents();

    for (const UpdateStep& step : plan.steps)
        w_.LogWrite((step.kind == UpdateStep::Kind::Delete ? "Delete " : "Install ") +
                    step.target.string());
    const fs::path updates = w_.UpdatesFolder;
    const InstallFailure failure = InstallAllOrNothing(
        plan.steps, updates / "Replaced", fs::path(w_.InstallFolder) / kProgramFileName);
    if (failure.failed) {
        RemoveStaged(staged);
        problem_ = failure.description;
        w_.LogWrite(std::string("*** CheckTarnwell\\Versions (") +
                    (failure.deleting ? "Delete" : "Rename") + ") *** " +
                    std::to_string(failure.number) + ", " + failure.description);
        w_.MessageError(failure.deleting ? 12 : 11);
        w_.HINTBOX.SetCaption("");
        return Outcome::Failed;
    }
    RemoveStaged(staged); // the empty staging folders
    FinishInstall(plan);
    return Outcome::Updated;
}

// The whole size first, so the progress bar counts bytes over all files.
void UpdateSession::StartProgress(const UpdatePlan& plan) {
    std::uint64_t total = 0;
    for (const UpdateDownload& d : plan.downloads)
        total += FetchSize(d.url);
    shift_ = 0;
    while ((total >> shift_) > 0x7fffffffu)
        ++shift_;
    done_ = 0;
    w_.ProgressBar.Max = static_cast<int>(std::max<std::uint64_t>(1, total >> shift_));
    w_.ProgressBar.Min = 0;
    w_.ProgressBar.Value = 0;
    w_.ProgressBar.Visible = true;
    w_.UpdateCancel.Caption = w_.StringText(8);
    w_.UpdateCancel.Visible = true;
}

int UpdateSession::Download(const UpdatePlan& plan, std::vector<fs::path>& staged) {
    int downloaded = 0;
    for (const UpdateDownload& d : plan.downloads) {
        w_.LogWrite(d.url);
        w_.HINTBOX.SetCaption(w_.StringText(1) + "\r\n" + d.folder + "\r\n" + d.file);
        w_.platform.DoEvents();
        const std::string bytes = FetchWhole(d.url, 0);
        // Only a file with the signed digest is kept.
        const std::string name = ServerName({d.file, d.folder, "", ""});
        const auto sum = sums_.find(name);
        if (sum == sums_.end()) throw UpdateError{0, name + " is not in " + kSumsFile};
        if (Sha256Hex(bytes) != sum->second)
            throw UpdateError{0, name + ": " + std::to_string(bytes.size()) +
                                     " bytes whose SHA-256 differs from " + kSumsFile};
        fs::create_directories(d.staged.parent_path());
        staged.push_back(d.staged);
        Write(d.staged, bytes);
        done_ += bytes.size();
        received_ = 0;
        ++downloaded;
    }
    return downloaded;
}

void UpdateSession::RemoveStaged(const std::vector<fs::path>& staged) {
    const fs::path updates = w_.UpdatesFolder;
    for (const auto& file : staged) {
        Remove(file);
        // Folders the staging made, when they are empty now.
        std::error_code ec;
        for (fs::path dir = file.parent_path(); dir != updates && updates < dir;
             dir = dir.parent_path())
            if (!fs::remove(dir, ec)) break;
    }
}

// The server's list becomes the installed one; a waiting program keeps the digests the
// launcher checks it against.
void UpdateSession::FinishInstall(const UpdatePlan& plan) {
    const fs::path updates = w_.UpdatesFolder;
    w_.HINTBOX.SetCaption(w_.StringText(plan.programWaiting ? 3 : 13));
    std::error_code ec;
    fs::rename(updates / kNewestList, updates / kInstalledList, ec);
    fs::rename(WithSuffix(updates / kNewestList, kSignatureSuffix),
               WithSuffix(updates / kInstalledList, kSignatureSuffix), ec);
    if (plan.programWaiting) {
        fs::rename(updates / kSumsFile, updates / kProgramSums, ec);
        fs::rename(WithSuffix(updates / kSumsFile, kSignatureSuffix),
                   WithSuffix(updates / kProgramSums, kSignatureSuffix), ec);
    }
    w_.SaveSetting("ReadReleaseNotes", "True");
    if (plan.releaseNotes) {
        w_.LogWrite("Release notes " + plan.releaseNotes->string());
        w_.platform.OpenDocument(plan.releaseNotes->string());
    }
}

} // namespace tw
