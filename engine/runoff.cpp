#include "engine/runoff.h"

#include <cmath>

#include "core/linehelpers.h"
#include "core/messages.h"
#include "core/numbers.h"
#include "core/text.h"
#include "engine/arearows.h"
#include "engine/tables.h"

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

double UnitFactor(std::string_view unit)
{
    const DesignTables& t = designTables();
    static constexpr std::string_view letters[] = {"a", "h", "f", "m"};
    for (std::size_t k = 0; k < std::size(letters); ++k)
        if (unit == letters[k])
            return t.AreaUnitFactors[k];
    return 0.0;
}

double CalAcres(std::string_view areaText)
{
    const auto space = areaText.find(' ');
    std::string_view number = areaText;
    std::string_view unit;
    if (space != std::string_view::npos) {
        number = areaText.substr(0, space);
        unit = areaText.substr(space + 1);
    }
    return roundTo(numericValue(trimSpaces(number)) * UnitFactor(trimSpaces(unit)), 1);
}

std::optional<TotalsLabels> CalAC(AppState& state, int culvert)
{
    CulvertRecord* rec = culvertAt(state, culvert);
    if (!rec)
        return std::nullopt;
    const std::int64_t n = declaredAreaCount(*rec);
    if (n == 0)
        return TotalsLabels{"0.0", "0.00"};
    if (static_cast<std::uint64_t>(n) > rec->Areas.size())
        return std::nullopt;  // a count beyond the list: passed over, as an index out of range

    double sumCA = 0.0;
    double sumA = 0.0;
    double wc = 0.0;
    for (std::size_t j = 0; j < static_cast<std::size_t>(n); ++j) {
        const SubArea& a = rec->Areas[j];
        sumCA += a.C * a.AreaAcres;
        sumA += a.AreaAcres;
        wc = sumCA != 0.0 ? sumCA / sumA : 0.0;
    }
    rec->TotalArea = roundTo(sumA, 1);
    rec->WeightedC = roundTo(wc, 2);
    return TotalsLabels{formatNumber(sumA, "0.0"), formatNumber(wc, "0.00")};
}

std::string storedAreaRow(const SubArea& area)
{
    return area.Surface + "," + area.AreaText + "," + formatNumber(area.C, "0.00") + "," +
           area.Description;
}

CUpdate UpdateCValues(AppState& state, int culvert, int areaCount, int newReturnPeriod)
{
    CUpdate out;
    CulvertRecord* rec = culvertAt(state, culvert);
    if (areaCount <= 0 || !rec)
        return out;
    out.Message = joinMessageLines({std::string(msg::kCUpdateLine1), std::string(msg::kCUpdateLine2),
                                    std::string(msg::kCUpdateLine3)});
    const DesignTables& t = designTables();
    const std::size_t count = std::min(static_cast<std::size_t>(areaCount), rec->Areas.size());
    for (std::size_t i = 0; i < count; ++i) {
        SubArea& a = rec->Areas[i];
        for (const SurfaceCoef& row : t.SurfaceTable) {
            if (row.SurfaceName == a.Surface) {
                a.C = GetCValue(a.Surface, newReturnPeriod, "");
                break;
            }
        }
        out.Rows.push_back(storedAreaRow(a));
    }
    out.Totals = CalAC(state, culvert);
    return out;
}

std::string AreaDisplay(std::string_view areaText, double acres)
{
    // The first word is the number; without a space the whole text is, and the unit is empty.
    const std::optional<std::string> first = GetToken(areaText, " ", 1);
    std::string unit = first ? *GetToken(areaText, " ", 2) : std::string();
    const double number = numericValue(first ? *first : std::string(trimSpaces(areaText)));
    if (unit == "hectares")
        unit = "Ha";
    else if (unit == "acres")
        unit = "Ac";
    std::string out = plainNumber(number) + " " + unit;
    if (number != acres)
        out += " (" + plainNumber(acres) + " Ac)";
    return out;
}

std::string subAreaProblem(const SubArea& area, std::size_t row)
{
    const std::string rowText = std::to_string(row);
    if (!(area.C > 0.0) || !std::isfinite(area.C))
        return fillMessage(msg::kSubAreaCNotPositive, {rowText, messageValue(area.Surface), messageNumber(area.C)});
    const auto space = area.AreaText.find(' ');
    const std::string_view text(area.AreaText);
    const double number = space == std::string::npos ? 0.0 : numericValue(trimSpaces(text.substr(0, space)));
    const bool unitKnown = space != std::string::npos && UnitFactor(trimSpaces(text.substr(space + 1))) > 0.0;
    if (!(number > 0.0 && number <= kMaxAreaValue) || !unitKnown)
        return fillMessage(msg::kSubAreaAreaUnusable, {rowText, messageValue(area.Surface), messageValue(area.AreaText)});
    return {};
}

std::optional<std::int16_t> returnPeriodYears(std::string_view retPeriod)
{
    return wholePartInt16(numericValue(retPeriod));
}

}  // namespace sw
