// The main window shell: start-up, the Run menu timer, tabs and the Tab ring of each, the version menu,
// the About box and the splash that hands over to it; and the project fields of the "Project Info" page:
// the length limits, the Enter cycle, the focus colours, IsPristine, and the hand-over to a visible
// culvert selector.

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

// Text given to a box it must not hold all of, typed or pasted; what the box then shows and says.
struct BoxInput {
    const char* box;
    const char* option;  // clicked first, for a box shown only in its mode
    bool pasted;         // else typed
    QString input, shown, message;
};

}  // namespace

Q_DECLARE_METATYPE(BoxInput)

// Each test creates the window itself, some after setting up the desktop.
class TestFrmMain : public EditorTest {
    Q_OBJECT

public:
    TestFrmMain() : EditorTest(false) {}

private slots:
    void startupStateAndTheRunMenu();
    void keysRunRoundTheTabOnShow_data();
    void keysRunRoundTheTabOnShow();
    void versionMenuIsInertAndAboutBoxTextsAndPlace();
    void splashSetsPathsAndHandsOver();
    void projectNoKeepsThirtyCharacters();
    void onlyTypingKeysTouchTheProject_data();
    void onlyTypingKeysTouchTheProject();
    void boxesTakeOnlyWhatTheProjectHolds_data();
    void boxesTakeOnlyWhatTheProjectHolds();
    void focusColoursAndTheHandOverToASelector_data();
    void focusColoursAndTheHandOverToASelector();

private:
    bool createShown() { return m_h->create() && m_h->showActive(); }
    QLineEdit* box(const char* name) const { return s->w<QLineEdit>(name); }
    QColor colour(const char* name) const { return backColourOf(box(name)); }
    void click(const char* name) const { QTest::mouseClick(box(name), Qt::LeftButton); }
};

void TestFrmMain::startupStateAndTheRunMenu()
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

    // The Run menu follows the first culvert.
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

void TestFrmMain::keysRunRoundTheTabOnShow_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("key");
    QTest::addColumn<QStringList>("ring");  // from the first control, as the key visits them
    const QStringList project{"txtProjectName", "txtProjectNo", "txtControlNo", "txtProDescrpt",
                              "txtDate",        "txtDesigner",  "txtProjectName"};
    // Enter, the keypad's too, cycles the project boxes as Tab does.
    QTest::newRow("project, Tab") << 0 << int(Qt::Key_Tab) << project;
    QTest::newRow("project, Enter") << 0 << int(Qt::Key_Return) << project;
    QTest::newRow("project, keypad Enter") << 0 << int(Qt::Key_Enter) << project;
    // An option group is one stop, at its chosen option; leaving "Intensity" returns to the culvert box.
    QTest::newRow("intensity") << kIntensityPage << int(Qt::Key_Tab)
                               << QStringList{"cboretPeriod", "cmdFqyTable", "cboRFzone", "cmdRFMap", "txtEleRemote",
                                              "cboRemoteUnit", "txtEleCulvert", "cboCulvertUnit", "txtLenTravel",
                                              "cboTravelUnit", "optManual", "cboTCFactorList", "cmdIntensity",
                                              "cboCulvertNo2"};
    QTest::newRow("drainage") << kDrainagePage << int(Qt::Key_Tab)
                              << QStringList{"cboCulvertNo1", "txtCulvertDescrpt", "optManualC", "cboSurface", "txtArea",
                                             "cboAreaUnit", "txtDesCrption", "cmdAdd", "cmdRemove", "cmdRemoveAll",
                                             "lstAreaInfo", "cboCulvertNo1"};
}

