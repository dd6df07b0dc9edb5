// catalog_check - checks the five generated catalogue files in a folder:
//
//   catalog_check FOLDER
//
// 1. Structure: record lengths; every model's rating points lie in
//    CRatings.rec, form whole blocks of one suction temperature in descending
//    order with the same ambients in ascending order, are positive and fall
//    with lower suction and higher ambient; the model's accepted ranges lie
//    inside its table; keys are unique and at most 16 characters; every
//    product line has four fields, CR LF, a key of the supplier's key scheme,
//    a link to an existing model and a ".pdf" sheet.
// 2. Coverage: every key of the scheme exists, and at typical design points
//    (room temperatures at a 10 F temperature difference, ambients across the
//    rated range) each key offers several models and, for loads up to half
//    of the largest unit's capacity, at least two suitable sizes.
// Reports every failure and exits with 1 when there is one.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

int failures = 0;

void Fail(const std::string& message) {
    if (++failures <= 50) std::fprintf(stderr, "FAIL: %s\n", message.c_str());
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) Fail("cannot open " + path);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

int I16(const std::string& s, std::size_t at) {
    return static_cast<std::int16_t>(static_cast<std::uint8_t>(s[at]) |
                                     (static_cast<std::uint8_t>(s[at + 1]) << 8));
}

std::int32_t I32(const std::string& s, std::size_t at) {
    std::uint32_t u = 0;
    for (int i = 3; i >= 0; --i) u = (u << 8) | static_cast<std::uint8_t>(s[at + i]);
    return static_cast<std::int32_t>(u);
}

std::string Trimmed(const std::string& s) {
    const std::size_t end = s.find_last_not_of(' ');
    return end == std::string::npos ? std::string() : s.substr(0, end + 1);
}

struct Point { int sst, amb; std::int32_t cap; };
struct Model {
    std::string key;
    int perBlock = 0, ambMin = 0, ambMax = 0, sstMin = 0, sstMax = 0;
    std::int32_t minReq = 0, maxReq = 0;
    std::vector<Point> points;
};
struct Cooler { std::string key; std::int32_t rated = 0, limit = 0; };
struct Product { std::string key, name, model, sheet; int link = -1; };

std::vector<Model> ReadModels(const std::string& dir) {
    const std::string m = ReadAll(dir + "/CModels.rec"), r = ReadAll(dir + "/CRatings.rec");
    if (m.size() % 42 != 0 || r.size() % 10 != 0) Fail("CModels.rec/CRatings.rec length");
    const std::size_t nRatings = r.size() / 10;
    std::vector<Model> models;
    std::set<std::string> keys;
    for (std::size_t at = 0; at + 42 <= m.size(); at += 42) {
        Model md;
        const std::int32_t first = I32(m, at + 2);
        const int count = I16(m, at + 6);
        md.perBlock = I16(m, at + 8);
        md.key = Trimmed(m.substr(at + 10, 16));
        md.ambMin = I16(m, at + 26), md.ambMax = I16(m, at + 28);
        md.sstMin = I16(m, at + 30), md.sstMax = I16(m, at + 32);
        md.minReq = I32(m, at + 34), md.maxReq = I32(m, at + 38);
        if (md.key.empty() || !keys.insert(md.key).second) Fail("empty or repeated key " + md.key);
        if (first < 1 || count < 1 || static_cast<std::size_t>(first - 1 + count) > nRatings ||
            md.perBlock < 1 || count % md.perBlock != 0) {
            Fail(md.key + ": rating points outside CRatings.rec or not whole blocks");
            models.push_back(md);
            continue;
        }
        for (int i = 0; i < count; ++i) {
            const std::size_t p = (first - 1 + i) * 10;
            md.points.push_back({I16(r, p + 2), I16(r, p + 4), I32(r, p + 6)});
        }
        for (int i = 0; i < count; ++i) {
            const Point& pt = md.points[i];
            if (pt.cap <= 0) Fail(md.key + ": capacity not positive");
            if (i % md.perBlock != 0) {
                const Point& prev = md.points[i - 1];
                if (pt.sst != prev.sst) Fail(md.key + ": suction changes inside a block");
                if (pt.amb <= prev.amb) Fail(md.key + ": ambients not ascending");
                if (pt.cap >= prev.cap) Fail(md.key + ": capacity does not fall with ambient");
            }
            if (i >= md.perBlock) {
                const Point& above = md.points[i - md.perBlock];
                if (pt.sst >= above.sst) Fail(md.key + ": blocks not in descending suction");
                if (pt.amb != above.amb) Fail(md.key + ": blocks rate different ambients");
                if (pt.cap >= above.cap) Fail(md.key + ": capacity does not fall with suction");
            }
        }
        if (md.ambMin < md.points.front().amb || md.ambMax > md.points[md.perBlock - 1].amb ||
            md.sstMax > md.points.front().sst || md.sstMin < md.points.back().sst ||
            md.ambMin > md.ambMax || md.sstMin > md.sstMax)
            Fail(md.key + ": accepted ranges not inside the rating table");
        if (md.minReq < 0 || md.minReq >= md.maxReq) Fail(md.key + ": capacity range");
        models.push_back(md);
    }
    return models;
}

