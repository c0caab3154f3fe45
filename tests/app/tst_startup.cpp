// Start-up: the command line (a project to open, --help, --version and what is wrong usage), the
// splash handing over to a main window that opens the named project as File > Open would, and
// the installed programs answering --help and --version without a display.

#include <QProcess>

#include "app/startoptions.h"
#include "tests/ui/editorsteps.h"

using namespace sw;
using namespace sw::testing;

Q_DECLARE_METATYPE(sw::StartOptions::Action)

namespace {

// A program run without any display: no DISPLAY, no WAYLAND_DISPLAY, no QT_QPA_PLATFORM.
struct Ran {
    int exitCode = -1;
    QString out, err;
};
Ran runWithoutDisplay(const QString& program, const QStringList& arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAllStandardOutput()), QString::fromLocal8Bit(process.readAllStandardError())};
}

}  // namespace

// Each test starts the program itself.
class TestStartup : public EditorTest {
    Q_OBJECT

public:
    TestStartup() : EditorTest(false) {}

private slots:
    void commandLine_data();
    void commandLine();
    void programsAnswerWithoutADisplay_data();
    void programsAnswerWithoutADisplay();
    void namedProjectOpensAfterTheSplash();
    void namedProjectThatCannotBeOpenedLeavesAnUntitledWindow_data();
    void namedProjectThatCannotBeOpenedLeavesAnUntitledWindow();

private:
    FrmMain* start(const QString& project) { return m_h->start(project.toStdString()); }
};

void TestStartup::commandLine_data()
{
    using Action = StartOptions::Action;
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("project");
    QTest::addColumn<QString>("textStart");
    const QString cwd = QDir::currentPath();
    QTest::newRow("nothing") << QStringList{} << Action::Start << QString() << QString();
    QTest::newRow("a project, made absolute") << QStringList{"route 9.txt"} << Action::Start << cwd + "/route 9.txt" << QString();
    QTest::newRow("an absolute path") << QStringList{"/srv/p/../q.txt"} << Action::Start << "/srv/q.txt" << QString();
    QTest::newRow("a name beginning with a dash, after --")
        << QStringList{"--", "-draft.txt"} << Action::Start << cwd + "/-draft.txt" << QString();
    QTest::newRow("--help") << QStringList{"--help"} << Action::ShowHelp << QString() << "Usage: ";
    QTest::newRow("-h, with a project") << QStringList{"-h", "x.txt"} << Action::ShowHelp << QString() << "Usage: ";
    QTest::newRow("--version") << QStringList{"--version"} << Action::ShowVersion << QString()
                               << "stormwick " STORMWICK_VERSION "\n";
    QTest::newRow("-v") << QStringList{"-v"} << Action::ShowVersion << QString() << "stormwick ";
    QTest::newRow("two projects") << QStringList{"a.txt", "b.txt"} << Action::WrongUsage << QString()
                                  << "Only one project can be opened at a time: 2 were named.\nUsage: ";
    QTest::newRow("an unknown option") << QStringList{"--print", "a.txt"} << Action::WrongUsage << QString()
                                       << "Unknown option 'print'.\nUsage: ";
    QTest::newRow("a Qt option is not ours") << QStringList{"-platform", "xcb"} << Action::WrongUsage << QString()
                                             << "Unknown option";
    QTest::newRow("a blank path") << QStringList{"  "} << Action::WrongUsage << QString()
                                  << "The project path is blank.\nUsage: ";
}

void TestStartup::commandLine()
{
    QFETCH(QStringList, arguments);
    QFETCH(StartOptions::Action, action);
    QFETCH(QString, project);
    QFETCH(QString, textStart);
    const StartOptions options = parseStartOptions(QStringList{"stormwick"} + arguments);
    QCOMPARE(options.action, action);
    QCOMPARE(options.project, project);
    QVERIFY2(options.text.startsWith(textStart), qPrintable(options.text));
    // What goes wrong comes with the help, which names the one argument there is.
    if (action == StartOptions::Action::WrongUsage || action == StartOptions::Action::ShowHelp)
        QVERIFY2(options.text.contains(QStringLiteral(" [options] [PROJECT]\n")) &&
                     options.text.contains(QStringLiteral("  PROJECT        The project file to open.\n")),
                 qPrintable(options.text));
}

