// SPDX-License-Identifier: MIT
#include "report/print_form.h"

#include "base/text.h"
#include "jobs/job_notation.h"
#include "shell/ansi.h"
#include "shell/numbers.h"

#include <cmath>
#include <stdexcept>

namespace tw {

namespace {

// A value that does not fit where it stands; the command it belongs to is not drawn.
struct BadValue : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reads values one after the other; past the last one it throws EndOfForm.
struct EndOfForm {};

class ValueStream {
public:
    explicit ValueStream(std::vector<NotationField> fields) : fields_(std::move(fields)) {}

    bool AtEnd() const { return pos_ >= fields_.size(); }
    int Line() const { return AtEnd() ? 0 : fields_[pos_].line; }

    const NotationField& Next() {
        if (AtEnd()) throw EndOfForm{};
        return fields_[pos_++];
    }

    std::string Text() { return Next().text; }

    // The notation writes numbers with a decimal point whatever the machine uses; an empty
    // value reads as 0.
    double Number() {
        const NotationField& f = Next();
        const std::string text = Trim(f.text);
        if (text.empty()) return 0;
        if (auto v = ParseNumber(text, '.')) return *v;
        throw BadValue("Type mismatch: '" + f.text + "' on line " + std::to_string(f.line));
    }

    // A whole number within [low, high]; anything else spoils the command, so no sum of
    // positions and sizes can leave the range of int.
    int Whole(double low = -2147483648.0, double high = 2147483647.0) {
        const int line = Line();
        const double v = RoundHalfEven(Number());
        if (!(v >= low && v <= high)) throw BadValue("Overflow on line " + std::to_string(line));
        return static_cast<int>(v);
    }
    int Position() { return Whole(-kMaxPosition, kMaxPosition); }

    // Positions and sizes on the design page, in twips: a million is some 17 m.
    static constexpr double kMaxPosition = 1000000.0;

