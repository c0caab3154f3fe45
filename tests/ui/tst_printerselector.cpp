// The printer selector, opened from the results board after a run of all culverts: the printer
// list of the settings file, the printer, text file and PDF routes for one culvert or all, and the
// refusals that keep a report from going out wrong or half. Long work culvert by culvert from the
// results windows: the progress of every culvert told, Cancel at any culvert leaving the former file
// byte for byte (and nothing beside it), the printer stopped before the next job, the All Culverts
// table not opened; and the real dialog, which shows only for long work, keeps the windows' events
// flowing and takes a Cancel.

#include <sys/resource.h>
#include <unistd.h>

#include <numeric>

#include <QElapsedTimer>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>

#include "core/messages.h"
#include "core/text.h"
#include "engine/discharge.h"
#include "platform/pdfpages.h"
#include "platform/progressdialog.h"
#include "platform/qtdesktop.h"
#include "report/csvfile.h"
#include "report/printreport.h"
#include "report/reportfile.h"
#include "tests/core/files.h"
#include "tests/platform/modaldriver.h"
#include "tests/ui/resultsteps.h"

using namespace sw;
using namespace sw::testing;

namespace {

// A culvert of `areas` asphalt sub-areas; a factor of 0 leaves it without sufficient information.
std::string culvert(const std::string& id, int areas, const char* factor = " 1 ")
{
    std::string out = culvertLines(id, "STA " + id, "10");
    for (int i = 0; i < areas; ++i)
        out += crlf({"Asphaltic,1.0 a,0.81,lot " + std::to_string(i + 1)});
    return out + intensityBlock("A", "1010 ft", "1000 ft", "1000 ft", factor);
}

// C4 has 30 sub-areas: a first page and one continuation page.
std::string project(const char* c2Factor = " 1 ")
{
    return projectHead("Gully Lane", "GL-4", "0815", "Outfalls", "12/01/2003", "10:15:00 AM", "P. Okafor") +
           culvert("C1", 2) + culvert("C2", 1, c2Factor) + culvert("C3", 3) + culvert("C4", 30);
}

// Each recorded job, in order: the culvert ID it shows, or "(continued)" for a page without one.
QStringList culvertsOfJobs(const ScriptedPrinters& printers)
{
    QStringList out;
    for (const auto& doc : printers.documents()) {
        out << QStringLiteral("(continued)");
        for (const PageEvent& e : doc->events)
            if (QRegularExpression(QStringLiteral("^ *C[1-4]$")).match(qs(e.text)).hasMatch())
                out.last() = qs(e.text).trimmed();
    }
    return out;
}

constexpr int kCulverts = 4;
const QByteArray kFormer("the former file\r\n\x01\xff", 19);

// The steps of one pass over the culverts, as the scripted dialog records them.
std::vector<ProgressStep> pass(const std::string& title)
{
    std::vector<ProgressStep> steps;
    for (std::size_t i = 0; i <= kCulverts; ++i)
        steps.push_back({title, i, kCulverts, i < kCulverts ? "C" + std::to_string(i + 1) : ""});
    return steps;
}

// A Progress that watches the real dialog at each step: whether it is up, and when it came up.
class Watched final : public Progress {
public:
    Watched() { m_clock.start(); }
    bool step(std::size_t done, std::size_t total, std::string_view culvertId) override
    {
        const bool goOn = dialog.step(done, total, culvertId);
        if (shownAfterMs < 0 && dialog.dialog()->isVisible())
            shownAfterMs = m_clock.elapsed();
        return goOn;
    }
    ProgressDialog dialog{"Drawing the test"};
    qint64 shownAfterMs = -1;

private:
    QElapsedTimer m_clock;
};

}  // namespace

