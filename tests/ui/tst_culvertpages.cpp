// The two pages of a culvert. The culvert list: the road of one culvert from its ID to its
// sub-areas, choosing culverts by typing or picking their ID, the station box of a chosen culvert,
// deleting culverts. The intensity input editor: key filter, correction factor, Clear, the return
// period change that re-derives the drainage C values, the refusals of Intensity, and arbitrary
// text in every box. The drainage area editor: the rows Add builds and the sub-areas parsed from
// them, the refusals of Add, Remove, Remove All, picking a row, the two modes, and rows pasted into
// the list.

#include <algorithm>
#include <chrono>
#include <cmath>

#include "core/messages.h"
#include "core/text.h"
#include "engine/arearows.h"
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

class TestCulvertPages : public EditorTest {
    Q_OBJECT

private slots:
    void oneCulvertFromEntryToDrainage();
    void typingCulvertIds();
    void choosingACulvert();
    void deletingCulverts();
    void keyFilter();
    void factorPickedThenTyped();
    void factorListShowsWhatTheCulvertHolds();
    void returnPeriodChange_data()
    {
        QTest::addColumn<bool>("typed");  // typed into the box, then the box left; otherwise picked
        QTest::addColumn<bool>("withRows");
        QTest::newRow("picked") << false << true;
        QTest::newRow("typed, then the box left") << true << true;
        QTest::newRow("picked, no sub-areas") << false << false;
    }
    void returnPeriodChange();
    void intensityRefusals_data();
    void intensityRefusals();
    void intensityNeedsASelectedCulvert();
    void arbitraryTextInEveryBox_data();
    void arbitraryTextInEveryBox();
    void addBuildsTheRow_data();
    void addBuildsTheRow();
    void addRefusals_data();
    void addRefusals();
    void removingRows();
    void modeSwitches();
    void pasteBuildsTheRowsAddBuilds();
    void pasteAddsTheValidRows_data();
    void pasteAddsTheValidRows();
    void pasteOfFiveHundredRows();

private:
    bool computedCulvert()
    {
        return s->createCulvert("R") && s->enterIntensityInputs(kPlainInputs) && s->pressIntensity() &&
               s->rows("lstIntensity") == plainLines("R");
    }
    // Culvert D1 with its return period picked, and the drainage page open.
    bool prepareCulvert(int period = entry::k10Years)
    {
        return s->createCulvert("D1") && s->pick("cboretPeriod", period) && s->showPage(kDrainagePage);
    }
    // Ctrl+V in lstAreaInfo, or "Paste Sub-areas" from its context menu, with the text on the clipboard.
    bool paste(const QString& text, bool fromMenu = false)
    {
        QGuiApplication::clipboard()->setText(text);
        QListView* list = s->list("lstAreaInfo");
        if (!s->focusOn(list))
            return false;
        auto* item = list->findChild<QAction*>("mnuPasteSubAreas");
        if (item == nullptr || item->text() != "Paste Sub-areas" || !list->actions().contains(item) ||
            list->contextMenuPolicy() != Qt::ActionsContextMenu)
            return false;
        fromMenu ? item->trigger() : QTest::keyClick(list, Qt::Key_V, Qt::ControlModifier);
        return true;
    }
};

void TestCulvertPages::oneCulvertFromEntryToDrainage()
{
    SW_STEP(s->createCulvert("C-1"));
    QCOMPARE(entriesOf(s->combo("cboCulvertNo1")), QStringList{"C-1"});

    SW_STEP(s->pick("cboretPeriod", entry::k10Years) && s->pick("cboRFzone", entry::kZoneA));
    SW_STEP(s->typeInto("txtEleRemote", "1010") && s->typeInto("txtEleCulvert", "1000") &&
                s->typeInto("txtLenTravel", "1000") && s->pick("cboTCFactorList", entry::kNaturalBasins));
    SW_STEP(s->pressIntensity());
    QCOMPARE(s->rows("lstIntensity"), plainLines("C-1"));

    SW_STEP(s->showPage(kDrainagePage) && s->replaceText("txtCulvertDescrpt", "Sta 12+50"));
    SW_STEP(s->addSubArea(kDitch) && s->addSubArea({entry::kGrassOver75Flat, {}, {}, "3", entry::kHectares, "Swale"}));
    // Design Manual rows: surface in 35 characters, area in 10, C, description in 10.
    QCOMPARE(s->rows("lstAreaInfo"), (QStringList{"Asphaltic                          ,2.5 a     ,0.81,Ditch A   ",
                                                  "Grass Areas (> 75%)-Flat 0~2%      ,3.0 h     ,0.25,Swale     "}));
    QCOMPARE(s->areaTotals(), QStringLiteral("2 9.9 0.39"));  // (0.81 x 2.5 + 0.25 x 7.4) / 9.9

    // The stored record, in the order of its fields; the intensity 5.45 is kept to one decimal.
    const CulvertRecord& c = s->culvert(0);
    const CulvertRecord expected{"C-1", "2", "Sta 12+50", "10",
                                 {{"Asphaltic", 0.81, "2.5 a", 2.5, "Ditch A"},
                                  {"Grass Areas (> 75%)-Flat 0~2%", 0.25, "3.0 h", 7.4, "Swale"}},
                                 "A", 1010, "ft", 1010, 1000, "ft", 1000, 1000, "ft", 1000, 1, "Design Manual",
                                 0.01, 9.38, 0.39, 9.9, 5.5, c.Bracket};
    QCOMPARE(c, expected);
    QVERIFY(messages().asked().empty());
}

