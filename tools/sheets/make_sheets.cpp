// SPDX-License-Identifier: MIT
// Writes the supplier's documents that the equipment page links to, from the five catalogue
// files in proddata/: one technical data sheet per sheet file named in the product lists, and
// the product catalogue.
//
//   make_sheets <proddata folder> <resource file> <sheet folder> <catalogue.pdf>
//
// The resource file (opdata/default.lng) gives the 50 Hz factors that the sheets quote, so the
// documents say what the selection computes. Pages are A4, set in DejaVu Sans.
#include "select/capacity.h"
#include "select/catalogue.h"
#include "shell/ansi.h"
#include "shell/text_file.h"

#include <QColor>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace tw {
namespace {

// ---------------------------------------------------------------------------------------------
// Texts

const char* const kSupplier = "Tarnwell Refrigeration";
const char* const kWebsite = "www.tarnwell-refrigeration.example";
const char* const kNominal = "Data are nominal and may change without notice.";
const char* const kDegF = "\u00B0F";
const char* const kMinus = "\u2212";
const char* const kTo = " \u2026 "; // a range: "50 … 120"
const char* const kDot = "  \u00B7  ";

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// 12345 -> "12,345"
std::string Thousands(long long value) {
    std::string digits = std::to_string(value < 0 ? -value : value);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return value < 0 ? kMinus + out : out;
}

// A temperature; `sign` writes "+" before positive values (suction temperatures).
std::string Temp(long value, bool sign = false) {
    if (value < 0) return kMinus + std::to_string(-value);
    return (sign && value > 0 ? "+" : "") + std::to_string(value);
}

std::string TempRange(long low, long high, bool sign) {
    return Temp(low, sign) + kTo + Temp(high, sign) + " " + kDegF;
}

std::string Capitalised(std::string text) {
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z')
        text[0] = static_cast<char>(text[0] - 32);
    return text;
}

// A product name "MODEL (first, second)" gives its two details.
std::pair<std::string, std::string> NameDetails(const std::string& name) {
    const auto open = name.rfind('(');
    const auto close = name.rfind(')');
    if (open == std::string::npos || close == std::string::npos || close < open) return {};
    const std::string inner = name.substr(open + 1, close - open - 1);
    const auto comma = inner.find(", ");
    if (comma == std::string::npos) return {Trim(inner), ""};
    return {Trim(inner.substr(0, comma)), Trim(inner.substr(comma + 2))};
}

// ---------------------------------------------------------------------------------------------
// The catalogue as the documents present it

struct Product {
    std::string key, name, first, second; // `first`, `second`: the details of the name
};

struct Unit {
    const CModel* model = nullptr;
    std::string key;
    std::vector<int> suctions; // block order: highest first
    std::vector<int> ambients; // ascending
    std::map<std::pair<int, int>, std::int32_t> capacity;
    std::vector<Product> products;
    std::string family, refrigerant;
    bool water = false;
    char range = 'M';                 // H, M or L, from the suction range
    int ratingSst = 0, ratingAmb = 0; // the rating point the catalogue quotes
    std::vector<std::string> supplies, locations;
};

struct Cooler {
    const ERating* rating = nullptr;
    std::string key;
    std::vector<Product> products;
    char type = '?';
    std::string defrost; // "air defrost", ...
    std::vector<std::string> frequencies;
};

struct Catalogue {
    std::vector<CRating> cRatings;
    std::vector<CModel> cModels;
    std::vector<ERating> eRatings;
    std::vector<Unit> units;
    std::vector<Cooler> coolers;
    std::map<std::string, const Unit*> unitSheets;
    std::map<std::string, const Cooler*> coolerSheets;
    float condenser50 = 0, cooler50 = 0;
    std::size_t unitLines = 0, coolerLines = 0;
};

[[noreturn]] void Fail(const std::string& message) {
    throw std::runtime_error(message);
}

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

template <class T> const Product& FirstProduct(const std::vector<T>& models) {
    for (const T& m : models)
        if (!m.products.empty()) return m.products.front();
    Fail("no product lines");
}

void AddOnce(std::vector<std::string>& list, const std::string& item) {
    if (!item.empty() && std::find(list.begin(), list.end(), item) == list.end())
        list.push_back(item);
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

// A capacity as the catalogue quotes it: to 10 Btu/h.
long long Nominal(double capacity) {
    return std::llround(capacity / 10.0) * 10;
}

std::string FactorText(float factor) {
    char text[16];
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(factor));
    return text;
}

// ---------------------------------------------------------------------------------------------
// Drawing on A4 in millimetres

const QColor kNavy(0x17, 0x3F, 0x73);
const QColor kBlue(0x3A, 0x86, 0xC8);
const QColor kPale(0xEC, 0xF2, 0xF9);
const QColor kHighlight(0xD6, 0xE6, 0xF5);
const QColor kInk(0x22, 0x26, 0x2B);
const QColor kGrey(0x5F, 0x66, 0x70);
const QColor kRule(0xB9, 0xC4, 0xD2);

constexpr double kPi = 3.14159265358979323846;
constexpr double kPageW = 210, kPageH = 297, kMargin = 18, kContentW = kPageW - 2 * kMargin;

QFont Font(double points, bool bold = false) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setKerning(true);
    return font;
}

