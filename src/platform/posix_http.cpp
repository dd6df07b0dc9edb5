// SPDX-License-Identifier: MIT
#include "platform/posix_http.h"

#include "platform/Platform.h"
#include "platform/version.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/types.h>
#include <unistd.h>

namespace tw {

HttpClient& Platform::Http() {
    if (!http_) http_ = std::make_unique<PosixHttpClient>();
    return *http_;
}

namespace {

constexpr std::size_t kMaxHeaderBytes = 64 * 1024;

std::string Lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

std::string Trim(const std::string& s) {
    std::size_t b = s.find_first_not_of(" \t");
    if (b == std::string::npos) return std::string();
    std::size_t e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

// Why a request went wrong: an error number (errno or the resolver's code, 0 for a fault of
// the response itself) and its description.
struct Failure {
    int code = 0;
    std::string text;
};

Failure SystemFailure(int err) {
    return {err, std::strerror(err)};
}

// One socket with a read buffer; every wait is bounded by the time-out.
class Connection {
public:
    explicit Connection(int timeoutMs) : timeoutMs_(timeoutMs) {}
    ~Connection() {
        if (fd_ >= 0) ::close(fd_);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    std::optional<Failure> Open(const addrinfo* addresses) {
        int lastError = ECONNREFUSED;
        for (const addrinfo* a = addresses; a; a = a->ai_next) {
            int fd = ::socket(a->ai_family, a->ai_socktype | SOCK_CLOEXEC | SOCK_NONBLOCK,
                              a->ai_protocol);
            if (fd < 0) {
                lastError = errno;
                continue;
            }
            int rc = ::connect(fd, a->ai_addr, a->ai_addrlen);
            if (rc != 0 && errno == EINPROGRESS) {
                pollfd p{fd, POLLOUT, 0};
                rc = ::poll(&p, 1, timeoutMs_);
                if (rc == 0) {
                    lastError = ETIMEDOUT;
                    rc = -1;
                } else if (rc > 0) {
                    int err = 0;
                    socklen_t len = sizeof err;
                    ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &err, &len);
                    lastError = err;
                    rc = err == 0 ? 0 : -1;
                } else {
                    lastError = errno;
                }
            } else if (rc != 0) {
                lastError = errno;
            }
            if (rc == 0) {
                fd_ = fd;
                return std::nullopt;
            }
            ::close(fd);
        }
        return SystemFailure(lastError);
    }

    std::optional<Failure> Send(const std::string& bytes) {
        std::size_t sent = 0;
        while (sent < bytes.size()) {
            if (auto f = Wait(POLLOUT)) return f;
            ssize_t n = ::send(fd_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
            if (n < 0) {
                if (errno == EAGAIN || errno == EINTR) continue;
                return SystemFailure(errno);
            }
            sent += static_cast<std::size_t>(n);
        }
        return std::nullopt;
    }

    // Reads more bytes into the buffer; false at the end of the stream. A failure or a
    // time-out is kept in failure.
    bool Fill() {
        for (;;) {
            if (auto f = Wait(POLLIN)) {
                failure = f;
                return false;
            }
            char chunk[16384];
            ssize_t n = ::recv(fd_, chunk, sizeof chunk, 0);
            if (n > 0) {
                buffer_.append(chunk, static_cast<std::size_t>(n));
                received = true;
                return true;
            }
            if (n == 0) return false;
            if (errno == EAGAIN || errno == EINTR) continue;
            failure = SystemFailure(errno);
            return false;
        }
    }

    // One line without its CR LF (or LF); false when the stream ends first.
    bool ReadLine(std::string& line, std::size_t limit) {
        for (;;) {
            std::size_t nl = buffer_.find('\n', pos_);
            if (nl != std::string::npos) {
                line = buffer_.substr(pos_, nl - pos_);
                if (!line.empty() && line.back() == '\r') line.pop_back();
                pos_ = nl + 1;
                Compact();
                return true;
            }
            if (buffer_.size() - pos_ > limit) {
                failure = Failure{0, "Response line too long"};
                return false;
            }
            if (!Fill()) return false;
        }
    }

    // Exactly n bytes appended to out; false when the stream ends first.
    bool ReadExact(std::size_t n, std::string& out) {
        while (buffer_.size() - pos_ < n) {
            if (!Fill()) return false;
        }
        out.append(buffer_, pos_, n);
        pos_ += n;
        Compact();
        return true;
    }

    // Everything up to the server's close; false on a failure or a body beyond the limit.
    bool ReadToEnd(std::string& out, std::size_t limit) {
        for (;;) {
            out.append(buffer_, pos_, std::string::npos);
            buffer_.clear();
            pos_ = 0;
            if (out.size() > limit) {
                failure = Failure{EFBIG, "Response body too large"};
                return false;
            }
            if (!Fill()) return !failure;
        }
    }

    std::optional<Failure> failure;
    bool received = false;

private:
    std::optional<Failure> Wait(short events) {
        pollfd p{fd_, events, 0};
        for (;;) {
            int rc = ::poll(&p, 1, timeoutMs_);
            if (rc > 0) return std::nullopt;
            if (rc == 0) return Failure{ETIMEDOUT, "Timed out waiting for the server"};
            if (errno != EINTR) return SystemFailure(errno);
        }
    }

    void Compact() {
        if (pos_ > 65536) {
            buffer_.erase(0, pos_);
            pos_ = 0;
        }
    }

    int fd_ = -1;
    int timeoutMs_;
    std::string buffer_;
    std::size_t pos_ = 0;
};

bool ParseSize(const std::string& text, int base, std::size_t& value) {
    if (text.empty()) return false;
    value = 0;
    for (char c : text) {
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && std::isxdigit(static_cast<unsigned char>(c)))
            digit = std::tolower(static_cast<unsigned char>(c)) - 'a' + 10;
        else
            return false;
        if (value > (HttpClient::kMaxBodyBytes * 16)) return false;
        value = value * static_cast<std::size_t>(base) + static_cast<std::size_t>(digit);
    }
    return true;
}

} // namespace

std::optional<HttpAddress> ParseHttpAddress(const std::string& url) {
    const std::string scheme = "http://";
    if (url.size() < scheme.size() || Lower(url.substr(0, scheme.size())) != scheme)
        return std::nullopt;
    std::string rest = url.substr(scheme.size());
    std::size_t end = rest.find_first_of("/\\?#");
    std::string authority = rest.substr(0, end);
    std::string target = end == std::string::npos ? std::string() : rest.substr(end);
    if (authority.empty() || authority.find('@') != std::string::npos) return std::nullopt;

    HttpAddress address;
    std::string port;
    if (authority.front() == '[') {
        std::size_t close = authority.find(']');
        if (close == std::string::npos) return std::nullopt;
        address.host = authority.substr(1, close - 1);
        std::string after = authority.substr(close + 1);
        if (!after.empty()) {
            if (after.front() != ':') return std::nullopt;
            port = after.substr(1);
        }
    } else {
        std::size_t colon = authority.find(':');
        address.host = authority.substr(0, colon);
        if (colon != std::string::npos) port = authority.substr(colon + 1);
    }
    if (address.host.empty()) return std::nullopt;
    if (!port.empty()) {
        std::size_t value = 0;
        if (port.size() > 5 || !ParseSize(port, 10, value) || value == 0 || value > 65535)
            return std::nullopt;
        address.port = static_cast<int>(value);
    }

    std::size_t hash = target.find('#');
    if (hash != std::string::npos) target.erase(hash);
    std::size_t query = target.find('?');
    std::replace(target.begin(),
                 query == std::string::npos ? target.end()
                                            : target.begin() + static_cast<std::ptrdiff_t>(query),
                 '\\', '/');
    if (target.empty() || target.front() != '/') target.insert(target.begin(), '/');
    address.target = target;
    return address;
}

std::string PosixHttpClient::Fetch(const std::string& url) {
    Reset();
    auto address = ParseHttpAddress(url);
    if (!address) return Fail(0, "Not an http:// address: " + url);

    SetState(HttpState::ResolvingHost);
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const std::string service = std::to_string(address->port);
    if (int rc = ::getaddrinfo(address->host.c_str(), service.c_str(), &hints, &found); rc != 0)
        return Fail(rc, ::gai_strerror(rc));
    std::unique_ptr<addrinfo, void (*)(addrinfo*)> addresses(found, ::freeaddrinfo);
    SetState(HttpState::HostResolved);

    SetState(HttpState::Connecting);
    Connection connection(Timeout());
    if (auto f = connection.Open(addresses.get())) return Fail(f->code, f->text);
    SetState(HttpState::Connected);

    SetState(HttpState::Requesting);
    const bool v6 = address->host.find(':') != std::string::npos;
    std::string host = v6 ? "[" + address->host + "]" : address->host;
    if (address->port != 80) host += ":" + std::to_string(address->port);
    const std::string request = "GET " + address->target + " HTTP/1.1\r\n" + "Host: " + host +
                                "\r\n" + "User-Agent: Tarnwell/" + std::to_string(kVersionMajor) +
                                "." + std::to_string(kVersionMinor) + "\r\n" + "Accept: */*\r\n" +
                                "Connection: close\r\n\r\n";
    if (auto f = connection.Send(request)) return Fail(f->code, f->text);
    SetState(HttpState::RequestSent);

    auto cut = [&](const char* what) {
        if (connection.failure) return Fail(connection.failure->code, connection.failure->text);
        return Fail(0, what);
    };

    // Status line and headers; interim 1xx responses are skipped.
    int code = 0;
    std::string reason;
    std::string line;
    for (;;) {
        if (!connection.ReadLine(line, kMaxHeaderBytes))
            return cut("The server closed the connection without a response");
        if (connection.received) SetState(HttpState::ReceivingResponse);
        // "HTTP/1.1 200 OK"
        if (line.rfind("HTTP/", 0) != 0 || line.size() < 12 || line[8] != ' ')
            return Fail(0, "Not an HTTP response");
        std::size_t status = 0;
        if (!ParseSize(line.substr(9, 3), 10, status)) return Fail(0, "Not an HTTP response");
        code = static_cast<int>(status);
        reason = line.size() > 13 ? Trim(line.substr(13)) : std::string();
        std::size_t headerBytes = 0;
        for (;;) {
            if (!connection.ReadLine(line, kMaxHeaderBytes))
                return cut("The response ended inside its headers");
            if (line.empty()) break;
            headerBytes += line.size();
            if (headerBytes > kMaxHeaderBytes) return Fail(0, "Response headers too long");
            std::size_t colon = line.find(':');
            if (colon == std::string::npos || code < 200) continue;
            AddHeader(Trim(line.substr(0, colon)), Trim(line.substr(colon + 1)));
        }
        if (code >= 200) break;
    }
    SetState(HttpState::ResponseReceived);

    std::string body;
    const std::string length = Header("Content-Length");
    if (code == 204 || code == 304) {
        // No body.
    } else if (Lower(Header("Transfer-Encoding")).find("chunked") != std::string::npos) {
        for (;;) {
            if (!connection.ReadLine(line, 1024)) return cut("The response ended inside a chunk");
            std::size_t size = 0;
            if (!ParseSize(Trim(line.substr(0, line.find(';'))), 16, size))
                return Fail(0, "Malformed chunk size");
            if (size == 0) break;
            if (body.size() + size > kMaxBodyBytes) return Fail(EFBIG, "Response body too large");
            if (!connection.ReadExact(size, body) || !connection.ReadLine(line, 2) || !line.empty())
                return cut("The response ended inside a chunk");
        }
        // Trailer fields up to the closing empty line.
        do {
            if (!connection.ReadLine(line, kMaxHeaderBytes))
                return cut("The response ended inside its trailer");
        } while (!line.empty());
    } else if (!length.empty()) {
        std::size_t size = 0;
        if (!ParseSize(length, 10, size)) return Fail(0, "Malformed Content-Length");
        if (size > kMaxBodyBytes) return Fail(EFBIG, "Response body too large");
        if (!connection.ReadExact(size, body))
            return cut("The response ended before its body was complete");
    } else if (!connection.ReadToEnd(body, kMaxBodyBytes)) {
        return cut("The response could not be read to its end");
    }

    SetState(HttpState::Disconnecting);
    SetState(HttpState::Disconnected);
    if (code != 200) return Fail(code, reason);
    SetResponse(code, reason);
    SetState(HttpState::ResponseCompleted);
    return body;
}

} // namespace tw
