// SPDX-License-Identifier: MIT
// Field codes: every text of a report page is a short code that stands for a piece of the
// window's content, so one page layout serves every language and unit system. The first
// character picks the rule, the last three characters name the field n:
//
//   Tnnn  shown text of field n (field 525 only for a condensing-unit type whose second
//         letter is C, i.e. rated at a condensing temperature)
//   Mnnn  shown text of field n          Lnnn  its caption        Unnn  its unit
//   Fnnn  caption of frame n             Snnn  string n of the resource file
//   :nnn  caption, a blank, shown text   ,mmmnnn  text of m, ", ", text of n
//   *mmmnnn  value of m times value of n hnnn  whole part of value of n / run time (field 12)
//   Nnnn  the text of n when it is a number, else "0" ("P2" for the room sizes 13 to 15
//         when the room is not a rectangle of 4 walls)
//   Rnnn  caption of the first chosen option button from n on
//   Drrccggg  cell (row rr, column cc) of grid ggg; "" past the last column, "A" for a row 0
//         that is not a number
//   PPAGE "Page 1 of 2"   PDATE today   PTIME now   PPATH the job file
//
// Codes are case-sensitive; a code shorter than four characters or of another first
// character stands for nothing.
#pragma once

#include <string>
#include <vector>

namespace tw {

// What the codes read. Reading a control the window does not have throws.
class FieldSource {
public:
    virtual ~FieldSource() = default;
    virtual std::string Text(int n) = 0;
    virtual std::string Caption(int n) = 0;
    virtual std::string Unit(int n) = 0;
    virtual std::string FrameCaption(int n) = 0;
    virtual std::string String(int n) = 0;
    // The option buttons' numbers in ascending order.
    virtual std::vector<int> RadioNumbers() = 0;
    virtual bool RadioChosen(int n) = 0;
    virtual std::string RadioCaption(int n) = 0;
    virtual int GridColumns(int grid) = 0;
    virtual std::string Cell(int grid, int row, int col) = 0;
    virtual std::string CurrentPage() = 0;
    virtual std::string PageCount() = 0;
    virtual std::string Date() = 0;
    virtual std::string Time() = 0;
    virtual std::string JobFile() = 0;
    // The machine's decimal separator, for reading and writing numbers.
    virtual char Decimal() = 0;
};

// The text a code stands for. Throws when the code reads a control the window lacks, a value
// that is not a number, or divides by a run time of 0.
std::string ExpandFieldCode(const std::string& code, FieldSource& source);

} // namespace tw
