// SPDX-License-Identifier: MIT
// The window's layout on every resize, and the menu buttons' colours.
#include "ui/layout.h"

#include "base/flag_scope.h"
#include "frm/frm_main.h"
#include "names/buttons.h"
#include "names/grids.h"

#include <algorithm>
#include <cmath>

namespace tw {

Colour GradientBandColour(const float base[3], const float increment[3], int t) {
    int c[3];
    for (int k = 0; k < 3; ++k) {
        float v = base[k] + static_cast<float>(t) * increment[k];
        c[k] = std::clamp(static_cast<int>(std::lround(v)), 0, 255);
    }
    return Rgb(c[0], c[1], c[2]);
}

int GradientBandTop(int innerHeight, int t) {
    return static_cast<int>(static_cast<long long>(innerHeight) * t / (kGradientBands - 1));
}

void FrmMain::ResetButtonColours() {
    for (auto& [i, shadow] : SHADOW) {
        if (!BUTT.Exists(i)) continue;
        Colour wanted = shadow.Visible ? Colours.ShadowSelect : Colours.ButtonText;
        if (BUTT[i].ForeColor != wanted) BUTT[i].ForeColor = wanted;
    }
}

void FrmMain::BUTT_MouseMove(int index) {
    Colour c = BUTT[index].ForeColor;
    if (c != Colours.Hover && c != Colours.ShadowSelect) {
        ResetButtonColours();
        BUTT[index].ForeColor = Colours.Hover;
    }
}

void FrmMain::LayoutLowerLeft() {
    ThumbNailLogo.Top = Window.ScaleHeight - 60 - ThumbNailLogo.Height;
    SHADOW[button::Exit].Top = ThumbNailLogo.Top - 60 - SHADOW[button::Exit].Height;
    HINTBOX.Height = std::max(0, SHADOW[button::Exit].Top - 60 -
                                     (HintBoxCaption.Top + HintBoxCaption.Height + 60));
}

namespace {

// The page area right of the menu column, and every page and page border on it.
PictureBox& PlacePages(FrmMain& w, int innerWidth, int innerHeight) {
    PictureBox& area = w.FRAME[button::PageArea];
    area.Height = innerHeight - 120;
    area.Width =
        innerWidth - (w.SHADOW[button::JobData].Left + w.SHADOW[button::JobData].Width) - 120;
    area.Left = innerWidth - area.Width - 60;
    area.Top = 60;
    for (auto& [p, page] : w.FRAME) {
        if (p == 0) continue;
        page.Left = area.Left;
        page.Top = area.Top;
        page.Width = area.Width;
        page.Height = area.Height;
    }
    for (auto& [p, border] : w.PageBorder) {
        border.Left = area.Left;
        border.Top = area.Top;
        border.Width = area.Width - 30;
        border.Height = area.Height - 30;
    }

    return area;
}

// Menu buttons lie just right of and below their shadows (on them, off the column).
void PlaceMenuButtons(FrmMain& w) {
    for (auto& [i, shadow] : w.SHADOW) {
        w.BringToFront(shadow.ref);
        if (!w.BUTT.Exists(i)) continue;
        Label& button = w.BUTT[i];
        button.Transparent = true;
        button.ForeColor = w.Colours.ButtonText;
        int offset = button::InMenuColumn(i) ? 10 : 0;
        button.container = shadow.container;
        button.Left = shadow.Left + offset;
        button.Top = shadow.Top + offset;
        button.Width = shadow.Width;
        button.Height = shadow.Height;
        w.BringToFront(button.ref);
    }
}

// The logo, the grids, the page arrows and the status line along the bottom.
void PlacePageContents(FrmMain& w, const PictureBox& area, int innerWidth, int innerHeight) {
    // The logo centred in the page area, the version right below it.
    w.Logo.Left = area.Left + (area.Width - w.Logo.Width) / 2;
    w.Logo.Top = area.Top + (area.Height - w.Logo.Height) / 2;
    w.VersionNo.Left = w.Logo.Left;
    w.VersionNo.Top = w.Logo.Top + w.Logo.Height;

    // The selection's working grids share one place below the banner.
    for (auto& [g, grid] : w.MSFlexGrid) {
        if (tw::grid::IsInput(g)) continue;
        grid.Left = 60;
        grid.Top = 420;
        grid.Width = area.Width - 120;
    }
    // The two input grids take the room a larger window gives the page, so more surfaces,
    // products and rows are in view; their focus traps stay right above and below them.
    for (int g : {grid::Surfaces, grid::Products}) {
        if (!w.MSFlexGrid.Exists(g)) continue;
        Grid& grid = w.MSFlexGrid[g];
        const int rightMargin = g == grid::Surfaces ? 300 : 120;
        const int bottomMargin = g == grid::Surfaces ? 640 : 1620;
        grid.Width = std::max(0, area.Width - grid.Left - rightMargin);
        grid.Height = std::max(0, area.Height - grid.Top - bottomMargin);
        if (w.TabForward.Exists(g)) w.TabForward[g].Top = grid.Top + grid.Height;
    }
    for (auto& [p, arrow] : w.TABBPIC) {
        arrow.Left = 60;
        arrow.Top = 60;
    }
    for (auto& [p, arrow] : w.TABFPIC) {
        arrow.Top = 60;
        arrow.Left = area.Width - arrow.Width - 120;
    }
    w.ConnectedImage.Left = innerWidth - w.ConnectedImage.Width - 60;
    w.ConnectedImage.Top = innerHeight - w.ConnectedImage.Height - 60;
    w.ProgressBar.Left = w.BUTT[button::Exit].Left + w.BUTT[button::Exit].Width + 120;
    w.ProgressBar.Top = w.ConnectedImage.Top + (w.ConnectedImage.Height - w.ProgressBar.Height) / 2;
    // The Cancel button of an update download between the progress bar and the picture.
    w.UpdateCancel.Left = w.ConnectedImage.Left - w.UpdateCancel.Width - 120;
    w.UpdateCancel.Top =
        w.ConnectedImage.Top + (w.ConnectedImage.Height - w.UpdateCancel.Height) / 2;
    w.ProgressBar.Width = std::max(0, w.UpdateCancel.Left - w.ProgressBar.Left - 120);
    w.FileHistoryList.Width = area.Width - 120;
    w.FileHistoryList.Height = std::max(0, area.Height - w.FileHistoryList.Top - 120);
}

// The warning banner: one line at a time, beside the previous-page arrow.
void PlaceBanner(FrmMain& w, const PictureBox& area) {
    const PictureBox& arrow = w.TABBPIC[0];
    w.EFRAME.Left = area.Left + arrow.Left + arrow.Width + 60;
    w.EFRAME.Top = area.Top + arrow.Top;
    w.EFRAME.Width = std::max(0, area.Left + area.Width - 120 - w.EFRAME.Left);
    w.EFRAME.Height = 300;
    w.ESUBFRAME.Left = 60;
    w.ESUBFRAME.Width = std::max(0, w.EFRAME.Width - 120);
    w.ESUBFRAME.Height = w.Banner.LineHeight;
    w.ESUBFRAME.Top = (w.EFRAME.Height - w.ESUBFRAME.Height) / 2;
    w.EBANNER.Left = 0;
    w.EBANNER.Width = w.ESUBFRAME.Width;
    w.EBannerBorder.Left = 0;
    w.EBannerBorder.Top = 0;
    w.EBannerBorder.Width = w.ESUBFRAME.Width;
    w.EBannerBorder.Height = w.ESUBFRAME.Height;
}

} // namespace

void FrmMain::Form_Resize() {
    if (Window.WindowState == 1 || ResizeLock) return;
    LogWrite(">FormResize()");

    // Never smaller than the design: the window springs back.
    if (Window.ScaleHeight < 7200) {
        FlagScope locked(ResizeLock);
        Window.Height += 7200 - Window.ScaleHeight;
        Window.ScaleHeight = 7200;
    }
    if (Window.Width < 9600) {
        FlagScope locked(ResizeLock);
        Window.ScaleWidth += 9600 - Window.Width;
        Window.Width = 9600;
    }
    platform.DoEvents();
    const int innerWidth = Window.ScaleWidth;
    const int innerHeight = Window.ScaleHeight;

    LayoutLowerLeft();
    const PictureBox& area = PlacePages(*this, innerWidth, innerHeight);
    // The background gradient is painted from Window.Gradient* by the window.
    PlaceMenuButtons(*this);
    PlacePageContents(*this, area, innerWidth, innerHeight);
    PlaceBanner(*this, area);
}

} // namespace tw
