// SPDX-License-Identifier: MIT
// Small bridges between the model's values and Qt's: texts, colours, fonts and twips.
#pragma once

#include "ui/controls.h"

#include <QColor>
#include <QFont>
#include <QString>
#include <string>

namespace tw {

inline QString Q(const std::string& s) {
    return QString::fromStdString(s);
}
inline std::string S(const QString& s) {
    return s.toStdString();
}

inline QColor ToQColor(Colour c) {
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

// Twips per screen pixel: 15 at 96 dots per inch.
int TwipsPerPixel();
inline int Px(int twips) {
    return twips / TwipsPerPixel();
}

QFont ModelFont(float size, bool bold);

} // namespace tw
