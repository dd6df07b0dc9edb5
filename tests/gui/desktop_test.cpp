// SPDX-License-Identifier: MIT
// The window as a desktop program: the usual keys run the menu commands, saving names the
// file in the title and asks once before overwriting, and closing with unsaved changes offers
// Save, Discard and Cancel in the program's language.
#include "names/buttons.h"
#include "support/real_window.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QFontMetrics>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace tw {
namespace {

struct Desktop : test::RealWindow {
    std::string JobPath(const char* name) { return (install.Folder() / name).string(); }
    void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        platform.calls.clear();
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &window,
                        static_cast<Qt::Key>(key), modifiers);
        QApplication::processEvents();
    }
    // Types into the room temperature, which marks the job changed.
    void Edit() {
        Click(0);
        QLineEdit* room = Edit(frm.TEXTBOX[103].ref);
        room->setFocus();
        QApplication::processEvents();
        QTest::keyClicks(room, "1");
    }
    using test::RealWindow::Edit;
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
};

TEST_F(Desktop, EachMenuKeyRunsItsCommandFromAnyField) {
    Click(0);
    Edit(frm.TEXTBOX[103].ref)->setFocus();
    QApplication::processEvents();
    const struct {
        int key;
        Qt::KeyboardModifiers modifiers;
        const char* call;
    } cases[] = {
        {Qt::Key_S, Qt::ControlModifier, "save dialog"}, // no file of its own yet
        {Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier, "save dialog"},
        {Qt::Key_O, Qt::ControlModifier, "open dialog"},
        {Qt::Key_P, Qt::ControlModifier, "printer dialog"},
        {Qt::Key_F1, Qt::NoModifier, "open help.html"},
    };
    for (const auto& c : cases) {
        Press(c.key, c.modifiers);
        EXPECT_EQ(platform.calls, std::vector<std::string>{c.call}) << c.call;
        EXPECT_FALSE(frm.JobModified) << c.call;
    }
    EXPECT_EQ(qobject_cast<QWidget*>(window.WidgetOf(frm.BUTT[button::SaveJob].ref))->toolTip(),
              QString::fromStdString(frm.BUTT[button::SaveJob].ToolTipText) +
                  QStringLiteral(" (Ctrl+S, Ctrl+Shift+S)"));

    frm.CurrentJobFile = JobPath("old.wic");
    Press(Qt::Key_N, Qt::ControlModifier);
    EXPECT_EQ(frm.CurrentJobFile, "");
    Press(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(Desktop, CtrlSSavesToTheJobsOwnFileAndSaveAsAsksOnceBeforeOverwriting) {
    const std::string path = JobPath("cold-room.wic");
    platform.files = {path};
    Press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    ASSERT_TRUE(std::filesystem::exists(path));
    EXPECT_NE(window.windowTitle().indexOf(QStringLiteral("cold-room.wic")), -1);

    Edit();
    ASSERT_TRUE(frm.JobModified);
    const std::string before = Read(path);
    Press(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(platform.calls, std::vector<std::string>{}); // no dialog, no question
    EXPECT_FALSE(frm.JobModified);
    EXPECT_NE(Read(path), before);

    platform.files = {path};
    Press(Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(platform.calls, (std::vector<std::string>{"save dialog", "message 4"}));
}

// Closing with unsaved changes, in German: Qt's question box with the question icon and
// its own buttons in the program's language.
struct CloseQuestion : Desktop, ::testing::WithParamInterface<QMessageBox::StandardButton> {};

TEST_P(CloseQuestion, SaveSavesAndClosesDiscardClosesCancelKeepsTheWindow) {
    ASSERT_FALSE(frm.JobModified);
    window.Dispatch([&] { frm.ChooseLanguage("deutsch"); });
    EXPECT_FALSE(frm.JobModified); // a language is no change to the job
    const std::string path = JobPath("kept.wic");
    window.Dispatch([&] { frm.JobFileSave(path); });
    Edit();
    ASSERT_TRUE(frm.JobModified);
    platform.realBoxes = true;

    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        answer.stop();
        icon = box->icon();
        for (QAbstractButton* b : box->buttons())
            buttons << b->text().remove('&');
        box->button(GetParam())->click();
    });
    answer.start(10);
    const bool closed = window.close();
    buttons.sort();
    EXPECT_EQ(icon, QMessageBox::Question);
    EXPECT_EQ(buttons, (QStringList{"Abbrechen", "Speichern", "Verwerfen"}));
    EXPECT_EQ(closed, GetParam() != QMessageBox::Cancel);
    EXPECT_EQ(frm.JobModified, GetParam() != QMessageBox::Save);
}

INSTANTIATE_TEST_SUITE_P(Answers, CloseQuestion,
                         ::testing::Values(QMessageBox::Save, QMessageBox::Discard,
                                           QMessageBox::Cancel));

// Tab walks down each column of a page and then the next column, every field on the way.
// A load far beyond any cold room still shows every digit of the total.
TEST_F(Desktop, AHugeTotalIsShownWholeInItsField) {
    PressButton(4);
    QLineEdit* lighting = Edit(frm.TEXTBOX[401].ref);
    test::RealWindow::Press(lighting);
    TypeOver(lighting, "90000000000");
    Click(0);
    QLineEdit* total = Edit(frm.TEXTBOX[16].ref);
    ASSERT_GE(frm.TEXTBOX[16].Text().size(), 11u) << frm.TEXTBOX[16].Text();
    EXPECT_EQ(total->text().toStdString(), frm.TEXTBOX[16].Text());
    EXPECT_LE(QFontMetrics(total->font()).horizontalAdvance(total->text()), total->width() - 4);
    // Drawn smaller than the fields that fit.
    EXPECT_LT(QFontInfo(total->font()).pixelSize(),
              QFontInfo(Edit(frm.TEXTBOX[103].ref)->font()).pixelSize());
}

// Metric areas on screen: 20 ft × 8 ft = 6.096 m × 2.438 m = 14.862048 m², shown as 14.86.
TEST_F(Desktop, MetricAreasShowTwoDecimals) {
    PressButton(8);
    test::RealWindow::Press(window.WidgetOf(frm.RADIO[841].ref));
    ASSERT_TRUE(frm.RADIO[841].Value());
    Click(2);
    // In the machine's own decimal separator.
    auto local = [&](std::string text) {
        std::replace(text.begin(), text.end(), '.', frm.Decimal());
        return text;
    };
    ASSERT_EQ(frm.MSFlexGrid[200].TextMatrix(4, 2), local("14.862048"));
    EXPECT_EQ(Table(200)->item(4, 2)->text().toStdString(), local("14.86"));
    EXPECT_EQ(Table(200)->item(2, 2)->text().toStdString(), local("6.096"));
}

TEST_F(Desktop, TabWalksThePageColumnByColumn) {
    const struct {
        int button;
        std::vector<int> fields;
    } pages[] = {
        {0, {0, 1, 2, 3, 4, 5, 110, 101, 105, 106, 102, 103, 12, 13, 14, 15, 16}},
        {4, {400, 401, 402, 423, 403, 405, 406, 407, 408, 409, 422, 410, 411, 412}},
    };
    for (const auto& page : pages) {
        Click(page.button);
        Edit(frm.TEXTBOX[page.fields.front()].ref)->setFocus();
        QApplication::processEvents();
        std::vector<int> walked;
        for (std::size_t k = 0; k < page.fields.size(); ++k) {
            auto* edit = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            int field = -1;
            for (auto& [n, box] : frm.TEXTBOX)
                if (window.WidgetOf(box.ref) == edit) field = n;
            walked.push_back(field);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QApplication::processEvents();
        }
        EXPECT_EQ(walked, page.fields) << "page of button " << page.button;
    }
}

} // namespace
} // namespace tw
