// Nothing lost when the program dies: the application's own start-up and main window run as a
// program of their own (recoveryapp), typed into, then killed with SIGKILL; the next start, in the
// same HOME, offers what was left before anything else, and Save, New, Open and Exit take the
// copy away, never another program's.

#include "core/messages.h"
#include "core/text.h"
#include "platform/recoveryoffer.h"
#include "tests/platform/lineprogram.h"
#include "tests/ui/editorsteps.h"
#include "tests/ui/projecttexts.h"

using namespace sw;
using namespace sw::testing;
using namespace std::chrono_literals;

Q_DECLARE_METATYPE(sw::YesNo)

namespace {

const RecoveryScheduler::Intervals kQuick{200ms, 1000ms};

struct App : LineProgram {
    explicit App(const QStringList& project = {}) : LineProgram(QStringLiteral(SW_RECOVERY_APP), project) {}
};

}  // namespace

class TestRecoveryWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup() { SW_VERIFY_NO_WINDOW_LEFT(*m_h); }
    void killedProgramsChangesAreOfferedFirst_data();
    void killedProgramsChangesAreOfferedFirst();
    void givenUpChangesTakeTheirOwnCopyAway_data();
    void givenUpChangesTakeTheirOwnCopyAway();

private:
    QStringList files(const QString& pattern) const { return QDir(m_folder).entryList({pattern}, QDir::Files); }
    // The project name in each recovery copy, sorted.
    QStringList copiedNames() const
    {
        QStringList names;
        for (const QString& copy : files(QStringLiteral("copy-*.prj")))
            names << QString::fromUtf8(copied(copy)).section("Project Name=", 1).section('\r', 0, 0);
        names.sort();
        return names;
    }
    QByteArray copied(const QString& name) const { return bytesOf(QDir(m_folder).filePath(name)); }
    bool restart(const QString& project = {})
    {
        return m_h->start(project.toStdString(), {m_folder, kQuick}) && m_h->showActive();
    }

    QTemporaryDir m_home;
    QString m_folder;
    QString m_project;
    std::unique_ptr<MainWindowHarness> m_h;
};

void TestRecoveryWindow::initTestCase()
{
    // The programs' HOME and data folders are the test's: the copies land beneath them.
    for (const char* name : {"HOME", "XDG_DATA_HOME", "XDG_CONFIG_HOME"})
        qputenv(name, QFile::encodeName(m_home.filePath(QString::fromLatin1(name))));
    QCoreApplication::setApplicationName(QStringLiteral("Stormwick"));
    m_folder = RecoveryStore::defaultFolder();
    QCOMPARE(m_folder, m_home.filePath(QStringLiteral("XDG_DATA_HOME/Stormwick/recovery")));
    m_project = m_home.filePath(QStringLiteral("harbour.txt"));
}

void TestRecoveryWindow::init()
{
    m_h.reset();  // the last program's lock goes with it, before its folder does
    QDir(m_folder).removeRecursively();
    m_h = std::make_unique<MainWindowHarness>();
    QVERIFY(writeBytes(m_project, projectHead("Harbour Road", "HR-7", "CN-3", "Outfall", "04/01/2023", "9:05:00 AM",
                                              "A. Lindqvist") +
                                      culvertLines("7A", "Sta 4+20", "10", {"Asphaltic,2.5 a,0.81,ditch"}) +
                                      intensityBlock()));
}

void TestRecoveryWindow::killedProgramsChangesAreOfferedFirst_data()
{
    QTest::addColumn<bool>("opened");  // the killed program had opened the project file
    QTest::addColumn<YesNo>("answer");
    QTest::addColumn<bool>("named");  // the next start names the project file on its command line
    QTest::newRow("opened file, Yes: Save writes there") << true << YesNo::Yes << false;
    QTest::newRow("untitled, Yes: Save asks for a file") << false << YesNo::Yes << false;
    QTest::newRow("No: the copy goes, the named project opens") << false << YesNo::No << true;
}

