// SPDX-License-Identifier: MIT
#include "report/report_texts.h"

namespace tw {

namespace {

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

} // namespace

const char* const kMailSubject = "Coldwright Mail.";

std::string MailBody(const std::vector<std::string>& details) {
    const std::string rule(41, '-');
    std::string body = " \r\n" + rule + "\r\nSent From :\r\n";
    for (const std::string& line : details)
        body += "\t" + line + "\r\n";
    return body + rule + "\r\n";
}

std::vector<std::string> PageBitmapNames(const std::string& chosen) {
    // The name less "bmp", keeping its dot; a page file's own "Page_n." goes too.
    std::string base = chosen.substr(0, chosen.size() >= 3 ? chosen.size() - 3 : 0);
    if (EndsWith(base, ".Page_1.") || EndsWith(base, ".Page_2.")) base.erase(base.size() - 7);
    return {base + "Page_1.bmp", base + "Page_2.bmp"};
}

} // namespace tw
