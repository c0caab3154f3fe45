#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "core/messages.h"
#include "engine/discharge.h"
#include "engine/summary.h"
#include "reportfixture.h"

namespace sw {
namespace {

using testing::area;
using testing::culvert;
using testing::stateWith;
using testing::TempDir;

// Zone A between 5 and 10 minutes, and zone B likewise.
constexpr IntensityBracket kZoneA(double tc) { return {tc, 5, 10, 3.76, 1.31, 2.84, 1.08}; }
constexpr IntensityBracket kZoneB(double tc) { return {tc, 5, 10, 4.02, 1.35, 3.29, 1.12}; }

std::array<double, 7> sumI(const AppState& s)
{
    std::array<double, 7> out{};
    for (std::size_t r = 0; r < 7; ++r)
        out[r] = s.SummaryRows[r].SumI;
    return out;
}

struct IntensityCase {
    const char* name;
    IntensityBracket bracket;
    std::array<double, 7> expected;
};

class SummaryIntensity : public ::testing::TestWithParam<IntensityCase> {};

// i = (B x y + A) interpolated on the duration, y = -ln(ln(T/(T-1))), rounded to 0.01.
TEST_P(SummaryIntensity, RepeatsTheInterpolationForEveryPeriod)
{
    AppState s = stateWith({});
    CalSummaryI(s, GetParam().bracket);
    EXPECT_EQ(sumI(s), GetParam().expected);
    EXPECT_EQ(s.SummaryRows[0].Period, 2);
    EXPECT_EQ(s.SummaryRows[6].Period, 500);
}

INSTANTIATE_TEST_SUITE_P(
    Brackets, SummaryIntensity,
    ::testing::Values(
        // At the upper end of 5-10 the 10-minute coefficients alone count.
        IntensityCase{"ZoneAAt10", kZoneA(10), {3.24, 4.46, 5.27, 6.29, 7.05, 7.81, 9.55}},
        // 9.38 min: 0.876 of the way, i = 1.10852 y + 2.95408.
        IntensityCase{"ZoneAAt938", kZoneA(9.38), {3.36, 4.62, 5.45, 6.5, 7.28, 8.05, 9.84}},
        // At the lower end the 5-minute coefficients alone count.
        IntensityCase{"ZoneBAt5", kZoneB(5), {4.51, 6.04, 7.06, 8.34, 9.29, 10.23, 12.41}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SummaryC, OneAsphalticAreaFollowsTheTableRowOverTheSevenPeriods)
{
    AppState s = stateWith({culvert("1", {area("Asphaltic", 0.81, "4.0 a")})});
    s.CulvertList[0].Bracket = kZoneA(10);
    const SummaryOutcome out = prepareSummary(s, 0);
    ASSERT_TRUE(out.available()) << out.Message;
    EXPECT_EQ(s.SummaryFlag, 987);

    const std::array<double, 7> c{0.73, 0.77, 0.81, 0.86, 0.90, 0.95, 1.00};
    // Q = (SumI to 0.1) x C x A: 3.2, 4.5, 5.3, 6.3, 7.1, 7.8, 9.6 in/hr on 4 acres.
    const std::array<double, 7> q{9.3, 13.9, 17.2, 21.7, 25.6, 29.6, 38.4};
    for (std::size_t r = 0; r < 7; ++r) {
        SCOPED_TRACE(r);
        EXPECT_EQ(s.SummaryRows[r].SumC, c[r]);
        EXPECT_EQ(s.SummaryRows[r].SumA, 4.0);
        EXPECT_EQ(s.SummaryRows[r].SumQ, q[r]);
    }
}

struct SurfaceCase {
    const char* name;
    std::vector<std::string> surfaces;
    std::int16_t flag;
};

class SummaryAvailability : public ::testing::TestWithParam<SurfaceCase> {};

TEST_P(SummaryAvailability, FlagsUserDefinedSurfaces)
{
    std::vector<SubArea> areas;
    for (const auto& surface : GetParam().surfaces)
        areas.push_back(area(surface, 0.5, "1.0 a"));
    AppState s = stateWith({culvert("1", areas)});
    const AreaCoefs coefs = CalSummaryC(s, 0);
    EXPECT_EQ(s.SummaryFlag, GetParam().flag);
    ASSERT_EQ(coefs.size(), areas.size());
    for (const auto& entry : coefs) {
        if (GetParam().flag == 987) {
            EXPECT_TRUE(entry.has_value());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Surfaces, SummaryAvailability,
    ::testing::Values(SurfaceCase{"Table", {"Asphaltic", "Concrete/Roof"}, 987},
                      SurfaceCase{"TrailingBlank", {"Asphaltic "}, 987},
                      SurfaceCase{"SurroundingBlanks", {"  Pasture/Range-Steep over 7%  "}, 987},
                      SurfaceCase{"OtherLetterCase", {"asphaltic"}, -987},
                      SurfaceCase{"TableThenOwn", {"Asphaltic", "Gravel shoulder"}, -987},
                      SurfaceCase{"OwnThenTable", {"Gravel shoulder", "Asphaltic"}, -987},
                      SurfaceCase{"NoAreas", {}, 987}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SummaryC, OnlyTheDeclaredSubAreasCount)
{
    CulvertRecord c = culvert("1", {area("Asphaltic", 0.81, "4.0 a"), area("Own", 0.5, "9.0 a")});
    c.NumOfAreas = "1";
    c.Bracket = kZoneA(10);
    AppState s = stateWith({c});
    ASSERT_TRUE(prepareSummary(s, 0).available());
    EXPECT_EQ(s.SummaryRows[0].SumA, 4.0);
    EXPECT_EQ(s.SummaryRows[0].SumC, 0.73);
}

TEST(SummaryQ, AreasOfNoAcresGiveZeroWithoutDividing)
{
    // 100 ft*ft is 0.002 acres, held as 0.0.
    AppState s = stateWith({culvert("1", {area("Asphaltic", 0.81, "100 f"), area("Concrete/Roof", 0.83, "50 f")})});
    s.CulvertList[0].Bracket = kZoneA(10);
    ASSERT_TRUE(prepareSummary(s, 0).available());
    for (const SummaryRow& row : s.SummaryRows) {
        EXPECT_EQ(row.SumC, 0.0);
        EXPECT_EQ(row.SumA, 0.0);
        EXPECT_EQ(row.SumQ, 0.0);
    }
}

TEST(SummaryTable, RowsAreFortyFiveCharactersWithTheMarkInTheFirstColumn)
{
    EXPECT_EQ(summaryRowLine({10, 0.45, 5.27, 4.0, 9.5}, true), "*  10        0.45     5.3       4.0       9.5");
    EXPECT_EQ(summaryRowLine({25, 0.45, 5.1, 12.5, 28.7}, false), "   25        0.45     5.1      12.5      28.7");
    EXPECT_EQ(summaryRowLine({25, 0.45, 5.1, 12.5, 28.7}, true), "*  25        0.45     5.1      12.5      28.7");
    EXPECT_EQ(summaryRowLine({500, 1, 12.41, 0, 0}, false), "  500        1.00    12.4       0.0       0.0");
    // A value wider than its field is written whole, not cut.
    EXPECT_EQ(summaryRowLine({2, 0.5, 1, 2000000, 12345678901.0}, false),
              "    2        0.50     1.0 2000000.012345678901.0");
}

struct MarkCase {
    const char* name;
    const char* retPeriod;
    int markedRow;  // -1: none
};

class SummaryMark : public ::testing::TestWithParam<MarkCase> {};

TEST_P(SummaryMark, MarksTheRowOfTheDesignPeriodOnly)
{
    AppState s = stateWith({});
    const std::vector<std::string> lines = summaryTableLines(s.SummaryRows, GetParam().retPeriod);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[0], kSummaryHeader1);
    EXPECT_EQ(lines[3], kSummaryRule);
    for (int r = 0; r < 7; ++r) {
        const std::string& line = lines[static_cast<std::size_t>(4 + r)];
        EXPECT_EQ(line.size(), 45u);
        EXPECT_EQ(line[0] == '*', r == GetParam().markedRow) << "row " << r << ": " << line;
    }
}

INSTANTIATE_TEST_SUITE_P(Periods, SummaryMark,
                         ::testing::Values(MarkCase{"Two", "2", 0}, MarkCase{"Ten", "10", 2},
                                           MarkCase{"FiveHundred", "500", 6}, MarkCase{"Three", "3", -1},
                                           MarkCase{"Fractional", "10.5", -1}, MarkCase{"Empty", "", -1},
                                           MarkCase{"Blanks", " 2 5 ", 3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SummaryHeader, LinesAreFortySixCharacters)
{
    for (std::string_view line : {kSummaryHeader1, kSummaryHeader2, kSummaryHeader3, kSummaryRule})
        EXPECT_EQ(line.size(), 46u);
}

class ShowSummaryTest : public ::testing::Test {
protected:
    TempDir dir;
};

TEST_F(ShowSummaryTest, ComputedCulvertWritesTheTableReplacingAnOldFile)
{
    AppState s = stateWith({culvert("7", {area("Asphaltic", 0.81, "4.0 a")})});
    testing::computeAll(s);
    s.SummaryFilePath = dir.file("summary.txt");
    testing::writeBytes(s.SummaryFilePath, "an old summary that is longer than nothing\r\n");

    const SummaryOutcome out = ShowSummary(s, 0);
    ASSERT_TRUE(out.available()) << out.Message;
    EXPECT_EQ(s.SummaryFlag, 987);
    // Tc 9.38 min: i 3.36, 4.62, 5.45, 6.50, 7.28, 8.05, 9.84; Q = i(0.1) x C x 4 acres.
    EXPECT_EQ(testing::readBytes(s.SummaryFilePath),
              testing::crlf({"Return  Weighted C     i       A           Q  ",
                             "Period                                        ",
                             "(year)              (in/hr)  (acre)      (cfs)",
                             "----------------------------------------------",
                             "    2        0.73     3.4       4.0       9.9",
                             "    5        0.77     4.6       4.0      14.2",
                             "*  10        0.81     5.5       4.0      17.8",
                             "   25        0.86     6.5       4.0      22.4",
                             "   50        0.90     7.3       4.0      26.3",
                             "  100        0.95     8.1       4.0      30.8",
                             "  500        1.00     9.8       4.0      39.2"}));
    EXPECT_EQ(dir.entryCount(), 1u);  // no temporary file left beside it
}

TEST_F(ShowSummaryTest, UserDefinedSurfaceIsRefusedWithItsMessageAndNoFile)
{
    AppState s = stateWith({culvert("7", {area("Asphaltic", 0.81, "1.0 a"), area("Gravel", 0.4, "2.0 a")})});
    testing::computeAll(s);
    s.SummaryFilePath = dir.file("summary.txt");
    const SummaryOutcome out = ShowSummary(s, 0);
    EXPECT_EQ(out.status, SummaryOutcome::Status::UserDefined);
    EXPECT_EQ(out.Message,
              "Summary is not available for this Culvert due to user-defined surface characters and C values !");
    EXPECT_EQ(s.SummaryFlag, -987);
    EXPECT_FALSE(std::filesystem::exists(s.SummaryFilePath));
}

TEST_F(ShowSummaryTest, NeverComputedCulvertIsRefusedInsteadOfComputedFromZeros)
{
    AppState s = stateWith({culvert("7", {area("Asphaltic", 0.81, "4.0 a")})});
    s.SummaryFilePath = dir.file("summary.txt");
    const SummaryOutcome out = ShowSummary(s, 0);
    EXPECT_EQ(out.status, SummaryOutcome::Status::NotComputed);
    EXPECT_EQ(out.Message, msg::kSummaryNotComputed);
    EXPECT_FALSE(std::filesystem::exists(s.SummaryFilePath));
    for (const SummaryRow& row : s.SummaryRows)
        EXPECT_EQ(row, (SummaryRow{row.Period, 0, 0, 0, 0}));
}

TEST_F(ShowSummaryTest, CulvertWhoseNewInputsCannotBeComputedIsRefused)
{
    AppState s = stateWith({culvert("7", {area("Asphaltic", 0.81, "4.0 a")})});
    testing::computeAll(s);
    // Equal elevations: no slope, so no time of concentration and no intensity.
    s.CulvertList[0].EleRemote = s.CulvertList[0].EleRemoteFt = 1000;
    EXPECT_FALSE(CalCulvert(s, 0).computed());
    s.SummaryFilePath = dir.file("summary.txt");
    EXPECT_EQ(ShowSummary(s, 0).status, SummaryOutcome::Status::NotComputed);
    EXPECT_FALSE(std::filesystem::exists(s.SummaryFilePath));
}

TEST_F(ShowSummaryTest, MissingFolderIsReportedNamingThePath)
{
    AppState s = stateWith({culvert("7", {area("Asphaltic", 0.81, "4.0 a")})});
    testing::computeAll(s);
    s.SummaryFilePath = dir.file("no such folder/summary.txt");
    const SummaryOutcome out = ShowSummary(s, 0);
    EXPECT_EQ(out.status, SummaryOutcome::Status::WriteFailed);
    EXPECT_NE(out.Message.find(s.SummaryFilePath), std::string::npos) << out.Message;
    EXPECT_NE(out.Message.find(msg::kFileNoFolder), std::string::npos) << out.Message;
    EXPECT_EQ(dir.entryCount(), 0u);
}

TEST_F(ShowSummaryTest, NoCulvertIsRefused)
{
    AppState s = stateWith({});
    s.SummaryFilePath = dir.file("summary.txt");
    EXPECT_EQ(ShowSummary(s, kNoCulvert).status, SummaryOutcome::Status::NoCulvert);
    EXPECT_EQ(ShowSummary(s, 0).status, SummaryOutcome::Status::NoCulvert);
    EXPECT_EQ(dir.entryCount(), 0u);
}

TEST(SummaryCulvert, FollowsTheKindOfTheLastRun)
{
    AppState s = stateWith({});
    s.CurCulvert = 2;
    s.BoardCulvert = 5;
    s.LastRunSingle = true;
    EXPECT_EQ(summaryCulvert(s), 2);
    s.LastRunSingle = false;
    EXPECT_EQ(summaryCulvert(s), 5);
}

}  // namespace
}  // namespace sw
