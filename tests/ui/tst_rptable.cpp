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

namespace {

enum class NoTaker { UnknownIdTyped, CurrentDeleted, PeriodBoxDisabled };

const QString kLabel10Tip =
    "For flume or grade spacing when using 3\" asphalt concrete curb on steep grades or low side of "
    "superelevation, use Q2";
const QString kLabel6Tip =
    "These frequencies are used for facilities to remain in place for less than two years.  If a facility "
    "will be in use for more than two years, other appropriate storm frequencies should be considered.";

}  // namespace

Q_DECLARE_METATYPE(sw::ScreenArea)

class TestRPTable : public EditorTest {
    Q_OBJECT

private slots:
    void init() { openWindow(); }
    void cleanup() { closeWindow(); }
    void captionsTipsAndLook();
    void clicks_data();
    void clicks();
    void clickWithoutCulvertChangesNothing_data();
    void clickWithoutCulvertChangesNothing();
    void subAreasTakeTheClickedPeriod();
    void closedAndReopenedShowsNoHighlight();
    void placement_data();
    void placement();
    void newAndExitCloseMapAndTable_data();
    void newAndExitCloseMapAndTable();

private:
    // The person clicks back into the main window to type there.
    bool backToMain()
    {
        m_h->window->activateWindow();
        return QTest::qWaitForWindowActive(m_h->window.data());
    }
    FrmRPTable* openTable()
    {
        if (!s->showPage(kIntensityPage) || !s->click("cmdFqyTable"))
            return nullptr;
        return m_h->window->frequencyTable();
    }
    static QString caption(FrmRPTable* t, const QString& name) { return t->findChild<QLabel*>(name)->text(); }
    static void click(FrmRPTable* t, const QString& name)
    {
        QTest::mouseClick(t->findChild<QLabel*>(name), Qt::LeftButton);
    }
    // The indices of the highlight shapes shown.
    static QList<int> marked(FrmRPTable* t)
    {
        QList<int> shown;
        for (int k = 0; k < FrmRPTable::kShapeCount; ++k)
            if (!t->findChild<QFrame*>(QStringLiteral("shp%1").arg(k))->isHidden())
                shown << k;
        return shown;
    }
};

void TestRPTable::captionsTipsAndLook()
{
    QVERIFY2(s->createCulvert("T"), s->why());
    FrmRPTable* t = openTable();
    QVERIFY2(t != nullptr, s->why());
    QVERIFY(t->isVisible() && !t->isModal() && m_h->window->isEnabled());
    QCOMPARE(t->windowTitle(), QStringLiteral("Design Storm Frequencies"));
    QCOMPARE(t->findChild<QGroupBox*>("Frame1")->title(), QStringLiteral("Click on appropriate value"));
    QCOMPARE(t->findChild<QPushButton*>("cmdClose")->text(), QStringLiteral("Close"));
    const QStringList captions = {
        "Design Location", "Interstate", "Expressways and over 750 DHV", "200-750 DHV", "1700 ADT and under",
        "Temp. Facilities *", "Culverts", "Storm sewers", "Storm Sewer Depressed Roadway", "Roadway Gutters **",
        "Median Pipe", "50", "50", "50", "50", "50", "50", "10", "50", "10", "50", "50", "10", "50", "10", "10",
        "25", "10", "25", "10", "10", "2", "2", "N.A.", "2", "2", "(Frequency: Year)",
        "Table 11.2 (QELM Roadway Design Manual)"};
    for (int i = 0; i < captions.size(); ++i) {
        const QString name = QStringLiteral("Label%1").arg(i + 1);
        QCOMPARE(caption(t, name), captions[i]);
        QCOMPARE(backColourOf(t->findChild<QLabel*>(name)), QColor(192, 255, 255));
    }
    QCOMPARE(t->findChild<QLabel*>("Label10")->toolTip(), kLabel10Tip);
    QCOMPARE(t->findChild<QLabel*>("Label6")->toolTip(), kLabel6Tip);
    QCOMPARE(marked(t), QList<int>{});
    for (int k = 1; k <= 14; ++k)
        QVERIFY(t->findChild<QFrame*>(QStringLiteral("Line%1").arg(k)) != nullptr);
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
    QVERIFY2(s->createCulvert("T") && s->pick("cboretPeriod", entry::k10Years), s->why());
    FrmRPTable* t = openTable();
    QVERIFY2(t != nullptr, s->why());
    for (const QString& label : labels) {
        click(t, label);
        QVERIFY(marked(t).size() <= 1);
    }
    QCOMPARE(s->text("cboretPeriod"), period);
    QCOMPARE(qs(s->culvert(0).RetPeriod), period);
    QCOMPARE(marked(t), shown);
    QVERIFY(t->isVisible());
    QCOMPARE(t->findChild<QLabel*>("lblTableNote")->text(), QString());
    QVERIFY(messages().asked().empty());  // no sub-areas: no C values to update
}

void TestRPTable::clickWithoutCulvertChangesNothing_data()
{
    QTest::addColumn<int>("noTaker");
    QTest::newRow("an unknown ID typed") << int(NoTaker::UnknownIdTyped);
    QTest::newRow("the current culvert deleted") << int(NoTaker::CurrentDeleted);
    QTest::newRow("the return period box disabled") << int(NoTaker::PeriodBoxDisabled);
}

