// SPDX-License-Identifier: MIT
#include "gui/qt_print_job.h"

#include <QPrinter>

namespace tw {

QtPrintJob::QtPrintJob(std::unique_ptr<QPrinter> printer) : QtPrintJob(printer.get()) {
    owned_ = std::move(printer);
}

QtPrintJob::QtPrintJob(QPrinter* printer) : QtSurface("Printer"), printer_(printer) {
    // The painter's origin is the corner of the printable area.
    const QRectF page = printer_->pageRect(QPrinter::DevicePixel);
    Begin(printer_, QRectF(0, 0, page.width(), page.height()));
}

QtPrintJob::~QtPrintJob() {
    if (painter_.isActive()) painter_.end();
}

void QtPrintJob::NewPage() {
    if (painter_.isActive()) printer_->newPage();
}

bool QtPrintJob::EndDocument() {
    return painter_.isActive() && painter_.end();
}

} // namespace tw
