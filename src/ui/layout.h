// SPDX-License-Identifier: MIT
// Pure pieces of the window layout, shared by the model and the Qt painter.
#pragma once

#include "ui/controls.h"

namespace tw {

constexpr int kGradientBands = 512;

// Colour of band t (0..511) of the background: base + t * increment per component, held
// within 0..255 as the toolkit's RGB function does.
Colour GradientBandColour(const float base[3], const float increment[3], int t);

// Top of band t in a window of the given inner height; band t reaches to the top of t + 1,
// so the bands leave no gaps.
int GradientBandTop(int innerHeight, int t);

} // namespace tw
