// SPDX-License-Identifier: MIT
#include "report/report_texts.h"

#include <cctype>

namespace tw {

const char* const kMailSubject = "Coldwright Mail.";

std::string MailBody(const std::vector<std::string>& details) {
    const std::string rule(41, '-');
    std::string body = " \r\n" + rule + "\r\nSent From :\r\n";
    for (const std::string& line : details)
        body += "\t" + line + "\r\n";
    return body + rule + "\r\n";
}

std::vector<std::string> PageBitmapNames(const std::string& chosen, int pages) {
    // The name less "bmp" or "png", keeping its dot; a page file's own "Page_n." goes too.
    std::string base = chosen.substr(0, chosen.size() >= 3 ? chosen.size() - 3 : 0);
    std::string extension = chosen.substr(base.size());
    for (char& c : extension)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    extension = extension == "png" ? "png" : "bmp";
    const std::size_t dot = base.size() >= 2 ? base.rfind('.', base.size() - 2) : std::string::npos;
    if (dot != std::string::npos && base.compare(dot, 6, ".Page_") == 0) {
        const std::string number = base.substr(dot + 6, base.size() - dot - 7);
        if (!number.empty() && number.size() <= 4 &&
            number.find_first_not_of("0123456789") == std::string::npos &&
            std::stoul(number) >= 1 && std::stoul(number) <= static_cast<unsigned long>(pages))
            base.erase(dot + 1);
    }
    std::vector<std::string> names;
    for (int p = 1; p <= pages; ++p)
        names.push_back(base + "Page_" + std::to_string(p) + "." + extension);
    return names;
}

} // namespace tw
