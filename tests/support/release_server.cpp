// SPDX-License-Identifier: MIT
#include "support/release_server.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace tw::test {

bool RunCommand(const std::string& command) {
    return std::system(("(" + command + ") >/dev/null 2>&1").c_str()) == 0;
}

const fs::path& TestKeys() {
    static const fs::path keys = [] {
        const fs::path dir =
            fs::temp_directory_path() / ("tarnwell-keys-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        for (const char* who : {"publisher", "stranger"})
            if (!RunCommand("minisign -G -W -f -p " + (dir / who).string() + ".pub -s " +
                            (dir / who).string() + ".key"))
                throw std::runtime_error("minisign could not make a key");
        if (!RunCommand("openssl req -x509 -newkey ec -pkeyopt ec_paramgen_curve:prime256v1 "
                        "-nodes -days 2 -subj /CN=localhost -addext subjectAltName=DNS:localhost "
                        "-keyout " +
                        (dir / "tls.key").string() + " -out " + (dir / "tls.crt").string()))
            throw std::runtime_error("openssl could not make a certificate");
        return dir;
    }();
    return keys;
}

ReleaseServer::ReleaseServer(const fs::path& root, const fs::path& faultFile,
                             const std::string& cert, const std::string& key)
    : faults_(faultFile), tls_(!cert.empty()) {
    SetFault("", "");
    int out[2];
    if (::pipe(out) != 0) throw std::runtime_error("release server: no pipe");
    const std::string script = std::string(TW_SOURCE_DIR) + "/tests/support/release_server.py";
    pid_ = ::fork();
    if (pid_ == 0) {
        ::dup2(out[1], 1);
        ::close(out[0]);
        ::close(out[1]);
        std::vector<std::string> args = {"python3",     script,     "--root",
                                         root.string(), "--faults", faults_.string()};
        if (tls_) args.insert(args.end(), {"--cert", cert, "--key", key});
        std::vector<char*> argv;
        for (auto& a : args)
            argv.push_back(a.data());
        argv.push_back(nullptr);
        ::execvp("python3", argv.data());
        ::_exit(127);
    }
    ::close(out[1]);
    FILE* in = ::fdopen(out[0], "r");
    if (!in || std::fscanf(in, "%d", &port_) != 1) {
        if (in) std::fclose(in);
        throw std::runtime_error("release server did not start");
    }
    std::fclose(in);
}

ReleaseServer::~ReleaseServer() {
    if (pid_ > 0) {
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
}

std::string ReleaseServer::Address(const std::string& path) const {
    return (tls_ ? "https://localhost:" : "http://127.0.0.1:") + std::to_string(port_) + "/" + path;
}

void ReleaseServer::SetFault(const std::string& path, const std::string& fault) {
    if (!path.empty()) table_[path] = fault;
    std::ofstream f(faults_, std::ios::trunc);
    f << "{";
    const char* comma = "";
    for (const auto& [p, kind] : table_) {
        f << comma << "\"" << p << "\": \"" << kind << "\"";
        comma = ", ";
    }
    f << "}\n";
}

} // namespace tw::test
