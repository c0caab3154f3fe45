// The culvert list: creating culverts by typing an ID, choosing the current culvert by typing or
// from either culvert box, the station/description box, deleting, and the states of the
// intensity page with and without a current culvert.

#include <QLabel>
#include <QRadioButton>

#include "platform/backcolour.h"
#include "tests/ui/editorsteps.h"

using namespace sw;
using namespace sw::testing;

namespace {

const std::string kExists = "This culvert ID has existed, please rename your input";
const std::string kNothingToDelete = "No infomation found to be deleted!";
const std::string kDeleteQuestion = "All information for this culvert will be deleted, continue anyway ?";

const IntensityInputs kInputs1{entry::k10Years, entry::kZoneA, "1010", entry::kFeet, "1000", entry::kFeet,
                               "1000", entry::kFeet, entry::kNaturalBasins, {}};
const std::vector<SubAreaInput> kAreas1{{entry::kAsphaltic, {}, {}, "2.5", entry::kAcres, "Ditch A"}};

const IntensityInputs kInputs2{entry::k50Years, entry::kZoneB, "310", entry::kMetres, "300", entry::kMetres,
                               "500", entry::kMetres, entry::kConcreteOrAsphaltOverland, {}};
const std::vector<SubAreaInput> kAreas2{{entry::kConcreteRoof, {}, {}, "1.2", entry::kAcres, "Roof"}};

// Typed factor, two sub-areas of which one is user-defined.
const IntensityInputs kInputs3{entry::k100Years, entry::kZoneC, "1050", entry::kFeet, "1000", entry::kFeet,
                               "2000", entry::kFeet, -1, "1.5"};
const std::vector<SubAreaInput> kAreas3{{entry::kGrassOver75Flat, {}, {}, "3", entry::kHectares, "Swale"},
                                        {-1, "Gravel lot", "0.5", "5", entry::kHectares, "Lot"}};

// What the intensity list shows for culvert 1 and culvert 3.
const QStringList kLines1 = {
    "Culvert ID: 1",       "Ele. of Remote Point (ft):1010", "Ele. of Culvert Inlet (ft): 1000",
    "Len. of Travel (ft): 1000", "Slope (ft/ft): 0.01",     "Corr. Factor: 1 (Design Manual)",
    "Corr. TC (min): 9.38", "Intensity (in/hr): 5.45 (138 mm/hr) ",
};
const QStringList kLines3 = {
    "Culvert ID: 3",       "Ele. of Remote Point (ft):1050", "Ele. of Culvert Inlet (ft): 1000",
    "Len. of Travel (ft): 2000", "Slope (ft/ft): 0.025",    "Corr. Factor: 1.5 (User Defined)",
    "Corr. TC (min): 16.86", "Intensity (in/hr): 7.15 (181 mm/hr) ",
};

}  // namespace

class TestCulvertList : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void typedIdSelectsKeyByKey();
    void idsDifferInLetterCase();
    void enterOnAnExistingIdIsRefused();
    void leavingTheBox();
    void creatingPreparesTheEditorsAndKeepsTheOthers();
    void deletingTheMiddleOfThree();
    void deletingTheOnlyCulvert();
    void deleteAnsweredNo();
    void deleteWithoutCurrentCulvert();
    void caseOnlyStationChangeIsNotStored();
    void choosingACulvert_data();
    void choosingACulvert();
    void culvertWithoutSubAreasKeepsItsDescription_data();
    void culvertWithoutSubAreasKeepsItsDescription();
    void culvertWithoutIntensityInputsEmptiesTheValueBoxes_data();
    void culvertWithoutIntensityInputsEmptiesTheValueBoxes();

private:
    void verifyCulvertSelectedState();
    void verifyNoCulvertState();
    AppState& state() { return *m_h->state; }
    auto& messages() { return m_h->desktop->messages(); }

    std::unique_ptr<MainWindowHarness> m_h;
    std::unique_ptr<EditorSteps> s;
};

void TestCulvertList::init()
{
    m_h = std::make_unique<MainWindowHarness>();
    m_h->create();
    s = std::make_unique<EditorSteps>(*m_h);
    QVERIFY(m_h->showActive());
}

void TestCulvertList::cleanup()
{
    s.reset();
    SW_VERIFY_NO_WINDOW_LEFT(*m_h);
    m_h.reset();
}

