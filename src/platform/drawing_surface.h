// SPDX-License-Identifier: MIT
// A page to draw a report on: the printer or an off-screen page picture. The report works in
// user coordinates of its own choosing (Scale); positions, sizes and radii are given in them,
// font sizes in points, line widths in screen pixels (1/96 inch). Texts are printed at the
// current position, which then moves to the start of the next line, as a classic printer
// object does.
#pragma once

#include <cstdint>
#include <string>

namespace tw {

// Fill styles of the classic drawing model.
namespace fill {
constexpr int Solid = 0;
constexpr int Transparent = 1;
constexpr int HorizontalLines = 2;
constexpr int VerticalLines = 3;
constexpr int UpwardDiagonal = 4;
constexpr int DownwardDiagonal = 5;
constexpr int Cross = 6;
constexpr int DiagonalCross = 7;
} // namespace fill

struct SurfaceFont {
    std::string name = "Arial";
    float size = 10.0f;
    bool bold = false;
    bool italic = false;
    bool underline = false;
};

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    // "Printer" or the picture's name, for the diagnostic log.
    virtual std::string Name() const = 0;

    // The user coordinates: (left, top) is the upper-left corner of the drawing area and
    // width and height span all of it.
    virtual void Scale(double left, double top, double width, double height);
    double ScaleLeft() const { return scaleLeft_; }
    double ScaleTop() const { return scaleTop_; }
    double ScaleWidth() const { return scaleWidth_; }
    double ScaleHeight() const { return scaleHeight_; }

    // Colours are RGB values red + 256 * green + 65536 * blue.
    void SetFillStyle(int style) { fillStyle_ = style; }
    void SetFillColour(std::int32_t colour) { fillColour_ = colour; }
    void SetDrawWidth(int pixels) { drawWidth_ = pixels < 1 ? 1 : pixels; }
    void SetFont(const SurfaceFont& font) { font_ = font; }
    void SetForeColour(std::int32_t colour) { foreColour_ = colour; }
    int FillStyle() const { return fillStyle_; }
    std::int32_t FillColour() const { return fillColour_; }
    int DrawWidth() const { return drawWidth_; }
    const SurfaceFont& Font() const { return font_; }
    std::int32_t ForeColour() const { return foreColour_; }

    double CurrentX = 0;
    double CurrentY = 0;

    // A line of the draw width in the given colour.
    virtual void Line(double x1, double y1, double x2, double y2, std::int32_t colour) = 0;
    // A box outline in the given colour, filled with the fill style and colour.
    virtual void Box(double left, double top, double right, double bottom, std::int32_t colour) = 0;
    // A circle or ellipse around (x, y), filled as a box is. With an aspect (height / width) of
    // 1 or less the radius is the horizontal one, above 1 the vertical one.
    virtual void Ellipse(double x, double y, double radius, std::int32_t colour, double aspect) = 0;
    // A picture file painted into the rectangle; false when it cannot be loaded.
    virtual bool Picture(const std::string& file, double left, double top, double width,
                         double height) = 0;
    // The text in the font and fore colour with its upper-left corner at the current
    // position; the position then moves to the left edge, one line further down.
    void Print(const std::string& text);
    // Size of a text in the current font, in user units (an empty text has a line's height).
    virtual double TextWidth(const std::string& text) = 0;
    virtual double TextHeight(const std::string& text) = 0;

    // A printer's next sheet and the end of its document (false when it could not be
    // printed); a picture's clearing and saving as a bitmap file (false when not written).
    virtual void NewPage() {}
    virtual bool EndDocument() { return true; }
    virtual void Clear();
    virtual bool SaveBitmap(const std::string& path) {
        (void)path;
        return false;
    }

protected:
    // Draws the text with its upper-left corner at (x, y) in the current font and colour.
    virtual void DrawText(double x, double y, const std::string& text) = 0;

private:
    double scaleLeft_ = 0;
    double scaleTop_ = 0;
    double scaleWidth_ = 1;
    double scaleHeight_ = 1;
    int fillStyle_ = fill::Transparent;
    std::int32_t fillColour_ = 0;
    int drawWidth_ = 1;
    SurfaceFont font_;
    std::int32_t foreColour_ = 0;
};

inline void DrawingSurface::Scale(double left, double top, double width, double height) {
    scaleLeft_ = left;
    scaleTop_ = top;
    scaleWidth_ = width;
    scaleHeight_ = height;
    CurrentX = left;
    CurrentY = top;
}

inline void DrawingSurface::Print(const std::string& text) {
    DrawText(CurrentX, CurrentY, text);
    CurrentY += TextHeight(text);
    CurrentX = scaleLeft_;
}

inline void DrawingSurface::Clear() {
    CurrentX = scaleLeft_;
    CurrentY = scaleTop_;
}

} // namespace tw
