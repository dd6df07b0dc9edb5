// SPDX-License-Identifier: MIT
// The update in the real window: while a file arrives byte by byte the window keeps handling
// events, and a real click on Cancel gives the download up and changes nothing.
#include "shell/text_file.h"
#include "support/real_window.h"
#include "support/release_server.h"
#include "update/publish.h"

#include <QTimer>
#include <QWidget>

namespace tw {
namespace {

namespace fs = std::filesystem;
using test::RealWindow;

TEST_F(RealWindow, CancelPressedDuringADownloadStopsItAndChangesNothing) {
    fs::copy_file(test::TestKeys() / "publisher.pub", install.OpData() / "update.pub",
                  fs::copy_options::overwrite_existing);
    install.WriteFile("Updates/Installed.ver",
                      "help.html\topdata\topdata\t2020-01-01T00:00:00Z\r\n");
    install.WriteFile("release/opdata/help.html", std::string(4000, 'x'));
    const fs::path out = install.Folder() / "server/tarnwell";
    ASSERT_FALSE(PublishRelease(install.Folder() / "release", out).failed);
    ASSERT_TRUE(test::RunCommand(
        "minisign -S -W -s " + (test::TestKeys() / "publisher.key").string() + " -m " +
        (out / "Newest.ver").string() + " " + (out / "SHA256SUMS").string()));
    test::ReleaseServer server(install.Folder() / "server", install.Folder() / "faults.json");
    server.SetFault("/tarnwell/opdata/help.html", "trickle");
    frm.UpdateUrl = server.Address("tarnwell/");
    const std::string help = ReadFileBytes(install.OpData() / "help.html").value_or("");

    // Every 30 ms, as the window's thread lets events run: once bytes have arrived, a click on
    // the Cancel button on screen.
    bool clicked = false;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget* cancel = window.WidgetOf(frm.UpdateCancel.ref);
        if (!clicked && cancel && cancel->isVisible() && frm.ProgressBar.Value > 0) {
            clicked = true;
            QTest::mouseClick(cancel, Qt::LeftButton);
        }
    });
    timer.start(30);
    PressButton(8); // the page with the update button
    PressButton(20);
    timer.stop();

    // The click could only come through while the window kept handling events mid-download.
    EXPECT_TRUE(clicked);
    EXPECT_FALSE(frm.Updates.Busy());
    EXPECT_EQ(ReadFileBytes(install.OpData() / "help.html").value_or(""), help);
    EXPECT_FALSE(fs::exists(install.Folder() / "Updates/opdata"));
    EXPECT_FALSE(window.WidgetOf(frm.UpdateCancel.ref)->isVisible());
    EXPECT_FALSE(window.WidgetOf(frm.ProgressBar.ref)->isVisible());
}

} // namespace
} // namespace tw