void TestCulvertList::verifyCulvertSelectedState()
{
    for (const char* name : {"cboretPeriod", "cboRFzone", "cboTCFactorList", "cboRemoteUnit", "cboCulvertUnit",
                             "cboTravelUnit", "txtEleRemote", "txtEleCulvert", "txtLenTravel", "lblCorFactor",
                             "optManual", "optUser"})
        QVERIFY2(s->w(name)->isEnabled(), name);
    QVERIFY(!s->w("cmdFqyTable")->isHidden());
    QVERIFY(!s->w("cmdRFMap")->isHidden());
}

void TestCulvertList::verifyNoCulvertState()
{
    for (const char* name : {"cboretPeriod", "cboRFzone", "cboRemoteUnit", "cboCulvertUnit", "cboTravelUnit",
                             "lblCorFactor", "txtEleRemote", "txtEleCulvert", "txtLenTravel", "txtCulvertDescrpt"})
        QVERIFY2(!s->w(name)->isEnabled(), name);
    for (const char* name : {"txtEleRemote", "txtEleCulvert", "txtLenTravel", "txtCulvertDescrpt"})
        QVERIFY2(backColourOf(s->w(name)) == backColourValue(BackColour::ButtonFace), name);
    QVERIFY(s->w("cmdFqyTable")->isHidden());
    QVERIFY(s->w("cmdRFMap")->isHidden());
    QCOMPARE(s->list("lstAreaInfo")->count(), 0);
    QCOMPARE(s->list("lstIntensity")->count(), 0);
    QCOMPARE(s->text("lblLot"), QString());
    QCOMPARE(s->text("lblTA"), QString());
    QCOMPARE(s->text("lblWC"), QString());
    // These keep the state a culvert gave them.
    for (const char* name : {"cboTCFactorList", "optManual", "optUser"})
        QVERIFY2(s->w(name)->isEnabled(), name);
    QCOMPARE(state().CurCulvert, kNoCulvert);
}

void TestCulvertList::typedIdSelectsKeyByKey()
{
    QVERIFY2(s->createCulvert("1"), s->why());
    QVERIFY2(s->createCulvert("12"), s->why());
    QCOMPARE(entriesOf(s->combo("cboCulvertNo2")), (QStringList{"1", "12"}));
    QCOMPARE(entriesOf(s->combo("cboCulvertNo1")), (QStringList{"1", "12"}));
    QCOMPARE(state().CulvertList.size(), std::size_t(2));
    QCOMPARE(qs(s->culvert(1).CulvertNo), QStringLiteral("12"));

    QVERIFY2(s->replaceText("cboCulvertNo2", QString()), s->why());
    QCOMPARE(state().CurCulvert, std::int16_t(1));  // an empty box leaves the choice alone
    QVERIFY2(s->typeInto("cboCulvertNo2", "1"), s->why());
    QCOMPARE(state().CurCulvert, std::int16_t(0));
    QCOMPARE(s->text("lblCulvertID"), QStringLiteral("1"));
    QCOMPARE(s->text("cboCulvertNo1"), QStringLiteral("1"));
    QVERIFY2(s->typeInto("cboCulvertNo2", "2"), s->why());
    QCOMPARE(state().CurCulvert, std::int16_t(1));
    QCOMPARE(s->text("lblCulvertID"), QStringLiteral("12"));
    QCOMPARE(s->text("cboCulvertNo1"), QStringLiteral("12"));
    QVERIFY2(s->typeInto("cboCulvertNo2", "3"), s->why());
    QCOMPARE(state().CurCulvert, kUnknownCulvert);
    QCOMPARE(s->text("lblCulvertID"), QStringLiteral("12"));
    QCOMPARE(s->text("cboCulvertNo2"), QStringLiteral("123"));
    QCOMPARE(state().CulvertList.size(), std::size_t(2));
    QVERIFY(messages().asked().empty());
}

