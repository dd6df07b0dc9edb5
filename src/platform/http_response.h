// SPDX-License-Identifier: MIT
// One line of an HTTP response head as the client receives it: the status line of a response
// (a new one after every redirect) or a header field. A plain function over bytes.
#pragma once

#include <string>

namespace tw {

struct ResponseLine {
    enum class Kind { Status, Field, Other };
    Kind kind = Kind::Other;
    int code = 0;      // Status: the status code, 0 when it is not three digits
    std::string name;  // Field: the name as written
    std::string value; // Status: the reason phrase; Field: the value; both without blanks around
};

ResponseLine ParseResponseLine(const std::string& line);

} // namespace tw
