#pragma once
// The derating table: the permissible output current of a feedback unit in
// per cent of its rating, by duty class and working time, read from
// "bked.txt" at every calculation.
#include <array>
#include <filesystem>
#include <string>

namespace zun {

inline constexpr int kDutyClassCount = 6;
inline constexpr int kTimeSteps = 4000;  // 0.1 s to 400.0 s in steps of 0.1 s
inline constexpr std::array<int, kDutyClassCount> kDutyClasses{10, 25, 40, 60, 80, 100};
inline constexpr const char* kDeratingFileName = "bked.txt";

struct DeratingTable {
    // rows[r][j]: duty class r, working time (j + 1) × 0.1 s
    std::array<std::array<float, kTimeSteps>, kDutyClassCount> rows{};
};

// Where "bked.txt" is read from: the working directory first, else the copy
// installed beside the program. Raises an Error naming both places when
// neither exists.
std::filesystem::path FindDeratingFile();
std::filesystem::path FindDeratingFile(const std::filesystem::path& workingDir,
                                        const std::filesystem::path& programDir);

// Reads "bked.txt" as FindDeratingFile() locates it.
DeratingTable LoadDeratingTable();

// Reads a table file: 24,000 numbers separated by any white space; numbers
// after the 24,000th are never read. An unreadable file, a token that is
// not a number or too few numbers raise an Error that says what to fix.
DeratingTable LoadDeratingTable(const std::filesystem::path& path);

// Parses the text of a table file; `name` names the file in error texts.
DeratingTable ParseDeratingTable(std::string_view text, const std::string& name);

// Permissible current in per cent for duty d (%ED, 1 ≤ d ≤ 100) and time
// index n (1 ≤ n ≤ 4000). One duty class alone is rounded to two decimals;
// between two classes the rows are interpolated linearly in the duty.
// Arguments outside those ranges raise an Error.
float PermissibleCurrent(const DeratingTable& table, float duty, int timeIndex);

// Required AC current I over permissible current p, times 150, rounded to
// one decimal place.
double EquivalentCurrent(float current, float permissible);

}  // namespace zun
