#pragma once
// The "Intensity Info" page: the intensity inputs of the current culvert (return period, zone,
// elevations, length of travel, correction factor), stored into its record as they change, and
// the list of results the Intensity button computes.

#include <array>
#include <string>

#include <QObject>
#include <QString>

#include "engine/tc.h"
#include "model/appstate.h"

namespace Ui {
class FrmMain;
}

class QComboBox;
class QKeyEvent;
class QLineEdit;

namespace sw {

class ControlEvents;
class DrainageEditor;
class FrmMain;

class IntensityEditor final : public QObject {
    Q_OBJECT

public:
    IntensityEditor(FrmMain& window, DrainageEditor& drainage);
    ~IntensityEditor() override;

    // Fills the page from the culvert's record and lists its results; stores nothing back.
    void LoadIntensityInputs(int culvert);
    // Stores the page into the culvert's record, computes slope and time of concentration and
    // lists lines 1 to 7. Says whether the time could be computed, and why not.
    TcOutcome StoreIntensityInputs(int culvert);
    // The intensity of the culvert: its line added to the list; the reason it has none is shown
    // when `reportProblems` (a choice that already told the user passes false).
    void showIntensity(int culvert, bool reportProblems = true);

    // The Intensity button.
    void computeIntensity();

    // Sets the text of a box of this page and runs its change handling, as typing would.
    void setReturnPeriodText(const QString& text);
    void setZoneText(const QString& text);

    // The factor comes from the list: as if optManual had been clicked.
    void selectFactorFromList();

    // The page's states around the current culvert.
    void setCulvertSelectedState(bool enableDelete);
    void setNoCulvertState();

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
    };

    void listInputLines(const CulvertRecord& culvert, const TcOutcome& tc);
    void reconcileCValues();
    void updateCValues(std::int16_t years);
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
    void typedFactorChanged();
    void corFactorCaptionChanged(const QString& caption);
    void setComboText(QComboBox* box, const QString& text, void (IntensityEditor::*handler)());
    [[nodiscard]] bool culvertSelected() const;

    FrmMain& m_window;
    Ui::FrmMain& m_ui;
    AppState& m_state;
    DrainageEditor& m_drainage;
    ControlEvents* m_events;
    std::array<ValueBox, 3> m_values;
};

}  // namespace sw
