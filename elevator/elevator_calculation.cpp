#include "elevator/elevator_calculation.hpp"

#include "common/numerics.hpp"

namespace zun {

void CheckSuspension(const ElevatorTexts& texts) {
    if (!texts.suspension) throw Error(kSuspensionMissingText);
}

ElevatorResult ComputeElevator(const ElevatorTexts& texts, const DeratingTable& table) {
    ElevatorResult r;
    try {
        const ElevatorInputs in = ReadElevatorInputs(texts);
        r.inputs = in;
        ElevatorLoad& l = r.load;
        ComputeMassesAndLoadPowers(in, l);
        ComputeMotorSpeed(in, l);
        r.motorSpeedText = FormatNumber(RoundTo(l.motorSpeed, 1));
        ComputeInertiaPowers(in, l);
        for (int k = 0; k < kSegmentCount; ++k) {
            ComputeShaftPower(in, l, k);
            r.currents[static_cast<std::size_t>(k)] = ComputeSegmentCurrent(in, l.segments[static_cast<std::size_t>(k)]);
            r.segmentsDone = k + 1;
        }
        ComputeTorques(l);
        r.torqueText = FormatNumber(RoundTo(l.demandTorque, 1));
        r.maxTorqueText = FormatNumber(RoundTo(l.maxTorque, 1));
        r.charts = PlotElevatorCycle(in.t1, in.t2, in.t3, in.t4, l.motorSpeed, r.currents);
        r.requirement = ComputeElevatorRequirement(r.currents, in, table);
        r.requirementDone = true;
        if (!r.requirement) {
            r.messages.emplace_back(kNoFeedbackText);
            return r;
        }
        if (!in.voltage) return r;
        r.model = SelectUnit(*in.voltage, r.requirement->selectionCurrent);
        if (!r.model) {
            r.overCurrent = true;
            r.messages.emplace_back(ElevatorOverCurrentText(*in.voltage));
        }
    } catch (const Error& e) {
        r.failure = e;
    }
    return r;
}

}  // namespace zun
