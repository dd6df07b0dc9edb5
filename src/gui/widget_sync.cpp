// SPDX-License-Identifier: MIT
// Bringing the widgets in line with the model: each control's state is compared with what was
// applied last, and only the widgets whose control changed are touched.
#include "gui/grid_table.h"
#include "gui/main_window.h"
#include "gui/qt_text.h"
#include "gui/shape_widget.h"
#include "names/grids.h"
#include "names/lists.h"
#include "shell/ansi.h"
#include "shell/numbers.h"

#include <QApplication>
#include <QCheckBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmapCache>
#include <QProgressBar>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTableWidget>
#include <QToolButton>
#include <algorithm>
#include <cmath>
#include <sstream>

namespace tw {

namespace {

void SetColours(QWidget* w, const Control& c, QPalette::ColorRole fore, QPalette::ColorRole back) {
    QPalette p = w->palette();
    p.setColor(fore, ToQColor(c.ForeColor));
    p.setColor(back, ToQColor(c.BackColor));
    w->setPalette(p);
}

// The round or square mark of an option or check box: a shade lighter than the control's
// background with the dot in its text colour, so on a dark scheme the chosen button never
// reads as the empty one (the style's white mark did).
void SetMarkColours(QWidget* w, const Control& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::Text, ToQColor(c.ForeColor));
    p.setColor(QPalette::Base, ToQColor(c.BackColor).lighter(170));
    w->setPalette(p);
}

QPixmap Picture(const std::string& path, int width, int height, bool stretch) {
    QPixmap pixmap;
    const QString key = Q(path);
    if (!QPixmapCache::find(key, &pixmap)) {
        pixmap.load(key);
        QPixmapCache::insert(key, pixmap);
    }
    if (stretch && !pixmap.isNull() && width > 0 && height > 0)
        return pixmap.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return pixmap;
}

// A drop-down is at least as wide as its longest item, so no item is cut and no sideways
// scroll bar appears; widened, it stays within its page, moving left where it must.
void WidenToItems(QListWidget* list) {
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QFontMetrics fm(list->font());
    int widest = 0;
    for (int i = 0; i < list->count(); ++i)
        widest = std::max(widest, fm.horizontalAdvance(list->item(i)->text()));
    int need = widest + 2 * list->frameWidth() + 8;
    if (list->count() * list->sizeHintForRow(0) > list->height() - 2 * list->frameWidth())
        need += list->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    QRect place = list->geometry();
    if (need <= place.width()) return;
    place.setWidth(need);
    if (const QWidget* page = list->parentWidget()) {
        const int right = page->width() - 4;
        if (place.right() > right) place.moveRight(std::max(right, place.width() - 1));
        if (place.left() < 0) place.moveLeft(0);
    }
    list->setGeometry(place);
}

// A number that does not fit its box is drawn smaller until it does, so a total never shows
// with digits cut off; the box being typed in keeps its font and scrolls as usual.
void FitNumber(QLineEdit* edit, bool typing) {
    if (typing || edit->text().isEmpty()) return;
    QStyleOptionFrame frame;
    frame.initFrom(edit);
    frame.rect = edit->rect();
    frame.lineWidth = edit->hasFrame()
                          ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, edit)
                          : 0;
    const QMargins margins = edit->textMargins();
    // The box keeps two pixels of its own on either side of the text.
    const int room =
        edit->style()->subElementRect(QStyle::SE_LineEditContents, &frame, edit).width() - 4 -
        margins.left() - margins.right();
    // Whole pixels: a fraction of a point less may draw no narrower.
    QFont font = edit->font();
    for (int pixels = QFontInfo(font).pixelSize();
         pixels > 1 && QFontMetrics(font).horizontalAdvance(edit->text()) > room; --pixels)
        font.setPixelSize(pixels - 1);
    if (font != edit->font()) edit->setFont(font);
}

