#include "ui/main/intensitypage.h"

#include <algorithm>
#include <map>

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
#include "model/cfsource.h"
#include "platform/backcolour.h"
#include "ui/main/artwork.h"
#include "ui/main/comboboxtext.h"
#include "ui/main/controlevents.h"
#include "ui/main/inputguard.h"
#include "ui/main/tabring.h"
#include "ui/main/fixedpitchlist.h"
#include "ui_intensitypage.h"

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

IntensityPage::IntensityPage(QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::IntensityPage>()), m_events(new ControlEvents(this))
{
    m_ui->setupUi(this);
    m_values = {{
        {m_ui->txtEleRemote, m_ui->cboRemoteUnit, &CulvertRecord::EleRemote, &CulvertRecord::EleRemoteUnit,
         &CulvertRecord::EleRemoteFt, m_ui->txtEleCulvert, m_ui->txtEleCulvert, true, CulvertEdit::Remote},
        {m_ui->txtEleCulvert, m_ui->cboCulvertUnit, &CulvertRecord::EleCulvert, &CulvertRecord::EleCulvertUnit,
         &CulvertRecord::EleCulvertFt, m_ui->txtLenTravel, m_ui->txtLenTravel, true, CulvertEdit::Inlet},
        {m_ui->txtLenTravel, m_ui->cboTravelUnit, &CulvertRecord::LenTravel, &CulvertRecord::LenTravelUnit,
         &CulvertRecord::LenTravelFt, m_ui->cboTCFactorList, m_ui->txtCorFactor, false, CulvertEdit::Length},
    }};

    // Shown only once a culvert exists, or when the factor is typed.
    for (QWidget* hidden :
         std::initializer_list<QWidget*>{m_ui->cmdFqyTable, m_ui->cmdRFMap, m_ui->lblRFZone, m_ui->txtCorFactor})
        hidden->hide();
    m_ui->cmdFqyTable->setIcon(frequencyTableIcon());
    m_ui->cmdRFMap->setIcon(rainfallMapIcon());
    fitFixedPitchList(m_ui->lstIntensity);
    // The value boxes start with the off colour until a culvert is chosen.
    for (const ValueBox& box : m_values)
        setBackColour(box.edit, BackColour::ButtonFace);
}

IntensityPage::~IntensityPage()
{
    unbind();
}

