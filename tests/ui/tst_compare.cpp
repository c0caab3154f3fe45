// The Compare window: the chosen file read as File > Open reads it and compared, as the old
// project, with the open one as it is now; the table's cells are the comparison's, numbers sort as
// numbers, and a file Open would refuse brings its messages and no window.

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest/QtTest>

#include "core/messages.h"
#include "project/projectwriter.h"
#include "report/comparefile.h"
#include "tests/engine/comparefixture.h"
#include "tests/platform/scripteddesktop.h"
#include "tests/ui/projecttexts.h"
#include "ui/results/comparetablemodel.h"
#include "ui/results/frmcompare.h"

using namespace sw;
using namespace sw::testing;

class TestCompare : public QObject {
    Q_OBJECT

private slots:
    void init() { m_desktop = std::make_unique<ScriptedDesktop>(); }
    void cleanup();
    void theChosenFileIsOldAndTheOpenProjectNew();
    void numbersSortAsNumbers();
    void refusedFilesBringTheirMessagesAndNoWindow_data();
    void refusedFilesBringTheirMessagesAndNoWindow();
    void theFileIsAskedForAsOpenAsks();

private:
    // The old project written into the temporary folder, its path.
    std::string writeOld(const std::string& extra = {})
    {
        const std::string path = m_dir.filePath(QStringLiteral("submittal.txt")).toStdString();
        const ProjectFileBytes built = buildProjectFile(compareOld());
        writeBytes(QString::fromStdString(path), built.Bytes + extra);
        return path;
    }
    QString cell(int row, int column) const { return m_table->model()->index(row, column).data().toString(); }
    QStringList column(int c) const
    {
        QStringList out;
        for (int r = 0; r < m_table->model()->rowCount(); ++r)
            out << cell(r, c);
        return out;
    }

    std::unique_ptr<ScriptedDesktop> m_desktop;
    QTemporaryDir m_dir;
    QPointer<FrmCompare> m_window;
    QPointer<QTableView> m_table;
};

void TestCompare::cleanup()
{
    delete m_window.data();
    QCOMPARE(m_desktop->windows().count(), 0);
    QVERIFY(m_desktop->unexpected().empty());
}

