#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <optional>

#include "engine/runoff.h"
#include "engine/tc.h"
#include "project/filetext.h"
#include "project/projectreader.h"
#include "project/projectwriter.h"
#include "projectfixtures.h"

namespace sw {
namespace {

using testing::crlf;
using testing::lf;
using testing::readBytes;
using testing::subArea;
using testing::TempDir;
using testing::writeBytes;

const std::string kRuler = "0********1*********2*********3*********4*********5*********6";
const std::string kHappened = " happened in StoreInfo_Culvert !";

std::vector<std::string> header(const std::string& name = "Route 9")
{
    return {"[CORVENNA- STORMWICK]", "[PROJECT INFO]", "Project Name=" + name, "Project No=P-12",
            "Control No=0412-03", "Porject Description=Widening", "Date=03/14/2024", "Time=10:42:07 AM",
            "Designer=J. Smith", "", "[CULVERTS]"};
}

std::vector<std::string> headerWithoutCulverts()
{
    std::vector<std::string> lines = header();
    lines.pop_back();
    return lines;
}

std::vector<std::string> intensityBlock(const std::string& remote = "980.5 ft")
{
    return {"[INTENSITY INFO]",
            "Vellmora rainfall zone=B",
            "Elevation of most remost point=" + remote,
            "Elevation of culvert inlet=950 ft",
            "Maxinum lenght of travel=1200 m",
            "Time of concentration correction factor= .8 ",
            "Source of correction factor=Design Manual"};
}

std::vector<std::string> joined(std::initializer_list<std::vector<std::string>> parts)
{
    std::vector<std::string> out;
    for (const auto& p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

std::vector<std::string> culvertStart(const std::string& id, const std::string& period = "10")
{
    return {kRuler, "Culvert No=" + id, "[RUNOFF AREA INFO]", "Station/Description=Sta " + id,
            "Return Period=" + period};
}

// A project in memory that a refused read must leave exactly as it is.
AppState busyState()
{
    AppState s;
    s.ProjectInfo = {"Kept", "K-1", "K", "kept project", "01/01/2020", "9:00", "Me"};
    CulvertRecord c;
    c.CulvertNo = "K1";
    c.NumOfAreas = "1";
    c.Areas = {subArea("Asphaltic", "1.0 a", 0.73, "kept")};
    s.CulvertList = {c, c};
    s.CulvertList[1].CulvertNo = "K2";
    s.CurCulvert = 1;
    s.FileCulvertCount = 2;
    s.PosProjectInfo = 2;
    s.PosCulverts = 11;
    return s;
}

void expectUnchanged(const AppState& before, const AppState& after)
{
    EXPECT_EQ(before.ProjectInfo, after.ProjectInfo);
    EXPECT_EQ(before.CulvertList, after.CulvertList);
    EXPECT_EQ(before.CurCulvert, after.CurCulvert);
    EXPECT_EQ(before.FileCulvertCount, after.FileCulvertCount);
    EXPECT_EQ(before.PosProjectInfo, after.PosProjectInfo);
    EXPECT_EQ(before.PosCulverts, after.PosCulverts);
}

// ---- The format check

struct FormatCase {
    const char* name;
    std::string bytes;
    std::int16_t code;
};

void PrintTo(const FormatCase& c, std::ostream* os)
{
    *os << c.name;
}

class FormatCheckCases : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatCheckCases, AcceptsOnlyFilesWithTheSourceKey)
{
    TempDir dir;
    const std::string path = dir.file("f.prj");
    writeBytes(path, GetParam().bytes);
    const FormatCheck check = CheckFileFormat(path);
    EXPECT_EQ(check.Code, GetParam().code);
    EXPECT_EQ(check.status,
              GetParam().code == 11 ? FormatCheck::Status::Accepted : FormatCheck::Status::NotProjectFile);
    EXPECT_EQ(check.Message, "");
}

INSTANTIATE_TEST_SUITE_P(
    ProjectReader, FormatCheckCases,
    ::testing::Values(
        FormatCase{"Written", crlf(joined({header(), culvertStart("C1"), intensityBlock()})), 11},
        FormatCase{"LfOnly", lf(joined({header(), culvertStart("C1"), intensityBlock()})), 11},
        FormatCase{"FirstLineDiffers", crlf({"some other title", "Source of correction factor=x"}), 11},
        FormatCase{"AnyCaseAndSpaces", crlf({"   sOURCE of CORRECTION Factor   =User Defined"}), 11},
        FormatCase{"KeyWithoutValue", "Source of correction factor", 11},
        FormatCase{"AfterALongLine", std::string(200000, 'x') + "\r\n  Source of correction factor =x\r\n", 11},
        FormatCase{"KeyAcrossPieces", std::string(65530, '-') + "\nSource of correction factor=x", 11},
        FormatCase{"Windows1252Text", crlf({"Montr\xE9" "al \xB0", "Source of correction factor=D\xE9sign"}), 11},
        FormatCase{"KeyWithAnAccent", crlf({"Source of corr\xE9" "ction factor=x"}), -11},
        FormatCase{"NoSourceLine", crlf(joined({header(), culvertStart("C1")})), -11},
        FormatCase{"EmptyFile", "", -11},
        FormatCase{"LongerKey", crlf({"Source of correction factors=x"}), -11},
        FormatCase{"TwoSpacesInside", crlf({"Source  of correction factor=x"}), -11},
        FormatCase{"KeyAfterTheEquals", crlf({"x=Source of correction factor"}), -11}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProjectReader, FormatCheckReportsAFileItCannotRead)
{
    TempDir dir;
    // A device is refused before it is opened: it would never end (or, a pipe, never start).
    for (const std::string& path : {dir.file("missing.prj"), dir.path().string(), std::string("/dev/zero")}) {
        SCOPED_TRACE(path);
        const FormatCheck check = CheckFileFormat(path);
        EXPECT_EQ(check.status, FormatCheck::Status::Failed);
        EXPECT_EQ(check.Code, -11);
        EXPECT_EQ(check.Message.rfind("Program Error : ", 0), 0u) << check.Message;
        EXPECT_NE(check.Message.find(path), std::string::npos) << check.Message;
        EXPECT_TRUE(check.Message.ends_with(" occured in FindSecTitle")) << check.Message;
    }
}

TEST(ProjectReader, RefusesAFileFarTooLargeForAProject)
{
    TempDir dir;
    const std::string path = dir.file("huge.bin");
    writeBytes(path, "");
    std::filesystem::resize_file(path, kMaxProjectFileBytes + 1);  // sparse: nothing is written
    const std::string message =
        "Program Error : The file \"" + path + "\" is larger than 256 MB, far too large for a project file occured in "
        "FindSecTitle";
    EXPECT_EQ(CheckFileFormat(path).Message, message);
    AppState state = busyState();
    const AppState before = state;
    const LoadOutcome out = readProjectFile(state, path);
    EXPECT_EQ(out.status, LoadOutcome::Status::Refused);
    EXPECT_EQ(out.Message, message);
    expectUnchanged(before, state);
}

// ---- Sections

TEST(ProjectReader, FindsSectionTitlesOnlyWhenTheyMatchExactly)
{
    const std::vector<std::string> lines = joined(
        {{"[CULVERTS]", "[PROJECT INFO] ", " [CULVERTS]", "[culverts]", kRuler + " ", kRuler}, header(),
         culvertStart("C1"), culvertStart("C2")});
    const SectionScan scan = FindSecTitle(crlf(lines));
    ASSERT_TRUE(scan.scanned());
    // The last occurrence counts; a position is the line after the title.
    EXPECT_EQ(scan.PosProjectInfo, 8);
    EXPECT_EQ(scan.PosCulverts, 17);
    EXPECT_EQ(scan.FileCulvertCount, 3);
}

TEST(ProjectReader, RefusesMoreCulvertsThanA16BitCountHolds)
{
    std::string text = crlf(header());
    for (int i = 0; i < 32767; ++i)
        text += kRuler + "\r\nCulvert No=x\r\n";
    const SectionScan fits = FindSecTitle(text);
    ASSERT_TRUE(fits.scanned());
    EXPECT_EQ(fits.FileCulvertCount, 32767);

    text += kRuler + "\r\nCulvert No=one too many\r\n";
    const SectionScan over = FindSecTitle(text);
    EXPECT_EQ(over.status, SectionScan::Status::Failed);
    EXPECT_EQ(over.Message,
              "Program Error : The file holds more than 32767 culverts (ruler lines), more than a project can hold "
              "occured in FindSecTitle");

    TempDir dir;
    const std::string path = dir.file("huge.prj");
    writeBytes(path, text);
    AppState state = busyState();
    const AppState before = state;
    const LoadOutcome out = readProjectFile(state, path);
    EXPECT_EQ(out.status, LoadOutcome::Status::Refused);
    EXPECT_EQ(out.Message, over.Message);
    expectUnchanged(before, state);
}

TEST(ProjectReader, ProjectLinesKeepLeadingSpacesAndLoseTrailingOnes)
{
    const std::string text = crlf({"[PROJECT INFO]", "Project Name= My Road  ", "whatever key=P=12", "no key here",
                                   "Porject Description=", "  Date=03/14/2024", "Time=10:42", "Designer=   "});
    const std::optional<ProjectInfo> info = ReadProjectInfo(text, 1);
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(*info, (ProjectInfo{" My Road", "P=12", "no key here", "", "03/14/2024", "10:42", ""}));
    EXPECT_FALSE(ReadProjectInfo(text, 2).has_value());  // only six lines left
}

// ---- Numbers and sub-area lines

TEST(ProjectReader, StrictNumbersAreWholeTokens)
{
    const std::vector<std::pair<std::string, std::optional<double>>> cases = {
        {"980.5", 980.5}, {"-3.25", -3.25}, {" 12 ", 12.0},   {".5", 0.5},         {"+2", 2.0},
        {"1e3", 1000.0},  {"0", 0.0},       {"12abc", {}},    {"1,5", {}},         {"", {}},
        {"  ", {}},       {"-", {}},        {"inf", {}},      {"nan", {}},         {"1e999", {}},
        {"--1", {}},      {"+-1", {}},      {"0x10", {}},     {"1 2", {}},         {"1.2.3", {}},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE("\"" + text + "\"");
        EXPECT_EQ(strictNumber(text), expected);
    }
}

struct AreaCase {
    std::string line;
    bool parsed;
    SubArea area;  // AreaAcres is checked against CalAcres of AreaText
};

TEST(ProjectReader, ParsesSubAreaLines)
{
    const std::vector<AreaCase> cases = {
        {"Asphaltic,2.5 a,0.35,ditch", true, {"Asphaltic", 0.35, "2.5 a", 0, "ditch"}},
        {"  Gravel yard , 1.2 h ,  0.50 ,  north side  ", true, {"Gravel yard", 0.5, "1.2 h", 0, "north side"}},
        {"Roof,3.0 m,0.9,one,two", true, {"Roof", 0.9, "3.0 m", 0, "one"}},
        {"Roof,3.0 m,0.9,", true, {"Roof", 0.9, "3.0 m", 0, ""}},
        // Without a fourth field the third stands for it too.
        {"Roof,3.0 m,0.9", true, {"Roof", 0.9, "3.0 m", 0, "0.9"}},
        {"Roof,2.5,0.9,no unit", true, {"Roof", 0.9, "2.5", 0, "no unit"}},
        {"", false, {}},
        {"Roof", false, {"Roof", 0, "Roof", 0, ""}},
        {"Roof,3.0 m,0.9x,desc", false, {"Roof", 0, "3.0 m", 0, ""}},
        {"Roof,3.0 m,,desc", false, {"Roof", 0, "3.0 m", 0, ""}},
    };
    for (const AreaCase& c : cases) {
        SCOPED_TRACE(c.line);
        const AreaLine got = ParseAreaLine(c.line);
        EXPECT_EQ(got.parsed(), c.parsed);
        SubArea expected = c.area;
        expected.AreaAcres = CalAcres(expected.AreaText);
        EXPECT_EQ(got.Area, expected);
    }
    EXPECT_EQ(ParseAreaLine("Roof,2.5 h,0.9,x").Area.AreaAcres, CalAcres("2.5 h"));
    EXPECT_GT(ParseAreaLine("Roof,2.5 h,0.9,x").Area.AreaAcres, 6.0);
}

// ---- Culvert blocks

TEST(ProjectReader, ReadsCulvertBlocks)
{
    const std::vector<std::string> lines = joined(
        {header(), culvertStart("C1"), {"Asphaltic,2.5 a,0.35,ditch", "Gravel yard,1.2 h,0.50,"}, intensityBlock(),
         culvertStart("C2", "25"),
         {"[INTENSITY INFO]", "Vellmora rainfall zone=A", "Elevation of most remost point=-3.25 m",
          "Elevation of culvert inlet= -10   m ", "Maxinum lenght of travel=300 ft",
          "Time of concentration correction factor= 1.5abc", "Source of correction factor=  User Defined  "},
         culvertStart("C3", "5")});
    TempDir dir;
    const std::string path = dir.file("p.prj");
    writeBytes(path, crlf(lines));
    AppState state = busyState();
    const LoadOutcome out = readProjectFile(state, path);
    ASSERT_EQ(out.status, LoadOutcome::Status::Loaded) << out.Message;
    EXPECT_EQ(out.Message, "");
    EXPECT_EQ(state.ProjectInfo.ProjectName, "Route 9");
    EXPECT_EQ(state.FileCulvertCount, 3);
    EXPECT_EQ(state.PosProjectInfo, 2);
    EXPECT_EQ(state.PosCulverts, 11);
    EXPECT_EQ(state.CurCulvert, kNoCulvert);
    ASSERT_EQ(state.CulvertList.size(), 3u);

    const CulvertRecord& c1 = state.CulvertList[0];
    EXPECT_EQ(c1.CulvertNo, "C1");
    EXPECT_EQ(c1.Description, "Sta C1");
    EXPECT_EQ(c1.RetPeriod, "10");
    EXPECT_EQ(c1.NumOfAreas, "2");
    ASSERT_EQ(c1.Areas.size(), 2u);
    EXPECT_EQ(c1.Areas[1].Surface, "Gravel yard");
    EXPECT_EQ(c1.Areas[1].AreaAcres, CalAcres("1.2 h"));
    EXPECT_EQ(c1.RFZone, "B");
    EXPECT_EQ(c1.EleRemote, 980.5);
    EXPECT_EQ(c1.EleRemoteUnit, "ft");
    EXPECT_EQ(c1.EleRemoteFt, 980.5);
    EXPECT_EQ(c1.LenTravel, 1200.0);
    EXPECT_EQ(c1.LenTravelUnit, "m");
    EXPECT_EQ(c1.LenTravelFt, ToFeet(1200.0, "m"));
    EXPECT_NEAR(c1.LenTravelFt, 3936.96, 1e-9);
    EXPECT_EQ(c1.CorFactor, 0.8);
    EXPECT_EQ(c1.CorFactorSource, "Design Manual");

    const CulvertRecord& c2 = state.CulvertList[1];
    EXPECT_EQ(c2.NumOfAreas, "");
    EXPECT_TRUE(c2.Areas.empty());
    EXPECT_EQ(c2.EleRemote, -3.25);
    EXPECT_EQ(c2.EleRemoteFt, ToFeet(-3.25, "m"));
    EXPECT_EQ(c2.EleCulvert, -10.0);
    EXPECT_EQ(c2.EleCulvertUnit, "m");
    EXPECT_EQ(c2.CorFactor, 1.5);  // the leading number of the value
    EXPECT_EQ(c2.CorFactorSource, "User Defined");

    // The last culvert ends right after its return period and reads without any message.
    const CulvertRecord& c3 = state.CulvertList[2];
    EXPECT_EQ(c3.CulvertNo, "C3");
    EXPECT_EQ(c3.RetPeriod, "5");
    EXPECT_EQ(c3.RFZone, "");
}

struct DamageCase {
    const char* name;
    std::vector<std::string> lines;
    std::string message;          // before " happened in StoreInfo_Culvert !"
    std::vector<std::string> ids;  // the culverts kept
    std::size_t areasOfLast;       // sub-areas kept in the last culvert
};

void PrintTo(const DamageCase& c, std::ostream* os)
{
    *os << c.name;
}

class DamagedFiles : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamagedFiles, KeepWhatWasReadAndSayWhereItStopped)
{
    const DamageCase& c = GetParam();
    TempDir dir;
    const std::string path = dir.file("damaged.prj");
    writeBytes(path, crlf(c.lines));
    AppState state = busyState();
    const LoadOutcome out = readProjectFile(state, path);
    EXPECT_EQ(out.status, LoadOutcome::Status::Partial);
    EXPECT_EQ(out.Message, c.message + kHappened);
    EXPECT_EQ(state.ProjectInfo.ProjectName, "Route 9");
    std::vector<std::string> ids;
    for (const CulvertRecord& r : state.CulvertList)
        ids.push_back(r.CulvertNo);
    EXPECT_EQ(ids, c.ids);
    if (!state.CulvertList.empty()) {
        const CulvertRecord& last = state.CulvertList.back();
        EXPECT_EQ(last.Areas.size(), c.areasOfLast);
        EXPECT_EQ(declaredAreaCount(last), static_cast<std::int64_t>(c.areasOfLast));
    }
}

INSTANTIATE_TEST_SUITE_P(
    ProjectReader, DamagedFiles,
    ::testing::Values(
        DamageCase{"BlankLineInABlock",
                   joined({header(), culvertStart("C1"), {"Asphaltic,2.5 a,0.35,ditch", ""}, intensityBlock(),
                           culvertStart("C2")}),
                   "Line 18: the runoff coefficient \"\" of this sub-area line is not a number", {"C1"}, 1},
        DamageCase{"ElevationNotANumber",
                   joined({header(), culvertStart("C1"), intensityBlock("98O.5 ft"), culvertStart("C2")}),
                   "Line 19: \"98O.5\" is not a number", {"C1"}, 0},
        DamageCase{"ElevationWithoutUnit",
                   joined({header(), culvertStart("C1"), intensityBlock("980.5ft"), culvertStart("C2")}),
                   "Line 19: \"980.5ft\" is not a number followed by a blank and a unit", {"C1"}, 0},
        DamageCase{"IntensityBlockCut",
                   joined({header(), culvertStart("C1"), {"Roof,1.0 a,0.90,"}, {"[INTENSITY INFO]", "Vellmora rainfall zone=B"}}),
                   "The file ends within the \"[INTENSITY INFO]\" block that starts on line 18", {"C1"}, 1},
        DamageCase{"RulerAtTheEnd", joined({header(), culvertStart("C1"), {kRuler}}),
                   "The file ends after the ruler line 17, before the culvert number", {"C1"}, 0},
        DamageCase{"RunoffBlockCut",
                   joined({header(), culvertStart("C1"), {kRuler, "Culvert No=C2", "[RUNOFF AREA INFO]"}}),
                   "The file ends within the \"[RUNOFF AREA INFO]\" block that starts on line 19", {"C1", "C2"}, 0},
        DamageCase{"SubAreaBeforeTheFirstCulvert",
                   joined({header(), {"Asphaltic,2.5 a,0.35,ditch"}, culvertStart("C1")}),
                   "Line 12: \"Asphaltic,2.5 a,0.35,ditch\" comes before the ruler line of the first culvert", {}, 0},
        DamageCase{"LongValueIsCutInTheMessage",
                   joined({header(), culvertStart("C1"), {"Roof,1.0 a," + std::string(100, '7') + "x,d"}}),
                   "Line 17: the runoff coefficient \"" + std::string(60, '7') +
                       "...\" of this sub-area line is not a number",
                   {"C1"}, 0},
        DamageCase{"RulerWithATrailingBlank",
                   joined({header(), culvertStart("C1"), {kRuler + " ", "Culvert No=C2"}}),
                   "Line 17: the runoff coefficient \"" + kRuler + "\" of this sub-area line is not a number",
                   {"C1"}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Refused files

struct RefusedCase {
    const char* name;
    std::string bytes;
    std::string message;
};

void PrintTo(const RefusedCase& c, std::ostream* os)
{
    *os << c.name;
}

class RefusedFiles : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedFiles, LeaveTheProjectInMemoryUnchanged)
{
    TempDir dir;
    const std::string path = dir.file("refused.prj");
    writeBytes(path, GetParam().bytes);
    AppState state = busyState();
    const AppState before = state;
    const LoadOutcome out = readProjectFile(state, path);
    EXPECT_EQ(out.status, LoadOutcome::Status::Refused);
    EXPECT_EQ(out.Message, GetParam().message);
    expectUnchanged(before, state);
}

const std::string kNoProjectInfo =
    "This file has no \"[PROJECT INFO]\" line, so it is not a complete project file. Nothing was read from it.";
const std::string kNoCulverts =
    "This file has no \"[CULVERTS]\" line, so it is not a complete project file. Nothing was read from it.";
const std::string kCut =
    "This file ends within the seven project lines after \"[PROJECT INFO]\", so it is not a complete project "
    "file. Nothing was read from it.";

INSTANTIATE_TEST_SUITE_P(
    ProjectReader, RefusedFiles,
    ::testing::Values(
        RefusedCase{"NoProjectInfo", crlf({"[CULVERTS]", kRuler, "Culvert No=1", "Source of correction factor=x"}),
                    kNoProjectInfo},
        RefusedCase{"NoCulverts",
                    crlf(joined({headerWithoutCulverts(), {"Source of correction factor=x"}})),
                    kNoCulverts},
        RefusedCase{"EndsInsideTheProjectLines",
                    crlf({"[CULVERTS]", "[PROJECT INFO]", "Project Name=a", "Project No=b"}), kCut},
        RefusedCase{"TitleOnTheLastLine", crlf({"[CULVERTS]", "[PROJECT INFO]"}), kCut},
        RefusedCase{"Empty", "", kNoProjectInfo},
        RefusedCase{"LowerCaseTitles", crlf({"[project info]", "[culverts]"}), kNoProjectInfo}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ProjectReader, RefusesAFileItCannotRead)
{
    TempDir dir;
    AppState state = busyState();
    const AppState before = state;
    const std::string path = dir.file("gone.prj");
    const LoadOutcome out = readProjectFile(state, path);
    EXPECT_EQ(out.status, LoadOutcome::Status::Refused);
    EXPECT_EQ(out.Message, "Program Error : The file \"" + path +
                               "\" cannot be opened (No such file or directory) occured in FindSecTitle");
    expectUnchanged(before, state);
}

TEST(ProjectReader, PositionsDoNotCarryOverFromTheLastFile)
{
    TempDir dir;
    const std::string good = dir.file("good.prj");
    const std::string noCulverts = dir.file("nocul.prj");
    writeBytes(good, crlf(joined({{"extra", "lines"}, header(), culvertStart("C1"), intensityBlock()})));
    writeBytes(noCulverts, crlf({"[PROJECT INFO]", "a", "b", "c", "d", "e", "f", "g", "Source of correction factor=x"}));

    AppState state;
    ASSERT_TRUE(readProjectFile(state, good).loaded());
    EXPECT_EQ(state.PosProjectInfo, 4);
    EXPECT_EQ(state.PosCulverts, 13);
    const AppState afterGood = state;

    const LoadOutcome out = readProjectFile(state, noCulverts);
    EXPECT_EQ(out.status, LoadOutcome::Status::Refused);
    EXPECT_EQ(out.Message, kNoCulverts);
    expectUnchanged(afterGood, state);
}

TEST(ProjectReader, ReplacesTheWholeProject)
{
    TempDir dir;
    const std::string path = dir.file("one.prj");
    // Rulers outside the culvert section are counted but start no culvert: the list holds
    // exactly the culverts read, without free slots.
    writeBytes(path, crlf(joined({{kRuler}, header(""), culvertStart("Only")})));
    AppState state = busyState();
    const LoadOutcome out = readProjectFile(state, path);
    ASSERT_TRUE(out.loaded()) << out.Message;
    EXPECT_EQ(state.ProjectInfo.ProjectName, "");
    EXPECT_EQ(state.ProjectInfo.Designer, "J. Smith");
    EXPECT_EQ(state.FileCulvertCount, 2);
    ASSERT_EQ(state.CulvertList.size(), 1u);
    EXPECT_EQ(state.CulvertList[0].CulvertNo, "Only");
    EXPECT_TRUE(state.CulvertList[0].Areas.empty());
}

// ---- Line ends and encodings

TEST(ProjectReader, AcceptsEveryLineEnd)
{
    const std::vector<std::string> lines =
        joined({header("Pont é"), culvertStart("C1"), {"Roof,1.0 a,0.90,x"}, intensityBlock()});
    std::string lastWithoutEnd = crlf(lines);
    lastWithoutEnd.resize(lastWithoutEnd.size() - 2);
    std::string loneCr = lf(lines);
    loneCr.back() = '\r';  // the last line ends with a CR alone
    std::string mixed;
    for (std::size_t i = 0; i < lines.size(); ++i)
        mixed += lines[i] + (i % 2 ? "\n" : "\r\n");

    TempDir dir;
    AppState reference;
    {
        const std::string path = dir.file("ref.prj");
        writeBytes(path, crlf(lines));
        ASSERT_TRUE(readProjectFile(reference, path).loaded());
    }
    EXPECT_EQ(reference.ProjectInfo.ProjectName, "Pont é");
    EXPECT_EQ(reference.CulvertList.at(0).CorFactorSource, "Design Manual");
    for (const std::string& bytes : {lf(lines), lastWithoutEnd, loneCr, mixed}) {
        const std::string path = dir.file("variant.prj");
        writeBytes(path, bytes);
        AppState state;
        const LoadOutcome out = readProjectFile(state, path);
        ASSERT_TRUE(out.loaded()) << out.Message;
        EXPECT_EQ(state.ProjectInfo, reference.ProjectInfo);
        EXPECT_EQ(state.CulvertList, reference.CulvertList);
        EXPECT_EQ(CheckFileFormat(path).Code, 11);
    }
}

TEST(ProjectReader, DecodesWindows1252AndUtf8)
{
    TempDir dir;
    const std::string path = dir.file("enc.prj");
    // Windows-1252 bytes: e acute, degree sign, euro sign.
    writeBytes(path, crlf(joined({header("Montr\xE9" "al 45\xB0 \x80"), culvertStart("C1"), intensityBlock()})));
    AppState a;
    ASSERT_TRUE(readProjectFile(a, path).loaded());
    EXPECT_EQ(a.ProjectInfo.ProjectName, "Montréal 45° €");

    writeBytes(path, crlf(joined({header("Montréal 45° €"), culvertStart("C1"), intensityBlock()})));
    AppState b;
    ASSERT_TRUE(readProjectFile(b, path).loaded());
    EXPECT_EQ(b.ProjectInfo.ProjectName, "Montréal 45° €");
}

TEST(ProjectReader, LineCursorCountsLines)
{
    LineCursor cursor("a\r\nb\n\nc\r");
    std::vector<std::string> got;
    while (const auto line = cursor.next())
        got.emplace_back(*line);
    EXPECT_EQ(got, (std::vector<std::string>{"a", "b", "", "c"}));
    EXPECT_EQ(cursor.position(), 4);
    EXPECT_TRUE(cursor.seek(2));
    EXPECT_EQ(cursor.next(), std::optional<std::string_view>(""));
    EXPECT_TRUE(cursor.seek(4));
    EXPECT_FALSE(cursor.next().has_value());
    EXPECT_FALSE(cursor.seek(5));
}

}  // namespace
}  // namespace sw
