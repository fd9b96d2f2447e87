#include "duty/working_condition_profile.hpp"

#include <algorithm>
#include <climits>
#include <cmath>

#include "common/numerics.hpp"
#include "common/parse.hpp"

namespace zun {
namespace {

constexpr double kAxisHeadroom = 1.3;

// Adds the points of one step from `start` to `start + seconds`, one per
// second, or only its two ends when the profile is drawn thinned.
void AddStep(std::vector<ChartPoint>& points, long long start, int seconds, double current, bool thinned) {
    if (seconds < 0) return;
    if (thinned) {
        points.push_back({static_cast<double>(start), current});
        if (seconds > 0) points.push_back({static_cast<double>(start + seconds), current});
        return;
    }
    for (long long x = start; x <= start + seconds; ++x) points.push_back({static_cast<double>(x), current});
}

int TruncatedCurrent(const std::string& text) {
    const double value = std::trunc(ParseDecimal(text));
    if (!(value >= INT_MIN && value <= INT_MAX)) throw Error(kInvalidOperation);
    return static_cast<int>(value);
}

}  // namespace

ProfileSummary EvaluateProfile(const WorkingConditionProfile& steps) {
    ProfileSummary s;
    const std::size_t n = steps.size();
    std::vector<int> times(n);
    std::vector<double> currents(n);

    // Period 1 reads each step's time, then its current when the time is not
    // negative. The points of the steps read before a bad cell stay drawn.
    std::size_t read = 0;
    std::optional<Error> failure;
    try {
        for (; read < n; ++read) {
            times[read] = ParseWhole(steps[read].time);
            if (times[read] >= 0) currents[read] = ParseDecimal(steps[read].current);
        }
    } catch (const Error& e) {
        failure = e;
    }
    long long count = 0;
    for (std::size_t k = 0; k < read; ++k) count += times[k] >= 0 ? times[k] + 1LL : 0LL;
    s.pointCount = failure ? count : 2 * count;
    s.thinned = s.pointCount > kMaxProfilePoints;
    s.points.reserve(static_cast<std::size_t>(s.thinned ? 4 * n : s.pointCount));

    long long end = 0;
    for (int period = 0; period < (failure ? 1 : 2); ++period) {
        for (std::size_t k = 0; k < read; ++k) {
            if (period == 0 && k == 0) {
                end = times[0];
                AddStep(s.points, 0, times[0], currents[0], s.thinned);
            } else {
                end += times[k];
                AddStep(s.points, end - times[k], times[k], currents[k], s.thinned);
            }
        }
    }
    if (failure) {
        s.failure = failure;
        return s;
    }

    try {
        int peak = INT_MIN;
        for (const ProfileStepTexts& step : steps) peak = std::max(peak, TruncatedCurrent(step.current));
        s.peakCurrent = peak;
        s.axisMax = peak * kAxisHeadroom;

        float sum = Store(ParseDecimal(steps[0].current) * ParseDecimal(steps[0].time));
        float total = Store(ParseDecimal(steps[0].time));
        for (std::size_t k = 1; k < n; ++k) {
            sum = Store(ParseDecimal(steps[k].time) * ParseDecimal(steps[k].current) + sum);
            total = Store(ParseDecimal(steps[k].time) + static_cast<double>(total));
        }
        s.chargeSum = sum;
        s.period = total;
        s.workingTime = RoundTo(Div(sum, peak), 1);
        s.workingTimeText = FormatNumber(*s.workingTime);
        s.periodText = FormatNumber(total);
        s.currentText = FormatNumber(peak);
    } catch (const Error& e) {
        s.failure = e;
    }
    return s;
}

}  // namespace zun
