#pragma once
// Shared by the project file, report and batch command tests: pieces of project files and records
// as the editors leave them.

#include <string>
#include <tuple>
#include <vector>

#include "engine/runoff.h"
#include "engine/tables.h"
#include "engine/tc.h"
#include "model/document.h"
#include "tests/core/files.h"

namespace sw::testing {

// The lines, each ended by `end`.
inline std::string joinLines(const Lines& lines, const std::string& end = "\r\n")
{
    std::string out;
    for (const std::string& l : lines)
        out += l + end;
    return out;
}

// Pieces of a project file: its header, the start of a culvert block and an intensity block.
inline const std::string kRuler = "0********1*********2*********3*********4*********5*********6";

inline Lines header()
{
    return {"[CORVENNA- STORMWICK]", "[PROJECT INFO]", "Project Name=Route 9", "Project No=P-12",
            "Control No=0412-03", "Porject Description=Widening", "Date=03/14/2024", "Time=10:42:07 AM",
            "Designer=J. Smith", "", "[CULVERTS]"};
}

inline Lines culvertStart(const std::string& id, const std::string& period = "10")
{
    return {kRuler, "Culvert No=" + id, "[RUNOFF AREA INFO]", "Station/Description=Sta " + id,
            "Return Period=" + period};
}

inline Lines intensityBlock(const std::string& remote = "980.5 ft")
{
    return {"[INTENSITY INFO]", "Vellmora rainfall zone=B", "Elevation of most remost point=" + remote,
            "Elevation of culvert inlet=950 ft", "Maxinum lenght of travel=1200 m",
            "Time of concentration correction factor= .8 ", "Source of correction factor=Design Manual"};
}

inline Lines joined(std::initializer_list<Lines> parts)
{
    Lines out;
    for (const Lines& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

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

inline Document stateWith(std::vector<CulvertRecord> culverts)
{
    Document s;
    InitTables();
    s.ProjectInfo = {"Route 9", "P-12", "0412-03", "Widening", "03/14/2024", "10:42:07 AM", "J. Smith"};  // as header()
    s.CulvertList = std::move(culverts);
    return s;
}

}  // namespace sw::testing
