#include "duty/ui/simple_selection_view.hpp"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "app/ui/message_sink.hpp"
#include "duty/simple_selection.hpp"

namespace zun::ui {

void RunSimpleSelection(const SimpleSelectionControls& c, MessageSink& messages) {
    const DeratingTable table = LoadDeratingTable();

    SimpleSelectionInputs in;
    if (int v = c.voltage->currentIndex(); v >= 0) in.voltage = static_cast<VoltageClass>(v);
    if (int k = c.condition->currentIndex(); k >= 0) in.condition = static_cast<CurrentCondition>(k);
    in.currentText = c.current->text().toStdString();
    in.temperatureText = c.temperature->text().toStdString();
    in.workingTimeText = c.workingTime->text().toStdString();
    in.periodText = c.period->text().toStdString();
    in.continuous = c.continuous->isChecked();

    const SimpleSelectionResult r = ComputeSimpleSelection(in, table);
    // Replay what the calculation reached, in its order.
    if (r.dutyText) c.duty->setText(QString::fromStdString(*r.dutyText));
    if (r.temperatureText) {
        messages.Information(QString::fromUtf8(kTemperatureRangeText));
        c.temperature->setText(QString::fromStdString(*r.temperatureText));
    }
    if (r.failure) throw *r.failure;
    if (r.model) {
        c.model->setText(QString::fromLatin1(r.model->name));
    } else if (r.overCurrent) {
        messages.Information(QString::fromUtf8(kOverCurrentText));
    }
}

}  // namespace zun::ui
