// The File menu: New, Open, Save, Save As and Exit with their questions and the file dialog, the
// caption as the record of the current file, the close box, every case where a command must leave
// the project alone (a save cancelled or failed, a file refused), and whole cycles: a project typed,
// saved, replaced by New and opened again, and a file written by hand (CR LF, Windows-1252).
// The Edit menu: Undo and Redo of every kind of change back to the bytes of the file, the current
// culvert following what is taken back, Ctrl+Z in a text box taking back the project's change
// rather than the box's, Rename Culvert with its refusals.

#include <map>

#include "core/messages.h"
#include "core/text.h"
#include "engine/zonemap.h"
#include "tests/ui/editorsteps.h"
#include "tests/ui/projecttexts.h"
#include "ui/main/frmrfzone.h"

using namespace sw;
using namespace sw::testing;

namespace {

const std::string kSaveCurrent = "Save current file ?";
const std::string kOverwriteNewExit = "File has already exixted, overwrite it?";
const std::string kOverwriteSave = "File has already existed, overwrite it?";
const std::string kMissingInputs = "Please provide inputs for\"intensity info\" page\rThen save the file";
const std::string kAccessDenied =
    "Access Denied\rYour file cannot be saved to the Engineering Apps. directory.\rPlease choose a different directory.";
constexpr auto npos = std::string::npos;
const QStringList kHarbour{"Harbour Road", "HR-7", "CN-3", "Outfall upgrade", "B. Moreau"};

// The message boxes and file dialogs shown, in order.
using Boxes = std::vector<AskedMessage>;
using Dialogs = std::vector<FileDialogMode>;
AskedMessage yesNo(const std::string& text) { return {AskedMessage::Kind::YesNo, text}; }
AskedMessage ok(const std::string& text) { return {AskedMessage::Kind::Ok, text}; }
constexpr FileDialogMode kSave = FileDialogMode::Save, kOpen = FileDialogMode::Open;

std::string readBytes(const QString& path) { return bytesOf(path).toStdString(); }

// Culvert 7A with intensity inputs and one sub-area, 7B with neither (it ends after "Return Period=").
std::string harbourRoadFile()
{
    return projectHead("Harbour Road", "HR-7", "CN-3", "Outfall upgrade", "04/01/2023", "9:05:00 AM", "A. Lindqvist") +
           culvertLines("7A", "Sta 4+20", "10", {"Asphaltic,2.5 a,0.81,ditch"}) + intensityBlock() +
           culvertLines("7B", "Sta 9", "10");
}

std::string threeCulverts()
{
    return projectHead("Harlow Bypass", "HB-7", "0917-03", "East segment", "05/02/2024", "2:30:15 PM", "A. Lind") +
           culvertLines("C1", "STA 1+00", "10", {"Asphaltic,1.0 a,0.81,road", "Gravel yard,2.0 a,0.50,yard"}) +
           intensityBlock() + culvertLines("C2", "STA 2+00", "25", {"Concrete/Roof,0.5 h,0.88,deck"}) +
           intensityBlock("B") + culvertLines("C3", "STA 3+00", "2", {"Asphaltic,3.0 a,0.73,ramp"}) +
           intensityBlock("C", "1000.5 ft", "1000 ft", "100 ft", " .2 ");
}

// What the main window shows of the project, a box per line, without the caption.
QStringList windowView(FrmMain* w)
{
    QStringList out;
    for (const char* name : {"txtProjectName", "txtProjectNo", "txtControlNo", "txtProDescrpt", "txtDate",
                             "txtDesigner", "lblTime", "cboCulvertNo1", "cboCulvertNo2", "lblCulvertID", "cboretPeriod",
                             "cboRFzone", "txtEleRemote", "cboRemoteUnit", "txtEleCulvert", "cboCulvertUnit",
                             "txtLenTravel", "cboTravelUnit", "lblCorFactor", "txtCorFactor", "optManual", "optUser",
                             "txtCulvertDescrpt", "lblLot", "lblTA", "lblWC"}) {
        const QObject* o = w->findChild<QObject*>(QLatin1String(name));
        const auto* box = qobject_cast<const QComboBox*>(o);
        const QString text = box ? box->currentText() + " of " + entriesOf(box).join('|') : o->property("text").toString();
        out << name + ("=" + text + (o->property("checked").toBool() ? " checked" : ""));
    }
    return out << rowsOf(w->findChild<QListView*>("lstIntensity")) << rowsOf(w->findChild<QListView*>("lstAreaInfo"));
}

// The project in memory and on the screen, to see that a command changed nothing.
using Picture = std::tuple<ProjectInfo, CulvertList, std::int16_t, QString, QStringList>;

}  // namespace

