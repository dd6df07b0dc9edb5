// SPDX-License-Identifier: MIT
// Text-field numbers. A field n is the triple TEXTBOX(n), LABEL(n), UNITS(n); the hundreds
// digit is its page. Resource and job files keep the numbers, so each name shows its number.
#pragma once

namespace tw::field {

// Job and design conditions (first page).
constexpr int JobName = 0;
constexpr int Customer = 1;
constexpr int Contact = 2;
constexpr int JobDate = 3;
constexpr int Engineer = 4;
constexpr int SiteAddress = 5;
constexpr int RunTime = 12;
constexpr int RoomLength = 13;
constexpr int RoomWidth = 14;
constexpr int RoomHeight = 15;
constexpr int TotalLoad = 16;
constexpr int RoomName = 101;
constexpr int OutsideDesignTemperature = 102;
constexpr int RoomTemperature = 103;
constexpr int SiteTown = 105;
constexpr int SiteCountry = 106;
constexpr int ProjectNumber = 110;

// Box and surfaces.
constexpr int OutsideTemperature = 212;
constexpr int RoomVolume = 213;
constexpr int BoxLoad = 214;

// Products.
constexpr int StorageTemperature = 312;
constexpr int ProductWeight = 313;
constexpr int ProductLoad = 314;

// Miscellaneous loads.
constexpr int LightingPerArea = 400;
constexpr int LightingPower = 401;
constexpr int LightingHours = 402;
constexpr int MotorPower = 403;
constexpr int MotorHours = 405;
constexpr int People = 406;
constexpr int PeopleHours = 407;
constexpr int ForkLifts = 408;
constexpr int ForkLiftHours = 409;
// Four further heat sources, each a name, hours per day and power.
constexpr int HeatSource1Name = 410;
constexpr int HeatSource1Hours = 411;
constexpr int HeatSource1Power = 412;
constexpr int HeatSource2Name = 413;
constexpr int HeatSource2Hours = 414;
constexpr int HeatSource2Power = 415;
constexpr int HeatSource3Name = 416;
constexpr int HeatSource3Hours = 417;
constexpr int HeatSource3Power = 418;
constexpr int HeatSource4Name = 419;
constexpr int HeatSource4Hours = 420;
constexpr int HeatSource4Power = 421;
constexpr int MiscLoad = 422;
constexpr int Motors = 423;

// Equipment selection.
constexpr int CondenserAmbient = 500;
constexpr int SelectionRoomTemperature = 501;
constexpr int DesignTD = 502;
constexpr int DesignLoad = 503;
constexpr int Refrigerant = 504;
constexpr int SafetyFactor = 506;
constexpr int UnitLocationCode = 510;
constexpr int RefrigerantCode = 514;
constexpr int UnitType = 520;
constexpr int UnitSupply = 521;
constexpr int UnitCount = 522;
constexpr int CondensingUnit = 523;
constexpr int UnitCapacity = 524;
constexpr int CondensingTemperature = 525;
constexpr int UnitTypeCode = 530;
constexpr int UnitSupplyCode = 531;
constexpr int UnitRow = 533;
constexpr int CoolerType = 540;
constexpr int CoolerSupply = 541;
constexpr int CoolerCount = 542;
constexpr int Cooler = 543;
constexpr int CoolerCapacity = 544;
constexpr int CoolerTypeCode = 550;
constexpr int CoolerSupplyCode = 551;
constexpr int CoolerRow = 553;
constexpr int BalanceCapacity = 560;
constexpr int BalanceSST = 561;
constexpr int BalanceTD = 562;
// The balance capacity as a percentage of the design load.
constexpr int BalanceShare = 563;

// Infiltration.
constexpr int InfiltrationTemperature = 600;
constexpr int AirChangeLoad = 605;
constexpr int DoorOpenHours = 619;
constexpr int DoorWidth = 620;
constexpr int DoorHeight = 621;
constexpr int DoorFlowFactor = 622;
constexpr int DoorAirRH = 623;
constexpr int DoorLoad = 624;
constexpr int DoorProtection = 625;
constexpr int VentilationFlow = 640;
constexpr int OutsideAirRH = 641;
constexpr int VentilationLoad = 642;
constexpr int GlassDoors = 659;
constexpr int GlassDoorLoad = 660;
constexpr int DockDoors = 669;
constexpr int DockDoorLoad = 670;
constexpr int InfiltrationLoad = 680;

// The user's own details: 700 to 716 are the sender of a mailed job.
constexpr int UserName = 700;
constexpr int UserDetailsFirst = 700;
constexpr int UserDetailsLast = 716;
constexpr int Licensee = 720;
constexpr int LicenceCode = 721;
// Fields 700 to 799 are remembered per user between jobs.
constexpr int UserFieldsFirst = 700;
constexpr int UserFieldsLast = 799;

// Settings: fields 800 to 899, never part of a job.
constexpr bool OfSettings(int n) {
    return n >= 800 && n <= 899;
}
constexpr int ProgramVersion = 801;
constexpr int Language = 803;
constexpr int ColourScheme = 804;
constexpr int Reminder = 805;
// The regional limit of the refrigerant's GWP, kept in the settings.
constexpr int GwpLimit = 806;

} // namespace tw::field
