// SPDX-License-Identifier: MIT
// The print-form interpreter: a report page drawn from its print form onto the printer or a
// page picture, every text a field code expanded from the window's content.
#include "entry/unit_conversion.h"
#include "frm/frm_main.h"
#include "names/options.h"
#include "report/field_codes.h"
#include "report/print_form.h"
#include "report/report_plan.h"
#include "report/report_texts.h"
#include "shell/ansi.h"
#include "shell/numbers.h"
#include "shell/text_file.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace tw {

namespace {

// A table row reads the cells of its item's column where its codes name the column the row
// was designed for.
struct ColumnOfRow {
    int grid = -1;
    int designed = 0;
    int item = 0;
};

// The window's content as the field codes read it.
class WindowFields : public FieldSource {
public:
    explicit WindowFields(FrmMain& w, ColumnOfRow row = {}) : w_(w), row_(row) {}

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
        if (grid == row_.grid && col == row_.designed) col = row_.item;
        return w_.MSFlexGrid[grid].TextMatrix(row, col);
    }
    std::string CurrentPage() override { return w_.Report.CurrentPage(); }
    std::string PageCount() override { return w_.Report.PageCount(); }
    std::string Date() override { return w_.platform.DateText(); }
    std::string Time() override { return w_.platform.TimeText(); }
    std::string JobFile() override { return w_.CurrentJobFile; }
    char Decimal() override { return w_.Decimal(); }

private:
    FrmMain& w_;
    ColumnOfRow row_;
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

// A string of the resource file, or "" when the file has none of that number.
std::string StringOr(FrmMain& w, std::size_t n) {
    return n < w.StringTable.size() ? w.StringTable[n] : std::string();
}

// The text of a code; "a|b" stands for the text of a, or of b when that is empty.
std::string Expand(FrmMain& w, const std::string& code, const ColumnOfRow& row) {
    const std::size_t bar = code.find('|');
    if (bar != std::string::npos) {
        const std::string first = Expand(w, code.substr(0, bar), row);
        return Trim(first).empty() ? Expand(w, code.substr(bar + 1), row) : first;
    }
    // The footer and the note under a table that goes on, in the language of the resource
    // file (strings 60 and 62; the classic English footer without them).
    if (code == "PMORE") return w.Report.Continues() ? StringOr(w, kStringContinuedOverleaf) : "";
    if (code == "PPAGE") {
        std::string text = StringOr(w, kStringPageOf);
        if (text.find("%1") == std::string::npos)
            return "Page " + w.Report.CurrentPage() + " of " + w.Report.PageCount();
        text.replace(text.find("%1"), 2, w.Report.CurrentPage());
        const std::size_t count = text.find("%2");
        if (count != std::string::npos) text.replace(count, 2, w.Report.PageCount());
        return text;
    }
    // Hnnn: the unit of field n's load over a day ("Btu/h" gives "Btu", "W" gives "Wh").
    if (code.size() >= 4 && code[0] == 'H') {
        WindowFields fields(w, row);
        std::string unit = fields.Unit(std::atoi(code.c_str() + code.size() - 3));
        if (unit.empty()) return unit;
        if (unit.size() > 2 && unit.compare(unit.size() - 2, 2, "/h") == 0)
            return unit.substr(0, unit.size() - 2);
        return unit + "h";
    }
    if (code == "PDATE") {
        const std::string format = StringOr(w, kStringDateFormat);
        if (!Trim(format).empty()) return w.platform.DateText(format);
    }
    WindowFields fields(w, row);
    std::string text = ExpandFieldCode(code, fields);
    // A number of a grid cell is printed as the fields show numbers: whole above 1000, else
    // at most two decimals, so the rows of a table agree; below 1 three significant digits, so
    // that a metric K-factor of 0.0231 W/(m·K) is not printed as 0.02.
    if (code[0] == 'D') {
        if (auto v = ParseNumber(Trim(text), w.Decimal())) {
            const double shown = std::fabs(*v) > 1000
                                     ? Int(*v + 0.5)
                                     : RoundAlternate(*v, std::string(), std::string());
            text = FormatNumber(shown, w.Decimal(), 12);
        }
    }
    return text;
}

// An IF block is drawn when its code's text is something: not empty, not a number equal to 0.
bool Something(const std::string& text, char decimal) {
    const std::string trimmed = Trim(text);
    if (trimmed.empty()) return false;
    if (auto v = ParseNumber(trimmed, decimal)) return *v != 0;
    return true;
}

// The grid columns a ROWS block prints: from its column on, those whose key cell has a text.
std::vector<int> ItemColumns(FrmMain& w, const RowsCommand& rows) {
    std::vector<int> columns;
    if (!w.MSFlexGrid.Exists(rows.grid)) return columns;
    Grid& grid = w.MSFlexGrid[rows.grid];
    if (rows.keyRow >= grid.Rows()) return columns;
    for (int c = rows.column; c < grid.Cols(); ++c)
        if (!Trim(grid.TextMatrix(rows.keyRow, c)).empty()) columns.push_back(c);
    return columns;
}

// Draws the steps of one page of a form.
class PageDrawer {
public:
    PageDrawer(FrmMain& w, const PrintForm& form, const ReportPage& page, const ReportState& plan,
               DrawingSurface& surface, Label& wrapBox)
        : w_(w), form_(form), page_(page), plan_(plan), surface_(surface), wrapBox_(wrapBox),
          fontScale_(8640.0 / form.width), pixel_(w.platform.Screen().twipsPerPixelX) {}

