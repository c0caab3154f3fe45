#include "ui/main/frmmain.h"

#include <algorithm>

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTimer>
#include <QUndoStack>

#include "core/messages.h"
#include "core/text.h"
#include "engine/tables.h"
#include "platform/fonts.h"
#include "platform/recentprojects.h"
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
#include "ui/results/frmcompare.h"
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

FrmMain::FrmMain(ProjectSession& session, WindowState& windowState, Desktop& desktop, QWidget* parent)
    : QMainWindow(parent),
      m_session(session),
      m_windowState(windowState),
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
    m_project->bind(m_session, m_desktop);
    IntensityPage* intensity = m_intensity;
    m_drainage->bind(m_session, m_desktop, [intensity] { return intensity->returnPeriodText(); });
    m_intensity->bind(m_session, m_desktop);
    m_culvertList = std::make_unique<CulvertListEditor>(m_session, m_desktop, *m_intensity, *m_drainage,
                                                        [this](QWidget* control) { focusControl(control); });

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

    m_results = new ResultsWindows(m_session, m_windowState, m_desktop, *this, this);
    connect(this, &FrmMain::runRequested, m_results, &ResultsWindows::run);
    // A culvert added, renamed or deleted: the windows of a run showed a project no longer there.
    connect(&m_session, &ProjectSession::culvertsChanged, m_results, &ResultsWindows::projectChanged);
    connect(&m_session, &ProjectSession::documentReplaced, this, &FrmMain::showDocument);
    connect(&m_session, &ProjectSession::historyApplied, this, &FrmMain::showAfterHistory);
    connect(&m_session, &ProjectSession::fieldChanged, this, [this](int culvert, int key) {
        if (culvert == -1)
            m_headerFieldChanged = ProjectField(key);
    });
    connect(&m_session, &ProjectSession::fileChanged, this, &FrmMain::showCaption);
    m_culvertList->setSelectorBoxFollower([this](const QString& id) {
        if (FrmCulvertSelector* selector = m_results->selector())
            selector->setCulvertText(id);
    });

    m_fileCommands = new FileCommands(*this, this);
    connect(m_ui->mnuNew, &QAction::triggered, m_fileCommands, [this] { m_fileCommands->runNew(); });
    connect(m_ui->mnuOpen, &QAction::triggered, m_fileCommands, [this] { m_fileCommands->runOpen(); });
    connect(m_ui->mnuSave, &QAction::triggered, m_fileCommands, [this] { m_fileCommands->runSave(); });
    connect(m_ui->mnuSaveAs, &QAction::triggered, m_fileCommands, [this] { m_fileCommands->runSaveAs(); });
    // Read as the menu opens: another program may have changed the list meanwhile.
    connect(m_ui->mnuOpenRecent, &QMenu::aboutToShow, this, &FrmMain::fillRecentMenu);
    connect(m_ui->mnuClearRecent, &QAction::triggered, this, [] { RecentProjects().clear(); });
    connect(m_ui->mnuCompareWith, &QAction::triggered, this,
            [this] { compareWith(m_desktop, m_session.document(), caption().toStdString()); });

    setUpEditMenu();
    showCaption();
    load();
}

FrmMain::~FrmMain()
{
    detachFromSession();
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
    m_session.setCurCulvert(kNoCulvert);
    m_session.EditorsLive = true;
    m_session.IsPristine = true;

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
    // The history begins with the window: its date and time are no change to take back.
    m_session.clearHistory();
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
    for (const std::string& id : m_session.culvertIds())
        ids << QString::fromStdString(id);
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
    if (const CulvertRecord* record = m_session.culvert(culvert))
        m_culvertList->setCulvertNo2Text(QString::fromStdString(record->CulvertNo));
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
    m_zoneMap = new FrmRFzone(m_desktop, [this](const QString& zone) { return m_intensity->takeMapZone(zone); }, this);
    m_zoneMap->show();
}

void FrmMain::showFrequencyTable()
{
    if (m_frequencyTable) {
        bringToFront(m_frequencyTable);
        return;
    }
    m_frequencyTable = new FrmRPTable(
        m_desktop, [this](const QString& period) { return m_intensity->takeTableReturnPeriod(period); }, this);
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
    // Unloaded: a project that replaces this one is the fresh window's to show.
    detachFromSession();
    event->accept();
}

// --- the session ------------------------------------------------------------------------------

void FrmMain::detachFromSession()
{
    m_session.disconnect(this);
    m_session.disconnect(m_results);
}

void FrmMain::showCaption()
{
    const std::string& path = m_session.filePath();
    setWindowTitle(path.empty() ? QString::fromUtf8(msg::kUntitled.data(), msg::kUntitled.size())
                                : QString::fromStdString(path));
}

void FrmMain::showDocument()
{
    // retrieveProject and retrieveCulvertList: the header through its boxes, then the first culvert
    // chosen. Filling the boxes changes nothing the user made.
    const ProjectSession::ShowingScope showing(m_session);
    m_project->showProjectInfo();
    m_culvertList->chooseFirstCulvert();
}

