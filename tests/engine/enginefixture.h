#pragma once

#include <string>
#include <vector>

#include "engine/runoff.h"
#include "engine/tables.h"
#include "model/document.h"

namespace sw::testing {

inline SubArea subArea(std::string surface, double c, std::string areaText, std::string description = {})
{
    const double acres = CalAcres(areaText);
    return {std::move(surface), c, std::move(areaText), acres, std::move(description)};
}

inline void setAreas(CulvertRecord& c, std::vector<SubArea> areas)
{
    c.Areas = std::move(areas);
    c.NumOfAreas = std::to_string(c.Areas.size());
}

// A culvert ready to compute: zone A, 10 years, 1010 ft / 1000 ft over 1000 ft, factor 1,
// 0.9 on 1 acre and 0.3 on 3 acres.
inline CulvertRecord completeCulvert(std::string id = "1")
{
    CulvertRecord c;
    c.CulvertNo = std::move(id);
    c.RetPeriod = "10";
    c.RFZone = "A";
    c.EleRemote = c.EleRemoteFt = 1010;
    c.EleCulvert = c.EleCulvertFt = 1000;
    c.LenTravel = c.LenTravelFt = 1000;
    c.EleRemoteUnit = c.EleCulvertUnit = c.LenTravelUnit = "ft";
    c.CorFactor = 1;
    c.CorFactorSource = "Design Manual";
    setAreas(c, {subArea("Concrete/Roof", 0.9, "1.0 a"), subArea("Gravel", 0.3, "3.0 a")});
    return c;
}

inline Document documentWith(std::vector<CulvertRecord> culverts)
{
    Document d;
    d.CulvertList = std::move(culverts);
    return d;
}

}  // namespace sw::testing
