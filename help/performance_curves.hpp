#pragma once
// The ZUN unit's performance curves: the allowed output current in per cent
// of rating over the working time, by duty class. They are drawn in the
// performance-curve window and are the source of the shipped derating table.
#include <span>
#include <string>
#include <vector>

namespace zun {

inline constexpr double kContinuousLevel = 80.0;  // no curve falls below it

struct PerformanceCurve {
    std::string name;   // legend text: "10%ED" ... "Continuous"
    int duty;           // %ED; 0 for the continuous line
    unsigned rgb;       // drawing colour 0xRRGGBB
    double endTime;     // s: where the curve meets the continuous line and ends
    std::vector<std::pair<double, double>> points;  // (working time s, per cent), tabulated

    // The curve at a working time: its 1 s value below 1 s, a monotone cubic
    // in log10 of the time between tabulated points, and the continuous level
    // from its end on.
    double ValueAt(double seconds) const;
};

// The seven curves in drawing order: 10, 25, 40, 50, 60, 80 %ED, Continuous.
std::span<const PerformanceCurve> PerformanceCurves();

}  // namespace zun
