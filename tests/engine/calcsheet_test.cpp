// The calculation sheet: each step with the numbers the engine computed, on the worked values the
// engine is known by.

#include <gtest/gtest.h>

#include <algorithm>

#include "core/messages.h"
#include "engine/calcsheet.h"
#include "enginefixture.h"

namespace sw {
namespace {

bool holds(const std::vector<std::string>& lines, const std::string& line)
{
    return std::ranges::find(lines, line) != lines.end();
}

// 0.9 on 1 acre and 0.3 on 3 acres (surfaces of the user's own): C 0.45 on 4 acres. 1010 ft to
// 1000 ft over 1000 ft: slope 0.01, 9.3777 min by the formula; a typed factor of 1.0664 makes the
// corrected time 10 min, where zone A gives 5.27 in/hr for 10 years, and Q = 5.3 x 0.45 x 4.0.
TEST(CalculationSheet, EveryStepWithTheWorkedValues)
{
    CulvertRecord c = testing::completeCulvert("C-7");
    c.Areas[0].Surface = "Roof";
    c.CorFactor = 1.0664;
    c.CorFactorSource = "User Defined";
    const CulvertComputation computation = computeCulvert(c);
    ASSERT_TRUE(computation.computed());
    const std::vector<std::string> sheet = calculationSheet(c, computation);
    for (const char* line : {
             "Calculation sheet of culvert C-7",
             "Return period 10 years, Vellmora rainfall zone A",
             "   Sub-area 1: Roof, C = 0.9 (typed by the user), area 1.0 a = 1 acres, C x A = 0.9 x 1 = 0.9",
             "   Sub-area 2: Gravel, C = 0.3 (typed by the user), area 3.0 a = 3 acres, C x A = 0.3 x 3 = 0.9",
             "   Sum of C x A = 1.8; sum of A = 4 acres",
             "   Weighted C = 1.8 / 4 = 0.45, rounded to 0.01: 0.45",
             "   S = (1010 - 1000) / 1000 = 0.01 ft/ft, rounded to 0.00001: 0.01",
             "   Correction factor F = 1.0664 (User Defined)",
             "   Tc = 0.0078 x L^0.77 x S^-0.385 x F = 0.0078 x 1000^0.77 x 0.01^-0.385 x 1.0664 = 10.0003 min, "
             "rounded to 0.01: 10",
             "   Not below the 5-minute floor: corrected Tc = 10 min",
             "   Tc before correction, as the board and the report show it: corrected Tc / F = 10 / 1.0664 = 09.38 min",
             "   Zone A, durations enclosing Tc = 10 min: 5 min (a = 3.76, b = 1.31) and 10 min (a = 2.84, b = 1.08)",
             "   Frequency term y = -ln(ln(T / (T - 1))) with T = 10 years: 2.25037",
             "   i(5 min) = y x b + a = 2.25037 x 1.31 + 3.76 = 6.70798 in/hr",
             "   i(10 min) = 2.25037 x 1.08 + 2.84 = 5.2704 in/hr",
             "   Rounded to 0.01: 5.27 in/hr; to 0.1, as the discharge uses it: 5.3 in/hr",
             "   Q = i x C x A = 5.3 x 0.45 x 4 = 9.54 cfs, rounded to 0.1: 9.5 cfs",
             "   Q = 9.5 x 0.0283 = 0.26885 cms, rounded to 0.1: 0.3 cms",
         })
        EXPECT_TRUE(holds(sheet, line)) << line;
}

// The time of concentration and intensity examples the engine is known by, each as its line of
// the sheet.
TEST(CalculationSheet, TimesAndIntensitiesOfTheKnownExamples)
{
    struct Case {
        double drop, length, factor;
        const char* zone;
        const char* period;
        std::vector<std::string> lines;
    };
    const std::vector<Case> cases = {
        {10, 1000, 1, "A", "10",
         {"   Tc = 0.0078 x L^0.77 x S^-0.385 x F = 0.0078 x 1000^0.77 x 0.01^-0.385 x 1 = 9.37766 min, rounded to 0.01: 9.38"}},
        {10, 2000, 1, "A", "10",
         {"   Tc = 0.0078 x L^0.77 x S^-0.385 x F = 0.0078 x 2000^0.77 x 0.005^-0.385 x 1 = 20.8826 min, rounded to 0.01: 20.88"}},
        {10, 2000, 1.5, "A", "10",
         {"   Tc = 0.0078 x L^0.77 x S^-0.385 x F = 0.0078 x 2000^0.77 x 0.005^-0.385 x 1.5 = 31.3239 min, rounded to 0.01: "
          "31.32",
          "   Tc before correction, as the board and the report show it: corrected Tc / F = 31.32 / 1.5 = 20.88 min"}},
        {10, 200, 1, "B", "2",
         {"   Tc = 0.0078 x L^0.77 x S^-0.385 x F = 0.0078 x 200^0.77 x 0.05^-0.385 x 1 = 1.46145 min, rounded to 0.01: 1.46",
          "   Below the 5-minute floor: corrected Tc = 5 min",
          "   Frequency term y = -ln(ln(T / (T - 1))) with T = 2 years: 0.366513",
          "   i(5 min) = y x b + a = 0.366513 x 1.35 + 4.02 = 4.51479 in/hr",
          "   Rounded to 0.01: 4.51 in/hr; to 0.1, as the discharge uses it: 4.5 in/hr"}},
    };
    for (const Case& k : cases) {
        CulvertRecord c = testing::completeCulvert();
        c.EleRemote = c.EleRemoteFt = c.EleCulvertFt + k.drop;
        c.LenTravel = c.LenTravelFt = k.length;
        c.CorFactor = k.factor;
        c.RFZone = k.zone;
        c.RetPeriod = k.period;
        const std::vector<std::string> sheet = calculationSheet(c, computeCulvert(c));
        for (const std::string& line : k.lines)
            EXPECT_TRUE(holds(sheet, line)) << line;
    }
}

// An area in square feet names its factor; one in acres has none to name.
TEST(CalculationSheet, TableCValuesSquareFeetTheFloorAndWhereItStops)
{
    CulvertRecord c = testing::completeCulvert();
    c.Areas[0].Surface = "Asphaltic";
    c.Areas[0].C = 0.81;  // the table's for 10 years
    c.Areas[1].Surface = "Concrete/Roof";  // 0.3 is not the table's 0.83
    c.Areas[1].AreaText = "130680.0 f";    // 3 acres, as before
    c.LenTravel = c.LenTravelFt = 200;     // slope 0.05: 1.46 minutes
    std::vector<std::string> sheet = calculationSheet(c, computeCulvert(c));
    EXPECT_TRUE(holds(sheet, "   Sub-area 1: Asphaltic, C = 0.81 (design table, 10 years), area 1.0 a = 1 acres, "
                             "C x A = 0.81 x 1 = 0.81"));
    EXPECT_TRUE(holds(sheet, "   Sub-area 2: Concrete/Roof, C = 0.3 (the design table gives 0.83 for 10 years), area "
                             "130680.0 f = 3 acres (43,560 ft² per acre), C x A = 0.3 x 3 = 0.9"));
    EXPECT_TRUE(holds(sheet, "   Below the 5-minute floor: corrected Tc = 5 min"));
    EXPECT_TRUE(holds(sheet, "   Tc before correction, as the board and the report show it: corrected Tc / F = 5 / 1 = 05.00 min"));

    c.EleRemoteFt = c.EleCulvertFt;
    sheet = calculationSheet(c, computeCulvert(c));
    EXPECT_EQ(sheet.back(), "The culvert cannot be computed: " + std::string(msg::kSlopeNotPositive));
    EXPECT_TRUE(holds(sheet, "1. Runoff coefficient and area"));
    EXPECT_FALSE(holds(sheet, "5. Discharge"));
}

// The sheet writes Q from the values the board shows, so that a whole discharge reads 11 on both,
// not 11.0.
TEST(CalculationSheet, AWholeDischargeReadsAsOnTheBoard)
{
    CulvertRecord c = testing::completeCulvert();
    c.Areas[1].C = 0.37;  // C 0.5025, rounded 0.5: Q = 5.5 x 0.5 x 4 = 11 cfs
    const std::vector<std::string> sheet = calculationSheet(c, computeCulvert(c));
    EXPECT_TRUE(holds(sheet, "   Q = i x C x A = 5.5 x 0.5 x 4 = 11 cfs, rounded to 0.1: 11 cfs"));
    EXPECT_TRUE(holds(sheet, "   Q = 11 x 0.0283 = 0.3113 cms, rounded to 0.1: 0.3 cms"));
}

}  // namespace
}  // namespace sw
