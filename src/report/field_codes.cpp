// SPDX-License-Identifier: MIT
#include "report/field_codes.h"

#include "names/fields.h"
#include "names/options.h"
#include "shell/ansi.h"
#include "shell/numbers.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <stdexcept>

namespace tw {

namespace {

// The leading whole number of a text, as the classic Val reads it; 0 when there is none.
int NumberOf(const std::string& text) {
    std::size_t p = 0;
    while (p < text.size() && (text[p] == ' ' || text[p] == '\t'))
        ++p;
    bool negative = false;
    if (p < text.size() && (text[p] == '-' || text[p] == '+')) negative = text[p++] == '-';
    long value = 0;
    while (p < text.size() && std::isdigit(static_cast<unsigned char>(text[p])) && value < 100000)
        value = value * 10 + (text[p++] - '0');
    return static_cast<int>(negative ? -value : value);
}

// The value of a shown text as the number parser reads it (a text that is not a number
// throws); read as a double so that whole products stay whole.
double ValueOf(const std::string& text, char decimal) {
    const float single = ToSingle(text, decimal);
    if (auto v = ParseNumber(text, decimal)) return *v;
    return static_cast<double>(single);
}

std::string PageCode(const std::string& code, FieldSource& source) {
    if (code == "PPAGE") return "Page " + source.CurrentPage() + " of " + source.PageCount();
    if (code == "PDATE") return source.Date();
    if (code == "PTIME") return source.Time();
    if (code == "PPATH") return source.JobFile();
    return std::string();
}

std::string ChosenRadio(int from, FieldSource& source) {
    for (int k : source.RadioNumbers())
        if (k >= from && source.RadioChosen(k)) return source.RadioCaption(k);
    return std::string();
}

std::string GridCode(const std::string& code, FieldSource& source) {
    const int row = NumberOf(Mid(code, 2, 2));
    const int col = NumberOf(Mid(code, 4, 2));
    const int grid = NumberOf(Right(code, 3));
    if (col >= source.GridColumns(grid)) return std::string();
    const std::string text = source.Cell(grid, row, col);
    if (row == 0 && !IsNumeric(text, source.Decimal())) return "A";
    return text;
}

} // namespace

std::string ExpandFieldCode(const std::string& code, FieldSource& source) {
    if (CharCount(code) < 4) return std::string();
    const int n = NumberOf(Right(code, 3));
    const char decimal = source.Decimal();
    switch (code[0]) {
    case 'T':
        if (n == field::CondensingTemperature &&
            UpperCase(Mid(source.Text(field::UnitTypeCode), 2, 1)) != "C")
            return std::string();
        return source.Text(n);
    case 'M':
        return source.Text(n);
    case 'L':
        return source.Caption(n);
    case 'U':
        return source.Unit(n);
    case 'F':
        return source.FrameCaption(n);
    case 'S':
        return source.String(n);
    case ':':
        return source.Caption(n) + " " + source.Text(n);
    case ',':
        return source.Text(NumberOf(Mid(code, 2, 3))) + ", " + source.Text(n);
    case '*': {
        // Shown as the fields show numbers: whole above 1000, else at most two decimals.
        const double product = ValueOf(source.Text(NumberOf(Mid(code, 2, 3))), decimal) *
                               ValueOf(source.Text(n), decimal);
        const double shown =
            std::fabs(product) > 1000 ? Int(product + 0.5) : Int(product * 100 + 0.5) / 100;
        return FormatNumber(shown, decimal, 12);
    }
    case 'h': {
        const double runTime = ValueOf(source.Text(field::RunTime), decimal);
        if (runTime == 0) throw std::domain_error("Division by zero");
        return FormatNumber(Int(ValueOf(source.Text(n), decimal) / runTime), decimal, 7);
    }
    case 'N': {
        // The room's length, width and height are its size for a rectangle of 4 walls, or
        // with the surface list off; other rooms have no such size and print nothing.
        if (n >= field::RoomLength && n <= field::RoomHeight &&
            !source.RadioChosen(option::FourWalls)) {
            const std::vector<int> radios = source.RadioNumbers();
            const bool sizeOnly = std::find(radios.begin(), radios.end(), option::SizeOnly) != radios.end() &&
                                  source.RadioChosen(option::SizeOnly);
            if (!sizeOnly) return std::string();
            const std::string text = source.Text(n);
            return IsNumeric(text, decimal) ? text : std::string();
        }
        const std::string text = source.Text(n);
        return IsNumeric(text, decimal) ? text : "0";
    }
    case 'R':
        return ChosenRadio(n, source);
    case 'D':
        return GridCode(code, source);
    case 'P':
        return PageCode(code, source);
    default:
        return std::string();
    }
}

} // namespace tw
