// Writes pictures of the windows for the documentation: the main window on each of its tabs, the
// About box and the splash, the results board, summary window and calculation sheet of a sample
// project run for all culverts, and the rainfall zone map and the frequency table opened over that project; drawn
// offscreen on the scripted desktop (no dialogs, fixed clock).
//
//   stormwick-screenshots [output folder]     (default: the docs folder of the source tree)

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QPixmap>
#include <QTableView>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

#include "platform/fonts.h"
#include "model/windowstate.h"
#include "project/projectreader.h"
#include "ui/results/frmcompare.h"
#include "session/projectsession.h"
#include "platform/scripteddesktop.h"
#include "ui/main/frmabout.h"
#include "ui/main/frmfront.h"
#include "ui/main/frmmain.h"

namespace {

bool save(QWidget* window, const QDir& folder, const char* name)
{
    QCoreApplication::processEvents();
    const QString path = folder.filePath(QString::fromLatin1(name));
    if (!window->grab().save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(QDir::toNativeSeparators(path)));
    return true;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    sw::ensureFontSubstitutions();

    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(STORMWICK_DOCS_DIR));
    if (!folder.exists() && !QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "cannot create %s\n", qPrintable(folder.path()));
        return 1;
    }

    sw::testing::ScriptedDesktop desktop;
    desktop.setFailOnUnexpected(false);
    desktop.clock().setToday({2024, 3, 9});
    desktop.clock().setTimeOfDay("10:15:30 AM");
    sw::ProjectSession session;
    sw::WindowState state;
    bool ok = true;

    {
        sw::FrmFront splash(state, desktop, {});
        splash.show();
        ok = save(&splash, folder, "splash.png") && ok;
    }

    auto* window = new sw::FrmMain(session, state, desktop);
    window->show();
    // A project header as a designer types it.
    const std::pair<const char*, const char*> fields[] = {
        {"txtProjectName", "Route 9 Widening, Millbrook to Harlow"},
        {"txtProjectNo", "P-2024-117"},
        {"txtControlNo", "0931-04-022"},
        {"txtProDescrpt", "Cross culverts, stations 112+00 to 187+50"},
        {"txtDesigner", "A. Lindqvist"},
    };
    for (const auto& [name, text] : fields)
        QTest::keyClicks(window->findChild<QLineEdit*>(QString::fromLatin1(name)), QString::fromLatin1(text));
    auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("SSTab1"));
    tabs->setCurrentIndex(0);
    ok = save(window, folder, "main-project.png") && ok;
    tabs->setCurrentIndex(1);
    ok = save(window, folder, "main-intensity.png") && ok;
    tabs->setCurrentIndex(2);
    ok = save(window, folder, "main-drainage.png") && ok;

    window->showAbout();
    ok = save(window->aboutBox(), folder, "about.png") && ok;
    delete window;

    // A sample project opened and run for all its culverts: the board on its third culvert and the
    // summary of it; the calculation sheet of the first.
    sw::ProjectSession opened;
    sw::WindowState project;
    project.SummaryFilePath = QDir(QDir::tempPath()).filePath(QStringLiteral("stormwick-screenshot-summary.txt")).toStdString();
    window = new sw::FrmMain(opened, project, desktop);
    window->show();
    desktop.fileDialogs().queuePath(STORMWICK_SAMPLE_PROJECT);
    window->findChild<QAction*>(QStringLiteral("mnuOpen"))->trigger();
    window->findChild<QPushButton*>(QStringLiteral("cmdRunApp"))->click();
    QWidget* selector = desktop.windows().find("frmCulvertSelector");
    selector->findChild<QRadioButton*>(QStringLiteral("Option2"))->click();
    selector->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
    for (int step = 0; step < 2; ++step) {
        desktop.windows().find("frmDisplayBoard")->findChild<QPushButton*>(QStringLiteral("lblNext"))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QWidget* board = desktop.windows().find("frmDisplayBoard");
    ok = save(board, folder, "board.png") && ok;
    board->findChild<QPushButton*>(QStringLiteral("cmdViewSummary"))->click();
    ok = save(desktop.windows().find("frmSummary"), folder, "summary.png") && ok;
    // The sheet of the first culvert, short enough to be seen whole.
    for (int step = 0; step < 2; ++step) {
        desktop.windows().find("frmDisplayBoard")->findChild<QPushButton*>(QStringLiteral("lblPrevious"))->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    board = desktop.windows().find("frmDisplayBoard");
    board->findChild<QPushButton*>(QStringLiteral("cmdViewCalculation"))->click();
    ok = save(desktop.windows().find("frmCalculation"), folder, "calculation.png") && ok;
    // Every culvert of the run at a glance, sorted by Q, the largest first.
    board->findChild<QAction*>(QStringLiteral("mnuAllCulverts"))->trigger();
    QWidget* all = desktop.windows().find("frmAllCulverts");
    if (auto* table = all ? all->findChild<QTableView*>() : nullptr)
        table->sortByColumn(8, Qt::DescendingOrder);
    ok = all != nullptr && save(all, folder, "all-culverts.png") && ok;

    // The map and the frequency table, opened with their buttons on the "Intensity Info" tab; in
    // the table the designer has clicked "25" for a culvert on a road of 1700 ADT and under.
    window->findChild<QTabWidget*>(QStringLiteral("SSTab1"))->setCurrentIndex(1);
    window->findChild<QAbstractButton*>(QStringLiteral("cmdRFMap"))->click();
    ok = save(desktop.windows().find("frmRFzone"), folder, "zone-map.png") && ok;
    window->findChild<QAbstractButton*>(QStringLiteral("cmdFqyTable"))->click();
    QWidget* table = desktop.windows().find("frmRPTable");
    QTest::mouseClick(table->findChild<QLabel*>(QStringLiteral("Label27")), Qt::LeftButton);
    ok = save(table, folder, "frequency-table.png") && ok;

    // The project against its last submittal: the sample as it was, and the same project with a
    // return period raised, an inlet surveyed lower and a sub-area added since.
    std::string revised;
    {
        QFile sample(QStringLiteral(STORMWICK_SAMPLE_PROJECT));
        if (sample.open(QIODevice::ReadOnly))
            revised = sample.readAll().toStdString();
    }
    const auto replaceFirst = [&revised](const std::string& from, const std::string& to) {
        if (const auto at = revised.find(from); at != std::string::npos)
            revised.replace(at, from.size(), to);
    };
    replaceFirst("Return Period=50", "Return Period=100");
    replaceFirst("Elevation of culvert inlet=1000 ft", "Elevation of culvert inlet=998.5 ft");
    replaceFirst("Grass Areas (> 75%)-Flat 0~2%,3.0 a,0.25,median", "Grass Areas (> 75%)-Flat 0~2%,3.0 a,0.25,median\r\n"
                                                                    "Asphaltic,0.8 a,0.81,turn lane");
    sw::Document current;
    QTemporaryDir projects;
    const QString revisedPath = projects.filePath(QStringLiteral("Harlow Creek Bypass.txt"));
    const QString submittedPath = projects.filePath(QStringLiteral("Harlow Creek Bypass, submittal 2.txt"));
    {
        QFile file(revisedPath);
        ok = file.open(QIODevice::WriteOnly) && file.write(revised.data(), qint64(revised.size())) == qint64(revised.size()) && ok;
    }
    ok = QFile::copy(QStringLiteral(STORMWICK_SAMPLE_PROJECT), submittedPath) && ok;
    ok = sw::readProjectFile(current, revisedPath.toStdString()).loaded() && ok;
    if (sw::FrmCompare* compare =
            sw::compareWithFile(desktop, current, revisedPath.toStdString(), submittedPath.toStdString())) {
        compare->resize(1480, 300);
        ok = save(compare, folder, "compare.png") && ok;
        delete compare;
    } else {
        ok = false;
    }
    delete window;
    return ok ? 0 : 1;
}
