#include <gtest/gtest.h>

#include "core/messages.h"
#include "enginefixture.h"

namespace sw {
namespace {

TEST(Tables, HoldThePublishedValues)
{
    const DesignTables& t = designTables();
    ASSERT_EQ(t.SurfaceTable.size(), 20u);
    EXPECT_EQ(t.SurfaceTable[4].SurfaceName, "Grass Areas (< 50%)-Steep Over 7%");
    EXPECT_EQ(t.SurfaceTable[19].CValues[0], 0.31);
    for (const SurfaceCoef& row : t.SurfaceTable)
        EXPECT_EQ(row.RetPeriods, (std::array<std::int16_t, 7>{2, 5, 10, 25, 50, 100, 500}));
    EXPECT_DOUBLE_EQ(t.AreaUnitFactors[1], 2.4710436922532533);
    EXPECT_EQ(t.AreaUnitFactors[2], 1.0 / 43560);  // an acre is 43,560 ft², not the older 50,000
    EXPECT_DOUBLE_EQ(t.AreaUnitFactors[3], 0.00024710436922532533);
    EXPECT_EQ(t.LengthUnitFactors[1], 3.2808);
    EXPECT_EQ(t.IDFTable[2].CoefA[6], 0.65);
    EXPECT_EQ(t.IDFTable[0].CoefB[7], 0.095);
    EXPECT_EQ(t.IDFTable[1].Durations[9], 0);
    EXPECT_EQ(returnPeriodTexts(), (std::vector<std::string>{"2", "5", "10", "25", "50", "100", "500"}));
}

TEST(GetCValue, LooksUpTheTableOrTakesTheUserC)
{
    struct Case {
        const char* surface;
        int period;
        const char* userC;
        double expected;
    };
    const Case cases[] = {
        {"Asphaltic", 25, "", 0.86}, {"Asphaltic", 3, "", 0.73},  // outside the table: the 2-year column
        {"", 10, "0.5", 0},          {"Asphaltic", 0, "", 0},
        {"asphaltic", 10, "0.456", 0.46},  // letter case counts: user-defined
        {"Asphaltic ", 10, "0.2", 0.2},    // no trimming either
        {"Grass Areas (< 50%)-Steep Over 7%", 500, "", 0.62},
        {"Grass Areas (< 50%)-Steep over 7%", 500, "", 0},
        {"Gravel", 10, "abc", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GetCValue(c.surface, c.period, c.userC), c.expected) << c.surface << " " << c.period;
}

TEST(CalAcres, ConvertsAndRoundsToATenth)
{
    const std::pair<const char*, double> cases[] = {
        {"100 f", 0.0}, {"1 h", 2.5}, {"10000 m", 2.5}, {"3 x", 0},  {"12.3 a", 12.3}, {"5 h", 12.4},
        {"1500000.0 f", 34.4}, {"5 H", 0}, {"7.5", 0},    {"abc", 0},  {"", 0},
        // Square feet: 43,560 to the acre, a half (2,178 ft² = 0.05 acre) rounded up.
        {"491870.8 f", 11.3}, {"43560 f", 1}, {"2178 f", 0.1}, {"2177 f", 0},
    };
    for (const auto& [text, acres] : cases)
        EXPECT_EQ(CalAcres(text), acres) << text;
}

// Zero acres give C 0 without dividing; no sub-areas show zero and leave the record as it was; a
// count beyond the list is passed over silently.
TEST(CalAC, WeightsCByAreaAndShowsZeroWithoutAnArea)
{
    Document s = testing::stateWith({testing::completeCulvert()});
    EXPECT_EQ(CalAC(s, 0), (TotalsLabels{"4.0", "0.45"}));
    EXPECT_EQ(std::tie(s.CulvertList[0].TotalArea, s.CulvertList[0].WeightedC), std::make_tuple(4.0, 0.45));

    CulvertRecord tiny = testing::completeCulvert();
    testing::setAreas(tiny, {testing::subArea("Asphaltic", "100 f", 0.86), testing::subArea("Asphaltic", "1 f", 0.86)});
    CulvertRecord none = testing::completeCulvert();
    none.NumOfAreas = "0";
    for (CulvertRecord* c : {&tiny, &none})
        std::tie(c->TotalArea, c->WeightedC) = std::make_tuple(7.0, 0.5);
    for (const auto& [c, area, weightedC] : {std::tuple(tiny, 0.0, 0.0), std::tuple(none, 7.0, 0.5)}) {
        s = testing::stateWith({c});
        EXPECT_EQ(*CalAC(s, 0), (TotalsLabels{"0.0", "0.00"})) << c.NumOfAreas;
        EXPECT_EQ(std::tie(s.CulvertList[0].TotalArea, s.CulvertList[0].WeightedC), std::tie(area, weightedC))
            << c.NumOfAreas;
    }

    s.CulvertList[0] = testing::completeCulvert();
    s.CulvertList[0].NumOfAreas = "3";
    EXPECT_FALSE(CalAC(s, 0).has_value());
    EXPECT_EQ(s.CulvertList[0].TotalArea, 0.0);
    EXPECT_FALSE(CalAC(s, 5).has_value());
    EXPECT_FALSE(CalAC(s, -111).has_value());
}

TEST(UpdateCValues, RederivesTableSurfacesKeepsUserDefinedOnesAndIsSilentWithoutRows)
{
    CulvertRecord c = testing::completeCulvert();
    testing::setAreas(c, {testing::subArea("Asphaltic", "12.3 a", 0.73, "Ditch A"),
                          testing::subArea("Gravel", "5 h", 0.5, "yard")});
    c.RetPeriod = "25";
    Document s = testing::stateWith({c});

    const CUpdate u = UpdateCValues(s, 0, 2, 25);
    EXPECT_EQ(u.Message, "Changing the return period affects the C values for the drainage areas\r(see drainage "
                         "chapter of Design Manual).\rThe C values and Drainage Area information have been updated "
                         "automatically.");
    EXPECT_EQ(u.Rows, (std::vector<std::string>{"Asphaltic,12.3 a,0.86,Ditch A", "Gravel,5 h,0.50,yard"}));
    EXPECT_EQ(s.CulvertList[0].Areas[0].C, 0.86);
    EXPECT_EQ(s.CulvertList[0].Areas[1].C, 0.5);
    ASSERT_TRUE(u.Totals);
    // (0.86 x 12.3 + 0.5 x 12.4) / 24.7 = 0.6793...
    EXPECT_EQ(*u.Totals, (TotalsLabels{"24.7", "0.68"}));
    EXPECT_EQ(s.CulvertList[0].WeightedC, 0.68);

    // No rows: no message.
    s = testing::stateWith({testing::completeCulvert()});
    const CUpdate none = UpdateCValues(s, 0, 0, 50);
    EXPECT_TRUE(none.Message.empty() && none.Rows.empty());
    EXPECT_EQ(s.CulvertList[0].Areas[0].C, 0.9);
}

TEST(AreaDisplay, ShowsAcresWhenTheEntryWasNotInAcres)
{
    EXPECT_EQ(AreaDisplay("2.5 h", 6.2), "2.5 h (6.2 Ac)");
    EXPECT_EQ(AreaDisplay("12.5 a", 12.5), "12.5 a");
    EXPECT_EQ(AreaDisplay("3 hectares", 7.4), "3 Ha (7.4 Ac)");
    EXPECT_EQ(AreaDisplay("100 f", 0), "100 f (0 Ac)");
    EXPECT_EQ(AreaDisplay("abc", 0), "0 ");
}

TEST(ReturnPeriod, YearsMustFitSixteenBits)
{
    EXPECT_EQ(returnPeriodYears("25"), 25);
    EXPECT_EQ(returnPeriodYears("10.9"), 10);
    EXPECT_FALSE(returnPeriodYears("40000").has_value());
    EXPECT_EQ(returnPeriodYears(""), 0);
}

TEST(Records, SubAreaCountIsTheWholePartOfNumOfAreasAndAFreeSlotEndsTheCulverts)
{
    CulvertRecord c = testing::completeCulvert();
    for (const char* none : {"", "0", "abc", "-2", "0.9"}) {
        c.NumOfAreas = none;
        EXPECT_EQ(validAreaCount(c), 0u) << "NumOfAreas \"" << none << "\"";
    }
    c.NumOfAreas = "1.7";
    EXPECT_EQ(validAreaCount(c), 1u);
    c.NumOfAreas = "5";  // more than the list holds
    EXPECT_EQ(declaredAreaCount(c), 5);
    EXPECT_EQ(validAreaCount(c), 2u);

    // A free slot ends the used culverts.
    CulvertList list(3);
    list[0].CulvertNo = "1";
    list[2].CulvertNo = "3";
    EXPECT_EQ(usedCulvertCount(list), 1u);
    EXPECT_EQ(usedCulvertCount({}), 0u);
}

}  // namespace
}  // namespace sw
