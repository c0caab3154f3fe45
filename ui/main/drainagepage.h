#pragma once
// The "Drainage Area Info" page: the sub-areas of the current culvert as rows of lstAreaInfo,
// kept in step with the culvert's Areas, and the count, total area and weighted C labels.
// Every add or remove re-parses all rows into Areas and recomputes the totals. A change of the
// culvert's return period re-derives the C of its table surfaces here.
//
// The culvert box and the station/description box belong to the culvert list, which works them
// through culvertBox() and descriptionBox().

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QString>
#include <QWidget>

#include "engine/arearows.h"
#include "engine/runoff.h"
#include "platform/desktop.h"
#include "session/projectsession.h"

namespace Ui {
class DrainagePage;
}

class QAction;
class QComboBox;
class QLineEdit;

namespace sw {

class ControlEvents;

class DrainagePage final : public QWidget {
    Q_OBJECT

public:
    explicit DrainagePage(QWidget* parent = nullptr);
    ~DrainagePage() override;

    // Starts the page's handling on the project. A sub-area's C is that of the return period the
    // intensity page shows, which `shownReturnPeriod` reads.
    void bind(ProjectSession& session, Desktop& desktop, std::function<QString()> shownReturnPeriod);
    // Stops it, before the window takes its controls down: they send focus events as they go.
    void unbind();

    // lblCulvertID, whose caption names the current culvert: setting it fills the page from that
    // culvert.
    void setCulvertIdCaption(const QString& caption);

    // The current culvert got a return period, typed (picked false) or picked from the list: its
    // station box opens, and on a pick the surface list too.
    void returnPeriodGiven(bool picked);
    // A new return period of the current culvert: its table surfaces take their C for it.
    void updateCValues(std::int16_t years);
    // The user left the return period box: a typed period is stored as it is typed, but the C
    // values follow it only now, so that no table surface keeps the C of another return period
    // than the one the culvert is designed for.
    void reconcileCValues();

    // optManualC clicked: the design-manual entry controls shown, the user-defined ones hidden.
    void applyDesignManualMode();
    // optUserC clicked.
    void applyUserDefinedMode();

    // The command buttons.
    void addSubArea();
    void removeSubArea();
    void removeAllSubAreas();
    // Ctrl+V in lstAreaInfo, or "Paste Sub-areas" on its context menu: the clipboard's rows, each
    // checked as Add checks it and built as Add builds it, added in one step; one message lists
    // the rows refused.
    void pasteSubAreas();
    // A project read from a file: its rows can be added to and removed.
    void enableRowButtons();

    [[nodiscard]] int rowCount() const;

    // The rows only; and the rows with their count and totals.
    void clearRows();
    void clearSubAreas();
    // The station/description, area and sub-area description boxes.
    void clearCulvertEntries();

    // The start-up lists: the surfaces (the surface box enabled for them), then the area units;
    // then the first area unit shown and the totals of no sub-area.
    void fillSurfaceList(const std::vector<std::string>& surfaces);
    void fillAreaUnitList(const std::vector<std::string>& units);
    void showStartValues(const QString& areaUnit);

    // The culvert list's controls on this page.
    [[nodiscard]] QComboBox* culvertBox() const;
    [[nodiscard]] QLineEdit* descriptionBox() const;

    void focusFirstBox(Qt::FocusReason reason);

    // CalAC for the culvert, its totals shown.
    void refreshTotals(int culvert);

protected:
    bool focusNextPrevChild(bool next) override;

signals:
    // A refusal named a box of this page: the window shows the page and puts the focus there.
    void focusRequested(QWidget* control);
    // A refusal named the return period, on the intensity page.
    void returnPeriodFocusRequested();
    // The culvert whose sub-areas the page now shows has this return period.
    void returnPeriodLoaded(const QString& period);

private:
    void loadCurrentCulvert();
    void showTotals(const std::optional<TotalsLabels>& totals);
    void showCSource(CSource source);
    void surfacePicked();
    void surfaceTyped();
    void showSurfaceC();
    void showCurrentRows();
    // Rows added at the end, as Add and a paste add them: stored into the culvert in one pass.
    void appendRows(const std::vector<std::string>& rows);
    void clearAllRows();
    void rowClicked();

    std::unique_ptr<Ui::DrainagePage> m_ui;
    ProjectSession* m_session = nullptr;
    Desktop* m_desktop = nullptr;
    std::function<QString()> m_shownReturnPeriod;
    ControlEvents* m_events;
    QAction* m_pasteAction = nullptr;
};

}  // namespace sw
