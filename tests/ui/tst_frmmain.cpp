// The main window shell: start-up, the Run menu timer, tabs, the version menu, the About box and the
// splash that hands over to it; and the project fields of the "Project Info" page: the length limits,
// the Enter cycle, the focus colours, IsPristine, and the hand-over to a visible culvert selector.

#include <QElapsedTimer>

#include "core/messages.h"
#include "core/text.h"
#include "engine/tables.h"
#include "platform/backcolour.h"
#include "platform/screenunits.h"
#include "tests/ui/editorsteps.h"
#include "ui/main/frmabout.h"
#include "ui/main/frmfront.h"

using namespace sw;
using namespace sw::testing;

namespace {

const QColor kCyan(192, 255, 255);
const QColor kWhite(255, 255, 255);

// A window that stands for one the project does not have yet (the culvert selector, the board).
class StandInWindow : public QWidget {
public:
    StandInWindow(WindowRegistry& registry, const char* name) : m_registration(registry, this, name)
    {
        setObjectName(QString::fromLatin1(name));
        (new QVBoxLayout(this))->addWidget(box);
    }
    QLineEdit* box = new QLineEdit(this);

private:
    WindowRegistration m_registration;
};

}  // namespace

// Each test creates the window itself, some after setting up the desktop.
class TestFrmMain : public EditorTest {
    Q_OBJECT

public:
    TestFrmMain() : EditorTest(false) {}

private slots:
    void startupState();
    void runMenuFollowsTheFirstCulvert();
    void versionMenuIsInert();
    void tabChangesMoveTheFocus();
    void aboutBoxTextsAndPlace();
    void splashSetsPathsAndHandsOver();
    void projectNoKeepsThirtyCharacters();
    void limitsCountCharacters();
    void enterCycleGoesAllTheWayRound();
    void keysTouchTheProjectExceptInTheDate();
    void onlyTypingKeysTouchTheProject_data();
    void onlyTypingKeysTouchTheProject();
    void boxesTakeOnlyWhatTheProjectHolds_data();
    void boxesTakeOnlyWhatTheProjectHolds();
    void focusColoursAndTheOneWindowRule();
    void projectNameHandsFocusToVisibleSelector_data();
    void projectNameHandsFocusToVisibleSelector();

private:
    bool createShown() { return m_h->create() && m_h->showActive(); }
    QLineEdit* box(const char* name) const { return s->w<QLineEdit>(name); }
    QColor colour(const char* name) const { return backColourOf(box(name)); }
    void click(const char* name) const { QTest::mouseClick(box(name), Qt::LeftButton); }
};

