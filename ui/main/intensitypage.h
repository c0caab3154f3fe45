#pragma once
// The "Intensity Info" page: the intensity inputs of the current culvert (return period, zone,
// elevations, length of travel, correction factor), stored into its record as they change, and
// the list of results the Intensity button computes.
//
// The culvert box and the Delete button belong to the culvert list, which works them through
// culvertBox() and deleteCulvertButton(). What the return period means for the sub-areas is the
// drainage page's business: the page only reports the return period's changes.

#include <array>
#include <functional>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <QString>
#include <QWidget>

#include "engine/tc.h"
#include "platform/desktop.h"
#include "session/projectsession.h"

namespace Ui {
class IntensityPage;
}

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QPushButton;

namespace sw {

class ControlEvents;

class IntensityPage final : public QWidget {
    Q_OBJECT

public:
    explicit IntensityPage(QWidget* parent = nullptr);
    ~IntensityPage() override;

    // Starts the page's handling on the project.
    void bind(ProjectSession& session, Desktop& desktop);
    // Stops it, before the window takes its controls down: they send focus events as they go.
    void unbind();

    // Fills the page from the culvert's record and lists its results; stores nothing back.
    void LoadIntensityInputs(int culvert);
    // Stores the page into the culvert's record, computes slope and time of concentration and
    // lists lines 1 to 7. Says whether the time could be computed, and why not.
    TcOutcome StoreIntensityInputs(int culvert);
    // The intensity of the culvert: its line added to the list; the reason it has none is shown
    // when `reportProblems` (a choice that already told the user passes false). Refused while no
    // culvert is selected.
    void showIntensity(int culvert, bool reportProblems = true);

    // The Intensity button.
    void computeIntensity();

    // Sets the text of a box of this page and runs its change handling, as typing would.
    void setReturnPeriodText(const QString& text);
    void setZoneText(const QString& text);
    // Back to the first return period and zone of the lists, with their change handling.
    void resetReturnPeriodAndZone();

    // The zone the map gave: shown in lblRFZone and put into cboRFzone as if picked from its list.
    // False, with nothing changed, while the page takes no zone (no current culvert, or the box
    // disabled).
    bool takeMapZone(const QString& zone);
    // A return period from the frequency table: set as if typed, then the box counts as left, so
    // that the sub-areas take its C values at once as after typing. False, with nothing changed,
    // while the page takes no return period.
    bool takeTableReturnPeriod(const QString& period);

    // lblCorFactor, whose caption is the current culvert's correction factor.
    void setCorFactorCaption(const QString& caption);

    // The factor comes from the list: as if optManual had been clicked.
    void selectFactorFromList();

    // The page's states around the current culvert.
    void setCulvertSelectedState(bool enableDelete);
    void setNoCulvertState();
    // A new culvert: the value boxes open and empty, the typed factor empty.
    void startNewCulvert();
    // A culvert whose intensity inputs were never given shows empty value boxes and factor.
    void clearValues();
    // The elevation and length boxes emptied, the factor left.
    void clearValueBoxes();
    void clearResults();

    // The start-up lists: the return periods; then the zones, the length units and the factors,
    // the first zone and unit shown. The start-up return period is shown without change handling.
    void fillReturnPeriodList(const std::vector<std::string>& periods);
    void showStartReturnPeriod(const QString& period);
    void fillStartLists(const std::vector<std::string>& zones, const std::vector<std::string>& lengthUnits,
                        const std::vector<std::string>& factors);

    // The culvert list's controls on this page.
    [[nodiscard]] QComboBox* culvertBox() const;
    [[nodiscard]] QPushButton* deleteCulvertButton() const;
    // Position of the first entry of the culvert box equal to the ID; kUnknownCulvert when none.
    [[nodiscard]] int culvertIndexOf(const QString& id) const;

    [[nodiscard]] QWidget* returnPeriodBox() const;
    [[nodiscard]] QString returnPeriodText() const;
    void focusFirstBox(Qt::FocusReason reason);

protected:
    bool focusNextPrevChild(bool next) override;

signals:
    // A refusal named a box of this page: the window shows the page and puts the focus there.
    void focusRequested(QWidget* control);
    // The current culvert's return period was typed (picked false) or picked from the list.
    void returnPeriodGiven(bool picked);
    // A pick changed the current culvert's return period to a whole number of years.
    void returnPeriodChanged(std::int16_t years);
    // The user left the return period box.
    void returnPeriodLeft();
    // cmdRFMap and cmdFqyTable.
    void zoneMapRequested();
    void frequencyTableRequested();

private:
    // A value box with its unit box and the three fields they fill.
    struct ValueBox {
        QLineEdit* edit;
        QComboBox* unit;
        double CulvertRecord::*value;
        std::string CulvertRecord::*unitField;
        double CulvertRecord::*feet;
        QWidget* nextOnEnter;
        QWidget* nextAfterUnit;
        bool unitWritesWhileLoading;
        CulvertEdit key;
    };
    // A change of the current culvert's inputs through the session.
    void edit(CulvertEdit key, const std::function<void(CulvertRecord&)>& change);
    void storeValue(const ValueBox& box, double value, bool withValue);

    void listInputLines(const CulvertRecord& culvert, const TcOutcome& tc);
    void returnPeriodTyped();
    void returnPeriodPicked();
    void zoneTyped();
    void zonePicked();
    void valueChanged(const ValueBox& box);
    bool valueKey(const ValueBox& box, const QKeyEvent& key);
    void unitTextChanged(const ValueBox& box);
    void unitPicked(const ValueBox& box);
    void factorPicked();
    void factorFromListClicked();
    void typedFactorClicked();
    void showFactorEntry(const CulvertRecord& culvert);
    void typedFactorChanged();
    void corFactorCaptionChanged(const QString& caption);
    void setComboText(QComboBox* box, const QString& text, void (IntensityPage::*handler)());
    [[nodiscard]] bool culvertSelected() const;

    std::unique_ptr<Ui::IntensityPage> m_ui;
    ProjectSession* m_session = nullptr;
    Desktop* m_desktop = nullptr;
    ControlEvents* m_events;
    std::array<ValueBox, 3> m_values{};
    // The culvert whose zone lblRFZone shows; another culvert current empties the label.
    int m_mapZoneCulvert = kNoCulvert;
    // How a picked zone is recorded: from the list, or from the map (a change of its own).
    CulvertEdit m_zoneKey = CulvertEdit::Zone;
    CulvertEdit m_periodKey = CulvertEdit::ReturnPeriod;
};

}  // namespace sw