class TestPrinterSelector : public ResultsTest {
    Q_OBJECT

private slots:
    void loadListsTheInstalledPrintersOfTheSettings_data();
    void loadListsTheInstalledPrintersOfTheSettings();
    void printerRoutePrintsTheRange_data();
    void printerRoutePrintsTheRange();
    void fileAndPdfRoutesWriteTheRange_data();
    void fileAndPdfRoutesWriteTheRange();
    void browseAsksBeforeTakingAnExistingFile_data();
    void browseAsksBeforeTakingAnExistingFile();
    void refusalsKeepTheWindowAndSendNothing_data();
    void refusalsKeepTheWindowAndSendNothing();
    void pdfDialogOffersPdfFilesOnly();
    void cancelLeavesTheFormerFile_data();
    void cancelLeavesTheFormerFile();
    void printerStopsBeforeTheNextCulvert_data();
    void printerStopsBeforeTheNextCulvert();
    void runAndAllCulvertsCancelledShowNothing();
    void realDialogShowsForLongWorkOnlyAndTakesCancel_data();
    void realDialogShowsForLongWorkOnlyAndTakesCancel();

private:
    ScriptedPrinters& printers() { return m_h->desktop->printers(); }
    QWidget* selector() const { return window("frmPrinterSelector"); }
    template <typename T = QWidget>
    T* sel(const QString& name) const { return in<T>("frmPrinterSelector", qPrintable(name)); }
    void click(const QString& name) { press("frmPrinterSelector", qPrintable(name)); }
    // Opens the project, runs all culverts (or the first alone), steps the board on `shown` times
    // and opens the selector from the board's "&Print", with "All" when `shown` is negative.
    bool openSelector(int shown, const std::string& bytes = project(), bool runAll = true)
    {
        if (!open(bytes) || !run(runAll ? -1 : 0))
            return false;
        for (int i = 0; i < shown; ++i)
            step("lblNext");
        return reopen(shown < 0);
    }
    bool reopen(bool all)
    {
        auto* print = in<QAction>("frmDisplayBoard", "mnuPrint");
        if (print == nullptr || !print->isEnabled() || print->text() != QStringLiteral("&Print"))
            return false;
        print->trigger();
        if (all && selector())
            click("optPrintAll");
        return selector() && selector()->isVisible() && messages().asked().empty();
    }
    // Runs all culverts, the steps recorded from its own on.
    bool runAll()
    {
        m_h->desktop->clearProgressSteps();
        return run(-1);
    }
    // Opens the project and runs all culverts; the board is up, no step recorded.
    bool openAndRunAll()
    {
        const bool ran = open(project()) && runAll() && window("frmDisplayBoard") != nullptr;
        m_h->desktop->clearProgressSteps();
        return ran;
    }
};

void TestPrinterSelector::loadListsTheInstalledPrintersOfTheSettings_data()
{
    using Names = std::vector<std::string>;
    QTest::addColumn<std::string>("settings");  // "<folder>": the path names a folder; empty: no file
    QTest::addColumn<Names>("installed");
    QTest::addColumn<QStringList>("list");
    QTest::newRow("remark, other case, trailing blank, twice, not installed")
        << std::string("' the office\r\nplotter a0\r\nOffice Printer \r\nOffice Printer\r\n"
                       "Plotter A0 ' upstairs\r\n\r\nNowhere Jet\nOffice Printer\r\n")
        << Names{"Office Printer", "Plotter A0"} << QStringList{"Plotter A0", "Office Printer", "Office Printer"};
    QTest::newRow("no settings file") << std::string() << Names{"Office Printer"} << QStringList{};
    QTest::newRow("settings path is a folder") << std::string("<folder>") << Names{"Office Printer"} << QStringList{};
    QTest::newRow("nothing installed") << std::string("Office Printer\r\n") << Names{} << QStringList{};
}

void TestPrinterSelector::loadListsTheInstalledPrintersOfTheSettings()
{
    QFETCH(std::string, settings);
    QFETCH(std::vector<std::string>, installed);
    QFETCH(QStringList, list);
    QFile::remove(path("printer.ini"));
    QVERIFY(settings == "<folder>" ? QDir(m_dir->path()).mkdir("printer.ini")
                                   : settings.empty() || writeBytes(path("printer.ini"), settings));
    printers().setInstalled(installed);
    QCOMPARE(openSelector(0), !list.isEmpty());  // false with the no-printer message
    QVERIFY(selector());
    QCOMPARE(messages().texts(), list.isEmpty() ? std::vector<std::string>{std::string(msg::kNoPrinterFound)}
                                                : std::vector<std::string>{});
    QCOMPARE(entriesOf(sel<QComboBox>("cboPrinterList")), list);
    QCOMPARE(sel<QComboBox>("cboPrinterList")->currentText(), list.value(0));
    QVERIFY(list.isEmpty() || selector()->windowTitle() == list.first());
    QCOMPARE(selector()->pos(), QPoint((1600 - selector()->width()) / 2, (900 - selector()->height()) / 2));
    QStringList texts;
    for (const char* name : {"Frame2", "opt2Printer", "lblPrinterList", "opt2File", "lblFileLocation", "cmdBrowse", "Frame1",
                             "optPrintCulvert", "optPrintAll", "cmdOK", "cmdCnacel"})
        texts << sel(name)->property(qobject_cast<QGroupBox*>(sel(name)) ? "title" : "text").toString();
    QCOMPARE(texts, (QStringList{"Printout Option", "Send to printer", "Select a printer in the list", "Send  to file",
                                 "File location", "Browse", "Print Range", "Current Culvert", "All", "OK", "Cancel"}));
    auto enabled = [this] {
        QString out;
        for (const char* name : {"cboPrinterList", "txtFileLocation", "cmdBrowse", "txtPdfLocation", "cmdBrowsePdf"})
            out += sel(name)->isEnabled() ? "1" : "0";
        return out;
    };
    QVERIFY(sel<QRadioButton>("opt2Printer")->isChecked() && sel<QRadioButton>("optPrintCulvert")->isChecked());
    QVERIFY(sel<QLineEdit>("txtFileLocation")->text().isEmpty() && enabled() == "10000");
    // The range is a group of its own; the three routes are one.
    click("optPrintAll");
    click("opt2File");
    QVERIFY(sel<QRadioButton>("optPrintAll")->isChecked() && !sel<QRadioButton>("opt2Printer")->isChecked());
    QCOMPARE(enabled(), QStringLiteral("01100"));
    click("opt2Pdf");
    QVERIFY(!sel<QRadioButton>("opt2File")->isChecked() && sel<QRadioButton>("optPrintAll")->isChecked());
    QCOMPARE(enabled(), QStringLiteral("00011"));
    click("cmdCnacel");
    QVERIFY(!selector() && printers().documents().empty());
}

