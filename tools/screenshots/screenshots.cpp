// SPDX-License-Identifier: MIT
// Renders the main window into PNG files for the documentation: the start view and every
// page. Runs without a display (QT_QPA_PLATFORM=offscreen) from the build's bin folder:
//   screenshots OUTPUT_FOLDER [job file]
#include "frm/frm_main.h"
#include "gui/main_window.h"
#include "gui/qt_platform.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: screenshots OUTPUT_FOLDER [job file]\n");
        return 2;
    }
    QApplication app(argc, argv);
    tw::QtPlatform platform;
    tw::FrmMain frm(platform);
    tw::MainWindow window(frm, platform);
    try {
        frm.Form_Load(argc > 2 ? argv[2] : "");
    } catch (const tw::ProgramEnd& end) {
        std::fprintf(stderr, "the program ended during start-up (%d)\n", end.exitCode);
        return 1;
    }
    window.ApplyWindowGeometry();
    window.show();
    window.Sync();
    QDir out(QString::fromLocal8Bit(argv[1]));
    out.mkpath(QStringLiteral("."));
    auto shoot = [&](const QString& name) {
        QCoreApplication::processEvents();
        window.Sync();
        window.grab().save(out.filePath(name));
    };
    window.Dispatch([&] { frm.HideAllPages(); });
    shoot(QStringLiteral("start.png"));
    const int buttons[] = {0, 1, 2, 3, 4, 5, 6, 7, 8};
    for (int b : buttons) {
        window.Dispatch([&] { frm.BUTT_Click(b); });
        shoot(QStringLiteral("page%1.png").arg(b + 1));
    }
    // An open drop-down list, and the warning banner of a run time no room can have.
    window.Dispatch([&] {
        frm.BUTT_Click(5);
        frm.SetFocus({tw::ArrayId::TEXTBOX, 504});
    });
    shoot(QStringLiteral("list.png"));
    window.Dispatch([&] {
        frm.BUTT_Click(0);
        frm.SetFocus({tw::ArrayId::TEXTBOX, 12});
        frm.TEXTBOX[12].SelStart = 0;
        frm.TEXTBOX[12].SelLength = static_cast<int>(frm.TEXTBOX[12].Text().size());
        frm.PressKey(frm.TEXTBOX[12].ref, '3');
        frm.PressKey(frm.TEXTBOX[12].ref, '0');
        frm.FocusNext();
    });
    for (int tick = 0; tick < 3; ++tick)
        window.Dispatch([&] { frm.Timer1_Timer(); });
    shoot(QStringLiteral("banner.png"));

    // The two report pages of the template job, as the page-bitmap command draws them.
    window.Dispatch([&] {
        frm.JobFileLoad(frm.DefaultJobFile, true);
        frm.SaveReportBitmaps(out.filePath(QStringLiteral("report.bmp")).toStdString());
    });
    for (int page : {1, 2}) {
        const QString bmp = out.filePath(QStringLiteral("report.Page_%1.bmp").arg(page));
        QImage(bmp).save(out.filePath(QStringLiteral("report%1.png").arg(page)));
        QFile::remove(bmp);
    }
    return 0;
}
