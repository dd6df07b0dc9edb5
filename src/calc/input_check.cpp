// SPDX-License-Identifier: MIT
#include "calc/input_check.h"

#include "names/fields.h"
#include "shell/numbers.h"

#include <algorithm>

namespace tw {

namespace {

bool Whole(float v) {
    return static_cast<double>(v) == Int(static_cast<double>(v));
}

class Checker {
public:
    // Marks the field and adds the message of the first condition that holds (-1: none).
    void Check(int field, std::initializer_list<std::pair<bool, int>> conditions) {
        for (const auto& [holds, message] : conditions) {
            if (!holds) continue;
            result.marks.push_back({field, true});
            if (message >= 0) result.messages.push_back(message);
            return;
        }
        result.marks.push_back({field, false});
    }
    CheckResult result;
};

} // namespace

CheckResult CheckFieldValues(const InputValues& v, const InputLimits& l) {
    Checker c;
    c.Check(field::SafetyFactor, {{v.safetyFactor < l.factorOfSafety, 24}});
    c.Check(field::RunTime, {{v.runTime <= 0, 0}, {v.runTime > 24, 1}});
    c.Check(field::SelectionRoomTemperature,
            {{v.roomTemp501 < l.minBoxTemp, 2}, {v.roomTemp501 >= v.outsideTemp, 3}});
    c.Check(field::RoomTemperature,
            {{v.roomTemp < l.minBoxTemp || v.outsideTemp <= v.roomTemp, -1}});
    c.Check(field::StorageTemperature,
            {{v.storageTemp < l.minBoxTemp || v.outsideTemp <= v.storageTemp, -1}});
    c.Check(field::CondenserAmbient,
            {{v.ambient < l.minAmbient, 4}, {v.ambient > l.maxAmbient, 5}});
    c.Check(field::InfiltrationTemperature, {{v.infiltTemp < l.minInfiltTemp, 6},
                                             {v.infiltTemp > l.maxInfiltTemp, 7},
                                             {v.infiltTemp < v.roomTemp, 8}});
    c.Check(field::GlassDoors, {{v.glassDoors < 0, 9}, {v.glassDoors > l.maxDoors, 10}});
    c.Check(field::MotorPower, {{v.motorHp < 0, 11}, {v.motorHp > l.maxMotorHp, 12}});
    if (v.width) c.Check(field::RoomWidth, {{*v.width < 0, 13}});
    if (v.length) c.Check(field::RoomLength, {{*v.length < 0, 14}});
    if (v.height) c.Check(field::RoomHeight, {{*v.height < 0, 15}});
    const bool unitsRight = v.condensingUnits >= 1 && Whole(v.condensingUnits);
    c.Check(field::UnitCount, {{v.condensingUnits < 1, 16}, {!Whole(v.condensingUnits), 17}});
    const bool coolersRight = v.coolers >= 1 && Whole(v.coolers);
    c.Check(field::CoolerCount,
            {{v.coolers < 1, 18},
             {!Whole(v.coolers), 19},
             {unitsRight && coolersRight && !Whole(v.coolers / v.condensingUnits), 20}});
    return c.result;
}

std::vector<int> CheckPlausibility(const InputValues& v, const PlausibleRanges& r) {
    std::vector<int> messages;
    if ((r.minOutside && v.outsideTemp < *r.minOutside) ||
        (r.maxOutside && v.outsideTemp > *r.maxOutside))
        messages.push_back(63);
    if (r.maxDimension) {
        for (const auto& dimension : {v.length, v.width, v.height})
            if (dimension && *dimension > *r.maxDimension) {
                messages.push_back(64);
                break;
            }
    }
    // A run time of 0 or less is already an error of its own.
    if (r.minRunTime && v.runTime > 0 && v.runTime < *r.minRunTime) messages.push_back(65);
    if (r.maxDoors && v.glassDoors + v.dockDoors > *r.maxDoors) messages.push_back(66);
    return messages;
}

ProductCheck CheckProductTemperatures(const std::vector<ProductTemperatures>& products,
                                      float storageTemp) {
    ProductCheck r;
    auto add = [&](int message) {
        if (std::find(r.messages.begin(), r.messages.end(), message) == r.messages.end())
            r.messages.push_back(message);
    };
    for (const ProductTemperatures& p : products) {
        bool finalWrong = false, enteringWrong = false;
        if (p.weight > 0) {
            if (p.final && *p.final < storageTemp) {
                add(21);
                finalWrong = true;
            }
            if (p.entering && *p.entering < storageTemp) {
                add(22);
                enteringWrong = true;
            }
            if (p.final && p.entering && *p.final > *p.entering) {
                add(23);
                enteringWrong = true;
            }
        }
        r.finalWrong.push_back(finalWrong);
        r.enteringWrong.push_back(enteringWrong);
    }
    return r;
}

} // namespace tw
