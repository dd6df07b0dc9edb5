// SPDX-License-Identifier: MIT
#include "gui/qt_platform.h"

#include "gui/qt_surface.h"
#include "gui/qt_text.h"
#include "platform/version.h"

#include <QApplication>
#include <QDate>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QScreen>
#include <QTime>
#include <QUrl>
#include <algorithm>

namespace tw {

QtPlatform::QtPlatform() : settings_(UserConfigFolder()) {}

std::string QtPlatform::GetSetting(const std::string& app, const std::string& section,
                                   const std::string& key, const std::string& fallback) {
    return settings_.Get(app, section, key, fallback);
}

bool QtPlatform::SaveSetting(const std::string& app, const std::string& section,
                             const std::string& key, const std::string& value) {
    return settings_.Save(app, section, key, value);
}

int QtPlatform::MessageBox(const std::string& title, const std::string& prompt, int buttons) {
    // The window, its hint box included, shows the model's state before every question.
    if (beforeEvents_) beforeEvents_();
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

std::string QtPlatform::FileDialog(const FileDialogRequest& request) {
    // The classic filter "Job Files (*.wic)|*.wic" becomes Qt's "Job Files (*.wic)"; the
    // suffix of the chosen filter is added to a name typed without one.
    QStringList parts = Q(request.filter).split('|');
    QStringList filters;
    QStringList suffixes;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts[i + 1];
        patterns.replace(';', ' ');
        QString name = parts[i];
        if (!name.contains('(')) name += " (" + patterns + ")";
        filters << name;
        QString first = patterns.section(' ', 0, 0);
        suffixes << (first.startsWith("*.") && first.indexOf('*', 2) < 0 ? first.mid(2)
                                                                         : QString());
    }
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (request.save && !(request.flags & 2)) dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!request.initialFolder.empty()) dialog.setDirectory(Q(request.initialFolder));
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        int index = std::clamp(request.filterIndex, 1, static_cast<int>(filters.size())) - 1;
        dialog.selectNameFilter(filters[index]);
        dialog.setDefaultSuffix(suffixes[index]);
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                         [&dialog, filters, suffixes](const QString& chosen) {
                             int i = static_cast<int>(filters.indexOf(chosen));
                             if (i >= 0) dialog.setDefaultSuffix(suffixes[i]);
                         });
    }
    if (!request.fileName.empty()) dialog.selectFile(Q(request.fileName));
    bool restore = hourglass_;
    if (restore) QApplication::restoreOverrideCursor();
    const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
    if (restore) QApplication::setOverrideCursor(Qt::WaitCursor);
    return chosen ? S(dialog.selectedFiles().first()) : std::string();
}

std::string QtPlatform::InputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) {
    bool ok = false;
    const QString text = QInputDialog::getText(QApplication::activeWindow(), Q(title), Q(prompt),
                                               QLineEdit::Normal, Q(defaultText), &ok);
    return ok ? S(text) : std::string();
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

std::shared_ptr<DrawingSurface> QtPlatform::PrinterDialog() {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    QPrintDialog dialog(printer.get(), QApplication::activeWindow());
    // Both pages always: no selection, no page range.
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    bool restore = hourglass_;
    if (restore) QApplication::restoreOverrideCursor();
    const bool chosen = dialog.exec() == QDialog::Accepted;
    if (restore) QApplication::setOverrideCursor(Qt::WaitCursor);
    if (!chosen) return nullptr;
    return std::make_shared<QtPrintJob>(std::move(printer));
}

std::shared_ptr<DrawingSurface> QtPlatform::NewPageImage() {
    return std::make_shared<QtPageImage>();
}

bool QtPlatform::SendMail(const std::string& recipient, const std::string& subject,
                          const std::string& body, const std::string& attachment) {
    // The desktop's mail program opens the message for the user to review and send; its
    // lines end the Linux way.
    QString text = Q(body);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList args{QStringLiteral("--subject"), Q(subject), QStringLiteral("--body"), text};
    if (!attachment.empty()) args << QStringLiteral("--attach") << Q(attachment);
    if (!recipient.empty()) args << Q(recipient);
    return QProcess::startDetached(QStringLiteral("xdg-email"), args);
}

std::string QtPlatform::DateText() {
    return S(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
}

std::string QtPlatform::TimeText() {
    return S(QLocale::system().toString(QTime::currentTime(), QLocale::ShortFormat));
}

} // namespace tw
