// SPDX-License-Identifier: MIT
#include "platform/recording_surface.h"

#include "base/text.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>

namespace tw {

namespace {

std::string Whole(double v) {
    return std::to_string(std::lround(v));
}

// At most two decimals, no trailing zeros.
std::string Size(double v) {
    // to_chars writes a point whatever the C library's locale.
    char buffer[352];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, 2);
    std::string text(buffer, written.ptr);
    while (text.back() == '0')
        text.pop_back();
    if (text.back() == '.') text.pop_back();
    return text;
}

std::string FileName(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}

} // namespace

std::string ColourText(std::int32_t colour) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", colour & 0xFF, (colour >> 8) & 0xFF,
                  (colour >> 16) & 0xFF);
    return buffer;
}

RecordingSurface::RecordingSurface(std::string name, double widthTwips, double heightTwips)
    : name_(std::move(name)), widthTwips_(widthTwips), heightTwips_(heightTwips) {
    // Until the drawing sets a scale, user units are twips.
    DrawingSurface::Scale(0, 0, widthTwips, heightTwips);
}

void RecordingSurface::Scale(double left, double top, double width, double height) {
    DrawingSurface::Scale(left, top, width, height);
    Record("SCALE " + Whole(left) + " " + Whole(top) + " " + Whole(width) + " " + Whole(height));
}

std::string RecordingSurface::Pen(std::int32_t colour) const {
    return ColourText(colour) + " w" + std::to_string(DrawWidth());
}

std::string RecordingSurface::FillText() const {
    if (FillStyle() == fill::Transparent) return std::string();
    return " fill " + std::to_string(FillStyle()) + " " + ColourText(FillColour());
}

void RecordingSurface::Line(double x1, double y1, double x2, double y2, std::int32_t colour) {
    Record("LINE " + Whole(x1) + " " + Whole(y1) + " " + Whole(x2) + " " + Whole(y2) + " " +
           Pen(colour));
}

void RecordingSurface::Box(double left, double top, double right, double bottom,
                           std::int32_t colour) {
    Record("BOX " + Whole(left) + " " + Whole(top) + " " + Whole(right) + " " + Whole(bottom) +
           " " + Pen(colour) + FillText());
}

void RecordingSurface::Ellipse(double x, double y, double radius, std::int32_t colour,
                               double aspect) {
    Record("ELLIPSE " + Whole(x) + " " + Whole(y) + " " + Whole(radius) + " " + Size(aspect) + " " +
           Pen(colour) + FillText());
}

bool RecordingSurface::Picture(const std::string& file, double left, double top, double width,
                               double height) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(file, error)) {
        missing_.push_back(file);
        return false;
    }
    Record("PICTURE " + FileName(file) + " " + Whole(left) + " " + Whole(top) + " " + Whole(width) +
           " " + Whole(height));
    return true;
}

double RecordingSurface::TextWidth(const std::string& text) {
    const SurfaceFont& f = Font();
    const double em = f.size * 20.0 * (f.bold ? 1.1 : 1.0);
    return static_cast<double>(Utf8Length(text)) * em * 0.5 * ScaleWidth() / widthTwips_;
}

double RecordingSurface::TextHeight(const std::string&) {
    return Font().size * 20.0 * 1.15 * ScaleHeight() / heightTwips_;
}

void RecordingSurface::DrawText(double x, double y, const std::string& text) {
    const SurfaceFont& f = Font();
    std::string line = "TEXT " + Whole(x) + " " + Whole(y) + " \"" + f.name + "\" " + Size(f.size);
    if (f.bold) line += " bold";
    if (f.italic) line += " italic";
    if (f.underline) line += " underline";
    Record(line + " " + ColourText(ForeColour()) + " \"" + text + "\"");
}

void RecordingSurface::NewPage() {
    Record("NEWPAGE");
}

bool RecordingSurface::EndDocument() {
    Record("ENDDOC");
    return true;
}

void RecordingSurface::Clear() {
    DrawingSurface::Clear();
    Record("CLEAR");
    pageStart_ = lines_.size();
}

std::string RecordingSurface::PageText() const {
    std::string text;
    for (std::size_t i = pageStart_; i < lines_.size(); ++i)
        text += lines_[i] + "\n";
    return text;
}

std::vector<std::string> RecordingSurface::PrintedPage(int page) const {
    std::vector<std::string> out;
    int current = 1;
    for (const std::string& line : lines_) {
        if (line == "NEWPAGE") {
            ++current;
            continue;
        }
        if (line == "ENDDOC") break;
        if (current == page) out.push_back(line);
    }
    return out;
}

bool RecordingSurface::SaveBitmap(const std::string& path) {
    const std::string page = PageText();
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << page;
    file.close();
    if (!file) return false;
    Record("SAVE " + FileName(path));
    return true;
}

} // namespace tw
