#include "report/csvfile.h"

#include <optional>
#include <vector>

#include "core/numbers.h"
#include "engine/culvertvalues.h"
#include "engine/discharge.h"
#include "engine/summary.h"
#include "engine/tables.h"

namespace sw {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kRowEnd = "\r\n";

std::string header()
{
    std::string row =
        "Culvert ID,Station/Description,Return Period (years),Rainfall Zone,Total Area (acres),Weighted C,"
        "Slope (ft/ft),Tc (min),Correction Factor,Correction Factor Source,Corrected Tc (min),i (in/hr),Q (cfs),"
        "Q (cms)";
    for (const std::int16_t period : designTables().SummaryPeriods)
        row += ",Q " + std::to_string(period) + "-year (cfs)";
    return row + ",Not Computed Because";
}

std::string row(const CulvertRecord& c, const CulvertRun& run, const SummaryOutcome& summary)
{
    const CulvertValues v = culvertValues(c);
    std::vector<std::string> fields{csvTextField(v.CulvertNo), csvTextField(v.Description), csvTextField(v.RetPeriod),
                                    csvTextField(v.RFZone)};
    if (run.computed()) {
        fields.insert(fields.end(), {v.TotalArea, v.WeightedC, v.Slope, v.Tc, v.CorFactor,
                                     csvTextField(v.CorFactorSource), v.CorTC, v.Intensity, v.QCfs, v.QCms});
        for (const SummaryRow& r : summary.Rows)
            fields.push_back(summary.available() ? plainNumber(r.SumQ) : std::string());
        fields.emplace_back();
    } else {
        fields.resize(fields.size() + 10 + kReturnPeriodCount);
        fields.push_back(csvTextField(run.Reason));
    }
    std::string line;
    for (std::size_t k = 0; k < fields.size(); ++k)
        line += (k > 0 ? "," : "") + fields[k];
    return line;
}

}  // namespace

std::string csvTextField(std::string_view text)
{
    std::string field(text);
    if (!field.empty() && std::string_view("=+-@\t\r").find(field.front()) != std::string_view::npos)
        field.insert(field.begin(), '\'');
    if (field.find_first_of(",\"\r\n") == std::string::npos)
        return field;
    std::string quoted = "\"";
    for (const char c : field) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

namespace {

// The file's bytes; nothing when `progress` said stop.
std::optional<std::string> csvBytes(const Document& document, Progress* progress)
{
    std::string bytes(kByteOrderMark);
    bytes += header();
    bytes += kRowEnd;
    Document copy = document;
    const std::size_t count = usedCulvertCount(copy.CulvertList);
    for (std::size_t i = 0; i < count; ++i) {
        if (!goOn(progress, i, count, copy.CulvertList[i].CulvertNo))
            return std::nullopt;
        const int culvert = static_cast<int>(i);
        const CulvertRun run = CalCulvert(copy, culvert);
        const SummaryOutcome summary = run.computed() ? prepareSummary(copy, culvert) : SummaryOutcome{};
        bytes += row(copy.CulvertList[i], run, summary);
        bytes += kRowEnd;
    }
    if (!goOn(progress, count, count, {}))
        return std::nullopt;
    return bytes;
}

}  // namespace

std::string resultsCsv(const Document& document)
{
    return *csvBytes(document, nullptr);
}

FileWriteResult writeResultsCsv(const Document& document, std::string_view path, Progress* progress)
{
    const std::optional<std::string> bytes = csvBytes(document, progress);
    return bytes ? writeFileBytes(path, *bytes) : writeCancelled();
}

}  // namespace sw
