// SPDX-License-Identifier: MIT
// Shapes and lines of the design: a border or a line in one colour, transparent to the mouse.
#pragma once

#include <QColor>
#include <QWidget>

namespace tw {

class ShapeWidget : public QWidget {
public:
    explicit ShapeWidget(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    void SetShape(const QColor& border, bool isLine) {
        if (border == border_ && isLine == line_) return;
        border_ = border;
        line_ = isLine;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor border_ = Qt::black;
    bool line_ = false;
};

} // namespace tw
