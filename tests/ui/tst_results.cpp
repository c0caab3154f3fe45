// Run from the main window: the culvert selector, the results board with its labels and steps, the
// summary window with its chart, the calculation sheet and the CSV export; the refusals that keep a
// board from opening on numbers that are not the run's. The Compare window: the chosen file read as
// File > Open reads it and compared, as the old project, with the open one as it is now.

#include <unistd.h>

#include <random>

#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QValueAxis>

#include "engine/tables.h"
#include "ui/results/allculvertsmodel.h"
#include "ui/results/comparetablemodel.h"
#include "ui/results/frmcompare.h"

#include "core/messages.h"
#include "core/numbers.h"
#include "core/text.h"
#include "project/projectwriter.h"
#include "report/comparefile.h"
#include "tests/engine/comparefixture.h"
#include "tests/ui/resultsteps.h"

using namespace sw;
using namespace sw::testing;

namespace {

// C1: 9.38 min, 5.5 in/hr, table surfaces. C2: a typed factor that makes 10 min, 5.3 in/hr, a
// surface of the user's own. C3: the 5-minute floor with factor 0.2, zone B, 2 years: 4.5 in/hr.
std::string gullyLane(const char* c2Factor = " 1.0664 ")
{
    return projectHead("Gully Lane", "GL-4", "0815-02", "Ditch outfalls", "12/01/2003", "10:15:00 AM", "P. Okafor") +
           culvertLines("C1", "STA 1+00", "10",
                        {"Asphaltic,1.0 a,0.81,road", "Grass Areas (> 75%)-Flat 0~2%,3.0 a,0.25,verge"}) +
           intensityBlock() + culvertLines("C2", "STA 2+00", "10", {"Gravel yard,2.0 a,0.50,yard"}) +
           intensityBlock("A", "1010 ft", "1000 ft", "1000 ft", c2Factor, "User Defined") +
           culvertLines("C3", "STA 3+00", "2", {"Concrete/Roof,0.5 h,0.75,deck"}) +
           intensityBlock("B", "1000.5 ft", "1000 ft", "100 ft", " .2 ");
}

// Gully Lane and two more: C10, steep, of a return period the tables do not hold and a large area
// (so each check speaks, and its Q is the largest), and C4 without a correction factor.
std::string gullyLaneAndMore()
{
    return gullyLane() + culvertLines("C10", "Sta 10+00", "15", {"Meadow,12000.0 a,0.30,hillside"}) +
           intensityBlock("A", "1600 ft", "1000 ft", "1000 ft") +
           culvertLines("C4", "STA 4+00", "10", {"Asphaltic,1.0 a,0.81,road"}) +
           intensityBlock("A", "1010 ft", "1000 ft", "1000 ft", " 0 ");
}
// The table's rows of that project, cells split at '|', in the run's order.
const QStringList kTableRows = {
    "C1|STA 1+00|10|A|4|0.39|9.38|5.5|8.6|0.2||",
    "C2|STA 2+00|10|A|2|0.5|10|5.3|5.3|0.1||",
    "C3|STA 3+00|2|B|1.2|0.75|5|4.5|4.1|0.1|Tc set by the 5-minute floor (formula 0.42 min)|",
    "C10|Sta 10+00|15|A|12000|0.3|5|7.3|26280|743.7|Slope 0.6 ft/ft above 0.5; Tc set by the 5-minute floor "
    "(formula 1.94 min); Return period 15 years not tabulated; Area 12000 acres above 10,000|",
    "C4|STA 4+00|10|A||||||||" + QString::fromUtf8(msg::kMissingFactor.data(), qsizetype(msg::kMissingFactor.size())),
};

// The board's value labels, in the order of the board, and what they show for each culvert.
const char* const kLabels[] = {"lblPjtName", "lblPjtNo",    "lblControlNo", "lblDescrpt",   "lblDateTime",
                               "lblDesinger", "lblCulvertID", "lblCulvertSta", "lblReturnPd", "lblRFZone",
                               "lblRemotePt", "lblCulvertPt", "lblLenTravel", "lblSlope",     "lblTC",
                               "lblCorFactor", "lblCorTC",    "lblIntensity", "lblLotNo",     "lblTotalArea",
                               "lblC",        "lblQ"};
// The culvert's values from its ID on, split at '|', after those of the project.
QStringList boardOf(const char* culvert)
{
    QStringList out{"Gully Lane", "GL-4", "0815-02", "Ditch outfalls", "12/01/2003 @ 10:15:00 AM", "P. Okafor"};
    out << QString::fromUtf8(culvert).split(QLatin1Char('|'));
    for (QString& text : out)
        text += "    ";
    out[7] += ' ';  // the station
    return out;
}
const QStringList kBoardC1 = boardOf("C1|STA 1+00|10 year|A|1010 ft|1000 ft|1000 ft|0.01 ft/ft|09.38 min|"
                                     "1 (Design Manual)|9.38 min|5.5 in/hr (140 mm/hr)|2|4|0.39|8.6 cfs (0.2 cms)");
const QStringList kBoardC2 = boardOf("C2|STA 2+00|10 year|A|1010 ft|1000 ft|1000 ft|0.01 ft/ft|09.38 min|"
                                     "1.0664 (User Defined)|10 min|5.3 in/hr (135 mm/hr)|1|2|0.5|5.3 cfs (0.1 cms)");
const QStringList kBoardC3 = boardOf("C3|STA 3+00|2 year|B|1000.5 ft|1000 ft|100 ft|0.005 ft/ft|25.00 min|"
                                     "0.2 (Design Manual)|5 min|4.5 in/hr (114 mm/hr)|1|1.2|0.75|4.1 cfs (0.1 cms)");

// A project of `count` culverts drawn at random, all computable: table and own surfaces in every
// area unit, feet and metres, the three zones, table and other return periods, manual and typed
// factors.
std::string randomProject(std::mt19937& random, int count)
{
    auto pick = [&random](auto low, auto high) {
        if constexpr (std::is_integral_v<decltype(low)>)
            return std::uniform_int_distribution<decltype(low)>(low, high)(random);
        else
            return std::uniform_real_distribution<decltype(low)>(low, high)(random);
    };
    auto text = [](double value, int decimals) { return QString::number(value, 'f', decimals).toStdString(); };
    const std::vector<std::string> surfaces = surfaceNames();
    const char* const periods[] = {"2", "5", "10", "25", "50", "100", "500", "3", "15", "10.5", "200"};
    const char* const factors[] = {" 1 ", " 2 ", " .4 ", " .2 ", " 1.5 "};
    const char* const areaUnits[] = {"a", "h", "f", "m"};
    const double areaScale[] = {1, 0.4, 43560, 4047};
    std::string out = projectHead("Random", "R-1", "1", "Drawn at random", "12/07/2026", "09:00:00 AM", "Test");
    for (int n = 1; n <= count; ++n) {
        out += culvertLines("R" + std::to_string(n), "STA " + std::to_string(n) + "+00", periods[pick(0, 10)]);
        for (int a = pick(1, 5); a > 0; --a) {
            const int unit = pick(0, 3);
            const std::string surface = pick(0, 4) == 0 ? "Own surface " + std::to_string(a)
                                                        : surfaces[std::size_t(pick(0, int(surfaces.size()) - 1))];
            out += crlf({surface + "," + text(pick(0.05, 40.0) * areaScale[unit], 2) + " " + areaUnits[unit] + "," +
                         text(pick(0.10, 0.95), 2) + ",part " + std::to_string(a)});
        }
        const bool metres = pick(0, 1) == 1;
        const double length = pick(100.0, 3000.0) / (metres ? 3.2808 : 1);
        const double inlet = pick(0.0, 2000.0);
        const double remote = inlet + pick(0.005, 0.1) * length;
        const char* unit = metres ? " m" : " ft";
        const bool typed = pick(0, 3) == 0;
        out += intensityBlock(std::array{"A", "B", "C"}[std::size_t(pick(0, 2))], text(remote, 2) + unit,
                              text(inlet, 2) + unit, text(length, 1) + unit,
                              typed ? " " + text(pick(0.2, 2.0), 2) + " " : factors[pick(0, 4)],
                              typed ? "User Defined" : "Design Manual");
    }
    return out;
}

// "8.6 cfs (0.2 cms)" from the sheet's last two lines, "Q = ... rounded to 0.1: 8.6 cfs" and "... 0.2 cms".
QString sheetDischarge(const QString& sheet)
{
    const QStringList lines = sheet.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (lines.size() < 2)
        return QStringLiteral("<no sheet>");
    auto rounded = [](const QString& line) { return line.mid(line.lastIndexOf(QStringLiteral(": ")) + 2); };
    return rounded(lines[lines.size() - 2]) + " (" + rounded(lines.last()) + ")";
}

QList<QPointF> pointsOf(QChart* chart, const QString& name)
{
    for (QAbstractSeries* series : chart->series())
        if (series->name() == name)
            return static_cast<QXYSeries*>(series)->points();
    return {};
}

}  // namespace

