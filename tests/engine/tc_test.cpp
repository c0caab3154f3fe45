#include <gtest/gtest.h>

#include "core/messages.h"
#include "engine/tc.h"
#include "enginefixture.h"

namespace sw {
namespace {

// Feet to hundredths, the slope to five decimals over a positive length.
TEST(ToFeetAndCalSlope, RoundAndNeedAKnownUnitAndALength)
{
    EXPECT_EQ(ToFeet(100, "m"), 328.08);
    EXPECT_EQ(ToFeet(300, "m"), 984.24);
    EXPECT_EQ(ToFeet(12.344, "ft"), 12.34);
    EXPECT_EQ(ToFeet(5, "yd"), -1);
    EXPECT_EQ(CalSlope(1010, 1000, 1000), 0.01);
    EXPECT_EQ(CalSlope(1000.5, 1000, 3000), 0.00017);
    EXPECT_FALSE(CalSlope(1010, 1000, 0).has_value());
    EXPECT_FALSE(CalSlope(1010, 1000, -50).has_value());
}

// Unusable inputs give no time, and say why.
TEST(CalTC, KirpichWithTheFiveMinuteFloorAndNoTimeForUnusableInputs)
{
    struct Case {
        double slope, length, factor;
        std::optional<double> minutes;
        std::string_view reason;
    };
    const Case cases[] = {
        {0.01, 1000, 1, 9.38, ""}, {0.005, 2000, 1, 20.88, ""}, {0.005, 2000, 1.5, 31.32, ""},
        {0.05, 200, 1, 5.0, ""},  // 1.46 minutes raised to the floor
        {0.01, 1000, 0.2, 5.0, ""}, {0.01, 1000, 2, 18.76, ""},
        {0, 1000, 1, {}, msg::kSlopeNotPositive},     {-0.01, 1000, 1, {}, msg::kSlopeNotPositive},
        {0.01, 0, 1, {}, msg::kLengthNotPositive},    {0.01, -100, 1, {}, msg::kLengthNotPositive},
        {0.01, 1000, 0, {}, msg::kFactorNotPositive}, {0.01, 1000, -1, {}, msg::kFactorNotPositive},
        {1e-300, 1e300, 1, {}, msg::kInputsNotFinite},
    };
    for (const Case& c : cases) {
        const TcResult r = CalTC(c.slope, c.length, c.factor);
        EXPECT_EQ(r.Minutes, c.minutes) << c.slope << " " << c.length << " " << c.factor;
        EXPECT_EQ(r.Reason, c.reason) << c.slope << " " << c.length << " " << c.factor;
    }
}

// A unit it cannot convert withdraws it too: the run's table of unusable inputs in discharge_test.cpp.
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

TEST(CheckIntensityInputs, StopsAtTheFirstFailure)
{
    struct Case {
        const char *remote, *remoteUnit, *inlet, *inletUnit, *length, *lengthUnit;
        std::string_view message;
        IntensityInput focus;
        bool tint;
    };
    const Case cases[] = {
        {"0", "ft", "0", "ft", "0", "ft", msg::kRemoteZero, IntensityInput::EleRemote, false},
        {"1010", "ft", "", "ft", "0", "ft", msg::kInletZero, IntensityInput::EleCulvert, false},
        {"1010", "ft", "1000", "ft", "abc", "ft", msg::kLengthZero, IntensityInput::LenTravel, false},
        // compared in feet: 300 m is 984.24 ft
        {"300", "m", "1000", "ft", "500", "ft", msg::kRemoteBelowInlet, IntensityInput::EleCulvert, true},
        {"1000", "ft", "1000", "ft", "500", "ft", "", {}, false},
        {"-5", "ft", "-10", "ft", "-500", "ft", "", {}, false},  // zero only
        // a unit typed into a unit box would count as -1 ft
        {"1010", "yd", "1000", "ft", "500", "ft", msg::kUnitUnknown, IntensityInput::EleRemoteUnit, false},
        {"1010", "ft", "1000", "", "500", "ft", msg::kUnitUnknown, IntensityInput::EleCulvertUnit, false},
        {"1010", "ft", "1000", "ft", "500", "yd", msg::kUnitUnknown, IntensityInput::LenTravelUnit, false},
    };
    for (const Case& c : cases) {
        const std::optional<InputRefusal> r =
            CheckIntensityInputs(c.remote, c.remoteUnit, c.inlet, c.inletUnit, c.length, c.lengthUnit);
        const std::optional<InputRefusal> expected =
            c.message.empty() ? std::nullopt : std::optional(InputRefusal{std::string(c.message), c.focus, c.tint});
        EXPECT_EQ(r, expected) << c.remote << " " << c.inlet << " " << c.length;
    }
}

}  // namespace
}  // namespace sw
