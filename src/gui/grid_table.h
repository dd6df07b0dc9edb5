// SPDX-License-Identifier: MIT
// A grid on screen as the window's grids behave: the fixed columns (captions and units) stay
// in place while the others scroll a whole column at a time, so the first scrollable column
// shown is the number of fixed columns plus the scroll bar's value.
#pragma once

#include <QTableView>
#include <QTableWidget>
#include <vector>

namespace tw {

class GridTable : public QTableWidget {
public:
    explicit GridTable(QWidget* parent);
    // Column widths in pixels; the first fixedCols of them stay in place.
    void SetColumns(int fixedCols, const std::vector<int>& widths);
    // The first scrollable column shown, and scrolling to show it first.
    int LeftColumn() const;
    void SetLeftColumn(int col);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void updateGeometries() override;

private:
    void PlaceFixedColumns();

    QTableView* fixed_;
    int fixedCols_ = 0;
};

} // namespace tw
