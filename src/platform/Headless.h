// SPDX-License-Identifier: MIT
// The machine without a window: for tests and the batch program. Settings go to the same INI
// store as the real program's; dialogs take scripted answers and are recorded.
#pragma once

#include "platform/Platform.h"
#include "platform/ini_settings.h"
#include "platform/recording_surface.h"

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tw {

class Headless : public Platform {
public:
    struct ShownMessage {
        std::string title;
        std::string prompt;
        int buttons = 0;
        int answer = 0;
    };
    struct StartedProgram {
        std::string program;
        std::vector<std::string> args;
    };

    Headless(std::string installFolder, std::filesystem::path configFolder);

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
    // Runs the hook a test gives, in place of the window's pending events.
    void DoEvents() override {
        if (events_) events_();
    }
    void SetEventsHook(std::function<void()> hook) { events_ = std::move(hook); }
    void SetMousePointer(MousePointer pointer) override { pointer_ = pointer; }
    ScreenInfo Screen() override { return screen_; }
    TextExtent MeasureText(const std::string& text, const Font& font) override;
    char DecimalSeparator() override { return decimal_; }
    std::string ExecutableFolder() override { return installFolder_; }
    std::vector<int> ProgramVersion() override;
    bool FolderWritable(const std::string& folder) override;
    std::string StateFolder() override {
        return stateFolder_.empty() ? Platform::StateFolder() : stateFolder_;
    }

    // Reports: the printer dialog prints as queued (cancelled when nothing is queued); print
    // jobs and page pictures are recording surfaces, kept for the caller to inspect, and a
    // page picture is saved as its drawing record (text: this machine draws no pixels);
    // mails are noted; date and time are the machine's unless set.
    struct SentMail {
        std::string recipient;
        std::string subject;
        std::string body;
        std::vector<std::string> attachments;
    };
    std::shared_ptr<DrawingSurface> PrinterDialog(const std::string& documentName = "") override;
    // The PDF document is its drawing record, written to the path when it ends.
    std::shared_ptr<DrawingSurface> NewPdfDocument(const std::string& path,
                                                   const std::string& title) override;
    std::shared_ptr<DrawingSurface> NewPageImage() override;
    bool SendMail(const std::string& recipient, const std::string& subject, const std::string& body,
                  const std::vector<std::string>& attachments) override;
    std::string DateText() override;
    std::string DateText(const std::string& format) override;
    std::string TimeText() override;
    void QueuePrinterAnswer(bool print) { printerAnswers_.push_back(print); }
    int PrinterDialogsShown() const { return printerDialogs_; }
    const std::vector<std::shared_ptr<RecordingSurface>>& PrintJobs() const { return printJobs_; }
    const std::vector<std::shared_ptr<RecordingSurface>>& PageImages() const { return pageImages_; }
    const std::vector<SentMail>& Mails() const { return mails_; }
    const std::vector<std::shared_ptr<RecordingSurface>>& PdfDocuments() const {
        return pdfDocuments_;
    }
    // The document names the printer dialogs proposed.
    const std::vector<std::string>& PrintedDocumentNames() const { return documentNames_; }
    void SetMailWorks(bool works) { mailWorks_ = works; }
    void SetClock(const std::string& date, const std::string& time) {
        date_ = date;
        time_ = time;
    }

    // Test and batch controls.
    void QueueAnswer(int code) { answers_.push_back(code); }
    // The path the next file dialog returns ("" cancels it); without one the dialog is cancelled.
    void QueueFileName(const std::string& path) { fileNames_.push_back(path); }
    const std::vector<FileDialogRequest>& FileDialogs() const { return dialogs_; }
    // The text the next input box returns ("" cancels it); without one it is cancelled.
    void QueueText(const std::string& text) { texts_.push_back(text); }
    const std::vector<std::string>& InputPrompts() const { return prompts_; }
    void SetDecimalSeparator(char c) { decimal_ = c; }
    // The installation folder as one the user cannot write, as under a system package; the
    // user's state folder (else the machine's).
    void SetInstallationReadOnly(bool readOnly) { installationReadOnly_ = readOnly; }
    void SetStateFolder(const std::string& folder) { stateFolder_ = folder; }
    void SetScreen(const ScreenInfo& s) { screen_ = s; }
    // A desktop with its animations switched off.
    bool ReducedMotion() override { return reducedMotion_; }
    void SetReducedMotion(bool reduced) { reducedMotion_ = reduced; }
    const std::vector<ShownMessage>& Messages() const { return messages_; }
    const std::vector<StartedProgram>& StartedPrograms() const { return started_; }
    const std::vector<std::string>& OpenedDocuments() const { return opened_; }
    MousePointer Pointer() const { return pointer_; }
    IniSettings& Settings() { return settings_; }

private:
    std::string installFolder_;
    std::function<void()> events_;
    IniSettings settings_;
    std::deque<int> answers_;
    std::deque<std::string> fileNames_;
    std::vector<FileDialogRequest> dialogs_;
    std::deque<std::string> texts_;
    std::vector<std::string> prompts_;
    std::vector<ShownMessage> messages_;
    std::vector<StartedProgram> started_;
    std::vector<std::string> opened_;
    char decimal_ = '.';
    bool installationReadOnly_ = false;
    bool reducedMotion_ = false;
    std::string stateFolder_;
    ScreenInfo screen_;
    MousePointer pointer_ = MousePointer::Default;
    std::deque<bool> printerAnswers_;
    int printerDialogs_ = 0;
    std::vector<std::shared_ptr<RecordingSurface>> printJobs_;
    std::vector<std::shared_ptr<RecordingSurface>> pageImages_;
    std::vector<SentMail> mails_;
    std::vector<std::string> documentNames_;
    std::vector<std::shared_ptr<RecordingSurface>> pdfDocuments_;
    bool mailWorks_ = true;
    std::string date_;
    std::string time_;
};

} // namespace tw
