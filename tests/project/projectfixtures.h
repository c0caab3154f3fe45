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

}  // namespace sw::testing
