// The printed report on real pages: drawn through QPrinter in PDF mode and through the PDF route,
// read back with poppler's pdftotext and pdftohtml, and every text found where the grid puts it, in
// the weight and size it was drawn in.

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest/QtTest>

#include <cmath>

#include "engine/discharge.h"
#include "platform/fonts.h"
#include "platform/pdfpages.h"
#include "platform/qtdesktop.h"
#include "report/printreport.h"
#include "tests/project/projectfixtures.h"
#include "report/recordingpage.h"

using namespace sw;
using sw::testing::PageEvent;
using sw::testing::RecordingDevice;

namespace {

constexpr double kMarginPoints = 18;        // a quarter inch
constexpr double kColumnPoints = 6;         // 1/12 inch
constexpr double kLinePoints = 12;          // 1/6 inch
constexpr double kAdvanceEm = 1229.0 / 2048;  // the width of a character of Courier New / Liberation Mono

// A word as pdftotext places it, or a run of text as pdftohtml gives it with its weight and size.
struct Word {
    int page = 0;
    double x = 0;
    double y = 0;
    QString text;
    double right = 0;
    bool bold = false;
    int points = 0;
};

// A project whose culvert has `areas` sub-areas.
Document project(int areas)
{
    std::vector<SubArea> subAreas;
    for (int j = 0; j < areas; ++j)
        subAreas.push_back(j % 2 ? testing::subArea("Forest/Woodlands-Steep over 7%", "0.8 h", 0.52, "lot")
                                 : testing::subArea("Cultivated Land-Average 2~7%", "1.0 a", 0.51, "lot"));
    CulvertRecord c = testing::record("E-3", "STA 112+00 (farm crossing)", "100", subAreas);
    testing::setIntensity(c, "C", 25.5, "ft", 0.5, "ft", 2000, "ft", 1.5, "Design Manual");
    Document s = testing::stateWith({c});
    s.ProjectInfo = {"Harlow Creek Bypass", "HCB-2041", "0917-03", "Culverts of the east segment", "05/02/2024",
                     "2:30:15 PM", "Asa Lindqvist"};
    return s;
}

// What `tool` prints for the PDF.
bool run(const QString& tool, QStringList arguments, QString& out, QString& failure)
{
    QProcess p;
    p.start(tool, arguments);
    if (!p.waitForFinished(20000) || p.exitCode() != 0) {
        failure = tool + QStringLiteral(" (poppler-utils) did not run: ") + p.errorString();
        return false;
    }
    out = QString::fromUtf8(p.readAllStandardOutput());
    return true;
}

// Every word pdftotext finds, with its page and the top-left of its box, in points.
bool wordsOf(const QString& pdf, std::vector<Word>& words, QString& failure)
{
    QString html;
    if (!run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")}, html, failure))
        return false;
    static const QRegularExpression page(QStringLiteral("<page "));
    static const QRegularExpression word(
        QStringLiteral("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"[0-9.]+\" yMax=\"[0-9.]+\">([^<]*)</word>"));
    int pageNo = 0;
    const QStringList pages = html.split(page);
    for (const QString& text : pages) {
        for (auto it = word.globalMatch(text); it.hasNext();) {
            const auto m = it.next();
            words.push_back({pageNo, m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3)});
        }
        ++pageNo;
    }
    return true;
}

// Every run of text pdftohtml finds, with its box in whole points, its size and whether it is bold.
bool runsOf(const QString& pdf, std::vector<Word>& runs, QString& failure)
{
    QString xml;
    if (!run(QStringLiteral("pdftohtml"), {QStringLiteral("-xml"), QStringLiteral("-i"), QStringLiteral("-stdout"),
                                           QStringLiteral("-zoom"), QStringLiteral("1"), pdf},
             xml, failure))
        return false;
    static const QRegularExpression page(QStringLiteral("<page number=\"([0-9]+)\""));
    static const QRegularExpression font(QStringLiteral("<fontspec id=\"([0-9]+)\" size=\"([0-9]+)\""));
    static const QRegularExpression text(QStringLiteral(
        "<text top=\"(-?[0-9]+)\" left=\"(-?[0-9]+)\" width=\"([0-9]+)\" height=\"[0-9]+\" font=\"([0-9]+)\">(.*)</text>"));
    QHash<QString, int> sizes;  // fonts are numbered once for the whole document
    int pageNo = 0;
    for (const QString& line : xml.split(QLatin1Char('\n'))) {
        if (const auto m = page.match(line); m.hasMatch())
            pageNo = m.captured(1).toInt();
        else if (const auto f = font.match(line); f.hasMatch())
            sizes.insert(f.captured(1), f.captured(2).toInt());
        else if (const auto t = text.match(line); t.hasMatch()) {
            QString content = t.captured(5);
            const bool bold = content.startsWith(QStringLiteral("<b>"));
            content.remove(QRegularExpression(QStringLiteral("</?[bi]>")));
            const double left = t.captured(2).toDouble();
            runs.push_back({pageNo, left, t.captured(1).toDouble(), content, left + t.captured(3).toDouble(), bold,
                            sizes.value(t.captured(4))});
        }
    }
    return true;
}

QString unescaped(QString text)
{
    return text.replace(QStringLiteral("&amp;"), QStringLiteral("&"))
        .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
        .replace(QStringLiteral("&gt;"), QStringLiteral(">"));
}

// Where the first word of each text drawn must stand: its grid cell, moved right by the blanks in
// front of it at the width of the font's characters; and the run of text that holds it there, in
// the weight and size it was drawn in. Returns what is not found so.
QStringList misplaced(const std::vector<std::shared_ptr<testing::RecordedDocument>>& jobs,
                      const std::vector<Word>& words, const std::vector<Word>& runs)
{
    QStringList out;
    int firstSheet = 1;
    for (const auto& job : jobs) {
        int sheets = 1;
        for (const PageEvent& e : job->events) {
            sheets = std::max(sheets, e.page);
            const QString text = QString::fromStdString(e.text);
            if (e.kind != PageEvent::Kind::Text || text.trimmed().isEmpty())
                continue;
            qsizetype blanks = 0;
            while (text[blanks] == QLatin1Char(' '))
                ++blanks;
            const QString first = text.trimmed().split(QLatin1Char(' ')).first();
            const double x = kMarginPoints + e.x1 * kColumnPoints + double(blanks) * kAdvanceEm * e.fontSize;
            const double y = kMarginPoints + e.y1 * kLinePoints;
            const double tolerance = kAdvanceEm * e.fontSize / 4;  // a quarter of a character
            const int sheet = firstSheet + e.page - 1;
            const bool found = std::ranges::any_of(words, [&](const Word& w) {
                return w.page == sheet && unescaped(w.text) == first && std::abs(w.x - x) <= tolerance &&
                       std::abs(w.y - y) <= tolerance;
            });
            const bool styled = std::ranges::any_of(runs, [&](const Word& r) {
                return r.page == sheet && unescaped(r.text).contains(first) && r.x <= x + tolerance + 1 &&
                       x <= r.right && std::abs(r.y - y) <= tolerance + 1 && r.bold == e.bold &&
                       r.points == std::lround(e.fontSize);
            });
            if (!found || !styled)
                out << QStringLiteral("sheet %1 (%2, %3) %4 %5 points: \"%6\"%7")
                           .arg(sheet).arg(e.x1).arg(e.y1)
                           .arg(e.bold ? QStringLiteral("bold") : QStringLiteral("regular"))
                           .arg(e.fontSize).arg(text, found ? QStringLiteral(" not so drawn") : QString());
        }
        firstSheet += sheets;
    }
    return out;
}

}  // namespace

