// The road of one culvert through the main window: its ID typed and entered, the intensity inputs
// picked and typed, the Intensity button, then two sub-areas on the drainage page. Every step is
// checked against the stored record and what the window shows.

#include <QLabel>
#include <QRadioButton>

#include "platform/backcolour.h"
#include "tests/ui/editorsteps.h"

using namespace sw;
using namespace sw::testing;

class TestCulvertRoad : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void oneCulvertFromEntryToDrainage();
    void metricInputsInZoneB();

private:
    std::unique_ptr<MainWindowHarness> m_h;
    std::unique_ptr<EditorSteps> s;
};

void TestCulvertRoad::init()
{
    m_h = std::make_unique<MainWindowHarness>();
    m_h->create();
    s = std::make_unique<EditorSteps>(*m_h);
    QVERIFY(m_h->showActive());
}

void TestCulvertRoad::cleanup()
{
    s.reset();
    SW_VERIFY_NO_WINDOW_LEFT(*m_h);
    m_h.reset();
}

void TestCulvertRoad::oneCulvertFromEntryToDrainage()
{
    AppState& state = *m_h->state;
    auto& messages = m_h->desktop->messages();

    // The ID, key by key: no culvert has it, so none is current.
    QVERIFY2(s->showPage(kIntensityPage), s->why());
    QVERIFY(s->combo("cboCulvertNo2")->hasFocus());
    QVERIFY2(s->typeInto("cboCulvertNo2", QStringLiteral("C-1")), s->why());
    QCOMPARE(state.CurCulvert, kUnknownCulvert);
    QVERIFY(state.CulvertList.empty());
    QVERIFY2(s->pressEnter("cboCulvertNo2"), s->why());

    QCOMPARE(state.CulvertList.size(), std::size_t(1));
    QCOMPARE(state.CurCulvert, std::int16_t(0));
    QCOMPARE(qs(s->culvert(0).CulvertNo), QStringLiteral("C-1"));
    QCOMPARE(entriesOf(s->combo("cboCulvertNo2")), QStringList{"C-1"});
    QCOMPARE(entriesOf(s->combo("cboCulvertNo1")), QStringList{"C-1"});
    QCOMPARE(s->text("cboCulvertNo1"), QStringLiteral("C-1"));
    QVERIFY(s->combo("cboretPeriod")->hasFocus());
    for (const char* name : {"cboretPeriod", "cboRFzone", "cmdDelCulvertNo2", "cboTCFactorList", "cboRemoteUnit",
                             "cboCulvertUnit", "cboTravelUnit", "optManual", "optUser", "txtEleRemote",
                             "txtEleCulvert", "txtLenTravel"})
        QVERIFY2(s->w(name)->isEnabled(), name);
    QVERIFY(s->w("cmdFqyTable")->isVisible());
    QVERIFY(s->w("cmdRFMap")->isVisible());
    QVERIFY(s->w<QRadioButton>("optManual")->isChecked());
    QCOMPARE(qs(s->culvert(0).CorFactorSource), QStringLiteral("Design Manual"));
    QVERIFY(messages.asked().empty());

    // Return period and zone picked.
    QVERIFY2(s->pick("cboretPeriod", entry::k10Years), s->why());
    QCOMPARE(qs(s->culvert(0).RetPeriod), QStringLiteral("10"));
    QVERIFY2(s->pick("cboRFzone", entry::kZoneA), s->why());
    QCOMPARE(qs(s->culvert(0).RFZone), QStringLiteral("A"));
    QVERIFY(messages.asked().empty());

    // Elevations and length typed, Enter moving along the boxes.
    QVERIFY2(s->typeInto("txtEleRemote", QStringLiteral("1010")), s->why());
    QCOMPARE(s->culvert(0).EleRemote, 1010.0);
    QCOMPARE(qs(s->culvert(0).EleRemoteUnit), QStringLiteral("ft"));
    QCOMPARE(s->culvert(0).EleRemoteFt, 1010.0);
    QVERIFY(!state.IsPristine);
    QVERIFY2(s->pressEnter("txtEleRemote"), s->why());
    QVERIFY(s->edit("txtEleCulvert")->hasFocus());
    QTest::keyClicks(s->edit("txtEleCulvert"), QStringLiteral("1000"));
    QCOMPARE(s->culvert(0).EleCulvert, 1000.0);
    QCOMPARE(s->culvert(0).EleCulvertFt, 1000.0);
    QVERIFY2(s->pressEnter("txtEleCulvert"), s->why());
    QVERIFY(s->edit("txtLenTravel")->hasFocus());
    QTest::keyClicks(s->edit("txtLenTravel"), QStringLiteral("1000"));
    QCOMPARE(s->culvert(0).LenTravel, 1000.0);
    QCOMPARE(s->culvert(0).LenTravelFt, 1000.0);
    QVERIFY2(s->pressEnter("txtLenTravel"), s->why());
    QVERIFY(s->combo("cboTCFactorList")->hasFocus());

    QVERIFY2(s->pick("cboTCFactorList", entry::kNaturalBasins), s->why());
    QCOMPARE(s->text("lblCorFactor"), QStringLiteral("1"));
    QCOMPARE(s->culvert(0).CorFactor, 1.0);
    QCOMPARE(qs(s->culvert(0).CorFactorSource), QStringLiteral("Design Manual"));
    QVERIFY(messages.asked().empty());

    QVERIFY2(s->pressIntensity(), s->why());
    QVERIFY(messages.asked().empty());
    const QStringList lines = {
        "Culvert ID: C-1",
        "Ele. of Remote Point (ft):1010",
        "Ele. of Culvert Inlet (ft): 1000",
        "Len. of Travel (ft): 1000",
        "Slope (ft/ft): 0.01",
        "Corr. Factor: 1 (Design Manual)",
        "Corr. TC (min): 9.38",
        "Intensity (in/hr): 5.45 (138 mm/hr) ",
    };
    QCOMPARE(s->rows("lstIntensity"), lines);
    {
        const CulvertRecord& c = s->culvert(0);
        QCOMPARE(c.Slope, 0.01);
        QCOMPARE(c.CorTC, 9.38);
        QCOMPARE(c.Intensity, 5.5);  // the 5.45 of the line, to one decimal
        QVERIFY(c.Bracket.has_value());
        QCOMPARE(c.Bracket->CorTC, 9.38);
        QCOMPARE(c.Bracket->Dur1, 5.0);
        QCOMPARE(c.Bracket->Dur2, 10.0);
        QCOMPARE(c.Bracket->A1, 3.76);
        QCOMPARE(c.Bracket->B1, 1.31);
        QCOMPARE(c.Bracket->A2, 2.84);
        QCOMPARE(c.Bracket->B2, 1.08);
        QCOMPARE(qs(c.RetPeriod), QStringLiteral("10"));
        QCOMPARE(qs(c.RFZone), QStringLiteral("A"));
    }

    // The drainage page: station, then two sub-areas.
    QVERIFY2(s->showPage(kDrainagePage), s->why());
    QCOMPARE(s->text("lblCulvertID"), QStringLiteral("C-1"));
    QVERIFY2(s->replaceText("txtCulvertDescrpt", QStringLiteral("Sta 12+50")), s->why());
    QCOMPARE(qs(s->culvert(0).Description), QStringLiteral("Sta 12+50"));
    QVERIFY2(s->pressEnter("txtCulvertDescrpt"), s->why());
    QVERIFY(s->combo("cboSurface")->hasFocus());

    QVERIFY2(s->pick("cboSurface", entry::kAsphaltic), s->why());
    QCOMPARE(s->text("lblCValue"), QStringLiteral("0.81"));
    QVERIFY(s->edit("txtArea")->isEnabled());
    QVERIFY(s->edit("txtDesCrption")->isEnabled());
    QVERIFY(s->combo("cboAreaUnit")->isEnabled());
    QVERIFY2(s->typeInto("txtArea", QStringLiteral("2.5")), s->why());
    QVERIFY2(s->pressEnter("txtArea"), s->why());
    QVERIFY(s->combo("cboAreaUnit")->hasFocus());
    QVERIFY2(s->pick("cboAreaUnit", entry::kAcres), s->why());
    QVERIFY(s->w("cmdAdd")->isEnabled());
    QVERIFY2(s->pressEnter("cboAreaUnit"), s->why());
    QVERIFY(s->edit("txtDesCrption")->hasFocus());
    QTest::keyClicks(s->edit("txtDesCrption"), QStringLiteral("Ditch A"));
    QVERIFY2(s->pressEnter("txtDesCrption"), s->why());
    QVERIFY(s->w("cmdAdd")->hasFocus());
    QVERIFY2(s->click("cmdAdd"), s->why());

    const QString row1 = padded("Asphaltic", 35) + "," + padded("2.5 a", 10) + ",0.81," + padded("Ditch A", 10);
    QCOMPARE(row1.size(), 62);
    QCOMPARE(s->rows("lstAreaInfo"), QStringList{row1});
    QCOMPARE(s->text("lblLot"), QStringLiteral("1"));
    QCOMPARE(s->text("lblTA"), QStringLiteral("2.5"));
    QCOMPARE(s->text("lblWC"), QStringLiteral("0.81"));
    QCOMPARE(s->text("txtArea"), QString());
    QCOMPARE(s->text("txtDesCrption"), QString());
    QVERIFY(s->w("cmdRemove")->isEnabled());
    QVERIFY(s->w("cmdRemoveAll")->isEnabled());
    QVERIFY(s->combo("cboSurface")->hasFocus());

    QVERIFY2(s->addSubArea({entry::kGrassOver75Flat, {}, {}, QStringLiteral("3"), entry::kHectares,
                            QStringLiteral("Swale")}),
             s->why());
    QCOMPARE(s->text("lblCValue"), QStringLiteral("0.25"));
    const QString row2 =
        padded("Grass Areas (> 75%)-Flat 0~2%", 35) + "," + padded("3.0 h", 10) + ",0.25," + padded("Swale", 10);
    QCOMPARE(s->rows("lstAreaInfo"), (QStringList{row1, row2}));
    QCOMPARE(s->text("lblLot"), QStringLiteral("2"));
    QCOMPARE(s->text("lblTA"), QStringLiteral("9.9"));
    QCOMPARE(s->text("lblWC"), QStringLiteral("0.39"));

    const CulvertRecord& c = s->culvert(0);
    QCOMPARE(qs(c.NumOfAreas), QStringLiteral("2"));
    QCOMPARE(c.Areas.size(), std::size_t(2));
    QCOMPARE(describe(c.Areas[0]), describe(SubArea{"Asphaltic", 0.81, "2.5 a", 2.5, "Ditch A"}));
    QCOMPARE(describe(c.Areas[1]), describe(SubArea{"Grass Areas (> 75%)-Flat 0~2%", 0.25, "3.0 h", 7.4, "Swale"}));
    QCOMPARE(c.TotalArea, 9.9);
    QCOMPARE(c.WeightedC, 0.39);  // (0.81 x 2.5 + 0.25 x 7.4) / 9.9 = 0.3914
    QCOMPARE(qs(c.Description), QStringLiteral("Sta 12+50"));
    // The intensity inputs were not disturbed by the drainage page.
    QCOMPARE(c.Intensity, 5.5);
    QCOMPARE(c.CorTC, 9.38);
    QCOMPARE(qs(c.RetPeriod), QStringLiteral("10"));
    QVERIFY2(unsoundness(c).isEmpty(), qPrintable(unsoundness(c)));
    QVERIFY(messages.asked().empty());
}

