#pragma once
// The "Drainage Area Info" page: the sub-areas of the current culvert as rows of lstAreaInfo,
// kept in step with the culvert's Areas, and the count, total area and weighted C labels.
// Every add or remove re-parses all rows into Areas and recomputes the totals.

#include <QObject>

#include "engine/arearows.h"
#include "engine/runoff.h"

namespace Ui {
class FrmMain;
}

namespace sw {

class ControlEvents;
class FrmMain;

class DrainageEditor final : public QObject {
    Q_OBJECT

public:
    explicit DrainageEditor(FrmMain& window);
    ~DrainageEditor() override;

    // The caption of lblCulvertID changed: fills the page from the current culvert.
    void loadCurrentCulvert();

    // Shows the rows and totals a return-period change rebuilt (its message already shown).
    void showCUpdate(const CUpdate& update);

    // optManualC clicked: the design-manual entry controls shown, the user-defined ones hidden.
    void applyDesignManualMode();
    // optUserC clicked.
    void applyUserDefinedMode();

    // The command buttons.
    void addSubArea();
    void removeSubArea();
    void removeAllSubAreas();

    [[nodiscard]] int rowCount() const;

private:
    void showTotals(const std::optional<TotalsLabels>& totals);
    void showCSource(CSource source);
    void surfacePicked();
    void surfaceTyped();
    void showSurfaceC();
    void storeRowsIntoCulvert();
    void clearAllRows();
    void rowClicked();

    FrmMain& m_window;
    Ui::FrmMain& m_ui;
    ControlEvents* m_events;
};

}  // namespace sw