std::vector<Cooler> ReadCoolers(const std::string& dir) {
    const std::string e = ReadAll(dir + "/ERatings.rec");
    if (e.size() % 24 != 0) Fail("ERatings.rec length");
    std::vector<Cooler> coolers;
    std::set<std::string> keys;
    for (std::size_t at = 0; at + 24 <= e.size(); at += 24) {
        Cooler c{Trimmed(e.substr(at, 16)), I32(e, at + 16), I32(e, at + 20)};
        if (c.key.empty() || !keys.insert(c.key).second) Fail("empty or repeated cooler " + c.key);
        if (c.rated <= 0) Fail(c.key + ": rated capacity not positive");
        coolers.push_back(c);
    }
    return coolers;
}

template <class M>
std::vector<Product> ReadProducts(const std::string& path, const std::vector<M>& models,
                                  const std::set<std::string>& validKeys) {
    const std::string text = ReadAll(path);
    if (!text.empty() && text.substr(text.size() - 2) != "\r\n") Fail(path + ": last line end");
    std::vector<Product> products;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (line.empty() || line.back() != '\r') Fail(path + ": line without CR LF");
        else line.pop_back();
        std::vector<std::string> f(1);
        for (char c : line) {
            if (c == '\t') f.emplace_back();
            else f.back() += c;
        }
        if (f.size() != 4 || f[0].empty() || f[1].empty() || f[2].empty()) {
            Fail(path + ": not four fields: " + line);
            continue;
        }
        Product p{f[0], f[1], f[2], f[3]};
        if (!validKeys.count(p.key)) Fail(path + ": key outside the key scheme: " + p.key);
        if (p.model.size() > 16) Fail(path + ": model key longer than 16: " + p.model);
        if (p.sheet.size() < 5 || p.sheet.substr(p.sheet.size() - 4) != ".pdf")
            Fail(path + ": sheet is not a .pdf: " + p.sheet);
        for (std::size_t i = 0; i < models.size() && p.link < 0; ++i)
            if (models[i].key == p.model) p.link = static_cast<int>(i);
        if (p.link < 0) Fail(path + ": no model " + p.model);
        products.push_back(p);
    }
    return products;
}

// Capacity by linear interpolation in the rating table (inside the ranges).
double Capacity(const Model& m, double sst, double amb) {
    const int blocks = static_cast<int>(m.points.size()) / m.perBlock;
    auto atBlock = [&](int b) {
        const Point* row = &m.points[b * m.perBlock];
        int j = 1;
        while (j < m.perBlock - 1 && row[j].amb < amb) ++j;
        const Point &lo = row[j - 1], &hi = row[j];
        return lo.cap + (amb - lo.amb) * (hi.cap - lo.cap) / double(hi.amb - lo.amb);
    };
    int b = 1;
    while (b < blocks - 1 && m.points[b * m.perBlock].sst > sst) ++b;
    if (blocks == 1) return atBlock(0);
    const double s0 = m.points[(b - 1) * m.perBlock].sst, s1 = m.points[b * m.perBlock].sst;
    return atBlock(b - 1) + (sst - s0) * (atBlock(b) - atBlock(b - 1)) / (s1 - s0);
}

double CoolerCapacity(double sst, double td, double rated) {
    const double k = 0.94857 + 0.0036667 * sst - 0.000052381 * sst * sst;
    return k * rated * td / 10.0;
}

const double kLoads[] = {3000, 6000, 12000, 25000, 50000, 100000};

// What the catalogue offers for each refrigerant: condensers, locations, supplies and the
// room temperatures it must serve.
struct Offering {
    std::string refrigerant;
    std::vector<std::string> condensers, locations, supplies;
    int coldestRoom, warmestRoom;
};

const std::vector<Offering>& Offerings() {
    static const std::vector<Offering> offerings = [] {
        const std::vector<std::string> all = {"1", "3", "1S", "3S"};
        std::vector<Offering> o;
        for (const char* r : {"4", "8", "9", "C", "5"})
            o.push_back({r, {"A", "W"}, {"O", "I"}, all, -30, 60});
        o.push_back({"1", {"A", "W"}, {"O", "I"}, all, 25, 60});  // R134a: no low temperature
        o.push_back({"2", {"A"}, {"O"}, all, -30, 60});           // R290: outdoor, up to 3 hp
        o.push_back({"7", {"A"}, {"O"}, {"3", "3S"}, -30, 40});   // R744: no high temperature
        return o;
    }();
    return offerings;
}