class TestFileCommands : public EditorTest {
    Q_OBJECT

private slots:
    void answeredSaveQuestionThenTheCommandGoesOn_data();
    void answeredSaveQuestionThenTheCommandGoesOn();
    void saveThatDoesNotHappenKeepsTheProject_data();
    void saveThatDoesNotHappenKeepsTheProject();
    void openAsksOnlyForATouchedProject_data();
    void openAsksOnlyForATouchedProject();
    void openFromTheKeyboardRightAfterStartUpAsksNothing();
    void refusedFileLeavesEverythingAsItWas_data();
    void refusedFileLeavesEverythingAsItWas();
    void partlyReadFileIsShownButStaysUntitled();
    void culvertWithoutIdIsNamedAndSaveKeepsEveryCulvert();
    void saveAsChecksTheFieldsInOrder_data();
    void saveAsChecksTheFieldsInOrder();
    void saveOfANewProjectNamesItsFile();
    void typedProjectComesBackAfterSaveNewAndOpen();
    void handWrittenFileIsShownAsWritten();
    void everyChangeUndoneAndRedoneToTheFileBytes();
    void ctrlZInABoxTakesBackTheProjectsChange();
    void renameCulvert();

private:
    Picture picture() const
    {
        return {m_h->document().ProjectInfo, m_h->document().CulvertList, m_h->session->CurCulvert(),
                m_h->window->windowTitle(), windowView(m_h->window)};
    }
    // A File menu command, or the close box: the window system's close, passed on as a spontaneous event.
    bool run(const QString& command)
    {
        auto* action = m_h->find<QAction>(qPrintable(command));
        const bool ran = command == "close box" || (action && action->isEnabled());
        QCloseEvent closeBox;
        if (command == "close box")
            QCoreApplication::sendEvent(m_h->window->windowHandle(), &closeBox);
        else if (ran)
            action->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return ran;
    }
    // Points the harness at the main window loaded now: after New it is another object.
    FrmMain* followMainWindow()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return m_h->window = qobject_cast<FrmMain*>(m_h->desktop->windows().find("frmMain"));
    }
    bool sameMainWindow() const { return m_h->window && m_h->desktop->windows().find("frmMain") == m_h->window.data(); }
    // Save asking nothing; the file dialogs of the whole test are then `shown`.
    bool savedWithoutQuestion(const Dialogs& shown)
    {
        return run("mnuSave") && messages().asked().empty() && dialogs().asked() == shown;
    }
    // Opens harbourRoadFile() on an untouched project (no question comes).
    bool openHarbour(const QString& file)
    {
        return m_h->session->IsPristine && openFile(file, harbourRoadFile()) && m_h->window->windowTitle() == file;
    }
    // The project boxes typed on the "Project Info" page; empty texts are left out.
    bool typeProject(const QStringList& texts)
    {
        const char* boxes[] = {"txtProjectName", "txtProjectNo", "txtControlNo", "txtProDescrpt", "txtDesigner"};
        bool typed = s->showPage(0);
        for (qsizetype i = 0; i < texts.size() && typed; ++i)
            typed = texts[i].isEmpty() || s->replaceText(boxes[i], texts[i]);
        return typed;
    }
    bool retypeDesigner() { return s->showPage(0) && s->replaceText("txtDesigner", QStringLiteral("B. Moreau")); }
    // Chooses a culvert by typing its ID, as a person does.
    bool choose(const char* id)
    {
        return s->typeCulvertId(QString::fromLatin1(id)) && session().CurCulvert() >= 0 &&
               session().currentCulvert()->CulvertNo == id;
    }
    // Save, asking nothing.
    bool save()
    {
        messages().clearRecord();
        action("mnuSave")->trigger();
        return messages().asked().empty();
    }
    QString current() const { return QString::fromStdString(m_h->session->currentCulvert()->CulvertNo); }
    void expectShown(std::initializer_list<std::pair<const char*, const char*>> boxes)
    {
        for (const auto& [name, text] : boxes)
            QCOMPARE(s->text(name), QString::fromUtf8(text));
    }
};

void TestFileCommands::answeredSaveQuestionThenTheCommandGoesOn_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("situation");
    for (const char* command : {"mnuNew", "mnuExit", "close box"})
        for (const char* situation : {"no name, answered No", "new file", "existing file", "opened file"})
            QTest::addRow("%s, %s", command, situation) << command << situation;
}

