// SPDX-License-Identifier: MIT
// The one HTTP client of the program, for the window and the batch program alike: libcurl
// with the system's certificate store. One GET returns the whole body; afterwards the
// response's headers, its code and text can be asked for. The client reports the steps of a
// request to a listener, with the state numbers of the classic internet transfer control
// (11 is the error state).
//
// Every request is bounded: a connect time-out, a stall time-out (the transfer is given up
// when fewer than `stallBytesPerSecond` arrive on average over `stallTimeoutMs`, which also
// ends a server that trickles its body a byte at a time), at most `maxRedirects` redirects,
// and at most `maxBodyBytes` of body. Only http:// and https:// are spoken, and a redirect
// from an https:// address never leads to plain http://.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tw {

enum class HttpState : int {
    None = 0,
    ResolvingHost = 1,
    HostResolved = 2,
    Connecting = 3,
    Connected = 4,
    Requesting = 5,
    RequestSent = 6,
    ReceivingResponse = 7,
    ResponseReceived = 8,
    Disconnecting = 9,
    Disconnected = 10,
    Error = 11,
    ResponseCompleted = 12,
};

struct HttpLimits {
    int connectTimeoutMs = 15000;
    int stallTimeoutMs = 30000;
    long stallBytesPerSecond = 512;
    int maxRedirects = 5;
    std::uint64_t maxBodyBytes = 256ull * 1024 * 1024;
    // A file of trusted certificates used instead of the system's store (tests, a company's
    // own certificate authority); empty for the system's store.
    std::string caFile;
};

class HttpClient {
public:
    using StateListener = std::function<void(HttpState)>;
    // Bytes of the body received so far and the whole body's size (0 while unknown).
    using ProgressListener = std::function<void(std::uint64_t received, std::uint64_t total)>;

    // The error code of a transfer given up by Cancel().
    static constexpr int kCancelled = -1;

    HttpClient();
    ~HttpClient();
    HttpClient(const HttpClient&) = delete;
    HttpClient& operator=(const HttpClient&) = delete;

    // Fetches the address with GET and returns the whole body. A failed request (no
    // connection, a time-out, a body cut short or too large, a status other than 200, too
    // many redirects, a cancel) ends in the error state with an empty body; ResponseCode and
    // ResponseText then say why. maxBytes, when not 0, limits this body further.
    std::string Fetch(const std::string& url, std::uint64_t maxBytes = 0);

    // The size the server gives for an address (a HEAD request), 0 when it tells none or the
    // request fails.
    std::uint64_t Size(const std::string& url);

    void SetLimits(const HttpLimits& limits) { limits_ = limits; }
    const HttpLimits& Limits() const { return limits_; }

    // Called on every state change and as body bytes arrive, on the thread that runs Fetch;
    // an empty function stops the reports.
    void SetStateListener(StateListener listener) { listener_ = std::move(listener); }
    void SetProgressListener(ProgressListener listener) { progress_ = std::move(listener); }

    // Gives up the running transfer, and every later one until ClearCancel; from any thread.
    void Cancel() { cancel_ = true; }
    void ClearCancel() { cancel_ = false; }
    bool Cancelled() const { return cancel_; }

    // The last request's state, a header of its final response by name (ignoring case; ""
    // when absent), its status code and reason phrase, or on a failure without a response
    // an error code and its description.
    HttpState State() const { return state_; }
    std::string Header(const std::string& name) const;
    int ResponseCode() const { return code_; }
    const std::string& ResponseText() const { return text_; }

private:
    struct Transfer;
    friend struct Transfer;

    std::string Perform(const std::string& url, std::uint64_t maxBytes, std::uint64_t* size);
    void SetState(HttpState state);
    std::string Fail(int code, std::string text);

    HttpLimits limits_;
    StateListener listener_;
    ProgressListener progress_;
    std::atomic<bool> cancel_{false};
    HttpState state_ = HttpState::None;
    std::vector<std::pair<std::string, std::string>> headers_;
    int code_ = 0;
    std::string text_;
};

} // namespace tw
