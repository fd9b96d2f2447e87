#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <algorithm>
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

TEST_F(ZunSize, ProfileHandsOverTheWindowsTexts) {
    auto r = Run({"profile", "30:10", "10:20", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["working_time_text"], "16.7");
    EXPECT_EQ(j["period_text"], "30");
    EXPECT_EQ(j["current_text"], "30");
    EXPECT_EQ(j["axis_max"], 39.0);
    EXPECT_EQ(j["points"], 64);

    r = Run({"profile", "--json", "--", "10.9:10", "-3:-2", "10.9:12"});  // negative cells after "--"
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(nlohmann::json::parse(r.out)["current_text"], "10");

    r = Run({"profile", "30:10", "10:2.5"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "'2.5' is not a valid integer value.\n");
    r = Run({"profile", "0.5:10", "0.5:10"});
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Floating point division by zero.\n");

    std::vector<std::string> sixteen{"profile"};
    for (int k = 0; k < 16; ++k) sixteen.push_back("1:1");
    EXPECT_EQ(Run(sixteen).status, 2);
    EXPECT_EQ(Run({"profile", "30:10"}).status, 2);
    EXPECT_EQ(Run({"profile", "30:10", "1020"}).status, 2);
}

TEST_F(ZunSize, InertiaShowsTheValueAsOkWould) {
    auto r = Run({"inertia", "--voltage", "220", "--motor", "75HP 885RPM"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "16\n");
    r = Run({"inertia", "--voltage", "380", "--motor", "50HP 29405RPM", "--json"});
    ASSERT_EQ(r.status, 0) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["inertia_text"], "0.602");
    EXPECT_EQ(static_cast<float>(j["inertia"].get<double>()), 0.602f);
    r = Run({"inertia", "--voltage", "220", "--motor", "50HP 29405RPM"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("zun-size inertia --list 220"), std::string::npos);
    r = Run({"inertia", "--list", "380"});
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 69);
    EXPECT_EQ(Run({"inertia", "--voltage", "440", "--motor", "1HP 2800RPM"}).status, 2);
    EXPECT_EQ(Run({"inertia"}).status, 2);
}

class ZunSizeElevator : public ZunSize {
protected:
    ZunSizeElevator() {
        std::string flat;
        for (int k = 0; k < 24000; ++k) flat += "120\n";
        flatTable = dir.Write("flat.txt", flat).string();
    }
    // The worked example; an option given in `changes` replaces its value
    // there, other options are added.
    std::vector<std::string> Example(std::vector<std::string> changes = {}) {
        std::vector<std::string> a{"elevator", "--suspension", "1:1", "--max-load", "1000", "--car-weight", "1200",
                                   "--speed", "60", "--cable-diameter", "0.4", "--inertia", "0.05",
                                   "--reduction-ratio", "30", "--vfd-voltage", "380", "--source-voltage", "380",
                                   "--t1", "2", "--t2", "5", "--t3", "2", "--t4", "10", "--table", flatTable};
        for (std::size_t k = 0; k < changes.size(); ++k) {
            const auto at = std::find(a.begin(), a.end(), changes[k]);
            const bool hasValue = k + 1 < changes.size() && changes[k + 1].rfind("--", 0) != 0;
            if (at != a.end() && hasValue) {
                *(at + 1) = changes[++k];
            } else {
                a.push_back(changes[k]);
                if (hasValue) a.push_back(changes[++k]);
            }
        }
        return a;
    }
    std::string flatTable;
};

TEST_F(ZunSizeElevator, WorkedExampleAsJson) {
    const auto r = Run(Example({"--voltage", "380", "--json"}));
    ASSERT_EQ(r.status, 0) << r.err;
    const auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["motor_speed_text"], "1433.1");
    EXPECT_EQ(j["torque_text"], "3.7");
    EXPECT_EQ(j["max_torque_text"], "5.6");
    EXPECT_EQ(j["pattern"], "B");
    EXPECT_EQ(j["time_index"], 62);
    EXPECT_EQ(j["permissible_current"], 120.0);
    EXPECT_EQ(j["equivalent_current"], 10.1);
    EXPECT_EQ(j["selection_current"], 10.1);
    EXPECT_EQ(j["model"], "ZUN-H01");
    EXPECT_FALSE(j.contains("up_duty"));
    EXPECT_FALSE(j.contains("weighting_text"));
    ASSERT_EQ(j["segments"].size(), 6u);
    EXPECT_EQ(j["segments"][2]["mode"], "motor");
    EXPECT_EQ(j["segments"][3]["mode"], "generator");
    EXPECT_NEAR(j["segments"][5]["unit_current"].get<double>(), -8.096, 0.0005);
    EXPECT_NEAR(j["chart"]["current_axis"][0].get<double>(), -12.27, 0.005);
    EXPECT_NEAR(j["chart"]["current_axis"][1].get<double>(), 23.29, 0.005);
    EXPECT_NEAR(j["chart"]["speed_axis"][1].get<double>(), 1719.7, 0.05);
    EXPECT_EQ(j["chart"]["points_per_series"], 388);
    EXPECT_EQ(j["messages"], nlohmann::json::array());
}

TEST_F(ZunSizeElevator, MessagesAndOutcomesThatRunToTheirEnd) {
    auto r = Run(Example({"--weighting", "0.62", "--voltage", "220", "--json"}));
    ASSERT_EQ(r.status, 0) << r.err;
    auto j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["weighting_text"], "0.6");
    EXPECT_EQ(j["messages"], nlohmann::json::array({"最大配重係數0.6"}));
    EXPECT_EQ(j["model"], "ZUN-L01");

    r = Run(Example({"--t1", "0.5", "--t3", "0.5", "--json"}));  // pattern A, no voltage class
    ASSERT_EQ(r.status, 0) << r.err;
    j = nlohmann::json::parse(r.out);
    EXPECT_EQ(j["pattern"], "A");
    EXPECT_EQ(j["up_time_index"], 5);
    EXPECT_TRUE(j["model"].is_null());

    r = Run(Example({"--t1", "0.5", "--json"}));  // the general rule
    j = nlohmann::json::parse(r.out);
    EXPECT_TRUE(j["pattern"].is_null());

    r = Run(Example({"--voltage", "440"}));
    EXPECT_NE(r.out.find("Energy returned"), std::string::npos);
    EXPECT_NE(r.out.find("ZUN-H01"), std::string::npos);
}

TEST_F(ZunSizeElevator, ErrorsAndUsage) {
    auto r = Run(Example({"--max-load", "0"}));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "Floating point division by zero.\n");
    r = Run(Example({"--inertia", "abc"}));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "'abc' is not a valid floating point value.\n");
    r = Run(Example({"--suspension", "3:1"}));
    EXPECT_EQ(r.status, 2);
    auto args = Example();
    args.erase(args.begin() + 23, args.begin() + 25);  // without --t3
    EXPECT_EQ(Run(args).status, 2);
}

}  // namespace
}  // namespace zun
