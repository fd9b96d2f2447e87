// The shipped data/bked.txt against the performance-curve table it is made from.
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <sstream>

#include "rating/derating_table.hpp"

namespace zun {
namespace {

const std::string kSource = ZUN_SOURCE_DIR;

TEST(ShippedTable, FollowsThePerformanceCurvesWithinOnePercent) {
    const DeratingTable table = LoadDeratingTable(kSource + "/data/bked.txt");
    std::ifstream csv(kSource + "/data/curves.csv");
    ASSERT_TRUE(csv);
    const std::map<std::string, int> rowOf{{"10", 0}, {"25", 1}, {"40", 2}, {"60", 3}, {"80", 4}, {"continuous", 5}};
    std::vector<std::string> header;
    std::string line;
    int checked = 0;
    while (std::getline(csv, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::vector<std::string> cells;
        std::stringstream ss(line);
        for (std::string c; std::getline(ss, c, ',');) cells.push_back(c);
        if (header.empty()) {
            header = cells;
            continue;
        }
        if (cells[0] == "end") continue;
        const int index = static_cast<int>(std::lround(std::stod(cells[0]) * 10));
        for (std::size_t col = 1; col < cells.size(); ++col) {
            const auto row = rowOf.find(header[col]);
            if (cells[col].empty() || row == rowOf.end()) continue;
            const double expected = std::stod(cells[col]);
            const float actual = table.rows[static_cast<std::size_t>(row->second)][static_cast<std::size_t>(index - 1)];
            EXPECT_NEAR(actual, expected, expected * 0.01) << header[col] << " %ED at " << cells[0] << " s";
            ++checked;
        }
    }
    EXPECT_GT(checked, 50);
}

TEST(ShippedTable, RowsFallMonotonicallyAndEndOnTheContinuousLine) {
    const DeratingTable table = LoadDeratingTable(kSource + "/data/bked.txt");
    for (int r = 0; r < kDutyClassCount; ++r) {
        const auto& row = table.rows[static_cast<std::size_t>(r)];
        for (int j = 0; j < 10; ++j) EXPECT_EQ(row[static_cast<std::size_t>(j)], row[9]) << "below 1 s, row " << r;
        for (int j = 1; j < kTimeSteps; ++j) {
            ASSERT_LE(row[static_cast<std::size_t>(j)], row[static_cast<std::size_t>(j - 1)]) << "row " << r << " entry " << j;
        }
        EXPECT_EQ(row[kTimeSteps - 1], 80.0f) << "row " << r;
        EXPECT_GE(row[kTimeSteps - 1], 80.0f);
    }
    for (float v : table.rows[5]) ASSERT_EQ(v, 80.0f);
}

}  // namespace
}  // namespace zun
