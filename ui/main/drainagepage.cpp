#include "ui/main/drainagepage.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "core/messages.h"
#include "core/numbers.h"
#include "engine/areapaste.h"
#include "engine/arearows.h"
#include "engine/runoff.h"
#include "engine/subarealine.h"
#include "engine/tables.h"
#include "platform/backcolour.h"
#include "ui/main/comboboxtext.h"
#include "ui/main/controlevents.h"
#include "ui/main/inputguard.h"
#include "ui/main/tabring.h"
#include "session/subarealistmodel.h"
#include "ui/main/fixedpitchlist.h"
#include "ui_drainagepage.h"

namespace sw {
namespace {

QString qs(const std::string& text)
{
    return QString::fromStdString(text);
}

std::string text(const QLineEdit* box)
{
    return box->text().toStdString();
}

void enableEditable(QWidget* box)
{
    box->setEnabled(true);
    setBackColour(box, BackColour::WindowBackground);
}

}  // namespace

DrainagePage::DrainagePage(QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::DrainagePage>()), m_events(new ControlEvents(this))
{
    m_ui->setupUi(this);
    // The user-defined entry shows only in its mode.
    for (QWidget* hidden : std::initializer_list<QWidget*>{m_ui->txtUserSurface, m_ui->Label31, m_ui->lblCU, m_ui->txtUserC})
        hidden->hide();
    fitFixedPitchList(m_ui->lstAreaInfo);
    // Rows copied from a spreadsheet: Ctrl+V in the list, or its context menu.
    m_pasteAction = new QAction(tr("Paste Sub-areas"), m_ui->lstAreaInfo);
    m_pasteAction->setObjectName(QStringLiteral("mnuPasteSubAreas"));
    m_pasteAction->setShortcut(QKeySequence::Paste);
    m_pasteAction->setShortcutContext(Qt::WidgetShortcut);
    m_ui->lstAreaInfo->addAction(m_pasteAction);
    m_ui->lstAreaInfo->setContextMenuPolicy(Qt::ActionsContextMenu);
}

DrainagePage::~DrainagePage()
{
    unbind();
}

void DrainagePage::bind(ProjectSession& session, Desktop& desktop, std::function<QString()> shownReturnPeriod)
{
    m_session = &session;
    m_ui->lstAreaInfo->setModel(&session.subAreaModel());
    m_desktop = &desktop;
    m_shownReturnPeriod = std::move(shownReturnPeriod);

    QComboBox* surface = m_ui->cboSurface;
    connect(surface, &QComboBox::activated, this, &DrainagePage::surfacePicked);
    if (surface->lineEdit())
        connect(surface->lineEdit(), &QLineEdit::textEdited, this, &DrainagePage::surfaceTyped);
    connect(m_ui->cboAreaUnit, &QComboBox::activated, this, [this] { m_ui->cmdAdd->setEnabled(true); });
    connect(m_ui->txtUserSurface, &QLineEdit::textChanged, this, [this] {
        for (QWidget* box : std::initializer_list<QWidget*>{m_ui->txtArea, m_ui->txtDesCrption})
            enableEditable(box);
        m_ui->cboAreaUnit->setEnabled(true);
    });
    connect(m_ui->optManualC, &QRadioButton::clicked, this, &DrainagePage::applyDesignManualMode);
    connect(m_ui->optUserC, &QRadioButton::clicked, this, &DrainagePage::applyUserDefinedMode);
    connect(m_ui->lstAreaInfo, &QListView::clicked, this, &DrainagePage::rowClicked);
    connect(m_ui->cmdAdd, &QPushButton::clicked, this, &DrainagePage::addSubArea);
    connect(m_ui->cmdRemove, &QPushButton::clicked, this, &DrainagePage::removeSubArea);
    connect(m_ui->cmdRemoveAll, &QPushButton::clicked, this, &DrainagePage::removeAllSubAreas);
    connect(m_pasteAction, &QAction::triggered, this, &DrainagePage::pasteSubAreas);

    // Enter moves along the page's chain of boxes.
    const std::pair<QWidget*, QWidget*> enterChain[] = {
        {m_ui->txtCulvertDescrpt, m_ui->cboSurface},
        {m_ui->cboSurface, m_ui->txtArea},        {m_ui->txtArea, m_ui->cboAreaUnit},
        {m_ui->cboAreaUnit, m_ui->txtDesCrption}, {m_ui->txtDesCrption, m_ui->cmdAdd},
        {m_ui->txtUserC, m_ui->txtUserSurface},   {m_ui->txtUserSurface, m_ui->txtArea},
    };
    for (const auto& [from, to] : enterChain) {
        m_events->onKeyPress(from, [to = to](QKeyEvent& key) {
            if (!ControlEvents::isEnter(key))
                return false;
            to->setFocus(Qt::OtherFocusReason);
            return true;
        });
    }
    for (QWidget* box : std::initializer_list<QWidget*>{m_ui->txtCulvertDescrpt, m_ui->txtArea, m_ui->txtDesCrption,
                                                        m_ui->txtUserC, m_ui->txtUserSurface}) {
        m_events->onFocusIn(box, [box] { setBackColour(box, BackColour::Entry); });
        m_events->onFocusOut(box, [box] { setBackColour(box, BackColour::White); });
    }
    m_events->onLeave(m_ui->txtUserSurface, [this] { m_ui->txtArea->setFocus(Qt::OtherFocusReason); });

    // What a box takes: characters a project file holds, and no comma in a number.
    const auto show = [this](const std::string& message) { m_desktop->messages().showMessage(message); };
    InputGuard::install(m_ui->txtArea, {0, {}, msg::kAreaNotPlainNumber}, show);
    InputGuard::install(m_ui->txtUserC, {0, {}, msg::kCommaInUserC}, show);
    for (QLineEdit* box : {m_ui->txtUserSurface, m_ui->txtDesCrption, m_ui->txtCulvertDescrpt,
                           m_ui->cboSurface->lineEdit(), m_ui->cboCulvertNo1->lineEdit()})
        InputGuard::install(box, {}, show);
}

void DrainagePage::unbind()
{
    m_events->unwatchAll();
    disconnectControls(this);
}

QComboBox* DrainagePage::culvertBox() const
{
    return m_ui->cboCulvertNo1;
}

QLineEdit* DrainagePage::descriptionBox() const
{
    return m_ui->txtCulvertDescrpt;
}

void DrainagePage::focusFirstBox(Qt::FocusReason reason)
{
    m_ui->txtCulvertDescrpt->setFocus(reason);
}

int DrainagePage::rowCount() const
{
    return m_session->subAreaModel().rowCount();
}

bool DrainagePage::focusNextPrevChild(bool next)
{
    // The Enter cycle of both modes, with the controls beside its boxes where they stand.
    return moveAlongRing({m_ui->cboCulvertNo1, m_ui->txtCulvertDescrpt, m_ui->optManualC, m_ui->optUserC,
                          m_ui->cboSurface, m_ui->txtUserC, m_ui->txtUserSurface, m_ui->txtArea, m_ui->cboAreaUnit,
                          m_ui->txtDesCrption, m_ui->cmdAdd, m_ui->cmdRemove, m_ui->cmdRemoveAll, m_ui->lstAreaInfo},
                         next);
}

void DrainagePage::enableRowButtons()
{
    for (QPushButton* button : {m_ui->cmdAdd, m_ui->cmdRemove, m_ui->cmdRemoveAll})
        button->setEnabled(true);
}

void DrainagePage::clearRows()
{
    m_session->subAreaModel().clear();
}

void DrainagePage::clearSubAreas()
{
    m_session->subAreaModel().clear();
    m_ui->lblLot->clear();
    m_ui->lblTA->clear();
    m_ui->lblWC->clear();
}

void DrainagePage::clearCulvertEntries()
{
    for (QLineEdit* box : {m_ui->txtCulvertDescrpt, m_ui->txtArea, m_ui->txtDesCrption})
        box->clear();
}

// --- start-up lists -------------------------------------------------------------------------

void DrainagePage::fillSurfaceList(const std::vector<std::string>& surfaces)
{
    m_ui->cboSurface->setEnabled(true);
    fillComboEntries(m_ui->cboSurface, surfaces);
}

void DrainagePage::fillAreaUnitList(const std::vector<std::string>& units)
{
    fillComboEntries(m_ui->cboAreaUnit, units);
}

void DrainagePage::showStartValues(const QString& areaUnit)
{
    replaceComboText(m_ui->cboAreaUnit, areaUnit);
    m_ui->lblTA->setText(qs(formatNumber(0, "0.00")));
    m_ui->lblWC->setText(qs(formatNumber(0, "0.00")));
    m_ui->lblLot->setText(QString::number(rowCount()));
}

// --- the current culvert --------------------------------------------------------------------

void DrainagePage::setCulvertIdCaption(const QString& caption)
{
    m_ui->lblCulvertID->setText(caption);
    loadCurrentCulvert();
}

void DrainagePage::refreshTotals(int culvert)
{
    showTotals(m_session->compute([culvert](Document& d) { return CalAC(d, culvert); }));
}

void DrainagePage::showTotals(const std::optional<TotalsLabels>& totals)
{
    if (!totals)
        return;
    m_ui->lblTA->setText(qs(totals->TotalArea));
    m_ui->lblWC->setText(qs(totals->WeightedC));
}

void DrainagePage::loadCurrentCulvert()
{
    const CulvertRecord* culvert = m_session->currentCulvert();
    if (culvert == nullptr)
        return;

    if (declaredAreaCount(*culvert) == 0) {
        {
            // Emptied for the view only: the culvert keeps its stored station/description.
            const QSignalBlocker keepDescription(m_ui->txtCulvertDescrpt);
            m_ui->txtCulvertDescrpt->clear();
        }
        m_ui->txtArea->clear();
        m_ui->txtDesCrption->clear();
        clearSubAreas();
        // The empty list is this culvert's: what Add appends is its first row.
        m_session->subAreaModel().showCulvert(m_session->CurCulvert(), *culvert);
        return;
    }

    // LoadAreaList. Showing the period runs its change handling, which writes into this same record.
    emit returnPeriodLoaded(qs(culvert->RetPeriod));
    enableEditable(m_ui->txtCulvertDescrpt);
    m_ui->txtCulvertDescrpt->setText(qs(m_session->currentCulvert()->Description));
    m_session->subAreaModel().showCulvert(m_session->CurCulvert(), *m_session->currentCulvert());
    m_ui->cboSurface->setEnabled(true);

    m_ui->lblLot->setText(qs(m_session->currentCulvert()->NumOfAreas));
    refreshTotals(m_session->CurCulvert());
}

// --- return period --------------------------------------------------------------------------

void DrainagePage::returnPeriodGiven(bool picked)
{
    enableEditable(m_ui->txtCulvertDescrpt);
    if (picked)
        m_ui->cboSurface->setEnabled(true);
}

void DrainagePage::updateCValues(std::int16_t years)
{
    // The message first: the sub-areas change once it is closed.
    const int culvert = m_session->CurCulvert();
    const int rows = rowCount();
    if (m_session->culvert(culvert) == nullptr || rows <= 0)
        return;
    m_desktop->messages().showMessage(std::string(msg::kCUpdate));
    m_session->updateCValues(culvert, rows, years);
    refreshTotals(culvert);
}

void DrainagePage::reconcileCValues()
{
    const CulvertRecord* culvert = m_session->currentCulvert();
    if (culvert == nullptr || rowCount() == 0)
        return;
    const std::optional<std::int16_t> years = returnPeriodYears(culvert->RetPeriod);
    if (!years || *years <= 0)
        return;
    bool stale = false;
    for (std::size_t j = 0; j < validAreaCount(*culvert); ++j) {
        const SubArea& a = culvert->Areas[j];
        if (isTableSurface(a.Surface) && GetCValue(a.Surface, *years, "") != a.C)
            stale = true;
    }
    if (stale)
        updateCValues(*years);
}

// --- surface and source of C ----------------------------------------------------------------

void DrainagePage::showSurfaceC()
{
    if (m_session->EditorsLive) {
        m_session->editCulvert(m_session->CurCulvert(), CulvertEdit::ReturnPeriod, QStringLiteral("Edit Return Period"),
                               [period = m_shownReturnPeriod().toStdString()](CulvertRecord& c) { c.RetPeriod = period; });
    }
    const std::optional<std::int16_t> years = returnPeriodYears(m_session->currentCulvert()->RetPeriod);
    if (!years) {
        m_ui->lblCValue->clear();
        m_desktop->messages().showMessage(std::string(msg::kReturnPeriodNotWhole16));
        return;
    }
    const double c = GetCValue(m_ui->cboSurface->currentText().toStdString(), *years, text(m_ui->txtUserC));
    m_ui->lblCValue->setText(qs(plainNumber(c)));
}

void DrainagePage::surfacePicked()
{
    if (m_session->currentCulvert() == nullptr)
        return;
    for (QWidget* box : std::initializer_list<QWidget*>{m_ui->txtArea, m_ui->txtDesCrption})
        enableEditable(box);
    m_ui->cboAreaUnit->setEnabled(true);
    showSurfaceC();
}

void DrainagePage::surfaceTyped()
{
    if (m_session->currentCulvert() == nullptr)
        return;
    showSurfaceC();
}

void DrainagePage::showCSource(CSource source)
{
    const bool manual = source == CSource::DesignManual;
    m_ui->optManualC->setChecked(manual);
    m_ui->optUserC->setChecked(!manual);
    QWidget* const designManual[] = {m_ui->cboSurface, m_ui->lblCD, m_ui->lblCValue, m_ui->Label27, m_ui->Label28, m_ui->Label9};
    for (QWidget* w : designManual)
        w->setVisible(manual);
    QWidget* const userDefined[] = {m_ui->lblCU, m_ui->txtUserC, m_ui->txtUserSurface, m_ui->Label31};
    for (QWidget* w : userDefined)
        w->setVisible(!manual);
}

void DrainagePage::applyDesignManualMode()
{
    showCSource(CSource::DesignManual);
    m_ui->cboSurface->setFocus(Qt::OtherFocusReason);
}

void DrainagePage::applyUserDefinedMode()
{
    showCSource(CSource::UserDefined);
    m_ui->txtUserC->clear();
    m_ui->txtUserSurface->clear();
    m_ui->txtUserC->setFocus(Qt::OtherFocusReason);
}

// --- rows -----------------------------------------------------------------------------------

void DrainagePage::addSubArea()
{
    MessageBoxes& messages = m_desktop->messages();
    if (m_session->currentCulvert() == nullptr) {
        messages.showMessage(std::string(msg::kNoCulvertId));
        return;
    }

    AreaEntry entry;
    entry.Source = m_ui->optManualC->isChecked() ? CSource::DesignManual : CSource::UserDefined;
    entry.Surface = m_ui->cboSurface->currentText().toStdString();
    entry.CCaption = m_ui->lblCValue->text().toStdString();
    entry.UserSurface = text(m_ui->txtUserSurface);
    entry.UserC = text(m_ui->txtUserC);
    entry.Area = text(m_ui->txtArea);
    entry.UnitIndex = m_ui->cboAreaUnit->currentIndex();
    entry.Description = text(m_ui->txtDesCrption);

    if (const std::optional<AreaEntryRefusal> refusal = checkAddEntry(entry)) {
        messages.showMessage(refusal->Message);
        switch (refusal->Focus) {
        case EntryBox::Surface:
            return emit focusRequested(m_ui->cboSurface);
        case EntryBox::Area:
            return emit focusRequested(m_ui->txtArea);
        case EntryBox::UserC:
            return emit focusRequested(m_ui->txtUserC);
        case EntryBox::UserSurface:
            return emit focusRequested(m_ui->txtUserSurface);
        case EntryBox::ReturnPeriod:
            return emit returnPeriodFocusRequested();
        }
        return;
    }

    appendRows({BuildAreaRow(entry)});
    m_ui->txtArea->clear();
    m_ui->txtDesCrption->clear();
    applyDesignManualMode();
}

void DrainagePage::pasteSubAreas()
{
    MessageBoxes& messages = m_desktop->messages();
    const CulvertRecord* culvert = m_session->currentCulvert();
    if (culvert == nullptr) {
        messages.showMessage(std::string(msg::kNoCulvertId));
        return;
    }
    const AreaPaste paste = readPastedAreas(QGuiApplication::clipboard()->text().toStdString(),
                                            returnPeriodYears(culvert->RetPeriod),
                                            static_cast<std::size_t>(rowCount()));
    std::vector<std::string> rows;
    rows.reserve(paste.Rows.size());
    for (const PastedRow& row : paste.Rows)
        rows.push_back(row.Row);
    if (!rows.empty())
        appendRows(rows);
    if (const std::string message = pasteMessage(paste); !message.empty())
        messages.showMessage(message);
}

void DrainagePage::showCurrentRows()
{
    const int culvert = m_session->CurCulvert();
    if (m_session->subAreaModel().culvert() != culvert)
        m_session->subAreaModel().showCulvert(culvert, *m_session->culvert(culvert));
}

void DrainagePage::appendRows(const std::vector<std::string>& rows)
{
    // The rows are the culvert's: the list parsed again into its sub-areas, its totals after.
    showCurrentRows();
    const int culvert = m_session->CurCulvert();
    m_session->addSubAreaRows(culvert, rows,
                              rows.size() == 1 ? QStringLiteral("Add Sub-area") : QStringLiteral("Paste Sub-areas"));
    m_ui->lblLot->setText(QString::number(rowCount()));
    refreshTotals(culvert);
    m_ui->lstAreaInfo->scrollTo(m_session->subAreaModel().index(rowCount() - 1));
    m_ui->cmdRemove->setEnabled(true);
    m_ui->cmdRemoveAll->setEnabled(true);
    m_session->IsPristine = false;
}

void DrainagePage::rowClicked()
{
    const QModelIndex item = m_ui->lstAreaInfo->currentIndex();
    if (!item.isValid())
        return;
    const QString row = item.data().toString();
    const int comma = row.lastIndexOf(QLatin1Char(','));
    if (row.isEmpty() || comma < 0)
        return;
    m_ui->txtDesCrption->setText(row.mid(comma + 1).trimmed());
    m_ui->txtDesCrption->setEnabled(true);
    m_ui->txtDesCrption->show();
}

void DrainagePage::removeSubArea()
{
    // The rows on show may still be those of a culvert that is no longer current.
    if (m_session->currentCulvert() == nullptr) {
        m_desktop->messages().showMessage(std::string(msg::kNoCulvertId));
        return;
    }
    showCurrentRows();
    QListView* list = m_ui->lstAreaInfo;
    const QModelIndex selected = list->currentIndex();
    if (!selected.isValid() || !list->selectionModel()->isSelected(selected)) {
        m_desktop->messages().showMessage(std::string(msg::kSelectRowToRemove));
        return;
    }
    const int culvert = m_session->CurCulvert();
    m_session->removeSubArea(culvert, selected.row());
    if (rowCount() == 0) {
        clearAllRows();
        return;
    }
    m_ui->lblLot->setText(QString::number(rowCount()));
    refreshTotals(culvert);
    m_ui->cboSurface->setFocus(Qt::OtherFocusReason);
}

void DrainagePage::removeAllSubAreas()
{
    if (m_session->currentCulvert() == nullptr) {
        m_desktop->messages().showMessage(std::string(msg::kNoCulvertId));
        return;
    }
    showCurrentRows();
    m_session->removeAllSubAreas(m_session->CurCulvert());
    clearAllRows();
}

void DrainagePage::clearAllRows()
{
    m_ui->lblTA->setText(QStringLiteral("0.00"));
    m_ui->lblWC->setText(QStringLiteral("0.00"));
    m_ui->lblLot->setText(QStringLiteral("0"));
    // The station/description belongs to the culvert, not to its sub-areas: it stays.
    m_ui->cmdRemove->setEnabled(false);
    m_ui->cmdRemoveAll->setEnabled(false);
    m_ui->cboSurface->setFocus(Qt::OtherFocusReason);
}

}  // namespace sw
