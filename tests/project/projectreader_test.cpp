#include <gtest/gtest.h>

#include "project/filetext.h"
#include "project/projectreader.h"
#include "project/projectwriter.h"
#include "projectfixtures.h"

namespace sw {
namespace {

using namespace sw::testing;

// A project in memory with more culverts than the files read here: what a read must replace, or
// leave exactly as it is when it refuses the file.
Document busyState()
{
    Document s;
    s.ProjectInfo = {"Kept", "K-1", "K", "kept project", "01/01/2020", "9:00", "Me"};
    s.CulvertList.assign(4, record("K", "kept", "10", {subArea("Asphaltic", "1.0 a", 0.73)}));
    return s;
}

void expectRefused(const std::string& path, const std::string& message)
{
    Document state = busyState();
    const Document before = state;
    const LoadOutcome out = readProjectFile(state, path);
    EXPECT_EQ(out.status, LoadOutcome::Status::Refused) << message;
    EXPECT_EQ(out.Message, message);
    EXPECT_EQ(state.ProjectInfo, before.ProjectInfo);
    EXPECT_EQ(state.CulvertList, before.CulvertList);
}

TEST(ProjectReader, FormatCheckLooksForTheSourceKeyOrBothSectionTitles)
{
    const std::vector<std::pair<std::string, bool>> files = {
        {joinLines(joined({header(), culvertStart("C1"), intensityLines()}), "\n"), true},
        // No culvert with intensity inputs: no source line, but both titles.
        {joinLines(joined({header(), culvertStart("C1")})), true},
        {joinLines({"[CULVERTS]", "[PROJECT INFO]"}), true},
        {joinLines({"x", "[PROJECT INFO]"}), false}, {joinLines({"[CULVERTS]", "x"}), false},
        {joinLines({"[PROJECT INFO] ", "[CULVERTS]"}), false}, {joinLines({"[PROJECT INFO]", "[Culverts]"}), false},
        {joinLines({"other title \xE9", "   sOURCE of CORRECTION Factor   =User D\xE9" "fined"}), true},
        {std::string(65530, '-') + "\nSource of correction factor=x", true},  // across two pieces read
        {"Source of correction factor", true}, {"", false}, {"Source of correction factors=x", false},
        {"Source  of correction factor=x", false},
        {"x=Source of correction factor", false}};
    TempDir dir;
    for (const auto& [bytes, accepted] : files) {
        writeBytes(dir.file("f.prj"), bytes);
        const FormatCheck check = CheckFileFormat(dir.file("f.prj"));
        EXPECT_EQ(check.status, accepted ? FormatCheck::Status::Accepted : FormatCheck::Status::NotProjectFile)
            << bytes.substr(0, 80);
    }
}

TEST(ProjectReader, RefusedFilesLeaveTheProjectInMemoryUnchanged)
{
    std::string tooMany = joinLines(header());
    for (int i = 0; i < 32767; ++i)
        tooMany += kRuler + "\r\nCulvert No=x\r\n";
    EXPECT_EQ(FindSecTitle(tooMany).FileCulvertCount, 32767);
    tooMany += kRuler + "\r\nCulvert No=one too many\r\n";

    const std::string notComplete = "\" line, so it is not a complete project file. Nothing was read from it.";
    const std::string cut = "This file ends within the seven project lines after \"[PROJECT INFO]\", so it is not a "
                            "complete project file. Nothing was read from it.";
    const std::vector<std::pair<std::string, std::string>> files = {
        {joinLines({"[CULVERTS]", kRuler, "Culvert No=1", "Source of correction factor=x"}),
         "This file has no \"[PROJECT INFO]" + notComplete},
        {"", "This file has no \"[PROJECT INFO]" + notComplete},
        {joinLines({"[PROJECT INFO]", "a", "b", "c", "d", "e", "f", "g", "Source of correction factor=x"}),
         "This file has no \"[CULVERTS]" + notComplete},
        {joinLines({"[CULVERTS]", "[PROJECT INFO]", "Project Name=a", "Project No=b"}), cut},
        {tooMany, "Program Error : The file holds more than 32767 culverts (ruler lines), more than a project can "
                  "hold occured in FindSecTitle"},
    };
    TempDir dir;
    for (const auto& [bytes, message] : files) {
        writeBytes(dir.file("f.prj"), bytes);
        expectRefused(dir.file("f.prj"), message);
    }

    // Files that cannot be read at all: a device would never end, a huge file was chosen by mistake.
    writeBytes(dir.file("huge.bin"), "");
    fs::resize_file(dir.file("huge.bin"), kMaxProjectFileBytes + 1);  // sparse: nothing is written
    for (const std::string& path : {dir.file("missing.prj"), fs::temp_directory_path().string(),
                                    std::string("/dev/zero"), dir.file("huge.bin")}) {
        const FormatCheck check = CheckFileFormat(path);
        EXPECT_EQ(check.status, FormatCheck::Status::Failed);
        EXPECT_TRUE(check.Message.starts_with("Program Error : ") && check.Message.ends_with(" in FindSecTitle") &&
                    check.Message.find("\"" + path + "\"") != std::string::npos) << check.Message;
        expectRefused(path, check.Message);
    }
}

// An empty "Culvert No=" would read as a free slot, where the next save stops: each such culvert is
// named, the user is told which, and a save keeps every culvert.
TEST(ProjectReader, CulvertsWithoutAnIdAreNamedAndKeptBySave)
{
    const std::vector<std::tuple<Lines, std::string, Lines>> cases = {
        {{"C1", "", "C3"},
         "Culvert 2 of this file has no culvert ID (its \"Culvert No=\" line is empty). It is listed as \"No ID 2\", "
         "and saving the project keeps it under that ID.",
         {"C1", "No ID 2", "C3"}},
        {{"No ID 4", "", "C3", ""},
         "Culverts 2, 4 of this file have no culvert ID (their \"Culvert No=\" lines are empty). They are listed as "
         "\"No ID 2\", \"No ID 4*\", and saving the project keeps them under these IDs.",
         {"No ID 4", "No ID 2", "C3", "No ID 4*"}},
    };
    TempDir dir;
    for (const auto& [ids, notice, named] : cases) {
        Lines lines = header();
        for (const std::string& id : ids)
            lines = joined({lines, culvertStart(id), {"Asphaltic,1.0 a,0.81,"}});
        writeBytes(dir.file("in.prj"), joinLines(lines));
        Document state;
        const LoadOutcome load = readProjectFile(state, dir.file("in.prj"));
        EXPECT_TRUE(load.loaded());
        EXPECT_EQ(load.Notice, notice);
        Lines read;
        for (const CulvertRecord& c : state.CulvertList)
            read.push_back(c.CulvertNo);
        EXPECT_EQ(read, named);

        ASSERT_TRUE(Write2File(state, dir.file("out.prj")).written());
        Document again;
        const LoadOutcome reload = readProjectFile(again, dir.file("out.prj"));
        EXPECT_TRUE(reload.loaded() && reload.Notice.empty());
        EXPECT_EQ(again.CulvertList, state.CulvertList);
    }
}

// Reading builds a record of about a hundred bytes for every line: a file of very short lines is
// refused before a single one is built, while the shortest lines the writer makes still read.
TEST(ProjectReader, LinesFarShorterThanAProjectsAreRefusedBeforeTheyCostMemory)
{
    constexpr std::size_t kLines = 300000;
    const std::string start = joinLines(joined({header(), culvertStart("C1")}));
    std::string tiny = start;
    std::string shortest = start;
    for (std::size_t i = 0; i < kLines; ++i) {
        tiny += "0\r\n";           // surface, area and C all "0"
        shortest += ",,0.00,\r\n";  // the shortest sub-area line the writer makes
    }
    TempDir dir;
    writeBytes(dir.file("tiny.prj"), tiny);
    expectRefused(dir.file("tiny.prj"), "This file has " + std::to_string(kLines + 16) + " lines in " +
                                            std::to_string(tiny.size()) + " bytes: lines far shorter than those of "
                                            "a project file. Reading them would take more memory than any project "
                                            "needs, so nothing was read from it.");
    writeBytes(dir.file("shortest.prj"), shortest);
    Document state;
    ASSERT_TRUE(readProjectFile(state, dir.file("shortest.prj")).loaded());
    EXPECT_EQ(state.CulvertList.at(0).Areas.size(), kLines);

    // The writer's shortest lines keep within the reader's bound at any size, not only with the
    // room a small file is given.
    EXPECT_TRUE(readerAdmits(9 * 20000000u, 20000000u, 0));
    EXPECT_FALSE(readerAdmits(5 * 20000000u, 20000000u, 0));
}

TEST(ProjectReader, StrictNumbersAreWholeTokens)
{
    for (const auto& [text, expected] : std::vector<std::pair<std::string, std::optional<double>>>{
             {"980.5", 980.5}, {" -3.25 ", -3.25}, {".5", 0.5}, {"+2", 2.0}, {"1e3", 1000.0}, {"12abc", {}},
             {"1,5", {}}, {"", {}}, {"-", {}}, {"inf", {}}, {"nan", {}}, {"1e999", {}}, {"--1", {}}, {"0x10", {}},
             {"1 2", {}}, {"1.2.3", {}}})
        EXPECT_EQ(strictNumber(text), expected) << '"' << text << '"';
}

// The same project typed by hand, in UTF-8, with LF alone, blanks around values and fields and
// other number forms, reads in place of the project in memory and is saved in the program's form;
// so does a project in which no culvert has intensity inputs yet, which holds no source line.
TEST(ProjectReader, HandWrittenFilesAreSavedInTheProgramsOwnForm)
{
    Lines canonical = joined({header(), culvertStart("C1"), {"Asphaltic,2.5 a,0.81,ditch", "Gravel yard,1.2 h,0.50,"},
                              intensityLines(), culvertStart("C2", "25")});  // the last culvert ends after its period
    canonical[2] = "Project Name= Montr\xE9" "al 45\xB0 \x80";
    Lines byHand = canonical;
    byHand[0] = "my own title";
    byHand[2] = "  Project Name= Montréal 45° €   ";
    byHand[16] = " Asphaltic , 2.5 a , .81 , ditch ";
    byHand[17] = "Gravel yard,1.2 h,0.5,";
    byHand[20] = "Elevation of most remost point =  980.50   ft";
    byHand[21] = "Elevation of culvert inlet=9.5e2 ft";
    byHand[23] = "time of concentration correction factor=0.80abc";  // the leading number counts
    byHand[24] = "  SOURCE OF CORRECTION FACTOR=  Design Manual  ";
    Lines noIntensity = canonical;
    noIntensity.erase(noIntensity.begin() + 18, noIntensity.begin() + 25);

    TempDir dir;
    for (const auto& [bytes, saved] : std::vector<std::pair<std::string, Lines>>{
             {joinLines(canonical), canonical}, {joinLines(canonical, "\n"), canonical},
             {joinLines(byHand, "\n"), canonical}, {joinLines(noIntensity), noIntensity}}) {
        writeBytes(dir.file("in.prj"), bytes);
        ASSERT_TRUE(CheckFileFormat(dir.file("in.prj")).accepted());
        Document state = busyState();
        const LoadOutcome load = readProjectFile(state, dir.file("in.prj"));
        ASSERT_TRUE(load.loaded() && load.Notice.empty()) << load.Message;
        EXPECT_EQ(state.ProjectInfo.ProjectName, " Montréal 45° €");
        const SectionScan scan = FindSecTitle(bytes);
        EXPECT_EQ(std::tie(scan.FileCulvertCount, *scan.PosProjectInfo, *scan.PosCulverts),
                  std::make_tuple(std::int16_t{2}, 2, 11));
        ASSERT_EQ(state.CulvertList.size(), 2u);
        EXPECT_EQ(state.CulvertList[0].Areas[0], subArea("Asphaltic", "2.5 a", 0.81, "ditch"));
        ASSERT_TRUE(Write2File(state, dir.file("out.prj")).written());
        EXPECT_EQ(readBytes(dir.file("out.prj")), joinLines(saved));
    }
}

TEST(ProjectReader, DamagedFileKeepsWhatWasReadAndSaysWhereItStopped)
{
    // The lines, the message before " happened in StoreInfo_Culvert !", the culverts kept and the
    // sub-areas kept in the last of them.
    const std::vector<std::tuple<Lines, std::string, std::size_t, std::size_t>> cases = {
        {joined({header(), culvertStart("C1"), {"Asphaltic,2.5 a,0.35,ditch", ""}, intensityLines(),
                 culvertStart("C2")}),
         "Line 18: the runoff coefficient \"\" of this sub-area line is not a number", 1, 1},
        {joined({header(), culvertStart("C1"), intensityLines("98O.5 ft"), culvertStart("C2")}),
         "Line 19: \"98O.5\" is not a number", 1, 0},
        {joined({header(), culvertStart("C1"), {"Roof,1.0 a,0.90,", "[INTENSITY INFO]", "Vellmora rainfall zone=B"}}),
         "The file ends within the \"[INTENSITY INFO]\" block that starts on line 18", 1, 1},
        {joined({header(), culvertStart("C1"), {kRuler, "Culvert No=C2", "[RUNOFF AREA INFO]"}}),
         "The file ends within the \"[RUNOFF AREA INFO]\" block that starts on line 19", 2, 0},
        {joined({header(), {"Asphaltic,2.5 a,0.35,ditch"}, culvertStart("C1")}),
         "Line 12: \"Asphaltic,2.5 a,0.35,ditch\" comes before the ruler line of the first culvert", 0, 0},
        {joined({header(), culvertStart("C1"), {"Roof,1.0 a," + std::string(100, '7') + "x,d"}}),
         "Line 17: the runoff coefficient \"" + std::string(60, '7') + "...\" of this sub-area line is not a number",
         1, 0},
    };
    TempDir dir;
    for (const auto& [lines, message, culverts, areasOfLast] : cases) {
        writeBytes(dir.file("damaged.prj"), joinLines(lines));
        Document state = busyState();
        const LoadOutcome out = readProjectFile(state, dir.file("damaged.prj"));
        EXPECT_EQ(out.status, LoadOutcome::Status::Partial) << message;
        EXPECT_EQ(out.Message, message + " happened in StoreInfo_Culvert !");
        EXPECT_EQ(state.ProjectInfo.ProjectName, "Route 9");
        ASSERT_EQ(state.CulvertList.size(), culverts) << message;
        if (culverts > 0) {
            EXPECT_EQ(state.CulvertList.back().CulvertNo, "C" + std::to_string(culverts));
            EXPECT_EQ(state.CulvertList.back().Areas.size(), areasOfLast) << message;
            EXPECT_EQ(declaredAreaCount(state.CulvertList.back()), static_cast<std::int64_t>(areasOfLast));
        }
    }
}

}  // namespace
}  // namespace sw
