// SPDX-License-Identifier: MIT
// The infiltration load from the fields of the infiltration page.
#include "calc/infiltration_load.h"
#include "calc/look_ups.h"
#include "frm/frm_main.h"
#include "names/fields.h"
#include "names/lists.h"
#include "names/options.h"
#include "shell/numbers.h"

#include <cmath>

namespace tw {

namespace {

// The saturated-air table's values at a temperature, looked up column by column.
SaturatedAir SaturatedAirAt(FrmMain& w, float t) {
    return {w.LookUpF(t, kHumidityRatio), w.LookUpF(t, kDryAirEnthalpy),
            w.LookUpF(t, kSaturationEnthalpy)};
}

// The constants of the infiltration loads, from the resource file.
InfiltrationConstants ReadInfiltrationConstants(FrmMain& w) {
    InfiltrationConstants k;
    k.humidityConstant = w.Constant("ENTHALPYCONSTANT");
    k.internalRH = w.Constant("INTERNALRH");
    k.estimatedRH = w.Constant("ESTIMATEDRH");
    k.ventConstant = w.Constant("VENTCONSTANT");
    k.dockPower = w.Constant("DOCKPOWER");
    return k;
}

// The factor of the chosen door protection. With nothing chosen it is that of average strip
// curtains, and the list says so.
void ChooseDoorProtection(FrmMain& w) {
    ListBox& protection = w.OPTIONLIST[list::DoorProtection];
    if (protection.ListIndex() < 0) {
        w.DoorProtectionFactor = 0.5f;
        if (protection.ListCount() > 1) {
            protection.SetListIndex(1);
            w.TEXTBOX[field::DoorProtection].SetText(protection.List(1));
        }
    } else {
        ListBox& values = w.OPTIONVALUE[list::DoorProtection];
        const int i = protection.ListIndex();
        w.DoorProtectionFactor = i < values.ListCount()
                                     ? static_cast<float>(CellNumber(values.List(i), w.Decimal()))
                                     : 0.0f;
    }
}

} // namespace

void FrmMain::CalculateInfiltrationLoad() {
    LogWrite(">CalculateInfiltrationLoad()");
    auto text = [&](float v) { return FormatSingle(v, Decimal()); };

    const InfiltrationConstants k = ReadInfiltrationConstants(*this);

    InfiltrationInput in;
    in.volume = FieldNumber(field::RoomVolume);
    in.roomTemp = FieldNumber(field::RoomTemperature);
    in.outsideTemp = FieldNumber(field::InfiltrationTemperature);
    in.outside = SaturatedAirAt(*this, in.outsideTemp);
    in.doorRH = FieldNumber(field::DoorAirRH);
    in.ventilationRH = FieldNumber(field::OutsideAirRH);
    LogWrite("Enthalpy 1 = " +
             text(MoistAirEnthalpy(in.outside, in.doorRH / 100.0f, k.humidityConstant)));
    in.room = SaturatedAirAt(*this, in.roomTemp);

    in.airChanges = LookUpA(in.volume, in.roomTemp);
    if (RADIO[option::NormalUse].Value()) in.usageFactor = Constant("NORMALUSE");
    if (RADIO[option::HeavyUse].Value()) in.usageFactor = Constant("HEAVYUSAGE");
    if (RADIO[option::LongStorage].Value()) in.usageFactor = Constant("LONGSTORAGE");

    in.doorTimeFactor = FieldNumber(field::DoorOpenHours);
    in.doorWidth = FieldNumber(field::DoorWidth);
    in.doorHeight = FieldNumber(field::DoorHeight);
    in.doorFlowFactor = FieldNumber(field::DoorFlowFactor);
    ChooseDoorProtection(*this);
    in.doorProtection = DoorProtectionFactor;
    in.ventilationFlow = FieldNumber(field::VentilationFlow);
    in.glassDoors = FieldNumber(field::GlassDoors);
    in.dockDoors = FieldNumber(field::DockDoors);
    in.airChangeMethod = RADIO[option::AirChange].Value();
    in.doorMethod = RADIO[option::DoorOpenings].Value();
    in.ventilationMethod = RADIO[option::Ventilation].Value();
    if (IsUserEntered(field::AirChangeLoad))
        in.typedAirChangeLoad = FieldNumber(field::AirChangeLoad);
    if (IsUserEntered(field::DoorLoad)) in.typedDoorLoad = FieldNumber(field::DoorLoad);
    if (IsUserEntered(field::VentilationLoad))
        in.typedVentilationLoad = FieldNumber(field::VentilationLoad);
    in.runTime = FieldNumber(field::RunTime);

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
    if (!IsUserEntered(field::AirChangeLoad))
        WriteResult(field::AirChangeLoad, *r.airChangeHourly, 7);
    if (!IsUserEntered(field::DoorLoad)) WriteResult(field::DoorLoad, *r.doorHourly, 7);
    if (!IsUserEntered(field::VentilationLoad))
        WriteResult(field::VentilationLoad, *r.ventilationHourly, 7);
    WriteResult(field::GlassDoorLoad, *r.glassDoorsHourly, 7);
    WriteResult(field::DockDoorLoad, *r.dockDoorsHourly, 7);
    if (!IsUserEntered(field::InfiltrationLoad))
        WriteResult(field::InfiltrationLoad, *r.totalHourly, 7);
}

} // namespace tw
