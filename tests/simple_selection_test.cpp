#include <gtest/gtest.h>

#include "common/error.hpp"
#include "duty/simple_selection.hpp"
#include "table_fixture.hpp"

namespace zun {
namespace {

using test::Entry;
using test::MakeTable;

class SimpleSelection : public ::testing::Test {
protected:
    SimpleSelection() : table(MakeTable()) {
        Entry(table, 1, 100) = 130.0f;  // 25 %ED at 10 s
    }

    // The worked example: 380 V, DC-bus current 20 A, t = 10 s, T = 40 s, 45 ℃.
    static SimpleSelectionInputs Example() {
        SimpleSelectionInputs in;
        in.voltage = VoltageClass::V380;
        in.condition = CurrentCondition::DcBus;
        in.currentText = "20";
        in.temperatureText = "45";
        in.workingTimeText = "10";
        in.periodText = "40";
        return in;
    }

    SimpleSelectionResult Run(const SimpleSelectionInputs& in) { return ComputeSimpleSelection(in, table); }

    DeratingTable table;
};

TEST_F(SimpleSelection, WorkedExampleInDutyMode) {
    const auto r = Run(Example());
    ASSERT_FALSE(r.failure) << r.failure->what();
    EXPECT_EQ(*r.duty, 25.0f);
    EXPECT_EQ(*r.dutyText, "25");
    EXPECT_EQ(*r.timeIndex, 100);
    EXPECT_EQ(*r.permissibleCurrent, 130.0f);
    EXPECT_EQ(*r.temperatureFactor, 0.9f);
    EXPECT_NEAR(*r.unitCurrent, 18.759, 0.0005);
    EXPECT_EQ(*r.equivalentCurrent, 21.6f);
    EXPECT_NEAR(*r.selectionCurrent, 24.0, 1e-5);
    ASSERT_TRUE(r.model);
    EXPECT_STREQ(r.model->name, "ZUN-H02");
    EXPECT_TRUE(r.messages.empty());
    EXPECT_FALSE(r.temperatureText);
}

TEST_F(SimpleSelection, WorkedExampleInContinuousModeUses440Volts) {
    auto in = Example();
    in.continuous = true;
    in.workingTimeText = "not read";
    in.periodText = "not read";
    const auto r = Run(in);
    ASSERT_FALSE(r.failure) << r.failure->what();
    EXPECT_FALSE(r.duty);
    EXPECT_FALSE(r.timeIndex);
    EXPECT_EQ(*r.voltage, 440);
    EXPECT_NEAR(*r.unitCurrent, 17.812, 0.0005);
    EXPECT_EQ(*r.equivalentCurrent, 33.4f);
    EXPECT_NEAR(*r.selectionCurrent, 37.11, 0.005);
    EXPECT_STREQ(r.model->name, "ZUN-H04");
    in.voltage = VoltageClass::V440;
    EXPECT_EQ(*Run(in).selectionCurrent, *r.selectionCurrent);
}

TEST_F(SimpleSelection, TimeIndexTruncatesTheSinglePrecisionWorkingTime) {
    const std::tuple<const char*, const char*, int> cases[] = {
        {"0.7", "10", 6},    {"2.3", "10", 22},       {"4.1", "10", 40},          {"0.3", "10", 3},
        {"0.1", "10", 1},    {"400", "1000", 4000},   {"399.99", "1000", 3999},
    };
    for (const auto& [t, period, n] : cases) {
        auto in = Example();
        in.workingTimeText = t;
        in.periodText = period;
        in.voltage.reset();
        in.temperatureText = "20";
        const auto r = Run(in);
        ASSERT_FALSE(r.failure) << t << ": " << r.failure->what();
        EXPECT_EQ(*r.timeIndex, n) << t;
    }
}

TEST_F(SimpleSelection, DutyIsShownRoundedAndLookedUpUnrounded) {
    auto in = Example();
    in.workingTimeText = "1";
    in.periodText = "3";
    const auto r = Run(in);
    EXPECT_EQ(*r.duty, 33.333332f);
    EXPECT_EQ(*r.dutyText, "33.3");
    EXPECT_EQ(*r.permissibleCurrent, PermissibleCurrent(table, 33.333332f, 10));
    in.workingTimeText = "2.5";
    in.periodText = "10";
    EXPECT_EQ(*Run(in).dutyText, "25");
}

struct TemperatureCase {
    const char* text;
    float factor;
    const char* corrected;  // nullptr: no message, box unchanged
};

TEST_F(SimpleSelection, TemperatureFactorAndCorrection) {
    const TemperatureCase cases[] = {
        {"40", 1.0f, nullptr}, {"45", 0.9f, nullptr},  {"60", 0.6f, nullptr}, {"60.5", 0.6f, "60"},
        {"-10", 1.0f, nullptr}, {"-10.5", 1.0f, "-10"}, {"25", 1.0f, nullptr}, {"1e300", 0.6f, "60"},
    };
    for (bool continuous : {false, true}) {
        for (const auto& c : cases) {
            auto in = Example();
            in.continuous = continuous;
            in.temperatureText = c.text;
            const auto r = Run(in);
            ASSERT_FALSE(r.failure) << c.text;
            EXPECT_EQ(*r.temperatureFactor, c.factor) << c.text;
            if (c.corrected) {
                EXPECT_EQ(r.messages, std::vector<std::string>{"Temperature range is -10~60℃"});
                EXPECT_EQ(*r.temperatureText, c.corrected);
            } else {
                EXPECT_TRUE(r.messages.empty()) << c.text;
                EXPECT_FALSE(r.temperatureText) << c.text;
            }
        }
    }
}

TEST_F(SimpleSelection, DcBusCurrentIsConvertedPerVoltageClassAndMode) {
    struct Case {
        VoltageClass v;
        bool continuous;
        double factor;
    } cases[] = {
        {VoltageClass::V220, false, 0.92137}, {VoltageClass::V380, false, 0.93795},
        {VoltageClass::V440, false, 0.92137}, {VoltageClass::V220, true, 0.96483},
        {VoltageClass::V380, true, 0.89062},  {VoltageClass::V440, true, 0.89062},
    };
    for (const auto& c : cases) {
        auto in = Example();
        in.voltage = c.v;
        in.continuous = c.continuous;
        in.currentText = "100";
        EXPECT_NEAR(*Run(in).unitCurrent, 100 * c.factor, 0.001);
        in.condition = CurrentCondition::UnitOutput;
        EXPECT_EQ(*Run(in).unitCurrent, 100.0f);
    }
}

TEST_F(SimpleSelection, ContinuousLimitIsIncluded) {
    auto in = Example();
    in.continuous = true;
    in.voltage = VoltageClass::V440;
    in.condition = CurrentCondition::UnitOutput;
    in.currentText = "16";
    in.temperatureText = "25";
    const auto r = Run(in);
    EXPECT_EQ(*r.selectionCurrent, 30.0f);
    EXPECT_STREQ(r.model->name, "ZUN-H03");
}

TEST_F(SimpleSelection, OverCurrentGivesTheMessageAndNoModel) {
    auto in = Example();
    in.voltage = VoltageClass::V220;
    in.condition = CurrentCondition::UnitOutput;
    in.temperatureText = "20";
    Entry(table, 1, 100) = 100.0f;
    in.currentText = "101";  // x = 151.5
    const auto r = Run(in);
    ASSERT_FALSE(r.failure);
    EXPECT_EQ(*r.selectionCurrent, 151.5f);
    EXPECT_FALSE(r.model);
    EXPECT_TRUE(r.overCurrent);
    EXPECT_EQ(r.messages, std::vector<std::string>{"電流過大，無符合機種"});
}

TEST_F(SimpleSelection, NoVoltageClassShowsDutyAndTemperatureOnly) {
    auto in = Example();
    in.voltage.reset();
    in.condition.reset();
    in.temperatureText = "70";
    const auto r = Run(in);
    ASSERT_FALSE(r.failure);
    EXPECT_EQ(*r.dutyText, "25");
    EXPECT_EQ(*r.temperatureText, "60");
    EXPECT_FALSE(r.unitCurrent);
    EXPECT_FALSE(r.model);
    EXPECT_FALSE(r.overCurrent);
}

TEST_F(SimpleSelection, VoltageWithoutConditionAsksForTheConditionFirst) {
    for (bool continuous : {false, true}) {
        auto in = Example();
        in.condition.reset();
        in.continuous = continuous;
        in.currentText = "bad";
        const auto r = Run(in);
        ASSERT_TRUE(r.failure);
        EXPECT_EQ(std::string(r.failure->what()), kConditionMissingText);
        EXPECT_FALSE(r.current);
        EXPECT_FALSE(r.duty);
    }
}

struct FailureCase {
    const char* current;
    const char* time;
    const char* period;
    const char* temperature;
    const char* error;
    bool dutyShown;
};

TEST_F(SimpleSelection, FailuresEndTheCalculationInBoxOrder) {
    const FailureCase cases[] = {
        {"x", "y", "z", "w", "'x' is not a valid floating point value", false},
        {"", "10", "40", "45", "'' is not a valid floating point value", false},
        {"20", "y", "z", "w", "'y' is not a valid floating point value", false},
        {"20", "10", "z", "w", "'z' is not a valid floating point value", false},
        {"20", "10", "40", "w", "'w' is not a valid floating point value", true},
        {"20", "10", "0", "45", "Floating point division by zero", false},
        {"20", "0", "0", "45", "Invalid floating point operation", false},
        {"1e39", "10", "40", "45", "Floating point overflow", false},
    };
    for (const auto& c : cases) {
        auto in = Example();
        in.currentText = c.current;
        in.workingTimeText = c.time;
        in.periodText = c.period;
        in.temperatureText = c.temperature;
        const auto r = Run(in);
        ASSERT_TRUE(r.failure) << c.error;
        EXPECT_EQ(std::string(r.failure->what()), c.error);
        EXPECT_EQ(r.dutyText.has_value(), c.dutyShown) << c.error;
        EXPECT_FALSE(r.model);
    }
}

TEST_F(SimpleSelection, ZeroInTheTableFailsAfterTheDutyIsShown) {
    Entry(table, 1, 100) = 0.0f;
    const auto r = Run(Example());
    ASSERT_TRUE(r.failure);
    EXPECT_EQ(std::string(r.failure->what()), "Floating point division by zero");
    EXPECT_EQ(*r.dutyText, "25");
    EXPECT_EQ(*r.temperatureFactor, 0.9f);
    EXPECT_FALSE(r.model);
}

TEST_F(SimpleSelection, DutyAndWorkingTimeOutsideTheTableAreClearErrors) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"0", "10", "The duty 0 %ED lies outside the derating table: the working time ÷ period × 100 must lie between 1 and 100 %ED"},
        {"20", "10", "The duty 200 %ED lies outside the derating table: the working time ÷ period × 100 must lie between 1 and 100 %ED"},
        {"-1", "10", "The duty -10 %ED lies outside the derating table: the working time ÷ period × 100 must lie between 1 and 100 %ED"},
        {"0.05", "1", "The working time 0.05 s lies outside the derating table: it must lie between 0.1 and 400 s"},
        {"400.1", "1000", "The working time 400.1 s lies outside the derating table: it must lie between 0.1 and 400 s"},
        {"1e30", "1e30", "The working time 1e+30 s lies outside the derating table: it must lie between 0.1 and 400 s"},
    };
    for (const auto& [t, period, error] : cases) {
        auto in = Example();
        in.workingTimeText = t;
        in.periodText = period;
        const auto r = Run(in);
        ASSERT_TRUE(r.failure) << t;
        EXPECT_EQ(std::string(r.failure->what()), error);
        EXPECT_TRUE(r.dutyText);  // the duty panel was already written
        EXPECT_FALSE(r.model);
    }
}

}  // namespace
}  // namespace zun
