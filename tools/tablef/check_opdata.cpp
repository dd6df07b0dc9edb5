// check_opdata - checks the installed data tables in an opdata folder.
//
//   check_opdata DIR
//
// The program reads each table the way it is loaded at start-up (TAB-separated
// fields, a header line whose first field begins with "#" sets the column count,
// lines with another field count are dropped) and checks what the look-ups and
// the load calculation rely on: every data line survives the reader, keys ascend,
// the door and motor tables cover the input limits, the product groups are
// contiguous, and the German tables carry the same numbers as the English ones.
// Prints one line per failed check; exits 1 when any check fails.

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

using Row = std::vector<std::string>;

struct Table {
    std::string name;
    size_t columns = 0;
    std::vector<Row> rows;
};

int g_failures = 0;
int g_checks = 0;

void Expect(bool ok, const std::string& table, const std::string& what) {
    ++g_checks;
    if (!ok) {
        ++g_failures;
        std::printf("FAIL %s: %s\n", table.c_str(), what.c_str());
    }
}

std::vector<std::string> Split(const std::string& line) {
    std::vector<std::string> fields(1);
    for (char c : line) {
        if (c == '\t')
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

// Reads a table and checks the bytes of the file on the way.
Table Load(const std::string& dir, const std::string& name) {
    Table t;
    t.name = name;
    std::ifstream in(dir + "/" + name, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Expect(!bytes.empty(), name, "file missing or empty");
    if (bytes.empty()) return t;
    Expect(bytes.size() >= 2 && bytes.compare(bytes.size() - 2, 2, "\r\n") == 0, name,
           "last line must end in CR LF");
    int headers = 0;
    size_t start = 0;
    int line_no = 0;
    while (start < bytes.size()) {
        size_t end = bytes.find('\n', start);
        if (end == std::string::npos) end = bytes.size();
        std::string line = bytes.substr(start, end - start);
        start = end + 1;
        ++line_no;
        const std::string where = "line " + std::to_string(line_no);
        Expect(!line.empty() && line.back() == '\r', name, where + " does not end in CR LF");
        if (!line.empty() && line.back() == '\r') line.pop_back();
        bool text = true;
        for (unsigned char c : line) {
            // Bytes that Windows-1252 leaves undefined, and control characters other than TAB.
            if (c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D || (c < 0x20 && c != '\t') || c == 0x7F)
                text = false;
        }
        Expect(text, name, where + " holds a byte that is not Windows-1252 text");
        const Row fields = Split(line);
        if (!fields[0].empty() && fields[0][0] == '#') {
            ++headers;
            t.columns = fields.size();
            t.rows.clear();
            continue;
        }
        if (line.find('\t') == std::string::npos) {
            // A comment: never taken as data, as long as the table has more than one column.
            Expect(t.columns != 1, name, where + ": a one-column table cannot hold comments");
            continue;
        }
        Expect(headers > 0, name, where + ": data before the header line");
        Expect(fields.size() == t.columns, name,
               where + " has " + std::to_string(fields.size()) + " fields, the header " +
                   std::to_string(t.columns));
        if (headers > 0 && fields.size() == t.columns) t.rows.push_back(fields);
    }
    Expect(headers == 1, name, "needs exactly one header line, has " + std::to_string(headers));
    return t;
}

bool IsNumber(const std::string& s) {
    if (s.empty()) return false;
    char* end = nullptr;
    std::strtod(s.c_str(), &end);
    return *end == '\0' && s.find(',') == std::string::npos;
}

double Num(const std::string& s) { return std::strtod(s.c_str(), nullptr); }

// Columns 1..N of a numeric table are numbers; column 1 strictly ascends.
void CheckNumeric(const Table& t, size_t columns) {
    Expect(t.columns == columns, t.name, "expected " + std::to_string(columns) + " columns");
    Expect(!t.rows.empty(), t.name, "no data rows");
    for (size_t r = 0; r < t.rows.size(); ++r) {
        for (const std::string& cell : t.rows[r])
            Expect(IsNumber(cell), t.name, "row " + std::to_string(r + 1) + ": '" + cell + "' is not a number");
        if (r > 0)
            Expect(Num(t.rows[r][0]) > Num(t.rows[r - 1][0]), t.name,
                   "key of row " + std::to_string(r + 1) + " does not ascend");
    }
}

double Cell(const Table& t, size_t row, size_t col) {
    return row < t.rows.size() && col < t.rows[row].size() ? Num(t.rows[row][col]) : NAN;
}

void CheckProducts(const Table& en, const Table& de) {
    for (const Table* t : {&en, &de}) {
        Expect(t->columns == 7, t->name, "expected 7 columns");
        Expect(t->rows.size() >= 60, t->name, "fewer than 60 products");
        std::set<std::string> closed;
        for (size_t r = 0; r < t->rows.size(); ++r) {
            const Row& row = t->rows[r];
            const std::string at = "row " + std::to_string(r + 1);
            if (r > 0 && row[0] != t->rows[r - 1][0]) closed.insert(t->rows[r - 1][0]);
            Expect(!closed.count(row[0]), t->name, at + ": group '" + row[0] + "' is split");
            Expect(!row[1].empty(), t->name, at + ": product without a name");
            Expect(IsNumber(row[2]) && Num(row[2]) >= 0 && Num(row[2]) <= 100, t->name, at + ": water content");
            Expect(row[3].empty() || IsNumber(row[3]), t->name, at + ": freezing point");
            Expect(IsNumber(row[4]) && Num(row[4]) > 0.1 && Num(row[4]) <= 1.0, t->name, at + ": specific heat above");
            Expect(IsNumber(row[5]) && Num(row[5]) > 0.1 && Num(row[5]) <= 1.0, t->name, at + ": specific heat below");
            Expect(IsNumber(row[6]) && Num(row[6]) >= 0, t->name, at + ": heat of respiration");
        }
    }
    Expect(en.rows.size() == de.rows.size(), de.name, "row count differs from " + en.name);
    for (size_t r = 0; r < en.rows.size() && r < de.rows.size(); ++r) {
        for (size_t c = 2; c < 7; ++c)
            Expect(en.rows[r][c] == de.rows[r][c], de.name,
                   "row " + std::to_string(r + 1) + " column " + std::to_string(c + 1) + " differs from " + en.name);
        if (r > 0)
            Expect((en.rows[r][0] == en.rows[r - 1][0]) == (de.rows[r][0] == de.rows[r - 1][0]), de.name,
                   "group boundary at row " + std::to_string(r + 1) + " differs from " + en.name);
    }
}

void CheckConstructions(const Table& en, const Table& de) {
    const double defaults[] = {0.16, 0.26, 0.20, 0.20, 0.27};  // the rows the default selections point at
    for (const Table* t : {&en, &de}) {
        Expect(t->columns == 2, t->name, "expected 2 columns");
        Expect(t->rows.size() >= 12, t->name, "fewer than 12 constructions");
        for (size_t r = 0; r < t->rows.size(); ++r)
            Expect(IsNumber(t->rows[r][1]) && Num(t->rows[r][1]) > 0, t->name,
                   "row " + std::to_string(r + 1) + ": K-factor");
        for (size_t r = 0; r < 5; ++r)
            Expect(std::fabs(Cell(*t, r, 1) - defaults[r]) < 1e-9, t->name,
                   "row " + std::to_string(r + 1) + " must have K " + std::to_string(defaults[r]));
    }
    Expect(en.rows.size() == de.rows.size(), de.name, "row count differs from " + en.name);
    for (size_t r = 0; r < en.rows.size() && r < de.rows.size(); ++r)
        Expect(en.rows[r][1] == de.rows[r][1], de.name, "K of row " + std::to_string(r + 1) + " differs from " + en.name);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: check_opdata DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    const double kMaxDoors = 20, kMaxMotorHp = 10, kMinRoomTemp = -40, kMaxOutsideTemp = 100;

    const Table a = Load(dir, "TableA.data");
    CheckNumeric(a, 3);
    Expect(Cell(a, 0, 0) > 0, a.name, "a first key of 0 would stop the interpolation");
    for (size_t r = 0; r < a.rows.size(); ++r) {
        Expect(Cell(a, r, 1) >= Cell(a, r, 2), a.name, "rooms below 32 F must not get more air changes");
        if (r > 0)
            Expect(Cell(a, r, 1) <= Cell(a, r - 1, 1) && Cell(a, r, 2) <= Cell(a, r - 1, 2), a.name,
                   "air changes must fall as the room grows");
    }

    const Table b = Load(dir, "TableB.data");
    CheckNumeric(b, 3);
    Expect(b.rows.size() == kMaxDoors, b.name, "needs one row per door count 1..20");
    for (size_t r = 0; r < b.rows.size(); ++r)
        Expect(Cell(b, r, 0) == static_cast<double>(r + 1), b.name, "row " + std::to_string(r + 1) + " must be that door count");

    const Table e = Load(dir, "TableE.data");
    CheckNumeric(e, 4);
    Expect(Cell(e, e.rows.size() - 1, 0) >= kMaxMotorHp, e.name, "must reach the largest motor that may be entered");
    for (size_t r = 0; r < e.rows.size(); ++r) {
        // P/E = P + P (1 - E)/E: motor and load inside = load part + motor loss.
        Expect(std::fabs(Cell(e, r, 1) - Cell(e, r, 2) - Cell(e, r, 3)) <= 1.0, e.name,
               "row " + std::to_string(r + 1) + ": column 2 must equal column 3 + column 4");
        Expect(std::fabs(Cell(e, r, 2) - 2545.0 * Cell(e, r, 0)) <= 1.0, e.name,
               "row " + std::to_string(r + 1) + ": column 3 must be 2545 Btu/h per hp");
    }

    const Table f = Load(dir, "TableF.data");
    CheckNumeric(f, 4);
    Expect(Cell(f, 0, 0) <= kMinRoomTemp && Cell(f, f.rows.size() - 1, 0) >= kMaxOutsideTemp, f.name,
           "must cover the room and outside temperatures that may be entered");
    for (size_t r = 0; r < f.rows.size(); ++r) {
        Expect(std::fabs(Cell(f, r, 2) - 0.240 * Cell(f, r, 0)) < 1e-9, f.name, "column 3 must be 0.240 t");
        if (r > 0) Expect(Cell(f, r, 1) > Cell(f, r - 1, 1), f.name, "Ws must rise with temperature");
    }

    const Table k = Load(dir, "TableK.data");
    CheckNumeric(k, 5);
    Expect(Cell(k, 0, 0) <= 100, k.name, "the first key must be small so that every room finds a row");
    for (size_t r = 0; r < k.rows.size(); ++r) {
        for (size_t c : {1u, 3u})
            Expect(Cell(k, r, c) >= 1 && Cell(k, r, c) == std::floor(Cell(k, r, c)), k.name, "motor counts are whole numbers >= 1");
        for (size_t c : {2u, 4u})
            Expect(Cell(k, r, c) >= Cell(e, 0, 0) && Cell(k, r, c) <= Cell(e, e.rows.size() - 1, 0), k.name,
                   "row " + std::to_string(r + 1) + ": motor size outside the motor heat table");
    }

    CheckProducts(Load(dir, "default.TableC.data"), Load(dir, "deutsch.TableC.data"));
    CheckConstructions(Load(dir, "default.TableD.data"), Load(dir, "deutsch.TableD.data"));

    std::printf("data table checks: %d of %d hold\n", g_checks - g_failures, g_checks);
    return g_failures == 0 ? 0 : 1;
}
