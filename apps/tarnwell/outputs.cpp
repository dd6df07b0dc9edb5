// SPDX-License-Identifier: MIT
#include "outputs.h"

#include "entry/display_rule.h"
#include "json_writer.h"
#include "names/fields.h"
#include "names/options.h"
#include "shell/numbers.h"
#include "text.h"

#include <algorithm>
#include <filesystem>
#include <sstream>

namespace tarnwell {

namespace field = tw::field;
namespace frame = tw::frame;
namespace option = tw::option;

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
    const double daily = w.FieldDouble(n) * w.FieldDouble(field::RunTime);
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
    for (const std::string& line : w.Banner.Errors())
        if (!line.empty()) lines.push_back(line);
    return lines;
}

std::vector<std::string> EquipmentNotes(const tw::FrmMain& w) {
    return w.Banner.ShowsErrors() ? std::vector<std::string>() : w.Banner.Notes();
}

std::string Summary(tw::FrmMain& w) {
    std::vector<std::pair<std::string, std::string>> room;
    auto addField = [&](int n) {
        if (w.TEXTBOX.Exists(n)) room.emplace_back(Caption(w, n), Shown(w, n));
    };
    addField(field::JobName);
    addField(field::RoomName);
    room.emplace_back(FrameCaption(w, frame::RoomShape, "Room shape"),
                      ChosenCaption(w, option::FourWalls, option::SizeOnly));
    if (w.TEXTBOX[field::RoomLength].Visible) {
        addField(field::RoomLength);
        addField(field::RoomWidth);
        addField(field::RoomHeight);
    }
    addField(field::RoomVolume);
    addField(field::RoomTemperature);
    addField(field::OutsideDesignTemperature);
    room.emplace_back(FrameCaption(w, frame::RoomLocation, "Location"),
                      ChosenCaption(w, option::InsideBuilding, option::Outdoors));
    room.emplace_back(FrameCaption(w, frame::InfiltrationMethod, "Infiltration"),
                      ChosenCaption(w, option::AirChange, option::Ventilation));
    addField(field::RunTime);

    const int loads[] = {field::BoxLoad, field::InfiltrationLoad, field::ProductLoad,
                         field::MiscLoad, field::TotalLoad};
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
        if (n == field::TotalLoad) out << std::string(width + 36, '-') << '\n';
        out << PadRight(Caption(w, n), width) << PadLeft(PerDay(w, n), 18)
            << PadLeft(Shown(w, n), 18) << '\n';
    }
    out << '\n';
    out << PadRight(Caption(w, field::DesignLoad), width) << Shown(w, field::DesignLoad) << "  ("
        << Caption(w, field::SafetyFactor) << ' ' << Shown(w, field::SafetyFactor) << ")\n";
    out << PadRight(Caption(w, field::Refrigerant), width) << Shown(w, field::Refrigerant) << '\n';
    out << PadRight(Caption(w, field::CondensingUnit), width) << w.TEXTBOX[field::UnitCount].Text()
        << " x " << w.TEXTBOX[field::CondensingUnit].Text() << ", "
        << Caption(w, field::UnitCapacity) << ' ' << Shown(w, field::UnitCapacity) << '\n';
    out << PadRight(Caption(w, field::Cooler), width) << w.TEXTBOX[field::CoolerCount].Text()
        << " x " << w.TEXTBOX[field::Cooler].Text() << ", " << Caption(w, field::CoolerCapacity)
        << ' ' << Shown(w, field::CoolerCapacity) << '\n';
    out << PadRight("Balance point", width) << Shown(w, field::BalanceCapacity) << ", "
        << Caption(w, field::BalanceSST) << ' ' << Shown(w, field::BalanceSST) << ", "
        << Caption(w, field::BalanceTD) << ' ' << Shown(w, field::BalanceTD);
    if (w.TEXTBOX.Exists(field::BalanceShare) && w.FieldNumber(field::BalanceShare) > 0)
        out << " (" << w.TEXTBOX[field::BalanceShare].Text() << " % of the design load)";
    out << '\n';

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
    // With input warnings the banner shows them alone, and so does the summary.
    const std::vector<std::string> notes = EquipmentNotes(w);
    if (notes.empty() && !w.Banner.ShowsErrors()) {
        out << "Equipment notes: none\n";
    } else if (!notes.empty()) {
        out << "Equipment notes: " << notes.size() << '\n';
        for (const std::string& line : notes)
            out << "  ! " << line << '\n';
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
        f["overridden"] = w.IsUserEntered(n);
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
    Json& notes = state["notes"] = Json::array();
    for (const std::string& line : EquipmentNotes(w))
        notes.push_back(JsonText(line));
    return JsonDump(state) + "\n";
}

} // namespace tarnwell
