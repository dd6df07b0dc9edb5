// SPDX-License-Identifier: MIT
#include "vantora_windows.h"

#include "gui/qt_text.h"

#include <QCheckBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

namespace tw {

namespace {

// The picture the splash window shows when no PICTURE record names one that loads.
QPixmap BuiltInPicture() {
    QPixmap pixmap(400, 250);
    QPainter painter(&pixmap);
    QLinearGradient gradient(0, 0, 0, 250);
    gradient.setColorAt(0, QColor(0x1F, 0x5F, 0xA8));
    gradient.setColorAt(1, QColor(0x0B, 0x2A, 0x55));
    painter.fillRect(pixmap.rect(), gradient);
    painter.setPen(Qt::white);
    QFont title = painter.font();
    title.setPixelSize(48);
    painter.setFont(title);
    painter.drawText(QRect(0, 50, 400, 80), Qt::AlignCenter, QStringLiteral("Tarnwell"));
    QFont line = painter.font();
    line.setPixelSize(15);
    painter.setFont(line);
    painter.drawText(QRect(0, 125, 400, 30), Qt::AlignCenter,
                     QStringLiteral("Walk-in cold room load and equipment selection"));
    return pixmap;
}

void CentreOnScreen(QWidget& window) {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect area = screen->availableGeometry();
    QSize size = window.frameGeometry().size().expandedTo(window.size());
    window.move(area.left() + (area.width() - size.width()) / 2,
                area.top() + (area.height() - size.height()) / 2);
}

} // namespace

DisclaimerWindow::DisclaimerWindow(Launcher& launcher, QWidget* owner)
    : QDialog(owner), launcher_(launcher) {
    const LauncherTexts& texts = launcher.Texts();
    setWindowTitle(Q(texts.disclaimerCaption));
    setWindowIcon(QIcon(Q(launcher.IconFile())));
    setModal(true);

    text_ = new QPlainTextEdit(this);
    text_->setReadOnly(true);
    text_->setPlainText(Q(launcher.DisclaimerText()).replace(QStringLiteral("\r\n"), "\n"));
    showAtStartup_ = new QCheckBox(Q(texts.showAtStartup), this);
    // Shown only while it is switched on, so the box starts ticked.
    showAtStartup_->setChecked(true);
    close_ = new QPushButton(Q(texts.closeCaption), this);
    close_->setDefault(true);
    connect(close_, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(showAtStartup_);
    buttons->addStretch();
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addLayout(buttons);
    resize(560, 420);
}

void DisclaimerWindow::done(int result) {
    launcher_.CloseDisclaimer(showAtStartup_->isChecked());
    QDialog::done(result);
}

SplashWindow::SplashWindow(Launcher& launcher, Platform& platform)
    : QWidget(nullptr, Qt::FramelessWindowHint), launcher_(launcher), platform_(platform) {
    setWindowIcon(QIcon(Q(launcher.IconFile())));
    setWindowTitle(QStringLiteral("Tarnwell"));

    // Each PICTURE record's file replaces the picture when it loads.
    QPixmap pixmap = BuiltInPicture();
    for (const auto& name : launcher.Texts().pictures) {
        QPixmap candidate;
        if (candidate.load(Q(launcher.OpDataFolder() + name))) {
            pixmap = candidate;
            fromFile_ = true;
        }
    }

    const int tpp = std::max(1, platform_.Screen().twipsPerPixelX);
    const int margin = 30 / tpp;
    picture_ = new QLabel(this);
    picture_->setPixmap(pixmap);
    picture_->setGeometry(margin, margin, pixmap.width(), pixmap.height());

    // Above the picture's lower edge, over its full width.
    updating_ = new QLabel(Q(launcher.Texts().updating), this);
    updating_->setAlignment(Qt::AlignCenter);
    updating_->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));
    updating_->setGeometry(margin, margin + pixmap.height() - 80, pixmap.width(), 24);
    updating_->hide();

    setFixedSize(pixmap.width() + 60 / tpp, pixmap.height() + 60 / tpp);
}

void SplashWindow::ShowSplash() {
    CentreOnScreen(*this);
    show();
    platform_.DoEvents();
}

void SplashWindow::ShowUpdating() {
    updating_->show();
    updating_->raise();
    platform_.DoEvents();
}

void SplashWindow::ShowDisclaimer() {
    DisclaimerWindow disclaimer(launcher_, this);
    CentreOnScreen(disclaimer);
    disclaimer.exec();
}

} // namespace tw
