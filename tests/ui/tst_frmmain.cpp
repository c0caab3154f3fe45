// The main window shell: start-up, the Run menu timer, tabs, menus, the About box, closing, and
// the splash that hands over to it.

#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QGroupBox>
#include <QMenu>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <QWindow>

#include "engine/tables.h"
#include "platform/backcolour.h"
#include "platform/screenunits.h"
#include "tests/ui/mainwindowharness.h"
#include "ui/main/frmabout.h"
#include "ui/main/frmfront.h"

using namespace sw;

Q_DECLARE_METATYPE(sw::ScreenArea)

namespace {

QStringList itemsOf(const QComboBox* box)
{
    QStringList out;
    for (int i = 0; i < box->count(); ++i)
        out << box->itemText(i);
    return out;
}

QStringList toQt(const std::vector<std::string>& items)
{
    QStringList out;
    for (const std::string& s : items)
        out << QString::fromStdString(s);
    return out;
}

}  // namespace

class TestFrmMain : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void startupStampsDateTimeAndResetsFlags();
    void startupFillsListsInTableOrder();
    void startupShowsFirstEntriesAndCounters();
    void startupControlStates_data();
    void startupControlStates();
    void captions_data();
    void captions();
    void comboBoxesTypedIntoAreEditableWithoutCompletion();
    void optionGroupsAreIndependent();
    void listsAreFixedPitchAndWideEnough();
    void runMenuFollowsTheFirstCulvert();
    void runMenuAndButtonAskForRun();
    void versionMenuIsInert();
    void tabChangesMoveTheFocus();
    void labelSettersRunTheirHandlers();
    void aboutBoxTextsAndPlace_data();
    void aboutBoxTextsAndPlace();
    void exitPathsEndTheApplication();
    void closeBoxRunsExitButCloseFromCodeDoesNot();
    void newWindowLoadsAgain();
    void splashSetsPathsAndHandsOver();

private:
    testing::MainWindowHarness* h = nullptr;
    std::unique_ptr<testing::MainWindowHarness> m_harness;
};

void TestFrmMain::init()
{
    m_harness = std::make_unique<testing::MainWindowHarness>();
    h = m_harness.get();
}

void TestFrmMain::cleanup()
{
    SW_VERIFY_NO_WINDOW_LEFT(*h);
    m_harness.reset();
    h = nullptr;
}

void TestFrmMain::startupStampsDateTimeAndResetsFlags()
{
    h->desktop->clock().setToday({2024, 7, 4});
    h->desktop->clock().setTimeOfDay("3:07:09 PM");
    h->state->CurCulvert = 2;
    h->state->EditorsLive = false;
    h->state->IsPristine = false;
    h->create();

    QCOMPARE(h->window->windowTitle(), QStringLiteral("Untitled"));
    QCOMPARE(h->window->objectName(), QStringLiteral("frmMain"));
    QCOMPARE(h->find<QLineEdit>("txtDate")->text(), QStringLiteral("07/04/2024"));
    QCOMPARE(h->find<QLabel>("lblTime")->text(), QStringLiteral("3:07:09 PM"));
    QCOMPARE(h->state->ProjectInfo.ProjectDate, std::string("07/04/2024"));
    QCOMPARE(h->state->ProjectInfo.ProjectTime, std::string("3:07:09 PM"));
    QCOMPARE(h->state->ProjectInfo.ProjectName, std::string());
    QCOMPARE(h->state->CurCulvert, kNoCulvert);
    QVERIFY(h->state->EditorsLive);
    QVERIFY(h->state->IsPristine);
    QCOMPARE(h->find<QTabWidget>("SSTab1")->currentIndex(), 0);
    QCOMPARE(h->desktop->windows().count(), 1);
    QCOMPARE(h->desktop->windows().nameAt(0), std::string("frmMain"));
    QVERIFY(h->desktop->messages().asked().empty());

    // Centred on the screen.
    const ScreenArea screen = h->desktop->system().screen();
    QCOMPARE(h->window->x(), (screen.width - h->window->width()) / 2);
    QCOMPARE(h->window->y(), (screen.height - h->window->height()) / 2);
}

