// The printed report as page commands: positions, fonts, bold runs, masks, labels and the page
// breaks, for the sub-area counts where the layout changes.

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "engine/discharge.h"
#include "report/printreport.h"
#include "tests/project/projectfixtures.h"
#include "report/recordingpage.h"

namespace sw {
namespace {

using namespace sw::testing;
using Kind = PageEvent::Kind;

// Zone A, 10 years, factor 1: 5.5 in/hr. n sub-areas of Asphaltic, 1 acre each (a culvert without
// any cannot be computed, but its pages can be printed).
Document computedCulvert(int n, const std::string& surface = "Asphaltic")
{
    std::vector<SubArea> areas;
    for (int j = 0; j < n; ++j)
        areas.push_back(subArea(surface, "1.0 a", 0.81, "lot " + std::to_string(j + 1)));
    Document s = stateWith({culvert("C-7", areas)});
    EXPECT_EQ(CalCulvert(s, 0).computed(), n > 0);
    return s;
}

// The first text event of a document whose text starts with `start`.
std::optional<PageEvent> textStarting(const RecordedDocument& d, const std::string& start)
{
    const auto it = std::ranges::find_if(d.events, [&](const PageEvent& e) {
        return e.kind == Kind::Text && e.text.starts_with(start);
    });
    return it == d.events.end() ? std::nullopt : std::optional<PageEvent>(*it);
}

std::vector<PageEvent> texts(const RecordedDocument& d)
{
    std::vector<PageEvent> out;
    std::ranges::copy_if(d.events, std::back_inserter(out), [](const PageEvent& e) { return e.kind == Kind::Text; });
    return out;
}

std::string mask30(const std::string& text)
{
    return std::string(text.size() < 30 ? 30 - text.size() : 0, ' ') + text;
}

// A line of the page: its texts from the left, each at its column, all in one weight and size.
struct Line {
    double y;
    bool bold;
    double points;
    std::vector<std::pair<double, std::string>> texts;
};

// A label at column 2 and its value through the mask of 30 at column 50.
Line labelled(double y, const std::string& label, const std::string& value, bool bold, double points)
{
    return {y, bold, points, {{2, label}, {50, mask30(value)}}};
}

// Every line drawn as the table has it: its texts in order, each where it stands and how.
void expectLines(const RecordedDocument& d, const std::vector<Line>& lines)
{
    const std::vector<PageEvent> t = texts(d);
    for (const Line& l : lines) {
        const std::string& first = l.texts.front().second;
        const auto at = std::ranges::find_if(t, [&](const PageEvent& e) { return e.text == first && e.y1 == l.y; });
        ASSERT_LE(std::ptrdiff_t(l.texts.size()), t.end() - at) << "\"" << first << "\" at " << l.y;
        for (std::size_t k = 0; k < l.texts.size(); ++k) {
            const PageEvent& e = at[std::ptrdiff_t(k)];
            EXPECT_EQ(std::make_tuple(e.x1, e.text, e.bold, e.fontSize),
                      std::make_tuple(l.texts[k].first, l.texts[k].second, l.bold, l.points)) << first;
        }
    }
}

TEST(PrintReport, PageCountOfLongCulverts)
{
    for (const auto& [n, pages] : std::vector<std::pair<std::int16_t, std::int16_t>>{
             {24, 1}, {25, 2}, {84, 2}, {85, 3}, {144, 3}, {145, 4}, {32767, 547}})
        EXPECT_EQ(PrinterPageCount(n), pages) << n;
}

// A whole report: every line of the header, the culvert, a row, the totals, in place, weight and size.
TEST(PrintReport, TitleProjectAndCulvertBlock)
{
    Document s = computedCulvert(2);
    RecordingDevice device;
    ASSERT_TRUE(printCulvert(device, s, 0));
    ASSERT_EQ(device.documents().size(), 1u);
    const RecordedDocument& d = *device.documents()[0];
    EXPECT_TRUE(d.ended);
    EXPECT_EQ(d.events.front().kind, Kind::Portrait);
    EXPECT_EQ(textStarting(d, "CORVENNA-STORMWICK REPORT")->fontName, "COURIER NEW");
    const auto rule = std::ranges::find_if(d.events, [](const PageEvent& e) { return e.kind == Kind::Line; });
    EXPECT_EQ(std::tie(rule->x1, rule->y1, rule->x2, rule->y2), std::make_tuple(2.0, 7.3, 96.0, 7.3));

    // A sub-area row: the surface unmasked, the area in 30 columns, C in 5, not bold.
    const Line row{30, false, 11, {{2, "Asphaltic"}, {42, mask30("1 a")}, {78, " 0.81"}}};
    expectLines(d, {{6, true, 12, {{2, "CORVENNA-STORMWICK REPORT"}}},
                    labelled(8, "Project Name:", "Route 9", false, 11),
                    labelled(9, "Project No:", "P-12", false, 11),
                    labelled(10, "Control No:", "0412-03", false, 11),
                    labelled(11, "Description:", "Widening", false, 11),
                    labelled(12, "Date/Time:", "03/14/2024 @ 10:42:07 AM", false, 11),
                    labelled(13, "Designer:", "J. Smith", false, 11),
                    labelled(16, "Culvert ID/STA:", "C-7", true, 11),
                    labelled(17, "Culvert STA/DESC:", "STA 12+50", true, 11),
                    labelled(18, "Return Period:", "10 year", false, 11),
                    labelled(19, "Vellmora Rainfall Zone:", "A", false, 11),
                    labelled(20, "Elevation of Most Remote Point Above Inlet:", "1010 ft", false, 11),
                    labelled(21, "Elevation of Culvert Inlet/Basin Outlet:", "1000 ft", false, 11),
                    labelled(22, "Max. Length of Travel:", "1000 ft", false, 11),
                    labelled(23, "Slope of Channel:", "0.01 ft/ft", true, 11),
                    labelled(24, "Time of Concentration:", "09.38 min", true, 11),
                    labelled(25, "Time of Concentration Correction Factor:", "1 (Design Manual)", false, 11),
                    labelled(26, "Corrected Time of Concentration:", "9.38 min", true, 11),
                    labelled(27, "Rainfall Intensity (i):", "5.5 in/hr (140 mm/hr)", true, 11),
                    row, {31, false, 11, row.texts},
                    labelled(32, "Total Area (A):", "2 acres", true, 11),
                    labelled(33, "Weighted C:", "0.81", true, 11),
                    labelled(36, "Q=CiA:", "8.9 cfs (.3 cms)", true, 11),  // 5.5 x 0.81 x 2 = 8.91
                    {39, true, 11, {{2, "Summary"}}}});
}

// The sub-area counts where the layout turns: the rows, the totals and Q, and where the summary
// starts (the same sheet, or a fresh one at Y 6 when the line after Q is at 45.87 or below).
TEST(PrintReport, RowsTotalsAndThePageBreakBeforeTheSummary)
{
    struct Case {
        int n;
        std::size_t jobs;
        double qY;          // on the last job
        int summarySheet;   // the sheet of the last job "Summary" stands on
        double summaryY;
        double rowPoints;   // the size of the last job's rows
    };
    for (const Case& c : {Case{0, 1, 34, 1, 37, 11}, Case{24, 1, 58, 2, 6, 11}, Case{25, 2, 14, 1, 17, 12},
                          Case{84, 2, 73, 2, 6, 12}, Case{85, 3, 14, 1, 17, 12}}) {
        Document s = computedCulvert(c.n);
        RecordingDevice device;
        ASSERT_TRUE(printCulvert(device, s, 0)) << c.n;
        ASSERT_EQ(device.documents().size(), c.jobs) << c.n;
        const RecordedDocument& last = *device.documents().back();
        EXPECT_TRUE(std::ranges::all_of(device.documents(), [](const auto& d) { return d->ended; }));
        const PageEvent q = *textStarting(last, "Q=CiA:");
        EXPECT_EQ(q.y1, c.qY) << c.n;
        EXPECT_TRUE(q.bold);
        const PageEvent total = *textStarting(last, "Total Area (A):");
        EXPECT_EQ(total.y1, c.qY - (c.jobs == 1 ? 4 : 3)) << c.n;
        const PageEvent summary = *textStarting(last, "Summary");
        EXPECT_EQ(std::tie(summary.page, summary.y1), std::make_tuple(c.summarySheet, c.summaryY)) << c.n;
        if (c.n > 0) {
            const PageEvent row = *textStarting(last, "Asphaltic");
            EXPECT_EQ(row.fontSize, c.rowPoints) << c.n;
        }
    }

    // 25: the first page holds rows 1 to 24 and nothing after them; the second row 25 at Y 9, the
    // totals from Y 11, all at 12 points.
    Document s = computedCulvert(25);
    RecordingDevice device;
    ASSERT_TRUE(printCulvert(device, s, 0));
    const RecordedDocument& first = *device.documents()[0];
    const std::vector<PageEvent> firstTexts = texts(first);
    EXPECT_EQ(firstTexts.back().y1, 53);
    EXPECT_FALSE(textStarting(first, "Total Area (A):"));
    expectLines(first, {labelled(11, "Descripition:", "Widening", false, 11), labelled(16, "Culvert ID:", "C-7", true, 11),
                        labelled(25, "Time of Cocentration Correction Factor:", "1 (Design Manual)", false, 11)});
    const RecordedDocument& second = *device.documents()[1];
    expectLines(second, {{6, true, 12, {{2, "CORVENNA-STORMWICK REPORT"}}},
                         {9, false, 12, {{2, "Asphaltic"}, {42, mask30("1 a")}, {78, " 0.81"}}},
                         labelled(11, "Total Area (A):", "25 acres", true, 12),
                         labelled(12, "Weighted C:", "0.81", true, 12),
                         labelled(14, "Q=CiA:", "111.4 cfs (3.2 cms)", true, 12),  // 5.5 x 0.81 x 25 = 111.375
                         {17, true, 12, {{2, "Summary"}}}});
    EXPECT_FALSE(textStarting(second, "Project Name:"));
    EXPECT_TRUE(std::ranges::all_of(texts(second), [](const PageEvent& e) { return e.fontSize == 12; }));
}

// On letter paper (63 lines of 1/6 inch in its printable area) a continuation page of 60 rows
// ends at line 62: the rows after it, the totals, Q and the summary go on a fresh sheet from line 6.
TEST(PrintReport, LinesBelowThePaperGoOnAFreshSheet)
{
    Document s = computedCulvert(84);
    RecordingDevice device;
    device.setPageLines(63);
    ASSERT_TRUE(printCulvert(device, s, 0));
    ASSERT_EQ(device.documents().size(), 2u);
    const std::vector<PageEvent> t = texts(*device.documents()[1]);
    EXPECT_TRUE(std::ranges::all_of(t, [](const PageEvent& e) { return e.y1 + 1 <= 63; }));
    const auto onSheet = [&](int sheet) {
        return std::ranges::count_if(t, [&](const PageEvent& e) { return e.page == sheet && e.x1 == 2 && e.y1 >= 9 &&
                                                                          (e.text.starts_with("Asphaltic")); });
    };
    EXPECT_EQ(onSheet(1), 54);  // rows 25 to 78 at lines 9 to 62
    EXPECT_EQ(textStarting(*device.documents()[1], "Asphaltic")->y1, 9);
    const PageEvent total = *textStarting(*device.documents()[1], "Total Area (A):");
    EXPECT_EQ(std::tie(total.page, total.y1), std::make_tuple(2, 13.0));  // rows 79 to 84 at 6 to 11
    const PageEvent summary = *textStarting(*device.documents()[1], "Summary");
    EXPECT_EQ(std::tie(summary.page, summary.y1), std::make_tuple(2, 19.0));
}

TEST(PrintReport, SummaryTableAndItsRefusal)
{
    Document s = computedCulvert(1);
    RecordingDevice device;
    ASSERT_TRUE(printCulvert(device, s, 0));
    const RecordedDocument& d = *device.documents()[0];
    const PageEvent summary = *textStarting(d, "Summary");
    const std::vector<PageEvent> t = texts(d);
    auto at = std::ranges::find_if(t, [](const PageEvent& e) { return e.text == "Summary"; });
    const std::vector<std::string> expected = {
        std::string(46, '-'),
        "Return  Weighted C     i       A           Q  ",
        "Period                                        ",
        "(year)              (in/hr)  (acre)      (cfs)",
        std::string(46, '-'),
        "    2        0.73     3.4       1.0       2.5",
        "    5        0.77     4.6       1.0       3.5",
        "*  10        0.81     5.5       1.0       4.5",
        "   25        0.86     6.5       1.0       5.6",
        "   50        0.90     7.3       1.0       6.6",
        "  100        0.95     8.1       1.0       7.7",
        "  500        1.00     9.8       1.0       9.8",
        std::string(46, '-'),
        ""};
    ASSERT_GE(t.end() - at, static_cast<std::ptrdiff_t>(expected.size() + 1));
    for (std::size_t k = 0; k < expected.size(); ++k) {
        const PageEvent& e = *(at + 1 + static_cast<std::ptrdiff_t>(k));
        EXPECT_EQ(e.text, expected[k]);
        EXPECT_EQ(std::tie(e.x1, e.y1, e.bold, e.fontSize), std::make_tuple(2.0, summary.y1 + 2 + double(k), false, 11.0))
            << k;
    }
    EXPECT_EQ(d.events.back().kind, Kind::EndDocument);

    // A surface of the user's own: the one line, and the job ends.
    Document own = computedCulvert(1, "Gravel yard");
    RecordingDevice device2;
    ASSERT_TRUE(printCulvert(device2, own, 0));
    const std::vector<PageEvent> ownTexts = texts(*device2.documents()[0]);
    EXPECT_EQ(ownTexts.back().text, "Not Available due to user-defined surface characters and C values");
    EXPECT_EQ(ownTexts.back().y1, textStarting(*device2.documents()[0], "Summary")->y1 + 1);
}

// A value longer than its 30 columns is printed whole from the value column; Q without a leading
// zero.
TEST(PrintReport, LongValuesWholeAndQWithoutLeadingZero)
{
    Document s = computedCulvert(1);
    s.ProjectInfo.ProjectName = std::string(45, 'N');
    s.CulvertList[0].Areas[0].AreaText = "0.1 a";
    s.CulvertList[0].Areas[0].AreaAcres = 0.1;
    ASSERT_TRUE(CalCulvert(s, 0).computed());
    RecordingDevice device;
    ASSERT_TRUE(printCulvert(device, s, 0));
    const RecordedDocument& d = *device.documents()[0];
    // 5.5 x 0.81 x 0.1 = 0.4455: .4 cfs, .4 x 0.0283 = 0.01: 0 cms
    expectLines(d, {labelled(8, "Project Name:", std::string(45, 'N'), false, 11),
                    labelled(35, "Q=CiA:", ".4 cfs (0 cms)", true, 11)});
}

}  // namespace
}  // namespace sw
