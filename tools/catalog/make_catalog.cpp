// make_catalog - expands the readable equipment catalogue (proddata/catalog.txt)
// into the five catalogue files the program reads:
//
//   make_catalog SOURCE OUTDIR
//
// writes OUTDIR/CModels.rec, CRatings.rec, CProdList.data, ERatings.rec and
// EProdList.data. The line format of SOURCE, the expansion of the rating grid
// and the rules of the product lines are described in the header of
// proddata/catalog.txt and in docs/catalogue.md.
//
// Binary files: little-endian, packed records, texts padded with spaces.
// Product lists: tab-separated, Windows-1252 (the source's bytes are passed
// through), CR LF line ends.
//
// Before anything is written the source is checked: rating lists in the
// required order, keys of at most 16 characters and unique, every reference
// (family, refrigerant, supply, defrost) defined, capacities positive and
// falling with lower suction and higher ambient temperature, max-req not below
// the largest capacity, single-phase supplies only up to 3 hp. Any error is reported with its line number and
// nothing is written.

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr std::size_t kKeyLength = 16;
constexpr double kMaxSinglePhaseHp = 3.0;

struct Family {
    std::string name;
    std::string refrigerant;   // REFRIGERANT code
    char condenser = 'A';      // A air-cooled, W water-cooled / remote
    std::vector<int> suction;  // descending
    std::vector<int> ambient;  // ascending
    int refSuction = 0;
    int refAmbient = 0;
    double a = 0, b = 0, ka = 0, kx = 0;
};

struct CondensingModel {
    int line = 0;
    std::string key;
    std::size_t family = 0;
    double hp = 0;
    std::int32_t rated = 0;
    std::int32_t minRequired = 0;
    std::int32_t maxRequired = 0;
    std::vector<std::string> locations;
    std::vector<std::string> supplies;
};

struct CoolerModel {
    int line = 0;
    std::string key;
    char type = 'L';
    std::string defrost;
    std::int32_t rated = 0;
    std::int32_t roomLimit = 0;
    std::vector<int> frequencies;
};

struct Catalogue {
    std::map<std::string, std::string> refrigerants;  // code -> name
    std::map<std::string, std::string> supplies;      // code -> text
    std::map<std::string, std::string> defrosts;      // code -> text
    std::vector<Family> families;
    std::vector<CondensingModel> units;
    std::vector<CoolerModel> coolers;
};

struct Product {
    std::string key, name, model, sheet;
};

class Diagnostics {
public:
    explicit Diagnostics(std::string file) : file_(std::move(file)) {}
    void Error(int line, const std::string& message) {
        std::fprintf(stderr, "%s:%d: %s\n", file_.c_str(), line, message.c_str());
        ++count_;
    }
    int Count() const { return count_; }

private:
    std::string file_;
    int count_ = 0;
};

// ---------------------------------------------------------------------------
// Parsing

std::vector<std::string> SplitFields(const std::string& raw) {
    std::string line = raw.substr(0, raw.find('#'));
    std::vector<std::string> fields;
    std::string field;
    for (char c : line) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            if (!field.empty()) fields.push_back(field);
            field.clear();
        } else {
            field += c;
        }
    }
    if (!field.empty()) fields.push_back(field);
    return fields;
}

std::vector<std::string> SplitList(const std::string& text) {
    std::vector<std::string> items;
    std::string item;
    std::istringstream in(text);
    while (std::getline(in, item, ',')) items.push_back(item);
    return items;
}

std::string JoinFrom(const std::vector<std::string>& fields, std::size_t first) {
    std::string text;
    for (std::size_t i = first; i < fields.size(); ++i) {
        if (!text.empty()) text += ' ';
        text += fields[i];
    }
    return text;
}

bool ParseLong(const std::string& text, long& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    value = std::strtol(text.c_str(), &end, 10);
    return *end == '\0';
}

bool ParseDouble(const std::string& text, double& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return *end == '\0' && std::isfinite(value);
}

