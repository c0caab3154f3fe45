// The File menu: New, Open, Save, Save As and Exit with their questions and the file dialog, the
// caption as the record of the current file, the close box, and every case where a command must
// leave the project alone: a save cancelled or failed, a file refused.

#include <QCloseEvent>
#include <QTemporaryDir>
#include <QVBoxLayout>

#include "core/messages.h"
#include "tests/ui/filesteps.h"

using namespace sw;
using namespace sw::testing;
namespace ft = sw::testing::filetext;

namespace {

// Stands for the culvert selector, which unloads when it is closed.
class SelectorStandIn : public QWidget {
public:
    explicit SelectorStandIn(WindowRegistry& registry) : m_registration(registry, this, "frmCulvertSelector")
    {
        setObjectName(QStringLiteral("frmCulvertSelector"));
        setAttribute(Qt::WA_DeleteOnClose);
        resize(200, 60);
    }

private:
    WindowRegistration m_registration;
};

const ProjectTyping kHarbour{QStringLiteral("Harbour Road"), QStringLiteral("HR-7"), QStringLiteral("CN-3"),
                             QStringLiteral("Outfall upgrade"), QStringLiteral("A. Lindqvist")};

// How a save to a chosen file is made not to happen.
enum class NoSave { DialogCancelled, OverwriteDeclined, NoCulvert, FolderMissing };

}  // namespace

Q_DECLARE_METATYPE(NoSave)

class TestFileCommands : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void newAnsweredNoStartsAFreshProject();
    void newSavesAnUntitledProjectToTheChosenFile_data();
    void newSavesAnUntitledProjectToTheChosenFile();
    void newSavesAnOpenedProjectWithoutDialog();
    void newUnloadsTheCulvertSelector();
    void newOrExitWhoseSaveDoesNotHappenKeepsTheProject_data();
    void newOrExitWhoseSaveDoesNotHappenKeepsTheProject();
    void newOrExitWhoseSaveToItsFileFailsKeepsTheProject_data();
    void newOrExitWhoseSaveToItsFileFailsKeepsTheProject();

    void exitWithoutProjectName_data();
    void exitWithoutProjectName();
    void exitSavesAndEnds_data();
    void exitSavesAndEnds();
    void closeBoxRunsExitAndStaysWhenExitDoesNotEnd();

    void openOfAnUntouchedProjectAsksNothing_data();
    void openOfAnUntouchedProjectAsksNothing();
    void openOfATouchedProjectOffersToSaveFirst_data();
    void openOfATouchedProjectOffersToSaveFirst();
    void openStopsWhenItsSaveDoesNotHappen_data();
    void openStopsWhenItsSaveDoesNotHappen();
    void openCancelledChangesNothing();
    void refusedFileLeavesEverythingAsItWas_data();
    void refusedFileLeavesEverythingAsItWas();
    void partlyReadFileIsShownButStaysUntitled();

    void saveAsChecksTheFieldsInOrder_data();
    void saveAsChecksTheFieldsInOrder();
    void saveAsWritesToTheChosenFile_data();
    void saveAsWritesToTheChosenFile();
    void saveOfANewProjectNamesItsFile();
    void saveOfAnOpenedFileWritesBackWithoutAsking();
    void saveWithoutCulvertWritesNothing_data();
    void saveWithoutCulvertWritesNothing();
    void failedWriteKeepsTheCaption_data();
    void failedWriteKeepsTheCaption();

private:
    QString path(const char* name) const { return m_dir->filePath(QLatin1String(name)); }
    ScriptedMessageBoxes& messages() { return m_h->desktop->messages(); }
    ScriptedFileDialogs& dialogs() { return m_h->desktop->fileDialogs(); }
    // Opens a file through File > Open on an untouched project (no question comes).
    bool openUntouched(const QString& file);

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainWindowHarness> m_h;
    std::unique_ptr<EditorSteps> s;
};

void TestFileCommands::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_h = std::make_unique<MainWindowHarness>();
    m_h->create();
    s = std::make_unique<EditorSteps>(*m_h);
    QVERIFY(m_h->showActive());
}

void TestFileCommands::cleanup()
{
    s.reset();
    SW_VERIFY_NO_WINDOW_LEFT(*m_h);
    m_h.reset();
    m_dir.reset();
}

bool TestFileCommands::openUntouched(const QString& file)
{
    if (!m_h->state->IsPristine)
        return false;
    dialogs().queuePath(file.toStdString());
    return triggerMenu(*m_h, "mnuOpen") && m_h->window->windowTitle() == file;
}

// --- New ------------------------------------------------------------------------------------

void TestFileCommands::newAnsweredNoStartsAFreshProject()
{
    QVERIFY2(typeProject(*s, kHarbour), s->why());
    QVERIFY2(enterComputedCulvert(*s, QStringLiteral("7A")), s->why());
    QPointer<FrmMain> old = m_h->window;
    m_h->desktop->clock().setToday({2025, 1, 2});
    m_h->desktop->clock().setTimeOfDay("08:00:01");
    messages().clearRecord();

    messages().queueYesNo(YesNo::No);
    QVERIFY(triggerMenu(*m_h, "mnuNew"));
    QCOMPARE(boxesShown(messages()), QStringList{yesNoBox(ft::kSaveCurrent)});
    QVERIFY(dialogs().asked().empty());

    FrmMain* fresh = currentMainWindow(*m_h);
    QVERIFY(fresh != nullptr);
    QVERIFY(fresh != old.data());
    QCOMPARE(m_h->desktop->windows().count(), 1);
    QVERIFY(fresh->isVisible());
    followMainWindow(*m_h);
    QTRY_VERIFY(old.isNull());

    QCOMPARE(fresh->windowTitle(), QStringLiteral("Untitled"));
    const AppState& state = *m_h->state;
    QVERIFY(state.CulvertList.empty());
    QCOMPARE(describeProject(state.ProjectInfo),
             describeProject(ProjectInfo{"", "", "", "", "01/02/2025", "08:00:01", ""}));
    QCOMPARE(state.CurCulvert, kNoCulvert);
    QVERIFY(state.IsPristine);
    for (const char* box : {"txtProjectName", "txtProjectNo", "txtControlNo", "txtProDescrpt", "txtDesigner"})
        QVERIFY2(s->text(box).isEmpty(), box);
    QCOMPARE(s->text("txtDate"), QStringLiteral("01/02/2025"));
    QCOMPARE(s->text("lblTime"), QStringLiteral("08:00:01"));
    QCOMPARE(s->combo("cboCulvertNo1")->count(), 0);
    QCOMPARE(s->combo("cboCulvertNo2")->count(), 0);
    QCOMPARE(s->list("lstIntensity")->count(), 0);
    QCOMPARE(s->list("lstAreaInfo")->count(), 0);
    QVERIFY(!m_h->find<QAction>("mnuRun")->isEnabled());
    QCOMPARE(m_h->desktop->endRequests(), 0);
    // Unloading the old window from code asked nothing more.
    QCOMPARE(messages().asked().size(), std::size_t(1));
}

