// SPDX-License-Identifier: MIT
#include "gui/grid_table.h"

#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>

namespace tw {

GridTable::GridTable(QWidget* parent) : QTableWidget(parent), fixed_(new QTableView(this)) {
    setHorizontalScrollMode(QAbstractItemView::ScrollPerItem);
    // Only the window decides which column comes first; a new current cell scrolls nothing.
    setAutoScroll(false);
    // The fixed columns lie over the row header, drawn from the same cells; they take no
    // focus and no selection.
    fixed_->setModel(model());
    fixed_->setFocusPolicy(Qt::NoFocus);
    fixed_->setSelectionMode(QAbstractItemView::NoSelection);
    fixed_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    fixed_->horizontalHeader()->hide();
    fixed_->verticalHeader()->hide();
    fixed_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fixed_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    fixed_->setFrameShape(QFrame::NoFrame);
    fixed_->hide();
    connect(verticalScrollBar(), &QScrollBar::valueChanged, fixed_->verticalScrollBar(),
            &QScrollBar::setValue);
}

void GridTable::SetColumns(int fixedCols, const std::vector<int>& widths) {
    const int count = columnCount();
    fixedCols_ = std::clamp(fixedCols, 0, count);
    int margin = 0;
    for (int c = 0; c < count; ++c) {
        const int width = c < static_cast<int>(widths.size()) ? widths[static_cast<std::size_t>(c)]
                                                              : columnWidth(c);
        const bool fixed = c < fixedCols_;
        setColumnHidden(c, fixed);
        fixed_->setColumnHidden(c, !fixed);
        setColumnWidth(c, width);
        fixed_->setColumnWidth(c, width);
        if (fixed) margin += width;
    }
    for (int r = 0; r < rowCount(); ++r)
        fixed_->setRowHeight(r, rowHeight(r));
    fixed_->setPalette(palette());
    fixed_->setFont(font());
    fixed_->setGridStyle(gridStyle());
    // The row header holds the room the fixed columns take, so the table leaves it free and
    // scrolls the other columns right of it.
    verticalHeader()->setFixedWidth(margin);
    verticalHeader()->setVisible(margin > 0);
    fixed_->setVisible(margin > 0);
    fixed_->raise();
    PlaceFixedColumns();
}

int GridTable::LeftColumn() const {
    return fixedCols_ + horizontalScrollBar()->value();
}

void GridTable::SetLeftColumn(int col) {
    // The scroll range follows the columns just set.
    updateGeometries();
    horizontalScrollBar()->setValue(std::max(0, col - fixedCols_));
}

void GridTable::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    PlaceFixedColumns();
}

void GridTable::updateGeometries() {
    QTableWidget::updateGeometries();
    PlaceFixedColumns();
}

void GridTable::PlaceFixedColumns() {
    fixed_->setGeometry(verticalHeader()->geometry());
    fixed_->verticalScrollBar()->setValue(verticalScrollBar()->value());
}

} // namespace tw
