// SPDX-License-Identifier: MIT
// The real window under the offscreen platform, started on the template job in a scratch
// installation: the fixture every window test shares.
#pragma once

#include "gui/main_window.h"
#include "gui/qt_platform.h"
#include "gui/qt_text.h"
#include "shell/numbers.h"
#include "support/installation.h"
#include "support/qt_test_platform.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTableWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <string>

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
    QTableWidget* Table(int grid) {
        return qobject_cast<QTableWidget*>(window.WidgetOf(frm.MSFlexGrid[grid].ref));
    }
    // A press of the mouse on a widget of the window, as a user makes it.
    void Press(QWidget* widget, QPoint at = {}) {
        ASSERT_NE(widget, nullptr);
        ASSERT_TRUE(widget->isVisible());
        QTest::mouseClick(widget, Qt::LeftButton, {}, at.isNull() ? widget->rect().center() : at);
        QApplication::processEvents();
    }
    void PressButton(int button) { Press(window.WidgetOf(frm.BUTT[button].ref)); }
    void Key(QWidget* widget, int key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(widget, static_cast<Qt::Key>(key), modifiers);
        QApplication::processEvents();
    }
    // Clicks a cell of a grid on screen; the in-cell editor then holds the focus.
    QLineEdit* PressCell(int grid, int row, int col) {
        QTableWidget* table = Table(grid);
        table->scrollTo(table->model()->index(row, col));
        Press(table->viewport(), table->visualRect(table->model()->index(row, col)).center());
        return Edit(frm.MSFlexText[grid].ref);
    }
    // Types over the whole text of a field, as Ctrl+A and typing do.
    void TypeOver(QLineEdit* edit, const char* text) {
        Key(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(edit, text);
        QApplication::processEvents();
    }
    // Opens a field's drop-down list with a click and clicks one of its items.
    void Choose(int field, const char* item) {
        Press(Edit(frm.TEXTBOX[field].ref));
        auto* list = qobject_cast<QListWidget*>(window.WidgetOf(frm.OPTIONLIST[field].ref));
        ASSERT_TRUE(list && list->isVisible()) << field;
        const auto found = list->findItems(QString::fromUtf8(item), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << item;
        Press(list->viewport(), list->visualItemRect(found.front()).center());
    }
    double Number(const std::string& text) { return ParseNumber(text, frm.Decimal()).value_or(0); }
    double Field(int n) { return Number(frm.GetFieldValue(n)); }
};

} // namespace tw::test