void TestCulvertList::idsDifferInLetterCase()
{
    QVERIFY2(s->createCulvert("a"), s->why());
    QVERIFY2(s->typeCulvertId("A"), s->why());
    QCOMPARE(state().CurCulvert, kUnknownCulvert);
    QVERIFY2(s->pressEnter("cboCulvertNo2"), s->why());
    QVERIFY(messages().asked().empty());
    QCOMPARE(entriesOf(s->combo("cboCulvertNo2")), (QStringList{"a", "A"}));
    QCOMPARE(state().CulvertList.size(), std::size_t(2));
    QCOMPARE(qs(s->culvert(0).CulvertNo), QStringLiteral("a"));
    QCOMPARE(qs(s->culvert(1).CulvertNo), QStringLiteral("A"));
    QCOMPARE(state().CurCulvert, std::int16_t(1));
    // Typed again, each finds its own slot.
    QVERIFY2(s->typeCulvertId("a"), s->why());
    QCOMPARE(state().CurCulvert, std::int16_t(0));
    QVERIFY2(s->typeCulvertId("A"), s->why());
    QCOMPARE(state().CurCulvert, std::int16_t(1));
}

void TestCulvertList::enterOnAnExistingIdIsRefused()
{
    QVERIFY2(s->createCulvert("7"), s->why());
    QVERIFY2(s->enterIntensityInputs(kInputs1), s->why());
    QVERIFY2(s->pressIntensity(), s->why());
    const CulvertList before = state().CulvertList;

    QVERIFY2(s->typeCulvertId("7"), s->why());
    QCOMPARE(state().CurCulvert, std::int16_t(0));
    messages().clearRecord();
    QVERIFY2(s->pressEnter("cboCulvertNo2"), s->why());
    QCOMPARE(messages().texts(), std::vector<std::string>{kExists});
    QCOMPARE(messages().asked().front().kind, AskedMessage::Kind::Ok);
    QVERIFY(s->combo("cboCulvertNo2")->hasFocus());
    QCOMPARE(entriesOf(s->combo("cboCulvertNo2")), QStringList{"7"});
    QCOMPARE(entriesOf(s->combo("cboCulvertNo1")), QStringList{"7"});
    QCOMPARE(state().CulvertList.size(), std::size_t(1));
    SW_COMPARE_LINES(describeInputs(s->culvert(0)), describeInputs(before[0]));
    QCOMPARE(state().CurCulvert, std::int16_t(0));

    // Enter on an empty box does nothing.
    messages().clearRecord();
    QVERIFY2(s->replaceText("cboCulvertNo2", QString()), s->why());
    QVERIFY2(s->pressEnter("cboCulvertNo2"), s->why());
    QVERIFY(messages().asked().empty());
    QCOMPARE(s->combo("cboCulvertNo2")->count(), 1);
    QCOMPARE(state().CulvertList.size(), std::size_t(1));
}

void TestCulvertList::leavingTheBox()
{
    QVERIFY2(s->createCulvert("1"), s->why());
    QVERIFY2(s->createCulvert("2"), s->why());

    // An existing ID: silent, nothing new.
    QVERIFY2(s->typeCulvertId("1"), s->why());
    QCOMPARE(state().CurCulvert, std::int16_t(0));
    s->edit("txtEleRemote")->setFocus(Qt::MouseFocusReason);
    QVERIFY(!s->combo("cboCulvertNo2")->hasFocus());
    QVERIFY(messages().asked().empty());
    QCOMPARE(entriesOf(s->combo("cboCulvertNo2")), (QStringList{"1", "2"}));
    QCOMPARE(state().CulvertList.size(), std::size_t(2));
    QCOMPARE(state().CurCulvert, std::int16_t(0));

    // A new ID: created as by Enter, and the label shows it.
    QVERIFY2(s->typeCulvertId("3"), s->why());
    QCOMPARE(state().CurCulvert, kUnknownCulvert);
    s->edit("txtEleRemote")->setFocus(Qt::MouseFocusReason);
    QVERIFY(messages().asked().empty());
    QCOMPARE(entriesOf(s->combo("cboCulvertNo2")), (QStringList{"1", "2", "3"}));
    QCOMPARE(entriesOf(s->combo("cboCulvertNo1")), (QStringList{"1", "2", "3"}));
    QCOMPARE(state().CulvertList.size(), std::size_t(3));
    QCOMPARE(qs(s->culvert(2).CulvertNo), QStringLiteral("3"));
    QCOMPARE(state().CurCulvert, std::int16_t(2));
    QCOMPARE(s->text("lblCulvertID"), QStringLiteral("3"));
    QCOMPARE(s->text("cboCulvertNo1"), QStringLiteral("3"));
    QTRY_VERIFY(s->combo("cboretPeriod")->hasFocus());
}

