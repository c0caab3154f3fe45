#pragma once
// A culvert's values as every output shows them: the results board, the report file, the printed
// page, the CSV file and the calculation sheet. They are formatted here once, from the results the
// one computation stored in the record; each output only lays them out (labels, order, padding).
// Here and not in report/, because the board's texts and the calculation sheet are the engine's.

#include <string>
#include <string_view>

#include "engine/compute.h"
#include "model/records.h"

namespace sw {

// An elevation or a length: as entered and in feet, and the two ways the outputs show both.
struct LengthValues {
    std::string Value;     // "300"
    std::string Unit;      // "m"
    std::string Feet;      // "984.24"
    std::string Shown;     // "300 m (984.24 ft)": the board (LengthDisplay)
    std::string Reported;  // the reports', numbers below 1 without their "0": "0.5 ft" reads ".5 ft"
};

struct CulvertValues {
    std::string CulvertNo, Description, RetPeriod, RFZone, NumOfAreas, CorFactorSource;
    std::string ReturnPeriod;  // "10 year"
    LengthValues Remote, Inlet, Travel;
    std::string Slope;          // "0.01"
    std::string SlopeText;      // "0.01 ft/ft"
    std::string Tc;             // before correction, CorTC / CorFactor to 0.01 min: "9.38"; empty for a factor of 0
    std::string TcText;         // the same written "00.00" and " min": "09.38 min"; or why there is none
    std::string CorFactor;      // "1"
    std::string CorFactorText;  // "1 (Design Manual)"
    std::string CorTC;          // "9.38"
    std::string CorTCText;      // "9.38 min"
    std::string Intensity;      // "5.3"
    std::string IntensityText;  // "5.3 in/hr (135 mm/hr)": the millimetres rounded, halves to even
    std::string IntensityTextUnrounded;  // "4.2 in/hr (106.68 mm/hr)": the all-culverts report file's
    std::string TotalArea;      // "4"
    std::string TotalAreaText;  // "4 acres"
    std::string WeightedC;      // "0.45"
    std::string QCfs, QCms;     // "9.5", "0.3": CalQ
    std::string QText;          // "9.5 cfs (0.3 cms)"
    std::string QPrinted;       // "9.5 cfs (.3 cms)": the printed page's, without leading "0"s
};

// The values of a culvert as its record holds them.
[[nodiscard]] CulvertValues culvertValues(const CulvertRecord& culvert);

// The values of a culvert as a run would store this computation of it (storeResults): for a
// computation the record does not hold (yet).
[[nodiscard]] CulvertValues culvertValues(const CulvertRecord& culvert, const CulvertComputation& computation);

// One sub-area as the board, the report file and the printed page list it.
struct SubAreaValues {
    std::string Surface;
    std::string Area;  // AreaDisplay: "2.5 h (6.2 Ac)"
    std::string C;     // "0.90"
    std::string Description;
};
[[nodiscard]] SubAreaValues subAreaValues(const SubArea& area);

// The project's date and time as the board and the printed page show them: "12/01/2003 @ 10:15:00 AM".
[[nodiscard]] std::string dateTimeText(const ProjectInfo& project);

// What TcText says when the correction factor is 0 (the time before correction is the corrected
// one divided by it).
inline constexpr std::string_view kTcUncorrectedUnknown = "not available (correction factor is 0)";

}  // namespace sw
