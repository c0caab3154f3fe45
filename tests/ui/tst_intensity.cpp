// The intensity input editor: the key filter and the storing of the value boxes, the unit boxes,
// the correction factor from the list or typed, the Intensity and Clear buttons, the return
// period change that re-derives the drainage C values, the input checks, inputs the formulas
// cannot use, and arbitrary text typed into every box of both pages.

#include <QLabel>
#include <QRadioButton>

#include "core/messages.h"
#include "platform/backcolour.h"
#include "tests/ui/editorsteps.h"

using namespace sw;
using namespace sw::testing;

namespace {

const std::string kNumberOnly = "Please enter number only !";
const std::string kPositive = "Please provide positive value !";
const std::string kCUpdate =
    "Changing the return period affects the C values for the drainage areas\r"
    "(see drainage chapter of Design Manual).\r"
    "The C values and Drainage Area information have been updated automatically.";

const IntensityInputs kInputs1{entry::k10Years, entry::kZoneA, "1010", entry::kFeet, "1000", entry::kFeet,
                               "1000", entry::kFeet, entry::kNaturalBasins, {}};
const QStringList kLines1 = {
    "Culvert ID: R",       "Ele. of Remote Point (ft):1010", "Ele. of Culvert Inlet (ft): 1000",
    "Len. of Travel (ft): 1000", "Slope (ft/ft): 0.01",     "Corr. Factor: 1 (Design Manual)",
    "Corr. TC (min): 9.38", "Intensity (in/hr): 5.45 (138 mm/hr) ",
};
const SubAreaInput kDitch{entry::kAsphaltic, {}, {}, "2.5", entry::kAcres, "Ditch A"};
const SubAreaInput kLot{-1, "Gravel lot", "0.5", "5", entry::kHectares, "Lot"};

bool hasIntensityLine(const QStringList& lines)
{
    for (const QString& line : lines)
        if (line.startsWith(QStringLiteral("Intensity (in/hr)")))
            return true;
    return false;
}

}  // namespace

class TestIntensity : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void keyFilter_data();
    void keyFilter();
    void minusIntoTheLength();
    void keysTouchTheProject();
    void enterMovesAlongThePage();
    void unitBoxes();
    void pickingAFactor_data();
    void pickingAFactor();
    void factorBelowFiveMinutes();
    void typedFactor();
    void chosenCulvertListsItsResults();
    void clearEmptiesTheListOnly();
    void intensityWithoutCulvertDoesNothing();
    void returnPeriodChangeUpdatesTheDrainageC();
    void returnPeriodChangeWithoutRowsIsSilent();
    void inputChecks_data();
    void inputChecks();
    void unusableInputsLeaveNoIntensity_data();
    void unusableInputsLeaveNoIntensity();
    void unknownUnitIsNotComputedAsMinusOneFoot_data();
    void unknownUnitIsNotComputedAsMinusOneFoot();
    void arbitraryTextInEveryBox_data();
    void arbitraryTextInEveryBox();

private:
    // Culvert R with the inputs of kInputs1 and its intensity computed.
    bool computedCulvert();
    AppState& state() { return *m_h->state; }
    auto& messages() { return m_h->desktop->messages(); }

    std::unique_ptr<MainWindowHarness> m_h;
    std::unique_ptr<EditorSteps> s;
};

void TestIntensity::init()
{
    m_h = std::make_unique<MainWindowHarness>();
    m_h->create();
    s = std::make_unique<EditorSteps>(*m_h);
    QVERIFY(m_h->showActive());
}

void TestIntensity::cleanup()
{
    s.reset();
    SW_VERIFY_NO_WINDOW_LEFT(*m_h);
    m_h.reset();
}

bool TestIntensity::computedCulvert()
{
    return s->createCulvert("R") && s->enterIntensityInputs(kInputs1) && s->pressIntensity() &&
           s->rows("lstIntensity") == kLines1;
}

void TestIntensity::keyFilter_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<int>("refusedKeys");
    QTest::addColumn<double>("stored");
    QTest::newRow("12a into the remote elevation") << "txtEleRemote" << "12a" << 1 << 12.0;
    QTest::newRow("slash") << "txtEleCulvert" << "10/2" << 1 << 10.0;
    QTest::newRow("comma") << "txtLenTravel" << "1,5" << 1 << 1.0;
    QTest::newRow("blank inside the number") << "txtEleCulvert" << "1 0" << 1 << 10.0;
    QTest::newRow("digits and a point pass") << "txtEleRemote" << "101.25" << 0 << 101.25;
    QTest::newRow("letters only") << "txtLenTravel" << "abc" << 3 << 0.0;
}