void TestFrmMain::startupFillsListsInTableOrder()
{
    h->create();
    const DesignTables& t = designTables();
    QStringList surfaces;
    for (const SurfaceCoef& row : t.SurfaceTable)
        surfaces << QString::fromStdString(row.SurfaceName);
    QCOMPARE(surfaces.size(), 20);
    QCOMPARE(itemsOf(h->find<QComboBox>("cboSurface")), surfaces);
    QCOMPARE(itemsOf(h->find<QComboBox>("cboretPeriod")),
             QStringList({"2", "5", "10", "25", "50", "100", "500"}));
    QCOMPARE(itemsOf(h->find<QComboBox>("cboAreaUnit")),
             QStringList({"acres (a)", "hectares (h)", "ft*ft (f)", "m*m (m)"}));
    QCOMPARE(itemsOf(h->find<QComboBox>("cboAreaUnit")), toQt(t.AreaUnitNames));
    QCOMPARE(itemsOf(h->find<QComboBox>("cboRFzone")), QStringList({"A", "B", "C"}));
    for (const char* unit : {"cboRemoteUnit", "cboCulvertUnit", "cboTravelUnit"})
        QCOMPARE(itemsOf(h->find<QComboBox>(unit)), QStringList({"ft", "m"}));
    QCOMPARE(itemsOf(h->find<QComboBox>("cboTCFactorList")), toQt(t.TCFactorNames));
    QCOMPARE(h->find<QComboBox>("cboTCFactorList")->count(), 7);
    QCOMPARE(h->find<QComboBox>("cboCulvertNo1")->count(), 0);
    QCOMPARE(h->find<QComboBox>("cboCulvertNo2")->count(), 0);
    QCOMPARE(h->find<QListWidget>("lstAreaInfo")->count(), 0);
    QCOMPARE(h->find<QListWidget>("lstIntensity")->count(), 0);
}

void TestFrmMain::startupShowsFirstEntriesAndCounters()
{
    h->create();
    QCOMPARE(h->find<QComboBox>("cboretPeriod")->currentText(), QStringLiteral("2"));
    QCOMPARE(h->find<QComboBox>("cboAreaUnit")->currentText(), QStringLiteral("acres (a)"));
    QCOMPARE(h->find<QComboBox>("cboAreaUnit")->currentIndex(), 0);
    for (const char* unit : {"cboRemoteUnit", "cboCulvertUnit", "cboTravelUnit"})
        QCOMPARE(h->find<QComboBox>(unit)->currentText(), QStringLiteral("ft"));
    QCOMPARE(h->find<QComboBox>("cboRFzone")->currentText(), QStringLiteral("A"));
    // Nothing looks chosen that the user has not chosen.
    QCOMPARE(h->find<QComboBox>("cboSurface")->currentText(), QString());
    QCOMPARE(h->find<QComboBox>("cboTCFactorList")->currentText(), QString());
    QCOMPARE(h->find<QComboBox>("cboCulvertNo2")->currentText(), QString());
    QCOMPARE(h->find<QLabel>("lblTA")->text(), QStringLiteral("0.00"));
    QCOMPARE(h->find<QLabel>("lblWC")->text(), QStringLiteral("0.00"));
    QCOMPARE(h->find<QLabel>("lblLot")->text(), QStringLiteral("0"));
    QCOMPARE(h->find<QLabel>("lblCulvertID")->text(), QString());
    QCOMPARE(h->find<QLabel>("lblCorFactor")->text(), QString());
}