void TestFileCommands::newSavesAnUntitledProjectToTheChosenFile_data()
{
    QTest::addColumn<bool>("existed");
    QTest::newRow("new file") << false;
    QTest::newRow("existing file, overwrite") << true;
}

void TestFileCommands::newSavesAnUntitledProjectToTheChosenFile()
{
    QFETCH(bool, existed);
    QVERIFY2(typeProject(*s, kHarbour), s->why());
    QVERIFY2(enterComputedCulvert(*s, QStringLiteral("7A")), s->why());
    const QString target = path("saved.txt");
    if (existed)
        QVERIFY(writeBytes(target, "an older project\r\n"));
    messages().clearRecord();
    QPointer<FrmMain> old = m_h->window;

    messages().queueYesNo(YesNo::Yes);
    dialogs().queuePath(target.toStdString());
    if (existed)
        messages().queueYesNo(YesNo::Yes);
    QVERIFY(triggerMenu(*m_h, "mnuNew"));

    QStringList expected{yesNoBox(ft::kSaveCurrent)};
    if (existed)
        expected << yesNoBox(ft::kOverwriteNewExit);
    QCOMPARE(boxesShown(messages()), expected);
    QCOMPARE(dialogsShown(dialogs()), QStringList{"save"});
    const std::string bytes = readBytes(target);
    QVERIFY2(bytes.starts_with("[CORVENNA- STORMWICK]\r\n[PROJECT INFO]\r\nProject Name=Harbour Road\r\n"), bytes.c_str());
    QVERIFY(bytes.find("\r\nCulvert No=7A\r\n") != std::string::npos);
    // New remembers the path it saved to.
    QCOMPARE(qs(m_h->state->ProjectFileName), target);

    FrmMain* fresh = followMainWindow(*m_h);
    QVERIFY(fresh != nullptr && fresh != old.data());
    QCOMPARE(fresh->windowTitle(), QStringLiteral("Untitled"));
    QVERIFY(m_h->state->CulvertList.empty());
    QVERIFY(s->text("txtProjectName").isEmpty());
}

void TestFileCommands::newSavesAnOpenedProjectWithoutDialog()
{
    const QString file = path("harbour.txt");
    QVERIFY(writeBytes(file, harbourRoadFile()));
    QVERIFY(openUntouched(file));
    QVERIFY2(s->showPage(0) && s->replaceText("txtDesigner", QStringLiteral("B. Moreau")), s->why());
    messages().clearRecord();
    QPointer<FrmMain> old = m_h->window;

    messages().queueYesNo(YesNo::Yes);
    QVERIFY(triggerMenu(*m_h, "mnuNew"));

    QCOMPARE(boxesShown(messages()), QStringList{yesNoBox(ft::kSaveCurrent)});
    QCOMPARE(dialogsShown(dialogs()), QStringList{"open"});  // only Open's
    QCOMPARE(readBytes(file), harbourRoadFile("B. Moreau"));
    FrmMain* fresh = followMainWindow(*m_h);
    QVERIFY(fresh != nullptr && fresh != old.data());
    QCOMPARE(fresh->windowTitle(), QStringLiteral("Untitled"));
    QVERIFY(m_h->state->CulvertList.empty());
}

void TestFileCommands::newUnloadsTheCulvertSelector()
{
    QPointer<SelectorStandIn> selector = new SelectorStandIn(m_h->desktop->windows());
    selector->show();
    QCOMPARE(m_h->desktop->windows().count(), 2);
    messages().queueYesNo(YesNo::No);
    QVERIFY(triggerMenu(*m_h, "mnuNew"));
    followMainWindow(*m_h);
    QTRY_VERIFY(selector.isNull());
    QCOMPARE(m_h->desktop->windows().count(), 1);
    QCOMPARE(m_h->desktop->windows().nameAt(0), std::string("frmMain"));
}

void TestFileCommands::newOrExitWhoseSaveDoesNotHappenKeepsTheProject_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<NoSave>("how");
    for (const char* command : {"mnuNew", "mnuExit"}) {
        const QByteArray c(command);
        QTest::newRow(c + ": dialog cancelled") << command << NoSave::DialogCancelled;
        QTest::newRow(c + ": overwrite declined") << command << NoSave::OverwriteDeclined;
        QTest::newRow(c + ": no culvert to save") << command << NoSave::NoCulvert;
        QTest::newRow(c + ": folder missing") << command << NoSave::FolderMissing;
    }
}