    void Draw() {
        // A page of its own draws the commands before CONTINUATION, a continuation page those
        // after it.
        if (page_.continuation)
            Steps(form_.continuation + 1, form_.steps.size(), 0, {}, false);
        else
            Steps(0, form_.continuation, 0, {}, false);
    }

private:
    void Report(const std::string& error) { w_.LogWrite("**** Printer Error :-" + error); }

    // Steps [begin, end) moved down by dy; in a section, the steps after its rows move down
    // with the rows.
    void Steps(std::size_t begin, std::size_t end, double dy, const ColumnOfRow& row,
               bool inSection) {
        using K = PrintStep::Kind;
        end = std::min(end, form_.steps.size());
        for (std::size_t i = begin; i < end; ++i) {
            const PrintStep& step = form_.steps[i];
            switch (step.kind) {
            case K::Rows: {
                const auto found = page_.rows.find(i);
                const PageRows rows = found == page_.rows.end() ? PageRows{} : found->second;
                const std::vector<int>& items = plan_.Items(page_.form, step.rows.grid);
                for (std::size_t k = 0; k < rows.count && rows.first + k < items.size(); ++k)
                    Steps(i + 1, step.blockEnd, dy + static_cast<double>(k) * step.rows.pitch,
                          {step.rows.grid, step.rows.column, items[rows.first + k]}, inSection);
                if (inSection && rows.count > 1)
                    dy += static_cast<double>(rows.count - 1) * step.rows.pitch;
                // The note under the table says whether its items go on overleaf.
                w_.Report.SetContinues(rows.first + rows.count < items.size());
                i = step.blockEnd;
                break;
            }
            case K::If: {
                bool drawn = false;
                try {
                    drawn = Something(Expand(w_, step.condition, row), w_.Decimal());
                } catch (const std::exception& e) {
                    Report(e.what());
                }
                const bool hasElse = step.blockEnd < form_.steps.size() &&
                                     form_.steps[step.blockEnd].kind == K::Else;
                const std::size_t blockEnd =
                    hasElse ? form_.steps[step.blockEnd].blockEnd : step.blockEnd;
                if (drawn)
                    Steps(i + 1, step.blockEnd, dy, row, inSection);
                else if (hasElse)
                    Steps(step.blockEnd + 1, blockEnd, dy, row, inSection);
                i = blockEnd;
                break;
            }
            case K::Section: {
                const auto shift = page_.sectionShift.find(i);
                if (shift != page_.sectionShift.end())
                    Steps(i + 1, step.blockEnd, dy + shift->second, row, true);
                i = step.blockEnd;
                break;
            }
            case K::Else:
            case K::End:
            case K::Continuation:
                break;
            default:
                try {
                    Command(step, dy, row);
                } catch (const std::exception& e) {
                    Report(e.what());
                }
                break;
            }
        }
    }