// Everything of a control that its widget shows, as one text: the widget is touched only when
// this changes. `editing` is set for the control that has the focus.
std::string StateKey(Control& c, bool editing) {
    std::ostringstream key;
    key << c.Left << ',' << c.Top << ',' << c.Width << ',' << c.Height << ',' << c.Visible
        << c.Enabled << ',' << c.ForeColor << ',' << c.BackColor << ',' << c.Transparent << ','
        << c.FontSize << c.FontBold << ',' << c.Alignment << ',' << c.ToolTipText << '\x1f'
        << c.container.index << static_cast<int>(c.container.array) << '\x1f';
    if (auto* l = dynamic_cast<Label*>(&c))
        key << l->Caption() << l->WordWrap;
    else if (auto* t = dynamic_cast<TextBox*>(&c)) {
        key << t->Text() << t->Locked;
        // The field being edited shows the selection the model sets (a cell reached with
        // Enter is selected whole, so typing replaces it).
        if (editing) key << ',' << t->SelStart << ',' << t->SelLength;
    } else if (auto* lb = dynamic_cast<ListBox*>(&c)) {
        for (const auto& item : lb->Items())
            key << item << '\x1e';
        key << lb->ListIndex();
    } else if (auto* r = dynamic_cast<OptionButton*>(&c))
        key << r->Caption << r->Value();
    else if (auto* ch = dynamic_cast<CheckBox*>(&c))
        key << ch->Caption << ch->Value();
    else if (auto* f = dynamic_cast<Frame*>(&c))
        key << f->Caption;
    else if (auto* pb = dynamic_cast<PictureBox*>(&c))
        key << pb->Picture;
    else if (auto* im = dynamic_cast<Image*>(&c))
        key << im->Picture << im->Stretch;
    else if (auto* cb = dynamic_cast<CommandButton*>(&c))
        key << cb->Caption;
    else if (auto* s = dynamic_cast<Shape*>(&c))
        key << s->BorderColor << s->IsLine;
    else if (auto* p = dynamic_cast<ProgressBarControl*>(&c))
        key << p->Min << p->Max << p->Value;
    else if (auto* g = dynamic_cast<Grid*>(&c)) {
        key << g->Rows() << 'x' << g->Cols() << g->Row << g->Col << ',' << g->FixedCols << ','
            << g->LeftCol << ',' << g->BackColor << ',' << g->ForeColor << ',' << g->BackColorFixed
            << ',' << g->ForeColorFixed << ',' << g->BackColorBkg << ',' << g->BackColorSel << ','
            << g->ForeColorSel << ',' << g->GridColor;
        for (int r = 0; r < g->Rows(); ++r) {
            key << g->RowHeight(r) << ';';
            for (int col = 0; col < g->Cols(); ++col) {
                const GridCell& cell = g->Cell(r, col);
                key << cell.text << '\x1e' << cell.fore << cell.back;
            }
        }
        for (int col = 0; col < g->Cols(); ++col)
            key << g->ColWidth(col) << ';';
    }
    return key.str();
}

} // namespace

void MainWindow::Sync() {
    if (syncing_) return;
    syncing_ = true;
    if (frm_.LanguageLocale != appliedLocale_) LoadToolkitTranslations(frm_.LanguageLocale);
    std::vector<std::pair<int, QWidget*>> raised;
    for (auto& [ref, b] : bindings_) {
        Control& c = frm_.Get(ref);
        Apply(b);
        if (c.ZOrder != b.appliedZ) {
            b.appliedZ = c.ZOrder;
            raised.push_back({c.ZOrder, b.widget});
        }
    }
    std::sort(raised.begin(), raised.end(), [](auto& a, auto& b) { return a.first < b.first; });
    for (auto& [z, w] : raised)
        w->raise();
    PlaceOnCells();
    const std::string title = frm_.Window.Caption;
    if (windowTitle() != Q(title)) setWindowTitle(Q(title));
    SyncFocus();
    update();
    syncing_ = false;
}

void MainWindow::Apply(Binding& b) {
    Control& c = frm_.Get(b.ref);
    std::string state = StateKey(c, frm_.HasFocus() && frm_.ActiveControl() == c.ref);
    if (state == b.applied) return;
    b.applied = std::move(state);
    ApplyPlace(b.widget, c);
    ApplyContent(b, c);
    b.widget->setVisible(c.Visible);
}

