// The two windows that pick a value for the current culvert. The rainfall zone map: presses read at
// the image's own pixels, at any size shown; the window's opening; the drawn boundaries against the
// zone line tables. The design storm frequency table: captions, tips, the value clicked and its
// highlight, placement and reopening. Both: picks refused while no culvert takes the value, and New
// and Exit closing them.

#include <cmath>

#include "core/messages.h"
#include "core/text.h"
#include "engine/tables.h"
#include "engine/zonemap.h"
#include "platform/backcolour.h"
#include "platform/screenunits.h"
#include "tests/ui/editorsteps.h"
#include "ui/main/frmrfzone.h"
#include "ui/main/frmrptable.h"
#include "ui/main/zonemapimage.h"

using namespace sw;
using namespace sw::testing;

class TestPickWindows : public EditorTest {
    Q_OBJECT

private slots:
    void pressGivesTheZone_data();
    void pressGivesTheZone();
    void opensOnceShowsTheBoundariesAndCloses();
    void tableCaptionsPlacementReopeningAndClosing_data()
    {
        QTest::addColumn<ScreenArea>("screen");
        QTest::addColumn<bool>("exit");  // closed with the map by Exit, else by New
        QTest::newRow("96 dpi, New") << ScreenArea{0, 0, 1600, 900, 96.0} << false;
        QTest::newRow("144 dpi, screen not at the origin, Exit") << ScreenArea{200, 40, 2560, 1440, 144.0} << true;
    }
    void tableCaptionsPlacementReopeningAndClosing();
    void clicks_data();
    void clicks();
    void pickWithoutCulvertChangesNothing_data();
    void pickWithoutCulvertChangesNothing();

private:
    // The map or the table opened with its button, as a person would, over a culvert.
    bool openMap()
    {
        m_map = s->showPage(kIntensityPage) && s->click("cmdRFMap") ? m_h->window->zoneMap() : nullptr;
        return m_map != nullptr;
    }
    bool openTable()
    {
        m_table = s->showPage(kIntensityPage) && s->click("cmdFqyTable") ? m_h->window->frequencyTable() : nullptr;
        return m_table != nullptr;
    }
    QLabel* picture() const { return m_map->findChild<QLabel*>(QStringLiteral("Picture1")); }

    // A press at a map position in twips, on the picture shown `scale` times its image size.
    void press(double x, double y, Qt::MouseButton button = Qt::LeftButton, double scale = 1) const
    {
        const QPoint at(int(std::floor(x / kTwipsPerMapPixel * scale)), int(std::floor(y / kTwipsPerMapPixel * scale)));
        QTest::mousePress(picture(), button, {}, at);
        QTest::mouseRelease(picture(), button, {}, at);
    }

    QLabel* label(const QString& name) const { return m_table->findChild<QLabel*>(name); }
    void click(const QString& name) const { QTest::mouseClick(label(name), Qt::LeftButton); }
    QString note() const { return label("lblTableNote")->text(); }
    // The indices of the highlight shapes shown.
    QList<int> marked() const
    {
        QList<int> shown;
        for (int k = 0; k < FrmRPTable::kShapeCount; ++k)
            if (!m_table->findChild<QFrame*>(QStringLiteral("shp%1").arg(k))->isHidden())
                shown << k;
        return shown;
    }

    QPointer<FrmRFzone> m_map;
    QPointer<FrmRPTable> m_table;
};

void TestPickWindows::pressGivesTheZone_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<int>("button");
    QTest::addColumn<double>("scale");
    const int left = Qt::LeftButton, right = Qt::RightButton, middle = Qt::MiddleButton;
    // The zones of the pixels a press reaches at the image's own size are the engine's to check.
    QTest::newRow("right button") << 8000.0 << 3000.0 << "C" << right << 1.0;
    QTest::newRow("middle button") << 4000.0 << 1000.0 << "A" << middle << 1.0;
    // Shown at another size, as on a screen of another scale: the press is read in image pixels.
    // At twice the size, (8000,2000) is widget pixel (1066,266); read as an image pixel it would lie
    // in zone C, east of the whole map.
    QTest::newRow("twice the size, below B-C") << 8000.0 << 3000.0 << "C" << left << 2.0;
    QTest::newRow("twice the size, above B-C") << 8000.0 << 2000.0 << "B" << left << 2.0;
    QTest::newRow("1.5 times, above A-B") << 4000.0 << 1000.0 << "A" << left << 1.5;
    QTest::newRow("1.5 times, below A-B") << 4000.0 << 3000.0 << "B" << left << 1.5;
    QTest::newRow("smaller, east") << 10000.0 << 5000.0 << "C" << left << 0.75;
    QTest::newRow("smaller, below A-B") << 4000.0 << 3000.0 << "B" << left << 0.75;
}

