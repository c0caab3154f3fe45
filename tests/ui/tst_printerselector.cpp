// The printer selector, opened from the results board after a run of all culverts: the printer
// list of the settings file, the printer, text file and PDF routes for one culvert or all, and the
// refusals that keep a report from going out wrong or half.

#include <sys/resource.h>
#include <unistd.h>

#include <numeric>

#include <QRegularExpression>

#include "core/messages.h"
#include "core/text.h"
#include "platform/qtdesktop.h"
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

private:
    ScriptedPrinters& printers() { return m_h->desktop->printers(); }
    QWidget* selector() const { return window("frmPrinterSelector"); }
    template <typename T = QWidget>
    T* sel(const QString& name) const { return in<T>("frmPrinterSelector", qPrintable(name)); }
    QStringList files() const { return QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot); }
    void click(const QString& name)
    {
        QWidget* w = sel(name);
        QTest::mouseClick(w, Qt::LeftButton, {}, qobject_cast<QRadioButton*>(w) ? QPoint(6, w->height() / 2) : QPoint());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
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
    // The continuation page of C4 ends with the summary; its first page does not.
    auto holds = [](const RecordedDocument& doc, const char* text) {
        return std::any_of(doc.events.begin(), doc.events.end(), [&](const PageEvent& e) { return e.text == text; });
    };
    QCOMPARE(holds(*printers().documents().back(), "Summary"), true);
    QCOMPARE(holds(*printers().documents().front(), "Summary"), jobs.first() != "C4");
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

QTEST_MAIN(TestPrinterSelector)
#include "tst_printerselector.moc"
