// SPDX-License-Identifier: MIT
// A real update server for tests: Python's http.server over HTTP or HTTPS on 127.0.0.1,
// serving a folder, with faults set per path; and the tools a publisher uses (minisign keys
// and signatures, a self-signed certificate made with openssl).
#pragma once

#include <filesystem>
#include <map>
#include <string>

namespace tw::test {

class ReleaseServer {
public:
    // With a certificate and key it speaks HTTPS.
    ReleaseServer(const std::filesystem::path& root, const std::filesystem::path& faultFile,
                  const std::string& cert = "", const std::string& key = "");
    ~ReleaseServer();
    ReleaseServer(const ReleaseServer&) = delete;
    ReleaseServer& operator=(const ReleaseServer&) = delete;

    // "http://127.0.0.1:<port>/" (or https://localhost) followed by the path.
    std::string Address(const std::string& path = "") const;
    // How a path ("/tarnwell/Newest.ver") is answered from now on; "" for normally.
    void SetFault(const std::string& path, const std::string& fault);

private:
    std::filesystem::path faults_;
    std::map<std::string, std::string> table_;
    bool tls_ = false;
    int pid_ = -1;
    int port_ = 0;
};

// Two minisign key pairs made once for all tests, "publisher" and "stranger"
// (<name>.pub, <name>.key), and a certificate for localhost (tls.crt, tls.key).
const std::filesystem::path& TestKeys();

// Runs a shell command; true when it succeeded.
bool RunCommand(const std::string& command);

} // namespace tw::test
