// SPDX-License-Identifier: MIT
// Drawing surfaces over QPainter (Qt Gui only, so the batch program can write reports too):
// a PDF document, a page picture in a QImage saved as a BMP or PNG file, and the base of the
// printer's surface. The user scale maps onto the printable area with one scale for both
// directions, so nothing is stretched on paper of another shape (Letter as well as A4): the
// page keeps its proportions, centred across and from the top. Fonts keep their point size
// and line widths count screen pixels (1/96 inch) whatever the device's resolution.
#pragma once

#include "platform/drawing_surface.h"

#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QRectF>
#include <memory>

class QPdfWriter;
class QSaveFile;

namespace tw {

class QtSurface : public DrawingSurface {
public:
    explicit QtSurface(std::string name) : name_(std::move(name)) {}
    ~QtSurface() override = default;

    std::string Name() const override { return name_; }

    void Line(double x1, double y1, double x2, double y2, std::int32_t colour) override;
    void Box(double left, double top, double right, double bottom, std::int32_t colour) override;
    void Ellipse(double x, double y, double radius, std::int32_t colour, double aspect) override;
    bool Picture(const std::string& file, double left, double top, double width,
                 double height) override;
    double TextWidth(const std::string& text) override;
    double TextHeight(const std::string& text) override;

protected:
    void DrawText(double x, double y, const std::string& text) override;
    // Starts painting on the device; `area` is the drawing area in the painter's pixels.
    void Begin(QPaintDevice* device, const QRectF& area);
    const QRectF& Area() const { return area_; }

    QPainter painter_;

private:
    double PixelsPerUnit() const;
    double PixelsPerUnitX() const { return PixelsPerUnit(); }
    double PixelsPerUnitY() const { return PixelsPerUnit(); }
    QPointF Map(double x, double y) const;
    QFont CurrentFont() const;
    QPen PenOf(std::int32_t colour) const;
    QBrush FillBrush() const;

    std::string name_;
    QPaintDevice* device_ = nullptr;
    QRectF area_;
};

// The paper of the user's locale: Letter where letter paper is the custom (the United States
// and Canada and others that measure in US units), A4 elsewhere.
QPageSize LocalePageSize();

// A PDF document: written to a temporary file beside the target, which takes the target's
// place only when the document ends well, so a failed export leaves an older file as it was.
class QtPdfDocument : public QtSurface {
public:
    QtPdfDocument(const std::string& path, const std::string& title, const QPageSize& size);
    ~QtPdfDocument() override;
    void NewPage() override;
    bool EndDocument() override;

private:
    std::unique_ptr<QSaveFile> file_;
    std::unique_ptr<QPdfWriter> writer_;
};

// A page picture at 150 dots per inch inside 10 mm margins, as the printed page; saved as
// a PNG file when the name ends in ".png", as a bitmap otherwise.
class QtPageImage : public QtSurface {
public:
    explicit QtPageImage(const QPageSize& size = QPageSize(QPageSize::A4));
    ~QtPageImage() override;
    void Clear() override;
    bool SaveBitmap(const std::string& path) override;
    const QImage& Image() const { return image_; }

private:
    QImage image_;
};

} // namespace tw
