#pragma once
// frmMain: the main window with its three tabs, menu bar, the Run and Close buttons and the timer
// that enables the Run menu. Its load (the constructor) runs the start-up initialisation; File,
// New destroys the window and creates a new one through createMainWindow, which loads again.
//
// The tab editors are objects of their own that work on the window's controls (controls()); the
// labels whose caption change has a handler are set only through the setters below, which run the
// handler.

#include <memory>

#include <QMainWindow>
#include <QPointer>
#include <QString>

#include "platform/desktop.h"
#include "platform/windowregistry.h"
#include "model/appstate.h"

class QTimer;

namespace Ui {
class FrmMain;
}

namespace sw {

class CulvertListEditor;
class DrainageEditor;
class FileCommands;
class FrmAbout;
class IntensityEditor;
class ProjectFieldsEditor;

class FrmMain final : public QMainWindow {
    Q_OBJECT

public:
    FrmMain(AppState& state, Desktop& desktop, QWidget* parent = nullptr);
    ~FrmMain() override;

    [[nodiscard]] Ui::FrmMain& controls() { return *m_ui; }
    [[nodiscard]] AppState& state() { return m_state; }
    [[nodiscard]] Desktop& desktop() { return m_desktop; }
    [[nodiscard]] ProjectFieldsEditor& projectFields() { return *m_projectFields; }
    [[nodiscard]] DrainageEditor& drainage() { return *m_drainage; }
    [[nodiscard]] IntensityEditor& intensity() { return *m_intensity; }
    [[nodiscard]] CulvertListEditor& culvertList() { return *m_culvertList; }
    [[nodiscard]] FileCommands& fileCommands() { return *m_fileCommands; }

    // Caption setters of the labels whose change has a handler.
    void setTimeCaption(const QString& caption);       // lblTime: the project's time
    void setCulvertIdCaption(const QString& caption);  // lblCulvertID: culvertIdCaptionChanged
    void setCorFactorCaption(const QString& caption);  // lblCorFactor: corFactorCaptionChanged

    // Puts the focus into a control the way a refusal does, showing the control's tab first when
    // another one is up: what the user types next must land in the box the message named.
    void focusControl(QWidget* control);

    // File, Exit; also the Close button and the close box. True when the application ends.
    bool runExit();

    // Shows the About box without blocking this window (the one already open, if any).
    void showAbout();
    [[nodiscard]] FrmAbout* aboutBox() const;

signals:
    // The caption of lblCulvertID has been set: the drainage editor loads the current culvert.
    void culvertIdCaptionChanged(const QString& caption);
    // The caption of lblCorFactor has been set.
    void corFactorCaptionChanged(const QString& caption);
    // The Run menu or the Run button.
    void runRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void load();
    void centreOnScreen();
    void fitFixedPitchLists();
    void onTabChanged(int index);
    void onRunMenuTimer();

    AppState& m_state;
    Desktop& m_desktop;
    std::unique_ptr<Ui::FrmMain> m_ui;
    WindowRegistration m_registration;
    QTimer* m_timer1 = nullptr;
    std::unique_ptr<ProjectFieldsEditor> m_projectFields;
    std::unique_ptr<DrainageEditor> m_drainage;
    std::unique_ptr<IntensityEditor> m_intensity;
    std::unique_ptr<CulvertListEditor> m_culvertList;
    FileCommands* m_fileCommands = nullptr;
    QPointer<FrmAbout> m_about;
};

// Creates frmMain, which loads, and shows it. The window deletes itself once closed.
FrmMain* createMainWindow(AppState& state, Desktop& desktop);

}  // namespace sw