void IntensityPage::bind(ProjectSession& session, Desktop& desktop)
{
    m_session = &session;
    m_desktop = &desktop;
    if (m_ui->cboretPeriod->lineEdit())
        connect(m_ui->cboretPeriod->lineEdit(), &QLineEdit::textEdited, this, &IntensityPage::returnPeriodTyped);
    connect(m_ui->cboretPeriod, &QComboBox::activated, this, &IntensityPage::returnPeriodPicked);
    if (m_ui->cboRFzone->lineEdit())
        connect(m_ui->cboRFzone->lineEdit(), &QLineEdit::textEdited, this, &IntensityPage::zoneTyped);
    connect(m_ui->cboRFzone, &QComboBox::activated, this, &IntensityPage::zonePicked);
    connect(m_ui->cmdRFMap, &QAbstractButton::clicked, this, &IntensityPage::zoneMapRequested);
    connect(m_ui->cmdFqyTable, &QAbstractButton::clicked, this, &IntensityPage::frequencyTableRequested);

    auto enterMoves = [this](QWidget* from, QWidget* to) {
        m_events->onKeyPress(from, [to](QKeyEvent& key) {
            if (!ControlEvents::isEnter(key))
                return false;
            to->setFocus(Qt::OtherFocusReason);
            return true;
        });
    };
    enterMoves(m_ui->cboRFzone, m_ui->txtEleRemote);
    enterMoves(m_ui->cboTCFactorList, m_ui->cmdIntensity);
    enterMoves(m_ui->cmdIntensity, m_ui->cboCulvertNo2);
    // Leaving the return period: its sub-areas take the C of the period now shown.
    m_events->onKeyPress(m_ui->cboretPeriod, [this](QKeyEvent& key) {
        if (!ControlEvents::isEnter(key))
            return false;
        emit returnPeriodLeft();
        m_ui->cboRFzone->setFocus(Qt::OtherFocusReason);
        return true;
    });
    m_events->onFocusOut(m_ui->cboretPeriod, [this] { emit returnPeriodLeft(); });

    // Edits made with the mouse (a paste from the context menu) touch the project as keys do.
    const auto touch = [this] { m_session->IsPristine = false; };
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

    connect(m_ui->cboTCFactorList, &QComboBox::activated, this, &IntensityPage::factorPicked);
    connect(m_ui->optManual, &QRadioButton::clicked, this, &IntensityPage::factorFromListClicked);
    connect(m_ui->optUser, &QRadioButton::clicked, this, &IntensityPage::typedFactorClicked);
    connect(m_ui->txtCorFactor, &QLineEdit::textChanged, this, &IntensityPage::typedFactorChanged);
    connect(m_ui->txtCorFactor, &QLineEdit::textEdited, this, touch);
    m_events->onKeyPress(m_ui->txtCorFactor, [this](QKeyEvent& key) {
        if (ControlEvents::isTypingKey(key))
            m_session->IsPristine = false;
        if (!ControlEvents::isEnter(key))
            return false;
        m_ui->cmdIntensity->setFocus(Qt::OtherFocusReason);
        return true;
    });
    m_events->onLeave(m_ui->txtCorFactor, [this] { m_ui->cmdIntensity->setFocus(Qt::OtherFocusReason); });

    // What a box takes: characters a project file holds, and no comma in a number.
    const auto show = [this](const std::string& message) { m_desktop->messages().showMessage(message); };
    for (const ValueBox& box : m_values)
        InputGuard::install(box.edit, {0, {}, msg::kNumberOnly}, show);
    InputGuard::install(m_ui->txtCorFactor, {0, {}, msg::kNumberOnly}, show);
    InputGuard::install(m_ui->cboretPeriod->lineEdit(), {0, {}, msg::kReturnPeriodNotWhole16}, show);
    for (QComboBox* box : {m_ui->cboCulvertNo2, m_ui->cboRFzone, m_ui->cboRemoteUnit, m_ui->cboCulvertUnit,
                           m_ui->cboTravelUnit})
        InputGuard::install(box->lineEdit(), {}, show);

    connect(m_ui->cmdIntensity, &QPushButton::clicked, this, &IntensityPage::computeIntensity);
    m_events->onLeave(m_ui->cmdIntensity, [this] { m_ui->cboCulvertNo2->setFocus(Qt::OtherFocusReason); });
    connect(m_ui->cmdClear, &QPushButton::clicked, m_ui->lstIntensity, &QListWidget::clear);
}

void IntensityPage::unbind()
{
    m_events->unwatchAll();
    disconnectControls(this);
}

QComboBox* IntensityPage::culvertBox() const
{
    return m_ui->cboCulvertNo2;
}

QPushButton* IntensityPage::deleteCulvertButton() const
{
    return m_ui->cmdDelCulvertNo2;
}

int IntensityPage::culvertIndexOf(const QString& id) const
{
    return m_session->findCulvert(id.toStdString());
}

QWidget* IntensityPage::returnPeriodBox() const
{
    return m_ui->cboretPeriod;
}

QString IntensityPage::returnPeriodText() const
{
    return m_ui->cboretPeriod->currentText();
}

void IntensityPage::focusFirstBox(Qt::FocusReason reason)
{
    m_ui->cboCulvertNo2->setFocus(reason);
}

bool IntensityPage::culvertSelected() const
{
    return m_session->currentCulvert() != nullptr;
}

bool IntensityPage::focusNextPrevChild(bool next)
{
    // The Enter cycle, with the controls beside its boxes where they stand.
    return moveAlongRing({m_ui->cboCulvertNo2, m_ui->cmdDelCulvertNo2, m_ui->cboretPeriod, m_ui->cmdFqyTable,
                          m_ui->cboRFzone, m_ui->cmdRFMap, m_ui->txtEleRemote, m_ui->cboRemoteUnit,
                          m_ui->txtEleCulvert, m_ui->cboCulvertUnit, m_ui->txtLenTravel, m_ui->cboTravelUnit,
                          m_ui->optManual, m_ui->optUser, m_ui->cboTCFactorList, m_ui->txtCorFactor,
                          m_ui->cmdIntensity, m_ui->cmdClear, m_ui->lstIntensity},
                         next);
}