void TestFrmMain::startupControlStates_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("shown");
    const auto row = [](const char* name, bool enabled, bool shown) {
        QTest::newRow(name) << QString::fromLatin1(name) << enabled << shown;
    };
    row("cboCulvertNo2", true, true);
    row("cmdDelCulvertNo2", false, true);
    row("cboretPeriod", false, true);
    row("cboRFzone", false, true);
    row("txtEleRemote", false, true);
    row("txtEleCulvert", false, true);
    row("txtLenTravel", false, true);
    row("cboRemoteUnit", false, true);
    row("cboCulvertUnit", false, true);
    row("cboTravelUnit", false, true);
    row("optManual", false, true);
    row("optUser", false, true);
    row("cboTCFactorList", false, true);
    row("lblCorFactor", false, true);
    row("txtCorFactor", true, false);
    row("cmdIntensity", true, true);
    row("cmdClear", true, true);
    row("cmdFqyTable", true, false);
    row("cmdRFMap", true, false);
    row("cboCulvertNo1", true, true);
    row("txtCulvertDescrpt", true, true);
    row("cboSurface", true, true);
    row("lblCD", true, true);
    row("lblCValue", true, true);
    row("Label27", true, true);
    row("Label28", true, true);
    row("Label9", true, true);
    row("txtUserSurface", true, false);
    row("Label31", true, false);
    row("lblCU", true, false);
    row("txtUserC", true, false);
    row("txtArea", false, true);
    row("txtDesCrption", false, true);
    row("cboAreaUnit", false, true);
    row("cmdAdd", false, true);
    row("cmdRemove", false, true);
    row("cmdRemoveAll", false, true);
    row("cmdClose", true, true);
    row("cmdRunApp", true, true);
    row("txtProjectName", true, true);
    row("txtDate", true, true);
}

void TestFrmMain::startupControlStates()
{
    QFETCH(QString, name);
    QFETCH(bool, enabled);
    QFETCH(bool, shown);
    h->create();
    QWidget* w = h->window->findChild<QWidget*>(name);
    QVERIFY2(w != nullptr, qPrintable(name));
    QCOMPARE(w->isEnabled(), enabled);
    QCOMPARE(!w->isHidden(), shown);
}

void TestFrmMain::captions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<bool>("bold");
    const auto row = [](const char* name, const char* caption, bool bold = false) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(caption) << bold;
    };
    row("Frame1", "Project Info");
    row("Label1", "Project Name:", true);
    row("Label24", "Project No:", true);
    row("Label3", "Control No.:", true);
    row("Label2", "Description:", true);
    row("Label5", "Date:", true);
    row("Label4", "Designer:", true);
    row("Label17", "Time:");
    row("Label25", "Project", true);
    row("Label29", "NOTE:", true);
    row("Label30", "Bold text indicates required data for computataion");
    row("cmdClose", "Close");
    row("cmdRunApp", "Run");
    row("fraIntensityInfo", "Intensity Info");
    row("lblCulvertNo2Caption", "Culvert ID.");
    row("cmdDelCulvertNo2", "Delete");
    row("lblRetPeriodCaption", "Return Period");
    row("lblRFzoneCaption", "Vellmora Rainfall Zone");
    row("lblEleRemoteCaption", "Elevation of Most Remote Point");
    row("lblEleCulvertCaption", "Elevation of Culvert Inlet");
    row("lblLenTravelCaption", "Maximum Length of Travel");
    row("fraTCFactor", "Time of Concentration Correction Factor");
    row("optManual", "Design Manual");
    row("optUser", "User Defined");
    row("cmdIntensity", "Intensity");
    row("cmdClear", "Clear");
    row("fraDrainageInfo", "Drainage Area Info");
    row("lblCulvertNo1Caption", "Culvert");
    row("lblCulvertIDCaption", "Culvert ID:");
    row("lblCulvertDescrptCaption", "Station/Description");
    row("Label9", "Surface Character");
    row("lblCD", "C=");
    row("Label27", "Slope refers to watershed slope,");
    row("Label28", "NOT channel slope");
    row("Label31", "Surface Character");
    row("lblCU", "C=");
    row("lblAreaCaption", "Area");
    row("lblDesCrptionCaption", "Sub Area Description (do NOT use comma) ");
    row("optManualC", "Design Manual ");
    row("optUserC", "User Defined");
    row("cmdAdd", "Add");
    row("cmdRemove", "Remove");
    row("cmdRemoveAll", "Remove     All");
    row("lblLotCaption", "Total # of Sub Areas:");
    row("lblTACaption", "Total Area (acres)");
    row("lblWCCaption", "Weighted C:");
    row("mnuFile", "&File");
    row("mnuNew", "Ne&w");
    row("mnuOpen", "&Open");
    row("mnuSave", "Sa&ve");
    row("mnuSaveAs", "&Save As");
    row("mnuExit", "E&xit");
    row("mnuAbout", "Ab&out");
    row("mnuBeta", "Version 041999");
    row("mnuRun", "&Run");
}