class Canvas {
public:
    Canvas(QPdfWriter& writer, const std::string& name)
        : writer_(writer), painter_(&writer), unit_(writer.resolution() / 25.4), name_(name) {
        if (!painter_.isActive()) Fail("cannot write " + name);
        painter_.setRenderHint(QPainter::Antialiasing);
        painter_.setRenderHint(QPainter::TextAntialiasing);
    }
    void NewPage() { writer_.newPage(); }
    bool Finish() { return painter_.end(); }

    void Fill(double x, double y, double w, double h, const QColor& colour) {
        painter_.fillRect(R(x, y, w, h), colour);
    }
    void Line(double x1, double y1, double x2, double y2, const QColor& colour, double width) {
        painter_.setPen(QPen(colour, width * unit_, Qt::SolidLine, Qt::FlatCap));
        painter_.drawLine(QPointF(x1 * unit_, y1 * unit_), QPointF(x2 * unit_, y2 * unit_));
    }

    // Text in a box. A text too large for it is set smaller, down to 80 %; beyond that the
    // layout is wrong and nothing is written rather than a cut text.
    void Text(double x, double y, double w, double h, const QString& text, QFont font, int flags,
              const QColor& colour) {
        const QRectF box = R(x, y, w, h);
        const double size = font.pointSizeF();
        for (double scale = 1.0;; scale -= 0.05) {
            if (scale < 0.79) Fail(name_ + ": text does not fit its box: " + text.toStdString());
            font.setPointSizeF(size * scale);
            const QRectF need =
                QFontMetricsF(font, &writer_)
                    .boundingRect(QRectF(box.topLeft(), QSizeF(box.width(), 1e6)), flags, text);
            if (need.width() <= box.width() + 0.5 && need.height() <= box.height() + 0.5) break;
        }
        painter_.setFont(font);
        painter_.setPen(colour);
        painter_.drawText(box, flags, text);
    }
    void Text(double x, double y, double w, double h, const std::string& text, const QFont& font,
              int flags, const QColor& colour) {
        Text(x, y, w, h, Q(text), font, flags, colour);
    }

    // The supplier's emblem: a snowflake in a disc.
    void Emblem(double cx, double cy, double r, const QColor& disc, const QColor& flake) {
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(disc);
        painter_.drawEllipse(QPointF(cx * unit_, cy * unit_), r * unit_, r * unit_);
        painter_.setBrush(Qt::NoBrush);
        painter_.setPen(QPen(flake, r * 0.12 * unit_, Qt::SolidLine, Qt::RoundCap));
        const double arm = r * 0.68;
        for (int k = 0; k < 6; ++k) {
            const double a = kPi / 2 + k * kPi / 3;
            const QPointF c(cx * unit_, cy * unit_);
            const QPointF dir(std::cos(a) * unit_, -std::sin(a) * unit_);
            painter_.drawLine(c, c + dir * arm);
            const QPointF mid = c + dir * (arm * 0.58);
            for (double side : {-1.0, 1.0}) {
                const double b = a + side * kPi / 4;
                painter_.drawLine(mid, mid + QPointF(std::cos(b) * unit_, -std::sin(b) * unit_) *
                                                 (arm * 0.38));
            }
        }
    }

private:
    QRectF R(double x, double y, double w, double h) const {
        return QRectF(x * unit_, y * unit_, w * unit_, h * unit_);
    }

