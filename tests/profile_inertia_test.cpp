#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "duty/working_condition_profile.hpp"
#include "inertia/inertia_catalogue.hpp"

namespace zun {
namespace {

std::string Failure(const ProfileSummary& s) { return s.failure ? s.failure->what() : "(no error)"; }

TEST(EvaluateProfile, ExampleOfTwoSteps) {
    const auto s = EvaluateProfile({{"30", "10"}, {"10", "20"}});
    ASSERT_FALSE(s.failure) << s.failure->what();
    ASSERT_EQ(s.points.size(), 64u);
    std::vector<ChartPoint> expected;
    auto add = [&](int from, int to, double y) {
        for (int x = from; x <= to; ++x) expected.push_back({double(x), y});
    };
    add(0, 10, 30);
    add(10, 30, 10);
    add(30, 40, 30);
    add(40, 60, 10);
    EXPECT_EQ(s.points, expected);
    EXPECT_DOUBLE_EQ(*s.axisMax, 39.0);
    EXPECT_EQ(s.workingTimeText, "16.7");
    EXPECT_EQ(s.periodText, "30");
    EXPECT_EQ(s.currentText, "30");
    EXPECT_FALSE(s.thinned);
}

TEST(EvaluateProfile, FractionalPeakIsTruncated) {
    const auto s = EvaluateProfile({{"10.9", "10"}, {"10.9", "10"}});
    EXPECT_EQ(*s.peakCurrent, 10);
    EXPECT_EQ(*s.chargeSum, 218.0f);
    EXPECT_EQ(s.workingTimeText, "21.8");
    EXPECT_EQ(s.periodText, "20");
    EXPECT_EQ(s.currentText, "10");
    EXPECT_EQ(*EvaluateProfile({{"50.7", "1"}, {"-3", "1"}}).peakCurrent, 50);
}

TEST(EvaluateProfile, ZeroAndNegativeTimes) {
    // A zero time adds a single point at the running end and nothing to the sums.
    auto s = EvaluateProfile({{"30", "10"}, {"20", "0"}, {"10", "5"}});
    ASSERT_FALSE(s.failure);
    EXPECT_EQ(s.points.size(), 2u * (15 + 3));
    EXPECT_EQ(s.points[11], (ChartPoint{10, 20}));
    EXPECT_EQ(s.periodText, "15");
    EXPECT_EQ(*s.chargeSum, 350.0f);
    // A negative time adds no points, moves the running end back and enters
    // the sums with its sign.
    s = EvaluateProfile({{"30", "10"}, {"20", "-4"}, {"10", "5"}});
    ASSERT_FALSE(s.failure);
    EXPECT_EQ(s.points.size(), 2u * (11 + 6));
    EXPECT_EQ(s.points[11], (ChartPoint{6, 10}));
    EXPECT_EQ(s.periodText, "11");
    EXPECT_EQ(*s.chargeSum, 300.0f + 50 - 80);
}

TEST(EvaluateProfile, BadCellsAreReportedInReadingOrder) {
    const std::pair<WorkingConditionProfile, const char*> cases[] = {
        {{{"", ""}, {"", ""}}, "'' is not a valid integer value"},
        {{{"x", "2.5"}, {"y", "z"}}, "'2.5' is not a valid integer value"},
        {{{"x", "5"}, {"y", "z"}}, "'x' is not a valid floating point value"},
        {{{"x", "-5"}, {"y", "z"}}, "'z' is not a valid integer value"},
        {{{"x", "-5"}, {"y", "-1"}}, "'x' is not a valid floating point value"},  // at the peak
        {{{"1", "5"}, {"y", "3"}}, "'y' is not a valid floating point value"},
        {{{"1", "5"}, {"2", "-1"}, {"q", "-1"}}, "'q' is not a valid floating point value"},
    };
    for (const auto& [steps, error] : cases) EXPECT_EQ(Failure(EvaluateProfile(steps)), error);
}

TEST(EvaluateProfile, ChartKeepsThePointsAddedBeforeAStop) {
    EXPECT_TRUE(EvaluateProfile({{"1", "x"}, {"1", "1"}}).points.empty());
    const auto s = EvaluateProfile({{"7", "3"}, {"8", "2"}, {"bad", "4"}});
    EXPECT_EQ(s.points.size(), 4u + 3u);  // period 1 of steps 1 and 2
    EXPECT_FALSE(s.axisMax);
    EXPECT_EQ(s.workingTimeText, "");
}

TEST(EvaluateProfile, PeakBelowOneAmpereIsAFloatingPointError) {
    auto s = EvaluateProfile({{"0.5", "10"}, {"0.5", "10"}});
    EXPECT_EQ(Failure(s), "Floating point division by zero");
    EXPECT_EQ(*s.axisMax, 0.0);
    EXPECT_EQ(s.points.size(), 44u);
    EXPECT_EQ(Failure(EvaluateProfile({{"0.5", "0"}, {"0", "10"}})), "Invalid floating point operation");
}

TEST(EvaluateProfile, FifteenStepsPeakIncludesTheLast) {
    WorkingConditionProfile steps(15, {"3", "2"});
    steps[14] = {"99.9", "1"};
    const auto s = EvaluateProfile(steps);
    EXPECT_EQ(*s.peakCurrent, 99);
    EXPECT_EQ(s.points.size(), 2u * (29 + 15));
}

TEST(EvaluateProfile, HugeTimesAreDrawnFromStepEndsWithTheSameFigures) {
    WorkingConditionProfile steps(15, {"20", "1000000"});
    steps[3] = {"35.5", "2000000"};
    const auto s = EvaluateProfile(steps);
    ASSERT_FALSE(s.failure);
    EXPECT_TRUE(s.thinned);
    EXPECT_LE(s.points.size(), 60u);
    EXPECT_EQ(s.pointCount, 2LL * (16000000 + 15));
    EXPECT_EQ(s.periodText, "16000000");
    EXPECT_EQ(s.currentText, "35");
    EXPECT_EQ(s.points.back(), (ChartPoint{32000000, 20}));
    // The thinned chart has the same corners as a full drawing.
    const auto small = EvaluateProfile({{"30", "10"}, {"10", "20"}});
    std::vector<ChartPoint> corners;
    for (std::size_t k = 0; k < small.points.size(); ++k) {
        const bool first = k == 0 || small.points[k - 1].y != small.points[k].y || small.points[k - 1].x == small.points[k].x;
        const bool last = k + 1 == small.points.size() || small.points[k + 1].y != small.points[k].y ||
                          small.points[k + 1].x == small.points[k].x;
        if (first || last) corners.push_back(small.points[k]);
    }
    EXPECT_EQ(corners.size(), 8u);
}

TEST(InertiaCatalogue, HoldsSixtyNineMotorsWithTheirTexts) {
    const auto c = InertiaCatalogue();
    ASSERT_EQ(c.size(), 69u);
    EXPECT_STREQ(c[39].item380, "50HP 29405RPM");
    EXPECT_STREQ(c[64].item220, "200/215HP 3570RPM");
    EXPECT_STREQ(c[68].item380, "250HP/270HP 1480RPM");
    for (const auto& e : c) {
        // Rounded to three decimals, each value gives back its catalogue decimal.
        const std::string text = InertiaText(e.inertia);
        EXPECT_EQ(std::stof(text), e.inertia) << text;
        EXPECT_LE(text.size() - std::min(text.size(), text.find('.') + 1), 3u) << text;
    }
}

TEST(LookUpInertia, UsesTheListOfTheChosenVoltage) {
    EXPECT_EQ(InertiaText(*LookUpInertia(0, 48, std::nullopt)), "16");
    EXPECT_EQ(InertiaText(*LookUpInertia(1, std::nullopt, 59)), "15.2");
    EXPECT_EQ(InertiaText(*LookUpInertia(1, 0, 39)), "0.602");
    EXPECT_EQ(InertiaText(*LookUpInertia(0, 39, 0)), "0.602");
    EXPECT_EQ(InertiaText(*LookUpInertia(0, 0, 48)), "0.002");
    EXPECT_FALSE(LookUpInertia(std::nullopt, 48, 48));
    EXPECT_FALSE(LookUpInertia(0, std::nullopt, 48));
    EXPECT_FALSE(LookUpInertia(1, 48, std::nullopt));
    EXPECT_FALSE(LookUpInertia(1, 48, 69));
    EXPECT_EQ(InertiaText(0.0f), "0");
    EXPECT_EQ(FindInertiaItem(1, "150HP 975RPM"), 59);
    EXPECT_EQ(FindInertiaItem(0, "150HP 975RPM"), std::nullopt);
}

}  // namespace
}  // namespace zun