void TestCulvertList::creatingPreparesTheEditorsAndKeepsTheOthers()
{
    QVERIFY2(s->enterCulvert("1", kInputs1, kAreas1, "Sta 1+00"), s->why());
    const CulvertRecord first = s->culvert(0);
    QCOMPARE(qs(first.NumOfAreas), QStringLiteral("1"));
    QCOMPARE(qs(first.Description), QStringLiteral("Sta 1+00"));

    QVERIFY2(s->createCulvert("2"), s->why());
    QVERIFY(messages().asked().empty());
    QCOMPARE(state().CurCulvert, std::int16_t(1));
    for (const char* name : {"txtEleRemote", "txtEleCulvert", "txtLenTravel", "txtCorFactor", "txtCulvertDescrpt",
                             "txtArea", "txtDesCrption", "lblCorFactor", "lblLot", "lblTA", "lblWC"})
        QVERIFY2(s->text(name).isEmpty(), name);
    QCOMPARE(s->list("lstAreaInfo")->count(), 0);
    QVERIFY(s->w<QRadioButton>("optManual")->isChecked());
    QVERIFY(s->w("cboTCFactorList")->isVisible());
    QVERIFY(s->w("cmdDelCulvertNo2")->isEnabled());
    verifyCulvertSelectedState();
    for (const char* name : {"txtEleRemote", "txtEleCulvert", "txtLenTravel"})
        QVERIFY2(backColourOf(s->w(name)) == backColourValue(BackColour::TitleBarText), name);
    QVERIFY(s->combo("cboretPeriod")->hasFocus());

    // Emptying the boxes for the new culvert wrote nothing into the first one.
    SW_COMPARE_LINES(describeInputs(s->culvert(0)), describeInputs(first));
    QCOMPARE(s->culvert(0).Intensity, first.Intensity);
    QCOMPARE(s->culvert(0).TotalArea, first.TotalArea);
    const CulvertRecord& fresh = s->culvert(1);
    QCOMPARE(qs(fresh.CulvertNo), QStringLiteral("2"));
    QCOMPARE(qs(fresh.RFZone), QString());
    QCOMPARE(qs(fresh.Description), QString());
    QCOMPARE(declaredAreaCount(fresh), 0);
    QVERIFY(fresh.Areas.empty());
    QCOMPARE(fresh.Intensity, 0.0);
}

