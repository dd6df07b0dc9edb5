// SPDX-License-Identifier: MIT
// The infiltration load from the fields of the infiltration page.
#include "calc/infiltration_load.h"
#include "calc/look_ups.h"
#include "frm/frm_main.h"
#include "shell/numbers.h"

#include <cmath>

namespace tw {

void FrmMain::CalculateInfiltrationLoad() {
    LogWrite(">CalculateInfiltrationLoad()");
    auto text = [&](float v) { return FormatSingle(v, Decimal()); };

    InfiltrationConstants k;
    k.humidityConstant = Constant("ENTHALPYCONSTANT");
    k.internalRH = Constant("INTERNALRH");
    k.estimatedRH = Constant("ESTIMATEDRH");
    k.ventConstant = Constant("VENTCONSTANT");
    k.dockPower = Constant("DOCKPOWER");

    InfiltrationInput in;
    in.volume = FieldNumber(213);
    in.roomTemp = FieldNumber(103);
    in.outsideTemp = FieldNumber(600);
    in.outside = {LookUpF(in.outsideTemp, 2), LookUpF(in.outsideTemp, 3),
                  LookUpF(in.outsideTemp, 4)};
    in.doorRH = FieldNumber(623);
    in.ventilationRH = FieldNumber(641);
    LogWrite("Enthalpy 1 = " +
             text(MoistAirEnthalpy(in.outside, in.doorRH / 100.0f, k.humidityConstant)));
    in.room = {LookUpF(in.roomTemp, 2), LookUpF(in.roomTemp, 3), LookUpF(in.roomTemp, 4)};

    in.airChanges = LookUpA(in.volume, in.roomTemp);
    if (RADIO[603].Value()) in.usageFactor = Constant("NORMALUSE");
    if (RADIO[604].Value()) in.usageFactor = Constant("HEAVYUSAGE");
    if (RADIO[605].Value()) in.usageFactor = Constant("LONGSTORAGE");

    in.doorTimeFactor = FieldNumber(619);
    in.doorWidth = FieldNumber(620);
    in.doorHeight = FieldNumber(621);
    in.doorFlowFactor = FieldNumber(622);
    ListBox& protection = OPTIONLIST[625];
    if (protection.ListIndex() < 0) {
        // Nothing chosen: average strip curtains, and the list says so.
        DoorProtectionFactor = 0.5f;
        if (protection.ListCount() > 1) {
            protection.SetListIndex(1);
            TEXTBOX[625].SetText(protection.List(1));
        }
    } else {
        ListBox& values = OPTIONVALUE[625];
        const int i = protection.ListIndex();
        DoorProtectionFactor = i < values.ListCount()
                                   ? static_cast<float>(CellNumber(values.List(i), Decimal()))
                                   : 0.0f;
    }
    in.doorProtection = DoorProtectionFactor;
    in.ventilationFlow = FieldNumber(640);
    in.glassDoors = FieldNumber(659);
    in.dockDoors = FieldNumber(669);
    in.airChangeMethod = RADIO[600].Value();
    in.doorMethod = RADIO[601].Value();
    in.ventilationMethod = RADIO[602].Value();
    if (IsUserEntered(605)) in.typedAirChangeLoad = FieldNumber(605);
    if (IsUserEntered(624)) in.typedDoorLoad = FieldNumber(624);
    if (IsUserEntered(642)) in.typedVentilationLoad = FieldNumber(642);
    in.runTime = FieldNumber(12);

    InfiltrationResult r = ExchangedAirLoads(in, k);
    LogWrite("Estimated Infiltration Load = " + text(r.airChange));
    LogWrite("Velocity = " + text(r.velocity));
    LogWrite("InfiltrationB = " + text(r.door));
    LogWrite("InfiltrationC = " + text(r.ventilation));

    const double count = RoundHalfEven(static_cast<double>(in.glassDoors));
    const int doors = std::abs(count) < 1e9 ? static_cast<int>(count) : 0;
    in.glassDoorLoad = LookUpB(doors, in.roomTemp);
    AddDoorLoadsAndTotal(in, k, r);
    LogWrite("Infiltration Glass Doors = " + text(r.glassDoors));
    LogWrite("Infiltration (Dock Doors) = " + text(r.dockDoors));

    // Per-hour figures; the input check keeps the run time above 0 before we get here.
    if (!in.runTime) return;
    if (!IsUserEntered(605)) WriteResult(605, *r.airChangeHourly, 7);
    if (!IsUserEntered(624)) WriteResult(624, *r.doorHourly, 7);
    if (!IsUserEntered(642)) WriteResult(642, *r.ventilationHourly, 7);
    WriteResult(660, *r.glassDoorsHourly, 7);
    WriteResult(670, *r.dockDoorsHourly, 7);
    if (!IsUserEntered(680)) WriteResult(680, *r.totalHourly, 7);
}

} // namespace tw