void TestFrmMain::captions()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(bool, bold);
    h->create();
    QObject* o = h->window->findChild<QObject*>(name);
    QVERIFY2(o != nullptr, qPrintable(name));
    QString text;
    if (auto* label = qobject_cast<QLabel*>(o))
        text = label->text();
    else if (auto* button = qobject_cast<QAbstractButton*>(o))
        text = button->text();
    else if (auto* group = qobject_cast<QGroupBox*>(o))
        text = group->title();
    else if (auto* menu = qobject_cast<QMenu*>(o))
        text = menu->title();
    else if (auto* action = qobject_cast<QAction*>(o))
        text = action->text();
    QCOMPARE(text, caption);
    if (auto* w = qobject_cast<QWidget*>(o); w != nullptr && qobject_cast<QLabel*>(o) != nullptr)
        QCOMPARE(w->font().bold(), bold);
}

void TestFrmMain::comboBoxesTypedIntoAreEditableWithoutCompletion()
{
    h->create();
    for (const char* name : {"cboCulvertNo1", "cboCulvertNo2", "cboSurface", "cboretPeriod", "cboRFzone",
                             "cboRemoteUnit", "cboCulvertUnit", "cboTravelUnit"}) {
        auto* box = h->find<QComboBox>(name);
        QVERIFY2(box->isEditable(), name);
        QVERIFY2(box->completer() == nullptr, name);
        QCOMPARE(box->insertPolicy(), QComboBox::NoInsert);
    }
    QVERIFY(!h->find<QComboBox>("cboAreaUnit")->isEditable());
    QVERIFY(!h->find<QComboBox>("cboTCFactorList")->isEditable());

    // The value boxes wait in the off colour for a culvert.
    for (const char* name : {"txtEleRemote", "txtEleCulvert", "txtLenTravel"})
        QCOMPARE(backColourOf(h->find<QLineEdit>(name)), backColourValue(BackColour::ButtonFace));

    // Typing a culvert ID is not completed to a longer one, and Enter adds it once: as the new
    // culvert, not as a second entry of Qt's own.
    h->find<QComboBox>("cboCulvertNo2")->addItem(QStringLiteral("12"));
    QVERIFY(h->showActive());
    h->find<QTabWidget>("SSTab1")->setCurrentIndex(1);
    auto* culverts = h->find<QComboBox>("cboCulvertNo2");
    culverts->setEditText(QString());
    QTest::keyClicks(culverts, QStringLiteral("1"));
    QCOMPARE(culverts->currentText(), QStringLiteral("1"));
    QTest::keyClick(culverts, Qt::Key_Return);
    QCOMPARE(culverts->count(), 2);
    QCOMPARE(culverts->itemText(1), QStringLiteral("1"));
}

void TestFrmMain::optionGroupsAreIndependent()
{
    h->create();
    auto* manual = h->find<QRadioButton>("optManual");
    auto* user = h->find<QRadioButton>("optUser");
    auto* manualC = h->find<QRadioButton>("optManualC");
    auto* userC = h->find<QRadioButton>("optUserC");
    QVERIFY(manual->group() != nullptr);
    QVERIFY(manualC->group() != nullptr);
    QCOMPARE(manual->group(), user->group());
    QCOMPARE(manualC->group(), userC->group());
    QVERIFY(manual->group() != manualC->group());
    QVERIFY(manual->group()->exclusive());
    QVERIFY(manual->isChecked());
    QVERIFY(manualC->isChecked());
    userC->setChecked(true);
    QVERIFY(!manualC->isChecked());
    QVERIFY(manual->isChecked());
}

void TestFrmMain::listsAreFixedPitchAndWideEnough()
{
    h->create();
    for (const char* name : {"lstAreaInfo", "lstIntensity"}) {
        auto* list = h->find<QListWidget>(name);
        const QFontInfo info(list->font());
        QVERIFY2(info.fixedPitch(), qPrintable(info.family()));
        const QFontMetrics metrics(list->font());
        QVERIFY2(list->minimumWidth() >= metrics.horizontalAdvance(QString(62, QLatin1Char('M'))), name);
    }
}