    bool Truth() {
        const NotationField& f = Next();
        const std::string text = UpperCase(Trim(f.text));
        if (text == "#TRUE#") return true;
        if (text == "#FALSE#") return false;
        if (text == "TRUE" || text == "FALSE") return text == "TRUE";
        if (auto v = ParseNumber(text, '.')) return *v != 0;
        throw BadValue("Type mismatch: '" + f.text + "' on line " + std::to_string(f.line));
    }

private:
    std::vector<NotationField> fields_;
    std::size_t pos_ = 0;
};

// The values of one command after its keyword.
void ReadShape(ValueStream& in, ShapeCommand& s) {
    s.kind = in.Text();
    s.a = in.Position();
    s.b = in.Position();
    s.c = in.Position();
    s.d = in.Position();
    s.fillStyle = in.Whole();
    s.fillColour = in.Whole();
    s.borderColour = in.Whole();
    s.borderWidth = in.Whole(0, 32767);
}

void ReadPicture(ValueStream& in, PictureCommand& p) {
    p.kind = in.Text();
    in.Next();
    in.Next();
    p.left = in.Position();
    p.top = in.Position();
    p.width = in.Position();
    p.height = in.Position();
}

void ReadText(ValueStream& in, TextCommand& t) {
    t.code = in.Text();
    t.x = in.Position();
    t.y = in.Position();
    if (t.multiLine) {
        t.width = in.Position();
        t.height = in.Position();
    }
    t.font = in.Text();
    t.bold = in.Truth();
    t.italic = in.Truth();
    t.size = static_cast<float>(in.Number());
    // The largest font the toolkit draws; beyond it a size is a bad value.
    if (!(std::fabs(t.size) <= 1638.0f))
        throw BadValue("Overflow: font size " + std::to_string(t.size));
    t.underline = in.Truth();
    t.colour = in.Whole();
}

// How many values a command takes after its keyword; -1 for a word that is no command.
int ValueCount(const std::string& keyword) {
    if (keyword == "SHAPE") return 9;
    if (keyword == "PICTURE") return 7;
    if (keyword == "TEXT" || keyword == "RTEXT") return 9;
    if (keyword == "MTEXT") return 11;
    if (keyword == "ROWS") return 5;
    if (keyword == "IF" || keyword == "CONTINUATION") return 1;
    if (keyword == "SECTION") return 3;
    if (keyword == "ELSE" || keyword == "END") return 0;
    return -1;
}

void ReadCommand(const std::string& keyword, ValueStream& values, PrintStep& step) {
    using K = PrintStep::Kind;
    if (keyword == "SHAPE") {
        step.kind = K::Shape;
        ReadShape(values, step.shape);
    } else if (keyword == "PICTURE") {
        step.kind = K::Picture;
        ReadPicture(values, step.picture);
    } else if (keyword == "ROWS") {
        step.kind = K::Rows;
        RowsCommand& r = step.rows;
        r.grid = values.Whole();
        r.column = values.Whole();
        r.keyRow = values.Whole();
        r.rows = values.Whole();
        r.pitch = values.Whole();
        if (r.rows < 1 || r.column < 0 || r.keyRow < 0)
            throw BadValue("Invalid ROWS block on line " + std::to_string(step.line));
    } else if (keyword == "SECTION") {
        step.kind = K::Section;
        step.section.grid = values.Whole();
        step.section.top = values.Whole();
        step.section.height = values.Whole();
    } else if (keyword == "IF") {
        step.kind = K::If;
        step.condition = values.Text();
    } else if (keyword == "CONTINUATION") {
        step.kind = K::Continuation;
        step.section.top = values.Whole();
    } else if (keyword == "ELSE") {
        step.kind = K::Else;
    } else if (keyword == "END") {
        step.kind = K::End;
    } else {
        step.kind = K::Text;
        step.text.multiLine = keyword == "MTEXT";
        step.text.rightAligned = keyword == "RTEXT";
        ReadText(values, step.text);
    }
}

// Links every block to the step that ends it. An END without a block, or an ELSE outside an
// IF, is a fault of the form and becomes an error step; a block left open runs to the end
// of the form, or of the part (page or continuation) it stands in.
void LinkBlocks(PrintForm& form) {
    using K = PrintStep::Kind;
    std::vector<std::size_t> open;
    auto closeAll = [&](std::size_t at) {
        for (std::size_t b : open)
            form.steps[b].blockEnd = at;
        open.clear();
    };
    form.continuation = form.steps.size();
    for (std::size_t i = 0; i < form.steps.size(); ++i) {
        PrintStep& step = form.steps[i];
        switch (step.kind) {
        case K::Rows:
        case K::If:
        case K::Section:
            open.push_back(i);
            break;
        case K::Else:
            if (open.empty() || form.steps[open.back()].kind != K::If) {
                step.kind = K::Error;
                step.error = "ELSE without IF on line " + std::to_string(step.line);
                break;
            }
            form.steps[open.back()].blockEnd = i;
            open.back() = i;
            break;
        case K::End:
            if (open.empty()) {
                step.kind = K::Error;
                step.error = "END without a block on line " + std::to_string(step.line);
                break;
            }
            form.steps[open.back()].blockEnd = i;
            open.pop_back();
            break;
        case K::Continuation:
            closeAll(i);
            if (form.continuation == form.steps.size()) {
                form.continuation = i;
                form.continuationBottom = step.section.top;
            }
            break;
        default:
            break;
        }
    }
    closeAll(form.steps.size());
}

} // namespace

PrintForm ReadPrintForm(const std::string& text) {
    PrintForm form;
    const std::vector<NotationField> fields = ReadNotationFields(text);
    ValueStream in(fields);
    try {
        form.title = in.Text();
        form.width = in.Position();
        form.height = in.Position();
    } catch (const EndOfForm&) {
        return form;
    } catch (const BadValue&) {
        return form;
    }
    if (form.width <= 0 || form.height <= 0) return form;
    form.headerRead = true;

    std::size_t index = 3;
    while (index < fields.size()) {
        const std::string keyword = fields[index].text;
        const int arity = ValueCount(keyword);
        if (arity < 0) {
            ++index;
            continue;
        }
        const auto count = static_cast<std::size_t>(arity);
        PrintStep step;
        step.line = fields[index].line;
        if (index + count >= fields.size()) {
            step.error =
                "Input past end of file: " + keyword + " on line " + std::to_string(step.line);
            form.steps.push_back(step);
            break;
        }
        // The command's own values: a bad one spoils this command only.
        const auto first = fields.begin() + static_cast<std::ptrdiff_t>(index) + 1;
        ValueStream values(
            std::vector<NotationField>(first, first + static_cast<std::ptrdiff_t>(count)));
        try {
            ReadCommand(keyword, values, step);
        } catch (const BadValue& e) {
            step.kind = PrintStep::Kind::Error;
            step.error = e.what();
        }
        form.steps.push_back(step);
        index += count + 1;
    }
    LinkBlocks(form);
    return form;
}

namespace {

// The characters of a UTF-8 text, each as its bytes.
std::vector<std::string> Characters(const std::string& text) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t n = 1;
        while (i + n < text.size() && IsUtf8Continuation(text[i + n]))
            ++n;
        out.push_back(text.substr(i, n));
        i += n;
    }
    return out;
}

void WrapParagraph(const std::string& paragraph, double width,
                   const std::function<double(const std::string&)>& measure,
                   std::vector<std::string>& lines) {
    std::string current;
    std::size_t p = 0;
    while (p < paragraph.size()) {
        while (p < paragraph.size() && paragraph[p] == ' ')
            ++p;
        if (p >= paragraph.size()) break;
        std::size_t end = paragraph.find(' ', p);
        if (end == std::string::npos) end = paragraph.size();
        const std::string word = paragraph.substr(p, end - p);
        p = end;
        const std::string joined = current.empty() ? word : current + " " + word;
        if (measure(joined) <= width) {
            current = joined;
            continue;
        }
        if (!current.empty()) lines.push_back(current);
        current.clear();
        if (measure(word) <= width) {
            current = word;
            continue;
        }
        // A word wider than the box is broken where it reaches the edge.
        for (const std::string& c : Characters(word)) {
            if (!current.empty() && measure(current + c) > width) {
                lines.push_back(current);
                current.clear();
            }
            current += c;
        }
    }
    lines.push_back(current);
}

} // namespace

std::vector<std::string> WrapLines(const std::string& text, double width,
                                   const std::function<double(const std::string&)>& measure) {
    std::vector<std::string> lines;
    if (text.empty()) return lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        WrapParagraph(text.substr(start, end - start), width, measure, lines);
        if (end >= text.size()) break;
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        if (start == text.size()) break;
    }
    return lines;
}

} // namespace tw
