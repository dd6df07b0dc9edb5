// SPDX-License-Identifier: MIT
#include "gui/main_window.h"

#include "gui/grid_table.h"
#include "gui/qt_text.h"
#include "gui/shape_widget.h"
#include "names/buttons.h"
#include "shell/numbers.h"
#include "ui/layout.h"
#include "ui/window_design.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QPainter>
#include <QPixmapCache>
#include <QProgressBar>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QTableWidget>
#include <QThread>
#include <QToolButton>
#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace tw {

namespace {

// The classic key codes of the keys the handlers look at.
int KeyCode(int qtKey) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 65 + (qtKey - Qt::Key_A);
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return 48 + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12) return 112 + (qtKey - Qt::Key_F1);
    switch (qtKey) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Delete:
        return 46;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    default:
        return 0;
    }
}

int ShiftState(Qt::KeyboardModifiers m) {
    return (m & Qt::ShiftModifier ? 1 : 0) | (m & Qt::ControlModifier ? 2 : 0) |
           (m & Qt::AltModifier ? 4 : 0);
}

// The character a key press delivers: printable text, or the control codes of Enter, Escape,
// Backspace and Ctrl+letter.
int KeyAscii(const QKeyEvent* key) {
    int code = KeyCode(key->key());
    if (code == 13 || code == 27 || code == 8) return code;
    if ((key->modifiers() & Qt::ControlModifier) && code >= 65 && code <= 90) return code - 64;
    const QString text = key->text();
    if (text.isEmpty() || text.at(0).unicode() < 32) return 0;
    return static_cast<int>(text.toUcs4().value(0));
}

// Hands the events of every widget of the application to a function before they arrive.
class EventHook : public QObject {
public:
    explicit EventHook(std::function<bool(QObject*, QEvent*)> f) : f_(std::move(f)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override { return f_(watched, event); }

private:
    std::function<bool(QObject*, QEvent*)> f_;
};

bool HasNoWidget(ArrayId a) {
    return a == ArrayId::OPTIONVALUE || a == ArrayId::MSFlexRowType || a == ArrayId::MSFlexHints ||
           a == ArrayId::UnitGrid || a == ArrayId::SIZER || a == ArrayId::WrapBox ||
           a == ArrayId::Timer1;
}

} // namespace

MainWindow::MainWindow(FrmMain& frm, QtPlatform& platform) : frm_(frm), platform_(platform) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    // The window takes keys when no control has them, but Tab never stops on it.
    setFocusPolicy(Qt::ClickFocus);
    platform_.SetBeforeEvents([this] { Sync(); });
    CreateWidgets();
    CreateShortcuts();
    // Presses are looked at before focus handling and before the widget under the mouse sees
    // them, so a press that closes an open list can stop there.
    pressHook_ = std::make_unique<EventHook>([this](QObject* watched, QEvent* event) {
        const QEvent::Type type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
            type != QEvent::MouseButtonDblClick)
            return false;
        auto* target = qobject_cast<QWidget*>(watched);
        return target && target->window() == this && SwallowPressOutsideList(target, event);
    });
    QApplication::instance()->installEventFilter(pressHook_.get());
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (frm_.Timer1.Enabled)
            Dispatch([this] { frm_.Raise(EventType::Timer, frm_.Timer1.ref); });
    });
    timer_.start(std::max(10, frm_.Timer1.Interval));
}

namespace {

// The menu commands on keys; Ctrl+S saves to the job's own file, Ctrl+Shift+S always asks.
struct MenuKey {
    QKeySequence keys;
    int button;
    bool ownFile;
};

const std::vector<MenuKey>& MenuKeys() {
    static const std::vector<MenuKey> keys = {
        {QKeySequence(Qt::CTRL | Qt::Key_S), button::SaveJob, true},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), button::SaveJob, false},
        {QKeySequence(Qt::CTRL | Qt::Key_O), button::OpenJob, false},
        {QKeySequence(Qt::CTRL | Qt::Key_N), button::NewJob, false},
        {QKeySequence(Qt::CTRL | Qt::Key_P), button::Print, false},
        {QKeySequence(Qt::Key_F1), button::Help, false},
        {QKeySequence(Qt::CTRL | Qt::Key_Q), button::Exit, false},
    };
    return keys;
}

} // namespace