void TestPrinterSelector::printerRoutePrintsTheRange_data()
{
    QTest::addColumn<int>("shown");
    QTest::addColumn<QString>("typed");  // into the printer box; empty: its second entry picked
    QTest::addColumn<bool>("noCulvert");  // in the main window, as after typing an ID that is no culvert's
    QTest::addColumn<QStringList>("jobs");  // empty: Cancel in the confirmation
    const QStringList all{"C1", "C2", "C3", "C4", "(continued)"};
    QTest::newRow("current, 2 sub-areas") << 0 << "" << false << QStringList{"C1"};
    QTest::newRow("current, 30 sub-areas") << 3 << "" << false << QStringList{"C4", "(continued)"};
    QTest::newRow("all") << -1 << "" << false << all;
    // The culverts of "All" are computed all the same, and the main window keeps its none.
    QTest::newRow("all, the main window without a culvert") << -1 << "" << true << all;
    QTest::newRow("other letter case, Cancel") << 0 << "PLOTTER A0" << false << QStringList{};
}

void TestPrinterSelector::printerRoutePrintsTheRange()
{
    QFETCH(int, shown);
    QFETCH(QString, typed);
    QFETCH(bool, noCulvert);
    QFETCH(QStringList, jobs);
    QVERIFY(openSelector(shown));
    if (noCulvert)
        m_h->session->setCurCulvert(kUnknownCulvert);
    auto* box = sel<QComboBox>("cboPrinterList");
    box->setCurrentIndex(1);
    if (!typed.isEmpty()) {
        box->lineEdit()->clear();
        QTest::keyClicks(box, typed);
    }
    messages().queueOkCancel(jobs.isEmpty() ? OkCancel::Cancel : OkCancel::Ok);
    click("cmdOK");
    // Only the exact name chooses a printer: another text leaves the one in use, which is named.
    const std::string printer = typed.isEmpty() ? "Plotter A0" : "Office Printer";
    QCOMPARE(messages().asked(),
             (std::vector<AskedMessage>{{AskedMessage::Kind::OkCancel, "Report will be sent to " + printer}}));
    QCOMPARE(culvertsOfJobs(printers()), jobs);
    QCOMPARE(printers().printerInUse(), printer);
    if (noCulvert)
        QCOMPARE(m_h->session->CurCulvert(), kUnknownCulvert);
    if (jobs.isEmpty()) {
        QVERIFY(selector() && selector()->isVisible() && box->currentText() == typed);
        return;
    }
    for (const auto& doc : printers().documents())
        QVERIFY(doc->ended && doc->printer == printer);
    QVERIFY(!selector());
    // The printer stays chosen for later prints; the list starts afresh.
    messages().clearRecord();
    QVERIFY(reopen(false));
    QCOMPARE(selector()->windowTitle(), QStringLiteral("Office Printer"));
    QCOMPARE(printers().printerInUse(), printer);
}

void TestPrinterSelector::fileAndPdfRoutesWriteTheRange_data()
{
    QTest::addColumn<bool>("pdf");
    QTest::addColumn<int>("shown");
    QTest::newRow("text, current culvert as stored") << false << 2;
    QTest::newRow("text, all culverts computed") << false << -1;
    QTest::newRow("PDF, current culvert of two pages") << true << 3;
    QTest::newRow("PDF, all culverts") << true << -1;
}

