#include <gtest/gtest.h>

#include "core/messages.h"
#include "core/text.h"
#include "engine/intensity.h"
#include "engine/tc.h"
#include "enginefixture.h"

namespace sw {
namespace {

TEST(FreqTerm, MatchesTheTabulatedValues)
{
    const std::pair<double, double> values[] = {{2, 0.36651},  {5, 1.49994},  {10, 2.25037}, {25, 3.19853},
                                                {50, 3.90194}, {100, 4.60015}, {500, 6.21361}};
    for (const auto& [T, y] : values)
        EXPECT_NEAR(FreqTerm(T), y, 0.000005) << "T = " << T;
}

Document withIntensityInputs(const char* zone, const char* period, double corTC)
{
    CulvertRecord c = testing::completeCulvert();
    c.RFZone = zone;
    c.RetPeriod = period;
    c.CorTC = corTC;
    return testing::stateWith({c});
}

TEST(CalIntensity, InterpolatesStoresOneDecimalAndKeepsTheBracket)
{
    struct Case {
        const char *zone, *period;
        double corTC;
        const char* line;
        double stored;
    };
    const Case cases[] = {
        {"A", "10", 10, "Intensity (in/hr): 5.27 (133 mm/hr) ", 5.3},  // upper end of 5-10
        {"B", "2", 5, "Intensity (in/hr): 4.51 (114 mm/hr) ", 4.5},
        {"A", "10", 1440, "Intensity (in/hr): 0.15 (3 mm/hr) ", 0.2},  // 0.08 + 2.25037 x 0.03
        // zone C, 100 years, 20 min: 7.3801 at 15, 5.5301 at 30 -> 6.7634
        {"C", "100", 20, "Intensity (in/hr): 6.76 (171 mm/hr) ", 6.8},
    };
    for (const Case& c : cases) {
        Document s = withIntensityInputs(c.zone, c.period, c.corTC);
        const IntensityResult r = CalIntensity(s, 0);
        ASSERT_TRUE(r.computed()) << r.Message;
        EXPECT_EQ(r.Line, c.line);
        EXPECT_EQ(s.CulvertList[0].Intensity, c.stored);
    }
    // The bracket of the computation is kept; an inner duration takes the bracket that ends there.
    Document s = withIntensityInputs("A", "10", 10);
    ASSERT_TRUE(CalIntensity(s, 0).computed());
    EXPECT_EQ(s.CulvertList[0].Bracket, (IntensityBracket{10, 5, 10, 3.76, 1.31, 2.84, 1.08}));
    s.CulvertList[0].CorTC = 120;
    ASSERT_TRUE(CalIntensity(s, 0).computed());
    EXPECT_EQ(std::tie(s.CulvertList[0].Bracket->Dur1, s.CulvertList[0].Bracket->Dur2), std::make_tuple(60, 120));
}

// The intensity of earlier inputs must not survive: a later Q would use it.
TEST(CalIntensity, UnusableInputsWithdrawTheOldIntensityAndNoZoneIsSilent)
{
    const std::string beyond = fillMessage(msg::kTcBeyondTable, {"1440.01"});
    struct Case {
        const char *zone, *period;
        double corTC;
        std::string message;
    };
    const Case cases[] = {
        {"A", "10", 1440.01, beyond},
        {"NA", "10", 10, std::string(msg::kZoneUnknown)},
        {"a", "10", 10, std::string(msg::kZoneUnknown)},
        {"A", "1", 10, std::string(msg::kReturnPeriodTooShort)},
        {"A", "0.5", 10, std::string(msg::kReturnPeriodTooShort)},
    };
    for (const Case& c : cases) {
        Document s = withIntensityInputs(c.zone, c.period, c.corTC);
        s.CulvertList[0].Intensity = 5.3;
        s.CulvertList[0].Bracket = IntensityBracket{10, 5, 10, 3.76, 1.31, 2.84, 1.08};
        const IntensityResult r = CalIntensity(s, 0);
        EXPECT_EQ(r.status, IntensityResult::Status::NotComputable) << c.zone << " " << c.period;
        EXPECT_EQ(r.Message, c.message);
        EXPECT_TRUE(r.Line.empty());
        EXPECT_EQ(s.CulvertList[0].Intensity, 0.0);
        EXPECT_FALSE(s.CulvertList[0].Bracket.has_value());
    }
    // No zone yet is silent and changes nothing.
    Document s = withIntensityInputs("", "10", 10);
    s.CulvertList[0].Intensity = 3.1;
    const IntensityResult r = CalIntensity(s, 0);
    EXPECT_EQ(r.status, IntensityResult::Status::NoZone);
    EXPECT_TRUE(r.Line.empty() && r.Message.empty());
    EXPECT_EQ(s.CulvertList[0].Intensity, 3.1);
}

TEST(IntensityInputLines, ListTheStoredInputs)
{
    CulvertRecord c = testing::completeCulvert("12");
    ASSERT_TRUE(computeSlopeAndTc(c).Computed);
    EXPECT_EQ(intensityInputLines(c), (std::vector<std::string>{
                                          "Culvert ID: 12",
                                          "Ele. of Remote Point (ft):1010",
                                          "Ele. of Culvert Inlet (ft): 1000",
                                          "Len. of Travel (ft): 1000",
                                          "Slope (ft/ft): 0.01",
                                          "Corr. Factor: 1 (Design Manual)",
                                          "Corr. TC (min): 9.38",
                                      }));
}

}  // namespace
}  // namespace sw
