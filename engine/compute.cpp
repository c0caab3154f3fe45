#include "engine/compute.h"

#include <cmath>
#include <utility>

#include "core/messages.h"
#include "core/numbers.h"
#include "core/text.h"
#include "engine/arearows.h"
#include "engine/intensity.h"
#include "engine/runoff.h"
#include "engine/subarealine.h"
#include "engine/tables.h"
#include "engine/tc.h"

namespace sw {
namespace {

// The first input of a culvert that is missing, or nothing when all are there. Only zero counts as
// missing: a negative elevation is an elevation.
std::string missingInput(const CulvertRecord& c)
{
    if (c.RFZone.empty())
        return std::string(msg::kMissingZone);
    if (c.RetPeriod.empty())
        return std::string(msg::kMissingReturnPeriod);
    if (declaredAreaCount(c) == 0)
        return std::string(msg::kMissingSubAreas);
    if (c.EleRemote == 0.0)
        return std::string(msg::kMissingRemote);
    if (c.EleCulvert == 0.0)
        return std::string(msg::kMissingInlet);
    if (c.LenTravel == 0.0)
        return std::string(msg::kMissingLength);
    if (c.CorFactor == 0.0)
        return std::string(msg::kMissingFactor);
    return {};
}

// Inputs the editors would have refused: a hand-edited file must not give a discharge that no
// designer could have entered.
std::string storedInputProblem(const CulvertRecord& c)
{
    const auto declared = static_cast<std::uint64_t>(declaredAreaCount(c));
    if (declared > c.Areas.size())
        return fillMessage(msg::kAreaCountBeyondList, {std::to_string(declared), std::to_string(c.Areas.size())});
    for (std::size_t j = 0; j < declared; ++j)
        if (std::string problem = subAreaProblem(c.Areas[j], j + 1); !problem.empty())
            return problem;
    return returnPeriodProblem(c.RetPeriod);
}

}  // namespace

RunoffStep computeRunoff(const CulvertRecord& culvert)
{
    RunoffStep r;
    const std::size_t n = validAreaCount(culvert);
    r.Areas.reserve(n);
    std::vector<std::pair<double, double>> pairs;
    pairs.reserve(n);
    for (std::size_t j = 0; j < n; ++j) {
        const SubArea& a = culvert.Areas[j];
        r.Areas.push_back({a.C, isTableSurface(a.Surface), a.AreaAcres, a.C * a.AreaAcres});
        pairs.emplace_back(a.C, a.AreaAcres);
    }
    r.Sums = weightedSums(pairs);
    r.TotalArea = roundTo(r.Sums.SumA, 1);
    r.WeightedC = roundTo(r.Sums.WeightedC, 2);
    return r;
}

TcComputation computeTc(const CulvertRecord& c)
{
    TcComputation out;
    if (!isLengthUnit(c.EleRemoteUnit) || !isLengthUnit(c.EleCulvertUnit) || !isLengthUnit(c.LenTravelUnit)) {
        out.Reason = std::string(msg::kUnitUnknown);
        return out;
    }
    out.Slope = CalSlope(c.EleRemoteFt, c.EleCulvertFt, c.LenTravelFt);
    if (!out.Slope) {
        out.Reason = std::string(msg::kLengthNotPositive);
        return out;
    }
    const TcFormula f = tcFormula(*out.Slope, c.LenTravelFt, c.CorFactor);
    if (!f.Reason.empty()) {
        out.Reason = f.Reason;
        return out;
    }
    TcStep s;
    s.Remote = {c.EleRemote, c.EleRemoteUnit, c.EleRemoteFt};
    s.Inlet = {c.EleCulvert, c.EleCulvertUnit, c.EleCulvertFt};
    s.Travel = {c.LenTravel, c.LenTravelUnit, c.LenTravelFt};
    s.SlopeExact = (c.EleRemoteFt - c.EleCulvertFt) / c.LenTravelFt;
    s.Slope = *out.Slope;
    s.Factor = c.CorFactor;
    s.FactorSource = c.CorFactorSource;
    s.TcExact = f.Exact;
    s.TcRounded = f.Rounded;
    s.Floored = f.Floored;
    s.CorTC = f.Minutes;
    out.Step = std::move(s);
    return out;
}

std::string returnPeriodProblem(std::string_view retPeriod)
{
    const double T = numericValue(retPeriod);
    if (!(T > 1.0) || !std::isfinite(T))
        return std::string(msg::kReturnPeriodTooShort);
    if (!wholePartInt16(T))
        return fillMessage(msg::kReturnPeriodTooLong, {messageValue(retPeriod)});
    return {};
}

IntensityOutcome computeIntensity(std::string_view zone, std::string_view retPeriod, double corTC)
{
    IntensityOutcome out;
    if (zone.empty())
        return out;  // NoZone: silent
    auto notComputable = [&out](std::string reason) {
        out.status = IntensityOutcome::Status::NotComputable;
        out.Reason = std::move(reason);
        return out;
    };
    const DesignTables& t = designTables();
    std::size_t z = t.ZoneNames.size();
    for (std::size_t k = 0; k < t.ZoneNames.size(); ++k)
        if (zone == t.ZoneNames[k])
            z = k;
    if (z == t.ZoneNames.size())
        return notComputable(std::string(msg::kZoneUnknown));

    // The first pair of durations enclosing the time; the entries after the ninth are 0, so none
    // encloses a time beyond the table.
    const ZoneIdf& idf = t.IDFTable[z];
    std::size_t k = 0;
    bool found = false;
    for (; k + 1 < idf.Durations.size() && k <= 8; ++k) {
        if (idf.Durations[k] <= corTC && corTC <= idf.Durations[k + 1]) {
            found = true;
            break;
        }
    }
    if (!found)
        return notComputable(fillMessage(msg::kTcBeyondTable, {messageNumber(corTC)}));
    if (std::string problem = returnPeriodProblem(retPeriod); !problem.empty())
        return notComputable(std::move(problem));

    IntensityStep s;
    s.Zone = z;
    s.T = numericValue(retPeriod);
    s.Bracket = {corTC, idf.Durations[k], idf.Durations[k + 1], idf.CoefA[k], idf.CoefB[k], idf.CoefA[k + 1],
                 idf.CoefB[k + 1]};
    s.FreqTerm = FreqTerm(s.T);
    s.I1 = s.FreqTerm * s.Bracket.B1 + s.Bracket.A1;
    s.I2 = s.FreqTerm * s.Bracket.B2 + s.Bracket.A2;
    s.IExact = (s.I2 - s.I1) / (s.Bracket.Dur2 - s.Bracket.Dur1) * (corTC - s.Bracket.Dur1) + s.I1;
    s.IListed = InterpIntensity(s.T, corTC, s.Bracket.Dur1, s.Bracket.Dur2, s.Bracket.A1, s.Bracket.B1,
                                s.Bracket.A2, s.Bracket.B2);
    if (!std::isfinite(s.IListed))
        return notComputable(std::string(msg::kReturnPeriodTooShort));
    s.Intensity = roundTo(s.IListed, 1);
    out.status = IntensityOutcome::Status::Computed;
    out.Step = std::move(s);
    return out;
}

DischargeStep computeDischarge(double intensity, double weightedC, double totalArea)
{
    DischargeStep q;
    q.Product = intensity * weightedC * totalArea;
    q.Cfs = roundTo(q.Product, 1);
    q.CmsExact = q.Cfs * kCmsPerCfs;
    q.Cms = roundTo(q.CmsExact, 1);
    return q;
}

std::string subAreaProblem(const SubArea& area, std::size_t row)
{
    const std::string rowText = std::to_string(row);
    if (!(area.C > 0.0) || !std::isfinite(area.C))
        return fillMessage(msg::kSubAreaCNotPositive, {rowText, messageValue(area.Surface), messageNumber(area.C)});
    const AreaTextParts parts = splitAreaText(area.AreaText);
    const double number = parts.HasUnit ? numericValue(parts.Number) : 0.0;
    if (!(number > 0.0 && number <= kMaxAreaValue) || UnitFactor(parts.Unit) <= 0.0)
        return fillMessage(msg::kSubAreaAreaUnusable, {rowText, messageValue(area.Surface), messageValue(area.AreaText)});
    return {};
}

CulvertComputation computeCulvert(const CulvertRecord& c)
{
    CulvertComputation out;
    out.Reason = missingInput(c);
    if (!out.Reason.empty())
        return out;  // Incomplete
    out.status = CulvertComputation::Status::NotComputable;
    out.Reason = storedInputProblem(c);
    if (!out.Reason.empty())
        return out;

    out.Runoff = computeRunoff(c);
    TcComputation tc = computeTc(c);
    out.Slope = tc.Slope;
    if (!tc.Step) {
        out.Reason = std::move(tc.Reason);
        return out;
    }
    out.Tc = std::move(tc.Step);
    IntensityOutcome i = computeIntensity(c.RFZone, c.RetPeriod, out.Tc->CorTC);
    if (!i.Step) {
        out.Reason = std::move(i.Reason);
        return out;
    }
    out.Intensity = std::move(i.Step);
    out.Discharge = computeDischarge(out.Intensity->Intensity, out.Runoff->WeightedC, out.Runoff->TotalArea);
    out.status = CulvertComputation::Status::Computed;
    out.Reason.clear();
    return out;
}

void storeRunoff(CulvertRecord& culvert, const RunoffStep& runoff)
{
    culvert.TotalArea = runoff.TotalArea;
    culvert.WeightedC = runoff.WeightedC;
}

void storeIntensity(CulvertRecord& culvert, const IntensityStep& intensity)
{
    culvert.Bracket = intensity.Bracket;
    culvert.Intensity = intensity.Intensity;
}

void withdrawIntensity(CulvertRecord& culvert)
{
    culvert.Intensity = 0.0;
    culvert.Bracket.reset();
}

void storeResults(CulvertRecord& culvert, const CulvertComputation& c)
{
    if (c.status == CulvertComputation::Status::Incomplete)
        return;
    if (!c.Runoff) {
        // An input the editors would refuse: the stored results of earlier inputs go too.
        withdrawIntensity(culvert);
        return;
    }
    storeRunoff(culvert, *c.Runoff);
    culvert.Slope = c.Slope.value_or(0.0);
    culvert.CorTC = c.Tc ? c.Tc->CorTC : 0.0;
    if (c.Intensity)
        storeIntensity(culvert, *c.Intensity);
    else
        withdrawIntensity(culvert);
}

}  // namespace sw