void TestFrmMain::startupState()
{
    m_h->desktop->clock().setToday({2024, 7, 4});
    m_h->desktop->clock().setTimeOfDay("3:07:09 PM");
    session().setCurCulvert(2);
    session().EditorsLive = false;
    session().IsPristine = false;
    m_h->create();
    QCOMPARE(m_h->window->windowTitle(), QStringLiteral("Untitled"));
    QCOMPARE(doc().ProjectInfo, (ProjectInfo{"", "", "", "", "07/04/2024", "3:07:09 PM", ""}));
    QVERIFY(session().CurCulvert() == kNoCulvert && session().EditorsLive && session().IsPristine);

    // The lists in table order; the first entries shown where the user has nothing to choose yet.
    QStringList surfaces, factors;
    for (const SurfaceCoef& row : designTables().SurfaceTable)
        surfaces << qs(row.SurfaceName);
    for (const std::string& name : designTables().TCFactorNames)
        factors << qs(name);
    QVERIFY(surfaces.size() == 20 && factors.size() == 7);
    const QStringList lengthUnits{"ft", "m"};
    const std::pair<const char*, QStringList> lists[] = {
        {"cboSurface", surfaces}, {"cboTCFactorList", factors}, {"cboRFzone", {"A", "B", "C"}},
        {"cboretPeriod", {"2", "5", "10", "25", "50", "100", "500"}},
        {"cboAreaUnit", {"acres (a)", "hectares (h)", "ft*ft (f)", "m*m (m)"}}, {"cboRemoteUnit", lengthUnits},
        {"cboCulvertUnit", lengthUnits}, {"cboTravelUnit", lengthUnits}, {"cboCulvertNo2", {}}};
    for (const auto& [name, entries] : lists)
        QCOMPARE(entriesOf(s->combo(name)), entries);
    const std::pair<const char*, const char*> shown[] = {
        {"txtDate", "07/04/2024"}, {"lblTime", "3:07:09 PM"}, {"cboretPeriod", "2"}, {"cboAreaUnit", "acres (a)"},
        {"cboRFzone", "A"}, {"cboRemoteUnit", "ft"}, {"cboTravelUnit", "ft"}, {"cboSurface", ""},
        {"cboTCFactorList", ""}, {"lblTA", "0.00"}, {"lblWC", "0.00"}, {"lblLot", "0"}};
    for (const auto& [name, expected] : shown)
        QCOMPARE(s->text(name), QString::fromLatin1(expected));
    // The lists typed into take what is typed as it is: no completion, no new entry.
    for (const char* name : {"cboCulvertNo1", "cboCulvertNo2", "cboSurface", "cboretPeriod", "cboRFzone",
                             "cboRemoteUnit", "cboCulvertUnit", "cboTravelUnit"}) {
        QComboBox* box = s->combo(name);
        QVERIFY2(box->isEditable() && box->completer() == nullptr && box->insertPolicy() == QComboBox::NoInsert, name);
    }
    QVERIFY(!s->combo("cboAreaUnit")->isEditable() && !s->combo("cboTCFactorList")->isEditable());

    // Inputs wait for a culvert; the boxes of the other choice of an option pair are hidden.
    for (const char* name : {"cmdDelCulvertNo2", "cboretPeriod", "cboRFzone", "txtEleRemote", "txtEleCulvert",
                             "txtLenTravel", "cboRemoteUnit", "cboCulvertUnit", "cboTravelUnit", "optManual", "optUser",
                             "cboTCFactorList", "lblCorFactor", "txtArea", "txtDesCrption", "cboAreaUnit", "cmdAdd",
                             "cmdRemove", "cmdRemoveAll"})
        QVERIFY2(!s->w(name)->isEnabled() && !s->w(name)->isHidden(), name);
    for (const char* name : {"txtCorFactor", "cmdFqyTable", "cmdRFMap", "txtUserSurface", "Label31", "lblCU", "txtUserC"})
        QVERIFY2(s->w(name)->isHidden(), name);
}

void TestFrmMain::runMenuFollowsTheFirstCulvert()
{
    m_h->create();
    auto* run = m_h->find<QAction>("mnuRun");
    QTest::qWait(550);
    QVERIFY(!run->isEnabled());
    QElapsedTimer clock;
    clock.start();
    (void)m_h->session->addCulvert("C-1");
    QTRY_VERIFY_WITH_TIMEOUT(run->isEnabled(), 1000);
    // One timer period, with room for a busy machine.
    QVERIFY2(clock.elapsed() <= 750, qPrintable(QString::number(clock.elapsed())));
    s->combo("cboCulvertNo2")->clear();
    QTest::qWait(550);
    QVERIFY(run->isEnabled());
}

void TestFrmMain::versionMenuIsInert()
{
    QVERIFY(createShown());
    QWidget* focus = QApplication::focusWidget();
    auto* beta = m_h->find<QAction>("mnuBeta");
    QVERIFY(beta->text() == "Version 041999" && beta->isEnabled());
    beta->trigger();
    QCoreApplication::processEvents();
    QVERIFY(messages().asked().empty());
    QVERIFY(m_h->desktop->windows().count() == 1 && m_h->desktop->endRequests() == 0);
    QCOMPARE(QApplication::focusWidget(), focus);
}

