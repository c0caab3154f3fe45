#include <gtest/gtest.h>

#include "core/numbers.h"
#include "project/filetext.h"
#include "project/projectreader.h"
#include "project/projectwriter.h"
#include "projectfixtures.h"

namespace sw {
namespace {

using namespace sw::testing;

const std::string kAccessDenied = "Access Denied\rYour file cannot be saved to the Engineering Apps. directory."
                                  "\rPlease choose a different directory.";

// C1 with sub-areas and intensity inputs, C2 with a sub-area in memory but NumOfAreas "0" and no
// zone, C3 in metres below sea level without sub-areas.
Document threeCulverts()
{
    Document s = stateWith({record("C1", "Sta C1", "10", {subArea("Asphaltic", "2.5 a", 0.35, "ditch"),
                                                          subArea("Gravel yard", "1.2 h", 0.5)}),
                            record("C2", "Sta C2", "25", {subArea("Asphaltic", "1.0 a", 0.86, "kept in memory")}),
                            record("C3", "Sta C3", "5")});
    setIntensity(s.CulvertList[0], "B", 980.5, "ft", 950, "ft", 1200, "m", 0.8, "Design Manual");
    s.CulvertList[1].NumOfAreas = "0";
    setIntensity(s.CulvertList[2], "A", -3.25, "m", -10, "m", 300, "ft", 1, "User Defined");
    return s;
}

// What threeCulverts() is saved as.
const Lines kThreeCulvertLines = joined(
    {header(), culvertStart("C1"), {"Asphaltic,2.5 a,0.35,ditch", "Gravel yard,1.2 h,0.50,"}, intensityLines(),
     culvertStart("C2", "25"), culvertStart("C3", "5"),
     intensityLines("-3.25 m", "A", "-10 m", "300 ft", " 1 ", "User Defined")});

// Over a longer file, replaced whole. (Through a link, keeping the permissions, nothing left
// beside it: FileReplace.SaveLeavesOnlyTheTargetWithExactlyItsBytes.)
TEST(ProjectWriter, WritesEveryLineOfTheFormat)
{
    TempDir dir;
    writeBytes(dir.file("route9.prj"), std::string(100000, 'x'));
    const WriteOutcome out = Write2File(threeCulverts(), dir.file("route9.prj"));
    ASSERT_TRUE(out.written()) << out.Message;
    EXPECT_EQ(out.FileName, dir.file("route9.prj"));
    EXPECT_EQ(readBytes(dir.file("route9.prj")), joinLines(kThreeCulvertLines));
}

TEST(ProjectWriter, WritesUpToTheFirstFreeSlotAndOnlyTheDeclaredSubAreas)
{
    Document s = threeCulverts();
    s.CulvertList[0].Areas.push_back(subArea("Concrete/Roof", "3.0 m", 0.75, "beyond the count"));
    s.CulvertList[0].NumOfAreas = "2.9";  // the whole part counts
    s.CulvertList[1].CulvertNo.clear();
    s.CulvertList[2].NumOfAreas = "9";  // damaged, but behind the free slot: neither written nor refused
    EXPECT_EQ(buildProjectFile(s).Bytes, joinLines({kThreeCulvertLines.begin(), kThreeCulvertLines.begin() + 25}));
    s.CulvertList[0].CulvertNo.clear();
    EXPECT_EQ(buildProjectFile(s).Bytes, joinLines({kThreeCulvertLines.begin(), kThreeCulvertLines.begin() + 11}));
}

TEST(ProjectWriter, WritesWindows1252WithoutBreakingLines)
{
    Document s = threeCulverts();
    // A plain file is copied eight bytes at a time: an odd byte in it counts wherever it stands.
    for (std::size_t length = 1; length <= 17; ++length)
        for (std::size_t at = 0; at < length; ++at)
            for (const std::string odd : {"\n", "é"}) {
                s.CulvertList[1].CulvertNo = std::string(length, 'x').replace(at, 1, odd);
                std::string expected(length, 'x');
                expected[at] = odd == "é" ? '\xE9' : ' ';
                EXPECT_NE(buildProjectFile(s).Bytes.find("=" + expected + "\r\n[RUNOFF"), std::string::npos) << at;
            }
    s.ProjectInfo.ProjectName = "Pont-Neuf é 10°";
    s.ProjectInfo.ProDescrpt = "Cost € Ω 東";  // Ω and 東 are not in Windows-1252
    s.ProjectInfo.Designer = "two\r\nlines\n";
    const std::string bytes = buildProjectFile(s).Bytes;
    EXPECT_NE(bytes.find("\r\nProject Name=Pont-Neuf \xE9 10\xB0\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\nPorject Description=Cost \x80 ? ?\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("\r\nDesigner=two  lines \r\n\r\n[CULVERTS]\r\n"), std::string::npos);
}

TEST(ProjectWriter, RefusedOrFailedSaveLeavesEveryFileAsItWas)
{
    TempDir dir;
    const Document s = threeCulverts();
    const std::string folder = dir.file("dir"), kept = dir.file("kept.prj"), locked = dir.file("locked.prj");
    fs::create_directory(folder);
    writeBytes(kept, "the project of last week");
    writeBytes(locked, "locked");
    fs::permissions(locked, fs::perms::owner_read);
    const Lines before = dir.entries();
    Document damaged = s;
    damaged.CulvertList[2].NumOfAreas = "1";  // counts a sub-area its list does not hold
    Document noSlots = s;
    noSlots.CulvertList.clear();
    auto expectFailure = [](const WriteOutcome& out, WriteOutcome::Status status, const std::string& message,
                            const std::string& fileName) {
        EXPECT_EQ(out.status, status) << message;
        EXPECT_EQ(out.Message, message);
        EXPECT_EQ(out.FileName, fileName);
    };
    const std::string missing = "Please provide inputs for\"intensity info\" page\rThen save the file";
    expectFailure(Write2File(damaged, kept), WriteOutcome::Status::MissingInputs, missing, "Untitled");
    expectFailure(Write2File(noSlots, dir.file("new.prj")), WriteOutcome::Status::MissingInputs, missing, "Untitled");
    expectFailure(Write2File(s, dir.file("missing/p.prj")), WriteOutcome::Status::AccessDenied, kAccessDenied,
                  dir.file("missing/p.prj"));
    expectFailure(Write2File(s, folder), WriteOutcome::Status::Failed,
                  "Program Error : The path \"" + folder + "\" is a folder, not a file occured in Write2File", folder);
    if (!std::ofstream(locked, std::ios::app))  // these rights may write any file
        expectFailure(Write2File(s, locked), WriteOutcome::Status::AccessDenied, kAccessDenied, locked);
    expectFailure(withFileSizeLimit(200, [&] { return Write2File(s, kept); }), WriteOutcome::Status::Failed,
                  "Program Error : The file \"" + kept + "\" could not be written whole (File too large); the file on "
                  "disk was left as it was occured in Write2File", kept);
    // A file larger than the reader opens is not written at all.
    Document huge = s;
    huge.ProjectInfo.Designer.assign(kMaxProjectFileBytes, 'x');
    expectFailure(Write2File(huge, kept), WriteOutcome::Status::TooLarge,
                  "The project is too large to be saved: its file would take 256 MB, and a project file may take at "
                  "most 256 MB. Nothing was written; a former file of that name is left as it was.", kept);
    EXPECT_EQ(dir.entries(), before);
    EXPECT_EQ(readBytes(kept), "the project of last week");
    EXPECT_EQ(readBytes(locked), "locked");
}

// What a save refuses for want of inputs a recovery copy still keeps, in a file the reader reads.
TEST(ProjectWriter, RecoveryCopyKeepsWhatSaveRefuses)
{
    TempDir dir;
    Document noSlots = threeCulverts();
    noSlots.CulvertList.clear();
    Document damaged = threeCulverts();
    damaged.CulvertList[0].NumOfAreas = "7";  // holds 2
    damaged.CulvertList[2].NumOfAreas = "1";  // holds none
    for (const auto& [refused, expected] : {std::pair{noSlots, joinLines(header())},
                                            std::pair{damaged, joinLines(kThreeCulvertLines)}}) {
        ASSERT_FALSE(buildProjectFile(refused).built());
        const std::string bytes = buildRecoveryCopy(refused);
        EXPECT_EQ(bytes, expected);
        writeBytes(dir.file("copy.prj"), bytes);
        Document read;
        ASSERT_TRUE(CheckFileFormat(dir.file("copy.prj")).accepted());
        ASSERT_TRUE(readProjectFile(read, dir.file("copy.prj")).loaded());
        EXPECT_EQ(read.ProjectInfo, refused.ProjectInfo);
        EXPECT_EQ(read.CulvertList.size(), refused.CulvertList.size());
    }
}

// A project as the editors leave it, drawn from a seed. Its twelve culverts cycle through table
// and user-defined surfaces, the four area units, feet and metres, negative elevations, listed
// and typed factors, no sub-areas ("" or "0"), no intensity inputs and a zone picked alone.
Document generatedProject(std::uint32_t seed)
{
    std::mt19937 rng(seed);
    auto amount = [&](double lo, double hi) { return roundTo(std::uniform_real_distribution(lo, hi)(rng), 2); };
    const Lines surfaces = surfaceNames();
    const char* ownSurfaces[] = {"Gravel yard", "Pond é", "Roof 10° pitch"};
    const char* areaUnits[] = {"a", "h", "f", "m"};
    const char* lengthUnits[] = {"ft", "m"};
    const char* periods[] = {"2", "5", "10", "25", "50", "100", "500"};
    const double listFactors[] = {1.0, 0.8, 0.67, 1.5};
    Document s;
    s.ProjectInfo = {"Route " + std::to_string(seed), "P-" + std::to_string(seed), "0412-03",
                     "Culverts near Montréal, 45° north", "03/14/2024", "10:42:07 AM", "A. Noël"};
    for (std::uint32_t i = 0; i < 12; ++i) {
        CulvertRecord c = record("C" + std::to_string(i + 1), i % 3 ? "Sta 1" + std::to_string(i) : "",
                                 periods[(seed + i) % 7]);
        for (std::uint32_t j = 0; j < (seed + i) % 6; ++j) {
            const bool own = (i + j) % 4 == 0;
            const std::string surface = own ? ownSurfaces[j % 3] : surfaces[rng() % surfaces.size()];
            const std::string area = formatNumber(amount(0.1, 9999.9), "####0.0") + " " + areaUnits[(seed + j) % 4];
            const double cValue = own ? amount(0.05, 0.99) : GetCValue(surface, std::stoi(c.RetPeriod), "");
            c.Areas.push_back(subArea(surface, area, cValue, j % 2 ? "ditch " + std::to_string(j) : ""));
        }
        c.NumOfAreas = c.Areas.empty() ? (i % 2 ? "0" : "") : std::to_string(c.Areas.size());
        const bool typed = (seed + i) % 3 == 0;
        const double factor = typed ? amount(0.3, 3) : listFactors[(seed + i) % 4];
        const double remote = i % 5 == 1 ? amount(-60, -1) : amount(1, 3000);
        if (i % 5 == 4)
            setIntensity(c, "C", 0, "", 0, "", 0, "", 0, "");  // the zone box stores a zone at once
        else if (i % 5 != 0)
            setIntensity(c, i % 2 ? "A" : "B", remote, lengthUnits[i % 2], roundTo(remote - amount(1, 40), 2),
                         lengthUnits[(i / 2) % 2], amount(10, 20000), lengthUnits[(seed + i) % 2],
                         factor, typed ? "User Defined" : "Design Manual");
        s.CulvertList.push_back(c);
    }
    return s;
}

class GeneratedProjects : public ::testing::TestWithParam<std::uint32_t> {};

// Saved, opened as File > Open does and saved again: the records and the bytes survive.
TEST_P(GeneratedProjects, ReadBackEqualAndWriteBackByteForByte)
{
    const Document original = generatedProject(GetParam());
    TempDir dir;
    ASSERT_TRUE(Write2File(original, dir.file("first.prj")).written());
    EXPECT_EQ(buildRecoveryCopy(original), readBytes(dir.file("first.prj")));  // a copy is what Save writes
    ASSERT_TRUE(CheckFileFormat(dir.file("first.prj")).accepted());
    Document read;
    const LoadOutcome load = readProjectFile(read, dir.file("first.prj"));
    ASSERT_TRUE(load.loaded()) << load.Message;
    EXPECT_EQ(read.ProjectInfo, original.ProjectInfo);
    ASSERT_EQ(read.CulvertList.size(), original.CulvertList.size());
    for (std::size_t i = 0; i < read.CulvertList.size(); ++i) {
        CulvertRecord expected = original.CulvertList[i];
        if (expected.NumOfAreas == "0")
            expected.NumOfAreas = "";  // the file has no sub-area lines at all
        EXPECT_EQ(read.CulvertList[i], expected) << expected.CulvertNo;
    }
    ASSERT_TRUE(Write2File(read, dir.file("second.prj")).written());
    EXPECT_EQ(readBytes(dir.file("second.prj")), readBytes(dir.file("first.prj")));
}

INSTANTIATE_TEST_SUITE_P(ProjectFile, GeneratedProjects, ::testing::Range(1u, 11u));

}  // namespace
}  // namespace sw