class TestResults : public ResultsTest {
    Q_OBJECT

private slots:
    void runOfOneCulvertItsCsvAndTheKeysOfTheResultWindows();
    void runOfAllStepsThroughSheetsAndSummariesUntilTheProjectChanges();
    void oneCulvertRunAsAllStepsPastTheEndAndBack();
    void culvertsThatCannotBeComputedStopTheRun_data();
    void culvertsThatCannotBeComputedStopTheRun();
    void runWithoutACulvertToRunIsRefused();
    void allCulvertsAfterARunOfOneSortsFiltersAndCopies();
    void resultWindowsKeepEveryValueWhole();
    void boardTableAndSheetAgreeForRandomProjects();
    void compareShowsTheComparisonsCellsAndSortsNumbers();
    void compareRefusesFilesAsOpenRefuses_data();
    void compareRefusesFilesAsOpenRefuses();

private:
    QStringList boardLabels() const
    {
        QStringList out;
        for (const char* name : kLabels)
            out << in<QLabel>("frmDisplayBoard", name)->text();
        return out;
    }
    bool enabled(const char* button) const { return in<QPushButton>("frmDisplayBoard", button)->isEnabled(); }
    QString shownText(const char* window, const char* box) const { return in<QPlainTextEdit>(window, box)->toPlainText(); }
    QChart* summaryChart() const { return in<QChartView>("frmSummary", "chtSummary")->chart(); }
    void exportCsv(const QString& path)
    {
        m_h->desktop->fileDialogs().queuePath(path.toStdString());
        trigger("frmDisplayBoard", "mnuExportCsv");
    }