void TestFileCommands::answeredSaveQuestionThenTheCommandGoesOn()
{
    QFETCH(QString, command);
    QFETCH(QString, situation);
    const bool saves = !situation.endsWith("No");
    const QString target = path("saved.txt");
    if (situation == "opened file") {
        QVERIFY(openHarbour(target));
        SW_STEP(retypeDesigner());
    } else {
        // Without a project name a project with culverts is still asked about: they are work.
        SW_STEP(typeProject(QStringList{saves ? kHarbour[0] : ""} + kHarbour.mid(1)));
        SW_STEP(s->enterCulvert("7A", kPlainInputs, {}, ""));
        if (saves)
            dialogs().queuePath(target.toStdString());
    }
    Boxes boxes{yesNo(kSaveCurrent)};
    messages().queueYesNo(saves ? YesNo::Yes : YesNo::No);
    if (situation == "existing file") {
        QVERIFY(writeBytes(target, "an older project\r\n"));
        messages().queueYesNo(YesNo::Yes);
        boxes.push_back(yesNo(kOverwriteNewExit));
    }
    m_h->desktop->clock().setToday({2025, 1, 2});
    m_h->desktop->clock().setTimeOfDay("08:00:01");
    QPointer<FrmMain> old = m_h->window;
    QVERIFY(run(command));
    QCOMPARE(messages().asked(), boxes);
    QCOMPARE(dialogs().asked(), !saves ? Dialogs{} : Dialogs{situation == "opened file" ? kOpen : kSave});
    const std::string bytes = readBytes(target);
    QCOMPARE(bytes.find("\r\nDesigner=B. Moreau\r\n") != npos && bytes.find("\r\nCulvert No=7A\r\n") != npos, saves);
    if (saves)
        QCOMPARE(qs(m_h->windowState->ProjectFileName), target);  // remembered as the path saved to
    QCOMPARE(m_h->desktop->endRequests(), command == "mnuNew" ? 0 : 1);
    if (command != "mnuNew") {
        QCOMPARE(m_h->desktop->windows().count(), command == "close box" ? 0 : 1);
        return;
    }
    // New: a fresh main window, the project reset, the date and time of now.
    QVERIFY(followMainWindow() != nullptr && old.isNull());
    QCOMPARE(m_h->window->windowTitle(), QStringLiteral("Untitled"));
    QCOMPARE(m_h->document().ProjectInfo, (ProjectInfo{"", "", "", "", "01/02/2025", "08:00:01", ""}));
    QVERIFY(m_h->document().CulvertList.empty() && m_h->session->IsPristine && m_h->session->CurCulvert() == kNoCulvert);
    QVERIFY(s->text("txtProjectName").isEmpty() && s->text("txtDate") == "01/02/2025");
    QVERIFY(s->combo("cboCulvertNo2")->count() == 0 && s->list("lstAreaInfo")->model()->rowCount() == 0);
}

void TestFileCommands::saveThatDoesNotHappenKeepsTheProject_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("how");
    for (const char* command : {"mnuNew", "mnuExit", "mnuOpen", "close box", "mnuSave", "mnuSaveAs"})
        for (const char* how : {"dialog cancelled", "overwrite declined", "no culvert", "folder missing", "own folder gone"})
            if (QByteArray(command) != "mnuSaveAs" || QByteArray(how) != "own folder gone")
                QTest::addRow("%s, %s", command, how) << command << how;
}

void TestFileCommands::saveThatDoesNotHappenKeepsTheProject()
{
    QFETCH(QString, command);
    QFETCH(QString, how);
    const bool asks = !command.startsWith("mnuSave");
    const bool opened = how == "own folder gone";
    const QString existing = path("existing.txt");
    QVERIFY(writeBytes(existing, "keep me\r\n"));
    if (opened) {
        // The folder of the opened file is gone (a network share dropped, a stick pulled out).
        QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("sub")));
        QVERIFY(openHarbour(path("sub/harbour.txt")));
        SW_STEP(retypeDesigner());
        QVERIFY(QDir(path("sub")).removeRecursively());
    } else {
        SW_STEP(typeProject(kHarbour));
        if (how != "no culvert")
            SW_STEP(s->enterCulvert("7A", kPlainInputs, {}, ""));
    }
    const Picture before = picture();
    Boxes boxes;
    if (asks) {
        messages().queueYesNo(YesNo::Yes);
        boxes.push_back(yesNo(kSaveCurrent));
    }
    if (how == "dialog cancelled")
        dialogs().queuePath("");
    if (how == "overwrite declined") {
        dialogs().queuePath(existing.toStdString());
        messages().queueYesNo(YesNo::No);
        boxes.push_back(yesNo(asks ? kOverwriteNewExit : kOverwriteSave));
    }
    if (how == "no culvert") {
        dialogs().queuePath(path("fresh.txt").toStdString());
        boxes.push_back(ok(kMissingInputs));
    }
    if (how == "folder missing")
        dialogs().queuePath(path("missing/p.txt").toStdString());
    if (how == "folder missing" || opened)
        boxes.push_back(ok(kAccessDenied));
    QVERIFY(run(command));
    QCOMPARE(messages().asked(), boxes);
    QCOMPARE(dialogs().asked(), Dialogs{opened ? kOpen : kSave});
    QVERIFY(m_h->desktop->endRequests() == 0 && sameMainWindow() && m_h->window->isVisible());
    QVERIFY(picture() == before);
    QVERIFY(readBytes(existing) == "keep me\r\n" && !QFile::exists(path("fresh.txt")) && !QFile::exists(path("missing")));
}

void TestFileCommands::openAsksOnlyForATouchedProject_data()
{
    QTest::addColumn<QString>("touch");
    QTest::addColumn<bool>("asks");
    QTest::newRow("right after start-up") << "" << false;
    QTest::newRow("only the date typed") << "txtDate" << false;
    QTest::newRow("project name typed") << "txtProjectName" << true;
    QTest::newRow("culvert created") << "cboCulvertNo2" << true;
}

