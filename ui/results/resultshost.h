#pragma once
// What the results windows ask of the main window: its culvert list, its caption, the focus in the
// project name box, and the refresh of its displays after a run of one culvert.

#include <QString>
#include <QStringList>

namespace sw {

class ResultsHost {
public:
    virtual ~ResultsHost() = default;

    // The culvert IDs in list order, and the text of the culvert box (cboCulvertNo2).
    [[nodiscard]] virtual QStringList culvertIds() const = 0;
    [[nodiscard]] virtual QString culvertText() const = 0;
    // The caption: the board's title when no file name is known.
    [[nodiscard]] virtual QString caption() const = 0;
    virtual void focusProjectName() = 0;
    // Makes a culvert the current one as choosing it in the culvert list does, so that what the
    // main window shows and edits is the culvert the results windows speak of.
    virtual void showCulvert(int culvert) = 0;
    // After a run of one culvert: its totals, its intensity inputs and its intensity list shown
    // again (CalAC, LoadIntensityInputs, StoreIntensityInputs, CalIntensity, in this order).
    virtual void refreshCulvertDisplays(int culvert) = 0;
};

}  // namespace sw