    // The All Culverts window, opened from the board's menu bar.
    QTableView* table() const { return in<QTableView>("frmAllCulverts", "tblCulverts"); }
    bool openTable()
    {
        if (!window("frmDisplayBoard"))
            return false;
        trigger("frmDisplayBoard", "mnuAllCulverts");
        return table() != nullptr && window("frmAllCulverts")->isVisible();
    }
    // The rows a table (All Culverts' unless given) shows, in its order, cells joined by '|'; or the
    // cells of one column.
    QStringList tableRows(int column = -1, const QTableView* view = nullptr) const
    {
        QStringList out;
        const QAbstractItemModel* model = (view ? view : table())->model();
        for (int row = 0; row < model->rowCount(); ++row) {
            QStringList cells;
            for (int c = 0; c < model->columnCount(); ++c)
                cells << model->index(row, c).data().toString();
            out << (column < 0 ? cells.join(QLatin1Char('|')) : cells[column]);
        }
        return out;
    }
    void clickHeader(int column)
    {
        QHeaderView* header = table()->horizontalHeader();
        table()->scrollTo(table()->model()->index(0, column));
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                                 header->height() / 2));
    }
    // A row taken to the board by a double-click on it, or by Enter on it.
    void chooseRow(int row, bool enter)
    {
        const QModelIndex index = table()->model()->index(row, 0);
        table()->scrollTo(index);
        if (enter) {
            table()->setFocus();
            table()->setCurrentIndex(index);
            QTest::keyClick(table(), Qt::Key_Return);
        } else {
            // A double-click as the window system delivers it: a click, then the double-click.
            const QPoint at = table()->visualRect(index).center();
            QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(table()->viewport(), Qt::LeftButton, {}, at);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // What the board shows of the table's columns (the intensity without its mm/hr), and what a row
    // of the table says it shows.
    QStringList boardValues() const
    {
        QStringList out;
        for (const char* name : {"lblCulvertID", "lblCulvertSta", "lblReturnPd", "lblRFZone", "lblTotalArea", "lblC",
                                 "lblCorTC", "lblIntensity", "lblQ"})
            out << in<QLabel>("frmDisplayBoard", name)->text();
        out[7] = out[7].section(QStringLiteral(" ("), 0, 0);
        return out;
    }
    static QStringList asOnTheBoard(const QString& row)
    {
        const QStringList c = row.split(QLatin1Char('|'));
        QStringList out{c[0], c[1] + ' ', c[2] + " year", c[3], c[4], c[5], c[6] + " min", {}, c[8] + " cfs (" + c[9] + " cms)"};
        for (QString& text : out)
            text += "    ";
        out[7] = c[7] + " in/hr";
        return out;
    }
};

void TestResults::runOfOneCulvertItsCsvAndTheKeysOfTheResultWindows()
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
    QCOMPARE(m_h->session->CurCulvert(), 2);
    QCOMPARE(s->text("lblCulvertID"), QStringLiteral("C3"));
    press("frmCulvertSelector", "cmdOK");
    QVERIFY(window("frmDisplayBoard") && window("frmDisplayBoard")->isVisible());
    QCOMPARE(boardLabels(), kBoardC3);
    QCOMPARE(rowsOf(in<QListView>("frmDisplayBoard", "lstArea")), (QStringList{"Concrete/Roof,  0.5 h (1.2 Ac),  0.75,  deck"}));
    QCOMPARE(window("frmDisplayBoard")->windowTitle(), m_h->window->windowTitle());
    QVERIFY(!in<QWidget>("frmDisplayBoard", "Frame5")->isVisible());  // no steps after a run of one culvert
    QVERIFY(in<QAction>("frmDisplayBoard", "mnuPrint")->isEnabled());
    // The selector stays loaded, hidden; the main window shows the culvert the run computed.
    QVERIFY(window("frmCulvertSelector") && !window("frmCulvertSelector")->isVisible());
    QCOMPARE(s->text("lblCulvertID"), QStringLiteral("C3"));
    QCOMPARE(rowsOf(s->w<QListWidget>("lstIntensity")).last(), QStringLiteral("Intensity (in/hr): 4.51 (114 mm/hr) "));
    QVERIFY(messages().asked().empty());

    // "Export CSV..." writes every culvert, whichever the run showed.
    const QString csv = path("results.csv");
    exportCsv(csv);
    QCOMPARE(m_h->desktop->fileDialogs().asked().back(), FileDialogMode::SaveCsv);
    const QList<QByteArray> rows = bytesOf(csv).split('\n');
    QCOMPARE(rows.size(), 5);  // header, three culverts, nothing after the last line break
    QVERIFY(rows[0].startsWith("\xEF\xBB\xBF" "Culvert ID,Station/Description,"));
    QCOMPARE(rows[1], QByteArray("C1,STA 1+00,10,A,4,0.39,0.01,9.38,1,Design Manual,9.38,5.5,8.6,0.2,"
                                 "4.6,6.8,8.6,11.2,13.7,16.5,24.3,\r"));
    QVERIFY2(rows[2].startsWith("C2,STA 2+00,10,A,2,0.5,0.01,9.38,1.0664,User Defined,10,5.3,5.3,0.1,,"), rows[2]);
    QVERIFY2(rows[3].startsWith("C3,STA 3+00,2,B,1.2,0.75,0.005,25,0.2,Design Manual,5,4.5,4.1,0.1,4.1,"), rows[3]);

    // Over an existing file: asked first; No leaves it as it was.
    QVERIFY(QFile::resize(csv, 10));
    messages().queueYesNo(YesNo::No);
    exportCsv(csv);
    QCOMPARE(messages().texts(), std::vector<std::string>{std::string(msg::kOverwriteOnSave)});
    QCOMPARE(QFileInfo(csv).size(), 10);
    // Cancel in the dialog writes nothing.
    exportCsv({});
    QCOMPARE(QFileInfo(csv).size(), 10);
    QCOMPARE(messages().asked().size(), std::size_t(1));

    // The open project's own file (here by a hard link; the other ways of naming it are checked where
    // files are compared) is refused before the overwrite question, the project as it was. A folder
    // that holds a file: after the question, the writer's message naming it, the folder's file kept.
    const QString project = path("gully.txt"), hard = path("hard.txt");
    const QByteArray projectBytes = bytesOf(project);
    QVERIFY(::link(QFile::encodeName(project).constData(), QFile::encodeName(hard).constData()) == 0);
    messages().clearRecord();
    exportCsv(hard);
    QCOMPARE(messages().texts(), std::vector<std::string>{fillMessage(msg::kOutputIsProject, {hard.toStdString()})});
    QCOMPARE(bytesOf(project), projectBytes);
    const QString folder = path("taken.csv");
    QVERIFY(QDir().mkdir(folder) && writeBytes(folder + "/kept.txt", "kept"));
    messages().clearRecord();
    messages().queueYesNo(YesNo::Yes);
    exportCsv(folder);
    const std::vector<std::string> said = messages().texts();
    QCOMPARE(said.size(), std::size_t(2));
    QVERIFY2(qs(said[1]).contains(folder), said[1].c_str());
    QCOMPARE(bytesOf(folder + "/kept.txt"), QByteArray("kept"));
    QVERIFY(window("frmDisplayBoard"));  // the board stays, for another try
    messages().clearRecord();

    // The next Run shows the same selector, as it was left.
    QPointer<QWidget> selector = window("frmCulvertSelector");
    QVERIFY(s->click("cmdRunApp"));
    QCOMPARE(window("frmCulvertSelector"), selector.data());
    QCOMPARE(in<QComboBox>("frmCulvertSelector", "cboCulvertNo3")->currentText(), QStringLiteral("C3"));
    // "Close" closes the board; Cancel unloads the selector.
    press("frmDisplayBoard", "cmdCancel");
    press("frmCulvertSelector", "cmdCancel");
    QVERIFY(!window("frmDisplayBoard") && !window("frmCulvertSelector") && !selector);

    auto selectorUp = [this] {
        return s->click("cmdRunApp") && window("frmCulvertSelector") &&
               QTest::qWaitForWindowActive(window("frmCulvertSelector"));
    };
    auto key = [](QWidget* control, Qt::Key pressed) {
        control->setFocus();
        QTest::keyClick(control, pressed);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    // In the selector Enter presses OK, or the button that has the focus; Esc is Cancel.
    QVERIFY(selectorUp());
    in<QComboBox>("frmCulvertSelector", "cboCulvertNo3")->setCurrentIndex(1);
    key(in<QComboBox>("frmCulvertSelector", "cboCulvertNo3"), Qt::Key_Return);
    QCOMPARE(boardLabels(), kBoardC2);
    QVERIFY(!window("frmCulvertSelector")->isVisible());
    QVERIFY(selectorUp());
    key(in<QRadioButton>("frmCulvertSelector", "Option2"), Qt::Key_Space);
    key(in<QRadioButton>("frmCulvertSelector", "Option2"), Qt::Key_Enter);
    QCOMPARE(boardLabels(), kBoardC1);
    QVERIFY(in<QWidget>("frmDisplayBoard", "Frame5")->isVisible());
    QVERIFY(selectorUp());
    key(in<QPushButton>("frmCulvertSelector", "cmdCancel"), Qt::Key_Return);
    QVERIFY(!window("frmCulvertSelector"));
    QVERIFY(selectorUp());
    key(in<QComboBox>("frmCulvertSelector", "cboCulvertNo3"), Qt::Key_Escape);
    QVERIFY(!window("frmCulvertSelector"));

    // Esc closes the summary, the sheet and the table, wherever the focus is in them.
    trigger("frmDisplayBoard", "mnuSummary");
    trigger("frmDisplayBoard", "mnuCalculation");
    QVERIFY(openTable());
    const std::pair<const char*, const char*> focused[] = {
        {"frmSummary", "txtSummary"}, {"frmCalculation", "txtCalculation"}, {"frmAllCulverts", "tblCulverts"},
        {"frmAllCulverts", "txtFilter"}};
    for (const auto& [name, control] : focused) {
        if (!window(name))
            QVERIFY(openTable());
        window(name)->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window(name)));
        key(in<QWidget>(name, control), Qt::Key_Escape);
        QVERIFY2(!window(name), control);
    }
    QVERIFY(window("frmDisplayBoard"));

    // The board's menu bar: each letter once in the bar and once in each menu; "&All Culverts" and
    // "&Export CSV..." use letters that no other item of the whole bar uses.
    auto* bar = window("frmDisplayBoard")->findChild<QMenuBar*>();
    QStringList texts;
    QList<QList<QAction*>> levels{bar->actions()};
    for (QAction* item : bar->actions())
        if (item->menu())
            levels << item->menu()->actions();
    QMultiHash<QKeySequence, QString> letters;
    for (const QList<QAction*>& level : levels) {
        QSet<QKeySequence> inLevel;
        for (QAction* item : level) {
            const QKeySequence letter = QKeySequence::mnemonic(item->text());
            QVERIFY2(!letter.isEmpty() && !inLevel.contains(letter), qPrintable(item->text()));
            inLevel.insert(letter);
            letters.insert(letter, item->text());
            texts << item->text();
        }
    }
    QCOMPARE(texts, (QStringList{"&File", "&Summary", "&All Culverts", "&Calculation", "&Print", "&Export CSV...", "&Close"}));
    for (const char* item : {"&All Culverts", "&Export CSV..."})
        QCOMPARE(letters.values(QKeySequence::mnemonic(QString::fromLatin1(item))), QStringList{item});
}