// A compressor power written as "1/2", "3/4", "1.5" or "10".
bool ParseHp(const std::string& text, double& hp) {
    const std::size_t slash = text.find('/');
    if (slash == std::string::npos) return ParseDouble(text, hp) && hp > 0;
    double num = 0, den = 0;
    if (!ParseDouble(text.substr(0, slash), num) || !ParseDouble(text.substr(slash + 1), den) ||
        den <= 0)
        return false;
    hp = num / den;
    return hp > 0;
}

bool ParseInt16(const std::string& text, int& value) {
    long v = 0;
    if (!ParseLong(text, v) || v < std::numeric_limits<std::int16_t>::min() ||
        v > std::numeric_limits<std::int16_t>::max())
        return false;
    value = static_cast<int>(v);
    return true;
}

bool ParseInt32(const std::string& text, std::int32_t& value) {
    long v = 0;
    if (!ParseLong(text, v) || v < std::numeric_limits<std::int32_t>::min() ||
        v > std::numeric_limits<std::int32_t>::max())
        return false;
    value = static_cast<std::int32_t>(v);
    return true;
}

bool ParseTemperatureList(const std::string& text, std::vector<int>& values) {
    values.clear();
    for (const std::string& item : SplitList(text)) {
        int v = 0;
        if (!ParseInt16(item, v)) return false;
        values.push_back(v);
    }
    return !values.empty();
}

// Strictly descending (step < 0) or strictly ascending (step > 0).
bool IsStrictlyOrdered(const std::vector<int>& values, int direction) {
    for (std::size_t i = 1; i < values.size(); ++i)
        if ((values[i] - values[i - 1]) * direction <= 0) return false;
    return true;
}

bool IsValidFileName(const std::string& name) {
    for (char c : name)
        if (c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' ||
            c == '>' || c == '|')
            return false;
    return true;
}

void CheckKey(Diagnostics& diag, int line, const std::string& key) {
    if (key.size() > kKeyLength)
        diag.Error(line, "model key '" + key + "' is longer than 16 characters");
    if (!IsValidFileName(key))
        diag.Error(line, "model key '" + key + "' cannot be part of a file name");
}

void ParseFamily(Diagnostics& diag, int line, const std::vector<std::string>& f, Catalogue& cat) {
    if (f.size() != 12) {
        diag.Error(line, "FAMILY needs 11 fields");
        return;
    }
    Family fam;
    fam.name = f[1];
    fam.refrigerant = f[2];
    if (!cat.refrigerants.count(fam.refrigerant))
        diag.Error(line, "unknown refrigerant code '" + fam.refrigerant + "'");
    if (f[3] != "A" && f[3] != "W") diag.Error(line, "condenser must be A or W");
    fam.condenser = f[3][0];
    if (!ParseTemperatureList(f[4], fam.suction))
        diag.Error(line, "bad suction-temperature list");
    else if (!IsStrictlyOrdered(fam.suction, -1))
        diag.Error(line, "suction temperatures must be in strictly descending order");
    if (!ParseTemperatureList(f[5], fam.ambient))
        diag.Error(line, "bad ambient list");
    else if (!IsStrictlyOrdered(fam.ambient, +1))
        diag.Error(line, "ambients must be in strictly ascending order");
    if (!ParseInt16(f[6], fam.refSuction) || !ParseInt16(f[7], fam.refAmbient))
        diag.Error(line, "bad reference point");
    if (!ParseDouble(f[8], fam.a) || !ParseDouble(f[9], fam.b) || !ParseDouble(f[10], fam.ka) ||
        !ParseDouble(f[11], fam.kx))
        diag.Error(line, "bad correction factor");
    for (const Family& other : cat.families)
        if (other.name == fam.name) diag.Error(line, "family '" + fam.name + "' defined twice");
    cat.families.push_back(fam);
}

