// SPDX-License-Identifier: MIT
// The program's files are written in the Windows-1252 code page; inside, texts are UTF-8.
#pragma once

#include <string>

namespace tw {

std::string AnsiToUtf8(const std::string& bytes);
// Characters the code page cannot hold become '?'.
std::string Utf8ToAnsi(const std::string& text);

// Number of characters of a UTF-8 text, and character-based Left/Mid as the classic
// string functions count them (positions 1-based).
std::size_t CharCount(const std::string& text);
std::string Left(const std::string& text, std::size_t count);
std::string Mid(const std::string& text, std::size_t start, std::size_t count = std::string::npos);
std::string Right(const std::string& text, std::size_t count);

std::string UpperCase(const std::string& text);
std::string LowerCase(const std::string& text);
std::string Trim(const std::string& text);
// Drops the first and the last character (the surrounding quotes, whatever the last one is).
std::string StripQuotes(const std::string& text);

} // namespace tw
