#include "report/reportfile.h"

#include "core/messages.h"
#include "engine/culvertvalues.h"
#include "engine/summary.h"
#include "project/fileformat.h"

namespace sw {

namespace {

enum class Layout { OneCulvert, AllCulverts };

constexpr std::string_view kSummaryTitle = "[SUMMARY]";
constexpr std::string_view kUserDefinedOne =
    "Summary is not available due to the user-defined sureface characters and C values";
constexpr std::string_view kUserDefinedAll =
    "Summary is not available because of the user-defined sureface characters and C values";

void appendHeader(std::vector<std::string>& lines, const ProjectInfo& p)
{
    using namespace fileformat;
    lines.emplace_back(kFirstLine);
    lines.emplace_back(kProjectInfo);
    lines.push_back(std::string(kProjectName) + p.ProjectName);
    lines.push_back(std::string(kProjectNo) + p.ProjectNo);
    lines.push_back(std::string(kControlNo) + p.ControlNo);
    lines.push_back(std::string(kProDescrpt) + p.ProDescrpt);
    lines.push_back(std::string(kDate) + p.ProjectDate);
    lines.push_back(std::string(kTime) + p.ProjectTime);
    lines.push_back(std::string(kDesigner) + p.Designer);
    lines.emplace_back();
}

void appendCulvert(std::vector<std::string>& lines, const CulvertRecord& c, Layout layout)
{
    const CulvertValues v = culvertValues(c);
    lines.emplace_back(fileformat::kIntensityInfo);
    lines.push_back("Culvert ID=" + v.CulvertNo);
    lines.push_back("Culvert STA/DESC=" + v.Description);
    lines.push_back(std::string(fileformat::kReturnPeriod) + v.ReturnPeriod);
    lines.push_back("Vellmora Rainfall Zone=" + v.RFZone);
    lines.push_back("Elevation of Most Remote Point Above Inlet=" + v.Remote.Reported);
    lines.push_back("Elevation of Culvert Inlet/Basin Outlet=" + v.Inlet.Reported);
    lines.push_back("Max. Length of Travel=" + v.Travel.Reported);
    lines.push_back("Slope of Channel=" + v.SlopeText);
    lines.push_back("Time of Concentration=" + v.TcText);
    lines.push_back("Time of Concentration Correction Factor=" + v.CorFactorText);
    lines.push_back("Corrected Time of Concentration=" + v.CorTCText);
    // The one-culvert file rounds the millimetres per hour (halves to even), the all-culverts file
    // shows them as they come.
    lines.push_back("Rainfall Intensity (i)=" +
                    (layout == Layout::OneCulvert ? v.IntensityText : v.IntensityTextUnrounded));
    lines.emplace_back();
    lines.emplace_back("[DRAINAGE AREA INFO]");
    const std::size_t n = validAreaCount(c);
    for (std::size_t j = 0; j < n; ++j) {
        const SubAreaValues a = subAreaValues(c.Areas[j]);
        lines.push_back(a.Surface + ", " + a.Area + ", " + a.C);
    }
    lines.emplace_back();
    lines.push_back("Total Area (A)=" + v.TotalAreaText);
    lines.push_back("Weighted C=" + v.WeightedC);
    lines.emplace_back();
    lines.emplace_back("[COMPUTATAION RESULT]");
    lines.push_back("Q=CiA=" + v.QText);
    lines.emplace_back();
}

// The summary section. The one-culvert file ends with it; in the all-culverts file the section's
// own empty line follows it.
void appendSummary(std::vector<std::string>& lines, const Document& document, int culvert, Layout layout)
{
    const SummaryOutcome outcome = prepareSummary(document, culvert);
    lines.emplace_back(kSummaryTitle);
    switch (outcome.status) {
    case SummaryOutcome::Status::Available: {
        lines.emplace_back();
        const CulvertRecord& c = *culvertAt(document, culvert);
        for (std::string& line : summaryTableLines(outcome.Rows, c.RetPeriod))
            lines.push_back(std::move(line));
        lines.emplace_back(kSummaryRule);
        if (layout == Layout::OneCulvert)
            lines.emplace_back();
        return;
    }
    case SummaryOutcome::Status::UserDefined:
        lines.emplace_back(layout == Layout::OneCulvert ? kUserDefinedOne : kUserDefinedAll);
        return;
    case SummaryOutcome::Status::NotComputed:
    case SummaryOutcome::Status::NoCulvert:
        lines.emplace_back(kReportSummaryNotComputed);
        return;
    }
}

// Every culvert's section after the header; false, with the lines incomplete, when `progress` said
// stop.
bool appendAllCulverts(std::vector<std::string>& lines, const Document& document, Progress* progress)
{
    appendHeader(lines, document.ProjectInfo);
    const std::size_t count = usedCulvertCount(document.CulvertList);
    for (std::size_t i = 0; i < count; ++i) {
        if (!goOn(progress, i, count, document.CulvertList[i].CulvertNo))
            return false;
        appendCulvert(lines, document.CulvertList[i], Layout::AllCulverts);
        appendSummary(lines, document, static_cast<int>(i), Layout::AllCulverts);
        lines.emplace_back();
    }
    return goOn(progress, count, count, {});
}

FileWriteResult refused(std::string_view message)
{
    FileWriteResult r;
    r.status = FileWriteResult::Status::Failed;
    r.Message = std::string(message);
    return r;
}

}  // namespace

std::vector<std::string> culvertReportLines(const Document& document, int culvert)
{
    std::vector<std::string> lines;
    const CulvertRecord* rec = culvertAt(document, culvert);
    if (!rec)
        return lines;
    appendHeader(lines, document.ProjectInfo);
    appendCulvert(lines, *rec, Layout::OneCulvert);
    appendSummary(lines, document, culvert, Layout::OneCulvert);
    return lines;
}

std::vector<std::string> allCulvertsReportLines(const Document& document)
{
    std::vector<std::string> lines;
    static_cast<void>(appendAllCulverts(lines, document, nullptr));
    return lines;
}

FileWriteResult Report2File(const Document& document, std::string_view path, int culvert)
{
    if (!culvertAt(document, culvert))
        return refused(msg::kReportNoCulvert);
    return writeTextFile(path, culvertReportLines(document, culvert));
}

FileWriteResult ReportAll2File(const Document& document, std::string_view path, Progress* progress)
{
    std::vector<std::string> lines;
    if (!appendAllCulverts(lines, document, progress))
        return writeCancelled();
    return writeTextFile(path, lines);
}

}  // namespace sw
