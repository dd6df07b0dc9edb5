// SPDX-License-Identifier: MIT
// The window as plain data: one struct per kind of control with the properties the program
// uses. Properties whose change raises an event in the classic toolkit (a text box's Text, a
// label's Caption, a list's ListIndex, an option button's Value) are set through functions
// that raise the event synchronously; every other property is a plain member.
#pragma once

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace tw {

class Form;

// Colours are RGB values red + 256 * green + 65536 * blue.
using Colour = std::int32_t;
constexpr Colour Rgb(int r, int g, int b) {
    return r + 256 * g + 65536 * b;
}
constexpr Colour kNoColour = -1;

// Every control array and single control of the window.
enum class ArrayId : std::uint8_t {
    Window,
    TEXTBOX,
    LABEL,
    UNITS,
    MLINE,
    OPTIONLIST,
    OPTIONVALUE,
    ListButton,
    RADIO,
    CHECK,
    HYPERLINK,
    CFRAME,
    FRAME,
    PageBorder,
    BUTT,
    SHADOW,
    MSFlexGrid,
    MSFlexText,
    MSFlexRowType,
    MSFlexHints,
    UnitGrid,
    TABFPIC,
    TABBPIC,
    TabForward,
    TabBack,
    Geometry,
    SPECLINK,
    ULabel,
    HINTBOX,
    HintBoxCaption,
    ThumbNailLogo,
    Logo,
    VersionNo,
    EFRAME,
    ESUBFRAME,
    EBANNER,
    EBannerBorder,
    ConnectedImage,
    ProgressBar,
    UpdateCancel,
    FileHistoryList,
    SIZER,
    WrapBox,
    Timer1,
};

// The window's control arrays and single controls, each with its control type, in the order
// the Qt mirror creates them (pages and frames before what they hold). Every list of the
// window's controls (names, look-up, iteration) is written from these two tables.
#define TW_CONTROL_ARRAYS(X)                                                                       \
    X(FRAME, PictureBox)                                                                           \
    X(PageBorder, Shape)                                                                           \
    X(CFRAME, Frame)                                                                               \
    X(LABEL, Label)                                                                                \
    X(TEXTBOX, TextBox)                                                                            \
    X(UNITS, Label)                                                                                \
    X(MLINE, Shape)                                                                                \
    X(ListButton, CommandButton)                                                                   \
    X(RADIO, OptionButton)                                                                         \
    X(CHECK, CheckBox)                                                                             \
    X(HYPERLINK, Label)                                                                            \
    X(BUTT, Label)                                                                                 \
    X(SHADOW, Label)                                                                               \
    X(MSFlexGrid, Grid)                                                                            \
    X(MSFlexText, TextBox)                                                                         \
    X(MSFlexRowType, ListBox)                                                                      \
    X(MSFlexHints, ListBox)                                                                        \
    X(UnitGrid, ListBox)                                                                           \
    X(TabForward, Control)                                                                         \
    X(TabBack, Control)                                                                            \
    X(TABFPIC, PictureBox)                                                                         \
    X(TABBPIC, PictureBox)                                                                         \
    X(Geometry, PictureBox)                                                                        \
    X(SPECLINK, PictureBox)                                                                        \
    X(ULabel, Label)                                                                               \
    X(OPTIONLIST, ListBox)                                                                         \
    X(OPTIONVALUE, ListBox)

#define TW_SINGLE_CONTROLS(X)                                                                      \
    X(HINTBOX, Label)                                                                              \
    X(HintBoxCaption, Label)                                                                       \
    X(ThumbNailLogo, Image)                                                                        \
    X(Logo, Image)                                                                                 \
    X(VersionNo, Label)                                                                            \
    X(EFRAME, Frame)                                                                               \
    X(ESUBFRAME, Frame)                                                                            \
    X(EBANNER, Label)                                                                              \
    X(EBannerBorder, Shape)                                                                        \
    X(ConnectedImage, Image)                                                                       \
    X(ProgressBar, ProgressBarControl)                                                             \
    X(UpdateCancel, CommandButton)                                                                 \
    X(FileHistoryList, ListBox)                                                                    \
    X(SIZER, Label)                                                                                \
    X(WrapBox, Label)                                                                              \
    X(Timer1, TimerControl)

const char* ArrayName(ArrayId id);

// A number larger than every one handed out before.
int NextTabIndex();

struct ControlRef {
    ArrayId array = ArrayId::Window;
    int index = 0;
    bool operator==(const ControlRef& o) const { return array == o.array && index == o.index; }
    bool operator!=(const ControlRef& o) const { return !(*this == o); }
    bool operator<(const ControlRef& o) const {
        return array != o.array ? array < o.array : index < o.index;
    }
};

// Touching an index the window design does not create.
struct NoSuchControl : std::out_of_range {
    NoSuchControl(ArrayId array, int index)
        : std::out_of_range(std::string("control does not exist: ") + ArrayName(array) + "(" +
                            std::to_string(index) + ")") {}
};

// An index outside a grid's rows or columns, or a list's items.
struct SubscriptOutOfRange : std::out_of_range {
    SubscriptOutOfRange() : std::out_of_range("subscript out of range") {}
};

enum class Alignment { Left = 0, Right = 1, Centre = 2 };

struct Control {
    Control() = default;
    Control(const Control&) = default;
    Control& operator=(const Control&) = default;
    virtual ~Control() = default;

    ControlRef ref;
    // The frame, page or picture the control sits in; the window itself for top-level controls.
    ControlRef container;
    // Position and size in twips, relative to the container.
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    bool Visible = true;
    bool Enabled = true;
    std::string Tag;
    std::string ToolTipText;
    Colour ForeColor = Rgb(0, 0, 0);
    Colour BackColor = Rgb(255, 255, 255);
    bool Transparent = false;
    float FontSize = 8.0f;
    bool FontBold = false;
    int Alignment = 0;
    // Stacking order among the container's children: higher lies above.
    int ZOrder = 0;
    bool TabStop = true;
    // Position in the keyboard's tab order: the order of creation.
    int TabIndex = 0;

    Form* OwnerForm() const { return form_; }
    void Bind(Form* form, ControlRef r) {
        form_ = form;
        ref = r;
        TabIndex = NextTabIndex();
    }

protected:
    Form* form_ = nullptr;
};

struct Label : Control {
    const std::string& Caption() const { return caption_; }
    // A different caption raises the label's Change event; an auto-sizing label measures itself.
    void SetCaption(const std::string& caption);
    bool AutoSize = false;
    bool WordWrap = false;

private:
    std::string caption_;
};

struct TextBox : Control {
    const std::string& Text() const { return text_; }
    // A different text raises Change before returning.
    void SetText(const std::string& text);
    // The hint of the field (the classic link-item property).
    std::string LinkItem;
    int SelStart = 0;
    int SelLength = 0;
    bool Locked = false;

private:
    std::string text_;
};

struct ListBox : Control {
    int ListCount() const { return static_cast<int>(items_.size()); }
    const std::string& List(int i) const;
    void SetList(int i, const std::string& text);
    void AddItem(const std::string& text, int index = -1);
    void RemoveItem(int index);
    // Empties the list; the selection goes to -1 without an event.
    void Clear();
    int ListIndex() const { return listIndex_; }
    // Selecting another item raises Click.
    void SetListIndex(int index);
    const std::vector<std::string>& Items() const { return items_; }
    int TopIndex = 0;

private:
    std::vector<std::string> items_;
    int listIndex_ = -1;
};

struct OptionButton : Control {
    std::string Caption;
    bool Value() const { return value_; }
    // Setting True clears the other buttons of the container and raises Click.
    void SetValue(bool value);
    // Used for the clearing of siblings; raises nothing.
    void ClearValue() { value_ = false; }

private:
    bool value_ = false;
};

struct CheckBox : Control {
    std::string Caption;
    int Value() const { return value_; }
    void SetValue(int value);

private:
    int value_ = 0;
};

struct Frame : Control {
    std::string Caption;
};

// Page frames, arrows, drawings: a surface that may show a picture file.
struct PictureBox : Control {
    std::string Picture;
    bool Border = false;
};

struct Image : Control {
    std::string Picture;
    bool Stretch = false;
};

struct CommandButton : Control {
    std::string Caption;
};

// Shapes and lines of the design: only their colours and places matter.
struct Shape : Control {
    Colour BorderColor = Rgb(0, 0, 0);
    Colour FillColor = kNoColour;
    bool IsLine = false;
};

struct ProgressBarControl : Control {
    int Min = 0;
    int Max = 100;
    int Value = 0;
};

struct TimerControl : Control {
    int Interval = 0;
};

struct ImageList {
    // Pictures 1..n (element 0 unused).
    std::vector<std::string> Images = {""};
};

struct GridCell {
    std::string text;
    Colour fore = kNoColour;
    Colour back = kNoColour;
    // Typed over by the user: the calculation leaves the value alone (shown in the override
    // colour).
    bool entered = false;
};

struct Grid : Control {
    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    // Growing keeps every cell; shrinking drops the cells beyond.
    void SetRows(int rows);
    void SetCols(int cols);
    int FixedRows = 1;
    int FixedCols = 1;

    const std::string& TextMatrix(int row, int col) const;
    void SetTextMatrix(int row, int col, const std::string& text);
    GridCell& Cell(int row, int col);
    const GridCell& Cell(int row, int col) const;

    // The current cell and the selection.
    int Row = 0;
    int Col = 0;
    int RowSel = 0;
    int ColSel = 0;
    int TopRow = 0;
    int LeftCol = 0;
    // Colour of the current cell (Row, Col).
    Colour CellBackColor() const { return Cell(Row, Col).back; }
    void SetCellBackColor(Colour c) { Cell(Row, Col).back = c; }
    Colour CellForeColor() const { return Cell(Row, Col).fore; }
    void SetCellForeColor(Colour c) { Cell(Row, Col).fore = c; }

    int ColWidth(int col) const;
    void SetColWidth(int col, int width);
    int RowHeight(int row) const;
    void SetRowHeight(int row, int height);
    // Place of the current cell relative to the grid, in twips.
    int CellLeft() const;
    int CellTop() const;
    int CellWidth() const { return ColWidth(Col); }
    // Scrolls a column at a time until the current column is shown whole within room twips
    // (or is the first scrollable column shown).
    void ScrollToCol(int room);
    int CellHeight() const { return RowHeight(Row); }

    Colour BackColorBkg = Rgb(128, 128, 128);
    Colour BackColorFixed = Rgb(212, 208, 200);
    Colour BackColorSel = Rgb(0, 0, 128);
    Colour ForeColorFixed = Rgb(0, 0, 0);
    Colour ForeColorSel = Rgb(255, 255, 255);
    Colour GridColor = Rgb(192, 192, 192);
    Colour GridColorFixed = Rgb(0, 0, 0);
    int DefaultColWidth = 960;
    int DefaultRowHeight = 255;

private:
    void Check(int row, int col) const;
    int rows_ = 0;
    int cols_ = 0;
    std::vector<std::vector<GridCell>> cells_;
    std::vector<int> colWidths_;
    std::vector<int> rowHeights_;
};

// A sparse array of controls by index, as the window design creates them.
template <class T> class ControlArray {
public:
    explicit ControlArray(ArrayId id) : id_(id) {}

    T& operator[](int index) {
        auto it = items_.find(index);
        if (it == items_.end()) throw NoSuchControl(id_, index);
        return it->second;
    }
    const T& operator[](int index) const {
        auto it = items_.find(index);
        if (it == items_.end()) throw NoSuchControl(id_, index);
        return it->second;
    }
    bool Exists(int index) const { return items_.count(index) != 0; }
    int LBound() const { return items_.empty() ? 0 : items_.begin()->first; }
    int UBound() const { return items_.empty() ? -1 : items_.rbegin()->first; }
    std::size_t Count() const { return items_.size(); }
    ArrayId Id() const { return id_; }

    T& Create(int index, Form* form) {
        T& c = items_[index];
        c.Bind(form, {id_, index});
        return c;
    }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

private:
    ArrayId id_;
    std::map<int, T> items_;
};

} // namespace tw
