// The batch report command, run as a program on real project files.

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/wait.h>

#include <cstdlib>
#include <regex>
#include <sstream>

#include "tests/project/projectfixtures.h"
#include "core/messages.h"
#include "core/text.h"
#include "project/projectwriter.h"
#include "report/comparefile.h"
#include "tests/engine/comparefixture.h"

namespace sw {
namespace {

using namespace sw::testing;

const std::string kData = STORMWICK_APP_DATA;
const std::string kProject = kData + "/east-segment.txt";

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

class ReportCommand : public ::testing::Test {
protected:
    struct Run { int exitCode; std::string out, err; };
    // `shell` comes before the program in the same shell (a ulimit); `out` is where its standard
    // output goes.
    Run run(const Lines& args, const std::string& shell = "", std::string out = "") const
    {
        if (out.empty())
            out = io.file("out");
        // Single quotes for the shell: none of the paths here holds one.
        std::string command = shell + "'" STORMWICK_REPORT_EXE "'";
        for (const std::string& a : args)
            command += " '" + a + "'";
        command += " >'" + out + "' 2>'" + io.file("err") + "'";
        const int status = std::system(command.c_str());
        return {status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1, readBytes(io.file("out")),
                readBytes(io.file("err"))};
    }
    TempDir io, work;  // the program's output, and the folder its files go to
};

// Refusals exit with 1 and write nothing. What a hand-edited or hostile file holds reaches the
// terminal printable and short, and what the editors would refuse is not computed.
TEST_F(ReportCommand, RefusalsAndHostileValuesExitWithOneAndWriteNothing)
{
    const std::string east = readBytes(kProject);
    // A culvert without its intensity inputs between two complete ones.
    const std::string incomplete =
        replaced(east, kRuler + "\r\nCulvert No=E-2\r\n",
                 joinLines({kRuler, "Culvert No=E-4", "[RUNOFF AREA INFO]", "Station/Description=x", "Return Period=25",
                            "Asphaltic,1.0 a,0.86,lane", kRuler, "Culvert No=E-2"}, "\r\n"));
    // A sub-area whose C is not a number: the reader stops in the third culvert.
    const std::string damaged = replaced(east, "Asphaltic,0.6 a,0.95,farm road", "Asphaltic,0.6 a,zero,farm road");
    const std::string partial = " happened in StoreInfo_Culvert !\n" + std::string(msg::kBatchPartialLoad);
    const std::string farmRoad = "Asphaltic,0.6 a,0.95,farm road";  // sub-area 25 of E-3
    const std::string negativeC = "Asphaltic,0.6 a,-5,farm road";
    // E-3 renamed, with the sub-area of its negative C
    auto renamed = [&](const std::string& id) {
        return replaced(replaced(east, "Culvert No=E-3", "Culvert No=" + id), farmRoad, negativeC);
    };
    const std::string project = work.file("project.txt");
    const std::string report = work.file("report.txt");
    for (const auto& [bytes, args, error] : std::vector<std::tuple<std::string, Lines, std::string>>{
             {incomplete, {project, report}, "Information for Culvert ID: \" E-4 \"  is not sufficient\n"},
             {east, {"--culvert", "E-9", project, report}, "Culvert ID \"E-9\" is not in the project.\n"},
             {"[CORVENNA- STORMWICK]\r\nsome notes\r\n", {project, report},
              "File format is invalid for this version of ZAV !\n"},
             {damaged, {project, report}, partial},
             {damaged, {"--resave", project, report}, partial},
             {replaced(east, farmRoad, negativeC), {project, report},
              "Culvert ID \"E-3\" cannot be computed:\nSub-area 25 (\"Asphaltic\"): its runoff coefficient -5 is not "
              "a positive number.\n"},
             {renamed(std::string("E\0-3", 4) + std::string(100, 'x')), {project, report},
              "Culvert ID \"E\\x00-3" + std::string(56, 'x') + "...\" cannot be computed:\nSub-area 25"},
             {renamed(""), {project, report}, "Culvert 3 of this file has no culvert ID"}}) {
        writeBytes(project, bytes);
        const Run r = run(args);
        EXPECT_EQ(r.exitCode, 1) << error;
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(error), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find('\0'), std::string::npos);
        EXPECT_LT(r.err.size(), 300u) << r.err;
        EXPECT_EQ(work.entries(), Lines{"project.txt"});
    }
}

// An output never replaces the project it is made from, by the same name, another spelling, a
// symbolic or a hard link: exit 1, the message names the output, the project stays byte for byte.
// --resave writes a project, and may write it over itself.
TEST_F(ReportCommand, OutputOverItsOwnProjectIsRefused)
{
    const std::string bytes = readBytes(kProject);
    const std::string project = work.file("project.txt"), link = work.file("link.txt"), hard = work.file("hard.txt");
    writeBytes(project, bytes);
    fs::create_symlink(project, link);
    fs::create_hard_link(project, hard);
    for (const auto& [input, output] : std::vector<std::pair<std::string, std::string>>{
             {project, project}, {project, link}, {link, project}, {project, hard},
             {project, work.file("../" + work.path().filename().string() + "/project.txt")}})
        for (const Lines& options : {Lines{}, Lines{"--culvert", "E-2"}, Lines{"--pdf"}, Lines{"--pdf", "--culvert", "E-3"},
                                     Lines{"--csv"}}) {
            Lines args = options;
            args.insert(args.end(), {input, output});
            const Run r = run(args);
            EXPECT_EQ(r.exitCode, 1) << args[0] << " " << output;
            EXPECT_EQ(r.err, fillMessage(msg::kOutputIsProject, {output}) + "\n");
            EXPECT_EQ(readBytes(project), bytes) << args[0] << " " << output;
            EXPECT_EQ(work.entries(), (Lines{"hard.txt", "link.txt", "project.txt"}));
        }
    for (const std::string& output : {project, link}) {
        const Run r = run({"--resave", project, output});
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(readBytes(project), bytes);
    }
    EXPECT_TRUE(fs::is_symlink(link));
}

// Every case of golden/cases.txt gives exactly the exit status, output and file recorded, and leaves
// nothing else beside the project. Where the outputs were also worked out by hand, the recorded
// ones are those.
TEST_F(ReportCommand, OutputsAreThoseRecordedForTheSampleProjects)
{
    const std::string golden = STORMWICK_APP_GOLDEN;
    for (const auto& [recorded, byHand] : std::vector<std::pair<std::string, std::string>>{
             {"east-all.file", "expected-all.txt"},
             {"east-E-2.file", "expected-E-2.txt"},  // metric, a surface of the user's own
             {"east-E-3.file", "expected-E-3.txt"},  // 26 sub-areas
             {"east-resave.file", "east-segment.txt"},
             {"east-summary-E-1.out", "expected-summary-E-1.txt"}})
        EXPECT_EQ(readBytes(golden + "/" + recorded), readBytes(kData + "/" + byHand)) << byHand;
    const std::string out = work.file("the report.txt");
    std::ifstream cases(golden + "/cases.txt");
    std::string line;
    int checked = 0;
    while (std::getline(cases, line)) {
        std::istringstream words(line);
        std::string name, project, word;
        if (!(words >> name >> project) || name.starts_with("#"))
            continue;
        writeBytes(work.file("project.txt"), readBytes(kData + "/" + project));
        Lines args;
        while (words >> word)
            args.push_back(word == "PROJECT" ? work.file("project.txt") : word == "OUT" ? out : word);
        const Run r = run(args);
        const std::string expected = golden + "/" + name;
        EXPECT_EQ(std::to_string(r.exitCode) + "\n", readBytes(expected + ".code")) << name;
        EXPECT_EQ(r.out, readBytes(expected + ".out")) << name;
        EXPECT_EQ(r.err, readBytes(expected + ".err")) << name;
        const bool written = fs::exists(expected + ".file");
        EXPECT_EQ(work.entries(), (written ? Lines{"project.txt", "the report.txt"} : Lines{"project.txt"})) << name;
        EXPECT_EQ(readBytes(out), readBytes(expected + ".file")) << name;  // both empty when none is written
        fs::remove(out);
        ++checked;
    }
    EXPECT_EQ(checked, 30);
}

#ifdef STORMWICK_PDF
// The number of pages of a PDF file.
long pdfPages(const std::string& bytes)
{
    static const std::regex page(R"(/Type\s*/Page[^s])");
    return std::distance(std::sregex_iterator(bytes.begin(), bytes.end(), page), std::sregex_iterator());
}
#endif

// The printed report without a printer: every culvert's pages, or one culvert's, in one PDF file.
TEST_F(ReportCommand, PdfOfThePrintedReport)
{
    const std::string pdf = work.file("east.pdf");
#ifdef STORMWICK_PDF
    // E-1 and E-2 a page each; E-3 has 26 sub-areas: a first page and a continuation page.
    for (const auto& [args, pages] : std::vector<std::pair<Lines, long>>{
             {{"--pdf", kProject, pdf}, 4}, {{"--pdf", "--culvert", "E-3", kProject, pdf}, 2}}) {
        const Run r = run(args);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        EXPECT_EQ(r.err, "");
        const std::string bytes = readBytes(pdf);
        EXPECT_TRUE(bytes.starts_with("%PDF"));
        EXPECT_EQ(pdfPages(bytes), pages);
    }
    // A folder that is not there: the message names the path, and nothing is written.
    const Run refused = run({"--pdf", kProject, work.file("no such folder/east.pdf")});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("no such folder/east.pdf"), std::string::npos) << refused.err;
    // A culvert that cannot be computed stops it before anything is written; the old file stays.
    writeBytes(work.file("project.txt"), replaced(readBytes(kProject), "Return Period=50", "Return Period=1"));
    const Run stopped = run({"--pdf", work.file("project.txt"), pdf});
    EXPECT_EQ(stopped.exitCode, 1);
    EXPECT_EQ(pdfPages(readBytes(pdf)), 2);
#else
    const Run r = run({"--pdf", kProject, pdf});
    EXPECT_EQ(std::tie(r.exitCode, r.err), std::make_tuple(1, std::string(msg::kBatchNoPdf) + "\n"));
    EXPECT_FALSE(fs::exists(pdf));
#endif
    EXPECT_EQ(run({"--pdf", "--culvert", "E-1", kProject}).exitCode, 2);
}

