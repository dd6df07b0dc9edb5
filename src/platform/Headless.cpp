// SPDX-License-Identifier: MIT
#include "platform/Headless.h"

#include "base/text.h"
#include "platform/version.h"

#include <cstdio>
#include <ctime>
#include <fstream>

namespace tw {

Headless::Headless(std::string installFolder, std::filesystem::path configFolder)
    : installFolder_(std::move(installFolder)), settings_(std::move(configFolder)) {}

std::string Headless::GetSetting(const std::string& app, const std::string& section,
                                 const std::string& key, const std::string& fallback) {
    return settings_.Get(app, section, key, fallback);
}

bool Headless::SaveSetting(const std::string& app, const std::string& section,
                           const std::string& key, const std::string& value) {
    return settings_.Save(app, section, key, value);
}

bool Headless::FolderWritable(const std::string& folder) {
    auto plain = [](const std::string& f) {
        return (std::filesystem::path(f) / "").lexically_normal();
    };
    if (installationReadOnly_ && plain(folder) == plain(installFolder_)) return false;
    return Platform::FolderWritable(folder);
}

int Headless::MessageBox(const std::string& title, const std::string& prompt, int buttons) {
    // Without a scripted answer the box is acknowledged the way a user in a hurry would:
    // OK, or Yes for a question.
    int answer;
    if (!answers_.empty()) {
        answer = answers_.front();
        answers_.pop_front();
    } else {
        int kind = buttons & 7;
        answer = kind == mb::YesNo ? mb::Yes : mb::Ok;
    }
    messages_.push_back({title, prompt, buttons, answer});
    return answer;
}

std::string Headless::FileDialog(const FileDialogRequest& request) {
    dialogs_.push_back(request);
    if (fileNames_.empty()) return std::string();
    std::string path = fileNames_.front();
    fileNames_.pop_front();
    return path;
}

std::string Headless::InputBox(const std::string& prompt, const std::string&, const std::string&) {
    prompts_.push_back(prompt);
    if (texts_.empty()) return std::string();
    std::string text = texts_.front();
    texts_.pop_front();
    return text;
}

bool Headless::StartProgram(const std::string& program, const std::vector<std::string>& args) {
    started_.push_back({program, args});
    return true;
}

int Headless::OpenDocument(const std::string& target) {
    opened_.push_back(target);
    return 33;
}

TextExtent Headless::MeasureText(const std::string& text, const Font& font) {
    // An average glyph of the 8-point dialog font is about 6 pixels wide and 13 high.
    const std::size_t chars = Utf8Length(text);
    double scale = font.size / 8.0;
    int perChar = static_cast<int>(90 * scale * (font.bold ? 1.1 : 1.0));
    return {static_cast<int>(chars) * perChar, static_cast<int>(195 * scale)};
}

std::shared_ptr<DrawingSurface> Headless::PrinterDialog(const std::string& documentName) {
    ++printerDialogs_;
    documentNames_.push_back(documentName);
    const bool print = !printerAnswers_.empty() && printerAnswers_.front();
    if (!printerAnswers_.empty()) printerAnswers_.pop_front();
    if (!print) return nullptr;
    printJobs_.push_back(std::make_shared<RecordingSurface>("Printer"));
    return printJobs_.back();
}

std::shared_ptr<DrawingSurface> Headless::NewPageImage() {
    pageImages_.push_back(std::make_shared<RecordingSurface>("ImageBuilder"));
    return pageImages_.back();
}

bool Headless::SendMail(const std::string& recipient, const std::string& subject,
                        const std::string& body, const std::vector<std::string>& attachments) {
    if (!mailWorks_) return false;
    mails_.push_back({recipient, subject, body, attachments});
    return true;
}

namespace {

// A recorded document that writes its record to a file when it ends.
class RecordedDocument : public RecordingSurface {
public:
    explicit RecordedDocument(std::string path) : RecordingSurface("Pdf"), path_(std::move(path)) {}
    bool EndDocument() override {
        RecordingSurface::EndDocument();
        std::ofstream out(path_, std::ios::binary | std::ios::trunc);
        for (const std::string& line : Lines())
            out << line << '\n';
        return static_cast<bool>(out.flush());
    }

private:
    std::string path_;
};

} // namespace

std::shared_ptr<DrawingSurface> Headless::NewPdfDocument(const std::string& path,
                                                         const std::string& title) {
    (void)title;
    pdfDocuments_.push_back(std::make_shared<RecordedDocument>(path));
    return pdfDocuments_.back();
}

std::string Headless::DateText() {
    return date_.empty() ? Platform::DateText() : date_;
}

std::string Headless::DateText(const std::string& format) {
    std::tm day{};
    if (date_.empty()) return Platform::DateText(format);
    // A clock set to a date that is not year-month-day shows that text as it is.
    if (std::sscanf(date_.c_str(), "%d-%d-%d", &day.tm_year, &day.tm_mon, &day.tm_mday) != 3)
        return date_;
    day.tm_year -= 1900;
    day.tm_mon -= 1;
    char text[64] = {};
    std::strftime(text, sizeof text, format.c_str(), &day);
    return text;
}

std::string Headless::TimeText() {
    return time_.empty() ? Platform::TimeText() : time_;
}

std::vector<int> Headless::ProgramVersion() {
    return {kVersionMajor, kVersionMinor, kVersionPatch};
}

} // namespace tw