void TestCulvertPages::typingCulvertIds()
{
    SW_STEP(s->createCulvert("1") && s->createCulvert("12") && s->replaceText("cboCulvertNo2", {}));
    // Each key chooses the culvert whose ID is typed so far; the label keeps the last one found.
    const std::tuple<const char*, std::int16_t, const char*> keys[] = {
        {"1", 0, "1"}, {"2", 1, "12"}, {"3", kUnknownCulvert, "12"}};
    for (const auto& [key, culvert, label] : keys) {
        SW_STEP(s->typeInto("cboCulvertNo2", key));
        QCOMPARE(session().CurCulvert(), culvert);
        QCOMPARE(s->text("lblCulvertID"), QString(label));
    }
    QVERIFY(messages().asked().empty());

    // Enter on an existing ID is refused; leaving the box with one chooses it silently.
    SW_STEP(s->typeCulvertId("1") && s->pressEnter("cboCulvertNo2"));
    QCOMPARE(messages().texts(), std::vector<std::string>{"This culvert ID has existed, please rename your input"});
    messages().clearRecord();
    SW_STEP(s->typeCulvertId("12") && s->focusOn(s->w("txtEleRemote")));
    QVERIFY(messages().asked().empty());
    QCOMPARE(session().CurCulvert(), std::int16_t(1));
    QCOMPARE(entriesOf(s->combo("cboCulvertNo2")), (QStringList{"1", "12"}));
    QCOMPARE(doc().CulvertList.size(), std::size_t(2));
}

void TestCulvertPages::choosingACulvert()
{
    SW_STEP(s->createCulvert("1") && s->showPage(kDrainagePage) && s->replaceText("txtCulvertDescrpt", "Sta 5"));
    SW_STEP(s->enterCulvert("2", kPlainInputs, {kDitch}, "Sta 6"));
    const CulvertRecord second = s->culvert(1);

    // A culvert without sub-areas: the page is emptied, the record keeps its station.
    SW_STEP(s->pick("cboCulvertNo1", 0));
    QCOMPARE(session().CurCulvert(), std::int16_t(0));
    QCOMPARE(s->text("txtCulvertDescrpt"), QString());
    QCOMPARE(s->list("lstAreaInfo")->model()->rowCount(), 0);
    QCOMPARE(qs(s->culvert(0).Description), QStringLiteral("Sta 5"));

    // A stored culvert shows its stored sub-areas, unpadded, its inputs and their results.
    SW_STEP(s->pick("cboCulvertNo1", 1));
    QCOMPARE(session().CurCulvert(), std::int16_t(1));
    QCOMPARE(s->rows("lstAreaInfo"), QStringList{"Asphaltic,2.5 a,0.81,Ditch A"});
    QCOMPARE(s->areaTotals(), QStringLiteral("1 2.5 0.81"));
    QCOMPARE(s->text("txtCulvertDescrpt"), QStringLiteral("Sta 6"));
    QCOMPARE(s->text("txtEleRemote"), QStringLiteral("1010"));
    QCOMPARE(s->rows("lstIntensity"), plainLines("2"));
    QVERIFY(messages().asked().empty());
    QCOMPARE(s->culvert(1), second);

    // A change of letter case only is not stored; any other change is.
    QLineEdit* box = s->w<QLineEdit>("txtCulvertDescrpt");
    SW_STEP(s->focusOn(box));
    box->setSelection(1, 1);
    QTest::keyClicks(box, "T");
    box->setSelection(2, 1);
    QTest::keyClicks(box, "A");
    QCOMPARE(box->text(), QStringLiteral("STA 6"));
    QCOMPARE(qs(s->culvert(1).Description), QStringLiteral("Sta 6"));
    SW_STEP(s->typeInto("txtCulvertDescrpt", "a"));
    QCOMPARE(qs(s->culvert(1).Description), QStringLiteral("STA 6a"));
}

