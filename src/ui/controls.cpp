// SPDX-License-Identifier: MIT
#include "ui/controls.h"

#include "ui/form.h"

namespace tw {

const char* ArrayName(ArrayId id) {
    switch (id) {
    case ArrayId::Window:
        return "FrmMain";
    case ArrayId::TEXTBOX:
        return "TEXTBOX";
    case ArrayId::LABEL:
        return "LABEL";
    case ArrayId::UNITS:
        return "UNITS";
    case ArrayId::MLINE:
        return "MLINE";
    case ArrayId::OPTIONLIST:
        return "OPTIONLIST";
    case ArrayId::OPTIONVALUE:
        return "OPTIONVALUE";
    case ArrayId::ListButton:
        return "ListButton";
    case ArrayId::RADIO:
        return "RADIO";
    case ArrayId::CHECK:
        return "CHECK";
    case ArrayId::HYPERLINK:
        return "HYPERLINK";
    case ArrayId::CFRAME:
        return "CFRAME";
    case ArrayId::FRAME:
        return "FRAME";
    case ArrayId::PageBorder:
        return "PageBorder";
    case ArrayId::BUTT:
        return "BUTT";
    case ArrayId::SHADOW:
        return "SHADOW";
    case ArrayId::MSFlexGrid:
        return "MSFlexGrid";
    case ArrayId::MSFlexText:
        return "MSFlexText";
    case ArrayId::MSFlexRowType:
        return "MSFlexRowType";
    case ArrayId::MSFlexHints:
        return "MSFlexHints";
    case ArrayId::UnitGrid:
        return "UnitGrid";
    case ArrayId::TABFPIC:
        return "TABFPIC";
    case ArrayId::TABBPIC:
        return "TABBPIC";
    case ArrayId::TabForward:
        return "TabForward";
    case ArrayId::TabBack:
        return "TabBack";
    case ArrayId::Geometry:
        return "Geometry";
    case ArrayId::SPECLINK:
        return "SPECLINK";
    case ArrayId::ULabel:
        return "ULabel";
    case ArrayId::HINTBOX:
        return "HINTBOX";
    case ArrayId::HintBoxCaption:
        return "HintBoxCaption";
    case ArrayId::ThumbNailLogo:
        return "ThumbNailLogo";
    case ArrayId::Logo:
        return "Logo";
    case ArrayId::VersionNo:
        return "VersionNo";
    case ArrayId::EFRAME:
        return "EFRAME";
    case ArrayId::ESUBFRAME:
        return "ESUBFRAME";
    case ArrayId::EBANNER:
        return "EBANNER";
    case ArrayId::EBannerBorder:
        return "EBannerBorder";
    case ArrayId::ConnectedImage:
        return "ConnectedImage";
    case ArrayId::ProgressBar:
        return "ProgressBar";
    case ArrayId::FileHistoryList:
        return "FileHistoryList";
    case ArrayId::SIZER:
        return "SIZER";
    case ArrayId::WrapBox:
        return "WrapBox";
    case ArrayId::Timer1:
        return "Timer1";
    }
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

int Grid::CellTop() const {
    int y = 0;
    for (int r = 0; r < Row && r < rows_; ++r)
        if (r < FixedRows || r >= TopRow) y += RowHeight(r);
    return y;
}

} // namespace tw
