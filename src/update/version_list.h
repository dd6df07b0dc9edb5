// SPDX-License-Identifier: MIT
// The version lists of the update service and what follows from comparing them: which files
// to fetch, where each is staged, where it goes, and which old files to delete. Plain values,
// no form and no files.
//
// A version list is a text file of tab-separated lines; a line of exactly four fields is a
// record: file name, folder (below the update location on the server, and below the update
// folder where the download is staged), target ("APPPATH" for the installation folder,
// otherwise a sub-folder of it) and version stamp (compared as text). Lines starting with
// "#" are comments.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tw {

// The running program's own file. A newer copy is never put in place while it runs: it
// waits in the update folder, where the launcher installs it at the next start.
inline constexpr const char* kProgramFileName = "Program";
inline constexpr const char* kInstalledList = "Installed.ver";
inline constexpr const char* kNewestList = "Newest.ver";
inline constexpr const char* kUpdatesFolder = "Updates";
// The longest file or folder name a version list may carry.
inline constexpr std::size_t kMaxNameLength = 100;

struct VersionRecord {
    std::string file;
    std::string folder;
    std::string target;
    std::string stamp;
    bool operator==(const VersionRecord& o) const {
        return file == o.file && folder == o.folder && target == o.target && stamp == o.stamp;
    }
};

// The record of one line, or why a record was refused. A comment or a line of another field
// count is no record and no problem. A record is refused unless its file name is a plain name
// of at most kMaxNameLength characters (letters, digits, "._-+()" and inner blanks, not
// starting with a dot), its folder and target are one to four such names ("APPPATH" for the
// installation folder), the target does not lie in the update folder, and its stamp is
// printable and at most 64 characters long.
struct LineCheck {
    std::optional<VersionRecord> record;
    std::string problem;
};
LineCheck CheckVersionLine(const std::string& line);
std::optional<VersionRecord> ParseVersionLine(const std::string& line);
// The records of a list in order. A second record of a file name and target, or of a folder
// and file name, already listed is dropped: one file has one row and one download. Every
// refused or dropped record is described in `skipped` (the line, " : ", why).
std::vector<VersionRecord> ReadVersionList(const std::vector<std::string>& lines,
                                           std::vector<std::string>* skipped = nullptr);
// The name of a record's file on the server below the update location, "folder/file", as
// SHA256SUMS lists it.
std::string ServerName(const VersionRecord& r);

enum class VersionStatus : char {
    Obsolete = '0', // installed, and not (or not yet) in the newest list
    Fetch = '1',    // newer stamp or new file
    UpToDate = '2',
};

struct VersionRow {
    VersionStatus status = VersionStatus::Obsolete;
    VersionRecord record;
};

struct VersionComparison {
    // The installed records first (in their order), then the files the newest list adds.
    std::vector<VersionRow> rows;
    // Rows with status Fetch.
    int updateCount = 0;
    // One line per newest record: "name  old  update to new", "name  up to date" or
    // "name  file added".
    std::vector<std::string> log;
};

// Matches every newest record to the installed row of the same file name and target
// (exact), in time linear in the lengths of the lists. A newest stamp that sorts after the
// installed one is an update; an equal or older one leaves the file as it is (no downgrade).
VersionComparison CompareVersionLists(const std::vector<VersionRecord>& installed,
                                      const std::vector<VersionRecord>& newest);

// The update location and further parts joined by single slashes; a backslash counts as a
// separator, and each part is percent-encoded where an address needs it.
std::string RemoteAddress(const std::string& location, const std::vector<std::string>& parts);

struct UpdatePaths {
    std::filesystem::path install; // the installation folder
    std::filesystem::path updates; // its update folder
};

// The folder a record's file goes to: the installation folder for "APPPATH", else the
// target below it.
std::filesystem::path TargetFolder(const VersionRecord& r, const UpdatePaths& paths);

struct UpdateDownload {
    std::string url;
    std::filesystem::path staged; // update folder / folder / file name
    std::string folder;
    std::string file;
};

struct UpdateStep {
    enum class Kind { Move, Delete };
    Kind kind = Kind::Move;
    std::filesystem::path source; // the staged file (Move only)
    std::filesystem::path folder;
    std::filesystem::path target; // folder / file name
    bool program = false;         // the new main program, left in the update folder
};

struct UpdatePlan {
    std::vector<UpdateDownload> downloads; // in row order
    std::vector<UpdateStep> steps;         // moves and deletions in row order
    bool programWaiting = false;           // a new main program goes to the update folder
    std::optional<std::filesystem::path> releaseNotes;
};

// What a fetch of the compared rows does. Files to fetch go to their target folder; the
// program's own file with target "APPPATH" goes to the update folder instead. Obsolete files
// are deleted from their target folder, except the program's own file, which is never
// deleted. The last file installed into "ReleaseNotes" is the release notes.
UpdatePlan PlanUpdate(const std::vector<VersionRow>& rows, const std::string& location,
                      const UpdatePaths& paths);

} // namespace tw