void TestFileCommands::newOrExitWhoseSaveDoesNotHappenKeepsTheProject()
{
    QFETCH(QString, command);
    QFETCH(NoSave, how);
    QVERIFY2(typeProject(*s, kHarbour), s->why());
    if (how != NoSave::NoCulvert)
        QVERIFY2(enterComputedCulvert(*s, QStringLiteral("7A")), s->why());
    const QString existing = path("existing.txt");
    QVERIFY(writeBytes(existing, "keep me\r\n"));
    const QString fresh = path("fresh.txt");
    const QString missingFolder = path("no-such-folder");
    const QStringList stateBefore = describeState(*m_h->state);
    const QStringList windowBefore = describeWindow(m_h->window);
    messages().clearRecord();

    QStringList expected{yesNoBox(ft::kSaveCurrent)};
    messages().queueYesNo(YesNo::Yes);
    switch (how) {
    case NoSave::DialogCancelled:
        dialogs().queuePath("");
        break;
    case NoSave::OverwriteDeclined:
        dialogs().queuePath(existing.toStdString());
        messages().queueYesNo(YesNo::No);
        expected << yesNoBox(ft::kOverwriteNewExit);
        break;
    case NoSave::NoCulvert:
        dialogs().queuePath(fresh.toStdString());
        expected << okBox(ft::kMissingInputs);
        break;
    case NoSave::FolderMissing:
        dialogs().queuePath((missingFolder + QStringLiteral("/p.txt")).toStdString());
        expected << okBox(ft::kAccessDenied);
        break;
    }
    QVERIFY(triggerMenu(*m_h, qPrintable(command)));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(boxesShown(messages()), expected);
    QCOMPARE(dialogsShown(dialogs()), QStringList{"save"});
    QCOMPARE(m_h->desktop->endRequests(), 0);
    QVERIFY(!m_h->window.isNull());
    QCOMPARE(currentMainWindow(*m_h), m_h->window.data());
    QCOMPARE(m_h->desktop->windows().count(), 1);
    QVERIFY(m_h->window->isVisible());
    QCOMPARE(describeState(*m_h->state), stateBefore);
    QCOMPARE(describeWindow(m_h->window), windowBefore);
    QCOMPARE(m_h->window->windowTitle(), QStringLiteral("Untitled"));
    QCOMPARE(readBytes(existing), std::string("keep me\r\n"));
    QVERIFY(!fileExists(fresh));
    QVERIFY(!fileExists(missingFolder));
}

void TestFileCommands::newOrExitWhoseSaveToItsFileFailsKeepsTheProject_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("New") << "mnuNew";
    QTest::newRow("Exit") << "mnuExit";
}

void TestFileCommands::newOrExitWhoseSaveToItsFileFailsKeepsTheProject()
{
    QFETCH(QString, command);
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("sub")));
    const QString file = path("sub/harbour.txt");
    QVERIFY(writeBytes(file, harbourRoadFile()));
    QVERIFY(openUntouched(file));
    QVERIFY2(s->showPage(0) && s->replaceText("txtDesigner", QStringLiteral("B. Moreau")), s->why());
    // The folder of the file is gone (a network share dropped, a stick pulled out).
    QVERIFY(QDir(path("sub")).removeRecursively());
    const QStringList stateBefore = describeState(*m_h->state);
    const QStringList windowBefore = describeWindow(m_h->window);
    messages().clearRecord();

    messages().queueYesNo(YesNo::Yes);
    QVERIFY(triggerMenu(*m_h, qPrintable(command)));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(boxesShown(messages()), (QStringList{yesNoBox(ft::kSaveCurrent), okBox(ft::kAccessDenied)}));
    QCOMPARE(dialogsShown(dialogs()), QStringList{"open"});
    QCOMPARE(m_h->desktop->endRequests(), 0);
    QVERIFY(!m_h->window.isNull());
    QCOMPARE(currentMainWindow(*m_h), m_h->window.data());
    QCOMPARE(m_h->window->windowTitle(), file);
    QCOMPARE(describeState(*m_h->state), stateBefore);
    QCOMPARE(describeWindow(m_h->window), windowBefore);
}

// --- Exit and the close box -----------------------------------------------------------------

void TestFileCommands::exitWithoutProjectName_data()
{
    QTest::addColumn<bool>("otherFields");
    QTest::addColumn<bool>("culvert");
    QTest::addColumn<bool>("asks");
    QTest::newRow("nothing entered") << false << false << false;
    QTest::newRow("other project fields typed") << true << false << false;
    // Culverts are work: ending without a word would lose them.
    QTest::newRow("culvert entered") << false << true << true;
}

void TestFileCommands::exitWithoutProjectName()
{
    QFETCH(bool, otherFields);
    QFETCH(bool, culvert);
    QFETCH(bool, asks);
    if (otherFields) {
        ProjectTyping typing = kHarbour;
        typing.name.clear();
        QVERIFY2(typeProject(*s, typing), s->why());
    }
    if (culvert)
        QVERIFY2(s->createCulvert(QStringLiteral("1")), s->why());
    QVERIFY(s->text("txtProjectName").isEmpty());
    messages().clearRecord();
    if (asks)
        messages().queueYesNo(YesNo::No);
    QVERIFY(triggerMenu(*m_h, "mnuExit"));
    QCOMPARE(boxesShown(messages()), asks ? QStringList{yesNoBox(ft::kSaveCurrent)} : QStringList{});
    QVERIFY(dialogs().asked().empty());
    QCOMPARE(m_h->desktop->endRequests(), 1);
}

void TestFileCommands::exitSavesAndEnds_data()
{
    QTest::addColumn<QString>("situation");
    QTest::newRow("untitled, new file") << "new";
    QTest::newRow("untitled, existing file") << "existing";
    QTest::newRow("opened file") << "opened";
    QTest::newRow("answered No") << "no";
}

