#pragma once
// The texts of the results board for one culvert: each value as its label shows it, followed by
// four blanks (the station by five), and the rows of its sub-area list.

#include <string>
#include <string_view>
#include <vector>

#include "model/records.h"

namespace sw {

struct BoardText {
    std::string PjtName, PjtNo, ControlNo, Descrpt, DateTime, Desinger;
    std::string CulvertID, CulvertSta;
    std::string ReturnPd, RFZone, RemotePt, CulvertPt, LenTravel, Slope, TC, CorFactor, CorTC, Intensity;
    std::string LotNo, TotalArea, C;
    std::vector<std::string> AreaRows;  // "Surface,  2.5 h (6.2 Ac),  0.35,  ditch"
    std::string Q;
};

// The board's texts for a culvert as its record holds it (the first `areas` sub-areas listed).
[[nodiscard]] BoardText boardText(const ProjectInfo& project, const CulvertRecord& culvert, std::size_t areas);

// What the board and the report show for the time of concentration before correction when the
// correction factor is 0 (the time is the corrected one divided by it).
inline constexpr std::string_view kTcUncorrectedUnknown = "not available (correction factor is 0)";

// The time of concentration before correction: CorTC / CorFactor as "00.00" and " min", or why
// there is none (a factor of 0). The report file and the board say the same.
[[nodiscard]] std::string uncorrectedTcText(double corTC, double corFactor);

// The millimetres per hour of an intensity rounded to a whole number, halves to even.
[[nodiscard]] std::string roundedMillimetresText(double intensity);

}  // namespace sw
