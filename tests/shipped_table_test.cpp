// The shipped data/bked.txt against the performance curves it is made from.
#include <gtest/gtest.h>

#include "help/performance_curves.hpp"
#include "rating/derating_table.hpp"

namespace zun {
namespace {

const std::string kTable = std::string(ZUN_SOURCE_DIR) + "/data/bked.txt";

TEST(ShippedTable, FollowsThePerformanceCurvesWithinOnePercent) {
    const DeratingTable table = LoadDeratingTable(kTable);
    int checked = 0;
    for (std::size_t row = 0; row < kDutyClasses.size(); ++row) {
        const int duty = kDutyClasses[row] == 100 ? 0 : kDutyClasses[row];
        for (const auto& curve : PerformanceCurves()) {
            if (curve.duty != duty) continue;
            for (const auto& [seconds, percent] : curve.points) {
                const auto index = static_cast<std::size_t>(seconds * 10 + 0.5) - 1;
                EXPECT_NEAR(table.rows[row][index], percent, percent * 0.01) << curve.name << " at " << seconds << " s";
                ++checked;
            }
        }
    }
    EXPECT_EQ(checked, 13 * 3 + 9 * 2 + 13);
}

TEST(ShippedTable, RowsFallMonotonicallyAndEndOnTheContinuousLine) {
    const DeratingTable table = LoadDeratingTable(kTable);
    for (int r = 0; r < kDutyClassCount; ++r) {
        const auto& row = table.rows[static_cast<std::size_t>(r)];
        for (int j = 0; j < 10; ++j) EXPECT_EQ(row[static_cast<std::size_t>(j)], row[9]) << "below 1 s, row " << r;
        for (int j = 1; j < kTimeSteps; ++j) {
            ASSERT_LE(row[static_cast<std::size_t>(j)], row[static_cast<std::size_t>(j - 1)]) << "row " << r << " entry " << j;
            ASSERT_GE(row[static_cast<std::size_t>(j)], 80.0f) << "row " << r << " entry " << j;
        }
        EXPECT_EQ(row[kTimeSteps - 1], 80.0f) << "row " << r;
    }
    for (float v : table.rows[5]) ASSERT_EQ(v, 80.0f);
}

TEST(PerformanceCurves, ShapesAsDrawn) {
    const auto curves = PerformanceCurves();
    ASSERT_EQ(curves.size(), 7u);
    const auto& ten = curves[0];
    EXPECT_NEAR(ten.ValueAt(12), 150, 0.5);        // flat to about 12 s
    EXPECT_LT(ten.ValueAt(40), ten.ValueAt(20) - 15);  // steep between 20 and 60 s
    EXPECT_EQ(curves[4].ValueAt(95), 80.0);        // 60 %ED ends on the 80 % line
    EXPECT_GT(curves[4].ValueAt(90), 80.0);
    EXPECT_EQ(curves[3].ValueAt(380), 80.0);
    EXPECT_GT(curves[3].ValueAt(350), 80.0);
    EXPECT_EQ(curves[6].ValueAt(250), 80.0);
}

}  // namespace
}  // namespace zun
