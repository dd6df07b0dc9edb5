// SPDX-License-Identifier: MIT
// The input check before every calculation: wrong fields and product cells are coloured and
// their messages scroll through the warning banner.
#include "calc/input_check.h"
#include "calc/look_ups.h"
#include "frm/frm_main.h"
#include "names/fields.h"
#include "names/grids.h"
#include "names/options.h"

namespace tw {

namespace {

constexpr Colour kWrongColour = Rgb(255, 128, 128);
// Texts of the warnings about missing surfaces and numbers.
constexpr int kNoSurfaces = 60;
constexpr int kSurfaceNumberMissing = 61;
constexpr int kProductNumberMissing = 62;

// The limits of the input check, from the resource constants.
InputLimits ReadLimits(FrmMain& w) {
    InputLimits limits;
    limits.factorOfSafety = w.Constant("FACTOROFSAFETY");
    limits.minBoxTemp = w.Constant("MINBOXTEMP");
    limits.minAmbient = w.Constant("MINAMBIENT");
    limits.maxAmbient = w.Constant("MAXAMBIENT");
    limits.minInfiltTemp = w.Constant("MININFILTTEMP");
    limits.maxInfiltTemp = w.Constant("MAXINFILTTEMP");
    limits.maxDoors = w.Constant("MAXDOORS");
    limits.maxMotorHp = w.Constant("MAXMOTORHP");
    return limits;
}

// The plausible ranges, from the resource constants that are there.
PlausibleRanges ReadPlausibleRanges(const FrmMain& w) {
    auto range = [&](const char* key) -> std::optional<float> {
        const auto found = w.Constants.find(key);
        if (found == w.Constants.end()) return std::nullopt;
        return found->second;
    };
    PlausibleRanges r;
    r.minOutside = range("PLAUSIBLEMINOUTSIDE");
    r.maxOutside = range("PLAUSIBLEMAXOUTSIDE");
    r.maxDimension = range("PLAUSIBLEMAXDIMENSION");
    r.minRunTime = range("PLAUSIBLEMINRUNTIME");
    r.maxDoors = range("PLAUSIBLEMAXDOORS");
    return r;
}

// The fields the input check reads; a room dimension only while its field is shown.
InputValues ReadValues(FrmMain& w) {
    InputValues v;
    v.safetyFactor = w.FieldNumber(field::SafetyFactor);
    v.runTime = w.FieldNumber(field::RunTime);
    v.outsideTemp = w.FieldNumber(field::OutsideDesignTemperature);
    v.roomTemp = w.FieldNumber(field::RoomTemperature);
    v.roomTemp501 = w.FieldNumber(field::SelectionRoomTemperature);
    v.storageTemp = w.FieldNumber(field::StorageTemperature);
    v.ambient = w.FieldNumber(field::CondenserAmbient);
    v.infiltTemp = w.FieldNumber(field::InfiltrationTemperature);
    v.glassDoors = w.FieldNumber(field::GlassDoors);
    v.dockDoors = w.FieldNumber(field::DockDoors);
    v.motorHp = w.FieldNumber(field::MotorPower);
    if (w.TEXTBOX[field::RoomWidth].Visible) v.width = w.FieldNumber(field::RoomWidth);
    if (w.TEXTBOX[field::RoomLength].Visible) v.length = w.FieldNumber(field::RoomLength);
    if (w.TEXTBOX[field::RoomHeight].Visible) v.height = w.FieldNumber(field::RoomHeight);
    v.condensingUnits = w.FieldNumber(field::UnitCount);
    v.coolers = w.FieldNumber(field::CoolerCount);
    return v;
}

// Product temperatures against the storage temperature: the messages, and the cells in the
// error colour.
void CheckProducts(FrmMain& w) {
    Grid& grid = w.MSFlexGrid[grid::Products];
    std::vector<ProductTemperatures> products;
    auto temperature = [&](int row, int c) -> std::optional<float> {
        const std::string text = w.GetCellValue(grid::Products, row, c);
        if (!w.IsNumeric(text)) return std::nullopt;
        return static_cast<float>(CellNumber(text, w.Decimal()));
    };
    for (int c = tw::grid::FirstItemCol; c < grid.Cols(); ++c) {
        ProductTemperatures p;
        p.weight = static_cast<float>(
            CellNumber(w.GetCellValue(grid::Products, grid::product::Weight, c), w.Decimal()));
        p.entering = temperature(4, c);
        p.final = temperature(5, c);
        products.push_back(p);
    }
    ProductCheck checked =
        CheckProductTemperatures(products, w.FieldNumber(field::StorageTemperature));
    for (int message : checked.messages)
        w.AddInputError(message);
    const int row = grid.Row, col = grid.Col;
    auto colour = [&](int r, int c, bool wrong) {
        grid.Row = r;
        grid.Col = c;
        // A passing cell loses only the error colour; a value the user typed shows as such.
        if (wrong)
            grid.SetCellBackColor(kWrongColour);
        else if (grid.CellBackColor() == kWrongColour)
            grid.SetCellBackColor(grid.Cell(r, c).entered ? w.Colours.Override : kNoColour);
    };
    for (std::size_t i = 0; i < products.size(); ++i) {
        const int c = static_cast<int>(i) + 2;
        colour(5, c, checked.finalWrong[i]);
        colour(4, c, checked.enteringWrong[i]);
    }
    grid.Row = row;
    grid.Col = col;
}

} // namespace

bool FrmMain::CheckInputs() {
    LogWrite(">CheckInputs()");
    Banner.ClearErrors();

    const InputLimits limits = ReadLimits(*this);
    const InputValues v = ReadValues(*this);
    CheckResult fields = CheckFieldValues(v, limits);
    for (const FieldMark& mark : fields.marks)
        MarkInputField(mark.field, mark.wrong);
    for (int message : fields.messages)
        AddInputError(message);

    CheckProducts(*this);

    // Warnings that do not stop the calculation: a room without surfaces has no transmission
    // load, a column with its surface or product chosen but a number missing adds nothing,
    // and a value outside its plausible range may be a slip.
    const bool blocking = Banner.ErrorCount() > 0;
    CheckColumnsComplete();
    // Values that are possible but unlikely are pointed out too.
    for (int message : CheckPlausibility(v, ReadPlausibleRanges(*this)))
        AddInputError(message);

    // The results stand in the error colour while an error or a warning stands.
    const bool error = Banner.ErrorCount() > 0;
    for (int n : {field::TotalLoad, field::DesignLoad, field::BalanceCapacity, field::BalanceSST,
                  field::BalanceTD, field::BalanceShare, field::BoxLoad, field::InfiltrationLoad,
                  field::ProductLoad, field::MiscLoad})
        MarkInputField(n, error);

    ShowBanner();
    return blocking;
}

void FrmMain::ShowBanner() {
    // The banner repeats its first line at the end, so the scrolled text wraps round.
    const int lines = Banner.LineCount();
    EBANNER.SetCaption(Banner.Caption());
    EBANNER.Height = (lines + 1) * Banner.LineHeight;
    EBANNER.Top = 0;
    Banner.Scroll = 0;
    Timer1.Enabled = lines > 0;
    if (lines > 0) {
        if (!Banner.Active) Banner.Calm = platform.ReducedMotion();
        Banner.Active = true;
    } else
        EFRAME.Visible = false;
}

void FrmMain::CheckColumnsComplete() {
    const auto missing = [&](int g, int c, std::initializer_list<int> rows) {
        for (int r : rows)
            if (!IsNumeric(GetCellValue(g, r, c))) return true;
        return false;
    };
    if (!RADIO[option::SizeOnly].Value() && !IsUserEntered(field::BoxLoad)) {
        const Grid& walls = MSFlexGrid[grid::Surfaces];
        bool any = false;
        for (int c = grid::FirstItemCol; c < walls.Cols(); ++c) {
            if (walls.TextMatrix(grid::surface::Type, c).empty()) continue;
            any = true;
            if (missing(grid::Surfaces, c,
                        {grid::surface::Area, grid::surface::Insulation, grid::surface::KFactor,
                         grid::surface::OutsideTemperature}))
                AddInputError(kSurfaceNumberMissing, " " + std::to_string(c - 1));
        }
        if (!any) AddInputError(kNoSurfaces);
    }
    if (IsUserEntered(field::ProductLoad)) return;
    const Grid& products = MSFlexGrid[grid::Products];
    for (int c = grid::FirstItemCol; c < products.Cols(); ++c) {
        if (products.TextMatrix(grid::product::Name, c).empty()) continue;
        if (missing(grid::Products, c,
                    {grid::product::Weight, grid::product::EnteringTemperature,
                     grid::product::FinalTemperature, grid::product::PullDownTime}))
            AddInputError(kProductNumberMissing, " " + std::to_string(c - 1));
    }
}

void FrmMain::AddInputError(int n, const std::string& detail) {
    LogWrite(">AddInputError(" + std::to_string(n) + ")");
    Banner.AddError((n >= 0 && n < static_cast<int>(ErrorTexts.size())
                         ? ErrorTexts[static_cast<std::size_t>(n)]
                         : std::string()) +
                    detail);
}

void FrmMain::MarkInputField(int n, bool wrong) {
    if (!TEXTBOX.Exists(n)) return;
    TextBox& box = TEXTBOX[n];
    // The field being typed in keeps its editing colour.
    if (HasFocus() && ActiveControl() == box.ref) return;
    box.BackColor = wrong ? kWrongColour : Colours.TextBack;
}

} // namespace tw