void TestStartup::programsAnswerWithoutADisplay_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("errStart");
    const QString app = QStringLiteral(STORMWICK_EXE);
    const QString report = QStringLiteral(STORMWICK_REPORT_EXE);
    QTest::newRow("stormwick --version") << app << QStringList{"--version"} << 0 << "stormwick " STORMWICK_VERSION "\n" << "";
    QTest::newRow("stormwick-report --version")
        << report << QStringList{"--version"} << 0 << "stormwick-report " STORMWICK_VERSION "\n" << "";
    QTest::newRow("stormwick --help") << app << QStringList{"--help"} << 0 << "*" << "";
    QTest::newRow("stormwick, two projects") << app << QStringList{"a.txt", "b.txt"} << 2 << ""
                                             << "Only one project can be opened at a time: 2 were named.\nUsage: ";
    QTest::newRow("stormwick, an unknown option") << app << QStringList{"--bogus"} << 2 << "" << "Unknown option 'bogus'.\n";
    QTest::newRow("stormwick-report --version, more") << report << QStringList{"--version", "x"} << 2 << ""
                                                      << "Wrong number of arguments.\n";
}

void TestStartup::programsAnswerWithoutADisplay()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, errStart);
    const Ran ran = runWithoutDisplay(program, arguments);
    QVERIFY2(ran.exitCode == exitCode, qPrintable(QStringLiteral("exit %1: %2").arg(ran.exitCode).arg(ran.err)));
    if (out == QLatin1String("*"))
        QVERIFY2(ran.out.contains(QStringLiteral("[options] [PROJECT]")) && ran.out.contains(QStringLiteral("--version")),
                 qPrintable(ran.out));
    else
        QCOMPARE(ran.out, out);
    QVERIFY2(errStart.isEmpty() ? ran.err.isEmpty() : ran.err.startsWith(errStart), qPrintable(ran.err));
}

void TestStartup::namedProjectOpensAfterTheSplash()
{
    const QString path = this->path("route 9.txt");
    QVERIFY(QFile::copy(QStringLiteral(SW_UI_TEST_DATA "/route9-handwritten.txt"), path));
    FrmMain* window = start(path);
    QVERIFY(window);
    QTRY_VERIFY(!m_h->desktop->windows().find("frmFront"));
    QCOMPARE(window->windowTitle(), path);
    QCOMPARE(s->text("txtProjectName"), QStringLiteral("Route 9 Widening"));
    QCOMPARE(s->combo("cboCulvertNo1")->count(), 4);
    QCOMPARE(m_h->windowState->ProjectFileName, path.toStdString());
    QVERIFY(dialogs().asked().empty());  // no dialog: the path was given
    QVERIFY(messages().asked().empty());
    QVERIFY(!m_h->session->IsPristine);  // as after Open: an opened project counts as touched
}

void TestStartup::namedProjectThatCannotBeOpenedLeavesAnUntitledWindow_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("no such file") << "missing.txt";
    QTest::newRow("a folder") << "folder";
    QTest::newRow("not a project") << "notes.txt";
}

void TestStartup::namedProjectThatCannotBeOpenedLeavesAnUntitledWindow()
{
    QFETCH(QString, name);
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder")));
    QVERIFY(writeBytes(path("notes.txt"), "shopping list\r\n"));
    const QString path = m_dir->filePath(name);

    // What File > Open says of the same file.
    std::vector<std::string> expected;
    {
        MainWindowHarness open;
        open.create();
        open.desktop->fileDialogs().queuePath(path.toStdString());
        open.find<QAction>("mnuOpen")->trigger();
        expected = open.desktop->messages().texts();
        open.destroyWindows();
    }
    QVERIFY(!expected.empty());

    FrmMain* window = start(path);
    QVERIFY(window);
    QCOMPARE(messages().texts(), expected);
    QVERIFY2(expected.front().find(QDir::toNativeSeparators(path).toStdString()) != std::string::npos ||
                 name == QLatin1String("notes.txt"),
             expected.front().c_str());
    QCOMPARE(window->windowTitle(), QStringLiteral("Untitled"));
    QCOMPARE(s->text("txtProjectName"), QString());
    QCOMPARE(s->combo("cboCulvertNo1")->count(), 0);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
