// SPDX-License-Identifier: MIT
// The socket HTTP client against a real server on 127.0.0.1: whole bodies by length and in
// chunks, headers by name, and every way a download can go wrong ending in the error state.
#include "platform/posix_http.h"
#include "support/http_test_server.h"

#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace tw {
namespace {

namespace fs = std::filesystem;
using Fault = test::HttpTestServer::Fault;

TEST(HttpAddress, PartsOfAnHttpAddress) {
    struct Case {
        const char* url;
        const char* host;
        int port;
        const char* target;
    } cases[] = {
        {"http://localhost:8080/tarnwell/Newest.ver", "localhost", 8080, "/tarnwell/Newest.ver"},
        {"HTTP://example.org", "example.org", 80, "/"},
        {"http://127.0.0.1:81/tw\\Newest.ver", "127.0.0.1", 81, "/tw/Newest.ver"},
        {"http://[::1]:9000/a?x=1#top", "::1", 9000, "/a?x=1"},
    };
    for (const auto& c : cases) {
        auto a = ParseHttpAddress(c.url);
        ASSERT_TRUE(a) << c.url;
        EXPECT_EQ(a->host, c.host);
        EXPECT_EQ(a->port, c.port);
        EXPECT_EQ(a->target, c.target);
    }
    for (const char* bad : {"https://h/", "ftp://h/", "http://", "http://h:0/", "http://h:99999/",
                            "http://user@h/", "h/x"})
        EXPECT_FALSE(ParseHttpAddress(bad)) << bad;
}

class Http : public ::testing::Test {
protected:
    Http() : server(root) {
        fs::create_directories(root / "data");
        std::ofstream(root / "data" / "file.bin", std::ios::binary) << body;
        client.SetTimeout(1000);
        client.SetStateListener([this](HttpState s) { states.push_back(static_cast<int>(s)); });
    }
    ~Http() override {
        server.Stop();
        fs::remove_all(root);
    }

    const std::string body = std::string("binary\0\r\nbytes ", 15) + std::string(40000, 'x');
    const fs::path root =
        fs::temp_directory_path() / ("tarnwell-http-" + std::to_string(::getpid()));
    test::HttpTestServer server;
    PosixHttpClient client;
    std::vector<int> states;
};

TEST_F(Http, AWholeBodyWithItsHeaders) {
    for (Fault way : {Fault::None, Fault::Chunked}) {
        server.SetFault("/data/file.bin", way);
        states.clear();
        EXPECT_EQ(client.Fetch(server.Address("data/file.bin")), body);
        EXPECT_EQ(client.State(), HttpState::ResponseCompleted);
        EXPECT_EQ(client.ResponseCode(), 200);
        EXPECT_EQ(client.ResponseText(), "OK");
        EXPECT_NE(client.Header("last-MODIFIED").find("GMT"), std::string::npos);
        EXPECT_EQ(client.Header("X-Missing"), "");
        ASSERT_FALSE(states.empty());
        EXPECT_EQ(states.front(), 1);
        EXPECT_EQ(states.back(), 12);
    }
}

TEST_F(Http, FailuresEndInTheErrorStateWithoutABody) {
    struct Case {
        Fault fault;
        const char* path;
        int code;
    } cases[] = {
        {Fault::None, "data/missing.bin", 404},
        {Fault::NotFound, "data/file.bin", 404},
        {Fault::CutBody, "data/file.bin", 0},
        {Fault::WrongLength, "data/file.bin", ETIMEDOUT},
    };
    for (const auto& c : cases) {
        server.SetFault(std::string("/") + c.path, c.fault);
        states.clear();
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(client.Fetch(server.Address(c.path)), "") << c.path;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
        EXPECT_EQ(client.State(), HttpState::Error) << c.path;
        EXPECT_EQ(client.ResponseCode(), c.code) << client.ResponseText();
        EXPECT_FALSE(client.ResponseText().empty());
        EXPECT_EQ(states.back(), 11);
    }
}

TEST_F(Http, NoServerOrNoHttpAddress) {
    const std::string address = server.Address("data/file.bin");
    server.Stop();
    EXPECT_EQ(client.Fetch(address), "");
    EXPECT_EQ(client.State(), HttpState::Error);
    EXPECT_EQ(client.ResponseCode(), ECONNREFUSED);

    EXPECT_EQ(client.Fetch("https://127.0.0.1/"), "");
    EXPECT_EQ(client.State(), HttpState::Error);
    EXPECT_NE(client.ResponseText().find("https://127.0.0.1/"), std::string::npos);
}

} // namespace
} // namespace tw