void TestFileCommands::exitSavesAndEnds()
{
    QFETCH(QString, situation);
    const QString target = path("exit.txt");
    QStringList expected{yesNoBox(ft::kSaveCurrent)};
    QStringList expectedDialogs{"save"};
    if (situation == "opened") {
        QVERIFY(writeBytes(target, harbourRoadFile()));
        QVERIFY(openUntouched(target));
        QVERIFY2(s->showPage(0) && s->replaceText("txtDesigner", QStringLiteral("B. Moreau")), s->why());
        expectedDialogs = QStringList{"open"};
        messages().queueYesNo(YesNo::Yes);
    } else {
        QVERIFY2(typeProject(*s, kHarbour), s->why());
        QVERIFY2(enterComputedCulvert(*s, QStringLiteral("7A")), s->why());
        if (situation == "no") {
            messages().queueYesNo(YesNo::No);
            expectedDialogs.clear();
        } else {
            messages().queueYesNo(YesNo::Yes);
            dialogs().queuePath(target.toStdString());
        }
        if (situation == "existing") {
            QVERIFY(writeBytes(target, "an older project\r\n"));
            messages().queueYesNo(YesNo::Yes);
            expected << yesNoBox(ft::kOverwriteNewExit);
        }
    }
    messages().clearRecord();
    QVERIFY(triggerMenu(*m_h, "mnuExit"));

    QCOMPARE(boxesShown(messages()), expected);
    QCOMPARE(dialogsShown(dialogs()), expectedDialogs);
    QCOMPARE(m_h->desktop->endRequests(), 1);
    if (situation == "no") {
        QVERIFY(!fileExists(target));
    } else if (situation == "opened") {
        QCOMPARE(readBytes(target), harbourRoadFile("B. Moreau"));
    } else {
        const std::string bytes = readBytes(target);
        QVERIFY2(bytes.find("\r\nProject Name=Harbour Road\r\n") != std::string::npos, bytes.c_str());
        QVERIFY(bytes.find("\r\nCulvert No=7A\r\n") != std::string::npos);
        QCOMPARE(qs(m_h->state->ProjectFileName), target);
    }
}

