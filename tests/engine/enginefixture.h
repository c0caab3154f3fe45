#pragma once
// Records as the editors leave them, shared by the tests of the engine and of every layer above it.

#include <string>
#include <tuple>
#include <vector>

#include "engine/runoff.h"
#include "engine/tables.h"
#include "engine/tc.h"
#include "model/document.h"

namespace sw::testing {

inline SubArea subArea(std::string surface, std::string areaText, double c, std::string description = "")
{
    const double acres = CalAcres(areaText);
    return {std::move(surface), c, std::move(areaText), acres, std::move(description)};
}

inline void setIntensity(CulvertRecord& c, std::string zone, double remote, std::string remoteUnit, double inlet,
                         std::string inletUnit, double length, std::string lengthUnit, double factor,
                         std::string source)
{
    c.RFZone = std::move(zone);
    c.EleRemoteFt = ToFeet(c.EleRemote = remote, c.EleRemoteUnit = std::move(remoteUnit));
    c.EleCulvertFt = ToFeet(c.EleCulvert = inlet, c.EleCulvertUnit = std::move(inletUnit));
    c.LenTravelFt = ToFeet(c.LenTravel = length, c.LenTravelUnit = std::move(lengthUnit));
    c.CorFactor = factor;
    c.CorFactorSource = std::move(source);
}

// A culvert without intensity inputs, NumOfAreas counting its sub-areas ("" for none).
inline CulvertRecord record(std::string id, std::string description, std::string period,
                            std::vector<SubArea> areas = {})
{
    CulvertRecord c;
    c.NumOfAreas = areas.empty() ? "" : std::to_string(areas.size());
    std::tie(c.CulvertNo, c.Description, c.RetPeriod, c.Areas) = std::tie(id, description, period, areas);
    return c;
}

// Zone A, 10 years, 1010 ft / 1000 ft over 1000 ft, factor 1 (Design Manual): slope 0.01,
// corrected time of concentration 9.38 min.
inline CulvertRecord culvert(std::string id, std::vector<SubArea> areas)
{
    CulvertRecord c = record(std::move(id), "STA 12+50", "10", std::move(areas));
    setIntensity(c, "A", 1010, "ft", 1000, "ft", 1000, "ft", 1, "Design Manual");
    return c;
}

inline void setAreas(CulvertRecord& c, std::vector<SubArea> areas)
{
    c.Areas = std::move(areas);
    c.NumOfAreas = std::to_string(c.Areas.size());
}

// A culvert ready to compute, as culvert() gives it: 0.9 on 1 acre and 0.3 on 3 acres.
inline CulvertRecord completeCulvert(std::string id = "1")
{
    return culvert(std::move(id), {subArea("Concrete/Roof", "1.0 a", 0.9), subArea("Gravel", "3.0 a", 0.3)});
}

// The project information is that of header() in tests/project/projectfixtures.h.
inline Document stateWith(std::vector<CulvertRecord> culverts)
{
    Document s;
    InitTables();
    s.ProjectInfo = {"Route 9", "P-12", "0412-03", "Widening", "03/14/2024", "10:42:07 AM", "J. Smith"};
    s.CulvertList = std::move(culverts);
    return s;
}

}  // namespace sw::testing