void TestCompare::theChosenFileIsOldAndTheOpenProjectNew()
{
    const std::string path = writeOld();
    // The open project with a change not yet saved: the comparison sees it.
    Document open = compareNew();
    open.CulvertList[0].RFZone = "C";
    const Document before = open;
    m_window = compareWithFile(*m_desktop, open, "Untitled", path);
    QVERIFY(m_window && m_window->isVisible());
    QCOMPARE(m_desktop->messages().asked().size(), std::size_t(0));
    QCOMPARE(m_desktop->windows().find("frmCompare"), static_cast<QWidget*>(m_window.data()));
    QCOMPARE(m_window->objectName(), QStringLiteral("frmCompare"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Compare"));
    QCOMPARE(m_window->findChild<QLabel*>("lblOldProject")->text(), QString::fromStdString(path));
    QCOMPARE(m_window->findChild<QLabel*>("lblNewProject")->text(), QStringLiteral("Untitled"));
    QVERIFY(sameDocument(open, before));

    // Every cell is the comparison's own, row by row in the old project's order.
    m_table = m_window->findChild<QTableView*>("tblCompare");
    QVERIFY(m_table && m_table->model() == m_window->model());
    const std::vector<ComparisonRow> rows = compareProjects(compareOld(), open);
    const std::vector<std::string> titles = comparisonColumnTitles();
    QCOMPARE(m_table->model()->rowCount(), int(rows.size()));
    QCOMPARE(m_table->model()->columnCount(), int(titles.size()));
    for (int c = 0; c < int(titles.size()); ++c)
        QCOMPARE(m_table->model()->headerData(c, Qt::Horizontal), QVariant(QString::fromStdString(titles[c])));
    // The changed inputs and the notes an item a line, where the CSV file joins them by "; ".
    for (int r = 0; r < int(rows.size()); ++r) {
        const std::vector<ComparisonCell> cells = comparisonCells(rows[r], msg::kComparePercentNone);
        for (int c = 0; c < int(cells.size()); ++c) {
            const bool listed = c == int(comparisonChangesColumn()) || c == int(comparisonNoteColumn());
            QCOMPARE(listed ? cell(r, c).replace('\n', QStringLiteral("; ")) : cell(r, c),
                     QString::fromStdString(cells[c].Text));
        }
    }
    QCOMPARE(cell(0, int(comparisonChangesColumn())), QStringLiteral("Rainfall zone A -> C"));  // the unsaved change
    QCOMPARE(cell(6, int(comparisonChangesColumn())).count('\n'), 2);  // AREAS: removed, changed, added
    // Shown right after the difference, before the return periods.
    QCOMPARE(m_table->horizontalHeader()->visualIndex(int(comparisonChangesColumn())), 5);
    QCOMPARE(m_table->horizontalHeader()->visualIndex(int(comparisonNoteColumn())), 6);

    QTest::mouseClick(m_window->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!m_window);
}

void TestCompare::numbersSortAsNumbers()
{
    m_window = compareWithFile(*m_desktop, compareNew(), "new.txt", writeOld());
    QVERIFY(m_window);
    m_table = m_window->findChild<QTableView*>("tblCompare");
    QVERIFY(m_table->isSortingEnabled());
    QCOMPARE(m_table->horizontalHeader()->sortIndicatorSection(), -1);
    // Difference (cfs), largest first, the empty cells of culverts without a difference last; the
    // order is not the one of the texts.
    const auto numbers = [this](int c) {
        std::vector<double> values;
        for (const QString& text : column(c))
            if (!text.isEmpty() && text != QStringLiteral("n/a"))
                values.push_back(text.toDouble());
        return values;
    };
    m_table->sortByColumn(3, Qt::DescendingOrder);
    QStringList differences = column(3);
    const std::vector<double> down = numbers(3);
    QVERIFY(down.size() > 5 && std::is_sorted(down.rbegin(), down.rend()));
    QCOMPARE(differences.indexOf(QString()), int(down.size()));
    QVERIFY(differences.last().isEmpty());
    QStringList asTexts = differences.mid(0, int(down.size()));
    std::sort(asTexts.begin(), asTexts.end(), std::greater<>());
    QVERIFY2(asTexts != differences.mid(0, int(down.size())), qPrintable(differences.join(' ')));
    // Ascending: the same numbers the other way round, the empty cells still last.
    m_table->sortByColumn(3, Qt::AscendingOrder);
    const std::vector<double> up = numbers(3);
    QVERIFY(std::equal(up.begin(), up.end(), down.rbegin(), down.rend()));
    QVERIFY(column(3).last().isEmpty());
    // The percentage: numbers, then "n/a" (an old Q of 0), then the empty cells.
    m_table->sortByColumn(4, Qt::AscendingOrder);
    const std::vector<double> percents = numbers(4);
    QCOMPARE(column(4).indexOf(QStringLiteral("n/a")), int(percents.size()));
    QVERIFY(std::is_sorted(percents.begin(), percents.end()));
}

void TestCompare::refusedFilesBringTheirMessagesAndNoWindow_data()
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

void TestCompare::refusedFilesBringTheirMessagesAndNoWindow()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    const QString path = m_dir.filePath(QStringLiteral("submittal.txt"));
    QFile::remove(path);
    if (!bytes.isEmpty())
        QVERIFY(writeBytes(path, bytes.toStdString()));
    const Document open = compareNew();
    QVERIFY(!compareWithFile(*m_desktop, open, "Untitled", path.toStdString()));
    QCOMPARE(m_desktop->messages().asked().size(), std::size_t(1));
    const QString shown = QString::fromStdString(m_desktop->messages().asked()[0].text);
    QVERIFY2(shown.contains(message), qPrintable(shown));
    QCOMPARE(m_desktop->windows().count(), 0);
    QVERIFY(sameDocument(open, compareNew()));
}

void TestCompare::theFileIsAskedForAsOpenAsks()
{
    m_desktop->fileDialogs().queuePath("");
    QVERIFY(!compareWith(*m_desktop, compareNew(), "Untitled"));
    m_desktop->fileDialogs().queuePath(writeOld());
    m_window = compareWith(*m_desktop, compareNew(), "Untitled");
    QVERIFY(m_window);
    QCOMPARE(m_desktop->fileDialogs().asked(), (std::vector<FileDialogMode>{FileDialogMode::Open, FileDialogMode::Open}));
    QCOMPARE(m_desktop->windows().count(), 1);
}

QTEST_MAIN(TestCompare)
#include "tst_compare.moc"
