// SPDX-License-Identifier: MIT
// The colours of the current scheme that the program uses again after reading it: the menu
// buttons' states, the text fields' normal and selected look, the mark of a typed-over value,
// visited links, page borders and field underlines. The controls' own colours are painted
// when the scheme is read.
#pragma once

#include "ui/controls.h"

#include <string>

namespace tw {

struct ColourScheme {
    Colour ShadowSelect = Rgb(255, 255, 255);
    Colour ButtonText = Rgb(0, 0, 0);
    Colour Hover = Rgb(0, 0, 255);
    Colour ShadowText = Rgb(128, 128, 128);
    Colour ShadowBack = Rgb(192, 192, 192);
    Colour TextBack = Rgb(255, 255, 255);
    Colour TextFore = Rgb(0, 0, 0);
    Colour TextBackSel = Rgb(255, 255, 192);
    Colour TextForeSel = Rgb(0, 0, 0);
    Colour Override = Rgb(192, 0, 0);
    Colour Visited = Rgb(128, 0, 128);
    Colour Line = Rgb(128, 128, 128);
    Colour LineSel = Rgb(0, 0, 255);
    Colour PageBorder = Rgb(128, 128, 128);

    // Keeps the colour of a scheme line (group and property in capitals) when the line names
    // one of these colours.
    void Take(const std::string& group, const std::string& property, Colour c);
};

} // namespace tw
