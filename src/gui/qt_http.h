// SPDX-License-Identifier: MIT
// The HTTP client of the real machine: Qt's network access (http and https, the desktop's
// redirects and TLS), waited for in a local event loop that lets no user input through, so
// the window cannot start a second request while one runs.
#pragma once

#include "platform/http_client.h"

#include <memory>
#include <string>

class QNetworkAccessManager;

namespace tw {

class QtHttpClient : public HttpClient {
public:
    QtHttpClient();
    ~QtHttpClient() override;
    QtHttpClient(const QtHttpClient&) = delete;
    QtHttpClient& operator=(const QtHttpClient&) = delete;

    std::string Fetch(const std::string& url) override;

private:
    std::unique_ptr<QNetworkAccessManager> manager_;
};

} // namespace tw
