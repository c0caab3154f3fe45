#include "ui/main/culvertlisteditor.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "core/messages.h"
#include "core/text.h"
#include "platform/backcolour.h"
#include "model/appstate.h"
#include "ui/main/comboboxtext.h"
#include "ui/main/controlevents.h"
#include "ui/main/drainagepage.h"
#include "ui/main/frmmain.h"
#include "ui/main/intensitypage.h"

namespace sw {

CulvertListEditor::CulvertListEditor(FrmMain& window, IntensityPage& intensity, DrainagePage& drainage)
    : m_window(window),
      m_state(window.state()),
      m_intensity(intensity),
      m_drainage(drainage),
      m_events(new ControlEvents(this))
{
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
    return m_intensity.culvertIndexOf(id);
}

bool CulvertListEditor::CulvertExists(const QString& id) const
{
    return FindCulvertIndex(id) != kUnknownCulvert;
}

int CulvertListEditor::culvertCount() const
{
    return m_intensity.culvertBox()->count();
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

void CulvertListEditor::clearCulvertBoxes()
{
    for (QComboBox* box : {m_drainage.culvertBox(), m_intensity.culvertBox()}) {
        while (box->count() > 0)
            removeComboEntry(box, box->count() - 1);
    }
}

void CulvertListEditor::addCulvertEntry(const QString& id)
{
    appendComboEntry(m_drainage.culvertBox(), id);
    appendComboEntry(m_intensity.culvertBox(), id);
}

// --- choosing -------------------------------------------------------------------------------

void CulvertListEditor::culvertNo2Typed()
{
    const QString id = m_intensity.culvertBox()->currentText();
    if (!id.isEmpty())
        m_state.CurCulvert = static_cast<std::int16_t>(FindCulvertIndex(id));
    if (m_state.CurCulvert < 0)
        return;  // the editors keep what they show, but refuse to act
    const int culvert = m_state.CurCulvert;
    m_drainage.setCulvertIdCaption(id);
    setCulvertNo1Text(id);
    if (culvertAt(m_state, culvert)->RFZone.empty()) {
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
    const QString id = m_intensity.culvertBox()->currentText();
    if (!id.isEmpty())
        m_state.CurCulvert = static_cast<std::int16_t>(FindCulvertIndex(id));
    if (m_state.CurCulvert < 0)
        return;
    const int culvert = m_state.CurCulvert;
    setCulvertNo1Text(id);
    m_drainage.setCulvertIdCaption(id);
    if (static_cast<std::size_t>(culvert) >= m_state.CulvertList.size())
        m_state.CulvertList.resize(static_cast<std::size_t>(culvert) + 1);
    CulvertRecord& record = m_state.CulvertList[static_cast<std::size_t>(culvert)];
    record.CulvertNo = id.toStdString();
    if (record.NumOfAreas.empty())
        record.NumOfAreas = "0";
    if (record.RFZone.empty()) {
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

// --- creating -------------------------------------------------------------------------------

void CulvertListEditor::createCulvert(bool leavePath)
{
    QComboBox* culvertNo2 = m_intensity.culvertBox();
    const QString id = culvertNo2->currentText();
    if (id.isEmpty())
        return;
    if (leavePath) {
        m_state.CurCulvert = static_cast<std::int16_t>(FindCulvertIndex(id));
        if (m_state.CurCulvert != kUnknownCulvert)
            return;
    } else if (CulvertExists(id)) {
        m_window.desktop().messages().showMessage(std::string(msg::kCulvertIdExists));
        m_window.focusControl(culvertNo2);
        return;
    }

    addCulvertEntry(id);
    // A culvert is work worth saving: Open must offer to save it first.
    m_state.IsPristine = false;
    // Both paths name the new culvert at once: the label must never show the ID of another.
    m_drainage.setCulvertIdCaption(id);
    setCulvertNo1Text(id);
    m_state.CurCulvert = static_cast<std::int16_t>(FindCulvertIndex(id));

    const int count = culvertNo2->count();
    m_state.CulvertList.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        m_state.CulvertList[static_cast<std::size_t>(i)].CulvertNo = culvertNo2->itemText(i).toStdString();

    ResetCulvertEditors();
    m_intensity.setCulvertSelectedState(true);
    setBackColour(m_drainage.descriptionBox(), BackColour::TitleBarText);
    m_intensity.returnPeriodBox()->setFocus(Qt::OtherFocusReason);
    emit culvertsChanged();
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
    CulvertRecord* culvert = currentCulvert(m_state);
    if (culvert == nullptr || !m_state.EditorsLive)
        return;
    QLineEdit* box = m_drainage.descriptionBox();
    box->setEnabled(true);
    const std::string typed = box->text().toStdString();
    // A change of letter case alone is not stored.
    if (upperCase(typed) != upperCase(culvert->Description))
        culvert->Description = typed;
}

// --- deleting -------------------------------------------------------------------------------

void CulvertListEditor::deleteCulvert()
{
    MessageBoxes& messages = m_window.desktop().messages();
    if (m_state.CurCulvert < 0) {
        messages.showMessage(std::string(msg::kNothingToDelete));
        return;
    }
    if (messages.askYesNo(std::string(msg::kDeleteCulvert)) == YesNo::No)
        return;
    const int culvert = m_state.CurCulvert;
    removeComboEntry(m_drainage.culvertBox(), culvert);
    removeComboEntry(m_intensity.culvertBox(), culvert);
    m_drainage.setCulvertIdCaption(QString());

    if (culvertCount() == 0) {
        m_state.CulvertList.clear();
        m_state.CurCulvert = kNoCulvert;
        ResetAfterDelete();
    } else {
        // The culverts after it move up one slot, each with everything it holds.
        if (static_cast<std::size_t>(culvert) < m_state.CulvertList.size())
            m_state.CulvertList.erase(m_state.CulvertList.begin() + culvert);
        m_state.CulvertList.resize(static_cast<std::size_t>(culvertCount()));
        m_state.CurCulvert = kNoCulvert;
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
    emit culvertsChanged();
}

void CulvertListEditor::ResetAfterDelete()
{
    setCulvertNo2Text(m_intensity.culvertBox()->itemText(0));
    m_intensity.resetReturnPeriodAndZone();
    m_intensity.clearValueBoxes();
    m_drainage.clearCulvertEntries();
    m_intensity.setCorFactorCaption(QString());
    m_drainage.setCulvertIdCaption(QString());
    m_intensity.clearResults();
    m_drainage.clearRows();
}

}  // namespace sw