void TestFileCommands::openAsksOnlyForATouchedProject()
{
    QFETCH(QString, touch);
    QFETCH(bool, asks);
    if (touch == "cboCulvertNo2")
        SW_STEP(s->createCulvert(QStringLiteral("1")));
    else if (!touch.isEmpty())
        SW_STEP(s->typeInto(qPrintable(touch), QStringLiteral("1")));
    QPointer<FrmMain> old = m_h->window;
    if (asks)
        messages().queueYesNo(YesNo::No);
    const QString file = path("harbour.txt");
    QVERIFY(openFile(file, harbourRoadFile()));
    QCOMPARE(messages().asked(), asks ? Boxes{yesNo(kSaveCurrent)} : Boxes{});
    QCOMPARE(dialogs().asked(), Dialogs{kOpen});
    // After the question New ran first: the file is shown in a fresh main window.
    QVERIFY(followMainWindow() != nullptr);
    QCOMPARE(old.isNull(), asks);
    QCOMPARE(m_h->window->windowTitle(), file);
    QCOMPARE(qs(m_h->windowState->ProjectFileName), file);
    QCOMPARE(s->text("txtProjectName"), QStringLiteral("Harbour Road"));
    QCOMPARE(entriesOf(s->combo("cboCulvertNo2")), (QStringList{"7A", "7B"}));
    QVERIFY(s->w("cmdAdd")->isEnabled());
    QVERIFY(!m_h->session->IsPristine);  // an opened project counts as touched: the next Open asks
}

void TestFileCommands::openFromTheKeyboardRightAfterStartUpAsksNothing()
{
    // Alt alone, then Alt+F and O in the File menu, from the box the window starts in.
    QWidget* name = s->w("txtProjectName");
    QTRY_VERIFY(name->hasFocus());
    QTest::keyClick(name, Qt::Key_Alt);
    QTest::keyClick(name, Qt::Key_F, Qt::AltModifier);
    auto* file = m_h->find<QMenu>("mnuFile");
    QTRY_VERIFY(file->isVisible());
    dialogs().queuePath("");
    QTest::keyClick(file, Qt::Key_O);
    QVERIFY(messages().asked().empty());
    QCOMPARE(dialogs().asked(), Dialogs{kOpen});
    QVERIFY(sameMainWindow() && m_h->session->IsPristine);
}

void TestFileCommands::refusedFileLeavesEverythingAsItWas_data()
{
    QTest::addColumn<std::string>("bytes");
    QTest::addColumn<std::string>("message");
    const auto replaced = [](std::string_view from, std::string_view to, std::string text = harbourRoadFile()) {
        return text.replace(text.find(from), from.size(), to);
    };
    // Neither the correction-factor line nor both section titles: not a project file at all.
    QTest::newRow("not a project file")
        << replaced("Source of correction factor=Design Manual\r\n", "", replaced("[CULVERTS]\r\n", ""))
        << std::string("File format is invalid for this version of ZAV !");
    QTest::newRow("no [PROJECT INFO]") << replaced("[PROJECT INFO]", "[PROJECT  INFO]")
                                       << std::string(msg::kReadNoProjectInfo);
    QTest::newRow("no [CULVERTS]") << replaced("[CULVERTS]", "[culverts]") << std::string(msg::kReadNoCulverts);
}

void TestFileCommands::refusedFileLeavesEverythingAsItWas()
{
    QFETCH(std::string, bytes);
    QFETCH(std::string, message);
    QVERIFY(openHarbour(path("harbour.txt")));
    m_h->session->IsPristine = true;  // so that Open goes straight to its dialog
    const Picture before = picture();
    const QString refused = path("refused.txt");
    QVERIFY(openFile(refused, bytes));
    QCOMPARE(messages().asked(), Boxes{ok(message)});
    QVERIFY(sameMainWindow() && picture() == before);
    QCOMPARE(readBytes(refused), bytes);
}

void TestFileCommands::partlyReadFileIsShownButStaysUntitled()
{
    // A blank line inside the second culvert's sub-areas: the reading stops there.
    const std::string damaged =
        harbourRoadFile() + crlf({"Asphaltic,1.0 a,0.81,first", "", "Asphaltic,2.0 a,0.81,second"});
    const QString original = path("damaged.txt");
    QVERIFY(openFile(original, damaged));
    QCOMPARE(messages().asked().size(), std::size_t(1));
    QVERIFY2(messages().asked()[0].text.ends_with(" happened in StoreInfo_Culvert !"), messages().asked()[0].text.c_str());
    QCOMPARE(m_h->window->windowTitle(), QStringLiteral("Untitled"));
    // What was read is shown.
    QVERIFY(s->text("txtProjectName") == "Harbour Road" && s->text("lblCulvertID") == "7A");
    QCOMPARE(entriesOf(s->combo("cboCulvertNo2")), (QStringList{"7A", "7B"}));
    QCOMPARE(m_h->document().CulvertList.at(1).NumOfAreas, std::string("1"));
    QCOMPARE(m_h->document().CulvertList.at(1).Areas, (std::vector<SubArea>{{"Asphaltic", 0.81, "1.0 a", 1.0, "first"}}));

    // Save asks for a name rather than writing over the damaged original.
    messages().clearRecord();
    const QString copy = path("recovered.txt");
    dialogs().queuePath(copy.toStdString());
    QVERIFY(savedWithoutQuestion({kOpen, kSave}));
    QCOMPARE(readBytes(original), damaged);
    QCOMPARE(m_h->window->windowTitle(), copy);
    QVERIFY(readBytes(copy).ends_with("\r\nReturn Period=10\r\nAsphaltic,1.0 a,0.81,first\r\n"));
}

