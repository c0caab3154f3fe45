#pragma once
// The shapes of the design tables: runoff coefficients by surface and return period, the
// intensity-duration coefficients of the rainfall zones, and the zone boundaries of the map. The
// engine fills them once at start-up; nothing changes them afterwards.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace sw {

inline constexpr std::size_t kReturnPeriodCount = 7;

struct SurfaceCoef {
    std::string SlopeClass;  // "NA", "Flat", "Average" or "Steep"; carried, not used
    std::string SurfaceName;
    std::array<std::int16_t, kReturnPeriodCount> RetPeriods{};
    std::array<double, kReturnPeriodCount> CValues{};
};

// Intensity-duration coefficients of one rainfall zone: room for 11 entries, nine filled and the
// rest 0, so that no bracket exists beyond the last duration.
struct ZoneIdf {
    std::array<double, 11> Durations{};
    std::array<double, 11> CoefA{};
    std::array<double, 11> CoefB{};
};

struct BoundarySeg {
    float XStart = 0;
    float XEnd = 0;  // smaller than XStart
    double K = 0;
    double Offset = 0;
};

using BoundaryLine = std::array<BoundarySeg, 8>;

struct DesignTables {
    std::vector<SurfaceCoef> SurfaceTable;
    std::vector<std::string> AreaUnitNames;
    std::vector<double> AreaUnitFactors;
    std::vector<std::string> LengthUnitNames;
    std::vector<double> LengthUnitFactors;
    std::vector<std::string> TCFactorNames;
    std::vector<double> TCFactorValues;
    std::vector<std::string> ZoneNames;
    std::array<ZoneIdf, 3> IDFTable{};
    std::array<std::int16_t, kReturnPeriodCount> SummaryPeriods{};
    BoundaryLine ZoneLineAB{};
    BoundaryLine ZoneLineBC{};
};

}  // namespace sw
