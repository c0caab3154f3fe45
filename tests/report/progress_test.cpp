// Long work told step by step: every writer reports each culvert before it and once at the end,
// writes the same bytes with or without someone listening, and stopped at any step writes nothing,
// leaving a former file byte for byte and no temporary file beside it.

#include <gtest/gtest.h>

#include <functional>
#include <optional>

#include "engine/discharge.h"
#include "report/csvfile.h"
#include "report/printreport.h"
#include "report/reportfile.h"
#include "tests/core/files.h"
#include "tests/project/projectfixtures.h"
#include "report/recordingpage.h"

namespace sw {
namespace {

using namespace sw::testing;

// Records each step; answers stop from step `stopAt` on.
class StepLog final : public Progress {
public:
    explicit StepLog(std::optional<std::size_t> stopAt = std::nullopt) : m_stopAt(stopAt) {}
    bool step(std::size_t done, std::size_t total, std::string_view culvertId) override
    {
        steps.push_back(std::to_string(done) + "/" + std::to_string(total) + " " + std::string(culvertId));
        return !m_stopAt || steps.size() <= *m_stopAt;
    }
    Lines steps;

private:
    std::optional<std::size_t> m_stopAt;
};

// Three culverts, the second one without sufficient information: the writers go through it all the same.
Document project()
{
    Document d = stateWith({culvert("C1", {subArea("Asphaltic", "4.0 a", 0.81)}),
                            culvert("C2", {subArea("Own", "2.0 a", 0.5)}),
                            culvert("C3", {subArea("Asphaltic", "1.0 a", 0.81)})});
    d.CulvertList[1].CorFactor = 0;
    for (int i : {0, 2})
        EXPECT_TRUE(CalCulvert(d, i).computed());
    return d;
}

// The writers of all culverts to a path: written, failed or cancelled.
using Writer = std::function<FileWriteResult(const Document&, const std::string&, Progress*)>;
const std::pair<const char*, Writer> kWriters[] = {
    {"csv", [](const Document& d, const std::string& p, Progress* g) { return writeResultsCsv(d, p, g); }},
    {"report", [](const Document& d, const std::string& p, Progress* g) { return ReportAll2File(d, p, g); }},
};

const Lines kAllSteps{"0/3 C1", "1/3 C2", "2/3 C3", "3/3 "};

TEST(Progress, WritersTellEachCulvertAndWriteTheSameBytes)
{
    const Document d = project();
    for (const auto& [name, write] : kWriters) {
        SCOPED_TRACE(name);
        TempDir dir;
        StepLog log;
        ASSERT_TRUE(write(d, dir.file("told"), &log).written());
        ASSERT_TRUE(write(d, dir.file("quiet"), nullptr).written());
        EXPECT_EQ(log.steps, kAllSteps);
        EXPECT_EQ(readBytes(dir.file("told")), readBytes(dir.file("quiet")));
        EXPECT_GT(readBytes(dir.file("told")).size(), 100u);
    }
}

// Stopped before the first culvert, in the middle and at the very end (everything laid out, not yet
// written): cancelled, nothing changed on disk.
TEST(Progress, StoppedAtAnyStepLeavesTheFormerFileAndNoTemporaryFile)
{
    const Document d = project();
    for (const auto& [name, write] : kWriters)
        for (std::size_t stopAt = 0; stopAt < kAllSteps.size(); ++stopAt) {
            SCOPED_TRACE(std::string(name) + " stopped at step " + std::to_string(stopAt));
            TempDir dir;
            const std::string former = "the former file\r\n\x01\xff";
            writeBytes(dir.file("out"), former);
            StepLog log(stopAt);
            const FileWriteResult r = write(d, dir.file("out"), &log);
            EXPECT_TRUE(r.cancelled());
            EXPECT_FALSE(r.written());
            EXPECT_EQ(log.steps, Lines(kAllSteps.begin(), kAllSteps.begin() + std::ptrdiff_t(stopAt) + 1));
            EXPECT_EQ(readBytes(dir.file("out")), former);
            EXPECT_EQ(dir.entries(), Lines{"out"});
        }
}

// The printed culverts: every one a job of its own until the stop, none after it; a refused job
// ends the run at its culvert, and a culvert printed alone is refused, as is one that is not there.
TEST(Progress, PrintingStopsBeforeTheNextCulvert)
{
    const Document d = project();
    struct Run {
        std::optional<std::size_t> stopAt;
        bool refusing;
        PrintOutcome::Status status;
        std::size_t printed;
        std::size_t jobs;
    };
    for (const Run& run : {Run{std::nullopt, false, PrintOutcome::Status::Printed, 3, 3},
                           Run{0, false, PrintOutcome::Status::Cancelled, 0, 0},
                           Run{2, false, PrintOutcome::Status::Cancelled, 2, 2},
                           Run{3, false, PrintOutcome::Status::Cancelled, 3, 3},
                           Run{std::nullopt, true, PrintOutcome::Status::Refused, 0, 0}}) {
        SCOPED_TRACE(run.stopAt ? *run.stopAt : 99);
        RecordingDevice device;
        device.setRefusing(run.refusing);
        StepLog log(run.stopAt);
        const PrintOutcome out = printCulverts(device, d, {0, 1, 2}, &log);
        EXPECT_EQ(out.status, run.status);
        EXPECT_EQ(out.Printed, run.printed);
        EXPECT_EQ(out.RefusedCulvert, run.refusing ? 0 : -1);
        EXPECT_EQ(device.documents().size(), run.jobs);
        EXPECT_EQ(log.steps.size(), run.stopAt ? *run.stopAt + 1 : run.refusing ? 1 : 4);
        EXPECT_EQ(printCulvert(device, d, 0), !run.refusing);
        EXPECT_FALSE(printCulvert(device, d, 5));
    }
}

}  // namespace
}  // namespace sw
