#include "help/performance_curves.hpp"

#include <cmath>

namespace zun {
namespace {

// Slopes of a monotone cubic through (x, y) (Fritsch and Carlson): the curve
// passes through every point and never overshoots, so a falling table gives
// a smoothly falling curve.
std::vector<double> MonotoneSlopes(const std::vector<double>& x, const std::vector<double>& y) {
    const std::size_t n = x.size();
    std::vector<double> delta(n - 1);
    for (std::size_t k = 0; k + 1 < n; ++k) delta[k] = (y[k + 1] - y[k]) / (x[k + 1] - x[k]);
    std::vector<double> m(n, 0.0);
    m[0] = delta[0];
    m[n - 1] = delta[n - 2];
    for (std::size_t k = 1; k + 1 < n; ++k) {
        m[k] = (delta[k - 1] * delta[k] <= 0) ? 0.0 : (delta[k - 1] + delta[k]) / 2;
    }
    for (std::size_t k = 0; k + 1 < n; ++k) {
        if (delta[k] == 0) {
            m[k] = m[k + 1] = 0;
            continue;
        }
        const double a = m[k] / delta[k];
        const double b = m[k + 1] / delta[k];
        const double s = a * a + b * b;
        if (s > 9) {
            const double tau = 3 / std::sqrt(s);
            m[k] = tau * a * delta[k];
            m[k + 1] = tau * b * delta[k];
        }
    }
    return m;
}

PerformanceCurve Curve(std::string name, int duty, unsigned rgb, double endTime, std::vector<double> values) {
    static constexpr double kTimes[] = {1, 2, 5, 10, 15, 20, 30, 50, 70, 100, 150, 200, 300};
    PerformanceCurve c{std::move(name), duty, rgb, endTime, {}};
    for (std::size_t k = 0; k < values.size(); ++k) c.points.emplace_back(kTimes[k], values[k]);
    return c;
}

}  // namespace

double PerformanceCurve::ValueAt(double seconds) const {
    std::vector<double> x, y;
    for (const auto& [t, v] : points) {
        x.push_back(std::log10(t));
        y.push_back(v);
    }
    if (endTime > points.back().first) {
        x.push_back(std::log10(endTime));
        y.push_back(kContinuousLevel);
    }
    const double lx = std::log10(seconds);
    if (lx <= x.front()) return y.front();
    if (lx >= x.back()) return endTime > points.back().first ? kContinuousLevel : y.back();
    const std::vector<double> m = MonotoneSlopes(x, y);
    std::size_t k = 0;
    while (lx > x[k + 1]) ++k;
    const double h = x[k + 1] - x[k];
    const double t = (lx - x[k]) / h;
    const double t2 = t * t;
    const double t3 = t2 * t;
    return (2 * t3 - 3 * t2 + 1) * y[k] + (t3 - 2 * t2 + t) * h * m[k] + (-2 * t3 + 3 * t2) * y[k + 1] +
           (t3 - t2) * h * m[k + 1];
}

std::span<const PerformanceCurve> PerformanceCurves() {
    // Allowed output current (%) at 1, 2, 5, 10, 15, 20, 30, 50, 70, 100,
    // 150, 200 and 300 s, as far as each curve reaches.
    static const std::vector<PerformanceCurve> kCurves{
        Curve("10%ED", 10, 0x000080, 330, {150, 150, 150, 150, 149, 146, 135, 115, 103, 96, 91, 88, 82}),
        Curve("25%ED", 25, 0xFF00FF, 330, {150, 149, 145, 139, 134, 129, 119, 104, 98, 94, 90, 87, 82}),
        Curve("40%ED", 40, 0xFFFF00, 330, {140, 138, 129, 120, 115, 111, 104, 96, 93, 91, 89, 86, 82}),
        Curve("50%ED", 50, 0x00FFFF, 380, {120, 119, 113, 107, 104, 102, 98, 93, 90, 87, 85, 83, 82}),
        Curve("60%ED", 60, 0x800080, 95, {100, 99, 97, 95, 94, 93, 91, 90, 86}),
        Curve("80%ED", 80, 0x800000, 95, {93, 92, 89, 87, 85, 84, 84, 83, 82}),
        Curve("Continuous", 0, 0x008080, 400, {80, 80, 80, 80, 80, 80, 80, 80, 80, 80, 80, 80, 80}),
    };
    return kCurves;
}

}  // namespace zun