void TestResults::runOfAllStepsThroughSheetsAndSummariesUntilTheProjectChanges()
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
    // Each step: the board, its first sub-area row, the main window's current culvert, and whether
    // "<<" and ">>" are enabled; filled afresh in the one window, which stays where it was put.
    QPointer<QWidget> board = window("frmDisplayBoard");
    board->move(board->pos() + QPoint(40, 30));
    const QPoint placed = board->pos();
    const std::tuple<const char*, const QStringList*, const char*, int, bool, bool> steps[] = {
        {"lblNext", &kBoardC2, "Gravel yard,  2 a,  0.50,  yard", 1, true, true},
        {"lblNext", &kBoardC3, "Concrete/Roof,  0.5 h (1.2 Ac),  0.75,  deck", 2, true, false},
        {"lblPrevious", &kBoardC2, "Gravel yard,  2 a,  0.50,  yard", 1, true, true},
        {"lblPrevious", &kBoardC1, "Asphaltic,  1 a,  0.81,  road", 0, false, true}};
    for (const auto& [button, labels, firstRow, current, previous, next] : steps) {
        QVERIFY(step(button));
        QCOMPARE(boardLabels(), *labels);
        QCOMPARE(rowsOf(in<QListView>("frmDisplayBoard", "lstArea")).value(0), QString::fromUtf8(firstRow));
        QCOMPARE(m_h->session->CurCulvert(), current);
        QCOMPARE(enabled("lblPrevious"), previous);
        QCOMPARE(enabled("lblNext"), next);
        QCOMPARE(window("frmDisplayBoard"), board.data());
        QCOMPARE(board->pos(), placed);
    }
    QCOMPARE(m_h->desktop->windows().count(), 3);  // main window, hidden selector, one board

    // The calculation sheet of the culvert on the board.
    press("frmDisplayBoard", "cmdViewCalculation");
    QVERIFY(window("frmCalculation") && window("frmCalculation")->isVisible());
    QCOMPARE(window("frmCalculation")->windowTitle(), QStringLiteral("Calculation"));
    QVERIFY(in<QPlainTextEdit>("frmCalculation", "txtCalculation")->isReadOnly());
    QString sheet = shownText("frmCalculation", "txtCalculation");
    QVERIFY2(sheet.startsWith(QStringLiteral("Calculation sheet of culvert C1, STA 1+00\n")), qPrintable(sheet));
    for (const char* step : {"Sum of C x A = 1.56; sum of A = 4 acres", "Weighted C = 1.56 / 4 = 0.39, rounded to 0.01: 0.39",
                             "Tc = 0.0078 x L^0.77 x S^-0.385 x F = 0.0078 x 1000^0.77 x 0.01^-0.385 x 1 = 9.37766 min",
                             "Q = i x C x A = 5.5 x 0.39 x 4 = 8.58 cfs, rounded to 0.1: 8.6 cfs"})
        QVERIFY2(sheet.contains(QString::fromUtf8(step)), step);
    QCOMPARE(sheetDischarge(sheet) + "    ", in<QLabel>("frmDisplayBoard", "lblQ")->text());
    // The menu shows the sheet of the culvert on the board now, in the one window.
    QVERIFY(step("lblNext"));
    QPointer<QWidget> first = window("frmCalculation");
    trigger("frmDisplayBoard", "mnuCalculation");
    QVERIFY(!first);
    QCOMPARE(m_h->desktop->windows().count(), 4);  // and the sheet
    sheet = shownText("frmCalculation", "txtCalculation");
    QVERIFY2(sheet.contains(QStringLiteral("Correction factor F = 1.0664 (User Defined)")), qPrintable(sheet));
    QVERIFY2(sheet.contains(QStringLiteral("Gravel yard, C = 0.5 (typed by the user)")), qPrintable(sheet));
    QCOMPARE(sheetDischarge(sheet), QStringLiteral("5.3 cfs (0.1 cms)"));

    // The summary of C1: its table and its chart.
    QVERIFY(step("lblPrevious"));
    messages().clearRecord();
    press("frmDisplayBoard", "cmdViewSummary");
    QVERIFY(window("frmSummary") && window("frmSummary")->isVisible());
    const QString file = QString::fromStdString(m_h->windowState->SummaryFilePath);
    QVERIFY(QFile::exists(file));
    QCOMPARE(shownText("frmSummary", "txtSummary"), QStringLiteral("Return  Weighted C     i       A           Q  \n"
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

    // The chart: the table's rows, Q as the text shows it, i to the 0.01 in/hr the rows hold.
    auto* view = in<QChartView>("frmSummary", "chtSummary");
    QVERIFY(view && view->isVisible() && view->chart());
    QChart* chart = view->chart();
    const QList<QPointF> q{{2, 4.6}, {5, 6.8}, {10, 8.6}, {25, 11.2}, {50, 13.7}, {100, 16.5}, {500, 24.3}};
    const QList<QPointF> i{{2, 3.36}, {5, 4.62}, {10, 5.45}, {25, 6.5}, {50, 7.28}, {100, 8.05}, {500, 9.84}};
    QCOMPARE(pointsOf(chart, QStringLiteral("Q (cfs)")), q);
    QCOMPARE(pointsOf(chart, QStringLiteral("i (in/hr)")), i);
    QCOMPARE(pointsOf(chart, QStringLiteral("Design period")), (QList<QPointF>{{10, 8.6}}));
    // Periods on a logarithmic axis that holds all seven; each series on its own value axis.
    const QList<QAbstractAxis*> bottom = chart->axes(Qt::Horizontal);
    QCOMPARE(bottom.size(), 1);
    auto* periods = qobject_cast<QLogValueAxis*>(bottom.first());
    QVERIFY(periods && periods->min() < 2 && periods->max() > 500);
    for (QAbstractSeries* series : chart->series()) {
        QCOMPARE(series->attachedAxes().size(), 2);
        auto* values = qobject_cast<QValueAxis*>(series->attachedAxes().last());
        QVERIFY(values);
        for (const QPointF& point : static_cast<QXYSeries*>(series)->points())
            QVERIFY2(point.y() >= values->min() && point.y() <= values->max(), qPrintable(series->name()));
    }

    // The menu asks the same, for the culvert on the board now: C3, its design period of 2 years marked.
    QVERIFY(step("lblNext"));
    QVERIFY(step("lblNext"));
    trigger("frmDisplayBoard", "mnuSummary");
    QVERIFY(shownText("frmSummary", "txtSummary").contains(QStringLiteral("*   2        0.75     4.5       1.2       4.1")));
    QCOMPARE(pointsOf(summaryChart(), QStringLiteral("Design period")), (QList<QPointF>{{2, 4.1}}));
    QCOMPARE(pointsOf(summaryChart(), QStringLiteral("Q (cfs)")).first(), QPointF(2, 4.1));
    // The button on an open summary too, back on C1.
    QVERIFY(step("lblPrevious"));
    QVERIFY(step("lblPrevious"));
    press("frmDisplayBoard", "cmdViewSummary");
    QCOMPARE(pointsOf(summaryChart(), QStringLiteral("Design period")), (QList<QPointF>{{10, 8.6}}));

    press("frmSummary", "cmdClose");
    QVERIFY(!window("frmSummary"));
    QVERIFY(!QFile::exists(file));
    QVERIFY(messages().asked().empty());

    // Refused for C2, a surface of the user's own: the message, and no window.
    QVERIFY(step("lblNext"));
    press("frmDisplayBoard", "cmdViewSummary");
    QCOMPARE(messages().texts(), std::vector<std::string>{std::string(msg::kSummaryUserDefinedSurface)});
    QVERIFY(!window("frmSummary"));
    // A summary file that cannot be written: its message, and no window.
    messages().clearRecord();
    QVERIFY(step("lblPrevious"));
    m_h->windowState->SummaryFilePath = path("no such folder/summary.txt").toStdString();
    press("frmDisplayBoard", "cmdViewSummary");
    QCOMPARE(messages().asked().size(), std::size_t(1));
    QVERIFY2(messages().asked()[0].text.find("no such folder") != std::string::npos, messages().asked()[0].text.c_str());
    QVERIFY(!window("frmSummary"));

    // C2 recomputed with a factor of 2 after the run: the board still shows what the run computed.
    m_h->windowState->SummaryFilePath = path("summary.txt").toStdString();
    press("frmDisplayBoard", "cmdViewSummary");
    press("frmDisplayBoard", "cmdViewCalculation");
    QVERIFY(openTable() && window("frmSummary") && window("frmCalculation") && m_h->showActive());
    QVERIFY(s->typeCulvertId(QStringLiteral("C2")));
    QVERIFY2(s->click("optUser") && s->replaceText("txtCorFactor", QStringLiteral("2")), s->why());
    QVERIFY(s->pressIntensity());
    QCOMPARE(m_h->document().CulvertList[1].CorTC, 18.76);
    QVERIFY(step("lblNext"));
    QCOMPARE(boardLabels(), kBoardC2);

    // Deleting a culvert closes the board, the summary, the sheet, the table and the selector: they
    // showed a project that is no longer there.
    QVERIFY(m_h->showActive());
    messages().clearRecord();
    messages().queueYesNo(YesNo::Yes);
    QVERIFY2(s->showPage(kIntensityPage) && s->pick("cboCulvertNo2", 1) && s->click("cmdDelCulvertNo2"), s->why());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!window("frmDisplayBoard") && !window("frmSummary") && !window("frmCalculation") &&
            !window("frmAllCulverts") && !window("frmCulvertSelector"));
    QVERIFY(!QFile::exists(QString::fromStdString(m_h->windowState->SummaryFilePath)));

    // Opening another project does the same (straight away: as if nothing had been touched).
    QVERIFY(run(-1));
    QVERIFY(window("frmDisplayBoard"));
    m_h->session->IsPristine = true;
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
    press("frmCulvertSelector", "cmdOK");
    QCOMPARE(boardLabels(), kBoardC1);
    QVERIFY(step("lblNext"));
    QCOMPARE(boardLabels(), kBoardC1);  // nothing beyond the last culvert
    QCOMPARE(m_h->windowState->BoardCulvert, 1);
    QVERIFY(step("lblNext"));  // and no further than one past it
    QVERIFY(step("lblPrevious"));
    QCOMPARE(boardLabels(), kBoardC1);
    QVERIFY(!enabled("lblPrevious"));
    QCOMPARE(m_h->windowState->BoardCulvert, 0);
    QVERIFY(messages().asked().empty());
}

