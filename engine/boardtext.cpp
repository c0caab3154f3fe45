#include "engine/boardtext.h"

#include <cmath>

#include "core/numbers.h"
#include "engine/discharge.h"
#include "engine/runoff.h"
#include "engine/subarealine.h"

namespace sw {
namespace {

constexpr const char* kAfterValue = "    ";
constexpr const char* kAfterStation = "     ";
constexpr const char* kRowSeparator = ",  ";

}  // namespace

std::string uncorrectedTcText(double corTC, double corFactor)
{
    if (corFactor == 0.0 || !std::isfinite(corTC / corFactor))
        return std::string(kTcUncorrectedUnknown);
    return formatNumber(corTC / corFactor, "00.00") + " min";
}

std::string roundedMillimetresText(double intensity)
{
    const double mm = intensity * 25.4;
    if (const auto whole = toInt16(mm))
        return std::to_string(*whole);
    return plainNumber(std::nearbyint(mm));  // beyond any real intensity; still a whole number
}

BoardText boardText(const ProjectInfo& p, const CulvertRecord& c, std::size_t areas)
{
    auto value = [](const std::string& text) { return text + kAfterValue; };
    BoardText b;
    b.PjtName = value(p.ProjectName);
    b.PjtNo = value(p.ProjectNo);
    b.ControlNo = value(p.ControlNo);
    b.Descrpt = value(p.ProDescrpt);
    b.DateTime = value(p.ProjectDate + " @ " + p.ProjectTime);
    b.Desinger = value(p.Designer);
    b.CulvertID = value(c.CulvertNo);
    b.CulvertSta = c.Description + kAfterStation;
    b.ReturnPd = value(c.RetPeriod + " year");
    b.RFZone = value(c.RFZone);
    b.RemotePt = value(LengthDisplay(c.EleRemote, c.EleRemoteUnit, c.EleRemoteFt));
    b.CulvertPt = value(LengthDisplay(c.EleCulvert, c.EleCulvertUnit, c.EleCulvertFt));
    b.LenTravel = value(LengthDisplay(c.LenTravel, c.LenTravelUnit, c.LenTravelFt));
    b.Slope = value(plainNumber(c.Slope) + " ft/ft");
    b.TC = value(uncorrectedTcText(c.CorTC, c.CorFactor));
    b.CorFactor = value(plainNumber(c.CorFactor) + " (" + c.CorFactorSource + ")");
    b.CorTC = value(plainNumber(c.CorTC) + " min");
    b.Intensity = value(plainNumber(c.Intensity) + " in/hr (" + roundedMillimetresText(c.Intensity) + " mm/hr)");
    b.LotNo = value(c.NumOfAreas);
    b.TotalArea = value(plainNumber(c.TotalArea));
    b.C = value(plainNumber(c.WeightedC));
    const std::size_t n = std::min(areas, c.Areas.size());
    for (std::size_t j = 0; j < n; ++j) {
        const SubArea& a = c.Areas[j];
        b.AreaRows.push_back(a.Surface + kRowSeparator + AreaDisplay(a.AreaText, a.AreaAcres) + kRowSeparator +
                             subAreaCText(a.C) + kRowSeparator + a.Description);
    }
    b.Q = value(CalQ(c).Text);
    return b;
}

}  // namespace sw