void ParseUnit(Diagnostics& diag, int line, const std::vector<std::string>& f, Catalogue& cat) {
    if (f.size() != 9) {
        diag.Error(line, "CUNIT needs 8 fields");
        return;
    }
    CondensingModel m;
    m.line = line;
    m.key = f[1];
    CheckKey(diag, line, m.key);
    bool found = false;
    for (std::size_t i = 0; i < cat.families.size(); ++i)
        if (cat.families[i].name == f[2]) {
            m.family = i;
            found = true;
        }
    if (!found) {
        diag.Error(line, "unknown family '" + f[2] + "' (define it before its models)");
        return;
    }
    const Family& fam = cat.families[m.family];
    if (!ParseHp(f[3], m.hp)) diag.Error(line, "bad hp");
    if (!ParseInt32(f[4], m.rated) || m.rated <= 0) diag.Error(line, "rated capacity must be > 0");
    if (!ParseInt32(f[5], m.minRequired) || !ParseInt32(f[6], m.maxRequired) ||
        m.minRequired < 0 || m.minRequired >= m.maxRequired)
        diag.Error(line, "need 0 <= min-req < max-req");
    m.locations = SplitList(f[7]);
    for (const std::string& loc : m.locations) {
        const bool ok = fam.condenser == 'W' ? loc == "I" : (loc == "O" || loc == "I");
        if (!ok) diag.Error(line, "location '" + loc + "' does not suit the condenser type");
    }
    m.supplies = SplitList(f[8]);
    if (m.locations.empty() || m.supplies.empty())
        diag.Error(line, "a model needs at least one location and one supply");
    for (const std::string& sup : m.supplies) {
        if (!cat.supplies.count(sup)) diag.Error(line, "unknown supply code '" + sup + "'");
        if (!sup.empty() && sup[0] == '1' && m.hp > kMaxSinglePhaseHp)
            diag.Error(line, "single-phase supply '" + sup + "' above 3 hp");
    }
    for (const CondensingModel& other : cat.units)
        if (other.key == m.key) diag.Error(line, "model key '" + m.key + "' used twice");
    cat.units.push_back(m);
}

void ParseCooler(Diagnostics& diag, int line, const std::vector<std::string>& f, Catalogue& cat) {
    if (f.size() != 7) {
        diag.Error(line, "COOLER needs 6 fields");
        return;
    }
    CoolerModel c;
    c.line = line;
    c.key = f[1];
    CheckKey(diag, line, c.key);
    if (f[2] != "L" && f[2] != "M" && f[2] != "U") diag.Error(line, "type must be L, M or U");
    c.type = f[2][0];
    c.defrost = f[3];
    if (!cat.defrosts.count(c.defrost)) diag.Error(line, "unknown defrost code '" + c.defrost + "'");
    if (!ParseInt32(f[4], c.rated) || c.rated <= 0) diag.Error(line, "rated capacity must be > 0");
    if (!ParseInt32(f[5], c.roomLimit)) diag.Error(line, "bad room-temperature limit");
    for (const std::string& item : SplitList(f[6])) {
        if (item != "50" && item != "60") diag.Error(line, "frequency must be 50 or 60");
        c.frequencies.push_back(item == "60" ? 60 : 50);
    }
    if (c.frequencies.empty()) diag.Error(line, "a cooler needs at least one frequency");
    for (const CoolerModel& other : cat.coolers)
        if (other.key == c.key) diag.Error(line, "cooler key '" + c.key + "' used twice");
    cat.coolers.push_back(c);
}

bool ReadCatalogue(const std::string& path, Catalogue& cat, Diagnostics& diag) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "make_catalog: cannot open %s\n", path.c_str());
        return false;
    }
    std::string raw;
    int line = 0;
    while (std::getline(in, raw)) {
        ++line;
        const std::vector<std::string> f = SplitFields(raw);
        if (f.empty()) continue;
        const std::string& kind = f[0];
        if (kind == "REFRIGERANT" || kind == "SUPPLY" || kind == "DEFROST") {
            if (f.size() < 3) {
                diag.Error(line, kind + " needs a code and a text");
                continue;
            }
            auto& table = kind == "REFRIGERANT" ? cat.refrigerants
                          : kind == "SUPPLY"    ? cat.supplies
                                                : cat.defrosts;
            if (table.count(f[1])) diag.Error(line, kind + " code '" + f[1] + "' defined twice");
            table[f[1]] = JoinFrom(f, 2);
        } else if (kind == "FAMILY") {
            ParseFamily(diag, line, f, cat);
        } else if (kind == "CUNIT") {
            ParseUnit(diag, line, f, cat);
        } else if (kind == "COOLER") {
            ParseCooler(diag, line, f, cat);
        } else {
            diag.Error(line, "unknown record kind '" + kind + "'");
        }
    }
    if (cat.units.empty()) diag.Error(line, "no CUNIT records");
    if (cat.coolers.empty()) diag.Error(line, "no COOLER records");
    return true;
}

