#include <gtest/gtest.h>

#include <cfloat>

#include "common/error.hpp"
#include "common/numerics.hpp"
#include "common/parse.hpp"

namespace zun {
namespace {

std::string Quoted(const char* text, const char* what) {
    std::string s = "'";
    s.append(text).append("' is not a valid ").append(what);
    return s;
}

std::string ErrorOf(const auto& f) {
    try {
        f();
    } catch (const Error& e) {
        return e.what();
    }
    return "(no error)";
}

struct RoundCase {
    double value;
    int decimals;
    const char* text;
};

TEST(Rounding, RoundsHalvesToEvenAndShowsShortestText) {
    const RoundCase cases[] = {
        {22.25, 1, "22.2"},   {22.35, 1, "22.4"},   {0.25, 1, "0.2"},      {0.35, 1, "0.3"} /* 0.35 is held just below 0.35 */,
        {33.333332061767578, 1, "33.3"},             {1433.12, 1, "1433.1"}, {1440.0, 1, "1440"},
        {-0.04, 1, "0"},      {130.456, 2, "130.46"}, {0.125, 2, "0.12"},    {15.2f, 3, "15.2"},
        {0.602f, 3, "0.602"}, {0.002f, 3, "0.002"}, {16.0f, 3, "16"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FormatNumber(RoundTo(c.value, c.decimals)), c.text) << c.value << " to " << c.decimals;
    }
}

TEST(NumberText, GeneralFormatWithFifteenDigits) {
    EXPECT_EQ(FormatNumber(30), "30");
    EXPECT_EQ(FormatNumber(16.7), "16.7");
    EXPECT_EQ(FormatNumber(0.002), "0.002");
    EXPECT_EQ(FormatNumber(-10), "-10");
    EXPECT_EQ(FormatNumber(0.1 + 0.2), "0.3");
    EXPECT_EQ(FormatNumber(-0.0), "0");
    EXPECT_EQ(FormatSingle(18.759f), "18.759");
    EXPECT_EQ(std::stof(FormatSingle(24.000002f)), 24.000002f);
}

TEST(DecimalParser, AcceptsPlainDecimalNotationWithBlanksAround) {
    const std::pair<const char*, double> ok[] = {
        {"1", 1},     {" 2.5 ", 2.5}, {"-3e2", -300}, {"+.5", 0.5}, {"5.", 5},
        {"\t7\t", 7}, {"1E-3", 0.001}, {"-0", 0},     {"1e-400", 0},
    };
    for (const auto& [text, value] : ok) EXPECT_DOUBLE_EQ(ParseDecimal(text), value) << text;
}

TEST(DecimalParser, RejectsEverythingElseWithTheBoxText) {
    const char* bad[] = {"", " ", "abc", "nan", "NaN", "inf", "-Infinity", "0x1p3", "1e999", "-1e400",
                         "1,5", "1 2", "--1", "e5", ".", "1e", "1e+", "12abc", "٣"};
    for (const char* text : bad) {
        EXPECT_EQ(ErrorOf([&] { ParseDecimal(text); }), Quoted(text, "floating point value"));
    }
}

TEST(WholeParser, ReadsSignedDecimalIntegersInThe32BitRange) {
    EXPECT_EQ(ParseWhole("10"), 10);
    EXPECT_EQ(ParseWhole(" -5 "), -5);
    EXPECT_EQ(ParseWhole("+0"), 0);
    EXPECT_EQ(ParseWhole("2147483647"), 2147483647);
    EXPECT_EQ(ParseWhole("-2147483648"), -2147483647 - 1);
    for (const char* text : {"2.5", "", "2147483648", "-2147483649", "1e3", "0x10", "$10", "- 1", "99999999999999999999"}) {
        EXPECT_EQ(ErrorOf([&] { ParseWhole(text); }), Quoted(text, "integer value"));
    }
}

TEST(FloatingPointFaults, RaiseAtTheStepWithTheirTexts) {
    EXPECT_EQ(ErrorOf([] { Div(1, 0); }), kDivisionByZero);
    EXPECT_EQ(ErrorOf([] { Div(-1, 0); }), kDivisionByZero);
    EXPECT_EQ(ErrorOf([] { Div(0, 0); }), kInvalidOperation);
    EXPECT_EQ(ErrorOf([] { Store(1e39); }), kOverflow);
    EXPECT_EQ(ErrorOf([] { Store(1e308 * 10); }), kOverflow);
    EXPECT_EQ(ErrorOf([] { ParseSingle("1e39"); }), kOverflow);
    EXPECT_EQ(ErrorOf([] { Div(1e300, 1e-300); }), kOverflow);
    EXPECT_EQ(Store(1e-50), 0.0f);  // underflow passes
    EXPECT_EQ(Store(static_cast<double>(FLT_MAX)), FLT_MAX);
    EXPECT_EQ(Store(static_cast<double>(FLT_MAX) + 0x1p102), FLT_MAX);  // rounds down to the largest float
    EXPECT_EQ(ErrorOf([] { Store(static_cast<double>(FLT_MAX) + 0x1p103); }), kOverflow);
    EXPECT_EQ(ErrorOf([] { Store(-3.5e38); }), kOverflow);
}

TEST(ErrorBox, AppendsFullStopAfterCharactersThatSortAfterIt) {
    EXPECT_EQ(ErrorBoxText("'abc' is not a valid floating point value"), "'abc' is not a valid floating point value.");
    EXPECT_EQ(ErrorBoxText("Floating point overflow"), "Floating point overflow.");
    EXPECT_EQ(ErrorBoxText("ends in 7"), "ends in 7.");
    EXPECT_EQ(ErrorBoxText("already."), "already.");
    EXPECT_EQ(ErrorBoxText("quoted '"), "quoted '");
    EXPECT_EQ(ErrorBoxText("(paren)"), "(paren)");
    EXPECT_EQ(ErrorBoxText(""), "");
}

}  // namespace
}  // namespace zun
