// SPDX-License-Identifier: MIT
// The report commands of the menu: the two report pages to the printer or into bitmap
// files, and the saved job by e-mail.
#include "frm/frm_main.h"
#include "names/fields.h"
#include "report/report_texts.h"

namespace tw {

namespace {

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
    MessageError(24);
    return false;
}

void FrmMain::PrintReport() {
    LogWrite(">PrintReport");
    if (!PrintFormsNamed()) return;
    const std::shared_ptr<DrawingSurface> printer = platform.PrinterDialog();
    if (!printer) return;
    Hourglass pointer(platform);
    PageCount = "2";
    CurrentPage = "1";
    PrintFile(OpDataFolder + PrintFormFile1, *printer, WrapBox, true);
    printer->NewPage();
    CurrentPage = "2";
    PrintFile(OpDataFolder + PrintFormFile2, *printer, WrapBox, true);
    if (!printer->EndDocument()) LogWrite("**** Printer Error :-the document was not printed");
}

void FrmMain::SaveReportBitmaps(const std::string& chosen) {
    LogWrite(">SaveReportBitmaps(" + chosen + ")");
    if (!PrintFormsNamed()) return;
    const std::vector<std::string> files = PageBitmapNames(chosen);
    if (FileExists(files[0], false) || FileExists(files[1], false)) {
        const auto& message = MessageTable.at(2);
        if (MessageBox(message[0], message[1], mb::YesNo) != mb::Yes) return;
    }
    const std::shared_ptr<DrawingSurface> page = platform.NewPageImage();
    if (!page) {
        LogWrite("**** Printer Error :-no page picture on this machine");
        return;
    }
    Hourglass pointer(platform);
    const std::string forms[] = {PrintFormFile1, PrintFormFile2};
    PageCount = "2";
    for (int p = 0; p < 2; ++p) {
        page->Clear();
        CurrentPage = std::to_string(p + 1);
        PrintFile(OpDataFolder + forms[p], *page, WrapBox, false);
        if (!page->SaveBitmap(files[static_cast<std::size_t>(p)]))
            LogWrite("**** Printer Error :-could not write " + files[static_cast<std::size_t>(p)]);
    }
    page->Clear();
}

void FrmMain::MailJob() {
    LogWrite(">MailJob");
    if (FRAME[2].Visible) FRAME[2].Visible = false;
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
    const std::string attachment =
        !CurrentJobFile.empty() && FileExists(CurrentJobFile, false) ? CurrentJobFile : "";
    if (!platform.SendMail(EmailTo, kMailSubject, MailBody(details), attachment))
        LogWrite("*** MailJob *** the mail program could not be started");
}

} // namespace tw