void TestFrmMain::tabChangesMoveTheFocus()
{
    QVERIFY(createShown());
    QTRY_VERIFY(s->w("txtProjectName")->hasFocus());
    for (const auto& [tab, first] : {std::pair(1, "cboCulvertNo2"), std::pair(2, "txtCulvertDescrpt"),
                                     std::pair(0, "txtProjectName")}) {
        QVERIFY2(s->showPage(tab), s->why());
        QVERIFY2(s->w(first)->hasFocus(), first);
    }
    // Leaving the Designer box by a change of tab: the tab's first box wins.
    QVERIFY2(s->focusOn(s->w("txtDesigner")) && s->showPage(1), s->why());
    QVERIFY(s->w("cboCulvertNo2")->hasFocus());
    QCOMPARE(colour("txtDesigner"), kWhite);
}

void TestFrmMain::aboutBoxTextsAndPlace()
{
    const ScreenArea screen{200, 30, 2560, 1400, 144.0};
    m_h->desktop->system().setScreen(screen);
    QVERIFY(createShown());
    m_h->find<QAction>("mnuAbout")->trigger();
    FrmAbout* about = m_h->window->aboutBox();
    QVERIFY(about != nullptr && about->isVisible() && !about->isModal() && m_h->window->isEnabled());
    const auto label = [about](const char* name) { return about->findChild<QLabel*>(name); };
    QCOMPARE(about->windowTitle(), QStringLiteral("About"));
    QCOMPARE(label("Label1")->text(), QStringLiteral("Stormwick (ZAV)"));
    QCOMPARE(label("Label3")->text(), QStringLiteral("CORVENNA"));
    QCOMPARE(label("Label4")->text(), QStringLiteral("April, 1999"));
    QVERIFY(label("Label2")->text().contains("C++20") && label("Label2")->text().contains(QString("Qt ") + qVersion()));
    QVERIFY(label("Label2")->text().startsWith("Version " STORMWICK_VERSION ", "));
    QVERIFY(!label("Image1")->pixmap().isNull() && !label("Image2")->pixmap().isNull());
    // Centred, then moved up and to the left by fixed distances on the screen.
    QCOMPARE(about->x(), screen.left + (screen.width - about->width()) / 2 - twipsToPixels(650, screen.logicalDpi));
    QCOMPARE(about->y(), screen.top + (screen.height - about->height()) / 2 - twipsToPixels(250, screen.logicalDpi));
}

void TestFrmMain::splashSetsPathsAndHandsOver()
{
    m_h->desktop->system().setApplicationFolder("/opt/stormwick/bin");
    int handOvers = 0;
    QPointer<FrmFront> splash = new FrmFront(windowState(), *m_h->desktop, [this, &handOvers] {
        ++handOvers;
        m_h->window = createMainWindow(session(), windowState(), *m_h->desktop);
    });
    splash->show();
    QCOMPARE(splash->windowTitle(), QStringLiteral("QELM - Stormwick"));
    QVERIFY(!splash->findChild<QLabel*>("Picture1")->pixmap().isNull());
    const ScreenArea screen = m_h->desktop->system().screen();
    QCOMPARE(splash->pos(), QPoint((screen.width - splash->width()) / 2, (screen.height - splash->height()) / 2));
    QCOMPARE(m_h->desktop->windows().nameAt(0), std::string("frmFront"));
    QCOMPARE(windowState().PrinterIniPath, QDir::toNativeSeparators("/opt/stormwick/bin/printer.ini").toStdString());
#ifdef Q_OS_WIN
    QCOMPARE(windowState().SummaryFilePath, std::string("c:\\temp\\summary.txt"));
#else
    QCOMPARE(windowState().SummaryFilePath, QDir::toNativeSeparators(QDir::tempPath() + "/summary.txt").toStdString());
#endif

    QTest::qWait(2500);
    QCOMPARE(handOvers, 0);
    QTRY_COMPARE_WITH_TIMEOUT(handOvers, 1, 1500);
    QVERIFY(m_h->desktop->windows().count() == 1 && m_h->desktop->windows().nameAt(0) == "frmMain");
    QVERIFY(m_h->window->isVisible());
    QTRY_VERIFY(splash.isNull());
}