// Parent, geometry, enabled state, tool tip and font, alike for every kind of control.
void MainWindow::ApplyPlace(QWidget* w, const Control& c) {
    QWidget* parent = ParentOf(c);
    if (w->parentWidget() != parent) w->setParent(parent);
    w->setGeometry(Px(c.Left), Px(c.Top), Px(c.Width), Px(c.Height));
    w->setEnabled(c.Enabled);
    QString tip = Q(c.ToolTipText);
    if (c.ref.array == ArrayId::BUTT) {
        const QString keys = ShortcutText(c.ref.index);
        if (!keys.isEmpty()) tip = tip.isEmpty() ? keys : tip + QStringLiteral(" (") + keys + ')';
    }
    w->setToolTip(tip);
    QFont font = ZoomedFont(c.FontSize, c.FontBold);
    if (c.ref.array == ArrayId::HYPERLINK) font.setUnderline(true);
    w->setFont(font);
}

// What the control of its kind shows: texts, items, values, pictures, colours.
void MainWindow::ApplyContent(Binding& b, Control& c) {
    QWidget* w = b.widget;
    const Qt::Alignment align = c.Alignment == 1   ? Qt::AlignRight | Qt::AlignVCenter
                                : c.Alignment == 2 ? Qt::AlignHCenter | Qt::AlignVCenter
                                                   : Qt::AlignLeft | Qt::AlignVCenter;

    if (auto* l = dynamic_cast<Label*>(&c)) {
        auto* label = static_cast<QLabel*>(w);
        label->setText(Q(l->Caption()));
        label->setWordWrap(l->WordWrap);
        label->setAlignment(l->WordWrap ? Qt::AlignLeft | Qt::AlignTop : align);
        label->setAutoFillBackground(!c.Transparent);
        SetColours(label, c, QPalette::WindowText, QPalette::Window);
    } else if (auto* t = dynamic_cast<TextBox*>(&c)) {
        auto* edit = static_cast<QLineEdit*>(w);
        if (edit->text() != Q(t->Text())) edit->setText(Q(t->Text()));
        const int start = ToQtPosition(t->Text(), t->SelStart);
        const int end = ToQtPosition(t->Text(), t->SelStart + t->SelLength);
        if (frm_.HasFocus() && frm_.ActiveControl() == c.ref && end > start)
            edit->setSelection(start, end - start);
        else
            edit->setCursorPosition(end);
        edit->setAlignment(align);
        edit->setReadOnly(t->Locked);
        SetColours(edit, c, QPalette::Text, QPalette::Base);
        if (c.ref.array == ArrayId::TEXTBOX && frm_.LABEL.Exists(c.ref.index) &&
            frm_.LABEL[c.ref.index].Tag == "Number")
            FitNumber(edit, frm_.HasFocus() && frm_.ActiveControl() == c.ref);
    } else if (auto* lb = dynamic_cast<ListBox*>(&c)) {
        auto* list = static_cast<QListWidget*>(w);
        QSignalBlocker block(list);
        const int shownRow = list->currentRow();
        list->clear();
        for (const auto& item : lb->Items())
            list->addItem(Q(item));
        list->setCurrentRow(HighlightedRow(b, *lb, shownRow));
        SetColours(list, c, QPalette::Text, QPalette::Base);
        WidenToItems(list);
    } else if (auto* r = dynamic_cast<OptionButton*>(&c)) {
        auto* radio = static_cast<QRadioButton*>(w);
        QSignalBlocker block(radio);
        radio->setText(Q(r->Caption));
        radio->setChecked(r->Value());
        SetColours(radio, c, QPalette::WindowText, QPalette::Window);
        SetMarkColours(radio, c);
    } else if (auto* ch = dynamic_cast<CheckBox*>(&c)) {
        auto* check = static_cast<QCheckBox*>(w);
        QSignalBlocker block(check);
        check->setText(Q(ch->Caption));
        check->setChecked(ch->Value() != 0);
        SetColours(check, c, QPalette::WindowText, QPalette::Window);
        SetMarkColours(check, c);
    } else if (auto* f = dynamic_cast<Frame*>(&c)) {
        if (auto* group = qobject_cast<QGroupBox*>(w)) group->setTitle(Q(f->Caption));
        w->setAutoFillBackground(!c.Transparent);
        SetColours(w, c, QPalette::WindowText, QPalette::Window);
    } else if (auto* pb = dynamic_cast<PictureBox*>(&c)) {
        if (auto* label = qobject_cast<QLabel*>(w)) {
            label->setAlignment(Qt::AlignCenter);
            QPixmap picture = Picture(pb->Picture, Px(c.Width), Px(c.Height), false);
            // Arrows and links grow with the zoom, drawn smoothly.
            if (Zoom() != 1.0 && !picture.isNull())
                picture = picture.scaled(picture.size() * Zoom(), Qt::KeepAspectRatio,
                                         Qt::SmoothTransformation);
            label->setPixmap(picture);
        }
        w->setAutoFillBackground(!c.Transparent);
        SetColours(w, c, QPalette::WindowText, QPalette::Window);
    } else if (auto* im = dynamic_cast<Image*>(&c)) {
        auto* label = static_cast<QLabel*>(w);
        label->setPixmap(Picture(im->Picture, Px(c.Width), Px(c.Height), im->Stretch));
    } else if (auto* cb = dynamic_cast<CommandButton*>(&c)) {
        static_cast<QToolButton*>(w)->setText(Q(cb->Caption));
    } else if (auto* s = dynamic_cast<Shape*>(&c)) {
        static_cast<ShapeWidget*>(w)->SetShape(ToQColor(s->BorderColor), s->IsLine);
        if (s->IsLine) w->setGeometry(Px(c.Left), Px(c.Top), Px(c.Width), 1);
    } else if (auto* p = dynamic_cast<ProgressBarControl*>(&c)) {
        auto* bar = static_cast<QProgressBar*>(w);
        bar->setRange(p->Min, p->Max);
        bar->setValue(p->Value);
    } else if (auto* g = dynamic_cast<Grid*>(&c)) {
        ApplyGrid(w, *g);
    }
}

