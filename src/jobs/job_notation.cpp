// SPDX-License-Identifier: MIT
#include "jobs/job_notation.h"

#include "shell/ansi.h"

#include <algorithm>
#include <cstdio>

namespace tw {

namespace {

// Character 142 of the ANSI code page (U+017D) in UTF-8.
const std::string kHiddenQuote = "\xC5\xBD";

std::string Digits(int value, int width) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*d", width, value);
    return buffer;
}

std::string ReplaceAll(const std::string& text, const std::string& from, const std::string& to) {
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t p = text.find(from); p != std::string::npos; p = text.find(from, start)) {
        out.append(text, start, p - start);
        out += to;
        start = p + from.size();
    }
    out.append(text, start, std::string::npos);
    return out;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

} // namespace

NotationValue NotationText(const std::string& text) {
    return {NotationValue::Kind::Text, text};
}

NotationValue NotationWhole(long long value) {
    return {NotationValue::Kind::Whole, std::to_string(value)};
}

NotationValue NotationTruth(bool value) {
    return {NotationValue::Kind::Truth, value ? "#TRUE#" : "#FALSE#"};
}

NotationValue NotationDate(int year, int month, int day) {
    return {NotationValue::Kind::Date,
            "#" + Digits(year, 4) + "-" + Digits(month, 2) + "-" + Digits(day, 2) + "#"};
}

NotationValue NotationTime(int hour, int minute, int second) {
    return {NotationValue::Kind::Time,
            "#" + Digits(hour, 2) + ":" + Digits(minute, 2) + ":" + Digits(second, 2) + "#"};
}

std::string WriteNotationLine(const std::vector<NotationValue>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) line += ',';
        const NotationValue& f = fields[i];
        if (f.kind == NotationValue::Kind::Text)
            line += '"' + f.text + '"';
        else
            line += f.text;
    }
    return line;
}

std::vector<NotationField> ReadNotationFields(const std::string& text) {
    std::vector<NotationField> fields;
    const std::size_t size = text.size();
    std::size_t p = 0;
    int line = 1;
    // After a line end (or at the start) a further line end delimits no field.
    bool afterLineEnd = true;
    // The line end just consumed: CR LF counts once.
    auto consumeLineEnd = [&] {
        if (text[p] == '\r' && p + 1 < size && text[p + 1] == '\n') ++p;
        ++p;
        ++line;
    };
    while (true) {
        while (p < size && IsBlank(text[p]))
            ++p;
        if (p >= size) {
            // A comma at the very end still opens one last, empty field.
            if (!afterLineEnd)
                fields.push_back({"", false, true, NotationField::End::FileEnd, line});
            break;
        }
        if (afterLineEnd && IsLineEnd(text[p])) {
            consumeLineEnd();
            continue;
        }
        NotationField field;
        field.line = line;
        if (text[p] == '"') {
            field.quoted = true;
            std::size_t close = p + 1;
            while (close < size && text[close] != '"') {
                if (text[close] == '\n' ||
                    (text[close] == '\r' && (close + 1 >= size || text[close + 1] != '\n')))
                    ++line;
                ++close;
            }
            if (close >= size) {
                field.text = text.substr(p + 1);
                field.closed = false;
                p = size;
            } else {
                field.text = text.substr(p + 1, close - p - 1);
                p = close + 1;
                // Whatever stands between the closing quote and the next separator is dropped.
                while (p < size && text[p] != ',' && !IsLineEnd(text[p]))
                    ++p;
            }
        } else {
            std::size_t start = p;
            while (p < size && text[p] != ',' && !IsLineEnd(text[p]))
                ++p;
            std::size_t end = p;
            while (end > start && IsBlank(text[end - 1]))
                --end;
            field.text = text.substr(start, end - start);
        }
        if (p >= size) {
            field.end = NotationField::End::FileEnd;
            afterLineEnd = true;
        } else if (text[p] == ',') {
            field.end = NotationField::End::Comma;
            ++p;
            afterLineEnd = false;
        } else {
            field.end = NotationField::End::LineEnd;
            consumeLineEnd();
            afterLineEnd = true;
        }
        fields.push_back(std::move(field));
    }
    return fields;
}

std::string HideQuotes(const std::string& text) {
    return ReplaceAll(text, "\"", kHiddenQuote);
}

std::string RestoreQuotes(const std::string& text) {
    return ReplaceAll(text, kHiddenQuote, "\"");
}

void CharactersAJobCannotKeep(const std::string& text, std::vector<std::string>& found) {
    for (std::size_t i = 0; i < text.size();) {
        std::size_t n = 1;
        while (i + n < text.size() && (static_cast<unsigned char>(text[i + n]) & 0xC0) == 0x80)
            ++n;
        const std::string c = text.substr(i, n);
        i += n;
        if (static_cast<unsigned char>(c[0]) < 0x80) continue;
        const bool lost = c == kHiddenQuote || Utf8ToAnsi(c) == "?";
        if (lost && std::find(found.begin(), found.end(), c) == found.end()) found.push_back(c);
    }
}

} // namespace tw
