// SPDX-License-Identifier: MIT
// The real window under the offscreen platform: keys typed into real widgets reach the
// model's handlers, and the widgets show what the model holds.
#include "gui/main_window.h"
#include "gui/qt_platform.h"
#include "support/installation.h"
#include "support/qt_test_platform.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QTableWidget>
#include <QTest>
#include <clocale>
#include <gtest/gtest.h>
#include <string>

namespace tw {
namespace {

class RealWindow : public ::testing::Test {
protected:
    test::Installation install;
    test::QtTestPlatform platform{install};
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

TEST_F(RealWindow, TypingIntoATextBoxStoresTheValueAndUpdatesLinkedFields) {
    Click(0);
    QLineEdit* room = Edit(frm.TEXTBOX[103].ref);
    ASSERT_NE(room, nullptr);
    room->setFocus();
    QApplication::processEvents();
    room->selectAll();
    QTest::keyClicks(room, "3x5");
    EXPECT_EQ(room->text(), QStringLiteral("35"));
    EXPECT_EQ(frm.GetFieldValue(103), "35");
    EXPECT_EQ(frm.GetFieldValue(501), "35");
    EXPECT_EQ(frm.GetFieldValue(12), "16");
    QTest::keyClick(room, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_NE(QApplication::focusWidget(), room);

    // A typed-over result carries the user's colour on its label.
    QLineEdit* runTime = Edit(frm.TEXTBOX[12].ref);
    runTime->setFocus();
    QApplication::processEvents();
    runTime->selectAll();
    QTest::keyClicks(runTime, "18");
    EXPECT_EQ(frm.LABEL[12].ForeColor, frm.OverrideColour);
    auto* label = qobject_cast<QLabel*>(window.WidgetOf(frm.LABEL[12].ref));
    EXPECT_EQ(label->palette().color(QPalette::WindowText).rgb() & 0xFFFFFF,
              static_cast<QRgb>(((frm.OverrideColour & 0xFF) << 16) |
                                (frm.OverrideColour & 0xFF00) |
                                ((frm.OverrideColour >> 16) & 0xFF)));
}

TEST_F(RealWindow, LengthsTypedIntoTheSixWallGridGiveTheFloorAreaAndTheBoxLoad) {
    Click(2);
    window.Dispatch([&] { frm.RADIO[201].SetValue(true); });
    auto* table = qobject_cast<QTableWidget*>(window.WidgetOf(frm.MSFlexGrid[200].ref));
    ASSERT_NE(table, nullptr);
    ASSERT_EQ(table->columnCount(), 10);
    auto typeCell = [&](int row, int col, const char* text) {
        QRect cell = table->visualRect(table->model()->index(row, col));
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
        QApplication::processEvents();
        QLineEdit* editor = Edit(frm.MSFlexText[200].ref);
        ASSERT_TRUE(editor->isVisible()) << row << "," << col;
        QTest::keyClicks(editor, text);
        QApplication::processEvents();
    };
    const std::string loadBefore = frm.GetFieldValue(214);
    typeCell(2, 2, "30");
    typeCell(2, 3, "20");
    typeCell(2, 5, "25");
    typeCell(2, 6, "15");
    typeCell(3, 2, "10");
    EXPECT_EQ(frm.GetCellValue(200, 2, 4), "10");
    EXPECT_EQ(frm.GetCellValue(200, 4, 8), "650");
    EXPECT_EQ(table->item(4, 8)->text(), QStringLiteral("650"));
    EXPECT_NE(frm.GetFieldValue(214), loadBefore);
}

TEST_F(RealWindow, ChoosingALanguageAndAColourSchemeRedressesTheWindowAtOnce) {
    Click(8);
    auto* caption = qobject_cast<QLabel*>(window.WidgetOf(frm.LABEL[103].ref));
    const QString english = caption->text();
    QLineEdit* language = Edit(frm.TEXTBOX[803].ref);
    language->setFocus();
    QApplication::processEvents();
    auto* list = qobject_cast<QListWidget*>(window.WidgetOf(frm.OPTIONLIST[803].ref));
    ASSERT_TRUE(list->isVisible());
    const auto found = list->findItems(QStringLiteral("deutsch."), Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    const QRect item = list->visualItemRect(found.front());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    QApplication::processEvents();
    EXPECT_NE(caption->text(), english);
    EXPECT_EQ(language->text(), QStringLiteral("deutsch."));

    window.Dispatch([&] { frm.ChooseColourScheme("night."); });
    const QColor background = window.WidgetOf(frm.FRAME[9].ref)->palette().color(QPalette::Window);
    EXPECT_LT(background.lightness(), 128);
}

// The window toolkit switches the C library to the user's locale at start; a decimal-comma
// machine must still read the tables and the job as written.
TEST_F(RealWindow, ADecimalCommaLocaleComputesTheSameLoads) {
    const std::string before = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "locale de_DE.UTF-8 missing";
    const QLocale qtBefore;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    test::Installation german;
    test::QtTestPlatform machine{german};
    FrmMain model{machine};
    MainWindow shown{model, machine};
    model.Form_Load("");
    shown.Dispatch([&] { model.Calculate(); });
    EXPECT_EQ(machine.DecimalSeparator(), ',');
    std::setlocale(LC_ALL, before.c_str());
    QLocale::setDefault(qtBefore);
    EXPECT_EQ(model.GetFieldValue(214), "2648");
    EXPECT_EQ(model.GetFieldValue(16), "8725");
    EXPECT_EQ(model.GetFieldValue(503), "9597");
}

} // namespace
} // namespace tw