    QPdfWriter& writer_;
    QPainter painter_;
    double unit_;
    std::string name_;
};

void SetUpWriter(QPdfWriter& writer, const QString& title) {
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Portrait);
    writer.setPageMargins(QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    writer.setResolution(600);
    writer.setTitle(title);
    writer.setCreator(QString::fromUtf8(kSupplier));
}

// A PDF is written beside its final name and renamed when complete.
template <class Draw> void WritePdf(const fs::path& path, const QString& title, Draw draw) {
    fs::path part = path;
    part += ".part";
    {
        QPdfWriter writer(QString::fromStdString(part.string()));
        SetUpWriter(writer, title);
        Canvas canvas(writer, path.filename().string());
        draw(canvas);
        if (!canvas.Finish()) Fail("cannot write " + part.string());
    }
    std::error_code ec;
    fs::rename(part, path, ec);
    if (ec) Fail("cannot write " + path.string() + ": " + ec.message());
}

// The band across the top of a data sheet or a catalogue page.
void Band(Canvas& c, double height, const std::string& right1, const std::string& right2) {
    c.Fill(0, 0, kPageW, height, kNavy);
    c.Fill(0, height, kPageW, 1.0, kBlue);
    const double r = height * 0.30;
    c.Emblem(kMargin + r, height / 2, r, Qt::white, kNavy);
    const double x = kMargin + 2 * r + 4;
    c.Text(x, height / 2 - 7.5, 80, 8, std::string("TARNWELL"), Font(height > 20 ? 17 : 11, true),
           Qt::AlignLeft | Qt::AlignBottom, Qt::white);
    QFont small = Font(height > 20 ? 7 : 5.5);
    small.setLetterSpacing(QFont::PercentageSpacing, 125);
    c.Text(x, height / 2 + 0.6, 80, 4, std::string("REFRIGERATION"), small,
           Qt::AlignLeft | Qt::AlignTop, QColor(0xBF, 0xD7, 0xEE));
    c.Text(kPageW - kMargin - 100, height / 2 - 6.5, 100, 6, right1,
           Font(height > 20 ? 10.5 : 8, true), Qt::AlignRight | Qt::AlignBottom, Qt::white);
    c.Text(kPageW - kMargin - 100, height / 2 + 0.5, 100, 6, right2, Font(height > 20 ? 9 : 7.5),
           Qt::AlignRight | Qt::AlignTop, QColor(0xBF, 0xD7, 0xEE));
}

void Footer(Canvas& c, const std::string& right) {
    const double y = kPageH - 14;
    c.Line(kMargin, y, kPageW - kMargin, y, kRule, 0.3);
    c.Text(kMargin, y + 1.5, 110, 5, std::string(kNominal), Font(7.5), Qt::AlignLeft | Qt::AlignTop,
           kGrey);
    c.Text(kPageW - kMargin - 70, y + 1.5, 70, 5, right, Font(7.5), Qt::AlignRight | Qt::AlignTop,
           kGrey);
    c.Text(kMargin, y + 5.5, 110, 5, std::string(kSupplier) + kDot + kWebsite, Font(7.5),
           Qt::AlignLeft | Qt::AlignTop, kGrey);
}

// Content must end above the footer.
void CheckFits(double y, const std::string& what) {
    if (y > kPageH - 16) Fail("the content of " + what + " runs into the footer");
}

// A heading with a rule under it; returns the y below it.
double Heading(Canvas& c, double y, const std::string& text) {
    c.Text(kMargin, y, kContentW, 6, text, Font(10, true), Qt::AlignLeft | Qt::AlignBottom, kNavy);
    c.Line(kMargin, y + 7, kPageW - kMargin, y + 7, kBlue, 0.4);
    return y + 10;
}