void TestFrmMain::keysRunRoundTheTabOnShow()
{
    QFETCH(int, page);
    QFETCH(int, key);
    QFETCH(QStringList, ring);
    QVERIFY(createShown());
    // A change of tab puts the focus into the tab's first box, also when it leaves the Designer box.
    SW_STEP(s->createCulvert("K1") && s->addSubArea(kDitch) && s->showPage(0) && s->focusOn(s->w("txtDesigner")) &&
            s->showPage(page == 0 ? kIntensityPage : page) && s->showPage(page));
    const char* firstBox = std::array{"txtProjectName", "cboCulvertNo2", "txtCulvertDescrpt"}.at(std::size_t(page));
    QVERIFY2(s->w(firstBox)->hasFocus(), firstBox);
    QCOMPARE(colour("txtDesigner"), kWhite);
    QWidget* first = s->w(qPrintable(ring.front()));
    first->setFocus(Qt::OtherFocusReason);
    QTabWidget* tabs = s->w<QTabWidget>("SSTab1");
    for (qsizetype i = 1; i < ring.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QWidget* focus = QApplication::focusWidget();
        QVERIFY2(tabs->widget(page)->isAncestorOf(focus), qPrintable(ring[i]));
        const QWidget* named = s->w(qPrintable(ring[i]));
        QVERIFY2(focus == named || named->isAncestorOf(focus), qPrintable(ring[i] + " expected, " + focus->objectName()));
        if (page == 0)
            QVERIFY2(colour(qPrintable(ring[i])) == kCyan && colour(qPrintable(ring[i - 1])) == kWhite,
                     qPrintable(ring[i]));
    }
    // Enter moves on; it types nothing.
    QCOMPARE(s->text("txtDate"), QStringLiteral("03/09/2024"));
    // Backwards too, and never into another tab.
    for (int i = 0; i < 30; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QVERIFY(tabs->widget(page)->isAncestorOf(QApplication::focusWidget()));
    }
}

void TestFrmMain::versionMenuIsInertAndAboutBoxTextsAndPlace()
{
    const ScreenArea screen{200, 30, 2560, 1400, 144.0};
    m_h->desktop->system().setScreen(screen);
    QVERIFY(createShown());
    QWidget* focus = QApplication::focusWidget();
    auto* beta = m_h->find<QAction>("mnuBeta");
    QVERIFY(beta->text() == "Version 041999" && beta->isEnabled());
    beta->trigger();
    QCoreApplication::processEvents();
    QVERIFY(messages().asked().empty());
    QVERIFY(m_h->desktop->windows().count() == 1 && m_h->desktop->endRequests() == 0);
    QCOMPARE(QApplication::focusWidget(), focus);

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
    const AskedMessage limit{AskedMessage::Kind::Ok, "Please limit your input in 30 characters"};
    const std::string& stored = doc().ProjectInfo.ProjectNo;
    const std::string thirty = "P-2024-001/ROUTE-9/SEGMENT-A12";
    QLineEdit* number = box("txtProjectNo");
    QTest::keyClicks(number, qs(thirty));
    QVERIFY(messages().asked().empty() && stored == thirty);
    // Every key that leaves the box too long brings the message again; the box keeps the longer
    // text, the field its 30.
    for (const Qt::Key key : {Qt::Key_X, Qt::Key_Y, Qt::Key_Backspace})
        QTest::keyClick(number, key);
    QCOMPARE(messages().asked(), std::vector<AskedMessage>(3, limit));
    QVERIFY(number->text().size() == 31 && stored == thirty);
    // Back to 30 characters, another text: copied, without a message.
    QTest::keyClick(number, Qt::Key_Home);
    QTest::keyClick(number, Qt::Key_Delete);
    QCOMPARE(messages().asked().size(), std::size_t(3));
    QCOMPARE(stored, thirty.substr(1) + "x");
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
    // Enter alone counts in the project's boxes but the date; nothing typed into the date touches it.
    QTest::newRow("txtDesigner, Return") << QByteArray("txtDesigner") << QKeyCombination(Qt::Key_Return).toCombined()
                                         << true;
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_1, Qt::Key_Slash})
        QTest::addRow("txtDate, %s", qPrintable(QKeySequence(key).toString()))
            << QByteArray("txtDate") << QKeyCombination(key).toCombined() << false;
}

