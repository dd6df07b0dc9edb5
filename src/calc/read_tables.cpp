// SPDX-License-Identifier: MIT
// Loading the engineering tables; tables C and D also fill the product-group and
// construction lists.
#include "frm/frm_main.h"
#include "names/buttons.h"
#include "names/lists.h"
#include "shell/ansi.h"
#include "shell/numbers.h"

#include <algorithm>

namespace tw {

void FrmMain::ReadTable(TableId id) {
    const bool languagePrefix = DataTables::InLanguage(id);
    const std::string fileName = DataTables::FileName(id);
    DataTable& table = Tables[id];
    LogWrite(">ReadTable(" + std::string(BoolText(languagePrefix)) + ", " + fileName + ",A())");
    std::string name = fileName;
    if (languagePrefix) {
        std::string language = GetSetting("Language_File", "default.lng");
        if (language.empty()) language = "default.lng";
        name = Left(language, CharCount(language) - 3) + fileName;
    }
    std::string path = OpDataFolder + name;
    LogWrite(path);

    const bool isD = id == TableId::D;
    const bool isC = id == TableId::C;
    const bool isK = id == TableId::K;
    if (isD) OPTIONLIST[list::Construction].Clear();
    if (isC) {
        OPTIONLIST[list::ProductGroup].Clear();
        OPTIONLIST[list::Product].Clear();
    }

    LineReader file = OpenDataFile(path);
    std::string lastGroup;
    bool first = true;
    ReadDataTable(
        file, Decimal(), table,
        [&](const std::vector<std::string>& row) {
            if (isD) OPTIONLIST[list::Construction].AddItem(row[1]);
            if (isC && (first || row[1] != lastGroup))
                OPTIONLIST[list::ProductGroup].AddItem(row[1]);
            lastGroup = row[1];
            first = false;
        },
        [&](const std::vector<std::string>& row) { return !isK || MotorRowValid(row, Decimal()); });

    // A table without rows would make every look-up 0 in silence: it is as good as missing.
    if (table.Rows() < 1) DataFileError(path);

    if (isD || isC) SizeListToItems(OPTIONLIST[isD ? list::Construction : list::ProductGroup]);
}

void FrmMain::SizeListToItems(ListBox& list) {
    int width = 1000;
    for (const auto& item : list.Items()) {
        SIZER.SetCaption("SS" + item);
        width = std::max(width, SIZER.Width);
    }
    list.Width = width;
    list.Height = std::min((list.ListCount() + 1) * SIZER.Height, FRAME[button::PageArea].Height);
}

} // namespace tw
