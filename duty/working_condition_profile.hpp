#pragma once
// The working-condition profile: load steps, each a current held for a whole
// number of seconds, condensed into the working time, period and peak
// current of a simple duty, with the points of its two-period chart.
#include <optional>
#include <string>
#include <vector>

#include "common/error.hpp"
#include "common/chart_point.hpp"

namespace zun {

inline constexpr int kMinProfileSteps = 2;
inline constexpr int kMaxProfileSteps = 15;
// Above this many chart points the profile is drawn from its step end points.
inline constexpr long long kMaxProfilePoints = 100000;

// The texts of one grid row: its current cell and its time cell.
struct ProfileStepTexts {
    std::string current;
    std::string time;
};

using WorkingConditionProfile = std::vector<ProfileStepTexts>;

// What an evaluation reached. `points` holds the chart points added before
// any failure; the figures are set once their step is reached.
struct ProfileSummary {
    std::vector<ChartPoint> points;
    bool thinned = false;                // drawn from step end points only
    long long pointCount = 0;            // points of the full one-second drawing
    std::optional<double> axisMax;       // peak × 1.3
    std::optional<int> peakCurrent;      // whole amperes
    std::optional<float> chargeSum;      // ampere-seconds
    std::optional<float> period;         // s
    std::optional<double> workingTime;   // s, one decimal
    std::string workingTimeText, periodText, currentText;  // for Edit1, Edit2, Edit3
    std::optional<Error> failure;
};

// Evaluates the steps in row order, reading the cells in the order that
// decides which bad cell is reported: the time of step 1, its current (if
// the time is not negative), then each further step's time and current,
// then every current again for the peak.
ProfileSummary EvaluateProfile(const WorkingConditionProfile& steps);

}  // namespace zun
