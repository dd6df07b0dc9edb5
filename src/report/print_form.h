// SPDX-License-Identifier: MIT
// Print forms: the files that lay out a report page. A form is a stream of values in the
// notation of the job files (texts in double quotes, numbers, #TRUE#/#FALSE#, separated by
// commas or line ends; how they are spread over lines does not matter):
//
//   title, design width W, design height H
//   then commands, each a keyword and its values:
//   "SHAPE", kind, a, b, c, d, fill style, fill colour, border colour, border width
//   "PICTURE", kind, (two values not used), left, top, width, height
//   "TEXT", field code, x, y, font name, bold, italic, font size, underline, colour
//   "MTEXT", field code, x, y, width, height, font name, bold, italic, font size, underline,
//            colour
//   "RTEXT", as TEXT, with x the right edge of the text (for columns of numbers)
//
// Blocks group commands; each ends with "END":
//   "ROWS", grid, column, key row, rows, pitch: one table row, designed for the item in
//            `column` of the grid; it is drawn for every item from that column on whose
//            key-row cell holds a text, each `pitch` further down, at most `rows` of them
//            on the page. Cell codes of the grid that name `column` read the item's column.
//   "IF", field code [ ... "ELSE" ... ]: drawn only when the code's text is neither empty
//            nor a number equal to 0 (the part after ELSE otherwise).
//   "SECTION", grid, top, height: a part of a continuation page, drawn only when items of
//            the grid were left over; designed as if it stood at `top` with one row, it is
//            moved up below the sections above it and grows by the pitch of its rows.
// "CONTINUATION", bottom: the commands after it lay out the continuation pages that take
// the items a page's ROWS blocks could not hold; their rows end above `bottom`.
//
// Shape kinds RECTANGLE, SQUARE, OVAL and CIRCLE take a, b, c, d as left, top, width and
// height, LINE as x1, y1, x2, y2. Picture kinds are PRINTLOGO and GEOMETRY. Colours are RGB
// values with red in the low byte. Any other keyword stands alone and is passed over, so a
// text of its own on a line serves as a comment.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tw {

struct ShapeCommand {
    std::string kind;
    int a = 0, b = 0, c = 0, d = 0;
    int fillStyle = 1;
    std::int32_t fillColour = 0;
    std::int32_t borderColour = 0;
    int borderWidth = 1;
};

struct PictureCommand {
    std::string kind;
    int left = 0, top = 0, width = 0, height = 0;
};

// TEXT and MTEXT (multiLine: wrapped into the box of width by height) and RTEXT
// (rightAligned: x is the right edge).
struct TextCommand {
    std::string code;
    int x = 0, y = 0;
    bool multiLine = false;
    bool rightAligned = false;
    int width = 0, height = 0;
    std::string font;
    bool bold = false, italic = false;
    float size = 10.0f;
    bool underline = false;
    std::int32_t colour = 0;
};

// ROWS and SECTION blocks.
struct RowsCommand {
    int grid = 0;
    int column = 2;
    int keyRow = 0;
    int rows = 1;
    int pitch = 0;
};

struct SectionCommand {
    int grid = 0;
    int top = 0;
    int height = 0;
};

struct PrintStep {
    enum class Kind { Shape, Picture, Text, Error, Rows, If, Else, End, Section, Continuation };
    Kind kind = Kind::Error;
    // Line of the form on which the keyword stands.
    int line = 0;
    ShapeCommand shape;
    PictureCommand picture;
    TextCommand text;
    RowsCommand rows;
    SectionCommand section;
    // For Kind::If: the code whose text decides; for Kind::Continuation: the bottom of the
    // rows in section.top.
    std::string condition;
    // For Rows, If, Else and Section: the index of the step that ends the block (its END,
    // or the ELSE of an IF); the size of the steps when the block is not closed.
    std::size_t blockEnd = 0;
    // For Kind::Error: why the command could not be read.
    std::string error;
};

struct PrintForm {
    std::string title;
    int width = 0;
    int height = 0;
    // False when the header could not be read; the form then has no steps.
    bool headerRead = false;
    std::vector<PrintStep> steps;
    // Index of the CONTINUATION step; the size of the steps when the form has none.
    std::size_t continuation = 0;
    // The bottom of the rows on continuation pages.
    int continuationBottom = 0;
};

// Reads a print form (UTF-8 text). A command whose values cannot be read becomes an Error
// step and reading goes on after its values; a form that ends inside a command ends with an
// Error step. A header without a positive width and height is not read.
PrintForm ReadPrintForm(const std::string& text);

// The lines of a text as a box of the given width shows them: line ends in the text break
// lines, words move to the next line when they would pass the width, and a word wider than
// the box is broken where it reaches the edge. `measure` gives a text's width.
std::vector<std::string> WrapLines(const std::string& text, double width,
                                   const std::function<double(const std::string&)>& measure);

} // namespace tw
