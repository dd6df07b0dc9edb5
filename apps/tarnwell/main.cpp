// SPDX-License-Identifier: MIT
// tarnwell: the whole calculation without a window. It starts the window model as the main
// program does, loads a job, performs the user's actions in order and prints what was asked.
#include "actions.h"
#include "arguments.h"
#include "base/text.h"
#include "batch_machine.h"
#include "outputs.h"
#include "pdf_document.h"
#include "platform/ini_settings.h"
#include "platform/version.h"
#include "release_commands.h"

#include <cctype>
#include <clocale>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

using namespace tarnwell;

constexpr int kDone = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;
constexpr int kJobNotLoaded = 3;

int UsageFailure(const std::string& reason) {
    std::cerr << "tarnwell: " << reason << " (see tarnwell --help)\n";
    return kUsage;
}

void Note(const std::string& text) {
    std::cerr << "tarnwell: " << text << '\n';
}

void Notes(const std::vector<std::string>& notes) {
    for (const std::string& note : notes)
        Note(note);
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
    std::error_code ec;
    if (!fs::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The folder of this program, where an installation keeps opdata/ and proddata/.
std::string ExecutableFolder(const char* argv0) {
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (ec) exe = fs::absolute(argv0, ec);
    return exe.parent_path().string();
}

// The decimal separator of the user's locale, as the window takes it.
char LocaleDecimal() {
    char separator = '.';
    if (std::setlocale(LC_NUMERIC, "")) {
        if (std::localeconv()->decimal_point[0] == ',') separator = ',';
        std::setlocale(LC_NUMERIC, "C");
    }
    return separator;
}

// The job as the main program's command line names it: quoted when it holds a blank.
std::string CommandLine(const std::string& job) {
    if (job.find_first_of(" \t") == std::string::npos) return job;
    return "\"" + job + "\"";
}

std::string JobLoadFailure(const tw::FrmMain& w, const BatchMachine& machine,
                           const std::string& job) {
    std::error_code ec;
    if (!fs::exists(job, ec)) return "cannot load job '" + job + "': no such file";
    const std::string end = "." + w.JobFileExtension;
    const std::string lower = tw::AsciiLower(job);
    if (lower.size() <= end.size() || lower.compare(lower.size() - end.size(), end.size(), end))
        return "'" + job + "' is not a job file (a job file ends in " + end + ")";
    return "cannot load job '" + job + "': " + machine.LastPrompt();
}

int Run(const Invocation& inv, const char* argv0) {
    std::string install = inv.install;
    if (install.empty()) {
        install = ExecutableFolder(argv0);
    } else {
        std::error_code ec;
        if (!fs::is_directory(fs::path(install) / "opdata", ec))
            return UsageFailure("--install " + install + ": no opdata folder there");
    }
    BatchMachine machine(install, tw::UserConfigFolder());
    machine.SetDecimalSeparator(inv.decimal ? *inv.decimal : LocaleDecimal());
    tw::FrmMain w(machine);
    Actions actions(w, machine);

    try {
        w.Form_Load(CommandLine(inv.job));
    } catch (const tw::ProgramEnd& end) {
        // The reason (a missing data file) is on standard error already.
        return end.exitCode == 0 ? kDone : kFailed;
    }
    if (!inv.job.empty() && w.CurrentJobFile.empty()) {
        std::cerr << "tarnwell: " << JobLoadFailure(w, machine, inv.job) << '\n';
        return kJobNotLoaded;
    }
    Notes(machine.TakeNotes());

    bool anyOutput = false;
    try {
        for (const Step& step : inv.steps) {
            actions.Check(step);
            anyOutput = anyOutput || step.IsOutput();
        }
    } catch (const ActionFailure& failure) {
        return UsageFailure(failure.reason);
    }

    std::ostream& out = std::cout;
    std::string ended;
    try {
        for (const Step& step : inv.steps) {
            using K = Step::Kind;
            switch (step.kind) {
            case K::Summary:
                out << Summary(w);
                break;
            case K::Get:
                out << FieldLines(w, step.numbers);
                break;
            case K::Grid:
                out << GridLines(w, step.numbers[0]);
                break;
            case K::Banner:
                // What the window's banner shows: the input warnings, else the equipment notes.
                for (const std::string& line : w.Banner.Lines())
                    out << line << '\n';
                break;
            case K::Json:
                out << StateJson(w);
                break;
            case K::Pdf:
                if (!w.WriteReportPdf(step.text)) {
                    out.flush();
                    Notes(machine.TakeNotes());
                    Note(step.origin + ": the report could not be written to '" + step.text + "'" +
                         (PdfAvailable() ? "" : " (this tarnwell was built without Qt)"));
                    return kFailed;
                }
                break;
            default:
                try {
                    actions.Perform(step);
                } catch (const tw::ProgramEnd& end) {
                    Notes(machine.TakeNotes());
                    if (end.exitCode != 0) return kFailed;
                    ended = step.origin;
                }
                break;
            }
            Notes(machine.TakeNotes());
            Notes(actions.TakeNotes());
            if (!ended.empty()) break;
        }
    } catch (const ActionFailure& failure) {
        out.flush();
        Notes(machine.TakeNotes());
        return UsageFailure(failure.reason);
    } catch (const SaveFailure& failure) {
        out.flush();
        Notes(machine.TakeNotes());
        Note(failure.reason);
        return kFailed;
    }
    if (!ended.empty()) {
        out.flush();
        Note(ended + ": the program was ended; later steps were not performed");
        return kDone;
    }
    if (!anyOutput) out << Summary(w);
    out.flush();
    if (machine.PendingReplies())
        Note(std::to_string(machine.PendingReplies()) + " answer(s) given with --answer were "
                                                        "not asked for");
    return kDone;
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && args[0] == "publish") return RunPublish(args);
    if (!args.empty() && args[0] == "update") return RunUpdate(args, ExecutableFolder(argv[0]));
    Invocation inv;
    try {
        inv = ParseArguments(args, ReadWholeFile);
    } catch (const UsageError& e) {
        return UsageFailure(e.what());
    }
    if (inv.help) {
        std::cout << HelpText();
        return kDone;
    }
    if (inv.version) {
        std::cout << "tarnwell " << tw::kVersionMajor << '.' << tw::kVersionMinor << '.'
                  << tw::kVersionPatch << '\n';
        return kDone;
    }
    try {
        return Run(inv, argv[0]);
    } catch (const std::exception& e) {
        std::cout.flush();
        std::cerr << "tarnwell: internal error: " << e.what() << '\n';
        return kFailed;
    }
}