// The file holds what the writers write, and the PDF the pages the printer would print; an existing
// file typed in is replaced once the user said Yes, and the location is taken without its blanks.
void TestPrinterSelector::fileAndPdfRoutesWriteTheRange()
{
    QFETCH(bool, pdf);
    QFETCH(int, shown);
    QVERIFY(openSelector(shown) && writeBytes(path("out"), "an older report"));
    m_h->session->compute([](Document& d) { d.CulvertList[2].Intensity = 9.9; });  // a result no computation gives
    click(pdf ? "opt2Pdf" : "opt2File");
    QTest::keyClicks(sel(pdf ? "txtPdfLocation" : "txtFileLocation"), "  " + path("out") + " ");
    messages().queueYesNo(YesNo::Yes);
    click("cmdOK");
    QCOMPARE(messages().texts(), std::vector<std::string>{std::string(msg::kOverwriteOnSave)});
    QVERIFY(!selector() && printers().documents().empty());
    const QByteArray bytes = bytesOf(path("out"));
    if (pdf) {
        ScriptedPrinters direct;
        for (int culvert = shown < 0 ? 0 : shown; culvert <= 3; ++culvert)
            QVERIFY(printCulvert(direct, m_h->document(), culvert));
        QVERIFY(bytes.startsWith("%PDF"));
        const int sheets = std::accumulate(direct.documents().begin(), direct.documents().end(), 0,
                                           [](int n, const auto& doc) { return n + doc->events.back().page; });
        QCOMPARE(sheets, int(direct.documents().size()));  // one sheet a job for these culverts
        QCOMPARE(QString::fromLatin1(bytes).count(QRegularExpression(QStringLiteral("/Type\\s*/Page[^s]"))), sheets);
        return;
    }
    const FileWriteResult direct = shown < 0 ? ReportAll2File(m_h->document(), path("direct").toStdString())
                                             : Report2File(m_h->document(), path("direct").toStdString(), 2);
    QVERIFY(direct.written());
    QCOMPARE(bytes, bytesOf(path("direct")));
    QCOMPARE(bytes.contains("Rainfall Intensity (i)=9.9 in/hr"), shown >= 0);
    QCOMPARE(bytes.count("Culvert ID="), shown < 0 ? 4 : 1);
}

void TestPrinterSelector::browseAsksBeforeTakingAnExistingFile_data()
{
    QTest::addColumn<bool>("pdf");
    QTest::addColumn<QString>("chosen");  // "": the dialog cancelled
    QTest::addColumn<int>("answer");      // -1: no question
    QTest::addColumn<bool>("taken");
    for (const bool pdf : {false, true}) {
        const char* kind = pdf ? "PDF" : "text";
        QTest::addRow("%s, cancelled", kind) << pdf << "" << -1 << false;
        QTest::addRow("%s, new file", kind) << pdf << "new" << -1 << true;
        QTest::addRow("%s, existing, No", kind) << pdf << "old" << int(YesNo::No) << false;
        QTest::addRow("%s, existing, Yes", kind) << pdf << "old" << int(YesNo::Yes) << true;
        QTest::addRow("%s, the open project", kind) << pdf << "gully.txt" << -1 << false;
    }
}

// A path taken is written by OK without being asked about a second time; the project's own file is
// refused at once, without the question.
void TestPrinterSelector::browseAsksBeforeTakingAnExistingFile()
{
    QFETCH(bool, pdf);
    QFETCH(QString, chosen);
    QFETCH(int, answer);
    QFETCH(bool, taken);
    QVERIFY(openSelector(0) && writeBytes(path("old"), "old"));
    const QByteArray project = bytesOf(path("gully.txt"));
    click(pdf ? "opt2Pdf" : "opt2File");
    const QString file = chosen.isEmpty() ? QString() : path(chosen);
    m_h->desktop->fileDialogs().queuePath(file.toStdString());
    if (answer >= 0)
        messages().queueYesNo(YesNo(answer));
    click(pdf ? "cmdBrowsePdf" : "cmdBrowse");
    QCOMPARE(m_h->desktop->fileDialogs().asked().back(), pdf ? FileDialogMode::SavePdf : FileDialogMode::Save);
    const std::vector<std::string> said =
        chosen == "gully.txt" ? std::vector<std::string>{fillMessage(msg::kOutputIsProject, {file.toStdString()})}
        : answer < 0          ? std::vector<std::string>{}
                              : std::vector<std::string>{"File has already existed, overwrite it?"};
    QCOMPARE(messages().texts(), said);
    QCOMPARE(sel<QLineEdit>(pdf ? "txtPdfLocation" : "txtFileLocation")->text(), taken ? file : QString());
    QCOMPARE(bytesOf(path("old")), QByteArray("old"));
    QCOMPARE(bytesOf(path("gully.txt")), project);
    if (!taken)
        return;
    click("cmdOK");
    QCOMPARE(messages().texts(), said);
    QVERIFY(!selector() && (pdf ? bytesOf(file).startsWith("%PDF") : bytesOf(file).contains("Culvert ID=C1")));
}

