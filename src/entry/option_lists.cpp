// SPDX-License-Identifier: MIT
// Drop-down lists: choosing an item commits it to its field (or grid cell) and runs what
// depends on it; the keyboard moves through a list without committing until Enter.
#include "base/flag_scope.h"
#include "frm/frm_main.h"
#include "names/buttons.h"
#include "names/fields.h"
#include "names/grids.h"
#include "names/lists.h"
#include "names/options.h"
#include "shell/ansi.h"
#include "shell/numbers.h"
#include "ui/scheme_files.h"

#include <algorithm>

namespace tw {

namespace {

struct ListRule {
    int list;
    int valueField; // receives the OPTIONVALUE item, 0 for text only
    int next;       // focus after Enter, 0 for none
};

const ListRule kListRules[] = {{list::Refrigerant, field::RefrigerantCode, field::UnitType},
                               {list::UnitType, field::UnitTypeCode, field::UnitSupply},
                               {list::UnitSupply, field::UnitSupplyCode, field::UnitCount},
                               {list::UnitCount, 0, 0},
                               {list::CondensingUnit, 0, field::CoolerType},
                               {list::CoolerType, field::CoolerTypeCode, field::CoolerSupply},
                               {list::CoolerSupply, field::CoolerSupplyCode, field::CoolerCount},
                               {list::CoolerCount, 0, 0},
                               {list::Cooler, 0, field::DesignLoad},
                               {list::DoorProtection, 0, field::GlassDoors},
                               {list::Language, 0, 0},
                               {list::ColourScheme, 0, 0}};

} // namespace

void FrmMain::OPTIONLIST_KeyDown(int n, int keyCode) {
    LogWrite("keycode = " + std::to_string(keyCode));
    if (keyCode == 13) {
        // Enter takes the highlighted item, moved there by the keys or not; with none
        // highlighted it closes the list as Escape does.
        if (OPTIONLIST[n].ListIndex() < 0) {
            CloseList(n);
            return;
        }
        FlagScope enter(EnterPressed);
        ArrowNavigation = false;
        OPTIONLIST_Click(n);
    } else if (keyCode == 27) {
        CloseList(n);
    } else if (keyCode >= 33 && keyCode <= 40 && keyCode != 37 && keyCode != 39) {
        // Up, Down, Page Up, Page Down, Home and End move the highlight only.
        ArrowNavigation = true;
    }
}

void FrmMain::OPTIONLIST_GotFocus(int n) {
    LogWrite(">OPTIONLIST_GotFocus(" + std::to_string(n) + ")");
    platform.DoEvents();
    if (!list::OverSurfaceGrid(n)) {
        HINTBOX.SetCaption(OPTIONLIST[n].Tag);
        HINTBOX.Visible = true;
    }
    ArrowNavigation = false;
}

void FrmMain::CloseList(int n) {
    ListBox& list = OPTIONLIST[n];
    if (!list.Visible) return;
    list.Visible = false;
    ArrowNavigation = false;
    if (list::OverSurfaceGrid(n) || list::OverProductGrid(n)) {
        // Back to the cell, unchanged; a click on it opens the list again.
        const int g = n < grid::Products ? grid::Surfaces : grid::Products;
        LastCell[g] = {-1, -1};
        SetFocus(MSFlexGrid[g].ref);
    } else if (TEXTBOX.Exists(n)) {
        // Back to the field, which would open its list again on taking the focus.
        FlagScope closing(ClosingList);
        TEXTBOX[n].Visible = true;
        SetFocus(TEXTBOX[n].ref);
    }
}

void FrmMain::HighlightListItem(int n, int index) {
    FlagScope quiet(ArrowNavigation);
    OPTIONLIST[n].SetListIndex(index);
}

void FrmMain::OPTIONLIST_LostFocus(int n) {
    OPTIONLIST[n].Visible = false;
    HINTBOX.SetCaption("");
    if (list::OfTextField(n) && TEXTBOX.Exists(n)) TEXTBOX[n].Visible = true;
    for (auto& [i, line] : MLINE)
        line.BorderColor = Colours.Line;
}

void FrmMain::ListButton_Click(int n) {
    // A number field with a list of usual values opens it directly.
    if (UpperCase(LABEL[n].Tag) == "NUMBER" && TEXTBOX[n].Visible &&
        OPTIONLIST[n].ListCount() > 0) {
        OpenDropDown(n);
        return;
    }
    if (TEXTBOX[n].Visible) {
        SetFocus(TEXTBOX[n].ref);
        return;
    }
    OPTIONLIST[n].Visible = false;
    TEXTBOX[n].Visible = true;
}

void FrmMain::OPTIONLIST_Click(int n) {
    // A selection moved by the arrow keys waits for Enter (or a mouse click) to commit.
    if (ArrowNavigation) return;
    if (!list::OfSettings(n)) {
        JobModified = true;
        BUTT[button::SaveJob].Visible = true;
    }
    CFRAME[frame::CurrentJob].Visible = true;
    for (int g : {grid::Surfaces, grid::Products}) {
        TabBack[g].Visible = false;
        TabForward[g].Visible = false;
    }
    LogWrite(">OptionList_Click(" + std::to_string(n) + ")");
    if (list::OverSurfaceGrid(n)) {
        WallCellListChosen(n);
        return;
    }
    if (list::OverProductGrid(n)) {
        ProductCellListChosen(n);
        return;
    }
    const ListRule* rule = nullptr;
    for (const ListRule& r : kListRules)
        if (r.list == n) rule = &r;
    if (!rule) return;

    ListBox& list = OPTIONLIST[n];
    const int position = list.ListIndex();
    if (position < 0) return;
    const std::string item = list.List(position);
    TextBox& box = TEXTBOX[n];
    list.Visible = false;
    box.Visible = true;
    // The equipment lists show each model's capacity beside its name; the field takes the name.
    const std::string model = n == list::CondensingUnit || n == list::Cooler
                                  ? EquipmentListItem(n, position, false)
                                  : std::string();
    box.SetText(model.empty() ? item : model);
    if (rule->valueField) {
        ListBox& values = OPTIONVALUE[n];
        if (position < values.ListCount()) TEXTBOX[rule->valueField].SetText(values.List(position));
    }

    ListItemChosen(n, position, item);
    if (EnterPressed && rule->next) SetFocus(TEXTBOX[rule->next].ref);
}

// What an item chosen in a list sets off: a new selection, the balance point, a calculation,
// another language or colour scheme.
void FrmMain::ListItemChosen(int n, int position, const std::string& item) {
    switch (n) {
    case list::Refrigerant:
    case list::UnitType:
    case list::UnitSupply:
        SelectCondensingUnit();
        SelectCooler();
        UpdateBalancePoint();
        break;
    case list::UnitCount:
        UpdateBalancePoint();
        break;
    case list::CondensingUnit:
    case list::Cooler:
        EquipmentChosen(n, position);
        break;
    case list::CoolerType:
    case list::CoolerSupply:
        SelectCooler();
        UpdateBalancePoint();
        break;
    case list::DoorProtection:
        if (!IsLoading) {
            platform.DoEvents();
            Calculate();
        }
        break;
    case list::Language:
        ChooseLanguage(item);
        break;
    case list::ColourScheme:
        ChooseColourScheme(item);
        break;
    default:
        break;
    }
}

// A condensing unit or cooler chosen from the results: its row number and its capacity go
// into the fields after the list.
void FrmMain::EquipmentChosen(int n, int position) {
    const bool unit = n == list::CondensingUnit;
    const int results = unit ? grid::CondensingUnits : grid::Coolers;
    TEXTBOX[unit ? field::UnitRow : field::CoolerRow].SetText(std::to_string(position));
    float capacity = 0;
    if (position < MSFlexGrid[results].Rows()) {
        try {
            capacity = ToSingle(MSFlexGrid[results].TextMatrix(position, grid::result::Capacity));
        } catch (const ConversionError&) {
        }
    }
    SetFieldValue(unit ? field::UnitCapacity : field::CoolerCapacity, NumberText(capacity, 7));
    if (unit) SelectCooler();
    UpdateBalancePoint();
}

void FrmMain::ChooseLanguage(const std::string& name) {
    LogWrite(name);
    // The job itself is the same in any language: it stays unchanged as far as saving goes.
    const bool modified = JobModified;
    const bool saveShown = BUTT[button::SaveJob].Visible;
    platform.DoEvents();
    platform.SetMousePointer(MousePointer::Hourglass);
    SaveSetting("Language_File", SettingFileName(name, "lng"));
    ReadResourceFile();
    ReadTable(TableId::C);
    ReadTable(TableId::D);
    // A second read shows every caption again; the dimension fields keep following the box type.
    ApplyRadioVisibility();
    RelocaliseJob();
    // Headings of the other language get columns of their own width.
    AutoSizeTable(grid::Surfaces);
    AutoSizeTable(grid::Products);
    JobModified = modified;
    BUTT[button::SaveJob].Visible = saveShown;
    platform.SetMousePointer(MousePointer::Default);
}

void FrmMain::ChooseColourScheme(const std::string& name) {
    LogWrite(name);
    SaveSetting("Colour_File", SettingFileName(name, "col"));
    platform.DoEvents();
    platform.SetMousePointer(MousePointer::Hourglass);
    ReadColourFile();
    SaveSetting("Colour_File", SettingFileName(name, "col"));
    Form_Resize();
    platform.SetMousePointer(MousePointer::Default);
}

void FrmMain::WallCellListChosen(int n) {
    ListBox& list = OPTIONLIST[n];
    Grid& grid = MSFlexGrid[grid::Surfaces];
    list.Visible = false;
    const int position = list.ListIndex();
    if (position < 0) return;
    const int row = grid.Row;
    const int col = grid.Col;
    grid.SetTextMatrix(row, col, list.List(position));
    AutoSizeColumn(grid::Surfaces, col);
    CheckAddWallSection();
    // A surface type chosen for a column brings the outside temperature the others got.
    if (n == list::SurfaceType) UpdateSurfaceTemperatures(col);
    if (n == list::Construction) {
        // The construction brings its K-factor, and the first surface's choice is taken over
        // by every surface of the same type.
        SetCellValue(grid::Surfaces, row + 1, col,
                     Tables.Constructions().Cell(kConstructionKFactor, position + 1));
        const int first = grid::FirstItemCol;
        if (col == first) {
            for (int c = first + 1; c < grid.Cols(); ++c) {
                if (grid.TextMatrix(grid::surface::Type, c) !=
                    grid.TextMatrix(grid::surface::Type, first))
                    continue;
                for (int r : {grid::surface::Construction, grid::surface::KFactor})
                    grid.SetTextMatrix(r, c, grid.TextMatrix(r, first));
            }
            AutoSizeTable(grid::Surfaces);
        }
    }
    grid.Row = row + 1 >= grid.Rows() - 1 ? 2 : row + 1;
    grid.RowSel = grid.Row;
    grid.ColSel = grid.Col;
    MoveToCell(grid::Surfaces, true);
    Calculate();
}

void FrmMain::ProductCellListChosen(int n) {
    ListBox& list = OPTIONLIST[n];
    Grid& grid = MSFlexGrid[grid::Products];
    list.Visible = false;
    const int position = list.ListIndex();
    if (position < 0) return;
    CheckAddProductSection();
    const int c = grid.Col;
    const std::string chosen = list.List(position);
    if (n == list::ProductGroup) {
        if (GetCellValue(grid::Products, grid::product::Number, c).empty())
            SetCellValue(grid::Products, grid::product::Number, c, std::to_string(c - 1));
        grid.SetTextMatrix(grid.Row, c, chosen);
        AutoSizeColumn(grid::Products, c);
        platform.DoEvents();
        if (c == grid::FirstItemCol && chosen != Tables.Products().Cell(kProductGroup, 1))
            SetCellValue(grid::Products, grid::product::Number, c, std::to_string(c - 1));
        for (int r = 7; r <= 12 && r < grid.Rows(); ++r)
            grid.SetTextMatrix(r, c, "");
        FillProductList(chosen, grid.ColWidth(c));
        ListBox& products = OPTIONLIST[list::Product];
        if (products.ListCount() == 1) {
            {
                FlagScope quiet(ArrowNavigation);
                products.SetListIndex(0);
            }
            ProductChosen(c, products.List(0));
        } else {
            grid.Row = 2;
            grid.RowSel = 2;
        }
    } else if (n == list::Product) {
        ProductChosen(c, chosen);
    }
    // A new product column gets the temperatures the others got from the storage temperature.
    UpdateProductTemperatures(c);
    MoveToCell(grid::Products, true);
    Calculate();
}

void FrmMain::FillProductList(const std::string& group, int minimumWidth) {
    ListBox& products = OPTIONLIST[list::Product];
    products.Clear();
    bool matched = false;
    const DataTable& table = Tables.Products();
    for (int r = 1; r <= table.Rows(); ++r) {
        if (table.Cell(kProductGroup, r) == group) {
            products.AddItem(table.Cell(kProductName, r));
            matched = true;
        } else if (matched) {
            break;
        }
    }
    int width = minimumWidth;
    for (const auto& name : products.Items()) {
        SIZER.SetCaption(name + "SS");
        width = std::max(width, SIZER.Width);
    }
    products.Width = width;
    products.Height = (products.ListCount() + 1) * SIZER.Height;
    if (products.Height >= FRAME[button::PageArea].Height)
        products.Height = FRAME[button::PageArea].Height;
}

void FrmMain::ProductChosen(int c, const std::string& name) {
    Grid& grid = MSFlexGrid[grid::Products];
    grid.SetTextMatrix(grid::product::Name, c, name);
    AutoSizeColumn(grid::Products, c);
    platform.DoEvents();
    bool matched = false;
    const DataTable& table = Tables.Products();
    for (int r = 1; r <= table.Rows(); ++r) {
        if (table.Cell(kProductGroup, r) == grid.TextMatrix(grid::product::Group, c) &&
            table.Cell(kProductName, r) == name) {
            SetCellValue(grid::Products, grid::product::WaterContent, c,
                         table.Cell(kWaterContent, r));
            SetCellValue(grid::Products, grid::product::FreezingPoint, c,
                         table.Cell(kFreezingPoint, r));
            SetCellValue(grid::Products, grid::product::HeatAboveFreezing, c,
                         table.Cell(kHeatAboveFreezing, r));
            SetCellValue(grid::Products, grid::product::HeatBelowFreezing, c,
                         table.Cell(kHeatBelowFreezing, r));
            SetCellValue(grid::Products, grid::product::HeatOfRespiration, c,
                         table.Cell(kHeatOfRespiration, r));
            SetCellValue(grid::Products, grid::product::Multiplier, c, "1");
            matched = true;
        } else if (matched) {
            break;
        }
    }
    GridNavigating[grid::Products] = true;
    grid.Row = 3;
    grid.RowSel = 3;
    GridNavigating[grid::Products] = false;
}

} // namespace tw
