// SPDX-License-Identifier: MIT
#include "sheet_catalogue.h"

#include "select/capacity.h"
#include "sheet_text.h"
#include "shell/ansi.h"
#include "shell/text_file.h"

#include <algorithm>
#include <cmath>

namespace fs = std::filesystem;

namespace tw::sheets {
namespace {

std::string ReadBytes(const fs::path& path) {
    auto bytes = ReadFileBytes(path);
    if (!bytes) Fail("cannot read " + path.string());
    return *bytes;
}

std::vector<ProductRow> ReadProducts(const fs::path& path, const std::vector<std::string>& keys) {
    auto file = OpenTextFile(path);
    if (!file) Fail("cannot read " + path.string());
    return ReadProductList(*file, keys);
}

template <class T> std::vector<std::string> KeysOf(const std::vector<T>& records) {
    std::vector<std::string> keys;
    for (std::size_t r = 1; r + 1 < records.size(); ++r)
        keys.push_back(records[r].key);
    return keys;
}

// A sheet name becomes a file in the sheet folder: it must not lead out of it.
void CheckSheetName(const std::string& sheet, const std::string& product) {
    if (sheet.empty() || sheet == "." || sheet == ".." ||
        sheet.find_first_of("/\\") != std::string::npos)
        Fail("product " + product + ": unusable sheet file name '" + sheet + "'");
}

float ResourceConstant(const fs::path& resource, const std::string& name) {
    auto file = OpenTextFile(resource);
    if (!file) Fail("cannot read " + resource.string());
    while (!file->Eof()) {
        std::string line = file->ReadLine();
        std::vector<std::string> fields;
        std::size_t start = 0;
        for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
            fields.push_back(line.substr(start, tab - start));
        fields.push_back(line.substr(start));
        if (fields.size() >= 4 && fields[0] == "ACONST" && Trim(fields[2]) == name)
            return std::stof(fields[3]);
    }
    Fail(resource.string() + " has no constant " + name);
}

char RangeOf(const CModel& m) {
    if (m.maxSuction <= -10) return 'L';
    if (m.minSuction >= 15) return 'H';
    return 'M';
}

} // namespace

std::string RangeName(char range) {
    return range == 'H'   ? "high temperature"
           : range == 'L' ? "low temperature"
                          : "medium temperature";
}

std::string CoolerTypeName(char type) {
    switch (type) {
    case 'L':
        return "Low-profile unit cooler";
    case 'M':
        return "Medium-profile unit cooler";
    case 'U':
        return "Large unit cooler";
    default:
        return "Unit cooler";
    }
}

std::string CoolerTypeShort(char type) {
    switch (type) {
    case 'L':
        return "low-profile";
    case 'M':
        return "medium-profile";
    case 'U':
        return "large";
    default:
        return "other";
    }
}

Catalogue ReadCatalogue(const fs::path& folder, const fs::path& resource) {
    Catalogue cat;
    cat.cRatings = ParseCRatings(ReadBytes(folder / "CRatings.rec"));
    cat.cModels = ParseCModels(ReadBytes(folder / "CModels.rec"));
    cat.eRatings = ParseERatings(ReadBytes(folder / "ERatings.rec"));
    const auto cRows = ReadProducts(folder / "CProdList.data", KeysOf(cat.cModels));
    const auto eRows = ReadProducts(folder / "EProdList.data", KeysOf(cat.eRatings));
    cat.condenser50 = ResourceConstant(resource, "CONDENSER50HZFACTOR");
    cat.cooler50 = ResourceConstant(resource, "COOLER50HZFACTOR");

    // Condensing units: every model with its rating table, in the order of the model file.
    const std::size_t cCount = cat.cModels.size() - 2;
    cat.units.resize(cCount);
    for (std::size_t m = 1; m <= cCount; ++m) {
        Unit& u = cat.units[m - 1];
        u.model = &cat.cModels[m];
        u.key = Trim(u.model->key);
        for (int k = 0; k < u.model->ratingCount; ++k) {
            const auto r =
                static_cast<std::size_t>(u.model->firstRating) + static_cast<std::size_t>(k);
            if (u.model->firstRating < 1 || r + 1 >= cat.cRatings.size())
                Fail(u.key + ": rating points outside CRatings.rec");
            const CRating& p = cat.cRatings[r];
            if (std::find(u.suctions.begin(), u.suctions.end(), p.suction) == u.suctions.end())
                u.suctions.push_back(p.suction);
            if (std::find(u.ambients.begin(), u.ambients.end(), p.ambient) == u.ambients.end())
                u.ambients.push_back(p.ambient);
            u.capacity[{p.suction, p.ambient}] = p.capacity;
        }
        std::sort(u.suctions.rbegin(), u.suctions.rend());
        std::sort(u.ambients.begin(), u.ambients.end());
        const auto dash = u.key.rfind('-');
        u.family = dash == std::string::npos ? u.key : u.key.substr(0, dash);
        u.range = RangeOf(*u.model);
    }
    // Cooler models.
    const std::size_t eCount = cat.eRatings.size() - 2;
    cat.coolers.resize(eCount);
    for (std::size_t m = 1; m <= eCount; ++m) {
        cat.coolers[m - 1].rating = &cat.eRatings[m];
        cat.coolers[m - 1].key = Trim(cat.eRatings[m].key);
    }

    // Product lines; each names its sheet, and every sheet shows one model.
    std::map<std::string, std::pair<char, int>> sheetModel; // list and model of each sheet
    auto link = [&](const ProductRow& row, std::size_t count, char list) {
        const std::string& sheet = row.fields[3];
        CheckSheetName(sheet, row.fields[0]);
        if (row.link < 1 || static_cast<std::size_t>(row.link) > count)
            Fail("product " + row.fields[1] + ": no model " + row.fields[2]);
        auto [it, fresh] = sheetModel.emplace(sheet, std::make_pair(list, row.link));
        if (!fresh && it->second != std::make_pair(list, row.link))
            Fail("sheet " + sheet + " is named by products of two different models");
        return static_cast<std::size_t>(row.link) - 1;
    };
    for (std::size_t r = 1; r < cRows.size(); ++r) {
        const ProductRow& row = cRows[r];
        Unit& u = cat.units[link(row, cCount, 'C')];
        auto [refrigerant, supply] = NameDetails(row.fields[1]);
        u.products.push_back({row.fields[0], row.fields[1], refrigerant, supply});
        if (u.refrigerant.empty()) u.refrigerant = refrigerant;
        AddOnce(u.supplies, supply);
        const char condenser = row.fields[0].empty() ? '?' : row.fields[0][0];
        u.water = condenser == 'W';
        const char where = row.fields[0].size() > 2 ? row.fields[0][2] : '?';
        AddOnce(u.locations, where == 'O'   ? "outdoor"
                             : where == 'I' ? "indoor"
                                            : std::string(1, where));
        cat.unitSheets[row.fields[3]] = &u;
        ++cat.unitLines;
    }
    for (std::size_t r = 1; r < eRows.size(); ++r) {
        const ProductRow& row = eRows[r];
        Cooler& c = cat.coolers[link(row, eCount, 'E')];
        auto [defrost, frequency] = NameDetails(row.fields[1]);
        c.products.push_back({row.fields[0], row.fields[1], defrost, frequency});
        if (c.defrost.empty()) c.defrost = defrost;
        AddOnce(c.frequencies, frequency);
        if (c.type == '?' && !row.fields[0].empty()) c.type = row.fields[0][0];
        cat.coolerSheets[row.fields[3]] = &c;
        ++cat.coolerLines;
    }

    // The rating point quoted for each unit: the customary one of its range, inside its table.
    for (Unit& u : cat.units) {
        const int sst = u.range == 'H' ? 35 : u.range == 'L' ? -20 : 20;
        const int amb = u.water ? 100 : 90;
        u.ratingSst = std::clamp<int>(sst, u.model->minSuction, u.model->maxSuction);
        u.ratingAmb = std::clamp<int>(amb, u.model->minAmbient, u.model->maxAmbient);
    }
    return cat;
}

std::int32_t UnitCapacity(const Catalogue& cat, const Unit& u, int sst, int amb, float factor) {
    return CondensingCapacity(cat.cRatings, *u.model, static_cast<float>(sst),
                              static_cast<float>(amb), factor);
}

long long Nominal(double capacity) {
    return std::llround(capacity / 10.0) * 10;
}

std::string RatingPoint(const Unit& u) {
    return Temp(u.ratingSst, true) + " " + kDegF + " suction, " + Temp(u.ratingAmb) + " " + kDegF +
           (u.water ? " condensing" : " ambient");
}

} // namespace tw::sheets
