#include "report/printreport.h"

#include <algorithm>
#include <string>

#include "core/text.h"
#include "engine/culvertvalues.h"
#include "engine/summary.h"

namespace sw {
namespace {

// The grid: columns of 1/12 inch, lines of 1/6 inch, from the top-left of the printable area.
constexpr double kLabelX = 2;
constexpr double kValueX = 50;
constexpr double kAreaX = 42;
constexpr double kCX = 78;
constexpr std::size_t kValueWidth = 30;
constexpr std::size_t kCWidth = 5;
constexpr double kTitleY = 6;
constexpr double kRuleY = 7.3;
constexpr double kRuleEndX = 96;
constexpr double kFirstRowY = 30;
constexpr double kNextPageRowY = 9;
// A summary that would start this low goes to a fresh sheet, where it starts at Y 3 + 3.
constexpr double kSummaryBreakY = 45.87;
constexpr double kFreshSheetY = 3;
// Where the lines go on when the paper ends under them: a fresh sheet, from the line where a
// summary on a fresh sheet starts.
constexpr double kOverflowY = kFreshSheetY + 3;
constexpr double kTitlePoints = 12;
constexpr double kBodyPoints = 11;

constexpr const char* kFontName = "COURIER NEW";
constexpr const char* kTitle = "CORVENNA-STORMWICK REPORT";

// The totals stand right under the rows of a whole report, one line lower on a continuation page.
enum class Spacing { Whole, Continuation };

// The labels that differ between the report of a short culvert and the first page of a long one:
// both as the printed report has always had them.
struct Labels {
    const char* description;
    const char* culvertId;
    const char* factor;
};
constexpr Labels kWholeLabels{"Description:", "Culvert ID/STA:", "Time of Concentration Correction Factor:"};
constexpr Labels kFirstPageLabels{"Descripition:", "Culvert ID:", "Time of Cocentration Correction Factor:"};

// A print job: started on the device, ended when it goes (also when a step returns early).
class Job {
public:
    Job(PageDevice& device, const std::string& name) : m_page(device.startDocument(name))
    {
        if (m_page) {
            m_page->setPortrait();
            m_page->setFontName(kFontName);
            m_page->setFontSize(kTitlePoints);
            m_page->setBold(false);
        }
    }
    Job(const Job&) = delete;
    Job& operator=(const Job&) = delete;
    ~Job()
    {
        if (m_page)
            m_page->endDocument();
    }
    [[nodiscard]] bool started() const { return m_page != nullptr; }
    Page& page() { return *m_page; }

private:
    std::unique_ptr<Page> m_page;
};

// A continuation page of 60 rows reaches line 73, lower than letter paper goes: a line that would
// fall off the paper goes on a fresh sheet instead, and the lines after it follow it there.
double onPaper(Page& page, double y)
{
    if (y + 1 <= page.pageLines())
        return y;
    page.newPage();
    return kOverflowY;
}

void labelled(Page& page, double y, const char* label, const std::string& value, bool bold)
{
    page.setBold(bold);
    page.text(kLabelX, y, label);
    page.text(kValueX, y, atMask(value, kValueWidth));
}

// The title, bold, and the rule under it; the body font follows for the whole report and its first
// page, but not on a continuation page.
void title(Page& page, bool bodyFont)
{
    page.setBold(true);
    page.text(kLabelX, kTitleY, kTitle);
    page.line(kLabelX, kRuleY, kRuleEndX, kRuleY);
    if (bodyFont)
        page.setFontSize(kBodyPoints);
}

void projectAndCulvert(Page& page, const ProjectInfo& p, const CulvertRecord& c, const Labels& labels)
{
    const CulvertValues v = culvertValues(c);
    labelled(page, 8, "Project Name:", p.ProjectName, false);
    labelled(page, 9, "Project No:", p.ProjectNo, false);
    labelled(page, 10, "Control No:", p.ControlNo, false);
    labelled(page, 11, labels.description, p.ProDescrpt, false);
    labelled(page, 12, "Date/Time:", dateTimeText(p), false);
    labelled(page, 13, "Designer:", p.Designer, false);
    labelled(page, 16, labels.culvertId, v.CulvertNo, true);
    labelled(page, 17, "Culvert STA/DESC:", v.Description, true);
    labelled(page, 18, "Return Period:", v.ReturnPeriod, false);
    labelled(page, 19, "Vellmora Rainfall Zone:", v.RFZone, false);
    labelled(page, 20, "Elevation of Most Remote Point Above Inlet:", v.Remote.Reported, false);
    labelled(page, 21, "Elevation of Culvert Inlet/Basin Outlet:", v.Inlet.Reported, false);
    labelled(page, 22, "Max. Length of Travel:", v.Travel.Reported, false);
    labelled(page, 23, "Slope of Channel:", v.SlopeText, true);
    labelled(page, 24, "Time of Concentration:", v.TcText, true);
    labelled(page, 25, labels.factor, v.CorFactorText, false);
    labelled(page, 26, "Corrected Time of Concentration:", v.CorTCText, true);
    labelled(page, 27, "Rainfall Intensity (i):", v.IntensityText, true);
}

// Rows first to last (0-based, inclusive) from Y on; the Y after the last.
double rows(Page& page, const CulvertRecord& c, int first, int last, double y)
{
    page.setBold(false);
    const int available = static_cast<int>(c.Areas.size()) - 1;
    for (int j = first; j <= std::min(last, available); ++j, ++y) {
        y = onPaper(page, y);
        const SubAreaValues a = subAreaValues(c.Areas[static_cast<std::size_t>(j)]);
        page.text(kLabelX, y, a.Surface);
        page.text(kAreaX, y, atMask(a.Area, kValueWidth));
        page.text(kCX, y, atMask(a.C, kCWidth));
    }
    return y;
}

// The totals, Q and the summary, from Y on; the job ends after them.
void totalsAndSummary(Page& page, const Document& document, int culvert, double y, Spacing spacing)
{
    const CulvertRecord& c = *culvertAt(document, culvert);
    const CulvertValues v = culvertValues(c);
    const bool continuation = spacing == Spacing::Continuation;
    if (continuation)
        ++y;
    labelled(page, y = onPaper(page, y), "Total Area (A):", v.TotalAreaText, true);
    labelled(page, y = onPaper(page, y + 1), "Weighted C:", v.WeightedC, true);
    y = onPaper(page, y + (continuation ? 2 : 3));
    labelled(page, y, "Q=CiA:", v.QPrinted, true);

    if (page.currentY() >= kSummaryBreakY) {
        page.newPage();
        y = kFreshSheetY;
    }
    y = onPaper(page, y + 3);
    page.setBold(true);
    page.text(kLabelX, y, "Summary");
    const SummaryOutcome summary = prepareSummary(document, culvert);
    if (!summary.available()) {
        page.text(kLabelX, onPaper(page, y + 1),
                  summary.status == SummaryOutcome::Status::UserDefined
                      ? "Not Available due to user-defined surface characters and C values"
                      : "Not Available: the culvert has not been computed");
        return;
    }
    page.setBold(false);
    y += 2;
    std::vector<std::string> lines{std::string(kSummaryRule)};
    for (std::string& line : summaryTableLines(summary.Rows, c.RetPeriod))
        lines.push_back(std::move(line));
    lines.emplace_back(kSummaryRule);
    lines.emplace_back();  // an empty print before the end of the job
    for (const std::string& line : lines) {
        y = onPaper(page, y);
        page.text(kLabelX, y++, line);
    }
}

std::string jobName(const CulvertRecord& c, int page)
{
    std::string name = "Stormwick report, culvert " + c.CulvertNo;
    if (page > 1)
        name += ", page " + std::to_string(page);
    return name;
}

// One print job of the culvert's `page`: its title, then what `draw` puts on the page. False when
// there is no such culvert or the printer refused the job.
template <typename Draw>
bool printJob(PageDevice& device, const Document& document, int culvert, int page, Draw draw)
{
    const CulvertRecord* c = culvertAt(document, culvert);
    if (c == nullptr)
        return false;
    Job job(device, jobName(*c, page));
    if (!job.started())
        return false;
    title(job.page(), page == 1);
    draw(job.page(), *c);
    return true;
}

}  // namespace

std::int16_t PrinterPageCount(std::int16_t n)
{
    if (n <= kRowsOnFirstPage)
        return 1;
    const int beyond = n - kRowsOnFirstPage;
    return static_cast<std::int16_t>(beyond / kRowsOnNextPages + (beyond % kRowsOnNextPages != 0 ? 2 : 1));
}

bool Print2Printer(PageDevice& device, const Document& document, int culvert, int n)
{
    return printJob(device, document, culvert, 1, [&](Page& page, const CulvertRecord& c) {
        projectAndCulvert(page, document.ProjectInfo, c, kWholeLabels);
        const double y = rows(page, c, 0, n - 1, kFirstRowY);
        totalsAndSummary(page, document, culvert, y, Spacing::Whole);
    });
}

bool Print2PrinterMT24(PageDevice& device, const Document& document, int culvert)
{
    return printJob(device, document, culvert, 1, [&](Page& page, const CulvertRecord& c) {
        projectAndCulvert(page, document.ProjectInfo, c, kFirstPageLabels);
        rows(page, c, 0, kRowsOnFirstPage - 1, kFirstRowY);
    });
}

bool Print2PrinterNext(PageDevice& device, const Document& document, int culvert, int n, int page)
{
    if (page < 2)
        return false;
    return printJob(device, document, culvert, page, [&](Page& sheet, const CulvertRecord& c) {
        const int first = (page - 2) * kRowsOnNextPages + kRowsOnFirstPage;
        const double y = rows(sheet, c, first, std::min(first + kRowsOnNextPages, n) - 1, kNextPageRowY);
        totalsAndSummary(sheet, document, culvert, y, Spacing::Continuation);
    });
}

bool printCulvert(PageDevice& device, const Document& document, int culvert)
{
    const CulvertRecord* c = culvertAt(document, culvert);
    if (c == nullptr)
        return false;
    const auto n = static_cast<int>(std::min<std::int64_t>(declaredAreaCount(*c), INT16_MAX));
    if (n <= kRowsOnFirstPage)
        return Print2Printer(device, document, culvert, n);
    if (!Print2PrinterMT24(device, document, culvert))
        return false;
    const int pages = PrinterPageCount(static_cast<std::int16_t>(n));
    for (int p = 2; p <= pages; ++p)
        if (!Print2PrinterNext(device, document, culvert, n, p))
            return false;
    return true;
}

PrintOutcome printCulverts(PageDevice& device, const Document& document, const std::vector<int>& culverts,
                           Progress* progress)
{
    PrintOutcome outcome;
    const std::size_t total = culverts.size();
    for (; outcome.Printed < total; ++outcome.Printed) {
        const int culvert = culverts[outcome.Printed];
        const CulvertRecord* c = culvertAt(document, culvert);
        if (!goOn(progress, outcome.Printed, total, c != nullptr ? std::string_view(c->CulvertNo) : std::string_view())) {
            outcome.status = PrintOutcome::Status::Cancelled;
            return outcome;
        }
        if (!printCulvert(device, document, culvert)) {
            outcome.status = PrintOutcome::Status::Refused;
            outcome.RefusedCulvert = culvert;
            return outcome;
        }
    }
    if (!goOn(progress, total, total, {}))
        outcome.status = PrintOutcome::Status::Cancelled;
    return outcome;
}

}  // namespace sw
