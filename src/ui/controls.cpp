// SPDX-License-Identifier: MIT
#include "ui/controls.h"

#include "ui/form.h"

#include <algorithm>

namespace tw {

const char* ArrayName(ArrayId id) {
#define TW_NAME_CASE(name, type)                                                                   \
    case ArrayId::name:                                                                            \
        return #name;
    switch (id) {
    case ArrayId::Window:
        return "FrmMain";
        TW_CONTROL_ARRAYS(TW_NAME_CASE)
        TW_SINGLE_CONTROLS(TW_NAME_CASE)
    }
#undef TW_NAME_CASE
    return "?";
}

int NextTabIndex() {
    static int next = 0;
    return ++next;
}

void Label::SetCaption(const std::string& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    if (AutoSize && form_) form_->Measure(caption_, FontSize, FontBold, Width, Height);
    if (form_) form_->Raise(EventType::Change, ref);
}

void TextBox::SetText(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    int length = static_cast<int>(text_.size());
    if (SelStart > length) SelStart = length;
    if (SelStart + SelLength > length) SelLength = length - SelStart;
    if (form_) form_->Raise(EventType::Change, ref);
}

const std::string& ListBox::List(int i) const {
    if (i < 0 || i >= ListCount()) throw SubscriptOutOfRange();
    return items_[static_cast<std::size_t>(i)];
}

void ListBox::SetList(int i, const std::string& text) {
    if (i < 0 || i >= ListCount()) throw SubscriptOutOfRange();
    items_[static_cast<std::size_t>(i)] = text;
}

void ListBox::AddItem(const std::string& text, int index) {
    if (index < 0) {
        items_.push_back(text);
        return;
    }
    if (index > ListCount()) throw SubscriptOutOfRange();
    items_.insert(items_.begin() + index, text);
    if (listIndex_ >= index) ++listIndex_;
}

void ListBox::RemoveItem(int index) {
    if (index < 0 || index >= ListCount()) throw SubscriptOutOfRange();
    items_.erase(items_.begin() + index);
    if (listIndex_ == index)
        listIndex_ = -1;
    else if (listIndex_ > index)
        --listIndex_;
}

void ListBox::Clear() {
    items_.clear();
    listIndex_ = -1;
    TopIndex = 0;
}

void ListBox::SetListIndex(int index) {
    if (index < -1 || index >= ListCount()) throw SubscriptOutOfRange();
    if (index == listIndex_) return;
    listIndex_ = index;
    if (form_) form_->Raise(EventType::Click, ref);
}

void OptionButton::SetValue(bool value) {
    if (!value) {
        value_ = false;
        return;
    }
    if (form_) {
        for (auto& [i, other] : form_->RADIO)
            if (i != ref.index && other.container == container) other.ClearValue();
    }
    value_ = true;
    if (form_) form_->Raise(EventType::Click, ref);
}

void CheckBox::SetValue(int value) {
    if (value == value_) return;
    value_ = value;
    if (form_) form_->Raise(EventType::Click, ref);
}

void Grid::Check(int row, int col) const {
    if (row < 0 || row >= rows_ || col < 0 || col >= cols_) throw SubscriptOutOfRange();
}

void Grid::SetRows(int rows) {
    if (rows < 0) throw SubscriptOutOfRange();
    rows_ = rows;
    cells_.resize(static_cast<std::size_t>(rows),
                  std::vector<GridCell>(static_cast<std::size_t>(cols_)));
    rowHeights_.resize(static_cast<std::size_t>(rows), -1);
    if (Row >= rows_) Row = rows_ > 0 ? rows_ - 1 : 0;
    if (RowSel >= rows_) RowSel = Row;
}

void Grid::SetCols(int cols) {
    if (cols < 0) throw SubscriptOutOfRange();
    cols_ = cols;
    for (auto& row : cells_)
        row.resize(static_cast<std::size_t>(cols));
    colWidths_.resize(static_cast<std::size_t>(cols), -1);
    if (Col >= cols_) Col = cols_ > 0 ? cols_ - 1 : 0;
    if (ColSel >= cols_) ColSel = Col;
    if (LeftCol >= cols_) LeftCol = 0;
}

const std::string& Grid::TextMatrix(int row, int col) const {
    return Cell(row, col).text;
}

void Grid::SetTextMatrix(int row, int col, const std::string& text) {
    Cell(row, col).text = text;
}

GridCell& Grid::Cell(int row, int col) {
    Check(row, col);
    return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

const GridCell& Grid::Cell(int row, int col) const {
    Check(row, col);
    return cells_[static_cast<std::size_t>(row)][static_cast<std::size_t>(col)];
}

int Grid::ColWidth(int col) const {
    if (col < 0 || col >= cols_) throw SubscriptOutOfRange();
    int w = colWidths_[static_cast<std::size_t>(col)];
    return w < 0 ? DefaultColWidth : w;
}

void Grid::SetColWidth(int col, int width) {
    if (col < 0 || col >= cols_) throw SubscriptOutOfRange();
    colWidths_[static_cast<std::size_t>(col)] = width;
}

int Grid::RowHeight(int row) const {
    if (row < 0 || row >= rows_) throw SubscriptOutOfRange();
    int h = rowHeights_[static_cast<std::size_t>(row)];
    return h < 0 ? DefaultRowHeight : h;
}

void Grid::SetRowHeight(int row, int height) {
    if (row < 0 || row >= rows_) throw SubscriptOutOfRange();
    rowHeights_[static_cast<std::size_t>(row)] = height;
}

int Grid::CellLeft() const {
    // Fixed columns stay in place; scrollable ones start at LeftCol.
    int x = 0;
    for (int c = 0; c < Col && c < cols_; ++c)
        if (c < FixedCols || c >= LeftCol) x += ColWidth(c);
    return x;
}

void Grid::ScrollToCol(int room) {
    if (Col < FixedCols) return;
    LeftCol = std::max(LeftCol, FixedCols);
    if (Col < LeftCol) LeftCol = Col;
    while (LeftCol < Col && CellLeft() + CellWidth() > room)
        ++LeftCol;
}

int Grid::CellTop() const {
    int y = 0;
    for (int r = 0; r < Row && r < rows_; ++r)
        if (r < FixedRows || r >= TopRow) y += RowHeight(r);
    return y;
}

} // namespace tw
