#include "engine/boardtext.h"

#include "engine/culvertvalues.h"

namespace sw {
namespace {

constexpr const char* kAfterValue = "    ";
constexpr const char* kAfterStation = "     ";
constexpr const char* kRowSeparator = ",  ";

}  // namespace

std::string boardAreaRow(const SubArea& area)
{
    const SubAreaValues a = subAreaValues(area);
    return a.Surface + kRowSeparator + a.Area + kRowSeparator + a.C + kRowSeparator + a.Description;
}

BoardText boardText(const ProjectInfo& p, const CulvertRecord& c)
{
    auto value = [](const std::string& text) { return text + kAfterValue; };
    const CulvertValues v = culvertValues(c);
    BoardText b;
    b.PjtName = value(p.ProjectName);
    b.PjtNo = value(p.ProjectNo);
    b.ControlNo = value(p.ControlNo);
    b.Descrpt = value(p.ProDescrpt);
    b.DateTime = value(dateTimeText(p));
    b.Desinger = value(p.Designer);
    b.CulvertID = value(v.CulvertNo);
    b.CulvertSta = v.Description + kAfterStation;
    b.ReturnPd = value(v.ReturnPeriod);
    b.RFZone = value(v.RFZone);
    b.RemotePt = value(v.Remote.Shown);
    b.CulvertPt = value(v.Inlet.Shown);
    b.LenTravel = value(v.Travel.Shown);
    b.Slope = value(v.SlopeText);
    b.TC = value(v.TcText);
    b.CorFactor = value(v.CorFactorText);
    b.CorTC = value(v.CorTCText);
    b.Intensity = value(v.IntensityText);
    b.LotNo = value(v.NumOfAreas);
    b.TotalArea = value(v.TotalArea);
    b.C = value(v.WeightedC);
    b.Q = value(v.QText);
    return b;
}

}  // namespace sw
