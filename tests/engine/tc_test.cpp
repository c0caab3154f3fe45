#include <gtest/gtest.h>

#include "core/messages.h"
#include "engine/tc.h"
#include "enginefixture.h"

namespace sw {
namespace {

TEST(ToFeet, ConvertsAndRoundsToHundredths)
{
    EXPECT_EQ(ToFeet(100, "m"), 328.08);
    EXPECT_EQ(ToFeet(300, "m"), 984.24);
    EXPECT_EQ(ToFeet(12.344, "ft"), 12.34);
    EXPECT_EQ(ToFeet(5, "yd"), -1);
    EXPECT_EQ(ToFeet(5, "FT"), -1);
    EXPECT_EQ(ToFeet(-10, "m"), -32.81);
}

TEST(CalSlope, RoundsToFiveDecimalsAndNeedsALength)
{
    EXPECT_EQ(CalSlope(1010, 1000, 1000), 0.01);
    EXPECT_EQ(CalSlope(1000.5, 1000, 3000), 0.00017);
    EXPECT_EQ(CalSlope(1000, 1010, 1000), -0.01);
    EXPECT_FALSE(CalSlope(1010, 1000, 0).has_value());
    EXPECT_FALSE(CalSlope(1010, 1000, -50).has_value());
}

struct TcCase {
    double slope;
    double length;
    double factor;
    double minutes;
};

class CalTCCases : public ::testing::TestWithParam<TcCase> {};

TEST_P(CalTCCases, KirpichWithTheFiveMinuteFloor)
{
    const TcCase& c = GetParam();
    const TcResult r = CalTC(c.slope, c.length, c.factor);
    ASSERT_TRUE(r.Minutes) << r.Reason;
    EXPECT_EQ(*r.Minutes, c.minutes);
}

INSTANTIATE_TEST_SUITE_P(Cases, CalTCCases,
                         ::testing::Values(TcCase{0.01, 1000, 1, 9.38}, TcCase{0.005, 2000, 1, 20.88},
                                           TcCase{0.005, 2000, 1.5, 31.32}, TcCase{0.05, 200, 1, 5.0},
                                           TcCase{0.01, 1000, 0.2, 5.0}, TcCase{0.01, 1000, 2, 18.76}));

struct RefusedTc {
    double slope;
    double length;
    double factor;
    std::string_view reason;
};

class CalTCRefused : public ::testing::TestWithParam<RefusedTc> {};

TEST_P(CalTCRefused, GivesNoTimeForUnusableInputs)
{
    const RefusedTc& c = GetParam();
    const TcResult r = CalTC(c.slope, c.length, c.factor);
    EXPECT_FALSE(r.Minutes.has_value());
    EXPECT_EQ(r.Reason, c.reason);
}

INSTANTIATE_TEST_SUITE_P(Cases, CalTCRefused,
                         ::testing::Values(RefusedTc{0, 1000, 1, msg::kSlopeNotPositive},
                                           RefusedTc{-0.01, 1000, 1, msg::kSlopeNotPositive},
                                           RefusedTc{0.01, 0, 1, msg::kLengthNotPositive},
                                           RefusedTc{0.01, -100, 1, msg::kLengthNotPositive},
                                           RefusedTc{0.01, 1000, 0, msg::kFactorNotPositive},
                                           RefusedTc{0.01, 1000, -1, msg::kFactorNotPositive},
                                           RefusedTc{1e-300, 1e300, 1, msg::kInputsNotFinite}));

TEST(ComputeSlopeAndTc, RefusesAUnitItCannotConvert)
{
    CulvertRecord c = testing::completeCulvert();
    c.LenTravelUnit = "yd";
    c.Intensity = 5.3;
    const TcOutcome o = computeSlopeAndTc(c);
    EXPECT_FALSE(o.Computed);
    EXPECT_EQ(o.Reason, msg::kUnitUnknown);
    EXPECT_EQ(c.Intensity, 0.0);
}

TEST(ComputeSlopeAndTc, WithdrawsTheIntensityWhenTheTimeCannotBeComputed)
{
    CulvertRecord c = testing::completeCulvert();
    c.Intensity = 5.3;
    c.Bracket = IntensityBracket{10, 5, 10, 3.76, 1.31, 2.84, 1.08};
    ASSERT_TRUE(computeSlopeAndTc(c).Computed);
    EXPECT_EQ(c.Slope, 0.01);
    EXPECT_EQ(c.CorTC, 9.38);
    EXPECT_EQ(c.Intensity, 5.3);  // computing the time alone leaves the intensity to its own step

    c.EleRemoteFt = c.EleCulvertFt;  // equal elevations: slope 0
    const TcOutcome o = computeSlopeAndTc(c);
    EXPECT_FALSE(o.Computed);
    EXPECT_EQ(o.Reason, msg::kSlopeNotPositive);
    EXPECT_EQ(c.Slope, 0.0);
    EXPECT_EQ(c.CorTC, 0.0);
    EXPECT_EQ(c.Intensity, 0.0);
    EXPECT_FALSE(c.Bracket.has_value());
}

struct CheckCase {
    const char* remote;
    const char* remoteUnit;
    const char* inlet;
    const char* inletUnit;
    const char* length;
    const char* lengthUnit;
    std::int16_t code;
    std::string_view message;
    IntensityInput focus;
    bool tint;
};

class CheckInputs : public ::testing::TestWithParam<CheckCase> {};

TEST_P(CheckInputs, StopsAtTheFirstFailure)
{
    const CheckCase& c = GetParam();
    const InputCheck r = CheckIntensityInputs(c.remote, c.remoteUnit, c.inlet, c.inletUnit, c.length, c.lengthUnit);
    EXPECT_EQ(r.Code, c.code);
    EXPECT_EQ(r.Message, c.message);
    EXPECT_EQ(r.Focus, c.focus);
    EXPECT_EQ(r.TintInlet, c.tint);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CheckInputs,
    ::testing::Values(
        CheckCase{"0", "ft", "0", "ft", "0", "ft", -678, msg::kRemoteZero, IntensityInput::EleRemote, false},
        CheckCase{"1010", "ft", "", "ft", "0", "ft", -678, msg::kInletZero, IntensityInput::EleCulvert, false},
        CheckCase{"1010", "ft", "1000", "ft", "abc", "ft", -678, msg::kLengthZero, IntensityInput::LenTravel, false},
        CheckCase{"300", "m", "1000", "ft", "500", "ft", -678, msg::kRemoteBelowInlet, IntensityInput::EleCulvert, true},
        CheckCase{"1000", "ft", "1000", "ft", "500", "ft", 678, "", IntensityInput::None, false},
        CheckCase{"-5", "ft", "-10", "ft", "-500", "ft", 678, "", IntensityInput::None, false},
        CheckCase{"310", "m", "1000", "ft", "500", "ft", 678, "", IntensityInput::None, false},
        // a unit typed into the box would count as -1 ft
        CheckCase{"1010", "yd", "1000", "ft", "500", "ft", -678, msg::kUnitUnknown, IntensityInput::EleRemoteUnit, false},
        CheckCase{"1010", "ft", "1000", "", "500", "ft", -678, msg::kUnitUnknown, IntensityInput::EleCulvertUnit, false},
        CheckCase{"1010", "ft", "1000", "ft", "500", "yd", -678, msg::kUnitUnknown, IntensityInput::LenTravelUnit, false}));

}  // namespace
}  // namespace sw
