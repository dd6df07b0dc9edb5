// SPDX-License-Identifier: MIT
#include "support/http_test_server.h"

#include <arpa/inet.h>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <ctime>
#include <fstream>
#include <iterator>
#include <netinet/in.h>
#include <poll.h>
#include <sstream>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace tw::test {

namespace {

// Every wait of the server is bounded, so a test never hangs on it.
constexpr int kWaitMs = 5000;

bool WaitFor(int fd, short events, int ms) {
    pollfd p{fd, events, 0};
    return ::poll(&p, 1, ms) > 0;
}

void SendAll(int fd, const std::string& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size() && WaitFor(fd, POLLOUT, kWaitMs)) {
        ssize_t n = ::send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n <= 0) return;
        sent += static_cast<std::size_t>(n);
    }
}

// The request's head, up to the empty line; "" when the client sends none in time.
std::string ReadHead(int fd) {
    std::string head;
    char buf[4096];
    while (head.find("\r\n\r\n") == std::string::npos && head.size() < 65536) {
        if (!WaitFor(fd, POLLIN, kWaitMs)) return std::string();
        ssize_t n = ::recv(fd, buf, sizeof buf, 0);
        if (n <= 0) return std::string();
        head.append(buf, static_cast<std::size_t>(n));
    }
    return head;
}

std::string Decode(const std::string& target) {
    std::string out;
    for (std::size_t i = 0; i < target.size(); ++i) {
        if (target[i] == '%' && i + 2 < target.size()) {
            out += static_cast<char>(std::stoi(target.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            out += target[i];
        }
    }
    return out;
}

std::string HttpDate(fs::file_time_type when) {
    auto system = std::chrono::time_point_cast<std::chrono::system_clock::duration>(
        when - fs::file_time_type::clock::now() + std::chrono::system_clock::now());
    std::time_t t = std::chrono::system_clock::to_time_t(system);
    std::tm tm{};
    ::gmtime_r(&t, &tm);
    char text[64];
    std::strftime(text, sizeof text, "%a, %d %b %Y %H:%M:%S GMT", &tm);
    return text;
}

} // namespace

HttpTestServer::HttpTestServer(fs::path root) : root_(std::move(root)) {
    listener_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = 0; // a free port
    socklen_t length = sizeof address;
    if (listener_ < 0 || ::bind(listener_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        ::listen(listener_, 8) != 0 ||
        ::getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        throw std::runtime_error(std::string("test server: ") + std::strerror(errno));
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
}

HttpTestServer::~HttpTestServer() {
    Stop();
}

std::string HttpTestServer::Address(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + "/" + path;
}

void HttpTestServer::SetFault(const std::string& path, Fault fault) {
    std::lock_guard<std::mutex> lock(mutex_);
    faults_[path] = fault;
}

std::vector<std::string> HttpTestServer::Requests() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

void HttpTestServer::Stop() {
    if (stopping_.exchange(true)) return;
    if (thread_.joinable()) thread_.join();
    ::close(listener_);
}

void HttpTestServer::Serve() {
    while (!stopping_) {
        if (!WaitFor(listener_, POLLIN, 50)) continue;
        int fd = ::accept4(listener_, nullptr, nullptr, SOCK_CLOEXEC);
        if (fd < 0) continue;
        Answer(fd);
        // Half-close, let the client read to the end, then let go.
        ::shutdown(fd, SHUT_WR);
        char buf[256];
        while (WaitFor(fd, POLLIN, kWaitMs) && ::recv(fd, buf, sizeof buf, 0) > 0) {
        }
        ::close(fd);
    }
}

void HttpTestServer::Answer(int fd) {
    const std::string head = ReadHead(fd);
    std::istringstream line(head.substr(0, head.find("\r\n")));
    std::string method, target;
    line >> method >> target;
    if (method.empty()) return;
    Fault fault = Fault::None;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        requests_.push_back(target);
        if (auto it = faults_.find(target); it != faults_.end()) fault = it->second;
    }

    if (fault == Fault::RedirectLoop || fault == Fault::Redirect) {
        const std::string to = fault == Fault::Redirect ? target + ".moved" : target;
        SendAll(fd, "HTTP/1.1 302 Found\r\nLocation: " + to +
                        "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n");
        return;
    }
    const fs::path file = root_ / fs::path(Decode(target)).relative_path();
    std::error_code ec;
    const bool inside = Decode(target).find("..") == std::string::npos;
    if (fault == Fault::NotFound || !inside || !fs::is_regular_file(file, ec)) {
        const std::string body = "not found";
        SendAll(fd, "HTTP/1.1 404 Not Found\r\nContent-Length: " + std::to_string(body.size()) +
                        "\r\nConnection: close\r\n\r\n" + body);
        return;
    }
    std::ifstream in(file, std::ios::binary);
    const std::string body((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string headers = "HTTP/1.1 200 OK\r\nConnection: close\r\n";
    if (fault != Fault::NoLastModified)
        headers += "Last-Modified: " + HttpDate(fs::last_write_time(file)) + "\r\n";

    switch (fault) {
    case Fault::Chunked: {
        std::string chunked;
        for (std::size_t at = 0; at < body.size(); at += 7) {
            const std::string part = body.substr(at, 7);
            std::ostringstream size;
            size << std::hex << part.size();
            chunked += size.str() + "\r\n" + part + "\r\n";
        }
        SendAll(fd, headers + "Transfer-Encoding: chunked\r\n\r\n" + chunked + "0\r\n\r\n");
        break;
    }
    case Fault::Trickle:
        SendAll(fd, headers + "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n");
        for (std::size_t at = 0; at < body.size() && !stopping_; ++at) {
            if (::send(fd, &body[at], 1, MSG_NOSIGNAL) != 1) break;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        break;
    case Fault::CutBody:
        SendAll(fd, headers + "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" +
                        body.substr(0, body.size() / 2));
        break;
    case Fault::WrongLength: {
        SendAll(fd, headers + "Content-Length: " + std::to_string(body.size() + 100) + "\r\n\r\n" +
                        body);
        // The rest never comes; the client has to give up by itself.
        char buf[256];
        while (!stopping_ && WaitFor(fd, POLLIN, kWaitMs) && ::recv(fd, buf, sizeof buf, 0) > 0) {
        }
        break;
    }
    default:
        SendAll(fd, headers + "Content-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body);
        break;
    }
}

} // namespace tw::test
