// SPDX-License-Identifier: MIT
#include "catalogue_pdf.h"

#include "sheet_canvas.h"
#include "sheet_text.h"

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace tw::sheets {
namespace {

template <class T> const Product& FirstProduct(const std::vector<T>& models) {
    for (const T& m : models)
        if (!m.products.empty()) return m.products.front();
    Fail("no product lines");
}

constexpr double kTop = 24, kBottom = kPageH - 18;

// A block of a catalogue page: its height and how to draw it at a given y.
struct Block {
    double height = 0;
    bool newPage = false;
    bool keepWithNext = false;
    std::string section; // a contents entry starts here
    std::function<void(Canvas&, double)> draw;
    int page = 0;
    double y = 0;
};

struct UnitFamily {
    std::string code, refrigerant;
    char range = 'M';
    bool water = false;
    std::vector<const Unit*> units;
    std::string Section() const {
        return refrigerant + kDot + Capitalised(RangeName(range)) + kDot +
               (water ? "Water-cooled" : "Air-cooled");
    }
};

struct CoolerGroup {
    char type = '?';
    std::string defrost;
    std::vector<const Cooler*> coolers;
    std::string Section() const { return CoolerTypeName(type) + "s" + kDot + Capitalised(defrost); }
};

std::vector<UnitFamily> Families(const Catalogue& cat) {
    std::vector<UnitFamily> families;
    for (const Unit& u : cat.units) {
        if (u.products.empty()) continue; // a model nobody sells
        auto it = std::find_if(families.begin(), families.end(),
                               [&](const UnitFamily& f) { return f.code == u.family; });
        if (it == families.end()) {
            families.push_back({u.family, u.refrigerant, u.range, u.water, {}});
            it = families.end() - 1;
        }
        it->units.push_back(&u);
    }
    return families;
}

std::vector<CoolerGroup> CoolerGroups(const Catalogue& cat) {
    std::vector<CoolerGroup> groups;
    for (const Cooler& e : cat.coolers) {
        if (e.products.empty()) continue;
        auto it = std::find_if(groups.begin(), groups.end(), [&](const CoolerGroup& g) {
            return g.type == e.type && g.defrost == e.defrost;
        });
        if (it == groups.end()) {
            groups.push_back({e.type, e.defrost, {}});
            it = groups.end() - 1;
        }
        it->coolers.push_back(&e);
    }
    return groups;
}

const TableStyle kListStyle{9.5, 5.0, 8.5, 7.5};

// One heading with two lines of conditions above a table, split into parts that fit a page.
void TableBlocks(std::vector<Block>& blocks, const std::string& section,
                 const std::vector<std::string>& conditions, const std::vector<Column>& columns,
                 std::vector<std::vector<std::string>> rows) {
    const double headH = 8 + 4.4 * static_cast<double>(conditions.size()) + 2;
    const double tableH = kListStyle.header + 2;
    const auto fit = static_cast<std::size_t>((kBottom - kTop - headH - tableH) / kListStyle.row);
    for (std::size_t first = 0; first < rows.size(); first += fit) {
        std::vector<std::vector<std::string>> part(
            rows.begin() + static_cast<long>(first),
            rows.begin() + static_cast<long>(std::min(rows.size(), first + fit)));
        Block b;
        b.height = headH + tableH + kListStyle.row * static_cast<double>(part.size()) + 7;
        b.section = first == 0 ? section : "";
        const std::string title = first == 0 ? section : section + " (continued)";
        b.draw = [=](Canvas& c, double y) {
            c.Text(kMargin, y, kContentW, 7, title, Font(11.5, true),
                   Qt::AlignLeft | Qt::AlignBottom, kNavy);
            double line = y + 8;
            for (const std::string& text : conditions) {
                c.Text(kMargin, line, kContentW, 4.4, text, Font(8),
                       Qt::AlignLeft | Qt::AlignVCenter, kGrey);
                line += 4.4;
            }
            Table(c, line + 2, columns, part, kListStyle);
        };
        blocks.push_back(b);
    }
}

Block Title(const std::string& text, const std::string& intro) {
    Block b;
    b.height = 22;
    b.newPage = true;
    b.keepWithNext = true;
    b.draw = [=](Canvas& c, double y) {
        c.Text(kMargin, y, kContentW, 10, text, Font(17, true), Qt::AlignLeft | Qt::AlignBottom,
               kNavy);
        c.Text(kMargin, y + 11, kContentW, 9, intro, Font(8.5),
               Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, kGrey);
    };
    return b;
}

std::vector<Block> CatalogueBlocks(const Catalogue& cat, const std::vector<UnitFamily>& families,
                                   const std::vector<CoolerGroup>& groups) {
    std::vector<Block> blocks;
    blocks.push_back(Title("Condensing units",
                           "Capacities in Btu/h at 60 Hz at the family's rating point (at 50 Hz "
                           "multiply by " +
                               FactorText(cat.condenser50) +
                               "). The full rating table of each model is on its data sheet."));
    for (const UnitFamily& f : families) {
        const Unit& first = *f.units.front();
        int minS = first.model->minSuction, maxS = first.model->maxSuction;
        int minA = first.model->minAmbient, maxA = first.model->maxAmbient;
        std::vector<std::string> locations, singles, threes;
        for (const Unit* u : f.units) {
            minS = std::min<int>(minS, u->model->minSuction);
            maxS = std::max<int>(maxS, u->model->maxSuction);
            minA = std::min<int>(minA, u->model->minAmbient);
            maxA = std::max<int>(maxA, u->model->maxAmbient);
            for (const auto& l : u->locations)
                AddOnce(locations, l);
            for (const auto& s : u->supplies)
                AddOnce(s.find("1~") != std::string::npos ? singles : threes, s);
        }
        std::vector<std::string> conditions{
            "Saturated suction " + TempRange(minS, maxS, true) + kDot +
                (f.water ? "condensing " : "ambient ") + TempRange(minA, maxA, false) + kDot +
                "installation " + Joined(locations, " or "),
            "Capacity at " + RatingPoint(first) + kDot + "1~: " + Joined(singles) + kDot +
                "3~: " + Joined(threes),
        };
        std::vector<std::vector<std::string>> rows;
        for (const Unit* u : f.units) {
            bool single = false, three = false;
            for (const auto& s : u->supplies)
                (s.find("1~") != std::string::npos ? single : three) = true;
            rows.push_back(
                {u->key, Thousands(UnitCapacity(cat, *u, u->ratingSst, u->ratingAmb, 1.0f)),
                 Thousands(
                     Nominal(UnitCapacity(cat, *u, u->ratingSst, u->ratingAmb, cat.condenser50))),
                 TempRange(u->model->minSuction, u->model->maxSuction, true),
                 TempRange(u->model->minAmbient, u->model->maxAmbient, false),
                 u->model->minCapacity <= 0
                     ? "up to " + Thousands(u->model->maxCapacity)
                     : Thousands(u->model->minCapacity) + kTo + Thousands(u->model->maxCapacity),
                 std::string(single && three ? "1~, 3~"
                             : single        ? "1~"
                                             : "3~")});
        }
        TableBlocks(
            blocks, f.Section(), conditions,
            {{"Model", 26, Qt::AlignLeft},
             {"Capacity 60 Hz, Btu/h", 22, Qt::AlignRight},
             {"Capacity 50 Hz, Btu/h", 22, Qt::AlignRight},
             {"Suction, " + std::string(kDegF), 26, Qt::AlignRight},
             {std::string(f.water ? "Condensing, " : "Ambient, ") + kDegF, 26, Qt::AlignRight},
             {"Offered for, Btu/h", 34, Qt::AlignRight},
             {"Supply", 18, Qt::AlignHCenter}},
            rows);
    }

    blocks.push_back(
        Title("Unit coolers", "Capacities in Btu/h at a 10 " + std::string(kDegF) +
                                  " temperature difference between room air and saturated suction, "
                                  "60 Hz (at 50 Hz multiply by " +
                                  FactorText(cat.cooler50) +
                                  "). Each model is sold for 50 Hz and 60 Hz."));
    for (const CoolerGroup& g : groups) {
        std::vector<std::string> frequencies;
        std::vector<int> limits;
        std::vector<std::vector<std::string>> rows;
        for (const Cooler* e : g.coolers) {
            for (const auto& f : e->frequencies)
                AddOnce(frequencies, f);
            std::vector<std::string> keys;
            for (const Product& p : e->products)
                AddOnce(keys, p.key);
            const long long fifty =
                Nominal(e->rating->capacity * static_cast<double>(cat.cooler50));
            rows.push_back({e->key, Thousands(e->rating->capacity), Thousands(fifty),
                            "above " + Temp(e->rating->roomLimit) + " " + kDegF, Joined(keys)});
            if (std::find(limits.begin(), limits.end(), e->rating->roomLimit) == limits.end())
                limits.push_back(e->rating->roomLimit);
        }
        std::string rooms;
        for (int l : limits)
            rooms += (rooms.empty() ? "" : ", ") + Temp(l) + " " + kDegF;
        TableBlocks(
            blocks, g.Section(),
            {"Rooms warmer than " + rooms + kDot + Joined(frequencies, " and ") + kDot +
             std::to_string(g.coolers.size()) + " sizes"},
            {{"Model", 30, Qt::AlignLeft},
             {"Capacity at 10 " + std::string(kDegF) + " TD, 60 Hz, Btu/h", 36, Qt::AlignRight},
             {"50 Hz, Btu/h", 30, Qt::AlignRight},
             {"Room temperature", 38, Qt::AlignRight},
             {"Product keys", 40, Qt::AlignRight}},
            rows);
    }
    return blocks;
}

// Places the blocks on pages 2, 3, ...; returns the number of pages.
int Paginate(std::vector<Block>& blocks) {
    int page = 2;
    double y = kTop;
    for (std::size_t k = 0; k < blocks.size(); ++k) {
        Block& b = blocks[k];
        double need = b.height;
        if (b.keepWithNext && k + 1 < blocks.size()) need += blocks[k + 1].height;
        if (y > kTop && (b.newPage || y + need > kBottom)) {
            ++page;
            y = kTop;
        }
        b.page = page;
        b.y = y;
        y += b.height;
    }
    return page;
}

void TitlePage(Canvas& c, const Catalogue& cat, const std::vector<UnitFamily>& families,
               const std::vector<CoolerGroup>& groups, const std::map<std::string, int>& pages) {
    c.Fill(0, 0, kPageW, 84, kNavy);
    c.Fill(0, 84, kPageW, 1.5, kBlue);
    c.Emblem(kMargin + 11, 27, 11, Qt::white, kNavy);
    c.Text(kMargin + 28, 15, 120, 13, std::string("TARNWELL"), Font(30, true),
           Qt::AlignLeft | Qt::AlignBottom, Qt::white);
    QFont spaced = Font(10);
    spaced.setLetterSpacing(QFont::PercentageSpacing, 140);
    c.Text(kMargin + 28.5, 29.5, 120, 6, std::string("REFRIGERATION"), spaced,
           Qt::AlignLeft | Qt::AlignTop, QColor(0xBF, 0xD7, 0xEE));
    c.Text(kMargin, 47, kContentW, 14, std::string("Product catalogue"), Font(28, true),
           Qt::AlignLeft | Qt::AlignBottom, Qt::white);
    c.Text(kMargin, 63, kContentW, 8,
           std::string("Condensing units and unit coolers for walk-in cold rooms"), Font(13),
           Qt::AlignLeft | Qt::AlignVCenter, QColor(0xDD, 0xE9, 0xF6));

    std::size_t units = 0, coolers = 0;
    for (const auto& f : families)
        units += f.units.size();
    for (const auto& g : groups)
        coolers += g.coolers.size();
    c.Text(kMargin, 92, kContentW, 20,
           std::to_string(units) + " condensing-unit models in " + std::to_string(families.size()) +
               " families and " + std::to_string(coolers) + " unit-cooler models, sold as " +
               Thousands(static_cast<long long>(cat.unitLines + cat.coolerLines)) +
               " product lines. Condensing-unit capacities are given at 60 Hz at the rating point "
               "of each family, unit-cooler capacities at a 10 " +
               kDegF + " temperature difference (TD). At 50 Hz condensing units give " +
               FactorText(cat.condenser50) + " and unit coolers " + FactorText(cat.cooler50) +
               " of these values. Each model has its own data sheet with the full rating table.",
           Font(9.5), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, kInk);

    // Contents: refrigerant and range down, condenser across; cooler type down, defrost across.
    auto page = [&](const std::string& section) {
        auto it = pages.find(section);
        return it == pages.end() ? std::string("\u2013") : std::to_string(it->second);
    };
    double y = Heading(c, 114, "Contents");
    // Condensing units: a row per refrigerant, a column per temperature range and condenser.
    std::vector<std::string> refrigerantRows;
    for (const auto& f : families)
        AddOnce(refrigerantRows, f.refrigerant);
    const std::pair<char, bool> ranges[] = {{'H', false}, {'H', true},  {'M', false},
                                            {'M', true},  {'L', false}, {'L', true}};
    std::vector<Column> unitColumns{
        {"Condensing units (page)", kContentW - 6 * 24.0, Qt::AlignLeft}};
    for (const auto& [range, water] : ranges)
        unitColumns.push_back(
            {std::string(1, range) + "T " + (water ? "water" : "air"), 24.0, Qt::AlignRight});
    std::vector<std::vector<std::string>> rows;
    for (const std::string& refrigerant : refrigerantRows) {
        std::vector<std::string> row{refrigerant};
        for (const auto& [range, water] : ranges) {
            std::string cell = "\u2013";
            for (const auto& f : families)
                if (f.refrigerant == refrigerant && f.range == range && f.water == water)
                    cell = page(f.Section());
            row.push_back(cell);
        }
        rows.push_back(row);
    }
    y = Table(c, y, unitColumns, rows, TableStyle{});
    c.Text(kMargin, y + 1, kContentW, 5.0,
           std::string("HT, MT, LT: high, medium and low temperature; air-cooled or water-cooled "
                       "condenser."),
           Font(8), Qt::AlignLeft | Qt::AlignTop, kInk);
    y += 6;

    std::vector<char> types;
    std::vector<std::string> defrosts;
    for (const auto& g : groups) {
        if (std::find(types.begin(), types.end(), g.type) == types.end()) types.push_back(g.type);
        AddOnce(defrosts, g.defrost);
    }
    const double across =
        std::min(40.0, 80.0 / static_cast<double>(std::max<std::size_t>(defrosts.size(), 1)) * 1.5);
    std::vector<Column> columns{{"Unit coolers (page)",
                                 kContentW - across * static_cast<double>(defrosts.size()),
                                 Qt::AlignLeft}};
    for (const auto& d : defrosts)
        columns.push_back({Capitalised(d), across, Qt::AlignRight});
    rows.clear();
    for (char t : types) {
        std::vector<std::string> row{CoolerTypeName(t) + "s"};
        for (const auto& d : defrosts) {
            std::string cell = "\u2013";
            for (const auto& g : groups)
                if (g.type == t && g.defrost == d) cell = page(g.Section());
            row.push_back(cell);
        }
        rows.push_back(row);
    }
    y = Table(c, y + 6, columns, rows, TableStyle{});

    // How the product keys the program shows are made up, from the keys themselves.
    std::vector<std::string> refrigerants, supplies, defrostCodes, typeCodes;
    for (const Unit& u : cat.units)
        for (const Product& p : u.products)
            if (p.key.size() > 3) {
                AddOnce(refrigerants, p.key.substr(1, 1) + " = " + p.first);
                AddOnce(supplies, p.key.substr(3) + " = " + p.second);
            }
    for (const Cooler& e : cat.coolers)
        for (const Product& p : e.products)
            if (p.key.size() > 1) {
                AddOnce(typeCodes, p.key.substr(0, 1) + " = " + CoolerTypeShort(p.key[0]));
                AddOnce(defrostCodes, p.key.substr(1, 1) + " = " + p.first);
            }
    const std::string unitExample = cat.unitLines ? FirstProduct(cat.units).key : "";
    const std::string coolerExample = cat.coolerLines ? FirstProduct(cat.coolers).key : "";
    y = Heading(c, y + 6, "Product keys");
    std::vector<std::pair<std::string, std::string>> facts = {
        {"Condensing unit, e.g. " + unitExample, "condenser, refrigerant, location, supply"},
        {"Condenser" + std::string(kDot) + "location",
         "A = air-cooled; W = water-cooled" + std::string(kDot) + "O = outdoor; I = indoor"}};
    // Four refrigerants a line, so a longer list still fits the page's width.
    for (std::size_t i = 0; i < refrigerants.size(); i += 4) {
        const std::vector<std::string> line(
            refrigerants.begin() + static_cast<std::ptrdiff_t>(i),
            refrigerants.begin() +
                static_cast<std::ptrdiff_t>(std::min(i + 4, refrigerants.size())));
        facts.push_back({i == 0 ? "Refrigerant" : "", Joined(line, "; ")});
    }
    facts.push_back({"Supply", Joined(supplies, "; ")});
    facts.push_back({"Unit cooler, e.g. " + coolerExample, "type, defrost, S for 60 Hz"});
    facts.push_back({"Type", Joined(typeCodes, "; ")});
    facts.push_back({"Defrost", Joined(defrostCodes, "; ")});
    y = Facts(c, y, facts);
    CheckFits(y, "the title page");
}

} // namespace

void WriteCatalogue(const Catalogue& cat, const fs::path& path) {
    const auto families = Families(cat);
    const auto groups = CoolerGroups(cat);
    std::vector<Block> blocks = CatalogueBlocks(cat, families, groups);
    const int pageCount = Paginate(blocks);
    std::map<std::string, int> pages;
    for (const Block& b : blocks)
        if (!b.section.empty()) pages.emplace(b.section, b.page);

    WritePdf(path, QStringLiteral("Tarnwell Refrigeration product catalogue"), [&](Canvas& c) {
        auto footer = [&](int page) {
            Footer(c, "Page " + std::to_string(page) + " of " + std::to_string(pageCount));
        };
        TitlePage(c, cat, families, groups, pages);
        footer(1);
        int page = 1;
        for (const Block& b : blocks) {
            while (page < b.page) {
                c.NewPage();
                ++page;
                Band(c, 14, "Product catalogue", "Condensing units and unit coolers");
                footer(page);
            }
            b.draw(c, b.y);
        }
    });
}

} // namespace tw::sheets
