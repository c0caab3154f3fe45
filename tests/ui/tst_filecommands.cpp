// The File menu: New, Open, Save, Save As and Exit with their questions and the file dialog, the
// caption as the record of the current file, the close box, every case where a command must leave
// the project alone (a save cancelled or failed, a file refused), files read with a message, and a
// whole cycle: a project typed, saved, replaced by New and opened again.
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
    void saveQuestionAndWhatFollows_data();
    void saveQuestionAndWhatFollows();
    void openAsksOnlyForATouchedProject_data();
    void openAsksOnlyForATouchedProject();
    void fileThatBringsAMessage_data();
    void fileThatBringsAMessage();
    void saveAsChecksTheFieldsInOrder_data();
    void saveAsChecksTheFieldsInOrder();
    void typedProjectComesBackAfterSaveNewAndOpen();
    void everyChangeUndoneAndRedoneToTheFileBytes();
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
    // Chooses a culvert by typing its ID, as a person does.
    bool choose(const char* id)
    {
        return s->typeCulvertId(QString::fromLatin1(id)) && session().CurCulvert() >= 0 &&
               session().currentCulvert()->CulvertNo == id;
    }
    QString current() const { return QString::fromStdString(m_h->session->currentCulvert()->CulvertNo); }
};

void TestFileCommands::saveQuestionAndWhatFollows_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("how");
    // Answered No, or saved to a file: New, Exit and the close box go on. A save that does not
    // happen keeps the project, whichever command it was for.
    for (const char* command : {"mnuNew", "mnuExit", "mnuOpen", "close box", "mnuSave", "mnuSaveAs"})
        for (const char* how : {"answered No", "new file", "existing file", "opened file", "dialog cancelled",
                                "overwrite declined", "no culvert", "folder missing", "own folder gone"}) {
            const QByteArray c(command), h(how);
            if (h == "answered No" || h.endsWith(" file") ? c != "mnuOpen" && !c.startsWith("mnuSave")
                                                           : c != "mnuSaveAs" || h != "own folder gone")
                QTest::addRow("%s, %s", command, how) << command << how;
        }
}

void TestFileCommands::saveQuestionAndWhatFollows()
{
    QFETCH(QString, command);
    QFETCH(QString, how);
    const bool asks = !command.startsWith("mnuSave");
    const bool goesOn = how == "answered No" || how.endsWith(" file");
    const bool opened = how == "opened file" || how == "own folder gone";
    const QString existing = path("existing.txt");
    QVERIFY(writeBytes(existing, "keep me\r\n"));
    const QString target = how == "own folder gone" ? path("sub/harbour.txt")
                           : how == "existing file" ? existing
                                                    : path("saved.txt");
    if (opened) {
        QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("sub")));
        QVERIFY(openHarbour(target));
        SW_STEP(s->showPage(0) && s->replaceText("txtDesigner", kHarbour[4]));
    } else {
        // Without a project name a project with culverts is still asked about: they are work.
        SW_STEP(typeProject(QStringList{how == "answered No" ? "" : kHarbour[0]} + kHarbour.mid(1)));
        if (how != "no culvert")
            SW_STEP(s->enterCulvert("7A", kPlainInputs, {}, ""));
    }
    // The folder of the opened file is gone (a network share dropped, a stick pulled out).
    if (how == "own folder gone")
        QVERIFY(QDir(path("sub")).removeRecursively());
    const Picture before = picture();
    Boxes boxes;
    if (asks) {
        messages().queueYesNo(how == "answered No" ? YesNo::No : YesNo::Yes);
        boxes.push_back(yesNo(kSaveCurrent));
    }
    const std::map<QString, QString> chosen{{"new file", target},          {"existing file", existing},
                                            {"dialog cancelled", {}},      {"overwrite declined", existing},
                                            {"no culvert", path("fresh.txt")}, {"folder missing", path("missing/p.txt")}};
    if (const auto it = chosen.find(how); it != chosen.end())
        dialogs().queuePath(it->second.toStdString());
    if (how == "existing file" || how == "overwrite declined") {
        messages().queueYesNo(how == "existing file" ? YesNo::Yes : YesNo::No);
        boxes.push_back(yesNo(asks ? kOverwriteNewExit : kOverwriteSave));
    }
    if (how == "no culvert")
        boxes.push_back(ok(kMissingInputs));
    if (how == "folder missing" || how == "own folder gone")
        boxes.push_back(ok(kAccessDenied));
    m_h->desktop->clock().setToday({2025, 1, 2});
    m_h->desktop->clock().setTimeOfDay("08:00:01");
    QPointer<FrmMain> old = m_h->window;
    QVERIFY(run(command));
    QCOMPARE(messages().asked(), boxes);
    QCOMPARE(dialogs().asked(), how == "answered No" ? Dialogs{} : Dialogs{opened ? kOpen : kSave});
    if (!goesOn) {
        QVERIFY(m_h->desktop->endRequests() == 0 && sameMainWindow() && m_h->window->isVisible());
        QVERIFY(picture() == before);
        QVERIFY(readBytes(existing) == "keep me\r\n" && !QFile::exists(path("fresh.txt")) &&
                !QFile::exists(path("missing")));
        return;
    }
    const bool saves = how != "answered No";
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

