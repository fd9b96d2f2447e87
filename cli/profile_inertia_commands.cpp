// zun-size profile and zun-size inertia: the working-condition window and the
// motor inertia window from the command line.
#include <ostream>

#include "cli/cli_support.hpp"
#include "common/numerics.hpp"
#include "duty/working_condition_profile.hpp"
#include "inertia/inertia_catalogue.hpp"

namespace zun::cli {
namespace {

int RunProfile(const std::vector<std::string>& steps, bool json, Streams s) {
    WorkingConditionProfile profile;
    for (const std::string& step : steps) {
        const auto colon = step.find(':');
        profile.push_back({step.substr(0, colon), step.substr(colon + 1)});
    }
    const ProfileSummary r = EvaluateProfile(profile);
    if (r.failure) return ReportError(s.err, r.failure->what());
    if (json) {
        const nlohmann::json j = {
            {"working_time_text", r.workingTimeText}, {"period_text", r.periodText},
            {"current_text", r.currentText},          {"axis_max", *r.axisMax},
            {"points", r.pointCount},
        };
        s.out << j.dump() << "\n";
    } else {
        s.out << "Working-condition profile (" << steps.size() << " steps)\n"
              << "  Working time-t(sec)   " << r.workingTimeText << "\n"
              << "  Period-T(sec)         " << r.periodText << "\n"
              << "  Current(A)            " << r.currentText << "\n"
              << "  Chart                 " << r.pointCount << " points over two periods, current axis 0 to "
              << FormatNumber(*r.axisMax) << "\n";
    }
    return kExitOk;
}

int ListMotors(const std::string& voltage, Streams s) {
    for (const InertiaEntry& e : InertiaCatalogue()) s.out << (voltage == "220" ? e.item220 : e.item380) << "\n";
    return kExitOk;
}

int RunInertia(const std::string& voltage, const std::string& motor, bool json, Streams s) {
    const int choice = voltage == "220" ? 0 : 1;
    const auto index = FindInertiaItem(choice, motor);
    if (!index) {
        s.err << "zun-size: no " << voltage << " V motor reads '" << motor
              << "'; run 'zun-size inertia --list " << voltage << "' to see the valid texts\n";
        return kExitUsage;
    }
    const float inertia = *LookUpInertia(choice, choice == 0 ? index : std::nullopt, choice == 1 ? index : std::nullopt);
    if (json) {
        s.out << nlohmann::json{{"inertia", SingleJson(inertia)}, {"inertia_text", InertiaText(inertia)}}.dump()
              << "\n";
    } else {
        s.out << InertiaText(inertia) << "\n";
    }
    return kExitOk;
}

}  // namespace

void AddProfileCommand(CLI::App& app, Streams streams, int& status) {
    auto steps = std::make_shared<std::vector<std::string>>();
    auto json = std::make_shared<bool>(false);
    CLI::App* sub = app.add_subcommand("profile", "Working-condition profile of 2 to 15 load steps");
    sub->add_option("steps", *steps, "Load steps as CURRENT:TIME (time in whole seconds)")
        ->required()
        ->expected(kMinProfileSteps, kMaxProfileSteps)
        ->check(CLI::Validator(
            [](std::string& step) {
                return step.find(':') == std::string::npos ? std::string("a step reads CURRENT:TIME") : std::string();
            },
            "CURRENT:TIME"));
    sub->add_flag("--json", *json, "Write one JSON object");
    sub->callback([steps, json, streams, &status]() { status = RunProfile(*steps, *json, streams); });
}

void AddInertiaCommand(CLI::App& app, Streams streams, int& status) {
    struct Options {
        std::string voltage, motor, list;
        bool json = false;
    };
    auto o = std::make_shared<Options>();
    CLI::App* sub = app.add_subcommand("inertia", "Rotor inertia of a standard motor");
    auto* voltage = sub->add_option("--voltage", o->voltage, "Motor voltage")->check(CLI::IsMember({"220", "380"}));
    auto* motor = sub->add_option("--motor", o->motor, "Motor as the list shows it, e.g. \"75HP 885RPM\"");
    auto* list = sub->add_option("--list", o->list, "List the motors of a voltage")->check(CLI::IsMember({"220", "380"}));
    list->excludes(voltage)->excludes(motor);
    voltage->needs(motor);
    motor->needs(voltage);
    sub->add_flag("--json", o->json, "Write one JSON object");
    sub->callback([o, streams, &status, list, voltage]() {
        if (list->count()) {
            status = ListMotors(o->list, streams);
        } else if (voltage->count()) {
            status = RunInertia(o->voltage, o->motor, o->json, streams);
        } else {
            throw CLI::ValidationError("inertia", "give --voltage and --motor, or --list");
        }
    });
}

}  // namespace zun::cli
