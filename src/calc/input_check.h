// SPDX-License-Identifier: MIT
// The plausibility check of the user's entries before a calculation: each field against its
// limits, and the product temperatures against the storage temperature. The result lists the
// fields to mark and the error messages in the order the user reads them.
#pragma once

#include <optional>
#include <vector>

namespace tw {

struct InputLimits {
    float factorOfSafety = 0; // lowest safety factor, percent
    float minBoxTemp = 0;
    float minAmbient = 0;
    float maxAmbient = 0;
    float minInfiltTemp = 0;
    float maxInfiltTemp = 0;
    float maxDoors = 0;
    float maxMotorHp = 0;
};

// The stored values of the checked fields, by field number.
struct InputValues {
    float safetyFactor = 0; // 506
    float runTime = 0;      // 12
    float outsideTemp = 0;  // 102
    float roomTemp = 0;     // 103
    float roomTemp501 = 0;  // 501 (the room temperature on the selection page)
    float storageTemp = 0;  // 312
    float ambient = 0;      // 500
    float infiltTemp = 0;   // 600
    float glassDoors = 0;   // 659
    float dockDoors = 0;    // 669
    float motorHp = 0;      // 403
    // The room dimensions are checked only while their fields are shown.
    std::optional<float> width;  // 14
    std::optional<float> length; // 13
    std::optional<float> height; // 15
    float condensingUnits = 0;   // 522
    float coolers = 0;           // 542
};

struct FieldMark {
    int field = 0;
    bool wrong = false;
};

struct CheckResult {
    std::vector<FieldMark> marks;
    // Error-text numbers, in order.
    std::vector<int> messages;
};

CheckResult CheckFieldValues(const InputValues& v, const InputLimits& limits);

// The ranges beyond which a value is possible but unlikely (a typing slip, a wrong unit); a
// range the resource file does not give is not checked.
struct PlausibleRanges {
    std::optional<float> minOutside; // outside design temperature
    std::optional<float> maxOutside;
    std::optional<float> maxDimension; // room length, width and height
    std::optional<float> minRunTime;
    std::optional<float> maxDoors; // glass and dock doors together
};

// The warnings (error-text numbers 63 to 66) for values outside the plausible ranges; they
// never stop the calculation.
std::vector<int> CheckPlausibility(const InputValues& v, const PlausibleRanges& ranges);

// One product column: its weight and its entering and final temperatures (nothing when the
// cell holds no number).
struct ProductTemperatures {
    float weight = 0;
    std::optional<float> entering;
    std::optional<float> final;
};

struct ProductCheck {
    // Messages 21, 22 and 23, each at most once, in that order of first appearance.
    std::vector<int> messages;
    // Per column: the final or the entering temperature is wrong.
    std::vector<bool> finalWrong;
    std::vector<bool> enteringWrong;
};

ProductCheck CheckProductTemperatures(const std::vector<ProductTemperatures>& products,
                                      float storageTemp);

} // namespace tw