QString ShortcutText(int button) {
    QStringList texts;
    for (const auto& key : MenuKeys())
        if (key.button == button) texts << key.keys.toString(QKeySequence::NativeText);
    return texts.join(QStringLiteral(", "));
}

void MainWindow::CreateShortcuts() {
    for (const auto& key : MenuKeys()) {
        auto* shortcut = new QShortcut(key.keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        const int button = key.button;
        const bool ownFile = key.ownFile;
        connect(shortcut, &QShortcut::activated, this, [this, button, ownFile] {
            Dispatch([this, button, ownFile] {
                if (ownFile)
                    frm_.SaveJobToOwnFile();
                else
                    frm_.BUTT_Click(button);
            });
        });
    }
}

void MainWindow::LoadToolkitTranslations(const std::string& locale) {
    appliedLocale_ = locale;
    if (toolkitTexts_) QCoreApplication::removeTranslator(toolkitTexts_.get());
    toolkitTexts_ = std::make_unique<QTranslator>();
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!locale.empty() && toolkitTexts_->load(QLocale(Q(locale)), QStringLiteral("qtbase"),
                                               QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(toolkitTexts_.get());
    else
        frm_.LogWrite("no toolkit texts for the language " + locale);
    // The tooltips name the keys in the new language.
    for (auto& [ref, b] : bindings_)
        if (ref.array == ArrayId::BUTT) b.applied.clear();
}

void MainWindow::CreateWidgets() {
    frm_.ForEachControl([this](Control& c) {
        if (HasNoWidget(c.ref.array)) return;
        QWidget* w = CreateWidget(c);
        w->installEventFilter(this);
        w->setMouseTracking(true);
        bindings_[c.ref] = Binding{c.ref, w, {}};
        refs_[w] = c.ref;
        // Lists and grids receive the mouse in their viewport.
        if (auto* area = qobject_cast<QAbstractScrollArea*>(w)) {
            area->viewport()->installEventFilter(this);
            refs_[area->viewport()] = c.ref;
        }
    });
    // Parents once every widget exists, so containers may come in any order.
    for (auto& [ref, b] : bindings_) {
        b.widget->setParent(ParentOf(frm_.Get(ref)));
        b.widget->setVisible(false);
    }
    // Tab follows the design's order: down each column of a page, then the next column.
    std::vector<std::pair<int, QWidget*>> chain;
    for (auto& [ref, b] : bindings_)
        if (b.widget->focusPolicy() & Qt::TabFocus)
            chain.push_back({frm_.Get(ref).TabIndex, b.widget});
    std::sort(chain.begin(), chain.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t k = 1; k < chain.size(); ++k)
        QWidget::setTabOrder(chain[k - 1].second, chain[k].second);
}

QWidget* MainWindow::CreateWidget(Control& c) {
    const ControlRef ref = c.ref;
    auto dispatch = [this](std::function<void()> f) { Dispatch(f); };
    if (dynamic_cast<TextBox*>(&c)) return CreateLineEdit(ref);
    if (dynamic_cast<ListBox*>(&c)) return CreateListWidget(ref);
    if (dynamic_cast<OptionButton*>(&c)) {
        auto* radio = new QRadioButton(this);
        radio->setAutoExclusive(false);
        connect(radio, &QRadioButton::clicked, this, [this, ref, radio](bool) {
            Dispatch([this, ref] { static_cast<OptionButton&>(frm_.Get(ref)).SetValue(true); });
            radio->setChecked(static_cast<OptionButton&>(frm_.Get(ref)).Value());
        });
        return radio;
    }
    if (dynamic_cast<CheckBox*>(&c)) {
        auto* check = new QCheckBox(this);
        connect(check, &QCheckBox::clicked, this, [this, ref](bool on) {
            Dispatch(
                [this, ref, on] { static_cast<CheckBox&>(frm_.Get(ref)).SetValue(on ? 1 : 0); });
        });
        return check;
    }
    if (dynamic_cast<Grid*>(&c)) return CreateTableWidget(ref);
    if (dynamic_cast<CommandButton*>(&c)) {
        auto* button = new QToolButton(this);
        button->setFocusPolicy(Qt::NoFocus);
        connect(button, &QToolButton::clicked, this, [dispatch, this, ref] {
            dispatch([this, ref] { frm_.Raise(EventType::Click, ref); });
        });
        return button;
    }
    if (dynamic_cast<Frame*>(&c)) {
        if (ref.array == ArrayId::CFRAME) return new QGroupBox(this);
        auto* frame = new QFrame(this);
        frame->setAutoFillBackground(true);
        return frame;
    }
    if (dynamic_cast<Shape*>(&c)) return new ShapeWidget(this);
    if (dynamic_cast<ProgressBarControl*>(&c)) return new QProgressBar(this);
    if (ref.array == ArrayId::FRAME) {
        auto* page = new QWidget(this);
        page->setFocusPolicy(Qt::ClickFocus);
        return page;
    }
    if (ref.array == ArrayId::TabForward || ref.array == ArrayId::TabBack) {
        auto* trap = new QWidget(this);
        trap->setFocusPolicy(Qt::TabFocus);
        return trap;
    }
    auto* label = new QLabel(this);
    if (ref.array == ArrayId::TABFPIC || ref.array == ArrayId::TABBPIC)
        label->setFocusPolicy(Qt::TabFocus);
    if (ref.array == ArrayId::HYPERLINK || ref.array == ArrayId::BUTT ||
        ref.array == ArrayId::SPECLINK)
        label->setCursor(Qt::PointingHandCursor);
    return label;
}

// Edits the widget makes itself (paste, cut, Delete, undo); typed characters go through the
// key handlers instead. A number field refuses a text that is no number as a whole.
QLineEdit* MainWindow::CreateLineEdit(ControlRef ref) {
    auto* edit = new QLineEdit(this);
    edit->setFrame(false);
    connect(edit, &QLineEdit::textEdited, this, [this, ref, edit](const QString& text) {
        std::string edited = S(text);
        if (frm_.TakesNumbersOnly(ref)) {
            edited = NormalizeDecimal(edited, frm_.Decimal());
            if (!IsNumberInMaking(edited, frm_.Decimal())) {
                auto& model = static_cast<TextBox&>(frm_.Get(ref));
                const bool wasSyncing = syncing_;
                syncing_ = true;
                edit->setText(Q(model.Text()));
                edit->setSelection(ToQtPosition(model.Text(), model.SelStart),
                                   ToQtPosition(model.Text(), model.SelStart + model.SelLength) -
                                       ToQtPosition(model.Text(), model.SelStart));
                syncing_ = wasSyncing;
                QApplication::beep();
                return;
            }
        }
        Dispatch([this, ref, edit, text, edited] {
            auto& model = static_cast<TextBox&>(frm_.Get(ref));
            model.SelStart = ToModelPosition(text, edit->cursorPosition());
            model.SelLength = 0;
            model.SetText(edited);
        });
    });
    connect(edit, &QLineEdit::cursorPositionChanged, this, [this, ref, edit](int, int) {
        if (syncing_) return;
        auto& model = static_cast<TextBox&>(frm_.Get(ref));
        const QString text = edit->text();
        if (edit->hasSelectedText()) {
            model.SelStart = ToModelPosition(text, edit->selectionStart());
            model.SelLength = ToModelPosition(text, edit->selectionEnd()) - model.SelStart;
        } else {
            model.SelStart = ToModelPosition(text, edit->cursorPosition());
            model.SelLength = 0;
        }
    });
    return edit;
}

QListWidget* MainWindow::CreateListWidget(ControlRef ref) {
    auto dispatch = [this](std::function<void()> f) { Dispatch(f); };
    auto* list = new QListWidget(this);
    connect(list, &QListWidget::itemClicked, this, [this, ref, list](QListWidgetItem* item) {
        int row = list->row(item);
        Dispatch([this, ref, row] {
            auto& model = static_cast<ListBox&>(frm_.Get(ref));
            // A click on the item already chosen still counts as a choice.
            if (model.ListIndex() == row)
                frm_.Raise(EventType::Click, ref);
            else
                model.SetListIndex(row);
        });
    });
    // The keyboard moves the selection. In a drop-down that only highlights an item, which
    // Enter takes; elsewhere the handlers decide whether that commits.
    connect(list, &QListWidget::currentRowChanged, this, [this, ref](int row) {
        if (syncing_ || listMousePress_ || row < 0) return;
        Dispatch([this, ref, row] {
            if (ref.array == ArrayId::OPTIONLIST)
                frm_.HighlightListItem(ref.index, row);
            else
                static_cast<ListBox&>(frm_.Get(ref)).SetListIndex(row);
        });
    });
    connect(list, &QListWidget::itemDoubleClicked, this, [dispatch, this, ref](QListWidgetItem*) {
        dispatch([this, ref] { frm_.Raise(EventType::DblClick, ref); });
    });
    return list;
}

QTableWidget* MainWindow::CreateTableWidget(ControlRef ref) {
    auto* table = new GridTable(this);
    table->horizontalHeader()->hide();
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    // Scrolling sideways moves the grid's first scrollable column in the model too.
    auto scrolled = [this, ref, table](int) {
        if (syncing_) return;
        Dispatch([this, ref, table] {
            static_cast<Grid&>(frm_.Get(ref)).LeftCol = table->LeftColumn();
            frm_.Raise(EventType::Scroll, ref);
        });
    };
    connect(table->verticalScrollBar(), &QScrollBar::valueChanged, this, scrolled);
    connect(table->horizontalScrollBar(), &QScrollBar::valueChanged, this, scrolled);
    connect(table, &QTableWidget::cellClicked, this, [this, ref](int row, int col) {
        // A heading cell (a column's number or type) never becomes the current cell: a press
        // on it leaves the grid as it was, so typing can never renumber a column.
        const auto& shown = static_cast<const Grid&>(frm_.Get(ref));
        if (row < shown.FixedRows || col < shown.FixedCols) {
            bindings_[ref].applied.clear();
            Sync();
            return;
        }
        Dispatch([this, ref, row, col] {
            auto& grid = static_cast<Grid&>(frm_.Get(ref));
            grid.Row = grid.RowSel = row;
            grid.Col = grid.ColSel = col;
            frm_.Raise(EventType::Click, ref);
        });
    });
    return table;
}

QWidget* MainWindow::ParentOf(const Control& c) {
    if (c.container.array == ArrayId::Window) return this;
    auto it = bindings_.find(c.container);
    return it == bindings_.end() ? this : it->second.widget;
}

QWidget* MainWindow::WidgetOf(ControlRef ref) const {
    auto it = bindings_.find(ref);
    return it == bindings_.end() ? nullptr : it->second.widget;
}

void MainWindow::Dispatch(const std::function<void()>& action) {
    try {
        action();
    } catch (const ProgramEnd& end) {
        EndProgram(end.exitCode);
        return;
    } catch (const std::exception& e) {
        // A fault in one handler must not take the window down, nor pass in silence: it goes
        // to the log and to the user.
        frm_.LogWrite(std::string("error: ") + e.what());
        if (!reportingError_) {
            reportingError_ = true;
            platform_.MessageBox(frm_.Window.Caption.empty() ? "Tarnwell" : frm_.Window.Caption,
                                 std::string("This step could not be completed:\n") + e.what(),
                                 mb::OkOnly + mb::Critical);
            reportingError_ = false;
        }
    }
    Sync();
}

void MainWindow::EndProgram(int code) {
    if (!closing_) SaveWindowGeometry();
    exitCode_ = code;
    closing_ = true;
    close();
    // Only a running event loop is left; with none running (a window driven by a test) a
    // call would make every later local loop end at once.
    if (QThread::currentThread()->loopLevel() > 0) QApplication::exit(code);
}

QRect OpeningGeometry(const QRect& remembered, const QRect& available, const QSize& minimum) {
    if (remembered.isValid() && remembered.width() >= minimum.width() &&
        remembered.height() >= minimum.height() && available.contains(remembered.center()) &&
        remembered.width() <= available.width() && remembered.height() <= available.height())
        return remembered;
    QSize size(std::max(minimum.width(), available.width() * 4 / 5),
               std::max(minimum.height(), available.height() * 4 / 5));
    QRect centred(QPoint(0, 0), size);
    centred.moveCenter(available.center());
    return centred;
}

namespace {

const char* const kGeometryKeys[] = {"WindowLeft", "WindowTop", "WindowWidth", "WindowHeight"};

} // namespace

void MainWindow::ApplyWindowGeometry() {
    const WindowProps& w = frm_.Window;
    int stored[4] = {0, 0, 0, 0};
    for (int k = 0; k < 4; ++k)
        stored[k] = std::atoi(
            platform_.GetSetting(frm_.RegistryAppName, frm_.SettingsSection, kGeometryKeys[k], "0")
                .c_str());
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
    const QSize minimum(design::kMinInnerWidth / TwipsPerPixel(),
                        design::kMinInnerHeight / TwipsPerPixel());
    const QRect place =
        OpeningGeometry(QRect(stored[0], stored[1], stored[2], stored[3]), available, minimum);
    resize(place.size());
    move(place.topLeft());
    if (platform_.GetSetting(frm_.RegistryAppName, frm_.SettingsSection, "WindowMaximized", "0") ==
        "1")
        setWindowState(windowState() | Qt::WindowMaximized);
    if (!w.Icon.empty()) setWindowIcon(QIcon(Q(w.Icon)));
}

void MainWindow::SaveWindowGeometry() {
    // A maximised or minimised window keeps the normal size it will return to.
    const QRect normal = isMaximized() || isMinimized() ? normalGeometry() : geometry();
    if (!normal.isValid()) return;
    const int values[4] = {normal.x(), normal.y(), normal.width(), normal.height()};
    for (int k = 0; k < 4; ++k)
        platform_.SaveSetting(frm_.RegistryAppName, frm_.SettingsSection, kGeometryKeys[k],
                              std::to_string(values[k]));
    platform_.SaveSetting(frm_.RegistryAppName, frm_.SettingsSection, "WindowMaximized",
                          isMaximized() ? "1" : "0");
}

void MainWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const WindowProps& w = frm_.Window;
    const int innerHeight = Twips(height());
    for (int t = 0; t < kGradientBands; ++t) {
        int top = Px(GradientBandTop(innerHeight, t));
        int bottom = t + 1 < kGradientBands ? Px(GradientBandTop(innerHeight, t + 1)) : height();
        painter.fillRect(0, top, width(), std::max(1, bottom - top),
                         ToQColor(GradientBandColour(w.GradientBase, w.GradientIncrement, t)));
    }
}

double ZoomFor(int width, int height) {
    const int tpp = TwipsPerPixel();
    const double across = static_cast<double>(width) * tpp / design::kMinInnerWidth;
    const double down = static_cast<double>(height) * tpp / design::kMinInnerHeight;
    return std::clamp(std::min(across, down), 1.0, kMaxZoom);
}

void MainWindow::resizeEvent(QResizeEvent*) {
    const double zoom = ZoomFor(width(), height());
    if (zoom != Zoom()) {
        SetZoom(zoom);
        // Every widget is placed and lettered anew at the new scale.
        for (auto& [ref, b] : bindings_)
            b.applied.clear();
    }
    WindowProps& w = frm_.Window;
    w.FrameWidth = Twips(frameGeometry().width() - width());
    w.FrameHeight = Twips(frameGeometry().height() - height());
    w.ScaleWidth = Twips(width());
    w.ScaleHeight = Twips(height());
    w.Width = w.ScaleWidth + w.FrameWidth;
    w.Height = w.ScaleHeight + w.FrameHeight;
    const int givenWidth = w.ScaleWidth;
    const int givenHeight = w.ScaleHeight;
    Dispatch([this] { frm_.Form_Resize(); });
    // The layout may have pushed the window back to its smallest size.
    if (w.ScaleWidth != givenWidth || w.ScaleHeight != givenHeight)
        resize(Px(w.ScaleWidth), Px(w.ScaleHeight));
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::WindowStateChange)
        frm_.Window.WindowState = isMinimized() ? 1 : isMaximized() ? 2 : 0;
    QWidget::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (closing_) {
        event->accept();
        return;
    }
    bool goAhead = true;
    Dispatch([this, &goAhead] { goAhead = frm_.Form_QueryUnload(true); });
    if (goAhead) {
        SaveWindowGeometry();
        closing_ = true;
        event->accept();
    } else {
        event->ignore();
    }
}