void TestFrmMain::projectNoKeepsThirtyCharacters()
{
    QVERIFY(createShown());
    const std::string limitMessage = "Please limit your input in 30 characters";
    const std::string& stored = doc().ProjectInfo.ProjectNo;
    const std::string thirty = "P-2024-001/ROUTE-9/SEGMENT-A12";
    QTest::keyClicks(box("txtProjectNo"), QString::fromStdString(thirty));
    QVERIFY(messages().asked().empty() && stored == thirty);
    // Every key that leaves the box too long brings the message again; the field keeps its 30.
    QTest::keyClick(box("txtProjectNo"), Qt::Key_X);
    QCOMPARE(messages().asked(), (std::vector<AskedMessage>{{AskedMessage::Kind::Ok, limitMessage}}));
    QCOMPARE(box("txtProjectNo")->text().size(), 31);
    QCOMPARE(stored, thirty);
    QTest::keyClick(box("txtProjectNo"), Qt::Key_Y);
    QTest::keyClick(box("txtProjectNo"), Qt::Key_Backspace);
    QCOMPARE(messages().count(limitMessage), 3);
    QCOMPARE(stored, thirty);
    // Back to 30 characters, another text: copied, without a message.
    QTest::keyClick(box("txtProjectNo"), Qt::Key_Home);
    QTest::keyClick(box("txtProjectNo"), Qt::Key_Delete);
    QCOMPARE(messages().count(limitMessage), 3);
    QCOMPARE(stored, thirty.substr(1) + "x");
}

void TestFrmMain::limitsCountCharacters()
{
    m_h->create();
    const std::tuple<const char*, std::string ProjectInfo::*, const char*> boxes[] = {
        {"txtProjectName", &ProjectInfo::ProjectName, "Please limit your input in 60 characters"},
        {"txtProDescrpt", &ProjectInfo::ProDescrpt, "Please limit your input in 60 chacaters !"}};
    for (const auto& [name, field, message] : boxes) {
        const std::string exact = std::string(59, 'd') + "\xc3\xa9";  // 60 characters, 61 bytes
        box(name)->setText(QString::fromStdString(exact));
        QVERIFY2(messages().asked().empty(), name);
        QCOMPARE(doc().ProjectInfo.*field, exact);
        box(name)->setText(QString::fromStdString(exact + "!"));
        QCOMPARE(messages().texts(), std::vector<std::string>{message});
        QCOMPARE(doc().ProjectInfo.*field, exact);
        messages().clearRecord();
    }
}

void TestFrmMain::enterCycleGoesAllTheWayRound()
{
    QVERIFY(createShown());
    const char* cycle[] = {"txtProjectName", "txtProjectNo", "txtControlNo", "txtProDescrpt",
                           "txtDate",        "txtDesigner",  "txtProjectName"};
    QTRY_VERIFY(box(cycle[0])->hasFocus());
    for (std::size_t i = 1; i < std::size(cycle); ++i) {
        QTest::keyClick(box(cycle[i - 1]), Qt::Key_Return);
        QVERIFY2(box(cycle[i])->hasFocus(), cycle[i]);
        QVERIFY2(colour(cycle[i]) == kCyan && colour(cycle[i - 1]) == kWhite, cycle[i]);
    }
    // Enter moves on; it types nothing.
    QCOMPARE(box("txtDate")->text(), QStringLiteral("03/09/2024"));
    QTest::keyClick(box("txtProjectName"), Qt::Key_Enter);  // the keypad's Enter too
    QVERIFY(box("txtProjectNo")->hasFocus());
}

void TestFrmMain::keysTouchTheProjectExceptInTheDate()
{
    QVERIFY(createShown());
    for (const char* name : {"txtProjectName", "txtDesigner", "txtDate"}) {
        const bool touches = QByteArray(name) != "txtDate";
        box(name)->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(box(name), Qt::Key_Return);  // Enter alone counts
        QCOMPARE(session().IsPristine, !touches);
        session().IsPristine = true;
        QTest::keyClicks(box(name), QStringLiteral("12/31/2024"));
        QCOMPARE(session().IsPristine, !touches);
        // Texts set from code (a file read) touch nothing.
        session().IsPristine = true;
        box(name)->setText(QStringLiteral("from a file"));
        QVERIFY(session().IsPristine);
    }
}

