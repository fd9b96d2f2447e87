#include "common/numerics.hpp"

#include <array>
#include <charconv>
#include <cfloat>
#include <cmath>
#include <cstdio>

#include "common/error.hpp"

namespace zun {

double Checked(double value) {
    if (std::isnan(value)) throw Error(kInvalidOperation);
    if (std::isinf(value)) throw Error(kOverflow);
    return value;
}

// Magnitudes from here on round to infinity in single precision: FLT_MAX
// plus half a unit in its last place.
constexpr double kSingleOverflow = static_cast<double>(FLT_MAX) + 0x1p103;

float Store(double value) {
    Checked(value);
    if (std::fabs(value) >= kSingleOverflow) throw Error(kOverflow);
    return static_cast<float>(value);
}

double Div(double a, double b) {
    if (b == 0.0) {
        if (a == 0.0 || std::isnan(a)) throw Error(kInvalidOperation);
        throw Error(kDivisionByZero);
    }
    return Checked(a / b);
}

double RoundTo(double value, int decimals) {
    static constexpr std::array<double, 4> kFactors{1.0, 0.1, 0.01, 0.001};
    const double factor = kFactors.at(static_cast<std::size_t>(decimals));
    // std::nearbyint rounds with the current mode, which is to nearest with
    // ties to even; the program never changes it.
    return std::nearbyint(Checked(value / factor)) * factor;
}

std::string FormatNumber(double value) {
    if (value == 0.0) return "0";  // also folds -0 into "0"
    std::array<char, 40> buf{};
    std::snprintf(buf.data(), buf.size(), "%.15g", value);
    return buf.data();
}

std::string FormatSingle(float value) {
    if (value == 0.0f) return "0";
    std::array<char, 40> buf{};
    auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), value);
    (void)ec;
    return std::string(buf.data(), end);
}

int TruncToInt(double value) { return static_cast<int>(std::trunc(value)); }

}  // namespace zun