void TestIntensity::keyFilter()
{
    QFETCH(QString, box);
    QFETCH(QString, keys);
    QFETCH(int, refusedKeys);
    QFETCH(double, stored);
    QVERIFY2(s->createCulvert("K"), s->why());
    QVERIFY2(s->pick("cboRFzone", entry::kZoneA), s->why());
    QVERIFY2(s->typeInto(qPrintable(box), keys), s->why());

    QCOMPARE(messages().asked().size(), std::size_t(refusedKeys));
    QCOMPARE(messages().count(kNumberOnly), refusedKeys);
    // The refused key still reaches the box, and the focus stays there.
    QCOMPARE(s->text(qPrintable(box)), keys);
    QVERIFY(s->w(qPrintable(box))->hasFocus());
    const CulvertRecord& c = s->culvert(0);
    const double value = box == "txtEleRemote" ? c.EleRemote : box == "txtEleCulvert" ? c.EleCulvert : c.LenTravel;
    const double feet = box == "txtEleRemote" ? c.EleRemoteFt : box == "txtEleCulvert" ? c.EleCulvertFt : c.LenTravelFt;
    const std::string& unit =
        box == "txtEleRemote" ? c.EleRemoteUnit : box == "txtEleCulvert" ? c.EleCulvertUnit : c.LenTravelUnit;
    QCOMPARE(value, stored);
    QCOMPARE(feet, stored);
    QCOMPARE(qs(unit), QStringLiteral("ft"));

    // Backspace passes silently and stores what is left.
    messages().clearRecord();
    QTest::keyClick(s->w(qPrintable(box)), Qt::Key_Backspace);
    QVERIFY(messages().asked().empty());
    QCOMPARE(s->text(qPrintable(box)), keys.chopped(1));
}

void TestIntensity::minusIntoTheLength()
{
    QVERIFY2(s->createCulvert("K"), s->why());
    QVERIFY2(s->replaceText("txtLenTravel", "300"), s->why());
    QCOMPARE(s->culvert(0).LenTravel, 300.0);
    messages().clearRecord();

    QLineEdit* length = s->edit("txtLenTravel");
    length->selectAll();
    QTest::keyClicks(length, "-");
    QCOMPARE(messages().texts(), std::vector<std::string>{kNumberOnly});
    QCOMPARE(length->text(), QStringLiteral("-"));
    QCOMPARE(s->culvert(0).LenTravel, 0.0);
    QCOMPARE(s->culvert(0).LenTravelFt, 0.0);

    QTest::keyClicks(length, "5");
    QCOMPARE(messages().texts(), (std::vector<std::string>{kNumberOnly, kPositive}));
    QCOMPARE(length->text(), QStringLiteral("-5"));
    QCOMPARE(s->culvert(0).LenTravel, 0.0);
    QCOMPARE(s->culvert(0).LenTravelFt, 0.0);
    QVERIFY(length->hasFocus());

    // Another negative number set from code is refused the same way; a positive one is stored.
    messages().clearRecord();
    length->setText(QStringLiteral("-12"));
    QCOMPARE(messages().texts(), std::vector<std::string>{kPositive});
    QCOMPARE(s->culvert(0).LenTravel, 0.0);
    length->setText(QStringLiteral("12"));
    QCOMPARE(s->culvert(0).LenTravel, 12.0);
}

void TestIntensity::keysTouchTheProject()
{
    QVERIFY2(s->createCulvert("K"), s->why());
    for (const char* name : {"txtEleRemote", "txtEleCulvert", "txtLenTravel"}) {
        state().IsPristine = true;
        QVERIFY2(s->focusOn(s->w(name)), s->why());
        QTest::keyClick(s->w(name), Qt::Key_Backspace);
        QVERIFY2(!state().IsPristine, name);
    }
    // The typed factor refuses no key.
    QVERIFY2(s->click("optUser"), s->why());
    state().IsPristine = true;
    messages().clearRecord();
    QVERIFY2(s->typeInto("txtCorFactor", "1,2x"), s->why());
    QVERIFY(messages().asked().empty());
    QVERIFY(!state().IsPristine);
    QCOMPARE(s->text("txtCorFactor"), QStringLiteral("1,2x"));
    QCOMPARE(s->culvert(0).CorFactor, 1.0);
    // A pick in the factor list touches the project too.
    QVERIFY2(s->click("optManual"), s->why());
    state().IsPristine = true;
    QVERIFY2(s->pick("cboTCFactorList", entry::kCultivatedFarmland), s->why());
    QVERIFY(!state().IsPristine);
}

void TestIntensity::enterMovesAlongThePage()
{
    QVERIFY2(s->createCulvert("K"), s->why());
    QVERIFY(s->combo("cboretPeriod")->hasFocus());
    const std::vector<const char*> chain = {"cboretPeriod",  "cboRFzone",       "txtEleRemote", "txtEleCulvert",
                                            "txtLenTravel", "cboTCFactorList", "cmdIntensity"};
    for (std::size_t i = 0; i + 1 < chain.size(); ++i) {
        QVERIFY2(s->pressEnter(chain[i]), s->why());
        QVERIFY2(s->w(chain[i + 1])->hasFocus(), chain[i + 1]);
    }
    QVERIFY(messages().asked().empty());
    QCOMPARE(s->text("txtEleRemote"), QString());
    QCOMPARE(s->text("cboretPeriod"), QStringLiteral("2"));
}

