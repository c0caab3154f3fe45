#pragma once
// The design tables: built once, read-only afterwards.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "project/records.h"

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

// The tables, built on first use.
[[nodiscard]] const DesignTables& designTables();

// The start-up initialisation of the engine: tables ready, summary rows reset to their periods,
// CurCulvert none, EditorsLive and IsPristine true. The date and time are stamped by the window.
void InitTables(AppState& state);

// The return periods offered to the user, as text: "2", "5", ..., "500".
[[nodiscard]] std::vector<std::string> returnPeriodTexts();

// The surface names in table order.
[[nodiscard]] std::vector<std::string> surfaceNames();

}  // namespace sw
