// SPDX-License-Identifier: MIT
// The window design: which controls exist, where they sit and their design-time properties
// (field types, unit kinds, containers, arrow targets). Nothing else creates controls.
#pragma once

#include "ui/form.h"

namespace tw {

// Creates every control of the main window on an empty form.
void BuildWindowDesign(Form& form);

// Fixed measures of the design, in twips.
namespace design {
constexpr int kMinInnerWidth = 9600;
constexpr int kMinInnerHeight = 7200;
constexpr int kMenuLeft = 60;
constexpr int kMenuWidth = 1560;
constexpr int kMenuHeight = 255;
constexpr int kMenuPitch = 270;
constexpr int kFieldHeight = 270;
constexpr int kRowPitch = 315;
constexpr int kArrowSize = 300;
constexpr int kPageCount = 10;
constexpr int kLastMenuButton = 21;
} // namespace design

} // namespace tw
