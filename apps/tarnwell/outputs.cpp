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
    Json state = Json::object();
    if (w.CurrentJobFile.empty()) {
        state["job"] = nullptr;
    } else {
        std::error_code ec;
        const std::filesystem::path full = std::filesystem::absolute(w.CurrentJobFile, ec);
        state["job"] = JsonText(ec ? w.CurrentJobFile : full.lexically_normal().string());
    }
    state["modified"] = w.JobModified;
    state["decimal"] = JsonText(std::string(1, w.Decimal()));

    Json& fields = state["fields"] = Json::object();
    for (auto& [n, box] : w.TEXTBOX) {
        Json& f = fields[std::to_string(n)];
        f["caption"] = JsonText(Caption(w, n));
        f["type"] = JsonText(w.LABEL.Exists(n) ? w.LABEL[n].Tag : std::string());
        f["value"] = JsonText(box.Tag);
        f["text"] = JsonText(box.Text());
        f["unit"] = JsonText(w.UNITS.Exists(n) ? w.UNITS[n].Caption() : std::string());
        f["overridden"] = w.LABEL.Exists(n) && w.LABEL[n].ForeColor == w.OverrideColour;
    }

    Json& lists = state["lists"] = Json::object();
    for (auto& [n, list] : w.OPTIONLIST) {
        Json& l = lists[std::to_string(n)];
        l["position"] = list.ListIndex();
        l["item"] = list.ListIndex() >= 0 ? JsonText(list.List(list.ListIndex())) : Json();
        Json& items = l["items"] = Json::array();
        for (const std::string& item : list.Items())
            items.push_back(JsonText(item));
    }

    Json& radios = state["radios"] = Json::object();
    for (auto& [n, radio] : w.RADIO)
        radios[std::to_string(n)] = radio.Value();

    Json& checks = state["checks"] = Json::object();
    for (auto& [n, check] : w.CHECK)
        checks[std::to_string(n)] = check.Value() != 0;

    Json& grids = state["grids"] = Json::object();
    for (auto& [g, grid] : w.MSFlexGrid) {
        Json& rows = grids[std::to_string(g)] = Json::array();
        for (int r = 0; r < grid.Rows(); ++r) {
            Json row = Json::array();
            for (int c = 0; c < grid.Cols(); ++c)
                row.push_back(JsonText(grid.TextMatrix(r, c)));
            rows.push_back(std::move(row));
        }
    }

    Json& banner = state["banner"] = Json::array();
    for (const std::string& line : BannerLines(w))
        banner.push_back(JsonText(line));
    return JsonDump(state) + "\n";
}

} // namespace tarnwell