void TestRecoveryWindow::killedProgramsChangesAreOfferedFirst()
{
    QFETCH(bool, opened);
    QFETCH(YesNo, answer);
    QFETCH(bool, named);
    {
        App app(opened ? QStringList{m_project} : QStringList{});
        QCOMPARE(app.answer(), QStringLiteral("ready"));
        QCOMPARE(app.ask(QStringLiteral("type txtDesigner B. Moreau")), QStringLiteral("ok"));
        QCOMPARE(app.ask(QStringLiteral("culvert 9Z")), QStringLiteral("ok"));
        // Whole, with everything typed.
        const auto onlyCopy = [this] {
            const QStringList copies = files(QStringLiteral("copy-*.prj"));
            return copies.size() == 1 ? copied(copies[0]) : QByteArray();
        };
        QTRY_VERIFY_WITH_TIMEOUT(onlyCopy().contains("Culvert No=9Z\r\n"), 5000);
        QVERIFY(app.killHard());
    }
    // The question names the copy as its description does, and comes before any window.
    RecoveryStore peek(m_folder);
    const QList<RecoveryCopy> left = peek.claimStaleCopies();
    QCOMPARE(left.size(), 1);
    QCOMPARE(left[0].originalPath, opened ? m_project : QString());
    peek.releaseCopy(left[0]);
    bool windowWhileAsked = true;
    m_h->desktop->messages().setWhileOpen([this, &windowWhileAsked](const AskedMessage&) {
        windowWhileAsked = m_h->desktop->windows().find("frmMain") != nullptr;
    });
    m_h->desktop->messages().queueYesNo(answer);
    QVERIFY(restart(named ? m_project : QString()));
    const std::string question =
        fillMessage(msg::kRecoverOffer, {recoveryPathText(left[0]), recoveryTimeText(left[0])});
    QStringList said;  // named on failure: a busy machine once showed something else here
    for (const AskedMessage& m : m_h->desktop->messages().asked())
        said << QString::number(int(m.kind)) + QLatin1Char(' ') + QString::fromStdString(m.text);
    QCOMPARE(said, QStringList{QString::number(int(AskedMessage::Kind::YesNo)) + ' ' + QString::fromStdString(question)});
    QVERIFY(!windowWhileAsked);
    EditorSteps s(*m_h);
    if (answer == YesNo::No) {
        QCOMPARE(files(QStringLiteral("copy-*")), QStringList());
        QCOMPARE(m_h->window->windowTitle(), m_project);
        QCOMPARE(s.text("txtDesigner"), QStringLiteral("A. Lindqvist"));
        return;
    }
    // Recovered: touched, with the caption of its file, the copy kept until Save.
    QCOMPARE(m_h->window->windowTitle(), opened ? m_project : QStringLiteral("Untitled"));
    QVERIFY(!m_h->session->IsPristine && m_h->session->hasUnsavedChanges());
    QCOMPARE(s.text("txtDesigner"), QStringLiteral("B. Moreau"));
    // A change undone leaves the recovered project as unsaved as it was: its copy stays.
    QVERIFY2(s.replaceText("txtProjectNo", QStringLiteral("X")), s.why());
    m_h->find<QAction>("mnuUndo")->trigger();
    QTest::qWait(400);
    QVERIFY(m_h->session->hasUnsavedChanges());
    QCOMPARE(files(QStringLiteral("copy-*.prj")).size(), 1);
    const QString saved = opened ? m_project : m_home.filePath(QStringLiteral("recovered.txt"));
    if (!opened)
        m_h->desktop->fileDialogs().queuePath(saved.toStdString());
    m_h->find<QAction>("mnuSave")->trigger();
    const QByteArray bytes = bytesOf(saved);
    QVERIFY2(bytes.contains("\r\nDesigner=B. Moreau\r\n") && bytes.contains("\r\nCulvert No=9Z\r\n") &&
                 bytes.contains("\r\nCulvert No=7A\r\n") == opened,
             bytes.constData());
    QTRY_COMPARE_WITH_TIMEOUT(files(QStringLiteral("copy-*.prj")), QStringList(), 5000);
}

void TestRecoveryWindow::givenUpChangesTakeTheirOwnCopyAway_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("New") << "mnuNew";
    QTest::newRow("Open") << "mnuOpen";
    QTest::newRow("Exit") << "mnuExit";
}

void TestRecoveryWindow::givenUpChangesTakeTheirOwnCopyAway()
{
    QFETCH(QString, command);
    App other;
    QCOMPARE(other.answer(), QStringLiteral("ready"));
    QCOMPARE(other.ask(QStringLiteral("type txtProjectName Other")), QStringLiteral("ok"));
    QVERIFY(restart());  // the other program runs: its copy is not offered
    EditorSteps s(*m_h);
    QVERIFY2(s.replaceText("txtProjectName", QStringLiteral("Unsaved")), s.why());
    // Each program keeps its own copy; a busy machine may first keep what was typed so far.
    QTRY_COMPARE_WITH_TIMEOUT(copiedNames(), (QStringList{"Other", "Unsaved"}), 5000);
    // "Save current file ?" answered No: the changes are given up, and their copy with them.
    m_h->desktop->messages().queueYesNo(YesNo::No);
    if (command == QLatin1String("mnuOpen"))
        m_h->desktop->fileDialogs().queuePath(m_project.toStdString());
    m_h->find<QAction>(command.toLatin1().constData())->trigger();
    QCOMPARE(m_h->desktop->messages().asked().size(), std::size_t(1));
    // Removed on the copies' own thread, a moment later on a busy machine; the other's stays.
    QTRY_COMPARE_WITH_TIMEOUT(copiedNames(), QStringList{"Other"}, 5000);
    QTest::qWait(400);  // longer than the first interval: nothing new to keep, no copy comes back
    QCOMPARE(copiedNames(), QStringList{"Other"});
    // The program ends: nothing of it is left, the other's copy, description and lock stay.
    m_h->destroyWindows();
    m_h->session.reset();
    QCOMPARE(files(QStringLiteral("*")).size(), 3);
    // The other ends by File > Exit, as a whole program does: nothing of either is left.
    QCOMPARE(other.ask(QStringLiteral("exit")), QStringLiteral("bye"));
    QVERIFY(other.endNormally());
    QCOMPARE(files(QStringLiteral("*")), QStringList());
}

QTEST_MAIN(TestRecoveryWindow)
#include "tst_recoverywindow.moc"
