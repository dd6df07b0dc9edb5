// SPDX-License-Identifier: MIT
// The HTTP client of the machine without a window: plain HTTP/1.1 over a socket, one
// connection per request ("Connection: close"), bodies sized by Content-Length, chunked or
// ended by the server's close. http:// addresses only; redirects are not followed.
#pragma once

#include "platform/http_client.h"

#include <optional>
#include <string>

namespace tw {

struct HttpAddress {
    std::string host; // without the brackets of an IPv6 literal
    int port = 80;
    std::string target; // path and query, at least "/"
};

// The parts of an "http://host[:port]/path" address; nothing for any other address. A
// backslash in the path is a path separator.
std::optional<HttpAddress> ParseHttpAddress(const std::string& url);

class PosixHttpClient : public HttpClient {
public:
    std::string Fetch(const std::string& url) override;
};

} // namespace tw
