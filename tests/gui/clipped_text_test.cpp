// SPDX-License-Identifier: MIT
// Every text of every page, in every shipped language, fits its control at the designed size
// and zoomed: measured with the fonts the window draws with.
#include "support/real_window.h"

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>
#include <set>
#include <sstream>

namespace tw {
namespace {

struct Clipped : test::RealWindow, ::testing::WithParamInterface<const char*> {
    std::set<std::string> found;

    void Report(const QWidget* w, const QString& text, int need, int room) {
        std::ostringstream line;
        line << '"' << text.toStdString() << "\" needs " << need << " px, has " << room << " ("
             << w->metaObject()->className() << ")";
        found.insert(line.str());
    }
    void Fits(const QWidget* w, const QString& text, int need, int room) {
        if (!text.trimmed().isEmpty() && need > room) Report(w, text, need, room);
    }
    // A wrapped text fits when no word is wider than the control and all its lines are in
    // view; a line may break after a hyphen or at a soft hyphen.
    void FitsWrapped(const QWidget* w, const QString& text, int width, int height) {
        const QFontMetrics fm(w->font());
        for (const QString& word : text.split(
                 QRegularExpression(QStringLiteral("[ \\x{00AD}]|(?<=-)")), Qt::SkipEmptyParts))
            Fits(w, word, fm.horizontalAdvance(word), width);
        const int need = fm.boundingRect(0, 0, width, 100000, Qt::TextWordWrap, text).height();
        Fits(w, text, need, height);
    }

    void Check(QWidget* w) {
        const QFontMetrics fm(w->font());
        if (auto* label = qobject_cast<QLabel*>(w)) {
            if (label->text().isEmpty() || !label->isVisibleTo(&window)) return;
            const QRect room = label->contentsRect();
            if (label->wordWrap())
                FitsWrapped(w, label->text(), room.width(), room.height());
            else
                Fits(w, label->text(), fm.horizontalAdvance(label->text()), room.width());
        } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
            // The box keeps two pixels of its own on either side of the text.
            if (edit->isVisibleTo(&window))
                Fits(w, edit->text(), fm.horizontalAdvance(edit->text()), edit->width() - 4);
        } else if (auto* tool = qobject_cast<QToolButton*>(w)) {
            if (tool->isVisibleTo(&window))
                Fits(w, tool->text(), fm.horizontalAdvance(tool->text()), tool->width() - 2);
        } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
            if (button->isVisibleTo(&window))
                Fits(w, button->text(), button->sizeHint().width(), button->width());
        } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
            if (group->isVisibleTo(&window))
                Fits(w, group->title(), fm.horizontalAdvance(group->title()) + 8, group->width());
        } else if (auto* list = qobject_cast<QListWidget*>(w)) {
            // Drop-downs are checked shown or not: each item within the list's inner width.
            int room = list->width() - 2 * list->frameWidth() - 6;
            if (list->count() * list->sizeHintForRow(0) > list->height() - 2 * list->frameWidth())
                room -= list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
            for (int i = 0; i < list->count(); ++i)
                Fits(w, list->item(i)->text(), fm.horizontalAdvance(list->item(i)->text()), room);
        } else if (auto* table = qobject_cast<QTableWidget*>(w)) {
            if (!table->isVisibleTo(&window)) return;
            // The fixed columns stand in a view of their own over the table's row header.
            auto* fixed = table->findChild<QTableView*>();
            auto width = [&](int c) {
                return table->isColumnHidden(c) && fixed ? fixed->columnWidth(c)
                                                         : table->columnWidth(c);
            };
            for (int r = 0; r < table->rowCount(); ++r)
                for (int c = 0; c < table->columnCount(); ++c) {
                    auto* item = table->item(r, c);
                    const bool heading = r < 2 || c < 2;
                    if (item && heading)
                        Fits(w, item->text(), fm.horizontalAdvance(item->text()) + 6, width(c));
                }
        }
    }

    void CheckPage(int button) {
        Click(button);
        for (QWidget* w : window.findChildren<QWidget*>())
            Check(w);
    }

    // Every hint a field, option or grid row can show, in the hint box.
    void CheckHints() {
        QWidget* box = window.WidgetOf(frm.HINTBOX.ref);
        const int width = box->contentsRect().width();
        const int height = box->contentsRect().height();
        for (auto& [n, text] : frm.TEXTBOX)
            FitsWrapped(box, QString::fromStdString(text.LinkItem), width, height);
        for (auto& [n, radio] : frm.RADIO)
            FitsWrapped(box, QString::fromStdString(radio.Tag), width, height);
        for (int g : {200, 300})
            for (const auto& hint : frm.MSFlexHints[g].Items())
                FitsWrapped(box, QString::fromStdString(hint), width, height);
    }
};

TEST_P(Clipped, NoTextIsCutOffOnAnyPageAtTheDesignedSizeOrZoomed) {
    window.Dispatch([&] { frm.ChooseLanguage(GetParam()); });
    for (QSize size : {QSize(640, 480), QSize(1100, 780)}) {
        window.resize(size);
        QApplication::processEvents();
        for (int button = 0; button <= 8; ++button)
            CheckPage(button);
        CheckHints();
        std::string all;
        for (const auto& line : found)
            all += line + "\n";
        EXPECT_EQ(all, "") << "at " << size.width() << "x" << size.height();
        found.clear();
    }
}

INSTANTIATE_TEST_SUITE_P(ShippedLanguages, Clipped, ::testing::Values("default", "deutsch"));

} // namespace
} // namespace tw