void TestFileCommands::culvertWithoutIdIsNamedAndSaveKeepsEveryCulvert()
{
    std::string bytes = harbourRoadFile();
    bytes.replace(bytes.find("Culvert No=7A"), 13, "Culvert No=");
    const QString file = path("no-id.txt");
    QVERIFY(openFile(file, bytes));
    QCOMPARE(messages().texts(), std::vector<std::string>{fillMessage(msg::kReadCulvertWithoutId, {"1", "\"No ID 1\""})});
    QCOMPARE(m_h->window->windowTitle(), file);
    QCOMPARE(entriesOf(s->combo("cboCulvertNo2")), (QStringList{"No ID 1", "7B"}));

    // Save writes to the file at once, and both culverts are in it.
    messages().clearRecord();
    QVERIFY(savedWithoutQuestion({kOpen}));
    bytes.replace(bytes.find("Culvert No="), 11, "Culvert No=No ID 1");
    QCOMPARE(readBytes(file), bytes);
}

void TestFileCommands::saveAsChecksTheFieldsInOrder_data()
{
    QTest::addColumn<QStringList>("emptied");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("focusBefore");
    QTest::newRow("control") << QStringList{"txtControlNo"} << 0 << "txtProjectNo";
    QTest::newRow("control and later boxes") << QStringList{"txtDesigner", "txtDate", "txtControlNo"} << 0
                                             << "txtProjectNo";
    // Leaving the designer box by hand returns to the project name; the check's focus must win.
    QTest::newRow("control, from the designer box") << QStringList{"txtControlNo"} << 0 << "txtDesigner";
    // The check's box is on a hidden page: the page comes up with it.
    QTest::newRow("control, from the drainage page") << QStringList{"txtControlNo"} << kDrainagePage
                                                     << "cboCulvertNo1";
}

void TestFileCommands::saveAsChecksTheFieldsInOrder()
{
    QFETCH(QStringList, emptied);
    QFETCH(int, page);
    QFETCH(QString, focusBefore);
    SW_STEP(typeProject(kHarbour) && s->createCulvert(QStringLiteral("1")) && s->showPage(0));
    for (const QString& name : emptied)
        SW_STEP(s->replaceText(qPrintable(name), QString()));
    SW_STEP(s->showPage(page) && s->focusOn(s->w(qPrintable(focusBefore))));
    messages().clearRecord();
    QVERIFY(run("mnuSaveAs"));
    QCOMPARE(messages().asked(), Boxes{ok("Control No is not provided, please check your input !")});
    QVERIFY(dialogs().asked().empty());
    QCOMPARE(s->w<QTabWidget>("SSTab1")->currentIndex(), 0);
    QTRY_VERIFY(s->w("txtControlNo")->hasFocus());
    QCOMPARE(m_h->window->windowTitle(), QStringLiteral("Untitled"));
    // What is typed next goes where the message pointed.
    typeKeys(QApplication::focusWidget(), QStringLiteral("CN-9"));
    QCOMPARE(qs(m_h->document().ProjectInfo.ControlNo), QStringLiteral("CN-9"));
    QCOMPARE(s->text("cboCulvertNo1"), QStringLiteral("1"));
}

void TestFileCommands::saveOfANewProjectNamesItsFile()
{
    SW_STEP(typeProject(kHarbour));
    messages().queueYesNo(YesNo::No);
    QVERIFY(run("mnuNew") && followMainWindow() && m_h->showActive());
    SW_STEP(s->enterCulvert("1", kPlainInputs, {}, ""));
    messages().clearRecord();

    const QString target = path("new project.txt");
    dialogs().queuePath(target.toStdString());
    QVERIFY(savedWithoutQuestion({kSave}));
    QCOMPARE(m_h->window->windowTitle(), target);
    QVERIFY(m_h->windowState->ProjectFileName.empty());  // only Open, New and Exit remember a path
    // No field is required by Save, and New left none of the old ones: they are written empty.
    const auto written = [](const std::string& designer) {
        return projectHead("", "", "", "", "03/09/2024", "10:15:30 AM", designer) + culvertLines("1", "", "10") +
               intensityBlock();
    };
    QCOMPARE(readBytes(target), written(""));

    // The next Save writes to that file without a dialog.
    SW_STEP(s->showPage(0) && s->replaceText("txtDesigner", QStringLiteral("Z. Ndlovu")));
    QVERIFY(savedWithoutQuestion({kSave}));
    QCOMPARE(readBytes(target), written("Z. Ndlovu"));

    // Save As, all fields given, writes to another file (here over an old one); the caption names it.
    const QString other = path("other.txt");
    QVERIFY(writeBytes(other, "an older project\r\n"));
    SW_STEP(typeProject(kHarbour));
    messages().queueYesNo(YesNo::Yes);
    dialogs().queuePath(other.toStdString());
    QVERIFY(run("mnuSaveAs"));
    QCOMPARE(messages().asked(), Boxes{yesNo(kOverwriteSave)});
    QVERIFY(readBytes(other).starts_with(
        crlf({"[CORVENNA- STORMWICK]", "[PROJECT INFO]", "Project Name=Harbour Road"})));
    QCOMPARE(readBytes(target), written("Z. Ndlovu"));
    QCOMPARE(m_h->window->windowTitle(), other);
}

