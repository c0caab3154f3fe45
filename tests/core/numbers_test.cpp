#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "core/numbers.h"

namespace sw {
namespace {

TEST(NumericValue, ReadsTheLeadingNumber)
{
    const std::pair<const char*, double> cases[] = {
        {"12abc", 12}, {"", 0},      {"1e3x", 1000},    {" 1 2 ", 12},  {"\t-5", -5},        {"- 5", -5},
        {"3\n4", 34},  {"+.5", 0.5}, {".", 0},          {"abc", 0},     {"1e", 1},           {"1e+", 1},
        {"2E-2", 0.02}, {"1.2.3", 1.2}, {"--5", 0},     {"0x10", 0},    {"980.5 ft", 980.5}, {"1e400", 0},
        {"12,5", 12},  {"\r5", 0},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_DOUBLE_EQ(numericValue(text), expected) << "text: " << text;
}

TEST(PlainNumber, WritesFifteenDigitsWithoutExponent)
{
    const std::pair<double, const char*> cases[] = {
        {0.1 + 0.2, "0.3"}, {0.00005, "0.00005"}, {12.0, "12"},       {-0.25, "-0.25"},
        {-0.0, "0"},        {1e20, "100000000000000000000"},          {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},          {123456789.123456789, "123456789.123457"},
        {1e-7, "0.0000001"}, {std::numeric_limits<double>::infinity(), "Infinity"}, {std::nan(""), "NaN"},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(plainNumber(value), expected) << value;
}

TEST(PlainNumber, VariantWithoutLeadingZeroAndPrintForm)
{
    for (const auto& [value, text] :
         std::vector<std::pair<double, std::string>>{{0.5, ".5"}, {-0.5, "-.5"}, {365.8, "365.8"}})
        EXPECT_EQ(plainNumberNoLeadingZero(value), text) << value;
    for (const auto& [value, text] :
         std::vector<std::pair<double, std::string>>{{0.8, " .8 "}, {-1.5, "-1.5 "}, {1, " 1 "}, {0, " 0 "}})
        EXPECT_EQ(printNumber(value), text) << value;
}

TEST(RoundTo, RoundsDecimalHalvesAwayFromZero)
{
    struct Case {
        double value;
        int decimals;
        double expected;
    };
    const Case cases[] = {
        {1.005, 2, 1.01},  {2.675, 2, 2.68},   {-0.125, 2, -0.13},       {1.45, 1, 1.5},
        {9.54, 1, 9.5},    {0.26885, 1, 0.3},  {0.002, 1, 0.0},          {99.95, 1, 100.0},
        {0.000005, 5, 0.00001}, {0.1 + 0.2, 2, 0.3}, {3.2808398950131235, 4, 3.2808}, {-0.04, 1, 0.0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(roundTo(c.value, c.decimals), c.expected) << c.value << " to " << c.decimals;
}

TEST(FormatNumber, FollowsThePattern)
{
    struct Case {
        double value;
        const char* pattern;
        const char* expected;
    };
    const Case cases[] = {
        {5.3, "00.00", "05.30"},     {9.38, "00.00", "09.38"},       {123.456, "00.00", "123.46"},
        {12.34, "####0.0", "12.3"},  {0.04, "####0.0", "0.0"},       {1500000, "####0.0", "1500000.0"},
        {1, "0.00", "1.00"},         {-0.001, "0.00", "0.00"},       {-1.005, "0.00", "-1.01"},
        {0.95, "0.0", "1.0"},        {2.675, "0.00", "2.68"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatNumber(c.value, c.pattern), c.expected) << c.value << " " << c.pattern;
}

TEST(Int16, RoundsHalvesToEvenAndRefusesWhatDoesNotFit)
{
    for (const auto& [value, expected] : std::vector<std::pair<double, std::optional<std::int16_t>>>{
             {134.62, 135}, {114.3, 114}, {2.5, 2}, {3.5, 4}, {-2.5, -2}, {-32768.5, -32768}, {32767.5, {}},
             {std::nan(""), {}}})
        EXPECT_EQ(toInt16(value), expected) << value;
    EXPECT_EQ(wholePart(-1.5), -2);
    EXPECT_EQ(wholePartInt16(32767.9), 32767);
    EXPECT_FALSE(wholePartInt16(32768).has_value());
}

}  // namespace
}  // namespace sw
