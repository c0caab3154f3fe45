// The intensity input editor: key filter, correction factor, Clear, the return period change that
// re-derives the drainage C values, the refusals of Intensity, and arbitrary text in every box.

#include <algorithm>
#include <cmath>

#include "core/messages.h"
#include "core/text.h"
#include "tests/ui/editorsteps.h"
#include "ui/main/intensitypage.h"

using namespace sw;
using namespace sw::testing;

namespace {

const std::vector<std::string> kCUpdate{std::string(msg::kCUpdate)};  // its wording is pinned by the engine's tests

// What no editor may store: a number that is not finite, a negative area or intensity, a count
// that is not the number of sub-areas, a comma inside a field of a sub-area's row.
bool recordCanBeHeld(const CulvertRecord& c)
{
    bool sound = c.Intensity >= 0 && static_cast<std::size_t>(declaredAreaCount(c)) == c.Areas.size();
    for (double v : {c.EleRemote, c.EleRemoteFt, c.EleCulvert, c.EleCulvertFt, c.LenTravel, c.LenTravelFt,
                     c.CorFactor, c.Slope, c.CorTC, c.WeightedC, c.TotalArea, c.Intensity})
        sound = sound && std::isfinite(v);
    for (const SubArea& a : c.Areas)
        sound = sound && std::isfinite(a.C) && std::isfinite(a.AreaAcres) && a.AreaAcres >= 0 &&
                (a.Surface + a.AreaText + a.Description).find(',') == std::string::npos;
    return sound;
}

}  // namespace

class TestIntensity : public EditorTest {
    Q_OBJECT

private slots:
    void keyFilter();
    void factorPickedThenTyped();
    void factorListShowsWhatTheCulvertHolds();
    void returnPeriodChange_data();
    void returnPeriodChange();
    void intensityRefusals_data();
    void intensityRefusals();
    void intensityNeedsASelectedCulvert();
    void arbitraryTextInEveryBox_data();
    void arbitraryTextInEveryBox();

private:
    bool computedCulvert()
    {
        return s->createCulvert("R") && s->enterIntensityInputs(kPlainInputs) && s->pressIntensity() &&
               s->rows("lstIntensity") == plainLines("R");
    }
};

void TestIntensity::keyFilter()
{
    QVERIFY2(s->createCulvert("K") && s->pick("cboRFzone", entry::kZoneA) && s->typeInto("txtEleRemote", "12a"),
             s->why());
    QCOMPARE(messages().texts(), std::vector<std::string>{"Please enter number only !"});
    QCOMPARE(s->text("txtEleRemote"), QStringLiteral("12a"));  // the refused key still reaches the box
    QVERIFY(s->culvert(0).EleRemote == 12 && s->culvert(0).EleRemoteFt == 12);

    messages().clearRecord();
    QVERIFY2(s->typeInto("txtLenTravel", "-5"), s->why());
    QCOMPARE(messages().texts(),
             (std::vector<std::string>{"Please enter number only !", "Please provide positive value !"}));
    QCOMPARE(s->text("txtLenTravel"), QStringLiteral("-5"));
    QVERIFY(s->culvert(0).LenTravel == 0 && s->culvert(0).LenTravelFt == 0);
}

void TestIntensity::factorPickedThenTyped()
{
    QVERIFY2(computedCulvert() && s->pick("cboTCFactorList", entry::kConcreteOrAsphaltOverland), s->why());
    QCOMPARE(s->text("lblCorFactor"), QStringLiteral("0.4"));
    QVERIFY(s->culvert(0).CorFactor == 0.4 && s->culvert(0).CorFactorSource == "Design Manual");

    // User Defined empties the factor; what is typed is stored.
    QVERIFY2(s->click("optUser"), s->why());
    QCOMPARE(s->text("txtCorFactor"), QString());
    QVERIFY(s->culvert(0).CorFactor == 0 && s->culvert(0).CorFactorSource == "User Defined");
    QVERIFY2(s->typeInto("txtCorFactor", "1.2") && s->pressIntensity(), s->why());
    QCOMPARE(s->culvert(0).CorFactor, 1.2);
    QCOMPARE(s->rows("lstIntensity").mid(5), (QStringList{"Corr. Factor: 1.2 (User Defined)", "Corr. TC (min): 11.25",
                                                          "Intensity (in/hr): 5.05 (128 mm/hr) "}));

    // Clear empties the list only.
    const CulvertRecord before = s->culvert(0);
    QVERIFY2(s->click("cmdClear"), s->why());
    QCOMPARE(s->list("lstIntensity")->model()->rowCount(), 0);
    QCOMPARE(s->culvert(0), before);
    QVERIFY(messages().asked().empty());
}

