// SPDX-License-Identifier: MIT
// The five handlers of the text fields: focus, click, key filter, change and focus loss.
#include "base/flag_scope.h"
#include "frm/frm_main.h"
#include "names/buttons.h"
#include "names/fields.h"
#include "names/grids.h"
#include "names/lists.h"
#include "names/options.h"
#include "shell/ansi.h"
#include "shell/numbers.h"

#include <algorithm>
#include <optional>

namespace tw {

namespace {

// The coldest room temperature (°F) that an emptied run-time field still suggests a run time for.
constexpr float kColdestRunTimeSuggestion = -30.0f;

// Fields whose computed value the user may type over; the calculation then leaves them alone.
bool CanBeOverridden(int n) {
    static const int fields[] = {
        field::RunTime,          field::TotalLoad,   field::RoomVolume,
        field::BoxLoad,          field::ProductLoad, field::LightingPower,
        field::MotorPower,       field::MiscLoad,    field::Motors,
        field::CondenserAmbient, field::DesignLoad,  field::InfiltrationTemperature,
        field::AirChangeLoad,    field::DoorLoad,    field::VentilationLoad,
        field::InfiltrationLoad};
    return std::find(std::begin(fields), std::end(fields), n) != std::end(fields);
}

} // namespace

void FrmMain::TEXTBOX_GotFocus(int n) {
    LogWrite(">TEXTBOX_GotFocus(" + std::to_string(n) + ")");
    TextBox& box = TEXTBOX[n];
    FocusValue = box.Tag;
    // The field with the focus is underlined in the selection colour, every other one plainly.
    for (auto& [i, line] : MLINE)
        line.BorderColor = i == n ? Colours.LineSel : Colours.Line;
    box.SelStart = 0;
    box.SelLength = static_cast<int>(std::min<std::size_t>(box.Text().size(), 255));
    if (!ClosingList) TEXTBOX_Click(n);
    LastText = box.Text();
}

void FrmMain::TEXTBOX_Click(int n) {
    TextBox& box = TEXTBOX[n];
    HINTBOX.SetCaption(box.LinkItem);
    const std::string type = UpperCase(LABEL[n].Tag);
    if (type == "LIST") {
        OpenDropDown(n);
        return;
    }
    if (type == "DATALIST" || type == "SELECTLIST") {
        platform.SetMousePointer(MousePointer::Hourglass);
        if (n == field::Language) {
            LoadLanguageList(box.Text(), n);
        } else if (n == field::ColourScheme) {
            LoadColourList(box.Text(), n);
        } else if (n == field::CondensingUnit || n == field::Cooler) {
            ListBox& list = OPTIONLIST[n];
            const Grid& grid =
                MSFlexGrid[n == field::CondensingUnit ? grid::CondensingUnits : grid::Coolers];
            list.Clear();
            for (int r = 0; r < grid.Rows(); ++r)
                list.AddItem(EquipmentListItem(n, r, true));
        }
        LogWrite(std::to_string(n));
        if (OPTIONLIST[n].ListCount() > 0)
            OpenDropDown(n);
        else
            box.SetText(StringTable[14]);
        platform.SetMousePointer(MousePointer::Default);
        return;
    }
    box.BackColor = Colours.TextBackSel;
    box.ForeColor = Colours.TextForeSel;
    FocusValue = box.Tag;
}

std::string FrmMain::EquipmentListItem(int n, int row, bool withCapacity) {
    const int results = n == field::CondensingUnit ? grid::CondensingUnits : grid::Coolers;
    const Grid& grid = MSFlexGrid[results];
    if (row < 0 || row >= grid.Rows()) return {};
    float capacity = 0;
    try {
        capacity = ToSingle(grid.TextMatrix(row, grid::result::Capacity));
    } catch (const ConversionError&) {
    }
    if (capacity <= 0) return StringText(25);
    const std::string& name = grid.TextMatrix(row, grid::result::Name);
    if (!withCapacity) return name;
    // The capacity as the capacity field beside the list shows it, in its unit.
    const int capacityField = n + 1;
    return name + "  (" +
           NumberDisplayText(NumberText(capacity, 7), FieldShownUnit(capacityField), capacityField,
                             Decimal()) +
           " " + UNITS[capacityField].Caption() + ")";
}

void FrmMain::OpenDropDown(int n) {
    ListBox& list = OPTIONLIST[n];
    TextBox& box = TEXTBOX[n];
    const int pageHeight = FRAME[button::PageArea].Height;
    list.Height = std::min(list.ListCount() * 225 + 30, pageHeight);
    int left = box.Left;
    int top = box.Top;
    if (box.container.array == ArrayId::CFRAME) {
        const Frame& frame = CFRAME[box.container.index];
        left += frame.Left;
        top += frame.Top;
    }
    if (top + list.Height >= pageHeight) top = pageHeight - list.Height;
    list.Left = left;
    list.Top = top;
    box.Visible = false;
    list.Visible = true;
    BringToFront(list.ref);
    SetFocus(list.ref);
    HINTBOX.SetCaption(box.LinkItem);
}

void FrmMain::TEXTBOX_KeyPress(int n, int& keyAscii) {
    LogWrite("TEXTBOX KeyAscii=" + std::to_string(keyAscii));
    if (keyAscii == 13) {
        keyAscii = 0;
        FocusNext();
        return;
    }
    if (keyAscii == 27) {
        keyAscii = 0;
        SetFieldValue(n, FocusValue);
        TEXTBOX_Change(n);
        return;
    }
    const std::string type = LABEL[n].Tag;
    LogWrite("TEXTBOX Type = " + type);
    if (type != "Number") return;
    const TextBox& box = TEXTBOX[n];
    if (!AcceptsNumberKey(box.Text(), box.SelStart, box.SelLength, keyAscii, Decimal()))
        keyAscii = 0;
}

bool FrmMain::TakesNumbersOnly(ControlRef box) {
    if (box.array == ArrayId::TEXTBOX)
        return LABEL.Exists(box.index) && LABEL[box.index].Tag == "Number";
    if (box.array != ArrayId::MSFlexText || !MSFlexGrid.Exists(box.index) ||
        !MSFlexRowType.Exists(box.index))
        return false;
    const Grid& g = MSFlexGrid[box.index];
    const ListBox& types = MSFlexRowType[box.index];
    return g.Row < types.ListCount() && UpperCase(types.List(g.Row)) == "NUMBER";
}

void FrmMain::TEXTBOX_Change(int n) {
    TextBox& box = TEXTBOX[n];
    const std::string entered = box.Text();
    LastText = entered;
    if (IsLoading || IsRefreshing || IsPropagating) return;

    bool recalculate = true;
    if (n <= field::UserFieldsLast && (n < field::UserFieldsFirst || !CurrentJobFile.empty())) {
        JobModified = true;
        BUTT[button::SaveJob].Visible = true;
    }
    CFRAME[frame::CurrentJob].Visible = true;

    // A typed-over result keeps the user's mark, so the calculation leaves it alone.
    const bool typing = HasFocus() && ActiveControl() == box.ref;
    if (typing && CanBeOverridden(n)) {
        MarkField(n, !entered.empty());
    }

    const std::string& type = LABEL[n].Tag;
    if (type == "String") {
        box.Tag = entered;
        if (n >= field::UserFieldsFirst && n <= field::UserFieldsLast) {
            if (CurrentJobFile.empty()) SaveSetting("TextBox" + std::to_string(n), entered);
        } else if (n == field::UnitTypeCode) {
            ApplyCondensingUnitType();
        }
    } else if (type == "Number") {
        box.Tag =
            FieldHasUnits(n) ? StoredFromTyped(entered, FieldShownUnit(n), Decimal()) : entered;
        if (!IsCalculating) {
            // The linked copies are done when it returns; results the calculation writes must
            // be stored.
            recalculate = ApplyDependencies(n, typing);
            if (recalculate) Calculate();
        }
    } else {
        // A list field stores the item it shows, so its value never belongs to an old choice.
        box.Tag = entered;
    }
    if (box.Text() != entered) TEXTBOX_Change(n);
}

void FrmMain::ApplyCondensingUnitType() {
    const std::string code = UpperCase(GetFieldValue(field::UnitTypeCode));
    const std::string c = Mid(code, 2, 1);
    if (!Marks.Group(CFRAME[frame::UnitLocation].ref)) {
        IsLoading = true;
        const bool outdoors = c == "A";
        RADIO[outdoors ? option::UnitOutdoors : option::UnitIndoors].SetValue(true);
        ListBox& codes = OPTIONVALUE[list::UnitLocation];
        const int item = outdoors ? 0 : 1;
        if (item < codes.ListCount()) SetFieldValue(field::UnitLocationCode, codes.List(item));
    }
    ShowCondensingTemperature();
}

void FrmMain::ShowCondensingTemperature() {
    // Field 525 is asked for only when the unit type rates by condensing temperature.
    const bool shown = UpperCase(Mid(GetFieldValue(field::UnitTypeCode), 2, 1)) == "C";
    LABEL[field::CondensingTemperature].Visible =
        shown && !LABEL[field::CondensingTemperature].Caption().empty();
    TEXTBOX[field::CondensingTemperature].Visible = shown;
    UNITS[field::CondensingTemperature].Visible =
        shown && !UNITS[field::CondensingTemperature].Caption().empty();
    MLINE[field::CondensingTemperature].Visible = shown;
}

bool FrmMain::ApplyDependencies(int n, bool typing) {
    const std::string value = GetFieldValue(n);
    // From the first linked field written on, the rest of the work counts as propagation.
    std::optional<FlagScope> propagating;
    auto propagate = [&] {
        if (!propagating) propagating.emplace(IsPropagating);
    };
    // The field being typed in keeps the user's own text; only its linked fields follow.
    auto copy = [&](int target) {
        if (target == n && typing) return;
        propagate();
        SetFieldValue(target, value);
    };
    switch (n) {
    case field::OutsideDesignTemperature:
    case field::OutsideTemperature: {
        copy(field::OutsideDesignTemperature);
        copy(field::OutsideTemperature);
        if (!IsUserEntered(field::InfiltrationTemperature)) {
            const std::string infiltration = InfiltrationTemperatureFor(FieldNumber(n), value);
            propagate();
            SetFieldValue(field::InfiltrationTemperature, infiltration);
        }
        UpdateSurfaceTemperatures();
        return true;
    }
    case field::RoomTemperature:
    case field::StorageTemperature:
    case field::SelectionRoomTemperature: {
        copy(field::StorageTemperature);
        copy(field::SelectionRoomTemperature);
        copy(field::RoomTemperature);
        if (!IsUserEntered(field::RunTime)) {
            const std::string runTime = RunTimeFor(FieldNumber(field::RoomTemperature));
            propagate();
            SetFieldValue(field::RunTime, runTime);
        }
        UpdateProductTemperatures();
        return true;
    }
    case field::RoomLength:
    case field::RoomWidth:
    case field::RoomHeight:
        ApplyRoomDimensions();
        return true;
    case field::UnitCount:
        copy(field::CoolerCount);
        return true;
    case field::CoolerCount:
        if (!CheckInputs()) {
            SelectCooler();
            UpdateBalancePoint();
            return false;
        }
        return true;
    case field::Reminder:
        SaveSetting("TextBox805", TEXTBOX[field::Reminder].Text());
        return false;
    case field::GwpLimit:
        // The user's regional GWP limit: kept for every job, and the banner follows it.
        SaveSetting("TextBox806", GetFieldValue(field::GwpLimit));
        UpdateEquipmentNotes();
        return false;
    default:
        return true;
    }
}

std::string FrmMain::InfiltrationTemperatureFor(float outside, const std::string& typed) {
    const float high = Constant("MAXINFILTTEMP");
    const float low = Constant("MININFILTTEMP");
    if (outside > high) return NumberText(high, 7);
    if (outside < low) return NumberText(low, 7);
    return typed;
}

std::string FrmMain::RunTimeFor(float room) {
    if (room >= Constant("RUNTIMETEMP1")) return NumberText(Constant("RUNTIME1"), 7);
    if (room >= Constant("RUNTIMETEMP2")) return NumberText(Constant("RUNTIME2"), 7);
    return NumberText(Constant("RUNTIME3"), 7);
}

// A four-walled room: the walls (columns 2 to 5), ceiling and floor (6 and 7) take their sides
// from the room's length, width and height.
void FrmMain::ApplyRoomDimensions() {
    if (!RADIO[option::FourWalls].Value()) RADIO[option::FourWalls].SetValue(true);
    const std::string length = GetFieldValue(field::RoomLength);
    const std::string width = GetFieldValue(field::RoomWidth);
    const std::string height = GetFieldValue(field::RoomHeight);
    for (int c : {2, 3, 6, 7})
        SetCellValue(grid::Surfaces, grid::surface::Length, c, length);
    for (int c : {4, 5})
        SetCellValue(grid::Surfaces, grid::surface::Length, c, width);
    for (int c : {6, 7})
        SetCellValue(grid::Surfaces, grid::surface::Height, c, width);
    for (int c : {2, 3, 4, 5})
        SetCellValue(grid::Surfaces, grid::surface::Height, c, height);
    AutoSizeTable(grid::Surfaces);
}

void FrmMain::UpdateSurfaceTemperatures(int column) {
    if (!IsNumeric(GetFieldValue(field::OutsideTemperature))) return;
    const float t = FieldNumber(field::OutsideTemperature);
    Grid& grid = MSFlexGrid[grid::Surfaces];
    ListBox& types = OPTIONLIST[list::SurfaceType];
    auto item = [&](int i) { return i < types.ListCount() ? types.List(i) : std::string("\x1f"); };
    for (int c = tw::grid::FirstItemCol; c < grid.Cols(); ++c) {
        if (grid.Cell(grid::surface::OutsideTemperature, c).entered || (column >= 0 && c != column))
            continue;
        const std::string& s = grid.TextMatrix(grid::surface::Type, c);
        const bool inside = RADIO[option::InsideBuilding].Value();
        if (s == item(list::surface_type::Wall))
            SetCellValue(grid::Surfaces, grid::surface::OutsideTemperature, c,
                         NumberText(inside ? t : t + 4, 7));
        else if (s == item(list::surface_type::Floor))
            SetCellValue(grid::Surfaces, grid::surface::OutsideTemperature, c, "55");
        else if (s == item(list::surface_type::Ceiling))
            SetCellValue(grid::Surfaces, grid::surface::OutsideTemperature, c,
                         NumberText(inside ? t : t + 9, 7));
    }
}

void FrmMain::UpdateProductTemperatures(int column) {
    if (!IsNumeric(GetFieldValue(field::StorageTemperature))) return;
    const float t = FieldNumber(field::StorageTemperature);
    Grid& grid = MSFlexGrid[grid::Products];
    const int first = column >= 0 ? column : grid::FirstItemCol;
    const int end = column >= 0 ? std::min(column + 1, grid.Cols()) : grid.Cols();
    for (int c = first; c < end; ++c)
        if (!grid.Cell(grid::product::EnteringTemperature, c).entered)
            SetCellValue(grid::Products, grid::product::EnteringTemperature, c,
                         NumberText(t + 10, 7));
    for (int c = first; c < end; ++c)
        if (!grid.Cell(grid::product::FinalTemperature, c).entered)
            SetCellValue(grid::Products, grid::product::FinalTemperature, c, NumberText(t, 7));
}

void FrmMain::TEXTBOX_LostFocus(int n) {
    LogWrite(">Textbox_Lostfocus(" + std::to_string(n) + ")");
    TextBox& box = TEXTBOX[n];
    if (box.Text() != LastText) {
        LogWrite("****" + LastText + "'" + box.Text());
        TEXTBOX_Change(n);
    }
    box.BackColor = Colours.TextBack;
    box.ForeColor = Colours.TextFore;
    // The banner stays while it has errors or equipment notes to show.
    CheckInputs();
    if (Banner.LineCount() > 0) {
        EFRAME.Visible = true;
        BringToFront(EFRAME.ref);
        Timer1.Enabled = true;
    } else {
        EFRAME.Visible = false;
        Timer1.Enabled = false;
    }
    HINTBOX.SetCaption("");
    if (!box.Text().empty() || UpperCase(LABEL[n].Tag) != "NUMBER") return;
    if (n == field::CondenserAmbient) {
        SetFieldValue(field::CondenserAmbient, GetFieldValue(field::OutsideDesignTemperature));
    } else if (n == field::RunTime) {
        // The run-time tiers of the resource file, as when the room temperature changes, down
        // to the coldest rooms that still get a suggestion.
        const float t = FieldNumber(field::RoomTemperature);
        if (t >= Constant("RUNTIMETEMP1") || t >= Constant("RUNTIMETEMP2") ||
            t >= kColdestRunTimeSuggestion)
            SetFieldValue(field::RunTime, RunTimeFor(t));
    } else {
        box.SetText("0");
        box.Tag = "0";
    }
}

} // namespace tw
