// SPDX-License-Identifier: MIT
#include "gui/qt_text.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace tw {

int TwipsPerPixel() {
    static int tpp = [] {
        QScreen* screen = QGuiApplication::primaryScreen();
        double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
        return std::max(1, static_cast<int>(std::lround(1440.0 / dpi)));
    }();
    return tpp;
}

QFont ModelFont(float size, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(size);
    font.setBold(bold);
    return font;
}

} // namespace tw
