// SPDX-License-Identifier: MIT
// The launcher's two windows: the borderless splash window with its picture and the
// UPDATING label, and the modal disclaimer with its "show at start-up" check box.
#pragma once

#include "launcher/launcher.h"

#include <QDialog>
#include <QWidget>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace tw {

class DisclaimerWindow : public QDialog {
public:
    DisclaimerWindow(Launcher& launcher, QWidget* owner);

    QPlainTextEdit* Text() const { return text_; }
    QPushButton* CloseButton() const { return close_; }
    QCheckBox* ShowAtStartup() const { return showAtStartup_; }

protected:
    // However the window is closed, the check box is remembered.
    void done(int result) override;

private:
    Launcher& launcher_;
    QPlainTextEdit* text_;
    QPushButton* close_;
    QCheckBox* showAtStartup_;
};

class SplashWindow : public QWidget, public LauncherWindows {
public:
    SplashWindow(Launcher& launcher, Platform& platform);

    void ShowSplash() override;
    void ShowUpdating() override;
    void ShowDisclaimer() override;

    QLabel* Picture() const { return picture_; }
    QLabel* Updating() const { return updating_; }
    // True when a PICTURE record's file was loaded, false with the built-in picture.
    bool PictureFromFile() const { return fromFile_; }

private:
    Launcher& launcher_;
    Platform& platform_;
    QLabel* picture_;
    QLabel* updating_;
    bool fromFile_ = false;
};

} // namespace tw
