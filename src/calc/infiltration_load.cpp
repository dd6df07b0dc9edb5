// SPDX-License-Identifier: MIT
#include "calc/infiltration_load.h"

#include "shell/numbers.h"

#include <cmath>

namespace tw {

namespace {

// Int(x + 0.5) in single precision.
float RoundedDaily(float x) {
    return static_cast<float>(Int(static_cast<double>(x + 0.5f)));
}

} // namespace

float MoistAirEnthalpy(const SaturatedAir& air, float rh, float humidityConstant) {
    float ratio = humidityConstant != 0.0f ? air.humidityRatio / humidityConstant : 0.0f;
    float denominator = 1.0f + (1.0f - rh) * ratio;
    if (denominator == 0.0f) denominator = 1.0f;
    return air.dryAirEnthalpy + air.saturationEnthalpy * rh / denominator;
}

InfiltrationResult InfiltrationLoad(const InfiltrationInput& in, const InfiltrationConstants& k) {
    InfiltrationResult r = ExchangedAirLoads(in, k);
    AddDoorLoadsAndTotal(in, k, r);
    return r;
}

InfiltrationResult ExchangedAirLoads(const InfiltrationInput& in, const InfiltrationConstants& k) {
    InfiltrationResult r;
    const float c = k.humidityConstant;
    r.outsideDoorEnthalpy = MoistAirEnthalpy(in.outside, in.doorRH / 100.0f, c);
    r.outsideVentilationEnthalpy = MoistAirEnthalpy(in.outside, in.ventilationRH / 100.0f, c);
    r.outsideEstimateEnthalpy = MoistAirEnthalpy(in.outside, k.estimatedRH / 100.0f, c);
    r.roomEnthalpy = MoistAirEnthalpy(in.room, k.internalRH / 100.0f, c);
    const float hR = r.roomEnthalpy;

    // Air changes: the room's air, so many times a day, scaled by the usage.
    const float airFlow = in.volume * in.airChanges * in.usageFactor / 1440.0f;
    r.airChange = k.ventConstant * 24.0f * airFlow * (r.outsideEstimateEnthalpy - hR);

    // Door openings: the cold air flows out at the bottom, warm air in at the top. Without a
    // temperature difference (or with a door of no height) no air moves.
    const float rise = in.outsideTemp - in.roomTemp;
    const bool airMoves = rise >= 0.0f && in.doorHeight >= 0.0f;
    r.velocity = airMoves ? 4.88f * std::sqrt(in.doorHeight) * std::sqrt(rise) : 0.0f;
    const float doorFlow = (in.doorWidth * in.doorHeight / 2.0f) * in.doorFlowFactor * r.velocity;
    r.door = in.doorTimeFactor * k.ventConstant * doorFlow * (r.outsideDoorEnthalpy - hR) *
             in.doorProtection;

    r.ventilation =
        k.ventConstant * 24.0f * in.ventilationFlow * (r.outsideVentilationEnthalpy - hR);
    return r;
}

void AddDoorLoadsAndTotal(const InfiltrationInput& in, const InfiltrationConstants& k,
                          InfiltrationResult& r) {
    const float hR = r.roomEnthalpy;
    const float rise = in.outsideTemp - in.roomTemp;
    r.glassDoors = in.glassDoors * in.glassDoorLoad * 24.0f;
    r.dockDoors = rise >= 0.0f ? in.dockDoors * k.dockPower * std::sqrt(rise) * k.ventConstant *
                                     (r.outsideVentilationEnthalpy - hR) * 24.0f
                               : 0.0f;

    // The chosen method's daily load; a per-hour load the user typed counts for a whole
    // run-time day.
    float exchanged = 0;
    if (in.airChangeMethod)
        exchanged = in.typedAirChangeLoad ? *in.typedAirChangeLoad * in.runTime : r.airChange;
    if (in.doorMethod) exchanged = in.typedDoorLoad ? *in.typedDoorLoad * in.runTime : r.door;
    if (in.ventilationMethod)
        exchanged = in.typedVentilationLoad ? *in.typedVentilationLoad * in.runTime : r.ventilation;
    r.total = r.glassDoors + exchanged + r.dockDoors;

    if (in.runTime != 0.0f) {
        const float t = in.runTime;
        r.airChangeHourly = r.airChange / t;
        r.doorHourly = RoundedDaily(r.door) / t;
        r.ventilationHourly = RoundedDaily(r.ventilation) / t;
        r.glassDoorsHourly = RoundedDaily(r.glassDoors) / t;
        r.dockDoorsHourly = RoundedDaily(r.dockDoors) / t;
        r.totalHourly = static_cast<float>(Int(static_cast<double>(r.total / t + 0.5f)));
    }
}

} // namespace tw
