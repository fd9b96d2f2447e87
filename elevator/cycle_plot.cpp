#include "elevator/cycle_plot.hpp"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <functional>

namespace zun {
namespace {

// The largest sample counter a single-precision counter still steps by one.
constexpr double kExactCounterLimit = 16777216.0;  // 2^24

struct Phase {
    double start;
    double end;
    int segment;  // index into the segment currents, or -1 for a stop
    std::function<double(double)> speed;
};

std::array<Phase, 8> Phases(float t1f, float t2f, float t3f, float t4f, float nf) {
    const double t1 = t1f, t2 = t2f, t3 = t3f, t4 = t4f, n = nf;
    const double s = t1 + t2 + t3 + t4;
    return {{
        {0, t1, 0, [=](double x) { return x * n / t1; }},
        {t1, t1 + t2, 1, [=](double) { return n; }},
        {t1 + t2, t1 + t2 + t3, 2, [=](double x) { return n - (x - t1 - t2) * n / t3; }},
        {t1 + t2 + t3, s, -1, [](double) { return 0.0; }},
        {s, s + t1, 3, [=](double x) { return -(x - s) * n / t1; }},
        {s + t1, s + t1 + t2, 4, [=](double) { return -n; }},
        {s + t1 + t2, s + t1 + t2 + t3, 5, [=](double x) { return (x - s - t1 - t2) * n / t3 - n; }},
        {s + t1 + t2 + t3, 2 * s, -1, [](double) { return 0.0; }},
    }};
}

// The first sample counter of a phase, held in single precision as the
// sampling does, and the number of samples up to the phase's end. Counts
// are kept in double precision: absurd times must not overflow them.
struct Samples {
    double first;
    double count;
};

Samples PhaseSamples(const Phase& p) {
    const double tenths = 10.0 * p.start;
    const double first = std::fabs(tenths) <= FLT_MAX ? static_cast<double>(static_cast<float>(tenths)) : tenths;
    const double last = 10.0 * p.end;
    if (!(last >= first)) return {first, 0};
    return {first, std::floor(last - first) + 1};
}

}  // namespace

long long CycleSampleCount(float t1, float t2, float t3, float t4) {
    double total = 0;
    for (const Phase& p : Phases(t1, t2, t3, t4, 0.0f)) {
        total += PhaseSamples(p).count;
        // Beyond the bound only "more than the bound" matters.
        if (total > kMaxChartPoints) return kMaxChartPoints + 1;
    }
    return static_cast<long long>(total);
}

CycleCharts PlotElevatorCycle(float t1, float t2, float t3, float t4, float motorSpeed,
                              const std::array<SegmentCurrents, kSegmentCount>& currents) {
    const auto phases = Phases(t1, t2, t3, t4, motorSpeed);
    CycleCharts charts;
    bool exact = CycleSampleCount(t1, t2, t3, t4) <= kMaxChartPoints;
    for (const Phase& p : phases) {
        if (std::fabs(10.0 * p.start) >= kExactCounterLimit || std::fabs(10.0 * p.end) >= kExactCounterLimit) {
            exact = false;
        }
    }
    charts.thinned = !exact;

    auto fill = [&](std::vector<ChartPoint>& series, const std::function<double(const Phase&, double)>& value) {
        for (const Phase& p : phases) {
            if (exact) {
                // Sampling every 0.1 s with the single-precision counter.
                for (float k = static_cast<float>(10.0 * p.start); 10.0 * p.end >= k; k = k + 1.0f) {
                    const double x = 0.1 * k;
                    series.push_back({x, value(p, x)});
                }
            } else {
                // The same lines from their end points, counted in integers.
                const Samples s = PhaseSamples(p);
                if (s.count == 0) continue;
                const double x0 = 0.1 * s.first;
                const double x1 = 0.1 * (s.first + (s.count - 1));
                series.push_back({x0, value(p, x0)});
                if (s.count > 1) series.push_back({x1, value(p, x1)});
            }
        }
    };
    auto current = [&](auto member) {
        return [&, member](const Phase& p, double) {
            return p.segment < 0 ? 0.0 : static_cast<double>(currents[static_cast<std::size_t>(p.segment)].*member);
        };
    };
    fill(charts.vfdCurrent, current(&SegmentCurrents::vfdCurrent));
    const double a = 1.2 * currents[5].vfdCurrent;
    const double b = 1.2 * currents[0].vfdCurrent;
    charts.currentMin = std::min(a, b);
    charts.currentMax = std::max(a, b);
    fill(charts.unitCurrent, current(&SegmentCurrents::unitCurrent));
    fill(charts.motorSpeed, [](const Phase& p, double x) { return p.speed(x); });
    charts.speedMin = std::min(-1.2 * motorSpeed, 1.2 * motorSpeed);
    charts.speedMax = std::max(-1.2 * motorSpeed, 1.2 * motorSpeed);
    return charts;
}

}  // namespace zun