void TestIntensity::unitBoxes()
{
    QVERIFY2(s->createCulvert("K"), s->why());
    QVERIFY2(s->pick("cboRFzone", entry::kZoneA), s->why());

    // Picked: unit and feet stored, the value not rewritten, the focus stays.
    QVERIFY2(s->replaceText("txtEleRemote", "100"), s->why());
    QVERIFY2(s->pick("cboRemoteUnit", entry::kMetres), s->why());
    const CulvertRecord& c = s->culvert(0);
    QCOMPARE(c.EleRemote, 100.0);
    QCOMPARE(qs(c.EleRemoteUnit), QStringLiteral("m"));
    QCOMPARE(c.EleRemoteFt, 328.08);
    QVERIFY(s->combo("cboRemoteUnit")->hasFocus());
    QVERIFY(s->w("txtEleCulvert")->isEnabled());

    // Typed: value, unit and feet stored, the focus moves on to the next value box.
    QVERIFY2(s->replaceText("txtEleCulvert", "300"), s->why());
    QVERIFY2(s->replaceText("cboCulvertUnit", "m"), s->why());
    QCOMPARE(c.EleCulvert, 300.0);
    QCOMPARE(qs(c.EleCulvertUnit), QStringLiteral("m"));
    QCOMPARE(c.EleCulvertFt, 984.24);
    QVERIFY(s->edit("txtLenTravel")->hasFocus());

    // The length's next box, the typed factor, is hidden: the focus stays.
    QVERIFY2(s->replaceText("txtLenTravel", "500"), s->why());
    QVERIFY2(s->replaceText("cboTravelUnit", "m"), s->why());
    QCOMPARE(c.LenTravel, 500.0);
    QCOMPARE(qs(c.LenTravelUnit), QStringLiteral("m"));
    QCOMPARE(c.LenTravelFt, 1640.4);
    QVERIFY(s->combo("cboTravelUnit")->hasFocus());

    // Back to feet by a pick.
    QVERIFY2(s->pick("cboRemoteUnit", entry::kFeet), s->why());
    QCOMPARE(c.EleRemoteFt, 100.0);
    QCOMPARE(qs(c.EleRemoteUnit), QStringLiteral("ft"));
    QVERIFY(messages().asked().empty());
}

void TestIntensity::pickingAFactor_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<double>("value");
    QTest::newRow("natural basins with well defined channels") << 0 << "1" << 1.0;
    QTest::newRow("overland flow on bare earth") << 1 << "1" << 1.0;
    QTest::newRow("mowed grass roadside channels") << 2 << "1" << 1.0;
    QTest::newRow("overland flow, grassed surface") << 3 << "2" << 2.0;
    QTest::newRow("overland flow, concrete or asphalt surface") << 4 << "0.4" << 0.4;
    QTest::newRow("concrete channel") << 5 << "0.2" << 0.2;
    QTest::newRow("cultivated farmland") << 6 << "1.5" << 1.5;
}

void TestIntensity::pickingAFactor()
{
    QFETCH(int, index);
    QFETCH(QString, shown);
    QFETCH(double, value);
    QVERIFY2(s->createCulvert("K"), s->why());
    // Start from another value so that the pick has to change it.
    QVERIFY2(s->pick("cboTCFactorList", index == 3 ? 4 : 3), s->why());
    state().IsPristine = true;
    QVERIFY2(s->pick("cboTCFactorList", index), s->why());
    QCOMPARE(s->text("lblCorFactor"), shown);
    QCOMPARE(s->text("txtCorFactor"), shown);
    QCOMPARE(s->culvert(0).CorFactor, value);
    QCOMPARE(qs(s->culvert(0).CorFactorSource), QStringLiteral("Design Manual"));
    QVERIFY(!state().IsPristine);
    QVERIFY(!s->w("lblCorFactor")->isHidden());
    QVERIFY(s->w("txtCorFactor")->isHidden());
    QVERIFY(messages().asked().empty());
}

void TestIntensity::factorBelowFiveMinutes()
{
    // Factor 0.4 makes 9.38 min into 3.75: the floor of 5 minutes applies, the 5-minute intensity.
    QVERIFY2(s->createCulvert("R"), s->why());
    IntensityInputs in = kInputs1;
    in.factor = entry::kConcreteOrAsphaltOverland;
    QVERIFY2(s->enterIntensityInputs(in), s->why());
    QVERIFY2(s->pressIntensity(), s->why());
    QCOMPARE(s->rows("lstIntensity").mid(5), (QStringList{"Corr. Factor: 0.4 (Design Manual)", "Corr. TC (min): 5",
                                                          "Intensity (in/hr): 6.71 (170 mm/hr) "}));
    QCOMPARE(s->culvert(0).CorTC, 5.0);
    QCOMPARE(s->culvert(0).Intensity, 6.7);
}

