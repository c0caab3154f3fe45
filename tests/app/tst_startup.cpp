// Start-up: the command line (a project to open, --help, --version and what is wrong usage), the
// programs answering it without a display, and the splash handing over to a main window that opens
// the named project as File > Open would, or says why it cannot.

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
    void reportProgramRefusesMoreThanTheVersion();
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
    QTest::newRow("-v") << QStringList{"-v"} << Action::ShowVersion << QString() << "stormwick " STORMWICK_VERSION "\n";
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
    QStringList texts{options.text};
    // The program itself says the same without any display: help and version on standard output,
    // what is wrong on standard error with status 2.
    if (action != StartOptions::Action::Start) {
        const Ran ran = runWithoutDisplay(QStringLiteral(STORMWICK_EXE), arguments);
        const bool wrong = action == StartOptions::Action::WrongUsage;
        QCOMPARE(ran.exitCode, wrong ? 2 : 0);
        QVERIFY2((wrong ? ran.out : ran.err).isEmpty(), qPrintable(ran.out + ran.err));
        texts << (wrong ? ran.err : ran.out);
    }
    for (const QString& text : texts) {
        QVERIFY2(action == StartOptions::Action::ShowVersion ? text == textStart : text.startsWith(textStart),
                 qPrintable(text));
        // What goes wrong comes with the help, which names the one argument there is.
        if (action == StartOptions::Action::WrongUsage || action == StartOptions::Action::ShowHelp)
            QVERIFY2(text.contains(QStringLiteral(" [options] [PROJECT]\n")) &&
                         text.contains(QStringLiteral("  PROJECT        The project file to open.\n")),
                     qPrintable(text));
    }
}

// The report program, too, answers without a display; its version takes nothing more.
void TestStartup::reportProgramRefusesMoreThanTheVersion()
{
    const Ran ran = runWithoutDisplay(QStringLiteral(STORMWICK_REPORT_EXE), {"--version", "x"});
    QCOMPARE(ran.exitCode, 2);
    QVERIFY2(ran.out.isEmpty() && ran.err.startsWith("Wrong number of arguments.\n"), qPrintable(ran.err));
}

// A file written by hand (CR LF, Windows-1252), shown as written and saved back byte for byte.
void TestStartup::namedProjectOpensAfterTheSplash()
{
    const QString path = this->path("route 9.txt");
    QVERIFY(QFile::copy(QStringLiteral(SW_UI_TEST_DATA "/route9-handwritten.txt"), path));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner));
    const QByteArray original = bytesOf(path);
    QVERIFY(original.contains("Caf\xE9 junction to river\r\n"));  // the data file kept its bytes
    FrmMain* window = start(path);
    QVERIFY(window && m_h->showActive());
    QTRY_VERIFY(!m_h->desktop->windows().find("frmFront"));
    QCOMPARE(window->windowTitle(), path);
    QCOMPARE(m_h->windowState->ProjectFileName, path.toStdString());
    QVERIFY(dialogs().asked().empty());  // no dialog: the path was given
    QVERIFY(messages().asked().empty());
    QVERIFY(!m_h->session->IsPristine);  // as after Open: an opened project counts as touched

    // Culvert C1 is selected, and so computed; the others as they are chosen: metres and a typed
    // factor; no inputs; no sub-areas. What the pages do not show (C3's station) the records hold:
    // the save at the end writes it back.
    const auto expectShown = [this](std::initializer_list<std::pair<const char*, const char*>> boxes) {
        for (const auto& [name, text] : boxes)
            QCOMPARE(s->text(name), QString::fromUtf8(text));
    };
    expectShown({{"txtProjectName", "Route 9 Widening"}, {"txtProjectNo", "P-17"}, {"txtControlNo", "CN 0042"},
                 {"txtProDescrpt", "Caf\xC3\xA9 junction to river"}, {"txtDesigner", "Ren\xC3\xA9" "e Ortiz"},
                 {"txtDate", "05/06/1999"}, {"lblTime", "2:30:00 PM"}, {"cboCulvertNo1", "C1"}, {"lblCulvertID", "C1"},
                 {"cboretPeriod", "25"}, {"cboRFzone", "B"}, {"txtEleRemote", "1010"}, {"cboTravelUnit", "ft"},
                 {"lblCorFactor", "1"}, {"txtCulvertDescrpt", "Sta 10+50"}, {"lblLot", "2"}, {"lblTA", "5.0"},
                 {"lblWC", "0.68"}});
    QCOMPARE(entriesOf(s->combo("cboCulvertNo2")), (QStringList{"C1", "C2", "C3", "C4"}));
    QCOMPARE(s->rows("lstIntensity"), plainLines("C1").mid(0, 7) << "Intensity (in/hr): 7.05 (179 mm/hr) ");
    QCOMPARE(s->rows("lstAreaInfo"), (QStringList{"Asphaltic,2.5 a,0.86,ditch", "Own surface \u00e9,1.0 h,0.50,field"}));
    SW_STEP(s->typeCulvertId("C3"));
    expectShown({{"lblCulvertID", "C3"}, {"txtEleRemote", "305"}, {"cboCulvertUnit", "m"}, {"txtLenTravel", "300"},
                 {"txtCorFactor", "1.2"}, {"txtCulvertDescrpt", ""}});
    QVERIFY(s->w<QRadioButton>("optUser")->isChecked() && s->w("txtCorFactor")->isVisible());
    QCOMPARE(s->rows("lstIntensity").mid(1, 5),
             (QStringList{"Ele. of Remote Point (ft):1000.64", "Ele. of Culvert Inlet (ft): 984.24",
                          "Len. of Travel (ft): 984.24", "Slope (ft/ft): 0.01666", "Corr. Factor: 1.2 (User Defined)"}));
    QCOMPARE(s->rows("lstAreaInfo"), QStringList{});
    SW_STEP(s->typeCulvertId("C2"));
    expectShown({{"lblCulvertID", "C2"}, {"txtEleRemote", ""}, {"txtEleCulvert", ""}, {"txtLenTravel", ""},
                 {"txtCorFactor", ""}, {"txtCulvertDescrpt", "Sta 20"}, {"lblLot", "1"}, {"lblTA", "3.0"},
                 {"lblWC", "0.25"}});
    QCOMPARE(s->rows("lstAreaInfo"), QStringList{"Grass Areas (> 75%)-Flat 0~2%,3.0 a,0.25,lawn"});

    // Saved back where it came from, without a question, byte for byte as written by hand.
    action("mnuSave")->trigger();
    QVERIFY(messages().asked().empty() && dialogs().asked().empty());
    QCOMPARE(bytesOf(path), original);
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
