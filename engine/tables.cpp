#include "engine/tables.h"

#include <cmath>

#include "core/numbers.h"

namespace sw {
namespace {

DesignTables buildTables()
{
    DesignTables t;
    const std::array<std::int16_t, kReturnPeriodCount> periods = {2, 5, 10, 25, 50, 100, 500};

    struct Row {
        const char* slopeClass;
        const char* name;
        std::array<double, kReturnPeriodCount> c;
    };
    // Runoff coefficients by surface character and return period. Row 5 writes "Over" with a
    // capital O, and row 20 starts at the 2-year value of row 19: both as published.
    const Row rows[] = {
        {"NA", "Asphaltic", {0.73, 0.77, 0.81, 0.86, 0.90, 0.95, 1.00}},
        {"NA", "Concrete/Roof", {0.75, 0.80, 0.83, 0.88, 0.92, 0.97, 1.00}},
        {"Flat", "Grass Areas (< 50%)-Flat 0~2%", {0.32, 0.34, 0.37, 0.40, 0.44, 0.47, 0.58}},
        {"Average", "Grass Areas (< 50%)-Average 2~7%", {0.37, 0.40, 0.43, 0.46, 0.49, 0.53, 0.61}},
        {"Steep", "Grass Areas (< 50%)-Steep Over 7%", {0.40, 0.43, 0.45, 0.49, 0.52, 0.55, 0.62}},
        {"Flat", "Grass Areas (50~75%)-Flat 0~2%", {0.25, 0.28, 0.30, 0.34, 0.37, 0.41, 0.53}},
        {"Average", "Grass Areas (50~75%)-Average 2~7%", {0.33, 0.36, 0.38, 0.42, 0.45, 0.49, 0.58}},
        {"Steep", "Grass Areas (50~75%)-Steep over 7%", {0.37, 0.40, 0.42, 0.46, 0.49, 0.53, 0.60}},
        {"Flat", "Grass Areas (> 75%)-Flat 0~2%", {0.21, 0.23, 0.25, 0.29, 0.32, 0.36, 0.49}},
        {"Average", "Grass Areas (> 75%)-Average 2~7%", {0.29, 0.32, 0.35, 0.39, 0.42, 0.46, 0.56}},
        {"Steep", "Grass Areas (> 75%)-Steep over 7%", {0.34, 0.37, 0.40, 0.44, 0.47, 0.51, 0.58}},
        {"Flat", "Cultivated Land-Flat 0~2%", {0.31, 0.34, 0.36, 0.40, 0.43, 0.47, 0.57}},
        {"Average", "Cultivated Land-Average 2~7%", {0.35, 0.38, 0.41, 0.44, 0.48, 0.51, 0.60}},
        {"Steep", "Cultivated Land-Steep over 7%", {0.39, 0.42, 0.44, 0.48, 0.51, 0.54, 0.61}},
        {"Flat", "Pasture/Range-Flat 0~2%", {0.25, 0.28, 0.30, 0.34, 0.37, 0.41, 0.53}},
        {"Average", "Pasture/Range-Average 2~7%", {0.33, 0.36, 0.38, 0.42, 0.45, 0.49, 0.58}},
        {"Steep", "Pasture/Range-Steep over 7%", {0.37, 0.40, 0.42, 0.46, 0.49, 0.53, 0.60}},
        {"Flat", "Forest/Woodlands-Flat 0~2%", {0.22, 0.25, 0.28, 0.31, 0.35, 0.39, 0.48}},
        {"Average", "Forest/Woodlands-Average 2~7%", {0.31, 0.34, 0.36, 0.40, 0.43, 0.47, 0.56}},
        {"Steep", "Forest/Woodlands-Steep over 7%", {0.31, 0.39, 0.41, 0.45, 0.48, 0.52, 0.58}},
    };
    for (const Row& r : rows)
        t.SurfaceTable.push_back({r.slopeClass, r.name, periods, r.c});

    t.AreaUnitNames = {"acres (a)", "hectares (h)", "ft*ft (f)", "m*m (m)"};
    // An acre is 43,560 square feet. The older program took 0.00002 (50,000 square feet to the
    // acre), which understated every area given in square feet by 12.9%.
    t.AreaUnitFactors = {1.0, 10000.0 / 4046.873, 1.0 / 43560.0, 1.0 / 4046.873};

    t.LengthUnitNames = {"ft", "m"};
    t.LengthUnitFactors = {1.0, roundTo(1.0 / 0.3048, 4)};  // 3.2808, as the manual rounds it

    t.TCFactorNames = {
        "natural basins with well defined channels",
        "overland flow on bare earth",
        "mowed grass roadside channels",
        "overland flow, grassed surface",
        "overland flow, concrete or asphalt surface",
        "concrete channel",
        "cultivated farmland",
    };
    t.TCFactorValues = {1, 1, 1, 2, 0.4, 0.2, 1.5};

    t.ZoneNames = {"A", "B", "C"};
    const std::array<double, 9> durations = {5, 10, 15, 30, 60, 120, 180, 360, 1440};
    // Zone C's CoefA rises from 0.64 at 120 minutes to 0.65 at 180: as published.
    const std::array<std::array<double, 9>, 3> coefA = {{
        {3.76, 2.84, 2.33, 1.58, 0.87, 0.63, 0.30, 0.20, 0.08},
        {4.02, 3.29, 2.73, 1.86, 1.10, 0.78, 0.47, 0.27, 0.10},
        {4.35, 3.56, 3.01, 2.08, 1.38, 0.64, 0.65, 0.33, 0.13},
    }};
    const std::array<std::array<double, 9>, 3> coefB = {{
        {1.31, 1.08, 0.92, 0.71, 0.51, 0.21, 0.18, 0.095, 0.03},
        {1.35, 1.12, 0.96, 0.71, 0.51, 0.24, 0.19, 0.10, 0.03},
        {1.29, 1.12, 0.95, 0.75, 0.51, 0.32, 0.18, 0.12, 0.03},
    }};
    for (std::size_t z = 0; z < 3; ++z) {
        for (std::size_t k = 0; k < durations.size(); ++k) {
            t.IDFTable[z].Durations[k] = durations[k];
            t.IDFTable[z].CoefA[k] = coefA[z][k];
            t.IDFTable[z].CoefB[k] = coefB[z][k];
        }
    }

    t.SummaryPeriods = periods;

    t.ZoneLineAB = {{
        {4890, 4680, -1.5, 7560},
        {4680, 4590, -4.33, 20820},
        {4590, 4200, -2.12, 10640},
        {4200, 3660, -2.19, 10972},
        {3660, 3420, -2.88, 13463},
        {3420, 3300, -4.25, 18165},
        {3300, 3225, -8.0, 30540},
        {3225, 3120, -5.86, 23629},
    }};
    t.ZoneLineBC = {{
        {9750, 8910, -0.86, 9392},
        {8910, 8310, -1.03, 10888},
        {8310, 8055, -1.47, 14591},
        {8055, 7830, -1.93, 18318},
        {7830, 7650, -3.5, 30585},
        {7650, 7605, -8.33, 67560},
        {7605, 7545, -9.75, 78334},
        {7545, 7410, -4.44, 38303},
    }};
    return t;
}

}  // namespace

const DesignTables& designTables()
{
    static const DesignTables tables = buildTables();
    return tables;
}

void InitTables()
{
    (void)designTables();
}

std::vector<std::string> returnPeriodTexts()
{
    std::vector<std::string> out;
    for (std::int16_t p : designTables().SurfaceTable.front().RetPeriods)
        out.push_back(std::to_string(p));
    return out;
}

std::vector<std::string> surfaceNames()
{
    std::vector<std::string> out;
    for (const SurfaceCoef& row : designTables().SurfaceTable)
        out.push_back(row.SurfaceName);
    return out;
}

}  // namespace sw