// A full disk must not pass for a summary printed.
TEST_F(ReportCommand, OutputThatCannotBeWrittenIsAFailure)
{
    const Run r = run({"--summary", "E-1", kProject}, "", "/dev/full");
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "The output could not be written to standard output (No space left on device).\n");
    EXPECT_EQ(run({"--help"}, "", "/dev/full").exitCode, 1);
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kSanitized = true;  // the sanitizer's own memory would swamp what is measured
#else
constexpr bool kSanitized = false;
#endif

// A project of `culverts` culverts of `areas` sub-areas each, every culvert with the given lines
// after its start.
std::string largeProject(int culverts, int areas, const Lines& afterStart = {})
{
    std::string bytes = joinLines(header());
    for (int c = 0; c < culverts; ++c) {
        bytes += joinLines(joined({culvertStart("C" + std::to_string(c)), afterStart}));
        for (int i = 0; i < areas; ++i)
            bytes += "Asphaltic,2.5 a,0.81,ditch\r\n";
    }
    return bytes;
}

// Reading costs a bounded multiple of the file, and a file of lines far shorter than a project's
// costs nothing beyond reading it.
TEST_F(ReportCommand, MemoryStaysWithinASmallMultipleOfTheFile)
{
    if (kSanitized)
        GTEST_SKIP() << "memory is not measured under the address sanitizer";
    const std::string project = work.file("project.txt");
    for (const bool tiny : {true, false}) {
        std::string bytes = largeProject(tiny ? 1 : 40, tiny ? 0 : 5000);
        for (int i = 0; tiny && i < 16 * 1024 * 1024 / 5; ++i)
            bytes += ",,0\r\n";
        writeBytes(project, bytes);
        const Run r = run({"--resave", project, work.file("out.txt")});
        // What the largest child of this test process took: each ctest test is a process of its
        // own, and the tiny file, which must cost least, comes first.
        rusage usage{};
        getrusage(RUSAGE_CHILDREN, &usage);
        const long peak = usage.ru_maxrss * 1024;
        if (tiny) {
            EXPECT_EQ(r.exitCode, 1);
            EXPECT_NE(r.err.find("lines far shorter than those of a project file"), std::string::npos) << r.err;
            EXPECT_LT(peak, 2 * static_cast<long>(bytes.size()) + (32l << 20));
        } else {
            ASSERT_EQ(r.exitCode, 0) << r.err;
            EXPECT_EQ(readBytes(work.file("out.txt")), bytes);
            EXPECT_LT(peak, 7 * static_cast<long>(bytes.size()) + (32l << 20));
        }
    }
}