void TestFileCommands::typedProjectComesBackAfterSaveNewAndOpen()
{
    using namespace entry;
    const auto in = [](int period, int zone, const char* remote, const char* inlet, const char* length, int unit,
                       int factor, const char* typedFactor = "") {
        return IntensityInputs{period, zone, remote, unit, inlet, unit, length, unit, factor, typedFactor};
    };
    const auto area = [](int surface, const char* a, int unit, const char* description) {
        return SubAreaInput{surface, {}, {}, a, unit, description};
    };
    const std::tuple<const char*, IntensityInputs, std::vector<SubAreaInput>, const char*> culverts[] = {
        {"101", in(k10Years, kZoneA, "1010", "1000", "1000", kFeet, kNaturalBasins),
         {area(kAsphaltic, "2.5", kAcres, "ditch"), {-1, "Gravel lot", "0.6", "1.5", kHectares, "yard"}}, "Sta 10+50"},
        {"102", in(k25Years, kZoneB, "305", "300", "300", kMetres, -1, "1.2"),
         {area(kConcreteRoof, "10000", kSquareMetres, "roof")}, "Sta 12"},
        {"C-3", in(k100Years, kZoneC, "2000.5", "2000", "3000", kFeet, kConcreteOrAsphaltOverland),
         {area(kGrassOver75Flat, "12.34", kAcres, "Ditch A")}, "Sta 15+00"}};
    SW_STEP(typeProject({"Route 9 Widening", "P-2024-17", "CN 0042", "Culverts from km 3 to km 7", "J. Okafor"}));
    for (const auto& [id, inputs, areas, station] : culverts)
        SW_STEP(s->enterCulvert(id, inputs, areas, station));
    // Each culvert chosen in turn, as it shows.
    std::map<std::string, QStringList> views;
    for (const char* id : {"101", "102", "C-3"}) {
        SW_STEP(choose(id));
        views[id] = windowView(m_h->window);
    }
    QVERIFY(views["101"].contains("Gravel lot,1.5 h,0.60,yard") && views["102"].contains("txtCorFactor=1.2"));
    const Document typed = m_h->document();

    // Saved: the file dialog names the file, which then is the caption; the values as typed.
    const QString file = path("route 9.txt");
    dialogs().queuePath(file.toStdString());
    QVERIFY(run("mnuSave"));
    QCOMPARE(m_h->window->windowTitle(), file);
    const std::string saved = readBytes(file);
    for (const char* line : {"Project Name=Route 9 Widening", "Gravel lot,1.5 h,0.60,yard",
                             "Concrete/Roof,10000.0 m,0.88,roof", "Elevation of most remost point=305 m",
                             "Time of concentration correction factor= .4 "})
        QVERIFY2(saved.find("\r\n" + std::string(line) + "\r\n") != std::string::npos, line);

    // New, not saving again, on another day; then opened: everything as typed.
    m_h->desktop->clock().setToday({2025, 1, 2});
    messages().queueYesNo(YesNo::No);
    QVERIFY(run("mnuNew") && followMainWindow() && m_h->showActive());
    messages().clearRecord();
    QVERIFY(openFile(file));
    QVERIFY(messages().asked().empty());
    QCOMPARE(m_h->window->windowTitle(), file);
    QCOMPARE(m_h->document().ProjectInfo, typed.ProjectInfo);
    QCOMPARE(windowView(m_h->window), views["101"]);
    for (const char* id : {"102", "C-3"}) {
        SW_STEP(choose(id));
        QCOMPARE(windowView(m_h->window), views[id]);
    }
    QVERIFY(m_h->document().CulvertList == typed.CulvertList);

    // Saved again: no dialog, no question, the same bytes.
    QVERIFY(savedWithoutQuestion({kSave, kOpen}));
    QCOMPARE(readBytes(file), saved);
}

