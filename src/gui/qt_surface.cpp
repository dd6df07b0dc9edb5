// SPDX-License-Identifier: MIT
#include "gui/qt_surface.h"

#include "gui/qt_text.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPdfWriter>
#include <QSaveFile>
#include <algorithm>

namespace tw {

namespace {

constexpr double kMillimetresPerInch = 25.4;
constexpr int kPageDpi = 150;
constexpr double kMarginMillimetres = 10;

Qt::BrushStyle BrushStyleOf(int fillStyle) {
    switch (fillStyle) {
    case fill::Solid:
        return Qt::SolidPattern;
    case fill::HorizontalLines:
        return Qt::HorPattern;
    case fill::VerticalLines:
        return Qt::VerPattern;
    case fill::UpwardDiagonal:
        return Qt::BDiagPattern;
    case fill::DownwardDiagonal:
        return Qt::FDiagPattern;
    case fill::Cross:
        return Qt::CrossPattern;
    case fill::DiagonalCross:
        return Qt::DiagCrossPattern;
    default:
        return Qt::NoBrush;
    }
}

} // namespace

void QtSurface::Begin(QPaintDevice* device, const QRectF& area) {
    device_ = device;
    area_ = area;
    painter_.begin(device);
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform);
    painter_.setBackgroundMode(Qt::TransparentMode);
}

double QtSurface::PixelsPerUnit() const {
    return std::min(area_.width() / ScaleWidth(), area_.height() / ScaleHeight());
}

QPointF QtSurface::Map(double x, double y) const {
    // The page keeps its proportions: centred across the area, from its top.
    const double spare = area_.width() - ScaleWidth() * PixelsPerUnit();
    return {area_.left() + spare / 2 + (x - ScaleLeft()) * PixelsPerUnit(),
            area_.top() + (y - ScaleTop()) * PixelsPerUnit()};
}

QFont QtSurface::CurrentFont() const {
    const SurfaceFont& f = Font();
    QFont font(Q(f.name));
    font.setPointSizeF(std::max(1.0f, f.size));
    font.setBold(f.bold);
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    return font;
}

QPen QtSurface::PenOf(std::int32_t colour) const {
    const double dpi = device_ ? device_->logicalDpiX() : 96;
    QPen pen(ToQColor(colour));
    pen.setWidthF(DrawWidth() * dpi / 96.0);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

QBrush QtSurface::FillBrush() const {
    return QBrush(ToQColor(FillColour()), BrushStyleOf(FillStyle()));
}

void QtSurface::Line(double x1, double y1, double x2, double y2, std::int32_t colour) {
    if (!painter_.isActive()) return;
    painter_.setPen(PenOf(colour));
    painter_.drawLine(Map(x1, y1), Map(x2, y2));
}

void QtSurface::Box(double left, double top, double right, double bottom, std::int32_t colour) {
    if (!painter_.isActive()) return;
    painter_.setPen(PenOf(colour));
    painter_.setBrush(FillBrush());
    painter_.drawRect(QRectF(Map(left, top), Map(right, bottom)).normalized());
    painter_.setBrush(Qt::NoBrush);
}

void QtSurface::Ellipse(double x, double y, double radius, std::int32_t colour, double aspect) {
    if (!painter_.isActive()) return;
    // The radius counts in horizontal units, so a circle stays round on any scale.
    double rx = radius * PixelsPerUnitX();
    double ry = rx * aspect;
    if (aspect > 1) {
        ry = rx;
        rx = ry / aspect;
    }
    painter_.setPen(PenOf(colour));
    painter_.setBrush(FillBrush());
    painter_.drawEllipse(Map(x, y), rx, ry);
    painter_.setBrush(Qt::NoBrush);
}

bool QtSurface::Picture(const std::string& file, double left, double top, double width,
                        double height) {
    QImage picture(Q(file));
    if (picture.isNull()) return false;
    if (painter_.isActive())
        painter_.drawImage(QRectF(Map(left, top), Map(left + width, top + height)), picture);
    return true;
}

double QtSurface::TextWidth(const std::string& text) {
    QFontMetricsF metrics(CurrentFont(), device_);
    return metrics.horizontalAdvance(Q(text)) / PixelsPerUnitX();
}

double QtSurface::TextHeight(const std::string&) {
    QFontMetricsF metrics(CurrentFont(), device_);
    return metrics.lineSpacing() / PixelsPerUnitY();
}

void QtSurface::DrawText(double x, double y, const std::string& text) {
    if (!painter_.isActive() || text.empty()) return;
    const QFont font = CurrentFont();
    painter_.setFont(font);
    painter_.setPen(ToQColor(ForeColour()));
    const QPointF at = Map(x, y);
    painter_.drawText(QPointF(at.x(), at.y() + QFontMetricsF(font, device_).ascent()), Q(text));
}

QPageSize LocalePageSize() {
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem
               ? QPageSize(QPageSize::Letter)
               : QPageSize(QPageSize::A4);
}

QtPdfDocument::QtPdfDocument(const std::string& path, const std::string& title,
                             const QPageSize& size)
    : QtSurface("Pdf"), file_(std::make_unique<QSaveFile>(Q(path))) {
    if (!file_->open(QIODevice::WriteOnly)) return;
    writer_ = std::make_unique<QPdfWriter>(file_.get());
    writer_->setTitle(Q(title));
    writer_->setCreator(QStringLiteral("Tarnwell"));
    writer_->setPageLayout(QPageLayout(
        size, QPageLayout::Portrait,
        QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
        QPageLayout::Millimeter));
    const QRect paint = writer_->pageLayout().paintRectPixels(writer_->resolution());
    Begin(writer_.get(), QRectF(0, 0, paint.width(), paint.height()));
}

QtPdfDocument::~QtPdfDocument() {
    if (painter_.isActive()) painter_.end();
}

void QtPdfDocument::NewPage() {
    if (painter_.isActive()) writer_->newPage();
}

bool QtPdfDocument::EndDocument() {
    if (!painter_.isActive() || !painter_.end()) {
        file_->cancelWriting();
        return false;
    }
    return file_->commit();
}

QtPageImage::QtPageImage(const QPageSize& size) : QtSurface("ImageBuilder") {
    const auto pixels = [](double mm) {
        return static_cast<int>(mm / kMillimetresPerInch * kPageDpi + 0.5);
    };
    const QSizeF paper = size.size(QPageSize::Millimeter);
    image_ = QImage(pixels(paper.width()), pixels(paper.height()), QImage::Format_RGB32);
    const int dotsPerMetre = static_cast<int>(kPageDpi / 0.0254 + 0.5);
    image_.setDotsPerMeterX(dotsPerMetre);
    image_.setDotsPerMeterY(dotsPerMetre);
    image_.fill(Qt::white);
    const double margin = pixels(kMarginMillimetres);
    Begin(&image_,
          QRectF(margin, margin, image_.width() - 2 * margin, image_.height() - 2 * margin));
}

QtPageImage::~QtPageImage() {
    if (painter_.isActive()) painter_.end();
}

void QtPageImage::Clear() {
    DrawingSurface::Clear();
    if (painter_.isActive()) painter_.fillRect(image_.rect(), Qt::white);
}

bool QtPageImage::SaveBitmap(const std::string& path) {
    // The picture is saved with its painter ended, and painting goes on afterwards.
    const QRectF area = Area();
    painter_.end();
    const bool png =
        QString::fromStdString(path).endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
    const bool saved = image_.save(Q(path), png ? "PNG" : "BMP");
    Begin(&image_, area);
    return saved;
}

} // namespace tw