// ---------------------------------------------------------------------------
// Expansion

// Capacity at suction temperature s and ambient (condensing temperature) amb,
// from the rated capacity at the family's reference point; see catalog.txt.
std::int64_t RatingPoint(const Family& fam, std::int32_t rated, int s, int amb) {
    const double d = static_cast<double>(s - fam.refSuction);
    const double e = static_cast<double>(amb - fam.refAmbient);
    const double suctionFactor = 1.0 + fam.a * d + fam.b * d * d;
    const double ambientFactor = 1.0 - fam.ka * e * (1.0 - fam.kx * d);
    const double q = static_cast<double>(rated) * suctionFactor * ambientFactor;
    return static_cast<std::int64_t>(std::floor(q / 10.0 + 0.5)) * 10;
}

struct RatingRecord {
    int model;  // 1-based model number
    int suction;
    int ambient;
    std::int32_t capacity;
};

// Expands one model's grid and checks that it is physically ordered.
std::vector<RatingRecord> ExpandModel(const Catalogue& cat, std::size_t index, Diagnostics& diag) {
    const CondensingModel& m = cat.units[index];
    const Family& fam = cat.families[m.family];
    std::vector<RatingRecord> points;
    const std::size_t perBlock = fam.ambient.size();
    for (int s : fam.suction)
        for (int amb : fam.ambient) {
            const std::int64_t q = RatingPoint(fam, m.rated, s, amb);
            if (q <= 0 || q > std::numeric_limits<std::int32_t>::max()) {
                diag.Error(m.line, m.key + ": capacity out of range at " + std::to_string(s) +
                                       " F suction, " + std::to_string(amb) + " F ambient");
                continue;
            }
            const std::size_t n = points.size();
            if (n % perBlock != 0 && points[n - 1].capacity <= q)
                diag.Error(m.line, m.key + ": capacity does not fall with rising ambient at " +
                                       std::to_string(s) + " F suction");
            if (n >= perBlock && points[n - perBlock].capacity <= q)
                diag.Error(m.line, m.key + ": capacity does not fall with lower suction at " +
                                       std::to_string(s) + " F, " + std::to_string(amb) + " F");
            points.push_back({static_cast<int>(index + 1), s, amb, static_cast<std::int32_t>(q)});
        }
    for (const RatingRecord& r : points)
        if (r.capacity > m.maxRequired) {
            diag.Error(m.line, m.key + ": max-req is below the model's largest capacity " +
                                   std::to_string(r.capacity));
            break;
        }
    if (points.size() > static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max()))
        diag.Error(m.line, m.key + ": too many rating points");
    return points;
}

std::vector<Product> CondensingProducts(const Catalogue& cat) {
    std::vector<Product> products;
    for (const CondensingModel& m : cat.units) {
        const Family& fam = cat.families[m.family];
        for (const std::string& loc : m.locations)
            for (const std::string& sup : m.supplies) {
                Product p;
                p.key = std::string(1, fam.condenser) + fam.refrigerant + loc + sup;
                p.name = m.key + " (" + cat.refrigerants.at(fam.refrigerant) + ", " +
                         cat.supplies.at(sup) + ")";
                p.model = m.key;
                p.sheet = m.key + ".pdf";
                products.push_back(p);
            }
    }
    return products;
}

std::vector<Product> CoolerProducts(const Catalogue& cat) {
    std::vector<Product> products;
    for (const CoolerModel& c : cat.coolers)
        for (int hz : c.frequencies) {
            Product p;
            p.key = std::string(1, c.type) + c.defrost + (hz == 60 ? "S" : "");
            p.name = c.key + " (" + cat.defrosts.at(c.defrost) + ", " + std::to_string(hz) + " Hz)";
            p.model = c.key;
            p.sheet = c.key + ".pdf";
            products.push_back(p);
        }
    return products;
}

