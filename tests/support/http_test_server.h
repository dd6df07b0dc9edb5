// SPDX-License-Identifier: MIT
// A small HTTP server for tests: serves the files below a folder on 127.0.0.1 and a free
// port, one connection at a time, from a thread of its own, and fails on demand.
#pragma once

#include <atomic>
#include <filesystem>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tw::test {

class HttpTestServer {
public:
    enum class Fault {
        None,
        NotFound,       // 404 whether the file is there or not
        CutBody,        // the connection closes after half the body
        WrongLength,    // Content-Length promises more than is sent; the server then waits
        NoLastModified, // a whole body without a Last-Modified header
        Chunked,        // the body in chunks, no Content-Length
        Trickle,        // the body one byte every 50 ms
        RedirectLoop,   // 302 back to the same path, for ever
        Redirect,       // 302 to the same path with ".moved" added
    };

    explicit HttpTestServer(std::filesystem::path root);
    ~HttpTestServer();
    HttpTestServer(const HttpTestServer&) = delete;
    HttpTestServer& operator=(const HttpTestServer&) = delete;

    int Port() const { return port_; }
    // "http://127.0.0.1:<port>/" followed by the given path.
    std::string Address(const std::string& path = "") const;

    // How requests for a path ("/opdata/help.html") are answered from now on.
    void SetFault(const std::string& path, Fault fault);
    // The request targets answered so far, in order.
    std::vector<std::string> Requests() const;
    // Stops serving: later connections are refused. Also done by the destructor.
    void Stop();

private:
    void Serve();
    void Answer(int fd);

    std::filesystem::path root_;
    int listener_ = -1;
    int port_ = 0;
    std::atomic<bool> stopping_{false};
    mutable std::mutex mutex_;
    std::map<std::string, Fault> faults_;
    std::vector<std::string> requests_;
    std::thread thread_;
};

} // namespace tw::test
