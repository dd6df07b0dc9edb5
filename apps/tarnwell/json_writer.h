// SPDX-License-Identifier: MIT
// JSON output. Texts are UTF-8; a byte sequence that is not UTF-8 is written as U+FFFD, so the
// output is always valid JSON.
#pragma once

#include <nlohmann/json.hpp>
#include <string>

namespace tarnwell {

// Objects keep their members in the order they were added.
using Json = nlohmann::ordered_json;

// A JSON string value of the text (made valid UTF-8).
Json JsonText(const std::string& text);

// The value as compact JSON text; control characters and DEL are escaped.
std::string JsonDump(const Json& value);

// The text as a JSON string literal, quotes included.
std::string JsonString(const std::string& text);

} // namespace tarnwell
