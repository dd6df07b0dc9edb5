// SPDX-License-Identifier: MIT
// The window's table look-ups: each writes its log line, asks the table kernel and shows the
// table's message when a value had to be made up.
#include "calc/look_ups.h"
#include "frm/frm_main.h"
#include "shell/numbers.h"

namespace tw {

float FrmMain::LookUpA(float x, float t) {
    LogWrite(">LookUpA(" + FormatSingle(x, Decimal()) + "' " + FormatSingle(t, Decimal()) + ")");
    return TableALookUp(Tables[TableId::A], x, t, Decimal());
}

float FrmMain::LookUpB(int n, float t) {
    LogWrite(">LookUpB(" + std::to_string(n) + "' " + FormatSingle(t, Decimal()) + ")");
    GlassDoorLookUp found = TableBLookUp(Tables[TableId::B], n, t, Decimal());
    if (found.missing) MessageError(5);
    return found.value;
}

float FrmMain::LookUpE(float x, bool second, bool third) {
    LogWrite(">LookUpE(" + FormatSingle(x, Decimal()) + "' " + BoolText(second) + ", " +
             BoolText(third) + ")");
    MotorHeatLookUp found = TableELookUp(Tables[TableId::E], x, second, third, Decimal());
    if (found.outOfRange) MessageError(6);
    return found.value;
}

float FrmMain::LookUpF(float x, long column) {
    LogWrite(">LookUpF(" + FormatSingle(x, Decimal()) + "' " + std::to_string(column) + ")");
    return TableFLookUp(Tables[TableId::F], x, static_cast<int>(column), Decimal());
}

void FrmMain::LookUpK(float x, float t, int& count, float& value) {
    LogWrite(">LookUpK(" + FormatSingle(x, Decimal()) + " , " + FormatSingle(t, Decimal()) + ")");
    MotorDefaults found = TableKLookUp(Tables[TableId::K], x, t, Constant("MOTORTEMP"), Decimal());
    count = found.count;
    value = found.power;
}

float FrmMain::Constant(const std::string& key) {
    auto it = Constants.find(key);
    if (it != Constants.end()) return it->second;
    if (missingConstants_.insert(key).second)
        LogWrite("Constant " + key + " is not in the resource file; 0 is used");
    return 0.0f;
}

bool FrmMain::IsUserEntered(int n) {
    return Marks.Field(n);
}

void FrmMain::MarkField(int n, bool entered) {
    Marks.SetField(n, entered);
    const Colour c = entered ? Colours.Override : NormalLabelColour();
    if (LABEL.Exists(n)) LABEL[n].ForeColor = c;
    if (UNITS.Exists(n)) UNITS[n].ForeColor = c;
}

void FrmMain::MarkGroup(ControlRef frame, bool entered) {
    Marks.SetGroup(frame, entered);
    Get(frame).ForeColor = entered ? Colours.Override : NormalLabelColour();
}

void FrmMain::MarkCell(int grid, int row, int col, bool entered) {
    GridCell& cell = MSFlexGrid[grid].Cell(row, col);
    cell.entered = entered;
    // An unmarked cell takes the grid's own colours, whatever the scheme.
    cell.back = entered ? Colours.Override : kNoColour;
}

bool FrmMain::IsCellUserEntered(int grid, int row, int col) {
    const Grid& g = MSFlexGrid[grid];
    return row < g.Rows() && col < g.Cols() && g.Cell(row, col).entered;
}

void FrmMain::ShowUserMarks() {
    for (int n : Marks.Fields())
        MarkField(n, true);
    for (ControlRef frame : Marks.Groups())
        MarkGroup(frame, true);
    for (auto& [g, grid] : MSFlexGrid)
        for (int r = 0; r < grid.Rows(); ++r)
            for (int c = 0; c < grid.Cols(); ++c)
                if (grid.Cell(r, c).entered) grid.Cell(r, c).back = Colours.Override;
}

} // namespace tw
