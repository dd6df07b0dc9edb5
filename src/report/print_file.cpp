// SPDX-License-Identifier: MIT
// The print-form interpreter: a report page drawn from its print form onto the printer or a
// page picture, every text a field code expanded from the window's content.
#include "frm/frm_main.h"
#include "names/options.h"
#include "report/field_codes.h"
#include "report/print_form.h"
#include "shell/ansi.h"
#include "shell/numbers.h"
#include "shell/text_file.h"

#include <algorithm>
#include <stdexcept>

namespace tw {

namespace {

// The window's content as the field codes read it.
class WindowFields : public FieldSource {
public:
    explicit WindowFields(FrmMain& w) : w_(w) {}

    std::string Text(int n) override { return w_.TEXTBOX[n].Text(); }
    std::string Caption(int n) override { return w_.LABEL[n].Caption(); }
    std::string Unit(int n) override { return w_.UNITS[n].Caption(); }
    std::string FrameCaption(int n) override { return w_.CFRAME[n].Caption; }
    std::string String(int n) override {
        if (n < 0 || static_cast<std::size_t>(n) >= w_.StringTable.size())
            throw SubscriptOutOfRange();
        return w_.StringTable[static_cast<std::size_t>(n)];
    }
    std::vector<int> RadioNumbers() override {
        std::vector<int> numbers;
        for (const auto& [k, radio] : w_.RADIO)
            numbers.push_back(k);
        return numbers;
    }
    bool RadioChosen(int n) override { return w_.RADIO[n].Value(); }
    std::string RadioCaption(int n) override { return w_.RADIO[n].Caption; }
    int GridColumns(int grid) override { return w_.MSFlexGrid[grid].Cols(); }
    std::string Cell(int grid, int row, int col) override {
        return w_.MSFlexGrid[grid].TextMatrix(row, col);
    }
    std::string CurrentPage() override { return w_.CurrentPage; }
    std::string PageCount() override { return w_.PageCount; }
    std::string Date() override { return w_.platform.DateText(); }
    std::string Time() override { return w_.platform.TimeText(); }
    std::string JobFile() override { return w_.CurrentJobFile; }
    char Decimal() override { return w_.Decimal(); }

private:
    FrmMain& w_;
};

// The picture of the room's shape among the geometry images: 4, 6 or 8 walls, or the free
// surface list (also shown when the surface list is off); 0 when no shape is chosen.
int GeometryImage(FrmMain& w) {
    const int shapes[][2] = {{option::FourWalls, 1},
                             {option::SixWalls, 2},
                             {option::EightWalls, 3},
                             {option::SurfaceList, 4},
                             {option::SizeOnly, 4}};
    for (const auto& [radio, image] : shapes)
        if (w.RADIO.Exists(radio) && w.RADIO[radio].Value()) return image;
    return 0;
}

} // namespace

std::string FrmMain::ExpandField(const std::string& code) {
    WindowFields fields(*this);
    return ExpandFieldCode(code, fields);
}

void FrmMain::PrintFile(const std::string& formPath, DrawingSurface& surface, Label& wrapBox,
                        bool toPrinter) {
    LogWrite(">PrintFile " + formPath + ", " + (toPrinter ? "Printer" : surface.Name()) + ", " +
             BoolText(toPrinter) + ", " + ArrayName(wrapBox.ref.array));
    const auto bytes = ReadFileBytes(ResolveCase(formPath));
    if (!bytes) {
        LogWrite("**** Printer Error :-File not found: " + formPath);
        return;
    }
    PrintFormBytes(*bytes, formPath, surface, wrapBox);
}

void FrmMain::PrintFormBytes(const std::string& bytes, const std::string& formPath,
                             DrawingSurface& surface, Label& wrapBox) {
    auto report = [this](const std::string& error) { LogWrite("**** Printer Error :-" + error); };
    surface.SetFillColour(0xFFFFFF);
    surface.SetFillStyle(fill::Transparent);

    const PrintForm form = ReadPrintForm(AnsiToUtf8(bytes));
    if (!form.headerRead) {
        report("Bad header in " + formPath);
        return;
    }
    // The design page fills the surface with a margin of 2.5 % of its size on every side;
    // a page designed 6 inches (8640 twips) wide prints its fonts at their nominal size.
    const double w = form.width;
    const double h = form.height;
    surface.Scale(-0.025 * w, -0.025 * h, 1.05 * w, 1.05 * h);
    const double fontScale = 8640.0 / w;
    const double pixel = platform.Screen().twipsPerPixelX;

    for (const PrintStep& step : form.steps) {
        try {
            switch (step.kind) {
            case PrintStep::Kind::Error:
                report(step.error);
                break;
            case PrintStep::Kind::Shape: {
                const ShapeCommand& s = step.shape;
                surface.SetFillStyle(s.fillStyle);
                surface.SetFillColour(s.fillColour);
                surface.SetDrawWidth(s.borderWidth);
                const double left = s.a, top = s.b, width = s.c, height = s.d;
                if (s.kind == "RECTANGLE") {
                    const double right = left + width - pixel;
                    const double bottom = top + height - pixel;
                    surface.Line(left, top, right, top, s.borderColour);
                    surface.Line(left, bottom, right, bottom, s.borderColour);
                    surface.Line(left, top, left, bottom, s.borderColour);
                    surface.Line(right, top, right, bottom, s.borderColour);
                } else if (s.kind == "OVAL") {
                    if (width == 0) throw std::domain_error("Division by zero");
                    surface.Ellipse(left + width / 2, top + height / 2,
                                    (width > height ? width : height) / 2, s.borderColour,
                                    height / width);
                } else if (s.kind == "CIRCLE") {
                    surface.Ellipse(left + width / 2, top + height / 2, std::min(width, height) / 2,
                                    s.borderColour, 1.0);
                } else if (s.kind == "LINE") {
                    surface.Line(left, top, width, height, s.borderColour);
                } else if (s.kind == "SQUARE") {
                    // The largest square that fits the box, centred in it.
                    const double side = std::min(width, height);
                    const double x = left + (width - side) / 2;
                    const double y = top + (height - side) / 2;
                    surface.Box(x, y, x + side, y + side, s.borderColour);
                }
                break;
            }
            case PrintStep::Kind::Picture: {
                const PictureCommand& p = step.picture;
                std::string file;
                if (p.kind == "PRINTLOGO") {
                    file = PrintLogoFile;
                } else if (p.kind == "GEOMETRY") {
                    const int image = GeometryImage(*this);
                    if (image == 0) break;
                    file = OpDataFolder + GeomeryImages.Images.at(static_cast<std::size_t>(image));
                } else {
                    break;
                }
                if (!surface.Picture(file, p.left, p.top, p.width, p.height))
                    throw std::runtime_error("Picture not found: " + file);
                break;
            }
            case PrintStep::Kind::Text: {
                const TextCommand& t = step.text;
                SurfaceFont font;
                font.name = t.font;
                font.bold = t.bold;
                font.italic = t.italic;
                font.size = static_cast<float>(t.size * fontScale);
                font.underline = t.underline;
                surface.SetFont(font);
                surface.SetForeColour(t.colour);
                const std::string text = ExpandField(t.code);
                if (!t.multiLine) {
                    surface.CurrentX = t.x;
                    surface.CurrentY = t.y;
                    surface.Print(text);
                    break;
                }
                wrapBox.FontSize = t.size;
                wrapBox.FontBold = t.bold;
                wrapBox.Width = t.width;
                wrapBox.Height = t.height;
                wrapBox.SetCaption(text);
                // The lines follow each other down from y; a line that would start below
                // the box is not printed.
                surface.CurrentY = t.y;
                for (const std::string& line : WrapLines(text, t.width, [&](const std::string& s) {
                         return surface.TextWidth(s);
                     })) {
                    surface.CurrentX = t.x;
                    surface.Print(line);
                    if (surface.CurrentY >= t.y + t.height) break;
                }
                break;
            }
            }
        } catch (const std::exception& e) {
            report(e.what());
        }
    }
}

} // namespace tw
