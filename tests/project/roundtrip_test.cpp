#include <gtest/gtest.h>

#include "project/projectreader.h"
#include "project/projectwriter.h"
#include "projectfixtures.h"

namespace sw {
namespace {

using testing::crlf;
using testing::expectSameFileContents;
using testing::generatedProject;
using testing::lf;
using testing::readBytes;
using testing::TempDir;
using testing::writeBytes;

const std::string kRuler = "0********1*********2*********3*********4*********5*********6";

// Save, open as File > Open does, save again: the records and the bytes must survive.
void expectRoundTrip(const AppState& original, const TempDir& dir)
{
    const std::string first = dir.file("first.prj");
    const std::string second = dir.file("second.prj");
    const WriteOutcome w1 = Write2File(original, first);
    ASSERT_TRUE(w1.written()) << w1.Message;
    ASSERT_EQ(CheckFileFormat(first).Code, 11);

    AppState read;
    const LoadOutcome load = readProjectFile(read, first);
    ASSERT_EQ(load.status, LoadOutcome::Status::Loaded) << load.Message;
    expectSameFileContents(original, read);

    const WriteOutcome w2 = Write2File(read, second);
    ASSERT_TRUE(w2.written()) << w2.Message;
    EXPECT_EQ(readBytes(second), readBytes(first));
}

class GeneratedProjects : public ::testing::TestWithParam<std::uint32_t> {};

TEST_P(GeneratedProjects, ReadBackEqualAndWriteBackByteForByte)
{
    const AppState original = generatedProject(GetParam(), 12, 8);
    TempDir dir;
    expectRoundTrip(original, dir);
}

INSTANTIATE_TEST_SUITE_P(ProjectFile, GeneratedProjects, ::testing::Range(1u, 11u));

TEST(ProjectFile, GeneratedProjectsCoverWhatTheyShould)
{
    // The generator must keep producing the cases the round trip is meant to cover.
    bool metric = false, negative = false, userSurface = false, pointEight = false, noAreas = false,
         noInputs = false, accent = false;
    for (std::uint32_t seed = 1; seed < 11; ++seed) {
        const AppState p = generatedProject(seed, 12, 8);
        accent = accent || p.ProjectInfo.ProDescrpt.find("é") != std::string::npos;
        for (const CulvertRecord& c : p.CulvertList) {
            metric = metric || c.EleRemoteUnit == "m" || c.LenTravelUnit == "m";
            negative = negative || c.EleRemote < 0 || c.EleCulvert < 0;
            pointEight = pointEight || (!c.RFZone.empty() && c.CorFactor == 0.8);
            noAreas = noAreas || declaredAreaCount(c) == 0;
            noInputs = noInputs || c.RFZone.empty();
            for (const SubArea& a : c.Areas)
                userSurface = userSurface || a.Surface == "Roof 10° pitch";
        }
    }
    EXPECT_TRUE(metric && negative && userSurface && pointEight && noAreas && noInputs && accent);
}

TEST(ProjectFile, CharactersOutsideWindows1252ComeBackAsQuestionMarks)
{
    AppState original = generatedProject(7, 3, 3);
    original.ProjectInfo.Designer = "Ωmega 東";
    original.CulvertList[0].Description = "Pont Noël";
    testing::setIntensity(original.CulvertList[0], "A", 100, "ft", 90.5, "ft", 500, "m", 1.25, "User Défini");
    TempDir dir;
    const std::string path = dir.file("p.prj");
    ASSERT_TRUE(Write2File(original, path).written());
    AppState read;
    ASSERT_TRUE(readProjectFile(read, path).loaded());
    AppState expected = original;
    expected.ProjectInfo.Designer = "?mega ?";
    expectSameFileContents(expected, read);
}

TEST(ProjectFile, AZonePickedBeforeAnyElevationReadsBack)
{
    // The zone box stores RFZone as soon as a zone is picked; the elevations, length and their
    // units may still be empty when the project is saved.
    AppState original = generatedProject(3, 2, 2);
    CulvertRecord fresh;
    fresh.CulvertNo = "New";
    fresh.RetPeriod = "10";
    fresh.RFZone = "A";
    original.CulvertList.insert(original.CulvertList.begin(), fresh);
    TempDir dir;
    expectRoundTrip(original, dir);
    const std::string bytes = readBytes(dir.file("first.prj"));
    EXPECT_NE(bytes.find("Elevation of most remost point=0 \r\n"), std::string::npos);
    EXPECT_NE(bytes.find("Time of concentration correction factor= 0 \r\n"), std::string::npos);
}

TEST(ProjectFile, HandWrittenFilesAreSavedInTheProgramsOwnForm)
{
    const std::vector<std::string> canonical = {
        "[CORVENNA- STORMWICK]",
        "[PROJECT INFO]",
        "Project Name= Route 9",
        "Project No=P-12",
        "Control No=",
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
        "Asphaltic,2.5 a,0.81,ditch",
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
        "Station/Description=",
        "Return Period=25",
    };
    // The same project typed by hand: blanks around values and fields, other number forms.
    std::vector<std::string> byHand = canonical;
    byHand[0] = "my own title";
    byHand[2] = "  Project Name= Route 9   ";
    byHand[16] = " Asphaltic , 2.5 a , .81 , ditch ";
    byHand[17] = "Gravel yard,1.2 h,0.5,";
    byHand[20] = "Elevation of most remost point =  980.50   ft";
    byHand[21] = "Elevation of culvert inlet=9.5e2 ft";
    byHand[23] = "time of concentration correction factor=0.80";
    byHand[24] = "  SOURCE OF CORRECTION FACTOR=Design Manual  ";

    for (const std::string& bytes : {crlf(canonical), lf(canonical), crlf(byHand), lf(byHand)}) {
        TempDir dir;
        const std::string in = dir.file("in.prj");
        const std::string out = dir.file("out.prj");
        writeBytes(in, bytes);
        ASSERT_EQ(CheckFileFormat(in).Code, 11);
        AppState state;
        const LoadOutcome load = readProjectFile(state, in);
        ASSERT_TRUE(load.loaded()) << load.Message;
        ASSERT_TRUE(Write2File(state, out).written());
        EXPECT_EQ(readBytes(out), crlf(canonical));
    }
}

}  // namespace
}  // namespace sw
