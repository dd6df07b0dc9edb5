// SPDX-License-Identifier: MIT
// The real window under the offscreen platform, started on the template job in a scratch
// installation: the fixture every window test shares.
#pragma once

#include "gui/main_window.h"
#include "gui/qt_platform.h"
#include "gui/qt_text.h"
#include "support/installation.h"
#include "support/qt_test_platform.h"

#include <QApplication>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace tw::test {

class RealWindow : public ::testing::Test {
protected:
    Installation install;
    QtTestPlatform platform{install};
    FrmMain frm{platform};
    MainWindow window{frm, platform};

    void SetUp() override {
        frm.Form_Load("");
        window.ApplyWindowGeometry();
        window.Sync();
        window.show();
        QApplication::processEvents();
    }
    void Click(int button) {
        window.Dispatch([&] { frm.BUTT_Click(button); });
        QApplication::processEvents();
    }
    QLineEdit* Edit(ControlRef ref) { return qobject_cast<QLineEdit*>(window.WidgetOf(ref)); }
};

} // namespace tw::test
