// SPDX-License-Identifier: MIT
// UTF-8 and ASCII text helpers shared by every layer. Texts inside the program are UTF-8;
// keywords of the program's files are ASCII and compared without regard to case.
#pragma once

#include <cstddef>
#include <string>

namespace tw {

// True for the second to fourth byte of a UTF-8 sequence.
inline bool IsUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Appends a code point as UTF-8.
inline void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

inline std::string Utf8(char32_t cp) {
    std::string out;
    AppendUtf8(out, cp);
    return out;
}

// The length of the well-formed UTF-8 sequence that starts at byte i (its code point to *cp),
// or 0 when none does: overlong forms, surrogates and code points above U+10FFFF are refused.
inline std::size_t Utf8SequenceLength(const std::string& text, std::size_t i,
                                      char32_t* cp = nullptr) {
    const auto b = static_cast<unsigned char>(text[i]);
    std::size_t length;
    char32_t value;
    char32_t least;
    if (b < 0x80) {
        length = 1, value = b, least = 0;
    } else if ((b & 0xE0) == 0xC0) {
        length = 2, value = b & 0x1Fu, least = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        length = 3, value = b & 0x0Fu, least = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        length = 4, value = b & 0x07u, least = 0x10000;
    } else {
        return 0;
    }
    if (i + length > text.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if (!IsUtf8Continuation(text[i + k])) return 0;
        value = (value << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3Fu);
    }
    if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
    if (cp) *cp = value;
    return length;
}

// Decodes the code point at byte i and moves i past it. A byte that does not start a
// well-formed UTF-8 sequence stands for itself.
inline char32_t NextCodePoint(const std::string& text, std::size_t& i) {
    char32_t cp = 0;
    const std::size_t length = Utf8SequenceLength(text, i, &cp);
    if (length == 0) return static_cast<unsigned char>(text[i++]);
    i += length;
    return cp;
}

// The text with every byte that does not belong to a well-formed sequence replaced by U+FFFD.
inline std::string ValidUtf8(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = Utf8SequenceLength(text, i);
        if (length == 0) {
            out += "\xEF\xBF\xBD";
            ++i;
        } else {
            out.append(text, i, length);
            i += length;
        }
    }
    return out;
}

// The number of characters (code points) of a UTF-8 text.
inline std::size_t Utf8Length(const std::string& text) {
    std::size_t n = 0;
    for (char c : text)
        if (!IsUtf8Continuation(c)) ++n;
    return n;
}

inline std::string AsciiUpper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

inline std::string AsciiLower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

inline bool AsciiEqualNoCase(const std::string& a, const std::string& b) {
    return AsciiLower(a) == AsciiLower(b);
}

// The text without the given characters at either end.
inline std::string TrimAscii(const std::string& text, const char* blanks = " \t") {
    const std::size_t a = text.find_first_not_of(blanks);
    if (a == std::string::npos) return std::string();
    return text.substr(a, text.find_last_not_of(blanks) - a + 1);
}

} // namespace tw