// Every way the output can stop: the message, nothing printed beyond what came before, no file
// made or changed (the open project least of all), and the window left open with the user's choices.
void TestPrinterSelector::refusalsKeepTheWindowAndSendNothing_data()
{
    QTest::addColumn<QString>("route");
    QTest::addColumn<bool>("all");
    QTest::addColumn<QString>("location");  // in the temporary folder; "<blanks>": three blanks
    QTest::addColumn<QString>("fault");
    QTest::addColumn<int>("answer");        // to the overwrite question; -1: not asked
    QTest::addColumn<QString>("message");   // empty: a message naming the location
    QTest::addColumn<QStringList>("printed");
    const QString insufficient = "Information for Culvert ID: \" C2 \"  is not sufficient";
    for (const char* route : {"opt2Printer", "opt2File", "opt2Pdf"})
        QTest::addRow("%s, C2 not sufficient", route)
            << route << true << "old" << "C2 never computed" << -1 << insufficient
            << (route == std::string("opt2Printer") ? QStringList{"C1"} : QStringList{});
    const QString noCulvert = qs(std::string(msg::kPrintNoCulvert));
    QTest::newRow("printer, no culvert selected")
        << "opt2Printer" << false << "" << "CurCulvert -111" << -1 << noCulvert << QStringList{};
    QTest::newRow("file, an ID in no entry") << "opt2File" << false << "out" << "CurCulvert -1" << -1 << noCulvert
                                             << QStringList{};
    QTest::newRow("PDF, past the culverts") << "opt2Pdf" << false << "out" << "CurCulvert 4" << -1 << noCulvert
                                            << QStringList{};
    QTest::newRow("printer refuses the job") << "opt2Printer" << false << "" << "refused" << -1
                                             << qs(fillMessage(msg::kPrintRefused, {"Office Printer", "C1"})) << QStringList{};
    QTest::newRow("no printer at all") << "opt2Printer" << false << "" << "no printer" << -1
                                       << qs(std::string(msg::kNoPrinterAtAll)) << QStringList{};
    const int yes = int(YesNo::Yes);
    for (const char* route : {"opt2File", "opt2Pdf"}) {
        const QString noLocation = qs(std::string(msg::kFileNoLocation));
        QTest::addRow("%s, empty", route) << route << true << "" << "" << -1 << noLocation << QStringList{};
        QTest::addRow("%s, blanks", route) << route << true << "<blanks>" << "" << -1 << noLocation << QStringList{};
        QTest::addRow("%s, no such folder", route) << route << true << "missing/out" << "" << -1 << "" << QStringList{};
        QTest::addRow("%s, a folder", route) << route << true << "folder" << "" << yes << "" << QStringList{};
        QTest::addRow("%s, disk full", route) << route << false << "old" << "disk full" << yes << "" << QStringList{};
        // A typed file that exists is asked about as Browse asks; No keeps the path for another try.
        QTest::addRow("%s, existing, No", route) << route << true << "old" << "" << int(YesNo::No)
                                                 << qs(std::string(msg::kOverwriteOnSave)) << QStringList{};
        // The open project's own file, by its name, another spelling, a symbolic or a hard link.
        for (const char* name : {"gully.txt", "folder/../gully.txt", "link.txt", "hard.txt"})
            QTest::addRow("%s, the project as %s", route, name) << route << false << name << "" << -1 << "<project>"
                                                                 << QStringList{};
    }
}

void TestPrinterSelector::refusalsKeepTheWindowAndSendNothing()
{
    QFETCH(QString, route);
    QFETCH(bool, all);
    QFETCH(QString, location);
    QFETCH(QString, fault);
    QFETCH(int, answer);
    QFETCH(QString, message);
    QFETCH(QStringList, printed);
    QVERIFY(writeBytes(path("old"), "old") && QDir(m_dir->path()).mkdir("folder"));
    if (fault == "no printer")
        printers().setInstalled({});
    const bool neverComputed = fault == "C2 never computed";
    QCOMPARE(openSelector(0, project(neverComputed ? " 0 " : " 1 "), !neverComputed), fault != "no printer");
    QVERIFY(selector() && QFile::link(path("gully.txt"), path("link.txt")));
    QVERIFY(::link(QFile::encodeName(path("gully.txt")).constData(), QFile::encodeName(path("hard.txt")).constData()) == 0);
    const QByteArray projectBytes = bytesOf(path("gully.txt"));
    messages().clearRecord();
    if (all)
        click("optPrintAll");
    click(route);
    const QString typed = location == "<blanks>" ? "   " : location.isEmpty() ? QString() : path(location);
    if (message == "<project>")
        message = qs(fillMessage(msg::kOutputIsProject, {typed.toStdString()}));
    QLineEdit* box = sel<QLineEdit>(route == "opt2Pdf" ? "txtPdfLocation" : "txtFileLocation");
    box->setText(typed);
    if (fault.startsWith("CurCulvert"))
        m_h->session->setCurCulvert(static_cast<std::int16_t>(fault.section(' ', 1).toInt()));
    printers().setRefuseDocuments(fault == "refused");
    // What comes before the message: the printer's confirmation, or Yes to the overwrite question.
    std::vector<std::string> before;
    if (route == "opt2Printer" && (neverComputed || fault == "refused")) {
        messages().queueOkCancel(OkCancel::Ok);
        before.push_back("Report will be sent to Office Printer");
    }
    if (answer >= 0)
        messages().queueYesNo(YesNo(answer));
    if (answer == int(YesNo::Yes))
        before.push_back(std::string(msg::kOverwriteOnSave));
    const QStringList filesBefore = files();
    withFileSizeLimit(fault == "disk full" ? 16 : RLIM_INFINITY, [&] { click("cmdOK"); });

    std::vector<std::string> texts = messages().texts();
    QCOMPARE(texts.size(), before.size() + 1);
    QCOMPARE(std::vector<std::string>(texts.begin(), texts.end() - 1), before);
    QVERIFY2(message.isEmpty() ? qs(texts.back()).contains(typed) : qs(texts.back()) == message, texts.back().c_str());
    QCOMPARE(culvertsOfJobs(printers()), printed);
    QCOMPARE(files(), filesBefore);
    QCOMPARE(bytesOf(path("old")), QByteArray("old"));
    QCOMPARE(bytesOf(path("gully.txt")), projectBytes);
    QVERIFY(QFileInfo(path("link.txt")).isSymLink());
    QVERIFY(selector() && selector()->isVisible() && sel<QRadioButton>(route)->isChecked());
    QVERIFY(sel<QRadioButton>(all ? "optPrintAll" : "optPrintCulvert")->isChecked() && box->text() == typed);
}