void TestIntensity::typedFactor()
{
    QVERIFY2(s->createCulvert("R"), s->why());
    IntensityInputs in = kInputs1;
    in.factor = entry::kConcreteOrAsphaltOverland;
    QVERIFY2(s->enterIntensityInputs(in), s->why());
    QCOMPARE(s->culvert(0).CorFactor, 0.4);

    QVERIFY2(s->click("optUser"), s->why());
    QVERIFY(s->w<QRadioButton>("optUser")->isChecked());
    QVERIFY(!s->w("txtCorFactor")->isHidden());
    QVERIFY(s->w("cboTCFactorList")->isHidden());
    QVERIFY(s->w("lblCorFactor")->isHidden());
    QCOMPARE(s->text("txtCorFactor"), QString());
    QVERIFY(s->edit("txtCorFactor")->hasFocus());
    QCOMPARE(s->culvert(0).CorFactor, 0.0);
    QCOMPARE(qs(s->culvert(0).CorFactorSource), QStringLiteral("User Defined"));

    state().IsPristine = true;
    QTest::keyClicks(s->edit("txtCorFactor"), "1.2");
    QCOMPARE(s->culvert(0).CorFactor, 1.2);
    QCOMPARE(qs(s->culvert(0).CorFactorSource), QStringLiteral("User Defined"));
    QCOMPARE(s->text("lblCorFactor"), QStringLiteral("1.2"));
    QVERIFY(!state().IsPristine);

    // Leaving the typed factor goes on to the Intensity button.
    s->edit("txtEleRemote")->setFocus(Qt::MouseFocusReason);
    QTRY_VERIFY(s->w("cmdIntensity")->hasFocus());

    QVERIFY2(s->pressIntensity(), s->why());
    QCOMPARE(s->rows("lstIntensity").mid(5), (QStringList{"Corr. Factor: 1.2 (User Defined)", "Corr. TC (min): 11.25",
                                                          "Intensity (in/hr): 5.05 (128 mm/hr) "}));
    QCOMPARE(s->culvert(0).CorTC, 11.25);

    // Back to the list: shown with its first entry, the source follows, the value stays.
    QVERIFY2(s->click("optManual"), s->why());
    QVERIFY(!s->w("cboTCFactorList")->isHidden());
    QVERIFY(s->w("txtCorFactor")->isHidden());
    QVERIFY(!s->w("lblCorFactor")->isHidden());
    QCOMPARE(s->text("cboTCFactorList"), QStringLiteral("natural basins with well defined channels"));
    QCOMPARE(qs(s->culvert(0).CorFactorSource), QStringLiteral("Design Manual"));
    QCOMPARE(s->culvert(0).CorFactor, 1.2);
    QVERIFY(messages().asked().empty());
}

void TestIntensity::chosenCulvertListsItsResults()
{
    QVERIFY2(s->createCulvert("M"), s->why());
    QVERIFY2(s->enterIntensityInputs({entry::k50Years, entry::kZoneB, "310", entry::kMetres, "300", entry::kMetres,
                                      "500", entry::kMetres, -1, "1.2"}),
             s->why());
    QVERIFY2(s->pressIntensity(), s->why());
    QVERIFY2(s->createCulvert("F"), s->why());
    QVERIFY2(s->enterIntensityInputs(kInputs1), s->why());
    QVERIFY2(s->pressIntensity(), s->why());
    const CulvertRecord stored = s->culvert(0);

    QVERIFY2(s->pick("cboCulvertNo2", 0), s->why());
    QVERIFY(messages().asked().empty());
    QCOMPARE(state().CurCulvert, std::int16_t(0));
    QCOMPARE(s->rows("lstIntensity"), (QStringList{
                                          "Culvert ID: M",
                                          "Ele. of Remote Point (ft):1017.05",
                                          "Ele. of Culvert Inlet (ft): 984.24",
                                          "Len. of Travel (ft): 1640.4",
                                          "Slope (ft/ft): 0.02",
                                          "Corr. Factor: 1.2 (User Defined)",
                                          "Corr. TC (min): 12.62",
                                          "Intensity (in/hr): 7.04 (178 mm/hr) ",
                                      }));
    QCOMPARE(s->text("cboretPeriod"), QStringLiteral("50"));
    QCOMPARE(s->text("cboRFzone"), QStringLiteral("B"));
    QCOMPARE(s->text("txtEleRemote"), QStringLiteral("310"));
    QCOMPARE(s->text("cboRemoteUnit"), QStringLiteral("m"));
    QCOMPARE(s->text("txtEleCulvert"), QStringLiteral("300"));
    QCOMPARE(s->text("cboCulvertUnit"), QStringLiteral("m"));
    QCOMPARE(s->text("txtLenTravel"), QStringLiteral("500"));
    QCOMPARE(s->text("cboTravelUnit"), QStringLiteral("m"));
    QCOMPARE(s->text("txtCorFactor"), QStringLiteral("1.2"));
    QVERIFY(s->w<QRadioButton>("optUser")->isChecked());
    QVERIFY(!s->w<QRadioButton>("optManual")->isChecked());
    QVERIFY(s->w("lblCorFactor")->isHidden());
    QVERIFY(state().EditorsLive);
    SW_COMPARE_LINES(describeInputs(s->culvert(0)), describeInputs(stored));
    QCOMPARE(s->culvert(0).CorTC, 12.62);
    QCOMPARE(s->culvert(0).Intensity, 7.0);
}

