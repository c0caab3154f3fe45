#include "engine/tc.h"

#include <cmath>

#include "core/messages.h"
#include "core/numbers.h"
#include "engine/compute.h"
#include "engine/tables.h"

namespace sw {

double ToFeet(double value, std::string_view unit)
{
    const DesignTables& t = designTables();
    for (std::size_t k = 0; k < t.LengthUnitNames.size(); ++k)
        if (unit == t.LengthUnitNames[k])
            return roundTo(t.LengthUnitFactors[k] * value, 2);
    return -1.0;
}

bool isLengthUnit(std::string_view unit)
{
    for (const std::string& name : designTables().LengthUnitNames)
        if (unit == name)
            return true;
    return false;
}

std::optional<double> CalSlope(double remoteFt, double inletFt, double lengthFt)
{
    if (!(lengthFt > 0.0))
        return std::nullopt;
    const double slope = roundTo((remoteFt - inletFt) / lengthFt, 5);
    if (!std::isfinite(slope))
        return std::nullopt;
    return slope;
}

TcFormula tcFormula(double slope, double lengthFt, double factor)
{
    TcFormula f;
    if (!(lengthFt > 0.0) || !std::isfinite(lengthFt))
        f.Reason = msg::kLengthNotPositive;
    else if (!(slope > 0.0) || !std::isfinite(slope))
        f.Reason = msg::kSlopeNotPositive;
    else if (!(factor > 0.0) || !std::isfinite(factor))
        f.Reason = msg::kFactorNotPositive;
    if (!f.Reason.empty())
        return f;
    double t = std::pow(lengthFt, 0.77) * 0.0078;
    t *= std::pow(slope, -0.385);
    t *= factor;
    if (!std::isfinite(t)) {
        f.Reason = msg::kInputsNotFinite;
        return f;
    }
    f.Exact = t;
    f.Rounded = roundTo(t, 2);
    f.Floored = f.Rounded < 5.0;
    f.Minutes = f.Floored ? 5.0 : f.Rounded;
    return f;
}

TcResult CalTC(double slope, double lengthFt, double factor)
{
    const TcFormula f = tcFormula(slope, lengthFt, factor);
    if (!f.Reason.empty())
        return {std::nullopt, f.Reason};
    return {f.Minutes, {}};
}

TcOutcome computeSlopeAndTc(CulvertRecord& culvert)
{
    const TcComputation tc = computeTc(culvert);
    culvert.Slope = tc.Slope.value_or(0.0);
    if (!tc.Step) {
        culvert.CorTC = 0.0;
        withdrawIntensity(culvert);
        return {false, tc.Reason};
    }
    culvert.CorTC = tc.Step->CorTC;
    return {true, {}};
}

std::optional<InputRefusal> CheckIntensityInputs(std::string_view remoteText, std::string_view remoteUnit,
                                                 std::string_view inletText, std::string_view inletUnit,
                                                 std::string_view lengthText, std::string_view lengthUnit)
{
    const double remote = numericValue(remoteText);
    const double inlet = numericValue(inletText);
    const double length = numericValue(lengthText);
    auto refused = [](std::string_view message, IntensityInput focus, bool tint = false) {
        return std::optional<InputRefusal>(InputRefusal{std::string(message), focus, tint});
    };
    if (remote == 0.0)
        return refused(msg::kRemoteZero, IntensityInput::EleRemote);
    if (inlet == 0.0)
        return refused(msg::kInletZero, IntensityInput::EleCulvert);
    if (length == 0.0)
        return refused(msg::kLengthZero, IntensityInput::LenTravel);
    if (!isLengthUnit(remoteUnit))
        return refused(msg::kUnitUnknown, IntensityInput::EleRemoteUnit);
    if (!isLengthUnit(inletUnit))
        return refused(msg::kUnitUnknown, IntensityInput::EleCulvertUnit);
    if (!isLengthUnit(lengthUnit))
        return refused(msg::kUnitUnknown, IntensityInput::LenTravelUnit);
    if (ToFeet(remote, remoteUnit) < ToFeet(inlet, inletUnit))
        return refused(msg::kRemoteBelowInlet, IntensityInput::EleCulvert, true);
    return std::nullopt;
}

}  // namespace sw
