// zun-size simple: the simple duty selection of the "Current Selection" tab.
#include <cstdio>
#include <ostream>

#include "cli/cli_support.hpp"
#include "common/numerics.hpp"
#include "duty/simple_selection.hpp"

namespace zun::cli {
namespace {

struct SimpleOptions {
    std::string voltage;
    std::string condition;
    std::string current;
    std::string temperature;
    std::string time;
    std::string period;
    bool continuous = false;
    std::string table;
    bool json = false;
};

std::optional<VoltageClass> ParseVoltage(const std::string& text) {
    if (text == "220") return VoltageClass::V220;
    if (text == "380") return VoltageClass::V380;
    if (text == "440") return VoltageClass::V440;
    return std::nullopt;
}

nlohmann::json ResultJson(const SimpleSelectionResult& r) {
    nlohmann::json j;
    if (r.duty) j["duty"] = SingleJson(*r.duty);
    if (r.dutyText) j["duty_text"] = *r.dutyText;
    if (r.timeIndex) j["time_index"] = *r.timeIndex;
    if (r.permissibleCurrent) j["permissible_current"] = SingleJson(*r.permissibleCurrent);
    if (r.temperatureFactor) j["temperature_factor"] = SingleJson(*r.temperatureFactor);
    if (r.temperatureText) j["temperature_text"] = *r.temperatureText;
    if (r.unitCurrent) j["unit_current"] = SingleJson(*r.unitCurrent);
    if (r.selectionCurrent) j["selection_current"] = SingleJson(*r.selectionCurrent);
    j["model"] = r.model ? nlohmann::json(r.model->name) : nlohmann::json(nullptr);
    j["messages"] = r.messages;
    return j;
}

void PrintReport(std::ostream& out, const SimpleOptions& o, const SimpleSelectionInputs& in,
                 const SimpleSelectionResult& r) {
    auto line = [&](const char* label, const std::string& value) {
        out << "  " << label;
        for (std::size_t k = std::string(label).size(); k < 22; ++k) out << ' ';
        out << value << "\n";
    };
    out << "Simple selection\n";
    line("Voltage class", in.voltage ? VoltageText(*in.voltage) : "(none chosen)");
    line("Condition", !in.condition ? "(none chosen)"
                      : *in.condition == CurrentCondition::DcBus ? kDcBusConditionText
                                                                 : kUnitOutputConditionText);
    line("Current", o.current + " A");
    line("Temperature", o.temperature + " ℃");
    if (o.continuous) {
        line("Duty", "continuous");
    } else {
        line("Working time", o.time + " s");
        line("Period", o.period + " s");
        line("Duty", *r.dutyText + " %ED (" + FormatSingle(*r.duty) + ")");
        line("Time index", std::to_string(*r.timeIndex) + " (" + FormatNumber(*r.timeIndex * 0.1) + " s)");
        line("Permissible current", FormatSingle(*r.permissibleCurrent) + " %");
    }
    line("Temperature factor", FormatSingle(*r.temperatureFactor));
    if (r.temperatureText) line("Temperature used", *r.temperatureText + " ℃ (corrected)");
    for (const auto& m : r.messages) line("Message", m);
    if (!in.voltage) {
        line("Model", "none selected: no voltage class chosen");
        return;
    }
    line("Unit AC current", FormatSingle(*r.unitCurrent) + " A");
    line("Selection current", FormatSingle(*r.selectionCurrent) + " A");
    if (r.model) {
        char usage[64];
        std::snprintf(usage, sizeof usage, "%.1f", *r.selectionCurrent / r.model->limit * 100.0);
        line("Model", std::string(r.model->name) + " (limit " + FormatNumber(r.model->limit) +
                          " A; the selection current uses " + usage + " % of it)");
    } else {
        const auto models = UnitCatalogue(*in.voltage);
        line("Model", "none: the selection current exceeds the largest model's limit of " +
                          FormatNumber(models.back().limit) + " A");
    }
}

int RunSimple(const SimpleOptions& o, Streams s) {
    SimpleSelectionInputs in;
    in.voltage = ParseVoltage(o.voltage);
    if (o.condition == "dc") in.condition = CurrentCondition::DcBus;
    if (o.condition == "ac") in.condition = CurrentCondition::UnitOutput;
    in.currentText = o.current;
    in.temperatureText = o.temperature;
    in.workingTimeText = o.time;
    in.periodText = o.period;
    in.continuous = o.continuous;
    try {
        const DeratingTable table = LoadTable(o.table);
        const SimpleSelectionResult r = ComputeSimpleSelection(in, table);
        if (r.failure) return ReportError(s.err, r.failure->what());
        if (o.json) {
            s.out << ResultJson(r).dump() << "\n";
        } else {
            PrintReport(s.out, o, in, r);
        }
    } catch (const Error& e) {
        return ReportError(s.err, e.what());
    }
    return kExitOk;
}

}  // namespace

void AddSimpleCommand(CLI::App& app, Streams streams, int& status) {
    auto options = std::make_shared<SimpleOptions>();
    CLI::App* sub = app.add_subcommand("simple", "Simple duty selection (current, working time, period)");
    sub->add_option("--voltage", options->voltage, "Voltage class")->check(CLI::IsMember({"220", "380", "440"}));
    sub->add_option("--condition", options->condition,
                    "dc: VFD DCBUS current(Adc); ac: ZUN output current(Aac)")
        ->check(CLI::IsMember({"dc", "ac"}));
    sub->add_option("--current", options->current, "Current (A)")->required();
    sub->add_option("--temperature", options->temperature, "Ambient temperature (℃)")->required();
    auto* time = sub->add_option("--time", options->time, "Working time t (s)");
    auto* period = sub->add_option("--period", options->period, "Period T (s)");
    auto* continuous = sub->add_flag("--continuous", options->continuous, "The current flows without pause");
    continuous->excludes(time)->excludes(period);
    time->needs(period);
    period->needs(time);
    sub->add_option("--table", options->table, "Derating table file (default: bked.txt as the program finds it)");
    sub->add_flag("--json", options->json, "Write one JSON object");
    sub->callback([options, streams, &status, time, continuous]() {
        if (!continuous->count() && !time->count()) {
            throw CLI::ValidationError("simple", "give --time and --period, or --continuous");
        }
        status = RunSimple(*options, streams);
    });
}

}  // namespace zun::cli
