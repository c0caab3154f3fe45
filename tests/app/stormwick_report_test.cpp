// The batch report command, run as a program on real project files.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/messages.h"

namespace {

namespace fs = std::filesystem;

const std::string kExe = STORMWICK_REPORT_EXE;
const fs::path kData = STORMWICK_APP_DATA;

std::string readBytes(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeBytes(const fs::path& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos)
        text.replace(at, from.size(), to);
    return text;
}

std::string quoted(const std::string& arg)
{
    std::string out = "'";
    for (char c : arg)
        out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

struct ProgramRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

class ReportCommand : public ::testing::Test {
protected:
    void SetUp() override
    {
        static std::atomic<int> counter{0};
        const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        m_dir = fs::temp_directory_path() /
                ("stormwick-report-app-" + std::to_string(stamp) + "-" + std::to_string(counter++));
        fs::create_directories(m_dir / "work");
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(m_dir, ec);
    }

    [[nodiscard]] fs::path work(const std::string& name) const { return m_dir / "work" / name; }

    ProgramRun run(const std::vector<std::string>& args) const
    {
        std::string command = quoted(kExe);
        for (const auto& a : args)
            command += " " + quoted(a);
        const fs::path out = m_dir / "stdout";
        const fs::path err = m_dir / "stderr";
        command += " >" + quoted(out.string()) + " 2>" + quoted(err.string());
        const int status = std::system(command.c_str());
        ProgramRun r;
        if (status != -1 && WIFEXITED(status))
            r.exitCode = WEXITSTATUS(status);
        r.out = readBytes(out);
        r.err = readBytes(err);
        return r;
    }

    [[nodiscard]] std::size_t workEntries() const
    {
        return static_cast<std::size_t>(
            std::distance(fs::directory_iterator(m_dir / "work"), fs::directory_iterator()));
    }

    const std::string project = (kData / "east-segment.txt").string();

private:
    fs::path m_dir;
};

TEST_F(ReportCommand, AllCulvertsReportMatchesTheHandWrittenFile)
{
    const fs::path report = work("east report.txt");
    const ProgramRun r = run({project, report.string()});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(readBytes(report), readBytes(kData / "expected-all.txt"));
    EXPECT_EQ(workEntries(), 1u);
}

TEST_F(ReportCommand, AnExistingReportIsReplaced)
{
    const fs::path report = work("report.txt");
    writeBytes(report, std::string(9000, '#'));
    EXPECT_EQ(run({project, report.string()}).exitCode, 0);
    EXPECT_EQ(readBytes(report), readBytes(kData / "expected-all.txt"));
}

struct OneCulvertCase {
    const char* name;
    const char* id;
    const char* expected;
};

class ReportCommandCulvert : public ReportCommand, public ::testing::WithParamInterface<OneCulvertCase> {};

TEST_P(ReportCommandCulvert, OneCulvertReportMatchesTheHandWrittenFile)
{
    const fs::path report = work("one.txt");
    const ProgramRun r = run({"--culvert", GetParam().id, project, report.string()});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(readBytes(report), readBytes(kData / GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Culverts, ReportCommandCulvert,
                         ::testing::Values(
                             // metric, a surface of the user's own, on the 5-minute floor
                             OneCulvertCase{"UserDefinedMetric", "E-2", "expected-E-2.txt"},
                             // 26 sub-areas
                             OneCulvertCase{"ManyAreas", "E-3", "expected-E-3.txt"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReportCommand, SummaryPrintsTheSummaryFileBytes)
{
    const ProgramRun r = run({"--summary", "E-1", project});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, readBytes(kData / "expected-summary-E-1.txt"));
    EXPECT_EQ(r.err, "");
}

TEST_F(ReportCommand, SummaryOfAUserDefinedSurfaceIsRefused)
{
    const ProgramRun r = run({"--summary", "E-2", project});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err,
              "Summary is not available for this Culvert due to user-defined surface characters and C values !\n");
}

TEST_F(ReportCommand, ResaveGivesTheSameBytes)
{
    const fs::path out = work("again.txt");
    const ProgramRun r = run({"--resave", project, out.string()});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(readBytes(out), readBytes(project));
}

TEST_F(ReportCommand, UnknownCulvertIsRefused)
{
    const fs::path report = work("one.txt");
    const ProgramRun r = run({"--culvert", "E-9", project, report.string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Culvert ID \"E-9\" is not in the project.\n");
    EXPECT_EQ(workEntries(), 0u);
    EXPECT_EQ(run({"--summary", "e-1", project}).exitCode, 1);  // IDs are compared exactly
}

// A culvert without its intensity inputs between two complete ones.
std::string projectWithIncompleteCulvert()
{
    return replaced(readBytes(kData / "east-segment.txt"), "0********1*********2*********3*********4*********5*********6\r\nCulvert No=E-2",
                    "0********1*********2*********3*********4*********5*********6\r\nCulvert No=E-4\r\n"
                    "[RUNOFF AREA INFO]\r\nStation/Description=STA 103+00\r\nReturn Period=25\r\n"
                    "Asphaltic,1.0 a,0.86,lane\r\n"
                    "0********1*********2*********3*********4*********5*********6\r\nCulvert No=E-2");
}

TEST_F(ReportCommand, InsufficientCulvertStopsTheRunWithNoFile)
{
    const fs::path proj = work("incomplete.txt");
    writeBytes(proj, projectWithIncompleteCulvert());
    const fs::path report = work("report.txt");
    const ProgramRun r = run({proj.string(), report.string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Information for Culvert ID: \" E-4 \"  is not sufficient\n");
    EXPECT_FALSE(fs::exists(report));
    EXPECT_EQ(workEntries(), 1u);

    // The complete culverts of the same project still report on their own.
    EXPECT_EQ(run({"--culvert", "E-3", proj.string(), report.string()}).exitCode, 0);
    EXPECT_EQ(readBytes(report), readBytes(kData / "expected-E-3.txt"));
    EXPECT_EQ(run({"--culvert", "E-4", proj.string(), work("e4.txt").string()}).exitCode, 1);
}

TEST_F(ReportCommand, CulvertThatCannotBeComputedStopsWithTheReason)
{
    // Equal elevations: no slope.
    const fs::path proj = work("flat.txt");
    writeBytes(proj, replaced(readBytes(kData / "east-segment.txt"), "Elevation of culvert inlet=10 m",
                              "Elevation of culvert inlet=12.5 m"));
    const fs::path report = work("report.txt");
    const ProgramRun r = run({proj.string(), report.string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Culvert ID \"E-2\" cannot be computed:\n" + std::string(sw::msg::kSlopeNotPositive) + "\n");
    EXPECT_FALSE(fs::exists(report));
}

TEST_F(ReportCommand, FileThatIsNoProjectIsRefused)
{
    const fs::path proj = work("notes.txt");
    writeBytes(proj, "[CORVENNA- STORMWICK]\r\nsome notes\r\n");
    const ProgramRun r = run({proj.string(), work("report.txt").string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "File format is invalid for this version of ZAV !\n");
    EXPECT_EQ(workEntries(), 1u);
}

TEST_F(ReportCommand, DamagedProjectIsRefusedEvenWhenPartlyRead)
{
    // A sub-area whose C is not a number: the reader stops in the third culvert.
    const fs::path proj = work("damaged.txt");
    writeBytes(proj, replaced(readBytes(kData / "east-segment.txt"), "Asphaltic,0.6 a,0.95,farm road",
                              "Asphaltic,0.6 a,zero,farm road"));
    const fs::path report = work("report.txt");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{proj.string(), report.string()},
          std::vector<std::string>{"--culvert", "E-1", proj.string(), report.string()},
          std::vector<std::string>{"--summary", "E-1", proj.string()},
          std::vector<std::string>{"--resave", proj.string(), report.string()}}) {
        SCOPED_TRACE(args.front());
        const ProgramRun r = run(args);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(sw::msg::kHappenedInStoreInfo), std::string::npos) << r.err;
        EXPECT_NE(r.err.find(sw::msg::kBatchPartialLoad), std::string::npos) << r.err;
        EXPECT_FALSE(fs::exists(report));
    }
}

TEST_F(ReportCommand, MissingProjectIsRefused)
{
    const ProgramRun r = run({work("nowhere.txt").string(), work("report.txt").string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err, "");
    EXPECT_EQ(workEntries(), 0u);
}

TEST_F(ReportCommand, UnwritableReportPathIsRefusedNamingIt)
{
    const std::string report = work("no such folder/report.txt").string();
    const ProgramRun r = run({project, report});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("\"" + report + "\""), std::string::npos) << r.err;
    EXPECT_EQ(workEntries(), 0u);
}

struct UsageCase {
    const char* name;
    std::vector<std::string> args;
    std::string firstLine;
};

class ReportCommandUsage : public ReportCommand, public ::testing::WithParamInterface<UsageCase> {};

TEST_P(ReportCommandUsage, WrongUsageExitsWithTwoAndTheUsage)
{
    const ProgramRun r = run(GetParam().args);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, GetParam().firstLine + "\n" + std::string(sw::msg::kBatchUsage));
    EXPECT_EQ(workEntries(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, ReportCommandUsage,
    ::testing::Values(UsageCase{"None", {}, "Wrong number of arguments."},
                      UsageCase{"OneFile", {"project.txt"}, "Wrong number of arguments."},
                      UsageCase{"UnknownOption", {"--frobnicate", "a", "b"}, "Unknown option: --frobnicate"},
                      UsageCase{"CulvertWithoutReport", {"--culvert", "E-1", "project.txt"}, "Wrong number of arguments."},
                      UsageCase{"SummaryTooMany", {"--summary", "E-1", "p.txt", "x.txt"}, "Wrong number of arguments."},
                      UsageCase{"HelpWithMore", {"--help", "x"}, "Wrong number of arguments."}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ReportCommand, HelpPrintsTheUsageOnStandardOutput)
{
    const ProgramRun r = run({"--help"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out, std::string(sw::msg::kBatchUsage));
    EXPECT_EQ(r.err, "");
}

}  // namespace
