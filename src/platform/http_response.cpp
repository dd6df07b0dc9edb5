// SPDX-License-Identifier: MIT
#include "platform/http_response.h"

#include <cctype>

namespace tw {

namespace {

std::string Trim(const std::string& s) {
    const std::size_t b = s.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return std::string();
    return s.substr(b, s.find_last_not_of(" \t\r\n") - b + 1);
}

} // namespace

ResponseLine ParseResponseLine(const std::string& line) {
    ResponseLine r;
    if (line.rfind("HTTP/", 0) == 0) {
        // "HTTP/1.1 200 OK" or "HTTP/2 404"
        r.kind = ResponseLine::Kind::Status;
        const std::size_t code = line.find(' ');
        if (code == std::string::npos) return r;
        const std::string digits = line.substr(code + 1, 3);
        if (digits.size() == 3 && std::isdigit(static_cast<unsigned char>(digits[0])) &&
            std::isdigit(static_cast<unsigned char>(digits[1])) &&
            std::isdigit(static_cast<unsigned char>(digits[2])))
            r.code = std::stoi(digits);
        if (line.size() > code + 4) r.value = Trim(line.substr(code + 4));
        return r;
    }
    const std::size_t colon = line.find(':');
    if (colon == std::string::npos || colon == 0) return r;
    r.kind = ResponseLine::Kind::Field;
    r.name = Trim(line.substr(0, colon));
    r.value = Trim(line.substr(colon + 1));
    return r;
}

} // namespace tw