void TestPrinterSelector::pdfDialogOffersPdfFilesOnly()
{
    QtFileDialogs dialogs;
    ModalDriver driver;
    QString seen = QStringLiteral("<not shown>");
    driver.expect([&](QWidget* modal) {
        if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
            seen = QStringLiteral("filters %1, save %2, confirms %3, suffix %4")
                       .arg(dialog->nameFilters().join(QLatin1Char('|')))
                       .arg(dialog->acceptMode() == QFileDialog::AcceptSave)
                       .arg(!dialog->testOption(QFileDialog::DontConfirmOverwrite))
                       .arg(dialog->defaultSuffix());
            dialog->reject();
        }
    });
    QCOMPARE(dialogs.showFileDialog(FileDialogMode::SavePdf), std::string());
    QVERIFY(driver.allHandled() && driver.unexpected().empty());
    QCOMPARE(seen, QStringLiteral("filters PDF Files (*.pdf), save 1, confirms 0, suffix pdf"));
}

void TestPrinterSelector::cancelLeavesTheFormerFile_data()
{
    QTest::addColumn<QString>("route");  // the board's CSV export, or the printer selector's file or PDF
    QTest::addColumn<int>("cancelAt");   // the step Cancel is pressed in; -1: never
    // Every culvert is computed in a pass of its own before the file or the PDF is laid out:
    // Steps 0 to 4 are the CSV's pass; for the others, the computing pass, then 5 to 9 writing.
    for (const int at : {0, 2, 4, -1})
        QTest::addRow("csv, cancel at step %d", at) << "csv" << at;
    for (const char* route : {"opt2File", "opt2Pdf"})
        for (const int at : {0, 2, 4, 5, 6, 9, -1})
            QTest::addRow("%s, cancel at step %d", route, at) << route << at;
}

// Cancel before the first culvert, at one, between the passes and after the last (the work laid
// out, not yet written): a message says nothing was written, the former file is as it was and no
// file is left beside it; without Cancel the file is written.
void TestPrinterSelector::cancelLeavesTheFormerFile()
{
    QFETCH(QString, route);
    QFETCH(int, cancelAt);
    QVERIFY(openAndRunAll());
    const QString out = path("out");
    QVERIFY(writeBytes(out, kFormer.toStdString()));
    const QStringList before = files();
    if (cancelAt >= 0)
        m_h->desktop->cancelAtStep(std::size_t(cancelAt));
    const bool csv = route == "csv";
    std::vector<ProgressStep> all = csv ? pass(fillMessage(msg::kProgressCsv, {out.toStdString()})) : pass(std::string(msg::kProgressComputing));
    if (!csv) {
        const std::vector<ProgressStep> written =
            pass(fillMessage(route == "opt2Pdf" ? msg::kProgressPdf : msg::kProgressReportFile, {out.toStdString()}));
        all.insert(all.end(), written.begin(), written.end());
    }
    // The overwrite question comes before the CSV's pass, and after the computing pass otherwise.
    const bool asked = csv || cancelAt < 0 || cancelAt > kCulverts;
    if (asked)
        messages().queueYesNo(YesNo::Yes);
    if (csv) {
        m_h->desktop->fileDialogs().queuePath(out.toStdString());
        in<QAction>("frmDisplayBoard", "mnuExportCsv")->trigger();
    } else {
        QVERIFY(reopen(true));
        click(route);
        QTest::keyClicks(in("frmPrinterSelector", route == "opt2Pdf" ? "txtPdfLocation" : "txtFileLocation"), out);
        click("cmdOK");
    }
    std::vector<std::string> said;
    if (asked)
        said.emplace_back(msg::kOverwriteOnSave);
    if (cancelAt >= 0)
        said.push_back(fillMessage(msg::kCancelledNothingWritten, {out.toStdString()}));
    QCOMPARE(messages().texts(), said);
    if (cancelAt >= 0)
        all.resize(std::size_t(cancelAt) + 1);
    QCOMPARE(m_h->desktop->progressSteps(), all);
    QCOMPARE(files(), before);
    const QByteArray bytes = bytesOf(out);
    if (cancelAt >= 0) {
        QCOMPARE(bytes, kFormer);
        QCOMPARE(window("frmPrinterSelector") != nullptr, !csv);  // the choices stay for another try
        return;
    }
    // Written whole: what the writers give for the same culverts.
    const std::string direct = path("direct").toStdString();
    QVERIFY(route == "opt2Pdf" ? bytes.startsWith("%PDF")
            : csv              ? writeResultsCsv(m_h->document(), direct).written()
                               : ReportAll2File(m_h->document(), direct).written());
    QVERIFY(route == "opt2Pdf" || bytes == bytesOf(path("direct")));
    QVERIFY(!window("frmPrinterSelector"));
}

