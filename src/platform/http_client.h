// SPDX-License-Identifier: MIT
// A blocking HTTP client, as the update service uses it: one GET returns the whole body, and
// afterwards the response's headers, its code and text can be asked for. The client reports
// the steps of a request to a listener, with the state numbers of the classic internet
// transfer control (11 is the error state).
#pragma once

#include <cstddef>
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

class HttpClient {
public:
    using StateListener = std::function<void(HttpState)>;

    // A body larger than this is refused: nothing the program fetches comes near it.
    static constexpr std::size_t kMaxBodyBytes = 256u * 1024u * 1024u;

    virtual ~HttpClient() = default;

    // Fetches the address with GET and returns the whole body. A failed request (no
    // connection, a time-out, a body cut short, a status other than 200) ends in the error
    // state with an empty body; ResponseCode and ResponseText then say why.
    virtual std::string Fetch(const std::string& url) = 0;

    // The longest wait for a connection or for the next bytes of a response.
    void SetTimeout(int milliseconds) { timeoutMs_ = milliseconds; }
    int Timeout() const { return timeoutMs_; }

    // Called on every state change of a request; an empty function stops the reports.
    void SetStateListener(StateListener listener) { listener_ = std::move(listener); }

    // The last request's state, a header of its response by name (ignoring case; "" when
    // absent), its status code and reason phrase, or on a failure without a response an
    // error number and its description.
    HttpState State() const { return state_; }
    std::string Header(const std::string& name) const;
    int ResponseCode() const { return code_; }
    const std::string& ResponseText() const { return text_; }

protected:
    // A new request: state, headers, code and text are forgotten.
    void Reset();
    void SetState(HttpState state);
    void AddHeader(std::string name, std::string value);
    void SetResponse(int code, std::string text);
    // Sets the code and text and enters the error state; returns an empty body.
    std::string Fail(int code, std::string text);

private:
    StateListener listener_;
    HttpState state_ = HttpState::None;
    std::vector<std::pair<std::string, std::string>> headers_;
    int code_ = 0;
    std::string text_;
    int timeoutMs_ = 30000;
};

} // namespace tw
