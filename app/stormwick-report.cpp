// stormwick-report: the report text file, the summary table or a fresh save of a project file,
// without opening the window. Reads the project as File > Open does and computes the culverts as
// the printer selector's "All" file route does.

#include <cerrno>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <initializer_list>
#include <iostream>
#include <new>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "core/messages.h"
#include "core/samefile.h"
#include "core/text.h"
#include "engine/calcsheet.h"
#include "engine/compare.h"
#include "engine/discharge.h"
#include "engine/summary.h"
#include "engine/tables.h"
#include "model/document.h"
#include "project/projectreader.h"
#include "project/projectwriter.h"
#include "report/comparefile.h"
#include "report/csvfile.h"
#include "report/progress.h"
#include "report/reportfile.h"
#include "report/summaryfile.h"

#ifdef STORMWICK_PDF
#include "app/pdfreport.h"
#endif

namespace {

constexpr int kExitDone = 0;
constexpr int kExitRefused = 1;
constexpr int kExitUsage = 2;

// Message lines are joined by a carriage return; on a terminal they are lines of their own.
void printMessage(std::string_view message)
{
    std::string text(message);
    for (char& c : text)
        if (c == '\r')
            c = '\n';
    std::cerr << text << '\n';
}

// A full disk or a closed pipe must not pass for a summary written.
int writeToStandardOutput(std::string_view bytes)
{
#ifdef _WIN32
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    errno = 0;
    const std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    if (written == bytes.size() && std::fflush(stdout) == 0)
        return kExitDone;
    const int err = errno;
    printMessage(sw::fillMessage(sw::msg::kBatchOutputFailed,
                                 {err != 0 ? std::generic_category().message(err) : std::string("write error")}));
    return kExitRefused;
}

int usageError(std::string_view why)
{
    printMessage(why);
    std::cerr << sw::msg::kBatchUsage;
    return kExitUsage;
}

// The project as File > Open reads it. A damaged file is refused even when part of it was read:
// a report must never be built on half a project.
bool loadProject(sw::Document& document, const std::string& path)
{
    sw::InitTables();
    const sw::FormatCheck check = sw::CheckFileFormat(path);
    if (!check.accepted()) {
        printMessage(check.status == sw::FormatCheck::Status::Failed && !check.Message.empty() ? check.Message
                                                                                               : sw::msg::kFormatInvalid);
        return false;
    }
    const sw::LoadOutcome load = sw::readProjectFile(document, path);
    switch (load.status) {
    case sw::LoadOutcome::Status::Loaded:
        // A culvert without an ID was given one to be shown and kept; a report must not print it.
        if (!load.Notice.empty()) {
            printMessage(load.Notice);
            printMessage(sw::msg::kBatchCulvertsWithoutId);
            return false;
        }
        return true;
    case sw::LoadOutcome::Status::Partial:
        printMessage(load.Message);
        printMessage(sw::msg::kBatchPartialLoad);
        return false;
    case sw::LoadOutcome::Status::Refused:
        printMessage(load.Message);
        return false;
    }
    return false;
}

// --progress: a line to standard error for every 100 culverts and for the last; without it, none.
class LineProgress final : public sw::Progress {
public:
    LineProgress(bool shown, std::string title) : m_shown(shown), m_title(std::move(title)) {}

