// SPDX-License-Identifier: MIT
// The window's layout on a resize and the menu buttons' colours under the mouse.
#include "support/installation.h"
#include "ui/layout.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace tw::test {
namespace {

constexpr Colour kText = Rgb(0, 0, 0);
constexpr Colour kHover = Rgb(255, 0, 0);
constexpr Colour kSelected = Rgb(255, 255, 255);

// A designed window, not loaded: the layout needs no data files.
class Layout : public ::testing::Test {
protected:
    Layout() : installation_(true), window_(installation_.NewWindow()) {
        window_->Colours.ButtonText = kText;
        window_->Colours.Hover = kHover;
        window_->Colours.ShadowSelect = kSelected;
    }
    FrmMain& W() { return *window_; }
    // Sets the outer and the inner size together, as the window system reports them.
    void Size(int outerWidth, int innerHeight) {
        auto& w = W().Window;
        w.ScaleWidth = outerWidth - w.FrameWidth;
        w.Width = outerWidth;
        w.ScaleHeight = innerHeight;
        w.Height = innerHeight + w.FrameHeight;
    }
    bool Logged(const std::string& line) {
        auto lines = W().Log.DumpLines();
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }
    Installation installation_;
    std::unique_ptr<FrmMain> window_;
};

// --- Minimum size -----------------------------------------------------------------------------

TEST_F(Layout, BelowTheMinimumTheWindowSpringsBack) {
    struct Case {
        int outerWidth, innerHeight;
        int expectWidth, expectInnerHeight;
    } cases[] = {
        {9600, 5000, 9600, 7200},   // too low
        {7000, 7200, 9600, 7200},   // too narrow
        {4000, 3000, 9600, 7200},   // both
        {12000, 9000, 12000, 9000}, // larger stays
        {9600, 7200, 9600, 7200},   // exactly the minimum
    };
    for (const auto& c : cases) {
        Size(c.outerWidth, c.innerHeight);
        W().Form_Resize();
        const auto& w = W().Window;
        EXPECT_EQ(w.Width, c.expectWidth) << c.outerWidth << "x" << c.innerHeight;
        EXPECT_EQ(w.ScaleHeight, c.expectInnerHeight) << c.outerWidth << "x" << c.innerHeight;
        // The frame around the inner area keeps its size.
        EXPECT_EQ(w.Width - w.ScaleWidth, w.FrameWidth);
        EXPECT_EQ(w.Height - w.ScaleHeight, w.FrameHeight);
        EXPECT_FALSE(W().ResizeLock);
    }
}

TEST_F(Layout, MinimisedOrLockedItDoesNothing) {
    for (int which = 0; which < 2; ++which) {
        Size(5000, 4000);
        const PictureBox before = W().FRAME[0];
        if (which == 0)
            W().Window.WindowState = 1;
        else
            W().ResizeLock = true;
        W().Form_Resize();
        EXPECT_EQ(W().Window.Width, 5000);
        EXPECT_EQ(W().Window.ScaleHeight, 4000);
        EXPECT_EQ(W().FRAME[0].Width, before.Width);
        EXPECT_EQ(W().FRAME[0].Height, before.Height);
        EXPECT_FALSE(Logged(">FormResize()"));
        W().Window.WindowState = 0;
        W().ResizeLock = false;
    }
    // Maximised is laid out like normal.
    W().Window.WindowState = 2;
    Size(14000, 10000);
    W().Form_Resize();
    EXPECT_TRUE(Logged(">FormResize()"));
    EXPECT_EQ(W().FRAME[0].Height, 10000 - 120);
}

// --- Page area --------------------------------------------------------------------------------

TEST_F(Layout, EveryPageLiesOverFrameZero) {
    Size(12000, 9000);
    W().Form_Resize();
    const int inner = W().Window.ScaleWidth;
    const auto& shadow = W().SHADOW[0];
    const auto& area = W().FRAME[0];
    EXPECT_EQ(area.Height, 9000 - 120);
    EXPECT_EQ(area.Width, inner - (shadow.Left + shadow.Width) - 120);
    EXPECT_EQ(area.Left, inner - area.Width - 60);
    EXPECT_EQ(area.Top, 60);
    for (auto& [p, page] : W().FRAME) {
        EXPECT_EQ(page.Left, area.Left) << "page " << p;
        EXPECT_EQ(page.Top, area.Top) << "page " << p;
        EXPECT_EQ(page.Width, area.Width) << "page " << p;
        EXPECT_EQ(page.Height, area.Height) << "page " << p;
    }
    for (auto& [p, border] : W().PageBorder) {
        EXPECT_EQ(border.Left, area.Left) << "border " << p;
        EXPECT_EQ(border.Top, area.Top) << "border " << p;
        EXPECT_EQ(border.Width, area.Width - 30) << "border " << p;
        EXPECT_EQ(border.Height, area.Height - 30) << "border " << p;
    }
}

TEST_F(Layout, TheLowerLeftStackFollowsTheHeight) {
    Size(9600, 8000);
    W().Form_Resize();
    auto& w = W();
    EXPECT_EQ(w.ThumbNailLogo.Top, 8000 - 60 - w.ThumbNailLogo.Height);
    EXPECT_EQ(w.SHADOW[9].Top, w.ThumbNailLogo.Top - 60 - w.SHADOW[9].Height);
    EXPECT_EQ(w.HINTBOX.Height,
              w.SHADOW[9].Top - 60 - (w.HintBoxCaption.Top + w.HintBoxCaption.Height + 60));
}

TEST_F(Layout, MenuButtonsLieJustAboveTheirShadows) {
    Size(9600, 7200);
    W().Form_Resize();
    for (auto& [i, shadow] : W().SHADOW) {
        const Label& button = W().BUTT[i];
        const int offset = i <= 14 || i == 22 ? 10 : 0;
        EXPECT_EQ(button.Left, shadow.Left + offset) << "button " << i;
        EXPECT_EQ(button.Top, shadow.Top + offset) << "button " << i;
        EXPECT_GT(button.ZOrder, shadow.ZOrder) << "button " << i;
        EXPECT_TRUE(button.Transparent) << "button " << i;
        EXPECT_EQ(button.ForeColor, kText) << "button " << i;
    }
}

TEST_F(Layout, TheLogoIsCentredAndTheRestPlaced) {
    Size(12000, 9000);
    W().Form_Resize();
    auto& w = W();
    const auto& area = w.FRAME[0];
    EXPECT_EQ(w.Logo.Left, area.Left + (area.Width - w.Logo.Width) / 2);
    EXPECT_EQ(w.Logo.Top, area.Top + (area.Height - w.Logo.Height) / 2);
    EXPECT_EQ(w.VersionNo.Left, w.Logo.Left);
    EXPECT_EQ(w.VersionNo.Top, w.Logo.Top + w.Logo.Height);
    for (auto& [p, arrow] : w.TABBPIC) {
        EXPECT_EQ(arrow.Left, 60);
        EXPECT_EQ(arrow.Top, 60);
    }
    for (auto& [p, arrow] : w.TABFPIC) {
        EXPECT_EQ(arrow.Top, 60);
        EXPECT_EQ(arrow.Left, area.Width - arrow.Width - 120);
    }
    EXPECT_EQ(w.ConnectedImage.Left, w.Window.ScaleWidth - w.ConnectedImage.Width - 60);
    EXPECT_EQ(w.ConnectedImage.Top, 9000 - w.ConnectedImage.Height - 60);
    EXPECT_EQ(w.ProgressBar.Left, w.BUTT[9].Left + w.BUTT[9].Width + 120);
    EXPECT_EQ(w.ProgressBar.Width, w.UpdateCancel.Left - w.ProgressBar.Left - 120);
    EXPECT_EQ(w.UpdateCancel.Left + w.UpdateCancel.Width + 120, w.ConnectedImage.Left);
    EXPECT_EQ(w.FileHistoryList.Width, area.Width - 120);
    EXPECT_EQ(w.FileHistoryList.Height, area.Height - w.FileHistoryList.Top - 120);
}

TEST_F(Layout, ResultGridsSpanThePageBelowTheBanner) {
    Size(12000, 9000);
    W().Form_Resize();
    const auto& area = W().FRAME[0];
    for (auto& [g, grid] : W().MSFlexGrid) {
        if (g <= 500) continue;
        EXPECT_EQ(grid.Left, 60) << "grid " << g;
        EXPECT_EQ(grid.Top, 420) << "grid " << g;
        EXPECT_EQ(grid.Width, area.Width - 120) << "grid " << g;
    }
}

TEST_F(Layout, TheBannerShowsOneLineBesideTheBackArrow) {
    W().Banner.LineHeight = 195;
    Size(12000, 9000);
    W().Form_Resize();
    auto& w = W();
    const auto& area = w.FRAME[0];
    const auto& arrow = w.TABBPIC[0];
    EXPECT_EQ(w.EFRAME.Left, area.Left + arrow.Left + arrow.Width + 60);
    EXPECT_EQ(w.EFRAME.Top, area.Top + arrow.Top);
    EXPECT_EQ(w.EFRAME.Left + w.EFRAME.Width, area.Left + area.Width - 120);
    EXPECT_EQ(w.EFRAME.Height, 300);
    EXPECT_EQ(w.ESUBFRAME.Left, 60);
    EXPECT_EQ(w.ESUBFRAME.Width, w.EFRAME.Width - 120);
    EXPECT_EQ(w.ESUBFRAME.Height, 195);
    EXPECT_EQ(w.ESUBFRAME.Top, (300 - 195) / 2);
}

TEST(LayoutGradient, BandsRunFromBaseByIncrementWithoutGaps) {
    const float base[3] = {100, 100, 150};
    const float increment[3] = {0.1f, 0.1f, 0.2f};
    EXPECT_EQ(GradientBandColour(base, increment, 0), Rgb(100, 100, 150));
    EXPECT_EQ(GradientBandColour(base, increment, 511), Rgb(151, 151, 252));
    // Components are held within 0..255.
    const float steep[3] = {200, 0, -10};
    const float up[3] = {1, 0, 0};
    EXPECT_EQ(GradientBandColour(steep, up, 511), Rgb(255, 0, 0));
    EXPECT_EQ(GradientBandTop(7200, 0), 0);
    EXPECT_EQ(GradientBandTop(7200, 511), 7200);
    for (int t = 1; t < kGradientBands; ++t)
        EXPECT_GE(GradientBandTop(7200, t), GradientBandTop(7200, t - 1));
}

// --- Menu-button colours ----------------------------------------------------------------------

class LayoutHover : public Layout {
protected:
    void SetUp() override {
        // Page 2 is open: only its shadow shows.
        for (auto& [i, shadow] : W().SHADOW)
            shadow.Visible = i == 2;
        W().ResetButtonColours();
    }
    Colour Fore(int i) { return W().BUTT[i].ForeColor; }
    void Move(ArrayId array, int index) {
        Event e;
        e.type = EventType::MouseMove;
        e.source = {array, index};
        W().Raise(e);
    }
};

TEST_F(LayoutHover, ResetGivesTheOpenPageItsColour) {
    EXPECT_EQ(Fore(2), kSelected);
    EXPECT_EQ(Fore(0), kText);
    EXPECT_EQ(Fore(9), kText);
}

TEST_F(LayoutHover, AButtonUnderTheMouseIsHighlightedAlone) {
    Move(ArrayId::BUTT, 3);
    EXPECT_EQ(Fore(3), kHover);
    Move(ArrayId::BUTT, 5);
    EXPECT_EQ(Fore(5), kHover);
    EXPECT_EQ(Fore(3), kText);
    EXPECT_EQ(Fore(2), kSelected);
}

TEST_F(LayoutHover, TheOpenPagesButtonKeepsItsColour) {
    Move(ArrayId::BUTT, 3);
    Move(ArrayId::BUTT, 2);
    EXPECT_EQ(Fore(2), kSelected);
    EXPECT_EQ(Fore(3), kHover) << "nothing changes over a selected button";
}

TEST_F(LayoutHover, MovingOntoAPageOrSubFrameRestoresTheColours) {
    for (ArrayId onto : {ArrayId::FRAME, ArrayId::CFRAME}) {
        Move(ArrayId::BUTT, 4);
        ASSERT_EQ(Fore(4), kHover);
        Move(onto, onto == ArrayId::FRAME ? 3 : 100);
        EXPECT_EQ(Fore(4), kText);
        EXPECT_EQ(Fore(2), kSelected);
    }
}

TEST_F(Layout, TheWarningBannerChangesColourAtMostOnceASecond) {
    W().Banner.Active = true;
    W().Timer1.Interval = 100;
    int changes = 0;
    Colour last = W().ESUBFRAME.BackColor;
    for (int tick = 0; tick < 30; ++tick) { // three seconds
        W().Timer1_Timer();
        if (W().ESUBFRAME.BackColor != last) ++changes;
        last = W().ESUBFRAME.BackColor;
    }
    EXPECT_EQ(changes, 3);
}

// A desktop without animations: one steady colour, and a whole line at a time every four
// seconds instead of scrolling.
TEST_F(Layout, WithLessMotionTheBannerKeepsItsColourAndStepsLineByLine) {
    installation_.Machine().SetReducedMotion(true);
    W().Banner.LineHeight = 240;
    W().Timer1.Interval = 100;
    W().Banner.AddError("first");
    W().Banner.AddError("second");
    W().UpdateEquipmentNotes(); // shows the banner with its lines
    std::vector<int> tops;
    std::set<Colour> colours;
    for (int tick = 0; tick < 100; ++tick) { // ten seconds
        W().Timer1_Timer();
        colours.insert(W().ESUBFRAME.BackColor);
        if (tops.empty() || tops.back() != W().EBANNER.Top) tops.push_back(W().EBANNER.Top);
    }
    EXPECT_EQ(colours, std::set<Colour>{Rgb(255, 0, 0)});
    EXPECT_EQ(tops, (std::vector<int>{0, -240, 0}));
}

} // namespace
} // namespace tw::test
