#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <string>
#include <vector>

#include "core/messages.h"
#include "report/reportfile.h"
#include "reportfixture.h"

namespace sw {
namespace {

using testing::area;
using testing::crlf;
using testing::culvert;
using testing::readBytes;
using testing::stateWith;
using testing::TempDir;
using testing::writeBytes;

const std::vector<std::string> kHeader = {
    "[CORVENNA- STORMWICK]",
    "[PROJECT INFO]",
    "Project Name=Route 9 widening",
    "Project No=P-17",
    "Control No=C-4",
    "Porject Description=North section",
    "Date=03/14/2024",
    "Time=10:05:00 AM",
    "Designer=J. Doe",
    "",
};

// Zone A, 10 years, Tc 9.38 min: i 5.45 -> 5.5 in/hr; C (0.81 x 1 + 0.25 x 3) / 4 = 0.39 on 4 acres.
CulvertRecord tableCulvert()
{
    return culvert("C1", {area("Asphaltic", 0.81, "1.0 a"), area("Grass Areas (> 75%)-Flat 0~2%", 0.25, "3.0 a")});
}

std::vector<std::string> tableCulvertSection(const std::string& mm)
{
    return {
        "[INTENSITY INFO]",
        "Culvert ID=C1",
        "Culvert STA/DESC=STA 12+50",
        "Return Period=10 year",
        "Vellmora Rainfall Zone=A",
        "Elevation of Most Remote Point Above Inlet=1010 ft",
        "Elevation of Culvert Inlet/Basin Outlet=1000 ft",
        "Max. Length of Travel=1000 ft",
        "Slope of Channel=0.01 ft/ft",
        "Time of Concentration=09.38 min",
        "Time of Concentration Correction Factor=1 (Design Manual)",
        "Corrected Time of Concentration=9.38 min",
        "Rainfall Intensity (i)=5.5 in/hr (" + mm + " mm/hr)",
        "",
        "[DRAINAGE AREA INFO]",
        "Asphaltic, 1 a, 0.81",
        "Grass Areas (> 75%)-Flat 0~2%, 3 a, 0.25",
        "",
        "Total Area (A)=4 acres",
        "Weighted C=0.39",
        "",
        "[COMPUTATAION RESULT]",
        "Q=CiA=8.6 cfs (0.2 cms)",
        "",
        "[SUMMARY]",
        "",
        "Return  Weighted C     i       A           Q  ",
        "Period                                        ",
        "(year)              (in/hr)  (acre)      (cfs)",
        "----------------------------------------------",
        "    2        0.34     3.4       4.0       4.6",
        "    5        0.37     4.6       4.0       6.8",
        "*  10        0.39     5.5       4.0       8.6",
        "   25        0.43     6.5       4.0      11.2",
        "   50        0.47     7.3       4.0      13.7",
        "  100        0.51     8.1       4.0      16.5",
        "  500        0.62     9.8       4.0      24.3",
        "----------------------------------------------",
    };
}

std::vector<std::string> concat(std::vector<std::vector<std::string>> parts)
{
    std::vector<std::string> out;
    for (auto& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

class ReportFileTest : public ::testing::Test {
protected:
    TempDir dir;
};

TEST_F(ReportFileTest, OneCulvertFileWithSummaryEndsWithTwoLineEnds)
{
    AppState s = stateWith({tableCulvert()});
    testing::computeAll(s);
    const std::string path = dir.file("one.txt");
    const FileWriteResult r = Report2File(s, path, 0);
    ASSERT_TRUE(r.written()) << r.Message;
    EXPECT_EQ(readBytes(path), crlf(concat({kHeader, tableCulvertSection("140"), {""}})));
    EXPECT_EQ(dir.entryCount(), 1u);
}

// The all-culverts file and user-defined surfaces are compared whole in the tests of the batch
// command, on a project file.

TEST_F(ReportFileTest, AllCulvertsFileStopsAtTheFirstFreeSlot)
{
    AppState s = stateWith({tableCulvert(), tableCulvert(), tableCulvert()});
    testing::computeAll(s);
    s.CulvertList[1].CulvertNo.clear();
    const std::string path = dir.file("all.txt");
    ASSERT_TRUE(ReportAll2File(s, path).written());
    EXPECT_EQ(readBytes(path), crlf(concat({kHeader, tableCulvertSection("139.7"), {""}})));
}

TEST_F(ReportFileTest, NeverComputedCulvertWithFactorZeroAndNoAreas)
{
    CulvertRecord c = culvert("X9", {});
    c.RetPeriod = "5";
    c.RFZone = "B";
    c.EleRemote = c.EleRemoteFt = 100;
    c.EleCulvert = c.EleCulvertFt = 90;
    c.LenTravel = c.LenTravelFt = 500;
    c.CorFactor = 0;
    c.CorFactorSource = "User Defined";
    AppState s = stateWith({c});
    const std::string path = dir.file("one.txt");
    ASSERT_TRUE(Report2File(s, path, 0).written());
    EXPECT_EQ(readBytes(path), crlf(concat({kHeader,
                                            {
                                                "[INTENSITY INFO]",
                                                "Culvert ID=X9",
                                                "Culvert STA/DESC=STA 12+50",
                                                "Return Period=5 year",
                                                "Vellmora Rainfall Zone=B",
                                                "Elevation of Most Remote Point Above Inlet=100 ft",
                                                "Elevation of Culvert Inlet/Basin Outlet=90 ft",
                                                "Max. Length of Travel=500 ft",
                                                "Slope of Channel=0 ft/ft",
                                                "Time of Concentration=not available (correction factor is 0)",
                                                "Time of Concentration Correction Factor=0 (User Defined)",
                                                "Corrected Time of Concentration=0 min",
                                                "Rainfall Intensity (i)=0 in/hr (0 mm/hr)",
                                                "",
                                                "[DRAINAGE AREA INFO]",
                                                "",
                                                "Total Area (A)=0 acres",
                                                "Weighted C=0",
                                                "",
                                                "[COMPUTATAION RESULT]",
                                                "Q=CiA=0 cfs (0 cms)",
                                                "",
                                                "[SUMMARY]",
                                                "Summary is not available because the culvert has not been computed",
                                            }})));
    // In the all-culverts file the section's empty line follows the text.
    const std::vector<std::string> all = allCulvertsReportLines(s);
    ASSERT_GE(all.size(), 2u);
    EXPECT_EQ(all[all.size() - 2], kReportSummaryNotComputed);
    EXPECT_EQ(all.back(), "");
}

struct StoredCase {
    const char* name;
    double intensity, weightedC, totalArea;
    std::string oneLine23, allLine23, line28, line32;
};

class ReportStoredValues : public ::testing::TestWithParam<StoredCase> {};

// Lines 23, 28 and 32 from the stored results; the writers recompute nothing but Q.
TEST_P(ReportStoredValues, ShowsTheRecordsAsStored)
{
    const StoredCase& p = GetParam();
    CulvertRecord c = tableCulvert();
    c.Intensity = p.intensity;
    c.WeightedC = p.weightedC;
    c.TotalArea = p.totalArea;
    AppState s = stateWith({c});
    const std::vector<std::string> one = culvertReportLines(s, 0);
    const std::vector<std::string> all = allCulvertsReportLines(s);
    ASSERT_GT(one.size(), 32u);
    EXPECT_EQ(one[22], p.oneLine23);
    EXPECT_EQ(all[22], p.allLine23);
    EXPECT_EQ(one[28], p.line28);
    EXPECT_EQ(one[32], p.line32);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ReportStoredValues,
    ::testing::Values(
        StoredCase{"WholeCfs", 5.0, 0.6, 4.0, "Rainfall Intensity (i)=5 in/hr (127 mm/hr)",
                   "Rainfall Intensity (i)=5 in/hr (127 mm/hr)", "Total Area (A)=4 acres", "Q=CiA=12 cfs (0.3 cms)"},
        StoredCase{"MillimetresRoundedOrNot", 4.2, 0.5, 0.5, "Rainfall Intensity (i)=4.2 in/hr (107 mm/hr)",
                   "Rainfall Intensity (i)=4.2 in/hr (106.68 mm/hr)", "Total Area (A)=0.5 acres",
                   "Q=CiA=1.1 cfs (0 cms)"},
        StoredCase{"HalfMillimetreToEven", 7.5, 0.45, 4.0, "Rainfall Intensity (i)=7.5 in/hr (190 mm/hr)",
                   "Rainfall Intensity (i)=7.5 in/hr (190.5 mm/hr)", "Total Area (A)=4 acres",
                   "Q=CiA=13.5 cfs (0.4 cms)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReportLength, DropsTheLeadingZeroAndShowsFeetOnlyWhenTheyDiffer)
{
    EXPECT_EQ(reportLengthText(1200, "ft", 1200), "1200 ft");
    EXPECT_EQ(reportLengthText(365.8, "m", 1200.1), "365.8 m (1200.1 ft)");
    EXPECT_EQ(reportLengthText(0.5, "ft", 0.5), ".5 ft");
    EXPECT_EQ(reportLengthText(0.25, "m", 0.82), ".25 m (.82 ft)");
    EXPECT_EQ(reportLengthText(0, "m", 0), "0 m");
    EXPECT_EQ(reportLengthText(12.344, "ft", 12.34), "12.344 ft (12.34 ft)");
}

TEST_F(ReportFileTest, NoCulvertSelectedWritesNothing)
{
    AppState s = stateWith({tableCulvert()});
    const std::string path = dir.file("one.txt");
    const FileWriteResult r = Report2File(s, path, kNoCulvert);
    EXPECT_FALSE(r.written());
    EXPECT_EQ(r.Message, msg::kReportNoCulvert);
    EXPECT_FALSE(std::filesystem::exists(path));
}

struct BadPathCase {
    const char* name;
    std::string relative;  // under the test folder; "" for an empty location
    std::string_view reason;
};

class ReportBadPath : public ReportFileTest, public ::testing::WithParamInterface<BadPathCase> {};

TEST_P(ReportBadPath, IsRefusedWithAMessageNamingIt)
{
    std::filesystem::create_directory(dir.path() / "folder");
    writeBytes(dir.file("plain"), "not a folder");
    AppState s = stateWith({tableCulvert()});
    testing::computeAll(s);
    const std::string path = GetParam().relative.empty() ? "  " : dir.file(GetParam().relative);
    const FileWriteResult r = ReportAll2File(s, path);
    EXPECT_FALSE(r.written());
    if (!GetParam().relative.empty()) {
        EXPECT_NE(r.Message.find("\"" + path + "\""), std::string::npos) << r.Message;
    }
    EXPECT_NE(r.Message.find(GetParam().reason), std::string::npos) << r.Message;
    EXPECT_EQ(dir.entryCount(), 2u);  // the folder and the plain file, nothing else
    EXPECT_EQ(readBytes(dir.file("plain")), "not a folder");
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ReportBadPath,
    ::testing::Values(BadPathCase{"MissingFolder", "missing/report.txt", msg::kFileNoFolder},
                      BadPathCase{"Folder", "folder", msg::kFileIsFolder},
                      BadPathCase{"FileAsFolder", "plain/report.txt", msg::kFileNoFolder},
                      BadPathCase{"Empty", "", msg::kFileNoLocation}),
    [](const auto& info) { return std::string(info.param.name); });

// A write that fails half-way (here: the file size limit) leaves the former report as it was and
// no partial file behind.
TEST_F(ReportFileTest, FailedWriteKeepsTheFormerReport)
{
    AppState s = stateWith({tableCulvert(), tableCulvert()});
    testing::computeAll(s);
    const std::string path = dir.file("all.txt");
    writeBytes(path, "the report of last week\r\n");

    rlimit old{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 200;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const FileWriteResult r = ReportAll2File(s, path);
    setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(r.written());
    EXPECT_NE(r.Message.find(path), std::string::npos) << r.Message;
    EXPECT_EQ(readBytes(path), "the report of last week\r\n");
    EXPECT_EQ(dir.entryCount(), 1u);
}

}  // namespace
}  // namespace sw