void TestCulvertPages::deletingCulverts()
{
    using namespace entry;
    // The third carries everything a move must carry: a typed factor and a user-defined surface.
    const IntensityInputs typed{k100Years, kZoneC, "1050", kFeet, "1000", kFeet, "2000", kFeet, -1, "1.5"};
    const std::vector<SubAreaInput> areas{{kGrassOver75Flat, {}, {}, "3", kHectares, "Swale"},
                                          {-1, "Gravel lot", "0.5", "5", kHectares, "Lot"}};
    SW_STEP(s->enterCulvert("1", kPlainInputs, {kDitch}, "Sta 1+00") && s->createCulvert("2") &&
                s->enterCulvert("3", typed, areas, "Sta 3+00") && s->typeCulvertId("2"));
    const CulvertList before = doc().CulvertList;

    // Answered No: nothing changes.
    messages().queueYesNo(YesNo::No);
    SW_STEP(s->click("cmdDelCulvertNo2"));
    QCOMPARE(messages().texts(),
             std::vector<std::string>{"All information for this culvert will be deleted, continue anyway ?"});
    QCOMPARE(doc().CulvertList, before);
    QCOMPARE(entriesOf(s->combo("cboCulvertNo2")), (QStringList{"1", "2", "3"}));
    QCOMPARE(session().CurCulvert(), std::int16_t(1));

    messages().queueYesNo(YesNo::Yes);
    SW_STEP(s->click("cmdDelCulvertNo2"));
    QCOMPARE(entriesOf(s->combo("cboCulvertNo1")), (QStringList{"1", "3"}));
    QCOMPARE(entriesOf(s->combo("cboCulvertNo2")), (QStringList{"1", "3"}));
    QCOMPARE(doc().CulvertList, (CulvertList{before[0], before[2]}));
    QCOMPARE(session().CurCulvert(), kNoCulvert);
    QCOMPARE(s->text("lblCulvertID"), QString());

    // Then the first and the only one left: nothing remains on either page.
    for (const char* id : {"1", "3"}) {
        messages().queueYesNo(YesNo::Yes);
        SW_STEP(s->typeCulvertId(id) && s->click("cmdDelCulvertNo2"));
    }
    QVERIFY(doc().CulvertList.empty());
    QCOMPARE(s->combo("cboCulvertNo1")->count() + s->combo("cboCulvertNo2")->count(), 0);
    QCOMPARE(s->list("lstIntensity")->model()->rowCount() + s->list("lstAreaInfo")->model()->rowCount(), 0);
    for (const char* name : {"cboCulvertNo2", "txtEleRemote", "txtEleCulvert", "txtLenTravel", "txtCulvertDescrpt",
                             "lblCorFactor", "lblCulvertID", "lblLot", "lblTA", "lblWC"})
        QVERIFY2(s->text(name).isEmpty(), name);
    QCOMPARE(s->text("cboretPeriod"), QStringLiteral("2"));
    QCOMPARE(session().CurCulvert(), kNoCulvert);
}

void TestCulvertPages::keyFilter()
{
    SW_STEP(s->createCulvert("K") && s->pick("cboRFzone", entry::kZoneA) && s->typeInto("txtEleRemote", "12a"));
    QCOMPARE(messages().texts(), std::vector<std::string>{"Please enter number only !"});
    QCOMPARE(s->text("txtEleRemote"), QStringLiteral("12a"));  // the refused key still reaches the box
    QVERIFY(s->culvert(0).EleRemote == 12 && s->culvert(0).EleRemoteFt == 12);

    messages().clearRecord();
    SW_STEP(s->typeInto("txtLenTravel", "-5"));
    QCOMPARE(messages().texts(),
             (std::vector<std::string>{"Please enter number only !", "Please provide positive value !"}));
    QCOMPARE(s->text("txtLenTravel"), QStringLiteral("-5"));
    QVERIFY(s->culvert(0).LenTravel == 0 && s->culvert(0).LenTravelFt == 0);
}