void TestRPTable::clickWithoutCulvertChangesNothing()
{
    QFETCH(int, noTaker);
    QVERIFY2(s->createCulvert("T1") && s->pick("cboretPeriod", entry::k10Years) && s->createCulvert("T2") &&
                 s->pick("cboretPeriod", entry::k100Years),
             s->why());
    FrmRPTable* t = openTable();
    QVERIFY2(t != nullptr, s->why());
    switch (NoTaker(noTaker)) {
    case NoTaker::UnknownIdTyped:
        QVERIFY2(backToMain() && s->typeCulvertId("Q9"), s->why());
        break;
    case NoTaker::CurrentDeleted:
        messages().queueYesNo(YesNo::Yes);
        QVERIFY2(s->click("cmdDelCulvertNo2"), s->why());
        break;
    case NoTaker::PeriodBoxDisabled:
        s->combo("cboretPeriod")->setEnabled(false);
        break;
    }
    const std::vector<CulvertRecord> before = state().CulvertList;
    const QString box = s->text("cboretPeriod");
    click(t, "Label27");

    QCOMPARE(state().CulvertList, before);
    QCOMPARE(s->text("cboretPeriod"), box);
    QCOMPARE(marked(t), QList<int>{});
    QCOMPARE(t->findChild<QLabel*>("lblTableNote")->text(), qs(std::string(msg::kTableNoCulvert)));

    s->combo("cboretPeriod")->setEnabled(true);
    QVERIFY2(backToMain() && s->typeCulvertId("T1"), s->why());
    click(t, "Label27");
    QCOMPARE(s->culvert(0).RetPeriod, std::string("25"));
    QCOMPARE(marked(t), QList<int>{15});
    QCOMPARE(t->findChild<QLabel*>("lblTableNote")->text(), QString());
}

// A period typed takes effect on the sub-areas once the box is left; one clicked in the table must
// not leave them at the C of the period before.
void TestRPTable::subAreasTakeTheClickedPeriod()
{
    QVERIFY2(s->createCulvert("T") && s->enterIntensityInputs(kPlainInputs) && s->addSubArea(kDitch), s->why());
    QCOMPARE(s->culvert(0).Areas.at(0).C, 0.81);  // asphaltic at 10 years
    FrmRPTable* t = openTable();
    QVERIFY2(t != nullptr, s->why());
    messages().clearRecord();
    click(t, "Label27");
    QCOMPARE(s->culvert(0).RetPeriod, std::string("25"));
    QCOMPARE(s->culvert(0).Areas.at(0).C, 0.86);
    QCOMPARE(s->culvert(0).WeightedC, 0.86);
    QCOMPARE(s->rows("lstAreaInfo"), QStringList{"Asphaltic,2.5 a,0.86,Ditch A"});
    QCOMPARE(messages().texts(), std::vector<std::string>{std::string(msg::kCUpdate)});
}

void TestRPTable::closedAndReopenedShowsNoHighlight()
{
    QVERIFY2(s->createCulvert("T"), s->why());
    FrmRPTable* t = openTable();
    QVERIFY2(t != nullptr, s->why());
    QVERIFY2(s->click("cmdFqyTable"), s->why());  // the open one comes forward; no second window
    QCOMPARE(m_h->window->frequencyTable(), t);
    QCOMPARE(m_h->desktop->windows().count(), 2);
    click(t, "Label27");
    QCOMPARE(marked(t), QList<int>{15});

    QTest::mouseClick(t->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
    QVERIFY(m_h->desktop->windows().find("frmRPTable") == nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(m_h->window->frequencyTable() == nullptr);
    t = openTable();
    QVERIFY2(t != nullptr, s->why());
    QCOMPARE(marked(t), QList<int>{});
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
    QVERIFY2(s->createCulvert("T"), s->why());
    FrmRPTable* t = openTable();
    QVERIFY2(t != nullptr, s->why());
    // 2500 twips right and 1500 up: 167 and 100 pixels at 96 dpi, 250 and 150 at 144.
    const int right = screen.logicalDpi == 96.0 ? 167 : 250, up = screen.logicalDpi == 96.0 ? 100 : 150;
    QCOMPARE(t->pos(), QPoint(screen.left + (screen.width - t->width()) / 2 + right,
                              screen.top + (screen.height - t->height()) / 2 - up));
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
    QVERIFY2(s->createCulvert("T") && openTable() != nullptr && s->click("cmdRFMap"), s->why());
    WindowRegistry& windows = m_h->desktop->windows();
    QVERIFY(windows.find("frmRPTable") != nullptr && windows.find("frmRFzone") != nullptr);
    messages().queueYesNo(YesNo::No);  // not saved
    m_h->window->findChild<QAction*>(exit ? "mnuExit" : "mnuNew")->trigger();
    QVERIFY(windows.find("frmRPTable") == nullptr && windows.find("frmRFzone") == nullptr);
    QCOMPARE(m_h->desktop->endRequests(), exit ? 1 : 0);
}

QTEST_MAIN(TestRPTable)
#include "tst_rptable.moc"
