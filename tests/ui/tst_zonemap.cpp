// The rainfall zone map: presses classified at the image's own pixels (also with the picture shown
// at another size), the zone given to the current culvert as a pick from the list would, presses
// refused while no culvert takes a zone, the window's opening, and the drawn boundaries read back
// against the zone line tables.

#include <cmath>

#include "core/messages.h"
#include "core/text.h"
#include "engine/tables.h"
#include "engine/zonemap.h"
#include "tests/ui/editorsteps.h"
#include "ui/main/frmrfzone.h"
#include "ui/main/zonemapimage.h"

using namespace sw;
using namespace sw::testing;

namespace {

int loadedNamed(WindowRegistry& registry, const char* name)
{
    int count = 0;
    for (int i = 0; i < registry.count(); ++i)
        count += registry.nameAt(i) == name ? 1 : 0;
    return count;
}

}  // namespace

class TestZoneMap : public EditorTest {
    Q_OBJECT

private slots:
    void pressGivesTheZone_data();
    void pressGivesTheZone();
    void pressWithoutCulvertChangesNothing_data() { addNoTakerRows("zone"); }
    void pressWithoutCulvertChangesNothing();
    void opensOnceAndCloses();
    void drawnBoundariesFollowTheTables_data();
    void drawnBoundariesFollowTheTables();

private:
    // The map opened with its button, as a person would, over a culvert.
    bool openMap()
    {
        m_map = s->showPage(kIntensityPage) && s->click("cmdRFMap") ? m_h->window->zoneMap() : nullptr;
        return m_map != nullptr;
    }
    QLabel* picture() const { return m_map->findChild<QLabel*>(QStringLiteral("Picture1")); }

    // A press at a map position in twips, on the picture shown `scale` times its image size.
    void press(double x, double y, Qt::MouseButton button = Qt::LeftButton, double scale = 1) const
    {
        const QPoint at(int(std::floor(x / kTwipsPerMapPixel * scale)), int(std::floor(y / kTwipsPerMapPixel * scale)));
        QTest::mousePress(picture(), button, {}, at);
        QTest::mouseRelease(picture(), button, {}, at);
    }

    QPointer<FrmRFzone> m_map;
};

void TestZoneMap::pressGivesTheZone_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<int>("button");
    QTest::addColumn<double>("scale");
    const int left = Qt::LeftButton, right = Qt::RightButton, middle = Qt::MiddleButton;
    QTest::newRow("(3000,100) west of the lines") << 3000.0 << 100.0 << "A" << left << 1.0;
    QTest::newRow("(10000,5000) east of the lines") << 10000.0 << 5000.0 << "C" << left << 1.0;
    QTest::newRow("(6000,0) between the lines") << 6000.0 << 0.0 << "B" << left << 1.0;
    QTest::newRow("(4000,1000) above A-B") << 4000.0 << 1000.0 << "A" << left << 1.0;
    QTest::newRow("(4000,3000) below A-B") << 4000.0 << 3000.0 << "B" << left << 1.0;
    QTest::newRow("(4890,225) no line at 4890") << 4890.0 << 225.0 << "B" << left << 1.0;
    QTest::newRow("(8000,2000) above B-C") << 8000.0 << 2000.0 << "B" << left << 1.0;
    QTest::newRow("(8000,3000) below B-C") << 8000.0 << 3000.0 << "C" << left << 1.0;
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