void TestCulvertList::deletingTheMiddleOfThree()
{
    QVERIFY2(s->enterCulvert("1", kInputs1, kAreas1, "Sta 1+00"), s->why());
    QVERIFY2(s->enterCulvert("2", kInputs2, kAreas2, "Sta 2+00"), s->why());
    QVERIFY2(s->enterCulvert("3", kInputs3, kAreas3, "Sta 3+00"), s->why());
    QVERIFY(messages().asked().empty());
    const CulvertRecord first = s->culvert(0);
    const CulvertRecord third = s->culvert(2);
    // The third culvert carries everything a move must carry.
    QCOMPARE(qs(third.RFZone), QStringLiteral("C"));
    QCOMPARE(qs(third.RetPeriod), QStringLiteral("100"));
    QCOMPARE(qs(third.CorFactorSource), QStringLiteral("User Defined"));
    QCOMPARE(third.CorFactor, 1.5);
    QCOMPARE(qs(third.NumOfAreas), QStringLiteral("2"));
    QCOMPARE(describe(third.Areas[0]), describe(SubArea{"Grass Areas (> 75%)-Flat 0~2%", 0.36, "3.0 h", 7.4, "Swale"}));
    QCOMPARE(describe(third.Areas[1]), describe(SubArea{"Gravel lot", 0.5, "5 h", 12.4, "Lot"}));

    QVERIFY2(s->typeCulvertId("2"), s->why());
    QCOMPARE(state().CurCulvert, std::int16_t(1));
    SW_COMPARE_LINES(describeInputs(s->culvert(0)), describeInputs(first));
    SW_COMPARE_LINES(describeInputs(s->culvert(2)), describeInputs(third));

    m_h->desktop->messages().queueYesNo(YesNo::Yes);
    QVERIFY2(s->click("cmdDelCulvertNo2"), s->why());
    QCOMPARE(messages().asked().size(), std::size_t(1));
    QCOMPARE(messages().asked().front().kind, AskedMessage::Kind::YesNo);
    QCOMPARE(qs(messages().asked().front().text), qs(kDeleteQuestion));

    QCOMPARE(entriesOf(s->combo("cboCulvertNo2")), (QStringList{"1", "3"}));
    QCOMPARE(entriesOf(s->combo("cboCulvertNo1")), (QStringList{"1", "3"}));
    QCOMPARE(state().CulvertList.size(), std::size_t(2));
    SW_COMPARE_LINES(describeInputs(s->culvert(0)), describeInputs(first));
    SW_COMPARE_LINES(describeInputs(s->culvert(1)), describeInputs(third));
    QCOMPARE(s->text("lblCulvertID"), QString());
    verifyNoCulvertState();

    // The moved culvert is whole: chosen again, it shows its own sub-areas and intensity.
    messages().clearRecord();
    QVERIFY2(s->typeCulvertId("3"), s->why());
    QCOMPARE(state().CurCulvert, std::int16_t(1));
    QCOMPARE(s->rows("lstIntensity"), kLines3);
    QCOMPARE(s->rows("lstAreaInfo"),
             (QStringList{"Grass Areas (> 75%)-Flat 0~2%,3.0 h,0.36,Swale", "Gravel lot,5 h,0.50,Lot"}));
    QCOMPARE(s->text("lblLot"), QStringLiteral("2"));
    QCOMPARE(s->text("lblTA"), QStringLiteral("19.8"));
    QCOMPARE(s->text("lblWC"), QStringLiteral("0.45"));
    QCOMPARE(s->text("txtCulvertDescrpt"), QStringLiteral("Sta 3+00"));
    QCOMPARE(s->culvert(1).Intensity, 7.2);
    QVERIFY(messages().asked().empty());
}

void TestCulvertList::deletingTheOnlyCulvert()
{
    QVERIFY2(s->enterCulvert("X", kInputs1, kAreas1, "Sta 9"), s->why());
    QVERIFY2(s->showPage(kIntensityPage), s->why());
    m_h->desktop->messages().queueYesNo(YesNo::Yes);
    QVERIFY2(s->click("cmdDelCulvertNo2"), s->why());
    QCOMPARE(messages().texts(), std::vector<std::string>{kDeleteQuestion});

    QCOMPARE(s->combo("cboCulvertNo1")->count(), 0);
    QCOMPARE(s->combo("cboCulvertNo2")->count(), 0);
    QVERIFY(state().CulvertList.empty());
    QCOMPARE(s->text("cboCulvertNo2"), QString());
    QCOMPARE(s->text("cboretPeriod"), QStringLiteral("2"));
    QCOMPARE(s->text("cboRFzone"), QStringLiteral("A"));
    for (const char* name : {"txtEleRemote", "txtEleCulvert", "txtLenTravel", "txtCulvertDescrpt", "txtArea",
                             "txtDesCrption", "lblCorFactor", "lblCulvertID"})
        QVERIFY2(s->text(name).isEmpty(), name);
    verifyNoCulvertState();

    // A culvert typed afterwards starts empty.
    QVERIFY2(s->createCulvert("Y"), s->why());
    QCOMPARE(state().CulvertList.size(), std::size_t(1));
    QCOMPARE(state().CurCulvert, std::int16_t(0));
    QCOMPARE(qs(s->culvert(0).CulvertNo), QStringLiteral("Y"));
    QCOMPARE(qs(s->culvert(0).RFZone), QString());
    QVERIFY(s->culvert(0).Areas.empty());
}