void TestCulvertPages::factorPickedThenTyped()
{
    SW_STEP(computedCulvert() && s->pick("cboTCFactorList", entry::kConcreteOrAsphaltOverland));
    QCOMPARE(s->text("lblCorFactor"), QStringLiteral("0.4"));
    QVERIFY(s->culvert(0).CorFactor == 0.4 && s->culvert(0).CorFactorSource == "Design Manual");

    // User Defined empties the factor; what is typed is stored.
    SW_STEP(s->click("optUser"));
    QCOMPARE(s->text("txtCorFactor"), QString());
    QVERIFY(s->culvert(0).CorFactor == 0 && s->culvert(0).CorFactorSource == "User Defined");
    SW_STEP(s->typeInto("txtCorFactor", "1.2") && s->pressIntensity());
    QCOMPARE(s->culvert(0).CorFactor, 1.2);
    QCOMPARE(s->rows("lstIntensity").mid(5), (QStringList{"Corr. Factor: 1.2 (User Defined)", "Corr. TC (min): 11.25",
                                                          "Intensity (in/hr): 5.05 (128 mm/hr) "}));

    // Clear empties the list only.
    const CulvertRecord before = s->culvert(0);
    SW_STEP(s->click("cmdClear"));
    QCOMPARE(s->list("lstIntensity")->model()->rowCount(), 0);
    QCOMPARE(s->culvert(0), before);
    QVERIFY(messages().asked().empty());
}

void TestCulvertPages::factorListShowsWhatTheCulvertHolds()
{
    // A new culvert has no factor: no flow type shows as chosen (Intensity would find none).
    const auto shown = [this] { return s->combo("cboTCFactorList")->currentIndex(); };
    SW_STEP(s->createCulvert("K"));
    QCOMPARE(shown(), -1);
    QCOMPARE(s->culvert(0).CorFactor, 0.0);
    SW_STEP(s->pick("cboTCFactorList", entry::kConcreteOrAsphaltOverland) && s->createCulvert("L"));
    QCOMPARE(shown(), -1);
    // Chosen again, a culvert shows the one flow type of its factor; a factor several share, none.
    SW_STEP(s->typeCulvertId("K"));
    QCOMPARE(shown(), entry::kConcreteOrAsphaltOverland);
    SW_STEP(s->pick("cboTCFactorList", entry::kNaturalBasins) && s->typeCulvertId("L") && s->typeCulvertId("K"));
    QCOMPARE(shown(), -1);
    QCOMPARE(s->culvert(0).CorFactor, 1.0);
}

