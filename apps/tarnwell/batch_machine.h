// SPDX-License-Identifier: MIT
// The headless machine of tarnwell: the answers given with --answer go, in order, to whatever
// dialog comes next, a message box or a file dialog. Every dialog is noted for the user.
#pragma once

#include "platform/Headless.h"

#include <deque>
#include <filesystem>
#include <string>
#include <vector>

namespace tarnwell {

// An action that cannot be carried out as written; the reason names the step.
struct ActionFailure {
    std::string reason;
};

class BatchMachine : public tw::Headless {
public:
    BatchMachine(std::string installFolder, std::filesystem::path configFolder);

    // An answer for the next dialog: yes, no, ok, cancel, abort, retry, ignore, or a path.
    void QueueReply(const std::string& text, const std::string& origin);
    std::size_t PendingReplies() const { return replies_.size(); }

    int MessageBox(const std::string& title, const std::string& prompt, int buttons) override;
    std::string FileDialog(const tw::FileDialogRequest& request) override;
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    // The report as a PDF file, drawn by Qt Gui on its offscreen platform; nothing when this
    // program was built without Qt.
    std::shared_ptr<tw::DrawingSurface> NewPdfDocument(const std::string& path,
                                                       const std::string& title) override;

    // One line per dialog shown since the last call, for the user's standard error.
    std::vector<std::string> TakeNotes();
    // The text of the last message box shown.
    const std::string& LastPrompt() const { return lastPrompt_; }

private:
    struct Reply {
        std::string text;
        std::string origin;
    };

    std::deque<Reply> replies_;
    std::vector<std::string> notes_;
    std::string lastPrompt_;
};

// The message-box code of an answer word, 0 for anything else.
int AnswerCode(const std::string& word);

} // namespace tarnwell
