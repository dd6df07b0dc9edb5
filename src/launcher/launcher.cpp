// SPDX-License-Identifier: MIT
#include "launcher/launcher.h"

#include "base/text.h"
#include "shell/ansi.h"
#include "shell/numbers.h"
#include "shell/text_file.h"
#include "update/signature.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <iostream>
#include <sys/wait.h>
#include <system_error>
#include <thread>
#include <unistd.h>

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
        if (!VerifyUpdate()) {
            // The old program starts; the user is told that the update was not installed.
            step_ = kKeptPreviousStep;
            ShowFailure();
        } else if (!InstallUpdate()) {
            if (!rolledBack_) {
                ShowFailure();
                return false;
            }
            step_ = kKeptPreviousStep;
            ShowFailure();
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

namespace {

// Removes the main program's row from the installed version list, so that the next check
// fetches the program again.
void ForgetInstalledProgram(const fs::path& list) {
    auto bytes = ReadFileBytes(list);
    if (!bytes) return;
    std::string kept;
    std::size_t at = 0;
    while (at < bytes->size()) {
        std::size_t end = bytes->find('\n', at);
        end = end == std::string::npos ? bytes->size() : end + 1;
        const std::string line = bytes->substr(at, end - at);
        at = end;
        const std::size_t tab = line.find('\t');
        const bool program = tab != std::string::npos &&
                             AsciiUpper(line.substr(0, tab)) == "PROGRAM" &&
                             line.find("\tAPPPATH\t") != std::string::npos;
        if (!program) kept += line;
    }
    WriteFileAtomically(list, kept);
}

} // namespace

bool Launcher::VerifyUpdate() {
    const fs::path updates = fs::path(install_) / "Updates";
    const fs::path update = UpdateFile();
    const auto keyText = ReadFileBytes(ResolveCase(opData_ + "update.pub"));
    const auto key = keyText ? ParsePublicKey(*keyText) : std::nullopt;
    const auto sums = ReadFileBytes(updates / "Program.SHA256SUMS");
    const auto signature = ReadFileBytes(updates / "Program.SHA256SUMS.minisig");
    const auto bytes = ReadFileBytes(update);
    bool good = false;
    if (key && sums && signature && bytes &&
        VerifySignature(*sums, *signature, *key).check == SignatureCheck::Good) {
        const std::string digest = Sha256Hex(*bytes);
        for (const auto& [name, sum] : ParseSha256Sums(*sums)) {
            const std::string file = name.substr(name.rfind('/') + 1);
            if (AsciiUpper(file) == AsciiUpper(update.filename().string()) && sum == digest)
                good = true;
        }
    }
    if (good) return true;
    std::cerr << "Vantora: " << update.string()
              << " does not match the signed digests it came with; it is not installed\n";
    std::error_code ec;
    fs::remove(update, ec);
    fs::remove(updates / "Program.SHA256SUMS", ec);
    fs::remove(updates / "Program.SHA256SUMS.minisig", ec);
    ForgetInstalledProgram(updates / "Installed.ver");
    return false;
}

bool Launcher::InstallUpdate() {
    step_ = 1;
    rolledBack_ = false;
    const fs::path program = ProgramFile();
    fs::path previous = program;
    previous += ".previous";
    const bool hadProgram = FileExists(program);
    if (hadProgram && !RenameFile(program, previous)) return false;
    step_ = 2;
    if (RenameFile(UpdateFile(), program) && MakeExecutable(program) && AnswersVersion(program)) {
        std::error_code ec;
        fs::remove(fs::path(install_) / "Updates" / "Program.SHA256SUMS", ec);
        fs::remove(fs::path(install_) / "Updates" / "Program.SHA256SUMS.minisig", ec);
        return true;
    }
    // The new program does not start: the previous one comes back.
    std::cerr << "Vantora: the new program did not answer --version; the previous one is kept\n";
    if (!hadProgram) return false;
    std::error_code ec;
    fs::remove(program, ec);
    if (!RenameFile(previous, program)) return false;
    rolledBack_ = true;
    ForgetInstalledProgram(fs::path(install_) / "Updates" / "Installed.ver");
    return false;
}

bool Launcher::AnswersVersion(const fs::path& program) {
    const pid_t pid = ::fork();
    if (pid < 0) return false;
    if (pid == 0) {
        const int null = ::open("/dev/null", O_RDWR);
        if (null >= 0) {
            ::dup2(null, 0);
            ::dup2(null, 1);
            ::dup2(null, 2);
        }
        ::execl(program.c_str(), program.c_str(), "--version", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(startCheckMs_);
    int status = 0;
    while (::waitpid(pid, &status, WNOHANG) == 0) {
        if (std::chrono::steady_clock::now() > until) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, &status, 0);
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
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