// Whatever memory there is, running out ends with a message that says so, never with the name of
// an exception.
TEST_F(ReportCommand, RunningOutOfMemorySaysSo)
{
    if (kSanitized)
        GTEST_SKIP() << "the address sanitizer cannot run under a memory limit";
    const std::string project = work.file("project.txt");
    const std::string bytes = largeProject(40, 5000, intensityLines());
    writeBytes(project, bytes);
    // The least address space the program starts in (its libraries take their share first).
    const auto limit = [](int megabytes) { return "ulimit -v " + std::to_string(megabytes * 1024) + "; "; };
    int least = 16;
    while (least < 1024 && run({"--help"}, limit(least)).exitCode != 0)
        least += 8;
    ASSERT_LT(least, 1024);
    int refused = 0;
    for (const int megabytes : {least + 8, least + 24, least + 48, least + 200}) {
        const Run r = run({project, work.file("report.txt")}, limit(megabytes));
        EXPECT_EQ(r.err.find("bad_alloc"), std::string::npos) << r.err;
        if (r.exitCode != 0) {
            ++refused;
            EXPECT_EQ(r.exitCode, 1) << megabytes;
            EXPECT_TRUE(r.err.find("not enough memory") != std::string::npos ||
                        r.err == std::string(msg::kBatchNoMemory) + "\n") << megabytes << " MB: " << r.err;
        }
    }
    EXPECT_GT(refused, 0);
}