void TestFrmMain::onlyTypingKeysTouchTheProject()
{
    QFETCH(QByteArray, name);
    QFETCH(int, combined);
    QFETCH(bool, typing);
    const QKeyCombination key = QKeyCombination::fromCombined(combined);
    QVERIFY(createShown());
    // The intensity boxes wait for a culvert; the typed factor box for its option.
    if (name == "txtEleRemote" || name == "txtCorFactor")
        SW_STEP(s->createCulvert("K") && (name != "txtCorFactor" || s->click("optUser")));
    QLineEdit* edit = box(name);
    SW_STEP(s->focusOn(edit));
    session().IsPristine = true;
    edit->setText(QStringLiteral("12"));  // from code, as a file read sets it: that touches nothing
    QVERIFY(session().IsPristine);
    QGuiApplication::clipboard()->setText(QStringLiteral("34"));
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
    QTest::addColumn<BoxInput>("in");
    const QString limit60 = "Please limit your input in 60 characters", limit30 = "Please limit your input in 30 characters";
    const QString numberOnly = "Please enter number only !", long340 = QString(17, QLatin1Char('x')).repeated(20);
    const auto notHeld = [](const char* list) { return qs(fillMessage(msg::kCharactersNotHeld, {list})); };
    const auto message = [](std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); };
    const std::pair<const char*, BoxInput> rows[] = {
        // A paste or drop past a box's limit is cut to it, so that the box shows what is saved.
        {"name, pasted 340", {"txtProjectName", "", true, long340, long340.left(60), limit60}},
        {"number, pasted 31", {"txtProjectNo", "", true, long340.left(31), long340.left(30), limit30}},
        {"control, pasted 45", {"txtControlNo", "", true, long340.left(45), long340.left(30), limit30}},
        {"description, pasted 61", {"txtProDescrpt", "", true, long340.left(61), long340.left(60),
                                    "Please limit your input in 60 chacaters !"}},
        {"name, pasted 60", {"txtProjectName", "", true, long340.left(60), long340.left(60), {}}},
        // Limits count characters, not bytes: 60 of them in 61 bytes fit.
        {"name, 60 characters", {"txtProjectName", "", true, long340.left(59) + "é", long340.left(59) + "é", {}}},
        {"name, 61 characters", {"txtProjectName", "", true, long340.left(59) + "é!", long340.left(59) + "é", limit60}},
        {"description, 61 characters", {"txtProDescrpt", "", true, long340.left(59) + "é!", long340.left(59) + "é",
                                        "Please limit your input in 60 chacaters !"}},
        // What Windows-1252 cannot hold is refused, the rest kept; a line break would split the line.
        {"name, foreign characters pasted",
         {"txtProjectName", "", true, "Öst – 日本 €5", "Öst –  €5", notHeld("\"日\", \"本\"")}},
        {"designer, one typed", {"txtDesigner", "", false, "P日", "P", notHeld("\"日\"")}},
        {"station, a line break pasted", {"txtCulvertDescrpt", "", true, "STA 1\n+00", "STA 1+00", notHeld("\"\\x0A\"")}},
        {"sub-area, emoji pasted", {"txtDesCrption", "", true, "Ditch 😀", "Ditch ", notHeld("\"😀\"")}},
        // A comma would end the number there: refused with the box's message for what is no number.
        {"remote, typed", {"txtEleRemote", "", false, "1,5", "15", numberOnly}},
        {"length, pasted", {"txtLenTravel", "", true, "1,000", "1000", numberOnly}},
        {"typed factor", {"txtCorFactor", "optUser", false, "1,5", "15", numberOnly}},
        {"return period", {"cboretPeriod", "", false, "1,5", "15", message(msg::kReturnPeriodNotWhole16)}},
        {"area", {"txtArea", "optUserC", false, "2,5", "25", message(msg::kAreaNotPlainNumber)}},
        {"user C", {"txtUserC", "optUserC", true, "0,5", "05", message(msg::kCommaInUserC)}},
    };
    for (const auto& [name, in] : rows)
        QTest::newRow(name) << in;
}

