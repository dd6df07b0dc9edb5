// SPDX-License-Identifier: MIT
// Infiltration load: the heat of the outside air that enters the room, by one of three
// estimates of the exchanged air (air changes by room volume, door openings, ventilation),
// plus glass reach-in doors and dock doors. Everything in single precision, per 24 hours until
// divided by the run time.
#pragma once

#include <optional>

namespace tw {

// Saturated moist air at one temperature (the saturated-air table's columns 2, 3 and 4).
struct SaturatedAir {
    float humidityRatio = 0;      // Ws, lb water per lb dry air
    float dryAirEnthalpy = 0;     // ha, Btu/lb dry air
    float saturationEnthalpy = 0; // hs − ha, Btu/lb dry air
};

// Moist-air enthalpy at relative humidity `rh` (a fraction) by the degree of saturation:
// h = ha + (hs − ha) × rh / (1 + (1 − rh) × Ws / k), with k the humidity-ratio constant
// 0.621945 (molar mass of water over that of dry air).
float MoistAirEnthalpy(const SaturatedAir& air, float rh, float humidityConstant);

struct InfiltrationConstants {
    float humidityConstant = 0.621945f; // ENTHALPYCONSTANT
    float internalRH = 0;               // room air, percent
    float estimatedRH = 0;              // outside air of the air-change estimate, percent
    float ventConstant = 0;             // cfm to lb of air per hour
    float dockPower = 0;                // dock-door air per door and √°F
};

struct InfiltrationInput {
    float volume = 0;
    float roomTemp = 0;
    float outsideTemp = 0;
    SaturatedAir outside;
    SaturatedAir room;
    // Air-change estimate: changes per 24 h for the volume, times the usage factor (0 when no
    // usage is chosen).
    float airChanges = 0;
    float usageFactor = 0;
    // Door method.
    float doorTimeFactor = 0;
    float doorWidth = 0;
    float doorHeight = 0;
    float doorFlowFactor = 0;
    float doorRH = 0; // percent
    float doorProtection = 0;
    // Ventilation method (its humidity also serves the dock doors).
    float ventilationFlow = 0;
    float ventilationRH = 0; // percent
    // Glass reach-in doors: their count and the load per door and hour.
    float glassDoors = 0;
    float glassDoorLoad = 0;
    float dockDoors = 0;
    // The chosen method; when several are set the last one wins.
    bool airChangeMethod = false;
    bool doorMethod = false;
    bool ventilationMethod = false;
    // Per-hour loads the user typed over the computed ones; the total then uses them.
    std::optional<float> typedAirChangeLoad;
    std::optional<float> typedDoorLoad;
    std::optional<float> typedVentilationLoad;
    float runTime = 0;
};

struct InfiltrationResult {
    float outsideDoorEnthalpy = 0;        // h1
    float outsideVentilationEnthalpy = 0; // h2
    float outsideEstimateEnthalpy = 0;    // hE
    float roomEnthalpy = 0;               // hR
    float velocity = 0;                   // door air velocity, ft/min
    // Loads per 24 hours.
    float airChange = 0; // QE
    float door = 0;      // QB
    float ventilation = 0;
    float glassDoors = 0;
    float dockDoors = 0;
    float total = 0;
    // Loads per hour of run time (nothing when the run time is 0): the air-change estimate
    // is not rounded, the other methods divide the rounded daily figure, the total is rounded
    // after the division.
    std::optional<float> airChangeHourly;
    std::optional<float> doorHourly;
    std::optional<float> ventilationHourly;
    std::optional<float> glassDoorsHourly;
    std::optional<float> dockDoorsHourly;
    std::optional<float> totalHourly;
};

// The whole infiltration load.
InfiltrationResult InfiltrationLoad(const InfiltrationInput& in, const InfiltrationConstants& k);

// The same in two steps, for a caller that looks up the glass-door load in between: the
// enthalpies and the three exchanged-air estimates first, then glass doors, dock doors, the
// total and the per-hour figures.
InfiltrationResult ExchangedAirLoads(const InfiltrationInput& in, const InfiltrationConstants& k);
void AddDoorLoadsAndTotal(const InfiltrationInput& in, const InfiltrationConstants& k,
                          InfiltrationResult& r);

} // namespace tw
