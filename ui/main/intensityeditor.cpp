#include "ui/main/intensityeditor.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

#include "core/messages.h"
#include "core/numbers.h"
#include "engine/intensity.h"
#include "engine/runoff.h"
#include "engine/tables.h"
#include "platform/backcolour.h"
#include "ui/main/comboboxtext.h"
#include "ui/main/controlevents.h"
#include "ui/main/culvertlisteditor.h"
#include "ui/main/drainageeditor.h"
#include "ui/main/frmmain.h"
#include "ui_frmmain.h"

namespace sw {
namespace {

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

double valueOf(const QLineEdit* box)
{
    return numericValue(box->text().toStdString());
}

std::string textOf(const QComboBox* box)
{
    return box->currentText().toStdString();
}

void enableEditable(QWidget* box)
{
    box->setEnabled(true);
    setBackColour(box, BackColour::WindowBackground);
}

}  // namespace

IntensityEditor::IntensityEditor(FrmMain& window, DrainageEditor& drainage)
    : m_window(window),
      m_ui(window.controls()),
      m_state(window.state()),
      m_drainage(drainage),
      m_events(new ControlEvents(this)),
      m_values{{
          {m_ui.txtEleRemote, m_ui.cboRemoteUnit, &CulvertRecord::EleRemote, &CulvertRecord::EleRemoteUnit,
           &CulvertRecord::EleRemoteFt, m_ui.txtEleCulvert, m_ui.txtEleCulvert, true},
          {m_ui.txtEleCulvert, m_ui.cboCulvertUnit, &CulvertRecord::EleCulvert, &CulvertRecord::EleCulvertUnit,
           &CulvertRecord::EleCulvertFt, m_ui.txtLenTravel, m_ui.txtLenTravel, true},
          {m_ui.txtLenTravel, m_ui.cboTravelUnit, &CulvertRecord::LenTravel, &CulvertRecord::LenTravelUnit,
           &CulvertRecord::LenTravelFt, m_ui.cboTCFactorList, m_ui.txtCorFactor, false},
      }}
{
    if (m_ui.cboretPeriod->lineEdit())
        connect(m_ui.cboretPeriod->lineEdit(), &QLineEdit::textEdited, this, &IntensityEditor::returnPeriodTyped);
    connect(m_ui.cboretPeriod, &QComboBox::activated, this, &IntensityEditor::returnPeriodPicked);
    if (m_ui.cboRFzone->lineEdit())
        connect(m_ui.cboRFzone->lineEdit(), &QLineEdit::textEdited, this, &IntensityEditor::zoneTyped);
    connect(m_ui.cboRFzone, &QComboBox::activated, this, &IntensityEditor::zonePicked);

    auto enterMoves = [this](QWidget* from, QWidget* to) {
        m_events->onKeyPress(from, [to](QKeyEvent& key) {
            if (!ControlEvents::isEnter(key))
                return false;
            to->setFocus(Qt::OtherFocusReason);
            return true;
        });
    };
    enterMoves(m_ui.cboRFzone, m_ui.txtEleRemote);
    enterMoves(m_ui.cboTCFactorList, m_ui.cmdIntensity);
    enterMoves(m_ui.cmdIntensity, m_ui.cboCulvertNo2);
    // Leaving the return period: its sub-areas take the C of the period now shown.
    m_events->onKeyPress(m_ui.cboretPeriod, [this](QKeyEvent& key) {
        if (!ControlEvents::isEnter(key))
            return false;
        reconcileCValues();
        m_ui.cboRFzone->setFocus(Qt::OtherFocusReason);
        return true;
    });
    m_events->onFocusOut(m_ui.cboretPeriod, [this] { reconcileCValues(); });

    // Edits made with the mouse (a paste from the context menu) touch the project as keys do.
    const auto touch = [this] { m_state.IsPristine = false; };
    for (const ValueBox& box : m_values) {
        connect(box.edit, &QLineEdit::textChanged, this, [this, &box] { valueChanged(box); });
        connect(box.edit, &QLineEdit::textEdited, this, touch);
        m_events->onKeyPress(box.edit, [this, &box](QKeyEvent& key) { return valueKey(box, key); });
        m_events->onFocusIn(box.edit, [&box] { setBackColour(box.edit, BackColour::Entry); });
        m_events->onFocusOut(box.edit, [&box] { setBackColour(box.edit, BackColour::White); });
        if (box.unit->lineEdit())
            connect(box.unit->lineEdit(), &QLineEdit::textEdited, this, [this, &box] { unitTextChanged(box); });
        connect(box.unit, &QComboBox::activated, this, [this, &box] { unitPicked(box); });
    }

    connect(m_ui.cboTCFactorList, &QComboBox::activated, this, &IntensityEditor::factorPicked);
    connect(m_ui.optManual, &QRadioButton::clicked, this, &IntensityEditor::factorFromListClicked);
    connect(m_ui.optUser, &QRadioButton::clicked, this, &IntensityEditor::typedFactorClicked);
    connect(m_ui.txtCorFactor, &QLineEdit::textChanged, this, &IntensityEditor::typedFactorChanged);
    connect(m_ui.txtCorFactor, &QLineEdit::textEdited, this, touch);
    m_events->onKeyPress(m_ui.txtCorFactor, [this](QKeyEvent& key) {
        if (ControlEvents::isTypingKey(key))
            m_state.IsPristine = false;
        if (!ControlEvents::isEnter(key))
            return false;
        m_ui.cmdIntensity->setFocus(Qt::OtherFocusReason);
        return true;
    });
    m_events->onLeave(m_ui.txtCorFactor, [this] { m_ui.cmdIntensity->setFocus(Qt::OtherFocusReason); });
    connect(&m_window, &FrmMain::corFactorCaptionChanged, this, &IntensityEditor::corFactorCaptionChanged);

    connect(m_ui.cmdIntensity, &QPushButton::clicked, this, &IntensityEditor::computeIntensity);
    m_events->onLeave(m_ui.cmdIntensity, [this] { m_ui.cboCulvertNo2->setFocus(Qt::OtherFocusReason); });
    connect(m_ui.cmdClear, &QPushButton::clicked, m_ui.lstIntensity, &QListWidget::clear);
}

IntensityEditor::~IntensityEditor()
{
    m_events->unwatchAll();
}

bool IntensityEditor::culvertSelected() const
{
    return culvertAt(m_state, m_state.CurCulvert) != nullptr;
}

void IntensityEditor::setComboText(QComboBox* box, const QString& text, void (IntensityEditor::*handler)())
{
    if (replaceComboText(box, text))
        (this->*handler)();
}

void IntensityEditor::setReturnPeriodText(const QString& text)
{
    setComboText(m_ui.cboretPeriod, text, &IntensityEditor::returnPeriodTyped);
}

void IntensityEditor::setZoneText(const QString& text)
{
    setComboText(m_ui.cboRFzone, text, &IntensityEditor::zoneTyped);
}

// --- return period and zone -----------------------------------------------------------------

void IntensityEditor::returnPeriodTyped()
{
    if (!culvertSelected())
        return;
    currentCulvert(m_state)->RetPeriod = textOf(m_ui.cboretPeriod);
    enableEditable(m_ui.txtCulvertDescrpt);
}

void IntensityEditor::returnPeriodPicked()
{
    if (!culvertSelected())
        return;
    enableEditable(m_ui.txtCulvertDescrpt);
    m_ui.cboSurface->setEnabled(true);
    CulvertRecord* culvert = currentCulvert(m_state);
    const std::string picked = textOf(m_ui.cboretPeriod);
    if (picked == culvert->RetPeriod)
        return;
    culvert->RetPeriod = picked;
    if (const std::optional<std::int16_t> years = returnPeriodYears(picked))
        updateCValues(*years);
}

void IntensityEditor::updateCValues(std::int16_t years)
{
    const CUpdate update = UpdateCValues(m_state, m_state.CurCulvert, m_drainage.rowCount(), years);
    if (!update.Message.empty())
        m_window.desktop().messages().showMessage(update.Message);
    m_drainage.showCUpdate(update);
}

// A return period typed into the box is stored as it is typed, but the sub-areas' C values are
// re-derived only on a pick. Leaving the box reconciles them, so that no table surface keeps the
// C of another return period than the one the culvert is designed for.
void IntensityEditor::reconcileCValues()
{
    const CulvertRecord* culvert = currentCulvert(m_state);
    if (culvert == nullptr || m_drainage.rowCount() == 0)
        return;
    const std::optional<std::int16_t> years = returnPeriodYears(culvert->RetPeriod);
    if (!years || *years <= 0)
        return;
    bool stale = false;
    for (std::size_t j = 0; j < validAreaCount(*culvert); ++j) {
        const SubArea& a = culvert->Areas[j];
        for (const SurfaceCoef& row : designTables().SurfaceTable)
            if (row.SurfaceName == a.Surface && GetCValue(a.Surface, *years, "") != a.C)
                stale = true;
    }
    if (stale)
        updateCValues(*years);
}

void IntensityEditor::zoneTyped()
{
    if (culvertSelected() && m_state.EditorsLive)
        currentCulvert(m_state)->RFZone = textOf(m_ui.cboRFzone);
}

void IntensityEditor::zonePicked()
{
    if (!culvertSelected())
        return;
    if (m_state.EditorsLive)
        currentCulvert(m_state)->RFZone = textOf(m_ui.cboRFzone);
    enableEditable(m_ui.txtEleRemote);
    m_ui.cboRemoteUnit->setEnabled(true);
}

// --- value and unit boxes -------------------------------------------------------------------

void IntensityEditor::valueChanged(const ValueBox& box)
{
    if (!culvertSelected())
        return;
    const double value = valueOf(box.edit);
    if (value < 0) {
        m_window.desktop().messages().showMessage(std::string(msg::kPositiveValue));
        m_window.focusControl(box.edit);
        return;
    }
    if (!m_state.EditorsLive)
        return;
    CulvertRecord& culvert = *currentCulvert(m_state);
    const std::string unit = textOf(box.unit);
    culvert.*box.value = value;
    culvert.*box.unitField = unit;
    culvert.*box.feet = ToFeet(value, unit);
}

bool IntensityEditor::valueKey(const ValueBox& box, const QKeyEvent& key)
{
    const ControlEvents::KeyKind kind = ControlEvents::keyKind(key);
    if (kind == ControlEvents::KeyKind::None)
        return false;
    m_state.IsPristine = false;
    if (ControlEvents::isEnter(key)) {
        box.nextOnEnter->setFocus(Qt::OtherFocusReason);
        return true;
    }
    // Edits (Backspace, Delete, a paste) pass: what they leave is checked as the text changes.
    if (kind == ControlEvents::KeyKind::Edit)
        return false;
    const QChar c = key.text().front();
    if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.'))
        return false;
    m_window.desktop().messages().showMessage(std::string(msg::kNumberOnly));
    m_window.focusControl(box.edit);
    return false;  // the key still reaches the box
}

void IntensityEditor::unitTextChanged(const ValueBox& box)
{
    if (!culvertSelected())
        return;
    if (box.unitWritesWhileLoading || m_state.EditorsLive) {
        CulvertRecord& culvert = *currentCulvert(m_state);
        const double value = valueOf(box.edit);
        const std::string unit = textOf(box.unit);
        culvert.*box.value = value;
        culvert.*box.unitField = unit;
        culvert.*box.feet = ToFeet(value, unit);
    }
    enableEditable(box.nextAfterUnit);
    if (box.nextAfterUnit->isVisible())
        box.nextAfterUnit->setFocus(Qt::OtherFocusReason);
}

void IntensityEditor::unitPicked(const ValueBox& box)
{
    if (!culvertSelected())
        return;
    if (m_state.EditorsLive) {
        CulvertRecord& culvert = *currentCulvert(m_state);
        const std::string unit = textOf(box.unit);
        culvert.*box.unitField = unit;
        culvert.*box.feet = ToFeet(valueOf(box.edit), unit);
    }
    enableEditable(box.nextAfterUnit);
}

// --- correction factor ----------------------------------------------------------------------

void IntensityEditor::factorPicked()
{
    m_state.IsPristine = false;
    const int entry = m_ui.cboTCFactorList->currentIndex();
    const std::vector<double>& values = designTables().TCFactorValues;
    if (entry < 0 || static_cast<std::size_t>(entry) >= values.size())
        return;
    const QString factor = qs(plainNumber(values[static_cast<std::size_t>(entry)]));
    m_ui.txtCorFactor->setText(factor);
    m_window.setCorFactorCaption(factor);
    if (culvertSelected() && m_state.EditorsLive)
        currentCulvert(m_state)->CorFactorSource = "Design Manual";
}

void IntensityEditor::factorFromListClicked()
{
    if (!culvertSelected() || !m_state.EditorsLive)
        return;
    m_ui.cboTCFactorList->show();
    m_ui.txtCorFactor->hide();
    m_ui.lblCorFactor->show();
    m_ui.cboTCFactorList->setCurrentIndex(0);
    currentCulvert(m_state)->CorFactorSource = "Design Manual";
}

void IntensityEditor::selectFactorFromList()
{
    m_ui.optManual->setChecked(true);
    factorFromListClicked();
}

void IntensityEditor::typedFactorClicked()
{
    if (!culvertSelected() || !m_state.EditorsLive)
        return;
    m_ui.cboTCFactorList->hide();
    m_ui.txtCorFactor->show();
    m_ui.lblCorFactor->hide();
    m_ui.txtCorFactor->clear();
    m_ui.txtCorFactor->setFocus(Qt::OtherFocusReason);
    currentCulvert(m_state)->CorFactorSource = "User Defined";
}

void IntensityEditor::typedFactorChanged()
{
    if (!culvertSelected() || !m_state.EditorsLive)
        return;
    CulvertRecord& culvert = *currentCulvert(m_state);
    culvert.CorFactor = valueOf(m_ui.txtCorFactor);
    m_window.setCorFactorCaption(m_ui.txtCorFactor->text());
    currentCulvert(m_state)->CorFactorSource = "User Defined";
}

void IntensityEditor::corFactorCaptionChanged(const QString& caption)
{
    if (culvertSelected() && !caption.isEmpty())
        currentCulvert(m_state)->CorFactor = numericValue(caption.toStdString());
}

// --- computing ------------------------------------------------------------------------------

void IntensityEditor::computeIntensity()
{
    const QString id = m_ui.cboCulvertNo2->currentText();
    if (!id.isEmpty())
        m_state.CurCulvert = static_cast<std::int16_t>(m_window.culvertList().FindCulvertIndex(id));
    if (!culvertSelected())
        return;
    const InputCheck check = CheckIntensityInputs(
        m_ui.txtEleRemote->text().toStdString(), textOf(m_ui.cboRemoteUnit), m_ui.txtEleCulvert->text().toStdString(),
        textOf(m_ui.cboCulvertUnit), m_ui.txtLenTravel->text().toStdString(), textOf(m_ui.cboTravelUnit));
    if (check.Code != kInputsAccepted) {
        m_window.desktop().messages().showMessage(check.Message);
        if (check.TintInlet)
            setBackColour(m_ui.txtEleCulvert, BackColour::Entry);
        QWidget* focus = nullptr;
        switch (check.Focus) {
        case IntensityInput::EleRemote: focus = m_ui.txtEleRemote; break;
        case IntensityInput::EleCulvert: focus = m_ui.txtEleCulvert; break;
        case IntensityInput::LenTravel: focus = m_ui.txtLenTravel; break;
        case IntensityInput::EleRemoteUnit: focus = m_ui.cboRemoteUnit; break;
        case IntensityInput::EleCulvertUnit: focus = m_ui.cboCulvertUnit; break;
        case IntensityInput::LenTravelUnit: focus = m_ui.cboTravelUnit; break;
        case IntensityInput::None: break;
        }
        if (focus != nullptr)
            m_window.focusControl(focus);
        return;
    }
    const TcOutcome tc = StoreIntensityInputs(m_state.CurCulvert);
    if (!tc.Computed) {
        m_window.desktop().messages().showMessage(tc.Reason);
        return;
    }
    showIntensity(m_state.CurCulvert);
}

TcOutcome IntensityEditor::StoreIntensityInputs(int culvertIndex)
{
    CulvertRecord* culvert = culvertAt(m_state, culvertIndex);
    if (culvert == nullptr)
        return {false, {}};
    if (m_state.EditorsLive) {
        culvert->RetPeriod = textOf(m_ui.cboretPeriod);
        culvert->RFZone = textOf(m_ui.cboRFzone);
    }
    for (const ValueBox& box : m_values) {
        const double value = valueOf(box.edit);
        const std::string unit = textOf(box.unit);
        if (m_state.EditorsLive) {
            culvert->*box.value = value;
            culvert->*box.unitField = unit;
        }
        culvert->*box.feet = ToFeet(value, unit);
    }
    if (m_state.EditorsLive) {
        culvert->CorFactor = valueOf(m_ui.txtCorFactor);
        if (m_ui.optManual->isChecked())
            culvert->CorFactorSource = "Design Manual";
        else if (m_ui.optUser->isChecked())
            culvert->CorFactorSource = "User Defined";
    }
    const TcOutcome tc = computeSlopeAndTc(*culvert);
    listInputLines(*culvert, tc);
    return tc;
}

void IntensityEditor::showIntensity(int culvert, bool reportProblems)
{
    const IntensityResult result = CalIntensity(m_state, culvert);
    if (result.computed()) {
        m_ui.lstIntensity->addItem(qs(result.Line));
        return;
    }
    if (!result.Message.empty() && reportProblems)
        m_window.desktop().messages().showMessage(result.Message);
}

void IntensityEditor::LoadIntensityInputs(int culvertIndex)
{
    const CulvertRecord* culvert = culvertAt(m_state, culvertIndex);
    if (culvert == nullptr)
        return;
    if (culvert->RFZone.empty()) {
        m_window.desktop().messages().showMessage(std::string(msg::kNoIntensityInfo));
        return;
    }
    m_state.EditorsLive = false;
    // The boxes' change handling runs as the boxes fill; it reads the record again each time.
    const CulvertRecord stored = *culvert;
    setZoneText(qs(stored.RFZone));
    setReturnPeriodText(qs(stored.RetPeriod));
    for (const ValueBox& box : m_values) {
        box.edit->setText(qs(plainNumber(stored.*box.value)));
        if (replaceComboText(box.unit, qs(stored.*box.unitField)))
            unitTextChanged(box);
    }
    m_ui.txtCorFactor->setText(qs(plainNumber(stored.CorFactor)));
    m_window.setCorFactorCaption(qs(plainNumber(stored.CorFactor)));

    CulvertRecord* record = culvertAt(m_state, culvertIndex);
    const TcOutcome tc = computeSlopeAndTc(*record);
    listInputLines(*record, tc);
    if (tc.Computed)
        showIntensity(culvertIndex);
    else
        m_window.desktop().messages().showMessage(tc.Reason);

    const bool userDefined = record->CorFactorSource == "User Defined";
    m_ui.optUser->setChecked(userDefined);
    m_ui.optManual->setChecked(!userDefined);
    m_ui.lblCorFactor->setVisible(!userDefined);
    // The page shows the factor the way it was given: the typed factor box for a factor of the
    // user's own, the list otherwise.
    m_ui.txtCorFactor->setVisible(userDefined);
    m_ui.cboTCFactorList->setVisible(!userDefined);
    m_state.EditorsLive = true;
}

void IntensityEditor::listInputLines(const CulvertRecord& culvert, const TcOutcome& tc)
{
    m_ui.lstIntensity->clear();
    std::vector<std::string> lines = intensityInputLines(culvert);
    if (!tc.Computed)
        lines.back() = "Corr. TC (min): " + std::string(msg::kCorrTcNotComputed);
    for (const std::string& line : lines)
        m_ui.lstIntensity->addItem(qs(line));
}

// --- page states ----------------------------------------------------------------------------

void IntensityEditor::setCulvertSelectedState(bool enableDelete)
{
    for (QWidget* w : std::initializer_list<QWidget*>{m_ui.cboretPeriod, m_ui.cboRFzone, m_ui.cboTCFactorList, m_ui.cboRemoteUnit, m_ui.cboCulvertUnit, m_ui.cboTravelUnit, m_ui.lblCorFactor, m_ui.optManual, m_ui.optUser})
        w->setEnabled(true);
    for (const ValueBox& box : m_values) {
        box.edit->setEnabled(true);
        setBackColour(box.edit, BackColour::TitleBarText);
    }
    m_ui.cmdFqyTable->show();
    m_ui.cmdRFMap->show();
    if (enableDelete)
        m_ui.cmdDelCulvertNo2->setEnabled(true);
}

void IntensityEditor::setNoCulvertState()
{
    for (QWidget* w : std::initializer_list<QWidget*>{m_ui.cboretPeriod, m_ui.cboRFzone, m_ui.cboRemoteUnit, m_ui.cboCulvertUnit, m_ui.cboTravelUnit, m_ui.lblCorFactor})
        w->setEnabled(false);
    for (const ValueBox& box : m_values) {
        box.edit->setEnabled(false);
        setBackColour(box.edit, BackColour::ButtonFace);
    }
    m_ui.cmdFqyTable->hide();
    m_ui.cmdRFMap->hide();
    m_ui.lstIntensity->clear();
}

}  // namespace sw
