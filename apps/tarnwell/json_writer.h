// SPDX-License-Identifier: MIT
// A small JSON writer: one compact object or array, written value by value. Texts are UTF-8;
// a byte sequence that is not UTF-8 is written as U+FFFD, so the output is always valid JSON.
#pragma once

#include <string>
#include <vector>

namespace tarnwell {

// The text as a JSON string literal, quotes included.
std::string JsonString(const std::string& text);

class JsonWriter {
public:
    JsonWriter& BeginObject();
    JsonWriter& EndObject();
    JsonWriter& BeginArray();
    JsonWriter& EndArray();
    // The name of the next member of the current object.
    JsonWriter& Key(const std::string& name);
    JsonWriter& String(const std::string& text);
    JsonWriter& Number(long long value);
    JsonWriter& Bool(bool value);
    JsonWriter& Null();

    const std::string& Text() const { return out_; }

private:
    void BeforeValue();

    std::string out_;
    // Per open object or array: whether it holds a value yet.
    std::vector<bool> filled_;
    bool afterKey_ = false;
};

} // namespace tarnwell