    bool step(std::size_t done, std::size_t total, std::string_view /*culvertId*/) override
    {
        if (m_shown && done > 0 && (done % kEvery == 0 || done == total))
            printMessage(sw::fillMessage(sw::msg::kBatchProgress, {m_title, std::to_string(done), std::to_string(total)}));
        return true;
    }

private:
    static constexpr std::size_t kEvery = 100;
    bool m_shown;
    std::string m_title;
};

// Computes one culvert; false (with its message printed) when its information is not sufficient or
// cannot be computed.
bool computeCulvert(sw::Document& document, int index)
{
    const sw::CulvertRun run = sw::CalCulvert(document, index);
    const std::string& id = document.CulvertList[static_cast<std::size_t>(index)].CulvertNo;
    switch (run.status) {
    case sw::CulvertRun::Status::Computed:
        return true;
    case sw::CulvertRun::Status::NoCulvert:
        return false;  // the index comes from the list itself
    case sw::CulvertRun::Status::Incomplete:
        printMessage(sw::fillMessage(sw::msg::kInsufficientInfo, {sw::messageValue(id)}));
        return false;
    case sw::CulvertRun::Status::NotComputable:
        printMessage(sw::fillMessage(sw::msg::kBatchCannotCompute, {sw::messageValue(id)}) + "\r" + run.Reason);
        return false;
    }
    return false;
}

std::optional<int> findCulvert(const sw::Document& document, const std::string& id)
{
    const std::size_t count = sw::usedCulvertCount(document.CulvertList);
    for (std::size_t i = 0; i < count; ++i)
        if (document.CulvertList[i].CulvertNo == id)
            return static_cast<int>(i);
    printMessage(sw::fillMessage(sw::msg::kBatchNotInProject, {sw::messageValue(id)}));
    return std::nullopt;
}

// The exit status of a write, its message shown when it failed.
int finish(bool written, const std::string& message)
{
    if (written)
        return kExitDone;
    printMessage(message);
    return kExitRefused;
}

// An output never replaces the project it is made from, whatever name reaches it; refused (its
// message printed) before anything is read or written.
bool overProject(const std::string& project, const std::string& out)
{
    const std::string refusal = sw::outputOverProject(out, project);
    if (!refusal.empty())
        printMessage(refusal);
    return !refusal.empty();
}

// Computes every culvert of the list; false (its message printed) at the first that cannot be.
bool computeAll(sw::Document& document, bool progress)
{
    LineProgress lines(progress, std::string(sw::msg::kProgressComputing));
    const std::size_t count = sw::usedCulvertCount(document.CulvertList);
    for (std::size_t i = 0; i < count; ++i) {
        static_cast<void>(lines.step(i, count, document.CulvertList[i].CulvertNo));
        if (!computeCulvert(document, static_cast<int>(i)))
            return false;
    }
    static_cast<void>(lines.step(count, count, {}));
    return true;
}

int reportAll(const std::string& project, const std::string& report, bool progress)
{
    if (overProject(project, report))
        return kExitRefused;
    sw::Document document;
    if (!loadProject(document, project) || !computeAll(document, progress))
        return kExitRefused;
    LineProgress lines(progress, sw::fillMessage(sw::msg::kProgressReportFile, {report}));
    const sw::FileWriteResult written = sw::ReportAll2File(document, report, &lines);
    return finish(written.written(), written.Message);
}

// The project read and the culvert ID computed; nothing when either is refused (its message
// printed).
std::optional<int> loadAndCompute(sw::Document& document, const std::string& project, const std::string& id)
{
    if (!loadProject(document, project))
        return std::nullopt;
    const std::optional<int> index = findCulvert(document, id);
    if (!index || !computeCulvert(document, *index))
        return std::nullopt;
    return index;
}

int reportCulvert(const std::string& id, const std::string& project, const std::string& report)
{
    if (overProject(project, report))
        return kExitRefused;
    sw::Document document;
    const std::optional<int> index = loadAndCompute(document, project, id);
    if (!index)
        return kExitRefused;
    const sw::FileWriteResult written = sw::Report2File(document, report, *index);
    return finish(written.written(), written.Message);
}

int printSummary(const std::string& id, const std::string& project)
{
    sw::Document document;
    const std::optional<int> index = loadAndCompute(document, project, id);
    if (!index)
        return kExitRefused;
    const sw::SummaryOutcome outcome = sw::prepareSummary(document, *index);
    if (!outcome.available()) {
        printMessage(outcome.Message);
        return kExitRefused;
    }
    // The very bytes the summary file holds: Windows-1252 with CR LF.
    const std::string& retPeriod = document.CulvertList[static_cast<std::size_t>(*index)].RetPeriod;
    return writeToStandardOutput(sw::textFileBytes(sw::summaryFileLines(outcome.Rows, retPeriod)));
}

int resave(const std::string& project, const std::string& out)
{
    sw::Document document;
    if (!loadProject(document, project))
        return kExitRefused;
    const sw::WriteOutcome written = sw::Write2File(document, out);
    return finish(written.written(), written.Message);
}

// --calc ID PROJECT: the calculation sheet of a culvert, to standard output. A culvert that cannot
// be computed gets the sheet as far as it goes, and the exit status of a refusal.
int printCalculation(const std::string& id, const std::string& project)
{
    sw::Document document;
    if (!loadProject(document, project))
        return kExitRefused;
    const std::optional<int> index = findCulvert(document, id);
    if (!index)
        return kExitRefused;
    const sw::CulvertRun run = sw::CalCulvert(document, *index);
    std::string text;
    for (const std::string& line : sw::calculationSheet(document.CulvertList[static_cast<std::size_t>(*index)],
                                                        run.Computation))
        text += line + "\n";
    const int written = writeToStandardOutput(text);
    return written == kExitDone && !run.computed() ? kExitRefused : written;
}

// --csv PROJECT OUT.csv: every culvert's results, a row each; one that cannot be computed keeps
// its row with the reason.
int writeCsv(const std::string& project, const std::string& out, bool progress)
{
    if (overProject(project, out))
        return kExitRefused;
    sw::Document document;
    if (!loadProject(document, project))
        return kExitRefused;
    LineProgress lines(progress, sw::fillMessage(sw::msg::kProgressCsv, {out}));
    const sw::FileWriteResult written = sw::writeResultsCsv(document, out, &lines);
    return finish(written.written(), written.Message);
}

// --pdf [--culvert ID] PROJECT OUT.pdf: the printed report into a PDF file, no printer needed.
int printPdf(const std::optional<std::string>& id, const std::string& project, const std::string& out, bool progress)
{
    if (overProject(project, out))
        return kExitRefused;
    sw::Document document;
    std::vector<int> culverts;
    if (id) {
        const std::optional<int> index = loadAndCompute(document, project, *id);
        if (!index)
            return kExitRefused;
        culverts.push_back(*index);
    } else {
        if (!loadProject(document, project) || !computeAll(document, progress))
            return kExitRefused;
        const std::size_t count = sw::usedCulvertCount(document.CulvertList);
        for (std::size_t i = 0; i < count; ++i)
            culverts.push_back(static_cast<int>(i));
    }
#ifdef STORMWICK_PDF
    std::string failure;
    LineProgress lines(progress, sw::fillMessage(sw::msg::kProgressPdf, {out}));
    return finish(sw::writePdfReport(document, culverts, out, failure, &lines), failure);
#else
    (void)out;
    printMessage(sw::msg::kBatchNoPdf);
    return kExitRefused;
#endif
}

// --compare OLD NEW [OUT.csv]: the two projects culvert by culvert, as a text table to standard
// output or as a CSV file. Each project file refused is named; nothing is compared then. An output
// over either project is refused before anything is read.
int compareProjects(const std::string& oldPath, const std::string& newPath, const std::optional<std::string>& out)
{
    if (out) {
        for (const std::string* project : {&oldPath, &newPath}) {
            if (const std::string refusal = sw::outputOverProject(*out, *project); !refusal.empty()) {
                printMessage(refusal);
                return kExitRefused;
            }
        }
    }
    sw::Document oldProject;
    sw::Document newProject;
    bool refused = false;
    for (const auto& [project, path] : {std::pair{&oldProject, &oldPath}, std::pair{&newProject, &newPath}}) {
        if (!loadProject(*project, *path)) {
            printMessage(sw::fillMessage(sw::msg::kBatchCompareRefused, {*path}));
            refused = true;
        }
    }
    if (refused)
        return kExitRefused;
    const std::vector<sw::ComparisonRow> rows = sw::compareProjects(oldProject, newProject);
    if (out) {
        const sw::FileWriteResult written = sw::writeComparisonCsv(rows, *out);
        return finish(written.written(), written.Message);
    }
    std::string text;
    for (const std::string& line : sw::comparisonTextLines(rows, oldPath, newPath))
        text += line + "\n";
    return writeToStandardOutput(text);
}

int run(std::vector<std::string> args)
{
    // --progress goes before the rest, and only with the commands that go through every culvert.
    const bool progress = !args.empty() && args[0] == "--progress";
    if (progress) {
        args.erase(args.begin());
        if (!args.empty() && args[0] != "--pdf" && args[0] != "--csv" && args[0].size() > 1 && args[0][0] == '-')
            return usageError(sw::msg::kBatchProgressNotHere);
    }
    if (!args.empty() && args[0] == "--help") {
        if (args.size() != 1)
            return usageError(sw::msg::kBatchWrongArguments);
        return writeToStandardOutput(sw::msg::kBatchUsage);
    }
    if (!args.empty() && args[0] == "--version") {
        if (args.size() != 1)
            return usageError(sw::msg::kBatchWrongArguments);
        return writeToStandardOutput("stormwick-report " STORMWICK_VERSION "\n");
    }
    if (args.empty())
        return usageError(sw::msg::kBatchWrongArguments);

    const std::string& first = args[0];
    if (first == "--culvert") {
        if (args.size() != 4)
            return usageError(sw::msg::kBatchWrongArguments);
        return reportCulvert(args[1], args[2], args[3]);
    }
    if (first == "--summary") {
        if (args.size() != 3)
            return usageError(sw::msg::kBatchWrongArguments);
        return printSummary(args[1], args[2]);
    }
    if (first == "--resave") {
        if (args.size() != 3)
            return usageError(sw::msg::kBatchWrongArguments);
        return resave(args[1], args[2]);
    }
    if (first == "--calc") {
        if (args.size() != 3)
            return usageError(sw::msg::kBatchWrongArguments);
        return printCalculation(args[1], args[2]);
    }
    if (first == "--csv") {
        if (args.size() != 3)
            return usageError(sw::msg::kBatchWrongArguments);
        return writeCsv(args[1], args[2], progress);
    }
    if (first == "--compare") {
        if (args.size() != 3 && args.size() != 4)
            return usageError(sw::msg::kBatchWrongArguments);
        return compareProjects(args[1], args[2], args.size() == 4 ? std::optional(args[3]) : std::nullopt);
    }
    if (first == "--pdf") {
        if (args.size() == 5 && args[1] == "--culvert")
            return printPdf(args[2], args[3], args[4], progress);
        if (args.size() != 3)
            return usageError(sw::msg::kBatchWrongArguments);
        return printPdf(std::nullopt, args[1], args[2], progress);
    }
    if (first.size() > 1 && first[0] == '-')
        return usageError(sw::fillMessage(sw::msg::kBatchUnknownOption, {first}));
    if (args.size() != 2)
        return usageError(sw::msg::kBatchWrongArguments);
    return reportAll(args[0], args[1], progress);
}

}  // namespace

int main(int argc, char* argv[])
{
    try {
        return run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::bad_alloc&) {
        printMessage(sw::msg::kBatchNoMemory);
        return kExitRefused;
    } catch (const std::exception& e) {
        // Nothing the program does should get here; say so rather than end without a word.
        printMessage(sw::fillMessage(sw::msg::kProgramError, {e.what(), "stormwick-report"}));
        return kExitRefused;
    }
}
