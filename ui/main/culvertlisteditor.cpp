#include "ui/main/culvertlisteditor.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "core/encoding.h"
#include "core/messages.h"
#include "core/text.h"
#include "platform/backcolour.h"
#include "platform/desktop.h"
#include "session/culvertlistmodel.h"
#include "session/projectsession.h"
#include "ui/main/comboboxtext.h"
#include "ui/main/controlevents.h"
#include "ui/main/drainagepage.h"
#include "ui/main/intensitypage.h"

namespace sw {

CulvertListEditor::CulvertListEditor(ProjectSession& session, Desktop& desktop, IntensityPage& intensity,
                                     DrainagePage& drainage, std::function<void(QWidget*)> focus)
    : m_session(session),
      m_desktop(desktop),
      m_intensity(intensity),
      m_drainage(drainage),
      m_focus(std::move(focus)),
      m_events(new ControlEvents(this))
{
    // Both boxes list the session's culverts; neither shows another entry than the one its text
    // names when culverts come or go.
    for (QComboBox* box : {m_drainage.culvertBox(), m_intensity.culvertBox()}) {
        box->setModel(&m_session.culvertListModel());
        box->setCurrentIndex(-1);
        keepTextThroughModelChanges(box);
    }

    QComboBox* culvertNo2 = m_intensity.culvertBox();
    if (culvertNo2->lineEdit())
        connect(culvertNo2->lineEdit(), &QLineEdit::textEdited, this, &CulvertListEditor::culvertNo2Typed);
    connect(culvertNo2, &QComboBox::activated, this, &CulvertListEditor::culvertNo2Picked);
    m_events->onKeyPress(culvertNo2, [this, culvertNo2](QKeyEvent& key) {
        if (ControlEvents::isEnter(key)) {
            createCulvert(false);
            return true;
        }
        if (key.key() == Qt::Key_Tab) {
            // Tab creates as Enter does; refused, it keeps the focus in the box.
            const int before = culvertNo2->count();
            const bool existed = CulvertExists(culvertNo2->currentText());
            createCulvert(false);
            return existed && culvertNo2->count() == before;
        }
        return false;
    });
    m_events->onFocusOut(culvertNo2, [this] { createCulvert(true); });

    QComboBox* culvertNo1 = m_drainage.culvertBox();
    if (culvertNo1->lineEdit())
        connect(culvertNo1->lineEdit(), &QLineEdit::textEdited, this, &CulvertListEditor::culvertNo1Changed);
    connect(culvertNo1, &QComboBox::activated, this, &CulvertListEditor::culvertNo1Picked);
    connect(m_intensity.deleteCulvertButton(), &QPushButton::clicked, this, &CulvertListEditor::deleteCulvert);

    connect(m_drainage.descriptionBox(), &QLineEdit::textChanged, this, &CulvertListEditor::descriptionChanged);
}

CulvertListEditor::~CulvertListEditor()
{
    m_events->unwatchAll();
}

void CulvertListEditor::setSelectorBoxFollower(std::function<void(const QString&)> follower)
{
    m_selectorFollower = std::move(follower);
}

int CulvertListEditor::FindCulvertIndex(const QString& id) const
{
    return m_session.findCulvert(id.toStdString());
}

bool CulvertListEditor::CulvertExists(const QString& id) const
{
    return FindCulvertIndex(id) != kUnknownCulvert;
}

int CulvertListEditor::culvertCount() const
{
    return m_session.culvertCount();
}

void CulvertListEditor::setCulvertNo1Text(const QString& text)
{
    if (replaceComboText(m_drainage.culvertBox(), text))
        culvertNo1Changed();
}

void CulvertListEditor::setCulvertNo2Text(const QString& text)
{
    if (replaceComboText(m_intensity.culvertBox(), text))
        culvertNo2Typed();
}

void CulvertListEditor::chooseFirstCulvert()
{
    if (m_session.culvertCount() == 0)
        return;
    const QString first = QString::fromStdString(m_session.culvert(0)->CulvertNo);
    setCulvertNo1Text(first);
    setCulvertNo2Text(first);
}

// --- choosing -------------------------------------------------------------------------------
// Choosing a culvert shows it: what the editors write back as they fill is no change of the user's.

void CulvertListEditor::culvertNo2Typed()
{
    const ProjectSession::ShowingScope showing(m_session);
    const QString id = m_intensity.culvertBox()->currentText();
    if (!id.isEmpty())
        m_session.setCurCulvert(FindCulvertIndex(id));
    if (m_session.CurCulvert() < 0)
        return;  // the editors keep what they show, but refuse to act
    const int culvert = m_session.CurCulvert();
    m_drainage.setCulvertIdCaption(id);
    setCulvertNo1Text(id);
    if (m_session.culvert(culvert)->RFZone.empty()) {
        m_intensity.clearValues();
    } else {
        // The load tells the user once if the stored inputs cannot be computed.
        m_intensity.LoadIntensityInputs(culvert);
        const TcOutcome tc = m_intensity.StoreIntensityInputs(culvert);
        if (tc.Computed)
            m_intensity.showIntensity(culvert, false);
    }
    m_intensity.setCulvertSelectedState(false);
}

void CulvertListEditor::culvertNo2Picked()
{
    const ProjectSession::ShowingScope showing(m_session);
    const QString id = m_intensity.culvertBox()->currentText();
    if (!id.isEmpty())
        m_session.setCurCulvert(FindCulvertIndex(id));
    if (m_session.CurCulvert() < 0)
        return;
    const int culvert = m_session.CurCulvert();
    setCulvertNo1Text(id);
    m_drainage.setCulvertIdCaption(id);
    // A culvert never given a sub-area counts none.
    m_session.editCulvert(culvert, CulvertEdit::Description, {}, [](CulvertRecord& c) {
        if (c.NumOfAreas.empty())
            c.NumOfAreas = "0";
    });
    if (m_session.culvert(culvert)->RFZone.empty()) {
        m_intensity.clearValues();
        m_intensity.clearResults();
    } else {
        m_intensity.LoadIntensityInputs(culvert);
    }
    setCulvertNo1Text(id);
    m_intensity.setCulvertSelectedState(true);
}

void CulvertListEditor::culvertNo1Changed()
{
    const QString id = m_drainage.culvertBox()->currentText();
    setCulvertNo2Text(id);
    if (m_selectorFollower)
        m_selectorFollower(id);
}

void CulvertListEditor::culvertNo1Picked()
{
    setCulvertNo2Text(m_drainage.culvertBox()->currentText());
}

void CulvertListEditor::showAfterHistory(int culvert)
{
    const CulvertRecord* record = m_session.culvert(culvert);
    if (record == nullptr) {
        m_session.setCurCulvert(kNoCulvert);
        setNoCulvertState();
        return;
    }
    // The culvert shown afresh, as choosing it by its ID shows it, also when it is the current one.
    replaceComboText(m_intensity.culvertBox(), QString::fromStdString(record->CulvertNo));
    culvertNo2Typed();
    m_intensity.setCulvertSelectedState(true);
}

// --- creating -------------------------------------------------------------------------------

void CulvertListEditor::createCulvert(bool leavePath)
{
    QComboBox* culvertNo2 = m_intensity.culvertBox();
    const QString id = culvertNo2->currentText();
    if (id.isEmpty())
        return;
    if (leavePath) {
        m_session.setCurCulvert(FindCulvertIndex(id));
        if (m_session.CurCulvert() != kUnknownCulvert)
            return;
    } else if (CulvertExists(id)) {
        m_desktop.messages().showMessage(std::string(msg::kCulvertIdExists));
        m_focus(culvertNo2);
        return;
    }

    // The culvert and what its fresh editors write into it: one change.
    m_session.beginCommand(QStringLiteral("Add Culvert %1").arg(id));
    m_session.addCulvert(id.toStdString());
    // A culvert is work worth saving: Open must offer to save it first.
    m_session.IsPristine = false;
    // Both paths name the new culvert at once: the label must never show the ID of another.
    m_drainage.setCulvertIdCaption(id);
    setCulvertNo1Text(id);
    m_session.setCurCulvert(FindCulvertIndex(id));

    ResetCulvertEditors();
    m_intensity.setCulvertSelectedState(true);
    setBackColour(m_drainage.descriptionBox(), BackColour::TitleBarText);
    m_session.endCommand();
    m_intensity.returnPeriodBox()->setFocus(Qt::OtherFocusReason);
}

void CulvertListEditor::ResetCulvertEditors()
{
    m_intensity.startNewCulvert();
    m_drainage.clearCulvertEntries();
    m_intensity.setCorFactorCaption(QString());
    m_drainage.clearSubAreas();
    m_intensity.selectFactorFromList();
}

// --- station / description ------------------------------------------------------------------

void CulvertListEditor::descriptionChanged()
{
    const CulvertRecord* culvert = m_session.currentCulvert();
    if (culvert == nullptr || !m_session.EditorsLive)
        return;
    QLineEdit* box = m_drainage.descriptionBox();
    box->setEnabled(true);
    const std::string typed = box->text().toStdString();
    // A change of letter case alone is not stored.
    if (upperCase(typed) != upperCase(culvert->Description))
        m_session.editCulvert(m_session.CurCulvert(), CulvertEdit::Description,
                              QStringLiteral("Edit Station/Description"),
                              [&typed](CulvertRecord& c) { c.Description = typed; });
}

// --- renaming -------------------------------------------------------------------------------

void CulvertListEditor::renameCulvert()
{
    MessageBoxes& messages = m_desktop.messages();
    const CulvertRecord* culvert = m_session.currentCulvert();
    if (culvert == nullptr) {
        messages.showMessage(std::string(msg::kRenameNoCulvert));
        return;
    }
    const std::string before = culvert->CulvertNo;
    const std::optional<std::string> typed =
        messages.askText(fillMessage(msg::kRenameAsk, {before}), before);
    if (!typed || *typed == before)
        return;
    if (trimSpaces(*typed).empty()) {
        messages.showMessage(std::string(msg::kRenameEmpty));
        return;
    }
    // What the project file cannot hold is refused here as in every box.
    QStringList notHeld;
    for (const char32_t cp : QString::fromStdString(*typed).toUcs4())
        if (!projectFileHolds(cp))
            notHeld << QLatin1Char('"') + QString::fromStdString(printableText(QString::fromUcs4(&cp, 1).toStdString())) +
                           QLatin1Char('"');
    if (!notHeld.isEmpty()) {
        messages.showMessage(fillMessage(msg::kCharactersNotHeld, {notHeld.join(QStringLiteral(", ")).toStdString()}));
        return;
    }
    if (CulvertExists(QString::fromStdString(*typed))) {
        messages.showMessage(std::string(msg::kCulvertIdExists));
        return;
    }
    const int slot = m_session.CurCulvert();
    m_session.renameCulvert(slot, *typed);
    showAfterHistory(slot);
}

// --- deleting -------------------------------------------------------------------------------

void CulvertListEditor::deleteCulvert()
{
    MessageBoxes& messages = m_desktop.messages();
    if (m_session.CurCulvert() < 0) {
        messages.showMessage(std::string(msg::kNothingToDelete));
        return;
    }
    if (messages.askYesNo(std::string(msg::kDeleteCulvert)) == YesNo::No)
        return;
    // The culverts after it move up one slot, each with everything it holds.
    m_session.deleteCulvert(m_session.CurCulvert());
    m_session.setCurCulvert(kNoCulvert);
    m_drainage.setCulvertIdCaption(QString());
    setNoCulvertState();
}

void CulvertListEditor::setNoCulvertState()
{
    const ProjectSession::ShowingScope showing(m_session);
    if (culvertCount() == 0) {
        ResetAfterDelete();
    } else {
        // No culvert is current: the boxes no longer show the deleted ID.
        setCulvertNo1Text(QString());
        setCulvertNo2Text(QString());
    }
    // The page in its no-culvert state.
    m_intensity.setNoCulvertState();
    QLineEdit* description = m_drainage.descriptionBox();
    description->setEnabled(false);
    setBackColour(description, BackColour::ButtonFace);
    m_drainage.clearSubAreas();
}

void CulvertListEditor::ResetAfterDelete()
{
    setCulvertNo2Text(QString());
    m_intensity.resetReturnPeriodAndZone();
    m_intensity.clearValueBoxes();
    m_drainage.clearCulvertEntries();
    m_intensity.setCorFactorCaption(QString());
    m_drainage.setCulvertIdCaption(QString());
    m_intensity.clearResults();
    m_drainage.clearRows();
}

}  // namespace sw
