// Run from the main window: the culvert selector, the results board with its labels and steps, and
// the summary window; the refusals that keep a board from opening on numbers that are not the
// run's.

#include <QTemporaryDir>

#include "core/messages.h"
#include "core/text.h"
#include "tests/ui/editorsteps.h"

using namespace sw;
using namespace sw::testing;

namespace {

const std::string kRuler = "0********1*********2*********3*********4*********5*********6";

std::string crlf(std::initializer_list<std::string_view> lines)
{
    std::string out;
    for (std::string_view line : lines)
        out.append(line).append("\r\n");
    return out;
}

std::string intensityBlock(const char* zone, const char* remote, const char* inlet, const char* length,
                           const char* factor, const char* source)
{
    return crlf({"[INTENSITY INFO]", std::string("Vellmora rainfall zone=") + zone,
                 std::string("Elevation of most remost point=") + remote, std::string("Elevation of culvert inlet=") + inlet,
                 std::string("Maxinum lenght of travel=") + length,
                 std::string("Time of concentration correction factor=") + factor,
                 std::string("Source of correction factor=") + source});
}

// C1: 9.38 min, 5.5 in/hr, table surfaces. C2: a typed factor that makes 10 min, 5.3 in/hr, a
// surface of the user's own. C3: the 5-minute floor with factor 0.2, zone B, 2 years: 4.5 in/hr.
std::string gullyLane(const char* c2Factor = " 1.0664 ")
{
    return crlf({"[CORVENNA- STORMWICK]", "[PROJECT INFO]", "Project Name=Gully Lane", "Project No=GL-4",
                 "Control No=0815-02", "Porject Description=Ditch outfalls", "Date=12/01/2003", "Time=10:15:00 AM",
                 "Designer=P. Okafor", "", "[CULVERTS]", kRuler, "Culvert No=C1", "[RUNOFF AREA INFO]",
                 "Station/Description=STA 1+00", "Return Period=10", "Asphaltic,1.0 a,0.81,road",
                 "Grass Areas (> 75%)-Flat 0~2%,3.0 a,0.25,verge"}) +
           intensityBlock("A", "1010 ft", "1000 ft", "1000 ft", " 1 ", "Design Manual") +
           crlf({kRuler, "Culvert No=C2", "[RUNOFF AREA INFO]", "Station/Description=STA 2+00", "Return Period=10",
                 "Gravel yard,2.0 a,0.50,yard"}) +
           intensityBlock("A", "1010 ft", "1000 ft", "1000 ft", c2Factor, "User Defined") +
           crlf({kRuler, "Culvert No=C3", "[RUNOFF AREA INFO]", "Station/Description=STA 3+00", "Return Period=2",
                 "Concrete/Roof,0.5 h,0.75,deck"}) +
           intensityBlock("B", "1000.5 ft", "1000 ft", "100 ft", " .2 ", "Design Manual");
}

// The board's value labels, in the order of the board, and what they show for each culvert.
const char* const kLabels[] = {"lblPjtName", "lblPjtNo",    "lblControlNo", "lblDescrpt",   "lblDateTime",
                               "lblDesinger", "lblCulvertID", "lblCulvertSta", "lblReturnPd", "lblRFZone",
                               "lblRemotePt", "lblCulvertPt", "lblLenTravel", "lblSlope",     "lblTC",
                               "lblCorFactor", "lblCorTC",    "lblIntensity", "lblLotNo",     "lblTotalArea",
                               "lblC",        "lblQ"};
QStringList boardOf(const char* id, const char* station, const char* period, const char* zone, const char* remote,
                    const char* inlet, const char* length, const char* slope, const char* tc, const char* factor,
                    const char* corTc, const char* intensity, const char* count, const char* area, const char* c,
                    const char* q)
{
    QStringList out{"Gully Lane", "GL-4", "0815-02", "Ditch outfalls", "12/01/2003 @ 10:15:00 AM", "P. Okafor", id};
    for (const char* value : {period, zone, remote, inlet, length, slope, tc, factor, corTc, intensity, count, area, c, q})
        out << QString::fromUtf8(value);
    for (QString& text : out)
        text += "    ";
    out.insert(7, QString::fromUtf8(station) + "     ");
    return out;
}
const QStringList kBoardC1 = boardOf("C1", "STA 1+00", "10 year", "A", "1010 ft", "1000 ft", "1000 ft", "0.01 ft/ft",
                                     "09.38 min", "1 (Design Manual)", "9.38 min", "5.5 in/hr (140 mm/hr)", "2", "4",
                                     "0.39", "8.6 cfs (0.2 cms)");
const QStringList kBoardC2 = boardOf("C2", "STA 2+00", "10 year", "A", "1010 ft", "1000 ft", "1000 ft", "0.01 ft/ft",
                                     "09.38 min", "1.0664 (User Defined)", "10 min", "5.3 in/hr (135 mm/hr)", "1",
                                     "2", "0.5", "5.3 cfs (0.1 cms)");
const QStringList kBoardC3 = boardOf("C3", "STA 3+00", "2 year", "B", "1000.5 ft", "1000 ft", "100 ft", "0.005 ft/ft",
                                     "25.00 min", "0.2 (Design Manual)", "5 min", "4.5 in/hr (114 mm/hr)", "1", "1.2",
                                     "0.75", "4.1 cfs (0.1 cms)");

}  // namespace

