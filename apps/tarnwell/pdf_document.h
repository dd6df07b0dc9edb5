// SPDX-License-Identifier: MIT
// The PDF report of tarnwell: Qt Gui on its offscreen platform draws it, so no display and
// no Qt Widgets are needed.
#pragma once

#include "platform/drawing_surface.h"

#include <memory>
#include <string>

namespace tarnwell {

// A PDF document written to path when it ends; nothing without Qt.
std::shared_ptr<tw::DrawingSurface> PdfDocument(const std::string& path, const std::string& title);
// Whether this program can write PDF files.
bool PdfAvailable();

} // namespace tarnwell
