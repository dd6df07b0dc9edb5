// SPDX-License-Identifier: MIT
#include "sheet_canvas.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPen>
#include <QPointF>
#include <QSizeF>
#include <cmath>

namespace fs = std::filesystem;

namespace tw::sheets {

constexpr double kPi = 3.14159265358979323846;

QFont Font(double points, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setKerning(true);
    return font;
}

Canvas::Canvas(QPdfWriter& writer, const std::string& name)
    : writer_(writer), painter_(&writer), unit_(writer.resolution() / 25.4), name_(name) {
    if (!painter_.isActive()) Fail("cannot write " + name);
    painter_.setRenderHint(QPainter::Antialiasing);
    painter_.setRenderHint(QPainter::TextAntialiasing);
}

void Canvas::Fill(double x, double y, double w, double h, const QColor& colour) {
    painter_.fillRect(R(x, y, w, h), colour);
}

void Canvas::Line(double x1, double y1, double x2, double y2, const QColor& colour, double width) {
    painter_.setPen(QPen(colour, width * unit_, Qt::SolidLine, Qt::FlatCap));
    painter_.drawLine(QPointF(x1 * unit_, y1 * unit_), QPointF(x2 * unit_, y2 * unit_));
}

void Canvas::Text(double x, double y, double w, double h, const QString& text, QFont font,
                  int flags, const QColor& colour) {
    const QRectF box = R(x, y, w, h);
    const double size = font.pointSizeF();
    for (double scale = 1.0;; scale -= 0.05) {
        if (scale < 0.79) Fail(name_ + ": text does not fit its box: " + text.toStdString());
        font.setPointSizeF(size * scale);
        const QRectF need =
            QFontMetricsF(font, &writer_)
                .boundingRect(QRectF(box.topLeft(), QSizeF(box.width(), 1e6)), flags, text);
        if (need.width() <= box.width() + 0.5 && need.height() <= box.height() + 0.5) break;
    }
    painter_.setFont(font);
    painter_.setPen(colour);
    painter_.drawText(box, flags, text);
}

void Canvas::Text(double x, double y, double w, double h, const std::string& text,
                  const QFont& font, int flags, const QColor& colour) {
    Text(x, y, w, h, Q(text), font, flags, colour);
}

void Canvas::Emblem(double cx, double cy, double r, const QColor& disc, const QColor& flake) {
    painter_.setPen(Qt::NoPen);
    painter_.setBrush(disc);
    painter_.drawEllipse(QPointF(cx * unit_, cy * unit_), r * unit_, r * unit_);
    painter_.setBrush(Qt::NoBrush);
    painter_.setPen(QPen(flake, r * 0.12 * unit_, Qt::SolidLine, Qt::RoundCap));
    const double arm = r * 0.68;
    for (int k = 0; k < 6; ++k) {
        const double a = kPi / 2 + k * kPi / 3;
        const QPointF c(cx * unit_, cy * unit_);
        const QPointF dir(std::cos(a) * unit_, -std::sin(a) * unit_);
        painter_.drawLine(c, c + dir * arm);
        const QPointF mid = c + dir * (arm * 0.58);
        for (double side : {-1.0, 1.0}) {
            const double b = a + side * kPi / 4;
            painter_.drawLine(mid, mid + QPointF(std::cos(b) * unit_, -std::sin(b) * unit_) *
                                             (arm * 0.38));
        }
    }
}

void SetUpWriter(QPdfWriter& writer, const QString& title) {
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Portrait);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    writer.setResolution(600);
    writer.setTitle(title);
    writer.setCreator(QString::fromUtf8(kSupplier));
}

void Band(Canvas& c, double height, const std::string& right1, const std::string& right2) {
    c.Fill(0, 0, kPageW, height, kNavy);
    c.Fill(0, height, kPageW, 1.0, kBlue);
    const double r = height * 0.30;
    c.Emblem(kMargin + r, height / 2, r, Qt::white, kNavy);
    const double x = kMargin + 2 * r + 4;
    c.Text(x, height / 2 - 7.5, 80, 8, std::string("TARNWELL"), Font(height > 20 ? 17 : 11, true),
           Qt::AlignLeft | Qt::AlignBottom, Qt::white);
    QFont small = Font(height > 20 ? 7 : 5.5);
    small.setLetterSpacing(QFont::PercentageSpacing, 125);
    c.Text(x, height / 2 + 0.6, 80, 4, std::string("REFRIGERATION"), small,
           Qt::AlignLeft | Qt::AlignTop, QColor(0xBF, 0xD7, 0xEE));
    c.Text(kPageW - kMargin - 100, height / 2 - 6.5, 100, 6, right1,
           Font(height > 20 ? 10.5 : 8, true), Qt::AlignRight | Qt::AlignBottom, Qt::white);
    c.Text(kPageW - kMargin - 100, height / 2 + 0.5, 100, 6, right2, Font(height > 20 ? 9 : 7.5),
           Qt::AlignRight | Qt::AlignTop, QColor(0xBF, 0xD7, 0xEE));
}

