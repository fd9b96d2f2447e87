#include "elevator/ui/elevator_view.hpp"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QValueAxis>

#include "app/ui/chart_support.hpp"
#include "app/ui/message_sink.hpp"
#include "elevator/elevator_calculation.hpp"

namespace zun::ui {
namespace {

std::string Text(const QLineEdit* edit) { return edit->text().toStdString(); }

// The time axis follows the points; the vertical axis has its fixed range.
void Fill(QChartView* view, std::initializer_list<std::pair<QLineSeries*, const std::vector<ChartPoint>*>> series,
          double min, double max) {
    double first = 0, last = 0;
    bool any = false;
    for (const auto& [s, points] : series) {
        SetPoints(s, *points);
        if (!points->empty()) {
            first = any ? std::min(first, points->front().x) : points->front().x;
            last = any ? std::max(last, points->back().x) : points->back().x;
            any = true;
        }
    }
    if (QValueAxis* x = ValueAxis(view, Qt::Horizontal); x && any) {
        x->setRange(first, last > first ? last : first + 1);
        x->applyNiceNumbers();
    }
    if (QValueAxis* y = ValueAxis(view, Qt::Vertical)) y->setRange(min, max);
}

}  // namespace

void RunElevatorCalculation(const ElevatorControls& c, MessageSink& messages) {
    ElevatorTexts texts;
    if (int k = c.suspension->currentIndex(); k >= 0) texts.suspension = static_cast<Suspension>(k);
    if (int k = c.voltage->currentIndex(); k >= 0) texts.voltage = static_cast<VoltageClass>(k);
    CheckSuspension(texts);

    if (const auto replacement = CheckWeighting(Text(c.weighting))) {
        messages.Information(QString::fromUtf8(kWeightingLimitText));
        c.weighting->setText(QString::fromStdString(*replacement));
    }

    c.picture->hide();
    c.currentChart->show();
    c.speedChart->show();
    for (QLineSeries* s : {c.vfdSeries, c.unitSeries, c.speedSeries}) s->clear();

    const DeratingTable table = LoadDeratingTable();

    texts.pfMotor = Text(c.pfMotor);
    texts.pfGenerator = Text(c.pfGenerator);
    texts.t1 = Text(c.t1);
    texts.t2 = Text(c.t2);
    texts.t3 = Text(c.t3);
    texts.t4 = Text(c.t4);
    texts.sourceVoltage = Text(c.sourceVoltage);
    texts.vfdVoltage = Text(c.vfdVoltage);
    texts.maxLoad = Text(c.maxLoad);
    texts.carWeight = Text(c.carWeight);
    texts.weighting = Text(c.weighting);
    texts.speed = Text(c.speed);
    texts.cableDiameter = Text(c.cableDiameter);
    texts.meEfficiency = Text(c.meEfficiency);
    texts.motorEfficiency = Text(c.motorEfficiency);
    texts.vfdEfficiency = Text(c.vfdEfficiency);
    texts.inertia = Text(c.inertia);
    texts.reductionRatio = Text(c.reductionRatio);

    const ElevatorResult r = ComputeElevator(texts, table);
    // Show what the calculation reached, in its order.
    if (r.motorSpeedText) c.speedPanel->setText(QString::fromStdString(*r.motorSpeedText));
    if (r.torqueText) {
        c.torque->setText(QString::fromStdString(*r.torqueText));
        c.maxTorque->setText(QString::fromStdString(*r.maxTorqueText));
    }
    if (r.charts) {
        const CycleCharts& ch = *r.charts;
        Fill(c.currentChart, {{c.vfdSeries, &ch.vfdCurrent}, {c.unitSeries, &ch.unitCurrent}}, ch.currentMin,
             ch.currentMax);
        Fill(c.speedChart, {{c.speedSeries, &ch.motorSpeed}}, ch.speedMin, ch.speedMax);
    }
    if (r.failure) throw *r.failure;
    if (r.model) c.model->setText(QString::fromLatin1(r.model->name));
    for (const std::string& m : r.messages) messages.Information(QString::fromStdString(m));
}

}  // namespace zun::ui
