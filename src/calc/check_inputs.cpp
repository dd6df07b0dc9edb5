// SPDX-License-Identifier: MIT
// The input check before every calculation: wrong fields and product cells are coloured and
// their messages scroll through the warning banner.
#include "calc/input_check.h"
#include "calc/look_ups.h"
#include "frm/frm_main.h"

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
    v.safetyFactor = FieldNumber(506);
    v.runTime = FieldNumber(12);
    v.outsideTemp = FieldNumber(102);
    v.roomTemp = FieldNumber(103);
    v.roomTemp501 = FieldNumber(501);
    v.storageTemp = FieldNumber(312);
    v.ambient = FieldNumber(500);
    v.infiltTemp = FieldNumber(600);
    v.glassDoors = FieldNumber(659);
    v.motorHp = FieldNumber(403);
    if (TEXTBOX[14].Visible) v.width = FieldNumber(14);
    if (TEXTBOX[13].Visible) v.length = FieldNumber(13);
    if (TEXTBOX[15].Visible) v.height = FieldNumber(15);
    v.condensingUnits = FieldNumber(522);
    v.coolers = FieldNumber(542);

    CheckResult fields = CheckFieldValues(v, limits);
    for (const FieldMark& mark : fields.marks)
        MarkInputField(mark.field, mark.wrong);
    for (int message : fields.messages)
        AddInputError(message);

    // Product temperatures against the storage temperature.
    Grid& grid = MSFlexGrid[300];
    std::vector<ProductTemperatures> products;
    auto temperature = [&](int row, int c) -> std::optional<float> {
        const std::string text = GetCellValue(300, row, c);
        if (!IsNumeric(text)) return std::nullopt;
        return static_cast<float>(CellNumber(text, Decimal()));
    };
    for (int c = 2; c < grid.Cols(); ++c) {
        ProductTemperatures p;
        p.weight = static_cast<float>(CellNumber(GetCellValue(300, 3, c), Decimal()));
        p.entering = temperature(4, c);
        p.final = temperature(5, c);
        products.push_back(p);
    }
    ProductCheck checked = CheckProductTemperatures(products, FieldNumber(312));
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
    for (int n : {16, 503, 560, 561, 562, 214, 680, 314, 422})
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
