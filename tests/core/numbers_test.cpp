#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/numbers.h"

namespace sw {
namespace {

struct ReadCase {
    const char* text;
    double expected;
};

class NumericValue : public ::testing::TestWithParam<ReadCase> {};

TEST_P(NumericValue, ReadsTheLeadingNumber)
{
    EXPECT_DOUBLE_EQ(numericValue(GetParam().text), GetParam().expected) << "text: " << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumericValue,
    ::testing::Values(ReadCase{"12abc", 12}, ReadCase{"", 0}, ReadCase{"1e3x", 1000},
                      ReadCase{" 1 2 ", 12}, ReadCase{"\t-5", -5}, ReadCase{"- 5", -5},
                      ReadCase{"3\n4", 34}, ReadCase{"+.5", 0.5}, ReadCase{".", 0},
                      ReadCase{"abc", 0}, ReadCase{"1e", 1}, ReadCase{"1e+", 1},
                      ReadCase{"2E-2", 0.02}, ReadCase{"1.2.3", 1.2}, ReadCase{"--5", 0},
                      ReadCase{"0x10", 0}, ReadCase{"980.5 ft", 980.5}, ReadCase{"1e400", 0},
                      ReadCase{"12,5", 12}, ReadCase{"\r5", 0}));

struct TextCase {
    double value;
    const char* expected;
};

class PlainNumber : public ::testing::TestWithParam<TextCase> {};

TEST_P(PlainNumber, WritesFifteenDigitsWithoutExponent)
{
    EXPECT_EQ(plainNumber(GetParam().value), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlainNumber,
    ::testing::Values(TextCase{0.1 + 0.2, "0.3"}, TextCase{0.00005, "0.00005"}, TextCase{12.0, "12"},
                      TextCase{980.5, "980.5"}, TextCase{-0.25, "-0.25"}, TextCase{0.0, "0"},
                      TextCase{-0.0, "0"}, TextCase{1e20, "100000000000000000000"},
                      TextCase{1.0 / 3.0, "0.333333333333333"}, TextCase{2.0 / 3.0, "0.666666666666667"},
                      TextCase{123456789.123456789, "123456789.123457"}, TextCase{0.00017, "0.00017"},
                      TextCase{328.08, "328.08"}, TextCase{1e-7, "0.0000001"}));

TEST(PlainNumber, VariantWithoutLeadingZeroAndPrintForm)
{
    EXPECT_EQ(plainNumberNoLeadingZero(0.5), ".5");
    EXPECT_EQ(plainNumberNoLeadingZero(-0.5), "-.5");
    EXPECT_EQ(plainNumberNoLeadingZero(365.8), "365.8");
    EXPECT_EQ(printNumber(0.8), " .8 ");
    EXPECT_EQ(printNumber(-1.5), "-1.5 ");
    EXPECT_EQ(printNumber(1), " 1 ");
    EXPECT_EQ(printNumber(0), " 0 ");
}

TEST(PlainNumber, NonFiniteValuesAreVisibleNotHidden)
{
    EXPECT_EQ(plainNumber(std::numeric_limits<double>::infinity()), "Infinity");
    EXPECT_EQ(plainNumber(std::nan("")), "NaN");
}

struct RoundCase {
    double value;
    int decimals;
    double expected;
};

class RoundTo : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundTo, RoundsDecimalHalvesAwayFromZero)
{
    const RoundCase& c = GetParam();
    EXPECT_EQ(roundTo(c.value, c.decimals), c.expected) << c.value << " to " << c.decimals;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RoundTo,
    ::testing::Values(RoundCase{1.005, 2, 1.01}, RoundCase{2.675, 2, 2.68}, RoundCase{-0.125, 2, -0.13},
                      RoundCase{1.45, 1, 1.5}, RoundCase{9.54, 1, 9.5}, RoundCase{0.26885, 1, 0.3},
                      RoundCase{0.002, 1, 0.0}, RoundCase{0.05, 1, 0.1}, RoundCase{99.95, 1, 100.0},
                      RoundCase{0.000005, 5, 0.00001}, RoundCase{0.1 + 0.2, 2, 0.3},
                      RoundCase{3.2808398950131235, 4, 3.2808}, RoundCase{0.04, 0, 0.0},
                      RoundCase{1234.5, 0, 1235.0}, RoundCase{-0.04, 1, 0.0}));

struct FormatCase {
    double value;
    const char* pattern;
    const char* expected;
};

class FormatNumber : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumber, FollowsThePattern)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(formatNumber(c.value, c.pattern), c.expected) << c.value << " " << c.pattern;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FormatNumber,
    ::testing::Values(FormatCase{5.3, "00.00", "05.30"}, FormatCase{9.38, "00.00", "09.38"},
                      FormatCase{25, "00.00", "25.00"}, FormatCase{123.456, "00.00", "123.46"},
                      FormatCase{12.34, "####0.0", "12.3"}, FormatCase{0.04, "####0.0", "0.0"},
                      FormatCase{1500000, "####0.0", "1500000.0"}, FormatCase{0.45, "0.00", "0.45"},
                      FormatCase{1, "0.00", "1.00"}, FormatCase{-0.001, "0.00", "0.00"},
                      FormatCase{-1.005, "0.00", "-1.01"}, FormatCase{0.95, "0.0", "1.0"},
                      FormatCase{4, "0.0", "4.0"}, FormatCase{2.675, "0.00", "2.68"}));

TEST(Int16, RoundsHalvesToEvenAndRefusesWhatDoesNotFit)
{
    EXPECT_EQ(toInt16(134.62), 135);
    EXPECT_EQ(toInt16(114.3), 114);
    EXPECT_EQ(toInt16(2.5), 2);
    EXPECT_EQ(toInt16(3.5), 4);
    EXPECT_EQ(toInt16(-2.5), -2);
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_EQ(toInt16(-32768.5), -32768);
    EXPECT_FALSE(toInt16(32767.5).has_value());
    EXPECT_FALSE(toInt16(40000).has_value());
    EXPECT_FALSE(toInt16(std::nan("")).has_value());
}

TEST(WholePart, RoundsDown)
{
    EXPECT_EQ(wholePart(-1.5), -2);
    EXPECT_EQ(wholePart(1.9), 1);
    EXPECT_EQ(wholePartInt16(32767.9), 32767);
    EXPECT_FALSE(wholePartInt16(32768).has_value());
    EXPECT_EQ(wholePartInt16(-0.5), -1);
}

}  // namespace
}  // namespace sw
