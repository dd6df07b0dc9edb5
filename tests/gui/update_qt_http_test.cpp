// SPDX-License-Identifier: MIT
// The window's HTTP client (Qt's network access) against a real server on 127.0.0.1: the
// same answers and the same error state as the headless machine's client.
#include "gui/qt_http.h"
#include "support/http_test_server.h"

#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

namespace tw {
namespace {

namespace fs = std::filesystem;
using Fault = test::HttpTestServer::Fault;

class QtHttp : public ::testing::Test {
protected:
    QtHttp() {
        fs::create_directories(root / "data");
        std::ofstream(root / "data" / "file.bin", std::ios::binary) << body;
        client.SetTimeout(1000);
    }
    ~QtHttp() override {
        server.Stop();
        fs::remove_all(root);
    }

    const std::string body = std::string("binary\0bytes ", 13) + std::string(40000, 'x');
    const fs::path root =
        fs::temp_directory_path() / ("tarnwell-qthttp-" + std::to_string(::getpid()));
    test::HttpTestServer server{root};
    QtHttpClient client;
};

TEST_F(QtHttp, AWholeBodyWithItsHeaders) {
    std::vector<HttpState> states;
    client.SetStateListener([&](HttpState s) { states.push_back(s); });
    for (Fault way : {Fault::None, Fault::Chunked}) {
        server.SetFault("/data/file.bin", way);
        EXPECT_EQ(client.Fetch(server.Address("data/file.bin")), body);
        EXPECT_EQ(client.State(), HttpState::ResponseCompleted);
        EXPECT_EQ(client.ResponseCode(), 200);
        EXPECT_NE(client.Header("last-modified").find("GMT"), std::string::npos);
        ASSERT_FALSE(states.empty());
        EXPECT_EQ(states.back(), HttpState::ResponseCompleted);
    }
}

TEST_F(QtHttp, FailuresEndInTheErrorStateWithoutABody) {
    struct Case {
        Fault fault;
        const char* path;
    } cases[] = {{Fault::None, "data/missing.bin"},
                 {Fault::CutBody, "data/file.bin"},
                 {Fault::WrongLength, "data/file.bin"}};
    for (const auto& c : cases) {
        server.SetFault(std::string("/") + c.path, c.fault);
        EXPECT_EQ(client.Fetch(server.Address(c.path)), "") << c.path;
        EXPECT_EQ(client.State(), HttpState::Error) << c.path;
        EXPECT_FALSE(client.ResponseText().empty()) << c.path;
    }
    EXPECT_EQ(client.Fetch(server.Address("data/missing.bin")), "");
    EXPECT_EQ(client.ResponseCode(), 404);

    const std::string address = server.Address("data/file.bin");
    server.Stop();
    EXPECT_EQ(client.Fetch(address), "");
    EXPECT_EQ(client.State(), HttpState::Error);
}

} // namespace
} // namespace tw