void TestIntensity::clearEmptiesTheListOnly()
{
    QVERIFY2(computedCulvert(), s->why());
    const CulvertRecord before = s->culvert(0);
    QVERIFY2(s->click("cmdClear"), s->why());
    QCOMPARE(s->list("lstIntensity")->count(), 0);
    QVERIFY(s->culvert(0) == before);
    QCOMPARE(state().CurCulvert, std::int16_t(0));
    QCOMPARE(s->text("txtEleRemote"), QStringLiteral("1010"));
    QVERIFY(messages().asked().empty());
}

void TestIntensity::intensityWithoutCulvertDoesNothing()
{
    QVERIFY2(s->showPage(kIntensityPage), s->why());
    QVERIFY2(s->click("cmdIntensity"), s->why());
    QVERIFY(messages().asked().empty());
    QCOMPARE(s->list("lstIntensity")->count(), 0);
    QVERIFY(state().CulvertList.empty());
    QCOMPARE(state().CurCulvert, kNoCulvert);

    // Nor after the current culvert has been deleted.
    QVERIFY2(computedCulvert(), s->why());
    QVERIFY2(s->createCulvert("S"), s->why());
    messages().queueYesNo(YesNo::Yes);
    QVERIFY2(s->click("cmdDelCulvertNo2"), s->why());
    messages().clearRecord();
    const CulvertRecord first = s->culvert(0);
    QVERIFY2(s->click("cmdIntensity"), s->why());
    QVERIFY(messages().asked().empty());
    QVERIFY(state().CurCulvert < 0);
    QVERIFY(s->culvert(0) == first);
}

void TestIntensity::returnPeriodChangeUpdatesTheDrainageC()
{
    QVERIFY2(computedCulvert(), s->why());
    QVERIFY2(s->addSubArea(kDitch), s->why());
    QVERIFY2(s->addSubArea(kLot), s->why());
    QCOMPARE(s->culvert(0).WeightedC, 0.55);
    const QStringList addedRows = s->rows("lstAreaInfo");
    QCOMPARE(addedRows.size(), 2);

    QVERIFY2(s->showPage(kIntensityPage), s->why());
    QVERIFY2(s->pick("cboretPeriod", entry::k50Years), s->why());
    QCOMPARE(messages().asked().size(), std::size_t(1));
    QCOMPARE(messages().asked().front().kind, AskedMessage::Kind::Ok);
    QCOMPARE(qs(messages().asked().front().text), qs(kCUpdate));

    const CulvertRecord& c = s->culvert(0);
    QCOMPARE(qs(c.RetPeriod), QStringLiteral("50"));
    QCOMPARE(s->rows("lstAreaInfo"), (QStringList{"Asphaltic,2.5 a,0.90,Ditch A", "Gravel lot,5 h,0.50,Lot"}));
    QCOMPARE(c.Areas.size(), std::size_t(2));
    QCOMPARE(describe(c.Areas[0]), describe(SubArea{"Asphaltic", 0.9, "2.5 a", 2.5, "Ditch A"}));
    QCOMPARE(describe(c.Areas[1]), describe(SubArea{"Gravel lot", 0.5, "5 h", 12.4, "Lot"}));
    // (0.9 x 2.5 + 0.5 x 12.4) / 14.9 = 0.567
    QCOMPARE(c.TotalArea, 14.9);
    QCOMPARE(c.WeightedC, 0.57);
    QCOMPARE(s->text("lblTA"), QStringLiteral("14.9"));
    QCOMPARE(s->text("lblWC"), QStringLiteral("0.57"));
    QCOMPARE(s->text("lblLot"), QStringLiteral("2"));
    QCOMPARE(qs(c.NumOfAreas), QStringLiteral("2"));
    QVERIFY(s->w("txtCulvertDescrpt")->isEnabled());
    QVERIFY(s->w("cboSurface")->isEnabled());

    // The same period picked again changes nothing.
    messages().clearRecord();
    const CulvertRecord updated = s->culvert(0);
    QVERIFY2(s->pick("cboretPeriod", entry::k50Years), s->why());
    QVERIFY(messages().asked().empty());
    SW_COMPARE_LINES(describeInputs(s->culvert(0)), describeInputs(updated));
    QCOMPARE(s->rows("lstAreaInfo"), (QStringList{"Asphaltic,2.5 a,0.90,Ditch A", "Gravel lot,5 h,0.50,Lot"}));

    // And back to 2 years.
    QVERIFY2(s->pick("cboretPeriod", entry::k2Years), s->why());
    QCOMPARE(messages().texts(), std::vector<std::string>{kCUpdate});
    QCOMPARE(c.Areas[0].C, 0.73);
    QCOMPARE(c.Areas[1].C, 0.5);
    QCOMPARE(qs(c.RetPeriod), QStringLiteral("2"));
}