void TestFrmMain::runMenuFollowsTheFirstCulvert()
{
    h->create();
    auto* run = h->find<QAction>("mnuRun");
    auto* timer = h->find<QTimer>("Timer1");
    QVERIFY(timer != nullptr);
    QCOMPARE(timer->interval(), 500);
    QVERIFY(timer->isActive());
    QVERIFY(!run->isEnabled());
    QTest::qWait(550);
    QVERIFY(!run->isEnabled());

    QElapsedTimer clock;
    clock.start();
    h->find<QComboBox>("cboCulvertNo2")->addItem(QStringLiteral("C-1"));
    QTRY_VERIFY_WITH_TIMEOUT(run->isEnabled(), 1000);
    // One timer period, with room for a busy machine.
    QVERIFY2(clock.elapsed() <= 750, qPrintable(QString::number(clock.elapsed())));
    QVERIFY(!timer->isActive());

    h->find<QComboBox>("cboCulvertNo2")->clear();
    QTest::qWait(550);
    QVERIFY(run->isEnabled());
}

void TestFrmMain::runMenuAndButtonAskForRun()
{
    h->create();
    QSignalSpy spy(h->window.data(), &FrmMain::runRequested);
    QTest::mouseClick(h->find<QPushButton>("cmdRunApp"), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    h->find<QAction>("mnuRun")->setEnabled(true);
    h->find<QAction>("mnuRun")->trigger();
    QCOMPARE(spy.count(), 2);
}

void TestFrmMain::versionMenuIsInert()
{
    h->create();
    QVERIFY(h->showActive());
    const ProjectInfo before = h->state->ProjectInfo;
    QWidget* focus = QApplication::focusWidget();
    auto* beta = h->find<QAction>("mnuBeta");
    QVERIFY(beta->isEnabled());
    beta->trigger();
    QCoreApplication::processEvents();
    QVERIFY(h->desktop->messages().asked().empty());
    QCOMPARE(h->desktop->windows().count(), 1);
    QVERIFY(h->state->ProjectInfo == before);
    QCOMPARE(QApplication::focusWidget(), focus);
    QCOMPARE(h->desktop->endRequests(), 0);
    QCOMPARE(h->window->windowTitle(), QStringLiteral("Untitled"));
    QVERIFY(h->window->isVisible());
}

void TestFrmMain::tabChangesMoveTheFocus()
{
    h->create();
    QVERIFY(h->showActive());
    auto* tabs = h->find<QTabWidget>("SSTab1");
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->tabText(0), QStringLiteral("Project Info"));
    QCOMPARE(tabs->tabText(1), QStringLiteral("Intensity Info"));
    QCOMPARE(tabs->tabText(2), QStringLiteral("Drainage Area Info"));
    QTRY_VERIFY(h->find<QLineEdit>("txtProjectName")->hasFocus());

    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    QCOMPARE(tabs->currentIndex(), 1);
    QVERIFY(h->find<QComboBox>("cboCulvertNo2")->hasFocus());
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
    QVERIFY(h->find<QLineEdit>("txtCulvertDescrpt")->hasFocus());
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
    QVERIFY(h->find<QLineEdit>("txtProjectName")->hasFocus());

    // Leaving the Designer box by a change of tab: the tab's first box wins.
    h->find<QLineEdit>("txtDesigner")->setFocus(Qt::MouseFocusReason);
    QVERIFY(h->find<QLineEdit>("txtDesigner")->hasFocus());
    tabs->setCurrentIndex(1);
    QVERIFY(h->find<QComboBox>("cboCulvertNo2")->hasFocus());
    QCOMPARE(backColourOf(h->find<QLineEdit>("txtDesigner")), QColor(255, 255, 255));
}

void TestFrmMain::labelSettersRunTheirHandlers()
{
    h->create();
    QSignalSpy culvertId(h->window.data(), &FrmMain::culvertIdCaptionChanged);
    QSignalSpy corFactor(h->window.data(), &FrmMain::corFactorCaptionChanged);

    h->window->setCulvertIdCaption(QStringLiteral("12"));
    QCOMPARE(h->find<QLabel>("lblCulvertID")->text(), QStringLiteral("12"));
    // The same caption again still loads the culvert again.
    h->window->setCulvertIdCaption(QStringLiteral("12"));
    QCOMPARE(culvertId.count(), 2);
    QCOMPARE(culvertId.at(1).at(0).toString(), QStringLiteral("12"));

    h->window->setCorFactorCaption(QStringLiteral("0.4"));
    QCOMPARE(h->find<QLabel>("lblCorFactor")->text(), QStringLiteral("0.4"));
    QCOMPARE(corFactor.count(), 1);

    h->window->setTimeCaption(QStringLiteral("11:59:00 PM"));
    QCOMPARE(h->find<QLabel>("lblTime")->text(), QStringLiteral("11:59:00 PM"));
    QCOMPARE(h->state->ProjectInfo.ProjectTime, std::string("11:59:00 PM"));
}

