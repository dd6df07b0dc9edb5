// SPDX-License-Identifier: MIT
#include "platform/http_client.h"

#include <algorithm>
#include <cctype>

namespace tw {

namespace {

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

} // namespace

std::string HttpClient::Header(const std::string& name) const {
    for (const auto& [key, value] : headers_)
        if (SameName(key, name)) return value;
    return std::string();
}

void HttpClient::Reset() {
    state_ = HttpState::None;
    headers_.clear();
    code_ = 0;
    text_.clear();
}

void HttpClient::SetState(HttpState state) {
    state_ = state;
    if (listener_) listener_(state);
}

void HttpClient::AddHeader(std::string name, std::string value) {
    headers_.emplace_back(std::move(name), std::move(value));
}

void HttpClient::SetResponse(int code, std::string text) {
    code_ = code;
    text_ = std::move(text);
}

std::string HttpClient::Fail(int code, std::string text) {
    SetResponse(code, std::move(text));
    SetState(HttpState::Error);
    return std::string();
}

} // namespace tw