void TestCulvertPages::returnPeriodChange()
{
    QFETCH(bool, typed);
    QFETCH(bool, withRows);
    SW_STEP(computedCulvert() && (!withRows || (s->addSubArea(kDitch) && s->addSubArea(kLot))) &&
            s->showPage(kIntensityPage));
    SW_STEP(typed ? s->replaceText("cboretPeriod", "50") && s->focusOn(s->w("txtEleRemote"))
                  : s->pick("cboretPeriod", entry::k50Years));

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

void TestCulvertPages::intensityRefusals_data()
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

void TestCulvertPages::intensityRefusals()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    SW_STEP(computedCulvert());
    const CulvertRecord before = s->culvert(0);
    for (qsizetype i = 0; i + 1 < typed.size(); i += 2)
        SW_STEP(s->replaceText(qPrintable(typed[i]), typed[i + 1]));
    messages().clearRecord();
    SW_STEP(s->pressIntensity());

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
void TestCulvertPages::intensityNeedsASelectedCulvert()
{
    SW_STEP(computedCulvert());
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

void TestCulvertPages::arbitraryTextInEveryBox_data()
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

void TestCulvertPages::arbitraryTextInEveryBox()
{
    QFETCH(QString, box);
    QFETCH(int, page);
    const QStringList texts = {"abc", "!@#$%^&*()_+{}|:\"<>?", "1e400", "-1", "1e308", QString(320, '9'), "0.0000001",
                               QString::fromUtf8("\xc3\x85\xe2\x82\xac\xe4\xb8\xad"), ",,,", " ", "12a", ""};
    SW_STEP(computedCulvert() && s->addSubArea(kDitch) && s->createCulvert("S") && s->typeCulvertId("R"));
    // Every record can be held, and the rows shown are the current culvert's sub-areas.
    const auto sound = [this] {
        const CulvertRecord* current = session().currentCulvert();
        return std::all_of(doc().CulvertList.begin(), doc().CulvertList.end(), recordCanBeHeld) &&
               (current == nullptr || s->list("lstAreaInfo")->model()->rowCount() == declaredAreaCount(*current));
    };
    for (const QString& text : texts) {
        SW_STEP(s->showPage(page));
        const char* mode = box == "txtCorFactor" ? "optUser" : box.startsWith("txtUser") ? "optUserC" : nullptr;
        if (mode && !s->w<QRadioButton>(mode)->isChecked())
            SW_STEP(s->click(mode));
        if (!s->w(qPrintable(box))->isEnabled())
            continue;  // nobody can type there now (no current culvert)
        QVERIFY2(s->replaceText(qPrintable(box), text) && sound(), qPrintable(text));
        // Add and Intensity take whatever the boxes hold; the other entry boxes get plain values.
        if (page == kDrainagePage && s->w("cmdAdd")->isEnabled()) {
            if (box.startsWith("txtUser"))
                SW_STEP(s->replaceText(box == "txtUserC" ? "txtUserSurface" : "txtUserC", "0.5"));
            if (box != "txtArea" && s->w("txtArea")->isEnabled())
                SW_STEP(s->replaceText("txtArea", "1"));
            QVERIFY2(s->click("cmdAdd") && sound(), qPrintable(text + " then Add"));
        }
        QVERIFY2(s->pressIntensity() && sound(), qPrintable(text + " then Intensity"));
        if (session().CurCulvert() >= 0 && s->w("cboretPeriod")->isEnabled())
            QVERIFY2(s->pick("cboretPeriod", entry::k100Years) && sound(), qPrintable(text + " then a return period"));
    }
}

void TestCulvertPages::addBuildsTheRow_data()
{
    // Rows: surface in 35 characters, area in 10, C, description in 10.
    QTest::addColumn<SubAreaInput>("input");
    QTest::addColumn<QString>("row");
    QTest::addColumn<SubArea>("stored");
    using namespace entry;
    QTest::newRow("design manual, 12.34 acres")
        << SubAreaInput{kAsphaltic, {}, {}, "12.34", kAcres, "Ditch A"}
        << "Asphaltic                          ,12.3 a    ,0.81,Ditch A   "
        << SubArea{"Asphaltic", 0.81, "12.3 a", 12.3, "Ditch A"};
    QTest::newRow("user defined, C 0.5, 5 hectares, description cut to ten characters")
        << SubAreaInput{-1, "Gravel lot", "0.5", "5", kHectares, "Roadside ditch north"}
        << "Gravel lot                         ,5 h       , 0.5,Roadside d"
        << SubArea{"Gravel lot", 0.5, "5 h", 12.4, "Roadside d"};
    QTest::newRow("user defined, C 0.455, description a,b stored up to the comma")
        << SubAreaInput{-1, "Gravel lot", "0.455", "5", kHectares, "a,b"}
        << "Gravel lot                         ,5 h       ,0.45,a,b       "
        << SubArea{"Gravel lot", 0.45, "5 h", 12.4, "a"};
    QTest::newRow("design manual, 0.05 acres: the smallest area listed above 0.0")
        << SubAreaInput{kAsphaltic, {}, {}, "0.05", kAcres, ""}
        << "Asphaltic                          ,0.1 a     ,0.81,          " << SubArea{"Asphaltic", 0.81, "0.1 a", 0.1, ""};
}

void TestCulvertPages::addBuildsTheRow()
{
    QFETCH(SubAreaInput, input);
    QFETCH(QString, row);
    QFETCH(SubArea, stored);
    SW_STEP(prepareCulvert() && s->addSubArea(input));
    QVERIFY(messages().asked().empty());
    QCOMPARE(s->rows("lstAreaInfo"), QStringList{row});
    QCOMPARE(s->areaTotals(), QStringLiteral("1 %1 %2").arg(stored.AreaAcres, 0, 'f', 1).arg(stored.C, 0, 'f', 2));
    const CulvertRecord& c = s->culvert(0);
    QCOMPARE(c.Areas, std::vector<SubArea>{stored});
    QVERIFY(c.NumOfAreas == "1" && c.TotalArea == stored.AreaAcres && c.WeightedC == stored.C);
}

void TestCulvertPages::addRefusals_data()
{
    QTest::addColumn<QStringList>("steps");  // option button to click, or box and the text typed over it
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");  // empty: no focus is set
    const QString noSurface = "Please Select Surface Character !";
    const QStringList user = {"optUserC", "", "txtUserC"};
    QTest::newRow("no surface") << QStringList{"cboSurface", ""} << noSurface << "cboSurface";
    QTest::newRow("area 0") << QStringList{"txtArea", "0"} << "Please Provide Area in a Positive Number !"
                            << "txtArea";
    QTest::newRow("user C 0") << user + QStringList{"0", "txtUserSurface", "Lot"}
                              << "Please Provide a Positive User-Defined C Value !" << "txtUserC";
    QTest::newRow("no user surface") << user + QStringList{"0.5"}
                                     << "Please Provide a User-Defined Surface Character !" << "txtUserSurface";
    QTest::newRow("no culvert") << QStringList{"cboCulvertNo1", "nowhere"} << "No Culvert ID is Provided !" << "";
    // A comma would shift the fields of the row when it is parsed, a wider area cut off its unit.
    QTest::newRow("comma in the user-defined surface") << user + QStringList{"0.5", "txtUserSurface", "Lot, paved"}
                                                       << qs(std::string(msg::kCommaInUserSurface)) << "txtUserSurface";
    QTest::newRow("surface typed into the list, not in it") << QStringList{"cboSurface", "Gravel, loose"} << noSurface
                                                            << "cboSurface";
    QTest::newRow("area text of 11 characters") << QStringList{"txtArea", "1500000"}
                                                << qs(std::string(msg::kAreaTooWide)) << "txtArea";
    QTest::newRow("area of 0.04 acres, listed as 0.0")
        << QStringList{"txtArea", "0.04"}
        << "This area would be listed as 0.0, and a culvert with a sub-area of 0.0 cannot be computed: the smallest "
           "area a sub-area can hold is 0.05 acres (a)."
        << "txtArea";
    QTest::newRow("short text of a huge area") << user + QStringList{"0.5", "txtUserSurface", "Lot", "txtArea", "1e300"}
                                               << qs(std::string(msg::kAreaTooLarge)) << "txtArea";
    // Its box is on the intensity page, which comes up with the message.
    QTest::newRow("return period that is no whole number")
        << QStringList{"page", "1", "cboretPeriod", "0", "page", "2", "cboSurface", "Asphaltic"}
        << qs(std::string(msg::kReturnPeriodNotWhole16)) << "cboretPeriod";
}

void TestCulvertPages::addRefusals()
{
    QFETCH(QStringList, steps);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    SW_STEP(prepareCulvert() && s->addSubArea(kDitch) && s->pick("cboSurface", entry::kAsphaltic));
    SW_STEP(s->replaceText("txtArea", "5") && s->replaceText("txtDesCrption", "Kept"));
    for (qsizetype i = 0; i + 1 < steps.size(); i += 2)
        SW_STEP(steps[i] == "page"          ? s->showPage(steps[i + 1].toInt())
                : steps[i].startsWith("opt") ? s->click(qPrintable(steps[i]))
                                             : s->replaceText(qPrintable(steps[i]), steps[i + 1]));
    const CulvertRecord before = s->culvert(0);
    const QStringList rows = s->rows("lstAreaInfo");
    messages().clearRecord();
    SW_STEP(s->click("cmdAdd"));

    QCOMPARE(messages().texts(), std::vector<std::string>{message.toStdString()});
    QCOMPARE(s->rows("lstAreaInfo"), rows);
    QVERIFY(doc().CulvertList.size() == 1 && s->culvert(0) == before);
    QCOMPARE(s->text("txtDesCrption"), QStringLiteral("Kept"));
    if (focus.isEmpty())
        return;
    // The box named is shown, and what is typed next goes into it.
    QVERIFY(s->w(qPrintable(focus))->isVisible() && s->w(qPrintable(focus))->hasFocus());
    const QString typed = s->text(qPrintable(focus)) + "5";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_5);
    QCOMPARE(s->text(qPrintable(focus)), typed);
}

void TestCulvertPages::removingRows()
{
    const SubAreaInput swale{entry::kGrassOver75Flat, {}, {}, "3", entry::kHectares, "Swale"};
    SW_STEP(prepareCulvert() && s->replaceText("txtCulvertDescrpt", "Sta 7") && s->addSubArea(kDitch) &&
                s->addSubArea(swale) && s->addSubArea(kLot));
    const QStringList rows = s->rows("lstAreaInfo");
    SW_STEP(s->click("cmdRemove"));
    QCOMPARE(messages().texts(), std::vector<std::string>{"Please click on the item you want to remove !"});
    QCOMPARE(qs(s->culvert(0).NumOfAreas), QStringLiteral("3"));

    // A picked row shows its description; Remove takes it away.
    messages().clearRecord();
    SW_STEP(s->clickRow("lstAreaInfo", 0));
    QCOMPARE(s->text("txtDesCrption"), QStringLiteral("Ditch A"));
    SW_STEP(s->clickRow("lstAreaInfo", 1));
    QCOMPARE(s->text("txtDesCrption"), QStringLiteral("Swale"));
    SW_STEP(s->click("cmdRemove"));
    QCOMPARE(s->rows("lstAreaInfo"), (QStringList{rows[0], rows[2]}));
    const CulvertRecord& c = s->culvert(0);
    QCOMPARE(c.Areas, (std::vector<SubArea>{{"Asphaltic", 0.81, "2.5 a", 2.5, "Ditch A"},
                                            {"Gravel lot", 0.5, "5 h", 12.4, "Lot"}}));
    QVERIFY(c.NumOfAreas == "2" && c.TotalArea == 14.9 && c.WeightedC == 0.55);  // (0.81 x 2.5 + 0.5 x 12.4) / 14.9
    QCOMPARE(s->areaTotals(), QStringLiteral("2 14.9 0.55"));

    // Remove All, then the only row removed: the counters are reset; the station belongs to the
    // culvert, not to its sub-areas, and is kept.
    for (const bool all : {true, false}) {
        SW_STEP(all ? s->click("cmdRemoveAll")
                    : s->addSubArea(kDitch) && s->clickRow("lstAreaInfo", 0) && s->click("cmdRemove"));
        QCOMPARE(s->list("lstAreaInfo")->model()->rowCount(), 0);
        QCOMPARE(s->areaTotals(), QStringLiteral("0 0.00 0.00"));
        QVERIFY(c.NumOfAreas == "0" && c.Areas.empty());
        QCOMPARE(s->text("txtCulvertDescrpt") + " / " + qs(c.Description), QStringLiteral("Sta 7 / Sta 7"));
    }
    QVERIFY(messages().asked().empty());
}

void TestCulvertPages::modeSwitches()
{
    SW_STEP(prepareCulvert(entry::k25Years) && s->click("optUserC"));
    QVERIFY(s->w("cboSurface")->isHidden() && s->w("txtUserSurface")->isVisible() && s->w("txtUserC")->hasFocus());
    SW_STEP(s->typeInto("txtUserC", "0.6") && s->typeInto("txtUserSurface", "Yard"));
    SW_STEP(s->click("optManualC") && s->pick("cboSurface", entry::kConcreteRoof));
    QVERIFY(s->w("txtUserC")->isHidden() && s->w("txtUserSurface")->isHidden());
    QCOMPARE(s->text("lblCValue"), QStringLiteral("0.88"));  // the C for the culvert's 25 years
    // Chosen again, the user-defined mode starts from empty boxes.
    SW_STEP(s->click("optUserC"));
    QCOMPARE(s->text("txtUserC") + s->text("txtUserSurface"), QString());
}

// The rows a paste adds are the rows Add adds for the same values typed into the boxes.
void TestCulvertPages::pasteBuildsTheRowsAddBuilds()
{
    const QString roof = "Concrete/Roof\t2.25\tacres\t\tRoof";
    SW_STEP(prepareCulvert() && s->addSubArea(kDitch));
    session().IsPristine = true;
    QVERIFY(paste(roof + "\nGravel lot\t5\th\t0.5\tLot"));
    QVERIFY(messages().asked().empty());
    QVERIFY(!session().IsPristine && s->w("cmdRemove")->isEnabled() && s->w("cmdRemoveAll")->isEnabled());
    const QStringList pasted = s->rows("lstAreaInfo");
    const CulvertRecord pastedCulvert = s->culvert(0);

    SW_STEP(s->createCulvert("D2") && s->pick("cboretPeriod", entry::k10Years) && s->addSubArea(kDitch) &&
                s->addSubArea({entry::kConcreteRoof, {}, {}, "2.25", entry::kAcres, "Roof"}) && s->addSubArea(kLot));
    QCOMPARE(pasted, s->rows("lstAreaInfo"));
    const CulvertRecord& added = s->culvert(1);
    QCOMPARE(pastedCulvert.Areas, added.Areas);
    QVERIFY(pastedCulvert.NumOfAreas == "3" && added.NumOfAreas == "3");
    QVERIFY(pastedCulvert.TotalArea == 17.2 && pastedCulvert.WeightedC == added.WeightedC);
    QCOMPARE(s->areaTotals(), QStringLiteral("3 17.2 0.59"));  // (0.81 x 2.5 + 0.83 x 2.3 + 0.5 x 12.4) / 17.2
}

void TestCulvertPages::pasteAddsTheValidRows_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fromMenu");
    QTest::addColumn<QStringList>("added");  // the rows added after the one there
    QTest::addColumn<QString>("totals");
    QTest::addColumn<QString>("message");
    const QString roof = "Concrete/Roof                      ,2.0 a     ,0.83,Roof      ";
    const QString lot = "Gravel lot                         ,5 h       , 0.5,Lot       ";
    const QString noC = qs(std::string(msg::kUserCNotPositive));
    QTest::newRow("header, tabs") << "Surface\tArea\tUnit\tC\tDescription\nConcrete/Roof\t2\ta\t\tRoof\nGravel lot\t5\th\t0.5\tLot\n"
                                  << false << QStringList{roof, lot} << "3 16.9 0.58"
                                  << "Sub-areas added: 2.\rNotes:\rRow 1: taken as a header and skipped.";
    QTest::newRow("mixed, CSV, from the menu")
        << "Concrete/Roof,2,a,,Roof\nLot,5,h\n\"Gravel lot\",5,hectares,0.5,Lot\nAsphaltic,0.04,a" << true
        << QStringList{roof, lot} << "3 16.9 0.58"
        << "Sub-areas added: 2. Rows refused and not added: 2.\rRow 2, \"\": " + noC +
               "\rRow 4, \"0.04\": This area would be listed as 0.0, and a culvert with a sub-area of 0.0 cannot be "
               "computed: the smallest area a sub-area can hold is 0.05 acres (a).";
    QTest::newRow("all refused") << "Lot;5;h\nLot;2,5;h;0.5" << false << QStringList{} << "1 2.5 0.81"
                                 << "No sub-area was added: all 2 rows were refused.\rRow 1, \"\": " + noC +
                                        "\rRow 2, \"2,5\": not a number (digits, with a point as the decimal mark).";
    QTest::newRow("empty clipboard") << "" << true << QStringList{} << "1 2.5 0.81" << qs(std::string(msg::kPasteNoRows));
}

