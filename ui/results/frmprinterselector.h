#pragma once
// frmPrinterSelector: where the culvert report goes (a printer, a report text file or a PDF file)
// and for which culverts (the current one or all). Opened, not modal, by the board's "&Print";
// closed by Cancel and by an OK that went through, and left open with the user's choices when
// something stops the output. A file is never the open project's own, and an existing one is
// replaced only after the user said Yes to it, however its path was given.

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QWidget>

#include "model/windowstate.h"
#include "session/projectsession.h"
#include "platform/desktop.h"
#include "platform/windowregistry.h"

namespace Ui {
class FrmPrinterSelector;
}

class QLineEdit;

namespace sw {

class ResultsHost;

class FrmPrinterSelector final : public QWidget {
    Q_OBJECT

public:
    FrmPrinterSelector(ProjectSession& session, WindowState& windowState, Desktop& desktop);
    ~FrmPrinterSelector() override;

    // OK: the report of the chosen range by the chosen route; false, with the window left open,
    // when it stopped (its message shown).
    bool sendReport();

private:
    void load();
    void routeChosen();
    void browse(QLineEdit& location, FileDialogMode mode);

    [[nodiscard]] std::optional<std::vector<int>> chosenCulverts();
    [[nodiscard]] std::optional<std::string> location(const QLineEdit& box);
    [[nodiscard]] bool notTheProject(const std::string& path);
    [[nodiscard]] bool replaceAgreed(const QLineEdit& box, const std::string& path);
    [[nodiscard]] bool sufficient(int culvert, std::unique_ptr<Progress>& progress);
    [[nodiscard]] bool computeAll(const std::vector<int>& culverts, const std::string& path);
    void say(std::unique_ptr<Progress>& progress, const std::string& text);
    [[nodiscard]] std::string culvertId(int culvert) const;

    bool toPrinter(const std::vector<int>& culverts);
    bool toFile(const std::vector<int>& culverts);
    bool toPdf(const std::vector<int>& culverts);

    ProjectSession& m_session;
    WindowState& m_windowState;
    Desktop& m_desktop;
    // The path each location box holds that the user already agreed to replace.
    std::map<const QLineEdit*, std::string> m_agreed;
    std::unique_ptr<Ui::FrmPrinterSelector> m_ui;
    WindowRegistration m_registration;
};

}  // namespace sw