    void Command(const PrintStep& step, double dy, const ColumnOfRow& row) {
        switch (step.kind) {
        case PrintStep::Kind::Error:
            Report(step.error);
            break;
        case PrintStep::Kind::Shape:
            Shape(step.shape, dy);
            break;
        case PrintStep::Kind::Picture:
            Picture(step.picture, dy);
            break;
        case PrintStep::Kind::Text:
            Text(step.text, dy, row);
            break;
        default:
            break;
        }
    }

    void Shape(const ShapeCommand& s, double dy) {
        surface_.SetFillStyle(s.fillStyle);
        surface_.SetFillColour(s.fillColour);
        surface_.SetDrawWidth(s.borderWidth);
        const double left = s.a, top = s.b + dy, width = s.c, height = s.d;
        if (s.kind == "RECTANGLE") {
            const double right = left + width - pixel_;
            const double bottom = top + height - pixel_;
            surface_.Line(left, top, right, top, s.borderColour);
            surface_.Line(left, bottom, right, bottom, s.borderColour);
            surface_.Line(left, top, left, bottom, s.borderColour);
            surface_.Line(right, top, right, bottom, s.borderColour);
        } else if (s.kind == "OVAL") {
            if (width == 0) throw std::domain_error("Division by zero");
            surface_.Ellipse(left + width / 2, top + height / 2,
                             (width > height ? width : height) / 2, s.borderColour, height / width);
        } else if (s.kind == "CIRCLE") {
            surface_.Ellipse(left + width / 2, top + height / 2, std::min(width, height) / 2,
                             s.borderColour, 1.0);
        } else if (s.kind == "LINE") {
            // For a line, d is the y of its end.
            surface_.Line(left, top, width, s.d + dy, s.borderColour);
        } else if (s.kind == "SQUARE") {
            // The largest square that fits the box, centred in it.
            const double side = std::min(width, height);
            const double x = left + (width - side) / 2;
            const double y = top + (height - side) / 2;
            surface_.Box(x, y, x + side, y + side, s.borderColour);
        }
    }

    void Picture(const PictureCommand& p, double dy) {
        std::string file;
        if (p.kind == "PRINTLOGO") {
            file = w_.PrintLogoFile;
        } else if (p.kind == "GEOMETRY") {
            const int image = GeometryImage(w_);
            if (image == 0) return;
            file = w_.OpDataFolder + w_.GeomeryImages.Images.at(static_cast<std::size_t>(image));
        } else {
            return;
        }
        if (!surface_.Picture(file, p.left, p.top + dy, p.width, p.height))
            throw std::runtime_error("Picture not found: " + file);
    }

    void SetFont(const TextCommand& t, double factor) {
        SurfaceFont font;
        font.name = t.font;
        font.bold = t.bold;
        font.italic = t.italic;
        font.size = static_cast<float>(t.size * fontScale_ * factor);
        font.underline = t.underline;
        surface_.SetFont(font);
        surface_.SetForeColour(t.colour);
    }

    void Text(const TextCommand& t, double dy, const ColumnOfRow& row) {
        SetFont(t, 1.0);
        const std::string text = Expand(w_, t.code, row);
        const double y = t.y + dy;
        if (!t.multiLine) {
            surface_.CurrentX = t.rightAligned ? t.x - surface_.TextWidth(text) : t.x;
            surface_.CurrentY = y;
            surface_.Print(text);
            return;
        }
        wrapBox_.FontSize = t.size;
        wrapBox_.FontBold = t.bold;
        wrapBox_.Width = t.width;
        wrapBox_.Height = t.height;
        wrapBox_.SetCaption(text);
        const auto measure = [&](const std::string& s) { return surface_.TextWidth(s); };
        // A text longer than its box is set smaller, down to 70 % of its size; what still
        // does not fit ends in an ellipsis, so nothing is cut off without a mark.
        std::vector<std::string> lines;
        std::size_t fit = 0;
        for (double factor : {1.0, 0.9, 0.8, 0.7}) {
            SetFont(t, factor);
            lines = WrapLines(text, t.width, measure);
            // Whole lines inside the box (a tenth of a line may stand out below it).
            const double lineHeight = surface_.TextHeight(text);
            fit = lineHeight > 0 ? static_cast<std::size_t>(
                                       std::max(1.0, std::floor(t.height / lineHeight + 0.1)))
                                 : lines.size();
            if (lines.size() <= fit) break;
        }
        if (lines.size() > fit) {
            lines.resize(fit);
            std::string& last = lines.back();
            const std::string mark = "\u2026";
            while (!last.empty() && measure(last + mark) > t.width) {
                std::size_t cut = last.size() - 1;
                while (cut > 0 && (static_cast<unsigned char>(last[cut]) & 0xC0) == 0x80)
                    --cut;
                last.erase(cut);
            }
            while (!last.empty() && last.back() == ' ')
                last.pop_back();
            last += mark;
        }
        surface_.CurrentY = y;
        for (const std::string& line : lines) {
            surface_.CurrentX = t.x;
            surface_.Print(line);
        }
    }