void TestCulvertPages::pasteAddsTheValidRows()
{
    QFETCH(QString, text);
    QFETCH(bool, fromMenu);
    QFETCH(QStringList, added);
    QFETCH(QString, totals);
    QFETCH(QString, message);
    SW_STEP(prepareCulvert() && s->addSubArea(kDitch));
    const QStringList before = s->rows("lstAreaInfo");
    const std::vector<SubArea> areasBefore = s->culvert(0).Areas;
    session().IsPristine = true;
    messages().clearRecord();
    QVERIFY(paste(text, fromMenu));

    QCOMPARE(messages().texts(), std::vector<std::string>{message.toStdString()});
    QCOMPARE(s->rows("lstAreaInfo"), before + added);
    QCOMPARE(s->areaTotals(), totals);
    const CulvertRecord& c = s->culvert(0);
    QCOMPARE(qs(c.NumOfAreas), QString::number(1 + added.size()));
    QCOMPARE(c.Areas.size(), std::size_t(1 + added.size()));
    QVERIFY(std::equal(areasBefore.begin(), areasBefore.end(), c.Areas.begin()));
    for (qsizetype i = 0; i < added.size(); ++i)
        QCOMPARE(c.Areas[std::size_t(i + 1)], parseAreaRow(added[i].toStdString()));
    QCOMPARE(session().IsPristine, added.isEmpty());  // nothing added: nothing touched
}

