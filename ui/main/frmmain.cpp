#include "ui/main/frmmain.h"

#include <algorithm>

#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetrics>
#include <QListWidget>
#include <QScrollBar>
#include <QTabWidget>
#include <QTimer>

#include "core/numbers.h"
#include "core/text.h"
#include "engine/tables.h"
#include "platform/backcolour.h"
#include "platform/fonts.h"
#include "ui/main/artwork.h"
#include "ui/main/comboboxtext.h"
#include "ui/main/culvertlisteditor.h"
#include "ui/main/drainageeditor.h"
#include "ui/main/filecommands.h"
#include "ui/main/intensityeditor.h"
#include "ui/main/frmabout.h"
#include "ui/main/projectfieldseditor.h"
#include "ui_frmmain.h"

namespace sw {
namespace {

constexpr int kRunMenuTimerMs = 500;
// The sub-area rows are 62 characters; the intensity lines are shorter but carry the culvert ID.
constexpr int kFixedPitchListColumns = 66;

void addItems(QComboBox* box, const std::vector<std::string>& items)
{
    for (const std::string& item : items)
        box->addItem(QString::fromStdString(item));
    // Qt shows the first item of a box that was empty; the box keeps its text instead, so that
    // nothing looks chosen that the user did not choose.
    box->setCurrentIndex(-1);
}

}  // namespace

FrmMain::FrmMain(AppState& state, Desktop& desktop, QWidget* parent)
    : QMainWindow(parent),
      m_state(state),
      m_desktop(desktop),
      m_ui(std::make_unique<Ui::FrmMain>()),
      m_registration(desktop.windows(), this, "frmMain")
{
    ensureFontSubstitutions();
    setAttribute(Qt::WA_DeleteOnClose);
    m_ui->setupUi(this);

    // Typed culvert IDs, return periods and units are taken exactly as typed: no completion
    // that would turn "1" into "12", no entry added by Enter.
    for (QComboBox* box : findChildren<QComboBox*>()) {
        if (box->isEditable()) {
            box->setCompleter(nullptr);
            box->setInsertPolicy(QComboBox::NoInsert);
            followTypedText(box);
        }
    }
    // Shown only once a culvert exists, or in the other mode of their page.
    for (QWidget* hidden : std::initializer_list<QWidget*>{m_ui->cmdFqyTable, m_ui->cmdRFMap, m_ui->txtCorFactor, m_ui->txtUserSurface, m_ui->Label31, m_ui->lblCU, m_ui->txtUserC})
        hidden->hide();
    m_ui->cmdFqyTable->setIcon(frequencyTableIcon());
    m_ui->cmdRFMap->setIcon(rainfallMapIcon());
    fitFixedPitchLists();
    // The value boxes start with the off colour until a culvert is chosen.
    for (QWidget* box : std::initializer_list<QWidget*>{m_ui->txtEleRemote, m_ui->txtEleCulvert, m_ui->txtLenTravel})
        setBackColour(box, BackColour::ButtonFace);

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(kRunMenuTimerMs);
    connect(m_timer1, &QTimer::timeout, this, &FrmMain::onRunMenuTimer);

    connect(m_ui->SSTab1, &QTabWidget::currentChanged, this, &FrmMain::onTabChanged);
    connect(m_ui->mnuAbout, &QAction::triggered, this, &FrmMain::showAbout);
    connect(m_ui->mnuExit, &QAction::triggered, this, [this] { runExit(); });
    connect(m_ui->cmdClose, &QPushButton::clicked, this, [this] { runExit(); });
    connect(m_ui->mnuRun, &QAction::triggered, this, &FrmMain::runRequested);
    connect(m_ui->cmdRunApp, &QPushButton::clicked, this, &FrmMain::runRequested);
    // mnuBeta only shows the version; New, Open, Save and Save As are the File commands'.

    // The editors exist before the load, so that the texts the load sets run their handling.
    m_projectFields = std::make_unique<ProjectFieldsEditor>(*m_ui, m_state, m_desktop);
    m_drainage = std::make_unique<DrainageEditor>(*this);
    m_intensity = std::make_unique<IntensityEditor>(*this, *m_drainage);
    m_culvertList = std::make_unique<CulvertListEditor>(*this, *m_intensity);
    connect(this, &FrmMain::culvertIdCaptionChanged, m_drainage.get(), &DrainageEditor::loadCurrentCulvert);
    m_fileCommands = new FileCommands(*this);

    load();
}

FrmMain::~FrmMain()
{
    // The editors go first: the controls they watch send focus events while they are destroyed.
    m_culvertList.reset();
    m_intensity.reset();
    m_drainage.reset();
    m_projectFields.reset();
}

void FrmMain::centreOnScreen()
{
    const ScreenArea screen = m_desktop.system().screen();
    resize(std::min(width(), screen.width), std::min(height(), screen.height));
    move(screen.left + (screen.width - width()) / 2, screen.top + (screen.height - height()) / 2);
}

void FrmMain::fitFixedPitchLists()
{
    for (QListWidget* list : {m_ui->lstAreaInfo, m_ui->lstIntensity}) {
        const QFontMetrics metrics(list->font());
        const int text = metrics.horizontalAdvance(QString(kFixedPitchListColumns, QLatin1Char('0')));
        list->setMinimumWidth(text + 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width());
        list->setMinimumHeight(metrics.lineSpacing() * 8 + 2 * list->frameWidth());
    }
}

void FrmMain::load()
{
    const DesignTables& tables = designTables();

    centreOnScreen();
    m_ui->SSTab1->setCurrentIndex(0);

    // InitTables: the date and time first, through their change handling, then the tables and
    // the flags.
    const CalendarDate today = m_desktop.clock().today();
    m_projectFields->setFieldText(ProjectFieldsEditor::Field::ProjectDate,
                                  QString::fromStdString(formatDate(today.year, today.month, today.day)));
    setTimeCaption(QString::fromStdString(m_desktop.clock().timeOfDay()));
    InitTables(m_state);

    m_ui->mnuRun->setEnabled(false);
    m_ui->cboSurface->setEnabled(true);

    addItems(m_ui->cboSurface, surfaceNames());
    const std::vector<std::string> periods = returnPeriodTexts();
    addItems(m_ui->cboretPeriod, periods);
    addItems(m_ui->cboAreaUnit, tables.AreaUnitNames);
    replaceComboText(m_ui->cboretPeriod, QString::fromStdString(periods.front()));
    replaceComboText(m_ui->cboAreaUnit, QString::fromStdString(tables.AreaUnitNames.front()));

    m_ui->lblTA->setText(QString::fromStdString(formatNumber(0, "0.00")));
    m_ui->lblWC->setText(QString::fromStdString(formatNumber(0, "0.00")));
    m_ui->lblLot->setText(QString::number(m_ui->lstAreaInfo->count()));

    const std::size_t zones = std::min<std::size_t>(3, tables.ZoneNames.size());
    addItems(m_ui->cboRFzone, std::vector<std::string>(tables.ZoneNames.begin(),
                                                       tables.ZoneNames.begin() + static_cast<std::ptrdiff_t>(zones)));
    for (QComboBox* unit : {m_ui->cboRemoteUnit, m_ui->cboCulvertUnit, m_ui->cboTravelUnit})
        addItems(unit, tables.LengthUnitNames);
    addItems(m_ui->cboTCFactorList, tables.TCFactorNames);

    const QString feet = QString::fromStdString(tables.LengthUnitNames.front());
    for (QComboBox* unit : {m_ui->cboRemoteUnit, m_ui->cboCulvertUnit, m_ui->cboTravelUnit})
        replaceComboText(unit, feet);
    replaceComboText(m_ui->cboRFzone, QString::fromStdString(tables.ZoneNames.front()));

    m_timer1->start();
    // Where the typing starts once the window shows.
    m_ui->txtProjectName->setFocus(Qt::OtherFocusReason);
}

void FrmMain::setTimeCaption(const QString& caption)
{
    m_ui->lblTime->setText(caption);
    m_projectFields->timeCaptionChanged(caption);
}

void FrmMain::setCulvertIdCaption(const QString& caption)
{
    m_ui->lblCulvertID->setText(caption);
    emit culvertIdCaptionChanged(caption);
}

void FrmMain::setCorFactorCaption(const QString& caption)
{
    m_ui->lblCorFactor->setText(caption);
    emit corFactorCaptionChanged(caption);
}

void FrmMain::onTabChanged(int index)
{
    switch (index) {
    case 0:
        m_ui->txtProjectName->setFocus(Qt::TabFocusReason);
        break;
    case 1:
        m_ui->cboCulvertNo2->setFocus(Qt::TabFocusReason);
        break;
    case 2:
        m_ui->txtCulvertDescrpt->setFocus(Qt::TabFocusReason);
        break;
    default:
        break;
    }
}

void FrmMain::focusControl(QWidget* control)
{
    QTabWidget* tabs = m_ui->SSTab1;
    for (int i = 0; i < tabs->count(); ++i) {
        if (tabs->widget(i)->isAncestorOf(control) && tabs->currentIndex() != i)
            tabs->setCurrentIndex(i);
    }
    // After the change of tab, whose handler focuses the first box of the page.
    control->setFocus(Qt::OtherFocusReason);
}

void FrmMain::onRunMenuTimer()
{
    // Once a culvert has existed the menu stays enabled, until the window is loaded anew.
    if (m_ui->cboCulvertNo2->count() >= 1) {
        m_ui->mnuRun->setEnabled(true);
        m_timer1->stop();
    }
}

bool FrmMain::runExit()
{
    return m_fileCommands->runExit();
}

void FrmMain::showAbout()
{
    if (m_about) {
        m_about->show();
        m_about->raise();
        m_about->activateWindow();
        return;
    }
    m_about = new FrmAbout(m_desktop, this);
    m_about->show();
}

FrmAbout* FrmMain::aboutBox() const
{
    return m_about.data();
}

void FrmMain::closeEvent(QCloseEvent* event)
{
    // Only a close the user asked for (the close box) runs Exit; a close from code, as New does,
    // simply unloads the window.
    if (event->spontaneous() && !runExit()) {
        event->ignore();
        return;
    }
    m_registration.unregister();
    event->accept();
}

FrmMain* createMainWindow(AppState& state, Desktop& desktop)
{
    auto* window = new FrmMain(state, desktop);
    window->show();
    return window;
}

}  // namespace sw
