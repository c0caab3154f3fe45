// Long work culvert by culvert from the results windows: the progress of every culvert told, Cancel
// at any culvert leaving the former file byte for byte (and nothing beside it), the printer stopped
// before the next job, the All Culverts table not opened; and the real dialog, which shows only for
// long work, keeps the windows' events flowing and takes a Cancel.

#include <numeric>

#include <QElapsedTimer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

#include "core/messages.h"
#include "core/text.h"
#include "engine/discharge.h"
#include "platform/pdfpages.h"
#include "platform/progressdialog.h"
#include "report/csvfile.h"
#include "report/printreport.h"
#include "report/reportfile.h"
#include "project/projectreader.h"
#include "tests/ui/resultsteps.h"

using namespace sw;
using namespace sw::testing;

namespace {

constexpr int kCulverts = 4;
const QByteArray kFormer("the former file\r\n\x01\xff", 19);

std::string project()
{
    std::string out = projectHead("Gully Lane", "GL-4", "0815", "Outfalls", "12/01/2003", "10:15:00 AM", "P. Okafor");
    for (int i = 1; i <= kCulverts; ++i) {
        const std::string id = "C" + std::to_string(i);
        out += culvertLines(id, "STA " + id, "10", {"Asphaltic,1.0 a,0.81,lot"}) + intensityBlock();
    }
    return out;
}

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

class TestProgress : public ResultsTest {
    Q_OBJECT

private slots:
    void cancelLeavesTheFormerFile_data();
    void cancelLeavesTheFormerFile();
    void printerStopsBeforeTheNextCulvert_data();
    void printerStopsBeforeTheNextCulvert();
    void runAndAllCulvertsCancelledShowNothing();
    void realDialogShowsForLongWorkOnlyAndTakesCancel_data();
    void realDialogShowsForLongWorkOnlyAndTakesCancel();

private:
    QStringList files() const { return QDir(m_dir->path()).entryList(QDir::Files | QDir::NoDotAndDotDot); }
    void click(const char* window, const char* name)
    {
        QTest::mouseClick(in(window, name), Qt::LeftButton, {}, QPoint(4, in(window, name)->height() / 2));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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

void TestProgress::cancelLeavesTheFormerFile_data()
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
void TestProgress::cancelLeavesTheFormerFile()
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
        in<QAction>("frmDisplayBoard", "mnuPrint")->trigger();
        click("frmPrinterSelector", "optPrintAll");
        click("frmPrinterSelector", qPrintable(route));
        QTest::keyClicks(in("frmPrinterSelector", route == "opt2Pdf" ? "txtPdfLocation" : "txtFileLocation"), out);
        click("frmPrinterSelector", "cmdOK");
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

void TestProgress::printerStopsBeforeTheNextCulvert_data()
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
void TestProgress::printerStopsBeforeTheNextCulvert()
{
    QFETCH(int, cancelAt);
    QFETCH(QString, message);
    QVERIFY(openAndRunAll());
    in<QAction>("frmDisplayBoard", "mnuPrint")->trigger();
    click("frmPrinterSelector", "optPrintAll");
    m_h->desktop->cancelAtStep(std::size_t(cancelAt));
    messages().queueOkCancel(OkCancel::Ok);
    click("frmPrinterSelector", "cmdOK");
    std::vector<std::string> said{"Report will be sent to Office Printer"};
    if (!message.isEmpty())
        said.push_back(message.toStdString());
    QCOMPARE(messages().texts(), said);
    QCOMPARE(int(m_h->desktop->printers().documents().size()), cancelAt);
    std::vector<ProgressStep> steps = pass(fillMessage(msg::kProgressPrinting, {"Office Printer"}));
    steps.resize(std::size_t(cancelAt) + 1);
    QCOMPARE(m_h->desktop->progressSteps(), steps);
    QCOMPARE(window("frmPrinterSelector") != nullptr, !message.isEmpty());
}

// Cancel in the run of all culverts: no board. Cancel while the table is computed: it does not
// open; after another run an open table that was not computed again closes rather than show the
// culverts of the earlier run.
void TestProgress::runAndAllCulvertsCancelledShowNothing()
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

void TestProgress::realDialogShowsForLongWorkOnlyAndTakesCancel_data()
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
void TestProgress::realDialogShowsForLongWorkOnlyAndTakesCancel()
{
    QFETCH(bool, pdf);
    QFETCH(int, culverts);
    // The project's culverts computed, then copied under new IDs up to the number wanted.
    Document doc;
    QVERIFY(writeBytes(path("big.txt"), project()) && readProjectFile(doc, path("big.txt").toStdString()).loaded());
    QVERIFY(QFile::remove(path("big.txt")));
    for (int i = 0; i < kCulverts; ++i)
        QVERIFY(CalCulvert(doc, i).computed());
    const std::vector<CulvertRecord> computed(doc.CulvertList.begin(), doc.CulvertList.begin() + kCulverts);
    doc.CulvertList.clear();
    for (int i = 0; i < culverts; ++i) {
        doc.CulvertList.push_back(computed[std::size_t(i % kCulverts)]);
        doc.CulvertList.back().CulvertNo = "C" + std::to_string(i + 1);
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
    QCOMPARE(files(), (QStringList{"out", "printer.ini"}));
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

QTEST_MAIN(TestProgress)
#include "tst_progress.moc"