class TestPrintedPage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { ensureFontSubstitutions(); }
    void everyTextStandsOnItsGridCell_data();
    void everyTextStandsOnItsGridCell();
};

void TestPrintedPage::everyTextStandsOnItsGridCell_data()
{
    QTest::addColumn<int>("areas");
    QTest::addColumn<bool>("printer");
    QTest::addColumn<QString>("name");  // of the project
    const QString name = QStringLiteral("Harlow Creek Bypass");
    QTest::newRow("one job, through QPrinter") << 3 << true << name;
    QTest::newRow("the summary on a second sheet, through QPrinter") << 24 << true << name;
    QTest::newRow("three jobs, into one PDF") << 85 << false << name;
    // The paper ends at 8 inches of printable width; a 60-character name from column 50 would run
    // an inch and a half past it. It is drawn narrower, every character on the paper.
    QTest::newRow("a name wider than the paper, into one PDF")
        << 1 << false << name + QStringLiteral(" and the Millbrook to Eastfield connector");
}

void TestPrintedPage::everyTextStandsOnItsGridCell()
{
    QFETCH(int, areas);
    QFETCH(bool, printer);
    QFETCH(QString, name);
    QTemporaryDir dir;
    Document s = project(areas);
    QVERIFY(CalCulvert(s, 0).computed());
    s.ProjectInfo.ProjectName = name.toStdString();
    // The same commands, on pages as high as the PDF's printable area (10.5 inches).
    RecordingDevice recorded;
    recorded.setPageLines(63);
    QVERIFY(printCulvert(recorded, s, 0));

    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    if (printer) {
        // QPrinter in PDF mode keeps the last job: these cases are one job each.
        QCOMPARE(recorded.documents().size(), std::size_t(1));
        QtPrinters printers;
        printers.setPdfOutput(pdf.toStdString());
        QVERIFY(printCulvert(printers, s, 0));
    } else {
        PdfPages pages(pdf.toStdString());
        QVERIFY(printCulvert(pages, s, 0));
        std::string failure;
        QVERIFY2(pages.finish(failure), failure.c_str());
    }
    std::vector<Word> words, runs;
    QString failure, layout;
    QVERIFY2(wordsOf(pdf, words, failure) && runsOf(pdf, runs, failure) &&
                 run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")}, layout, failure),
             qPrintable(failure));
    QVERIFY(words.size() > 100);
    const QStringList wrong = misplaced(recorded.documents(), words, runs);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(QLatin1Char('\n'))));
    // The whole name, its last word on the paper.
    QVERIFY(layout.contains(name));
    const auto last = std::ranges::find_if(words, [&](const Word& w) { return w.text == name.section(' ', -1); });
    QVERIFY(last != words.end());
    QVERIFY2(last->x < 8.5 * 72 - kMarginPoints, qPrintable(QString::number(last->x)));
}

QTEST_MAIN(TestPrintedPage)
#include "tst_printedpage.moc"