void TestIntensity::returnPeriodChangeWithoutRowsIsSilent()
{
    QVERIFY2(computedCulvert(), s->why());
    QVERIFY2(s->pick("cboretPeriod", entry::k25Years), s->why());
    QVERIFY(messages().asked().empty());
    QCOMPARE(qs(s->culvert(0).RetPeriod), QStringLiteral("25"));
    QCOMPARE(s->list("lstAreaInfo")->count(), 0);
    // The next Intensity uses it: 6.5 in/hr for 25 years.
    QVERIFY2(s->pressIntensity(), s->why());
    QCOMPARE(s->rows("lstIntensity").last(), QStringLiteral("Intensity (in/hr): 6.5 (165 mm/hr) "));
    QCOMPARE(s->culvert(0).Intensity, 6.5);
}

void TestIntensity::inputChecks_data()
{
    QTest::addColumn<QString>("remote");
    QTest::addColumn<int>("remoteUnit");
    QTest::addColumn<QString>("inlet");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    using entry::kFeet;
    using entry::kMetres;
    QTest::newRow("remote 0") << "0" << kFeet << "1000" << "1000" << qs(std::string(msg::kRemoteZero)) << "txtEleRemote";
    QTest::newRow("remote empty") << "" << kFeet << "1000" << "1000" << qs(std::string(msg::kRemoteZero))
                                  << "txtEleRemote";
    QTest::newRow("inlet 0") << "1010" << kFeet << "0" << "1000" << qs(std::string(msg::kInletZero)) << "txtEleCulvert";
    QTest::newRow("length empty") << "1010" << kFeet << "1000" << "" << qs(std::string(msg::kLengthZero))
                                  << "txtLenTravel";
    QTest::newRow("all zero: the remote first") << "0" << kFeet << "0" << "0" << qs(std::string(msg::kRemoteZero))
                                                << "txtEleRemote";
    QTest::newRow("300 m is below 1000 ft") << "300" << kMetres << "1000" << "1000"
                                            << qs(std::string(msg::kRemoteBelowInlet)) << "txtEleCulvert";
}

void TestIntensity::inputChecks()
{
    QFETCH(QString, remote);
    QFETCH(int, remoteUnit);
    QFETCH(QString, inlet);
    QFETCH(QString, length);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QVERIFY2(computedCulvert(), s->why());
    const CulvertRecord before = s->culvert(0);

    QVERIFY2(s->replaceText("txtEleRemote", remote), s->why());
    QVERIFY2(s->pick("cboRemoteUnit", remoteUnit), s->why());
    QVERIFY2(s->replaceText("txtEleCulvert", inlet), s->why());
    QVERIFY2(s->replaceText("txtLenTravel", length), s->why());
    messages().clearRecord();
    QVERIFY2(s->pressIntensity(), s->why());

    QCOMPARE(messages().asked().size(), std::size_t(1));
    QCOMPARE(messages().asked().front().kind, AskedMessage::Kind::Ok);
    QCOMPARE(qs(messages().asked().front().text), message);
    QVERIFY2(s->w(qPrintable(focus))->hasFocus(), qPrintable(focus + " has no focus; " + EditorSteps::focusHolder() + " has"));
    if (focus == "txtEleCulvert")
        QCOMPARE(backColourOf(s->w("txtEleCulvert")), QColor(192, 255, 255));
    // Nothing computed or listed.
    QCOMPARE(s->rows("lstIntensity"), kLines1);
    const CulvertRecord& c = s->culvert(0);
    QCOMPARE(c.Slope, before.Slope);
    QCOMPARE(c.CorTC, before.CorTC);
    QCOMPARE(c.Intensity, before.Intensity);
    QVERIFY(c.Bracket == before.Bracket);
}

