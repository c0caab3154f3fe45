#include "ui/main/drainageeditor.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "core/messages.h"
#include "core/numbers.h"
#include "engine/arearows.h"
#include "engine/runoff.h"
#include "engine/subarealine.h"
#include "engine/tables.h"
#include "platform/backcolour.h"
#include "ui/main/controlevents.h"
#include "ui/main/frmmain.h"
#include "ui/main/intensityeditor.h"
#include "ui_frmmain.h"

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

bool isTableSurface(const std::string& surface)
{
    for (const SurfaceCoef& row : designTables().SurfaceTable)
        if (row.SurfaceName == surface)
            return true;
    return false;
}

}  // namespace

DrainageEditor::DrainageEditor(FrmMain& window)
    : m_window(window), m_ui(window.controls()), m_events(new ControlEvents(this))
{
    QComboBox* surface = m_ui.cboSurface;
    connect(surface, &QComboBox::activated, this, &DrainageEditor::surfacePicked);
    if (surface->lineEdit())
        connect(surface->lineEdit(), &QLineEdit::textEdited, this, &DrainageEditor::surfaceTyped);
    connect(m_ui.cboAreaUnit, &QComboBox::activated, this, [this] { m_ui.cmdAdd->setEnabled(true); });
    connect(m_ui.txtUserSurface, &QLineEdit::textChanged, this, [this] {
        for (QWidget* box : std::initializer_list<QWidget*>{m_ui.txtArea, m_ui.txtDesCrption}) {
            box->setEnabled(true);
            setBackColour(box, BackColour::WindowBackground);
        }
        m_ui.cboAreaUnit->setEnabled(true);
    });
    connect(m_ui.optManualC, &QRadioButton::clicked, this, &DrainageEditor::applyDesignManualMode);
    connect(m_ui.optUserC, &QRadioButton::clicked, this, &DrainageEditor::applyUserDefinedMode);
    connect(m_ui.lstAreaInfo, &QListWidget::itemClicked, this, &DrainageEditor::rowClicked);
    connect(m_ui.cmdAdd, &QPushButton::clicked, this, &DrainageEditor::addSubArea);
    connect(m_ui.cmdRemove, &QPushButton::clicked, this, &DrainageEditor::removeSubArea);
    connect(m_ui.cmdRemoveAll, &QPushButton::clicked, this, &DrainageEditor::removeAllSubAreas);

    // Enter moves along the page's chain of boxes.
    const std::pair<QWidget*, QWidget*> enterChain[] = {
        {m_ui.cboSurface, m_ui.txtArea},      {m_ui.txtArea, m_ui.cboAreaUnit},
        {m_ui.cboAreaUnit, m_ui.txtDesCrption}, {m_ui.txtDesCrption, m_ui.cmdAdd},
        {m_ui.txtUserC, m_ui.txtUserSurface}, {m_ui.txtUserSurface, m_ui.txtArea},
    };
    for (const auto& [from, to] : enterChain) {
        m_events->onKeyPress(from, [to = to](QKeyEvent& key) {
            if (!ControlEvents::isEnter(key))
                return false;
            to->setFocus(Qt::OtherFocusReason);
            return true;
        });
    }
    for (QWidget* box : std::initializer_list<QWidget*>{m_ui.txtArea, m_ui.txtDesCrption, m_ui.txtUserC, m_ui.txtUserSurface}) {
        m_events->onFocusIn(box, [box] { setBackColour(box, BackColour::Entry); });
        m_events->onFocusOut(box, [box] { setBackColour(box, BackColour::White); });
    }
    m_events->onLeave(m_ui.txtUserSurface, [this] { m_ui.txtArea->setFocus(Qt::OtherFocusReason); });
}

DrainageEditor::~DrainageEditor()
{
    m_events->unwatchAll();
}

int DrainageEditor::rowCount() const
{
    return m_ui.lstAreaInfo->count();
}

void DrainageEditor::showTotals(const std::optional<TotalsLabels>& totals)
{
    if (!totals)
        return;
    m_ui.lblTA->setText(qs(totals->TotalArea));
    m_ui.lblWC->setText(qs(totals->WeightedC));
}

void DrainageEditor::loadCurrentCulvert()
{
    AppState& state = m_window.state();
    const CulvertRecord* culvert = currentCulvert(state);
    if (culvert == nullptr)
        return;

    if (declaredAreaCount(*culvert) == 0) {
        {
            // Emptied for the view only: the culvert keeps its stored station/description.
            const QSignalBlocker keepDescription(m_ui.txtCulvertDescrpt);
            m_ui.txtCulvertDescrpt->clear();
        }
        m_ui.txtArea->clear();
        m_ui.txtDesCrption->clear();
        m_ui.lstAreaInfo->clear();
        m_ui.lblLot->clear();
        m_ui.lblTA->clear();
        m_ui.lblWC->clear();
        return;
    }

    // LoadAreaList
    m_ui.lstAreaInfo->clear();
    // Setting the boxes runs their change handling, which writes into this same record.
    m_window.intensity().setReturnPeriodText(qs(culvert->RetPeriod));
    m_ui.txtCulvertDescrpt->setEnabled(true);
    setBackColour(m_ui.txtCulvertDescrpt, BackColour::WindowBackground);
    m_ui.txtCulvertDescrpt->setText(qs(culvert->Description));
    const std::size_t count = validAreaCount(*culvert);
    for (std::size_t j = 0; j < count; ++j)
        m_ui.lstAreaInfo->addItem(qs(subAreaLine(culvert->Areas[j])));
    m_ui.cboSurface->setEnabled(true);

    m_ui.lblLot->setText(qs(culvert->NumOfAreas));
    showTotals(CalAC(state, state.CurCulvert));
}

