#pragma once
// The elevator calculation behind the calculate button, from the entry texts
// to the selected model, recording everything it reached in its order so that
// the window can show exactly what a failure leaves behind.
#include <optional>
#include <string>
#include <vector>

#include "common/error.hpp"
#include "elevator/cycle_plot.hpp"
#include "elevator/elevator_model.hpp"

namespace zun {

// Refuses a missing suspension before anything else happens.
void CheckSuspension(const ElevatorTexts& texts);

struct ElevatorResult {
    std::optional<ElevatorInputs> inputs;
    ElevatorLoad load;
    std::optional<std::string> motorSpeedText;   // Panel4
    int segmentsDone = 0;                        // segments with shaft power and currents
    std::array<SegmentCurrents, kSegmentCount> currents{};
    std::optional<std::string> torqueText;       // Panel3
    std::optional<std::string> maxTorqueText;    // Panel5
    std::optional<CycleCharts> charts;
    bool requirementDone = false;
    std::optional<ElevatorRequirement> requirement;  // nothing: no feedback
    std::optional<UnitModel> model;              // Panel6
    bool overCurrent = false;
    std::vector<std::string> messages;           // informational boxes, in order
    std::optional<Error> failure;
};

// Everything after the weighting check and the table load: reads the texts
// in order, computes the load, segments, torques, charts and requirement,
// and selects a model for the chosen voltage class.
ElevatorResult ComputeElevator(const ElevatorTexts& texts, const DeratingTable& table);

}  // namespace zun
