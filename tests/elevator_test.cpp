#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

#include "common/error.hpp"
#include "elevator/elevator_calculation.hpp"
#include "table_fixture.hpp"

namespace zun {
namespace {

using test::Entry;

// The worked example of the elevator page.
ElevatorTexts Example() {
    ElevatorTexts t;
    t.suspension = Suspension::OneToOne;
    t.maxLoad = "1000";
    t.carWeight = "1200";
    t.weighting = "0.5";
    t.speed = "60";
    t.cableDiameter = "0.4";
    t.meEfficiency = "0.9";
    t.inertia = "0.05";
    t.reductionRatio = "30";
    t.t1 = "2";
    t.t2 = "5";
    t.t3 = "2";
    t.t4 = "10";
    t.vfdVoltage = "380";
    t.sourceVoltage = "380";
    t.pfMotor = "0.8";
    t.pfGenerator = "0.8";
    t.motorEfficiency = "0.8";
    t.vfdEfficiency = "0.9";
    t.voltage = VoltageClass::V380;
    return t;
}

// Every entry 120 %, so that the example's x1 is 8.096 / 120 × 150 = 10.1.
DeratingTable Flat(float value = 120.0f) {
    DeratingTable t;
    for (auto& row : t.rows) row.fill(value);
    return t;
}

class Elevator : public ::testing::Test {
protected:
    ElevatorResult Run(const ElevatorTexts& t) { return ComputeElevator(t, table); }
    DeratingTable table = Flat();
};

TEST_F(Elevator, WorkedExampleLoadModel) {
    const ElevatorLoad l = ComputeElevatorLoad(ReadElevatorInputs(Example()));
    EXPECT_EQ(l.carMass, 2200.0f);
    EXPECT_EQ(l.counterMass, 1700.0f);
    EXPECT_NEAR(l.carSpeed, 1.0, 1e-6);
    const double p[] = {6850, 4900, 2950, -2950, -4900, -6850};
    const double pm[] = {8173.6, 5444.4, 3840.3, -3217.5, -4410.0, -6727.5};
    for (int k = 0; k < kSegmentCount; ++k) {
        EXPECT_NEAR(l.segments[k].loadPower, p[k], 0.01) << k;
        EXPECT_NEAR(l.segments[k].shaftPower, pm[k], 0.06) << k;
        EXPECT_EQ(l.segments[k].mode, k < 3 ? Mode::Motor : Mode::Generator) << k;
    }
    EXPECT_NEAR(l.motorSpeed, 1433.12, 0.005);
    EXPECT_NEAR(l.inertiaPowerAcc, 562.5, 0.5);
    EXPECT_EQ(l.inertiaPowerAcc, l.inertiaPowerDec);
}

TEST_F(Elevator, WorkedExampleCurrentsRequirementAndModel) {
    const ElevatorResult r = Run(Example());
    ASSERT_FALSE(r.failure) << r.failure->what();
    EXPECT_EQ(*r.motorSpeedText, "1433.1");
    EXPECT_EQ(*r.torqueText, "3.7");
    EXPECT_EQ(*r.maxTorqueText, "5.6");
    const double vfd[] = {19.40, 12.93, 9.12, -4.89, -6.70, -10.22};
    const double unit[] = {0, 0, 0, -3.872, -5.307, -8.096};
    for (int k = 0; k < kSegmentCount; ++k) {
        EXPECT_NEAR(r.currents[k].vfdCurrent, vfd[k], 0.005) << k;
        EXPECT_NEAR(r.currents[k].unitCurrent, unit[k], 0.0005) << k;
    }
    const ElevatorRequirement& q = *r.requirement;
    EXPECT_EQ(q.pattern, FeedbackPattern::B);
    EXPECT_NEAR(q.workingTime, 6.234, 0.0005);
    EXPECT_NEAR(q.duty, 32.81, 0.005);
    EXPECT_EQ(q.timeIndex, 62);
    EXPECT_EQ(q.permissibleCurrent, 120.0f);
    EXPECT_EQ(q.equivalentCurrent, 10.1f);
    EXPECT_FALSE(q.upComputed);
    EXPECT_EQ(q.selectionCurrent, 10.1f);  // pattern B: x = x1
    EXPECT_STREQ(r.model->name, "ZUN-H01");
    auto t = Example();
    t.voltage = VoltageClass::V220;
    EXPECT_STREQ(Run(t).model->name, "ZUN-L01");
    t.voltage = VoltageClass::V440;
    EXPECT_STREQ(Run(t).model->name, "ZUN-H01");
}

TEST_F(Elevator, WorkedExampleCharts) {
    const ElevatorResult r = Run(Example());
    const CycleCharts& c = *r.charts;
    EXPECT_FALSE(c.thinned);
    for (const auto* series : {&c.vfdCurrent, &c.unitCurrent, &c.motorSpeed}) {
        ASSERT_EQ(series->size(), 388u);
        std::map<double, int> times;
        for (const auto& p : *series) ++times[std::round(p.x * 1000) / 1000];
        for (double twice : {2.0, 7.0, 9.0, 19.0, 21.0, 26.0, 28.0}) EXPECT_EQ(times[twice], 2) << twice;
        EXPECT_TRUE(std::is_sorted(series->begin(), series->end(), [](auto& a, auto& b) { return a.x < b.x; }));
    }
    EXPECT_NEAR(c.currentMin, -12.27, 0.005);
    EXPECT_NEAR(c.currentMax, 23.29, 0.005);
    EXPECT_NEAR(c.speedMin, -1719.7, 0.05);
    EXPECT_NEAR(c.speedMax, 1719.7, 0.05);
    // The speed rises to n during T1, mirrors below zero on the way down.
    EXPECT_EQ(c.motorSpeed.front().y, 0.0);
    EXPECT_NEAR(c.motorSpeed[20].y, 1433.12, 0.01);
    EXPECT_NEAR(c.motorSpeed.back().y, 0.0, 1e-9);
    EXPECT_NEAR(c.vfdCurrent[30].y, 12.93, 0.005);
    EXPECT_EQ(c.unitCurrent[30].y, 0.0);  // motor mode
}

struct PatternCase {
    const char* t1;
    const char* t3;
    std::optional<FeedbackPattern> pattern;
    bool upComputed;
};

TEST_F(Elevator, FeedbackPatternsAndTheGeneralRule) {
    const PatternCase cases[] = {
        {"2", "2", FeedbackPattern::B, false},
        {"0.5", "0.5", FeedbackPattern::A, true},
        {"4", "0.5", FeedbackPattern::AB, true},
        {"0.5", "2", std::nullopt, false},  // segments 3 and 4 in motor mode
    };
    for (const auto& c : cases) {
        auto t = Example();
        t.t1 = c.t1;
        t.t3 = c.t3;
        const auto r = Run(t);
        ASSERT_FALSE(r.failure) << c.t1 << "/" << c.t3 << ": " << r.failure->what();
        const auto& q = *r.requirement;
        EXPECT_EQ(q.pattern, c.pattern) << c.t1 << "/" << c.t3;
        EXPECT_EQ(q.upComputed, c.upComputed) << c.t1 << "/" << c.t3;
        const float x2 = q.upComputed ? q.upEquivalentCurrent : 0.0f;
        EXPECT_EQ(q.selectionCurrent, std::max(x2, q.equivalentCurrent));
    }
    auto t = Example();
    t.t1 = "0.5";
    t.t3 = "0.5";
    const auto q = *Run(t).requirement;
    EXPECT_NEAR(q.duty, 13.20, 0.005);
    EXPECT_EQ(q.timeIndex, 21);
    EXPECT_NEAR(q.upDuty, 3.125, 1e-6);
    EXPECT_EQ(q.upTimeIndex, 5);
}

TEST_F(Elevator, UpDecelerationCanDecideTheModel) {
    auto t = Example();
    t.t1 = "4";
    t.t3 = "0.5";
    Entry(table, 0, 5) = 30.0f;  // a weak unit for short up-decelerations
    const auto r = Run(t);
    ASSERT_FALSE(r.failure) << r.failure->what();
    EXPECT_GT(r.requirement->upEquivalentCurrent, r.requirement->equivalentCurrent);
    EXPECT_EQ(r.requirement->selectionCurrent, r.requirement->upEquivalentCurrent);
}

TEST(ElevatorRequirementRounding, TimeIndexTiesGoToEven) {
    const DeratingTable table = Flat();
    std::array<SegmentCurrents, kSegmentCount> c{};
    for (int k : {3, 4, 5}) c[k] = {-100, -1, -100, 0};
    c[5].unitCurrent = -1;  // only the down deceleration carries current: t1 = T3
    ElevatorInputs in;
    in.t1 = 1;
    in.t2 = 1;
    in.t4 = 10;
    for (const auto& [t3, index] : std::vector<std::pair<float, int>>{{6.25f, 62}, {6.75f, 68}, {6.35f, 63} /* held just below 6.35 */}) {
        in.t3 = t3;
        const auto q = ComputeElevatorRequirement(c, in, table);
        EXPECT_EQ(q->pattern, FeedbackPattern::B);
        EXPECT_EQ(q->timeIndex, index) << t3;
    }
    c[2] = {-100, -1, -100, -2};  // up deceleration feeds back as well
    c[4].unitCurrent = -1;         // and the down run carries current
    in.t3 = 0.25f;
    in.t4 = 1;
    const auto q = ComputeElevatorRequirement(c, in, table);
    EXPECT_EQ(q->pattern, FeedbackPattern::A);
    EXPECT_EQ(q->upTimeIndex, 2);
    c[3].unitCurrent = -1;
    EXPECT_EQ(ComputeElevatorRequirement(c, in, table)->pattern, FeedbackPattern::AB);
    in.t3 = 0.04f;  // below the table's shortest working time
    try {
        ComputeElevatorRequirement(c, in, table);
        ADD_FAILURE();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(),
                     "The up-deceleration time T3 of 0.04 s lies outside the derating table: it must lie between "
                     "0.05 and 400.05 s");
    }
}

TEST_F(Elevator, WeightingCheckAndSuspension) {
    EXPECT_FALSE(CheckWeighting("0.61"));
    EXPECT_EQ(*CheckWeighting("0.62"), "0.6");
    EXPECT_FALSE(CheckWeighting("-3"));
    EXPECT_THROW(CheckWeighting("heavy"), Error);
    auto t = Example();
    t.weighting = "0.6";
    auto capped = Run(t);
    t.weighting = "0.61";
    EXPECT_NE(Run(t).load.counterMass, capped.load.counterMass);

    t = Example();
    t.suspension = Suspension::TwoToOne;
    const auto two = Run(t);
    const auto one = Run(Example());
    EXPECT_EQ(two.load.motorSpeed, 2 * one.load.motorSpeed);
    EXPECT_NEAR(two.load.inertiaPowerAcc, 4 * one.load.inertiaPowerAcc, 0.01);
    for (int k = 0; k < kSegmentCount; ++k) EXPECT_EQ(two.load.segments[k].loadPower, one.load.segments[k].loadPower);
    EXPECT_EQ(one.load.segments[1].loadPower, -one.load.segments[4].loadPower);

    t.suspension.reset();
    EXPECT_EQ(std::string(Run(t).failure->what()), kSuspensionMissingText);
    try {
        CheckSuspension(t);
        ADD_FAILURE();
    } catch (const Error& e) {
        EXPECT_STREQ(e.what(), kSuspensionMissingText);
    }
}

using Field = std::string ElevatorTexts::*;

struct FailureCase {
    const char* name;
    std::vector<std::pair<Field, const char*>> change;
    const char* error;
    bool speedShown;
    int segmentsDone;
    bool torquesShown;
    bool chartsFilled;
};

TEST_F(Elevator, FailuresEndWhereTheyHappenAndKeepWhatCameBefore) {
    const FailureCase cases[] = {
        {"bad power factor first", {{&ElevatorTexts::pfMotor, "x"}, {&ElevatorTexts::inertia, ""}}, "'x' is not a valid floating point value", false, 0, false, false},
        {"empty inertia", {{&ElevatorTexts::inertia, ""}}, "'' is not a valid floating point value", false, 0, false, false},
        {"T1 = 0", {{&ElevatorTexts::t1, "0"}}, kDivisionByZero, false, 0, false, false},
        {"T3 = 0, speed 0", {{&ElevatorTexts::t3, "0"}, {&ElevatorTexts::speed, "0"}}, kInvalidOperation, false, 0, false, false},
        {"D = 0", {{&ElevatorTexts::cableDiameter, "0"}}, kDivisionByZero, false, 0, false, false},
        {"ME efficiency 0", {{&ElevatorTexts::meEfficiency, "0"}}, kDivisionByZero, true, 0, false, false},
        {"VFD voltage 0.9", {{&ElevatorTexts::vfdVoltage, "0.9"}}, kDivisionByZero, true, 0, false, false},
        {"PF motor 0", {{&ElevatorTexts::pfMotor, "0"}}, kDivisionByZero, true, 0, false, false},
        {"source voltage 0", {{&ElevatorTexts::sourceVoltage, "0"}}, kDivisionByZero, true, 3, false, false},
        {"PF generator 0", {{&ElevatorTexts::pfGenerator, "0"}}, kDivisionByZero, true, 3, false, false},
        {"reduction ratio 0", {{&ElevatorTexts::reductionRatio, "0"}}, kDivisionByZero, true, 6, false, false},
        {"max load 0", {{&ElevatorTexts::maxLoad, "0"}}, kDivisionByZero, true, 6, false, false},
        {"voltage beyond int", {{&ElevatorTexts::vfdVoltage, "1e12"}}, kInvalidOperation, false, 0, false, false},
        {"period 0", {{&ElevatorTexts::t4, "-9"}}, kDivisionByZero, true, 6, true, true},
        {"load 1e39", {{&ElevatorTexts::maxLoad, "1e39"}}, kOverflow, false, 0, false, false},
    };
    for (const auto& c : cases) {
        auto t = Example();
        for (const auto& [field, text] : c.change) t.*field = text;
        const auto r = Run(t);
        ASSERT_TRUE(r.failure) << c.name;
        EXPECT_EQ(std::string(r.failure->what()), c.error) << c.name;
        EXPECT_EQ(r.motorSpeedText.has_value(), c.speedShown) << c.name;
        EXPECT_EQ(r.segmentsDone, c.segmentsDone) << c.name;
        EXPECT_EQ(r.torqueText.has_value(), c.torquesShown) << c.name;
        EXPECT_EQ(r.charts.has_value(), c.chartsFilled) << c.name;
        EXPECT_FALSE(r.model) << c.name;
    }
}

TEST_F(Elevator, FiguresOutsideTheTableAreNamed) {
    auto t = Example();
    t.t4 = "10000";
    auto r = Run(t);
    ASSERT_TRUE(r.failure);
    EXPECT_EQ(std::string(r.failure->what()).substr(0, 28), "The down-travel duty of 0.06");
    EXPECT_NE(std::string(r.failure->what()).find("between 1 and 100 %ED"), std::string::npos);
    EXPECT_TRUE(r.charts);
}

TEST_F(Elevator, NoFeedbackOverCurrentAndNoVoltage) {
    auto t = Example();
    t.maxLoad = "-1000";  // the down deceleration drives the motor
    auto r = Run(t);
    ASSERT_FALSE(r.failure) << r.failure->what();
    EXPECT_FALSE(r.requirement);
    EXPECT_EQ(r.messages, std::vector<std::string>{kNoFeedbackText});
    EXPECT_FALSE(r.model);

    table = Flat(1.0f);
    t = Example();
    t.voltage = VoltageClass::V220;
    EXPECT_EQ(Run(t).messages, std::vector<std::string>{"Over current, no result"});
    t.voltage = VoltageClass::V380;
    EXPECT_EQ(Run(t).messages, std::vector<std::string>{"電流過大，無符合機種"});
    t.voltage.reset();
    r = Run(t);
    EXPECT_TRUE(r.messages.empty());
    EXPECT_FALSE(r.model);
    EXPECT_TRUE(r.charts);
}

TEST(CyclePlot, PhasesStartAtTheirOwnTimes) {
    std::array<SegmentCurrents, kSegmentCount> c{};
    for (int k = 0; k < kSegmentCount; ++k) c[k].vfdCurrent = static_cast<float>(k + 1);
    // T4 = 0: the stops still add one point each, at 0.
    auto charts = PlotElevatorCycle(1, 1, 1, 0, 100, c);
    std::vector<double> zeros;
    for (const auto& p : charts.vfdCurrent) if (p.y == 0) zeros.push_back(p.x);
    EXPECT_EQ(zeros, (std::vector<double>{0.1 * 30, 0.1 * 60}));
    // T1 = 0.35 s: 0, 0.1, 0.2, 0.3, then phase 2 from 0.35 s.
    charts = PlotElevatorCycle(0.35f, 1, 1, 1, 100, c);
    ASSERT_GE(charts.vfdCurrent.size(), 5u);
    for (int k = 0; k < 4; ++k) EXPECT_NEAR(charts.vfdCurrent[k].x, 0.1 * k, 1e-9);
    EXPECT_EQ(charts.vfdCurrent[3].y, 1.0);
    EXPECT_NEAR(charts.vfdCurrent[4].x, 0.35, 1e-7);
    EXPECT_EQ(charts.vfdCurrent[4].y, 2.0);
    // A negative run time adds no points; later phases keep their places.
    charts = PlotElevatorCycle(1, -0.5f, 1, 1, 100, c);
    for (const auto& p : charts.vfdCurrent) EXPECT_NE(p.y, 2.0);
    EXPECT_NEAR(charts.vfdCurrent[11].x, 0.5, 1e-9);  // phase 3 starts at T1 + T2
    EXPECT_EQ(charts.vfdCurrent[11].y, 3.0);
}

// Every sample of the full 0.1 s sampling lies on the thinned lines.
TEST(CyclePlot, LongCyclesKeepTheShapeFromPhaseEndPoints) {
    std::array<SegmentCurrents, kSegmentCount> c{};
    for (int k = 0; k < kSegmentCount; ++k) c[k] = {0, static_cast<float>(k + 1), 0, -static_cast<float>(k)};
    const float t4 = 6000;
    const auto thin = PlotElevatorCycle(2, 5, 2, t4, 1433, c);
    ASSERT_TRUE(thin.thinned);
    EXPECT_LE(thin.motorSpeed.size(), 16u);
    EXPECT_GT(CycleSampleCount(2, 5, 2, t4), kMaxChartPoints);
    auto valueAt = [](const std::vector<ChartPoint>& line, double x, double previous) {
        for (std::size_t k = 0; k + 1 < line.size(); ++k) {
            const auto& a = line[k];
            const auto& b = line[k + 1];
            if (x >= a.x - 1e-6 && x <= b.x + 1e-6) {
                if (b.x - a.x < 1e-9) return previous;  // a vertical step
                const double y = a.y + (b.y - a.y) * (x - a.x) / (b.x - a.x);
                if (std::fabs(y - previous) < 1e-6 || k + 2 == line.size() || x < b.x - 1e-6) return y;
            }
        }
        return 1e300;
    };
    // Sample the speed the way the full sampling does and compare.
    const double n = 1433, s = 2 + 5 + 2 + t4;
    int checked = 0;
    for (float k = 0; k <= 10 * 2.0; k = k + 1) {
        const double x = 0.1 * k;
        EXPECT_NEAR(valueAt(thin.motorSpeed, x, x * n / 2), x * n / 2, 1e-6);
        ++checked;
    }
    for (float k = static_cast<float>(10 * s); 10 * (s + 2) >= k; k = k + 1) {
        const double x = 0.1 * k;
        const double y = -(x - s) * n / 2;
        EXPECT_NEAR(valueAt(thin.motorSpeed, x, y), y, 1e-6);
        ++checked;
    }
    EXPECT_EQ(checked, 42);
    EXPECT_NEAR(thin.motorSpeed.back().x, 2 * s, 1e-6);
}

TEST(CyclePlot, HugeCyclesStayBounded) {
    std::array<SegmentCurrents, kSegmentCount> c{};
    const auto charts = PlotElevatorCycle(2, 5, 2, 1000000, 1433, c);
    EXPECT_TRUE(charts.thinned);
    EXPECT_LE(charts.vfdCurrent.size(), 16u);
    EXPECT_NEAR(charts.vfdCurrent.back().x, 2 * 1000009.0, 1e-3);
    const auto far = PlotElevatorCycle(2, 5, 2, 1e30f, 1433, c);
    EXPECT_LE(far.unitCurrent.size(), 16u);
    const auto farthest = PlotElevatorCycle(3e38f, 3e38f, 2, 3e38f, 1433, c);  // ten times leaves the float range
    for (const auto& p : farthest.motorSpeed) EXPECT_TRUE(std::isfinite(p.x) && std::isfinite(p.y));
}

}  // namespace
}  // namespace zun
