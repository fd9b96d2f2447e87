#pragma once
// Helpers shared by the zun-size subcommands.
#include <iosfwd>
#include <optional>
#include <string>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include "rating/derating_table.hpp"

namespace zun::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitError = 1;
inline constexpr int kExitUsage = 2;

// A single-precision value as a JSON number that reads back to the same float.
nlohmann::json SingleJson(float value);

// Loads the table from --table, or finds "bked.txt" as the program does.
DeratingTable LoadTable(const std::string& tablePath);

// Reports an error as the error box would show it and returns kExitError.
int ReportError(std::ostream& err, const std::string& text);

// Registers each subcommand on the application.
struct Streams {
    std::ostream& out;
    std::ostream& err;
};
void AddSimpleCommand(CLI::App& app, Streams streams, int& status);
void AddElevatorCommand(CLI::App& app, Streams streams, int& status);
void AddProfileCommand(CLI::App& app, Streams streams, int& status);
void AddInertiaCommand(CLI::App& app, Streams streams, int& status);

// Runs zun-size with its arguments (argv[0] included); returns the exit status.
int Run(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace zun::cli
