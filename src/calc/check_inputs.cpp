// SPDX-License-Identifier: MIT
// The input check before every calculation: wrong fields and product cells are coloured and
// their messages scroll through the warning banner.
#include "calc/input_check.h"
#include "calc/look_ups.h"
#include "frm/frm_main.h"
#include "names/fields.h"
#include "names/grids.h"

namespace tw {

namespace {

constexpr Colour kWrongColour = Rgb(255, 128, 128);

} // namespace

bool FrmMain::CheckInputs() {
    LogWrite(">CheckInputs()");
    InputErrorCount = 0;
    InputErrorText.clear();
    FirstInputError.clear();

    InputLimits limits;
    limits.factorOfSafety = Constant("FACTOROFSAFETY");
    limits.minBoxTemp = Constant("MINBOXTEMP");
    limits.minAmbient = Constant("MINAMBIENT");
    limits.maxAmbient = Constant("MAXAMBIENT");
    limits.minInfiltTemp = Constant("MININFILTTEMP");
    limits.maxInfiltTemp = Constant("MAXINFILTTEMP");
    limits.maxDoors = Constant("MAXDOORS");
    limits.maxMotorHp = Constant("MAXMOTORHP");

    InputValues v;
    v.safetyFactor = FieldNumber(field::SafetyFactor);
    v.runTime = FieldNumber(field::RunTime);
    v.outsideTemp = FieldNumber(field::OutsideDesignTemperature);
    v.roomTemp = FieldNumber(field::RoomTemperature);
    v.roomTemp501 = FieldNumber(field::SelectionRoomTemperature);
    v.storageTemp = FieldNumber(field::StorageTemperature);
    v.ambient = FieldNumber(field::CondenserAmbient);
    v.infiltTemp = FieldNumber(field::InfiltrationTemperature);
    v.glassDoors = FieldNumber(field::GlassDoors);
    v.motorHp = FieldNumber(field::MotorPower);
    if (TEXTBOX[field::RoomWidth].Visible) v.width = FieldNumber(field::RoomWidth);
    if (TEXTBOX[field::RoomLength].Visible) v.length = FieldNumber(field::RoomLength);
    if (TEXTBOX[field::RoomHeight].Visible) v.height = FieldNumber(field::RoomHeight);
    v.condensingUnits = FieldNumber(field::UnitCount);
    v.coolers = FieldNumber(field::CoolerCount);

    CheckResult fields = CheckFieldValues(v, limits);
    for (const FieldMark& mark : fields.marks)
        MarkInputField(mark.field, mark.wrong);
    for (int message : fields.messages)
        AddInputError(message);

    // Product temperatures against the storage temperature.
    Grid& grid = MSFlexGrid[grid::Products];
    std::vector<ProductTemperatures> products;
    auto temperature = [&](int row, int c) -> std::optional<float> {
        const std::string text = GetCellValue(grid::Products, row, c);
        if (!IsNumeric(text)) return std::nullopt;
        return static_cast<float>(CellNumber(text, Decimal()));
    };
    for (int c = 2; c < grid.Cols(); ++c) {
        ProductTemperatures p;
        p.weight = static_cast<float>(
            CellNumber(GetCellValue(grid::Products, grid::product::Weight, c), Decimal()));
        p.entering = temperature(4, c);
        p.final = temperature(5, c);
        products.push_back(p);
    }
    ProductCheck checked =
        CheckProductTemperatures(products, FieldNumber(field::StorageTemperature));
    for (int message : checked.messages)
        AddInputError(message);
    const int row = grid.Row, col = grid.Col;
    auto colour = [&](int r, int c, bool wrong) {
        grid.Row = r;
        grid.Col = c;
        // A passing cell loses only the error colour; any other mark it carries stays.
        if (wrong)
            grid.SetCellBackColor(kWrongColour);
        else if (grid.CellBackColor() == kWrongColour)
            grid.SetCellBackColor(kNoColour);
    };
    for (std::size_t i = 0; i < products.size(); ++i) {
        const int c = static_cast<int>(i) + 2;
        colour(5, c, checked.finalWrong[i]);
        colour(4, c, checked.enteringWrong[i]);
    }
    grid.Row = row;
    grid.Col = col;

    // The results stand in the error colour while an error stands.
    const bool error = InputErrorCount > 0;
    for (int n : {field::TotalLoad, field::DesignLoad, field::BalanceCapacity, field::BalanceSST,
                  field::BalanceTD, field::BoxLoad, field::InfiltrationLoad, field::ProductLoad,
                  field::MiscLoad})
        MarkInputField(n, error);

    // The banner repeats its first line at the end, so the scrolled text wraps round.
    EBANNER.SetCaption(InputErrorText + FirstInputError);
    EBANNER.Height = (InputErrorCount + 1) * BannerLineHeight;
    EBANNER.Top = 0;
    BannerScroll = 0;
    Timer1.Enabled = error;
    if (error)
        BannerActive = true;
    else
        EFRAME.Visible = false;
    return error;
}

void FrmMain::AddInputError(int n) {
    LogWrite(">AddInputError(" + std::to_string(n) + ")");
    const std::string text = n >= 0 && n < static_cast<int>(ErrorTexts.size())
                                 ? ErrorTexts[static_cast<std::size_t>(n)]
                                 : std::string();
    if (InputErrorCount == 0) FirstInputError = text;
    ++InputErrorCount;
    InputErrorText += text + "\r\n";
}

void FrmMain::MarkInputField(int n, bool wrong) {
    if (!TEXTBOX.Exists(n)) return;
    TextBox& box = TEXTBOX[n];
    // The field being typed in keeps its editing colour.
    if (HasFocus() && ActiveControl() == box.ref) return;
    box.BackColor = wrong ? kWrongColour : TextBackColour;
}

} // namespace tw