void TestPickWindows::pressGivesTheZone()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(QString, zone);
    QFETCH(int, button);
    QFETCH(double, scale);
    // Another zone picked first, so that the press has something to change.
    SW_STEP(s->createCulvert("Z") && s->pick("cboRFzone", zone == "A" ? entry::kZoneC : entry::kZoneA) && openMap());
    if (scale != 1) {
        picture()->setFixedSize(int(std::lround(kZoneMapWidth * scale)), int(std::lround(kZoneMapHeight * scale)));
        m_map->setFixedSize(m_map->sizeHint());
        QCoreApplication::processEvents();
    }
    press(x, y, Qt::MouseButton(button), scale);

    QCOMPARE(s->text("lblRFZone"), zone);
    QCOMPARE(s->text("cboRFzone"), zone);
    QCOMPARE(qs(s->culvert(0).RFZone), zone);
    QCOMPARE(s->text("lblMapNote"), QString());
    QVERIFY(m_map->isVisible());  // it stays open for the next press
    QVERIFY(messages().asked().empty());
}

void TestPickWindows::opensOnceShowsTheBoundariesAndCloses()
{
    SW_STEP(s->createCulvert("Z") && openMap());
    QVERIFY(m_map->isVisible() && !m_map->isModal() && m_h->window->isEnabled());
    QVERIFY(QApplication::overrideCursor() == nullptr);  // the busy pointer is gone again
    QCOMPARE(m_map->windowTitle(), QStringLiteral("Vellmora Rainfall Zones"));
    QCOMPARE(m_map->findChild<QLabel*>("Label1")->text(),
             QStringLiteral("Figure 11.1 Vellmora Rainfall Zones for Use with"));
    QCOMPARE(m_map->findChild<QLabel*>("Label2")->text(), QStringLiteral("Rainfall INtensities in Rational Method"));
    QCOMPARE(picture()->pixmap().size(), QSize(781, 369));
    QCOMPARE(s->text("lblRFZone"), QString());

    // Down every column inside each segment of both lines: the boundary colour where the segment's
    // line lies, the west zone's shade just above it and the east zone's just below, and the
    // classification agrees.
    const QImage image = picture()->pixmap().toImage();
    const QRgb line = zoneMapBoundaryColour().rgb();
    for (const bool betweenAandB : {true, false}) {
        const QString west = betweenAandB ? "A" : "B", east = betweenAandB ? "B" : "C";
        int columns = 0;
        for (const BoundarySeg& seg : betweenAandB ? designTables().ZoneLineAB : designTables().ZoneLineBC) {
            const int first = int(std::ceil(seg.XEnd / kTwipsPerMapPixel)) + 1;
            const int last = int(std::floor(seg.XStart / kTwipsPerMapPixel)) - 1;
            for (int column = first; column <= last; ++column, ++columns) {
                const double lineRow = (seg.K * column * kTwipsPerMapPixel + seg.Offset) / kTwipsPerMapPixel;
                const QString where = QStringLiteral("column %1, line at row %2").arg(column).arg(lineRow);
                int row = int(std::lround(lineRow)) - 2;
                while (row <= std::lround(lineRow) + 2 && image.pixel(column, row) != line)
                    ++row;
                QVERIFY2(image.pixel(column, row) == line, qPrintable("no boundary drawn at " + where));
                int above = row, below = row;
                while (image.pixel(column, above) == line)
                    --above;
                while (image.pixel(column, below) == line)
                    ++below;
                // Where two segments meet, the end of the other one may widen the run a little.
                QVERIFY2(below - above <= 2 * std::abs(seg.K) + 6, qPrintable("boundary too wide at " + where));
                QVERIFY2(image.pixel(column, above) == zoneMapShade(west).rgb(), qPrintable("above, " + where));
                QVERIFY2(image.pixel(column, below) == zoneMapShade(east).rgb(), qPrintable("below, " + where));
                QCOMPARE(qs(FindZoneAtPixel(column, above).value_or("")), west);
                QCOMPARE(qs(FindZoneAtPixel(column, below).value_or("")), east);
            }
        }
        QVERIFY(columns > 100);
    }

    // The button again brings the same window forward.
    SW_STEP(s->click("cmdRFMap"));
    QCOMPARE(m_h->window->zoneMap(), m_map.data());
    QCOMPARE(m_h->desktop->windows().count(), 2);

    QTest::mouseClick(m_map->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    QVERIFY(m_h->desktop->windows().find("frmRFzone") == nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(m_map.isNull());
}

void TestPickWindows::tableCaptionsPlacementReopeningAndClosing()
{
    QFETCH(ScreenArea, screen);
    QFETCH(bool, exit);
    WindowRegistry& windows = m_h->desktop->windows();
    m_h->desktop->system().setScreen(screen);
    SW_STEP(s->createCulvert("T") && openTable());
    QVERIFY(m_table->isVisible() && !m_table->isModal() && m_h->window->isEnabled());
    // 2500 twips right and 1500 up: 167 and 100 pixels at 96 dpi, 250 and 150 at 144.
    const int right = screen.logicalDpi == 96.0 ? 167 : 250, up = screen.logicalDpi == 96.0 ? 100 : 150;
    QCOMPARE(m_table->pos(), QPoint(screen.left + (screen.width - m_table->width()) / 2 + right,
                                    screen.top + (screen.height - m_table->height()) / 2 - up));
    QCOMPARE(m_table->windowTitle(), QStringLiteral("Design Storm Frequencies"));
    QCOMPARE(m_table->findChild<QGroupBox*>("Frame1")->title(), QStringLiteral("Click on appropriate value"));
    QCOMPARE(m_table->findChild<QPushButton*>("cmdClose")->text(), QStringLiteral("Close"));
    const QStringList captions = {
        "Design Location", "Interstate", "Expressways and over 750 DHV", "200-750 DHV", "1700 ADT and under",
        "Temp. Facilities *", "Culverts", "Storm sewers", "Storm Sewer Depressed Roadway", "Roadway Gutters **",
        "Median Pipe", "50", "50", "50", "50", "50", "50", "10", "50", "10", "50", "50", "10", "50", "10", "10",
        "25", "10", "25", "10", "10", "2", "2", "N.A.", "2", "2", "(Frequency: Year)",
        "Table 11.2 (QELM Roadway Design Manual)"};
    for (int i = 0; i < captions.size(); ++i) {
        const QString name = QStringLiteral("Label%1").arg(i + 1);
        QCOMPARE(label(name)->text(), captions[i]);
        QCOMPARE(backColourOf(label(name)), QColor(192, 255, 255));
    }
    QCOMPARE(label("Label10")->toolTip(),
             QStringLiteral("For flume or grade spacing when using 3\" asphalt concrete curb on steep grades or low "
                            "side of superelevation, use Q2"));
    QCOMPARE(label("Label6")->toolTip(),
             QStringLiteral("These frequencies are used for facilities to remain in place for less than two years.  "
                            "If a facility will be in use for more than two years, other appropriate storm "
                            "frequencies should be considered."));
    QCOMPARE(marked(), QList<int>{});
    for (int k = 1; k <= 14; ++k)
        QVERIFY(m_table->findChild<QFrame*>(QStringLiteral("Line%1").arg(k)) != nullptr);

    // Closed and opened again, it shows no highlight.
    SW_STEP(s->click("cmdFqyTable"));  // the open one comes forward; no second window
    QCOMPARE(m_h->window->frequencyTable(), m_table.data());
    QCOMPARE(windows.count(), 2);
    click("Label27");
    QCOMPARE(marked(), QList<int>{15});

    QTest::mouseClick(m_table->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
    QVERIFY(windows.find("frmRPTable") == nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(m_h->window->frequencyTable() == nullptr);
    SW_STEP(openTable());
    QCOMPARE(marked(), QList<int>{});
    QCOMPARE(s->text("cboretPeriod"), QStringLiteral("25"));

    // New and Exit close it, and the map with it.
    SW_STEP(s->click("cmdRFMap"));
    QVERIFY(windows.find("frmRFzone") != nullptr);
    messages().queueYesNo(YesNo::No);  // not saved
    m_h->window->findChild<QAction*>(exit ? "mnuExit" : "mnuNew")->trigger();
    QVERIFY(windows.find("frmRPTable") == nullptr && windows.find("frmRFzone") == nullptr);
    QCOMPARE(m_h->desktop->endRequests(), exit ? 1 : 0);
}

void TestPickWindows::clicks_data()
{
    // Clicked in order, after the return period 10 was picked; the period and the shapes shown then.
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QString>("period");
    QTest::addColumn<QList<int>>("shown");
    QTest::newRow("50, median pipe, interstate") << QStringList{"Label16"} << "50" << QList<int>{4};
    QTest::newRow("a second value moves the mark") << QStringList{"Label27", "Label35"} << "2" << QList<int>{22};
    QTest::newRow("back to a value marked before") << QStringList{"Label27", "Label23", "Label27"} << "25"
                                                   << QList<int>{15};
    QTest::newRow("N.A. alone") << QStringList{"Label34"} << "10" << QList<int>{};
    QTest::newRow("N.A. after 25") << QStringList{"Label27", "Label34"} << "25" << QList<int>{15};
    QTest::newRow("headings after 2") << QStringList{"Label32", "Label1", "Label7", "Label10", "Label6", "Label37",
                                                     "Label38"}
                                      << "2" << QList<int>{20};
}

void TestPickWindows::clicks()
{
    QFETCH(QStringList, labels);
    QFETCH(QString, period);
    QFETCH(QList<int>, shown);
    SW_STEP(s->createCulvert("T") && s->pick("cboretPeriod", entry::k10Years) && openTable());
    for (const QString& name : labels) {
        click(name);
        QVERIFY(marked().size() <= 1);
    }
    QCOMPARE(s->text("cboretPeriod"), period);
    QCOMPARE(qs(s->culvert(0).RetPeriod), period);
    QCOMPARE(marked(), shown);
    QVERIFY(m_table->isVisible());
    QCOMPARE(note(), QString());
    QVERIFY(messages().asked().empty());  // no sub-areas: no C values to update
}

void TestPickWindows::pickWithoutCulvertChangesNothing_data()
{
    QTest::addColumn<bool>("map");  // else the frequency table
    QTest::addColumn<NoTaker>("noTaker");
    for (const bool map : {true, false}) {
        const char* window = map ? "map" : "table";
        QTest::addRow("%s, an unknown ID typed", window) << map << NoTaker::UnknownIdTyped;
        QTest::addRow("%s, the current culvert deleted", window) << map << NoTaker::CurrentDeleted;
        QTest::addRow("%s, the %s box disabled", window, map ? "zone" : "return period") << map << NoTaker::BoxDisabled;
    }
}

// Zone C pressed or 25 years clicked while no culvert takes it: nothing changes and a note says so;
// once a culvert takes values again, the next pick goes through and the note goes.
void TestPickWindows::pickWithoutCulvertChangesNothing()
{
    QFETCH(bool, map);
    QFETCH(NoTaker, noTaker);
    const char* box = map ? "cboRFzone" : "cboretPeriod";
    const auto pickThere = [&] { map ? press(8000, 3000) : click("Label27"); };
    const auto shownNote = [&] { return map ? s->text("lblMapNote") : note(); };
    SW_STEP(s->createCulvert("P1") && s->pick(box, map ? entry::kZoneA : entry::k10Years) && s->createCulvert("P2") &&
            s->pick(box, map ? entry::kZoneB : entry::k100Years) && (map ? openMap() : openTable()));
    if (map) {
        press(4000, 3000);  // zone B, now shown beside the box
        QCOMPARE(s->text("lblRFZone"), QStringLiteral("B"));
    }

    SW_STEP(s->leaveWithoutTaker(noTaker, box));
    const std::vector<CulvertRecord> before = doc().CulvertList;
    const QString shown = s->text(box), zoneLabel = s->text("lblRFZone");
    pickThere();
    QCOMPARE(doc().CulvertList, before);
    QCOMPARE(s->text(box), shown);
    QCOMPARE(s->text("lblRFZone"), zoneLabel);
    QCOMPARE(shownNote(), map ? qs(fillMessage(msg::kMapNoCulvert, {"C"})) : qs(std::string(msg::kTableNoCulvert)));
    if (!map)
        QCOMPARE(marked(), QList<int>{});

    s->combo(box)->setEnabled(true);
    SW_STEP(s->backToMain() && s->typeCulvertId("P1"));
    pickThere();
    QCOMPARE(map ? s->culvert(0).RFZone : s->culvert(0).RetPeriod, std::string(map ? "C" : "25"));
    QCOMPARE(map ? s->text("lblRFZone") : s->text(box), QString(map ? "C" : "25"));
    QCOMPARE(shownNote(), QString());
    if (!map)
        QCOMPARE(marked(), QList<int>{15});
}

QTEST_MAIN(TestPickWindows)
#include "tst_pickwindows.moc"
