// SPDX-License-Identifier: MIT
// One run of the update button, owned by the main window: the version table, the client's
// last state, the bytes received, and the Cancel of a running download. Every transfer runs
// on a worker thread while the window's thread keeps the progress bar moving and lets window
// events run, so the window stays responsive and Cancel can be pressed.
//
// Nothing is installed unless the server's Newest.ver and SHA256SUMS carry good minisign
// signatures by the key in opdata/update.pub, the list is not older than the installed one,
// and every downloaded file has the digest SHA256SUMS gives for it; then all files go in or
// none does.
#pragma once

#include "platform/http_client.h"
#include "update/signature.h"
#include "update/version_list.h"

#include <atomic>
#include <cstdint>
#include <deque>
#include <exception>
#include <filesystem>
#include <functional>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

namespace tw {

class FrmMain;

// The largest version list, SHA256SUMS and signature the server may send.
inline constexpr std::uint64_t kMaxListBytes = 16ull * 1024 * 1024;
inline constexpr std::uint64_t kMaxSignatureBytes = 4096;
inline constexpr const char* kSumsFile = "SHA256SUMS";
inline constexpr const char* kSignatureSuffix = ".minisig";
// The publisher's key in the installation's data folder.
inline constexpr const char* kUpdateKeyFile = "update.pub";
// The signed digests a waiting main program is checked against by the launcher.
inline constexpr const char* kProgramSums = "Program.SHA256SUMS";

class UpdateSession {
public:
    enum class Outcome { NothingToDo, Updated, Declined, Failed, Cancelled, NoLocation, Busy };

    explicit UpdateSession(FrmMain& w);

    // The update button: check, ask, fetch, verify, install. Messages as the window shows
    // them; the outcome for callers without a window.
    Outcome Check();
    // The Cancel button, or the window closing: the running transfer is given up, staged
    // files are removed and nothing changes.
    void Cancel();
    bool Busy() const { return busy_; }

    // Why the last check failed, as its log line says; "" after a success.
    const std::string& Problem() const { return problem_; }
    const std::vector<VersionRow>& Table() const { return table_; }
    int ConnectionState() const { return state_; }

private:
    // The version list and the digests as the server sent them, with their signatures.
    struct SignedLists {
        std::string list, listSignature, sums, sumsSignature;
        std::string trustedComment; // of the list's signature
    };
    // The client reports its state and progress to this session while it lives.
    class ListenerScope {
    public:
        explicit ListenerScope(UpdateSession& session);
        ~ListenerScope();
        ListenerScope(const ListenerScope&) = delete;
        ListenerScope& operator=(const ListenerScope&) = delete;

    private:
        HttpClient& http_;
    };

    // The steps of a check: the installed list, the server's signed lists (never older than
    // the installed one), the comparison and the user's answer.
    Outcome CompareAndOffer();
    std::vector<VersionRecord> ReadInstalledList(const std::filesystem::path& updates,
                                                 std::vector<std::string>& skipped);
    SignedLists FetchSignedLists(const std::string& address, const PublicKey& key);
    void RefuseOlderList(const SignedLists& lists, const PublicKey& key,
                         const std::vector<VersionRecord>& installed,
                         const std::vector<VersionRecord>& newest);
    void StoreLists(const SignedLists& lists);
    // Logs why the update stopped and shows the update error message.
    void ReportFailure(const std::string& logPrefix, const std::exception& e);

    // The steps of a fetch: progress over the whole size, the downloads checked against the
    // signed digests, the staged files removed again, the new lists in place.
    Outcome Fetch(int count);
    void StartProgress(const UpdatePlan& plan);
    int Download(const UpdatePlan& plan, std::vector<std::filesystem::path>& staged);
    void RemoveStaged(const std::vector<std::filesystem::path>& staged);
    void FinishInstall(const UpdatePlan& plan);

    std::string FetchWhole(const std::string& address, std::uint64_t limit);
    std::uint64_t FetchSize(const std::string& address);
    // Runs work on a worker thread; meanwhile the window's thread shows progress and lets
    // window events run.
    void OffThread(const std::function<void()>& work);
    void ShowProgress();
    void StateChanged(int state);

    FrmMain& w_;
    std::vector<VersionRow> table_;
    std::unordered_map<std::string, std::string> sums_;
    int state_ = 0;
    bool busy_ = false;
    std::atomic<bool> cancelled_{false};
    std::string problem_;
    // Reported by the worker, taken by the window's thread.
    std::mutex mutex_;
    std::deque<int> states_;
    std::atomic<std::uint64_t> received_{0};
    std::uint64_t done_ = 0;
    // The progress bar counts bytes >> shift_, so that its range fits.
    int shift_ = 0;
};

} // namespace tw
