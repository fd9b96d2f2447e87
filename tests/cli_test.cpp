#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <sstream>

#include "cli/cli_support.hpp"
#include "table_fixture.hpp"

namespace zun {
namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

class ZunSize : public ::testing::Test {
protected:
    ZunSize() {
        DeratingTable t = test::MakeTable();
        test::Entry(t, 1, 100) = 130.0f;
        table = dir.Write("bked.txt", test::TableText(t)).string();
    }

    CliRun Run(std::vector<std::string> args) {
        args.insert(args.begin(), "zun-size");
        std::vector<const char*> argv;
        for (const auto& a : args) argv.push_back(a.c_str());
        std::ostringstream out, err;
        const int status = cli::Run(static_cast<int>(argv.size()), argv.data(), out, err);
        return {status, out.str(), err.str()};
    }

    std::vector<std::string> Example(std::vector<std::string> extra = {}) {
        std::vector<std::string> a{"simple", "--voltage", "380", "--condition", "dc", "--current", "20",
                                   "--temperature", "45", "--table", table};
        a.insert(a.end(), extra.begin(), extra.end());
        return a;
    }

    test::TempDir dir;
    std::string table;
};

TEST_F(ZunSize, SimpleWorkedExampleAsJson) {
    const auto r = Run(Example({"--time", "10", "--period", "40", "--json"}));
    ASSERT_EQ(r.status, 0) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["duty"], 25.0);
    EXPECT_EQ(j["duty_text"], "25");
    EXPECT_EQ(j["time_index"], 100);
    EXPECT_EQ(j["permissible_current"], 130.0);
    EXPECT_EQ(static_cast<float>(j["temperature_factor"].get<double>()), 0.9f);
    EXPECT_EQ(j["model"], "ZUN-H02");
    EXPECT_EQ(j["messages"], nlohmann::json::array());
    EXPECT_FALSE(j.contains("temperature_text"));
    // Single-precision values read back to the same single-precision number.
    const float unit = static_cast<float>(j["unit_current"].get<double>());
    EXPECT_EQ(unit, static_cast<float>((1.414 * 380 + 80) * 20.0f / (1.732 * 380)));
    EXPECT_EQ(static_cast<float>(j["selection_current"].get<double>()), static_cast<float>(21.6f / static_cast<double>(0.9f)));
}

TEST_F(ZunSize, SimpleContinuousJsonLeavesOutDutyKeys) {
    const auto r = Run(Example({"--continuous", "--json"}));
    ASSERT_EQ(r.status, 0) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    for (const char* key : {"duty", "duty_text", "time_index", "permissible_current"}) EXPECT_FALSE(j.contains(key)) << key;
    EXPECT_EQ(j["model"], "ZUN-H04");
}

TEST_F(ZunSize, SimpleReadableReportNamesModelAndMargin) {
    const auto r = Run(Example({"--time", "10", "--period", "40"}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("25 %ED"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("ZUN-H02 (limit 25.5 A; the selection current uses 94.1 % of it)"), std::string::npos) << r.out;
}

TEST_F(ZunSize, SimpleOutcomesThatRunToTheirEndExitZero) {
    auto r = Run({"simple", "--current", "20", "--temperature", "70", "--time", "10", "--period", "40", "--table",
                  table, "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    auto j = nlohmann::json::parse(r.out);
    EXPECT_TRUE(j["model"].is_null());
    EXPECT_EQ(j["temperature_text"], "60");
    EXPECT_EQ(j["messages"], nlohmann::json::array({"Temperature range is -10~60℃"}));
    EXPECT_FALSE(j.contains("selection_current"));

    r = Run({"simple", "--voltage", "220", "--condition", "ac", "--current", "500", "--temperature", "20",
             "--continuous", "--table", table, "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    j = nlohmann::json::parse(r.out);
    EXPECT_TRUE(j["model"].is_null());
    EXPECT_EQ(j["messages"], nlohmann::json::array({"電流過大，無符合機種"}));
}

TEST_F(ZunSize, ErrorsExitOneWithTheErrorBoxText) {
    auto r = Run({"simple", "--voltage", "380", "--condition", "dc", "--current", "abc", "--temperature", "45",
                  "--time", "10", "--period", "40", "--table", table});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "'abc' is not a valid floating point value.\n");
    EXPECT_EQ(r.out, "");
    r = Run(Example({"--time", "10", "--period", "0", "--json"}));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Floating point division by zero.\n");
    r = Run({"simple", "--voltage", "380", "--current", "1", "--temperature", "1", "--continuous", "--table", table});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Choose a condition"), std::string::npos);
    r = Run({"simple", "--current", "1", "--temperature", "1", "--continuous", "--table", (dir.path() / "none.txt").string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("none.txt\" cannot be read"), std::string::npos);
}

TEST_F(ZunSize, UsageErrorsExitTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"simple", "--temperature", "45", "--continuous"},
        {"simple", "--current", "1", "--temperature", "45"},
        {"simple", "--current", "1", "--temperature", "45", "--time", "1"},
        {"simple", "--current", "1", "--temperature", "45", "--time", "1", "--period", "2", "--continuous"},
        {"simple", "--current", "1", "--temperature", "45", "--continuous", "--voltage", "400"},
        {"simple", "--current", "1", "--temperature", "45", "--continuous", "--condition", "dcbus"},
        {"nonsense"},
    };
    for (const auto& args : cases) {
        const auto r = Run(args);
        EXPECT_EQ(r.status, 2) << testing::PrintToString(args) << r.out << r.err;
    }
}

}  // namespace
}  // namespace zun
