#pragma once
// Runoff coefficients, areas in acres, total area and area-weighted C.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/compute.h"
#include "model/document.h"

namespace sw {

// The runoff coefficient of a surface for a return period; a surface that is not in the table is
// user-defined and takes the numeric value of userC. Rounded to 2 decimals.
[[nodiscard]] double GetCValue(std::string_view surface, int returnPeriod, std::string_view userC);

// Whether a surface is one of the design table's (exact, case-sensitive).
[[nodiscard]] bool isTableSurface(std::string_view surface);

// Acres per unit for a unit letter ("a", "h", "f", "m"); 0 for anything else.
[[nodiscard]] double UnitFactor(std::string_view unit);

// A sub-area's acres from its area text ("2.5 h"), rounded to 0.1 acre. A text without a space
// is read as a number with no unit, which gives 0 acres.
[[nodiscard]] double CalAcres(std::string_view areaText);

// The texts of the total-area and weighted-C labels.
struct TotalsLabels {
    std::string TotalArea;
    std::string WeightedC;

    bool operator==(const TotalsLabels&) const = default;
};

// The labels' texts of sums: the sums themselves in their formats, as the record holds them rounded.
[[nodiscard]] TotalsLabels totalsLabels(const WeightedSums& sums);

// Total area and weighted C of a culvert, stored into its record. Returns the label texts, or
// nothing when the culvert index or its sub-area count does not match the list (then nothing is
// stored or shown).
[[nodiscard]] std::optional<TotalsLabels> CalAC(Document& document, int culvert);

struct CUpdate {
    std::string Message;             // shown first; empty when nothing was updated
    std::vector<std::string> Rows;   // the rebuilt drainage-area rows
    std::optional<TotalsLabels> Totals;
};

// After the culvert's RetPeriod has changed to newReturnPeriod: re-derives the C of every
// sub-area whose surface is in the table, and rebuilds the rows of the drainage-area list.
// Nothing happens (empty result) when areaCount is 0.
[[nodiscard]] CUpdate UpdateCValues(Document& document, int culvert, int areaCount, int newReturnPeriod);

// The area as the reports show it: "2.5 h (6.2 Ac)", or "12.5 a" when it is already in acres.
[[nodiscard]] std::string AreaDisplay(std::string_view areaText, double acres);

// The whole part of the numeric value of a return-period text as a 16-bit integer; empty when it
// does not fit.
[[nodiscard]] std::optional<std::int16_t> returnPeriodYears(std::string_view retPeriod);

}  // namespace sw