void TestResults::culvertsThatCannotBeComputedStopTheRun_data()
{
    QTest::addColumn<std::string>("project");
    QTest::addColumn<int>("entry");
    QTest::addColumn<std::string>("why");  // what C2 lacks
    const auto inC2 = [](std::string_view from, std::string_view to) {
        std::string text = gullyLane();
        return text.replace(text.find(from, text.find("C2")), from.size(), to);
    };
    QTest::newRow("all, the second lacks its factor") << gullyLane(" 0 ") << -1 << std::string(msg::kMissingFactor);
    QTest::newRow("one, no slope") << inC2("remost point=1010 ft", "remost point=1000 ft") << 1
                                   << std::string(msg::kSlopeNotPositive);
    QTest::newRow("all, a return period of 1 year") << inC2("Return Period=10", "Return Period=1") << -1
                                                    << std::string(msg::kReturnPeriodTooShort);
    QTest::newRow("one, a time beyond the tables") << gullyLane(" 1000 ") << 1
                                                   << fillMessage(msg::kTcBeyondTable, {"9377.66"});
}

void TestResults::culvertsThatCannotBeComputedStopTheRun()
{
    QFETCH(std::string, project);
    QFETCH(int, entry);
    QFETCH(std::string, why);
    QVERIFY(open(project));
    messages().clearRecord();
    QVERIFY(run(entry));
    // A culvert picked in the selector is chosen as in the main window, whose load says what it
    // cannot compute; the run's message follows.
    std::vector<std::string> expected{"Please enter all information for Culvert ID: \" C2 \"  before running\r" + why};
    if (entry >= 0)
        expected.insert(expected.begin(), why);
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
    QCOMPARE(m_h->session->CurCulvert(), kNoCulvert);
    messages().clearRecord();
    QVERIFY(s->click("cmdRunApp"));
    QCOMPARE(in<QComboBox>("frmCulvertSelector", "cboCulvertNo3")->currentIndex(), -1);
    press("frmCulvertSelector", "cmdOK");
    QCOMPARE(messages().texts(), std::vector<std::string>{std::string(msg::kRunNoCulvertChosen)});
    QVERIFY(!window("frmDisplayBoard"));
}