void TestIntensity::unusableInputsLeaveNoIntensity_data()
{
    QTest::addColumn<QString>("remote");
    QTest::addColumn<QString>("inlet");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("period");  // typed over the return period when not empty
    QTest::addColumn<QString>("zone");    // typed over the zone when not empty
    QTest::addColumn<QString>("message"); // "*": a message or none
    QTest::addColumn<bool>("noTc");
    QTest::newRow("equal elevations: slope 0") << "1010" << "1010" << "1000" << "" << ""
                                                << qs(std::string(msg::kSlopeNotPositive)) << true;
    QTest::newRow("remote just above the inlet: slope rounds to 0")
        << "1000.001" << "1000" << "1000" << "" << "" << qs(std::string(msg::kSlopeNotPositive)) << true;
    QTest::newRow("negative length") << "1010" << "1000" << "-5" << "" << "" << qs(std::string(msg::kLengthNotPositive))
                                     << true;
    QTest::newRow("return period of 1 typed") << "1010" << "1000" << "1000" << "1" << ""
                                               << qs(std::string(msg::kReturnPeriodTooShort)) << false;
    QTest::newRow("return period 1e400 typed") << "1010" << "1000" << "1000" << "1e400" << ""
                                                << qs(std::string(msg::kReturnPeriodTooShort)) << false;
    QTest::newRow("Tc beyond 1440 minutes")
        << "2000" << "1000" << "1000000" << "" << ""
        << qs(std::string(msg::kTcBeyondTable1) + "4646.16" + std::string(msg::kTcBeyondTable2)) << false;
    QTest::newRow("zone typed as Z") << "1010" << "1000" << "1000" << "" << "Z" << "*" << false;
}

void TestIntensity::unusableInputsLeaveNoIntensity()
{
    QFETCH(QString, remote);
    QFETCH(QString, inlet);
    QFETCH(QString, length);
    QFETCH(QString, period);
    QFETCH(QString, zone);
    QFETCH(QString, message);
    QFETCH(bool, noTc);
    // A good intensity first, so that a stale one would show.
    QVERIFY2(computedCulvert(), s->why());
    QCOMPARE(s->culvert(0).Intensity, 5.5);

    QVERIFY2(s->replaceText("txtEleRemote", remote), s->why());
    QVERIFY2(s->replaceText("txtEleCulvert", inlet), s->why());
    QVERIFY2(s->replaceText("txtLenTravel", length), s->why());
    if (!period.isEmpty())
        QVERIFY2(s->replaceText("cboretPeriod", period), s->why());
    if (!zone.isEmpty())
        QVERIFY2(s->replaceText("cboRFzone", zone), s->why());
    messages().clearRecord();
    QVERIFY2(s->pressIntensity(), s->why());

    if (message != "*") {
        QCOMPARE(messages().asked().size(), std::size_t(1));
        QCOMPARE(messages().asked().front().kind, AskedMessage::Kind::Ok);
        QCOMPARE(qs(messages().asked().front().text), message);
    }
    const CulvertRecord& c = s->culvert(0);
    QVERIFY2(!hasIntensityLine(s->rows("lstIntensity")), qPrintable(s->rows("lstIntensity").join('|')));
    QCOMPARE(c.Intensity, 0.0);
    QVERIFY(!c.Bracket.has_value());
    if (noTc)
        QCOMPARE(c.CorTC, 0.0);
    QVERIFY2(unsoundness(c).isEmpty(), qPrintable(unsoundness(c)));
}

void TestIntensity::unknownUnitIsNotComputedAsMinusOneFoot_data()
{
    QTest::addColumn<QString>("unitBox");
    QTest::addColumn<QStringList>("messages");  // the message is one of these
    QTest::addColumn<QString>("focus");         // empty: not checked
    QTest::addColumn<QString>("minusOneLine");
    const QString unknown = qs(std::string(msg::kUnitUnknown));
    QTest::newRow("remote elevation") << "cboRemoteUnit" << QStringList{unknown} << "cboRemoteUnit"
                                      << "Ele. of Remote Point (ft):-1";
    QTest::newRow("inlet elevation") << "cboCulvertUnit" << QStringList{unknown} << "cboCulvertUnit"
                                     << "Ele. of Culvert Inlet (ft): -1";
    QTest::newRow("length of travel") << "cboTravelUnit"
                                      << QStringList{unknown, qs(std::string(msg::kLengthNotPositive))} << ""
                                      << "Len. of Travel (ft): -1";
}

void TestIntensity::unknownUnitIsNotComputedAsMinusOneFoot()
{
    QFETCH(QString, unitBox);
    QFETCH(QStringList, messages);
    QFETCH(QString, focus);
    QFETCH(QString, minusOneLine);
    QVERIFY2(computedCulvert(), s->why());
    // The unit boxes take typing; "yd" is no unit the program knows (its feet value reads -1).
    QVERIFY2(s->replaceText(qPrintable(unitBox), "yd"), s->why());
    this->messages().clearRecord();
    QVERIFY2(s->pressIntensity(), s->why());
    QCOMPARE(this->messages().asked().size(), std::size_t(1));
    const std::string shown = this->messages().asked().front().text;
    QVERIFY2(messages.contains(qs(shown)), shown.c_str());
    if (!focus.isEmpty())
        QVERIFY2(s->w(qPrintable(focus))->hasFocus(), qPrintable(focus + " has no focus; " + EditorSteps::focusHolder() + " has"));
    const QStringList lines = s->rows("lstIntensity");
    QVERIFY2(!lines.contains(minusOneLine), qPrintable(lines.join('|')));
    // Either refused before anything was stored (the former results stay) or withdrawn.
    const CulvertRecord& c = s->culvert(0);
    if (lines == kLines1) {
        QCOMPARE(c.Intensity, 5.5);
        QCOMPARE(c.CorTC, 9.38);
    } else {
        QVERIFY2(!hasIntensityLine(lines), qPrintable(lines.join('|')));
        QCOMPARE(c.Intensity, 0.0);
        QVERIFY(!c.Bracket.has_value());
    }
    QVERIFY2(unsoundness(c).isEmpty(), qPrintable(unsoundness(c)));
}

