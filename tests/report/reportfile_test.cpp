#include <gtest/gtest.h>

#include <functional>

#include "tests/project/projectfixtures.h"
#include "core/messages.h"
#include "engine/discharge.h"
#include "engine/summary.h"
#include "report/comparefile.h"
#include "report/csvfile.h"
#include "report/reportfile.h"
#include "report/summaryfile.h"
#include "report/textfile.h"

namespace sw {
namespace {

using namespace sw::testing;

// A culvert never computed, without sub-areas and with correction factor 0. (Computed culverts
// are compared whole, in both files, in the tests of the batch command.) The all-culverts file
// ends each section with an empty line and stops at the first free slot.
TEST(ReportFile, WritesANeverComputedCulvertWithoutSubAreas)
{
    CulvertRecord x9 = record("X9", "STA 12+50", "5");
    setIntensity(x9, "B", 100, "ft", 90, "ft", 500, "ft", 0, "User Defined");
    Document s = stateWith({x9, record("", "", ""), culvert("C1", {})});
    Lines x9Lines = header();
    x9Lines.pop_back();  // "[CULVERTS]"
    x9Lines.insert(x9Lines.end(),
                   {"[INTENSITY INFO]", "Culvert ID=X9", "Culvert STA/DESC=STA 12+50", "Return Period=5 year",
                    "Vellmora Rainfall Zone=B", "Elevation of Most Remote Point Above Inlet=100 ft",
                    "Elevation of Culvert Inlet/Basin Outlet=90 ft", "Max. Length of Travel=500 ft",
                    "Slope of Channel=0 ft/ft", "Time of Concentration=not available (correction factor is 0)",
                    "Time of Concentration Correction Factor=0 (User Defined)", "Corrected Time of Concentration=0 min",
                    "Rainfall Intensity (i)=0 in/hr (0 mm/hr)", "", "[DRAINAGE AREA INFO]", "",
                    "Total Area (A)=0 acres", "Weighted C=0", "", "[COMPUTATAION RESULT]", "Q=CiA=0 cfs (0 cms)", "",
                    "[SUMMARY]", "Summary is not available because the culvert has not been computed"});
    TempDir dir;
    ASSERT_TRUE(Report2File(s, dir.file("one.txt"), 0).written());
    EXPECT_EQ(readBytes(dir.file("one.txt")), joinLines(x9Lines));
    ASSERT_TRUE(ReportAll2File(s, dir.file("all.txt")).written());
    EXPECT_EQ(readBytes(dir.file("all.txt")), joinLines(x9Lines) + "\r\n");
    EXPECT_EQ(dir.entries(), (Lines{"all.txt", "one.txt"}));
}

// Every writer of a results file: a place it cannot write is refused with a message that names it
// and says why; a disk that fills up half-way leaves the former file as it was and nothing beside
// it; a write that succeeds replaces the former file with exactly the writer's bytes.
TEST(ResultFiles, AnUnwritablePlaceLeavesTheFormerFile)
{
    const Document s = stateWith({culvert("C1", {subArea("Asphaltic", "1.0 a", 0.81)})});
    const std::vector<ComparisonRow> rows = compareProjects(s, s);
    using Write = std::function<FileWriteResult(const std::string&)>;
    const std::tuple<const char*, Write, std::string> writers[] = {
        {"report", [&](const std::string& p) { return ReportAll2File(s, p); }, textFileBytes(allCulvertsReportLines(s))},
        {"one culvert", [&](const std::string& p) { return Report2File(s, p, 0); }, textFileBytes(culvertReportLines(s, 0))},
        {"results CSV", [&](const std::string& p) { return writeResultsCsv(s, p); }, resultsCsv(s)},
        {"comparison CSV", [&](const std::string& p) { return writeComparisonCsv(rows, p); }, comparisonCsv(rows)},
        {"summary", [&](const std::string& p) { return WriteSummary(p, SummaryRows{}, "10"); },
         textFileBytes(summaryFileLines(SummaryRows{}, "10"))},
    };
    for (const auto& [name, write, bytes] : writers) {
        SCOPED_TRACE(name);
        TempDir dir;
        fs::create_directory(dir.file("folder"));
        writeBytes(dir.file("out"), "last week's file\r\n");
        for (const auto& [path, reason] : std::vector<std::pair<std::string, std::string_view>>{
                 {dir.file("missing/out"), "does not exist. Nothing was written"},
                 {dir.file("folder"), "is a folder, not a file. Nothing was written"}}) {
            const FileWriteResult r = write(path);
            EXPECT_FALSE(r.written());
            EXPECT_NE(r.Message.find("\"" + path + "\""), std::string::npos) << r.Message;
            EXPECT_NE(r.Message.find(reason), std::string::npos) << r.Message;
        }
        EXPECT_EQ(write("  ").Message, msg::kFileNoLocation);
        const FileWriteResult full = withFileSizeLimit(100, [&] { return write(dir.file("out")); });
        EXPECT_FALSE(full.written());
        EXPECT_NE(full.Message.find(dir.file("out")), std::string::npos) << full.Message;
        EXPECT_EQ(readBytes(dir.file("out")), "last week's file\r\n");
        EXPECT_EQ(dir.entries(), (Lines{"folder", "out"}));
        ASSERT_TRUE(write(dir.file("out")).written());
        EXPECT_EQ(readBytes(dir.file("out")), bytes);
    }
    EXPECT_EQ(Report2File(s, "out", -1).Message, msg::kReportNoCulvert);
}

// Surfaces are looked up without their surrounding blanks; one of the user's own refuses.
TEST(ReportSummary, FindsTableSurfacesAndFlagsUserDefinedOnes)
{
    const std::vector<std::pair<Lines, bool>> cases = {
        {{"Asphaltic", "Concrete/Roof"}, true}, {{"Asphaltic "}, true}, {{"  Pasture/Range-Steep over 7%  "}, true},
        {{}, true}, {{"asphaltic"}, false}, {{"Asphaltic", "Gravel shoulder"}, false},
        {{"Gravel shoulder", "Asphaltic"}, false}};
    for (const auto& [surfaces, found] : cases) {
        std::vector<SubArea> areas;
        for (const std::string& surface : surfaces)
            areas.push_back(subArea(surface, "1.0 a", 0.5));
        const SummaryCoefs coefs = CalSummaryC(culvert("1", areas));
        EXPECT_EQ(coefs.SummaryFlag, found ? SummarySurfaces::AllInTable : SummarySurfaces::UserDefined)
            << ::testing::PrintToString(surfaces);
        EXPECT_EQ(coefs.Coefs.size(), areas.size());
        EXPECT_EQ(std::ranges::all_of(coefs.Coefs, [](const auto& c) { return c.has_value(); }), found);
    }
}

TEST(ReportSummary, MarksTheRowOfTheDesignPeriodOnly)
{
    const SummaryRows rows = CalSummaryI({10, 5, 10, 3.76, 1.31, 2.84, 1.08});
    for (const auto& [period, marked] : std::vector<std::pair<std::string, int>>{
             {"2", 0}, {"10", 2}, {"500", 6}, {" 2 5 ", 3}, {"3", -1}, {"10.5", -1}, {"", -1}}) {
        const Lines lines = summaryTableLines(rows, period);
        ASSERT_EQ(lines.size(), 11u);
        for (int r = 0; r < 7; ++r)
            EXPECT_EQ(lines[static_cast<std::size_t>(4 + r)][0] == '*', r == marked) << '"' << period << "\" row " << r;
    }
}

// Only the declared sub-areas count: one Asphaltic area of 4 acres, not 13. (The table written of
// such rows, worked out by hand: tests/app/data/expected-summary-E-1.txt.)
TEST(ReportSummary, OnlyTheDeclaredSubAreasCountAndNoAreaGivesC0)
{
    Document s = stateWith({culvert("7", {subArea("Asphaltic", "4.0 a", 0.81), subArea("Own", "9.0 a", 0.5)})});
    s.CulvertList[0].NumOfAreas = "1";
    ASSERT_TRUE(CalCulvert(s, 0).computed());
    const SummaryOutcome out = prepareSummary(s, 0);
    ASSERT_TRUE(out.available()) << out.Message;
    // Tc 9.38 min: i 5.45 at 10 years; Q = 5.5 x 0.81 x 4 acres.
    EXPECT_EQ(out.Rows[2], (SummaryRow{10, 0.81, 5.45, 4, 17.8}));

    // 100 ft*ft is 0.002 acres, held as 0.0: C is 0, not a division by zero.
    s.CulvertList[0].Areas = {subArea("Asphaltic", "100 f", 0.81)};
    const SummaryOutcome tiny = prepareSummary(s, 0);
    ASSERT_TRUE(tiny.available());
    EXPECT_EQ(tiny.Rows[6], (SummaryRow{500, 0, 9.84, 0, 0}));
}

TEST(ReportSummary, RefusalsSayWhyAndWriteNoFile)
{
    Document userDefined =
        stateWith({culvert("7", {subArea("Asphaltic", "1.0 a", 0.81), subArea("Gravel", "2.0 a", 0.4)})});
    ASSERT_TRUE(CalCulvert(userDefined, 0).computed());
    Document neverComputed = stateWith({culvert("7", {subArea("Asphaltic", "4.0 a", 0.81)})});
    Document noLongerComputed = neverComputed;
    ASSERT_TRUE(CalCulvert(noLongerComputed, 0).computed());
    // Equal elevations: no slope, so the new inputs give no intensity.
    noLongerComputed.CulvertList[0].EleRemote = noLongerComputed.CulvertList[0].EleRemoteFt = 1000;
    EXPECT_FALSE(CalCulvert(noLongerComputed, 0).computed());
    const std::string notComputed(msg::kSummaryNotComputed);
    for (auto [state, status, message] : std::vector<std::tuple<Document*, SummaryOutcome::Status, std::string>>{
             {&userDefined, SummaryOutcome::Status::UserDefined,
              "Summary is not available for this Culvert due to user-defined surface characters and C values !"},
             {&neverComputed, SummaryOutcome::Status::NotComputed, notComputed},
             {&noLongerComputed, SummaryOutcome::Status::NotComputed, notComputed}}) {
        const SummaryOutcome out = prepareSummary(*state, 0);
        EXPECT_EQ(out.status, status);
        EXPECT_EQ(out.Message, message);
        if (status == SummaryOutcome::Status::NotComputed) {
            for (const SummaryRow& row : out.Rows)
                EXPECT_EQ(row, SummaryRow{});  // nothing computed from zeros
        }
    }
}

}  // namespace
}  // namespace sw
