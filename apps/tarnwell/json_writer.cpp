// SPDX-License-Identifier: MIT
#include "json_writer.h"

#include "base/text.h"

namespace tarnwell {

Json JsonText(const std::string& text) {
    return Json(tw::ValidUtf8(text));
}

std::string JsonDump(const Json& value) {
    // DEL is the one control character the library leaves as it is; it can only stand inside a
    // string, so it is escaped there for terminals that would act on it.
    const std::string text = value.dump();
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        out += c == '\x7F' ? std::string("\\u007f") : std::string(1, c);
    return out;
}

std::string JsonString(const std::string& text) {
    return JsonDump(JsonText(text));
}

} // namespace tarnwell