void TestResults::allCulvertsAfterARunOfOneSortsFiltersAndCopies()
{
    QVERIFY(open(gullyLaneAndMore()));
    QVERIFY(run(0));
    QPointer<QWidget> runBoard = window("frmDisplayBoard");
    const CulvertList before = m_h->document().CulvertList;
    QVERIFY(openTable());
    QCOMPARE(window("frmAllCulverts")->windowTitle(), QStringLiteral("All Culverts"));
    // The run computed C1 alone; the window computes them all, and leaves the board and the
    // project as they were.
    QCOMPARE(tableRows(), kTableRows);
    QCOMPARE(in<QLabel>("frmAllCulverts", "lblStatus")->text(),
             QStringLiteral("5 culverts, 1 cannot be computed, largest Q 26280 cfs (C10)"));
    QCOMPARE(window("frmDisplayBoard"), runBoard.data());
    QCOMPARE(boardLabels(), kBoardC1);
    QVERIFY(m_h->document().CulvertList == before);

    // Each culvert chosen goes to the board with the table's texts, the main window following;
    // one that cannot be computed is refused as a run refuses it, and the board stays.
    for (int row = 0; row < 4; ++row) {
        chooseRow(row, row % 2 == 1);
        QCOMPARE(boardValues(), asOnTheBoard(kTableRows[row]));
        QCOMPARE(m_h->session->CurCulvert(), row);
        QCOMPARE(s->text("lblCulvertID"), kTableRows[row].section(QLatin1Char('|'), 0, 0));
        if (row == 2)
            QCOMPARE(boardLabels(), kBoardC3);
    }
    QVERIFY(!in<QWidget>("frmDisplayBoard", "Frame5")->isVisible());  // still the board of a run of one
    chooseRow(4, false);
    QCOMPARE(messages().texts(),
             std::vector<std::string>{"Please enter all information for Culvert ID: \" C4 \"  before running\r" +
                                      std::string(msg::kMissingFactor)});
    QCOMPARE(in<QLabel>("frmDisplayBoard", "lblCulvertID")->text(), QStringLiteral("C10    "));

    // "Export CSV..." of the table writes the board's CSV.
    const QString fromBoard = path("board.csv"), fromTable = path("table.csv");
    exportCsv(fromBoard);
    m_h->desktop->fileDialogs().queuePath(fromTable.toStdString());
    press("frmAllCulverts", "cmdExportCsv");
    QCOMPARE(bytesOf(fromTable), bytesOf(fromBoard));
    QVERIFY(bytesOf(fromTable).contains("\r\nC4,STA 4+00,10,A,,"));

    // A click on a column's head sorts by it, a second one the other way: numbers as numbers, the
    // empty cells of a culvert that cannot be computed last either way, IDs with their numbers in order.
    using M = AllCulvertsModel;
    const std::pair<int, QStringList> sorts[] = {
        {M::QCfs, {"C3", "C2", "C1", "C10", "C4"}},      {M::QCfs, {"C10", "C1", "C2", "C3", "C4"}},
        {M::TotalArea, {"C3", "C2", "C1", "C10", "C4"}}, {M::WeightedC, {"C10", "C1", "C2", "C3", "C4"}},
        {M::Id, {"C1", "C2", "C3", "C4", "C10"}},        {M::Id, {"C10", "C4", "C3", "C2", "C1"}},
        {M::Id, {"C1", "C2", "C3", "C4", "C10"}},
    };
    for (const auto& [column, ids] : sorts) {
        clickHeader(column);
        QCOMPARE(tableRows(0), ids);
    }
    // The filter: ID or station contains the text, in any letter case; the check box keeps the
    // culverts that cannot be computed. The status line counts what is shown.
    auto* filter = in<QLineEdit>("frmAllCulverts", "txtFilter");
    auto* only = in<QCheckBox>("frmAllCulverts", "chkNotComputed");
    QCOMPARE(only->text(), QStringLiteral("Only culverts that cannot be computed"));
    const std::tuple<const char*, bool, QStringList, const char*> filters[] = {
        {"sta 1", false, {"C1", "C10"}, "5 culverts (2 shown)"},
        {"c1", false, {"C1", "C10"}, "5 culverts (2 shown)"},
        {"+00", false, {"C1", "C2", "C3", "C4", "C10"}, "5 culverts"},
        {"", true, {"C4"}, "5 culverts (1 shown)"},
        {"c1", true, {}, "5 culverts (0 shown)"},
        {"", false, {"C1", "C2", "C3", "C4", "C10"}, "5 culverts"},
    };
    for (const auto& [contains, notComputed, ids, counted] : filters) {
        filter->clear();
        QTest::keyClicks(filter, QString::fromLatin1(contains));
        if (only->isChecked() != notComputed)
            QTest::mouseClick(only, Qt::LeftButton, {}, QPoint(only->height() / 2, only->height() / 2));
        QCOMPARE(tableRows(0), ids);
        QCOMPARE(in<QLabel>("frmAllCulverts", "lblStatus")->text(),
                 QString::fromLatin1(counted) + ", 1 cannot be computed, largest Q 26280 cfs (C10)");
    }

    // Ctrl+C: the header and the selected rows in the order shown, tab-separated.
    QGuiApplication::clipboard()->clear();
    const QModelIndex c1 = table()->model()->index(0, 0);
    const QModelIndex c3 = table()->model()->index(2, 0);
    QTest::mouseClick(table()->viewport(), Qt::LeftButton, {}, table()->visualRect(c3).center());
    QTest::mouseClick(table()->viewport(), Qt::LeftButton, Qt::ControlModifier, table()->visualRect(c1).center());
    QTest::keyClick(table(), Qt::Key_C, Qt::ControlModifier);
    QStringList expected{"Culvert ID|Station/Description|Return Period|Zone|Total Area (acres)|Weighted C|Tc (min)|"
                         "i (in/hr)|Q (cfs)|Q (cms)|Checks|Not Computed Because",
                         kTableRows[0], kTableRows[2]};
    QCOMPARE(QGuiApplication::clipboard()->text(), expected.join(QLatin1Char('\n')).replace(QLatin1Char('|'), QLatin1Char('\t')) + '\n');

    // A new run refreshes the open table.
    QVERIFY(s->typeCulvertId(QStringLiteral("C1")) && s->pressIntensity());
    QVERIFY2(s->showPage(kDrainagePage) && s->replaceText("txtCulvertDescrpt", QStringLiteral("STA 1+50")), s->why());
    QVERIFY(run(0));
    QCOMPARE(tableRows().first(), QString(kTableRows.first()).replace(QStringLiteral("STA 1+00"), QStringLiteral("STA 1+50")));
}

