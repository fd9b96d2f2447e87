#include "app/ui/chart_support.hpp"

#include <QChart>
#include <QChartView>
#include <QLineSeries>
#include <QValueAxis>

namespace zun::ui {

QValueAxis* ValueAxis(QChartView* view, Qt::Orientation orientation) {
    const auto axes = view->chart()->axes(orientation);
    return axes.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(axes.first());
}

void SetPoints(QLineSeries* series, const std::vector<ChartPoint>& points) {
    QList<QPointF> list;
    list.reserve(static_cast<qsizetype>(points.size()));
    for (const ChartPoint& p : points) list.append(QPointF(p.x, p.y));
    series->replace(list);
}

}  // namespace zun::ui
