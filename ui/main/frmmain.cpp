#include "ui/main/frmmain.h"

#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTimer>

#include "core/text.h"
#include "engine/tables.h"
#include "platform/fonts.h"
#include "platform/screenunits.h"
#include "ui/main/comboboxtext.h"
#include "ui/main/culvertlisteditor.h"
#include "ui/main/drainagepage.h"
#include "ui/main/filecommands.h"
#include "ui/main/frmabout.h"
#include "ui/main/frmrfzone.h"
#include "ui/main/frmrptable.h"
#include "ui/main/intensitypage.h"
#include "ui/main/projectpage.h"
#include "ui/results/resultswindows.h"
#include "ui_frmmain.h"

namespace sw {
namespace {

constexpr int kRunMenuTimerMs = 500;

void bringToFront(QWidget* window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

// The busy pointer while a window loads, back to the default however the load ends.
class BusyPointer {
public:
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

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
    m_project = m_ui->tabProjectInfo;
    m_intensity = m_ui->tabIntensityInfo;
    m_drainage = m_ui->tabDrainageInfo;

    // Typed culvert IDs, return periods and units are taken exactly as typed: no completion
    // that would turn "1" into "12", no entry added by Enter. Before the pages' own handling, so
    // that a typed text has chosen its entry by the time a page reads it.
    for (QComboBox* box : findChildren<QComboBox*>()) {
        if (box->isEditable()) {
            box->setCompleter(nullptr);
            box->setInsertPolicy(QComboBox::NoInsert);
            followTypedText(box);
        }
    }

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
    // mnuBeta only shows the version.

    // The pages handle from before the load, so that the texts the load sets run their handling.
    m_project->bind(m_state, m_desktop);
    IntensityPage* intensity = m_intensity;
    m_drainage->bind(m_state, m_desktop, [intensity] { return intensity->returnPeriodText(); });
    m_intensity->bind(m_state, m_desktop);
    m_culvertList = std::make_unique<CulvertListEditor>(*this, *m_intensity, *m_drainage);

    // What one page asks of another, or of the window.
    connect(m_intensity, &IntensityPage::focusRequested, this, &FrmMain::focusControl);
    connect(m_drainage, &DrainagePage::focusRequested, this, &FrmMain::focusControl);
    connect(m_drainage, &DrainagePage::returnPeriodFocusRequested, this,
            [this] { focusControl(m_intensity->returnPeriodBox()); });
    connect(m_drainage, &DrainagePage::returnPeriodLoaded, m_intensity, &IntensityPage::setReturnPeriodText);
    connect(m_intensity, &IntensityPage::returnPeriodGiven, m_drainage, &DrainagePage::returnPeriodGiven);
    connect(m_intensity, &IntensityPage::returnPeriodChanged, m_drainage, &DrainagePage::updateCValues);
    connect(m_intensity, &IntensityPage::returnPeriodLeft, m_drainage, &DrainagePage::reconcileCValues);
    connect(m_intensity, &IntensityPage::zoneMapRequested, this, &FrmMain::showZoneMap);
    connect(m_intensity, &IntensityPage::frequencyTableRequested, this, &FrmMain::showFrequencyTable);

    m_results = new ResultsWindows(m_state, m_desktop, *this, this);
    connect(this, &FrmMain::runRequested, m_results, &ResultsWindows::run);
    connect(m_culvertList.get(), &CulvertListEditor::culvertsChanged, m_results, &ResultsWindows::projectChanged);
    m_culvertList->setSelectorBoxFollower([this](const QString& id) {
        if (FrmCulvertSelector* selector = m_results->selector())
            selector->setCulvertText(id);
    });

    m_fileCommands = new FileCommands(*this);
    connect(m_ui->mnuNew, &QAction::triggered, m_fileCommands, [this] { m_fileCommands->runNew(); });
    connect(m_ui->mnuOpen, &QAction::triggered, m_fileCommands, [this] { m_fileCommands->runOpen(); });
    connect(m_ui->mnuSave, &QAction::triggered, m_fileCommands, [this] { m_fileCommands->runSave(); });
    connect(m_ui->mnuSaveAs, &QAction::triggered, m_fileCommands, [this] { m_fileCommands->runSaveAs(); });

    load();
}

FrmMain::~FrmMain()
{
    // The windows of a run go with the window they ran from.
    delete m_results;
    // The handling goes first: the controls it watches send focus events while they are destroyed.
    m_culvertList.reset();
    m_intensity->unbind();
    m_drainage->unbind();
    m_project->unbind();
}

void FrmMain::centreOnScreen()
{
    const ScreenArea screen = m_desktop.system().screen();
    resize(std::min(width(), screen.width), std::min(height(), screen.height));
    sw::centreOnScreen(*this, screen);
}

void FrmMain::load()
{
    const DesignTables& tables = designTables();

    centreOnScreen();
    m_ui->SSTab1->setCurrentIndex(0);

    // InitTables: the date and time first, through their change handling, then the tables and
    // the window's own flags.
    const CalendarDate today = m_desktop.clock().today();
    m_project->setFieldText(ProjectPage::Field::ProjectDate,
                            QString::fromStdString(formatDate(today.year, today.month, today.day)));
    m_project->setTimeCaption(QString::fromStdString(m_desktop.clock().timeOfDay()));
    InitTables();
    m_state.CurCulvert = kNoCulvert;
    m_state.EditorsLive = true;
    m_state.IsPristine = true;

    m_ui->mnuRun->setEnabled(false);

    // The lists and their first entries, page by page in the order the window has always filled
    // them.
    m_drainage->fillSurfaceList(surfaceNames());
    const std::vector<std::string> periods = returnPeriodTexts();
    m_intensity->fillReturnPeriodList(periods);
    m_drainage->fillAreaUnitList(tables.AreaUnitNames);
    m_intensity->showStartReturnPeriod(QString::fromStdString(periods.front()));
    m_drainage->showStartValues(QString::fromStdString(tables.AreaUnitNames.front()));
    const std::size_t zones = std::min<std::size_t>(3, tables.ZoneNames.size());
    m_intensity->fillStartLists(std::vector<std::string>(tables.ZoneNames.begin(),
                                                         tables.ZoneNames.begin() + static_cast<std::ptrdiff_t>(zones)),
                                tables.LengthUnitNames, tables.TCFactorNames);

    m_timer1->start();
    // Where the typing starts once the window shows.
    m_project->focusFirstBox(Qt::OtherFocusReason);
}

void FrmMain::onTabChanged(int index)
{
    switch (index) {
    case 0:
        m_project->focusFirstBox(Qt::TabFocusReason);
        break;
    case 1:
        m_intensity->focusFirstBox(Qt::TabFocusReason);
        break;
    case 2:
        m_drainage->focusFirstBox(Qt::TabFocusReason);
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
    if (m_culvertList->culvertCount() >= 1) {
        m_ui->mnuRun->setEnabled(true);
        m_timer1->stop();
    }
}

QStringList FrmMain::culvertIds() const
{
    QStringList ids;
    const QComboBox* box = m_intensity->culvertBox();
    for (int i = 0; i < box->count(); ++i)
        ids << box->itemText(i);
    return ids;
}

QString FrmMain::culvertText() const
{
    return m_intensity->culvertBox()->currentText();
}

QString FrmMain::caption() const
{
    return windowTitle();
}

void FrmMain::focusProjectName()
{
    m_project->box(ProjectPage::Field::ProjectName)->setFocus(Qt::OtherFocusReason);
}

void FrmMain::showCulvert(int culvert)
{
    const QComboBox* box = m_intensity->culvertBox();
    if (culvert >= 0 && culvert < box->count())
        m_culvertList->setCulvertNo2Text(box->itemText(culvert));
}

void FrmMain::refreshCulvertDisplays(int culvert)
{
    m_drainage->refreshTotals(culvert);
    m_intensity->LoadIntensityInputs(culvert);
    m_intensity->StoreIntensityInputs(culvert);
    m_intensity->showIntensity(culvert);
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

void FrmMain::showZoneMap()
{
    if (m_zoneMap) {
        bringToFront(m_zoneMap);
        return;
    }
    const BusyPointer busy;
    m_zoneMap = new FrmRFzone(m_desktop, *m_intensity, this);
    m_zoneMap->show();
}

void FrmMain::showFrequencyTable()
{
    if (m_frequencyTable) {
        bringToFront(m_frequencyTable);
        return;
    }
    m_frequencyTable = new FrmRPTable(m_desktop, *m_intensity, this);
    m_frequencyTable->show();
}

FrmRFzone* FrmMain::zoneMap() const
{
    return m_zoneMap.data();
}

FrmRPTable* FrmMain::frequencyTable() const
{
    return m_frequencyTable.data();
}

void FrmMain::closeZoneMapAndTable()
{
    if (m_zoneMap)
        m_zoneMap->close();
    if (m_frequencyTable)
        m_frequencyTable->close();
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