void TestFileCommands::closeBoxRunsExitAndStaysWhenExitDoesNotEnd()
{
    QVERIFY2(typeProject(*s, kHarbour), s->why());
    const QString existing = path("existing.txt");
    QVERIFY(writeBytes(existing, "keep me\r\n"));
    const QStringList windowBefore = describeWindow(m_h->window);
    QPointer<FrmMain> window = m_h->window;
    const auto pressCloseBox = [&window] {
        QCloseEvent closeBox;
        QCoreApplication::sendEvent(window->windowHandle(), &closeBox);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    messages().clearRecord();

    // Save asked for, then the dialog cancelled: the window stays.
    messages().queueYesNo(YesNo::Yes);
    dialogs().queuePath("");
    pressCloseBox();
    QCOMPARE(boxesShown(messages()), QStringList{yesNoBox(ft::kSaveCurrent)});
    QVERIFY(!window.isNull());
    QVERIFY(window->isVisible());
    QCOMPARE(m_h->desktop->windows().count(), 1);
    QCOMPARE(m_h->desktop->endRequests(), 0);
    QCOMPARE(describeWindow(window), windowBefore);

    // Overwriting declined: the window stays, the file too.
    messages().clearRecord();
    messages().queueYesNo(YesNo::Yes);
    dialogs().queuePath(existing.toStdString());
    messages().queueYesNo(YesNo::No);
    pressCloseBox();
    QCOMPARE(boxesShown(messages()), (QStringList{yesNoBox(ft::kSaveCurrent), yesNoBox(ft::kOverwriteNewExit)}));
    QVERIFY(!window.isNull());
    QVERIFY(window->isVisible());
    QCOMPARE(m_h->desktop->endRequests(), 0);
    QCOMPARE(readBytes(existing), std::string("keep me\r\n"));

    // Not saving: the application ends and the window unloads.
    messages().clearRecord();
    messages().queueYesNo(YesNo::No);
    pressCloseBox();
    QCOMPARE(boxesShown(messages()), QStringList{yesNoBox(ft::kSaveCurrent)});
    QCOMPARE(m_h->desktop->endRequests(), 1);
    QCOMPARE(m_h->desktop->windows().count(), 0);
    QTRY_VERIFY(window.isNull());
    QCOMPARE(dialogsShown(dialogs()), (QStringList{"save", "save"}));
}

// --- Open -----------------------------------------------------------------------------------

void TestFileCommands::openOfAnUntouchedProjectAsksNothing_data()
{
    QTest::addColumn<bool>("dateTyped");
    QTest::newRow("right after start-up") << false;
    QTest::newRow("only the date typed") << true;
}

void TestFileCommands::openOfAnUntouchedProjectAsksNothing()
{
    QFETCH(bool, dateTyped);
    if (dateTyped)
        QVERIFY2(s->replaceText("txtDate", QStringLiteral("12/31/2024")), s->why());
    const QString file = path("harbour.txt");
    QVERIFY(writeBytes(file, harbourRoadFile()));
    QPointer<FrmMain> window = m_h->window;
    dialogs().queuePath(file.toStdString());
    QVERIFY(triggerMenu(*m_h, "mnuOpen"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QVERIFY(messages().asked().empty());
    QCOMPARE(dialogsShown(dialogs()), QStringList{"open"});
    QVERIFY(!window.isNull());
    QCOMPARE(currentMainWindow(*m_h), window.data());
    QCOMPARE(window->windowTitle(), file);
    QCOMPARE(qs(m_h->state->ProjectFileName), file);
    QCOMPARE(s->text("txtProjectName"), QStringLiteral("Harbour Road"));
    QCOMPARE(s->text("txtDate"), QStringLiteral("04/01/2023"));
    QCOMPARE(qs(m_h->state->ProjectInfo.ProjectDate), QStringLiteral("04/01/2023"));
    QCOMPARE(entriesOf(s->combo("cboCulvertNo2")), (QStringList{"7A", "7B"}));
    for (const char* button : {"cmdAdd", "cmdRemove", "cmdRemoveAll"})
        QVERIFY2(m_h->find<QPushButton>(button)->isEnabled(), button);
    // An opened project counts as touched: the next Open offers to save it.
    QVERIFY(!m_h->state->IsPristine);
}

void TestFileCommands::openOfATouchedProjectOffersToSaveFirst_data()
{
    QTest::addColumn<QString>("touch");
    QTest::newRow("project name typed") << "name";
    QTest::newRow("culvert created") << "culvert";
    QTest::newRow("elevation typed") << "elevation";
    QTest::newRow("another file opened") << "opened";
}

void TestFileCommands::openOfATouchedProjectOffersToSaveFirst()
{
    QFETCH(QString, touch);
    const QString other = path("other.txt");
    QVERIFY(writeBytes(other, harbourRoadFile("C. Other")));
    if (touch == "name") {
        QVERIFY2(s->typeInto("txtProjectName", QStringLiteral("X")), s->why());
    } else if (touch == "culvert") {
        QVERIFY2(s->createCulvert(QStringLiteral("1")), s->why());
    } else if (touch == "elevation") {
        QVERIFY2(s->createCulvert(QStringLiteral("1")), s->why());
        m_h->state->IsPristine = true;  // the culvert alone is covered by the row before
        QVERIFY2(s->typeInto("txtEleRemote", QStringLiteral("5")), s->why());
    } else {
        QVERIFY(openUntouched(other));
    }
    QVERIFY(!m_h->state->IsPristine);
    const QString file = path("harbour.txt");
    QVERIFY(writeBytes(file, harbourRoadFile()));
    QPointer<FrmMain> old = m_h->window;
    messages().clearRecord();
    dialogs().queuePath(file.toStdString());
    messages().queueYesNo(YesNo::No);
    QVERIFY(triggerMenu(*m_h, "mnuOpen"));

    QCOMPARE(boxesShown(messages()), QStringList{yesNoBox(ft::kSaveCurrent)});
    QCOMPARE(dialogsShown(dialogs()).last(), QStringLiteral("open"));
    QVERIFY(!dialogsShown(dialogs()).contains(QStringLiteral("save")));
    // New ran first: the file is shown in a fresh main window.
    FrmMain* fresh = followMainWindow(*m_h);
    QVERIFY(fresh != nullptr && fresh != old.data());
    QCOMPARE(m_h->desktop->windows().count(), 1);
    QCOMPARE(fresh->windowTitle(), file);
    QCOMPARE(s->text("txtProjectName"), QStringLiteral("Harbour Road"));
    QCOMPARE(s->text("txtDesigner"), QStringLiteral("A. Lindqvist"));
    QCOMPARE(entriesOf(s->combo("cboCulvertNo2")), (QStringList{"7A", "7B"}));
    QCOMPARE(m_h->state->CulvertList.size(), std::size_t(2));
    QCOMPARE(qs(m_h->state->CulvertList[0].CulvertNo), QStringLiteral("7A"));
}

void TestFileCommands::openStopsWhenItsSaveDoesNotHappen_data()
{
    QTest::addColumn<NoSave>("how");
    QTest::newRow("dialog cancelled") << NoSave::DialogCancelled;
    QTest::newRow("overwrite declined") << NoSave::OverwriteDeclined;
    QTest::newRow("no culvert to save") << NoSave::NoCulvert;
}

void TestFileCommands::openStopsWhenItsSaveDoesNotHappen()
{
    QFETCH(NoSave, how);
    QVERIFY2(typeProject(*s, kHarbour), s->why());
    if (how != NoSave::NoCulvert)
        QVERIFY2(s->createCulvert(QStringLiteral("1")), s->why());
    const QString existing = path("existing.txt");
    QVERIFY(writeBytes(existing, "keep me\r\n"));
    const QStringList stateBefore = describeState(*m_h->state);
    const QStringList windowBefore = describeWindow(m_h->window);
    QPointer<FrmMain> window = m_h->window;
    messages().clearRecord();

    QStringList expected{yesNoBox(ft::kSaveCurrent)};
    messages().queueYesNo(YesNo::Yes);
    if (how == NoSave::DialogCancelled) {
        dialogs().queuePath("");
    } else if (how == NoSave::OverwriteDeclined) {
        dialogs().queuePath(existing.toStdString());
        messages().queueYesNo(YesNo::No);
        expected << yesNoBox(ft::kOverwriteNewExit);
    } else {
        dialogs().queuePath(path("fresh.txt").toStdString());
        expected << okBox(ft::kMissingInputs);
    }
    QVERIFY(triggerMenu(*m_h, "mnuOpen"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(boxesShown(messages()), expected);
    QCOMPARE(dialogsShown(dialogs()), QStringList{"save"});  // no open dialog
    QVERIFY(!window.isNull());
    QCOMPARE(currentMainWindow(*m_h), window.data());
    QCOMPARE(describeState(*m_h->state), stateBefore);
    QCOMPARE(describeWindow(window), windowBefore);
    QCOMPARE(readBytes(existing), std::string("keep me\r\n"));
}

void TestFileCommands::openCancelledChangesNothing()
{
    const QStringList stateBefore = describeState(*m_h->state);
    const QStringList windowBefore = describeWindow(m_h->window);
    dialogs().queuePath("");
    QVERIFY(triggerMenu(*m_h, "mnuOpen"));
    QVERIFY(messages().asked().empty());
    QCOMPARE(dialogsShown(dialogs()), QStringList{"open"});
    QCOMPARE(describeState(*m_h->state), stateBefore);
    QCOMPARE(describeWindow(m_h->window), windowBefore);
    QVERIFY(m_h->state->IsPristine);
}

void TestFileCommands::refusedFileLeavesEverythingAsItWas_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message");
    const auto replaced = [](std::string_view from, std::string_view to) {
        std::string text = harbourRoadFile();
        text.replace(text.find(from), from.size(), to);
        return QByteArray::fromStdString(text);
    };
    // A project in which no culvert has intensity inputs.
    const std::string noIntensity = crlfLines({"[CORVENNA- STORMWICK]", "[PROJECT INFO]", "Project Name=Dry",
                                               "Project No=1", "Control No=2", "Porject Description=3",
                                               "Date=01/01/2000", "Time=1:00:00 PM", "Designer=D", "",
                                               "[CULVERTS]", ft::kRuler, "Culvert No=9", "[RUNOFF AREA INFO]",
                                               "Station/Description=Sta 1", "Return Period=10",
                                               "Asphaltic,2.5 a,0.81,ditch"});
    QTest::newRow("no format line") << QByteArray::fromStdString(noIntensity) << qs(ft::kFormatInvalid);
    QTest::newRow("empty file") << QByteArray() << qs(ft::kFormatInvalid);
    QTest::newRow("format key as a value only")
        << replaced("Source of correction factor=Design Manual", "Source=Source of correction factor")
        << qs(ft::kFormatInvalid);
    QTest::newRow("no [PROJECT INFO]") << replaced("[PROJECT INFO]", "[PROJECT  INFO]")
                                       << qs(std::string(msg::kReadNoProjectInfo));
    QTest::newRow("no [CULVERTS]") << replaced("[CULVERTS]", "[culverts]") << qs(std::string(msg::kReadNoCulverts));
    QTest::newRow("ends within the project lines")
        << QByteArray::fromStdString(crlfLines({"[CORVENNA- STORMWICK]", "Source of correction factor=Design Manual",
                                                "[CULVERTS]", "[PROJECT INFO]", "Project Name=Cut", "Project No=1"}))
        << qs(std::string(msg::kReadProjectInfoCut));
}

void TestFileCommands::refusedFileLeavesEverythingAsItWas()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const QString shown = path("harbour.txt");
    QVERIFY(writeBytes(shown, harbourRoadFile()));
    QVERIFY(openUntouched(shown));
    // As if nothing had been touched since: Open goes straight to its dialog, so the project on
    // screen is the one a refused file must leave alone.
    m_h->state->IsPristine = true;
    const QStringList stateBefore = describeState(*m_h->state);
    const QStringList windowBefore = describeWindow(m_h->window);
    QPointer<FrmMain> window = m_h->window;
    const QString refused = path("refused.txt");
    QVERIFY(writeBytes(refused, bytes.toStdString()));
    messages().clearRecord();

    dialogs().queuePath(refused.toStdString());
    QVERIFY(triggerMenu(*m_h, "mnuOpen"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(boxesShown(messages()), QStringList{okBox(message.toStdString())});
    QVERIFY(!window.isNull());
    QCOMPARE(currentMainWindow(*m_h), window.data());
    QCOMPARE(window->windowTitle(), shown);
    QCOMPARE(describeState(*m_h->state), stateBefore);
    QCOMPARE(describeWindow(window), windowBefore);
    QCOMPARE(readBytes(refused), bytes.toStdString());
}

void TestFileCommands::partlyReadFileIsShownButStaysUntitled()
{
    // A blank line inside the second culvert's sub-areas: the reading stops there.
    std::string damaged = harbourRoadFile();
    damaged += crlfLines({"Asphaltic,1.0 a,0.81,first", "", "Asphaltic,2.0 a,0.81,second"});
    const QString original = path("damaged.txt");
    QVERIFY(writeBytes(original, damaged));
    dialogs().queuePath(original.toStdString());
    QVERIFY(triggerMenu(*m_h, "mnuOpen"));

    QCOMPARE(messages().asked().size(), std::size_t(1));
    QCOMPARE(messages().asked()[0].kind, AskedMessage::Kind::Ok);
    QVERIFY2(messages().asked()[0].text.ends_with(ft::kStoreInfoEnd), messages().asked()[0].text.c_str());
    QCOMPARE(m_h->window->windowTitle(), QStringLiteral("Untitled"));
    // What was read is shown.
    QCOMPARE(s->text("txtProjectName"), QStringLiteral("Harbour Road"));
    QCOMPARE(entriesOf(s->combo("cboCulvertNo1")), (QStringList{"7A", "7B"}));
    QCOMPARE(entriesOf(s->combo("cboCulvertNo2")), (QStringList{"7A", "7B"}));
    QCOMPARE(s->text("lblCulvertID"), QStringLiteral("7A"));
    QCOMPARE(m_h->state->CurCulvert, std::int16_t(0));
    const CulvertRecord& second = m_h->state->CulvertList.at(1);
    QCOMPARE(qs(second.NumOfAreas), QStringLiteral("1"));
    QCOMPARE(describe(second.Areas.at(0)),
             describe(SubArea{"Asphaltic", 0.81, "1.0 a", 1.0, "first"}));

    // Save asks for a name rather than writing over the damaged original.
    messages().clearRecord();
    const QString copy = path("recovered.txt");
    dialogs().queuePath(copy.toStdString());
    QVERIFY(triggerMenu(*m_h, "mnuSave"));
    QVERIFY(messages().asked().empty());
    QCOMPARE(dialogsShown(dialogs()), (QStringList{"open", "save"}));
    QCOMPARE(readBytes(original), damaged);
    QCOMPARE(m_h->window->windowTitle(), copy);
    const std::string recovered = readBytes(copy);
    QVERIFY(recovered.ends_with("\r\nReturn Period=10\r\nAsphaltic,1.0 a,0.81,first\r\n"));
    QVERIFY(recovered.find("second") == std::string::npos);
}

// --- Save and Save As -----------------------------------------------------------------------

void TestFileCommands::saveAsChecksTheFieldsInOrder_data()
{
    QTest::addColumn<QStringList>("emptied");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("message");
    QTest::newRow("name") << QStringList{"txtProjectName"} << "txtProjectName"
                          << "Project Name is not provided, please check your input !";
    QTest::newRow("number") << QStringList{"txtProjectNo"} << "txtProjectNo"
                            << "Project No is not provided, please check your input !";
    QTest::newRow("control") << QStringList{"txtControlNo"} << "txtControlNo"
                             << "Control No is not provided, please check your input !";
    QTest::newRow("description") << QStringList{"txtProDescrpt"} << "txtProDescrpt"
                                 << "Project Descripition is not provided, please check your input !";
    QTest::newRow("date") << QStringList{"txtDate"} << "txtDate" << "Date is not provided, please check your input !";
    QTest::newRow("designer") << QStringList{"txtDesigner"} << "txtDesigner"
                              << "Designer is not provided, please check your input !";
    QTest::newRow("control and later boxes") << QStringList{"txtDesigner", "txtDate", "txtControlNo"} << "txtControlNo"
                                             << "Control No is not provided, please check your input !";
    // Leaving the designer box by hand returns to the project name; the check's focus must win.
    QTest::newRow("control, from the designer box") << QStringList{"txtControlNo"} << "txtControlNo"
                                                    << "Control No is not provided, please check your input !";
}

void TestFileCommands::saveAsChecksTheFieldsInOrder()
{
    QFETCH(QStringList, emptied);
    QFETCH(QString, box);
    QFETCH(QString, message);
    QVERIFY2(typeProject(*s, kHarbour), s->why());
    QVERIFY2(s->createCulvert(QStringLiteral("1")), s->why());
    QVERIFY2(s->showPage(0), s->why());
    for (const QString& name : emptied)
        QVERIFY2(s->replaceText(qPrintable(name), QString()), s->why());
    // The focus elsewhere, so that putting it into the box is seen.
    const bool fromDesigner = QByteArray(QTest::currentDataTag()).contains("designer box");
    QVERIFY2(s->focusOn(s->w(fromDesigner ? "txtDesigner" : box == "txtProjectNo" ? "txtProDescrpt" : "txtProjectNo")),
             s->why());
    messages().clearRecord();

    QVERIFY(triggerMenu(*m_h, "mnuSaveAs"));
    QCOMPARE(boxesShown(messages()), QStringList{okBox(message.toStdString())});
    QVERIFY(dialogs().asked().empty());
    QTRY_VERIFY2(s->w(qPrintable(box))->hasFocus(), qPrintable(box));
    QCOMPARE(m_h->window->windowTitle(), QStringLiteral("Untitled"));
}

void TestFileCommands::saveAsWritesToTheChosenFile_data()
{
    QTest::addColumn<bool>("existed");
    QTest::addColumn<bool>("overwrite");
    QTest::newRow("new file") << false << false;
    QTest::newRow("existing file, overwrite") << true << true;
    QTest::newRow("existing file, keep it") << true << false;
}

void TestFileCommands::saveAsWritesToTheChosenFile()
{
    QFETCH(bool, existed);
    QFETCH(bool, overwrite);
    // Save As offers another name for a project that already has one.
    const QString first = path("first.txt");
    QVERIFY(writeBytes(first, harbourRoadFile()));
    QVERIFY(openUntouched(first));
    const std::string projectFileName = m_h->state->ProjectFileName;
    const QString target = path("second.txt");
    if (existed)
        QVERIFY(writeBytes(target, "keep me\r\n"));
    messages().clearRecord();

    dialogs().queuePath(target.toStdString());
    if (existed)
        messages().queueYesNo(overwrite ? YesNo::Yes : YesNo::No);
    QVERIFY(triggerMenu(*m_h, "mnuSaveAs"));

    QCOMPARE(boxesShown(messages()), existed ? QStringList{yesNoBox(ft::kOverwriteSave)} : QStringList{});
    QCOMPARE(dialogsShown(dialogs()), (QStringList{"open", "save"}));
    if (!existed || overwrite) {
        QCOMPARE(readBytes(target), harbourRoadFile());
        QCOMPARE(m_h->window->windowTitle(), target);
    } else {
        QCOMPARE(readBytes(target), std::string("keep me\r\n"));
        QCOMPARE(m_h->window->windowTitle(), first);
    }
    QCOMPARE(readBytes(first), harbourRoadFile());
    // Save As does not change the remembered path.
    QCOMPARE(m_h->state->ProjectFileName, projectFileName);
}

void TestFileCommands::saveOfANewProjectNamesItsFile()
{
    QVERIFY2(typeProject(*s, kHarbour), s->why());
    messages().queueYesNo(YesNo::No);
    QVERIFY(triggerMenu(*m_h, "mnuNew"));
    QVERIFY(followMainWindow(*m_h) != nullptr);
    QVERIFY(m_h->showActive());
    QVERIFY2(enterComputedCulvert(*s, QStringLiteral("1")), s->why());
    messages().clearRecord();

    const QString target = path("new project.txt");
    dialogs().queuePath(target.toStdString());
    QVERIFY(triggerMenu(*m_h, "mnuSave"));
    QVERIFY(messages().asked().empty());
    QCOMPARE(dialogsShown(dialogs()), QStringList{"save"});
    QCOMPARE(m_h->window->windowTitle(), target);
    QVERIFY(m_h->state->ProjectFileName.empty());
    // No field is required by Save: the empty ones are written empty.
    const std::string expected = crlfLines({"[CORVENNA- STORMWICK]",
                                            "[PROJECT INFO]",
                                            "Project Name=",
                                            "Project No=",
                                            "Control No=",
                                            "Porject Description=",
                                            "Date=03/09/2024",
                                            "Time=10:15:30 AM",
                                            "Designer=",
                                            "",
                                            "[CULVERTS]",
                                            ft::kRuler,
                                            "Culvert No=1",
                                            "[RUNOFF AREA INFO]",
                                            "Station/Description=",
                                            "Return Period=10",
                                            "[INTENSITY INFO]",
                                            "Vellmora rainfall zone=A",
                                            "Elevation of most remost point=1010 ft",
                                            "Elevation of culvert inlet=1000 ft",
                                            "Maxinum lenght of travel=1000 ft",
                                            "Time of concentration correction factor= 1 ",
                                            "Source of correction factor=Design Manual"});
    QCOMPARE(readBytes(target), expected);

    // The next Save writes to that file without a dialog.
    QVERIFY2(s->showPage(0) && s->replaceText("txtDesigner", QStringLiteral("Z. Ndlovu")), s->why());
    QVERIFY(triggerMenu(*m_h, "mnuSave"));
    QVERIFY(messages().asked().empty());
    QCOMPARE(dialogsShown(dialogs()), QStringList{"save"});
    std::string withDesigner = expected;
    withDesigner.replace(withDesigner.find("Designer=\r\n"), 11, "Designer=Z. Ndlovu\r\n");
    QCOMPARE(readBytes(target), withDesigner);
}

void TestFileCommands::saveOfAnOpenedFileWritesBackWithoutAsking()
{
    const QString file = path("harbour.txt");
    QVERIFY(writeBytes(file, harbourRoadFile()));
    QVERIFY(openUntouched(file));
    messages().clearRecord();

    QVERIFY(triggerMenu(*m_h, "mnuSave"));
    QVERIFY(messages().asked().empty());
    QCOMPARE(dialogsShown(dialogs()), QStringList{"open"});
    QCOMPARE(readBytes(file), harbourRoadFile());

    // No field is checked on Save: an emptied control number is written empty.
    QVERIFY2(s->showPage(0) && s->replaceText("txtDesigner", QStringLiteral("B. Moreau")) &&
                 s->replaceText("txtControlNo", QString()),
             s->why());
    QVERIFY(triggerMenu(*m_h, "mnuSave"));
    QVERIFY(messages().asked().empty());
    QCOMPARE(dialogsShown(dialogs()), QStringList{"open"});
    std::string expected = harbourRoadFile("B. Moreau");
    expected.replace(expected.find("Control No=CN-3"), 15, "Control No=");
    QCOMPARE(readBytes(file), expected);
    QCOMPARE(m_h->window->windowTitle(), file);
}

void TestFileCommands::saveWithoutCulvertWritesNothing_data()
{
    QTest::addColumn<bool>("existed");
    QTest::newRow("new file") << false;
    QTest::newRow("existing file, overwrite") << true;
}

void TestFileCommands::saveWithoutCulvertWritesNothing()
{
    QFETCH(bool, existed);
    QVERIFY2(typeProject(*s, kHarbour), s->why());
    const QString target = path("empty.txt");
    if (existed)
        QVERIFY(writeBytes(target, "keep me\r\n"));
    QStringList expected;
    dialogs().queuePath(target.toStdString());
    if (existed) {
        messages().queueYesNo(YesNo::Yes);
        expected << yesNoBox(ft::kOverwriteSave);
    }
    expected << okBox(ft::kMissingInputs);
    QVERIFY(triggerMenu(*m_h, "mnuSave"));

    QCOMPARE(boxesShown(messages()), expected);
    QCOMPARE(m_h->window->windowTitle(), QStringLiteral("Untitled"));
    if (existed)
        QCOMPARE(readBytes(target), std::string("keep me\r\n"));  // a save that wrote nothing destroys nothing
    else
        QVERIFY(!fileExists(target));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
             existed ? QStringList{"empty.txt"} : QStringList{});
}

void TestFileCommands::failedWriteKeepsTheCaption_data()
{
    QTest::addColumn<QString>("command");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<QString>("target");  // relative to the test folder; empty: the caption's file
    QTest::newRow("untitled, Save, folder missing") << "mnuSave" << false << "missing/p.txt";
    QTest::newRow("untitled, Save As, folder missing") << "mnuSaveAs" << false << "missing/p.txt";
    QTest::newRow("untitled, Save, folder is a file") << "mnuSave" << false << "plain.txt/p.txt";
    QTest::newRow("opened, Save As, folder missing") << "mnuSaveAs" << true << "missing/p.txt";
    QTest::newRow("opened, Save, its folder removed") << "mnuSave" << true << "";
}

void TestFileCommands::failedWriteKeepsTheCaption()
{
    QFETCH(QString, command);
    QFETCH(bool, opened);
    QFETCH(QString, target);
    QVERIFY(writeBytes(path("plain.txt"), "a file, not a folder\r\n"));
    QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("sub")));
    const QString openedFile = path("sub/harbour.txt");
    if (opened) {
        QVERIFY(writeBytes(openedFile, harbourRoadFile()));
        QVERIFY(openUntouched(openedFile));
    } else {
        QVERIFY2(typeProject(*s, kHarbour), s->why());
        QVERIFY2(enterComputedCulvert(*s, QStringLiteral("7A")), s->why());
    }
    const QString captionBefore = m_h->window->windowTitle();
    const int dialogsBefore = static_cast<int>(dialogs().asked().size());
    if (target.isEmpty())
        QVERIFY(QDir(path("sub")).removeRecursively());
    else
        dialogs().queuePath(m_dir->filePath(target).toStdString());
    messages().clearRecord();

    QVERIFY(triggerMenu(*m_h, qPrintable(command)));
    QCOMPARE(boxesShown(messages()), QStringList{okBox(ft::kAccessDenied)});
    QCOMPARE(static_cast<int>(dialogs().asked().size()), dialogsBefore + (target.isEmpty() ? 0 : 1));
    QCOMPARE(m_h->window->windowTitle(), captionBefore);
    if (!target.isEmpty())
        QVERIFY(!fileExists(m_dir->filePath(target)));
    QVERIFY(!fileExists(path("missing")));
}

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