// A paste of 500 rows: all of them stored, and the window answers within a second or two.
void TestCulvertPages::pasteOfFiveHundredRows()
{
    SW_STEP(prepareCulvert() && s->addSubArea(kDitch));
    QString text;
    for (int i = 0; i < 500; ++i)
        text += QStringLiteral("Grass Areas (> 75%)-Flat 0~2%\t%1\tacres\t\tSwale %2\r\n").arg(i % 2 ? "1.5" : "2.5").arg(i);
    const auto started = std::chrono::steady_clock::now();
    QVERIFY(paste(text));
    const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
    qInfo("500 rows pasted in %lld ms", static_cast<long long>(took.count()));
    QVERIFY(took < std::chrono::seconds(2));
    QVERIFY(messages().asked().empty());
    QCOMPARE(s->list("lstAreaInfo")->model()->rowCount(), 501);
    const CulvertRecord& c = s->culvert(0);
    QVERIFY(c.NumOfAreas == "501" && c.Areas.size() == 501);
    QCOMPARE(c.Areas[500], (SubArea{"Grass Areas (> 75%)-Flat 0~2%", 0.25, "1.5 a", 1.5, "Swale 499"}));
    QCOMPARE(s->areaTotals(), QStringLiteral("501 1002.5 0.25"));  // (0.81 x 2.5 + 0.25 x 1000) / 1002.5
}

QTEST_MAIN(TestCulvertPages)
#include "tst_culvertpages.moc"
