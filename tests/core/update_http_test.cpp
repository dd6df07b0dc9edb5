// SPDX-License-Identifier: MIT
// The HTTP client against a real server on 127.0.0.1: whole bodies by length and in chunks,
// headers by name, redirects, and every way a download can go wrong ending in the error state
// within its time-outs.
#include "platform/http_client.h"
#include "platform/http_response.h"
#include "support/http_test_server.h"

#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

namespace tw {
namespace {

namespace fs = std::filesystem;
using Fault = test::HttpTestServer::Fault;

TEST(HttpResponse, StatusLinesAndHeaderFields) {
    using K = ResponseLine::Kind;
    struct Case {
        const char* line;
        K kind;
        int code;
        const char* name;
        const char* value;
    } cases[] = {
        {"HTTP/1.1 200 OK\r\n", K::Status, 200, "", "OK"},
        {"HTTP/2 404\r\n", K::Status, 404, "", ""},
        {"HTTP/1.0 2x0 Odd\r\n", K::Status, 0, "", "Odd"},
        {"HTTP/1.1\r\n", K::Status, 0, "", ""},
        {"Last-Modified:  Mon, 07 Dec 2026 09:30:00 GMT \r\n", K::Field, 0, "Last-Modified",
         "Mon, 07 Dec 2026 09:30:00 GMT"},
        {"X-Empty:\r\n", K::Field, 0, "X-Empty", ""},
        {": no name\r\n", K::Other, 0, "", ""},
        {"\r\n", K::Other, 0, "", ""},
    };
    for (const auto& c : cases) {
        const ResponseLine r = ParseResponseLine(c.line);
        EXPECT_EQ(r.kind, c.kind) << c.line;
        EXPECT_EQ(r.code, c.code) << c.line;
        EXPECT_EQ(r.name, c.name) << c.line;
        EXPECT_EQ(r.value, c.value) << c.line;
    }
}

class Http : public ::testing::Test {
protected:
    Http() : server(root) {
        fs::create_directories(root / "data");
        std::ofstream(root / "data" / "file.bin", std::ios::binary) << body;
        std::ofstream(root / "data" / "file.bin.moved", std::ios::binary) << "moved";
        HttpLimits limits;
        limits.connectTimeoutMs = 1000;
        limits.stallTimeoutMs = 1000;
        limits.maxBodyBytes = 100000;
        client.SetLimits(limits);
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
    HttpClient client;
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
    // A redirect is followed, and the headers are those of the final answer.
    server.SetFault("/data/file.bin", Fault::Redirect);
    EXPECT_EQ(client.Fetch(server.Address("data\\file.bin")), "moved");
    EXPECT_NE(client.Header("Last-Modified").find("GMT"), std::string::npos);
    EXPECT_EQ(client.Header("Location"), "");
}

TEST_F(Http, FailuresEndInTheErrorStateWithoutABodyWithinTheTimeOuts) {
    struct Case {
        Fault fault;
        const char* path;
        std::uint64_t limit;
        int code;
    } cases[] = {
        {Fault::None, "data/missing.bin", 0, 404},
        {Fault::NotFound, "data/file.bin", 0, 404},
        {Fault::CutBody, "data/file.bin", 0, 18},     // CURLE_PARTIAL_FILE
        {Fault::WrongLength, "data/file.bin", 0, 28}, // CURLE_OPERATION_TIMEDOUT
        {Fault::Trickle, "data/file.bin", 0, 28},
        {Fault::RedirectLoop, "data/file.bin", 0, 47}, // CURLE_TOO_MANY_REDIRECTS
        {Fault::None, "data/file.bin", 40014, EFBIG},
        {Fault::Chunked, "data/file.bin", 40014, EFBIG},
    };
    for (const auto& c : cases) {
        server.SetFault(std::string("/") + c.path, c.fault);
        states.clear();
        const auto start = std::chrono::steady_clock::now();
        EXPECT_EQ(client.Fetch(server.Address(c.path), c.limit), "") << c.path;
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(4));
        EXPECT_EQ(client.State(), HttpState::Error) << c.path;
        EXPECT_EQ(client.ResponseCode(), c.code) << client.ResponseText();
        EXPECT_FALSE(client.ResponseText().empty());
        EXPECT_EQ(states.back(), 11);
    }
}

TEST_F(Http, NoServerOtherSchemesAndCancel) {
    const std::string address = server.Address("data/file.bin");
    server.SetFault("/data/file.bin", Fault::Trickle);
    std::thread cancel([this] {
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        client.Cancel();
    });
    EXPECT_EQ(client.Fetch(address), "");
    cancel.join();
    EXPECT_EQ(client.ResponseCode(), HttpClient::kCancelled);
    EXPECT_EQ(client.Fetch(address), ""); // until the cancel is cleared
    client.ClearCancel();

    server.Stop();
    EXPECT_EQ(client.Fetch(address), "");
    EXPECT_EQ(client.State(), HttpState::Error);
    EXPECT_EQ(client.ResponseCode(), 7); // CURLE_COULDNT_CONNECT

    for (const char* other : {"file:///etc/passwd", "ftp://127.0.0.1/", "127.0.0.1/x"}) {
        EXPECT_EQ(client.Fetch(other), "");
        EXPECT_EQ(client.State(), HttpState::Error);
        EXPECT_NE(client.ResponseText().find(other), std::string::npos);
    }
}

} // namespace
} // namespace tw
