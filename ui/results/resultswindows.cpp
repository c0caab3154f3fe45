#include "ui/results/resultswindows.h"

#include <QFileInfo>
#include <QPushButton>

#include "core/messages.h"
#include "core/numbers.h"
#include "core/samefile.h"
#include "core/text.h"
#include "engine/calcsheet.h"
#include "engine/discharge.h"
#include "engine/compute.h"
#include "engine/summary.h"
#include "report/csvfile.h"
#include "report/summaryfile.h"
#include "ui/results/frmculvertselector.h"
#include "ui/results/frmdisplayboard.h"
#include "ui/results/frmsummary.h"
#include "ui/results/resultshost.h"

namespace sw {
namespace {

int areaCount(const CulvertRecord& culvert)
{
    return static_cast<int>(std::min<std::int64_t>(declaredAreaCount(culvert), INT16_MAX));
}

void closeNow(QWidget* window)
{
    if (window == nullptr)
        return;
    window->close();
    delete window;
}

}  // namespace

ResultsWindows::ResultsWindows(ProjectSession& session, WindowState& windowState, Desktop& desktop, ResultsHost& host,
                               QObject* parent)
    : QObject(parent), m_session(session), m_windowState(windowState), m_desktop(desktop), m_host(host)
{
}

ResultsWindows::~ResultsWindows()
{
    projectChanged();
}

void ResultsWindows::run()
{
    m_host.focusProjectName();
    if (m_host.culvertIds().isEmpty()) {
        m_desktop.messages().showMessage(std::string(msg::kRunNoCulvert));
        return;
    }
    if (!m_selector)
        m_selector = new FrmCulvertSelector(m_session, m_windowState, m_desktop, m_host,
                                            [this](int culvert, bool single) { resultsReady(culvert, single); });
    m_selector->show();
    m_selector->raise();
    m_selector->activateWindow();
}

void ResultsWindows::projectChanged()
{
    closeNow(m_printerSelector);
    closeNow(m_allCulverts);
    closeNow(m_calculation);
    closeNow(m_summary);
    closeNow(m_board);
    closeNow(m_selector);
}

void ResultsWindows::resultsReady(int culvert, bool single)
{
    m_run = m_session.document();
    m_windowState.LastRunSingle = single;
    m_windowState.BoardCulvert = static_cast<std::int16_t>(culvert);
    closeNow(m_board);  // a new run opens a board of its own
    showBoardCulvert();
    if (!m_allCulverts)
        return;
    // An open table follows the run; left as it was, it would show the culverts of an earlier one.
    if (std::optional<std::vector<AllCulvertsRow>> rows = allCulvertsOfRun()) {
        m_allCulverts->setRows(std::move(*rows));
        return;
    }
    closeNow(m_allCulverts);
    m_desktop.messages().showMessage(std::string(msg::kAllCulvertsCancelledClosed));
}

// The All Culverts table's rows of the run, computed with the progress shown; nothing after Cancel.
std::optional<std::vector<AllCulvertsRow>> ResultsWindows::allCulvertsOfRun()
{
    const std::unique_ptr<Progress> progress = m_desktop.progress(std::string(msg::kProgressAllCulverts));
    return allCulvertsRows(m_run, progress.get());
}

QString ResultsWindows::title() const
{
    return m_windowState.ProjectFileName.empty() ? m_host.caption() : QString::fromStdString(m_windowState.ProjectFileName);
}

void ResultsWindows::ShowCulvertResult(int culvert, int areas)
{
    const CulvertRecord* record = culvertAt(m_run, culvert);
    if (record == nullptr)
        return;
    // A step fills the board that is open, afresh; a run, or a board closed meanwhile, opens one.
    // No steps after a run of one culvert.
    const bool steps = !m_windowState.LastRunSingle;
    if (m_board) {
        m_board->showCulvert(m_run.ProjectInfo, *record, areas, title(), steps);
    } else {
        m_board = new FrmDisplayBoard(m_desktop, m_run.ProjectInfo, *record, areas, title(), steps);
        connect(m_board, &FrmDisplayBoard::nextClicked, this, &ResultsWindows::stepNext);
        connect(m_board, &FrmDisplayBoard::previousClicked, this, &ResultsWindows::stepPrevious);
        connect(m_board, &FrmDisplayBoard::summaryRequested, this, &ResultsWindows::ShowSummary);
        connect(m_board, &FrmDisplayBoard::printRequested, this, &ResultsWindows::showPrinterSelector);
        connect(m_board, &FrmDisplayBoard::calculationRequested, this, &ResultsWindows::showCalculation);
        connect(m_board, &FrmDisplayBoard::exportCsvRequested, this, &ResultsWindows::exportCsv);
        connect(m_board, &FrmDisplayBoard::allCulvertsRequested, this, &ResultsWindows::showAllCulverts);
    }
    // On top, as a board opened anew would be (a culvert chosen in All Culverts comes from behind).
    m_board->show();
    m_board->raise();
    m_board->activateWindow();
}

void ResultsWindows::showBoardCulvert()
{
    const CulvertRecord* record = culvertAt(m_run, m_windowState.BoardCulvert);
    if (record != nullptr)
        ShowCulvertResult(m_windowState.BoardCulvert, areaCount(*record));
}

// The main window's current culvert follows the board, found by its ID in the culvert list.
void ResultsWindows::followBoardCulvert()
{
    const CulvertRecord* record = culvertAt(m_run, m_windowState.BoardCulvert);
    if (record == nullptr)
        return;
    const int entry = m_host.culvertIds().indexOf(QString::fromStdString(record->CulvertNo));
    if (entry >= 0) {
        m_session.setCurCulvert(static_cast<std::int16_t>(entry));
        m_host.showCulvert(entry);
    }
}

void ResultsWindows::stepNext()
{
    const int last = static_cast<int>(usedCulvertCount(m_run.CulvertList)) - 1;
    // One past the last culvert is as far as it goes: nothing is shown there, and "<<" comes back.
    if (m_windowState.BoardCulvert > last)
        return;
    ++m_windowState.BoardCulvert;
    followBoardCulvert();
    if (m_windowState.BoardCulvert > last)
        return;
    showBoardCulvert();
    if (m_windowState.BoardCulvert == last && m_board)
        m_board->nextButton()->setEnabled(false);
}

void ResultsWindows::stepPrevious()
{
    if (m_windowState.BoardCulvert <= 0) {
        // Nothing before the first culvert: the board stays where it is.
        m_desktop.messages().showMessage(std::string(msg::kBoardAtStart));
        return;
    }
    --m_windowState.BoardCulvert;
    followBoardCulvert();
    if (m_windowState.BoardCulvert == 0) {
        m_session.setCurCulvert(0);
        m_host.showCulvert(0);
    }
    showBoardCulvert();
    if (m_windowState.BoardCulvert == 0 && m_board)
        m_board->previousButton()->setEnabled(false);
}

void ResultsWindows::ShowSummary()
{
    // The summary is of the culvert the board shows, as the run computed it.
    const int culvert = m_windowState.BoardCulvert;
    const SummaryOutcome outcome = prepareSummary(m_run, culvert);
    if (!outcome.available()) {
        m_desktop.messages().showMessage(outcome.Message);
        return;
    }
    closeNow(m_summary);  // its file goes with it
    const std::string& retPeriod = culvertAt(m_run, culvert)->RetPeriod;
    const FileWriteResult written = WriteSummary(m_windowState.SummaryFilePath, outcome.Rows, retPeriod);
    if (!written.written()) {
        m_desktop.messages().showMessage(written.Message);
        return;
    }
    m_summary = new FrmSummary(m_desktop, m_windowState.SummaryFilePath, title(), outcome.Rows, numericValue(retPeriod));
    m_summary->show();
}

void ResultsWindows::showPrinterSelector()
{
    if (!m_printerSelector)
        m_printerSelector = new FrmPrinterSelector(m_session, m_windowState, m_desktop);
    m_printerSelector->show();
    m_printerSelector->raise();
    m_printerSelector->activateWindow();
}

void ResultsWindows::showCalculation()
{
    const CulvertRecord* record = culvertAt(m_run, m_windowState.BoardCulvert);
    if (record == nullptr)
        return;
    closeNow(m_calculation);
    m_calculation = new FrmCalculation(m_desktop, calculationSheet(*record, computeCulvert(*record)));
    m_calculation->show();
}

void ResultsWindows::showAllCulverts()
{
    if (!m_allCulverts) {
        std::optional<std::vector<AllCulvertsRow>> rows = allCulvertsOfRun();
        if (!rows) {
            m_desktop.messages().showMessage(std::string(msg::kAllCulvertsCancelled));
            return;
        }
        m_allCulverts = new FrmAllCulverts(m_desktop, std::move(*rows));
        connect(m_allCulverts, &FrmAllCulverts::culvertChosen, this, &ResultsWindows::showChosenCulvert);
        connect(m_allCulverts, &FrmAllCulverts::exportCsvRequested, this, &ResultsWindows::exportCsv);
    }
    m_allCulverts->show();
    m_allCulverts->raise();
    m_allCulverts->activateWindow();
}

// A culvert chosen in the All Culverts table, on the board. After a run of one culvert the others
// hold whatever their records held then: the culvert is computed as the table computed it, so
// that the board never shows numbers of other inputs; one that cannot be computed is refused as
// the run would refuse it.
void ResultsWindows::showChosenCulvert(int culvert)
{
    if (culvertAt(m_run, culvert) == nullptr)
        return;
    Document copy = m_run;
    const CulvertRun run = CalCulvert(copy, culvert);
    if (!run.computed()) {
        m_desktop.messages().showMessage(notComputedMessage(copy.CulvertList[static_cast<std::size_t>(culvert)], run));
        return;
    }
    m_run.CulvertList[static_cast<std::size_t>(culvert)] = copy.CulvertList[static_cast<std::size_t>(culvert)];
    m_windowState.BoardCulvert = static_cast<std::int16_t>(culvert);
    followBoardCulvert();
    showBoardCulvert();
}

// The open project's own file is refused before the overwrite question, which would mean nothing
// for it.
void ResultsWindows::exportCsv()
{
    const std::string path = m_desktop.fileDialogs().showFileDialog(FileDialogMode::SaveCsv);
    if (path.empty())
        return;
    if (const std::string refusal = outputOverProject(path, m_session.filePath()); !refusal.empty()) {
        m_desktop.messages().showMessage(refusal);
        return;
    }
    if (QFileInfo::exists(QString::fromStdString(path)) &&
        m_desktop.messages().askYesNo(std::string(msg::kOverwriteOnSave)) != YesNo::Yes)
        return;
    FileWriteResult written;
    {
        const std::unique_ptr<Progress> progress = m_desktop.progress(fillMessage(msg::kProgressCsv, {path}));
        written = writeResultsCsv(m_run, path, progress.get());
    }
    if (written.cancelled())
        m_desktop.messages().showMessage(fillMessage(msg::kCancelledNothingWritten, {path}));
    else if (!written.written())
        m_desktop.messages().showMessage(written.Message);
}

}  // namespace sw
