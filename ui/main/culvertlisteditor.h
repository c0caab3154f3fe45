#pragma once
// The culvert list: the two culvert boxes (cboCulvertNo1 on the drainage page, cboCulvertNo2 on
// the intensity page) that always hold the same IDs in the order of the project's culvert slots,
// choosing the current culvert, creating culverts by typing a new ID, deleting them, and the
// station/description box. It spans both pages, and works their controls through the pages'
// accessors.

#include <functional>

#include <QObject>
#include <QString>

namespace sw {

class ControlEvents;
class DrainagePage;
class FrmMain;
class IntensityPage;
struct AppState;

class CulvertListEditor final : public QObject {
    Q_OBJECT

public:
    CulvertListEditor(FrmMain& window, IntensityPage& intensity, DrainagePage& drainage);
    ~CulvertListEditor() override;

    // Setting a box's text runs its change handling, as typing would.
    void setCulvertNo1Text(const QString& text);
    void setCulvertNo2Text(const QString& text);

    // The project reader's way of filling the boxes: both emptied, then one ID after the other.
    void clearCulvertBoxes();
    void addCulvertEntry(const QString& id);

    // Position of the first entry of cboCulvertNo2 equal to the ID; -1 when there is none.
    [[nodiscard]] int FindCulvertIndex(const QString& id) const;
    [[nodiscard]] bool CulvertExists(const QString& id) const;
    // The entries of the boxes, whether or not they have records yet.
    [[nodiscard]] int culvertCount() const;

    // Delete, with its question.
    void deleteCulvert();

    // Receives the text of cboCulvertNo1 whenever it changes (the culvert selector's box follows
    // it while the selector is loaded).
    void setSelectorBoxFollower(std::function<void(const QString&)> follower);

signals:
    // A culvert was added to the list or deleted from it.
    void culvertsChanged();

private:
    void culvertNo2Typed();
    void culvertNo2Picked();
    void culvertNo1Changed();
    void culvertNo1Picked();
    void createCulvert(bool leavePath);
    void ResetCulvertEditors();
    void ResetAfterDelete();
    void descriptionChanged();

    FrmMain& m_window;
    AppState& m_state;
    IntensityPage& m_intensity;
    DrainagePage& m_drainage;
    ControlEvents* m_events;
    std::function<void(const QString&)> m_selectorFollower;
};

}  // namespace sw
