#pragma once
// The ZUN models of each voltage class, smallest first, with their current
// limits, and the selection of the smallest model that carries a current.
#include <optional>
#include <span>
#include <string>

namespace zun {

enum class VoltageClass { V220 = 0, V380 = 1, V440 = 2 };

struct UnitModel {
    const char* name;
    double limit;  // amperes; compared with the single-precision current as a double
};

// The ordered model list of a voltage class (380 V and 440 V share one).
std::span<const UnitModel> UnitCatalogue(VoltageClass voltage);

// The first model whose limit is at least x, or nothing when x exceeds the
// last limit of the class.
std::optional<UnitModel> SelectUnit(VoltageClass voltage, float x);

// Over-current texts.
inline constexpr const char* kOverCurrentText = "電流過大，無符合機種";
inline constexpr const char* kElevatorOverCurrent220Text = "Over current, no result";

// "220V", "380V", "440V".
const char* VoltageText(VoltageClass voltage);
int VoltageNumber(VoltageClass voltage);

}  // namespace zun
