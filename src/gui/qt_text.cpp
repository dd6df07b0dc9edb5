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

namespace {
double zoomFactor = 1.0;
} // namespace

double Zoom() {
    return zoomFactor;
}

void SetZoom(double zoom) {
    zoomFactor = zoom > 0 ? zoom : 1.0;
}

int Px(int twips) {
    return static_cast<int>(std::lround(twips * zoomFactor / TwipsPerPixel()));
}

int Twips(int pixels) {
    return static_cast<int>(std::lround(pixels * TwipsPerPixel() / zoomFactor));
}

QFont ZoomedFont(float size, bool bold) {
    return ModelFont(static_cast<float>(size * zoomFactor), bold);
}

QFont ModelFont(float size, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(size);
    font.setBold(bold);
    return font;
}

} // namespace tw
