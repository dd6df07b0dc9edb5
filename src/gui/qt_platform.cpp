// SPDX-License-Identifier: MIT
#include "gui/qt_platform.h"

#include "gui/qt_print_job.h"
#include "gui/qt_surface.h"
#include "gui/qt_text.h"
#include "platform/desktop_motion.h"
#include "platform/version.h"

#include <QApplication>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QInputDialog>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
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
                : icon == mb::Question    ? QMessageBox::Question
                : icon == 48              ? QMessageBox::Warning
                : icon == mb::Information ? QMessageBox::Information
                                          : QMessageBox::NoIcon);
    switch (buttons & 7) {
    case mb::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case mb::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    case mb::SaveDiscardCancel:
        box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
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
    case QMessageBox::Save:
        return mb::Yes;
    case QMessageBox::No:
    case QMessageBox::Discard:
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

namespace {

// Starts a desktop helper (xdg-open, xdg-email) without waiting for what it opens, but long
// enough to hear it fail: the helpers end at once with a status when no program can take
// the document or message. False when the helper is missing or failed.
bool StartDesktopHelper(const QString& helper, const QStringList& args) {
    const QString program = QStandardPaths::findExecutable(helper);
    if (program.isEmpty()) return false;
    QTemporaryDir folder;
    if (!folder.isValid()) return QProcess::startDetached(program, args);
    const QString status = folder.filePath(QStringLiteral("status"));
    // The helper runs on its own; its status is written to a file when it fails.
    QStringList wrapped{
        QStringLiteral("-c"),
        QStringLiteral("\"$0\" \"$@\" >/dev/null 2>&1 || echo $? > \"%1\"").arg(status), program};
    wrapped << args;
    if (!QProcess::startDetached(QStringLiteral("/bin/sh"), wrapped)) return false;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 2500) {
        if (QFileInfo::exists(status)) return false;
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 50);
        QThread::msleep(50);
    }
    return !QFileInfo::exists(status);
}

// The paper of the default printer, or of the user's locale without one.
QPageSize DefaultPageSize() {
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (!printer.isNull() && printer.defaultPageSize().isValid()) return printer.defaultPageSize();
    return LocalePageSize();
}

} // namespace

int QtPlatform::OpenDocument(const std::string& target) {
    QString t = Q(target);
    QUrl url = QFileInfo::exists(t) ? QUrl::fromLocalFile(t) : QUrl(t);
    return StartDesktopHelper(QStringLiteral("xdg-open"), {url.toString()}) ? 42 : 2;
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

bool QtPlatform::ReducedMotion() {
    static QElapsedTimer clock;
    if (!clock.isValid()) clock.start();
    if (reducedMotionAsked_ >= 0 && clock.elapsed() - reducedMotionAsked_ < 10000)
        return reducedMotion_;
    reducedMotionAsked_ = clock.elapsed();
    std::optional<bool> off = AnimationsOffInConfig(ConfigFolder());
    const QString gsettings = QStandardPaths::findExecutable(QStringLiteral("gsettings"));
    if (!off.value_or(false) && !gsettings.isEmpty()) {
        QProcess ask;
        ask.start(gsettings, {QStringLiteral("get"), QStringLiteral("org.gnome.desktop.interface"),
                              QStringLiteral("enable-animations")});
        if (ask.waitForFinished(1000) && ask.exitStatus() == QProcess::NormalExit &&
            ask.exitCode() == 0) {
            if (AnimationsOffInGsettingsAnswer(ask.readAllStandardOutput().toStdString())
                    .value_or(false))
                off = true;
        } else {
            ask.kill();
            ask.waitForFinished(100);
        }
    }
    reducedMotion_ = off.value_or(false);
    return reducedMotion_;
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

namespace {

// The printer of a report: 10 mm margins, the job's name for the document and for printing
// to a file (in the user's documents folder), whichever way the print dialog is reached.
void PrepareReportPrinter(QPrinter& printer, const std::string& documentName) {
    printer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    if (documentName.empty()) return;
    printer.setDocName(Q(documentName));
    printer.setOutputFileName(
        QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation))
            .filePath(Q(documentName) + QStringLiteral(".pdf")));
    printer.setOutputFormat(QPrinter::NativeFormat);
}

} // namespace

std::shared_ptr<DrawingSurface> QtPlatform::PrinterDialog(const std::string& documentName) {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    PrepareReportPrinter(*printer, documentName);
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

bool QtPlatform::PrintPreview(const std::string& documentName,
                              const std::function<void(DrawingSurface&)>& draw) {
    // The preview's print button opens the print dialog on this printer.
    QPrinter printer(QPrinter::HighResolution);
    PrepareReportPrinter(printer, documentName);
    QPrintPreviewDialog dialog(&printer, QApplication::activeWindow());
    dialog.setWindowTitle(Q(documentName));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&draw](QPrinter* target) {
                         QtPrintJob job(target);
                         draw(job);
                         job.EndDocument();
                     });
    bool restore = hourglass_;
    if (restore) QApplication::restoreOverrideCursor();
    dialog.exec();
    if (restore) QApplication::setOverrideCursor(Qt::WaitCursor);
    return true;
}

std::shared_ptr<DrawingSurface> QtPlatform::NewPdfDocument(const std::string& path,
                                                           const std::string& title) {
    return std::make_shared<QtPdfDocument>(path, title, DefaultPageSize());
}

std::shared_ptr<DrawingSurface> QtPlatform::NewPageImage() {
    return std::make_shared<QtPageImage>(DefaultPageSize());
}

bool QtPlatform::SendMail(const std::string& recipient, const std::string& subject,
                          const std::string& body, const std::vector<std::string>& attachments) {
    // The desktop's mail program opens the message for the user to review and send; its
    // lines end the Linux way.
    QString text = Q(body);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QStringList args{QStringLiteral("--subject"), Q(subject), QStringLiteral("--body"), text};
    for (const std::string& attachment : attachments)
        args << QStringLiteral("--attach") << Q(attachment);
    if (!recipient.empty()) args << Q(recipient);
    return StartDesktopHelper(QStringLiteral("xdg-email"), args);
}

std::string QtPlatform::DateText() {
    return S(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
}

std::string QtPlatform::TimeText() {
    return S(QLocale::system().toString(QTime::currentTime(), QLocale::ShortFormat));
}

} // namespace tw