void TestFrmMain::aboutBoxTextsAndPlace_data()
{
    QTest::addColumn<ScreenArea>("screen");
    QTest::newRow("96 dpi") << ScreenArea{0, 0, 1600, 900, 96.0};
    QTest::newRow("144 dpi, screen not at the origin") << ScreenArea{200, 30, 2560, 1400, 144.0};
}

void TestFrmMain::aboutBoxTextsAndPlace()
{
    QFETCH(ScreenArea, screen);
    h->desktop->system().setScreen(screen);
    h->create();
    QVERIFY(h->showActive());
    h->find<QAction>("mnuAbout")->trigger();
    FrmAbout* about = h->window->aboutBox();
    QVERIFY(about != nullptr);
    QVERIFY(about->isVisible());
    QVERIFY(!about->isModal());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(h->window->isEnabled());
    QCOMPARE(h->desktop->windows().count(), 2);
    QCOMPARE(h->desktop->windows().nameAt(1), std::string("frmAbout"));

    QCOMPARE(about->windowTitle(), QStringLiteral("About"));
    QCOMPARE(about->findChild<QLabel*>("Label1")->text(), QStringLiteral("Stormwick (ZAV)"));
    QCOMPARE(about->findChild<QLabel*>("Label3")->text(), QStringLiteral("CORVENNA"));
    QCOMPARE(about->findChild<QLabel*>("Label4")->text(), QStringLiteral("April, 1999"));
    const QString tools = about->findChild<QLabel*>("Label2")->text();
    QVERIFY(tools.contains(QStringLiteral("C++20")));
    QVERIFY(tools.contains(QStringLiteral("Qt ") + QString::fromLatin1(qVersion())));
    for (const char* picture : {"Image1", "Image2"}) {
        auto* label = about->findChild<QLabel*>(picture);
        QVERIFY(label != nullptr);
        QVERIFY(!label->pixmap().isNull());
    }
    QCOMPARE(about->findChild<QPushButton*>("cmdOk")->text(), QStringLiteral("OK"));

    QCOMPARE(about->x(), screen.left + (screen.width - about->width()) / 2 - twipsToPixels(650, screen.logicalDpi));
    QCOMPARE(about->y(), screen.top + (screen.height - about->height()) / 2 - twipsToPixels(250, screen.logicalDpi));

    // Asking again brings the same box forward.
    h->find<QAction>("mnuAbout")->trigger();
    QCOMPARE(h->window->aboutBox(), about);
    QCOMPARE(h->desktop->windows().count(), 2);

    QPointer<FrmAbout> gone(about);
    QTest::mouseClick(about->findChild<QPushButton*>("cmdOk"), Qt::LeftButton);
    QCOMPARE(h->desktop->windows().count(), 1);
    QTRY_VERIFY(gone.isNull());
}

void TestFrmMain::exitPathsEndTheApplication()
{
    h->create();
    QVERIFY(h->showActive());
    QTest::mouseClick(h->find<QPushButton>("cmdClose"), Qt::LeftButton);
    QCOMPARE(h->desktop->endRequests(), 1);
    h->find<QAction>("mnuExit")->trigger();
    QCOMPARE(h->desktop->endRequests(), 2);
    QVERIFY(h->window->runExit());
    QCOMPARE(h->desktop->endRequests(), 3);
}