// Made as small as a person can drag them, the results windows still show every label, value and
// button whole; the window system is told that minimum. A display that makes the board smaller
// still (no window manager holds it to its minimum) gives it scroll bars that reach every value.
void TestResults::resultWindowsKeepEveryValueWhole()
{
    QVERIFY(open(gullyLaneAndMore()));
    QVERIFY(run(0));
    trigger("frmDisplayBoard", "mnuSummary");
    trigger("frmDisplayBoard", "mnuCalculation");
    QVERIFY(openTable() && s->click("cmdRunApp"));
    const auto controls = [](QWidget* w) {
        QList<QWidget*> out;
        for (QWidget* control : w->findChildren<QWidget*>()) {
            const bool shows = qobject_cast<QLabel*>(control) || qobject_cast<QAbstractButton*>(control) ||
                               qobject_cast<QLineEdit*>(control) || qobject_cast<QComboBox*>(control) ||
                               qobject_cast<QAbstractItemView*>(control) || qobject_cast<QPlainTextEdit*>(control);
            if (shows && control->isVisibleTo(w) && !control->parentWidget()->inherits("QAbstractScrollArea") &&
                !qobject_cast<QAbstractScrollArea*>(control->parentWidget()->parentWidget()))
                out << control;
        }
        return out;
    };
    // Whole: at least as large as it needs, and what it shows (a label's text, at its left) not cut
    // by any widget it lies in.
    const auto whole = [](QWidget* control, QWidget* w) {
        const QSize needs = control->minimumSizeHint();
        if (control->width() < needs.width() || control->height() < needs.height())
            return false;
        QRect r(QPoint(0, 0), control->size());
        if (qobject_cast<QLabel*>(control))
            r = QRect(QPoint(0, (control->height() - needs.height()) / 2), needs);
        for (QWidget* c = control; c != w; c = c->parentWidget()) {
            r.translate(c->pos());
            if (!c->parentWidget()->rect().contains(r))
                return false;
        }
        return true;
    };
    for (const char* name : {"frmDisplayBoard", "frmSummary", "frmCalculation", "frmAllCulverts", "frmCulvertSelector"}) {
        QWidget* w = window(name);
        QVERIFY2(w && w->isVisible(), name);
        QCoreApplication::processEvents();
        w->resize(60, 40);
        QCoreApplication::processEvents();
        QCOMPARE(w->windowHandle()->minimumSize(), w->size());
        const QList<QWidget*> shown = controls(w);
        QVERIFY2(shown.size() >= 2, name);
        for (QWidget* control : shown)
            QVERIFY2(whole(control, w), qPrintable(QString::fromLatin1(name) + ' ' + control->objectName()));
    }

    QWidget* board = window("frmDisplayBoard");
    board->windowHandle()->resize(300, 200);
    QTRY_COMPARE(board->size(), QSize(300, 200));
    auto* scroll = in<QScrollArea>("frmDisplayBoard", "scrContents");
    QVERIFY(scroll);
    for (const char* label : kLabels) {
        QWidget* value = in<QWidget>("frmDisplayBoard", label);
        // What the value needs, brought into view: a label stretched wider than the view would be
        // centred by ensureWidgetVisible, its text at the left out of sight on wide fonts.
        const QSize needs = value->minimumSizeHint();
        const QPoint middle = value->mapTo(scroll->widget(), QPoint(needs.width() / 2, value->height() / 2));
        scroll->ensureVisible(middle.x(), middle.y(), needs.width() - needs.width() / 2,
                              needs.height() - needs.height() / 2);
        QCoreApplication::processEvents();
        QVERIFY2(whole(value, board), label);
    }
    QVERIFY(!whole(in<QWidget>("frmDisplayBoard", "lblPjtName"), board));  // scrolled away from it
}

// After a run of all culverts, for projects drawn at random, stepping through them: the table's row
// of each culvert holds what the board shows for it, its calculation sheet ends on the board's
// discharge, and the status line names the largest Q.
void TestResults::boardTableAndSheetAgreeForRandomProjects()
{
    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    const int count = 25;
    QVERIFY(open(randomProject(random, count)));
    QVERIFY2(run(-1) && openTable(), qPrintable(QStringLiteral("seed %1: ").arg(seed) +
                                               qs(messages().texts().empty() ? "" : messages().texts()[0])));
    const QStringList rows = tableRows();
    QCOMPARE(rows.size(), count);
    double largest = -1;
    QString largestId;
    for (int n = 0; n < count; ++n) {
        if (n > 0)
            QVERIFY(step("lblNext"));
        press("frmDisplayBoard", "cmdViewCalculation");
        const QString sheet = shownText("frmCalculation", "txtCalculation");
        const QString why = QStringLiteral("seed %1, row %2: %3\n%4").arg(seed).arg(n).arg(rows[n], sheet.right(600));
        QVERIFY2(boardValues() == asOnTheBoard(rows[n]), qPrintable(why));
        QVERIFY2(sheet.startsWith(QStringLiteral("Calculation sheet of culvert R%1,").arg(n + 1)), qPrintable(why));
        QVERIFY2(sheetDischarge(sheet) + "    " == in<QLabel>("frmDisplayBoard", "lblQ")->text(), qPrintable(why));
        const double q = rows[n].section(QLatin1Char('|'), 8, 8).toDouble();
        if (q > largest) {
            largest = q;
            largestId = rows[n].section(QLatin1Char('|'), 0, 0);
        }
    }
    QCOMPARE(in<QLabel>("frmAllCulverts", "lblStatus")->text(),
             QStringLiteral("%1 culverts, 0 cannot be computed, largest Q %2 cfs (%3)")
                 .arg(count).arg(QString::fromStdString(plainNumber(largest)), largestId));
    // Chosen from the table, the board shows the same as stepping did.
    chooseRow(count / 2, true);
    QCOMPARE(boardValues(), asOnTheBoard(rows[count / 2]));
    QCOMPARE(m_h->windowState->BoardCulvert, count / 2);
    QCOMPARE(messages().texts(), std::vector<std::string>{});
}

