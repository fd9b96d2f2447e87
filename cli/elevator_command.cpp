// zun-size elevator: the elevator calculation of the "Elevator Application" tab.
#include <cstdio>
#include <ostream>

#include "cli/cli_support.hpp"
#include "common/numerics.hpp"
#include "elevator/elevator_calculation.hpp"

namespace zun::cli {
namespace {

struct ElevatorOptions {
    ElevatorTexts texts;
    std::string suspension;
    std::string voltage;
    std::string table;
    bool json = false;
};

nlohmann::json SegmentJson(const SegmentLoad& load, const SegmentCurrents& c) {
    return {
        {"mode", load.mode == Mode::Motor ? "motor" : "generator"},
        {"load_power", SingleJson(load.loadPower)},
        {"shaft_power", SingleJson(load.shaftPower)},
        {"electrical_power", SingleJson(c.electricalPower)},
        {"vfd_current", SingleJson(c.vfdCurrent)},
        {"dc_power", SingleJson(c.dcPower)},
        {"unit_current", SingleJson(c.unitCurrent)},
    };
}

nlohmann::json ResultJson(const ElevatorResult& r, const std::optional<std::string>& weightingText,
                          const std::vector<std::string>& messages) {
    nlohmann::json j;
    if (weightingText) j["weighting_text"] = *weightingText;
    j["motor_speed"] = SingleJson(r.load.motorSpeed);
    j["motor_speed_text"] = *r.motorSpeedText;
    j["torque_text"] = *r.torqueText;
    j["max_torque_text"] = *r.maxTorqueText;
    j["segments"] = nlohmann::json::array();
    for (std::size_t k = 0; k < r.currents.size(); ++k) j["segments"].push_back(SegmentJson(r.load.segments[k], r.currents[k]));
    if (const auto& q = r.requirement) {
        j["pattern"] = q->pattern ? nlohmann::json(PatternText(*q->pattern)) : nlohmann::json(nullptr);
        j["working_time"] = SingleJson(q->workingTime);
        j["duty"] = SingleJson(q->duty);
        j["time_index"] = q->timeIndex;
        j["permissible_current"] = SingleJson(q->permissibleCurrent);
        j["equivalent_current"] = SingleJson(q->equivalentCurrent);
        if (q->upComputed) {
            j["up_duty"] = SingleJson(q->upDuty);
            j["up_time_index"] = q->upTimeIndex;
            j["up_permissible_current"] = SingleJson(q->upPermissibleCurrent);
            j["up_equivalent_current"] = SingleJson(q->upEquivalentCurrent);
        }
        j["selection_current"] = SingleJson(q->selectionCurrent);
    }
    j["model"] = r.model ? nlohmann::json(r.model->name) : nlohmann::json(nullptr);
    j["messages"] = messages;
    const CycleCharts& ch = *r.charts;
    j["chart"] = {
        {"current_axis", {ch.currentMin, ch.currentMax}},
        {"speed_axis", {ch.speedMin, ch.speedMax}},
        {"points_per_series", ch.motorSpeed.size()},
    };
    return j;
}

std::string Fixed(double value, int decimals) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
    return buf;
}

void PrintReport(std::ostream& out, const ElevatorOptions& o, const ElevatorResult& r,
                 const std::vector<std::string>& messages) {
    static const char* kSegments[kSegmentCount] = {"up accelerate",   "up run",   "up decelerate",
                                                   "down accelerate", "down run", "down decelerate"};
    const ElevatorInputs& in = *r.inputs;
    out << "Elevator selection (" << o.suspension << ", "
        << (in.voltage ? VoltageText(*in.voltage) : "no voltage class chosen") << ")\n";
    out << "  Motor demand speed      " << *r.motorSpeedText << " rpm\n";
    out << "  Motor demand torque     " << *r.torqueText << " kg-m\n";
    out << "  Max. motor torque       " << *r.maxTorqueText << " kg-m\n";
    out << "  Segment            mode        P (W)     Pm (W)   I_vfd (A)   I_u (A)\n";
    for (std::size_t k = 0; k < r.currents.size(); ++k) {
        const auto& s = r.load.segments[k];
        const auto& c = r.currents[k];
        char line[160];
        std::snprintf(line, sizeof line, "  %-17s  %-9s %9.1f  %9.1f  %9.2f  %9.3f\n", kSegments[k],
                      s.mode == Mode::Motor ? "motor" : "generator", static_cast<double>(s.loadPower),
                      static_cast<double>(s.shaftPower), static_cast<double>(c.vfdCurrent),
                      static_cast<double>(c.unitCurrent));
        out << line;
    }
    const double energy = ReturnedEnergy(r.currents, in);
    out << "  Energy returned         " << Fixed(energy / 1000.0, 2) << " kJ per round trip (" << Fixed(energy / 3600.0, 2)
        << " Wh)\n";
    if (const auto& q = r.requirement) {
        out << "  Feedback pattern        " << (q->pattern ? PatternText(*q->pattern) : "general rule") << "\n";
        out << "  Down travel             t1 " << FormatSingle(q->workingTime) << " s, duty " << FormatSingle(q->duty)
            << " %ED, index " << q->timeIndex << ", permissible " << FormatSingle(q->permissibleCurrent)
            << " %, x1 " << FormatSingle(q->equivalentCurrent) << " A\n";
        if (q->upComputed) {
            out << "  Up deceleration         duty " << FormatSingle(q->upDuty) << " %ED, index " << q->upTimeIndex
                << ", permissible " << FormatSingle(q->upPermissibleCurrent) << " %, x2 "
                << FormatSingle(q->upEquivalentCurrent) << " A\n";
        }
        out << "  Selection current       " << FormatSingle(q->selectionCurrent) << " A\n";
    }
    for (const auto& m : messages) out << "  Message                 " << m << "\n";
    if (r.model) {
        out << "  Model                   " << r.model->name << " (limit " << FormatNumber(r.model->limit)
            << " A; the selection current uses "
            << Fixed(r.requirement->selectionCurrent / r.model->limit * 100.0, 1) << " % of it)\n";
    } else if (!in.voltage && r.requirement) {
        out << "  Model                   none selected: no voltage class chosen\n";
    }
}

int RunElevator(ElevatorOptions o, Streams s) {
    ElevatorTexts& t = o.texts;
    t.suspension = o.suspension == "1:1" ? Suspension::OneToOne : Suspension::TwoToOne;
    if (o.voltage == "220") t.voltage = VoltageClass::V220;
    if (o.voltage == "380") t.voltage = VoltageClass::V380;
    if (o.voltage == "440") t.voltage = VoltageClass::V440;
    std::vector<std::string> messages;
    try {
        CheckSuspension(t);
        const auto weighting = CheckWeighting(t.weighting);
        if (weighting) {
            messages.emplace_back(kWeightingLimitText);
            t.weighting = *weighting;
        }
        const DeratingTable table = LoadTable(o.table);
        const ElevatorResult r = ComputeElevator(t, table);
        if (r.failure) return ReportError(s.err, r.failure->what());
        messages.insert(messages.end(), r.messages.begin(), r.messages.end());
        if (o.json) {
            s.out << ResultJson(r, weighting, messages).dump() << "\n";
        } else {
            PrintReport(s.out, o, r, messages);
        }
    } catch (const Error& e) {
        return ReportError(s.err, e.what());
    }
    return kExitOk;
}

}  // namespace

