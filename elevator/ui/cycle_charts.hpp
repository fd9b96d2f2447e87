#pragma once
// The two cycle charts of the main window's result area.
class QChartView;
class QLineSeries;
class QWidget;

namespace zun::ui {

struct CycleCharts {
    QChartView* Chart1;  // "VFD & ZUN Current"
    QChartView* Chart2;  // "Moter speed"
    QLineSeries* Series1;
    QLineSeries* Series2;
    QLineSeries* Series3;
};

// Creates both charts as children of `parent`, hidden, with their titles,
// axes, legend and series.
CycleCharts CreateCycleCharts(QWidget* parent);

}  // namespace zun::ui
