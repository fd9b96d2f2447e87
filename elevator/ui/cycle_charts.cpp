#include "elevator/ui/cycle_charts.hpp"

#include <QChart>
#include <QChartView>
#include <QLegend>
#include <QLineSeries>
#include <QValueAxis>

#include "app/ui/look.hpp"

namespace zun::ui {
namespace {

QLineSeries* MakeSeries(const QString& title, const QColor& colour) {
    auto* series = new QLineSeries;
    series->setName(title);
    QPen pen(colour);
    pen.setWidth(2);
    series->setPen(pen);
    series->setPointsVisible(false);
    return series;
}

QChartView* MakeChart(QWidget* parent, const char* name, const QString& title, const QString& leftTitle,
                      std::initializer_list<QLineSeries*> series) {
    auto* chart = new QChart;
    chart->setTitle(title);
    chart->setTitleFont(PixelFont(kArial, 13, true));
    chart->setBackgroundBrush(Qt::white);
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(2, 2, 2, 2));
    auto* x = new QValueAxis;
    x->setTitleText(QStringLiteral("Time(sec)"));
    auto* y = new QValueAxis;
    y->setTitleText(leftTitle);
    for (QValueAxis* axis : {x, y}) {
        axis->setTitleFont(PixelFont(kArial, 11));
        axis->setLabelsFont(PixelFont(kArial, 10));
        axis->setLabelFormat(QStringLiteral("%.4g"));
    }
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QLineSeries* s : series) {
        chart->addSeries(s);
        s->attachAxis(x);
        s->attachAxis(y);
    }
    auto* view = new QChartView(chart, parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setRenderHint(QPainter::Antialiasing);
    view->setAttribute(Qt::WA_TransparentForMouseEvents);
    view->setFrameShape(QFrame::NoFrame);
    view->hide();
    return view;
}

}  // namespace

CycleCharts CreateCycleCharts(QWidget* parent) {
    CycleCharts c{};
    c.Series1 = MakeSeries(QStringLiteral("VFD Current"), Qt::red);
    c.Series2 = MakeSeries(QStringLiteral("ZUN Current"), QColor(0, 128, 0));
    c.Series3 = MakeSeries(QStringLiteral("馬達轉速"), Qt::red);
    c.Chart2 = MakeChart(parent, "Chart2", QStringLiteral("Moter speed"), QStringLiteral("Moter speed(RPM)"), {c.Series3});
    c.Chart2->chart()->legend()->hide();
    c.Chart1 = MakeChart(parent, "Chart1", QStringLiteral("VFD & ZUN Current"), QStringLiteral("Current(A)"),
                         {c.Series1, c.Series2});
    c.Chart1->chart()->legend()->setAlignment(Qt::AlignTop);
    c.Chart1->chart()->legend()->setFont(PixelFont(kArial, 11));
    return c;
}

}  // namespace zun::ui