void TestCulvertList::deleteAnsweredNo()
{
    QVERIFY2(s->enterCulvert("1", kInputs1, kAreas1, "Sta 1+00"), s->why());
    QVERIFY2(s->createCulvert("2"), s->why());
    QVERIFY2(s->typeCulvertId("1"), s->why());
    const CulvertList before = state().CulvertList;
    const QStringList lines = s->rows("lstIntensity");
    QCOMPARE(lines, kLines1);
    m_h->desktop->messages().queueYesNo(YesNo::No);
    QVERIFY2(s->click("cmdDelCulvertNo2"), s->why());
    QCOMPARE(messages().texts(), std::vector<std::string>{kDeleteQuestion});
    QCOMPARE(entriesOf(s->combo("cboCulvertNo2")), (QStringList{"1", "2"}));
    QCOMPARE(entriesOf(s->combo("cboCulvertNo1")), (QStringList{"1", "2"}));
    QCOMPARE(state().CulvertList.size(), before.size());
    SW_COMPARE_LINES(describeInputs(s->culvert(0)), describeInputs(before[0]));
    SW_COMPARE_LINES(describeInputs(s->culvert(1)), describeInputs(before[1]));
    QCOMPARE(state().CurCulvert, std::int16_t(0));
    QCOMPARE(s->text("lblCulvertID"), QStringLiteral("1"));
    QCOMPARE(s->rows("lstIntensity"), lines);
    QCOMPARE(s->rows("lstAreaInfo"), QStringList{"Asphaltic,2.5 a,0.81,Ditch A"});
    verifyCulvertSelectedState();
}

void TestCulvertList::deleteWithoutCurrentCulvert()
{
    QVERIFY2(s->createCulvert("1"), s->why());
    QVERIFY2(s->createCulvert("2"), s->why());
    m_h->desktop->messages().queueYesNo(YesNo::Yes);
    QVERIFY2(s->click("cmdDelCulvertNo2"), s->why());
    QCOMPARE(state().CurCulvert, kNoCulvert);
    QCOMPARE(entriesOf(s->combo("cboCulvertNo2")), QStringList{"1"});
    messages().clearRecord();

    // The button stays enabled; with no culvert it only says so (no question is asked: an
    // unscripted question would fail this test).
    QVERIFY2(s->click("cmdDelCulvertNo2"), s->why());
    QCOMPARE(messages().texts(), std::vector<std::string>{kNothingToDelete});
    QCOMPARE(messages().asked().front().kind, AskedMessage::Kind::Ok);
    QCOMPARE(entriesOf(s->combo("cboCulvertNo2")), QStringList{"1"});
    QCOMPARE(state().CulvertList.size(), std::size_t(1));
    QCOMPARE(qs(s->culvert(0).CulvertNo), QStringLiteral("1"));
    QCOMPARE(state().CurCulvert, kNoCulvert);
}

void TestCulvertList::caseOnlyStationChangeIsNotStored()
{
    QVERIFY2(s->createCulvert("1"), s->why());
    QVERIFY2(s->showPage(kDrainagePage), s->why());
    QVERIFY2(s->typeInto("txtCulvertDescrpt", "Sta 10"), s->why());
    QCOMPARE(qs(s->culvert(0).Description), QStringLiteral("Sta 10"));

    // "Sta 10" becomes "STA 10" letter by letter: t over t, then A over a.
    QLineEdit* box = s->edit("txtCulvertDescrpt");
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_Right);
    QTest::keyClick(box, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClicks(box, "T");
    QTest::keyClick(box, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClicks(box, "A");
    QCOMPARE(box->text(), QStringLiteral("STA 10"));
    QCOMPARE(qs(s->culvert(0).Description), QStringLiteral("Sta 10"));

    // Any other change is stored as typed.
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClicks(box, "a");
    QCOMPARE(qs(s->culvert(0).Description), QStringLiteral("STA 10a"));
    QVERIFY(messages().asked().empty());
}

void TestCulvertList::choosingACulvert_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("typed into cboCulvertNo2") << 0;
    QTest::newRow("picked in cboCulvertNo2") << 1;
    QTest::newRow("picked in cboCulvertNo1") << 2;
}

