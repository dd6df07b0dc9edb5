// SPDX-License-Identifier: MIT
// The main window on screen: one Qt widget per control of the model, kept in step with it
// after every event, and the user's events fed back into FrmMain's handlers.
#pragma once

#include "frm/frm_main.h"
#include "gui/qt_platform.h"

#include <QRect>
#include <QTimer>
#include <QTranslator>
#include <QWidget>
#include <functional>
#include <map>
#include <memory>

class QLineEdit;
class QListWidget;
class QTableWidget;

namespace tw {

// The keys of the menu commands: "Ctrl+S" for the save button and so on, in the words of the
// toolkit's language; empty for a button without one.
QString ShortcutText(int button);

// The largest zoom of the designed layout; a larger window gives the pages more room instead.
constexpr double kMaxZoom = 1.75;

// The zoom of the layout in a window of that inner size in pixels: the designed size fits,
// never below 1 and never above kMaxZoom.
double ZoomFor(int width, int height);

// Where the window opens: where it was when last closed, as long as that still lies on the
// screen's available area; otherwise centred, at four fifths of the area (the designed size
// at least).
QRect OpeningGeometry(const QRect& remembered, const QRect& available, const QSize& minimum);

class MainWindow : public QWidget {
public:
    MainWindow(FrmMain& frm, QtPlatform& platform);

    // Brings every widget in line with the model.
    void Sync();
    // Runs a model action as an event of the window: a program end closes the window, other
    // failures are logged; the widgets follow the model afterwards.
    void Dispatch(const std::function<void()>& action);

    QWidget* WidgetOf(ControlRef ref) const;
    FrmMain& Model() { return frm_; }
    // Set when a handler ended the program; the exit code of the run.
    int ExitCode() const { return exitCode_; }
    // The window's size and position: as it was last closed, or centred at a comfortable
    // size on the first start (after the load event).
    void ApplyWindowGeometry();
    // Remembers the window's size, position and maximised state in the settings.
    void SaveWindowGeometry();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Binding {
        ControlRef ref;
        QWidget* widget = nullptr;
        std::string applied;
        int appliedZ = 0;
        // Where a drop-down was opened (its grid cell; 0, 0 for a field's list), so that the
        // value shown there is highlighted once, at opening.
        std::pair<int, int> openedOn{-1, -1};
    };

    void CreateWidgets();
    QWidget* CreateWidget(Control& control);
    QLineEdit* CreateLineEdit(ControlRef ref);
    QListWidget* CreateListWidget(ControlRef ref);
    QTableWidget* CreateTableWidget(ControlRef ref);
    QWidget* ParentOf(const Control& control);
    void Apply(Binding& binding);
    void ApplyPlace(QWidget* widget, const Control& control);
    void ApplyContent(Binding& binding, Control& control);
    // The text a grid cell shows on screen (areas and volumes rounded to two decimals).
    std::string ShownCellText(Grid& g, int row, int col);
    void ApplyGrid(QWidget* widget, Grid& grid);
    // The row a list shows highlighted; shownRow is the one it showed before.
    int HighlightedRow(Binding& binding, const ListBox& list, int shownRow);
    void SyncFocus();
    void PlaceOnCells();
    void RaiseUser(const Event& event);
    // The drop-down list that is open and holds the focus, if any.
    QWidget* OpenList() const;
    // A press outside an open list closes it unchanged and goes no further.
    bool SwallowPressOutsideList(QWidget* target, QEvent* event);
    bool FilterKey(Binding& binding, QKeyEvent* key);
    void EndProgram(int code);
    void CreateShortcuts();
    // Qt's own dialog texts in the language of the resource file.
    void LoadToolkitTranslations(const std::string& locale);

    FrmMain& frm_;
    QtPlatform& platform_;
    std::map<ControlRef, Binding> bindings_;
    std::map<QObject*, ControlRef> refs_;
    QTimer timer_;
    std::unique_ptr<QTranslator> toolkitTexts_;
    std::unique_ptr<QObject> pressHook_;
    std::string appliedLocale_ = "?";
    bool syncing_ = false;
    bool closing_ = false;
    bool listMousePress_ = false;
    bool pressClosedList_ = false;
    bool pressMovedFocus_ = false;
    bool swallowRelease_ = false;
    bool reportingError_ = false;
    int exitCode_ = 0;
};

} // namespace tw
