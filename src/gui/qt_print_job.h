// SPDX-License-Identifier: MIT
// One print job on a QPrinter (a system printer, a PDF file, or the pages of a print
// preview): the pages go to the printer when the document ends.
#pragma once

#include "gui/qt_surface.h"

class QPrinter;

namespace tw {

class QtPrintJob : public QtSurface {
public:
    // A job on a printer of its own.
    explicit QtPrintJob(std::unique_ptr<QPrinter> printer);
    // A job on a printer that belongs to someone else (the print preview's).
    explicit QtPrintJob(QPrinter* printer);
    ~QtPrintJob() override;
    void NewPage() override;
    bool EndDocument() override;

private:
    std::unique_ptr<QPrinter> owned_;
    QPrinter* printer_;
};

} // namespace tw