struct Column {
    std::string title;
    double width;
    int align; // Qt::AlignLeft, AlignRight or AlignHCenter
};

struct TableStyle {
    double header = 7;
    double row = 5.2;
    double points = 8.5;
    double headerPoints = 8;
};

// A table with a navy header row and banded rows; `bold(row, column)` marks cells.
double Table(Canvas& c, double y, const std::vector<Column>& columns,
             const std::vector<std::vector<std::string>>& rows, const TableStyle& style,
             const std::function<bool(std::size_t, std::size_t)>& bold = nullptr) {
    const double pad = 1.6;
    double x = kMargin;
    c.Fill(kMargin, y, kContentW, style.header, kNavy);
    for (const Column& col : columns) {
        c.Text(x + pad, y + 0.5, col.width - 2 * pad, style.header - 1, col.title,
               Font(style.headerPoints, true), col.align | Qt::AlignVCenter | Qt::TextWordWrap,
               Qt::white);
        x += col.width;
    }
    y += style.header;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (r % 2 == 1) c.Fill(kMargin, y, kContentW, style.row, kPale);
        x = kMargin;
        for (std::size_t k = 0; k < columns.size() && k < rows[r].size(); ++k) {
            const bool strong = bold && bold(r, k);
            if (strong) c.Fill(x, y, columns[k].width, style.row, kHighlight);
            c.Text(x + pad, y, columns[k].width - 2 * pad, style.row, rows[r][k],
                   Font(style.points, strong || k == 0), columns[k].align | Qt::AlignVCenter, kInk);
            x += columns[k].width;
        }
        y += style.row;
    }
    c.Line(kMargin, y, kPageW - kMargin, y, kNavy, 0.35);
    return y;
}

// Label/value lines; returns the y below them.
double Facts(Canvas& c, double y, const std::vector<std::pair<std::string, std::string>>& facts) {
    const double labelW = 62, row = 5.6;
    for (const auto& [label, value] : facts) {
        c.Text(kMargin, y, labelW, row, label, Font(8.5), Qt::AlignLeft | Qt::AlignVCenter, kGrey);
        c.Text(kMargin + labelW, y, kContentW - labelW, row, value, Font(8.5, true),
               Qt::AlignLeft | Qt::AlignVCenter, kInk);
        c.Line(kMargin, y + row, kPageW - kMargin, y + row, QColor(0xE1, 0xE6, 0xEC), 0.2);
        y += row;
    }
    return y;
}

double Notes(Canvas& c, double y, const std::vector<std::string>& notes) {
    for (const std::string& note : notes) {
        c.Text(kMargin, y, 4, 4.4, std::string("\u2013"), Font(7.5), Qt::AlignLeft | Qt::AlignTop,
               kGrey);
        c.Text(kMargin + 4, y, kContentW - 4, 4.4, note, Font(7.5), Qt::AlignLeft | Qt::AlignTop,
               kGrey);
        y += 4.4;
    }
    return y;
}

// ---------------------------------------------------------------------------------------------
// Data sheets

std::string UnitKind(const Unit& u) {
    return std::string(u.water ? "Water-cooled" : "Air-cooled") + " condensing unit";
}

std::string AmbientLabel(const Unit& u) {
    return u.water ? "Saturated condensing temperature" : "Ambient temperature";
}

std::string Joined(const std::vector<std::string>& items, const std::string& separator = ", ") {
    std::string out;
    for (const auto& item : items)
        out += (out.empty() ? "" : separator) + item;
    return out;
}

std::string OfferedRange(const CModel& m) {
    if (m.minCapacity <= 0) return "up to " + Thousands(m.maxCapacity) + " Btu/h";
    return Thousands(m.minCapacity) + kTo + Thousands(m.maxCapacity) + " Btu/h";
}

