#pragma once
// Simple duty selection: from a current, a working time and a period (or a
// continuous duty), a temperature, a voltage class and a condition, the duty
// in %ED and the smallest ZUN model that carries the current.
#include <optional>
#include <string>
#include <vector>

#include "common/error.hpp"
#include "rating/derating_table.hpp"
#include "rating/unit_catalogue.hpp"

namespace zun {

enum class CurrentCondition {
    DcBus = 0,     // "VFD DCBUS current(Adc)"
    UnitOutput = 1 // "ZUN output current(Aac)"
};

inline constexpr const char* kDcBusConditionText = "VFD DCBUS current(Adc)";
inline constexpr const char* kUnitOutputConditionText = "ZUN output current(Aac)";
inline constexpr const char* kTemperatureRangeText = "Temperature range is -10~60℃";
inline constexpr const char* kConditionMissingText =
    "Choose a condition (\"VFD DCBUS current(Adc)\" or \"ZUN output current(Aac)\") before calculating";

// The entries as the boxes hold them: texts are converted at the step where
// their value is first needed, so the first bad text in that order is the
// one reported.
struct SimpleSelectionInputs {
    std::optional<VoltageClass> voltage;
    std::optional<CurrentCondition> condition;
    std::string currentText;
    std::string temperatureText;
    std::string workingTimeText;
    std::string periodText;
    bool continuous = false;
};

// Every value the calculation reached, in the order it reached them. Fields
// stay empty where the mode or an early end skips them. `failure` holds the
// error that ended the calculation, if any; the fields before it stand.
struct SimpleSelectionResult {
    std::optional<float> current;
    std::optional<float> workingTime;
    std::optional<float> period;
    std::optional<float> duty;               // unrounded, %ED
    std::optional<std::string> dutyText;     // as the duty panel shows it
    std::optional<int> timeIndex;
    std::optional<float> permissibleCurrent; // per cent
    std::optional<float> temperatureFactor;
    std::optional<std::string> temperatureText;  // the corrected box text
    std::optional<int> voltage;              // V used by the formula
    std::optional<float> unitCurrent;        // unit AC current, A
    std::optional<float> equivalentCurrent;  // before the temperature factor
    std::optional<float> selectionCurrent;   // x
    std::optional<UnitModel> model;
    bool overCurrent = false;
    std::vector<std::string> messages;       // informational boxes, in order
    std::optional<Error> failure;
};

SimpleSelectionResult ComputeSimpleSelection(const SimpleSelectionInputs& inputs, const DeratingTable& table);

}  // namespace zun
