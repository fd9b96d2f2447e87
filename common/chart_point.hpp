#pragma once
// One point of a chart series: time and value.

namespace zun {

struct ChartPoint {
    double x;
    double y;
    bool operator==(const ChartPoint&) const = default;
};

}  // namespace zun
