// SPDX-License-Identifier: MIT
// The real machine for GUI tests: a scratch installation, its own settings, and message boxes
// answered at once (Yes to a question, OK otherwise) instead of waiting for a user. Dialogs
// that would wait for a user (files, printer, the desktop's viewer) are noted in `calls` and
// answered from `answers` and `files`; `realBoxes` shows Qt's own message boxes instead,
// `realDialogs` Qt's own file dialog and print preview, for a test to drive with keys.
#pragma once

#include "gui/qt_platform.h"
#include "support/installation.h"

#include <deque>
#include <memory>
#include <string>
#include <vector>

namespace tw::test {

class QtTestPlatform : public QtPlatform {
public:
    explicit QtTestPlatform(Installation& install)
        : folder_(install.Folder().string()), settings_(install.ConfigFolder()) {}
    std::string ExecutableFolder() override { return folder_; }
    std::string GetSetting(const std::string& app, const std::string& section,
                           const std::string& key, const std::string& fallback) override {
        return settings_.Get(app, section, key, fallback);
    }
    bool SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) override {
        return settings_.Save(app, section, key, value);
    }
    int MessageBox(const std::string& title, const std::string& prompt, int buttons) override {
        calls.push_back("message " + std::to_string(buttons));
        messages.push_back(prompt);
        if (realBoxes) return QtPlatform::MessageBox(title, prompt, buttons);
        if (!answers.empty()) {
            const int answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return (buttons & 7) == mb::YesNo ? mb::Yes : mb::Ok;
    }
    // Dialogs are answered from `files` (cancelled when it is empty) and the desktop is not
    // asked; what would have opened is kept in `opened`, every dialog in `calls`.
    std::string FileDialog(const FileDialogRequest& request) override {
        calls.push_back(request.save ? "save dialog" : "open dialog");
        if (realDialogs) return QtPlatform::FileDialog(request);
        if (files.empty()) return {};
        std::string chosen = files.front();
        files.pop_front();
        return chosen;
    }
    std::string InputBox(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    std::shared_ptr<DrawingSurface> PrinterDialog(const std::string& = "") override {
        calls.push_back("printer dialog");
        return nullptr;
    }
    bool PrintPreview(const std::string& name,
                      const std::function<void(DrawingSurface&)>& draw) override {
        return realDialogs && QtPlatform::PrintPreview(name, draw);
    }
    int OpenDocument(const std::string& target) override {
        calls.push_back("open " + target.substr(target.find_last_of('/') + 1));
        opened.push_back(target);
        return 33;
    }
    bool StartProgram(const std::string& program, const std::vector<std::string>&) override {
        opened.push_back(program);
        return true;
    }
    bool SendMail(const std::string&, const std::string& subject, const std::string&,
                  const std::vector<std::string>&) override {
        opened.push_back("mail: " + subject);
        return true;
    }
    std::vector<std::string> opened;
    std::vector<std::string> calls;
    std::deque<int> answers;
    std::deque<std::string> files;
    bool realBoxes = false;
    bool realDialogs = false;
    std::vector<std::string> messages;

private:
    std::string folder_;
    IniSettings settings_;
};

} // namespace tw::test
