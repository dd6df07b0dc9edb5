// SPDX-License-Identifier: MIT
#include "batch_machine.h"

#include "base/text.h"
#include "pdf_document.h"

#include <algorithm>
#include <cctype>

namespace tarnwell {

namespace {

// The buttons of a message box, as the answer words that press them.
std::vector<int> ButtonsOf(int buttons) {
    switch (buttons & 7) {
    case 1:
        return {tw::mb::Ok, tw::mb::Cancel};
    case 2:
        return {3, 4, 5};
    case 3:
        return {tw::mb::Yes, tw::mb::No, tw::mb::Cancel};
    case 4:
        return {tw::mb::Yes, tw::mb::No};
    case 5:
        return {4, tw::mb::Cancel};
    default:
        return {tw::mb::Ok};
    }
}

const char* AnswerName(int code) {
    switch (code) {
    case tw::mb::Ok:
        return "OK";
    case tw::mb::Cancel:
        return "Cancel";
    case 3:
        return "Abort";
    case 4:
        return "Retry";
    case 5:
        return "Ignore";
    case tw::mb::Yes:
        return "Yes";
    case tw::mb::No:
        return "No";
    default:
        return "?";
    }
}

// A message on one line: its line breaks become " / ".
std::string OneLine(const std::string& text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') continue;
        if (text[i] == '\n') {
            if (!out.empty()) out += " / ";
            continue;
        }
        out += text[i];
    }
    return out;
}

} // namespace

int AnswerCode(const std::string& word) {
    const std::string w = tw::AsciiLower(word);
    if (w == "ok") return tw::mb::Ok;
    if (w == "cancel") return tw::mb::Cancel;
    if (w == "abort") return 3;
    if (w == "retry") return 4;
    if (w == "ignore") return 5;
    if (w == "yes") return tw::mb::Yes;
    if (w == "no") return tw::mb::No;
    return 0;
}

BatchMachine::BatchMachine(std::string installFolder, std::filesystem::path configFolder)
    : Headless(std::move(installFolder), std::move(configFolder)) {}

void BatchMachine::QueueReply(const std::string& text, const std::string& origin) {
    replies_.push_back({text, origin});
}

int BatchMachine::MessageBox(const std::string& title, const std::string& prompt, int buttons) {
    lastPrompt_ = OneLine(prompt);
    const std::vector<int> offered = ButtonsOf(buttons);
    int answer;
    std::string how = "answered";
    if (replies_.empty()) {
        // Unanswered, as a user in a hurry: OK, or Yes to a question.
        answer =
            std::count(offered.begin(), offered.end(), tw::mb::Yes) ? tw::mb::Yes : offered.front();
        how = "acknowledged";
    } else {
        const Reply reply = replies_.front();
        replies_.pop_front();
        answer = AnswerCode(reply.text);
        if (!std::count(offered.begin(), offered.end(), answer)) {
            std::string words;
            for (int code : offered)
                words += std::string(words.empty() ? "" : ", ") + tw::AsciiLower(AnswerName(code));
            throw ActionFailure{reply.origin + ": the answer '" + reply.text +
                                "' does not fit the message \"" + OneLine(title) + ": " +
                                lastPrompt_ + "\", which takes " + words};
        }
    }
    notes_.push_back("message \"" + OneLine(title) + "\": " + lastPrompt_ + " [" + how + " " +
                     AnswerName(answer) + "]");
    return answer;
}

std::string BatchMachine::FileDialog(const tw::FileDialogRequest& request) {
    const char* kind = request.save ? "save" : "open";
    if (replies_.empty()) {
        notes_.push_back(std::string(kind) + " dialog: no answer given [cancelled]");
        return std::string();
    }
    const Reply reply = replies_.front();
    replies_.pop_front();
    const int code = AnswerCode(reply.text);
    if (code == tw::mb::Cancel) {
        notes_.push_back(std::string(kind) + " dialog [cancelled]");
        return std::string();
    }
    if (code != 0 || reply.text.empty())
        throw ActionFailure{reply.origin + ": the answer '" + reply.text + "' does not fit the " +
                            kind + " dialog, which takes a file path or cancel"};
    notes_.push_back(std::string(kind) + " dialog: " + reply.text);
    return reply.text;
}

std::string BatchMachine::InputBox(const std::string& prompt, const std::string&,
                                   const std::string&) {
    if (replies_.empty()) {
        notes_.push_back("input \"" + OneLine(prompt) + "\": no answer given [cancelled]");
        return std::string();
    }
    const Reply reply = replies_.front();
    replies_.pop_front();
    if (AnswerCode(reply.text) == tw::mb::Cancel) {
        notes_.push_back("input \"" + OneLine(prompt) + "\" [cancelled]");
        return std::string();
    }
    notes_.push_back("input \"" + OneLine(prompt) + "\": " + reply.text);
    return reply.text;
}

std::vector<std::string> BatchMachine::TakeNotes() {
    std::vector<std::string> notes;
    notes.swap(notes_);
    return notes;
}

std::shared_ptr<tw::DrawingSurface> BatchMachine::NewPdfDocument(const std::string& path,
                                                                 const std::string& title) {
    return PdfDocument(path, title);
}

} // namespace tarnwell
