// SPDX-License-Identifier: MIT
// A drawing surface that draws nothing and writes down what it is asked to draw, one line per
// operation, in user coordinates rounded to whole units: the printer and page picture of the
// headless machine, and what the report tests compare.
//
//   SCALE left top width height
//   LINE x1 y1 x2 y2 #rrggbb w<draw width>
//   BOX left top right bottom #rrggbb w<draw width> [fill <style> #rrggbb]
//   ELLIPSE x y radius aspect #rrggbb w<draw width> [fill <style> #rrggbb]
//   PICTURE <file name> left top width height
//   TEXT x y "<font>" <size>[ bold][ italic][ underline] #rrggbb "<text>"
//   NEWPAGE, ENDDOC, CLEAR, SAVE <file name>
//
// Text sizes are measured as a typical proportional font would take them: half an em per
// character, 1.15 em per line, on a drawing area of the given size in twips (the printable
// area of an A4 sheet inside 10 mm margins unless told otherwise).
#pragma once

#include "platform/drawing_surface.h"

#include <string>
#include <vector>

namespace tw {

class RecordingSurface : public DrawingSurface {
public:
    static constexpr double kA4WidthTwips = 10772;  // 190 mm
    static constexpr double kA4HeightTwips = 15704; // 277 mm

    explicit RecordingSurface(std::string name, double widthTwips = kA4WidthTwips,
                              double heightTwips = kA4HeightTwips);

    std::string Name() const override { return name_; }

    void Scale(double left, double top, double width, double height) override;
    void Line(double x1, double y1, double x2, double y2, std::int32_t colour) override;
    void Box(double left, double top, double right, double bottom, std::int32_t colour) override;
    void Ellipse(double x, double y, double radius, std::int32_t colour, double aspect) override;
    bool Picture(const std::string& file, double left, double top, double width,
                 double height) override;
    double TextWidth(const std::string& text) override;
    double TextHeight(const std::string& text) override;
    void NewPage() override;
    bool EndDocument() override;
    void Clear() override;
    // Writes the lines since the last Clear to the file, as text.
    bool SaveBitmap(const std::string& path) override;

    // Every operation so far.
    const std::vector<std::string>& Lines() const { return lines_; }
    // The operations since the last Clear, one per line (LF).
    std::string PageText() const;
    // The lines of one page of a print job: page 1 runs to the first NEWPAGE.
    std::vector<std::string> PrintedPage(int page) const;
    // Pictures the drawing asked for that could not be found.
    const std::vector<std::string>& MissingPictures() const { return missing_; }

protected:
    void DrawText(double x, double y, const std::string& text) override;

private:
    void Record(const std::string& line) { lines_.push_back(line); }
    std::string Pen(std::int32_t colour) const;
    std::string FillText() const;

    std::string name_;
    double widthTwips_;
    double heightTwips_;
    std::vector<std::string> lines_;
    std::size_t pageStart_ = 0;
    std::vector<std::string> missing_;
};

// A colour as #rrggbb.
std::string ColourText(std::int32_t colour);

} // namespace tw
