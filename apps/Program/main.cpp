// SPDX-License-Identifier: MIT
// The main program: the window, started with a job file and "/LOG" on its command line.
#include "frm/frm_main.h"
#include "gui/main_window.h"
#include "gui/qt_platform.h"
#include "platform/version.h"

#include <QApplication>
#include <cstdio>
#include <string>

namespace {

// The arguments as one command line, each holding a blank or a tab in quotes.
std::string JoinArguments(int argc, char** argv) {
    std::string line;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (!line.empty()) line += ' ';
        bool quote = arg.find_first_of(" \t") != std::string::npos;
        line += quote ? "\"" + arg + "\"" : arg;
    }
    return line;
}

} // namespace

int main(int argc, char** argv) {
    // Answered without a window: the launcher asks it of a newly installed program.
    if (argc == 2 && std::string(argv[1]) == "--version") {
        std::printf("Tarnwell %d.%d.%d\n", tw::kVersionMajor, tw::kVersionMinor, tw::kVersionPatch);
        return 0;
    }
    QApplication app(argc, argv);
    // Ties the window to the desktop entry (its icon and name in the task bar).
    QGuiApplication::setDesktopFileName(QStringLiteral("example.tarnwell_refrigeration.Tarnwell"));
    tw::QtPlatform platform;
    tw::FrmMain frm(platform);
    tw::MainWindow window(frm, platform);
    try {
        frm.Form_Load(JoinArguments(argc, argv));
    } catch (const tw::ProgramEnd& end) {
        return end.exitCode;
    }
    window.ApplyWindowGeometry();
    window.Sync();
    window.show();
    int code = app.exec();
    return window.ExitCode() ? window.ExitCode() : code;
}
