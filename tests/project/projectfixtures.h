#pragma once
// Shared by the project file, report and batch command tests: pieces of project files (the records
// as the editors leave them are in tests/engine/enginefixture.h).

#include <string>
#include <vector>

#include "tests/core/files.h"
#include "tests/engine/enginefixture.h"

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

// Everything before the first culvert.
inline Lines header(const ProjectInfo& p = stateWith({}).ProjectInfo)
{
    return {"[CORVENNA- STORMWICK]", "[PROJECT INFO]", "Project Name=" + p.ProjectName, "Project No=" + p.ProjectNo,
            "Control No=" + p.ControlNo, "Porject Description=" + p.ProDescrpt, "Date=" + p.ProjectDate,
            "Time=" + p.ProjectTime, "Designer=" + p.Designer, "", "[CULVERTS]"};
}

inline Lines culvertStart(const std::string& id, const std::string& period = "10")
{
    return {kRuler, "Culvert No=" + id, "[RUNOFF AREA INFO]", "Station/Description=Sta " + id,
            "Return Period=" + period};
}

// Without more than the remote elevation: zone B, 950 ft inlet, 1200 m of travel, factor 0.8.
inline Lines intensityLines(const std::string& remote = "980.5 ft", const std::string& zone = "B",
                            const std::string& inlet = "950 ft", const std::string& length = "1200 m",
                            const std::string& factor = " .8 ", const std::string& source = "Design Manual")
{
    return {"[INTENSITY INFO]", "Vellmora rainfall zone=" + zone, "Elevation of most remost point=" + remote,
            "Elevation of culvert inlet=" + inlet, "Maxinum lenght of travel=" + length,
            "Time of concentration correction factor=" + factor, "Source of correction factor=" + source};
}

inline Lines joined(std::initializer_list<Lines> parts)
{
    Lines out;
    for (const Lines& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

}  // namespace sw::testing