class TestResults : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { SW_VERIFY_NO_WINDOW_LEFT(*m_h); }

    void runOfOneCulvertShowsItsBoard();
    void runOfAllStepsThroughTheCulverts();
    void oneCulvertRunAsAllStepsPastTheEndAndBack();
    void culvertsThatCannotBeComputedStopTheRun_data();
    void culvertsThatCannotBeComputedStopTheRun();
    void runWithoutACulvertToRunIsRefused();
    void summaryWindowShowsTheTableAndTakesItsFileAlong();
    void summaryIsRefusedWhereItCannotBeMade();
    void boardShowsTheRunAndClosesWhenTheProjectChanges();

private:
    ScriptedMessageBoxes& messages() { return m_h->desktop->messages(); }
    QWidget* window(const char* name) const { return m_h->desktop->windows().find(name); }
    template <typename T = QWidget>
    T* in(const char* window, const char* name) const
    {
        QWidget* w = this->window(window);
        return w ? w->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    }
    bool open(const std::string& bytes)
    {
        const QString path = m_dir->filePath(QStringLiteral("gully.txt"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes.data(), qint64(bytes.size())) != qint64(bytes.size()))
            return false;
        file.close();
        m_h->desktop->fileDialogs().queuePath(path.toStdString());
        m_h->find<QAction>("mnuOpen")->trigger();
        return m_h->window->windowTitle() == path;
    }
    // Run, then OK in the selector with "Culvert ID" (the culvert at `entry`) or "All" (-1).
    bool run(int entry)
    {
        if (!s->click("cmdRunApp") || !window("frmCulvertSelector") || !window("frmCulvertSelector")->isVisible())
            return false;
        auto* option = in<QRadioButton>("frmCulvertSelector", entry < 0 ? "Option2" : "Option1");
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(option->height() / 2, option->height() / 2));
        if (entry >= 0)
            in<QComboBox>("frmCulvertSelector", "cboCulvertNo3")->setCurrentIndex(entry);
        QTest::mouseClick(in<QPushButton>("frmCulvertSelector", "cmdOK"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return true;
    }
    QStringList boardLabels() const
    {
        QStringList out;
        for (const char* name : kLabels)
            out << in<QLabel>("frmDisplayBoard", name)->text();
        return out;
    }
    bool step(const char* button)
    {
        auto* b = in<QPushButton>("frmDisplayBoard", button);
        if (!b || !b->isEnabled() || !b->isVisible())
            return false;
        QTest::mouseClick(b, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return true;
    }
    bool enabled(const char* button) const { return in<QPushButton>("frmDisplayBoard", button)->isEnabled(); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<MainWindowHarness> m_h;
    std::unique_ptr<EditorSteps> s;
};

void TestResults::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    m_h = std::make_unique<MainWindowHarness>();
    m_h->state->SummaryFilePath = m_dir->filePath(QStringLiteral("summary.txt")).toStdString();
    m_h->create();
    s = std::make_unique<EditorSteps>(*m_h);
    QVERIFY(m_dir->isValid() && m_h->showActive());
}

void TestResults::runOfOneCulvertShowsItsBoard()
{
    QVERIFY(open(gullyLane()));
    QVERIFY(s->click("cmdRunApp"));
    // The selector: the main window's culverts in order, the current one chosen, "Culvert ID" set.
    QCOMPARE(entriesOf(in<QComboBox>("frmCulvertSelector", "cboCulvertNo3")), (QStringList{"C1", "C2", "C3"}));
    QCOMPARE(in<QComboBox>("frmCulvertSelector", "cboCulvertNo3")->currentText(), QStringLiteral("C1"));
    QVERIFY(in<QRadioButton>("frmCulvertSelector", "Option1")->isChecked());
    QVERIFY(in<QRadioButton>("frmCulvertSelector", "Option2")->isEnabled());
    // While the selector is up, a click into the project name hands the focus back to it.
    QTest::mouseClick(s->w("txtProjectName"), Qt::LeftButton);
    QTRY_VERIFY(window("frmCulvertSelector")->isActiveWindow());
    // Picking another culvert moves the main window's current culvert along.
    in<QComboBox>("frmCulvertSelector", "cboCulvertNo3")->setCurrentIndex(2);
    QCOMPARE(m_h->state->CurCulvert, 2);
    QCOMPARE(s->text("lblCulvertID"), QStringLiteral("C3"));
    QTest::mouseClick(in<QPushButton>("frmCulvertSelector", "cmdOK"), Qt::LeftButton);

    QVERIFY(window("frmDisplayBoard") && window("frmDisplayBoard")->isVisible());
    QCOMPARE(boardLabels(), kBoardC3);
    QCOMPARE(rowsOf(in<QListWidget>("frmDisplayBoard", "lstArea")), (QStringList{"Concrete/Roof,  0.5 h (1.2 Ac),  0.75,  deck"}));
    QCOMPARE(window("frmDisplayBoard")->windowTitle(), m_h->window->windowTitle());
    QVERIFY(!in<QWidget>("frmDisplayBoard", "Frame5")->isVisible());  // no steps after a run of one culvert
    QVERIFY(in<QAction>("frmDisplayBoard", "mnuPrint")->isEnabled());
    // The selector stays loaded, hidden; the main window shows the culvert the run computed.
    QVERIFY(window("frmCulvertSelector") && !window("frmCulvertSelector")->isVisible());
    QCOMPARE(s->text("lblCulvertID"), QStringLiteral("C3"));
    QCOMPARE(rowsOf(s->w<QListWidget>("lstIntensity")).last(), QStringLiteral("Intensity (in/hr): 4.51 (114 mm/hr) "));

    // The next Run shows the same selector, as it was left.
    QPointer<QWidget> selector = window("frmCulvertSelector");
    QVERIFY(s->click("cmdRunApp"));
    QCOMPARE(window("frmCulvertSelector"), selector.data());
    QCOMPARE(in<QComboBox>("frmCulvertSelector", "cboCulvertNo3")->currentText(), QStringLiteral("C3"));
    // "Close" closes the board; Cancel unloads the selector.
    QTest::mouseClick(in<QPushButton>("frmDisplayBoard", "cmdCancel"), Qt::LeftButton);
    QTest::mouseClick(in<QPushButton>("frmCulvertSelector", "cmdCancel"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window("frmDisplayBoard") && !window("frmCulvertSelector") && !selector);
    QVERIFY(messages().asked().empty());
}

void TestResults::runOfAllStepsThroughTheCulverts()
{
    QVERIFY(open(gullyLane()));
    QVERIFY(run(-1));
    QCOMPARE(boardLabels(), kBoardC1);
    QVERIFY(in<QWidget>("frmDisplayBoard", "Frame5")->isVisible());
    QVERIFY(enabled("lblPrevious") && enabled("lblNext"));
    // "<<" on the first culvert of a fresh board: the message, and the board stays.
    QVERIFY(step("lblPrevious"));
    QCOMPARE(messages().texts(), std::vector<std::string>{"You are at the end of culvert list in this project"});
    QCOMPARE(boardLabels(), kBoardC1);

    QVERIFY(step("lblNext"));
    QCOMPARE(boardLabels(), kBoardC2);
    QCOMPARE(m_h->state->CurCulvert, 1);
    QVERIFY(enabled("lblPrevious") && enabled("lblNext"));
    QVERIFY(step("lblNext"));
    QCOMPARE(boardLabels(), kBoardC3);
    QVERIFY(!enabled("lblNext") && enabled("lblPrevious"));
    QVERIFY(step("lblPrevious"));
    QCOMPARE(boardLabels(), kBoardC2);
    QVERIFY(step("lblPrevious"));
    QCOMPARE(boardLabels(), kBoardC1);
    QCOMPARE(m_h->state->CurCulvert, 0);
    QVERIFY(!enabled("lblPrevious") && enabled("lblNext"));
    QCOMPARE(m_h->desktop->windows().count(), 3);  // main window, hidden selector, one board
}

// A selector loaded for one culvert has "All" off; should a run of all culverts come to one
// culvert, ">>" shows nothing and "<<" brings the culvert back.
void TestResults::oneCulvertRunAsAllStepsPastTheEndAndBack()
{
    std::string one = gullyLane();
    one.erase(one.find(kRuler + "\r\nCulvert No=C2"));
    QVERIFY(open(one));
    QVERIFY(s->click("cmdRunApp"));
    auto* all = in<QRadioButton>("frmCulvertSelector", "Option2");
    QVERIFY(!all->isEnabled());
    all->setChecked(true);
    QTest::mouseClick(in<QPushButton>("frmCulvertSelector", "cmdOK"), Qt::LeftButton);
    QCOMPARE(boardLabels(), kBoardC1);
    QVERIFY(step("lblNext"));
    QCOMPARE(boardLabels(), kBoardC1);  // nothing beyond the last culvert
    QCOMPARE(m_h->state->BoardCulvert, 1);
    QVERIFY(step("lblNext"));  // and no further than one past it
    QVERIFY(step("lblPrevious"));
    QCOMPARE(boardLabels(), kBoardC1);
    QVERIFY(!enabled("lblPrevious"));
    QCOMPARE(m_h->state->BoardCulvert, 0);
    QVERIFY(messages().asked().empty());
}

void TestResults::culvertsThatCannotBeComputedStopTheRun_data()
{
    QTest::addColumn<QByteArray>("project");
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("pickSaysItToo");
    const std::string c2 = "Please enter all information for Culvert ID: \" C2 \"  before running\r";
    QTest::newRow("all, the second lacks its factor")
        << QByteArray::fromStdString(gullyLane(" 0 ")) << -1 << QString::fromStdString(c2 + std::string(msg::kMissingFactor)) << false;
    std::string flat = gullyLane();
    flat.replace(flat.find("remost point=1010 ft", flat.find("C2")), 20, "remost point=1000 ft");
    QTest::newRow("one, no slope") << QByteArray::fromStdString(flat) << 1
                                   << QString::fromStdString(c2 + std::string(msg::kSlopeNotPositive)) << true;
    std::string oneYear = gullyLane();
    oneYear.replace(oneYear.find("Return Period=10", oneYear.find("C2")), 16, "Return Period=1");
    QTest::newRow("all, a return period of 1 year")
        << QByteArray::fromStdString(oneYear) << -1 << QString::fromStdString(c2 + std::string(msg::kReturnPeriodTooShort)) << false;
    std::string beyond = gullyLane(" 1000 ");
    QTest::newRow("one, a time beyond the tables")
        << QByteArray::fromStdString(beyond) << 1
        << QString::fromStdString(c2 + fillMessage(msg::kTcBeyondTable, {"9377.66"})) << true;
}

void TestResults::culvertsThatCannotBeComputedStopTheRun()
{
    QFETCH(QByteArray, project);
    QFETCH(int, entry);
    QFETCH(QString, message);
    QFETCH(bool, pickSaysItToo);
    QVERIFY(open(project.toStdString()));
    messages().clearRecord();
    QVERIFY(run(entry));
    // A culvert picked in the selector is chosen as in the main window, whose load says what it
    // cannot compute; the run's message follows.
    std::vector<std::string> expected{message.toStdString()};
    if (pickSaysItToo)
        expected.insert(expected.begin(), message.toStdString().substr(message.toStdString().find('\r') + 1));
    QCOMPARE(messages().texts(), expected);
    QVERIFY(!window("frmDisplayBoard"));
    QVERIFY(window("frmCulvertSelector")->isVisible());  // to choose again
}

void TestResults::runWithoutACulvertToRunIsRefused()
{
    // No culvert at all: the message, and no selector.
    QVERIFY(s->click("cmdRunApp"));
    QCOMPARE(messages().texts(), std::vector<std::string>{std::string(msg::kRunNoCulvert)});
    QVERIFY(!window("frmCulvertSelector"));
    QCOMPARE(m_h->window->focusWidget(), s->w("txtProjectName"));

    // No culvert current (the current one was deleted): none is chosen, OK with "Culvert ID"
    // refuses.
    QVERIFY(open(gullyLane()));
    messages().queueYesNo(YesNo::Yes);
    QVERIFY2(s->showPage(kIntensityPage) && s->pick("cboCulvertNo2", 0) && s->click("cmdDelCulvertNo2"), s->why());
    QCOMPARE(m_h->state->CurCulvert, kNoCulvert);
    messages().clearRecord();
    QVERIFY(s->click("cmdRunApp"));
    QCOMPARE(in<QComboBox>("frmCulvertSelector", "cboCulvertNo3")->currentIndex(), -1);
    QTest::mouseClick(in<QPushButton>("frmCulvertSelector", "cmdOK"), Qt::LeftButton);
    QCOMPARE(messages().texts(), std::vector<std::string>{std::string(msg::kRunNoCulvertChosen)});
    QVERIFY(!window("frmDisplayBoard"));
}

void TestResults::summaryWindowShowsTheTableAndTakesItsFileAlong()
{
    QVERIFY(open(gullyLane()));
    QVERIFY(run(-1));
    QTest::mouseClick(in<QPushButton>("frmDisplayBoard", "cmdViewSummary"), Qt::LeftButton);
    QVERIFY(window("frmSummary") && window("frmSummary")->isVisible());
    const QString file = QString::fromStdString(m_h->state->SummaryFilePath);
    QVERIFY(QFile::exists(file));
    QCOMPARE(in<QPlainTextEdit>("frmSummary", "txtSummary")->toPlainText(),
             QStringLiteral("Return  Weighted C     i       A           Q  \n"
                            "Period                                        \n"
                            "(year)              (in/hr)  (acre)      (cfs)\n"
                            "----------------------------------------------\n"
                            "    2        0.34     3.4       4.0       4.6\n"
                            "    5        0.37     4.6       4.0       6.8\n"
                            "*  10        0.39     5.5       4.0       8.6\n"
                            "   25        0.43     6.5       4.0      11.2\n"
                            "   50        0.47     7.3       4.0      13.7\n"
                            "  100        0.51     8.1       4.0      16.5\n"
                            "  500        0.62     9.8       4.0      24.3\n"));
    const QFontInfo font(in<QPlainTextEdit>("frmSummary", "txtSummary")->font());
    QVERIFY2(font.fixedPitch(), qPrintable(font.family()));
    QCOMPARE(window("frmSummary")->windowTitle(), m_h->window->windowTitle());

    // The menu asks the same, for the culvert on the board now.
    QVERIFY(step("lblNext"));
    QVERIFY(step("lblNext"));
    in<QAction>("frmDisplayBoard", "mnuSummary")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(in<QPlainTextEdit>("frmSummary", "txtSummary")->toPlainText().contains(
        QStringLiteral("*   2        0.75     4.5       1.2       4.1")));

    QTest::mouseClick(in<QPushButton>("frmSummary", "cmdClose"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window("frmSummary"));
    QVERIFY(!QFile::exists(file));
    QVERIFY(messages().asked().empty());
}

void TestResults::summaryIsRefusedWhereItCannotBeMade()
{
    QVERIFY(open(gullyLane()));
    QVERIFY(run(1));  // C2: a surface of the user's own
    QTest::mouseClick(in<QPushButton>("frmDisplayBoard", "cmdViewSummary"), Qt::LeftButton);
    QCOMPARE(messages().texts(), std::vector<std::string>{std::string(msg::kSummaryUserDefinedSurface)});
    QVERIFY(!window("frmSummary"));

    // A summary file that cannot be written: its message, and no window.
    messages().clearRecord();
    QVERIFY(run(0));
    m_h->state->SummaryFilePath = m_dir->filePath(QStringLiteral("no such folder/summary.txt")).toStdString();
    QTest::mouseClick(in<QPushButton>("frmDisplayBoard", "cmdViewSummary"), Qt::LeftButton);
    QCOMPARE(messages().asked().size(), std::size_t(1));
    QVERIFY2(messages().asked()[0].text.find("no such folder") != std::string::npos, messages().asked()[0].text.c_str());
    QVERIFY(!window("frmSummary"));
}

void TestResults::boardShowsTheRunAndClosesWhenTheProjectChanges()
{
    QVERIFY(open(gullyLane()));
    QVERIFY(run(-1));
    QTest::mouseClick(in<QPushButton>("frmDisplayBoard", "cmdViewSummary"), Qt::LeftButton);
    QVERIFY(window("frmSummary") && m_h->showActive());
    // C2 recomputed with a factor of 2 after the run: the board still shows what the run computed.
    QVERIFY(s->typeCulvertId(QStringLiteral("C2")));
    QVERIFY2(s->click("optUser") && s->replaceText("txtCorFactor", QStringLiteral("2")), s->why());
    QVERIFY(s->pressIntensity());
    QCOMPARE(m_h->state->CulvertList[1].CorTC, 18.76);
    QVERIFY(step("lblNext"));
    QCOMPARE(boardLabels(), kBoardC2);

    // Deleting a culvert closes the board, the summary and the selector: they showed a project that
    // is no longer there.
    QVERIFY(m_h->showActive());
    messages().clearRecord();
    messages().queueYesNo(YesNo::Yes);
    QVERIFY2(s->showPage(kIntensityPage) && s->pick("cboCulvertNo2", 1) && s->click("cmdDelCulvertNo2"), s->why());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window("frmDisplayBoard") && !window("frmSummary") && !window("frmCulvertSelector"));
    QVERIFY(!QFile::exists(QString::fromStdString(m_h->state->SummaryFilePath)));

    // Opening another project does the same (straight away: as if nothing had been touched).
    QVERIFY(run(-1));
    QVERIFY(window("frmDisplayBoard"));
    m_h->state->IsPristine = true;
    QVERIFY(open(gullyLane()));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window("frmDisplayBoard") && !window("frmCulvertSelector"));

    // And so does New, with the window they ran from.
    QVERIFY(run(-1));
    messages().queueYesNo(YesNo::No);
    m_h->find<QAction>("mnuNew")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window("frmDisplayBoard") && !window("frmCulvertSelector") && window("frmMain"));
}

QTEST_MAIN(TestResults)
#include "tst_results.moc"
