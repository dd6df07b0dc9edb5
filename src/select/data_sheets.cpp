// SPDX-License-Identifier: MIT
// Documents handed to the desktop: the data sheets of the chosen units, the
// supplier's catalogue, the help file and the web links on the pages.
#include "frm/frm_main.h"
#include "names/fields.h"
#include "names/grids.h"
#include "shell/ansi.h"
#include "shell/numbers.h"

#include <filesystem>

namespace tw {

std::string FrmMain::InstallationPath(const std::string& path) const {
    if (path.empty() || std::filesystem::path(path).is_absolute() ||
        path.find("://") != std::string::npos || LowerCase(Left(path, 7)) == "mailto:")
        return path;
    return InstallFolder + path;
}

void FrmMain::StartHyperlink(const std::string& target) {
    LogWrite(">Start Hyperlink '" + target + "'");
    const int response = platform.OpenDocument(target);
    LogWrite("Shell Execute responce = " + std::to_string(response));
    // Nothing on the desktop could open it: the user learns why nothing happened.
    if (response <= 32 && MessageTable.size() > 44 && !MessageTable[44][1].empty()) {
        std::string text = MessageTable[44][1];
        const std::size_t at = text.find("%1");
        if (at != std::string::npos) text.replace(at, 2, target);
        MessageBox(MessageTable[44][0], text, mb::OkOnly + mb::Information);
    }
}

void FrmMain::SPECLINK_Click(int index) {
    LogWrite(">Spec Link " + std::to_string(index) + " clicked");
    const bool condenser = index == 0;
    const int rowField = condenser ? field::UnitRow : field::CoolerRow;
    const int resultGrid = condenser ? grid::CondensingUnits : grid::Coolers;
    const char* setting = condenser ? "CSpecPath" : "ESpecPath";
    const std::string label = condenser ? "Selected Condenser" : "Selected Cooler";
    const std::string chosen = GetFieldValue(rowField);
    LogWrite(label + " = " + chosen);
    auto row = ParseNumber(chosen, Decimal());
    if (!row || *row < 0 || *row >= MSFlexGrid[resultGrid].Rows()) return;
    const std::string sheet =
        MSFlexGrid[resultGrid].TextMatrix(static_cast<int>(*row), grid::result::SpecSheet);
    LogWrite(label + " pdf file = " + sheet);

    // The search starts in the folder where the sheets were last found.
    std::string& remembered = condenser ? CSpecPath : ESpecPath;
    std::string folder = InstallationPath(remembered.empty() ? "pdf" : remembered);
    while (true) {
        if (!folder.empty() && folder.back() == '/') folder.pop_back();
        const std::string path = folder + "/" + sheet;
        const bool found = !sheet.empty() && FileExists(path, false);
        LogWrite("File path = " + path);
        LogWrite(std::string("File exists = ") + BoolText(found));
        if (found) {
            remembered = folder;
            SaveSetting(setting, folder);
            StartHyperlink(path);
            return;
        }
        const std::string answer = platform.InputBox(StringTable[18], StringTable[19], folder);
        LogWrite("User entered path '" + answer + "'");
        if (answer.empty()) return;
        folder = answer;
    }
}

void FrmMain::HYPERLINK_Click(int index) {
    LogWrite(">HYPERLINK_Click(" + std::to_string(index) + ")");
    Label& link = HYPERLINK[index];
    link.ForeColor = Colours.Visited;
    platform.DoEvents();
    StartHyperlink(InstallationPath(link.Tag));
}

void FrmMain::ThumbNailLogo_Click() {
    std::string path = InstallationPath(CatalogPath);
    while (true) {
        if (!path.empty() && FileExists(path, false)) {
            CatalogPath = path;
            SaveSetting("CatalogPath", path);
            StartHyperlink(path);
            return;
        }
        path = platform.InputBox(StringTable[16], StringTable[17], InstallationPath(CatalogPath));
        if (path.empty()) return;
    }
}

} // namespace tw
