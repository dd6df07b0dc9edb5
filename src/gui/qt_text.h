// SPDX-License-Identifier: MIT
// Small bridges between the model's values and Qt's: texts, colours, fonts and twips.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <string>

namespace tw {

inline QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
inline std::string S(const QString& s) {
    return s.toStdString();
}

// An RGB value red + 256 * green + 65536 * blue, as the window model and the report keep them.
inline QColor ToQColor(std::int32_t c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

// Twips per screen pixel: 15 at 96 dots per inch.
int TwipsPerPixel();

// The window's zoom: the designed layout drawn larger as the window grows (1 at the designed
// size). Positions, sizes and fonts of the window's widgets all follow it.
double Zoom();
void SetZoom(double zoom);

// Twips of the layout to pixels on screen, and back.
int Px(int twips);
int Twips(int pixels);

// The model's font at the designed size; ZoomedFont is the same font as drawn on screen.
QFont ModelFont(float size, bool bold);
QFont ZoomedFont(float size, bool bold);

// Positions in the model's texts count bytes; Qt counts UTF-16 units.
inline int ToQtPosition(const std::string& text, int bytes) {
    return QString::fromUtf8(text.data(), std::clamp(bytes, 0, static_cast<int>(text.size())))
        .size();
}
inline int ToModelPosition(const QString& text, int position) {
    return text.left(position).toUtf8().size();
}

} // namespace tw
