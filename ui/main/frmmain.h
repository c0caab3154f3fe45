#pragma once
// frmMain: the main window with its three tabs, menu bar, the Run and Close buttons and the timer
// that enables the Run menu. Its load (the constructor) runs the start-up initialisation; File,
// New destroys the window and creates a new one through createMainWindow, which loads again.
//
// Each tab is a page of its own form and behaviour (ProjectPage, IntensityPage, DrainagePage);
// the window composes them: it binds them to the project, carries what one page asks of another,
// and keeps the culvert list that spans the intensity and drainage pages.

#include <memory>

#include <QMainWindow>
#include <QPointer>

#include "model/appstate.h"
#include "platform/desktop.h"
#include "platform/windowregistry.h"
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

class FrmMain final : public QMainWindow, public ResultsHost {
    Q_OBJECT

public:
    FrmMain(AppState& state, Desktop& desktop, QWidget* parent = nullptr);
    ~FrmMain() override;

    [[nodiscard]] AppState& state() { return m_state; }
    [[nodiscard]] Desktop& desktop() { return m_desktop; }
    [[nodiscard]] ProjectPage& projectPage() { return *m_project; }
    [[nodiscard]] IntensityPage& intensityPage() { return *m_intensity; }
    [[nodiscard]] DrainagePage& drainagePage() { return *m_drainage; }
    [[nodiscard]] CulvertListEditor& culvertList() { return *m_culvertList; }
    [[nodiscard]] FileCommands& fileCommands() { return *m_fileCommands; }
    // Run and the windows it opens.
    [[nodiscard]] ResultsWindows& results() { return *m_results; }

    // What the results windows ask of this window.
    [[nodiscard]] QStringList culvertIds() const override;
    [[nodiscard]] QString culvertText() const override;
    [[nodiscard]] QString caption() const override;
    void focusProjectName() override;
    void showCulvert(int culvert) override;
    void refreshCulvertDisplays(int culvert) override;

    // Puts the focus into a control the way a refusal does, showing the control's tab first when
    // another one is up: what the user types next must land in the box the message named.
    void focusControl(QWidget* control);

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
    // New and Exit: both go with the window whose page they fill.
    void closeZoneMapAndTable();

signals:
    // The Run menu or the Run button.
    void runRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void load();
    void centreOnScreen();
    void onTabChanged(int index);
    void onRunMenuTimer();

    AppState& m_state;
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
};

// Creates frmMain, which loads, and shows it. The window deletes itself once closed.
FrmMain* createMainWindow(AppState& state, Desktop& desktop);

}  // namespace sw
