// SPDX-License-Identifier: MIT
// The report from the window: Export PDF proposes the job's name in the job's folder and
// writes both pages; Print shows them in Qt's preview first. Qt's own dialogs, driven by keys.
#include "names/buttons.h"
#include "support/real_window.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTimer>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

namespace tw {
namespace {

struct ReportWindow : test::RealWindow {
    void SetUp() override {
        RealWindow::SetUp();
        // Qt's own dialogs, whatever the desktop would offer, so keys can drive them.
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
        platform.realDialogs = true;
        path = (install.Folder() / "cold-room.wic").string();
        window.Dispatch([&] { frm.JobFileSave(path); });
    }
    void TearDown() override { QApplication::setAttribute(Qt::AA_DontUseNativeDialogs, false); }
    // Runs `act` on the modal dialog of type D as soon as it is shown.
    template <typename D> void WhenShown(std::function<void(D*)> act) {
        auto* timer = new QTimer(&window);
        QObject::connect(timer, &QTimer::timeout, [timer, act] {
            auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible()) return;
            timer->deleteLater();
            timer->stop();
            act(dialog);
        });
        timer->start(10);
    }
    std::string path;
};

TEST_F(ReportWindow, ExportPdfProposesTheJobsNameInItsFolderAndWritesBothPages) {
    QString folder;
    QString name;
    WhenShown<QFileDialog>([&](QFileDialog* dialog) {
        folder = dialog->directory().absolutePath();
        auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(edit, nullptr);
        name = edit->text();
        QTest::keyClick(edit, Qt::Key_Return);
    });
    platform.answers = {mb::Yes}; // look at it in the viewer
    PressButton(button::ExportPdf);

    const std::string pdf = (install.Folder() / "cold-room.pdf").string();
    EXPECT_EQ(folder.toStdString(), install.Folder().string());
    EXPECT_EQ(name, QStringLiteral("cold-room.pdf"));
    EXPECT_EQ(platform.calls,
              (std::vector<std::string>{"save dialog", "message 68", "open cold-room.pdf"}));
    std::ifstream in(pdf, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    EXPECT_EQ(bytes.str().rfind("%PDF-", 0), 0u);
    EXPECT_TRUE(std::regex_search(bytes.str(), std::regex("/Type /Pages\\s+/Kids[^/]*/Count 2")));
}

TEST_F(ReportWindow, PrintShowsBothPagesInThePreviewAndClosesWithEscape) {
    int pages = 0;
    QString title;
    QString file;
    WhenShown<QPrintPreviewDialog>([&](QPrintPreviewDialog* dialog) {
        title = dialog->windowTitle();
        file = QFileInfo(dialog->printer()->outputFileName()).fileName();
        if (auto* preview = dialog->findChild<QPrintPreviewWidget*>()) pages = preview->pageCount();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    PressButton(button::Print);
    EXPECT_EQ(pages, 2);
    EXPECT_EQ(title, QStringLiteral("cold-room"));
    EXPECT_EQ(file, QStringLiteral("cold-room.pdf")); // what printing to a file proposes
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(std::count(platform.calls.begin(), platform.calls.end(), "printer dialog"), 0);
}

} // namespace
} // namespace tw
