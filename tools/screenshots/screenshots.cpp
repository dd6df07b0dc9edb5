// SPDX-License-Identifier: MIT
// Renders the main window into PNG files for the documentation, without a display, in a
// settings folder of its own (nothing remembered from the user's runs):
//   screenshots OUTPUT_FOLDER LANGUAGE [job file]
// LANGUAGE is "en" (default.lng) or "de" (deutsch.lng, with metric units). Writes
// VIEW-LANGUAGE-SCHEME-SIZE.png, where VIEW is "start" (no page open) or page1 to page9 (the
// pages of menu buttons 1 to 9), SCHEME "light" (default.col) or "dark" (night.col), SIZE
// "default" (the layout's own 640 x 480) or "1920x1080" (maximised on a full-HD screen);
// list- and banner-LANGUAGE-light-default.png (an open drop-down list, the warning banner);
// and report-LANGUAGE.pdf, the report of the job. tools/screenshots/screens.sh runs it for
// both languages and makes the small palette pictures of docs/screens.
#include "frm/frm_main.h"
#include "gui/main_window.h"
#include "gui/qt_platform.h"
#include "gui/qt_text.h"
#include "names/fields.h"
#include "ui/window_design.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>

namespace {

constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;

// The offscreen platform with one full-HD screen at 96 dots per inch, so a maximised window
// fills 1920 x 1080.
void UseFullHdScreen(const QTemporaryDir& folder) {
    const QString config = folder.filePath(QStringLiteral("screen.json"));
    QFile file(config);
    if (file.open(QIODevice::WriteOnly))
        file.write(QStringLiteral("{\"windowFrameMargins\": false, \"screens\": [{\"name\": "
                                  "\"hd\", \"x\": 0, \"y\": 0, "
                                  "\"width\": %1, \"height\": %2, \"logicalDpi\": 96, "
                                  "\"dpr\": 1}]}")
                       .arg(kScreenWidth)
                       .arg(kScreenHeight)
                       .toUtf8());
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.toLocal8Bit());
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3 || (std::strcmp(argv[2], "en") != 0 && std::strcmp(argv[2], "de") != 0)) {
        std::fprintf(stderr, "usage: screenshots OUTPUT_FOLDER en|de [job file]\n");
        return 2;
    }
    const QString language = QString::fromLatin1(argv[2]);
    const bool german = language == QStringLiteral("de");
    QTemporaryDir scratch;
    if (!scratch.isValid()) return 1;
    qputenv("XDG_CONFIG_HOME", scratch.filePath(QStringLiteral("config")).toLocal8Bit());
    UseFullHdScreen(scratch);
    QApplication app(argc, argv);
    tw::QtPlatform platform;
    tw::FrmMain frm(platform);
    tw::MainWindow window(frm, platform);
    try {
        frm.Form_Load(argc > 3 ? argv[3] : "");
    } catch (const tw::ProgramEnd& end) {
        std::fprintf(stderr, "the program ended during start-up (%d)\n", end.exitCode);
        return 1;
    }
    window.ApplyWindowGeometry();
    window.show();
    window.Sync();
    QDir out(QString::fromLocal8Bit(argv[1]));
    out.mkpath(QStringLiteral("."));
    auto loadJob = [&] {
        if (argc > 3)
            frm.JobFileLoad(argv[3], false);
        else
            frm.JobFileLoad(frm.DefaultJobFile, true);
    };
    // A scheme or language is chosen in its own field on the settings page, as a user does.
    auto chooseScheme = [&](const char* scheme) {
        window.Dispatch([&] {
            frm.BUTT_Click(8);
            frm.SetFocus({tw::ArrayId::TEXTBOX, tw::field::ColourScheme});
            frm.ChooseColourScheme(scheme);
        });
    };
    if (german)
        window.Dispatch([&] {
            frm.BUTT_Click(8);
            frm.SetFocus({tw::ArrayId::TEXTBOX, tw::field::Language});
            frm.ChooseLanguage("deutsch.");
            // Metric units for every quantity, as a German user works.
            frm.BUTT_Click(8);
            for (int n : {841, 843, 845, 847}) {
                frm.SetFocus(frm.RADIO[n].ref);
                frm.RADIO[n].SetValue(true);
            }
            // The units are a setting; the job starts unchanged in them.
            loadJob();
        });
    bool written = true;
    auto shoot = [&](const QString& name) {
        QCoreApplication::processEvents();
        window.Sync();
        QCoreApplication::processEvents();
        written = window.grab().save(out.filePath(name + QStringLiteral(".png"))) && written;
    };

    const QSize layout(tw::design::kMinInnerWidth / tw::TwipsPerPixel(),
                       tw::design::kMinInnerHeight / tw::TwipsPerPixel());
    for (const char* scheme : {"light", "dark"}) {
        chooseScheme(std::strcmp(scheme, "light") == 0 ? "default." : "night.");
        for (const bool maximised : {false, true}) {
            if (maximised) {
                window.showMaximized();
            } else {
                window.showNormal();
                window.resize(layout);
            }
            QCoreApplication::processEvents();
            const QString suffix =
                QStringLiteral("-%1-%2-%3")
                    .arg(language, QLatin1String(scheme),
                         maximised ? QStringLiteral("%1x%2").arg(kScreenWidth).arg(kScreenHeight)
                                   : QStringLiteral("default"));
            window.Dispatch([&] { frm.HideAllPages(); });
            shoot(QStringLiteral("start") + suffix);
            for (int b = 0; b <= 8; ++b) {
                window.Dispatch([&] { frm.BUTT_Click(b); });
                shoot(QStringLiteral("page%1").arg(b + 1) + suffix);
            }
        }
    }

    // An open drop-down list, and the warning banner of a run time no room can have, in the
    // light scheme at the layout's size.
    chooseScheme("default.");
    window.showNormal();
    window.resize(layout);
    const QString small = QStringLiteral("-%1-light-default").arg(language);
    window.Dispatch([&] {
        frm.BUTT_Click(5);
        frm.SetFocus({tw::ArrayId::TEXTBOX, 504});
    });
    shoot(QStringLiteral("list") + small);
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
    shoot(QStringLiteral("banner") + small);

    // The report of the job as the PDF export writes it.
    window.Dispatch([&] {
        loadJob();
        written = frm.WriteReportPdf(
                      tw::S(out.filePath(QStringLiteral("report-%1.pdf").arg(language)))) &&
                  written;
    });
    if (!written) std::fprintf(stderr, "screenshots: a picture could not be written\n");
    return written ? 0 : 1;
}
