#include "cli/cli_support.hpp"

#include <ostream>

#include "common/error.hpp"
#include "common/numerics.hpp"

namespace zun::cli {

nlohmann::json SingleJson(float value) { return std::stod(FormatSingle(value)); }

DeratingTable LoadTable(const std::string& tablePath) {
    return tablePath.empty() ? LoadDeratingTable() : LoadDeratingTable(tablePath);
}

int ReportError(std::ostream& err, const std::string& text) {
    err << ErrorBoxText(text) << "\n";
    return kExitError;
}

int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
    CLI::App app{"zun-size: sizes a ZUN regenerative feedback unit from the command line"};
    app.require_subcommand(1);
    int status = kExitOk;
    Streams streams{out, err};
    AddSimpleCommand(app, streams, status);
    AddElevatorCommand(app, streams, status);
    AddProfileCommand(app, streams, status);
    AddInertiaCommand(app, streams, status);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return kExitOk;
    } catch (const CLI::ParseError& e) {
        err << "zun-size: " << e.what() << "\n";
        err << "Run 'zun-size --help' for the usage.\n";
        return kExitUsage;
    } catch (const Error& e) {
        return ReportError(err, e.what());
    }
    return status;
}

}  // namespace zun::cli
