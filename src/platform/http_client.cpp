// SPDX-License-Identifier: MIT
#include "platform/http_client.h"

#include "platform/http_response.h"
#include "platform/version.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <curl/curl.h>
#include <memory>
#include <mutex>

namespace tw {

namespace {

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

bool StartsWithNoCase(const std::string& s, const std::string& prefix) {
    return s.size() >= prefix.size() && SameName(s.substr(0, prefix.size()), prefix);
}

void GlobalInit() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

} // namespace

// What one request collects while libcurl runs it.
struct HttpClient::Transfer {
    explicit Transfer(HttpClient& c) : client(c) {}
    HttpClient& client;
    std::uint64_t limit = 0;
    std::string body;
    std::string reason;
    bool receiving = false;
    bool tooLarge = false;
    bool stalled = false;
    std::chrono::steady_clock::time_point lastBytes = std::chrono::steady_clock::now();
    curl_off_t lastCount = 0;

    static std::size_t OnHeader(char* data, std::size_t size, std::size_t n, void* self) {
        auto& t = *static_cast<Transfer*>(self);
        const std::string line(data, size * n);
        if (!t.receiving) {
            t.receiving = true;
            t.client.SetState(HttpState::ReceivingResponse);
        }
        const ResponseLine parsed = ParseResponseLine(line);
        if (parsed.kind == ResponseLine::Kind::Status) {
            // A new response (after a redirect or an interim one): only the last one counts.
            t.client.headers_.clear();
            t.reason = parsed.value;
        } else if (parsed.kind == ResponseLine::Kind::Field) {
            t.client.headers_.emplace_back(parsed.name, parsed.value);
        }
        return size * n;
    }

    static std::size_t OnBody(char* data, std::size_t size, std::size_t n, void* self) {
        auto& t = *static_cast<Transfer*>(self);
        if (t.body.size() + size * n > t.limit) {
            t.tooLarge = true;
            return 0; // ends the transfer with a write error
        }
        t.body.append(data, size * n);
        return size * n;
    }

    static int OnProgress(void* self, curl_off_t total, curl_off_t now, curl_off_t, curl_off_t) {
        auto& t = *static_cast<Transfer*>(self);
        if (t.client.cancel_) return 1;
        // No new byte for the stall time: given up, however fast the bytes came before.
        const auto now_ = std::chrono::steady_clock::now();
        if (now != t.lastCount) {
            t.lastCount = now;
            t.lastBytes = now_;
        } else if (now_ - t.lastBytes >
                   std::chrono::milliseconds(t.client.limits_.stallTimeoutMs)) {
            t.stalled = true;
            return 1;
        }
        if (t.client.progress_ && now > 0)
            t.client.progress_(static_cast<std::uint64_t>(now), static_cast<std::uint64_t>(total));
        return 0;
    }
};

HttpClient::HttpClient() {
    GlobalInit();
}

HttpClient::~HttpClient() = default;

std::string HttpClient::Header(const std::string& name) const {
    for (const auto& [key, value] : headers_)
        if (SameName(key, name)) return value;
    return std::string();
}

void HttpClient::SetState(HttpState state) {
    state_ = state;
    if (listener_) listener_(state);
}

std::string HttpClient::Fail(int code, std::string text) {
    code_ = code;
    text_ = std::move(text);
    SetState(HttpState::Error);
    return std::string();
}

std::string HttpClient::Fetch(const std::string& url, std::uint64_t maxBytes) {
    return Perform(url, maxBytes, nullptr);
}

std::uint64_t HttpClient::Size(const std::string& url) {
    std::uint64_t size = 0;
    Perform(url, 0, &size);
    return size;
}

std::string HttpClient::Perform(const std::string& url, std::uint64_t maxBytes,
                                std::uint64_t* size) {
    state_ = HttpState::None;
    headers_.clear();
    code_ = 0;
    text_.clear();
    const bool secure = StartsWithNoCase(url, "https://");
    if (!secure && !StartsWithNoCase(url, "http://"))
        return Fail(0, "Not an http:// or https:// address: " + url);
    if (cancel_) return Fail(kCancelled, "Cancelled");

    // A backslash in the path is a path separator, as the update location may be written.
    std::string address = url;
    std::replace(address.begin() + static_cast<std::ptrdiff_t>(address.find("//") + 2),
                 address.begin() +
                     static_cast<std::ptrdiff_t>(std::min(address.find('?'), address.size())),
                 '\\', '/');

    std::unique_ptr<CURL, void (*)(CURL*)> curl(curl_easy_init(), curl_easy_cleanup);
    if (!curl) return Fail(ENOMEM, "The HTTP client could not be started");
    Transfer t{*this};
    t.limit = limits_.maxBodyBytes;
    if (maxBytes != 0) t.limit = std::min<std::uint64_t>(t.limit, maxBytes);
    char error[CURL_ERROR_SIZE] = {};
    const std::string agent = "Tarnwell/" + std::to_string(kVersionMajor) + "." +
                              std::to_string(kVersionMinor) + "." + std::to_string(kVersionPatch);

    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, address.c_str());
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, error);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_USERAGENT, agent.c_str());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, secure ? "https" : "http,https");
    curl_easy_setopt(c, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(c, CURLOPT_MAXREDIRS, static_cast<long>(limits_.maxRedirects));
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits_.connectTimeoutMs));
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_LIMIT, limits_.stallBytesPerSecond);
    curl_easy_setopt(c, CURLOPT_LOW_SPEED_TIME,
                     std::max(1L, static_cast<long>((limits_.stallTimeoutMs + 999) / 1000)));
    curl_easy_setopt(c, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(t.limit));
    if (!limits_.caFile.empty()) curl_easy_setopt(c, CURLOPT_CAINFO, limits_.caFile.c_str());
    curl_easy_setopt(c, CURLOPT_HEADERFUNCTION, &Transfer::OnHeader);
    curl_easy_setopt(c, CURLOPT_HEADERDATA, &t);
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &Transfer::OnBody);
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &t);
    curl_easy_setopt(c, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(c, CURLOPT_XFERINFOFUNCTION, &Transfer::OnProgress);
    curl_easy_setopt(c, CURLOPT_XFERINFODATA, &t);
    if (size) curl_easy_setopt(c, CURLOPT_NOBODY, 1L);

    SetState(HttpState::ResolvingHost);
    const CURLcode rc = curl_easy_perform(c);
    long status = 0;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &status);
    SetState(HttpState::Disconnected);

    if (t.stalled)
        return Fail(CURLE_OPERATION_TIMEDOUT,
                    "No data arrived for " + std::to_string(limits_.stallTimeoutMs) + " ms");
    if (rc == CURLE_ABORTED_BY_CALLBACK) return Fail(kCancelled, "Cancelled");
    if (t.tooLarge || rc == CURLE_FILESIZE_EXCEEDED)
        return Fail(EFBIG, "The response is larger than " + std::to_string(t.limit) + " bytes");
    if (rc != CURLE_OK)
        return Fail(static_cast<int>(rc), error[0] ? error : curl_easy_strerror(rc));
    if (status != 200) return Fail(static_cast<int>(status), t.reason);
    code_ = static_cast<int>(status);
    text_ = t.reason;
    curl_off_t length = -1;
    if (size && curl_easy_getinfo(c, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length) == CURLE_OK &&
        length > 0)
        *size = static_cast<std::uint64_t>(length);
    SetState(HttpState::ResponseCompleted);
    return std::move(t.body);
}

} // namespace tw
