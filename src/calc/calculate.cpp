// SPDX-License-Identifier: MIT
// The recalculation: input check, the four partial loads, the total, the design load after the
// safety factor, and the hand-over to the equipment selection.
#include "base/flag_scope.h"
#include "calc/look_ups.h"
#include "calc/misc_load.h"
#include "frm/frm_main.h"
#include "names/fields.h"
#include "names/grids.h"
#include "names/lists.h"
#include "shell/numbers.h"

namespace tw {

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

        const float total = FieldNumber(field::BoxLoad) + FieldNumber(field::InfiltrationLoad) +
                            FieldNumber(field::ProductLoad) + FieldNumber(field::MiscLoad);
        if (!IsUserEntered(field::TotalLoad)) WriteResult(field::TotalLoad, total, 7);
        // The design load follows the computed total even when the user typed over field 16.
        if (!IsUserEntered(field::DesignLoad))
            WriteResult(field::DesignLoad, DesignLoad(total, FieldNumber(field::SafetyFactor)));

        SelectCondensingUnit();
        SelectCooler();
        UpdateBalancePoint();
    }
}

void FrmMain::SetMotorDefaults() {
    LogWrite(">SetMotorDefaults()");
    if (IsUserEntered(field::Motors) || IsUserEntered(field::MotorPower)) return;
    int count = 0;
    float power = 0;
    LookUpK(FieldNumber(field::RoomVolume), FieldNumber(field::RoomTemperature), count, power);
    SetFieldValue(field::Motors, std::to_string(count));
    SetFieldValue(field::MotorPower, FormatSingle(power, Decimal()));
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
    if (!IsUserEntered(field::LightingPower)) {
        double area = 0;
        Grid& surfaces = MSFlexGrid[grid::Surfaces];
        ListBox& types = OPTIONLIST[list::SurfaceType];
        if (types.ListCount() > 2) {
            for (int c = grid::FirstItemCol; c < surfaces.Cols(); ++c) {
                if (surfaces.TextMatrix(grid::surface::Type, c) ==
                    types.List(list::surface_type::Ceiling)) {
                    area =
                        CellNumber(GetCellValue(grid::Surfaces, grid::surface::Area, c), Decimal());
                    break;
                }
            }
        }
        if (auto power = LightingPower(FieldDouble(field::LightingPerArea), area, in.u10))
            WriteResult(field::LightingPower, *power, 7);
    }

    in.lightingPower = FieldDouble(field::LightingPower);
    in.lightingHours = FieldDouble(field::LightingHours);
    in.motorHeat = LookUpE(FieldNumber(field::MotorPower), false, false);
    in.motorHours = FieldDouble(field::MotorHours);
    in.motors = FieldDouble(field::Motors);
    in.roomTemp = FieldDouble(field::RoomTemperature);
    in.people = FieldDouble(field::People);
    in.peopleHours = FieldDouble(field::PeopleHours);
    in.forklifts = FieldDouble(field::ForkLifts);
    in.forkliftHours = FieldDouble(field::ForkLiftHours);
    const int pairs[4][2] = {{field::HeatSource1Power, field::HeatSource1Hours},
                             {field::HeatSource2Power, field::HeatSource2Hours},
                             {field::HeatSource3Power, field::HeatSource3Hours},
                             {field::HeatSource4Power, field::HeatSource4Hours}};
    for (std::size_t i = 0; i < 4; ++i)
        in.sources[i] = {FieldDouble(pairs[i][0]), FieldDouble(pairs[i][1])};
    in.peoplePower = Constant("PEOPLEPOWER");
    in.forkliftPower = Constant("FORKLIFTPOWER");
    in.runTime = FieldDouble(field::RunTime);

    MiscLoadResult r = MiscLoad(in);
    if (!IsUserEntered(field::MiscLoad) && r.hourly) WriteResult(field::MiscLoad, *r.hourly);
}

} // namespace tw
