#include <gtest/gtest.h>

#include "core/messages.h"
#include "core/text.h"
#include "engine/discharge.h"
#include "enginefixture.h"

namespace sw {
namespace {

// The slope comes from the stored feet, not from the values as entered, and below sea level too.
TEST(CalCulvert, SlopeOfTheStoredFeetEvenBelowSeaLevel)
{
    CulvertRecord entered = testing::completeCulvert();
    entered.EleRemote = 400;  // as entered, in metres; the stored feet are what count
    entered.EleRemoteUnit = "m";
    CulvertRecord negative = testing::completeCulvert();
    negative.EleRemote = negative.EleRemoteFt = -5;
    negative.EleCulvert = negative.EleCulvertFt = -15;
    for (const CulvertRecord& c : {entered, negative}) {
        Document s = testing::stateWith({c});
        ASSERT_TRUE(CalCulvert(s, 0).computed()) << c.EleRemote;
        EXPECT_EQ(s.CulvertList[0].Slope, 0.01) << c.EleRemote;
    }
}

// A culvert computed once and then given inputs the formulas cannot use, or that the editors would
// refuse (a hand-edited file), must not keep its old intensity: the board and the reports would
// show a Q of inputs that no longer exist. The reason names the row and the value.
TEST(CalCulvert, UnusableOrRefusedInputsAreReportedAndLeaveNoStaleIntensity)
{
    using Change = void (*)(CulvertRecord&);
    // The change, and the reason whole or (false) its start.
    const std::tuple<Change, std::string, bool> cases[] = {
        {[](CulvertRecord& c) { c.EleRemoteFt = c.EleCulvertFt; }, std::string(msg::kSlopeNotPositive), true},
        {[](CulvertRecord& c) { c.LenTravel = c.LenTravelFt = -1000; }, std::string(msg::kLengthNotPositive), true},
        {[](CulvertRecord& c) { c.CorFactor = -1; }, std::string(msg::kFactorNotPositive), true},
        {[](CulvertRecord& c) { c.RetPeriod = "1"; }, std::string(msg::kReturnPeriodTooShort), true},
        {[](CulvertRecord& c) { c.RFZone = "D"; }, std::string(msg::kZoneUnknown), true},
        // about 16,000 minutes, far beyond a day
        {[](CulvertRecord& c) {
             c.LenTravel = c.LenTravelFt = 500000;
             c.EleRemoteFt = 1005;
         },
         fillMessage(msg::kTcBeyondTable, {"16043.59"}), true},
        // a time of 301 digits, said in a power of ten
        {[](CulvertRecord& c) { c.CorFactor = 1e300; }, fillMessage(msg::kTcBeyondTable, {"9.3777 x 10^300"}), true},
        {[](CulvertRecord& c) { c.LenTravelUnit = "yd"; }, std::string(msg::kUnitUnknown), true},
        {[](CulvertRecord& c) { c.Areas[1].C = -5; },
         "Sub-area 2 (\"Grass\"): its runoff coefficient -5 is not a positive number.", false},
        {[](CulvertRecord& c) { c.Areas[0].C = 0; },
         "Sub-area 1 (\"Roof\"): its runoff coefficient 0 is not a positive number.", false},
        {[](CulvertRecord& c) { c.Areas[0].AreaText = "1e309 a"; },
         "Sub-area 1 (\"Roof\"): its area \"1e309 a\" is not a positive number of at most 99999999 followed by a "
         "blank and the unit letter a, h, f or m.", false},
        {[](CulvertRecord& c) { c.Areas[1].AreaText = "NaN a"; }, "Sub-area 2 (\"Grass\"): its area \"NaN a\"", false},
        {[](CulvertRecord& c) { c.Areas[1].AreaText = "1e300 h"; }, "Sub-area 2 (\"Grass\"): its area \"1e300 h\"",
         false},
        {[](CulvertRecord& c) { c.Areas[1].AreaText = "-3 a"; }, "Sub-area 2 (\"Grass\"): its area \"-3 a\"", false},
        {[](CulvertRecord& c) { c.Areas[1].AreaText = "3 x"; }, "Sub-area 2 (\"Grass\"): its area \"3 x\"", false},
        {[](CulvertRecord& c) { c.Areas[1].AreaText = "3"; }, "Sub-area 2 (\"Grass\"): its area \"3\"", false},
        {[](CulvertRecord& c) { c.RetPeriod = "32768"; },
         "The return period \"32768\" is longer than 32767 years: the rainfall intensity cannot be computed.", false},
        {[](CulvertRecord& c) { c.RetPeriod = "2147483648"; }, "The return period \"2147483648\" is longer", false},
        {[](CulvertRecord& c) { c.RetPeriod = "99999999999999999999"; },
         "The return period \"99999999999999999999\" is longer", false},
        {[](CulvertRecord& c) { c.NumOfAreas = "3"; }, "The culvert counts 3 sub-areas but holds only 2.", false},
    };
    for (const auto& [change, reason, whole] : cases) {
        CulvertRecord c = testing::completeCulvert();
        c.Areas[0].Surface = "Roof";
        c.Areas[1].Surface = "Grass";
        Document s = testing::stateWith({c});
        ASSERT_TRUE(CalCulvert(s, 0).computed());
        ASSERT_EQ(s.CulvertList[0].Intensity, 5.5);
        change(s.CulvertList[0]);
        const CulvertRecord before = s.CulvertList[0];
        const CulvertRun run = CalCulvert(s, 0);
        EXPECT_EQ(run.status, CulvertRun::Status::NotComputable) << reason;
        EXPECT_EQ(whole ? run.Reason : run.Reason.substr(0, reason.size()), reason) << run.Reason;
        EXPECT_EQ(s.CulvertList[0].TotalArea, before.TotalArea) << reason;
        // A time beyond the table is kept, so that the board shows why there is no intensity.
        if (reason.find("16043.59") != std::string::npos) {
            EXPECT_GT(s.CulvertList[0].CorTC, 1440.0);
        }
        EXPECT_EQ(s.CulvertList[0].Intensity, 0.0) << reason;
        EXPECT_FALSE(s.CulvertList[0].Bracket.has_value()) << reason;
        EXPECT_EQ(CalQ(s.CulvertList[0]).Cfs, 0.0) << reason;
    }
    // What the editors take still computes: a typed 10.5 years, an area in square feet that
    // rounds to 0 acres, the largest area the field holds.
    for (const Change change : {Change([](CulvertRecord& c) { c.RetPeriod = "10.5"; }),
                                Change([](CulvertRecord& c) { c.Areas[0].AreaText = "100 f"; }),
                                Change([](CulvertRecord& c) { c.Areas[0].AreaText = "99999999 m"; }),
                                Change([](CulvertRecord& c) { c.RetPeriod = "32767"; })}) {
        Document s = testing::stateWith({testing::completeCulvert()});
        change(s.CulvertList[0]);
        EXPECT_TRUE(CalCulvert(s, 0).computed()) << s.CulvertList[0].RetPeriod << s.CulvertList[0].Areas[0].AreaText;
    }
}

TEST(CalQ, MultipliesTheRoundedStoredValues)
{
    struct Case {
        double intensity, c, acres, cfs, cms;
        const char* text;
    };
    for (const Case& k : {Case{5.3, 0.45, 4.0, 9.5, 0.3, "9.5 cfs (0.3 cms)"},  // 9.54 cfs, 0.26885 cms
                          Case{4.2, 0.9, 0.0, 0, 0, "0 cfs (0 cms)"},
                          Case{6.0, 0.5, 4.0, 12, 0.3, "12 cfs (0.3 cms)"}}) {  // 0.3396 cms
        CulvertRecord c;
        std::tie(c.Intensity, c.WeightedC, c.TotalArea) = std::tie(k.intensity, k.c, k.acres);
        const Discharge q = CalQ(c);
        EXPECT_EQ(std::tie(q.Cfs, q.Cms, q.Text), std::make_tuple(k.cfs, k.cms, std::string(k.text)));
    }
}

}  // namespace
}  // namespace sw
