// SPDX-License-Identifier: MIT
// Stored values and shown texts of the text fields.
#include "base/flag_scope.h"
#include "entry/display_rule.h"
#include "frm/frm_main.h"
#include "names/fields.h"
#include "shell/ansi.h"
#include "shell/numbers.h"

namespace tw {

std::string FrmMain::GetFieldValue(int n) {
    return TEXTBOX[n].Tag;
}

void FrmMain::SetFieldValue(int n, const std::string& value) {
    TEXTBOX[n].Tag = value;
    if (FieldHasUnits(n))
        UNITS_Change(n);
    else
        TEXTBOX[n].SetText(value);
}

bool FrmMain::FieldHasUnits(int n) {
    return UpperCase(UNITS[n].Tag) != "NONE";
}

float FrmMain::FieldNumber(int n) {
    try {
        return ToSingle(GetFieldValue(n));
    } catch (const ConversionError&) {
        return 0.0f;
    }
}

Colour FrmMain::NormalLabelColour() const {
    return LABEL[field::JobName].ForeColor;
}

std::optional<ShownUnit> FrmMain::FieldShownUnit(int n) {
    int u = FieldUnitIndex(n);
    if (u < 0) return std::nullopt;
    const auto& row = UnitTable[static_cast<std::size_t>(u)];
    return ShownUnit{row[2], row[4], UNITS[n].Caption(), row[1]};
}

void FrmMain::UNITS_Change(int n) {
    if (IsLoading) return;
    {
        FlagScope refreshing(IsRefreshing);
        TextBox& box = TEXTBOX[n];
        if (LABEL[n].Tag != "Number")
            box.SetText(box.Tag);
        else
            box.SetText(NumberDisplayText(box.Tag, FieldShownUnit(n), n, Decimal()));
    }
    ConvertMasterRows(n);
}

} // namespace tw