QWidget* MainWindow::OpenList() const {
    if (!frm_.HasFocus()) return nullptr;
    const ControlRef active = frm_.ActiveControl();
    if (active.array != ArrayId::OPTIONLIST || !frm_.OPTIONLIST.Exists(active.index) ||
        !frm_.OPTIONLIST[active.index].Visible)
        return nullptr;
    return WidgetOf(active);
}

bool MainWindow::SwallowPressOutsideList(QWidget* target, QEvent* event) {
    // An open list behaves as a pop-up: a press anywhere else closes it unchanged and is used
    // up, so neither an item of the list nor the control under the press is chosen by it.
    if (event->type() == QEvent::MouseButtonRelease) {
        const bool swallow = swallowRelease_;
        swallowRelease_ = false;
        return swallow;
    }
    // A list the press itself opened, by moving the focus to its field, stays open.
    if (pressMovedFocus_) {
        pressMovedFocus_ = false;
        return false;
    }
    QWidget* list = OpenList();
    const bool outside = list && target != list && !list->isAncestorOf(target);
    if (!outside && !pressClosedList_) return false;
    // The press may have moved the focus already, which closed the list on its way.
    pressClosedList_ = false;
    if (outside) {
        const int n = frm_.ActiveControl().index;
        Dispatch([this, n] { frm_.CloseList(n); });
    }
    swallowRelease_ = true;
    return true;
}