void TestFrmMain::onlyTypingKeysTouchTheProject_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("combined");  // a QKeyCombination; Key_unknown: Paste from the context menu
    QTest::addColumn<bool>("typing");
    const std::pair<QKeyCombination, bool> keys[] = {
        {Qt::Key_Shift, false}, {Qt::Key_Alt, false}, {Qt::Key_Control, false}, {Qt::Key_CapsLock, false},
        {Qt::ALT | Qt::Key_F, false}, {Qt::CTRL | Qt::Key_C, false}, {Qt::Key_Left, false}, {Qt::Key_Home, false},
        {Qt::Key_PageDown, false}, {Qt::Key_Tab, false}, {Qt::Key_F1, false}, {Qt::Key_Escape, false},
        {Qt::Key_A, true}, {Qt::SHIFT | Qt::Key_A, true}, {Qt::Key_7, true}, {Qt::Key_Return, true},
        {Qt::Key_Backspace, true}, {Qt::Key_Delete, true},
        // The project's Undo, not the box's: it changes nothing the user typed since.
        {Qt::CTRL | Qt::Key_Z, false},
        {Qt::CTRL | Qt::Key_V, true}, {Qt::Key_unknown, true}};
    for (const char* name : {"txtProjectName", "txtEleRemote", "txtCorFactor"})
        for (const auto& [key, typing] : keys)
            QTest::addRow("%s, %s", name,
                          key.key() == Qt::Key_unknown ? "context-menu Paste" : qPrintable(QKeySequence(key).toString()))
                << QByteArray(name) << key.toCombined() << typing;
}

void TestFrmMain::onlyTypingKeysTouchTheProject()
{
    QFETCH(QByteArray, name);
    QFETCH(int, combined);
    QFETCH(bool, typing);
    const QKeyCombination key = QKeyCombination::fromCombined(combined);
    QVERIFY(createShown());
    // The intensity boxes wait for a culvert; the typed factor box for its option.
    if (name != "txtProjectName")
        QVERIFY2(s->createCulvert("K") && (name != "txtCorFactor" || s->click("optUser")), s->why());
    QLineEdit* edit = box(name);
    QVERIFY2(s->focusOn(edit), s->why());
    edit->setText(QStringLiteral("12"));
    QGuiApplication::clipboard()->setText(QStringLiteral("34"));
    session().IsPristine = true;
    messages().clearRecord();

    if (key.key() == Qt::Key_unknown) {
        const std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
        for (QAction* item : menu->actions())
            if (item->text().startsWith("&Paste"))
                item->trigger();
    } else {
        QTest::keyClick(edit, key.key(), key.keyboardModifiers());
    }
    QCOMPARE(session().IsPristine, !typing);
    // Only a character other than a digit or "." is refused, and only by the value boxes.
    const bool refused = name == "txtEleRemote" && key.key() == Qt::Key_A;
    QCOMPARE(messages().texts(),
             refused ? std::vector<std::string>{"Please enter number only !"} : std::vector<std::string>{});
    if (key == (Qt::CTRL | Qt::Key_V) || key.key() == Qt::Key_unknown)
        QCOMPARE(edit->text(), QStringLiteral("1234"));
}

