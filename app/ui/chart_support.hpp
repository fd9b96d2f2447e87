#pragma once
// Small helpers shared by the windows that fill charts.
#include <QtCore/qnamespace.h>
#include <vector>

#include "common/chart_point.hpp"

class QChartView;
class QLineSeries;
class QValueAxis;

namespace zun::ui {

// The chart's value axis of an orientation.
QValueAxis* ValueAxis(QChartView* view, Qt::Orientation orientation);

// Replaces the series' points in one step.
void SetPoints(QLineSeries* series, const std::vector<ChartPoint>& points);

}  // namespace zun::ui
