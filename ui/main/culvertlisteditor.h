#pragma once
// The culvert list: the two culvert boxes (cboCulvertNo1 on the drainage page, cboCulvertNo2 on
// the intensity page), which show the session's culvert list through one shared model, choosing
// the current culvert, creating culverts by typing a new ID, renaming and deleting them, and the
// station/description box. It spans both pages, and works their controls through the pages'
// accessors.

#include <functional>

#include <QObject>
#include <QString>

namespace sw {

class ControlEvents;
class Desktop;
class DrainagePage;
class IntensityPage;
class ProjectSession;

class CulvertListEditor final : public QObject {
    Q_OBJECT

public:
    // `focus` puts the focus into a control as a refusal does, its tab shown first.
    CulvertListEditor(ProjectSession& session, Desktop& desktop, IntensityPage& intensity, DrainagePage& drainage,
                      std::function<void(QWidget*)> focus);
    ~CulvertListEditor() override;

    // Setting a box's text runs its change handling, as typing would.
    void setCulvertNo1Text(const QString& text);
    void setCulvertNo2Text(const QString& text);

    // Position of the first culvert with that ID; -1 when there is none.
    [[nodiscard]] int FindCulvertIndex(const QString& id) const;
    [[nodiscard]] bool CulvertExists(const QString& id) const;
    // The entries of the boxes.
    [[nodiscard]] int culvertCount() const;

    // The first culvert of a project just opened, chosen as the reader always chose it.
    void chooseFirstCulvert();
    // The culvert an undo or redo concerned made the current one and shown afresh; kNoCulvert:
    // none is current any more.
    void showAfterHistory(int culvert);

    // Delete, with its question.
    void deleteCulvert();
    // Edit > Rename Culvert: a new ID for the current culvert, asked for.
    void renameCulvert();

    // Receives the text of cboCulvertNo1 whenever it changes (the culvert selector's box follows
    // it while the selector is loaded).
    void setSelectorBoxFollower(std::function<void(const QString&)> follower);

private:
    void culvertNo2Typed();
    void culvertNo2Picked();
    void culvertNo1Changed();
    void culvertNo1Picked();
    void createCulvert(bool leavePath);
    void ResetCulvertEditors();
    void ResetAfterDelete();
    void setNoCulvertState();
    void descriptionChanged();

    ProjectSession& m_session;
    Desktop& m_desktop;
    IntensityPage& m_intensity;
    DrainagePage& m_drainage;
    std::function<void(QWidget*)> m_focus;
    ControlEvents* m_events;
    std::function<void(const QString&)> m_selectorFollower;
};

}  // namespace sw
