#pragma once
// The simulator variables (by the host's token numbers) and key events the modules use.

#include <cstdint>

namespace host {

namespace token {
// Flight and navigation.
inline constexpr std::int32_t kClock = 1;
inline constexpr std::int32_t kConditionFlag = 60;
inline constexpr std::int32_t kIndicatedAirspeed = 61;  // knots
inline constexpr std::int32_t kMachScaled = 64;
inline constexpr std::int32_t kVerticalSpeed = 65;  // 1/256 m/s; 1300.48 = 1000 ft/min
inline constexpr std::int32_t kTurnBall = 69;
inline constexpr std::int32_t kTurnRate = 70;
inline constexpr std::int32_t kAltitude = 74;              // feet
inline constexpr std::int32_t kPressureSetting = 76;       // inches of mercury
inline constexpr std::int32_t kPitchB = 77;                // degrees
inline constexpr std::int32_t kPitch = 78;                 // degrees
inline constexpr std::int32_t kBankB = 79;                 // degrees, 0 to 360
inline constexpr std::int32_t kBank = 80;                  // degrees
inline constexpr std::int32_t kHeadingB = 81;              // degrees
inline constexpr std::int32_t kHeading = 84;               // degrees
inline constexpr std::int32_t kAttitudeOffFlag = 276;      // integer
inline constexpr std::int32_t kInstrumentPowerFlag = 279;  // integer
inline constexpr std::int32_t kLoadFactor = 351;           // 624 units per g
inline constexpr std::int32_t kVerticalSpeedB = 556;
inline constexpr std::int32_t kTimeOfDay = 557;     // seconds
inline constexpr std::int32_t kRunningClock = 604;  // seconds
inline constexpr std::int32_t kAttitudeBar = 612;
inline constexpr std::int32_t kRadioHeight = 614;     // metres
inline constexpr std::int32_t kDecisionHeight = 615;  // metres
inline constexpr std::int32_t kBelowDecisionHeight = 616;
inline constexpr std::int32_t kAttitudeLightingB = 773;
inline constexpr std::int32_t kDesiredHeading = 855;  // degrees

// Radios.
inline constexpr std::int32_t kAdfFrequency = 16;  // packed decimal, three digits
inline constexpr std::int32_t kAdfFrequencyExtension = 18;
inline constexpr std::int32_t kCom1Frequency = 23;  // packed decimal without the leading 1
inline constexpr std::int32_t kNav1Frequency = 24;
inline constexpr std::int32_t kNav2Frequency = 27;
inline constexpr std::int32_t kTransponderCode = 38;  // packed decimal, four digits
inline constexpr std::int32_t kAdfBearing = 39;
inline constexpr std::int32_t kNav1CourseDeviation = 40;
inline constexpr std::int32_t kNav1GlideSlope = 41;
inline constexpr std::int32_t kNav1ToFrom = 43;
inline constexpr std::int32_t kNav1Flag = 44;
inline constexpr std::int32_t kNav1Course = 45;
inline constexpr std::int32_t kNav1FlagWord = 46;
inline constexpr std::int32_t kNav2FlagWord = 55;
inline constexpr std::int32_t kNav2Bearing = 59;
inline constexpr std::int32_t kDmeCoverFlag = 285;
inline constexpr std::int32_t kVor1Lamp = 354;
inline constexpr std::int32_t kDmeDistance = 372;
inline constexpr std::int32_t kNav1Bearing = 550;
inline constexpr std::int32_t kAvionicsBusVoltage = 755;
inline constexpr std::int32_t kNavGpsSelection = 848;
inline constexpr std::int32_t kAdfIdentAudio = 880;

// Autopilot mode lamps (icon state = value).
inline constexpr std::int32_t kAutopilotLamp103 = 103;
inline constexpr std::int32_t kAutopilotLamp105 = 105;
inline constexpr std::int32_t kAutopilotLamp106 = 106;
inline constexpr std::int32_t kAutopilotLamp108 = 108;
inline constexpr std::int32_t kAutopilotLamp114 = 114;
inline constexpr std::int32_t kAutopilotLamp792 = 792;

// Engine, fuel and hydraulics.
inline constexpr std::int32_t kEngineRunning = 131;
inline constexpr std::int32_t kFuelLevelTank1 = 289;  // fraction × 8388608
inline constexpr std::int32_t kFuelCapacityTank1 = 290;
inline constexpr std::int32_t kFuelLevelTank2 = 291;
inline constexpr std::int32_t kFuelCapacityTank2 = 292;
inline constexpr std::int32_t kFuelLevelTank4 = 293;
inline constexpr std::int32_t kFuelCapacityTank4 = 294;
inline constexpr std::int32_t kFuelLevelTank6 = 295;
inline constexpr std::int32_t kFuelCapacityTank6 = 296;
inline constexpr std::int32_t kFuelLevelTank3 = 297;
inline constexpr std::int32_t kFuelCapacityTank3 = 298;
inline constexpr std::int32_t kFuelLevelTank5 = 299;
inline constexpr std::int32_t kFuelCapacityTank5 = 300;
inline constexpr std::int32_t kFuelLevelTank7 = 301;
inline constexpr std::int32_t kFuelCapacityTank7 = 302;
inline constexpr std::int32_t kEngineAnnunciatorValue = 357;
inline constexpr std::int32_t kOilPressureA = 418;           // pounds per square foot
inline constexpr std::int32_t kOilTemperature = 561;         // degrees Rankine
inline constexpr std::int32_t kOilPressureB = 562;           // pounds per square foot
inline constexpr std::int32_t kExhaustGasTemperature = 567;  // degrees Rankine
inline constexpr std::int32_t kEngineRpm = 624;              // percent
inline constexpr std::int32_t kEnginePower = 625;
inline constexpr std::int32_t kCorrectedN1 = 626;
inline constexpr std::int32_t kCorrectedN2 = 627;
inline constexpr std::int32_t kFuelFlow = 638;           // pounds per hour
inline constexpr std::int32_t kHydraulicPressure = 732;  // pounds per square foot
inline constexpr std::int32_t kPressurisationOff = 868;

// Electrical, lighting and controls.
inline constexpr std::int32_t kPanelLights = 10;
inline constexpr std::int32_t kSecondLightSwitchB = 11;
inline constexpr std::int32_t kPitotHeat = 13;
inline constexpr std::int32_t kLandingLights = 14;
inline constexpr std::int32_t kSpeedBrakeState = 325;
inline constexpr std::int32_t kSpeedBrakePosition = 326;  // 0 to 16383
inline constexpr std::int32_t kFlapsHandle = 328;
inline constexpr std::int32_t kFlapsPosition = 330;
inline constexpr std::int32_t kGearHandle = 331;
inline constexpr std::int32_t kGearCentre = 332;
inline constexpr std::int32_t kGearLeft = 333;
inline constexpr std::int32_t kGearRight = 334;
inline constexpr std::int32_t kUnitSystem = 335;  // 2 = metric
inline constexpr std::int32_t kBatteryMaster = 364;
inline constexpr std::int32_t kBeaconLights = 368;
inline constexpr std::int32_t kThrottleLever = 558;  // 0 to 1
inline constexpr std::int32_t kStarter = 563;
inline constexpr std::int32_t kGeneratorSwitch = 565;
inline constexpr std::int32_t kNavigationLights = 619;
inline constexpr std::int32_t kAvionicsMaster = 740;
inline constexpr std::int32_t kDeIce = 742;
inline constexpr std::int32_t kAmmeterA = 751;
inline constexpr std::int32_t kVoltmeter = 753;
inline constexpr std::int32_t kBatteryBusVoltage = 759;
inline constexpr std::int32_t kGeneratorVoltage = 761;
inline constexpr std::int32_t kAmmeterB = 762;
inline constexpr std::int32_t kFireWarning = 887;
}  // namespace token

namespace key_event {
inline constexpr std::uint32_t kSecondLightSwitchB = 0x10018;
inline constexpr std::uint32_t kAtcWindow = 0x1001C;
inline constexpr std::uint32_t kGearToggle = 0x10022;
inline constexpr std::uint32_t kDeIceA = 0x10023;
inline constexpr std::uint32_t kAutopilotMode2C = 0x1002C;
inline constexpr std::uint32_t kAutopilotModeBE = 0x100BE;
inline constexpr std::uint32_t kAutopilotModeC1 = 0x100C1;
inline constexpr std::uint32_t kAutopilotMode101 = 0x10101;
inline constexpr std::uint32_t kAutopilotMode2F0 = 0x102F0;
inline constexpr std::uint32_t kAutopilotMode106Set = 0x1023A;
inline constexpr std::uint32_t kAutopilotMode106Clear = 0x1023B;
inline constexpr std::uint32_t kControlSurface35 = 0x10035;
inline constexpr std::uint32_t kControlSurface3B = 0x1003B;
inline constexpr std::uint32_t kControlSurface3D = 0x1003D;
inline constexpr std::uint32_t kControlSurface43 = 0x10043;
inline constexpr std::uint32_t kCom1WholeDown = 0x10064;
inline constexpr std::uint32_t kCom1WholeUp = 0x10065;
inline constexpr std::uint32_t kCom1FractionDown = 0x10066;
inline constexpr std::uint32_t kCom1FractionUp = 0x10067;
inline constexpr std::uint32_t kNav1WholeDown = 0x10068;
inline constexpr std::uint32_t kNav1WholeUp = 0x10069;
inline constexpr std::uint32_t kNav1FractionDown = 0x1006A;
inline constexpr std::uint32_t kNav1FractionUp = 0x1006B;
inline constexpr std::uint32_t kNav2WholeDown = 0x1006C;
inline constexpr std::uint32_t kNav2WholeUp = 0x1006D;
inline constexpr std::uint32_t kNav2FractionDown = 0x1006E;
inline constexpr std::uint32_t kNav2FractionUp = 0x1006F;
inline constexpr std::uint32_t kTransponderThousandsUp = 0x10073;
inline constexpr std::uint32_t kTransponderHundredsUp = 0x10074;
inline constexpr std::uint32_t kTransponderTensUp = 0x10075;
inline constexpr std::uint32_t kTransponderUnitsUp = 0x10076;
inline constexpr std::uint32_t kTransponderThousandsDown = 0x10397;
inline constexpr std::uint32_t kTransponderHundredsDown = 0x10398;
inline constexpr std::uint32_t kTransponderTensDown = 0x10399;
inline constexpr std::uint32_t kTransponderUnitsDown = 0x1039A;
inline constexpr std::uint32_t kNav1CourseSet = 0x100B4;  // whole degrees 0 to 359
inline constexpr std::uint32_t kViewStepPositive = 0x100C6;
inline constexpr std::uint32_t kViewStepNegative = 0x100C7;
inline constexpr std::uint32_t kPanelLightsToggle = 0x100D6;
inline constexpr std::uint32_t kLandingLightsToggle = 0x100D7;
inline constexpr std::uint32_t kFlapsLowerHalf = 0x100DE;
inline constexpr std::uint32_t kFlapsUpperHalf = 0x100DF;
inline constexpr std::uint32_t kThrottleSet = 0x1011C;
inline constexpr std::uint32_t kNav1ToneOff = 0x10128;
inline constexpr std::uint32_t kNav1ToneOn = 0x1012D;
inline constexpr std::uint32_t kNav2ToneOff = 0x10129;
inline constexpr std::uint32_t kNav2ToneOn = 0x1012E;
inline constexpr std::uint32_t kAdfToneOff = 0x1012C;
inline constexpr std::uint32_t kAdfToneOn = 0x10131;
inline constexpr std::uint32_t kPitotHeatToggle = 0x10142;
inline constexpr std::uint32_t kViewReset = 0x10153;
inline constexpr std::uint32_t kKneeboard = 0x10154;
inline constexpr std::uint32_t kDesiredHeadingUp = 0x10155;
inline constexpr std::uint32_t kDesiredHeadingDown = 0x10156;
inline constexpr std::uint32_t kPressureSettingUp = 0x1015B;
inline constexpr std::uint32_t kPressureSettingDown = 0x1015C;
inline constexpr std::uint32_t kPanelControl173 = 0x10173;
inline constexpr std::uint32_t kPanelControl174 = 0x10174;
inline constexpr std::uint32_t kFuelPumpOn = 0x101BF;
inline constexpr std::uint32_t kFuelPumpOff = 0x101C3;
inline constexpr std::uint32_t kDesiredHeadingSet = 0x101FA;  // whole degrees 0 to 359
inline constexpr std::uint32_t kAdfFrequencySet = 0x1024A;    // packed tenths of kHz
inline constexpr std::uint32_t kEngineStart = 0x102B0;
inline constexpr std::uint32_t kBeaconLightsToggle = 0x102BF;
inline constexpr std::uint32_t kBatteryMasterToggle = 0x102C1;
inline constexpr std::uint32_t kGeneratorToggleB = 0x102C2;
inline constexpr std::uint32_t kAvionicsMasterToggle = 0x102F5;
inline constexpr std::uint32_t kStarter = 0x102FC;
inline constexpr std::uint32_t kAttitudeBarUp = 0x1030E;
inline constexpr std::uint32_t kAttitudeBarDown = 0x1030F;
inline constexpr std::uint32_t kDecisionHeightUp = 0x10311;
inline constexpr std::uint32_t kDecisionHeightDown = 0x10312;
inline constexpr std::uint32_t kDeIceB = 0x10321;
inline constexpr std::uint32_t kEmergencyFuel = 0x10323;
inline constexpr std::uint32_t kGeneratorToggleA = 0x1033B;
inline constexpr std::uint32_t kNavGpsSwitch = 0x10347;
inline constexpr std::uint32_t kNavigationLightsToggle = 0x1034B;
inline constexpr std::uint32_t kMap = 0x10380;
inline constexpr std::uint32_t kAdfTenthDown = 0x1039D;
inline constexpr std::uint32_t kAdfTenthUp = 0x1039E;
inline constexpr std::uint32_t kAdfWholeDown = 0x103EF;
inline constexpr std::uint32_t kAdfWholeUp = 0x103EE;
inline constexpr std::uint32_t kPanelWindowToggle = 0x103CA;  // parameter: window ident
inline constexpr std::uint32_t kPanelWindowOpen = 0x103CB;
inline constexpr std::uint32_t kPanelWindowClose = 0x103CC;
}  // namespace key_event

// The simulator's standard panel window idents.
namespace panel_window {
inline constexpr std::int32_t kMainPanel = 0;
inline constexpr std::int32_t kThrottle = 10;
inline constexpr std::int32_t kRadioStack = 50;
inline constexpr std::int32_t kCompass = 75;
inline constexpr std::int32_t kMiniControls = 100;
inline constexpr std::int32_t kAnnunciator = 125;
inline constexpr std::int32_t kAnnunciator2 = 150;
inline constexpr std::int32_t kIfrMainPanel = 175;
inline constexpr std::int32_t kCollective = 200;
inline constexpr std::int32_t kGps = 225;
inline constexpr std::int32_t kOverhead = 250;
}  // namespace panel_window

}  // namespace host
