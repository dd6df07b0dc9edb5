// SPDX-License-Identifier: MIT
// The report commands of the menu: the report to the printer (after a preview where the
// machine has one), into page pictures or a PDF file, and the saved job with its report by
// e-mail.
#include "frm/frm_main.h"
#include "names/buttons.h"
#include "names/fields.h"
#include "report/report_texts.h"
#include "shell/ansi.h"

#include <filesystem>
#include <unistd.h>

namespace tw {

namespace {

// The job's name for a document: the job file's name without its folder and extension, or
// the job name typed on the first page, or the program's name.
std::string DocumentName(FrmMain& w) {
    if (!w.CurrentJobFile.empty()) return std::filesystem::path(w.CurrentJobFile).stem().string();
    std::string name =
        w.TEXTBOX.Exists(field::JobName) ? Trim(w.TEXTBOX[field::JobName].Text()) : std::string();
    // Characters a file name cannot hold become dashes.
    for (char& c : name)
        if (c == '/' || c == '\\' || c == ':' || c == '*' || c == '?' || c == '"' || c == '<' ||
            c == '>' || c == '|')
            c = '-';
    return name.empty() ? std::string("Tarnwell") : name;
}

// Message n of the resource file with a detail in place of its "%1" (or after its text);
// mb::Cancel when the file has no such message.
int ShowMessage(FrmMain& w, int n, const std::string& detail = "",
                int buttons = mb::OkOnly + mb::Information) {
    if (n < 0 || static_cast<std::size_t>(n) >= w.MessageTable.size()) return mb::Cancel;
    const auto& message = w.MessageTable[static_cast<std::size_t>(n)];
    if (message[1].empty()) return mb::Cancel;
    std::string text = message[1];
    const std::size_t at = text.find("%1");
    if (at == std::string::npos)
        text += detail;
    else
        text.replace(at, 2, detail);
    return w.MessageBox(message[0], text, buttons);
}

// The hourglass for the length of a report command, the normal pointer again on every way out.
class Hourglass {
public:
    explicit Hourglass(Platform& platform) : platform_(platform) {
        platform_.SetMousePointer(MousePointer::Hourglass);
    }
    ~Hourglass() { platform_.SetMousePointer(MousePointer::Default); }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;

private:
    Platform& platform_;
};

} // namespace

bool FrmMain::PrintFormsNamed() {
    if (!PrintFormFile1.empty() && !PrintFormFile2.empty()) return true;
    LogWrite("**** Printer Error :-the resource file names no print form");
    MessageError(25);
    return false;
}

void FrmMain::PrintReport() {
    LogWrite(">PrintReport");
    if (!PrintFormsNamed()) return;
    const std::string name = DocumentName(*this);
    if (platform.PrintPreview(name, [this](DrawingSurface& printer) { DrawReport(printer, true); }))
        return;
    const std::shared_ptr<DrawingSurface> printer = platform.PrinterDialog(name);
    if (!printer) return;
    Hourglass pointer(platform);
    DrawReport(*printer, true);
    if (!printer->EndDocument()) LogWrite("**** Printer Error :-the document was not printed");
}

bool FrmMain::WriteReportPdf(const std::string& path) {
    LogWrite(">WriteReportPdf(" + path + ")");
    const std::shared_ptr<DrawingSurface> pdf = platform.NewPdfDocument(path, DocumentName(*this));
    if (!pdf) return false;
    DrawReport(*pdf, false);
    return pdf->EndDocument();
}

void FrmMain::ExportPdf() {
    LogWrite(">ExportPdf");
    FileDialogRequest dialog;
    dialog.save = true;
    dialog.fileName = DocumentName(*this) + ".pdf";
    dialog.initialFolder = CurrentJobFile.empty()
                               ? JobFolder
                               : std::filesystem::path(CurrentJobFile).parent_path().string();
    dialog.filter = "PDF (*.pdf)|*.pdf";
    dialog.flags = 6;
    std::string chosen = platform.FileDialog(dialog);
    if (chosen.empty()) return;
    if (LowerCase(Right(chosen, 4)) != ".pdf") chosen += ".pdf";
    bool written = false;
    {
        Hourglass pointer(platform);
        written = WriteReportPdf(chosen);
    }
    if (!written) {
        ShowMessage(*this, kMessagePdfNotWritten, chosen);
        return;
    }
    // Written: the user may look at it in the desktop's viewer.
    if (ShowMessage(*this, kMessagePdfWritten, chosen, mb::YesNo + mb::Information) != mb::Yes)
        return;
    if (platform.OpenDocument(chosen) <= 32) ShowMessage(*this, kMessageNoViewer, chosen);
}

void FrmMain::SaveReportBitmaps(const std::string& chosen) {
    LogWrite(">SaveReportBitmaps(" + chosen + ")");
    if (!PrintFormsNamed() || !PlanReportPages()) return;
    const int count = static_cast<int>(Report.Pages());
    const std::vector<std::string> files = PageBitmapNames(chosen, count);
    for (const std::string& file : files)
        if (FileExists(file, false)) {
            const auto& message = MessageTable.at(2);
            if (MessageBox(message[0], message[1], mb::YesNo) != mb::Yes) return;
            break;
        }
    const std::shared_ptr<DrawingSurface> page = platform.NewPageImage();
    if (!page) {
        LogWrite("**** Printer Error :-no page picture on this machine");
        return;
    }
    Hourglass pointer(platform);
    for (int p = 0; p < count; ++p) {
        page->Clear();
        Report.SetPage(p + 1, count);
        DrawReportPage(Report, static_cast<std::size_t>(p), *page, WrapBox);
        if (!page->SaveBitmap(files[static_cast<std::size_t>(p)]))
            LogWrite("**** Printer Error :-could not write " + files[static_cast<std::size_t>(p)]);
    }
    page->Clear();
}

void FrmMain::MailJob() {
    LogWrite(">MailJob");
    if (FRAME[button::PageOf(button::JobFiles)].Visible)
        FRAME[button::PageOf(button::JobFiles)].Visible = false;
    if (JobModified) {
        const auto& message = MessageTable.at(20);
        MessageBox(message[0], message[1], mb::OkOnly + mb::Information);
        return;
    }
    const std::string address = platform.InputBox(StringTable.at(15), "", EmailTo);
    // Cancelling the question sends nothing and keeps the remembered address.
    if (address.empty()) return;
    if (address != EmailTo) {
        SaveSetting("EmailTo", address);
        EmailTo = address;
    }
    std::vector<std::string> details;
    for (int n = field::UserDetailsFirst; n <= field::UserDetailsLast; ++n)
        details.push_back(TEXTBOX.Exists(n) ? TEXTBOX[n].Text() : std::string());
    // The report goes with the job as a PDF named like the job, in a folder of its own under
    // the machine's temporary folder, where the mail program can still read it later.
    std::vector<std::string> attachments;
    const std::string name = DocumentName(*this);
    std::error_code ec;
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path(ec) / ("tarnwell-mail-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder, ec);
    const std::string pdf = (folder / (name + ".pdf")).string();
    if (!ec && WriteReportPdf(pdf)) attachments.push_back(pdf);
    if (!CurrentJobFile.empty() && FileExists(CurrentJobFile, false))
        attachments.push_back(CurrentJobFile);
    const std::string subject = std::string(kMailSubject) + " " + name;
    if (!platform.SendMail(EmailTo, subject, MailBody(details), attachments)) {
        LogWrite("*** MailJob *** the mail program could not be started");
        ShowMessage(*this, kMessageNoMailProgram);
    }
}

} // namespace tw