void TestIntensity::factorListShowsWhatTheCulvertHolds()
{
    // A new culvert has no factor: no flow type shows as chosen (Intensity would find none).
    const auto shown = [this] { return s->combo("cboTCFactorList")->currentIndex(); };
    QVERIFY2(s->createCulvert("K"), s->why());
    QCOMPARE(shown(), -1);
    QCOMPARE(s->culvert(0).CorFactor, 0.0);
    QVERIFY2(s->pick("cboTCFactorList", entry::kConcreteOrAsphaltOverland) && s->createCulvert("L"), s->why());
    QCOMPARE(shown(), -1);
    // Chosen again, a culvert shows the one flow type of its factor; a factor several share, none.
    QVERIFY2(s->typeCulvertId("K"), s->why());
    QCOMPARE(shown(), entry::kConcreteOrAsphaltOverland);
    QVERIFY2(s->pick("cboTCFactorList", entry::kNaturalBasins) && s->typeCulvertId("L") && s->typeCulvertId("K"),
             s->why());
    QCOMPARE(shown(), -1);
    QCOMPARE(s->culvert(0).CorFactor, 1.0);
}

void TestIntensity::returnPeriodChange_data()
{
    QTest::addColumn<bool>("typed");  // typed into the box, then the box left; otherwise picked
    QTest::addColumn<bool>("withRows");
    QTest::newRow("picked") << false << true;
    QTest::newRow("typed, then the box left") << true << true;
    QTest::newRow("picked, no sub-areas") << false << false;
}

void TestIntensity::returnPeriodChange()
{
    QFETCH(bool, typed);
    QFETCH(bool, withRows);
    QVERIFY2(computedCulvert() && (!withRows || (s->addSubArea(kDitch) && s->addSubArea(kLot))), s->why());
    QVERIFY2(s->showPage(kIntensityPage), s->why());
    QVERIFY2(typed ? s->replaceText("cboretPeriod", "50") && s->focusOn(s->w("txtEleRemote"))
                   : s->pick("cboretPeriod", entry::k50Years),
             s->why());

    const CulvertRecord& c = s->culvert(0);
    QCOMPARE(qs(c.RetPeriod), QStringLiteral("50"));
    QCOMPARE(messages().texts(), withRows ? kCUpdate : std::vector<std::string>{});
    if (!withRows)
        return;
    QCOMPARE(s->rows("lstAreaInfo"), (QStringList{"Asphaltic,2.5 a,0.90,Ditch A", "Gravel lot,5 h,0.50,Lot"}));
    QCOMPARE(c.Areas.at(0), (SubArea{"Asphaltic", 0.9, "2.5 a", 2.5, "Ditch A"}));
    QCOMPARE(c.Areas.at(1), (SubArea{"Gravel lot", 0.5, "5 h", 12.4, "Lot"}));
    QCOMPARE(c.WeightedC, 0.57);  // (0.9 x 2.5 + 0.5 x 12.4) / 14.9
    QCOMPARE(s->areaTotals(), QStringLiteral("2 14.9 0.57"));
}

void TestIntensity::intensityRefusals_data()
{
    // A failed input check puts the focus on its box and touches nothing; inputs the formulas
    // cannot use (no focus given here) withdraw the intensity computed before.
    QTest::addColumn<QStringList>("typed");  // box, text typed over it, box, text, ...
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    const auto message = [](std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); };
    QTest::newRow("remote 0") << QStringList{"txtEleRemote", "0"} << message(msg::kRemoteZero) << "txtEleRemote";
    QTest::newRow("300 m is below 1000 ft") << QStringList{"txtEleRemote", "300", "cboRemoteUnit", "m"}
                                            << message(msg::kRemoteBelowInlet) << "txtEleCulvert";
    QTest::newRow("unknown unit typed") << QStringList{"cboRemoteUnit", "yd"} << message(msg::kUnitUnknown)
                                        << "cboRemoteUnit";
    QTest::newRow("equal elevations") << QStringList{"txtEleCulvert", "1010"} << message(msg::kSlopeNotPositive) << "";
    QTest::newRow("negative length") << QStringList{"txtLenTravel", "-5"} << message(msg::kLengthNotPositive) << "";
    QTest::newRow("return period 1") << QStringList{"cboretPeriod", "1"} << message(msg::kReturnPeriodTooShort) << "";
    QTest::newRow("Tc beyond 1440 minutes")
        << QStringList{"txtEleRemote", "2000", "txtLenTravel", "1000000"}
        << message(fillMessage(msg::kTcBeyondTable, {"4646.16"})) << "";
}

