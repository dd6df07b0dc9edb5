// SPDX-License-Identifier: MIT
// The launcher Vantora: finds the settings the main program uses, installs a new main
// program that an update left in the Updates folder, shows the disclaimer unless it was
// switched off, and starts the program with the launcher's own arguments. The windows are
// the caller's (LauncherWindows); everything else runs here, over the machine's services.
#pragma once

#include "launcher/launcher_records.h"
#include "platform/Platform.h"

#include <filesystem>
#include <string>
#include <vector>

namespace tw {

// What the launcher's windows do for it.
class LauncherWindows {
public:
    virtual ~LauncherWindows() = default;
    // Sizes the splash window to its picture, centres it, shows it and lets events run.
    virtual void ShowSplash() = 0;
    // Shows the UPDATING label and lets events run.
    virtual void ShowUpdating() = 0;
    // Shows the disclaimer, centred and modal; returns once it has been closed.
    virtual void ShowDisclaimer() = 0;
};

class Launcher {
public:
    explicit Launcher(Platform& platform);
    virtual ~Launcher() = default;

    // Data folder, settings location, the show-disclaimer flag, the launcher records of the
    // language file and the disclaimer text. False when the data folder holds no icon file:
    // the installation is broken, the "FILE ERROR !" message has been shown.
    bool Prepare();

    // From the splash window to the started program. True when the program was started;
    // false when a failure message was shown (the program is then not started).
    bool Run(LauncherWindows& windows, const std::vector<std::string>& args);

    // The steps of Run, each on its own.
    bool UpdateWaiting() const;
    // Checks the waiting program against the signed digests it came with
    // (Updates/Program.SHA256SUMS, signed by the key in opdata/update.pub). A program that
    // fails is deleted from the update folder and the next check fetches it again.
    bool VerifyUpdate();
    // Keeps the old program file as Program.previous, gives the update file its name and
    // checks that the new program answers "--version" in time; otherwise puts the previous
    // program back (RolledBack() tells). On failure UpdateStep() tells which message belongs
    // to it.
    bool InstallUpdate();
    bool RolledBack() const { return rolledBack_; }
    // How long a new program may take to answer "--version".
    void SetStartCheckTime(int milliseconds) { startCheckMs_ = milliseconds; }
    // Tests for the program file up to 10,000 times; true when it is there.
    bool WaitForProgram() const;
    bool StartProgram(const std::vector<std::string>& args);
    // The critical message of the current update step.
    void ShowFailure();
    // The disclaimer's close button: remembers the check box in "ShowDisclaimer".
    void CloseDisclaimer(bool showAtStartup);

    const LauncherTexts& Texts() const { return texts_; }
    const std::string& DisclaimerText() const { return disclaimer_; }
    // Set, and a disclaimer file found.
    bool ShowsDisclaimer() const { return showDisclaimer_ && disclaimerFound_; }
    int UpdateStep() const { return step_; }
    const std::string& OpDataFolder() const { return opData_; }
    const std::string& IconFile() const { return iconFile_; }
    const std::string& SettingsSection() const { return section_; }
    std::filesystem::path ProgramFile() const;
    std::filesystem::path UpdateFile() const;

    static constexpr const char* RegistryAppName = "Glacivar";
    // The message shown when a new program was refused or put back: the old one starts.
    static constexpr int kKeptPreviousStep = 3;

protected:
    // The file operations of the installation, overridable where a test needs one to fail.
    virtual bool FileExists(const std::filesystem::path& path) const;
    virtual bool DeleteFile(const std::filesystem::path& path);
    virtual bool RenameFile(const std::filesystem::path& from, const std::filesystem::path& to);
    // Runs the program with "--version"; true when it ends well within the time.
    virtual bool AnswersVersion(const std::filesystem::path& program);
    // A downloaded program arrives without the execute permission; it gets it where it can
    // be read.
    virtual bool MakeExecutable(const std::filesystem::path& path);

private:
    std::string GetSetting(const std::string& key, const std::string& fallback);
    void SaveSetting(const std::string& key, const std::string& value);
    void ReadLanguageRecords();

    Platform& platform_;
    std::string install_; // ends with a path separator
    std::string opData_;
    std::string iconFile_;
    std::string section_;
    bool showDisclaimer_ = true;
    bool disclaimerFound_ = false;
    std::string disclaimer_;
    LauncherTexts texts_;
    int step_ = 1;
    bool rolledBack_ = false;
    int startCheckMs_ = 5000;
};

} // namespace tw