std::string RatingPoint(const Unit& u) {
    return Temp(u.ratingSst, true) + " " + kDegF + " suction, " + Temp(u.ratingAmb) + " " + kDegF +
           (u.water ? " condensing" : " ambient");
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

// ---------------------------------------------------------------------------------------------
// The product catalogue

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
    std::vector<std::vector<std::string>> rows;
    std::vector<std::pair<std::string, char>> lines;
    for (const auto& f : families)
        if (std::find(lines.begin(), lines.end(), std::make_pair(f.refrigerant, f.range)) ==
            lines.end())
            lines.emplace_back(f.refrigerant, f.range);
    for (const auto& [refrigerant, range] : lines) {
        std::string air = "\u2013", water = "\u2013";
        for (const auto& f : families)
            if (f.refrigerant == refrigerant && f.range == range)
                (f.water ? water : air) = page(f.Section());
        rows.push_back({refrigerant + ", " + RangeName(range), air, water});
    }
    y = Table(c, y,
              {{"Condensing units (page)", 94, Qt::AlignLeft},
               {"Air-cooled", 40, Qt::AlignRight},
               {"Water-cooled", 40, Qt::AlignRight}},
              rows, TableStyle{});

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
    y = Facts(c, y,
              {{"Condensing unit, e.g. " + unitExample, "condenser, refrigerant, location, supply"},
               {"Condenser" + std::string(kDot) + "location",
                "A = air-cooled; W = water-cooled" + std::string(kDot) + "O = outdoor; I = indoor"},
               {"Refrigerant", Joined(refrigerants, "; ")},
               {"Supply", Joined(supplies, "; ")},
               {"Unit cooler, e.g. " + coolerExample, "type, defrost, S for 60 Hz"},
               {"Type", Joined(typeCodes, "; ")},
               {"Defrost", Joined(defrostCodes, "; ")}});
    CheckFits(y, "the title page");
}

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

void WriteSheets(const Catalogue& cat, const fs::path& folder) {
    for (const auto& [sheet, unit] : cat.unitSheets)
        WritePdf(folder / sheet, Q(unit->key + " data sheet"),
                 [&](Canvas& c) { UnitSheet(c, cat, *unit, sheet); });
    for (const auto& [sheet, cooler] : cat.coolerSheets)
        WritePdf(folder / sheet, Q(cooler->key + " data sheet"),
                 [&](Canvas& c) { CoolerSheet(c, cat, *cooler, sheet); });
}

// The pages are set in DejaVu Sans; the font files are taken from the system's font folder
// when fontconfig does not already know them.
void LoadFonts() {
    const fs::path folder = "/usr/share/fonts/truetype/dejavu";
    for (const char* file : {"DejaVuSans.ttf", "DejaVuSans-Bold.ttf"})
        if (fs::exists(folder / file))
            QFontDatabase::addApplicationFont(QString::fromStdString((folder / file).string()));
    if (QFontInfo(Font(10)).family() != QStringLiteral("DejaVu Sans"))
        Fail("the font DejaVu Sans is not installed (Debian package fonts-dejavu-core)");
}

} // namespace
} // namespace tw

int main(int argc, char** argv) {
    if (argc != 5) {
        std::fprintf(stderr, "usage: make_sheets <proddata folder> <resource file> <sheet folder> "
                             "<catalogue.pdf>\n");
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    const auto start = std::chrono::steady_clock::now();
    try {
        tw::LoadFonts();
        const tw::Catalogue cat = tw::ReadCatalogue(argv[1], argv[2]);
        const fs::path sheets = argv[3];
        const fs::path catalogue = argv[4];
        fs::create_directories(sheets);
        if (catalogue.has_parent_path()) fs::create_directories(catalogue.parent_path());
        tw::WriteSheets(cat, sheets);
        tw::WriteCatalogue(cat, catalogue);
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::steady_clock::now() - start)
                            .count();
        std::printf("make_sheets: %zu data sheets in %s, catalogue %s (%lld ms)\n",
                    cat.unitSheets.size() + cat.coolerSheets.size(), sheets.string().c_str(),
                    catalogue.string().c_str(), static_cast<long long>(ms));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_sheets: %s\n", e.what());
        return 1;
    }
    return 0;
}
