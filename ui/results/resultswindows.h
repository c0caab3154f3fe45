#pragma once
// Run and its windows: the culvert selector, the results board, the summary window and the printer
// selector, and what moves between them. The board shows the culverts as the run computed them, so
// that stepping never presents numbers of inputs changed since as the results.

#include <optional>
#include <vector>

#include <QObject>
#include <QPointer>

#include "model/windowstate.h"
#include "session/projectsession.h"
#include "platform/desktop.h"
#include "ui/results/allculvertsmodel.h"
#include "ui/results/frmallculverts.h"
#include "ui/results/frmcalculation.h"
#include "ui/results/frmculvertselector.h"
#include "ui/results/frmdisplayboard.h"
#include "ui/results/frmprinterselector.h"
#include "ui/results/frmsummary.h"

namespace sw {

class ResultsHost;

class ResultsWindows final : public QObject {
    Q_OBJECT

public:
    ResultsWindows(ProjectSession& session, WindowState& windowState, Desktop& desktop, ResultsHost& host,
                   QObject* parent = nullptr);
    // The windows it opened go with the main window.
    ~ResultsWindows() override;

    // Run (menu or button): the focus to the project name, then the culvert selector, loaded anew
    // unless it is still loaded from an earlier run.
    void run();
    // The project changed under the windows (a culvert added or deleted, another project opened,
    // a new one started): the board and the summary showed a project no longer there, and the
    // selector's list is out of date. They are closed.
    void projectChanged();

    // The board for a culvert of the run; the step buttons enabled (the caller disables one).
    void ShowCulvertResult(int culvert, int areas);
    // The multiple-return-period summary of the culvert on the board, in its window.
    void ShowSummary();
    // The calculation sheet of the culvert on the board, in its window.
    void showCalculation();
    // Every culvert of the run in one table, in its window (computed there when the run computed
    // one culvert); the board stays as it is. Computing it shows its progress; after Cancel the
    // window does not open (or, after another run, closes) and a message says so.
    void showAllCulverts();
    // The results of the run's culverts as a CSV file the user chooses, the progress shown; after
    // Cancel nothing is written.
    void exportCsv();
    // The board's "&Print": the printer selector, loaded anew unless it is still open.
    void showPrinterSelector();

    [[nodiscard]] FrmCulvertSelector* selector() const { return m_selector; }
    [[nodiscard]] FrmDisplayBoard* board() const { return m_board; }
    [[nodiscard]] FrmSummary* summary() const { return m_summary; }
    [[nodiscard]] FrmCalculation* calculation() const { return m_calculation; }
    [[nodiscard]] FrmPrinterSelector* printerSelector() const { return m_printerSelector; }
    [[nodiscard]] FrmAllCulverts* allCulverts() const { return m_allCulverts; }

private:
    void resultsReady(int culvert, bool single);
    void stepNext();
    void stepPrevious();
    void showBoardCulvert();
    void followBoardCulvert();
    void showChosenCulvert(int culvert);
    [[nodiscard]] std::optional<std::vector<AllCulvertsRow>> allCulvertsOfRun();
    [[nodiscard]] QString title() const;

    ProjectSession& m_session;
    WindowState& m_windowState;
    Desktop& m_desktop;
    ResultsHost& m_host;
    Document m_run;  // the project as the last run computed it
    QPointer<FrmCulvertSelector> m_selector;
    QPointer<FrmDisplayBoard> m_board;
    QPointer<FrmSummary> m_summary;
    QPointer<FrmCalculation> m_calculation;
    QPointer<FrmPrinterSelector> m_printerSelector;
    QPointer<FrmAllCulverts> m_allCulverts;
};

}  // namespace sw
