// SPDX-License-Identifier: MIT
// The main window on screen: one Qt widget per control of the model, kept in step with it
// after every event, and the user's events fed back into FrmMain's handlers.
#pragma once

#include "frm/frm_main.h"
#include "gui/qt_platform.h"

#include <QTimer>
#include <QWidget>
#include <functional>
#include <map>

namespace tw {

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
    // The window's size and position from the model (after the load event).
    void ApplyWindowGeometry();

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
    };

    void CreateWidgets();
    QWidget* CreateWidget(Control& control);
    QWidget* ParentOf(const Control& control);
    void Apply(Binding& binding);
    void ApplyGrid(QWidget* widget, Grid& grid);
    void SyncFocus();
    void RaiseUser(const Event& event);
    bool FilterKey(Binding& binding, QKeyEvent* key);
    void EndProgram(int code);

    FrmMain& frm_;
    QtPlatform& platform_;
    std::map<ControlRef, Binding> bindings_;
    std::map<QObject*, ControlRef> refs_;
    QTimer timer_;
    bool syncing_ = false;
    bool closing_ = false;
    bool listMousePress_ = false;
    int exitCode_ = 0;
};

} // namespace tw
