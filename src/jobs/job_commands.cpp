// SPDX-License-Identifier: MIT
// The menu commands on the job: the job page with the recent files, open, save and new job.
// Each asks before unsaved changes are thrown away.
#include "frm/frm_main.h"
#include "names/buttons.h"
#include "names/options.h"
#include "shell/ansi.h"

#include <filesystem>

namespace tw {

namespace {

// Message n of the resource file as a question; true when the answer is `goOn`.
bool Ask(FrmMain& w, std::size_t n, int buttons, int goOn) {
    static const std::array<std::string, 2> none;
    const auto& message = n < w.MessageTable.size() ? w.MessageTable[n] : none;
    return w.MessageBox(message[0], message[1], buttons) == goOn;
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The folder of a chosen file, ending with a separator, as the dialogs start in it.
std::string FolderOf(const std::string& path) {
    std::string folder = std::filesystem::path(path).parent_path().string();
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

} // namespace

void FrmMain::ShowJobPage() {
    if (JobModified && !Ask(*this, 13, mb::YesNo + mb::Critical, mb::Yes)) return;
    platform.SetMousePointer(MousePointer::Hourglass);
    LoadFileHistory();
    ShowPage(button::JobFiles);
    platform.SetMousePointer(MousePointer::Default);
}

void FrmMain::OpenJob() {
    if (JobModified && !Ask(*this, 13, mb::YesNo + mb::Critical, mb::Yes)) return;
    HideAllPages();
    platform.DoEvents();
    FileDialogRequest dialog;
    dialog.initialFolder = JobFolder;
    dialog.filter = "Job Files|*." + JobFileExtension;
    dialog.flags = 4;
    const std::string chosen = platform.FileDialog(dialog);
    if (chosen.empty()) return;

    platform.SetMousePointer(MousePointer::Hourglass);
    if (!FileExists(chosen, false)) {
        MessageError(18);
    } else if (LowerCase(Right(chosen, 4)) != "." + JobFileExtension) {
        MessageError(19);
    } else {
        JobFolder = FolderOf(chosen);
        SaveSetting("JobFilepath", JobFolder);
        CurrentJobFile = chosen;
        if (!JobFileLoad(CurrentJobFile, false) && !JobFileLoad(DefaultJobFile, true))
            throw ProgramEnd{1};
    }
    platform.SetMousePointer(MousePointer::Default);
}

void FrmMain::SaveJobToOwnFile() {
    SaveToOwnFile = true;
    try {
        BUTT_Click(button::SaveJob);
    } catch (...) {
        SaveToOwnFile = false;
        throw;
    }
    SaveToOwnFile = false;
}

void FrmMain::SaveJob() {
    FRAME[button::PageOf(button::JobFiles)].Visible = false;
    if (SaveToOwnFile && !CurrentJobFile.empty() &&
        EndsWith(LowerCase(CurrentJobFile), "." + JobFileExtension)) {
        platform.SetMousePointer(MousePointer::Hourglass);
        JobFileSave(CurrentJobFile);
        platform.SetMousePointer(MousePointer::Default);
        return;
    }
    FileDialogRequest dialog;
    dialog.save = true;
    if (!CurrentJobFile.empty())
        dialog.fileName = std::filesystem::path(CurrentJobFile).filename().string();
    dialog.initialFolder = JobFolder;
    dialog.filter = "Job Files (*." + JobFileExtension + ")|*." + JobFileExtension +
                    "|Bitmaps (*.bmp)|*.bmp|PNG pictures (*.png)|*.png";
    dialog.filterIndex = 1;
    // The program asks before overwriting (message 2), in the job's language; the dialog
    // does not ask as well.
    dialog.flags = 4;
    const std::string chosen = platform.FileDialog(dialog);
    if (chosen.empty()) return;

    if (EndsWith(LowerCase(chosen), ".bmp") || EndsWith(LowerCase(chosen), ".png")) {
        SaveReportBitmaps(chosen);
        return;
    }
    // Only a name with the job extension is saved as a job.
    if (!EndsWith(LowerCase(chosen), "." + JobFileExtension)) return;
    JobFolder = FolderOf(chosen);
    SaveSetting("JobFilepath", JobFolder);
    if (FileExists(chosen, false) && !Ask(*this, 2, mb::YesNo, mb::Yes)) return;
    platform.SetMousePointer(MousePointer::Hourglass);
    // The hint box keeps its notice that the job was saved in view.
    if (JobFileSave(chosen)) HideAllPages();
    platform.SetMousePointer(MousePointer::Default);
}

void FrmMain::NewJob() {
    if (JobModified && !Ask(*this, 13, mb::OkCancel, mb::Ok)) return;
    platform.DoEvents();
    platform.SetMousePointer(MousePointer::Hourglass);
    JobFileLoad(DefaultJobFile, true);
    CFRAME[frame::CurrentJob].Visible = false;
    CurrentJobFile.clear();
    Window.Caption = BaseCaption;
    Calculate();
    platform.SetMousePointer(MousePointer::Default);
}

} // namespace tw
