// SPDX-License-Identifier: MIT
#include "gui/shape_widget.h"

#include <QPainter>

namespace tw {

void ShapeWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(border_);
    if (line_)
        painter.drawLine(0, 0, width(), 0);
    else
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace tw