// Every condensing-unit key the catalogue offers, with the offering it belongs to.
std::map<std::string, const Offering*> CondensingKeys() {
    std::map<std::string, const Offering*> keys;
    for (const Offering& o : Offerings())
        for (const std::string& c : o.condensers)
            for (const std::string& l : o.locations)
                for (const std::string& s : o.supplies)
                    if (!(c == "W" && l == "O")) keys[c + o.refrigerant + l + s] = &o;
    return keys;
}

void CheckCondensingCoverage(const std::vector<Model>& models, const std::vector<Product>& list) {
    for (const auto& [key, offering] : CondensingKeys()) {
        const double hz = key.back() == 'S' ? 1.0 : 0.83;
        const std::vector<int> ambients = key[0] == 'A'
            ? std::vector<int>{50, 70, 90, 95, 105, 120}
            : std::vector<int>{80, 95, 105, 120};
        for (int room = offering->coldestRoom; room <= offering->warmestRoom; room += 5)
            for (int amb : ambients) {
                const int sst = room - 10;
                std::vector<const Model*> offered;
                for (const Product& p : list)
                    if (p.key == key && p.link >= 0) {
                        const Model& m = models[p.link];
                        if (amb >= m.ambMin && amb <= m.ambMax && sst >= m.sstMin &&
                            sst <= m.sstMax)
                            offered.push_back(&m);
                    }
                const std::string where = key + " room " + std::to_string(room) +
                                          " F, ambient " + std::to_string(amb) + " F";
                if (offered.size() < 3) {
                    Fail(where + ": fewer than 3 models");
                    continue;
                }
                double largest = 0;
                for (const Model* m : offered)
                    largest = std::max(largest, hz * Capacity(*m, sst, amb));
                for (double x : kLoads) {
                    if (x > largest / 2) break;
                    int suitable = 0;
                    for (const Model* m : offered)
                        if (x >= m->minReq && x <= m->maxReq &&
                            hz * Capacity(*m, sst, amb) > x)
                            ++suitable;
                    if (suitable < 2)
                        Fail(where + ": load " + std::to_string(int(x)) +
                             " has fewer than 2 sizes");
                }
            }
    }
}

void CheckCoolerCoverage(const std::vector<Cooler>& coolers, const std::vector<Product>& list) {
    for (const char* type : {"L", "M", "U"})
        for (const char* defrost : {"A", "E", "G"})
            for (const char* hzCode : {"", "S"}) {
                const std::string key = std::string(type) + defrost + hzCode;
                const double hz = key.back() == 'S' ? 1.0 : 0.92;
                for (int room = std::string(defrost) == "A" ? 35 : -30; room <= 60; room += 5) {
                    std::vector<double> caps;
                    for (const Product& p : list)
                        if (p.key == key && p.link >= 0 && room > coolers[p.link].limit)
                            caps.push_back(hz * CoolerCapacity(room - 10, 10, coolers[p.link].rated));
                    const std::string where = key + " room " + std::to_string(room) + " F";
                    if (caps.size() < 3) {
                        Fail(where + ": fewer than 3 coolers");
                        continue;
                    }
                    const double largest = *std::max_element(caps.begin(), caps.end());
                    for (double q : kLoads) {
                        if (q > largest / 2) break;
                        if (std::count_if(caps.begin(), caps.end(), [&](double c) { return c >= q; }) < 2)
                            Fail(where + ": load " + std::to_string(int(q)) + " has fewer than 2 sizes");
                    }
                }
            }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: catalog_check FOLDER\n");
        return 2;
    }
    const std::string dir = argv[1];
    std::set<std::string> cKeys, eKeys;
    for (const auto& [key, offering] : CondensingKeys()) cKeys.insert(key);
    for (const char* t : {"L", "M", "U"})
        for (const char* d : {"A", "E", "G", "AS", "ES", "GS"}) eKeys.insert(std::string(t) + d);

    const std::vector<Model> models = ReadModels(dir);
    const std::vector<Cooler> coolers = ReadCoolers(dir);
    const std::vector<Product> cList = ReadProducts(dir + "/CProdList.data", models, cKeys);
    const std::vector<Product> eList = ReadProducts(dir + "/EProdList.data", coolers, eKeys);
    if (failures == 0) {
        CheckCondensingCoverage(models, cList);
        CheckCoolerCoverage(coolers, eList);
    }

    std::map<std::string, int> perKey;
    for (const Product& p : cList) ++perKey[p.key];
    for (const Product& p : eList) ++perKey[p.key];
    std::printf("%zu condensing-unit models, %zu products; %zu coolers, %zu products; %zu keys\n",
                models.size(), cList.size(), coolers.size(), eList.size(), perKey.size());
    if (failures > 0) {
        std::fprintf(stderr, "%d failure(s)\n", failures);
        return 1;
    }
    return 0;
}