void TestCulvertRoad::metricInputsInZoneB()
{
    // 310 m, 300 m and 500 m are 1017.05 ft, 984.24 ft and 1640.4 ft (3.2808 ft per m): slope
    // 0.02, Tc 10.51 min; zone B, 50 years: 7.54 in/hr.
    QVERIFY2(s->createCulvert(QStringLiteral("M7")), s->why());
    QVERIFY2(s->enterIntensityInputs({entry::k50Years, entry::kZoneB, QStringLiteral("310"), entry::kMetres,
                                      QStringLiteral("300"), entry::kMetres, QStringLiteral("500"), entry::kMetres,
                                      entry::kNaturalBasins, {}}),
             s->why());
    QVERIFY2(s->pressIntensity(), s->why());
    QCOMPARE(s->rows("lstIntensity"), (QStringList{
                                          "Culvert ID: M7",
                                          "Ele. of Remote Point (ft):1017.05",
                                          "Ele. of Culvert Inlet (ft): 984.24",
                                          "Len. of Travel (ft): 1640.4",
                                          "Slope (ft/ft): 0.02",
                                          "Corr. Factor: 1 (Design Manual)",
                                          "Corr. TC (min): 10.51",
                                          "Intensity (in/hr): 7.54 (191 mm/hr) ",
                                      }));
    const CulvertRecord& c = s->culvert(0);
    QCOMPARE(c.EleRemote, 310.0);
    QCOMPARE(qs(c.EleRemoteUnit), QStringLiteral("m"));
    QCOMPARE(c.EleRemoteFt, 1017.05);
    QCOMPARE(c.EleCulvert, 300.0);
    QCOMPARE(qs(c.EleCulvertUnit), QStringLiteral("m"));
    QCOMPARE(c.EleCulvertFt, 984.24);
    QCOMPARE(c.LenTravel, 500.0);
    QCOMPARE(qs(c.LenTravelUnit), QStringLiteral("m"));
    QCOMPARE(c.LenTravelFt, 1640.4);
    QCOMPARE(qs(c.RetPeriod), QStringLiteral("50"));
    QCOMPARE(qs(c.RFZone), QStringLiteral("B"));
    QCOMPARE(c.Intensity, 7.5);
    QVERIFY(c.Bracket.has_value());
    QCOMPARE(c.Bracket->Dur1, 10.0);
    QCOMPARE(c.Bracket->Dur2, 15.0);
    QVERIFY(m_h->desktop->messages().asked().empty());
}

QTEST_MAIN(TestCulvertRoad)
#include "tst_culvertroad.moc"
