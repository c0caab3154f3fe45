#pragma once
// frmCulvertSelector, "Culvert Selector": one culvert or all of them for a run. Loaded by Run, it
// stays loaded (hidden) after a run, and loads anew only after Cancel or New.

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include <QWidget>

#include "model/windowstate.h"
#include "session/projectsession.h"
#include "platform/desktop.h"
#include "platform/windowregistry.h"

namespace Ui {
class FrmCulvertSelector;
}

namespace sw {

class ResultsHost;
struct CulvertRun;

// Why a culvert stops a run: the message naming it, and the reason the engine knows in a line of
// its own.
[[nodiscard]] std::string notComputedMessage(const CulvertRecord& culvert, const CulvertRun& run);

class FrmCulvertSelector final : public QWidget {
    Q_OBJECT

public:
    // A run that went through: the board shows culvert `culvert` (of the document as it was run).
    using ShowResults = std::function<void(int culvert, bool single)>;

    FrmCulvertSelector(ProjectSession& session, WindowState& windowState, Desktop& desktop, ResultsHost& host,
                       ShowResults showResults);
    ~FrmCulvertSelector() override;

    // The culvert list's text (the culvert list sets it when its other box changes).
    void setCulvertText(const QString& text);

    // OK: runs the chosen culvert, or all; false when the run stopped (its message shown).
    bool runChosen();

protected:
    // A window, not a dialog, so the keys a dialog gives its buttons come here: Enter presses the
    // button that has the focus, or else OK (drawn as the default); Esc is Cancel.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void load();
    void culvertChosen(int entry);
    bool runOne();
    bool runAll();
    [[nodiscard]] std::optional<std::string> notComputed(int culvert);

    ProjectSession& m_session;
    WindowState& m_windowState;
    Desktop& m_desktop;
    ResultsHost& m_host;
    ShowResults m_showResults;
    std::unique_ptr<Ui::FrmCulvertSelector> m_ui;
    WindowRegistration m_registration;
};

}  // namespace sw
