#include <gtest/gtest.h>

#include "core/messages.h"
#include "core/text.h"
#include "engine/discharge.h"
#include "enginefixture.h"

namespace sw {
namespace {

TEST(CalCulvert, ComputesTheWholeChainInOrder)
{
    AppState s = testing::stateWith({testing::completeCulvert()});
    const CulvertRun run = CalCulvert(s, 0);
    ASSERT_TRUE(run.computed()) << run.Reason;
    EXPECT_EQ(run.Code, -1);
    const CulvertRecord& c = s.CulvertList[0];
    EXPECT_EQ(c.TotalArea, 4.0);
    EXPECT_EQ(c.WeightedC, 0.45);
    EXPECT_EQ(c.Slope, 0.01);
    EXPECT_EQ(c.CorTC, 9.38);
    EXPECT_EQ(c.Intensity, 5.5);
    EXPECT_EQ(run.IntensityLine, "Intensity (in/hr): 5.45 (138 mm/hr) ");
    EXPECT_EQ(run.Totals, (TotalsLabels{"4.0", "0.45"}));
    // 5.5 x 0.45 x 4.0 = 9.9 cfs; 9.9 x 0.0283 = 0.28017
    EXPECT_EQ(CalQ(c).Text, "9.9 cfs (0.3 cms)");
}

TEST(CalCulvert, UsesTheStoredFeetNotTheEnteredValues)
{
    CulvertRecord c = testing::completeCulvert();
    c.EleRemote = 400;  // as entered, in metres; the stored feet are what count
    c.EleRemoteUnit = "m";
    AppState s = testing::stateWith({c});
    ASSERT_TRUE(CalCulvert(s, 0).computed());
    EXPECT_EQ(s.CulvertList[0].Slope, 0.01);
}

TEST(CalCulvert, IncompleteInputsComputeAndChangeNothing)
{
    using Change = void (*)(CulvertRecord&);
    const std::pair<const char*, Change> cases[] = {
        {"factor 0", [](CulvertRecord& c) { c.CorFactor = 0; }},
        {"remote 0", [](CulvertRecord& c) { c.EleRemote = 0; }},
        {"inlet 0", [](CulvertRecord& c) { c.EleCulvert = 0; }},
        {"length 0", [](CulvertRecord& c) { c.LenTravel = 0; }},
        {"no sub-areas", [](CulvertRecord& c) { c.NumOfAreas = "0"; }},
        {"sub-area count not a number", [](CulvertRecord& c) { c.NumOfAreas = "abc"; }},
        {"no return period", [](CulvertRecord& c) { c.RetPeriod.clear(); }},
        {"no zone", [](CulvertRecord& c) { c.RFZone.clear(); }},
    };
    for (const auto& [name, change] : cases) {
        CulvertRecord first = testing::completeCulvert("A1");
        CulvertRecord c = testing::completeCulvert("B7");
        c.Intensity = 2.2;
        change(c);
        AppState s = testing::stateWith({first, c}, 1);
        const CulvertRecord before = s.CulvertList[1];
        const CulvertRun run = CalCulvert(s, 1);
        EXPECT_EQ(run.status, CulvertRun::Status::Incomplete) << name;
        EXPECT_EQ(run.Code, 1) << name;
        EXPECT_EQ(s.CulvertList[1], before) << name;
    }
}

TEST(CalCulvert, NegativeElevationsAreStillComputed)
{
    CulvertRecord c = testing::completeCulvert();
    c.EleRemote = c.EleRemoteFt = -5;
    c.EleCulvert = c.EleCulvertFt = -15;
    AppState s = testing::stateWith({c});
    ASSERT_TRUE(CalCulvert(s, 0).computed());
    EXPECT_EQ(s.CulvertList[0].Slope, 0.01);
}

// A culvert computed once and then given inputs the formulas cannot use must not keep its old
// intensity: the board and the reports would show a Q of inputs that no longer exist.
TEST(CalCulvert, UnusableInputsAreReportedAndLeaveNoStaleIntensity)
{
    using Change = void (*)(CulvertRecord&);
    const std::pair<Change, std::string_view> cases[] = {
        {[](CulvertRecord& c) { c.EleRemoteFt = c.EleCulvertFt; }, msg::kSlopeNotPositive},
        {[](CulvertRecord& c) { c.LenTravel = c.LenTravelFt = -1000; }, msg::kLengthNotPositive},
        {[](CulvertRecord& c) { c.CorFactor = -1; }, msg::kFactorNotPositive},
        {[](CulvertRecord& c) { c.RetPeriod = "1"; }, msg::kReturnPeriodTooShort},
        {[](CulvertRecord& c) { c.RFZone = "D"; }, msg::kZoneUnknown},
    };
    for (const auto& [change, reason] : cases) {
        AppState s = testing::stateWith({testing::completeCulvert()});
        ASSERT_TRUE(CalCulvert(s, 0).computed());
        ASSERT_EQ(s.CulvertList[0].Intensity, 5.5);
        change(s.CulvertList[0]);
        const CulvertRun run = CalCulvert(s, 0);
        EXPECT_EQ(run.status, CulvertRun::Status::NotComputable) << reason;
        EXPECT_EQ(run.Code, 0);
        EXPECT_EQ(run.Reason, reason);
        EXPECT_EQ(s.CulvertList[0].Intensity, 0.0);
        EXPECT_FALSE(s.CulvertList[0].Bracket.has_value());
        EXPECT_EQ(CalQ(s.CulvertList[0]).Cfs, 0.0);
    }
}

// A hand-edited file must not compute what the editors would refuse: the reason names the row and
// the value, nothing is stored, and an earlier result is withdrawn.
TEST(CalCulvert, StoredInputsTheEditorsWouldRefuseAreNotComputed)
{
    using Change = void (*)(CulvertRecord&);
    const std::pair<Change, std::string> cases[] = {
        {[](CulvertRecord& c) { c.Areas[1].C = -5; },
         "Sub-area 2 (\"Grass\"): its runoff coefficient -5 is not a positive number."},
        {[](CulvertRecord& c) { c.Areas[0].C = 0; },
         "Sub-area 1 (\"Roof\"): its runoff coefficient 0 is not a positive number."},
        {[](CulvertRecord& c) { c.Areas[0].AreaText = "1e309 a"; },
         "Sub-area 1 (\"Roof\"): its area \"1e309 a\" is not a positive number of at most 99999999 followed by a "
         "blank and the unit letter a, h, f or m."},
        {[](CulvertRecord& c) { c.Areas[1].AreaText = "NaN a"; }, "Sub-area 2 (\"Grass\"): its area \"NaN a\""},
        {[](CulvertRecord& c) { c.Areas[1].AreaText = "1e300 h"; }, "Sub-area 2 (\"Grass\"): its area \"1e300 h\""},
        {[](CulvertRecord& c) { c.Areas[1].AreaText = "-3 a"; }, "Sub-area 2 (\"Grass\"): its area \"-3 a\""},
        {[](CulvertRecord& c) { c.Areas[1].AreaText = "3 x"; }, "Sub-area 2 (\"Grass\"): its area \"3 x\""},
        {[](CulvertRecord& c) { c.Areas[1].AreaText = "3"; }, "Sub-area 2 (\"Grass\"): its area \"3\""},
        {[](CulvertRecord& c) { c.RetPeriod = "32768"; },
         "The return period \"32768\" is longer than 32767 years: the rainfall intensity cannot be computed."},
        {[](CulvertRecord& c) { c.RetPeriod = "2147483648"; }, "The return period \"2147483648\" is longer"},
        {[](CulvertRecord& c) { c.RetPeriod = "99999999999999999999"; },
         "The return period \"99999999999999999999\" is longer"},
        {[](CulvertRecord& c) { c.NumOfAreas = "3"; }, "The culvert counts 3 sub-areas but holds only 2."},
    };
    for (const auto& [change, reason] : cases) {
        CulvertRecord c = testing::completeCulvert();
        c.Areas[0].Surface = "Roof";
        c.Areas[1].Surface = "Grass";
        AppState s = testing::stateWith({c});
        ASSERT_TRUE(CalCulvert(s, 0).computed());
        change(s.CulvertList[0]);
        const CulvertRecord before = s.CulvertList[0];
        const CulvertRun run = CalCulvert(s, 0);
        EXPECT_EQ(run.status, CulvertRun::Status::NotComputable) << reason;
        EXPECT_TRUE(run.Reason.starts_with(reason)) << run.Reason;
        EXPECT_EQ(s.CulvertList[0].TotalArea, before.TotalArea) << reason;
        EXPECT_EQ(s.CulvertList[0].Intensity, 0.0) << reason;
        EXPECT_FALSE(s.CulvertList[0].Bracket.has_value()) << reason;
    }
    // What the editors take still computes: a typed 10.5 years, an area in square feet that
    // rounds to 0 acres, the largest area the field holds.
    for (const Change change : {Change([](CulvertRecord& c) { c.RetPeriod = "10.5"; }),
                                Change([](CulvertRecord& c) { c.Areas[0].AreaText = "100 f"; }),
                                Change([](CulvertRecord& c) { c.Areas[0].AreaText = "99999999 m"; }),
                                Change([](CulvertRecord& c) { c.RetPeriod = "32767"; })}) {
        AppState s = testing::stateWith({testing::completeCulvert()});
        change(s.CulvertList[0]);
        EXPECT_TRUE(CalCulvert(s, 0).computed()) << s.CulvertList[0].RetPeriod << s.CulvertList[0].Areas[0].AreaText;
    }
}

TEST(CalCulvert, TimeBeyondTheTableNamesTheTimeAndLeavesNoStaleIntensity)
{
    AppState s = testing::stateWith({testing::completeCulvert()});
    ASSERT_TRUE(CalCulvert(s, 0).computed());
    CulvertRecord& c = s.CulvertList[0];
    // 0.0078 x 500000^0.77 x 0.00001^-0.385: about 16,000 minutes, far beyond a day
    c.LenTravel = c.LenTravelFt = 500000;
    c.EleRemoteFt = 1005;
    const CulvertRun run = CalCulvert(s, 0);
    EXPECT_EQ(run.status, CulvertRun::Status::NotComputable);
    EXPECT_GT(c.CorTC, 1440.0);
    EXPECT_EQ(c.Intensity, 0.0);
    EXPECT_FALSE(c.Bracket.has_value());
    EXPECT_NE(run.Reason.find("1440-minute"), std::string::npos) << run.Reason;
    EXPECT_EQ(run.Reason.rfind("The corrected time of concentration (", 0), 0u) << run.Reason;

    // A factor of 1e300 makes a time of 301 digits: the message says it in a power of ten.
    c = testing::completeCulvert();
    c.CorFactor = 1e300;
    EXPECT_EQ(CalCulvert(s, 0).Reason, fillMessage(msg::kTcBeyondTable, {"9.3777 x 10^300"}));
}

TEST(CalCulvert, RefusedWhileNoCulvertIsSelected)
{
    AppState s = testing::stateWith({testing::completeCulvert()}, kNoCulvert);
    const CulvertRun run = CalCulvert(s, 0);
    EXPECT_FALSE(run.computed());
    EXPECT_EQ(run.Reason, "Pelase select a culvert no");
}

TEST(CalQ, MultipliesTheRoundedStoredValues)
{
    CulvertRecord c;
    c.Intensity = 5.3;
    c.WeightedC = 0.45;
    c.TotalArea = 4.0;
    Discharge q = CalQ(c);
    EXPECT_EQ(q.Cfs, 9.5);  // 9.54
    EXPECT_EQ(q.Cms, 0.3);  // 0.26885
    EXPECT_EQ(q.Text, "9.5 cfs (0.3 cms)");

    c.Intensity = 4.2;
    c.WeightedC = 0.9;
    c.TotalArea = 0.0;
    EXPECT_EQ(CalQ(c).Text, "0 cfs (0 cms)");

    c.Intensity = 6.0;
    c.WeightedC = 0.5;
    c.TotalArea = 4.0;
    EXPECT_EQ(CalQ(c).Text, "12 cfs (0.3 cms)");  // 0.3396
}

TEST(LengthDisplay, AddsFeetOnlyWhenTheyDiffer)
{
    EXPECT_EQ(LengthDisplay(1000, "ft", 1000), "1000 ft");
    EXPECT_EQ(LengthDisplay(300, "m", 984.24), "300 m (984.24 ft)");
    EXPECT_EQ(LengthDisplay(0.5, "ft", 0.5), "0.5 ft");
}

}  // namespace
}  // namespace sw
