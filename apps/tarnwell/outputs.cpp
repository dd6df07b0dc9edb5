// SPDX-License-Identifier: MIT
#include "outputs.h"

#include "entry/display_rule.h"
#include "json_writer.h"
#include "shell/numbers.h"
#include "text.h"

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace tarnwell {

namespace {

// The shown text of a field with its unit caption.
std::string Shown(tw::FrmMain& w, int n) {
    if (!w.TEXTBOX.Exists(n)) return std::string();
    std::string text = w.TEXTBOX[n].Text();
    const std::string& unit = w.UNITS.Exists(n) ? w.UNITS[n].Caption() : std::string();
    if (!unit.empty()) text += " " + unit;
    return text;
}

std::string Caption(tw::FrmMain& w, int n) {
    return w.LABEL.Exists(n) ? w.LABEL[n].Caption() : std::string();
}

// A load per hour of run time as the load of a whole day in the unit on display: Btu/h
// gives Btu, W gives Wh.
std::string PerDay(tw::FrmMain& w, int n) {
    const double daily = w.FieldDouble(n) * w.FieldDouble(12);
    const std::string text = tw::NumberDisplayText(tw::FormatNumber(daily, w.Decimal()),
                                                   w.FieldShownUnit(n), n, w.Decimal());
    std::string unit = w.UNITS[n].Caption();
    if (unit.size() > 2 && unit.compare(unit.size() - 2, 2, "/h") == 0)
        unit.erase(unit.size() - 2);
    else if (!unit.empty())
        unit += "h";
    return unit.empty() ? text : text + " " + unit;
}

// The caption of the chosen option button among `first` to `last`.
std::string ChosenCaption(tw::FrmMain& w, int first, int last) {
    for (int n = first; n <= last; ++n)
        if (w.RADIO.Exists(n) && w.RADIO[n].Value()) return w.RADIO[n].Caption;
    return std::string();
}

std::string FrameCaption(tw::FrmMain& w, int n, const char* fallback) {
    if (w.CFRAME.Exists(n) && !w.CFRAME[n].Caption.empty()) return w.CFRAME[n].Caption;
    return fallback;
}

} // namespace

std::vector<std::string> BannerLines(const tw::FrmMain& w) {
    std::vector<std::string> lines;
    const std::string& text = w.InputErrorText;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (!line.empty()) lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

std::string Summary(tw::FrmMain& w) {
    std::vector<std::pair<std::string, std::string>> room;
    auto field = [&](int n) {
        if (w.TEXTBOX.Exists(n)) room.emplace_back(Caption(w, n), Shown(w, n));
    };
    field(0);
    field(101);
    room.emplace_back(FrameCaption(w, 3, "Room shape"), ChosenCaption(w, 200, 204));
    if (w.TEXTBOX[13].Visible) {
        field(13);
        field(14);
        field(15);
    }
    field(213);
    field(103);
    field(102);
    room.emplace_back(FrameCaption(w, 100, "Location"), ChosenCaption(w, 100, 101));
    room.emplace_back(FrameCaption(w, 600, "Infiltration"), ChosenCaption(w, 600, 602));
    field(12);

    const int loads[] = {214, 680, 314, 422, 16};
    std::size_t width = 0;
    for (const auto& [label, value] : room)
        width = std::max(width, TextWidth(label));
    for (int n : loads)
        width = std::max(width, TextWidth(Caption(w, n)));
    width += 2;

    std::ostringstream out;
    for (const auto& [label, value] : room)
        out << PadRight(label, width) << value << '\n';
    out << '\n'
        << PadRight("Loads", width) << PadLeft("per 24 h", 18) << PadLeft("per hour", 18) << '\n';
    for (int n : loads) {
        if (n == 16) out << std::string(width + 36, '-') << '\n';
        out << PadRight(Caption(w, n), width) << PadLeft(PerDay(w, n), 18)
            << PadLeft(Shown(w, n), 18) << '\n';
    }
    out << '\n';
    out << PadRight(Caption(w, 503), width) << Shown(w, 503) << "  (" << Caption(w, 506) << ' '
        << Shown(w, 506) << ")\n";
    out << PadRight(Caption(w, 504), width) << Shown(w, 504) << '\n';
    out << PadRight(Caption(w, 523), width) << w.TEXTBOX[522].Text() << " x "
        << w.TEXTBOX[523].Text() << ", " << Caption(w, 524) << ' ' << Shown(w, 524) << '\n';
    out << PadRight(Caption(w, 543), width) << w.TEXTBOX[542].Text() << " x "
        << w.TEXTBOX[543].Text() << ", " << Caption(w, 544) << ' ' << Shown(w, 544) << '\n';
    out << PadRight("Balance point", width) << Shown(w, 560) << ", " << Caption(w, 561) << ' '
        << Shown(w, 561) << ", " << Caption(w, 562) << ' ' << Shown(w, 562) << '\n';

    const std::vector<std::string> warnings = BannerLines(w);
    out << '\n';
    if (warnings.empty()) {
        out << "Input warnings: none\n";
    } else {
        out << "Input warnings: " << warnings.size() << '\n';
        for (const std::string& line : warnings)
            out << "  ! " << line << '\n';
        out << "The loads and the equipment above are those of the last calculation that "
               "passed the input check.\n";
    }
    return out.str();
}

std::string FieldLines(tw::FrmMain& w, const std::vector<int>& fields) {
    std::string out;
    for (int n : fields)
        out += std::to_string(n) + '\t' + w.GetFieldValue(n) + '\t' + w.TEXTBOX[n].Text() + '\t' +
               w.UNITS[n].Caption() + '\n';
    return out;
}

std::string GridLines(tw::FrmMain& w, int grid) {
    const tw::Grid& g = w.MSFlexGrid[grid];
    std::string out;
    for (int r = 0; r < g.Rows(); ++r) {
        for (int c = 0; c < g.Cols(); ++c) {
            if (c) out += '\t';
            out += g.TextMatrix(r, c);
        }
        out += '\n';
    }
    return out;
}

std::string StateJson(tw::FrmMain& w) {
    JsonWriter j;
    j.BeginObject();
    j.Key("job");
    if (w.CurrentJobFile.empty()) {
        j.Null();
    } else {
        std::error_code ec;
        const std::filesystem::path full = std::filesystem::absolute(w.CurrentJobFile, ec);
        j.String(ec ? w.CurrentJobFile : full.lexically_normal().string());
    }
    j.Key("modified").Bool(w.JobModified);
    j.Key("decimal").String(std::string(1, w.Decimal()));

    j.Key("fields").BeginObject();
    for (auto& [n, box] : w.TEXTBOX) {
        j.Key(std::to_string(n)).BeginObject();
        j.Key("caption").String(Caption(w, n));
        j.Key("type").String(w.LABEL.Exists(n) ? w.LABEL[n].Tag : std::string());
        j.Key("value").String(box.Tag);
        j.Key("text").String(box.Text());
        j.Key("unit").String(w.UNITS.Exists(n) ? w.UNITS[n].Caption() : std::string());
        j.Key("overridden").Bool(w.LABEL.Exists(n) && w.LABEL[n].ForeColor == w.OverrideColour);
        j.EndObject();
    }
    j.EndObject();

    j.Key("lists").BeginObject();
    for (auto& [n, list] : w.OPTIONLIST) {
        j.Key(std::to_string(n)).BeginObject();
        j.Key("position").Number(list.ListIndex());
        j.Key("item");
        if (list.ListIndex() >= 0)
            j.String(list.List(list.ListIndex()));
        else
            j.Null();
        j.Key("items").BeginArray();
        for (const std::string& item : list.Items())
            j.String(item);
        j.EndArray();
        j.EndObject();
    }
    j.EndObject();

    j.Key("radios").BeginObject();
    for (auto& [n, radio] : w.RADIO)
        j.Key(std::to_string(n)).Bool(radio.Value());
    j.EndObject();

    j.Key("checks").BeginObject();
    for (auto& [n, check] : w.CHECK)
        j.Key(std::to_string(n)).Bool(check.Value() != 0);
    j.EndObject();

    j.Key("grids").BeginObject();
    for (auto& [g, grid] : w.MSFlexGrid) {
        j.Key(std::to_string(g)).BeginArray();
        for (int r = 0; r < grid.Rows(); ++r) {
            j.BeginArray();
            for (int c = 0; c < grid.Cols(); ++c)
                j.String(grid.TextMatrix(r, c));
            j.EndArray();
        }
        j.EndArray();
    }
    j.EndObject();

    j.Key("banner").BeginArray();
    for (const std::string& line : BannerLines(w))
        j.String(line);
    j.EndArray();
    j.EndObject();
    return j.Text() + "\n";
}

} // namespace tarnwell
