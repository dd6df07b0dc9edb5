// SPDX-License-Identifier: MIT
// The real machine for GUI tests: a scratch installation, its own settings, and message boxes
// answered at once (Yes to a question, OK otherwise) instead of waiting for a user.
#pragma once

#include "gui/qt_platform.h"
#include "support/installation.h"

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
    int MessageBox(const std::string&, const std::string&, int buttons) override {
        return (buttons & 7) == mb::YesNo ? mb::Yes : mb::Ok;
    }
    // Dialogs are cancelled and the desktop is not asked; what would have opened is kept.
    std::string FileDialog(const FileDialogRequest&) override { return {}; }
    std::string InputBox(const std::string&, const std::string&, const std::string&) override {
        return {};
    }
    std::shared_ptr<DrawingSurface> PrinterDialog() override { return nullptr; }
    int OpenDocument(const std::string& target) override {
        opened.push_back(target);
        return 33;
    }
    bool StartProgram(const std::string& program, const std::vector<std::string>&) override {
        opened.push_back(program);
        return true;
    }
    bool SendMail(const std::string&, const std::string& subject, const std::string&,
                  const std::string&) override {
        opened.push_back("mail: " + subject);
        return true;
    }
    std::vector<std::string> opened;

private:
    std::string folder_;
    IniSettings settings_;
};

} // namespace tw::test
