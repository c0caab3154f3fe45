#pragma once
// frmMain: the main window with its three tabs, menu bar, the Run and Close buttons and the timer
// that enables the Run menu. Its load (the constructor) runs the start-up initialisation; File,
// New destroys the window and creates a new one through createMainWindow, which loads again.
//
// Each tab is a page of its own form and behaviour (ProjectPage, IntensityPage, DrainagePage);
// the window composes them: it binds them to the session, carries what one page asks of another,
// keeps the culvert list that spans the intensity and drainage pages, and shows what an undo or a
// replaced project changed. The Edit menu holds the session's one history.

#include <memory>

#include <QMainWindow>
#include <QPointer>

#include "model/windowstate.h"
#include "platform/desktop.h"
#include "platform/windowregistry.h"
#include "session/projectsession.h"
#include "ui/main/filecommandshost.h"
#include "ui/results/resultshost.h"

class QTimer;

namespace Ui {
class FrmMain;
}

namespace sw {

class CulvertListEditor;
class DrainagePage;
class FileCommands;
class FrmAbout;
class FrmRFzone;
class FrmRPTable;
class IntensityPage;
class ProjectPage;
class ResultsWindows;

class FrmMain final : public QMainWindow, public ResultsHost, public FileCommandsHost {
    Q_OBJECT

public:
    FrmMain(ProjectSession& session, WindowState& windowState, Desktop& desktop, QWidget* parent = nullptr);
    ~FrmMain() override;

    [[nodiscard]] ProjectSession& session() override { return m_session; }
    [[nodiscard]] WindowState& windowState() override { return m_windowState; }
    [[nodiscard]] Desktop& desktop() override { return m_desktop; }
    [[nodiscard]] ProjectPage& projectPage() { return *m_project; }
    [[nodiscard]] IntensityPage& intensityPage() { return *m_intensity; }
    [[nodiscard]] DrainagePage& drainagePage() { return *m_drainage; }
    [[nodiscard]] CulvertListEditor& culvertList() { return *m_culvertList; }
    [[nodiscard]] FileCommands& fileCommands() override { return *m_fileCommands; }
    // Run and the windows it opens.
    [[nodiscard]] ResultsWindows& results() { return *m_results; }

    // What the results windows ask of this window.
    [[nodiscard]] QStringList culvertIds() const override;
    [[nodiscard]] QString culvertText() const override;
    [[nodiscard]] QString caption() const override;
    void focusProjectName() override;
    void showCulvert(int culvert) override;
    void refreshCulvertDisplays(int culvert) override;

    // What the File commands ask of it.
    [[nodiscard]] QLineEdit* projectBox(ProjectPage::Field field) const override;
    // Puts the focus into a control the way a refusal does, showing the control's tab first when
    // another one is up: what the user types next must land in the box the message named.
    void focusControl(QWidget* control) override;
    void closeRunWindows() override;
    void closeZoneMapAndTable() override;
    void enableRowButtons() override;
    FileCommandsHost* renewWindow() override;

    // File, Exit; also the Close button and the close box. True when the application ends.
    bool runExit();

    // Shows the About box without blocking this window (the one already open, if any).
    void showAbout();
    [[nodiscard]] FrmAbout* aboutBox() const;

    // cmdRFMap and cmdFqyTable: the zone map and the frequency table, without blocking this
    // window (the one already open brought to the front).
    void showZoneMap();
    void showFrequencyTable();
    [[nodiscard]] FrmRFzone* zoneMap() const;
    [[nodiscard]] FrmRPTable* frequencyTable() const;

signals:
    // The Run menu or the Run button.
    void runRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Undo and Redo keys in a text box, and its context menu's Undo and Redo, go to the project's
    // history: the boxes' own histories are not used.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void load();
    void centreOnScreen();
    void onTabChanged(int index);
    void onRunMenuTimer();
    void setUpEditMenu();
    void followHistory();
    void showDocument();
    void showAfterHistory(int culvert);
    void showCaption();
    void detachFromSession();
    // File > Open Recent: the recent projects, then Clear List.
    void fillRecentMenu();

    ProjectSession& m_session;
    WindowState& m_windowState;
    Desktop& m_desktop;
    std::unique_ptr<Ui::FrmMain> m_ui;
    WindowRegistration m_registration;
    QTimer* m_timer1 = nullptr;
    // The pages are the tab widget's; the window only points at them.
    ProjectPage* m_project = nullptr;
    IntensityPage* m_intensity = nullptr;
    DrainagePage* m_drainage = nullptr;
    std::unique_ptr<CulvertListEditor> m_culvertList;
    FileCommands* m_fileCommands = nullptr;
    ResultsWindows* m_results = nullptr;
    QPointer<FrmAbout> m_about;
    QPointer<FrmRFzone> m_zoneMap;
    QPointer<FrmRPTable> m_frequencyTable;
    ProjectField m_headerFieldChanged = ProjectField::ProjectName;
};

// Creates frmMain, which loads, and shows it. The window deletes itself once closed.
FrmMain* createMainWindow(ProjectSession& session, WindowState& windowState, Desktop& desktop);

}  // namespace sw
