#include <gtest/gtest.h>

#include "core/messages.h"
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

AppState withIntensityInputs(const char* zone, const char* period, double corTC)
{
    CulvertRecord c = testing::completeCulvert();
    c.RFZone = zone;
    c.RetPeriod = period;
    c.CorTC = corTC;
    return testing::stateWith({c});
}

struct ICase {
    const char* zone;
    const char* period;
    double corTC;
    const char* line;
    double stored;
};

class CalIntensityCases : public ::testing::TestWithParam<ICase> {};

TEST_P(CalIntensityCases, InterpolatesAndStoresOneDecimal)
{
    const ICase& c = GetParam();
    AppState s = withIntensityInputs(c.zone, c.period, c.corTC);
    const IntensityResult r = CalIntensity(s, 0);
    ASSERT_TRUE(r.computed()) << r.Message;
    EXPECT_EQ(r.Line, c.line);
    EXPECT_EQ(s.CulvertList[0].Intensity, c.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CalIntensityCases,
    ::testing::Values(
        // upper end of the 5-10 bracket
        ICase{"A", "10", 10, "Intensity (in/hr): 5.27 (133 mm/hr) ", 5.3},
        ICase{"B", "2", 5, "Intensity (in/hr): 4.51 (114 mm/hr) ", 4.5},
        // 0.08 + 2.25037 x 0.03 = 0.1475
        ICase{"A", "10", 1440, "Intensity (in/hr): 0.15 (3 mm/hr) ", 0.2},
        // zone C 100 years at 20 min: 3.01+4.60015x0.95 = 7.3801, 2.08+4.60015x0.75 = 5.5301;
        // (5.5301-7.3801)/15 x 5 + 7.3801 = 6.7634
        ICase{"C", "100", 20, "Intensity (in/hr): 6.76 (171 mm/hr) ", 6.8},
        // zone A 10 years at 9.38 min: 6.7080 + (5.2704-6.7080)/5 x 4.38 = 5.4486
        ICase{"A", "10", 9.38, "Intensity (in/hr): 5.45 (138 mm/hr) ", 5.5}));

TEST(CalIntensity, KeepsTheBracketOfTheComputation)
{
    AppState s = withIntensityInputs("A", "10", 10);
    ASSERT_TRUE(CalIntensity(s, 0).computed());
    EXPECT_EQ(s.CulvertList[0].Bracket, (IntensityBracket{10, 5, 10, 3.76, 1.31, 2.84, 1.08}));

    s.CulvertList[0].CorTC = 120;  // an inner duration takes the bracket that ends there
    ASSERT_TRUE(CalIntensity(s, 0).computed());
    EXPECT_EQ(s.CulvertList[0].Bracket->Dur1, 60);
    EXPECT_EQ(s.CulvertList[0].Bracket->Dur2, 120);
}

TEST(CalIntensity, RefusedWithoutASelectedCulvertEvenForAValidIndex)
{
    AppState s = withIntensityInputs("A", "10", 10);
    s.CurCulvert = kNoCulvert;
    const IntensityResult r = CalIntensity(s, 0);
    EXPECT_EQ(r.status, IntensityResult::Status::NoCulvertSelected);
    EXPECT_EQ(r.Message, "Pelase select a culvert no");
    EXPECT_EQ(s.CulvertList[0].Intensity, 0.0);
}

TEST(CalIntensity, NoZoneIsSilentAndChangesNothing)
{
    AppState s = withIntensityInputs("", "10", 10);
    s.CulvertList[0].Intensity = 3.1;
    const IntensityResult r = CalIntensity(s, 0);
    EXPECT_EQ(r.status, IntensityResult::Status::NoZone);
    EXPECT_TRUE(r.Line.empty());
    EXPECT_TRUE(r.Message.empty());
    EXPECT_EQ(s.CulvertList[0].Intensity, 3.1);
}

struct Unusable {
    const char* zone;
    const char* period;
    double corTC;
    std::string message;
};

class CalIntensityUnusable : public ::testing::TestWithParam<Unusable> {};

// The intensity of earlier inputs must not survive: a later Q would use it.
TEST_P(CalIntensityUnusable, GivesNoLineAndWithdrawsTheOldIntensity)
{
    const Unusable& c = GetParam();
    AppState s = withIntensityInputs(c.zone, c.period, c.corTC);
    s.CulvertList[0].Intensity = 5.3;
    s.CulvertList[0].Bracket = IntensityBracket{10, 5, 10, 3.76, 1.31, 2.84, 1.08};
    const IntensityResult r = CalIntensity(s, 0);
    EXPECT_EQ(r.status, IntensityResult::Status::NotComputable);
    EXPECT_EQ(r.Message, c.message);
    EXPECT_TRUE(r.Line.empty());
    EXPECT_EQ(s.CulvertList[0].Intensity, 0.0);
    EXPECT_FALSE(s.CulvertList[0].Bracket.has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CalIntensityUnusable,
    ::testing::Values(Unusable{"A", "10", 1440.01,
                               std::string(msg::kTcBeyondTable1) + "1440.01" + std::string(msg::kTcBeyondTable2)},
                      Unusable{"NA", "10", 10, std::string(msg::kZoneUnknown)},
                      Unusable{"a", "10", 10, std::string(msg::kZoneUnknown)},
                      Unusable{"A", "1", 10, std::string(msg::kReturnPeriodTooShort)},
                      Unusable{"A", "0.5", 10, std::string(msg::kReturnPeriodTooShort)},
                      Unusable{"A", "", 10, std::string(msg::kReturnPeriodTooShort)}));

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