void TestFileCommands::fileThatBringsAMessage_data()
{
    QTest::addColumn<std::string>("bytes");
    QTest::addColumn<std::string>("message");
    QTest::addColumn<QStringList>("culverts");  // as listed once read; none: refused, everything as it was
    QTest::addColumn<bool>("named");            // the caption names the file, and Save writes there
    QTest::addColumn<std::string>("saved");
    const auto replaced = [](std::string_view from, std::string_view to, std::string text = harbourRoadFile()) {
        return text.replace(text.find(from), from.size(), to);
    };
    // Neither the correction-factor line nor both section titles: not a project file at all.
    QTest::newRow("not a project file")
        << replaced("Source of correction factor=Design Manual\r\n", "", replaced("[CULVERTS]\r\n", ""))
        << std::string("File format is invalid for this version of ZAV !") << QStringList{} << false << std::string();
    QTest::newRow("no [CULVERTS]") << replaced("[CULVERTS]", "[culverts]") << std::string(msg::kReadNoCulverts)
                                   << QStringList{} << false << std::string();
    // A blank line inside the second culvert's sub-areas: the reading stops there. Save then asks
    // for a name rather than writing over the damaged original.
    const std::string kept = harbourRoadFile() + crlf({"Asphaltic,1.0 a,0.81,first"});
    QTest::newRow("read in part")
        << kept + crlf({"", "Asphaltic,2.0 a,0.81,second"})
        << std::string("Line 31: the runoff coefficient \"\" of this sub-area line is not a number happened in "
                       "StoreInfo_Culvert !")
        << QStringList{"7A", "7B"} << false << kept;
    QTest::newRow("culvert without ID") << replaced("Culvert No=7A", "Culvert No=")
                                        << fillMessage(msg::kReadCulvertWithoutId, {"1", "\"No ID 1\""})
                                        << QStringList{"No ID 1", "7B"} << true
                                        << replaced("Culvert No=7A", "Culvert No=No ID 1");
}