void FrmMain::showAfterHistory(int culvert)
{
    const ProjectSession::ShowingScope showing(m_session);
    if (culvert == -1) {
        // The header as it is now, and the box whose field changed (the time has none).
        m_project->showProjectInfo();
        if (QLineEdit* box = m_project->box(m_headerFieldChanged))
            focusControl(box);
        return;
    }
    // The current culvert follows the change taken back or given again.
    m_culvertList->showAfterHistory(culvert);
}

void FrmMain::setUpEditMenu()
{
    QUndoStack& stack = m_session.undoStack();
    m_ui->mnuRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(m_ui->mnuUndo, &QAction::triggered, &m_session, &ProjectSession::undo);
    connect(m_ui->mnuRedo, &QAction::triggered, &m_session, &ProjectSession::redo);
    connect(m_ui->mnuRenameCulvert, &QAction::triggered, this, [this] { m_culvertList->renameCulvert(); });
    connect(&stack, &QUndoStack::indexChanged, this, &FrmMain::followHistory);
    connect(&stack, &QUndoStack::cleanChanged, this, &FrmMain::followHistory);
    followHistory();
    // Typing in one box is one change until the focus leaves it.
    connect(qApp, &QApplication::focusChanged, this, [this] { m_session.endTyping(); });
    for (QLineEdit* box : findChildren<QLineEdit*>())
        box->installEventFilter(this);
}

void FrmMain::followHistory()
{
    const QUndoStack& stack = m_session.undoStack();
    m_ui->mnuUndo->setEnabled(stack.canUndo());
    m_ui->mnuRedo->setEnabled(stack.canRedo());
    m_ui->mnuUndo->setText(stack.canUndo() ? QStringLiteral("&Undo %1").arg(stack.undoText()) : QStringLiteral("&Undo"));
    m_ui->mnuRedo->setText(stack.canRedo() ? QStringLiteral("&Redo %1").arg(stack.redoText()) : QStringLiteral("&Redo"));
}

bool FrmMain::eventFilter(QObject* watched, QEvent* event)
{
    const auto isHistoryKey = [](const QKeyEvent* key) {
        return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo) ||
               key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y);
    };
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        // Not taken by the box: the Edit menu's shortcut runs instead.
        if (isHistoryKey(static_cast<QKeyEvent*>(event)))
            return true;
        break;
    case QEvent::KeyPress:
        if (isHistoryKey(static_cast<QKeyEvent*>(event)))
            return true;  // nothing to undo or redo: the box's own history stays unused
        break;
    case QEvent::ContextMenu:
        if (auto* box = qobject_cast<QLineEdit*>(watched)) {
            const std::unique_ptr<QMenu> menu(box->createStandardContextMenu());
            for (QAction* item : menu->actions()) {
                const bool undo = item->objectName() == QLatin1String("edit-undo");
                if (!undo && item->objectName() != QLatin1String("edit-redo"))
                    continue;
                item->disconnect();
                item->setEnabled(undo ? m_session.undoStack().canUndo() : m_session.undoStack().canRedo());
                connect(item, &QAction::triggered, &m_session, undo ? &ProjectSession::undo : &ProjectSession::redo);
            }
            menu->exec(static_cast<QContextMenuEvent*>(event)->globalPos());
            return true;
        }
        break;
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void FrmMain::fillRecentMenu()
{
    QMenu* menu = m_ui->mnuOpenRecent;
    for (QAction* item : menu->actions()) {
        if (item != m_ui->mnuClearRecent) {
            menu->removeAction(item);
            item->deleteLater();
        }
    }
    const QStringList paths = RecentProjects().paths();
    QAction* before = m_ui->mnuClearRecent;
    for (qsizetype i = 0; i < paths.size(); ++i) {
        // A number for its letter; an "&" of the path is no letter.
        const QString shown = QDir::toNativeSeparators(paths[i]).replace(QLatin1Char('&'), QStringLiteral("&&"));
        auto* item = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(shown), menu);
        connect(item, &QAction::triggered, this,
                [this, path = paths[i].toStdString()] { m_fileCommands->openRecent(path); });
        menu->insertAction(before, item);
    }
    if (!paths.isEmpty())
        menu->insertSeparator(before);
    m_ui->mnuClearRecent->setEnabled(!paths.isEmpty());
}

// --- what the File commands ask -----------------------------------------------------------------

QLineEdit* FrmMain::projectBox(ProjectPage::Field field) const
{
    return m_project->box(field);
}

void FrmMain::closeRunWindows()
{
    m_results->projectChanged();
}

void FrmMain::enableRowButtons()
{
    m_drainage->enableRowButtons();
}

FileCommandsHost* FrmMain::renewWindow()
{
    close();  // unloads the window; it is deleted once the command that asked has returned
    m_session.replaceDocument({}, {});
    return createMainWindow(m_session, m_windowState, m_desktop);
}

FrmMain* createMainWindow(ProjectSession& session, WindowState& windowState, Desktop& desktop)
{
    auto* window = new FrmMain(session, windowState, desktop);
    window->show();
    return window;
}

}  // namespace sw