void TestFrmMain::boxesTakeOnlyWhatTheProjectHolds_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QByteArray>("option");  // clicked first, for a box shown only in its mode
    QTest::addColumn<bool>("pasted");        // else typed
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("message");
    const QString limit60 = QStringLiteral("Please limit your input in 60 characters");
    const QString limit30 = QStringLiteral("Please limit your input in 30 characters");
    const QString numberOnly = QStringLiteral("Please enter number only !");
    const QString long340 = QString(17, QLatin1Char('x')).repeated(20);
    const auto notHeld = [](const char* list) {
        return QString::fromStdString(fillMessage(msg::kCharactersNotHeld, {list}));
    };
    // A paste or drop past a box's limit is cut to it, so that the box shows what is saved.
    QTest::newRow("name, pasted 340") << QByteArray("txtProjectName") << QByteArray() << true << long340
                                      << long340.left(60) << limit60;
    QTest::newRow("number, pasted 31") << QByteArray("txtProjectNo") << QByteArray() << true << long340.left(31)
                                       << long340.left(30) << limit30;
    QTest::newRow("control, pasted 45") << QByteArray("txtControlNo") << QByteArray() << true << long340.left(45)
                                        << long340.left(30) << limit30;
    QTest::newRow("description, pasted 61")
        << QByteArray("txtProDescrpt") << QByteArray() << true << long340.left(61) << long340.left(60)
        << QStringLiteral("Please limit your input in 60 chacaters !");
    QTest::newRow("name, pasted 60") << QByteArray("txtProjectName") << QByteArray() << true << long340.left(60)
                                     << long340.left(60) << QString();
    // What Windows-1252 cannot hold is refused, the rest kept; a line break would split the line.
    QTest::newRow("name, foreign characters pasted")
        << QByteArray("txtProjectName") << QByteArray() << true << QStringLiteral("Öst – 日本 €5")
        << QStringLiteral("Öst –  €5") << notHeld("\"日\", \"本\"");
    QTest::newRow("designer, one typed") << QByteArray("txtDesigner") << QByteArray() << false
                                         << QStringLiteral("P日") << QStringLiteral("P") << notHeld("\"日\"");
    QTest::newRow("station, a line break pasted")
        << QByteArray("txtCulvertDescrpt") << QByteArray() << true << QStringLiteral("STA 1\n+00")
        << QStringLiteral("STA 1+00") << notHeld("\"\\x0A\"");
    QTest::newRow("sub-area, emoji pasted") << QByteArray("txtDesCrption") << QByteArray() << true
                                            << QStringLiteral("Ditch 😀") << QStringLiteral("Ditch ")
                                            << notHeld("\"😀\"");
    // A comma would end the number there: refused with the box's message for what is no number.
    QTest::newRow("remote, typed") << QByteArray("txtEleRemote") << QByteArray() << false << QStringLiteral("1,5")
                                   << QStringLiteral("15") << numberOnly;
    QTest::newRow("length, pasted") << QByteArray("txtLenTravel") << QByteArray() << true << QStringLiteral("1,000")
                                    << QStringLiteral("1000") << numberOnly;
    QTest::newRow("typed factor") << QByteArray("txtCorFactor") << QByteArray("optUser") << false
                                  << QStringLiteral("1,5") << QStringLiteral("15") << numberOnly;
    QTest::newRow("return period") << QByteArray("cboretPeriod") << QByteArray() << false << QStringLiteral("1,5")
                                   << QStringLiteral("15") << QString::fromUtf8(msg::kReturnPeriodNotWhole16.data());
    QTest::newRow("area") << QByteArray("txtArea") << QByteArray("optUserC") << false << QStringLiteral("2,5")
                          << QStringLiteral("25") << QString::fromUtf8(msg::kAreaNotPlainNumber.data());
    QTest::newRow("user C") << QByteArray("txtUserC") << QByteArray("optUserC") << true << QStringLiteral("0,5")
                            << QStringLiteral("05") << QString::fromUtf8(msg::kCommaInUserC.data());
}

