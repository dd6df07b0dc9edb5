// SPDX-License-Identifier: MIT
#include "release_commands.h"

#include "batch_machine.h"
#include "frm/frm_main.h"
#include "platform/ini_settings.h"
#include "update/publish.h"

#include <filesystem>
#include <iostream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace tarnwell {

namespace {

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

int Usage(const std::string& reason) {
    std::cerr << "tarnwell: " << reason << "\n"
              << "Usage: tarnwell publish RELEASE_DIR OUT_DIR\n"
              << "       tarnwell update [--install DIR] [--url URL] [--ca-file FILE] [--yes]\n";
    return kUsage;
}

} // namespace

int RunPublish(const std::vector<std::string>& args) {
    if (args.size() != 3) return Usage("publish takes a release folder and an output folder");
    const tw::PublishResult result = tw::PublishRelease(args[1], args[2]);
    for (const auto& line : result.skipped)
        std::cerr << "tarnwell: left out " << line << '\n';
    if (result.failed) {
        std::cerr << "tarnwell: publish failed: " << result.problem << '\n';
        return kFailed;
    }
    std::cerr << "tarnwell: " << result.files << " files, Newest.ver and SHA256SUMS written to "
              << args[2] << "; sign both with: minisign -S -m "
              << (fs::path(args[2]) / "Newest.ver").string() << ' '
              << (fs::path(args[2]) / "SHA256SUMS").string() << '\n';
    return kDone;
}

int RunUpdate(const std::vector<std::string>& args, const std::string& exeFolder) {
    std::string install = exeFolder;
    std::string url;
    std::string caFile;
    bool yes = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&](std::string& into) {
            if (i + 1 >= args.size()) return false;
            into = args[++i];
            return true;
        };
        if (a == "--yes") {
            yes = true;
        } else if ((a == "--install" && value(install)) || (a == "--url" && value(url)) ||
                   (a == "--ca-file" && value(caFile))) {
        } else {
            return Usage("update: unknown or incomplete option '" + a + "'");
        }
    }
    std::error_code ec;
    if (!fs::is_directory(fs::path(install) / "opdata", ec))
        return Usage("update: no opdata folder in " + install);

    BatchMachine machine(install, tw::UserConfigFolder());
    tw::FrmMain w(machine);
    try {
        w.Form_Load("");
    } catch (const tw::ProgramEnd&) {
        return kFailed; // the reason (a missing data file) is on standard error already
    }
    machine.TakeNotes();
    if (!url.empty()) w.UpdateUrl = url;
    if (!caFile.empty()) {
        tw::HttpLimits limits = machine.Http().Limits();
        limits.caFile = caFile;
        machine.Http().SetLimits(limits);
    }
    // The update question: --yes, or the person at the terminal.
    bool agree = yes;
    if (!yes && ::isatty(0)) {
        std::cerr << "Install newer files when there are any? [y/N] ";
        std::string answer;
        std::getline(std::cin, answer);
        agree = answer == "y" || answer == "Y" || answer == "yes";
    }
    machine.QueueReply(agree ? "yes" : "no", "update");

    using Outcome = tw::UpdateSession::Outcome;
    const Outcome outcome = w.Update_Check();
    for (const auto& note : machine.TakeNotes())
        if (note.rfind("message \"" + w.MessageTable.at(0)[0] + "\"", 0) != 0)
            std::cerr << "tarnwell: " << note << '\n';
    switch (outcome) {
    case Outcome::Updated:
        std::cerr << "tarnwell: " << w.HINTBOX.Caption() << '\n';
        return kDone;
    case Outcome::NothingToDo:
        std::cerr << "tarnwell: " << w.HINTBOX.Caption() << '\n';
        return kDone;
    case Outcome::Declined:
        std::cerr << "tarnwell: newer files are available; nothing was installed (--yes installs "
                     "them)\n";
        return kDone;
    case Outcome::NoLocation:
        std::cerr << "tarnwell: " << w.HINTBOX.Caption() << " (--url names one)\n";
        return kFailed;
    default:
        std::cerr << "tarnwell: update failed: " << w.Updates.Problem() << '\n';
        return kFailed;
    }
}

} // namespace tarnwell