void TestFileCommands::handWrittenFileIsShownAsWritten()
{
    const Document& state = m_h->document();
    const QString file = path("route9.txt");
    QVERIFY(QFile::copy(QStringLiteral(SW_UI_TEST_DATA "/route9-handwritten.txt"), file));
    QVERIFY(QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner));
    const std::string original = readBytes(file);
    QVERIFY(original.find("Caf\xE9 junction to river\r\n") != std::string::npos);  // the data file kept its bytes
    QVERIFY(openFile(file));
    QVERIFY(messages().asked().empty());
    QCOMPARE(m_h->window->windowTitle(), file);
    QCOMPARE(state.ProjectInfo, (ProjectInfo{"Route 9 Widening", "P-17", "CN 0042", "Caf\xC3\xA9 junction to river",
                                             "05/06/1999", "2:30:00 PM", "Ren\xC3\xA9" "e Ortiz"}));
    QCOMPARE(state.CulvertList[0].Areas, (std::vector<SubArea>{{"Asphaltic", 0.86, "2.5 a", 2.5, "ditch"},
                                                               {"Own surface \xC3\xA9", 0.5, "1.0 h", 2.5, "field"}}));
    QVERIFY(state.CulvertList.size() == 4 && state.CulvertList[1].RFZone.empty() &&
            state.CulvertList[2].Description == "Sta 30");

    // Culvert C1 is selected, and so computed.
    expectShown({{"txtProDescrpt", "Caf\xC3\xA9 junction to river"}, {"txtDesigner", "Ren\xC3\xA9" "e Ortiz"},
                 {"txtDate", "05/06/1999"}, {"lblTime", "2:30:00 PM"}, {"cboCulvertNo1", "C1"}, {"lblCulvertID", "C1"},
                 {"cboretPeriod", "25"}, {"cboRFzone", "B"}, {"txtEleRemote", "1010"}, {"cboTravelUnit", "ft"},
                 {"lblCorFactor", "1"}, {"txtCulvertDescrpt", "Sta 10+50"}, {"lblLot", "2"}, {"lblTA", "5.0"},
                 {"lblWC", "0.68"}});
    QCOMPARE(entriesOf(s->combo("cboCulvertNo2")), (QStringList{"C1", "C2", "C3", "C4"}));
    QCOMPARE(s->rows("lstIntensity"), plainLines("C1").mid(0, 7) << "Intensity (in/hr): 7.05 (179 mm/hr) ");
    QCOMPARE(s->rows("lstAreaInfo"), (QStringList{"Asphaltic,2.5 a,0.86,ditch", "Own surface \u00e9,1.0 h,0.50,field"}));

    // The other culverts as they are chosen: metres and a typed factor; no inputs; no sub-areas.
    SW_STEP(choose("C3"));
    expectShown({{"txtEleRemote", "305"}, {"cboCulvertUnit", "m"}, {"txtLenTravel", "300"}, {"txtCorFactor", "1.2"},
                 {"txtCulvertDescrpt", ""}});
    QVERIFY(s->w<QRadioButton>("optUser")->isChecked() && s->w("txtCorFactor")->isVisible());
    QCOMPARE(s->rows("lstIntensity").mid(1, 5),
             (QStringList{"Ele. of Remote Point (ft):1000.64", "Ele. of Culvert Inlet (ft): 984.24",
                          "Len. of Travel (ft): 984.24", "Slope (ft/ft): 0.01666", "Corr. Factor: 1.2 (User Defined)"}));
    QCOMPARE(s->rows("lstAreaInfo"), QStringList{});
    SW_STEP(choose("C2"));
    expectShown({{"txtEleRemote", ""}, {"txtEleCulvert", ""}, {"txtLenTravel", ""}, {"txtCorFactor", ""},
                 {"txtCulvertDescrpt", "Sta 20"}, {"lblLot", "1"}, {"lblTA", "3.0"}, {"lblWC", "0.25"}});
    QCOMPARE(s->rows("lstAreaInfo"), QStringList{"Grass Areas (> 75%)-Flat 0~2%,3.0 a,0.25,lawn"});

    // Saved back where it came from, without a question, byte for byte as written by hand.
    QVERIFY(savedWithoutQuestion({kOpen}));
    QCOMPARE(readBytes(file), original);
}

