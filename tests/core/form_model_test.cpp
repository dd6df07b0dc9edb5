// SPDX-License-Identifier: MIT
// The headless window model: control arrays, the properties whose change raises an event,
// the keyboard focus, and the grid and list containers.
#include "ui/form.h"
#include "ui/window_design.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace tw {
namespace {

struct Seen {
    EventType type;
    ControlRef source;
    bool operator==(const Seen& o) const { return type == o.type && source == o.source; }
};

void PrintTo(const Seen& s, std::ostream* os) {
    *os << static_cast<int>(s.type) << "@" << ArrayName(s.source.array) << "(" << s.source.index
        << ")";
}

// The designed window with a handler that records every event.
class FormModel : public ::testing::Test {
protected:
    FormModel() {
        BuildWindowDesign(form_);
        form_.SetEventHandler([this](const Event& e) {
            seen_.push_back({e.type, e.source});
            if (onEvent_) onEvent_(e);
        });
    }
    static ControlRef Box(int n) { return {ArrayId::TEXTBOX, n}; }
    std::vector<Seen> Take() {
        auto s = seen_;
        seen_.clear();
        return s;
    }
    Form form_;
    std::vector<Seen> seen_;
    std::function<void(const Event&)> onEvent_;
};

// --- Control arrays ---------------------------------------------------------------------------

TEST_F(FormModel, AnIndexTheDesignLacksIsNoSuchControl) {
    EXPECT_NO_THROW(form_.TEXTBOX[103]);
    EXPECT_THROW(form_.TEXTBOX[9999], NoSuchControl);
    EXPECT_THROW(form_.LABEL[-1], NoSuchControl);
    EXPECT_THROW(form_.Get({ArrayId::BUTT, 99}), NoSuchControl);
    EXPECT_THROW(form_.Get({ArrayId::Window, 0}), NoSuchControl);
    EXPECT_TRUE(form_.Exists(Box(103)));
    EXPECT_FALSE(form_.Exists(Box(9999)));
    try {
        form_.TEXTBOX[9999];
    } catch (const NoSuchControl& e) {
        EXPECT_STREQ(e.what(), "control does not exist: TEXTBOX(9999)");
    }
    // A const look-up does not create the control either.
    const Form& constForm = form_;
    EXPECT_THROW(constForm.TEXTBOX[9998], NoSuchControl);
    EXPECT_FALSE(form_.Exists(Box(9998)));
}

TEST_F(FormModel, EveryControlKnowsItsPlaceInItsArray) {
    form_.ForEachControl([&](Control& c) {
        EXPECT_EQ(&form_.Get(c.ref), &c) << ArrayName(c.ref.array) << "(" << c.ref.index << ")";
        EXPECT_EQ(c.OwnerForm(), &form_);
    });
}

// --- Events raised by property changes --------------------------------------------------------

TEST_F(FormModel, TextChangeIsRaisedOnlyForADifferentText) {
    TextBox& box = form_.TEXTBOX[103];
    std::string textDuringChange;
    onEvent_ = [&](const Event&) { textDuringChange = box.Text(); };

    box.SetText("35");
    EXPECT_EQ(Take(), (std::vector<Seen>{{EventType::Change, Box(103)}}));
    // The handler runs before the assignment returns, and sees the new text.
    EXPECT_EQ(textDuringChange, "35");

    box.SetText("35");
    EXPECT_TRUE(Take().empty());
    box.SetText("");
    EXPECT_EQ(Take().size(), 1u);
    // Tag and other plain properties raise nothing.
    box.Tag = "1.5";
    box.Visible = false;
    EXPECT_TRUE(Take().empty());
}

TEST_F(FormModel, ATextChangeKeepsTheSelectionInsideTheText) {
    TextBox& box = form_.TEXTBOX[103];
    box.SetText("12345");
    box.SelStart = 4;
    box.SelLength = 1;
    box.SetText("12");
    EXPECT_EQ(box.SelStart, 2);
    EXPECT_EQ(box.SelLength, 0);
}

TEST_F(FormModel, CaptionChangeIsRaisedOnlyForADifferentCaption) {
    Label& label = form_.LABEL[103];
    label.SetCaption("Room temperature");
    label.SetCaption("Room temperature");
    EXPECT_EQ(Take(), (std::vector<Seen>{{EventType::Change, {ArrayId::LABEL, 103}}}));
}

TEST_F(FormModel, AnAutoSizingLabelMeasuresItsCaption) {
    form_.SetMeasurer([](const std::string& text, float, bool, int& w, int& h) {
        w = static_cast<int>(text.size()) * 100;
        h = 200;
    });
    form_.SIZER.SetCaption("SSR404A");
    EXPECT_EQ(form_.SIZER.Width, 700);
    EXPECT_EQ(form_.SIZER.Height, 200);
    // A label that does not size itself keeps its measures.
    const int width = form_.LABEL[103].Width;
    form_.LABEL[103].SetCaption("A rather long caption for a label");
    EXPECT_EQ(form_.LABEL[103].Width, width);
}

TEST_F(FormModel, ListIndexRaisesClick) {
    ListBox& list = form_.OPTIONLIST[504];
    const ControlRef ref{ArrayId::OPTIONLIST, 504};
    for (const char* item : {"R404A", "R134a", "R448A"})
        list.AddItem(item);
    EXPECT_TRUE(Take().empty());

    list.SetListIndex(1);
    EXPECT_EQ(Take(), (std::vector<Seen>{{EventType::Click, ref}}));
    list.SetListIndex(1);
    EXPECT_TRUE(Take().empty());
    list.SetListIndex(-1);
    EXPECT_EQ(Take().size(), 1u);
    EXPECT_THROW(list.SetListIndex(3), SubscriptOutOfRange);
    EXPECT_THROW(list.SetListIndex(-2), SubscriptOutOfRange);

    list.SetListIndex(2);
    Take();
    list.Clear();
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_EQ(list.ListCount(), 0);
    EXPECT_TRUE(Take().empty());
}

TEST_F(FormModel, ListItemsKeepTheSelectionOnTheSameItem) {
    ListBox& list = form_.OPTIONLIST[504];
    for (const char* item : {"a", "b", "c"})
        list.AddItem(item);
    list.SetListIndex(1);
    list.AddItem("first", 0);
    EXPECT_EQ(list.ListIndex(), 2);
    EXPECT_EQ(list.List(list.ListIndex()), "b");
    list.RemoveItem(0);
    EXPECT_EQ(list.ListIndex(), 1);
    list.RemoveItem(1);
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_THROW(list.List(5), SubscriptOutOfRange);
    EXPECT_THROW(list.AddItem("x", 9), SubscriptOutOfRange);
    EXPECT_THROW(list.RemoveItem(-1), SubscriptOutOfRange);
}

TEST_F(FormModel, AnOptionButtonClearsItsSiblingsInTheSameContainer) {
    // Buttons 600-602 share one sub-frame, 603-605 another.
    auto& radio = form_.RADIO;
    radio[603].SetValue(true);
    radio[600].SetValue(true);
    Take();

    radio[601].SetValue(true);
    EXPECT_EQ(Take(), (std::vector<Seen>{{EventType::Click, {ArrayId::RADIO, 601}}}));
    EXPECT_FALSE(radio[600].Value());
    EXPECT_TRUE(radio[601].Value());
    EXPECT_FALSE(radio[602].Value());
    EXPECT_TRUE(radio[603].Value()) << "a button of another container";

    // Clearing raises nothing.
    radio[601].SetValue(false);
    EXPECT_FALSE(radio[601].Value());
    EXPECT_TRUE(Take().empty());
}

TEST_F(FormModel, ACheckBoxRaisesClickWhenItsValueChanges) {
    CheckBox& check = form_.CHECK.Create(1, &form_);
    check.SetValue(1);
    check.SetValue(1);
    check.SetValue(0);
    EXPECT_EQ(Take().size(), 2u);
}

// --- Focus ------------------------------------------------------------------------------------

TEST_F(FormModel, FocusMovesWithLostFocusBeforeGotFocus) {
    form_.FRAME[1].Visible = true;
    ASSERT_TRUE(form_.SetFocus(Box(103)));
    EXPECT_EQ(Take(), (std::vector<Seen>{{EventType::GotFocus, Box(103)}}));

    ASSERT_TRUE(form_.SetFocus(Box(102)));
    EXPECT_EQ(Take(), (std::vector<Seen>{{EventType::LostFocus, Box(103)},
                                         {EventType::GotFocus, Box(102)}}));
    EXPECT_EQ(form_.ActiveControl(), Box(102));

    // Focusing the focused control again raises nothing.
    EXPECT_TRUE(form_.SetFocus(Box(102)));
    EXPECT_TRUE(Take().empty());
}

TEST_F(FormModel, AControlThatCannotBeSeenRefusesTheFocus) {
    form_.FRAME[1].Visible = true;
    ASSERT_TRUE(form_.SetFocus(Box(103)));
    Take();

    // On a hidden page.
    EXPECT_FALSE(form_.SetFocus(Box(212)));
    // In a hidden sub-frame of a shown page (infiltration method 2).
    form_.FRAME[7].Visible = true;
    ASSERT_FALSE(form_.CFRAME[602].Visible);
    EXPECT_FALSE(form_.SetFocus(Box(619)));
    EXPECT_TRUE(form_.SetFocus(Box(605))) << "method 1 is the one shown";
    form_.SetFocus(Box(103));
    Take();
    // Hidden or disabled itself.
    form_.TEXTBOX[102].Visible = false;
    EXPECT_FALSE(form_.SetFocus(Box(102)));
    form_.TEXTBOX[102].Visible = true;
    form_.TEXTBOX[102].Enabled = false;
    EXPECT_FALSE(form_.SetFocus(Box(102)));
    // A label never takes the focus, nor does a control the design lacks.
    EXPECT_FALSE(form_.SetFocus({ArrayId::LABEL, 102}));
    EXPECT_FALSE(form_.SetFocus(Box(9999)));

    EXPECT_TRUE(Take().empty());
    EXPECT_EQ(form_.ActiveControl(), Box(103));
}

TEST_F(FormModel, IsShownLooksUpToTheWindow) {
    EXPECT_FALSE(form_.IsShown(Box(103))) << "pages are hidden at design";
    form_.FRAME[1].Visible = true;
    EXPECT_TRUE(form_.IsShown(Box(103)));
    EXPECT_TRUE(form_.IsShown({ArrayId::RADIO, 100}));
    form_.CFRAME[100].Visible = false;
    EXPECT_FALSE(form_.IsShown({ArrayId::RADIO, 100}));
}

// --- Typing into a text box -------------------------------------------------------------------

TEST_F(FormModel, TypedKeysEditAtTheSelection) {
    TextBox& box = form_.TEXTBOX[103];
    box.SetText("12,5");
    box.SelStart = 2;
    box.SelLength = 1;
    form_.ApplyTypedKey(box, '.');
    EXPECT_EQ(box.Text(), "12.5");
    EXPECT_EQ(box.SelStart, 3);

    // Backspace takes one whole character, however many bytes it has.
    box.SetText("5\xC2\xB0");
    box.SelStart = 3;
    box.SelLength = 0;
    form_.ApplyTypedKey(box, 8);
    EXPECT_EQ(box.Text(), "5");
    EXPECT_EQ(box.SelStart, 1);

    // Backspace at the start and control characters change nothing.
    box.SelStart = 0;
    Take();
    form_.ApplyTypedKey(box, 8);
    form_.ApplyTypedKey(box, 13);
    EXPECT_EQ(box.Text(), "5");
    EXPECT_TRUE(Take().empty());

    // A character above ASCII arrives as its code point.
    box.SelStart = 1;
    form_.ApplyTypedKey(box, 0xB0);
    EXPECT_EQ(box.Text(), "5\xC2\xB0");
    EXPECT_EQ(Take().size(), 1u);
}

// --- Grids ------------------------------------------------------------------------------------

TEST_F(FormModel, GrowingAGridKeepsItsCells) {
    Grid& grid = form_.MSFlexGrid[200];
    grid.SetRows(10);
    grid.SetCols(3);
    grid.SetTextMatrix(9, 2, "Wall 1");
    grid.Cell(9, 2).fore = Rgb(192, 0, 0);

    grid.SetCols(6);
    grid.SetRows(12);
    EXPECT_EQ(grid.TextMatrix(9, 2), "Wall 1");
    EXPECT_EQ(grid.Cell(9, 2).fore, Rgb(192, 0, 0));
    EXPECT_EQ(grid.TextMatrix(11, 5), "");
    EXPECT_EQ(grid.Cell(11, 5).fore, kNoColour);

    // Shrinking drops the cells beyond; growing again brings them back empty.
    grid.SetCols(2);
    grid.SetCols(3);
    EXPECT_EQ(grid.TextMatrix(9, 2), "");
}

TEST_F(FormModel, AGridCellOutsideTheGridIsOutOfRange) {
    Grid& grid = form_.MSFlexGrid[300];
    grid.SetRows(4);
    grid.SetCols(3);
    for (auto [r, c] : {std::pair{4, 0}, {0, 3}, {-1, 0}, {0, -1}}) {
        EXPECT_THROW(grid.TextMatrix(r, c), SubscriptOutOfRange) << r << "," << c;
        EXPECT_THROW(grid.SetTextMatrix(r, c, "x"), SubscriptOutOfRange) << r << "," << c;
    }
    EXPECT_THROW(grid.ColWidth(3), SubscriptOutOfRange);
    EXPECT_THROW(grid.SetRowHeight(4, 300), SubscriptOutOfRange);
    EXPECT_THROW(grid.SetRows(-1), SubscriptOutOfRange);
}

TEST_F(FormModel, TheCurrentCellStaysInsideAShrunkGrid) {
    Grid& grid = form_.MSFlexGrid[300];
    grid.SetRows(10);
    grid.SetCols(5);
    grid.Row = 9;
    grid.Col = 4;
    grid.SetRows(5);
    grid.SetCols(3);
    EXPECT_EQ(grid.Row, 4);
    EXPECT_EQ(grid.Col, 2);
    EXPECT_NO_THROW(grid.CellBackColor());
}

TEST_F(FormModel, CellPlacesAddUpColumnWidthsAndRowHeights) {
    Grid& grid = form_.MSFlexGrid[300];
    grid.SetRows(5);
    grid.SetCols(5);
    grid.FixedRows = 1;
    grid.FixedCols = 2;
    grid.DefaultColWidth = 1000;
    grid.DefaultRowHeight = 250;
    grid.SetColWidth(1, 500);
    grid.Row = 3;
    grid.Col = 4;
    EXPECT_EQ(grid.CellLeft(), 1000 + 500 + 1000 + 1000);
    EXPECT_EQ(grid.CellTop(), 3 * 250);
    // Scrolled: the fixed columns stay, the scrollable ones start at LeftCol.
    grid.LeftCol = 3;
    EXPECT_EQ(grid.CellLeft(), 1000 + 500 + 1000);
    EXPECT_EQ(grid.CellWidth(), 1000);
}

} // namespace
} // namespace tw