void IntensityPage::edit(CulvertEdit key, const std::function<void(CulvertRecord&)>& change)
{
    static const std::map<CulvertEdit, QString> names = {
        {CulvertEdit::ReturnPeriod, QStringLiteral("Edit Return Period")},
        {CulvertEdit::Zone, QStringLiteral("Edit Rainfall Zone")},
        {CulvertEdit::ZoneFromMap, QStringLiteral("Pick Rainfall Zone")},
        {CulvertEdit::PeriodFromTable, QStringLiteral("Pick Return Period")},
        {CulvertEdit::Remote, QStringLiteral("Edit Elevation of Most Remote Point")},
        {CulvertEdit::Inlet, QStringLiteral("Edit Elevation of Culvert Inlet")},
        {CulvertEdit::Length, QStringLiteral("Edit Maximum Length of Travel")},
        {CulvertEdit::Factor, QStringLiteral("Edit Correction Factor")},
    };
    const auto name = names.find(key);
    m_session->editCulvert(m_session->CurCulvert(), key, name != names.end() ? name->second : QString(), change);
}

void IntensityPage::storeValue(const ValueBox& box, double value, bool withValue)
{
    const std::string unit = textOf(box.unit);
    edit(box.key, [&box, value, withValue, &unit](CulvertRecord& c) {
        if (withValue)
            c.*box.value = value;
        c.*box.unitField = unit;
        c.*box.feet = ToFeet(value, unit);
    });
}

void IntensityPage::setComboText(QComboBox* box, const QString& text, void (IntensityPage::*handler)())
{
    if (replaceComboText(box, text))
        (this->*handler)();
}

void IntensityPage::setReturnPeriodText(const QString& text)
{
    setComboText(m_ui->cboretPeriod, text, &IntensityPage::returnPeriodTyped);
}

void IntensityPage::setZoneText(const QString& text)
{
    setComboText(m_ui->cboRFzone, text, &IntensityPage::zoneTyped);
}

void IntensityPage::resetReturnPeriodAndZone()
{
    setReturnPeriodText(m_ui->cboretPeriod->itemText(0));
    setZoneText(m_ui->cboRFzone->itemText(0));
}

