#include "ui/main/culvertlisteditor.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "core/messages.h"
#include "core/text.h"
#include "platform/backcolour.h"
#include "model/appstate.h"
#include "ui/main/comboboxtext.h"
#include "ui/main/controlevents.h"
#include "ui/main/frmmain.h"
#include "ui/main/intensityeditor.h"
#include "ui_frmmain.h"

namespace sw {

CulvertListEditor::CulvertListEditor(FrmMain& window, IntensityEditor& intensity)
    : m_window(window),
      m_ui(window.controls()),
      m_state(window.state()),
      m_intensity(intensity),
      m_events(new ControlEvents(this))
{
    if (m_ui.cboCulvertNo2->lineEdit())
        connect(m_ui.cboCulvertNo2->lineEdit(), &QLineEdit::textEdited, this, &CulvertListEditor::culvertNo2Typed);
    connect(m_ui.cboCulvertNo2, &QComboBox::activated, this, &CulvertListEditor::culvertNo2Picked);
    m_events->onKeyPress(m_ui.cboCulvertNo2, [this](QKeyEvent& key) {
        if (ControlEvents::isEnter(key)) {
            createCulvert(false);
            return true;
        }
        if (key.key() == Qt::Key_Tab) {
            // Tab creates as Enter does; refused, it keeps the focus in the box.
            const int before = m_ui.cboCulvertNo2->count();
            const bool existed = CulvertExists(m_ui.cboCulvertNo2->currentText());
            createCulvert(false);
            return existed && m_ui.cboCulvertNo2->count() == before;
        }
        return false;
    });
    m_events->onFocusOut(m_ui.cboCulvertNo2, [this] { createCulvert(true); });

    if (m_ui.cboCulvertNo1->lineEdit())
        connect(m_ui.cboCulvertNo1->lineEdit(), &QLineEdit::textEdited, this, &CulvertListEditor::culvertNo1Changed);
    connect(m_ui.cboCulvertNo1, &QComboBox::activated, this, &CulvertListEditor::culvertNo1Picked);
    connect(m_ui.cmdDelCulvertNo2, &QPushButton::clicked, this, &CulvertListEditor::deleteCulvert);

    connect(m_ui.txtCulvertDescrpt, &QLineEdit::textChanged, this, &CulvertListEditor::descriptionChanged);
    m_events->onKeyPress(m_ui.txtCulvertDescrpt, [this](QKeyEvent& key) {
        if (!ControlEvents::isEnter(key))
            return false;
        m_ui.cboSurface->setFocus(Qt::OtherFocusReason);
        return true;
    });
    m_events->onFocusIn(m_ui.txtCulvertDescrpt, [this] { setBackColour(m_ui.txtCulvertDescrpt, BackColour::Entry); });
    m_events->onFocusOut(m_ui.txtCulvertDescrpt, [this] { setBackColour(m_ui.txtCulvertDescrpt, BackColour::White); });
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
    const QComboBox* box = m_ui.cboCulvertNo2;
    for (int i = 0; i < box->count(); ++i)
        if (box->itemText(i) == id)
            return i;
    return kUnknownCulvert;
}

bool CulvertListEditor::CulvertExists(const QString& id) const
{
    return FindCulvertIndex(id) != kUnknownCulvert;
}

void CulvertListEditor::setCulvertNo1Text(const QString& text)
{
    if (replaceComboText(m_ui.cboCulvertNo1, text))
        culvertNo1Changed();
}

void CulvertListEditor::setCulvertNo2Text(const QString& text)
{
    if (replaceComboText(m_ui.cboCulvertNo2, text))
        culvertNo2Typed();
}

void CulvertListEditor::clearCulvertBoxes()
{
    for (QComboBox* box : {m_ui.cboCulvertNo1, m_ui.cboCulvertNo2}) {
        while (box->count() > 0)
            removeComboEntry(box, box->count() - 1);
    }
}

void CulvertListEditor::addCulvertEntry(const QString& id)
{
    appendComboEntry(m_ui.cboCulvertNo1, id);
    appendComboEntry(m_ui.cboCulvertNo2, id);
}

// --- choosing -------------------------------------------------------------------------------

void CulvertListEditor::culvertNo2Typed()
{
    const QString id = m_ui.cboCulvertNo2->currentText();
    if (!id.isEmpty())
        m_state.CurCulvert = static_cast<std::int16_t>(FindCulvertIndex(id));
    if (m_state.CurCulvert < 0)
        return;  // the editors keep what they show, but refuse to act
    const int culvert = m_state.CurCulvert;
    m_window.setCulvertIdCaption(id);
    setCulvertNo1Text(id);
    if (culvertAt(m_state, culvert)->RFZone.empty()) {
        clearIntensityValues();
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
    const QString id = m_ui.cboCulvertNo2->currentText();
    if (!id.isEmpty())
        m_state.CurCulvert = static_cast<std::int16_t>(FindCulvertIndex(id));
    if (m_state.CurCulvert < 0)
        return;
    const int culvert = m_state.CurCulvert;
    setCulvertNo1Text(id);
    m_window.setCulvertIdCaption(id);
    if (static_cast<std::size_t>(culvert) >= m_state.CulvertList.size())
        m_state.CulvertList.resize(static_cast<std::size_t>(culvert) + 1);
    CulvertRecord& record = m_state.CulvertList[static_cast<std::size_t>(culvert)];
    record.CulvertNo = id.toStdString();
    if (record.NumOfAreas.empty())
        record.NumOfAreas = "0";
    if (record.RFZone.empty()) {
        clearIntensityValues();
        m_ui.lstIntensity->clear();
    } else {
        m_intensity.LoadIntensityInputs(culvert);
    }
    setCulvertNo1Text(id);
    m_intensity.setCulvertSelectedState(true);
}

void CulvertListEditor::culvertNo1Changed()
{
    const QString id = m_ui.cboCulvertNo1->currentText();
    setCulvertNo2Text(id);
    if (m_selectorFollower)
        m_selectorFollower(id);
}

void CulvertListEditor::culvertNo1Picked()
{
    setCulvertNo2Text(m_ui.cboCulvertNo1->currentText());
}

// A culvert whose intensity inputs were never given shows empty value boxes.
void CulvertListEditor::clearIntensityValues()
{
    for (QLineEdit* box : {m_ui.txtLenTravel, m_ui.txtEleCulvert, m_ui.txtEleRemote, m_ui.txtCorFactor})
        box->clear();
}

// --- creating -------------------------------------------------------------------------------

void CulvertListEditor::createCulvert(bool leavePath)
{
    const QString id = m_ui.cboCulvertNo2->currentText();
    if (id.isEmpty())
        return;
    if (leavePath) {
        m_state.CurCulvert = static_cast<std::int16_t>(FindCulvertIndex(id));
        if (m_state.CurCulvert != kUnknownCulvert)
            return;
    } else if (CulvertExists(id)) {
        m_window.desktop().messages().showMessage(std::string(msg::kCulvertIdExists));
        m_window.focusControl(m_ui.cboCulvertNo2);
        return;
    }

    addCulvertEntry(id);
    // A culvert is work worth saving: Open must offer to save it first.
    m_state.IsPristine = false;
    // Both paths name the new culvert at once: the label must never show the ID of another.
    m_window.setCulvertIdCaption(id);
    setCulvertNo1Text(id);
    m_state.CurCulvert = static_cast<std::int16_t>(FindCulvertIndex(id));

    const int count = m_ui.cboCulvertNo2->count();
    m_state.CulvertList.resize(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        m_state.CulvertList[static_cast<std::size_t>(i)].CulvertNo = m_ui.cboCulvertNo2->itemText(i).toStdString();

    ResetCulvertEditors();
    m_intensity.setCulvertSelectedState(true);
    m_ui.cboTCFactorList->setEnabled(true);
    setBackColour(m_ui.txtCulvertDescrpt, BackColour::TitleBarText);
    m_ui.cboretPeriod->setFocus(Qt::OtherFocusReason);
}

void CulvertListEditor::ResetCulvertEditors()
{
    for (QLineEdit* box : {m_ui.txtEleRemote, m_ui.txtEleCulvert, m_ui.txtLenTravel}) {
        box->setEnabled(true);
        setBackColour(box, BackColour::TitleBarText);
    }
    for (QLineEdit* box : {m_ui.txtEleRemote, m_ui.txtEleCulvert, m_ui.txtLenTravel, m_ui.txtCorFactor,
                           m_ui.txtCulvertDescrpt, m_ui.txtArea, m_ui.txtDesCrption})
        box->clear();
    m_window.setCorFactorCaption(QString());
    m_ui.lstAreaInfo->clear();
    m_ui.lblLot->clear();
    m_ui.lblTA->clear();
    m_ui.lblWC->clear();
    m_intensity.selectFactorFromList();
}

// --- station / description ------------------------------------------------------------------

void CulvertListEditor::descriptionChanged()
{
    CulvertRecord* culvert = currentCulvert(m_state);
    if (culvert == nullptr || !m_state.EditorsLive)
        return;
    m_ui.txtCulvertDescrpt->setEnabled(true);
    const std::string typed = m_ui.txtCulvertDescrpt->text().toStdString();
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
    removeComboEntry(m_ui.cboCulvertNo1, culvert);
    removeComboEntry(m_ui.cboCulvertNo2, culvert);
    m_window.setCulvertIdCaption(QString());

    if (m_ui.cboCulvertNo2->count() == 0) {
        m_state.CulvertList.clear();
        m_state.CurCulvert = kNoCulvert;
        ResetAfterDelete();
    } else {
        // The culverts after it move up one slot, each with everything it holds.
        if (static_cast<std::size_t>(culvert) < m_state.CulvertList.size())
            m_state.CulvertList.erase(m_state.CulvertList.begin() + culvert);
        m_state.CulvertList.resize(static_cast<std::size_t>(m_ui.cboCulvertNo2->count()));
        m_state.CurCulvert = kNoCulvert;
        // No culvert is current: the boxes no longer show the deleted ID.
        setCulvertNo1Text(QString());
        setCulvertNo2Text(QString());
    }

    // The page in its no-culvert state.
    m_intensity.setNoCulvertState();
    m_ui.txtCulvertDescrpt->setEnabled(false);
    setBackColour(m_ui.txtCulvertDescrpt, BackColour::ButtonFace);
    m_ui.lstAreaInfo->clear();
    m_ui.lblLot->clear();
    m_ui.lblTA->clear();
    m_ui.lblWC->clear();
}

void CulvertListEditor::ResetAfterDelete()
{
    setCulvertNo2Text(m_ui.cboCulvertNo2->itemText(0));
    m_intensity.setReturnPeriodText(m_ui.cboretPeriod->itemText(0));
    m_intensity.setZoneText(m_ui.cboRFzone->itemText(0));
    for (QLineEdit* box : {m_ui.txtEleRemote, m_ui.txtEleCulvert, m_ui.txtLenTravel, m_ui.txtCulvertDescrpt,
                           m_ui.txtArea, m_ui.txtDesCrption})
        box->clear();
    m_window.setCorFactorCaption(QString());
    m_window.setCulvertIdCaption(QString());
    m_ui.lstIntensity->clear();
    m_ui.lstAreaInfo->clear();
}

}  // namespace sw
