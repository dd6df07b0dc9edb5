// SPDX-License-Identifier: MIT
#include "data_sheet.h"

#include "select/capacity.h"
#include "sheet_canvas.h"
#include "sheet_text.h"

#include <functional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace tw::sheets {
namespace {

std::string UnitKind(const Unit& u) {
    return std::string(u.water ? "Water-cooled" : "Air-cooled") + " condensing unit";
}

std::string AmbientLabel(const Unit& u) {
    return u.water ? "Saturated condensing temperature" : "Ambient temperature";
}

std::string OfferedRange(const CModel& m) {
    if (m.minCapacity <= 0) return "up to " + Thousands(m.maxCapacity) + " Btu/h";
    return Thousands(m.minCapacity) + kTo + Thousands(m.maxCapacity) + " Btu/h";
}

// Product lines of a sheet; a long list ends with a count of the rest.
double ProductTable(Canvas& c, double y, const std::vector<Product>& products,
                    const std::vector<Column>& columns,
                    const std::function<std::vector<std::string>(const Product&)>& cells) {
    const std::size_t shown = products.size() > 12 ? 11 : products.size();
    std::vector<std::vector<std::string>> rows;
    for (std::size_t k = 0; k < shown; ++k)
        rows.push_back(cells(products[k]));
    if (shown < products.size())
        rows.push_back({"", "and " + std::to_string(products.size() - shown) + " more"});
    return Table(c, y, columns, rows, TableStyle{});
}

void SheetTitle(Canvas& c, const std::string& key, const std::string& kind) {
    c.Text(kMargin, 34, kContentW, 12, key, Font(22, true), Qt::AlignLeft | Qt::AlignBottom, kNavy);
    c.Text(kMargin, 47, kContentW, 6, kind, Font(11), Qt::AlignLeft | Qt::AlignVCenter, kGrey);
}

void UnitSheet(Canvas& c, const Catalogue& cat, const Unit& u, const std::string& sheet) {
    Band(c, 26, "TECHNICAL DATA SHEET", UnitKind(u));
    SheetTitle(c, u.key,
               UnitKind(u) + kDot + u.refrigerant + kDot + Capitalised(RangeName(u.range)));

    double y = Heading(c, 58, "Product lines");
    y = ProductTable(c, y, u.products,
                     {{"Product key", 24, Qt::AlignLeft},
                      {"Product name", 82, Qt::AlignLeft},
                      {"Location", 24, Qt::AlignLeft},
                      {"Electrical supply", 44, Qt::AlignLeft}},
                     [](const Product& p) {
                         const char where = p.key.size() > 2 ? p.key[2] : '?';
                         return std::vector<std::string>{p.key, p.name,
                                                         where == 'O'   ? "outdoor"
                                                         : where == 'I' ? "indoor"
                                                                        : "",
                                                         p.second};
                     });

    y = Heading(c, y + 6, "Application range");
    const CModel& m = *u.model;
    y = Facts(c, y,
              {
                  {"Refrigerant", u.refrigerant},
                  {"Saturated suction temperature", TempRange(m.minSuction, m.maxSuction, true)},
                  {AmbientLabel(u), TempRange(m.minAmbient, m.maxAmbient, false)},
                  {"Offered for a required capacity", OfferedRange(m)},
                  {"Rated capacity (60 Hz)",
                   Thousands(UnitCapacity(cat, u, u.ratingSst, u.ratingAmb, 1.0f)) + " Btu/h at " +
                       RatingPoint(u)},
                  {"Installation", Capitalised(Joined(u.locations, " or "))},
              });

    y = Heading(c, y + 6, "Capacity, Btu/h, rated at 60 Hz");
    // Two header rows: the ambient caption over the ambient columns, then their values.
    const double firstW = 34, cellW = (kContentW - firstW) / static_cast<double>(u.ambients.size());
    const double rowH = 5.4;
    c.Fill(kMargin, y, kContentW, 12, kNavy);
    c.Text(kMargin + 1.6, y, firstW - 3.2, 12,
           std::string("Saturated suction temperature, ") + kDegF, Font(8, true),
           Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, Qt::white);
    c.Text(kMargin + firstW, y + 0.5, kContentW - firstW, 5.5, AmbientLabel(u) + ", " + kDegF,
           Font(8, true), Qt::AlignHCenter | Qt::AlignVCenter, Qt::white);
    c.Line(kMargin + firstW + 2, y + 6, kPageW - kMargin - 2, y + 6, QColor(0x6F, 0x94, 0xC0),
           0.25);
    for (std::size_t a = 0; a < u.ambients.size(); ++a)
        c.Text(kMargin + firstW + cellW * a, y + 6, cellW - 1.6, 6, Temp(u.ambients[a]),
               Font(8, true), Qt::AlignRight | Qt::AlignVCenter, Qt::white);
    y += 12;
    for (std::size_t s = 0; s < u.suctions.size(); ++s) {
        if (s % 2 == 1) c.Fill(kMargin, y, kContentW, rowH, kPale);
        c.Text(kMargin + 1.6, y, firstW - 3.2, rowH, Temp(u.suctions[s], true), Font(8.5, true),
               Qt::AlignLeft | Qt::AlignVCenter, kInk);
        for (std::size_t a = 0; a < u.ambients.size(); ++a) {
            const auto it = u.capacity.find({u.suctions[s], u.ambients[a]});
            const bool rated = u.suctions[s] == u.ratingSst && u.ambients[a] == u.ratingAmb;
            if (rated) c.Fill(kMargin + firstW + cellW * a, y, cellW, rowH, kHighlight);
            c.Text(kMargin + firstW + cellW * a, y, cellW - 1.6, rowH,
                   it == u.capacity.end() ? std::string("\u2013") : Thousands(it->second),
                   Font(8.5, rated), Qt::AlignRight | Qt::AlignVCenter, kInk);
        }
        y += rowH;
    }
    c.Line(kMargin, y, kPageW - kMargin, y, kNavy, 0.35);

    y = Notes(
        c, y + 3,
        {
            "Capacities are rated at 60 Hz. At 50 Hz the compressor runs at 5/6 of its speed: "
            "multiply "
            "by " +
                FactorText(cat.condenser50) + ".",
            "Between the rated points the capacity may be interpolated linearly in suction and "
            "in " +
                std::string(u.water ? "condensing" : "ambient") + " temperature.",
            std::string(
                u.water ? "Water-cooled units are rated by the saturated condensing temperature."
                        : "Ambient: temperature of the air entering the condenser.") +
                " The shaded value is the rating point.",
        });
    CheckFits(y, "sheet " + sheet);
    Footer(c, "Sheet " + sheet);
}

// Rooms a cooler's sheet tabulates: steps of 10 °F (5 °F above freezing) above its limit.
std::vector<int> CoolerRooms(const ERating& e) {
    std::vector<int> rooms;
    for (int t = -30; t <= 60; t += t >= 30 ? 5 : 10)
        if (t > e.roomLimit) rooms.push_back(t);
    return rooms;
}

void CoolerSheet(Canvas& c, const Catalogue& cat, const Cooler& e, const std::string& sheet) {
    const std::string kind = CoolerTypeName(e.type);
    Band(c, 26, "TECHNICAL DATA SHEET", "Unit cooler");
    SheetTitle(c, e.key, kind + kDot + Capitalised(e.defrost));

    double y = Heading(c, 58, "Product lines");
    y = ProductTable(c, y, e.products,
                     {{"Product key", 24, Qt::AlignLeft},
                      {"Product name", 92, Qt::AlignLeft},
                      {"Defrost", 34, Qt::AlignLeft},
                      {"Supply", 24, Qt::AlignLeft}},
                     [](const Product& p) {
                         return std::vector<std::string>{p.key, p.name, p.first, p.second};
                     });

    const ERating& r = *e.rating;
    y = Heading(c, y + 6, "Application range and rating");
    const long long fifty = Nominal(r.capacity * static_cast<double>(cat.cooler50));
    y = Facts(
        c, y,
        {
            {"Type", kind},
            {"Defrost", Capitalised(e.defrost)},
            {"Rated capacity at 10 " + std::string(kDegF) + " TD",
             Thousands(r.capacity) + " Btu/h at 60 Hz, " + Thousands(fifty) + " Btu/h at 50 Hz"},
            {"Room-temperature limit",
             Temp(r.roomLimit) + " " + kDegF + " (offered for warmer rooms)"},
            {"Supply", Joined(e.frequencies, " or ")},
        });

    y = Heading(c, y + 6, "Capacity, Btu/h, at 60 Hz");
    const std::vector<int> tds{6, 8, 10, 12, 15};
    std::vector<Column> columns{{"Room temperature, " + std::string(kDegF), 44, Qt::AlignLeft}};
    for (int td : tds)
        columns.push_back({"TD " + std::to_string(td) + " " + kDegF, (kContentW - 44) / tds.size(),
                           Qt::AlignRight});
    std::vector<std::vector<std::string>> rows;
    for (int room : CoolerRooms(r)) {
        std::vector<std::string> row{Temp(room)};
        for (int td : tds)
            row.push_back(Thousands(Nominal(CoolerCapacity(
                static_cast<float>(room - td), static_cast<float>(td), r.capacity, 1.0f))));
        rows.push_back(row);
    }
    TableStyle style;
    style.row = 5.4;
    y = Table(c, y, columns, rows, style);
    y = Notes(c, y + 3,
              {
                  "TD: room air temperature minus saturated suction temperature.",
                  "The capacity is proportional to TD and corrected for the suction temperature.",
                  "At 50 Hz the fans move less air: multiply by " + FactorText(cat.cooler50) + ".",
                  std::string("Offered for rooms warmer than the room-temperature limit") +
                      (r.roomLimit >= 32 ? "; off-cycle (air) defrost needs a room above freezing."
                                         : "."),
              });
    CheckFits(y, "sheet " + sheet);
    Footer(c, "Sheet " + sheet);
}

} // namespace

void WriteSheets(const Catalogue& cat, const fs::path& folder) {
    // Named copies, not structured bindings: a lambda may not capture those before C++20.
    for (const auto& entry : cat.unitSheets) {
        const auto& sheet = entry.first;
        const auto& unit = entry.second;
        WritePdf(folder / sheet, Q(unit->key + " data sheet"),
                 [&](Canvas& c) { UnitSheet(c, cat, *unit, sheet); });
    }
    for (const auto& entry : cat.coolerSheets) {
        const auto& sheet = entry.first;
        const auto& cooler = entry.second;
        WritePdf(folder / sheet, Q(cooler->key + " data sheet"),
                 [&](Canvas& c) { CoolerSheet(c, cat, *cooler, sheet); });
    }
}

} // namespace tw::sheets
