// SPDX-License-Identifier: MIT
#include "pdf_document.h"

#include "gui/qt_surface.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

namespace tarnwell {

namespace {

// Qt Gui needs an application object for its fonts; it is made when the first report is
// drawn, on the offscreen platform, which needs no display.
void EnsureGuiApplication() {
    if (QGuiApplication::instance()) return;
    // Qt's notes about the desktop session (no runtime folder, no display) mean nothing to a
    // batch run; its real failures still reach standard error.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "tarnwell: %s\n", text.toLocal8Bit().constData());
    });
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tarnwell";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}

} // namespace

std::shared_ptr<tw::DrawingSurface> PdfDocument(const std::string& path, const std::string& title) {
    EnsureGuiApplication();
    return std::make_shared<tw::QtPdfDocument>(path, title, tw::LocalePageSize());
}

bool PdfAvailable() {
    return true;
}

} // namespace tarnwell
