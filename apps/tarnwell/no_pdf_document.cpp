// SPDX-License-Identifier: MIT
// tarnwell built without Qt writes no PDF files.
#include "pdf_document.h"

namespace tarnwell {

std::shared_ptr<tw::DrawingSurface> PdfDocument(const std::string&, const std::string&) {
    return nullptr;
}

bool PdfAvailable() {
    return false;
}

} // namespace tarnwell
