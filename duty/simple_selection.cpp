#include "duty/simple_selection.hpp"

#include "common/numerics.hpp"
#include "common/parse.hpp"

namespace zun {
namespace {

constexpr double kHotLimit = 60.0;
constexpr double kColdLimit = -10.0;
constexpr double kDeratingStart = 40.0;
constexpr double kDeratingPerDegree = 0.02;
constexpr double kRatedPercent = 150.0;
constexpr double kContinuousPermissibleFactor = 0.0125;  // 150 / 80 % = 0.0125 × 150

// Temperature factor, with the correction of a temperature outside -10 to 60 ℃.
void TemperatureStep(const SimpleSelectionInputs& in, SimpleSelectionResult& r) {
    double theta = ParseDecimal(in.temperatureText);
    if (theta > kHotLimit) {
        r.messages.emplace_back(kTemperatureRangeText);
        r.temperatureText = "60";
        theta = ParseDecimal(*r.temperatureText);
    } else if (theta < kColdLimit) {
        r.messages.emplace_back(kTemperatureRangeText);
        r.temperatureText = "-10";
        r.temperatureFactor = 1.0f;
        return;
    }
    if (theta > kDeratingStart && theta <= kHotLimit) {
        r.temperatureFactor = Store(1.0 - (theta - kDeratingStart) * kDeratingPerDegree);
    } else {
        r.temperatureFactor = 1.0f;
    }
}

void SelectionStep(VoltageClass voltage, SimpleSelectionResult& r) {
    r.model = SelectUnit(voltage, *r.selectionCurrent);
    if (!r.model) {
        r.overCurrent = true;
        r.messages.emplace_back(kOverCurrentText);
    }
}

void DutyMode(const SimpleSelectionInputs& in, const DeratingTable& table, SimpleSelectionResult& r) {
    const float t = ParseSingle(in.workingTimeText);
    r.workingTime = t;
    const float period = ParseSingle(in.periodText);
    r.period = period;
    const float d = Store(Div(t, period) * 100.0);
    r.duty = d;
    r.dutyText = FormatNumber(RoundTo(d, 1));

    if (!(d >= 1.0f && d <= 100.0f)) {
        throw Error("The duty " + FormatSingle(d) +
                    " %ED lies outside the derating table: the working time ÷ period × 100 must lie "
                    "between 1 and 100 %ED");
    }
    const double tenths = 10.0 * static_cast<double>(t);
    if (!(tenths >= 1.0 && tenths < kTimeSteps + 1.0)) {
        throw Error("The working time " + FormatSingle(t) +
                    " s lies outside the derating table: it must lie between 0.1 and 400 s");
    }
    const int n = TruncToInt(tenths);
    r.timeIndex = n;
    const float p = PermissibleCurrent(table, d, n);
    r.permissibleCurrent = p;

    TemperatureStep(in, r);
    if (!in.voltage) return;
    const int v = VoltageNumber(*in.voltage);
    r.voltage = v;
    if (*in.condition == CurrentCondition::DcBus) {
        const double c = *in.voltage == VoltageClass::V220 ? 40.0 : 80.0;
        r.unitCurrent = Store(Div((1.414 * v + c) * static_cast<double>(*r.current), 1.732 * v));
    } else {
        r.unitCurrent = *r.current;
    }
    r.equivalentCurrent = Store(EquivalentCurrent(*r.unitCurrent, p));
    r.selectionCurrent = Store(Div(*r.equivalentCurrent, *r.temperatureFactor));
    SelectionStep(*in.voltage, r);
}

void ContinuousMode(const SimpleSelectionInputs& in, SimpleSelectionResult& r) {
    TemperatureStep(in, r);
    if (!in.voltage) return;
    // Continuous duty always uses 440 V for the 380 V and 440 V classes.
    const int v = *in.voltage == VoltageClass::V220 ? 220 : 440;
    r.voltage = v;
    if (*in.condition == CurrentCondition::DcBus) {
        r.unitCurrent = Store(Div((v + 40.0) * 1.414 * static_cast<double>(*r.current), 1.732 * v));
    } else {
        r.unitCurrent = *r.current;
    }
    r.equivalentCurrent =
        Store(RoundTo(kContinuousPermissibleFactor * static_cast<double>(*r.unitCurrent) * kRatedPercent, 1));
    r.selectionCurrent = Store(Div(*r.equivalentCurrent, *r.temperatureFactor));
    SelectionStep(*in.voltage, r);
}

}  // namespace

SimpleSelectionResult ComputeSimpleSelection(const SimpleSelectionInputs& in, const DeratingTable& table) {
    SimpleSelectionResult r;
    try {
        if (in.voltage && !in.condition) throw Error(kConditionMissingText);
        r.current = ParseSingle(in.currentText);
        if (in.continuous) {
            ContinuousMode(in, r);
        } else {
            DutyMode(in, table, r);
        }
    } catch (const Error& e) {
        r.failure = e;
    }
    return r;
}

}  // namespace zun