// The open project with a change not yet saved, compared with the file chosen as Open asks for it.
void TestResults::compareShowsTheComparisonsCellsAndSortsNumbers()
{
    const std::string old = path("submittal.txt").toStdString();
    QVERIFY(writeBytes(path("submittal.txt"), buildProjectFile(compareOld()).Bytes));
    Document open = compareNew();
    open.CulvertList[0].RFZone = "C";
    const Document before = open;
    dialogs().queuePath("");  // Cancel in the dialog compares nothing
    QVERIFY(!compareWith(*m_h->desktop, open, "Untitled"));
    dialogs().queuePath(old);
    QPointer<FrmCompare> compare = compareWith(*m_h->desktop, open, "Untitled");
    QVERIFY(compare && compare->isVisible());
    QCOMPARE(dialogs().asked(), (std::vector<FileDialogMode>{FileDialogMode::Open, FileDialogMode::Open}));
    QCOMPARE(messages().asked().size(), std::size_t(0));
    QCOMPARE(window("frmCompare"), static_cast<QWidget*>(compare.data()));
    QCOMPARE(compare->objectName(), QStringLiteral("frmCompare"));
    QCOMPARE(compare->windowTitle(), QStringLiteral("Compare"));
    QCOMPARE(in<QLabel>("frmCompare", "lblOldProject")->text(), qs(old));
    QCOMPARE(in<QLabel>("frmCompare", "lblNewProject")->text(), QStringLiteral("Untitled"));
    QVERIFY(sameDocument(open, before));

    // Every cell is the comparison's own, row by row in the old project's order.
    auto* view = in<QTableView>("frmCompare", "tblCompare");
    QVERIFY(view && view->model() == compare->model());
    const std::vector<ComparisonRow> rows = compareProjects(compareOld(), open);
    const std::vector<std::string> titles = comparisonColumnTitles();
    QCOMPARE(view->model()->rowCount(), int(rows.size()));
    QCOMPARE(view->model()->columnCount(), int(titles.size()));
    for (int c = 0; c < int(titles.size()); ++c)
        QCOMPARE(view->model()->headerData(c, Qt::Horizontal), QVariant(qs(titles[c])));
    // The changed inputs and the notes an item a line, where the CSV file joins them by "; ".
    const int changes = int(comparisonChangesColumn()), notes = int(comparisonNoteColumn());
    for (int r = 0; r < int(rows.size()); ++r) {
        const std::vector<ComparisonCell> cells = comparisonCells(rows[r], msg::kComparePercentNone);
        for (int c = 0; c < int(cells.size()); ++c) {
            const QString shown = view->model()->index(r, c).data().toString();
            QCOMPARE(c == changes || c == notes ? QString(shown).replace('\n', QStringLiteral("; ")) : shown,
                     qs(cells[c].Text));
        }
    }
    QCOMPARE(tableRows(changes, view)[0], QStringLiteral("Rainfall zone A -> C"));  // the unsaved change
    QCOMPARE(tableRows(changes, view)[6].count('\n'), 2);  // AREAS: removed, changed, added
    // Shown right after the difference, before the return periods.
    QCOMPARE(view->horizontalHeader()->visualIndex(changes), 5);
    QCOMPARE(view->horizontalHeader()->visualIndex(notes), 6);

    // Difference (cfs), largest first, the empty cells of culverts without a difference last; the
    // order is not the one of the texts.
    QVERIFY(view->isSortingEnabled());
    QCOMPARE(view->horizontalHeader()->sortIndicatorSection(), -1);
    const auto numbers = [&](int c) {
        std::vector<double> values;
        for (const QString& text : tableRows(c, view))
            if (!text.isEmpty() && text != QStringLiteral("n/a"))
                values.push_back(text.toDouble());
        return values;
    };
    view->sortByColumn(3, Qt::DescendingOrder);
    const QStringList differences = tableRows(3, view);
    const std::vector<double> down = numbers(3);
    QVERIFY(down.size() > 5 && std::is_sorted(down.rbegin(), down.rend()));
    QCOMPARE(differences.indexOf(QString()), int(down.size()));
    QVERIFY(differences.last().isEmpty());
    QStringList asTexts = differences.mid(0, int(down.size()));
    std::sort(asTexts.begin(), asTexts.end(), std::greater<>());
    QVERIFY2(asTexts != differences.mid(0, int(down.size())), qPrintable(differences.join(' ')));
    // Ascending: the same numbers the other way round, the empty cells still last.
    view->sortByColumn(3, Qt::AscendingOrder);
    const std::vector<double> up = numbers(3);
    QVERIFY(std::equal(up.begin(), up.end(), down.rbegin(), down.rend()));
    QVERIFY(tableRows(3, view).last().isEmpty());
    // The percentage: numbers, then "n/a" (an old Q of 0), then the empty cells.
    view->sortByColumn(4, Qt::AscendingOrder);
    const std::vector<double> percents = numbers(4);
    QCOMPARE(tableRows(4, view).indexOf(QStringLiteral("n/a")), int(percents.size()));
    QVERIFY(std::is_sorted(percents.begin(), percents.end()));

    press("frmCompare", "cmdClose");
    QVERIFY(!compare);
}

void TestResults::compareRefusesFilesAsOpenRefuses_data()
{
    QTest::addColumn<QByteArray>("bytes");  // empty: no file at all
    QTest::addColumn<QString>("message");
    QTest::newRow("not a project file") << QByteArray("[CORVENNA- STORMWICK]\r\nnotes\r\n")
                                        << QString::fromUtf8(msg::kFormatInvalid.data());
    QTest::newRow("no such file") << QByteArray() << QStringLiteral("submittal.txt");
    QTest::newRow("read only in part")
        << QByteArray::fromStdString(buildProjectFile(compareOld()).Bytes +
                                     culvertLines("BAD", "", "10", {"Asphaltic,1 a,zero,x"}))
        << QString::fromUtf8(msg::kComparePartialLoad.data());
}

// A file Open would refuse brings its messages and no window.
void TestResults::compareRefusesFilesAsOpenRefuses()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    QVERIFY(bytes.isEmpty() || writeBytes(path("submittal.txt"), bytes.toStdString()));
    const Document open = compareNew();
    QVERIFY(!compareWithFile(*m_h->desktop, open, "Untitled", path("submittal.txt").toStdString()));
    QCOMPARE(messages().asked().size(), std::size_t(1));
    QVERIFY2(qs(messages().asked()[0].text).contains(message), messages().asked()[0].text.c_str());
    QVERIFY(!window("frmCompare"));
    QVERIFY(sameDocument(open, compareNew()));
}

QTEST_MAIN(TestResults)
#include "tst_results.moc"
