// The design storm frequency table: its captions and tips, the value clicked going into the return
// period box with its highlight, what does nothing, clicks refused while no culvert takes a return
// period, the sub-areas' C following the period, reopening, the placement, and New and Exit.

#include "core/messages.h"
#include "platform/backcolour.h"
#include "platform/screenunits.h"
#include "tests/ui/editorsteps.h"
#include "ui/main/frmrfzone.h"
#include "ui/main/frmrptable.h"

using namespace sw;
using namespace sw::testing;

class TestRPTable : public EditorTest {
    Q_OBJECT

private slots:
    void captionsTipsAndLook();
    void clicks_data();
    void clicks();
    void clickWithoutCulvertChangesNothing_data() { addNoTakerRows("return period"); }
    void clickWithoutCulvertChangesNothing();
    void subAreasTakeTheClickedPeriod();
    void closedAndReopenedShowsNoHighlight();
    void placement_data();
    void placement();
    void newAndExitCloseMapAndTable_data();
    void newAndExitCloseMapAndTable();

private:
    // The table opened with its button, as a person would.
    bool openTable()
    {
        m_table = s->showPage(kIntensityPage) && s->click("cmdFqyTable") ? m_h->window->frequencyTable() : nullptr;
        return m_table != nullptr;
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

    QPointer<FrmRPTable> m_table;
};

void TestRPTable::captionsTipsAndLook()
{
    QVERIFY2(s->createCulvert("T") && openTable(), s->why());
    QVERIFY(m_table->isVisible() && !m_table->isModal() && m_h->window->isEnabled());
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
}

void TestRPTable::clicks_data()
{
    // Clicked in order, after the return period 10 was picked; the period and the shapes shown then.
    QTest::addColumn<QStringList>("labels");
    QTest::addColumn<QString>("period");
    QTest::addColumn<QList<int>>("shown");
    QTest::newRow("25, culverts, 1700 ADT and under") << QStringList{"Label27"} << "25" << QList<int>{15};
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

void TestRPTable::clicks()
{
    QFETCH(QStringList, labels);
    QFETCH(QString, period);
    QFETCH(QList<int>, shown);
    QVERIFY2(s->createCulvert("T") && s->pick("cboretPeriod", entry::k10Years) && openTable(), s->why());
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

void TestRPTable::clickWithoutCulvertChangesNothing()
{
    QFETCH(NoTaker, noTaker);
    QVERIFY2(s->createCulvert("T1") && s->pick("cboretPeriod", entry::k10Years) && s->createCulvert("T2") &&
                 s->pick("cboretPeriod", entry::k100Years) && openTable() &&
                 s->leaveWithoutTaker(noTaker, "cboretPeriod"),
             s->why());
    const std::vector<CulvertRecord> before = doc().CulvertList;
    const QString box = s->text("cboretPeriod");
    click("Label27");
    QCOMPARE(doc().CulvertList, before);
    QCOMPARE(s->text("cboretPeriod"), box);
    QCOMPARE(marked(), QList<int>{});
    QCOMPARE(note(), qs(std::string(msg::kTableNoCulvert)));

    s->combo("cboretPeriod")->setEnabled(true);
    QVERIFY2(s->backToMain() && s->typeCulvertId("T1"), s->why());
    click("Label27");
    QCOMPARE(s->culvert(0).RetPeriod, std::string("25"));
    QCOMPARE(marked(), QList<int>{15});
    QCOMPARE(note(), QString());
}

// A period typed takes effect on the sub-areas once the box is left; one clicked in the table must
// not leave them at the C of the period before.
void TestRPTable::subAreasTakeTheClickedPeriod()
{
    QVERIFY2(s->createCulvert("T") && s->enterIntensityInputs(kPlainInputs) && s->addSubArea(kDitch), s->why());
    QCOMPARE(s->culvert(0).Areas.at(0).C, 0.81);  // asphaltic at 10 years
    QVERIFY2(openTable(), s->why());
    messages().clearRecord();
    click("Label27");
    QCOMPARE(s->culvert(0).RetPeriod, std::string("25"));
    QCOMPARE(s->culvert(0).Areas.at(0).C, 0.86);
    QCOMPARE(s->culvert(0).WeightedC, 0.86);
    QCOMPARE(s->rows("lstAreaInfo"), QStringList{"Asphaltic,2.5 a,0.86,Ditch A"});
    QCOMPARE(messages().texts(), std::vector<std::string>{std::string(msg::kCUpdate)});
}

void TestRPTable::closedAndReopenedShowsNoHighlight()
{
    QVERIFY2(s->createCulvert("T") && openTable(), s->why());
    QVERIFY2(s->click("cmdFqyTable"), s->why());  // the open one comes forward; no second window
    QCOMPARE(m_h->window->frequencyTable(), m_table.data());
    QCOMPARE(m_h->desktop->windows().count(), 2);
    click("Label27");
    QCOMPARE(marked(), QList<int>{15});

    QTest::mouseClick(m_table->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
    QVERIFY(m_h->desktop->windows().find("frmRPTable") == nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(m_h->window->frequencyTable() == nullptr);
    QVERIFY2(openTable(), s->why());
    QCOMPARE(marked(), QList<int>{});
    QCOMPARE(s->text("cboretPeriod"), QStringLiteral("25"));
}

void TestRPTable::placement_data()
{
    QTest::addColumn<ScreenArea>("screen");
    QTest::newRow("96 dpi") << ScreenArea{0, 0, 1600, 900, 96.0};
    QTest::newRow("144 dpi, screen not at the origin") << ScreenArea{200, 40, 2560, 1440, 144.0};
}

void TestRPTable::placement()
{
    QFETCH(ScreenArea, screen);
    m_h->desktop->system().setScreen(screen);
    QVERIFY2(s->createCulvert("T") && openTable(), s->why());
    // 2500 twips right and 1500 up: 167 and 100 pixels at 96 dpi, 250 and 150 at 144.
    const int right = screen.logicalDpi == 96.0 ? 167 : 250, up = screen.logicalDpi == 96.0 ? 100 : 150;
    QCOMPARE(m_table->pos(), QPoint(screen.left + (screen.width - m_table->width()) / 2 + right,
                                    screen.top + (screen.height - m_table->height()) / 2 - up));
}

void TestRPTable::newAndExitCloseMapAndTable_data()
{
    QTest::addColumn<bool>("exit");
    QTest::newRow("New") << false;
    QTest::newRow("Exit") << true;
}

void TestRPTable::newAndExitCloseMapAndTable()
{
    QFETCH(bool, exit);
    QVERIFY2(s->createCulvert("T") && openTable() && s->click("cmdRFMap"), s->why());
    WindowRegistry& windows = m_h->desktop->windows();
    QVERIFY(windows.find("frmRPTable") != nullptr && windows.find("frmRFzone") != nullptr);
    messages().queueYesNo(YesNo::No);  // not saved
    m_h->window->findChild<QAction*>(exit ? "mnuExit" : "mnuNew")->trigger();
    QVERIFY(windows.find("frmRPTable") == nullptr && windows.find("frmRFzone") == nullptr);
    QCOMPARE(m_h->desktop->endRequests(), exit ? 1 : 0);
}

QTEST_MAIN(TestRPTable)
#include "tst_rptable.moc"
