// The batch report command, run as a program on real project files.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>

#include "../project/projectfixtures.h"
#include "core/messages.h"

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
    Run run(const Lines& args) const
    {
        // Single quotes for the shell: none of the paths here holds one.
        std::string command = "'" STORMWICK_REPORT_EXE "'";
        for (const std::string& a : args)
            command += " '" + a + "'";
        command += " >'" + io.file("out") + "' 2>'" + io.file("err") + "'";
        const int status = std::system(command.c_str());
        return {status != -1 && WIFEXITED(status) ? WEXITSTATUS(status) : -1, readBytes(io.file("out")),
                readBytes(io.file("err"))};
    }
    TempDir io, work;  // the program's output, and the folder its files go to
};

TEST_F(ReportCommand, OutputsMatchTheHandWrittenFiles)
{
    const std::string out = work.file("east report.txt");
    for (const auto& [args, expected] : std::vector<std::pair<Lines, std::string>>{
             {{kProject, out}, "expected-all.txt"},
             {{"--culvert", "E-2", kProject, out}, "expected-E-2.txt"},  // metric, a surface of the user's own
             {{"--culvert", "E-3", kProject, out}, "expected-E-3.txt"},  // 26 sub-areas
             {{"--resave", kProject, out}, "east-segment.txt"},
             {{"--summary", "E-1", kProject}, "expected-summary-E-1.txt"}}) {
        const bool printed = args[0] == "--summary";
        const Run r = run(args);
        EXPECT_EQ(r.exitCode, 0) << expected << ": " << r.err;
        EXPECT_EQ(r.err, "");
        EXPECT_EQ(printed ? r.out : readBytes(out), readBytes(kData + "/" + expected)) << expected;
        EXPECT_EQ(work.entries(), printed ? Lines{} : Lines{"east report.txt"});
        fs::remove(out);
    }
}

TEST_F(ReportCommand, RefusalsExitWithOneAndWriteNothing)
{
    const std::string east = readBytes(kProject);
    // A culvert without its intensity inputs between two complete ones.
    const std::string incomplete =
        replaced(east, kRuler + "\r\nCulvert No=E-2\r\n",
                 joinLines({kRuler, "Culvert No=E-4", "[RUNOFF AREA INFO]", "Station/Description=x", "Return Period=25",
                            "Asphaltic,1.0 a,0.86,lane", kRuler, "Culvert No=E-2"}, "\r\n"));
    // A sub-area whose C is not a number: the reader stops in the third culvert.
    const std::string damaged = replaced(east, "Asphaltic,0.6 a,0.95,farm road", "Asphaltic,0.6 a,zero,farm road");
    const std::string partial = std::string(msg::kHappenedInStoreInfo) + "\n" + std::string(msg::kBatchPartialLoad);
    const std::string project = work.file("project.txt");
    const std::string report = work.file("report.txt");
    for (const auto& [bytes, args, error] : std::vector<std::tuple<std::string, Lines, std::string>>{
             {incomplete, {project, report}, "Information for Culvert ID: \" E-4 \"  is not sufficient\n"},
             {east, {"--culvert", "E-9", project, report}, "Culvert ID \"E-9\" is not in the project.\n"},
             {"[CORVENNA- STORMWICK]\r\nsome notes\r\n", {project, report},
              "File format is invalid for this version of ZAV !\n"},
             {damaged, {project, report}, partial},
             {damaged, {"--resave", project, report}, partial}}) {
        writeBytes(project, bytes);
        const Run r = run(args);
        EXPECT_EQ(r.exitCode, 1) << error;
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(error), std::string::npos) << r.err;
        EXPECT_EQ(work.entries(), Lines{"project.txt"});
    }
}

TEST_F(ReportCommand, WrongUsageExitsWithTwoAndTheUsage)
{
    for (const auto& [args, firstLine] : std::vector<std::pair<Lines, std::string>>{
             {{}, "Wrong number of arguments."}, {{"--frobnicate", "a", "b"}, "Unknown option: --frobnicate"},
             {{"--help", "x"}, "Wrong number of arguments."}}) {
        const Run r = run(args);
        EXPECT_EQ(r.exitCode, 2) << firstLine;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, firstLine + "\n" + std::string(msg::kBatchUsage));
    }
    EXPECT_TRUE(work.entries().empty());
    EXPECT_EQ(run({"--help"}).out, msg::kBatchUsage);
}

}  // namespace
}  // namespace sw