void TestFrmMain::boxesTakeOnlyWhatTheProjectHolds()
{
    QFETCH(QByteArray, name);
    QFETCH(QByteArray, option);
    QFETCH(bool, pasted);
    QFETCH(QString, input);
    QFETCH(QString, shown);
    QFETCH(QString, message);
    QVERIFY(createShown());
    QVERIFY2(s->createCulvert("K1") && s->showPage(kDrainagePage) && s->pick("cboSurface", entry::kAsphaltic), s->why());
    QWidget* control = s->w(name.constData());
    for (int page : {0, kIntensityPage, kDrainagePage})
        if (m_h->window->findChild<QTabWidget*>("SSTab1")->widget(page)->isAncestorOf(control))
            QVERIFY(s->showPage(page));
    if (!option.isEmpty())
        QVERIFY2(s->click(option.constData()), s->why());
    messages().clearRecord();
    if (pasted) {
        QGuiApplication::clipboard()->setText(input);
        QVERIFY2(s->typeInto(name.constData(), {}, true), s->why());
        QTest::keySequence(control, QKeySequence::Paste);
    } else {
        QVERIFY2(s->typeInto(name.constData(), input, true), s->why());
    }
    QCOMPARE(s->text(name.constData()), shown);
    QCOMPARE(messages().texts(), message.isEmpty() ? std::vector<std::string>{}
                                                   : std::vector<std::string>{message.toStdString()});
    // The project holds what the box shows.
    const std::map<QByteArray, std::string> held = {
        {"txtProjectName", doc().ProjectInfo.ProjectName}, {"txtProjectNo", doc().ProjectInfo.ProjectNo},
        {"txtControlNo", doc().ProjectInfo.ControlNo},     {"txtProDescrpt", doc().ProjectInfo.ProDescrpt},
        {"txtDesigner", doc().ProjectInfo.Designer},       {"txtCulvertDescrpt", s->culvert(0).Description},
        {"cboretPeriod", s->culvert(0).RetPeriod}};
    if (const auto it = held.find(name); it != held.end())
        QCOMPARE(QString::fromStdString(it->second), shown);
    if (name == "txtEleRemote" || name == "txtCorFactor")
        QCOMPARE(name == "txtEleRemote" ? s->culvert(0).EleRemote : s->culvert(0).CorFactor, 15.0);
}

void TestFrmMain::focusColoursAndTheOneWindowRule()
{
    QVERIFY(createShown());
    click("txtDate");
    // The box keeps its colour while a message box or another application has the keyboard.
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(box("txtDate"), &away);
    QCOMPARE(colour("txtDate"), kCyan);
    // Leaving the Designer box returns to the project name.
    click("txtDesigner");
    click("txtControlNo");
    QVERIFY(box("txtProjectName")->hasFocus() && colour("txtProjectName") == kCyan);
    for (const char* name : {"txtDate", "txtDesigner", "txtControlNo"})
        QVERIFY2(colour(name) == kWhite, name);

    // While a second window is loaded, boxes keep their colour and the Designer box lets go.
    auto second = std::make_unique<StandInWindow>(m_h->desktop->windows(), "frmDisplayBoard");
    QTest::keyClick(box("txtProjectName"), Qt::Key_Return);
    QVERIFY(box("txtProjectNo")->hasFocus() && colour("txtProjectName") == kCyan);
    click("txtDesigner");
    click("txtControlNo");
    QVERIFY(box("txtControlNo")->hasFocus() && colour("txtDesigner") == kCyan);
    second.reset();
    click("txtDate");
    QCOMPARE(colour("txtControlNo"), kWhite);
}

void TestFrmMain::projectNameHandsFocusToVisibleSelector_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("handsOver");
    QTest::newRow("visible selector") << QByteArray("frmCulvertSelector") << true << true;
    QTest::newRow("name in other case") << QByteArray("FRMCULVERTSELECTOR") << true << true;
    QTest::newRow("hidden selector") << QByteArray("frmCulvertSelector") << false << false;
    QTest::newRow("another window") << QByteArray("frmDisplayBoard") << true << false;
}

void TestFrmMain::projectNameHandsFocusToVisibleSelector()
{
    QFETCH(QByteArray, name);
    QFETCH(bool, visible);
    QFETCH(bool, handsOver);
    QVERIFY(createShown());
    click("txtDate");
    auto selector = std::make_unique<StandInWindow>(m_h->desktop->windows(), name.constData());
    if (visible) {
        selector->show();
        QVERIFY(QTest::qWaitForWindowExposed(selector.get()));
    }
    QVERIFY2(s->backToMain(), s->why());

    click("txtProjectName");
    QCOMPARE(colour("txtProjectName"), kCyan);
    QWidget* expected = handsOver ? selector.get() : static_cast<QWidget*>(m_h->window.data());
    QTest::qWait(50);
    QTRY_COMPARE(QApplication::activeWindow(), expected);
    QTRY_VERIFY(handsOver ? selector->box->hasFocus() : box("txtProjectName")->hasFocus());
}

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