void TestFileCommands::fileThatBringsAMessage()
{
    QFETCH(std::string, bytes);
    QFETCH(std::string, message);
    QFETCH(QStringList, culverts);
    QFETCH(bool, named);
    QFETCH(std::string, saved);
    QVERIFY(openHarbour(path("harbour.txt")));
    m_h->session->IsPristine = true;  // so that Open goes straight to its dialog
    const Picture before = picture();
    const QString file = path("read.txt");
    QVERIFY(openFile(file, bytes));
    QCOMPARE(messages().texts(), std::vector<std::string>{message});
    QVERIFY(sameMainWindow());
    if (culverts.isEmpty()) {
        QVERIFY(picture() == before);
        QCOMPARE(readBytes(file), bytes);
        return;
    }
    // What was read is shown.
    QCOMPARE(m_h->window->windowTitle(), named ? file : QStringLiteral("Untitled"));
    QVERIFY(s->text("txtProjectName") == "Harbour Road" && s->text("lblCulvertID") == culverts[0]);
    QCOMPARE(entriesOf(s->combo("cboCulvertNo2")), culverts);
    messages().clearRecord();
    const QString target = named ? file : path("recovered.txt");
    if (!named)
        dialogs().queuePath(target.toStdString());
    QVERIFY(savedWithoutQuestion(named ? Dialogs{kOpen, kOpen} : Dialogs{kOpen, kOpen, kSave}));
    QCOMPARE(m_h->window->windowTitle(), target);
    QCOMPARE(readBytes(target), saved);
    QCOMPARE(readBytes(file), named ? saved : bytes);
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
    // Typed after New, which leaves none of the old fields; the control number is left empty.
    SW_STEP(typeProject(kHarbour));
    messages().queueYesNo(YesNo::No);
    QVERIFY(run("mnuNew") && followMainWindow() && m_h->showActive());
    messages().clearRecord();
    SW_STEP(typeProject({"Route 9 Widening", "P-2024-17", "", "Culverts from km 3 to km 7", "J. Okafor"}));
    for (const auto& [id, inputs, areas, station] : culverts)
        SW_STEP(s->enterCulvert(id, inputs, areas, station));

    // Saved: Save requires no field; the file dialog names the file, which then is the caption.
    const QString file = path("route 9.txt");
    dialogs().queuePath(file.toStdString());
    QVERIFY(savedWithoutQuestion({kSave}));
    QCOMPARE(m_h->window->windowTitle(), file);
    QVERIFY(m_h->windowState->ProjectFileName.empty());  // only Open, New and Exit remember a path
    QVERIFY(readBytes(file).find("\r\nControl No=\r\nPorject Description=Culverts") != npos);
    // The next Save writes there without a dialog; the values as typed.
    SW_STEP(s->showPage(0) && s->replaceText("txtControlNo", QStringLiteral("CN 0042")));
    QVERIFY(savedWithoutQuestion({kSave}));
    const std::string saved = readBytes(file);
    for (const char* line : {"Project Name=Route 9 Widening", "Control No=CN 0042", "Gravel lot,1.5 h,0.60,yard",
                             "Concrete/Roof,10000.0 m,0.88,roof", "Elevation of most remost point=305 m",
                             "Time of concentration correction factor= .4 "})
        QVERIFY2(saved.find("\r\n" + std::string(line) + "\r\n") != npos, line);
    // Each culvert chosen in turn, as it shows.
    std::map<std::string, QStringList> views;
    for (const char* id : {"101", "102", "C-3"}) {
        SW_STEP(choose(id));
        views[id] = windowView(m_h->window);
    }
    QVERIFY(views["101"].contains("Gravel lot,1.5 h,0.60,yard") && views["102"].contains("txtCorFactor=1.2"));
    const Document typed = m_h->document();

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

    // Save As, all fields given, writes to another file (here over an old one); the caption names it.
    const QString other = path("other.txt");
    QVERIFY(writeBytes(other, "an older project\r\n"));
    messages().queueYesNo(YesNo::Yes);
    dialogs().queuePath(other.toStdString());
    QVERIFY(run("mnuSaveAs"));
    QCOMPARE(messages().asked(), Boxes{yesNo(kOverwriteSave)});
    QVERIFY(readBytes(other).starts_with(
        crlf({"[CORVENNA- STORMWICK]", "[PROJECT INFO]", "Project Name=Route 9 Widening"})));
    QCOMPARE(readBytes(file), saved);
    QCOMPARE(m_h->window->windowTitle(), other);
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
    messages().clearRecord();
    SW_STEP(s->typeCulvertId("C1") && s->addSubArea(kDitch) && s->addSubArea(kLot));
    QCOMPARE(action("mnuUndo")->text(), QStringLiteral("&Undo Add Sub-area"));
    SW_STEP(s->clickRow("lstAreaInfo", 0) && s->click("cmdRemove"));
    SW_STEP(s->showPage(0) && s->typeInto("txtProjectName", " (rev. B)"));
    QCOMPARE(action("mnuUndo")->text(), QStringLiteral("&Undo Edit Project Name"));
    SW_STEP(s->showPage(kIntensityPage) && s->click("cmdRFMap") && m_h->window->zoneMap());
    m_h->window->zoneMap()->pressAt({10000 / kTwipsPerMapPixel, 5000 / kTwipsPerMapPixel});
    QCOMPARE(action("mnuUndo")->text(), QStringLiteral("&Undo Pick Zone C on the Map"));
    QVERIFY(savedWithoutQuestion({kOpen}));
    const QByteArray edited = bytesOf(file);
    QVERIFY(edited != original);

    // Undone one by one, the current culvert follows what each undo takes back. Ctrl+Z in the box
    // typed into takes back the project's last change, not the box's typing, and the box shows it.
    QWidget* name = s->w("txtProjectName");
    SW_STEP(s->backToMain() && s->showPage(0) && s->focusOn(name));
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(current(), QStringLiteral("C1"));
    QCOMPARE(s->text("cboRFzone"), QStringLiteral("A"));
    QCOMPARE(s->text("txtProjectName"), QStringLiteral("Harlow Bypass (rev. B)"));
    QCOMPARE(action("mnuRedo")->text(), QStringLiteral("&Redo Pick Zone C on the Map"));
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(s->text("txtProjectName"), QStringLiteral("Harlow Bypass"));
    int undone = 2;
    while (action("mnuUndo")->isEnabled()) {
        action("mnuUndo")->trigger();
        ++undone;
    }
    QCOMPARE(undone, 6);
    // The deleted culvert is back at its slot, chosen, with its sub-areas shown.
    QCOMPARE(entriesOf(s->combo("cboCulvertNo1")), (QStringList{"C1", "C2", "C3"}));
    QCOMPARE(current(), QStringLiteral("C2"));
    QCOMPARE(s->rows("lstAreaInfo"), QStringList{"Concrete/Roof,0.5 h,0.88,deck"});
    QVERIFY(savedWithoutQuestion({kOpen}));
    QCOMPARE(bytesOf(file), original);

    // Ctrl+Y and Ctrl+Shift+Z redo as the menu does.
    SW_STEP(s->showPage(0) && s->focusOn(name));
    QTest::keyClick(name, Qt::Key_Y, Qt::ControlModifier);
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(action("mnuUndo")->text(), QStringLiteral("&Undo Add Sub-area"));
    while (action("mnuRedo")->isEnabled())
        action("mnuRedo")->trigger();
    QVERIFY(savedWithoutQuestion({kOpen}));
    QCOMPARE(bytesOf(file), edited);
    // Undo never makes the project pristine: Open still offers to save it.
    QVERIFY(!m_h->session->IsPristine);
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
