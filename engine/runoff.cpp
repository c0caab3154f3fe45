#include "engine/runoff.h"

#include "core/linehelpers.h"
#include "core/messages.h"
#include "core/numbers.h"
#include "core/text.h"
#include "engine/compute.h"
#include "engine/subarealine.h"
#include "engine/tables.h"
#include "model/units.h"

namespace sw {

double GetCValue(std::string_view surface, int returnPeriod, std::string_view userC)
{
    if (surface.empty() || returnPeriod == 0)
        return 0.0;
    const DesignTables& t = designTables();
    std::size_t column = 0;  // a period outside the table falls back to the 2-year column
    const auto& periods = t.SurfaceTable.front().RetPeriods;
    for (std::size_t k = 0; k < periods.size(); ++k) {
        if (periods[k] == returnPeriod) {
            column = k;
            break;
        }
    }
    for (const SurfaceCoef& row : t.SurfaceTable)
        if (row.SurfaceName == surface)
            return roundTo(row.CValues[column], 2);
    return roundTo(numericValue(userC), 2);
}

bool isTableSurface(std::string_view surface)
{
    for (const SurfaceCoef& row : designTables().SurfaceTable)
        if (row.SurfaceName == surface)
            return true;
    return false;
}

double UnitFactor(std::string_view unit)
{
    const DesignTables& t = designTables();
    for (std::size_t k = 0; k < units::kAreaLetters.size(); ++k)
        if (unit == units::kAreaLetters[k])
            return t.AreaUnitFactors[k];
    return 0.0;
}

double CalAcres(std::string_view areaText)
{
    const AreaTextParts parts = splitAreaText(areaText);
    return roundTo(numericValue(parts.Number) * UnitFactor(parts.Unit), 1);
}

std::optional<TotalsLabels> CalAC(Document& document, int culvert)
{
    CulvertRecord* rec = culvertAt(document, culvert);
    if (!rec)
        return std::nullopt;
    const std::int64_t n = declaredAreaCount(*rec);
    if (n == 0)
        return TotalsLabels{"0.0", "0.00"};
    if (static_cast<std::uint64_t>(n) > rec->Areas.size())
        return std::nullopt;  // a count beyond the list: passed over, as an index out of range

    const RunoffStep r = computeRunoff(*rec);
    storeRunoff(*rec, r);
    return totalsLabels(r.Sums);
}

TotalsLabels totalsLabels(const WeightedSums& sums)
{
    return TotalsLabels{formatNumber(sums.SumA, "0.0"), formatNumber(sums.WeightedC, "0.00")};
}

CUpdate UpdateCValues(Document& document, int culvert, int areaCount, int newReturnPeriod)
{
    CUpdate out;
    CulvertRecord* rec = culvertAt(document, culvert);
    if (areaCount <= 0 || !rec)
        return out;
    out.Message = std::string(msg::kCUpdate);
    const std::size_t count = std::min(static_cast<std::size_t>(areaCount), rec->Areas.size());
    for (std::size_t i = 0; i < count; ++i) {
        SubArea& a = rec->Areas[i];
        if (isTableSurface(a.Surface))
            a.C = GetCValue(a.Surface, newReturnPeriod, "");
        out.Rows.push_back(subAreaLine(a));
    }
    out.Totals = CalAC(document, culvert);
    return out;
}

std::string AreaDisplay(std::string_view areaText, double acres)
{
    // The first word is the number; without a space the whole text is, and the unit is empty.
    const std::optional<std::string> first = GetToken(areaText, " ", 1);
    std::string unit = first ? *GetToken(areaText, " ", 2) : std::string();
    const double number = numericValue(first ? *first : std::string(trimSpaces(areaText)));
    if (unit == units::kHectaresWord)
        unit = "Ha";
    else if (unit == units::kAcresWord)
        unit = "Ac";
    std::string out = plainNumber(number) + " " + unit;
    if (number != acres)
        out += " (" + plainNumber(acres) + " Ac)";
    return out;
}

std::optional<std::int16_t> returnPeriodYears(std::string_view retPeriod)
{
    return wholePartInt16(numericValue(retPeriod));
}

}  // namespace sw