void Footer(Canvas& c, const std::string& right) {
    const double y = kPageH - 14;
    c.Line(kMargin, y, kPageW - kMargin, y, kRule, 0.3);
    c.Text(kMargin, y + 1.5, 110, 5, std::string(kNominal), Font(7.5), Qt::AlignLeft | Qt::AlignTop,
           kGrey);
    c.Text(kPageW - kMargin - 70, y + 1.5, 70, 5, right, Font(7.5), Qt::AlignRight | Qt::AlignTop,
           kGrey);
    c.Text(kMargin, y + 5.5, 110, 5, std::string(kSupplier) + kDot + kWebsite, Font(7.5),
           Qt::AlignLeft | Qt::AlignTop, kGrey);
}

void CheckFits(double y, const std::string& what) {
    if (y > kPageH - 16) Fail("the content of " + what + " runs into the footer");
}

double Heading(Canvas& c, double y, const std::string& text) {
    c.Text(kMargin, y, kContentW, 6, text, Font(10, true), Qt::AlignLeft | Qt::AlignBottom, kNavy);
    c.Line(kMargin, y + 7, kPageW - kMargin, y + 7, kBlue, 0.4);
    return y + 10;
}

double Table(Canvas& c, double y, const std::vector<Column>& columns,
             const std::vector<std::vector<std::string>>& rows, const TableStyle& style,
             const std::function<bool(std::size_t, std::size_t)>& bold) {
    const double pad = 1.6;
    double x = kMargin;
    c.Fill(kMargin, y, kContentW, style.header, kNavy);
    for (const Column& col : columns) {
        c.Text(x + pad, y + 0.5, col.width - 2 * pad, style.header - 1, col.title,
               Font(style.headerPoints, true), col.align | Qt::AlignVCenter | Qt::TextWordWrap,
               Qt::white);
        x += col.width;
    }
    y += style.header;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (r % 2 == 1) c.Fill(kMargin, y, kContentW, style.row, kPale);
        x = kMargin;
        for (std::size_t k = 0; k < columns.size() && k < rows[r].size(); ++k) {
            const bool strong = bold && bold(r, k);
            if (strong) c.Fill(x, y, columns[k].width, style.row, kHighlight);
            c.Text(x + pad, y, columns[k].width - 2 * pad, style.row, rows[r][k],
                   Font(style.points, strong || k == 0), columns[k].align | Qt::AlignVCenter, kInk);
            x += columns[k].width;
        }
        y += style.row;
    }
    c.Line(kMargin, y, kPageW - kMargin, y, kNavy, 0.35);
    return y;
}

double Facts(Canvas& c, double y, const std::vector<std::pair<std::string, std::string>>& facts) {
    const double labelW = 62, row = 5.6;
    for (const auto& [label, value] : facts) {
        c.Text(kMargin, y, labelW, row, label, Font(8.5), Qt::AlignLeft | Qt::AlignVCenter, kGrey);
        c.Text(kMargin + labelW, y, kContentW - labelW, row, value, Font(8.5, true),
               Qt::AlignLeft | Qt::AlignVCenter, kInk);
        c.Line(kMargin, y + row, kPageW - kMargin, y + row, QColor(0xE1, 0xE6, 0xEC), 0.2);
        y += row;
    }
    return y;
}

double Notes(Canvas& c, double y, const std::vector<std::string>& notes) {
    for (const std::string& note : notes) {
        c.Text(kMargin, y, 4, 4.4, std::string("\u2013"), Font(7.5), Qt::AlignLeft | Qt::AlignTop,
               kGrey);
        c.Text(kMargin + 4, y, kContentW - 4, 4.4, note, Font(7.5), Qt::AlignLeft | Qt::AlignTop,
               kGrey);
        y += 4.4;
    }
    return y;
}

void LoadFonts() {
    const fs::path folder = "/usr/share/fonts/truetype/dejavu";
    for (const char* file : {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf"})
        if (fs::exists(folder / file))
            QFontDatabase::addApplicationFont(QString::fromStdString((folder / file).string()));
    if (QFontInfo(Font(10)).family() != QStringLiteral("DejaVu Sans"))
        Fail("the font DejaVu Sans is not installed (Debian package fonts-dejavu-core)");
}

} // namespace tw::sheets