void TestPrinterSelector::printerStopsBeforeTheNextCulvert_data()
{
    QTest::addColumn<int>("cancelAt");
    QTest::addColumn<QString>("message");  // empty: none, every culvert printed
    const std::string printer = "Office Printer";
    QTest::newRow("before the first") << 0 << qs(fillMessage(msg::kPrintCancelledNothing, {printer}));
    QTest::newRow("after one") << 1 << qs(fillMessage(msg::kPrintCancelledOne, {"4", "C1", printer}));
    QTest::newRow("after three") << 3 << qs(fillMessage(msg::kPrintCancelled, {"3", "4", "C1", "C3", printer}));
    // After the last job nothing is left to stop: the report went out whole.
    QTest::newRow("after the last") << kCulverts << QString();
}

// Each culvert is a print job of its own: Cancel stops before the next, and the message says which
// went out and cannot be taken back.
void TestPrinterSelector::printerStopsBeforeTheNextCulvert()
{
    QFETCH(int, cancelAt);
    QFETCH(QString, message);
    QVERIFY(openAndRunAll() && reopen(true));
    m_h->desktop->cancelAtStep(std::size_t(cancelAt));
    messages().queueOkCancel(OkCancel::Ok);
    click("cmdOK");
    std::vector<std::string> said{"Report will be sent to Office Printer"};
    if (!message.isEmpty())
        said.push_back(message.toStdString());
    QCOMPARE(messages().texts(), said);
    // The jobs of the culverts before the stop; C4 goes out as two.
    const QStringList all{"C1", "C2", "C3", "C4", "(continued)"};
    QCOMPARE(culvertsOfJobs(printers()), cancelAt < kCulverts ? all.first(cancelAt) : all);
    std::vector<ProgressStep> steps = pass(fillMessage(msg::kProgressPrinting, {"Office Printer"}));
    steps.resize(std::size_t(cancelAt) + 1);
    QCOMPARE(m_h->desktop->progressSteps(), steps);
    QCOMPARE(window("frmPrinterSelector") != nullptr, !message.isEmpty());
}

// Cancel in the run of all culverts: no board. Cancel while the table is computed: it does not
// open; after another run an open table that was not computed again closes rather than show the
// culverts of the earlier run.
void TestPrinterSelector::runAndAllCulvertsCancelledShowNothing()
{
    QVERIFY(open(project()));
    m_h->desktop->cancelAtStep(2);
    QVERIFY(runAll());
    QVERIFY(!window("frmDisplayBoard"));
    QCOMPARE(messages().texts(), std::vector<std::string>{fillMessage(msg::kRunCancelled, {"2", "4"})});
    const std::vector<ProgressStep> run = pass(std::string(msg::kProgressComputing));
    QCOMPARE(m_h->desktop->progressSteps(), std::vector<ProgressStep>(run.begin(), run.begin() + 3));
    messages().clearRecord();
    QVERIFY(runAll() && window("frmDisplayBoard"));
    QCOMPARE(m_h->desktop->progressSteps(), run);
    QVERIFY(messages().texts().empty());
    m_h->desktop->clearProgressSteps();

    m_h->desktop->cancelAtStep(2);
    in<QAction>("frmDisplayBoard", "mnuAllCulverts")->trigger();
    QVERIFY(!window("frmAllCulverts"));
    QCOMPARE(messages().texts(), std::vector<std::string>{std::string(msg::kAllCulvertsCancelled)});
    std::vector<ProgressStep> steps = pass(std::string(msg::kProgressAllCulverts));
    QCOMPARE(m_h->desktop->progressSteps(), std::vector<ProgressStep>(steps.begin(), steps.begin() + 3));

    m_h->desktop->clearProgressSteps();
    in<QAction>("frmDisplayBoard", "mnuAllCulverts")->trigger();
    QVERIFY(window("frmAllCulverts") && window("frmAllCulverts")->isVisible());
    QCOMPARE(m_h->desktop->progressSteps(), steps);
    QCOMPARE(in<QTableView>("frmAllCulverts", "tblCulverts")->model()->rowCount(), kCulverts);

    m_h->desktop->cancelAtStep(kCulverts + 1);  // the table's first step, after the run's
    QVERIFY(runAll() && window("frmDisplayBoard"));
    QVERIFY(!window("frmAllCulverts"));
    QCOMPARE(messages().texts().back(), std::string(msg::kAllCulvertsCancelledClosed));
}