// --progress only before the commands that go through every culvert.
TEST_F(ReportCommand, WrongUsageExitsWithTwoAndTheUsage)
{
    const std::string notHere(msg::kBatchProgressNotHere), report = work.file("report.txt");
    for (const auto& [args, firstLine] : std::vector<std::pair<Lines, std::string>>{
             {{}, "Wrong number of arguments."}, {{"--frobnicate", "a", "b"}, "Unknown option: --frobnicate"},
             {{"--help", "x"}, "Wrong number of arguments."},
             {{"--progress", "--culvert", "E-1", kProject, report}, notHere},
             {{"--progress", "--progress", kProject, report}, notHere},
             {{"--progress", "--summary", "E-1", kProject}, notHere}}) {
        const Run r = run(args);
        EXPECT_EQ(r.exitCode, 2) << firstLine;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, firstLine + "\n" + std::string(msg::kBatchUsage));
    }
    EXPECT_TRUE(work.entries().empty());
    EXPECT_EQ(run({"--progress"}).exitCode, 2);
    EXPECT_EQ(run({"--help"}).out, msg::kBatchUsage);
}

// --progress: a line on standard error for every 100 culverts of each pass over them and for the
// last; the files the same bytes as without it, which prints nothing extra.
TEST_F(ReportCommand, ProgressLinesOnlyWhenAsked)
{
    const std::string project = work.file("project.txt");
    writeBytes(project, largeProject(250, 1, intensityLines()));
    const auto lines = [](std::string_view what, const std::string& path) {
        std::string out;
        const std::string title = path.empty() ? std::string(what) : fillMessage(what, {path});
        for (const char* done : {"100", "200", "250"})
            out += fillMessage(msg::kBatchProgress, {title, done, "250"}) + "\n";
        return out;
    };
    const std::string computing = lines(msg::kProgressComputing, "");
    const std::string report = work.file("report.txt"), csv = work.file("out.csv"), pdf = work.file("out.pdf");
    std::vector<std::tuple<Lines, std::string, std::string>> cases{
        {{project, report}, report, computing + lines(msg::kProgressReportFile, report)},
        {{"--csv", project, csv}, csv, lines(msg::kProgressCsv, csv)}};
#ifdef STORMWICK_PDF
    cases.emplace_back(Lines{"--pdf", project, pdf}, pdf, computing + lines(msg::kProgressPdf, pdf));
#endif
    for (const auto& [args, out, expected] : cases) {
        const Run quiet = run(args);
        ASSERT_EQ(quiet.exitCode, 0) << quiet.err;
        EXPECT_EQ(quiet.err + quiet.out, "");
        const std::string bytes = readBytes(out);
        Lines told = args;
        told.insert(told.begin(), "--progress");
        const Run r = run(told);
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, expected);
        // A PDF carries the moment it was made; its size does not change with it.
        EXPECT_TRUE(out == pdf ? readBytes(out).size() == bytes.size() : readBytes(out) == bytes) << out;
    }
}

