// SPDX-License-Identifier: MIT
// A strict JSON reader for the tests: it refuses anything that is not JSON, so a test that
// reads tarnwell's output also checks that the output is valid.
#pragma once

#include <cctype>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace tw::test {

struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0;
    std::string text;
    std::vector<JsonValue> items;
    std::map<std::string, JsonValue> members;

    // The member or item; throws std::out_of_range when it is not there.
    const JsonValue& operator[](const std::string& name) const { return members.at(name); }
    const JsonValue& operator[](std::size_t i) const { return items.at(i); }
    bool Has(const std::string& name) const { return members.count(name) != 0; }
};

class JsonReader {
public:
    explicit JsonReader(const std::string& text) : s_(text) {}

    JsonValue ReadDocument() {
        JsonValue v = Value();
        Blanks();
        if (i_ != s_.size()) Fail("text after the value");
        return v;
    }

private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw std::runtime_error("JSON: " + what + " at " + std::to_string(i_));
    }
    void Blanks() {
        while (i_ < s_.size() &&
               (s_[i_] == ' ' || s_[i_] == '\n' || s_[i_] == '\r' || s_[i_] == '\t'))
            ++i_;
    }
    void Expect(const char* word) {
        for (const char* c = word; *c; ++c, ++i_)
            if (i_ >= s_.size() || s_[i_] != *c) Fail(std::string("expected ") + word);
    }
    JsonValue Value() {
        Blanks();
        if (i_ >= s_.size()) Fail("end of text");
        JsonValue v;
        const char c = s_[i_];
        if (c == '{') {
            v.kind = JsonValue::Kind::Object;
            ++i_;
            Blanks();
            if (i_ < s_.size() && s_[i_] == '}') {
                ++i_;
                return v;
            }
            while (true) {
                Blanks();
                if (i_ >= s_.size() || s_[i_] != '"') Fail("expected a name");
                std::string name = String();
                Blanks();
                Expect(":");
                if (v.members.count(name)) Fail("name twice: " + name);
                v.members[name] = Value();
                Blanks();
                if (i_ < s_.size() && s_[i_] == ',') {
                    ++i_;
                    continue;
                }
                Expect("}");
                return v;
            }
        }
        if (c == '[') {
            v.kind = JsonValue::Kind::Array;
            ++i_;
            Blanks();
            if (i_ < s_.size() && s_[i_] == ']') {
                ++i_;
                return v;
            }
            while (true) {
                v.items.push_back(Value());
                Blanks();
                if (i_ < s_.size() && s_[i_] == ',') {
                    ++i_;
                    continue;
                }
                Expect("]");
                return v;
            }
        }
        if (c == '"') {
            v.kind = JsonValue::Kind::String;
            v.text = String();
            return v;
        }
        if (c == 't' || c == 'f') {
            v.kind = JsonValue::Kind::Bool;
            v.boolean = c == 't';
            Expect(v.boolean ? "true" : "false");
            return v;
        }
        if (c == 'n') {
            Expect("null");
            return v;
        }
        v.kind = JsonValue::Kind::Number;
        const std::size_t start = i_;
        if (i_ < s_.size() && s_[i_] == '-') ++i_;
        while (i_ < s_.size() &&
               (std::isdigit(static_cast<unsigned char>(s_[i_])) || s_[i_] == '.' ||
                s_[i_] == 'e' || s_[i_] == 'E' || s_[i_] == '+' || s_[i_] == '-'))
            ++i_;
        if (start == i_) Fail("unexpected character");
        v.number = std::stod(s_.substr(start, i_ - start));
        return v;
    }
    std::string String() {
        ++i_;
        std::string out;
        while (true) {
            if (i_ >= s_.size()) Fail("open string");
            const auto c = static_cast<unsigned char>(s_[i_++]);
            if (c == '"') return out;
            if (c < 0x20) Fail("control character in a string");
            if (c != '\\') {
                out += static_cast<char>(c);
                continue;
            }
            if (i_ >= s_.size()) Fail("open escape");
            const char e = s_[i_++];
            switch (e) {
            case '"':
            case '\\':
            case '/':
                out += e;
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case 't':
                out += '\t';
                break;
            case 'b':
                out += '\b';
                break;
            case 'f':
                out += '\f';
                break;
            case 'u': {
                if (i_ + 4 > s_.size()) Fail("short \\u escape");
                const unsigned cp =
                    static_cast<unsigned>(std::stoul(s_.substr(i_, 4), nullptr, 16));
                i_ += 4;
                if (cp < 0x80) {
                    out += static_cast<char>(cp);
                } else if (cp < 0x800) {
                    out += static_cast<char>(0xC0 | (cp >> 6));
                    out += static_cast<char>(0x80 | (cp & 0x3F));
                } else {
                    out += static_cast<char>(0xE0 | (cp >> 12));
                    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
                    out += static_cast<char>(0x80 | (cp & 0x3F));
                }
                break;
            }
            default:
                Fail("unknown escape");
            }
        }
    }

    const std::string& s_;
    std::size_t i_ = 0;
};

inline JsonValue ParseJson(const std::string& text) {
    return JsonReader(text).ReadDocument();
}

} // namespace tw::test
