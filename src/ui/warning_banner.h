// SPDX-License-Identifier: MIT
// The lines of the warning banner above the pages. The input check's errors stop the
// calculation and stand alone while there is one; otherwise the banner shows the notes of the
// last equipment selection (no model reaches the load, a balance point under the load, a
// refrigerant above the regional GWP limit). The window, the report and the command-line
// summary all read the banner from here.
#pragma once

#include <string>
#include <vector>

namespace tw {

class WarningBanner {
public:
    // The input check starts from no error; a loaded job starts from nothing at all.
    void ClearErrors() { errors_.clear(); }
    void Clear();
    void AddError(const std::string& text) { errors_.push_back(text); }
    void SetNotes(std::vector<std::string> notes) { notes_ = std::move(notes); }

    int ErrorCount() const { return static_cast<int>(errors_.size()); }
    const std::vector<std::string>& Errors() const { return errors_; }
    const std::vector<std::string>& Notes() const { return notes_; }
    // What the banner shows: the errors, or the notes when no error stands.
    const std::vector<std::string>& Lines() const { return errors_.empty() ? notes_ : errors_; }
    int LineCount() const { return static_cast<int>(Lines().size()); }
    bool ShowsErrors() const { return !errors_.empty(); }
    // The errors, each followed by CR LF, and the first of them ("" without one).
    std::string ErrorText() const;
    std::string FirstError() const { return errors_.empty() ? std::string() : errors_.front(); }
    // The banner's caption: every line shown followed by CR LF, then the first line again, so
    // the scrolled text wraps round without a jump.
    std::string Caption() const;

    // How the window shows the banner: on the current page or not, the height of one line,
    // the timer ticks before it scrolls on, the flash count, and the scroll position, which the
    // input check starts again at 0.
    bool Active = false;
    int LineHeight = 0;
    int Delay = 0;
    int Flash = 0;
    int Scroll = 0;
    // The desktop asks for less motion: one steady colour, and a step from line to line
    // instead of scrolling. Asked each time the banner appears.
    bool Calm = false;

private:
    std::vector<std::string> errors_;
    std::vector<std::string> notes_;
};

} // namespace tw