void TestFrmMain::boxesTakeOnlyWhatTheProjectHolds()
{
    QFETCH(BoxInput, in);
    QVERIFY(createShown());
    SW_STEP(s->createCulvert("K1") && s->showPage(kDrainagePage) && s->pick("cboSurface", entry::kAsphaltic));
    QWidget* control = s->w(in.box);
    for (int page : {0, kIntensityPage, kDrainagePage})
        if (m_h->window->findChild<QTabWidget*>("SSTab1")->widget(page)->isAncestorOf(control))
            QVERIFY(s->showPage(page));
    if (*in.option)
        SW_STEP(s->click(in.option));
    messages().clearRecord();
    if (in.pasted) {
        QGuiApplication::clipboard()->setText(in.input);
        SW_STEP(s->typeInto(in.box, {}, true));
        QTest::keySequence(control, QKeySequence::Paste);
    } else {
        SW_STEP(s->typeInto(in.box, in.input, true));
    }
    QCOMPARE(s->text(in.box), in.shown);
    QCOMPARE(messages().texts(), in.message.isEmpty() ? std::vector<std::string>{}
                                                      : std::vector<std::string>{in.message.toStdString()});
    // The project holds what the box shows.
    const std::map<QByteArray, std::string> held = {
        {"txtProjectName", doc().ProjectInfo.ProjectName}, {"txtProjectNo", doc().ProjectInfo.ProjectNo},
        {"txtControlNo", doc().ProjectInfo.ControlNo},     {"txtProDescrpt", doc().ProjectInfo.ProDescrpt},
        {"txtDesigner", doc().ProjectInfo.Designer},       {"txtCulvertDescrpt", s->culvert(0).Description},
        {"cboretPeriod", s->culvert(0).RetPeriod}};
    if (const auto it = held.find(in.box); it != held.end())
        QCOMPARE(qs(it->second), in.shown);
    if (QByteArray(in.box) == "txtEleRemote" || QByteArray(in.box) == "txtCorFactor")
        QCOMPARE(QByteArray(in.box) == "txtEleRemote" ? s->culvert(0).EleRemote : s->culvert(0).CorFactor, 15.0);
}

void TestFrmMain::focusColoursAndTheHandOverToASelector_data()
{
    QTest::addColumn<QByteArray>("name");  // of a second window loaded later
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("handsOver");
    QTest::newRow("visible selector") << QByteArray("frmCulvertSelector") << true << true;
    QTest::newRow("name in other case") << QByteArray("FRMCULVERTSELECTOR") << true << true;
    QTest::newRow("hidden selector") << QByteArray("frmCulvertSelector") << false << false;
    QTest::newRow("another window") << QByteArray("frmDisplayBoard") << true << false;
}

void TestFrmMain::focusColoursAndTheHandOverToASelector()
{
    QFETCH(QByteArray, name);
    QFETCH(bool, visible);
    QFETCH(bool, handsOver);
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
    for (const char* left : {"txtDate", "txtDesigner", "txtControlNo"})
        QVERIFY2(colour(left) == kWhite, left);

    // While a second window is loaded, boxes keep their colour and the Designer box lets go.
    click("txtDate");
    auto second = std::make_unique<StandInWindow>(m_h->desktop->windows(), name.constData());
    if (visible) {
        second->show();
        QVERIFY(QTest::qWaitForWindowExposed(second.get()));
    }
    SW_STEP(s->backToMain());
    click("txtDesigner");
    click("txtControlNo");
    QVERIFY(box("txtControlNo")->hasFocus() && colour("txtDesigner") == kCyan && colour("txtDate") == kCyan);
    // The project name hands the focus on to a culvert selector that is shown, and to no other window.
    click("txtProjectName");
    QCOMPARE(colour("txtProjectName"), kCyan);
    QWidget* expected = handsOver ? second.get() : static_cast<QWidget*>(m_h->window.data());
    QTest::qWait(50);
    QTRY_COMPARE(QApplication::activeWindow(), expected);
    QTRY_VERIFY(handsOver ? second->box->hasFocus() : box("txtProjectName")->hasFocus());
    // Alone again, a box left turns white.
    second.reset();
    SW_STEP(s->backToMain());
    click("txtProjectName");
    click("txtDate");
    QCOMPARE(colour("txtProjectName"), kWhite);
}

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