void MainWindow::RaiseUser(const Event& event) {
    Dispatch([this, event] { frm_.Raise(event); });
}

void MainWindow::keyPressEvent(QKeyEvent* key) {
    Event down{EventType::KeyDown, {ArrayId::Window, 0}};
    down.keyCode = KeyCode(key->key());
    down.shift = ShiftState(key->modifiers());
    RaiseUser(down);
    int ascii = KeyAscii(key);
    if (ascii) {
        Event press{EventType::KeyPress, {ArrayId::Window, 0}};
        press.keyAscii = &ascii;
        Dispatch([this, &press] { frm_.Raise(press); });
    }
}

void MainWindow::mousePressEvent(QMouseEvent* mouse) {
    // A press a page, label or button left unused arrives here too; only a press on the
    // window's own background is a click on the window.
    if (childAt(mouse->position().toPoint())) return;
    RaiseUser(Event{EventType::Click, {ArrayId::Window, 0}});
}

bool MainWindow::FilterKey(Binding& b, QKeyEvent* key) {
    const int code = KeyCode(key->key());
    const int shift = ShiftState(key->modifiers());
    // Enter takes the item highlighted on screen, also the one a list opened on.
    if (code == 13 && b.ref.array == ArrayId::OPTIONLIST) {
        const int row = static_cast<QListWidget*>(b.widget)->currentRow();
        if (row != frm_.OPTIONLIST[b.ref.index].ListIndex())
            Dispatch([this, &b, row] { frm_.HighlightListItem(b.ref.index, row); });
    }
    // The window sees every key first, as with key preview on.
    Event windowDown{EventType::KeyDown, {ArrayId::Window, 0}};
    windowDown.keyCode = code;
    windowDown.shift = shift;
    RaiseUser(windowDown);
    Event down{EventType::KeyDown, b.ref};
    down.keyCode = code;
    down.shift = shift;
    RaiseUser(down);

    int ascii = KeyAscii(key);
    if (ascii == 0) return false;
    const bool isText = b.ref.array == ArrayId::TEXTBOX || b.ref.array == ArrayId::MSFlexText;
    int reached = ascii;
    Dispatch([&] {
        if (isText) {
            // The model edits the text itself, from the widget's caret and selection.
            auto* edit = static_cast<QLineEdit*>(b.widget);
            auto& box = static_cast<TextBox&>(frm_.Get(b.ref));
            const QString text = edit->text();
            const int from =
                edit->hasSelectedText() ? edit->selectionStart() : edit->cursorPosition();
            const int to = edit->hasSelectedText() ? edit->selectionEnd() : from;
            box.SelStart = ToModelPosition(text, from);
            box.SelLength = ToModelPosition(text, to) - box.SelStart;
        }
        reached = frm_.PressKey(b.ref, ascii);
    });
    if (!isText) return reached == 0;
    // Printable keys, Backspace, Enter and Escape belong to the model; the rest (caret
    // movement, Delete, shortcuts) to the widget.
    return reached == 0 || reached >= 32 || reached == 8 || reached == 13 || reached == 27;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    auto it = refs_.find(watched);
    if (it == refs_.end()) return QWidget::eventFilter(watched, event);
    Binding& b = bindings_[it->second];
    const ControlRef ref = b.ref;
    switch (event->type()) {
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        Event e{EventType::MouseMove, ref};
        e.x = static_cast<float>(mouse->position().x() * TwipsPerPixel() / Zoom());
        e.y = static_cast<float>(mouse->position().y() * TwipsPerPixel() / Zoom());
        RaiseUser(e);
        break;
    }
    case QEvent::MouseButtonPress:
        if (qobject_cast<QListWidget*>(b.widget)) {
            listMousePress_ = true;
            RaiseUser(Event{EventType::MouseDown, ref});
        }
        break;
    case QEvent::MouseButtonRelease:
        listMousePress_ = false;
        if (qobject_cast<QLabel*>(b.widget) || qobject_cast<QLineEdit*>(b.widget))
            RaiseUser(Event{EventType::Click, ref});
        break;
    case QEvent::MouseButtonDblClick:
        if (qobject_cast<QLabel*>(b.widget)) RaiseUser(Event{EventType::DblClick, ref});
        break;
    case QEvent::FocusIn:
        if (syncing_ || (frm_.HasFocus() && frm_.ActiveControl() == ref)) break;
        if (static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason) {
            if (OpenList() && OpenList() != b.widget) {
                // A press elsewhere closes the open list and is used up by that.
                const int n = frm_.ActiveControl().index;
                pressClosedList_ = true;
                Dispatch([this, n] { frm_.CloseList(n); });
                break;
            }
            pressMovedFocus_ = true;
        }
        Dispatch([this, ref] { frm_.SetFocus(ref); });
        break;
    case QEvent::KeyPress:
        return FilterKey(b, static_cast<QKeyEvent*>(event));
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace tw
