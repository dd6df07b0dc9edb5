// SPDX-License-Identifier: MIT
// Drawing surfaces over QPainter: a print job on a QPrinter (a system printer or a PDF file)
// and an A4 page picture in a QImage that is saved as a bitmap file. The user scale maps onto
// the printable area; fonts keep their point size and line widths count screen pixels
// (1/96 inch) whatever the device's resolution.
#pragma once

#include "platform/drawing_surface.h"

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <memory>

class QPrinter;

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
    double PixelsPerUnitX() const { return area_.width() / ScaleWidth(); }
    double PixelsPerUnitY() const { return area_.height() / ScaleHeight(); }
    QPointF Map(double x, double y) const;
    QFont CurrentFont() const;
    QPen PenOf(std::int32_t colour) const;
    QBrush FillBrush() const;

    std::string name_;
    QPaintDevice* device_ = nullptr;
    QRectF area_;
};

// One print job: the pages go to the printer when the document ends.
class QtPrintJob : public QtSurface {
public:
    explicit QtPrintJob(std::unique_ptr<QPrinter> printer);
    ~QtPrintJob() override;
    void NewPage() override;
    bool EndDocument() override;

private:
    std::unique_ptr<QPrinter> printer_;
};

// An A4 page picture at 150 dots per inch inside 10 mm margins, as the printed page.
class QtPageImage : public QtSurface {
public:
    QtPageImage();
    ~QtPageImage() override;
    void Clear() override;
    bool SaveBitmap(const std::string& path) override;
    const QImage& Image() const { return image_; }

private:
    QImage image_;
};

} // namespace tw
