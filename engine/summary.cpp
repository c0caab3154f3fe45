#include "engine/summary.h"

#include <algorithm>
#include <utility>

#include "core/messages.h"
#include "core/numbers.h"
#include "core/text.h"
#include "engine/compute.h"
#include "engine/intensity.h"
#include "engine/tables.h"

namespace sw {

SummaryRows CalSummaryI(const IntensityBracket& b)
{
    SummaryRows rows{};
    const DesignTables& t = designTables();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        rows[r].Period = t.SummaryPeriods[r];
        rows[r].SumI = InterpIntensity(rows[r].Period, b.CorTC, b.Dur1, b.Dur2, b.A1, b.B1, b.A2, b.B2);
    }
    return rows;
}

SummaryCoefs CalSummaryC(const CulvertRecord& culvert)
{
    SummaryCoefs out;
    const std::size_t n = validAreaCount(culvert);
    out.Coefs.resize(n);
    for (std::size_t j = 0; j < n; ++j) {
        const std::string_view surface = trimSpaces(culvert.Areas[j].Surface);
        for (const SurfaceCoef& row : designTables().SurfaceTable)
            if (row.SurfaceName == surface)
                out.Coefs[j] = row;
    }
    const bool allFound = std::ranges::all_of(out.Coefs, [](const auto& entry) { return entry.has_value(); });
    out.SummaryFlag = allFound ? SummarySurfaces::AllInTable : SummarySurfaces::UserDefined;
    return out;
}

void CalSummaryQ(const CulvertRecord& culvert, const AreaCoefs& coefs, SummaryRows& rows)
{
    const std::size_t n = std::min(validAreaCount(culvert), coefs.size());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        std::vector<std::pair<double, double>> pairs;
        pairs.reserve(n);
        for (std::size_t j = 0; j < n; ++j)
            pairs.emplace_back(coefs[j] ? coefs[j]->CValues[r] : 0.0, culvert.Areas[j].AreaAcres);
        const WeightedSums sums = weightedSums(pairs);
        SummaryRow& row = rows[r];
        row.SumC = roundTo(sums.WeightedC, 2);
        row.SumA = roundTo(sums.SumA, 1);
        row.SumQ = roundTo(roundTo(row.SumI, 1) * row.SumC * row.SumA, 1);
    }
}

std::string summaryRowLine(const SummaryRow& row, bool marked)
{
    const std::string year = std::to_string(row.Period);
    std::string line = marked ? "*" + atMask(year, 4) : atMask(year, 5);
    line += atMask(formatNumber(row.SumC, "0.00"), 12);
    line += atMask(formatNumber(row.SumI, "0.0"), 8);
    line += atMask(formatNumber(row.SumA, "0.0"), 10);
    line += atMask(formatNumber(row.SumQ, "0.0"), 10);
    return line;
}

std::vector<std::string> summaryTableLines(const SummaryRows& rows, std::string_view retPeriod)
{
    const double design = numericValue(retPeriod);
    std::vector<std::string> lines{std::string(kSummaryHeader1), std::string(kSummaryHeader2),
                                   std::string(kSummaryHeader3), std::string(kSummaryRule)};
    for (const SummaryRow& row : rows)
        lines.push_back(summaryRowLine(row, row.Period == design));
    return lines;
}

SummaryOutcome prepareSummary(const Document& document, int culvert)
{
    SummaryOutcome out;
    const CulvertRecord* rec = culvertAt(document, culvert);
    if (!rec) {
        out.Message = std::string(msg::kSummaryNoCulvert);
        return out;
    }
    if (!rec->Bracket) {
        out.status = SummaryOutcome::Status::NotComputed;
        out.Message = std::string(msg::kSummaryNotComputed);
        return out;
    }
    out.Rows = CalSummaryI(*rec->Bracket);
    const SummaryCoefs coefs = CalSummaryC(*rec);
    if (coefs.SummaryFlag == SummarySurfaces::UserDefined) {
        out.status = SummaryOutcome::Status::UserDefined;
        out.Message = std::string(msg::kSummaryUserDefinedSurface);
        return out;
    }
    CalSummaryQ(*rec, coefs.Coefs, out.Rows);
    out.status = SummaryOutcome::Status::Available;
    return out;
}

}  // namespace sw
