// SPDX-License-Identifier: MIT
// Drawing on A4 in millimetres: the page canvas, its fonts and PDF writer, and the parts the
// data sheets and catalogue pages are made of (bands, footers, headings, tables, facts, notes).
#pragma once

#include "sheet_text.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPdfWriter>
#include <QRectF>
#include <QString>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace tw::sheets {

inline const QColor kNavy(0x17, 0x3F, 0x73);
inline const QColor kBlue(0x3A, 0x86, 0xC8);
inline const QColor kPale(0xEC, 0xF2, 0xF9);
inline const QColor kHighlight(0xD6, 0xE6, 0xF5);
inline const QColor kInk(0x22, 0x26, 0x2B);
inline const QColor kGrey(0x5F, 0x66, 0x70);
inline const QColor kRule(0xB9, 0xC4, 0xD2);

inline constexpr double kPageW = 210, kPageH = 297, kMargin = 18, kContentW = kPageW - 2 * kMargin;

QFont Font(double points, bool bold = false);

// The pages are set in DejaVu Sans; the font files are taken from the system's font folder
// when fontconfig does not already know them.
void LoadFonts();

class Canvas {
public:
    Canvas(QPdfWriter& writer, const std::string& name);
    void NewPage() { writer_.newPage(); }
    bool Finish() { return painter_.end(); }

    void Fill(double x, double y, double w, double h, const QColor& colour);
    void Line(double x1, double y1, double x2, double y2, const QColor& colour, double width);

    // Text in a box. A text too large for it is set smaller, down to 80 %; beyond that the
    // layout is wrong and nothing is written rather than a cut text.
    void Text(double x, double y, double w, double h, const QString& text, QFont font, int flags,
              const QColor& colour);
    void Text(double x, double y, double w, double h, const std::string& text, const QFont& font,
              int flags, const QColor& colour);

    // The supplier's emblem: a snowflake in a disc.
    void Emblem(double cx, double cy, double r, const QColor& disc, const QColor& flake);

private:
    QRectF R(double x, double y, double w, double h) const {
        return QRectF(x * unit_, y * unit_, w * unit_, h * unit_);
    }

    QPdfWriter& writer_;
    QPainter painter_;
    double unit_;
    std::string name_;
};

void SetUpWriter(QPdfWriter& writer, const QString& title);

// A PDF is written beside its final name and renamed when complete.
template <class Draw>
void WritePdf(const std::filesystem::path& path, const QString& title, Draw draw) {
    std::filesystem::path part = path;
    part += ".part";
    {
        QPdfWriter writer(QString::fromStdString(part.string()));
        SetUpWriter(writer, title);
        Canvas canvas(writer, path.filename().string());
        draw(canvas);
        if (!canvas.Finish()) Fail("cannot write " + part.string());
    }
    std::error_code ec;
    std::filesystem::rename(part, path, ec);
    if (ec) Fail("cannot write " + path.string() + ": " + ec.message());
}

// The band across the top of a data sheet or a catalogue page.
void Band(Canvas& c, double height, const std::string& right1, const std::string& right2);

void Footer(Canvas& c, const std::string& right);

// Content must end above the footer.
void CheckFits(double y, const std::string& what);

// A heading with a rule under it; returns the y below it.
double Heading(Canvas& c, double y, const std::string& text);

struct Column {
    std::string title;
    double width;
    int align; // Qt::AlignLeft, AlignRight or AlignHCenter
};

struct TableStyle {
    double header = 7;
    double row = 5.2;
    double points = 8.5;
    double headerPoints = 8;
};

// A table with a navy header row and banded rows; `bold(row, column)` marks cells.
double Table(Canvas& c, double y, const std::vector<Column>& columns,
             const std::vector<std::vector<std::string>>& rows, const TableStyle& style,
             const std::function<bool(std::size_t, std::size_t)>& bold = nullptr);

// Label/value lines; returns the y below them.
double Facts(Canvas& c, double y, const std::vector<std::pair<std::string, std::string>>& facts);

double Notes(Canvas& c, double y, const std::vector<std::string>& notes);

} // namespace tw::sheets