int MainWindow::HighlightedRow(Binding& b, const ListBox& list, int shownRow) {
    // A drop-down opens on the value its cell or field shows (else a field's list on its
    // position, else on the first item), highlighted on screen only: the list's position in the
    // model changes when an item is taken. While it stays open, the highlight stays where the keys
    // moved it.
    const int n = b.ref.index;
    if (b.ref.array != ArrayId::OPTIONLIST) return list.ListIndex();
    if (!list.Visible) {
        b.openedOn = {-1, -1};
        return list.ListIndex();
    }
    const int g = list::OverProductGrid(n)   ? grid::Products
                  : list::OverSurfaceGrid(n) ? grid::Surfaces
                                             : 0;
    std::pair<int, int> place{0, 0};
    std::string value;
    if (g != 0 && frm_.MSFlexGrid.Exists(g)) {
        const Grid& grid = frm_.MSFlexGrid[g];
        if (grid.Row >= grid.Rows() || grid.Col >= grid.Cols()) return list.ListIndex();
        place = {grid.Row, grid.Col};
        value = grid.TextMatrix(grid.Row, grid.Col);
    } else if (frm_.TEXTBOX.Exists(n)) {
        value = frm_.TEXTBOX[n].Text();
    } else {
        return list.ListIndex();
    }
    if (place == b.openedOn) return shownRow;
    b.openedOn = place;
    const auto& items = list.Items();
    const auto found = std::find(items.begin(), items.end(), value);
    if (found != items.end()) return static_cast<int>(found - items.begin());
    if (g == 0 && list.ListIndex() >= 0) return list.ListIndex();
    return items.empty() ? -1 : 0;
}

std::string MainWindow::ShownCellText(Grid& g, int row, int col) {
    const std::string& text = g.Cell(row, col).text;
    if (col < grid::FirstItemCol || row < g.FixedRows || !frm_.UnitGrid.Exists(g.ref.index))
        return text;
    // Areas and volumes show at most two decimals; the cell keeps every digit for the loads.
    const std::string kind = UpperCase(frm_.RowUnitKind(g.ref.index, row));
    if (kind != "AREA" && kind != "VOLUME") return text;
    const auto value = ParseNumber(text, frm_.Decimal());
    if (!value || !std::isfinite(*value)) return text;
    return FormatNumber(Int(*value * 100 + 0.5) / 100, frm_.Decimal(), 12);
}

