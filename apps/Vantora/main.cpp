// SPDX-License-Identifier: MIT
// The launcher: the splash window, a waiting update installed, the disclaimer, then the main
// program beside it started with the launcher's own arguments. It ends two seconds later and
// never waits for the program.
#include "gui/qt_platform.h"
#include "launcher/launcher.h"
#include "vantora_windows.h"

#include <QApplication>
#include <QTimer>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    // Taken before Qt removes the options it knows, so the program gets them unchanged.
    const std::vector<std::string> args(argv + 1, argv + argc);
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("example.tarnwell_refrigeration.Tarnwell"));
    tw::QtPlatform platform;
    tw::Launcher launcher(platform);
    if (!launcher.Prepare()) return 2;
    tw::SplashWindow splash(launcher, platform);
    if (!launcher.Run(splash, args)) return 1;
    QTimer::singleShot(2000, &app, &QCoreApplication::quit);
    return app.exec();
}
