#pragma once
// The messages behind the help buttons of the elevator pages.

namespace zun {

inline constexpr const char* kWeightingHelp = "WC = (WC x Max. load) + EW";
inline constexpr const char* kEfficiencyHelp = "效率說明";
inline constexpr const char* kReductionRatioHelp =
    "Reduction ratio defined: motor 2 revolutions elevator pulley one turn";
inline constexpr const char* kVfdVoltageHelp =
    "When the motor speed to the highest, Max. operation of the inverter output voltage";
// The commas are full-width (U+FF0C); the second follows a space.
inline constexpr const char* kMotorPowerFactorHelp = "When Motor mode，Max speed ，Power Factor of VFD.";
inline constexpr const char* kGeneratorPowerFactorHelp = "When Generator mode，Max speed ，Power Factor of VFD.";

}  // namespace zun
