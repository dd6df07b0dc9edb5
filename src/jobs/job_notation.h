// SPDX-License-Identifier: MIT
// The comma-delimited notation of the job files: texts in double quotes (nothing escaped),
// whole numbers, #TRUE#/#FALSE#, dates #yyyy-mm-dd# and times #hh:mm:ss#, fields separated by
// commas and line ends. Kernels only: they work on UTF-8 text; the callers convert to and from
// the ANSI code page.
#pragma once

#include <string>
#include <vector>

namespace tw {

// One value to be written.
struct NotationValue {
    enum class Kind { Text, Whole, Truth, Date, Time };
    Kind kind = Kind::Text;
    std::string text;
};

NotationValue NotationText(const std::string& text);
NotationValue NotationWhole(long long value);
NotationValue NotationTruth(bool value);
NotationValue NotationDate(int year, int month, int day);
NotationValue NotationTime(int hour, int minute, int second);

// The fields written as one line, separated by commas, without the line end. A double quote
// inside a text cannot be written and must be hidden first (HideQuotes).
std::string WriteNotationLine(const std::vector<NotationValue>& fields);

// A field as read back. A quoted field loses its quotes; any other field is trimmed of blanks
// and keeps its "#" marks ("#TRUE#" arrives as it stands).
struct NotationField {
    enum class End { Comma, LineEnd, FileEnd };
    std::string text;
    bool quoted = false;
    // False when a quoted field runs to the end of the text without its closing quote.
    bool closed = true;
    // What followed the field.
    End end = End::FileEnd;
    // Line (from 1) on which the field starts.
    int line = 1;
};

// Every field of the text in order. A line end separates fields as a comma does; a line end
// that follows another line end (an empty line) separates nothing.
std::vector<NotationField> ReadNotationFields(const std::string& text);

// The double quote and the character that stands for it in a job file (character 142 of the
// ANSI code page, "Ž"): every occurrence, left to right.
std::string HideQuotes(const std::string& text);
std::string RestoreQuotes(const std::string& text);

// The characters of a UTF-8 text that a job file cannot give back: those outside the ANSI
// code page (saved as "?") and the stand-in of the double quote itself (read back as a
// quote). Each is added to `found` once, in the order of first appearance.
void CharactersAJobCannotKeep(const std::string& text, std::vector<std::string>& found);

} // namespace tw
