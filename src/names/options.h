// SPDX-License-Identifier: MIT
// Option-button numbers (RADIO(n)) and the sub-frames (CFRAME(n)) that hold them. Buttons in
// one container form one group.
#pragma once

namespace tw::option {

// Where the room stands.
constexpr int InsideBuilding = 100;
constexpr int Outdoors = 101;
// Room shape.
constexpr int FourWalls = 200;
constexpr int SixWalls = 201;
constexpr int EightWalls = 202;
constexpr int SurfaceList = 203;
constexpr int SizeOnly = 204;
// Condensing-unit location.
constexpr int UnitOutdoors = 500;
constexpr int UnitIndoors = 501;
// Infiltration method.
constexpr int AirChange = 600;
constexpr int DoorOpenings = 601;
constexpr int Ventilation = 602;
// Usage of the room, for the air-change estimate.
constexpr int NormalUse = 603;
constexpr int HeavyUse = 604;
constexpr int LongStorage = 605;
// Unit systems: each pair is imperial, then metric.
constexpr int ImperialLength = 840;
constexpr int MetricLength = 841;
constexpr int Fahrenheit = 842;
constexpr int Celsius = 843;
constexpr int Pounds = 844;
constexpr int Kilograms = 845;
constexpr int BtuPerHour = 846;
constexpr int Watts = 847;

} // namespace tw::option

namespace tw::frame {

// Sub-frames.
constexpr int CurrentJob = 2;
constexpr int RoomShape = 3;
constexpr int RoomPlan = 4;
constexpr int ProductColumn = 10;
constexpr int RoomLocation = 100;
constexpr int NoSurfaceList = 200;
constexpr int UnitLocation = 501;
constexpr int InfiltrationMethod = 600;
constexpr int AirChange = 601;
constexpr int DoorOpenings = 602;
constexpr int Ventilation = 603;
constexpr int LengthUnits = 840;
constexpr int TemperatureUnits = 842;
constexpr int WeightUnits = 844;
constexpr int LoadUnits = 846;

} // namespace tw::frame