void TestIntensity::arbitraryTextInEveryBox_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("page");
    for (const char* name : {"txtEleRemote", "txtEleCulvert", "txtLenTravel", "txtCorFactor", "cboretPeriod",
                             "cboRFzone", "cboRemoteUnit", "cboCulvertUnit", "cboTravelUnit", "cboCulvertNo2"})
        QTest::newRow(name) << QString::fromLatin1(name) << kIntensityPage;
    for (const char* name : {"cboCulvertNo1", "txtCulvertDescrpt", "cboSurface", "txtUserC", "txtUserSurface",
                             "txtArea", "txtDesCrption"})
        QTest::newRow(name) << QString::fromLatin1(name) << kDrainagePage;
}

void TestIntensity::arbitraryTextInEveryBox()
{
    QFETCH(QString, box);
    QFETCH(int, page);
    const QStringList texts = {
        "abc",  "!@#$%^&*()_+{}|:\"<>?", "1e400", "99999999", "-1", "1e308", QString(320, QLatin1Char('9')),
        "0.0000001", QString::fromUtf8("\xc3\x85\xc3\x84\xe2\x82\xac\xe4\xb8\xad"), ",,,", " ", "12a", "",
    };
    QVERIFY2(computedCulvert(), s->why());
    QVERIFY2(s->addSubArea(kDitch), s->why());
    QVERIFY2(s->createCulvert("S"), s->why());
    QVERIFY2(s->typeCulvertId("R"), s->why());

    const auto sound = [this]() -> QString {
        QString out;
        for (std::size_t i = 0; i < state().CulvertList.size(); ++i)
            out += unsoundness(state().CulvertList[i]);
        if (state().CurCulvert >= 0 && static_cast<std::size_t>(state().CurCulvert) < state().CulvertList.size() &&
            s->list("lstAreaInfo")->count() != declaredAreaCount(s->culvert(state().CurCulvert)))
            out += QStringLiteral("the rows do not mirror the current culvert's sub-areas; ");
        return out;
    };

    for (const QString& text : texts) {
        QVERIFY2(s->showPage(page), s->why());
        if (box == "txtCorFactor" && !s->w<QRadioButton>("optUser")->isChecked())
            QVERIFY2(s->click("optUser"), s->why());
        if ((box == "txtUserC" || box == "txtUserSurface") && !s->w<QRadioButton>("optUserC")->isChecked())
            QVERIFY2(s->click("optUserC"), s->why());
        if (!s->w(qPrintable(box))->isEnabled())
            continue;  // nobody can type there now (no current culvert)
        QVERIFY2(s->replaceText(qPrintable(box), text), s->why());
        QString wrong = sound();
        QVERIFY2(wrong.isEmpty(), qPrintable(text + ": " + wrong));

        // Whatever the boxes hold, the buttons neither crash nor store what a record cannot hold.
        // The other entry boxes get plain values, so that the odd text is what Add has to take.
        if (page == kDrainagePage && s->w("cmdAdd")->isEnabled()) {
            if (box == "txtUserC")
                QVERIFY2(s->replaceText("txtUserSurface", "Yard"), s->why());
            if (box == "txtUserSurface")
                QVERIFY2(s->replaceText("txtUserC", "0.5"), s->why());
            if (box != "txtArea" && s->w("txtArea")->isEnabled())
                QVERIFY2(s->replaceText("txtArea", "1"), s->why());
            QVERIFY2(s->click("cmdAdd"), s->why());
        }
        wrong = sound();
        QVERIFY2(wrong.isEmpty(), qPrintable(text + " then Add: " + wrong));
        QVERIFY2(s->pressIntensity(), s->why());
        wrong = sound();
        QVERIFY2(wrong.isEmpty(), qPrintable(text + " then Intensity: " + wrong));
        if (state().CurCulvert >= 0 && s->w("cboretPeriod")->isEnabled()) {
            QVERIFY2(s->pick("cboretPeriod", entry::k100Years), s->why());
            QVERIFY2(s->pick("cboretPeriod", entry::k10Years), s->why());
        }
        wrong = sound();
        QVERIFY2(wrong.isEmpty(), qPrintable(text + " then a return period: " + wrong));
    }
    QVERIFY(m_h->window->isVisible());
}

QTEST_MAIN(TestIntensity)
#include "tst_intensity.moc"
