#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "project/projectreader.h"
#include "project/projectwriter.h"
#include "projectfixtures.h"

namespace sw {
namespace {

using testing::crlf;
using testing::readBytes;
using testing::setIntensity;
using testing::subArea;
using testing::TempDir;
using testing::writeBytes;

const std::string kRuler = "0********1*********2*********3*********4*********5*********6";
const std::string kMissingInputs = "Please provide inputs for\"intensity info\" page\rThen save the file";
const std::string kAccessDenied =
    "Access Denied\rYour file cannot be saved to the Engineering Apps. directory.\rPlease choose a different "
    "directory.";

AppState threeCulverts()
{
    AppState s;
    s.ProjectInfo = {"Route 9", "P-12", "0412-03", "Widening", "03/14/2024", "10:42:07 AM", "J. Smith"};

    CulvertRecord c1;
    c1.CulvertNo = "C1";
    c1.Description = "Sta 12+50";
    c1.RetPeriod = "10";
    c1.Areas = {subArea("Asphaltic", "2.5 a", 0.35, "ditch"), subArea("Gravel yard", "1.2 h", 0.5, "")};
    c1.NumOfAreas = "2";
    setIntensity(c1, "B", 980.5, "ft", 950, "ft", 1200, "m", 0.8, "Design Manual");

    CulvertRecord c2;
    c2.CulvertNo = "C2";
    c2.Description = "Sta 20+00";
    c2.RetPeriod = "25";
    c2.NumOfAreas = "0";
    c2.Areas = {subArea("Asphaltic", "1.0 a", 0.86, "kept in memory, not in the file")};

    CulvertRecord c3;
    c3.CulvertNo = "C3";
    c3.RetPeriod = "5";
    setIntensity(c3, "A", -3.25, "m", -10, "m", 300, "ft", 1, "User Defined");

    s.CulvertList = {c1, c2, c3};
    return s;
}

const std::vector<std::string> kThreeCulvertLines = {
    "[CORVENNA- STORMWICK]",
    "[PROJECT INFO]",
    "Project Name=Route 9",
    "Project No=P-12",
    "Control No=0412-03",
    "Porject Description=Widening",
    "Date=03/14/2024",
    "Time=10:42:07 AM",
    "Designer=J. Smith",
    "",
    "[CULVERTS]",
    kRuler,
    "Culvert No=C1",
    "[RUNOFF AREA INFO]",
    "Station/Description=Sta 12+50",
    "Return Period=10",
    "Asphaltic,2.5 a,0.35,ditch",
    "Gravel yard,1.2 h,0.50,",
    "[INTENSITY INFO]",
    "Vellmora rainfall zone=B",
    "Elevation of most remost point=980.5 ft",
    "Elevation of culvert inlet=950 ft",
    "Maxinum lenght of travel=1200 m",
    "Time of concentration correction factor= .8 ",
    "Source of correction factor=Design Manual",
    kRuler,
    "Culvert No=C2",
    "[RUNOFF AREA INFO]",
    "Station/Description=Sta 20+00",
    "Return Period=25",
    kRuler,
    "Culvert No=C3",
    "[RUNOFF AREA INFO]",
    "Station/Description=",
    "Return Period=5",
    "[INTENSITY INFO]",
    "Vellmora rainfall zone=A",
    "Elevation of most remost point=-3.25 m",
    "Elevation of culvert inlet=-10 m",
    "Maxinum lenght of travel=300 ft",
    "Time of concentration correction factor= 1 ",
    "Source of correction factor=User Defined",
};

TEST(ProjectWriter, WritesEveryLineOfTheFormat)
{
    TempDir dir;
    const std::string path = dir.file("route9.prj");
    const WriteOutcome out = Write2File(threeCulverts(), path);
    ASSERT_TRUE(out.written()) << out.Message;
    EXPECT_EQ(out.Message, "");
    EXPECT_EQ(out.FileName, path);
    EXPECT_EQ(readBytes(path), crlf(kThreeCulvertLines));
    // A culvert with intensity inputs and two sub-areas takes 14 lines (lines 12 to 25).
    EXPECT_EQ(kThreeCulvertLines[25], kRuler);
    // Nothing but the file itself is left in the folder.
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"route9.prj"});
}