    FrmMain& w_;
    const PrintForm& form_;
    const ReportPage& page_;
    const ReportState& plan_;
    DrawingSurface& surface_;
    Label& wrapBox_;
    double fontScale_;
    double pixel_;
};

} // namespace

std::string FrmMain::ExpandField(const std::string& code) {
    return Expand(*this, code, {});
}

// The form at a path; an unreadable form or header is logged and gives nothing.
std::optional<PrintForm> FrmMain::ReadReportForm(const std::string& formPath) {
    const auto bytes = ReadFileBytes(ResolveCase(formPath));
    if (!bytes) {
        LogWrite("**** Printer Error :-File not found: " + formPath);
        return std::nullopt;
    }
    return ParseReportForm(*bytes, formPath);
}

std::optional<PrintForm> FrmMain::ParseReportForm(const std::string& bytes,
                                                  const std::string& formPath) {
    PrintForm form = ReadPrintForm(AnsiToUtf8(bytes));
    if (!form.headerRead) {
        LogWrite("**** Printer Error :-Bad header in " + formPath);
        return std::nullopt;
    }
    return form;
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
    std::optional<PrintForm> form = ParseReportForm(bytes, formPath);
    if (!form) return;
    // The form's own page, its rows from the first item on.
    ReportState single;
    single.Plan({*form}, [this](const RowsCommand& rows) { return ItemColumns(*this, rows); });
    DrawReportPage(single, 0, surface, wrapBox);
}

void FrmMain::DrawReportPage(const ReportState& plan, std::size_t index, DrawingSurface& surface,
                             Label& wrapBox) {
    const ReportPage& page = plan.Page(index);
    const PrintForm& form = plan.FormOf(page);
    surface.SetFillColour(0xFFFFFF);
    surface.SetFillStyle(fill::Transparent);
    // The design page fills the surface with a margin of 2.5 % of its size on every side;
    // a page designed 6 inches (8640 twips) wide prints its fonts at their nominal size.
    const double w = form.width;
    const double h = form.height;
    surface.Scale(-0.025 * w, -0.025 * h, 1.05 * w, 1.05 * h);
    const bool continues = Report.Continues();
    Report.SetContinues(page.continues);
    PageDrawer(*this, form, page, plan, surface, wrapBox).Draw();
    Report.SetContinues(continues);
}

bool FrmMain::PlanReportPages() {
    std::vector<PrintForm> forms;
    for (const std::string& name : {PrintFormFile1, PrintFormFile2})
        if (std::optional<PrintForm> form = ReadReportForm(OpDataFolder + name))
            forms.push_back(std::move(*form));
    Report.Plan(std::move(forms),
                [this](const RowsCommand& rows) { return ItemColumns(*this, rows); });
    return Report.Pages() > 0;
}

void FrmMain::DrawReport(DrawingSurface& surface, bool toPrinter) {
    LogWrite(">DrawReport " + (toPrinter ? std::string("Printer") : surface.Name()));
    if (!PlanReportPages()) return;
    const int count = static_cast<int>(Report.Pages());
    for (int p = 0; p < count; ++p) {
        if (p > 0) surface.NewPage();
        Report.SetPage(p + 1, count);
        DrawReportPage(Report, static_cast<std::size_t>(p), surface, WrapBox);
    }
}

} // namespace tw