// ---------------------------------------------------------------------------
// Writing

void Put16(std::string& out, int v) {
    const auto u = static_cast<std::uint16_t>(static_cast<std::int16_t>(v));
    out += static_cast<char>(u & 0xFF);
    out += static_cast<char>(u >> 8);
}

void Put32(std::string& out, std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    for (int shift = 0; shift < 32; shift += 8) out += static_cast<char>((u >> shift) & 0xFF);
}

void PutText(std::string& out, const std::string& text, std::size_t width) {
    std::string t = text.substr(0, width);
    t.resize(width, ' ');
    out += t;
}

std::string ProductList(const std::vector<Product>& products) {
    std::string out;
    for (const Product& p : products)
        out += p.key + '\t' + p.name + '\t' + p.model + '\t' + p.sheet + "\r\n";
    return out;
}

bool WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) {
        std::fprintf(stderr, "make_catalog: cannot write %s\n", path.string().c_str());
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_catalog SOURCE OUTDIR\n");
        return 2;
    }
    const std::string source = argv[1];
    const std::filesystem::path outDir = argv[2];

    Catalogue cat;
    Diagnostics diag(source);
    if (!ReadCatalogue(source, cat, diag)) return 1;

    std::string models, ratings, coolers;
    std::size_t pointCount = 0;
    for (std::size_t i = 0; i < cat.units.size(); ++i) {
        const CondensingModel& m = cat.units[i];
        const Family& fam = cat.families[m.family];
        if (fam.suction.empty() || fam.ambient.empty()) continue;  // reported with the family
        const std::vector<RatingRecord> points = ExpandModel(cat, i, diag);
        const std::size_t first = pointCount + 1;
        for (const RatingRecord& r : points) {
            Put16(ratings, r.model);
            Put16(ratings, r.suction);
            Put16(ratings, r.ambient);
            Put32(ratings, r.capacity);
        }
        pointCount += points.size();
        Put16(models, static_cast<int>(i + 1));
        Put32(models, static_cast<std::int32_t>(first));
        Put16(models, static_cast<int>(points.size()));
        Put16(models, static_cast<int>(fam.ambient.size()));
        PutText(models, m.key, kKeyLength);
        Put16(models, fam.ambient.front());
        Put16(models, fam.ambient.back());
        Put16(models, fam.suction.back());
        Put16(models, fam.suction.front());
        Put32(models, m.minRequired);
        Put32(models, m.maxRequired);
    }
    if (cat.units.size() > static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max()) ||
        cat.coolers.size() > static_cast<std::size_t>(std::numeric_limits<std::int16_t>::max()))
        diag.Error(0, "too many models for the program's 16-bit record count");
    for (const CoolerModel& c : cat.coolers) {
        PutText(coolers, c.key, kKeyLength);
        Put32(coolers, c.rated);
        Put32(coolers, c.roomLimit);
    }
    const std::vector<Product> cProducts = CondensingProducts(cat);
    const std::vector<Product> eProducts = CoolerProducts(cat);
    if (diag.Count() > 0) {
        std::fprintf(stderr, "make_catalog: %d error(s), nothing written\n", diag.Count());
        return 1;
    }

    std::error_code ec;
    std::filesystem::create_directories(outDir, ec);
    const bool ok = WriteFile(outDir / "CModels.rec", models) &&
                    WriteFile(outDir / "CRatings.rec", ratings) &&
                    WriteFile(outDir / "CProdList.data", ProductList(cProducts)) &&
                    WriteFile(outDir / "ERatings.rec", coolers) &&
                    WriteFile(outDir / "EProdList.data", ProductList(eProducts));
    if (!ok) return 1;
    std::printf("make_catalog: %zu condensing-unit models, %zu rating points, %zu products; "
                "%zu coolers, %zu products\n",
                cat.units.size(), pointCount, cProducts.size(), cat.coolers.size(),
                eProducts.size());
    return 0;
}
