// The calculation sheet: each step with the numbers the engine computed, on the worked values the
// engine is known by. The floor, areas in square feet, a sheet that stops and the flags listed
// before the steps are in the batch command's recorded sheets (tests/app/golden/*-calc-*).

#include <gtest/gtest.h>

#include <algorithm>

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
             "Calculation sheet of culvert C-7, STA 12+50",
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

// The sheet writes Q from the values the board shows, so that a whole discharge reads 11 on both,
// not 11.0.
TEST(CalculationSheet, AWholeDischargeReadsAsOnTheBoard)
{
    CulvertRecord c = testing::completeCulvert();
    c.Areas[1].C = 0.37;  // C 0.5025, rounded 0.5: Q = 5.5 x 0.5 x 4 = 11 cfs
    const std::vector<std::string> sheet = calculationSheet(c, computeCulvert(c));
    EXPECT_TRUE(holds(sheet, "   Q = i x C x A = 5.5 x 0.5 x 4 = 11 cfs, rounded to 0.1: 11 cfs"));
    EXPECT_TRUE(holds(sheet, "   Q = 11 x 0.0283 = 0.3113 cms, rounded to 0.1: 0.3 cms"));
    // The time before correction is the rounded corrected time divided back, not the formula's.
    c.LenTravel = c.LenTravelFt = 2000;  // slope 0.005, 20.88 min by the formula
    c.CorFactor = 1.5;
    EXPECT_TRUE(holds(calculationSheet(c, computeCulvert(c)),
                      "   Tc before correction, as the board and the report show it: corrected Tc / F = 31.32 / 1.5 = 20.88 min"));
}

}  // namespace
}  // namespace sw
