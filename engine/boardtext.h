#pragma once
// The texts of the results board for one culvert: each value as its label shows it, followed by
// four blanks (the station by five); the rows of its sub-area list one by one (boardAreaRow).

#include <string>

#include "model/records.h"

namespace sw {

struct BoardText {
    std::string PjtName, PjtNo, ControlNo, Descrpt, DateTime, Desinger;
    std::string CulvertID, CulvertSta;
    std::string ReturnPd, RFZone, RemotePt, CulvertPt, LenTravel, Slope, TC, CorFactor, CorTC, Intensity;
    std::string LotNo, TotalArea, C;
    std::string Q;
};

// A row of the board's sub-area list: "Surface,  2.5 h (6.2 Ac),  0.35,  ditch".
[[nodiscard]] std::string boardAreaRow(const SubArea& area);

// The board's texts for a culvert as its record holds it.
[[nodiscard]] BoardText boardText(const ProjectInfo& project, const CulvertRecord& culvert);

}  // namespace sw
