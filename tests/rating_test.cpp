#include <gtest/gtest.h>

#include <cmath>

#include "common/error.hpp"
#include "rating/derating_table.hpp"
#include "rating/unit_catalogue.hpp"
#include "table_fixture.hpp"

namespace zun {
namespace {

using test::Entry;
using test::MakeTable;
using test::TableText;
using test::TempDir;

std::string ErrorOf(const auto& f) {
    try {
        f();
    } catch (const Error& e) {
        return e.what();
    }
    return "(no error)";
}

TEST(LoadDeratingTable, AnyMixOfWhiteSpaceLoadsTheSameTable) {
    const DeratingTable expected = MakeTable();
    std::string mixed;
    const std::string plain = TableText(expected, " ");
    const char* seps[] = {" ", "\t", "\n", "\r\n", " \t ", "\n\n"};
    std::size_t k = 0;
    for (std::size_t pos = 0; pos < plain.size();) {
        const std::size_t next = plain.find(' ', pos);
        mixed += plain.substr(pos, next - pos);
        mixed += seps[k++ % 6];
        pos = next + 1;
    }
    EXPECT_EQ(ParseDeratingTable(mixed, "t").rows, expected.rows);
    EXPECT_EQ(ParseDeratingTable("  \n" + TableText(expected), "t").rows, expected.rows);
}

TEST(LoadDeratingTable, NumbersAfterThe24000thAreNeverRead) {
    const DeratingTable expected = MakeTable();
    EXPECT_EQ(ParseDeratingTable(TableText(expected) + "1 2 3 not-a-number", "t").rows, expected.rows);
}

TEST(LoadDeratingTable, BlocksAreDutyClassesInOrder) {
    DeratingTable t = MakeTable();
    const DeratingTable loaded = ParseDeratingTable(TableText(t), "t");
    EXPECT_EQ(Entry(const_cast<DeratingTable&>(loaded), 0, 1), 100.0f);        // first number
    EXPECT_EQ(Entry(const_cast<DeratingTable&>(loaded), 5, 4000), Entry(t, 5, 4000));  // last number
    EXPECT_EQ(Entry(const_cast<DeratingTable&>(loaded), 1, 1), 110.0f);        // 4001st number
}

TEST(LoadDeratingTable, ReportsWhatToFix) {
    const std::string good = TableText(MakeTable());
    std::string badToken = good;
    badToken.replace(0, 3, "abc");  // the first number "100" becomes "abc"
    EXPECT_EQ(ErrorOf([&] { ParseDeratingTable(badToken, "bked.txt"); }),
              "The derating table \"bked.txt\" is damaged: number 1 ('abc') is not a valid number");
    EXPECT_EQ(ErrorOf([&] { ParseDeratingTable("1 2 3 4 x", "bked.txt"); }),
              "The derating table \"bked.txt\" is damaged: number 5 ('x') is not a valid number");
    for (const char* token : {"nan", "inf", "1e999", "0x10", "1,5"}) {
        EXPECT_NE(ErrorOf([&] { ParseDeratingTable(std::string("1 ") + token, "b"); }).find("number 2 ('"),
                  std::string::npos)
            << token;
    }
    const std::size_t last = good.rfind('\n', good.size() - 2);
    EXPECT_EQ(ErrorOf([&] { ParseDeratingTable(good.substr(0, last + 1), "bked.txt"); }),
              "The derating table \"bked.txt\" holds only 23999 numbers; it needs 24000 (six duty classes of "
              "4000 working times)");
    EXPECT_NE(ErrorOf([] { ParseDeratingTable("", "bked.txt"); }).find("holds only 0 numbers"), std::string::npos);
}

TEST(LoadDeratingTable, UnreadableFileIsNamed) {
    TempDir dir;
    EXPECT_EQ(ErrorOf([&] { LoadDeratingTable(dir.path() / "bked.txt"); }),
              "The derating table \"" + (dir.path() / "bked.txt").string() +
                  "\" cannot be read: check that the file exists and is readable");
    EXPECT_NE(ErrorOf([&] { LoadDeratingTable(dir.path()); }).find("cannot be read"), std::string::npos);
}

TEST(FindDeratingFile, WorkingDirectoryFirstThenBesideTheProgram) {
    TempDir work, program, empty;
    program.Write("bked.txt", "x");
    EXPECT_EQ(FindDeratingFile(work.path(), program.path()), program.path() / "bked.txt");
    work.Write("bked.txt", "x");
    EXPECT_EQ(FindDeratingFile(work.path(), program.path()), work.path() / "bked.txt");
    EXPECT_EQ(ErrorOf([&] { FindDeratingFile(empty.path(), empty.path() / "none"); }),
              "The derating table \"bked.txt\" was not found: looked in the working directory " +
                  empty.path().string() + " and beside the program in " + (empty.path() / "none").string() +
                  ". Put \"bked.txt\" in one of these folders");
}

struct LookupCase {
    float duty;
    int timeIndex;
    double expected;
};

TEST(PermissibleCurrent, ChoosesRowsAndInterpolatesInTheDuty) {
    DeratingTable t = MakeTable();
    Entry(t, 0, 1) = 130.456f;   // rounded to two decimals when used alone
    Entry(t, 1, 1) = 120.004f;
    Entry(t, 2, 1) = 100.0f;
    Entry(t, 4, 7) = 90.0f;
    Entry(t, 5, 7) = 80.0f;
    Entry(t, 0, 4000) = 81.0f;
    Entry(t, 5, 4000) = 79.999f;
    const LookupCase cases[] = {
        {1.0f, 1, 130.46},                                 // row 0 alone, rounded
        {10.0f, 1, 130.46},
        {10.5f, 1, (0.5 * 120.004f + 14.5 * 130.456f) / 15},  // 0.5/15 on 25 %ED, 14.5/15 on 10 %ED
        {25.0f, 1, 120.0},                                 // row 1 alone, rounded
        {25.01f, 1, ((25.01f - 25.0) * 100.0 + (40.0 - 25.01f) * 120.004f) / 15},  // not rounded
        {100.0f, 7, 80.0},
        {99.9f, 7, ((99.9f - 80.0) * 80.0 + (100.0 - 99.9f) * 90.0) / 20},
        {80.0f, 7, 90.0},
        {5.0f, 4000, 81.0},                                // last entry of a block
        {100.0f, 4000, 80.0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PermissibleCurrent(t, c.duty, c.timeIndex), static_cast<float>(c.expected))
            << "duty " << c.duty << " index " << c.timeIndex;
    }
}

TEST(PermissibleCurrent, RefusesArgumentsOutsideTheTable) {
    const DeratingTable t = MakeTable();
    for (float d : {0.0f, 0.99f, 100.01f, -5.0f, NAN}) EXPECT_THROW(PermissibleCurrent(t, d, 10), Error) << d;
    for (int n : {0, -1, 4001}) EXPECT_THROW(PermissibleCurrent(t, 50.0f, n), Error) << n;
}

TEST(EquivalentCurrent, ScalesToRatingAndRoundsToOneDecimal) {
    EXPECT_EQ(static_cast<float>(EquivalentCurrent(18.759001f, 130.0f)), 21.6f);
    EXPECT_EQ(static_cast<float>(EquivalentCurrent(8.096f, 120.0f)), 10.1f);
    EXPECT_EQ(ErrorOf([] { EquivalentCurrent(5.0f, 0.0f); }), kDivisionByZero);
    EXPECT_EQ(ErrorOf([] { EquivalentCurrent(0.0f, 0.0f); }), kInvalidOperation);
}

struct SelectCase {
    VoltageClass voltage;
    float x;
    const char* model;  // nullptr: no model
};

TEST(SelectUnit, FirstModelWhoseLimitIsNotBelowTheCurrent) {
    const SelectCase cases[] = {
        {VoltageClass::V220, 30.0f, "ZUN-L01"},  {VoltageClass::V220, 30.1f, "ZUN-L02"},
        {VoltageClass::V220, 73.5f, "ZUN-L04"},  {VoltageClass::V220, 150.0f, "ZUN-L07"},
        {VoltageClass::V220, 150.1f, nullptr},   {VoltageClass::V380, 15.7f, "ZUN-H01"},
        {VoltageClass::V380, 15.8f, "ZUN-H02"},  {VoltageClass::V380, 25.5f, "ZUN-H02"},
        {VoltageClass::V380, 112.5f, "ZUN-H09"}, {VoltageClass::V380, 112.6f, nullptr},
        {VoltageClass::V440, 15.8f, "ZUN-H02"},  {VoltageClass::V440, 0.0f, "ZUN-H01"},
        {VoltageClass::V440, -3.0f, "ZUN-H01"},  {VoltageClass::V440, 112.6f, nullptr},
    };
    for (const auto& c : cases) {
        const auto model = SelectUnit(c.voltage, c.x);
        if (c.model) {
            ASSERT_TRUE(model) << c.x;
            EXPECT_STREQ(model->name, c.model) << c.x;
        } else {
            EXPECT_FALSE(model) << c.x;
        }
    }
    EXPECT_EQ(UnitCatalogue(VoltageClass::V220).size(), 7u);
    EXPECT_EQ(UnitCatalogue(VoltageClass::V380).data(), UnitCatalogue(VoltageClass::V440).data());
}

}  // namespace
}  // namespace zun
