// SPDX-License-Identifier: MIT
#include "gui/qt_platform.h"

#include "gui/qt_text.h"
#include "platform/version.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QFontMetrics>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QUrl>

namespace tw {

QtPlatform::QtPlatform() : settings_(UserConfigFolder()) {}

std::string QtPlatform::GetSetting(const std::string& app, const std::string& section,
                                   const std::string& key, const std::string& fallback) {
    return settings_.Get(app, section, key, fallback);
}

void QtPlatform::SaveSetting(const std::string& app, const std::string& section,
                             const std::string& key, const std::string& value) {
    settings_.Save(app, section, key, value);
}

int QtPlatform::MessageBox(const std::string& title, const std::string& prompt, int buttons) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(Q(title));
    box.setText(Q(prompt));
    int icon = buttons & 0x70;
    box.setIcon(icon == mb::Critical      ? QMessageBox::Critical
                : icon == 32              ? QMessageBox::Question
                : icon == 48              ? QMessageBox::Warning
                : icon == mb::Information ? QMessageBox::Information
                                          : QMessageBox::NoIcon);
    switch (buttons & 7) {
    case mb::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case 3:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case mb::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    }
    bool restore = hourglass_;
    if (restore) QApplication::restoreOverrideCursor();
    int result = box.exec();
    if (restore) QApplication::setOverrideCursor(Qt::WaitCursor);
    switch (result) {
    case QMessageBox::Yes:
        return mb::Yes;
    case QMessageBox::No:
        return mb::No;
    case QMessageBox::Cancel:
        return mb::Cancel;
    default:
        return mb::Ok;
    }
}

bool QtPlatform::StartProgram(const std::string& program, const std::vector<std::string>& args) {
    QStringList list;
    for (const auto& a : args)
        list << Q(a);
    return QProcess::startDetached(Q(program), list);
}

int QtPlatform::OpenDocument(const std::string& target) {
    QString t = Q(target);
    QUrl url = QFileInfo::exists(t) ? QUrl::fromLocalFile(t) : QUrl(t);
    return QDesktopServices::openUrl(url) ? 42 : 2;
}

void QtPlatform::DoEvents() {
    if (beforeEvents_) beforeEvents_();
    QCoreApplication::processEvents();
}

void QtPlatform::SetMousePointer(MousePointer pointer) {
    bool wanted = pointer == MousePointer::Hourglass;
    if (wanted == hourglass_) return;
    hourglass_ = wanted;
    if (wanted)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

ScreenInfo QtPlatform::Screen() {
    ScreenInfo info;
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return info;
    int tpp = TwipsPerPixel();
    QRect r = screen->availableGeometry();
    info.widthTwips = r.width() * tpp;
    info.heightTwips = r.height() * tpp;
    info.twipsPerPixelX = tpp;
    info.twipsPerPixelY = tpp;
    return info;
}

TextExtent QtPlatform::MeasureText(const std::string& text, const Font& font) {
    QFontMetrics metrics(ModelFont(font.size, font.bold));
    int tpp = TwipsPerPixel();
    return {metrics.horizontalAdvance(Q(text)) * tpp, metrics.height() * tpp};
}

char QtPlatform::DecimalSeparator() {
    return QLocale().decimalPoint() == QStringLiteral(",") ? ',' : '.';
}

std::string QtPlatform::ExecutableFolder() {
    return S(QCoreApplication::applicationDirPath());
}

std::vector<int> QtPlatform::ProgramVersion() {
    return {kVersionMajor, kVersionMinor, kVersionPatch};
}

} // namespace tw
