// SPDX-License-Identifier: MIT
// The real machine: Qt message boxes, the desktop's handlers, the screen's fonts, and the
// same INI settings store as the headless machine.
#pragma once

#include "platform/Platform.h"
#include "platform/ini_settings.h"

#include <cstdint>
#include <functional>

namespace tw {

class QtPlatform : public Platform {
public:
    QtPlatform();

    std::string GetSetting(const std::string& app, const std::string& section,
                           const std::string& key, const std::string& fallback) override;
    bool SaveSetting(const std::string& app, const std::string& section, const std::string& key,
                     const std::string& value) override;
    int MessageBox(const std::string& title, const std::string& prompt, int buttons) override;
    bool StartProgram(const std::string& program, const std::vector<std::string>& args) override;
    int OpenDocument(const std::string& target) override;
    std::string FileDialog(const FileDialogRequest& request) override;
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;
    void DoEvents() override;
    void SetMousePointer(MousePointer pointer) override;
    ScreenInfo Screen() override;
    // The desktop's files, then GNOME's own setting through gsettings; asked again at most
    // every ten seconds, since the user may change it while the program runs.
    bool ReducedMotion() override;
    TextExtent MeasureText(const std::string& text, const Font& font) override;
    char DecimalSeparator() override;
    std::string ExecutableFolder() override;
    std::vector<int> ProgramVersion() override;

    // Reports: the printer dialog (printers and PDF files), A4 page pictures, the mail
    // hand-off through xdg-email, date and time in the system's short formats.
    std::shared_ptr<DrawingSurface> PrinterDialog(const std::string& documentName = "") override;
    bool PrintPreview(const std::string& documentName,
                      const std::function<void(DrawingSurface&)>& draw) override;
    std::shared_ptr<DrawingSurface> NewPdfDocument(const std::string& path,
                                                   const std::string& title) override;
    std::shared_ptr<DrawingSurface> NewPageImage() override;
    bool SendMail(const std::string& recipient, const std::string& subject, const std::string& body,
                  const std::vector<std::string>& attachments) override;
    using Platform::DateText;
    std::string DateText() override;
    std::string TimeText() override;

    // Called before pending events run, so the window shows the model's state first.
    void SetBeforeEvents(std::function<void()> hook) { beforeEvents_ = std::move(hook); }

private:
    IniSettings settings_;
    std::function<void()> beforeEvents_;
    bool hourglass_ = false;
    bool reducedMotion_ = false;
    std::int64_t reducedMotionAsked_ = -1;
};

} // namespace tw