void TestPrinterSelector::realDialogShowsForLongWorkOnlyAndTakesCancel_data()
{
    QTest::addColumn<bool>("pdf");
    QTest::addColumn<int>("culverts");
    QTest::newRow("CSV, 3 culverts") << false << 3;
    QTest::newRow("PDF, 3 culverts") << true << 3;
    // Long on any machine: a CSV row costs far less than a page of the PDF.
    QTest::newRow("CSV, 30000 culverts") << false << 30000;
    QTest::newRow("PDF, 2000 culverts") << true << 2000;
}

// Short work never shows the dialog. Long work shows it within half a second or so, a timer of the
// application keeps ticking under it, and its own Cancel button stops the work: the former file
// stays, nothing else is written.
void TestPrinterSelector::realDialogShowsForLongWorkOnlyAndTakesCancel()
{
    QFETCH(bool, pdf);
    QFETCH(int, culverts);
    // The project's culverts computed, then copied under new IDs up to the number wanted.
    QVERIFY(open(project()));
    Document doc = m_h->document();
    for (int i = 0; i < kCulverts; ++i)
        QVERIFY(CalCulvert(doc, i).computed());
    doc.CulvertList.resize(std::size_t(culverts));
    for (std::size_t i = kCulverts; i < doc.CulvertList.size(); ++i) {
        doc.CulvertList[i] = doc.CulvertList[i % kCulverts];
        doc.CulvertList[i].CulvertNo = "C" + std::to_string(i + 1);
    }
    const std::string out = path("out").toStdString();
    QVERIFY(writeBytes(path("out"), kFormer.toStdString()));

    Watched watched;
    int ticks = 0;
    qint64 longestGapMs = 0;
    QElapsedTimer sinceTick;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        if (sinceTick.isValid())
            longestGapMs = std::max(longestGapMs, sinceTick.elapsed());
        sinceTick.start();
        // A few ticks under the dialog, then Cancel as a person clicks it.
        if (++ticks == 5)
            QTest::mouseClick(watched.dialog.dialog()->findChild<QPushButton*>(), Qt::LeftButton);
    });
    ticker.start(10);
    QElapsedTimer work;
    work.start();
    bool done = false;
    if (pdf) {
        PdfPages pages(out);
        std::vector<int> all(std::size_t(culverts), 0);
        std::iota(all.begin(), all.end(), 0);
        const PrintOutcome drawn = printCulverts(pages, doc, all, &watched);
        std::string failure;
        done = drawn.status == PrintOutcome::Status::Printed && pages.finish(failure);
        QVERIFY(drawn.status != PrintOutcome::Status::Refused);
    } else {
        done = writeResultsCsv(doc, out, &watched).written();
    }
    const qint64 ms = work.elapsed();
    const bool long_ = culverts > 100;
    qInfo("%d culverts: dialog shown after %lld ms, %d ticks, longest gap between ticks %lld ms, stopped after %lld ms",
          culverts, watched.shownAfterMs, ticks, longestGapMs, ms);
    QCOMPARE(watched.shownAfterMs >= 0, long_);
    QCOMPARE(done, !long_);
    QCOMPARE(files(), (QStringList{"gully.txt", "out", "printer.ini"}));
    if (!long_) {
        QCOMPARE(ticks, 0);  // short work takes no events
        QVERIFY(pdf ? bytesOf(path("out")).startsWith("%PDF") : bytesOf(path("out")).contains("C3"));
        return;
    }
    QCOMPARE(bytesOf(path("out")), kFormer);
    QVERIFY(watched.shownAfterMs < 1500);
    QVERIFY(ticks >= 5);
    QVERIFY(longestGapMs < 500);
    QVERIFY(watched.dialog.dialog()->labelText().contains(QStringLiteral(" of %1 culverts done").arg(culverts)));
}

QTEST_MAIN(TestPrinterSelector)
#include "tst_printerselector.moc"
