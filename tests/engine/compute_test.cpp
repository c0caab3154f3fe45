// The one computation of a culvert: every intermediate value, as each rounded result is used further,
// and where a culvert that cannot be computed stops.

#include <gtest/gtest.h>

#include <cmath>

#include "core/messages.h"
#include "engine/compute.h"
#include "engine/discharge.h"
#include "enginefixture.h"

namespace sw {
namespace {

// 0.9 on 1 acre and 0.3 on 3 acres (a surface of the user's own); 1010 ft to 1000 ft over
// 1000 ft, factor 1; zone A, 10 years.
TEST(ComputeCulvert, EveryIntermediateValueOfAWorkedExampleAndTheFloor)
{
    const CulvertComputation c = computeCulvert(testing::completeCulvert());
    ASSERT_TRUE(c.computed()) << c.Reason;

    ASSERT_EQ(c.Runoff->Areas.size(), 2u);
    EXPECT_TRUE(c.Runoff->Areas[0].TableC);
    EXPECT_FALSE(c.Runoff->Areas[1].TableC);
    EXPECT_DOUBLE_EQ(c.Runoff->Areas[1].CA, 0.9);
    EXPECT_DOUBLE_EQ(c.Runoff->Sums.SumCA, 1.8);
    EXPECT_DOUBLE_EQ(c.Runoff->Sums.SumA, 4.0);
    EXPECT_DOUBLE_EQ(c.Runoff->Sums.WeightedC, 0.45);
    EXPECT_EQ(std::tie(c.Runoff->WeightedC, c.Runoff->TotalArea), std::make_tuple(0.45, 4.0));

    const TcStep& tc = *c.Tc;
    EXPECT_EQ(std::tie(tc.Remote.Feet, tc.Inlet.Feet, tc.Travel.Feet), std::make_tuple(1010.0, 1000.0, 1000.0));
    EXPECT_DOUBLE_EQ(tc.SlopeExact, 0.01);
    EXPECT_EQ(tc.Slope, 0.01);
    // 0.0078 x 1000^0.77 x 0.01^-0.385 = 9.3777...
    EXPECT_NEAR(tc.TcExact, 0.0078 * std::pow(1000.0, 0.77) * std::pow(0.01, -0.385), 1e-12);
    EXPECT_EQ(std::tie(tc.TcRounded, tc.Floored, tc.CorTC), std::make_tuple(9.38, false, 9.38));
    EXPECT_EQ(tc.FactorSource, "Design Manual");

    const IntensityStep& i = *c.Intensity;
    EXPECT_EQ(i.Zone, 0u);
    EXPECT_EQ(i.Bracket, (IntensityBracket{9.38, 5, 10, 3.76, 1.31, 2.84, 1.08}));
    EXPECT_NEAR(i.FreqTerm, 2.25037, 5e-6);
    EXPECT_NEAR(i.I1, 2.25037 * 1.31 + 3.76, 1e-5);  // 6.708
    EXPECT_NEAR(i.I2, 2.25037 * 1.08 + 2.84, 1e-5);  // 5.270
    EXPECT_NEAR(i.IExact, (i.I2 - i.I1) / 5 * 4.38 + i.I1, 1e-12);
    EXPECT_EQ(std::tie(i.IListed, i.Intensity), std::make_tuple(5.45, 5.5));

    // Q = 5.5 x 0.45 x 4.0 = 9.9 cfs; 9.9 x 0.0283 = 0.28017 -> 0.3 cms
    EXPECT_DOUBLE_EQ(c.Discharge->Product, 5.5 * 0.45 * 4.0);
    EXPECT_EQ(std::tie(c.Discharge->Cfs, c.Discharge->Cms), std::make_tuple(9.9, 0.3));
    EXPECT_DOUBLE_EQ(c.Discharge->CmsExact, 9.9 * 0.0283);

    // What the run stores of the same culvert, and the texts the board shows of it.
    Document s = testing::stateWith({testing::completeCulvert()});
    const CulvertRun run = CalCulvert(s, 0);
    ASSERT_TRUE(run.computed() && run.Reason.empty()) << run.Reason;
    const CulvertRecord& r = s.CulvertList[0];
    EXPECT_EQ(std::tie(r.TotalArea, r.WeightedC, r.Slope, r.CorTC, r.Intensity, r.Bracket),
              std::make_tuple(4.0, 0.45, 0.01, 9.38, 5.5, i.Bracket));
    EXPECT_EQ(run.IntensityLine, "Intensity (in/hr): 5.45 (138 mm/hr) ");
    EXPECT_EQ(run.Totals, (TotalsLabels{"4.0", "0.45"}));
    EXPECT_EQ(CalQ(r).Text, "9.9 cfs (0.3 cms)");

    // The five-minute floor is shown: 10 ft over 200 ft, slope 0.05, 1.46 minutes by the formula.
    CulvertRecord floored = testing::completeCulvert();
    floored.LenTravel = floored.LenTravelFt = 200;
    const CulvertComputation out = computeCulvert(floored);
    ASSERT_TRUE(out.computed());
    EXPECT_EQ(std::tie(out.Tc->TcRounded, out.Tc->Floored, out.Tc->CorTC), std::make_tuple(1.46, true, 5.0));
}

// Where a culvert stops is said, in the order a designer fills it in; a run of a culvert whose
// inputs are still missing changes nothing.
TEST(ComputeCulvert, SaysWhichInputStopsItAndARunChangesNothing)
{
    using Change = void (*)(CulvertRecord&);
    const std::tuple<const char*, Change, std::string_view> cases[] = {
        {"no zone", [](CulvertRecord& c) { c.RFZone.clear(); }, msg::kMissingZone},
        {"no return period", [](CulvertRecord& c) { c.RetPeriod.clear(); }, msg::kMissingReturnPeriod},
        {"no sub-areas", [](CulvertRecord& c) { c.NumOfAreas = "0"; }, msg::kMissingSubAreas},
        {"sub-area count not a number", [](CulvertRecord& c) { c.NumOfAreas = "abc"; }, msg::kMissingSubAreas},
        {"remote 0", [](CulvertRecord& c) { c.EleRemote = 0; }, msg::kMissingRemote},
        {"inlet 0", [](CulvertRecord& c) { c.EleCulvert = 0; }, msg::kMissingInlet},
        {"length 0", [](CulvertRecord& c) { c.LenTravel = 0; }, msg::kMissingLength},
        {"factor 0", [](CulvertRecord& c) { c.CorFactor = 0; }, msg::kMissingFactor},
        // every input is there: the run refuses it as not computable
        {"slope 0", [](CulvertRecord& c) { c.EleRemoteFt = c.EleCulvertFt; }, msg::kSlopeNotPositive},
    };
    for (const auto& [name, change, reason] : cases) {
        CulvertRecord c = testing::completeCulvert("B7");
        c.Intensity = 2.2;
        change(c);
        const CulvertComputation out = computeCulvert(c);
        EXPECT_FALSE(out.computed()) << name;
        EXPECT_EQ(out.Reason, reason) << name;
        EXPECT_FALSE(out.Discharge.has_value()) << name;
        if (reason == msg::kSlopeNotPositive)
            continue;
        Document s = testing::stateWith({testing::completeCulvert("A1"), c});
        const CulvertRun run = CalCulvert(s, 1);
        EXPECT_EQ(std::tie(run.status, run.Reason), std::make_tuple(CulvertRun::Status::Incomplete, reason)) << name;
        EXPECT_EQ(s.CulvertList[1], c) << name;
    }
    Document none = testing::stateWith({});
    EXPECT_EQ(CalCulvert(none, 0).status, CulvertRun::Status::NoCulvert);
}

}  // namespace
}  // namespace sw
