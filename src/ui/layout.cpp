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
        Colour wanted = shadow.Visible ? ShadowSelectColour : ButtonTextColour;
        if (BUTT[i].ForeColor != wanted) BUTT[i].ForeColor = wanted;
    }
}

void FrmMain::BUTT_MouseMove(int index) {
    Colour c = BUTT[index].ForeColor;
    if (c != HoverColour && c != ShadowSelectColour) {
        ResetButtonColours();
        BUTT[index].ForeColor = HoverColour;
    }
}

void FrmMain::LayoutLowerLeft() {
    ThumbNailLogo.Top = Window.ScaleHeight - 60 - ThumbNailLogo.Height;
    SHADOW[button::Exit].Top = ThumbNailLogo.Top - 60 - SHADOW[button::Exit].Height;
    HINTBOX.Height = std::max(0, SHADOW[button::Exit].Top - 60 -
                                     (HintBoxCaption.Top + HintBoxCaption.Height + 60));
}

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

    // The page area right of the menu column.
    PictureBox& area = FRAME[0];
    area.Height = innerHeight - 120;
    area.Width = innerWidth - (SHADOW[button::JobData].Left + SHADOW[button::JobData].Width) - 120;
    area.Left = innerWidth - area.Width - 60;
    area.Top = 60;
    for (auto& [p, page] : FRAME) {
        if (p == 0) continue;
        page.Left = area.Left;
        page.Top = area.Top;
        page.Width = area.Width;
        page.Height = area.Height;
    }
    for (auto& [p, border] : PageBorder) {
        border.Left = area.Left;
        border.Top = area.Top;
        border.Width = area.Width - 30;
        border.Height = area.Height - 30;
    }

    // The background gradient is painted from Window.Gradient* by the window.

    // Menu buttons lie just right of and below their shadows (on them, off the column).
    for (auto& [i, shadow] : SHADOW) {
        BringToFront(shadow.ref);
        if (!BUTT.Exists(i)) continue;
        Label& button = BUTT[i];
        button.Transparent = true;
        button.ForeColor = ButtonTextColour;
        int offset = i <= button::Mail ? 10 : 0;
        button.container = shadow.container;
        button.Left = shadow.Left + offset;
        button.Top = shadow.Top + offset;
        button.Width = shadow.Width;
        button.Height = shadow.Height;
        BringToFront(button.ref);
    }

    // The logo centred in the page area, the version right below it.
    Logo.Left = area.Left + (area.Width - Logo.Width) / 2;
    Logo.Top = area.Top + (area.Height - Logo.Height) / 2;
    VersionNo.Left = Logo.Left;
    VersionNo.Top = Logo.Top + Logo.Height;

    // The selection's working grids share one place below the banner.
    for (auto& [g, grid] : MSFlexGrid) {
        if (g <= 500) continue;
        grid.Left = 60;
        grid.Top = 420;
        grid.Width = area.Width - 120;
    }
    // The two input grids take the room a larger window gives the page, so more surfaces,
    // products and rows are in view; their focus traps stay right above and below them.
    for (int g : {grid::Surfaces, grid::Products}) {
        if (!MSFlexGrid.Exists(g)) continue;
        Grid& grid = MSFlexGrid[g];
        const int rightMargin = g == grid::Surfaces ? 300 : 120;
        const int bottomMargin = g == grid::Surfaces ? 640 : 1620;
        grid.Width = std::max(0, area.Width - grid.Left - rightMargin);
        grid.Height = std::max(0, area.Height - grid.Top - bottomMargin);
        if (TabForward.Exists(g)) TabForward[g].Top = grid.Top + grid.Height;
    }
    for (auto& [p, arrow] : TABBPIC) {
        arrow.Left = 60;
        arrow.Top = 60;
    }
    for (auto& [p, arrow] : TABFPIC) {
        arrow.Top = 60;
        arrow.Left = area.Width - arrow.Width - 120;
    }
    ConnectedImage.Left = innerWidth - ConnectedImage.Width - 60;
    ConnectedImage.Top = innerHeight - ConnectedImage.Height - 60;
    ProgressBar.Left = BUTT[button::Exit].Left + BUTT[button::Exit].Width + 120;
    ProgressBar.Top = ConnectedImage.Top + (ConnectedImage.Height - ProgressBar.Height) / 2;
    // The Cancel button of an update download between the progress bar and the picture.
    UpdateCancel.Left = ConnectedImage.Left - UpdateCancel.Width - 120;
    UpdateCancel.Top = ConnectedImage.Top + (ConnectedImage.Height - UpdateCancel.Height) / 2;
    ProgressBar.Width = std::max(0, UpdateCancel.Left - ProgressBar.Left - 120);
    FileHistoryList.Width = area.Width - 120;
    FileHistoryList.Height = std::max(0, area.Height - FileHistoryList.Top - 120);

    // The warning banner: one line at a time, beside the previous-page arrow.
    const PictureBox& arrow = TABBPIC[0];
    EFRAME.Left = area.Left + arrow.Left + arrow.Width + 60;
    EFRAME.Top = area.Top + arrow.Top;
    EFRAME.Width = std::max(0, area.Left + area.Width - 120 - EFRAME.Left);
    EFRAME.Height = 300;
    ESUBFRAME.Left = 60;
    ESUBFRAME.Width = std::max(0, EFRAME.Width - 120);
    ESUBFRAME.Height = BannerLineHeight;
    ESUBFRAME.Top = (EFRAME.Height - ESUBFRAME.Height) / 2;
    EBANNER.Left = 0;
    EBANNER.Width = ESUBFRAME.Width;
    EBannerBorder.Left = 0;
    EBannerBorder.Top = 0;
    EBannerBorder.Width = ESUBFRAME.Width;
    EBannerBorder.Height = ESUBFRAME.Height;
}

} // namespace tw
