#include "engine/culvertvalues.h"

#include <cmath>

#include "core/numbers.h"
#include "engine/discharge.h"
#include "engine/runoff.h"
#include "engine/subarealine.h"

namespace sw {
namespace {

LengthValues lengthValues(double value, const std::string& unit, double feet)
{
    return {plainNumber(value), unit, plainNumber(feet), LengthDisplay(value, unit, feet),
            LengthDisplay(value, unit, feet, LeadingZero::Dropped)};
}

// The millimetres per hour of an intensity rounded to a whole number, halves to even.
std::string roundedMillimetres(double intensity)
{
    const double mm = intensity * 25.4;
    if (const auto whole = toInt16(mm))
        return std::to_string(*whole);
    return plainNumber(std::nearbyint(mm));  // beyond any real intensity; still a whole number
}

}  // namespace

CulvertValues culvertValues(const CulvertRecord& c)
{
    CulvertValues v;
    v.CulvertNo = c.CulvertNo;
    v.Description = c.Description;
    v.RetPeriod = c.RetPeriod;
    v.RFZone = c.RFZone;
    v.NumOfAreas = c.NumOfAreas;
    v.CorFactorSource = c.CorFactorSource;
    v.ReturnPeriod = c.RetPeriod + " year";
    v.Remote = lengthValues(c.EleRemote, c.EleRemoteUnit, c.EleRemoteFt);
    v.Inlet = lengthValues(c.EleCulvert, c.EleCulvertUnit, c.EleCulvertFt);
    v.Travel = lengthValues(c.LenTravel, c.LenTravelUnit, c.LenTravelFt);
    v.Slope = plainNumber(c.Slope);
    v.SlopeText = v.Slope + " ft/ft";
    // The time before correction is not stored: the corrected one undone by the factor.
    const double tc = c.CorTC / c.CorFactor;
    if (c.CorFactor == 0.0 || !std::isfinite(tc)) {
        v.TcText = std::string(kTcUncorrectedUnknown);
    } else {
        v.Tc = plainNumber(roundTo(tc, 2));
        v.TcText = formatNumber(tc, "00.00") + " min";
    }
    v.CorFactor = plainNumber(c.CorFactor);
    v.CorFactorText = v.CorFactor + " (" + c.CorFactorSource + ")";
    v.CorTC = plainNumber(c.CorTC);
    v.CorTCText = v.CorTC + " min";
    v.Intensity = plainNumber(c.Intensity);
    v.IntensityText = v.Intensity + " in/hr (" + roundedMillimetres(c.Intensity) + " mm/hr)";
    v.IntensityTextUnrounded = v.Intensity + " in/hr (" + plainNumber(c.Intensity * 25.4) + " mm/hr)";
    v.TotalArea = plainNumber(c.TotalArea);
    v.TotalAreaText = v.TotalArea + " acres";
    v.WeightedC = plainNumber(c.WeightedC);
    const Discharge q = CalQ(c);
    v.QCfs = plainNumber(q.Cfs);
    v.QCms = plainNumber(q.Cms);
    v.QText = q.Text;
    v.QPrinted = plainNumberNoLeadingZero(q.Cfs) + " cfs (" + plainNumberNoLeadingZero(q.Cms) + " cms)";
    return v;
}

CulvertValues culvertValues(const CulvertRecord& culvert, const CulvertComputation& computation)
{
    CulvertRecord stored = culvert;
    storeResults(stored, computation);
    return culvertValues(stored);
}

SubAreaValues subAreaValues(const SubArea& a)
{
    return {a.Surface, AreaDisplay(a.AreaText, a.AreaAcres), subAreaCText(a.C), a.Description};
}

std::string dateTimeText(const ProjectInfo& p)
{
    return p.ProjectDate + " @ " + p.ProjectTime;
}

}  // namespace sw
