// SPDX-License-Identifier: MIT
// The services the program asks of the machine it runs on: settings, dialogs, the shell,
// the screen and text measurement. FrmMain only talks to the machine through this class, so
// the whole program runs headless in tests and in the batch program.
#pragma once

#include "platform/drawing_surface.h"
#include "platform/http_client.h"

#include <cstdlib>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace tw {

// Message-box codes of the classic toolkit: buttons + icon in one number.
namespace mb {
constexpr int OkOnly = 0;
constexpr int OkCancel = 1;
constexpr int YesNoCancel = 3;
constexpr int YesNo = 4;
// Save, Discard and Cancel, answered as Yes, No and Cancel.
constexpr int SaveDiscardCancel = 7;
constexpr int Critical = 16;
constexpr int Question = 32;
constexpr int Information = 64;
// Results.
constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int Yes = 6;
constexpr int No = 7;
} // namespace mb

enum class MousePointer { Default, Hourglass };

// Width and height of a text in twips, as a label of the given font would show it.
struct TextExtent {
    int width = 0;
    int height = 0;
};

struct Font {
    float size = 8.0f;
    bool bold = false;
};

// An open or save dialog for files. The filter is written as description|pattern pairs,
// "Job Files (*.wic)|*.wic|Bitmaps (*.bmp)|*.bmp"; the filter index counts from 1.
struct FileDialogRequest {
    bool save = false;
    std::string fileName;
    std::string initialFolder;
    std::string filter;
    int filterIndex = 1;
    // 2: ask before overwriting an existing file; 4: no read-only box.
    int flags = 0;
};

struct ScreenInfo {
    int widthTwips = 1920 * 15;
    int heightTwips = 1080 * 15;
    int twipsPerPixelX = 15;
    int twipsPerPixelY = 15;
};

class Platform {
public:
    virtual ~Platform() = default;

    // Per-user settings store: application, section, key; values are strings. A save answers
    // false when the value could not be stored.
    virtual std::string GetSetting(const std::string& app, const std::string& section,
                                   const std::string& key, const std::string& fallback) = 0;
    virtual bool SaveSetting(const std::string& app, const std::string& section,
                             const std::string& key, const std::string& value) = 0;

    // A modal message box; returns the code of the pressed button.
    virtual int MessageBox(const std::string& title, const std::string& prompt, int buttons) = 0;

    // Starts a program without waiting for it; false when it could not be started.
    virtual bool StartProgram(const std::string& program, const std::vector<std::string>& args) = 0;
    // Opens a document or web address with the desktop's handler; returns a response code
    // greater than 32 on success, as the shell does.
    virtual int OpenDocument(const std::string& target) = 0;

    // Shows an open or save dialog; the chosen full path, or "" when the user cancelled.
    // Asks for one line of text; "" when cancelled.
    virtual std::string InputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) {
        (void)prompt;
        (void)title;
        (void)defaultText;
        return std::string();
    }

    virtual std::string FileDialog(const FileDialogRequest& request) {
        (void)request;
        return std::string();
    }

    // Lets pending window events run; nothing to do without a window.
    virtual void DoEvents() = 0;
    virtual void SetMousePointer(MousePointer pointer) = 0;

    virtual ScreenInfo Screen() = 0;
    // The desktop asks for less motion on screen (its animations are switched off).
    virtual bool ReducedMotion() { return false; }
    virtual TextExtent MeasureText(const std::string& text, const Font& font) = 0;

    // The decimal separator of the machine's regional number format: '.' or ','.
    virtual char DecimalSeparator() = 0;

    // The folder of the running executable (the installation folder).
    virtual std::string ExecutableFolder() = 0;
    // Major, minor and revision of the running program.
    virtual std::vector<int> ProgramVersion() = 0;
    // True when the running user may create and replace files in the folder.
    virtual bool FolderWritable(const std::string& folder) {
        return ::access(folder.c_str(), W_OK) == 0;
    }
    // The user's folder for what a program keeps between runs that is neither a setting nor a
    // document, such as its log: $XDG_STATE_HOME when set and absolute, else ~/.local/state.
    virtual std::string StateFolder() {
        const char* xdg = std::getenv("XDG_STATE_HOME");
        if (xdg && xdg[0] == '/') return xdg;
        const char* home = std::getenv("HOME");
        return std::string(home && *home ? home : "/tmp") + "/.local/state";
    }

    // --- Reports: printer, page pictures, mail, date and time ---------------------------
    // The printer dialog: the chosen printer (or PDF file) as the surface of one print job;
    // nothing when the user cancelled or the machine has no printer. The document name is
    // proposed for printing to a file.
    virtual std::shared_ptr<DrawingSurface> PrinterDialog(const std::string& documentName = "") {
        (void)documentName;
        return nullptr;
    }
    // A print preview of the pages `draw` puts on a surface, from which the user prints;
    // false when the machine has no preview (the caller then prints directly).
    virtual bool PrintPreview(const std::string& documentName,
                              const std::function<void(DrawingSurface&)>& draw) {
        (void)documentName;
        (void)draw;
        return false;
    }
    // A PDF document written to path when it ends (vector text, fonts embedded); nothing
    // when the machine cannot write one.
    virtual std::shared_ptr<DrawingSurface> NewPdfDocument(const std::string& path,
                                                           const std::string& title) {
        (void)path;
        (void)title;
        return nullptr;
    }
    // An empty off-screen page to draw a report page on and save as a bitmap file; nothing
    // when the machine cannot make one.
    virtual std::shared_ptr<DrawingSurface> NewPageImage() { return nullptr; }
    // Hands a message to the desktop's mail program, which shows it for the user to review
    // and send; recipient and attachments may be empty. False when no mail program could
    // be started.
    virtual bool SendMail(const std::string& recipient, const std::string& subject,
                          const std::string& body, const std::vector<std::string>& attachments) {
        (void)recipient;
        (void)subject;
        (void)body;
        (void)attachments;
        return false;
    }
    // Today's date and the time now in the machine's short formats.
    virtual std::string DateText() { return LocalTimeText("%Y-%m-%d"); }
    virtual std::string TimeText() { return LocalTimeText("%H:%M:%S"); }
    // Today's date in a strftime format (the resource file's, so that the date follows its
    // language).
    virtual std::string DateText(const std::string& format) {
        return LocalTimeText(format.c_str());
    }
    static std::string LocalTimeText(const char* format) {
        const std::time_t now = std::time(nullptr);
        std::tm local{};
        localtime_r(&now, &local);
        char text[64] = {};
        std::strftime(text, sizeof text, format, &local);
        return text;
    }

    // The HTTP client of the update service, the same on every machine.
    HttpClient& Http() { return http_; }

private:
    HttpClient http_;
};

} // namespace tw