TEST(ProjectWriter, StopsAtTheFirstFreeSlot)
{
    AppState s = threeCulverts();
    s.CulvertList[1].CulvertNo.clear();
    // A damaged record behind the free slot is not written, so it does not refuse the save.
    s.CulvertList[2].NumOfAreas = "9";
    const ProjectFileBytes file = buildProjectFile(s);
    ASSERT_TRUE(file.built());
    std::vector<std::string> expected(kThreeCulvertLines.begin(), kThreeCulvertLines.begin() + 25);
    EXPECT_EQ(file.Bytes, crlf(expected));

    s.CulvertList[0].CulvertNo.clear();
    const ProjectFileBytes headerOnly = buildProjectFile(s);
    ASSERT_TRUE(headerOnly.built());
    EXPECT_EQ(headerOnly.Bytes, crlf(std::vector<std::string>(kThreeCulvertLines.begin(), kThreeCulvertLines.begin() + 11)));
}

TEST(ProjectWriter, WritesOnlyTheDeclaredSubAreas)
{
    AppState s = threeCulverts();
    CulvertRecord& c = s.CulvertList[0];
    c.Areas.push_back(subArea("Concrete/Roof", "3.0 m", 0.75, "beyond the count"));
    c.NumOfAreas = "2.9";  // the whole part counts
    const ProjectFileBytes file = buildProjectFile(s);
    ASSERT_TRUE(file.built());
    EXPECT_EQ(file.Bytes, crlf(kThreeCulvertLines));
}

TEST(ProjectWriter, WritesTextsInWindows1252WithoutBreakingLines)
{
    AppState s = threeCulverts();
    s.ProjectInfo.ProjectName = "Pont-Neuf é 10°";
    s.ProjectInfo.ProDescrpt = "Cost € Ω";  // Ω is not in Windows-1252
    s.ProjectInfo.Designer = "two\r\nlines\n";
    const ProjectFileBytes file = buildProjectFile(s);
    ASSERT_TRUE(file.built());
    EXPECT_NE(file.Bytes.find("Project Name=Pont-Neuf \xE9 10\xB0\r\n"), std::string::npos);
    EXPECT_NE(file.Bytes.find("Porject Description=Cost \x80 ?\r\n"), std::string::npos);
    EXPECT_NE(file.Bytes.find("\r\nDesigner=two  lines \r\n\r\n[CULVERTS]\r\n"), std::string::npos);
}

TEST(ProjectWriter, NoticesAnOddByteWhereverItStandsInAValue)
{
    // Values are checked eight bytes at a time while copied: every length and position counts.
    for (std::size_t length = 1; length <= 20; ++length) {
        for (std::size_t at = 0; at < length; ++at) {
            for (const std::string& odd : {std::string("\r"), std::string("\n"), std::string("é")}) {
                std::string value(length, 'x');
                value.replace(at, 1, odd);
                std::string expected(length, 'x');
                expected[at] = odd == "é" ? '\xE9' : ' ';
                AppState s = threeCulverts();
                s.CulvertList[1].CulvertNo = value;
                const ProjectFileBytes file = buildProjectFile(s);
                ASSERT_TRUE(file.built());
                EXPECT_NE(file.Bytes.find("\r\nCulvert No=" + expected + "\r\n[RUNOFF AREA INFO]\r\n"), std::string::npos)
                    << "length " << length << ", position " << at;
            }
        }
    }
}

TEST(ProjectWriter, RefusesAProjectWithoutCulvertSlots)
{
    TempDir dir;
    const std::string path = dir.file("new.prj");
    AppState s = threeCulverts();
    s.CulvertList.clear();
    const WriteOutcome out = Write2File(s, path);
    EXPECT_EQ(out.status, WriteOutcome::Status::MissingInputs);
    EXPECT_EQ(out.Message, kMissingInputs);
    EXPECT_EQ(out.FileName, "Untitled");
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(dir.entries().empty());
}

TEST(ProjectWriter, RefusalLeavesAnEarlierFileAsItWas)
{
    TempDir dir;
    const std::string path = dir.file("route9.prj");
    const std::string earlier = crlf(kThreeCulvertLines);
    writeBytes(path, earlier);

    AppState s = threeCulverts();
    s.CulvertList[2].NumOfAreas = "1";  // counts a sub-area its list does not hold
    const WriteOutcome out = Write2File(s, path);
    EXPECT_EQ(out.status, WriteOutcome::Status::MissingInputs);
    EXPECT_EQ(out.Message, kMissingInputs);
    EXPECT_EQ(out.FileName, "Untitled");
    EXPECT_EQ(readBytes(path), earlier);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"route9.prj"});
}

TEST(ProjectWriter, ReplacesALongerFileWhole)
{
    TempDir dir;
    const std::string path = dir.file("p.prj");
    writeBytes(path, std::string(100000, 'x'));
    std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                                           std::filesystem::perms::group_read);
    const WriteOutcome out = Write2File(threeCulverts(), path);
    ASSERT_TRUE(out.written()) << out.Message;
    EXPECT_EQ(readBytes(path), crlf(kThreeCulvertLines));
    EXPECT_EQ(std::filesystem::status(path).permissions() & std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
                  std::filesystem::perms::group_read);
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"p.prj"});
}

