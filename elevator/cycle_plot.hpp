#pragma once
// The point lists of the cycle charts: motor speed, VFD current and unit
// current over one up-and-down trip, sampled every 0.1 s.
#include <array>
#include <vector>

#include "common/chart_point.hpp"
#include "elevator/elevator_model.hpp"

namespace zun {

struct CycleCharts {
    std::vector<ChartPoint> vfdCurrent;   // Series1
    std::vector<ChartPoint> unitCurrent;  // Series2
    std::vector<ChartPoint> motorSpeed;   // Series3
    double currentMin = 0, currentMax = 0;
    double speedMin = 0, speedMax = 0;
    // True when the cycle is so long that each phase is drawn from its end
    // points only: the same lines, without the samples in between.
    bool thinned = false;
};

// Above this many samples per series the charts are drawn from the phases'
// end points only.
inline constexpr long long kMaxChartPoints = 100000;

// Samples per series of the full 0.1 s sampling, counted without drawing;
// any count above kMaxChartPoints is given as kMaxChartPoints + 1.
long long CycleSampleCount(float t1, float t2, float t3, float t4);

CycleCharts PlotElevatorCycle(float t1, float t2, float t3, float t4, float motorSpeed,
                              const std::array<SegmentCurrents, kSegmentCount>& currents);

}  // namespace zun
