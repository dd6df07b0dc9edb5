// SPDX-License-Identifier: MIT
#include "shell/ansi.h"

#include "base/text.h"

#include <cstdint>

namespace tw {

namespace {

// Code points of bytes 0x80..0x9F in Windows-1252 (0 = undefined there, kept as the C1 control).
const char32_t kHigh[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                            0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                            0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                            0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

// Byte offset of the character at 0-based character index `chars`.
std::size_t ByteOffset(const std::string& s, std::size_t chars) {
    std::size_t i = 0;
    while (i < s.size() && chars > 0) {
        ++i;
        while (i < s.size() && IsUtf8Continuation(s[i]))
            ++i;
        --chars;
    }
    return i;
}

} // namespace

std::string AnsiToUtf8(const std::string& bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (unsigned char b : bytes) {
        if (b < 0x80)
            out += static_cast<char>(b);
        else if (b < 0xA0)
            AppendUtf8(out, kHigh[b - 0x80]);
        else
            AppendUtf8(out, b);
    }
    return out;
}

std::string Utf8ToAnsi(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp = NextCodePoint(text, i);
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) {
            out += static_cast<char>(cp);
            continue;
        }
        char mapped = '?';
        for (int k = 0; k < 32; ++k)
            if (kHigh[k] == cp) mapped = static_cast<char>(0x80 + k);
        out += mapped;
    }
    return out;
}

std::size_t CharCount(const std::string& text) {
    return Utf8Length(text);
}

std::string Left(const std::string& text, std::size_t count) {
    return text.substr(0, ByteOffset(text, count));
}

std::string Mid(const std::string& text, std::size_t start, std::size_t count) {
    if (start < 1) start = 1;
    std::size_t from = ByteOffset(text, start - 1);
    if (count == std::string::npos) return text.substr(from);
    std::string rest = text.substr(from);
    return rest.substr(0, ByteOffset(rest, count));
}

std::string Right(const std::string& text, std::size_t count) {
    std::size_t n = CharCount(text);
    return count >= n ? text : Mid(text, n - count + 1);
}

std::string UpperCase(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp = NextCodePoint(text, i);
        if (cp >= 'a' && cp <= 'z')
            cp -= 32;
        else if ((cp >= 0xE0 && cp <= 0xFE && cp != 0xF7))
            cp -= 32;
        AppendUtf8(out, cp);
    }
    return out;
}

std::string LowerCase(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        char32_t cp = NextCodePoint(text, i);
        if (cp >= 'A' && cp <= 'Z')
            cp += 32;
        else if ((cp >= 0xC0 && cp <= 0xDE && cp != 0xD7))
            cp += 32;
        AppendUtf8(out, cp);
    }
    return out;
}

std::string Trim(const std::string& text) {
    return TrimAscii(text, " ");
}

std::string StripQuotes(const std::string& text) {
    std::size_t n = CharCount(text);
    return n < 2 ? std::string() : Mid(text, 2, n - 2);
}

} // namespace tw