void TestCulvertList::choosingACulvert()
{
    QFETCH(int, how);
    QVERIFY2(s->enterCulvert("1", kInputs1, kAreas1, "Sta 1+00"), s->why());
    QVERIFY2(s->enterCulvert("2", kInputs2, kAreas2, "Sta 2+00"), s->why());
    QCOMPARE(state().CurCulvert, std::int16_t(1));
    const CulvertRecord first = s->culvert(0);
    const CulvertRecord second = s->culvert(1);

    switch (how) {
    case 0:
        QVERIFY2(s->typeCulvertId("1"), s->why());
        break;
    case 1:
        QVERIFY2(s->showPage(kIntensityPage), s->why());
        QVERIFY2(s->pick("cboCulvertNo2", 0), s->why());
        break;
    default:
        QVERIFY2(s->showPage(kDrainagePage), s->why());
        QVERIFY2(s->pick("cboCulvertNo1", 0), s->why());
        break;
    }
    QVERIFY(messages().asked().empty());
    QCOMPARE(state().CurCulvert, std::int16_t(0));
    QCOMPARE(s->text("lblCulvertID"), QStringLiteral("1"));
    QCOMPARE(s->text("cboCulvertNo1"), QStringLiteral("1"));
    QCOMPARE(s->text("cboCulvertNo2"), QStringLiteral("1"));

    // The drainage page shows the stored sub-areas, unpadded, and the culvert's totals.
    QCOMPARE(s->rows("lstAreaInfo"), QStringList{"Asphaltic,2.5 a,0.81,Ditch A"});
    QCOMPARE(s->text("lblLot"), QStringLiteral("1"));
    QCOMPARE(s->text("lblTA"), QStringLiteral("2.5"));
    QCOMPARE(s->text("lblWC"), QStringLiteral("0.81"));
    QCOMPARE(s->text("txtCulvertDescrpt"), QStringLiteral("Sta 1+00"));
    QVERIFY(s->w("txtCulvertDescrpt")->isEnabled());

    // The intensity page shows the stored inputs and their results.
    QCOMPARE(s->text("cboretPeriod"), QStringLiteral("10"));
    QCOMPARE(s->text("cboRFzone"), QStringLiteral("A"));
    QCOMPARE(s->text("txtEleRemote"), QStringLiteral("1010"));
    QCOMPARE(s->text("cboRemoteUnit"), QStringLiteral("ft"));
    QCOMPARE(s->text("txtEleCulvert"), QStringLiteral("1000"));
    QCOMPARE(s->text("cboCulvertUnit"), QStringLiteral("ft"));
    QCOMPARE(s->text("txtLenTravel"), QStringLiteral("1000"));
    QCOMPARE(s->text("cboTravelUnit"), QStringLiteral("ft"));
    QCOMPARE(s->text("lblCorFactor"), QStringLiteral("1"));
    QVERIFY(s->w<QRadioButton>("optManual")->isChecked());
    QVERIFY(!s->w("lblCorFactor")->isHidden());
    QCOMPARE(s->rows("lstIntensity"), kLines1);
    verifyCulvertSelectedState();
    QVERIFY(s->w("cmdDelCulvertNo2")->isEnabled());
    QVERIFY(state().EditorsLive);

    // Choosing wrote nothing new into either culvert.
    SW_COMPARE_LINES(describeInputs(s->culvert(0)), describeInputs(first));
    SW_COMPARE_LINES(describeInputs(s->culvert(1)), describeInputs(second));
    QCOMPARE(s->culvert(0).Intensity, 5.5);

    // And the editors write into the chosen culvert again.
    QVERIFY2(s->showPage(kDrainagePage), s->why());
    QVERIFY2(s->typeInto("txtCulvertDescrpt", "A"), s->why());
    QCOMPARE(qs(s->culvert(0).Description), QStringLiteral("Sta 1+00A"));
    QCOMPARE(qs(s->culvert(1).Description), QStringLiteral("Sta 2+00"));
}

void TestCulvertList::culvertWithoutSubAreasKeepsItsDescription_data()
{
    choosingACulvert_data();
}