TEST(ProjectWriter, SavesThroughALinkKeepingTheLink)
{
    TempDir dir;
    const std::string real = dir.file("real.prj");
    const std::string link = dir.file("link.prj");
    writeBytes(real, "old");
    std::filesystem::create_symlink(real, link);
    const WriteOutcome out = Write2File(threeCulverts(), link);
    ASSERT_TRUE(out.written()) << out.Message;
    EXPECT_EQ(out.FileName, link);
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(readBytes(real), crlf(kThreeCulvertLines));
}

TEST(ProjectWriter, ReportsAFolderThatCannotBeWritten)
{
    TempDir dir;
    writeBytes(dir.file("plain.txt"), "not a folder");
    const std::string withNul = dir.file("plain.txt") + std::string(1, '\0') + "x";
    for (const std::string& path : {dir.file("missing/p.prj"), dir.file("plain.txt/p.prj"), std::string(), withNul}) {
        SCOPED_TRACE(path);
        const WriteOutcome out = Write2File(threeCulverts(), path);
        EXPECT_EQ(out.status, WriteOutcome::Status::AccessDenied);
        EXPECT_EQ(out.Message, kAccessDenied);
        EXPECT_EQ(out.FileName, path);
    }
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"plain.txt"});
    EXPECT_EQ(readBytes(dir.file("plain.txt")), "not a folder");
}

TEST(ProjectWriter, ReportsAReadOnlyFileAndKeepsIt)
{
    TempDir dir;
    const std::string path = dir.file("locked.prj");
    writeBytes(path, "keep me");
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    if (std::fstream(path, std::ios::in | std::ios::out).is_open())
        GTEST_SKIP() << "these rights write any file, whatever its permissions";
    const WriteOutcome out = Write2File(threeCulverts(), path);
    EXPECT_EQ(out.status, WriteOutcome::Status::AccessDenied);
    EXPECT_EQ(out.Message, kAccessDenied);
    EXPECT_EQ(readBytes(path), "keep me");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"locked.prj"});
}

TEST(ProjectWriter, ReportsAFolderItMayNotWriteInAndKeepsTheFile)
{
    TempDir dir;
    const std::string folder = dir.file("shut");
    std::filesystem::create_directory(folder);
    const std::string path = folder + "/p.prj";
    writeBytes(path, "keep me");
    std::filesystem::permissions(folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    if (std::ofstream(folder + "/probe").is_open()) {
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
        GTEST_SKIP() << "these rights write into any folder, whatever its permissions";
    }
    const WriteOutcome out = Write2File(threeCulverts(), path);
    EXPECT_EQ(out.status, WriteOutcome::Status::AccessDenied);
    EXPECT_EQ(out.Message, kAccessDenied);
    EXPECT_EQ(out.FileName, path);
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
    EXPECT_EQ(readBytes(path), "keep me");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), std::filesystem::directory_iterator()), 1);
}

TEST(ProjectWriter, ReportsAFolderInPlaceOfTheFile)
{
    TempDir dir;
    const std::string path = dir.file("taken");
    std::filesystem::create_directory(path);
    writeBytes(dir.file("taken/inside.txt"), "x");
    const WriteOutcome out = Write2File(threeCulverts(), path);
    EXPECT_EQ(out.status, WriteOutcome::Status::Failed);
    EXPECT_EQ(out.Message, "Program Error : The path \"" + path + "\" is a folder, not a file occured in Write2File");
    EXPECT_EQ(out.FileName, path);
    EXPECT_EQ(readBytes(dir.file("taken/inside.txt")), "x");
    EXPECT_EQ(dir.entries(), std::vector<std::string>{"taken"});
}

TEST(ProjectWriter, FileWithoutIntensityInputsFailsTheFormatCheck)
{
    TempDir dir;
    const std::string path = dir.file("noinputs.prj");
    AppState s = threeCulverts();
    s.CulvertList[0].RFZone.clear();
    s.CulvertList[2].RFZone.clear();
    ASSERT_TRUE(Write2File(s, path).written());
    EXPECT_EQ(readBytes(path).find("Source of correction factor="), std::string::npos);
    const FormatCheck check = CheckFileFormat(path);
    EXPECT_EQ(check.status, FormatCheck::Status::NotProjectFile);
    EXPECT_EQ(check.Code, -11);
}

}  // namespace
}  // namespace sw