void DrainageEditor::showCUpdate(const CUpdate& update)
{
    if (update.Rows.empty())
        return;
    m_ui.lstAreaInfo->clear();
    for (const std::string& row : update.Rows)
        m_ui.lstAreaInfo->addItem(qs(row));
    showTotals(update.Totals);
}

void DrainageEditor::showSurfaceC()
{
    AppState& state = m_window.state();
    CulvertRecord* culvert = currentCulvert(state);
    if (state.EditorsLive)
        culvert->RetPeriod = m_ui.cboretPeriod->currentText().toStdString();
    const std::optional<std::int16_t> years = returnPeriodYears(culvert->RetPeriod);
    if (!years) {
        m_ui.lblCValue->clear();
        m_window.desktop().messages().showMessage(std::string(msg::kReturnPeriodNotWhole16));
        return;
    }
    const double c = GetCValue(m_ui.cboSurface->currentText().toStdString(), *years, text(m_ui.txtUserC));
    m_ui.lblCValue->setText(qs(plainNumber(c)));
}

void DrainageEditor::surfacePicked()
{
    if (currentCulvert(m_window.state()) == nullptr)
        return;
    for (QWidget* box : std::initializer_list<QWidget*>{m_ui.txtArea, m_ui.txtDesCrption}) {
        box->setEnabled(true);
        setBackColour(box, BackColour::WindowBackground);
    }
    m_ui.cboAreaUnit->setEnabled(true);
    showSurfaceC();
}

void DrainageEditor::surfaceTyped()
{
    if (currentCulvert(m_window.state()) == nullptr)
        return;
    showSurfaceC();
}

void DrainageEditor::showCSource(CSource source)
{
    const bool manual = source == CSource::DesignManual;
    m_ui.optManualC->setChecked(manual);
    m_ui.optUserC->setChecked(!manual);
    QWidget* const designManual[] = {m_ui.cboSurface, m_ui.lblCD, m_ui.lblCValue, m_ui.Label27, m_ui.Label28, m_ui.Label9};
    for (QWidget* w : designManual)
        w->setVisible(manual);
    QWidget* const userDefined[] = {m_ui.lblCU, m_ui.txtUserC, m_ui.txtUserSurface, m_ui.Label31};
    for (QWidget* w : userDefined)
        w->setVisible(!manual);
}

void DrainageEditor::applyDesignManualMode()
{
    showCSource(CSource::DesignManual);
    m_ui.cboSurface->setFocus(Qt::OtherFocusReason);
}

void DrainageEditor::applyUserDefinedMode()
{
    showCSource(CSource::UserDefined);
    m_ui.txtUserC->clear();
    m_ui.txtUserSurface->clear();
    m_ui.txtUserC->setFocus(Qt::OtherFocusReason);
}