void TestFrmMain::closeBoxRunsExitButCloseFromCodeDoesNot()
{
    h->create();
    QVERIFY(h->showActive());
    QVERIFY(h->window->testAttribute(Qt::WA_DeleteOnClose));
    QPointer<FrmMain> first = h->window;
    // The close box: the window system's close reaches the native window, which passes it on to
    // the widget as a spontaneous close event.
    QCloseEvent closeBox;
    QCoreApplication::sendEvent(first->windowHandle(), &closeBox);
    QCOMPARE(h->desktop->endRequests(), 1);
    QCOMPARE(h->desktop->windows().count(), 0);
    QTRY_VERIFY(first.isNull());

    h->create();
    QVERIFY(h->showActive());
    QPointer<FrmMain> second = h->window;
    QVERIFY(second->close());
    QCOMPARE(h->desktop->endRequests(), 1);
    QCOMPARE(h->desktop->windows().count(), 0);
    QTRY_VERIFY(second.isNull());
}

void TestFrmMain::newWindowLoadsAgain()
{
    FrmMain* first = createMainWindow(*h->state, *h->desktop);
    QVERIFY(first->isVisible());
    first->findChild<QComboBox*>("cboCulvertNo2")->addItem(QStringLiteral("1"));
    h->state->CurCulvert = 0;
    h->state->IsPristine = false;
    QPointer<FrmMain> old(first);
    QVERIFY(first->close());
    QTRY_VERIFY(old.isNull());

    h->desktop->clock().setToday({2025, 1, 2});
    h->desktop->clock().setTimeOfDay("08:00:01");
    h->window = createMainWindow(*h->state, *h->desktop);
    QCOMPARE(h->desktop->windows().count(), 1);
    QCOMPARE(h->find<QLineEdit>("txtDate")->text(), QStringLiteral("01/02/2025"));
    QCOMPARE(h->state->ProjectInfo.ProjectDate, std::string("01/02/2025"));
    QCOMPARE(h->state->ProjectInfo.ProjectTime, std::string("08:00:01"));
    QCOMPARE(h->state->CurCulvert, kNoCulvert);
    QVERIFY(h->state->IsPristine);
    QVERIFY(!h->find<QAction>("mnuRun")->isEnabled());
    QCOMPARE(h->find<QComboBox>("cboCulvertNo2")->count(), 0);
}

void TestFrmMain::splashSetsPathsAndHandsOver()
{
    h->desktop->system().setApplicationFolder("/opt/stormwick/bin");
    int handOvers = 0;
    auto* splash = new FrmFront(*h->state, *h->desktop, [this, &handOvers] {
        ++handOvers;
        h->window = createMainWindow(*h->state, *h->desktop);
    });
    QPointer<FrmFront> splashAlive(splash);
    splash->show();
    QCOMPARE(splash->windowTitle(), QStringLiteral("QELM - Stormwick"));
    auto* picture = splash->findChild<QLabel*>("Picture1");
    QVERIFY(picture != nullptr);
    QVERIFY(!picture->pixmap().isNull());
    const ScreenArea screen = h->desktop->system().screen();
    QCOMPARE(splash->x(), (screen.width - splash->width()) / 2);
    QCOMPARE(splash->y(), (screen.height - splash->height()) / 2);
    QCOMPARE(h->desktop->windows().count(), 1);
    QCOMPARE(h->desktop->windows().nameAt(0), std::string("frmFront"));

    QCOMPARE(h->state->PrinterIniPath, QDir::toNativeSeparators(QStringLiteral("/opt/stormwick/bin/printer.ini")).toStdString());
#ifdef Q_OS_WIN
    QCOMPARE(h->state->SummaryFilePath, std::string("c:\\temp\\summary.txt"));
#else
    QCOMPARE(h->state->SummaryFilePath, QDir::toNativeSeparators(QDir::tempPath() + QStringLiteral("/summary.txt")).toStdString());
#endif

    auto* timer = splash->findChild<QTimer*>("Timer1");
    QVERIFY(timer != nullptr);
    QCOMPARE(timer->interval(), 3000);
    QVERIFY(timer->isActive());
    QTest::qWait(2500);
    QCOMPARE(handOvers, 0);
    QTRY_COMPARE_WITH_TIMEOUT(handOvers, 1, 1500);
    QCOMPARE(h->desktop->windows().count(), 1);
    QCOMPARE(h->desktop->windows().nameAt(0), std::string("frmMain"));
    QVERIFY(h->window->isVisible());
    QTRY_VERIFY(splashAlive.isNull());
}

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
