#include "rating/derating_table.hpp"

#include <charconv>
#include <fstream>
#include <system_error>

#include "common/error.hpp"
#include "common/numerics.hpp"

namespace zun {
namespace fs = std::filesystem;

namespace {

fs::path ProgramDirectory() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : exe.parent_path();
}

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

bool IsDecimalToken(std::string_view s) {
    std::size_t i = 0;
    auto digit = [&](std::size_t k) { return k < s.size() && s[k] >= '0' && s[k] <= '9'; };
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
    std::size_t digits = 0;
    while (digit(i)) { ++i; ++digits; }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (digit(i)) { ++i; ++digits; }
    }
    if (digits == 0) return false;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        if (!digit(i)) return false;
        while (digit(i)) ++i;
    }
    return i == s.size();
}

}  // namespace

fs::path FindDeratingFile() { return FindDeratingFile(fs::current_path(), ProgramDirectory()); }

fs::path FindDeratingFile(const fs::path& workingDir, const fs::path& programDir) {
    if (fs::exists(workingDir / kDeratingFileName)) return workingDir / kDeratingFileName;
    if (!programDir.empty() && fs::exists(programDir / kDeratingFileName)) return programDir / kDeratingFileName;
    throw Error("The derating table \"bked.txt\" was not found: looked in the working directory " +
                workingDir.string() + " and beside the program in " +
                (programDir.empty() ? std::string("(unknown)") : programDir.string()) +
                ". Put \"bked.txt\" in one of these folders");
}

DeratingTable LoadDeratingTable() { return LoadDeratingTable(FindDeratingFile()); }

DeratingTable LoadDeratingTable(const fs::path& path) {
    std::error_code ec;
    std::ifstream in;
    if (fs::is_regular_file(path, ec)) in.open(path, std::ios::binary);
    std::string text;
    if (in) {
        in.seekg(0, std::ios::end);
        const auto size = in.tellg();
        in.seekg(0, std::ios::beg);
        if (size > 0) {
            text.resize(static_cast<std::size_t>(size));
            in.read(text.data(), size);
        }
    }
    if (!in.is_open() || !in) {
        throw Error("The derating table \"" + path.string() +
                    "\" cannot be read: check that the file exists and is readable");
    }
    return ParseDeratingTable(text, path.string());
}

DeratingTable ParseDeratingTable(std::string_view text, const std::string& name) {
    DeratingTable table;
    const char* p = text.data();
    const char* const end = p + text.size();
    int count = 0;
    for (int r = 0; r < kDutyClassCount; ++r) {
        for (int j = 0; j < kTimeSteps; ++j) {
            while (p != end && IsSpace(*p)) ++p;
            if (p == end) {
                throw Error("The derating table \"" + name + "\" holds only " + std::to_string(count) +
                            " numbers; it needs 24000 (six duty classes of 4000 working times)");
            }
            const char* start = p;
            while (p != end && !IsSpace(*p)) ++p;
            const std::string_view token(start, static_cast<std::size_t>(p - start));
            ++count;
            float value = 0.0f;
            const char* first = token.data();
            if (!token.empty() && token.front() == '+') ++first;
            const auto res = std::from_chars(first, token.data() + token.size(), value);
            if (!IsDecimalToken(token) || res.ec != std::errc() || res.ptr != token.data() + token.size()) {
                throw Error("The derating table \"" + name + "\" is damaged: number " + std::to_string(count) +
                            " ('" + std::string(token.substr(0, 40)) + "') is not a valid number");
            }
            table.rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(j)] = value;
        }
    }
    return table;
}

float PermissibleCurrent(const DeratingTable& table, float d, int n) {
    if (!(d >= 1.0f && d <= 100.0f)) throw Error("Duty " + FormatSingle(d) + " %ED lies outside 1 to 100 %ED");
    if (n < 1 || n > kTimeSteps) throw Error("Time index " + std::to_string(n) + " lies outside 1 to 4000");
    const auto j = static_cast<std::size_t>(n - 1);
    auto row = [&](int r) { return table.rows[static_cast<std::size_t>(r)][j]; };
    if (d <= 10.0f) return Store(RoundTo(row(0), 2));
    for (int r = 1; r < kDutyClassCount; ++r) {
        if (d == static_cast<float>(kDutyClasses[static_cast<std::size_t>(r)])) return Store(RoundTo(row(r), 2));
    }
    for (int a = 0; a + 1 < kDutyClassCount; ++a) {
        const double lo = kDutyClasses[static_cast<std::size_t>(a)];
        const double hi = kDutyClasses[static_cast<std::size_t>(a + 1)];
        if (d > lo && d < hi) {
            const double dd = d;
            return Store(((dd - lo) * row(a + 1) + (hi - dd) * row(a)) / (hi - lo));
        }
    }
    throw Error("Duty " + FormatSingle(d) + " %ED lies outside 1 to 100 %ED");  // not reached
}

double EquivalentCurrent(float current, float permissible) {
    return RoundTo(Checked(Div(current, permissible) * 150.0), 1);
}

}  // namespace zun
