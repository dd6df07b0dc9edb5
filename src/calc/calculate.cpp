// SPDX-License-Identifier: MIT
// The recalculation: input check, the four partial loads, the total, the design load after the
// safety factor, and the hand-over to the equipment selection.
#include "calc/look_ups.h"
#include "calc/misc_load.h"
#include "frm/frm_main.h"
#include "shell/numbers.h"

namespace tw {

namespace {

// Sets a form flag for a scope and puts back what it was, also when a step throws, so a
// failed or nested calculation never leaves the change handlers switched off.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag), before_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = before_; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
    bool before_;
};

} // namespace

void FrmMain::Calculate() {
    LogWrite(">Calculate()");
    if (CheckInputs()) return;
    {
        FlagScope calculating(IsCalculating);
        CalculateBoxLoad();
        CalculateInfiltrationLoad();
        CalculateProductLoad();
        SetMotorDefaults();
        CalculateMiscLoad();

        const float total =
            FieldNumber(214) + FieldNumber(680) + FieldNumber(314) + FieldNumber(422);
        if (!IsUserEntered(16)) WriteResult(16, total, 7);
        // The design load follows the computed total even when the user typed over field 16.
        if (!IsUserEntered(503)) WriteResult(503, DesignLoad(total, FieldNumber(506)));

        SelectCondensingUnit();
        SelectCooler();
        UpdateBalancePoint();
    }
}

void FrmMain::SetMotorDefaults() {
    LogWrite(">SetMotorDefaults()");
    if (IsUserEntered(423) || IsUserEntered(403)) return;
    int count = 0;
    float power = 0;
    LookUpK(FieldNumber(213), FieldNumber(103), count, power);
    SetFieldValue(423, std::to_string(count));
    SetFieldValue(403, FormatSingle(power, Decimal()));
}

void FrmMain::CalculateMiscLoad() {
    LogWrite(">CalculateMiscLoad()");
    auto unitFactor = [&](std::size_t row) {
        return row < UnitTable.size() ? CellNumber(UnitTable[row][4], Decimal()) : 0.0;
    };
    MiscLoadInput in;
    in.u10 = unitFactor(10);
    in.u9 = unitFactor(9);

    // Lighting by the ceiling area (the first surface of the third type).
    if (!IsUserEntered(401)) {
        double area = 0;
        Grid& surfaces = MSFlexGrid[200];
        ListBox& types = OPTIONLIST[201];
        if (types.ListCount() > 2) {
            for (int c = 2; c < surfaces.Cols(); ++c) {
                if (surfaces.TextMatrix(1, c) == types.List(2)) {
                    area = CellNumber(GetCellValue(200, 4, c), Decimal());
                    break;
                }
            }
        }
        if (auto power = LightingPower(FieldDouble(400), area, in.u10)) WriteResult(401, *power, 7);
    }

    in.lightingPower = FieldDouble(401);
    in.lightingHours = FieldDouble(402);
    in.motorHeat = LookUpE(FieldNumber(403), false, false);
    in.motorHours = FieldDouble(405);
    in.motors = FieldDouble(423);
    in.roomTemp = FieldDouble(103);
    in.people = FieldDouble(406);
    in.peopleHours = FieldDouble(407);
    in.forklifts = FieldDouble(408);
    in.forkliftHours = FieldDouble(409);
    const int pairs[4][2] = {{412, 411}, {415, 414}, {418, 417}, {421, 420}};
    for (std::size_t i = 0; i < 4; ++i)
        in.sources[i] = {FieldDouble(pairs[i][0]), FieldDouble(pairs[i][1])};
    in.peoplePower = Constant("PEOPLEPOWER");
    in.forkliftPower = Constant("FORKLIFTPOWER");
    in.runTime = FieldDouble(12);

    MiscLoadResult r = MiscLoad(in);
    if (!IsUserEntered(422) && r.hourly) WriteResult(422, *r.hourly);
}

} // namespace tw
