// SPDX-License-Identifier: MIT
#include "launcher/launcher.h"

#include "shell/ansi.h"
#include "shell/numbers.h"
#include "shell/text_file.h"

#include <iostream>
#include <system_error>

namespace fs = std::filesystem;

namespace tw {

Launcher::Launcher(Platform& platform) : platform_(platform) {}

fs::path Launcher::ProgramFile() const {
    return fs::path(install_) / "Program";
}

fs::path Launcher::UpdateFile() const {
    // The update service names the file as its version list does; the case may differ.
    return ResolveCase(fs::path(install_) / "Updates" / "Program");
}

bool Launcher::Prepare() {
    texts_ = LauncherTexts{};
    step_ = 1;
    install_ = platform_.ExecutableFolder();
    if (!install_.empty() && install_.back() != '/') install_ += '/';
    opData_ = install_ + "opdata/";

    // The first icon of the data folder keys the settings, as for the main program.
    const auto icons = FindFiles(opData_, "*.ico");
    if (icons.empty()) {
        const std::string path = opData_ + "*.ico";
        const std::string text = "Cannot open resource file\n'" + path + "'\nPlease Reinstall !";
        std::cerr << "FILE ERROR ! " << text << '\n';
        platform_.MessageBox("FILE ERROR !", text, mb::Critical);
        return false;
    }
    iconFile_ = opData_ + icons.front();
    section_ = Left(icons.front(), CharCount(icons.front()) - 4) + "\\Tarnwell\\Settings";

    showDisclaimer_ = ParseBool(GetSetting("ShowDisclaimer", "True"), true);
    ReadLanguageRecords();
    return true;
}

void Launcher::ReadLanguageRecords() {
    std::string name = GetSetting("Language_File", "");
    if (name.empty()) {
        name = "default.lng";
        SaveSetting("Language_File", name);
    }

    disclaimer_.clear();
    disclaimerFound_ = false;
    if (showDisclaimer_) {
        // A language without a disclaimer of its own shows the English one.
        auto file = OpenTextFile(ResolveCase(opData_ + DisclaimerFileName(name)));
        if (!file) file = OpenTextFile(ResolveCase(opData_ + "default.disclaimer.fil"));
        if (file) {
            disclaimer_ = AssembleDisclaimer(*file);
            disclaimerFound_ = true;
        }
    }

    // A missing language file leaves the windows' own texts; the main program reports it.
    if (auto file = OpenTextFile(ResolveCase(opData_ + name))) ApplyLauncherRecords(*file, texts_);
}

bool Launcher::Run(LauncherWindows& windows, const std::vector<std::string>& args) {
    windows.ShowSplash();
    if (UpdateWaiting()) {
        windows.ShowUpdating();
        if (!InstallUpdate()) {
            ShowFailure();
            return false;
        }
    }
    WaitForProgram();
    if (ShowsDisclaimer()) windows.ShowDisclaimer();
    if (!StartProgram(args)) {
        // Whether or not an update came first, the program could not be started: the
        // second message says so.
        step_ = 2;
        ShowFailure();
        return false;
    }
    return true;
}

bool Launcher::UpdateWaiting() const {
    return FileExists(UpdateFile());
}

bool Launcher::InstallUpdate() {
    step_ = 1;
    const fs::path program = ProgramFile();
    if (FileExists(program) && !DeleteFile(program)) return false;
    step_ = 2;
    return RenameFile(UpdateFile(), program) && MakeExecutable(program);
}

bool Launcher::WaitForProgram() const {
    const fs::path program = ProgramFile();
    for (int i = 0; i < 10000; ++i)
        if (FileExists(program)) return true;
    return false;
}

bool Launcher::StartProgram(const std::vector<std::string>& args) {
    return platform_.StartProgram(ProgramFile().string(), args);
}

void Launcher::ShowFailure() {
    const auto k = static_cast<std::size_t>(step_);
    platform_.MessageBox(texts_.captions[k], texts_.messages[k], mb::Critical);
}

void Launcher::CloseDisclaimer(bool showAtStartup) {
    showDisclaimer_ = showAtStartup;
    SaveSetting("ShowDisclaimer", BoolText(showAtStartup));
    platform_.DoEvents();
}

std::string Launcher::GetSetting(const std::string& key, const std::string& fallback) {
    return platform_.GetSetting(RegistryAppName, section_, key, fallback);
}

void Launcher::SaveSetting(const std::string& key, const std::string& value) {
    platform_.SaveSetting(RegistryAppName, section_, key, value);
}

bool Launcher::FileExists(const fs::path& path) const {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

bool Launcher::DeleteFile(const fs::path& path) {
    std::error_code ec;
    return fs::remove(path, ec) && !ec;
}

bool Launcher::RenameFile(const fs::path& from, const fs::path& to) {
    std::error_code ec;
    fs::rename(from, to, ec);
    return !ec;
}

bool Launcher::MakeExecutable(const fs::path& path) {
    std::error_code ec;
    const fs::perms p = fs::status(path, ec).permissions();
    if (ec) return false;
    fs::perms add = fs::perms::none;
    if ((p & fs::perms::owner_read) != fs::perms::none) add |= fs::perms::owner_exec;
    if ((p & fs::perms::group_read) != fs::perms::none) add |= fs::perms::group_exec;
    if ((p & fs::perms::others_read) != fs::perms::none) add |= fs::perms::others_exec;
    fs::permissions(path, add, fs::perm_options::add, ec);
    return !ec;
}

} // namespace tw