void TestCulvertList::culvertWithoutSubAreasKeepsItsDescription()
{
    QFETCH(int, how);
    QVERIFY2(s->createCulvert("1"), s->why());
    QVERIFY2(s->showPage(kDrainagePage), s->why());
    QVERIFY2(s->replaceText("txtCulvertDescrpt", "Sta 5"), s->why());
    QVERIFY2(s->enterCulvert("2", kInputs1, kAreas1, "Sta 6"), s->why());
    QCOMPARE(qs(s->culvert(0).Description), QStringLiteral("Sta 5"));
    QCOMPARE(qs(s->culvert(1).Description), QStringLiteral("Sta 6"));

    switch (how) {
    case 0:
        QVERIFY2(s->typeCulvertId("1"), s->why());
        break;
    case 1:
        QVERIFY2(s->showPage(kIntensityPage), s->why());
        QVERIFY2(s->pick("cboCulvertNo2", 0), s->why());
        break;
    default:
        QVERIFY2(s->showPage(kDrainagePage), s->why());
        QVERIFY2(s->pick("cboCulvertNo1", 0), s->why());
        break;
    }
    QCOMPARE(state().CurCulvert, std::int16_t(0));
    // The page is emptied for a culvert without sub-areas; the record keeps its station.
    QCOMPARE(s->text("txtCulvertDescrpt"), QString());
    QCOMPARE(s->list("lstAreaInfo")->count(), 0);
    QCOMPARE(s->text("lblLot"), QString());
    QCOMPARE(s->text("lblTA"), QString());
    QCOMPARE(s->text("lblWC"), QString());
    QCOMPARE(qs(s->culvert(0).Description), QStringLiteral("Sta 5"));
    QCOMPARE(qs(s->culvert(1).Description), QStringLiteral("Sta 6"));

    // Back to the culvert with sub-areas, and again to the first: still its own station.
    QVERIFY2(s->typeCulvertId("2"), s->why());
    QCOMPARE(s->text("txtCulvertDescrpt"), QStringLiteral("Sta 6"));
    QVERIFY2(s->typeCulvertId("1"), s->why());
    QCOMPARE(qs(s->culvert(0).Description), QStringLiteral("Sta 5"));
    QCOMPARE(qs(s->culvert(1).Description), QStringLiteral("Sta 6"));

    // What the user types into the emptied box is stored.
    QVERIFY2(s->showPage(kDrainagePage), s->why());
    QVERIFY2(s->typeInto("txtCulvertDescrpt", "Sta 5A"), s->why());
    QCOMPARE(qs(s->culvert(0).Description), QStringLiteral("Sta 5A"));
    QVERIFY(messages().asked().empty());
}

void TestCulvertList::culvertWithoutIntensityInputsEmptiesTheValueBoxes_data()
{
    QTest::addColumn<bool>("picked");
    QTest::newRow("typed") << false;
    QTest::newRow("picked") << true;
}

void TestCulvertList::culvertWithoutIntensityInputsEmptiesTheValueBoxes()
{
    QFETCH(bool, picked);
    QVERIFY2(s->createCulvert("1"), s->why());
    QVERIFY2(s->enterIntensityInputs(kInputs1), s->why());
    QVERIFY2(s->pressIntensity(), s->why());
    QVERIFY2(s->createCulvert("2"), s->why());
    QVERIFY2(s->typeCulvertId("1"), s->why());
    QCOMPARE(s->text("txtEleRemote"), QStringLiteral("1010"));
    const CulvertRecord first = s->culvert(0);
    QCOMPARE(first.Intensity, 5.5);

    if (picked)
        QVERIFY2(s->pick("cboCulvertNo2", 1), s->why());
    else
        QVERIFY2(s->typeCulvertId("2"), s->why());
    QVERIFY(messages().asked().empty());  // in particular no "No intensity info ..." message
    QCOMPARE(state().CurCulvert, std::int16_t(1));
    for (const char* name : {"txtEleRemote", "txtEleCulvert", "txtLenTravel", "txtCorFactor"})
        QVERIFY2(s->text(name).isEmpty(), name);
    if (picked)
        QCOMPARE(s->list("lstIntensity")->count(), 0);
    verifyCulvertSelectedState();

    const CulvertRecord& second = s->culvert(1);
    QCOMPARE(qs(second.RFZone), QString());
    QCOMPARE(second.EleRemote, 0.0);
    QCOMPARE(second.EleCulvert, 0.0);
    QCOMPARE(second.LenTravel, 0.0);
    QCOMPARE(second.CorFactor, 0.0);
    QCOMPARE(second.Intensity, 0.0);
    // The emptied boxes were not written into the culvert shown before.
    SW_COMPARE_LINES(describeInputs(s->culvert(0)), describeInputs(first));
    if (picked)  // a pick makes an empty count "0" only for the culvert picked
        QCOMPARE(qs(second.NumOfAreas), QStringLiteral("0"));
    QCOMPARE(s->culvert(0).Intensity, 5.5);
    QCOMPARE(s->culvert(0).CorTC, 9.38);
}

QTEST_MAIN(TestCulvertList)
#include "tst_culvertlist.moc"