void TestIntensity::intensityRefusals()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QVERIFY2(computedCulvert(), s->why());
    const CulvertRecord before = s->culvert(0);
    for (qsizetype i = 0; i + 1 < typed.size(); i += 2)
        QVERIFY2(s->replaceText(qPrintable(typed[i]), typed[i + 1]), s->why());
    messages().clearRecord();
    QVERIFY2(s->pressIntensity(), s->why());

    QCOMPARE(messages().texts(), std::vector<std::string>{message.toStdString()});
    const CulvertRecord& c = s->culvert(0);
    if (focus.isEmpty()) {
        QVERIFY(!s->rows("lstIntensity").join('|').contains("Intensity (in/hr)"));
        QVERIFY(c.Intensity == 0 && !c.Bracket.has_value());
    } else {
        QVERIFY(s->w(qPrintable(focus))->hasFocus());
        QCOMPARE(s->rows("lstIntensity"), plainLines("R"));
        QVERIFY(c.Slope == before.Slope && c.CorTC == before.CorTC && c.Intensity == before.Intensity);
    }
}

// The intensity is the current culvert's: while none is selected the page refuses to ask for it,
// saying so unless the culvert list's typed choice asked.
void TestIntensity::intensityNeedsASelectedCulvert()
{
    QVERIFY2(computedCulvert(), s->why());
    auto* page = m_h->window->findChild<IntensityPage*>();
    QVERIFY(page != nullptr);
    session().setCurCulvert(kNoCulvert);
    session().compute([](Document& d) { d.CulvertList[0].CorTC = 120; });  // what a computation would take
    const CulvertRecord before = s->culvert(0);
    messages().clearRecord();
    page->showIntensity(0);
    page->showIntensity(0, false);
    QCOMPARE(messages().texts(), std::vector<std::string>{"Pelase select a culvert no"});
    QCOMPARE(s->culvert(0), before);
    QCOMPARE(s->rows("lstIntensity"), plainLines("R"));
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
    const QStringList texts = {"abc", "!@#$%^&*()_+{}|:\"<>?", "1e400", "-1", "1e308", QString(320, '9'), "0.0000001",
                               QString::fromUtf8("\xc3\x85\xe2\x82\xac\xe4\xb8\xad"), ",,,", " ", "12a", ""};
    QVERIFY2(computedCulvert() && s->addSubArea(kDitch) && s->createCulvert("S") && s->typeCulvertId("R"), s->why());
    // Every record can be held, and the rows shown are the current culvert's sub-areas.
    const auto sound = [this] {
        const CulvertRecord* current = session().currentCulvert();
        return std::all_of(doc().CulvertList.begin(), doc().CulvertList.end(), recordCanBeHeld) &&
               (current == nullptr || s->list("lstAreaInfo")->model()->rowCount() == declaredAreaCount(*current));
    };
    for (const QString& text : texts) {
        QVERIFY2(s->showPage(page), s->why());
        const char* mode = box == "txtCorFactor" ? "optUser" : box.startsWith("txtUser") ? "optUserC" : nullptr;
        if (mode && !s->w<QRadioButton>(mode)->isChecked())
            QVERIFY2(s->click(mode), s->why());
        if (!s->w(qPrintable(box))->isEnabled())
            continue;  // nobody can type there now (no current culvert)
        QVERIFY2(s->replaceText(qPrintable(box), text) && sound(), qPrintable(text));
        // Add and Intensity take whatever the boxes hold; the other entry boxes get plain values.
        if (page == kDrainagePage && s->w("cmdAdd")->isEnabled()) {
            if (box.startsWith("txtUser"))
                QVERIFY2(s->replaceText(box == "txtUserC" ? "txtUserSurface" : "txtUserC", "0.5"), s->why());
            if (box != "txtArea" && s->w("txtArea")->isEnabled())
                QVERIFY2(s->replaceText("txtArea", "1"), s->why());
            QVERIFY2(s->click("cmdAdd") && sound(), qPrintable(text + " then Add"));
        }
        QVERIFY2(s->pressIntensity() && sound(), qPrintable(text + " then Intensity"));
        if (session().CurCulvert() >= 0 && s->w("cboretPeriod")->isEnabled())
            QVERIFY2(s->pick("cboretPeriod", entry::k100Years) && sound(), qPrintable(text + " then a return period"));
    }
}

QTEST_MAIN(TestIntensity)
#include "tst_intensity.moc"
