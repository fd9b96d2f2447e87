#pragma once
// The working-condition window "工況設定": a grid of load steps, their chart
// over two periods, and the hand-over of working time, period and current
// to the main window.
#include <QTableWidget>
#include <QToolButton>

#include "app/ui/zun_window.hpp"
#include "duty/working_condition_profile.hpp"

class QChartView;
class QLineSeries;

namespace zun::ui {

struct Forms;
class MessageSink;

class TForm4 : public ZunWindow {
public:
    TForm4(Forms& forms, MessageSink& messages);

    void FormCreate();
    void SpeedButton1Click();  // add a step
    void SpeedButton2Click();  // remove the last step
    void SpeedButton3Click();  // evaluate and hand over

    // The grid's rows in all, the heading row included (3 to 16).
    int GridRowCount() const;
    // The current and time texts of the steps in displayed order, read by
    // displayed column.
    WorkingConditionProfile DisplayedSteps() const;
    // The cell at a displayed step row (1-based) and column (1: current, 2: time).
    QTableWidgetItem* DisplayedCell(int row, int column) const;

    QTableWidget* StringGrid1;
    QToolButton* SpeedButton1;
    QToolButton* SpeedButton2;
    QToolButton* SpeedButton3;
    QChartView* Chart1;
    QLineSeries* Series1;

private:
    void AppendStepRow();

    Forms& forms_;
    MessageSink& messages_;
    bool currentAxisFixed_ = false;
};

}  // namespace zun::ui