void TestFileCommands::everyChangeUndoneAndRedoneToTheFileBytes()
{
    const QString file = path("harlow.txt");
    QVERIFY(openFile(file, threeCulverts()));
    QCOMPARE(m_h->window->windowTitle(), file);
    QVERIFY(!action("mnuUndo")->isEnabled() && !action("mnuRedo")->isEnabled());
    QCOMPARE(action("mnuUndo")->text(), QStringLiteral("&Undo"));
    const QByteArray original = bytesOf(file);

    // Each kind of change, and the name the menu gives it.
    messages().queueYesNo(YesNo::Yes);
    SW_STEP(s->showPage(kIntensityPage) && s->pick("cboCulvertNo2", 1) && s->click("cmdDelCulvertNo2"));
    QCOMPARE(action("mnuUndo")->text(), QStringLiteral("&Undo Delete Culvert C2"));
    SW_STEP(s->typeCulvertId("C1") && s->addSubArea(kDitch) && s->addSubArea(kLot));
    QCOMPARE(action("mnuUndo")->text(), QStringLiteral("&Undo Add Sub-area"));
    SW_STEP(s->clickRow("lstAreaInfo", 0) && s->click("cmdRemove"));
    SW_STEP(s->showPage(0) && s->typeInto("txtProjectName", " (rev. B)"));
    QCOMPARE(action("mnuUndo")->text(), QStringLiteral("&Undo Edit Project Name"));
    SW_STEP(s->showPage(kIntensityPage) && s->click("cmdRFMap") && m_h->window->zoneMap());
    m_h->window->zoneMap()->pressAt({10000 / kTwipsPerMapPixel, 5000 / kTwipsPerMapPixel});
    QCOMPARE(action("mnuUndo")->text(), QStringLiteral("&Undo Pick Zone C on the Map"));
    QVERIFY2(save(), messages().asked().empty() ? "" : messages().asked().back().text.c_str());
    const QByteArray edited = bytesOf(file);
    QVERIFY(edited != original);

    // Undone one by one, the current culvert follows what each undo takes back.
    SW_STEP(s->backToMain());
    action("mnuUndo")->trigger();
    QCOMPARE(current(), QStringLiteral("C1"));
    QCOMPARE(s->text("cboRFzone"), QStringLiteral("A"));
    QCOMPARE(action("mnuRedo")->text(), QStringLiteral("&Redo Pick Zone C on the Map"));
    int undone = 1;
    while (action("mnuUndo")->isEnabled()) {
        action("mnuUndo")->trigger();
        ++undone;
    }
    QCOMPARE(undone, 6);
    // The deleted culvert is back at its slot, chosen, with its sub-areas shown.
    QCOMPARE(entriesOf(s->combo("cboCulvertNo1")), (QStringList{"C1", "C2", "C3"}));
    QCOMPARE(current(), QStringLiteral("C2"));
    QCOMPARE(s->rows("lstAreaInfo"), QStringList{"Concrete/Roof,0.5 h,0.88,deck"});
    QVERIFY(save());
    QCOMPARE(bytesOf(file), original);

    while (action("mnuRedo")->isEnabled())
        action("mnuRedo")->trigger();
    QVERIFY(save());
    QCOMPARE(bytesOf(file), edited);
    // Undo never makes the project pristine: Open still offers to save it.
    QVERIFY(!m_h->session->IsPristine);
}

void TestFileCommands::ctrlZInABoxTakesBackTheProjectsChange()
{
    SW_STEP(s->createCulvert("K1") && s->showPage(0) && s->typeInto("txtProjectName", "Route 9"));
    SW_STEP(s->typeInto("txtProjectNo", "P-1"));
    QLineEdit* name = s->w<QLineEdit>("txtProjectName");
    SW_STEP(s->focusOn(name));
    // Typing in one box is one change; the key in another box takes back the last change of the
    // project, and the boxes show the project.
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(s->text("txtProjectNo"), QString());
    QCOMPARE(doc().ProjectInfo.ProjectNo, std::string());
    QCOMPARE(s->text("txtProjectName"), QStringLiteral("Route 9"));
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(s->text("txtProjectName"), QString());
    QTest::keyClick(name, Qt::Key_Y, Qt::ControlModifier);
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(doc().ProjectInfo.ProjectName + "|" + doc().ProjectInfo.ProjectNo, std::string("Route 9|P-1"));
    QCOMPARE(s->text("txtProjectNo"), QStringLiteral("P-1"));
    QVERIFY(messages().asked().empty());
}

void TestFileCommands::renameCulvert()
{
    QAction* rename = action("mnuRenameCulvert");
    QCOMPARE(rename->text(), QStringLiteral("Re&name Culvert..."));
    rename->trigger();
    QCOMPARE(messages().texts(), std::vector<std::string>{std::string(msg::kRenameNoCulvert)});
    SW_STEP(s->createCulvert("K1") && s->createCulvert("K2") && s->typeCulvertId("K1"));
    messages().clearRecord();
    // Refused: an empty ID, a taken one, a character the file cannot hold; Cancel changes nothing.
    for (const auto& [typed, message] : std::vector<std::pair<std::optional<std::string>, std::string>>{
             {"  ", std::string(msg::kRenameEmpty)},
             {"K2", std::string(msg::kCulvertIdExists)},
             {"K日", fillMessage(msg::kCharactersNotHeld, {"\"日\""})},
             {std::nullopt, {}}}) {
        messages().queueText(typed);
        rename->trigger();
        // The question names the culvert; a refusal follows it.
        const AskedMessage& last = messages().asked().back();
        QCOMPARE(last.text, typed ? message : fillMessage(msg::kRenameAsk, {"K1"}));
        QCOMPARE(doc().CulvertList[0].CulvertNo, std::string("K1"));
    }
    messages().queueText("K1a");
    rename->trigger();
    QCOMPARE(doc().CulvertList[0].CulvertNo, std::string("K1a"));
    QCOMPARE(entriesOf(s->combo("cboCulvertNo2")), (QStringList{"K1a", "K2"}));
    QCOMPARE(s->text("cboCulvertNo2") + s->text("cboCulvertNo1") + s->text("lblCulvertID"), QStringLiteral("K1aK1aK1a"));
    QCOMPARE(action("mnuUndo")->text(), QStringLiteral("&Undo Rename Culvert K1 to K1a"));
    action("mnuUndo")->trigger();
    QCOMPARE(entriesOf(s->combo("cboCulvertNo1")), (QStringList{"K1", "K2"}));
    QCOMPARE(current(), QStringLiteral("K1"));
}

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