void MainWindow::ApplyGrid(QWidget* widget, Grid& g) {
    auto* table = static_cast<QTableWidget*>(widget);
    QSignalBlocker block(table);
    // The empty area, the grid lines and the current cell follow the scheme too.
    QPalette palette = table->palette();
    palette.setColor(QPalette::Base, ToQColor(g.BackColorBkg));
    palette.setColor(QPalette::Window, ToQColor(g.BackColorBkg));
    palette.setColor(QPalette::Text, ToQColor(g.ForeColor));
    palette.setColor(QPalette::Mid, ToQColor(g.GridColor));
    // The scroll bars belong to the grid: their groove and handle take its colours.
    palette.setColor(QPalette::Button, ToQColor(g.BackColorBkg));
    palette.setColor(QPalette::Dark, ToQColor(g.GridColor));
    palette.setColor(QPalette::Highlight, ToQColor(g.BackColorSel));
    palette.setColor(QPalette::HighlightedText, ToQColor(g.ForeColorSel));
    table->setPalette(palette);
    table->setRowCount(g.Rows());
    table->setColumnCount(g.Cols());
    table->setGridStyle(Qt::SolidLine);
    for (int r = 0; r < g.Rows(); ++r) {
        table->setRowHeight(r, Px(g.RowHeight(r)));
        for (int col = 0; col < g.Cols(); ++col) {
            const GridCell& cell = g.Cell(r, col);
            auto* item = table->item(r, col);
            if (!item) {
                item = new QTableWidgetItem;
                table->setItem(r, col, item);
            }
            item->setText(Q(ShownCellText(g, r, col)));
            const bool fixed = r < g.FixedRows || col < g.FixedCols;
            Colour back = cell.back != kNoColour ? cell.back
                          : fixed                ? g.BackColorFixed
                                                 : g.BackColor;
            Colour fore = cell.fore != kNoColour ? cell.fore
                          : fixed                ? g.ForeColorFixed
                                                 : g.ForeColor;
            item->setBackground(ToQColor(back));
            item->setForeground(ToQColor(fore));
            item->setTextAlignment(fixed ? Qt::AlignLeft | Qt::AlignVCenter
                                         : Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    std::vector<int> widths;
    for (int col = 0; col < g.Cols(); ++col)
        widths.push_back(Px(g.ColWidth(col)));
    auto* grid = static_cast<GridTable*>(table);
    grid->SetColumns(g.FixedCols, widths);
    if (g.Rows() > 0 && g.Cols() > 0) table->setCurrentCell(g.Row, g.Col);
    // The first scrollable column is the model's; the table scrolls to it.
    grid->SetLeftColumn(g.LeftCol);
}

void MainWindow::PlaceOnCells() {
    // The table on screen scrolls on its own: the in-cell editor and the cell lists go where
    // the cell is now, not where the model's unscrolled layout puts it.
    for (auto& [g, grid] : frm_.MSFlexGrid) {
        auto* table = qobject_cast<QTableWidget*>(WidgetOf(grid.ref));
        if (!table || !grid.Visible || grid.Row >= table->rowCount() ||
            grid.Col >= table->columnCount())
            continue;
        const QRect cell = table->visualRect(table->model()->index(grid.Row, grid.Col));
        const QPoint corner = table->viewport()->mapToGlobal(cell.topLeft());
        auto place = [&](const Control& c, bool sized) {
            QWidget* w = WidgetOf(c.ref);
            if (!c.Visible || !w || !w->parentWidget()) return;
            QPoint at = w->parentWidget()->mapFromGlobal(corner);
            if (sized) {
                w->resize(cell.size());
            } else {
                // A list stays whole within its page, moving left or up where it must.
                const QSize room = w->parentWidget()->size();
                at.setX(std::clamp(at.x(), 0, std::max(0, room.width() - w->width())));
                at.setY(std::clamp(at.y(), 0, std::max(0, room.height() - w->height())));
            }
            w->move(at);
        };
        if (frm_.MSFlexText.Exists(g)) place(frm_.MSFlexText[g], true);
        for (int n : {g + 1, g + 2, g + 6})
            if (frm_.OPTIONLIST.Exists(n)) place(frm_.OPTIONLIST[n], false);
    }
}

void MainWindow::SyncFocus() {
    if (!frm_.HasFocus()) return;
    QWidget* wanted = WidgetOf(frm_.ActiveControl());
    if (!wanted || !wanted->isVisible() || QApplication::focusWidget() == wanted) return;
    wanted->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(wanted)) {
        auto& box = static_cast<TextBox&>(frm_.Get(frm_.ActiveControl()));
        const std::string& text = box.Text();
        int start = ToQtPosition(text, box.SelStart);
        int end = ToQtPosition(text, box.SelStart + box.SelLength);
        edit->setSelection(start, end - start);
    }
}

} // namespace tw