// --compare: the table as text or as CSV, exactly as the comparison of the same projects in
// memory gives it; a refused project named, and an output that would replace a project refused.
TEST_F(ReportCommand, CompareTwoProjects)
{
    const std::string oldPath = work.file("submittal 1.txt");
    const std::string newPath = work.file("submittal 2.txt");
    const std::string bad = work.file("notes.txt");
    const std::string csv = work.file("changes.csv");
    writeBytes(oldPath, buildProjectFile(compareOld()).Bytes);
    writeBytes(newPath, buildProjectFile(compareNew()).Bytes);
    writeBytes(bad, "[CORVENNA- STORMWICK]\r\nsome notes\r\n");
    fs::create_symlink(oldPath, work.file("link.csv"));
    const std::vector<ComparisonRow> rows = compareProjects(compareOld(), compareNew());

    std::string table;
    for (const std::string& line : comparisonTextLines(rows, oldPath, newPath))
        table += line + "\n";
    const Run printed = run({"--compare", oldPath, newPath});
    EXPECT_EQ(printed.exitCode, 0) << printed.err;
    EXPECT_EQ(printed.err, "");
    EXPECT_EQ(printed.out, table);

    const Run written = run({"--compare", oldPath, newPath, csv});
    EXPECT_EQ(std::tie(written.exitCode, written.out, written.err), std::make_tuple(0, std::string(), std::string()));
    EXPECT_EQ(readBytes(csv), comparisonCsv(rows));
    fs::remove(csv);

    const std::string refused = fillMessage(msg::kBatchCompareRefused, {bad}) + "\n";
    const std::string format = std::string(msg::kFormatInvalid) + "\n";
    const std::string usage = std::string(msg::kBatchWrongArguments) + "\n" + std::string(msg::kBatchUsage);
    for (const auto& [args, code, err] : std::vector<std::tuple<Lines, int, std::string>>{
             {{"--compare", bad, newPath}, 1, format + refused},
             {{"--compare", oldPath, bad, csv}, 1, format + refused},
             {{"--compare", bad, bad}, 1, format + refused + format + refused},
             {{"--compare", oldPath, newPath, newPath}, 1,
              fillMessage(msg::kOutputIsProject, {newPath}) + "\n"},
             {{"--compare", oldPath, newPath, work.file("link.csv")}, 1,
              fillMessage(msg::kOutputIsProject, {work.file("link.csv")}) + "\n"},
             {{"--compare", oldPath}, 2, usage}, {{"--compare", oldPath, newPath, csv, csv}, 2, usage}}) {
        const Run r = run(args);
        EXPECT_EQ(r.exitCode, code) << err;
        EXPECT_EQ(r.err, err);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(work.entries(), (Lines{"link.csv", "notes.txt", "submittal 1.txt", "submittal 2.txt"}));
    }
    EXPECT_EQ(readBytes(oldPath), buildProjectFile(compareOld()).Bytes);
    EXPECT_EQ(readBytes(newPath), buildProjectFile(compareNew()).Bytes);
}

}  // namespace
}  // namespace sw