void DrainageEditor::addSubArea()
{
    AppState& state = m_window.state();
    MessageBoxes& messages = m_window.desktop().messages();
    auto refuse = [this, &messages](std::string_view message, QWidget* focus) {
        messages.showMessage(std::string(message));
        if (focus != nullptr)
            m_window.focusControl(focus);
    };
    if (currentCulvert(state) == nullptr)
        return refuse(msg::kNoCulvertId, nullptr);

    AreaEntry entry;
    entry.Source = m_ui.optManualC->isChecked() ? CSource::DesignManual : CSource::UserDefined;
    entry.Surface = m_ui.cboSurface->currentText().toStdString();
    entry.CCaption = m_ui.lblCValue->text().toStdString();
    entry.UserSurface = text(m_ui.txtUserSurface);
    entry.UserC = text(m_ui.txtUserC);
    entry.Area = text(m_ui.txtArea);
    entry.UnitIndex = m_ui.cboAreaUnit->currentIndex();
    entry.Description = text(m_ui.txtDesCrption);

    if (entry.Source == CSource::DesignManual) {
        // A surface typed in that is not one of the table's would take its C from the hidden
        // user-defined box: only a surface of the list has a design-manual C.
        if (entry.Surface.empty() || !isTableSurface(entry.Surface))
            return refuse(msg::kSelectSurface, m_ui.cboSurface);
        if (numericValue(entry.CCaption) <= 0)
            return refuse(msg::kReturnPeriodNotWhole16, m_ui.cboretPeriod);
        if (numericValue(entry.Area) <= 0)
            return refuse(msg::kAreaNotPositive, m_ui.txtArea);
    } else {
        if (numericValue(entry.UserC) <= 0)
            return refuse(msg::kUserCNotPositive, m_ui.txtUserC);
        if (entry.UserSurface.empty())
            return refuse(msg::kNoUserSurface, m_ui.txtUserSurface);
        if (numericValue(entry.Area) <= 0)
            return refuse(msg::kAreaNotPositive, m_ui.txtArea);
    }
    switch (checkAreaEntry(entry)) {
    case AreaEntryFault::None:
        break;
    case AreaEntryFault::CommaInUserSurface:
        return refuse(msg::kCommaInUserSurface, m_ui.txtUserSurface);
    case AreaEntryFault::CommaInUserC:
        return refuse(msg::kCommaInUserC, m_ui.txtUserC);
    case AreaEntryFault::AreaNotPlainNumber:
        return refuse(msg::kAreaNotPlainNumber, m_ui.txtArea);
    case AreaEntryFault::AreaTooLarge:
        return refuse(msg::kAreaTooLarge, m_ui.txtArea);
    case AreaEntryFault::AreaTooWide:
        return refuse(msg::kAreaTooWide, m_ui.txtArea);
    }

    m_ui.lstAreaInfo->addItem(qs(BuildAreaRow(entry)));
    m_ui.lblLot->setText(QString::number(rowCount()));
    storeRowsIntoCulvert();

    m_ui.txtArea->clear();
    m_ui.txtDesCrption->clear();
    m_ui.cmdRemove->setEnabled(true);
    m_ui.cmdRemoveAll->setEnabled(true);
    applyDesignManualMode();
}

void DrainageEditor::storeRowsIntoCulvert()
{
    AppState& state = m_window.state();
    CulvertRecord* culvert = currentCulvert(state);
    if (culvert == nullptr)
        return;
    const int rows = rowCount();
    culvert->NumOfAreas = std::to_string(rows);
    culvert->Areas.resize(static_cast<std::size_t>(rows));
    for (int i = 0; i < rows; ++i)  // StoreAreaList
        culvert->Areas[static_cast<std::size_t>(i)] = parseAreaRow(m_ui.lstAreaInfo->item(i)->text().toStdString());
    showTotals(CalAC(state, state.CurCulvert));
}

void DrainageEditor::rowClicked()
{
    const QListWidgetItem* item = m_ui.lstAreaInfo->currentItem();
    if (item == nullptr)
        return;
    const QString row = item->text();
    const int comma = row.lastIndexOf(QLatin1Char(','));
    if (row.isEmpty() || comma < 0)
        return;
    m_ui.txtDesCrption->setText(row.mid(comma + 1).trimmed());
    m_ui.txtDesCrption->setEnabled(true);
    m_ui.txtDesCrption->show();
}

void DrainageEditor::removeSubArea()
{
    // The rows on show may still be those of a culvert that is no longer current.
    if (currentCulvert(m_window.state()) == nullptr) {
        m_window.desktop().messages().showMessage(std::string(msg::kNoCulvertId));
        return;
    }
    QListWidget* list = m_ui.lstAreaInfo;
    const int row = list->currentRow();
    if (row < 0 || list->selectedItems().isEmpty()) {
        m_window.desktop().messages().showMessage(std::string(msg::kSelectRowToRemove));
        return;
    }
    delete list->takeItem(row);
    if (rowCount() == 0) {
        m_ui.cmdRemove->setEnabled(false);
        m_ui.cmdRemoveAll->setEnabled(false);
    }
    m_ui.lblLot->setText(QString::number(rowCount()));
    currentCulvert(m_window.state())->NumOfAreas = std::to_string(rowCount());
    if (rowCount() > 0) {
        storeRowsIntoCulvert();
        m_ui.cboSurface->setFocus(Qt::OtherFocusReason);
        return;
    }
    clearAllRows();
}

void DrainageEditor::removeAllSubAreas()
{
    if (currentCulvert(m_window.state()) == nullptr) {
        m_window.desktop().messages().showMessage(std::string(msg::kNoCulvertId));
        return;
    }
    clearAllRows();
}

void DrainageEditor::clearAllRows()
{
    m_ui.lstAreaInfo->clear();
    m_ui.lblTA->setText(QStringLiteral("0.00"));
    m_ui.lblWC->setText(QStringLiteral("0.00"));
    m_ui.lblLot->setText(QStringLiteral("0"));
    // The station/description belongs to the culvert, not to its sub-areas: it stays.
    m_ui.cmdRemove->setEnabled(false);
    m_ui.cmdRemoveAll->setEnabled(false);
    if (CulvertRecord* culvert = currentCulvert(m_window.state())) {
        culvert->NumOfAreas = "0";
        culvert->Areas.clear();
    }
    m_ui.cboSurface->setFocus(Qt::OtherFocusReason);
}

}  // namespace sw