bool IntensityPage::takeMapZone(const QString& zone)
{
    QComboBox* box = m_ui->cboRFzone;
    if (!culvertSelected() || !box->isEnabled() || box->findText(zone, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
        return false;
    m_ui->lblRFZone->setText(zone);
    m_mapZoneCulvert = m_session->CurCulvert();
    m_session->beginCommand(QStringLiteral("Pick Zone %1 on the Map").arg(zone));
    m_zoneKey = CulvertEdit::ZoneFromMap;
    replaceComboText(box, zone);
    zonePicked();
    m_zoneKey = CulvertEdit::Zone;
    m_session->endCommand();
    return true;
}

bool IntensityPage::takeTableReturnPeriod(const QString& period)
{
    if (!culvertSelected() || !m_ui->cboretPeriod->isEnabled())
        return false;
    m_session->beginCommand(QStringLiteral("Pick Return Period %1").arg(period));
    m_periodKey = CulvertEdit::PeriodFromTable;
    setReturnPeriodText(period);
    // Typing is followed by leaving the box, which brings the sub-areas' C values in line with
    // the period; a value clicked in the table never enters the box, so it is left here.
    emit returnPeriodLeft();
    m_periodKey = CulvertEdit::ReturnPeriod;
    m_session->endCommand();
    return true;
}

// --- start-up lists -------------------------------------------------------------------------

void IntensityPage::fillReturnPeriodList(const std::vector<std::string>& periods)
{
    fillComboEntries(m_ui->cboretPeriod, periods);
}

void IntensityPage::showStartReturnPeriod(const QString& period)
{
    replaceComboText(m_ui->cboretPeriod, period);
}

void IntensityPage::fillStartLists(const std::vector<std::string>& zones, const std::vector<std::string>& lengthUnits,
                                   const std::vector<std::string>& factors)
{
    fillComboEntries(m_ui->cboRFzone, zones);
    for (const ValueBox& box : m_values)
        fillComboEntries(box.unit, lengthUnits);
    fillComboEntries(m_ui->cboTCFactorList, factors);

    for (const ValueBox& box : m_values)
        replaceComboText(box.unit, qs(lengthUnits.front()));
    replaceComboText(m_ui->cboRFzone, qs(zones.front()));
}

// --- return period and zone -----------------------------------------------------------------

void IntensityPage::returnPeriodTyped()
{
    if (!culvertSelected())
        return;
    edit(m_periodKey, [period = textOf(m_ui->cboretPeriod)](CulvertRecord& c) { c.RetPeriod = period; });
    emit returnPeriodGiven(false);
}

void IntensityPage::returnPeriodPicked()
{
    if (!culvertSelected())
        return;
    emit returnPeriodGiven(true);
    const std::string picked = textOf(m_ui->cboretPeriod);
    if (picked == m_session->currentCulvert()->RetPeriod)
        return;
    // The period and the C values it gives the sub-areas: one change.
    m_session->beginCommand(QStringLiteral("Change Return Period to %1").arg(qs(picked)));
    edit(CulvertEdit::ReturnPeriod, [&picked](CulvertRecord& c) { c.RetPeriod = picked; });
    if (const std::optional<std::int16_t> years = returnPeriodYears(picked))
        emit returnPeriodChanged(*years);
    m_session->endCommand();
}

void IntensityPage::zoneTyped()
{
    if (culvertSelected() && m_session->EditorsLive)
        edit(CulvertEdit::Zone, [zone = textOf(m_ui->cboRFzone)](CulvertRecord& c) { c.RFZone = zone; });
}

void IntensityPage::zonePicked()
{
    if (!culvertSelected())
        return;
    if (m_session->EditorsLive)
        edit(m_zoneKey, [zone = textOf(m_ui->cboRFzone)](CulvertRecord& c) { c.RFZone = zone; });
    enableEditable(m_ui->txtEleRemote);
    m_ui->cboRemoteUnit->setEnabled(true);
}

// --- value and unit boxes -------------------------------------------------------------------

void IntensityPage::valueChanged(const ValueBox& box)
{
    if (!culvertSelected())
        return;
    const double value = valueOf(box.edit);
    if (value < 0) {
        m_desktop->messages().showMessage(std::string(msg::kPositiveValue));
        emit focusRequested(box.edit);
        return;
    }
    if (!m_session->EditorsLive)
        return;
    storeValue(box, value, true);
}

bool IntensityPage::valueKey(const ValueBox& box, const QKeyEvent& key)
{
    const ControlEvents::KeyKind kind = ControlEvents::keyKind(key);
    if (kind == ControlEvents::KeyKind::None)
        return false;
    m_session->IsPristine = false;
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
    // A comma would end the number there ("1,5" read as 1): the box refuses it, with this message.
    if (c == QLatin1Char(','))
        return false;
    m_desktop->messages().showMessage(std::string(msg::kNumberOnly));
    emit focusRequested(box.edit);
    return false;  // the key still reaches the box
}

void IntensityPage::unitTextChanged(const ValueBox& box)
{
    if (!culvertSelected())
        return;
    if (box.unitWritesWhileLoading || m_session->EditorsLive)
        storeValue(box, valueOf(box.edit), true);
    enableEditable(box.nextAfterUnit);
    if (box.nextAfterUnit->isVisible())
        box.nextAfterUnit->setFocus(Qt::OtherFocusReason);
}

void IntensityPage::unitPicked(const ValueBox& box)
{
    if (!culvertSelected())
        return;
    if (m_session->EditorsLive)
        storeValue(box, valueOf(box.edit), false);
    enableEditable(box.nextAfterUnit);
}

// --- correction factor ----------------------------------------------------------------------

void IntensityPage::setCorFactorCaption(const QString& caption)
{
    m_ui->lblCorFactor->setText(caption);
    corFactorCaptionChanged(caption);
}

void IntensityPage::factorPicked()
{
    m_session->IsPristine = false;
    const int entry = m_ui->cboTCFactorList->currentIndex();
    const std::vector<double>& values = designTables().TCFactorValues;
    if (entry < 0 || static_cast<std::size_t>(entry) >= values.size())
        return;
    const QString factor = qs(plainNumber(values[static_cast<std::size_t>(entry)]));
    // The factor reaches the record through the boxes' change handling: one change for the pick.
    m_session->beginCommand(QStringLiteral("Pick Correction Factor %1").arg(factor));
    m_ui->txtCorFactor->setText(factor);
    setCorFactorCaption(factor);
    if (culvertSelected() && m_session->EditorsLive)
        edit(CulvertEdit::Factor, [](CulvertRecord& c) { c.CorFactorSource = cfsource::kDesignManual; });
    m_session->endCommand();
}

void IntensityPage::factorFromListClicked()
{
    if (!culvertSelected() || !m_session->EditorsLive)
        return;
    m_ui->cboTCFactorList->show();
    m_ui->txtCorFactor->hide();
    m_ui->lblCorFactor->show();
    // Nothing shows as chosen until a factor is picked: the culvert's factor is not the first
    // entry's until then.
    showFactorEntry(*m_session->currentCulvert());
    edit(CulvertEdit::Factor, [](CulvertRecord& c) { c.CorFactorSource = cfsource::kDesignManual; });
}

void IntensityPage::selectFactorFromList()
{
    m_ui->optManual->setChecked(true);
    factorFromListClicked();
}

void IntensityPage::showFactorEntry(const CulvertRecord& culvert)
{
    // The record keeps the factor, not the entry: an entry is shown as chosen only when it is the
    // one entry of the list with that factor. Several flow types share a factor of 1.
    const std::vector<double>& values = designTables().TCFactorValues;
    int entry = -1;
    if (culvert.CorFactorSource == cfsource::kDesignManual &&
        std::count(values.begin(), values.end(), culvert.CorFactor) == 1)
        entry = int(std::find(values.begin(), values.end(), culvert.CorFactor) - values.begin());
    m_ui->cboTCFactorList->setCurrentIndex(entry);
}

void IntensityPage::typedFactorClicked()
{
    if (!culvertSelected() || !m_session->EditorsLive)
        return;
    m_session->beginCommand(QStringLiteral("Type Correction Factor"));
    m_ui->cboTCFactorList->hide();
    m_ui->txtCorFactor->show();
    m_ui->lblCorFactor->hide();
    m_ui->txtCorFactor->clear();
    edit(CulvertEdit::Factor, [](CulvertRecord& c) { c.CorFactorSource = cfsource::kUserDefined; });
    m_session->endCommand();
    m_ui->txtCorFactor->setFocus(Qt::OtherFocusReason);
}

void IntensityPage::typedFactorChanged()
{
    if (!culvertSelected() || !m_session->EditorsLive)
        return;
    edit(CulvertEdit::Factor, [factor = valueOf(m_ui->txtCorFactor)](CulvertRecord& c) { c.CorFactor = factor; });
    setCorFactorCaption(m_ui->txtCorFactor->text());
    edit(CulvertEdit::Factor, [](CulvertRecord& c) { c.CorFactorSource = cfsource::kUserDefined; });
}

void IntensityPage::corFactorCaptionChanged(const QString& caption)
{
    if (culvertSelected() && !caption.isEmpty())
        edit(CulvertEdit::Factor, [factor = numericValue(caption.toStdString())](CulvertRecord& c) {
            c.CorFactor = factor;
        });
}

// --- computing ------------------------------------------------------------------------------

void IntensityPage::computeIntensity()
{
    const QString id = m_ui->cboCulvertNo2->currentText();
    if (!id.isEmpty())
        m_session->setCurCulvert(culvertIndexOf(id));
    if (!culvertSelected())
        return;
    const std::optional<InputRefusal> refusal = CheckIntensityInputs(
        m_ui->txtEleRemote->text().toStdString(), textOf(m_ui->cboRemoteUnit),
        m_ui->txtEleCulvert->text().toStdString(), textOf(m_ui->cboCulvertUnit),
        m_ui->txtLenTravel->text().toStdString(), textOf(m_ui->cboTravelUnit));
    if (refusal) {
        m_desktop->messages().showMessage(refusal->Message);
        if (refusal->TintInlet)
            setBackColour(m_ui->txtEleCulvert, BackColour::Entry);
        QWidget* focus = nullptr;
        switch (refusal->Focus) {
        case IntensityInput::EleRemote: focus = m_ui->txtEleRemote; break;
        case IntensityInput::EleCulvert: focus = m_ui->txtEleCulvert; break;
        case IntensityInput::LenTravel: focus = m_ui->txtLenTravel; break;
        case IntensityInput::EleRemoteUnit: focus = m_ui->cboRemoteUnit; break;
        case IntensityInput::EleCulvertUnit: focus = m_ui->cboCulvertUnit; break;
        case IntensityInput::LenTravelUnit: focus = m_ui->cboTravelUnit; break;
        }
        if (focus != nullptr)
            emit focusRequested(focus);
        return;
    }
    const TcOutcome tc = StoreIntensityInputs(m_session->CurCulvert());
    if (!tc.Computed) {
        m_desktop->messages().showMessage(tc.Reason);
        return;
    }
    showIntensity(m_session->CurCulvert());
}

TcOutcome IntensityPage::StoreIntensityInputs(int culvertIndex)
{
    if (m_session->culvert(culvertIndex) == nullptr)
        return {false, {}};
    // The page's inputs, as one change; the feet values follow the boxes whatever the flag says.
    const bool live = m_session->EditorsLive;
    const auto store = [this, live](CulvertRecord& c) {
        if (live) {
            c.RetPeriod = textOf(m_ui->cboretPeriod);
            c.RFZone = textOf(m_ui->cboRFzone);
        }
        for (const ValueBox& box : m_values) {
            const double value = valueOf(box.edit);
            const std::string unit = textOf(box.unit);
            if (live) {
                c.*box.value = value;
                c.*box.unitField = unit;
            }
            c.*box.feet = ToFeet(value, unit);
        }
        if (live) {
            c.CorFactor = valueOf(m_ui->txtCorFactor);
            if (m_ui->optManual->isChecked())
                c.CorFactorSource = cfsource::kDesignManual;
            else if (m_ui->optUser->isChecked())
                c.CorFactorSource = cfsource::kUserDefined;
        }
    };
    m_session->editCulvert(culvertIndex, CulvertEdit::Inputs, QStringLiteral("Intensity Inputs"), store);
    const TcOutcome tc =
        m_session->compute([culvertIndex](Document& d) { return computeSlopeAndTc(*culvertAt(d, culvertIndex)); });
    listInputLines(*m_session->culvert(culvertIndex), tc);
    return tc;
}

void IntensityPage::showIntensity(int culvert, bool reportProblems)
{
    // The intensity is asked for the current culvert: none selected, none computed.
    if (m_session->CurCulvert() < 0) {
        if (reportProblems)
            m_desktop->messages().showMessage(std::string(msg::kSelectCulvert));
        return;
    }
    const IntensityResult result = m_session->compute([culvert](Document& d) { return CalIntensity(d, culvert); });
    if (result.computed()) {
        m_ui->lstIntensity->addItem(qs(result.Line));
        return;
    }
    if (!result.Message.empty() && reportProblems)
        m_desktop->messages().showMessage(result.Message);
}

void IntensityPage::LoadIntensityInputs(int culvertIndex)
{
    const CulvertRecord* culvert = m_session->culvert(culvertIndex);
    if (culvert == nullptr)
        return;
    if (culvert->RFZone.empty()) {
        m_desktop->messages().showMessage(std::string(msg::kNoIntensityInfo));
        return;
    }
    m_session->EditorsLive = false;
    // The boxes' change handling runs as the boxes fill; it reads the record again each time.
    const CulvertRecord stored = *culvert;
    setZoneText(qs(stored.RFZone));
    setReturnPeriodText(qs(stored.RetPeriod));
    for (const ValueBox& box : m_values) {
        box.edit->setText(qs(plainNumber(stored.*box.value)));
        if (replaceComboText(box.unit, qs(stored.*box.unitField)))
            unitTextChanged(box);
    }
    m_ui->txtCorFactor->setText(qs(plainNumber(stored.CorFactor)));
    setCorFactorCaption(qs(plainNumber(stored.CorFactor)));

    const TcOutcome tc =
        m_session->compute([culvertIndex](Document& d) { return computeSlopeAndTc(*culvertAt(d, culvertIndex)); });
    const CulvertRecord* record = m_session->culvert(culvertIndex);
    listInputLines(*record, tc);
    if (tc.Computed)
        showIntensity(culvertIndex);
    else
        m_desktop->messages().showMessage(tc.Reason);

    const bool userDefined = record->CorFactorSource == cfsource::kUserDefined;
    m_ui->optUser->setChecked(userDefined);
    m_ui->optManual->setChecked(!userDefined);
    m_ui->lblCorFactor->setVisible(!userDefined);
    // The page shows the factor the way it was given: the typed factor box for a factor of the
    // user's own, the list otherwise.
    m_ui->txtCorFactor->setVisible(userDefined);
    m_ui->cboTCFactorList->setVisible(!userDefined);
    showFactorEntry(*record);
    m_session->EditorsLive = true;
}

void IntensityPage::listInputLines(const CulvertRecord& culvert, const TcOutcome& tc)
{
    m_ui->lstIntensity->clear();
    std::vector<std::string> lines = intensityInputLines(culvert);
    if (!tc.Computed)
        lines.back() = std::string(kCorrTcLabel) + std::string(msg::kCorrTcNotComputed);
    for (const std::string& line : lines)
        m_ui->lstIntensity->addItem(qs(line));
}

// --- page states ----------------------------------------------------------------------------

void IntensityPage::setCulvertSelectedState(bool enableDelete)
{
    for (QWidget* w : std::initializer_list<QWidget*>{m_ui->cboretPeriod, m_ui->cboRFzone, m_ui->cboTCFactorList,
                                                      m_ui->cboRemoteUnit, m_ui->cboCulvertUnit, m_ui->cboTravelUnit,
                                                      m_ui->lblCorFactor, m_ui->optManual, m_ui->optUser})
        w->setEnabled(true);
    for (const ValueBox& box : m_values) {
        box.edit->setEnabled(true);
        setBackColour(box.edit, BackColour::TitleBarText);
    }
    m_ui->cmdFqyTable->show();
    m_ui->cmdRFMap->show();
    if (m_session->CurCulvert() != m_mapZoneCulvert)
        m_ui->lblRFZone->clear();
    if (const CulvertRecord* culvert = m_session->currentCulvert())
        showFactorEntry(*culvert);
    m_ui->lblRFZone->show();
    if (enableDelete)
        m_ui->cmdDelCulvertNo2->setEnabled(true);
}

void IntensityPage::setNoCulvertState()
{
    for (QWidget* w : std::initializer_list<QWidget*>{m_ui->cboretPeriod, m_ui->cboRFzone, m_ui->cboRemoteUnit,
                                                      m_ui->cboCulvertUnit, m_ui->cboTravelUnit, m_ui->lblCorFactor})
        w->setEnabled(false);
    for (const ValueBox& box : m_values) {
        box.edit->setEnabled(false);
        setBackColour(box.edit, BackColour::ButtonFace);
    }
    m_ui->cmdFqyTable->hide();
    m_ui->cmdRFMap->hide();
    m_ui->lblRFZone->clear();
    m_ui->lblRFZone->hide();
    m_mapZoneCulvert = kNoCulvert;
    m_ui->lstIntensity->clear();
}

void IntensityPage::startNewCulvert()
{
    for (const ValueBox& box : m_values) {
        box.edit->setEnabled(true);
        setBackColour(box.edit, BackColour::TitleBarText);
    }
    for (QLineEdit* box : {m_ui->txtEleRemote, m_ui->txtEleCulvert, m_ui->txtLenTravel, m_ui->txtCorFactor})
        box->clear();
}

void IntensityPage::clearValues()
{
    for (QLineEdit* box : {m_ui->txtLenTravel, m_ui->txtEleCulvert, m_ui->txtEleRemote, m_ui->txtCorFactor})
        box->clear();
}

void IntensityPage::clearValueBoxes()
{
    for (QLineEdit* box : {m_ui->txtEleRemote, m_ui->txtEleCulvert, m_ui->txtLenTravel})
        box->clear();
}

void IntensityPage::clearResults()
{
    m_ui->lstIntensity->clear();
}

}  // namespace sw