void TestZoneMap::pressGivesTheZone()
{
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(QString, zone);
    QFETCH(int, button);
    QFETCH(double, scale);
    // Another zone picked first, so that the press has something to change.
    QVERIFY2(s->createCulvert("Z") && s->pick("cboRFzone", zone == "A" ? entry::kZoneC : entry::kZoneA) && openMap(),
             s->why());
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

void TestZoneMap::pressWithoutCulvertChangesNothing()
{
    QFETCH(NoTaker, noTaker);
    QVERIFY2(s->createCulvert("Z1") && s->pick("cboRFzone", entry::kZoneA) && s->createCulvert("Z2") &&
                 s->pick("cboRFzone", entry::kZoneB) && openMap(),
             s->why());
    press(4000, 3000);  // zone B, now shown beside the box
    QCOMPARE(s->text("lblRFZone"), QStringLiteral("B"));

    QVERIFY2(s->leaveWithoutTaker(noTaker, "cboRFzone"), s->why());
    const std::vector<CulvertRecord> before = doc().CulvertList;
    const QString box = s->text("cboRFzone"), label = s->text("lblRFZone");
    press(8000, 3000);  // zone C

    QCOMPARE(doc().CulvertList, before);
    QCOMPARE(s->text("cboRFzone"), box);
    QCOMPARE(s->text("lblRFZone"), label);
    QCOMPARE(s->text("lblMapNote"), qs(fillMessage(msg::kMapNoCulvert, {"C"})));

    // Once a culvert takes zones again, the next press goes through and the note goes.
    s->combo("cboRFzone")->setEnabled(true);
    QVERIFY2(s->backToMain() && s->typeCulvertId("Z1"), s->why());
    press(8000, 3000);
    QCOMPARE(s->culvert(0).RFZone, std::string("C"));
    QCOMPARE(s->text("lblRFZone"), QStringLiteral("C"));
    QCOMPARE(s->text("lblMapNote"), QString());
}

void TestZoneMap::opensOnceAndCloses()
{
    QVERIFY2(s->createCulvert("Z") && openMap(), s->why());
    QVERIFY(m_map->isVisible() && !m_map->isModal() && m_h->window->isEnabled());
    QVERIFY(QApplication::overrideCursor() == nullptr);  // the busy pointer is gone again
    QCOMPARE(m_map->windowTitle(), QStringLiteral("Vellmora Rainfall Zones"));
    QCOMPARE(m_map->findChild<QLabel*>("Label1")->text(),
             QStringLiteral("Figure 11.1 Vellmora Rainfall Zones for Use with"));
    QCOMPARE(m_map->findChild<QLabel*>("Label2")->text(), QStringLiteral("Rainfall INtensities in Rational Method"));
    QCOMPARE(picture()->pixmap().size(), QSize(781, 369));
    QCOMPARE(s->text("lblRFZone"), QString());

    // The button again brings the same window forward.
    QVERIFY2(s->click("cmdRFMap"), s->why());
    QCOMPARE(m_h->window->zoneMap(), m_map.data());
    QCOMPARE(loadedNamed(m_h->desktop->windows(), "frmRFzone"), 1);

    QTest::mouseClick(m_map->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    QCOMPARE(loadedNamed(m_h->desktop->windows(), "frmRFzone"), 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(m_map.isNull());
}

void TestZoneMap::drawnBoundariesFollowTheTables_data()
{
    QTest::addColumn<bool>("betweenAandB");
    QTest::addColumn<QString>("west");
    QTest::addColumn<QString>("east");
    QTest::newRow("A-B") << true << "A" << "B";
    QTest::newRow("B-C") << false << "B" << "C";
}

// Down every column inside each segment: the boundary colour where the segment's line lies, the
// west zone's shade just above it and the east zone's just below, and the classification agrees.
void TestZoneMap::drawnBoundariesFollowTheTables()
{
    QFETCH(bool, betweenAandB);
    QFETCH(QString, west);
    QFETCH(QString, east);
    QVERIFY2(s->createCulvert("Z") && openMap(), s->why());
    const QImage image = picture()->pixmap().toImage();
    const QRgb line = zoneMapBoundaryColour().rgb();
    const DesignTables& tables = designTables();
    int columns = 0;
    for (const BoundarySeg& seg : betweenAandB ? tables.ZoneLineAB : tables.ZoneLineBC) {
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

QTEST_MAIN(TestZoneMap)
#include "tst_zonemap.moc"