void AddElevatorCommand(CLI::App& app, Streams streams, int& status) {
    auto o = std::make_shared<ElevatorOptions>();
    ElevatorTexts& t = o->texts;
    CLI::App* sub = app.add_subcommand("elevator", "Elevator application (loads, motor, drive and travel times)");
    sub->add_option("--suspension", o->suspension, "Suspension ratio")->required()->check(CLI::IsMember({"1:1", "2:1"}));
    sub->add_option("--max-load", t.maxLoad, "Max. load (kg)")->required();
    sub->add_option("--car-weight", t.carWeight, "Elevator weight (kg)")->required();
    sub->add_option("--weighting", t.weighting, "Weighting coefficient")->capture_default_str();
    sub->add_option("--speed", t.speed, "Speed (m/min)")->required();
    sub->add_option("--cable-diameter", t.cableDiameter, "Cable diameter (m)")->required();
    sub->add_option("--me-efficiency", t.meEfficiency, "ME efficiency")->capture_default_str();
    sub->add_option("--inertia", t.inertia, "Motor inertia (kg-m^2)")->required();
    sub->add_option("--reduction-ratio", t.reductionRatio, "Reduction ratio")->required();
    sub->add_option("--motor-efficiency", t.motorEfficiency, "Motor efficiency")->capture_default_str();
    sub->add_option("--voltage", o->voltage, "ZUN voltage class")->check(CLI::IsMember({"220", "380", "440"}));
    sub->add_option("--vfd-voltage", t.vfdVoltage, "VFD voltage (V)")->required();
    sub->add_option("--pf-motor", t.pfMotor, "Power factor in motor mode")->capture_default_str();
    sub->add_option("--pf-generator", t.pfGenerator, "Power factor in generator mode")->capture_default_str();
    sub->add_option("--source-voltage", t.sourceVoltage, "Source voltage (V)")->required();
    sub->add_option("--vfd-efficiency", t.vfdEfficiency, "VFD efficiency")->capture_default_str();
    sub->add_option("--t1", t.t1, "Acceleration time T1 (s)")->required();
    sub->add_option("--t2", t.t2, "Run time T2 (s)")->required();
    sub->add_option("--t3", t.t3, "Deceleration time T3 (s)")->required();
    sub->add_option("--t4", t.t4, "Stop time T4 (s)")->required();
    sub->add_option("--table", o->table, "Derating table file (default: bked.txt as the program finds it)");
    sub->add_flag("--json", o->json, "Write one JSON object");
    sub->callback([o, streams, &status]() { status = RunElevator(*o, streams); });
}

}  // namespace zun::cli
