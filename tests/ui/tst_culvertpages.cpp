// The two pages of a culvert. The culvert list: one culvert from its ID to its sub-areas and chosen
// again, IDs typed or picked, deleting. The intensity page: key filter, correction factor, Clear, the
// return period change that re-derives the C values, the refusals of Intensity, any text in any box.
// The drainage page: the refusals of Add, Remove, Remove All, the two modes, rows pasted.

#include <algorithm>
#include <chrono>
#include <cmath>

#include "core/messages.h"
#include "core/text.h"
#include "engine/arearows.h"
#include "tests/ui/editorsteps.h"
#include "ui/main/frmrptable.h"
#include "ui/main/intensitypage.h"

using namespace sw;
using namespace sw::testing;

namespace {

const std::vector<std::string> kCUpdate{std::string(msg::kCUpdate)};  // its wording is pinned by the engine's tests

const SubAreaInput kSwale{entry::kGrassOver75Flat, {}, {}, "3", entry::kHectares, "Swale"};
// The rows Add lists for kDitch and kLot, and a paste of the same values.
const QString kDitchRow = "Asphaltic                          ,2.5 a     ,0.81,Ditch A   ";
const QString kLotRow = "Gravel lot                         ,5 h       , 0.5,Lot       ";

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
    void oneCulvertFromEntryToDrainageAndBack();
    void typingChoosingAndDeletingCulverts();
    void keyFilterAndTheFactorShown();
    void factorPickedThenTyped();
    void returnPeriodChange_data()
    {
        QTest::addColumn<QString>("way");  // how the period 50 is given
        QTest::addColumn<bool>("withRows");
        QTest::newRow("picked") << "picked" << true;
        QTest::newRow("typed, then the box left") << "typed" << true;
        QTest::newRow("clicked in the frequency table") << "table" << true;
        QTest::newRow("picked, no sub-areas") << "picked" << false;
    }
    void returnPeriodChange();
    void refusals_data();
    void refusals();
    void intensityNeedsASelectedCulvert();
    void arbitraryTextInEveryBox_data();
    void arbitraryTextInEveryBox();
    void removingRowsAndSwitchingModes();
    void pasteAddsTheValidRows_data();
    void pasteAddsTheValidRows();

private:
    bool computedCulvert()
    {
        return s->createCulvert("R") && s->enterIntensityInputs(kPlainInputs) && s->pressIntensity() &&
               s->rows("lstIntensity") == plainLines("R");
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

void TestCulvertPages::oneCulvertFromEntryToDrainageAndBack()
{
    // Another culvert first, with a station only, to choose between the two at the end.
    SW_STEP(s->createCulvert("1") && s->showPage(kDrainagePage) && s->replaceText("txtCulvertDescrpt", "Sta 5"));
    SW_STEP(s->createCulvert("C-1"));
    QCOMPARE(entriesOf(s->combo("cboCulvertNo1")), (QStringList{"1", "C-1"}));

    SW_STEP(s->pick("cboretPeriod", entry::k10Years) && s->pick("cboRFzone", entry::kZoneA));
    SW_STEP(s->typeInto("txtEleRemote", "1010") && s->typeInto("txtEleCulvert", "1000") &&
                s->typeInto("txtLenTravel", "1000") && s->pick("cboTCFactorList", entry::kNaturalBasins));
    SW_STEP(s->pressIntensity());
    QCOMPARE(s->rows("lstIntensity"), plainLines("C-1"));

    SW_STEP(s->showPage(kDrainagePage) && s->replaceText("txtCulvertDescrpt", "Sta 12+50"));
    SW_STEP(s->addSubArea(kDitch) && s->addSubArea(kSwale) && s->addSubArea(kLot));
    // Rows: surface in 35 characters, area in 10, C (a user-defined one right-aligned in 4),
    // description in 10.
    QCOMPARE(s->rows("lstAreaInfo"),
             (QStringList{kDitchRow, "Grass Areas (> 75%)-Flat 0~2%      ,3.0 h     ,0.25,Swale     ", kLotRow}));
    QCOMPARE(s->areaTotals(), QStringLiteral("3 22.3 0.45"));  // (0.81 x 2.5 + 0.25 x 7.4 + 0.5 x 12.4) / 22.3

    // The stored record, in the order of its fields; the intensity 5.45 is kept to one decimal.
    const CulvertRecord expected{"C-1", "3", "Sta 12+50", "10",
                                 {{"Asphaltic", 0.81, "2.5 a", 2.5, "Ditch A"},
                                  {"Grass Areas (> 75%)-Flat 0~2%", 0.25, "3.0 h", 7.4, "Swale"},
                                  {"Gravel lot", 0.5, "5 h", 12.4, "Lot"}},
                                 "A", 1010, "ft", 1010, 1000, "ft", 1000, 1000, "ft", 1000, 1, "Design Manual",
                                 0.01, 9.38, 0.45, 22.3, 5.5, s->culvert(1).Bracket};
    QCOMPARE(s->culvert(1), expected);

    // Chosen again: a culvert without sub-areas empties the page, its record keeps its station; one
    // with sub-areas shows them as stored, unpadded, with its inputs and their results, unchanged.
    SW_STEP(s->pick("cboCulvertNo1", 0));
    QCOMPARE(session().CurCulvert(), std::int16_t(0));
    QCOMPARE(s->text("txtCulvertDescrpt"), QString());
    QCOMPARE(s->list("lstAreaInfo")->model()->rowCount(), 0);
    QCOMPARE(qs(s->culvert(0).Description), QStringLiteral("Sta 5"));
    SW_STEP(s->pick("cboCulvertNo1", 1));
    QCOMPARE(session().CurCulvert(), std::int16_t(1));
    QCOMPARE(s->rows("lstAreaInfo"),
             (QStringList{"Asphaltic,2.5 a,0.81,Ditch A", "Grass Areas (> 75%)-Flat 0~2%,3.0 h,0.25,Swale",
                          "Gravel lot,5 h,0.50,Lot"}));
    QCOMPARE(s->areaTotals(), QStringLiteral("3 22.3 0.45"));
    QCOMPARE(s->text("txtCulvertDescrpt"), QStringLiteral("Sta 12+50"));
    QCOMPARE(s->text("txtEleRemote"), QStringLiteral("1010"));
    QCOMPARE(s->rows("lstIntensity"), plainLines("C-1"));
    QCOMPARE(s->culvert(1), expected);
    QVERIFY(messages().asked().empty());

    // A change of letter case only is not stored; any other change is.
    QLineEdit* box = s->w<QLineEdit>("txtCulvertDescrpt");
    SW_STEP(s->focusOn(box));
    box->setSelection(1, 1);
    QTest::keyClicks(box, "T");
    box->setSelection(2, 1);
    QTest::keyClicks(box, "A");
    QCOMPARE(box->text(), QStringLiteral("STA 12+50"));
    QCOMPARE(qs(s->culvert(1).Description), QStringLiteral("Sta 12+50"));
    SW_STEP(s->typeInto("txtCulvertDescrpt", "a"));
    QCOMPARE(qs(s->culvert(1).Description), QStringLiteral("STA 12+50a"));
}

void TestCulvertPages::typingChoosingAndDeletingCulverts()
{
    // The second has nothing entered: a field of the third left behind by a move shows.
    SW_STEP(s->enterCulvert("1", kPlainInputs, {kDitch}, "Sta 1+00") && s->createCulvert("12") &&
                s->enterCulvert("3", kPlainInputs, {kSwale, kLot}, "Sta 3+00") && s->typeCulvertId({}));
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
    QCOMPARE(doc().CulvertList.size(), std::size_t(3));
    const CulvertList before = doc().CulvertList;

    // Answered No: nothing changes.
    messages().queueYesNo(YesNo::No);
    SW_STEP(s->click("cmdDelCulvertNo2"));
    QCOMPARE(messages().texts(),
             std::vector<std::string>{"All information for this culvert will be deleted, continue anyway ?"});
    QCOMPARE(doc().CulvertList, before);
    QCOMPARE(entriesOf(s->combo("cboCulvertNo2")), (QStringList{"1", "12", "3"}));
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

void TestCulvertPages::keyFilterAndTheFactorShown()
{
    // A new culvert has no factor: no flow type shows as chosen (Intensity would find none).
    const auto shown = [this] { return s->combo("cboTCFactorList")->currentIndex(); };
    SW_STEP(s->createCulvert("K"));
    QCOMPARE(shown(), -1);
    QCOMPARE(s->culvert(0).CorFactor, 0.0);

    SW_STEP(s->pick("cboRFzone", entry::kZoneA) && s->typeInto("txtEleRemote", "12a"));
    QCOMPARE(messages().texts(), std::vector<std::string>{"Please enter number only !"});
    QCOMPARE(s->text("txtEleRemote"), QStringLiteral("12a"));  // the refused key still reaches the box
    QVERIFY(s->culvert(0).EleRemote == 12 && s->culvert(0).EleRemoteFt == 12);

    messages().clearRecord();
    SW_STEP(s->typeInto("txtLenTravel", "-5"));
    QCOMPARE(messages().texts(),
             (std::vector<std::string>{"Please enter number only !", "Please provide positive value !"}));
    QCOMPARE(s->text("txtLenTravel"), QStringLiteral("-5"));
    QVERIFY(s->culvert(0).LenTravel == 0 && s->culvert(0).LenTravelFt == 0);

    SW_STEP(s->pick("cboTCFactorList", entry::kConcreteOrAsphaltOverland) && s->createCulvert("L"));
    QCOMPARE(shown(), -1);
    // Chosen again, a culvert shows the one flow type of its factor; a factor several share, none.
    SW_STEP(s->typeCulvertId("K"));
    QCOMPARE(shown(), entry::kConcreteOrAsphaltOverland);
    SW_STEP(s->pick("cboTCFactorList", entry::kNaturalBasins) && s->typeCulvertId("L") && s->typeCulvertId("K"));
    QCOMPARE(shown(), -1);
    QCOMPARE(s->culvert(0).CorFactor, 1.0);
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

void TestCulvertPages::returnPeriodChange()
{
    QFETCH(QString, way);
    QFETCH(bool, withRows);
    SW_STEP(computedCulvert() && (!withRows || (s->addSubArea(kDitch) && s->addSubArea(kLot))) &&
            s->showPage(kIntensityPage));
    if (way == "table") {  // 50 for a median pipe of an interstate
        SW_STEP(s->click("cmdFqyTable"));
        QTest::mouseClick(m_h->window->frequencyTable()->findChild<QLabel*>("Label16"), Qt::LeftButton);
    } else {
        SW_STEP(way == "typed" ? s->replaceText("cboretPeriod", "50") && s->focusOn(s->w("txtEleRemote"))
                               : s->pick("cboretPeriod", entry::k50Years));
    }

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

void TestCulvertPages::refusals_data()
{
    // A failed check of Intensity or Add: its message, the focus on its box, nothing touched. Inputs
    // the formulas cannot use (Intensity, no focus given) withdraw the intensity computed before.
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("steps");  // a page, an option clicked, or a box and the text typed over it
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");  // empty: no focus is set
    const auto message = [](std::string_view text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); };
    const QString intensity = "cmdIntensity", add = "cmdAdd";
    QTest::newRow("remote 0") << intensity << QStringList{"txtEleRemote", "0"} << message(msg::kRemoteZero)
                              << "txtEleRemote";
    QTest::newRow("300 m is below 1000 ft") << intensity << QStringList{"txtEleRemote", "300", "cboRemoteUnit", "m"}
                                            << message(msg::kRemoteBelowInlet) << "txtEleCulvert";
    QTest::newRow("unknown unit typed") << intensity << QStringList{"cboRemoteUnit", "yd"} << message(msg::kUnitUnknown)
                                        << "cboRemoteUnit";
    QTest::newRow("equal elevations") << intensity << QStringList{"txtEleCulvert", "1010"}
                                      << message(msg::kSlopeNotPositive) << "";
    QTest::newRow("Tc beyond 1440 minutes")
        << intensity << QStringList{"txtEleRemote", "2000", "txtLenTravel", "1000000"}
        << message(fillMessage(msg::kTcBeyondTable, {"4646.16"})) << "";
    // Add: one refusal for each box the focus goes to; every refusal and its box are the engine's to check.
    const QStringList user = {"optUserC", "", "txtUserC"};
    QTest::newRow("no surface") << add << QStringList{"cboSurface", ""} << "Please Select Surface Character !"
                                << "cboSurface";
    QTest::newRow("area 0") << add << QStringList{"txtArea", "0"} << "Please Provide Area in a Positive Number !"
                            << "txtArea";
    QTest::newRow("user C 0") << add << user + QStringList{"0", "txtUserSurface", "Lot"}
                              << "Please Provide a Positive User-Defined C Value !" << "txtUserC";
    QTest::newRow("no user surface") << add << user + QStringList{"0.5"}
                                     << "Please Provide a User-Defined Surface Character !" << "txtUserSurface";
    QTest::newRow("no culvert") << add << QStringList{"cboCulvertNo1", "nowhere"} << "No Culvert ID is Provided !"
                                << "";
    // Its box is on the intensity page, which comes up with the message.
    QTest::newRow("return period that is no whole number")
        << add << QStringList{"page", "1", "cboretPeriod", "0", "page", "2", "cboSurface", "Asphaltic"}
        << message(msg::kReturnPeriodNotWhole16) << "cboretPeriod";
}

void TestCulvertPages::refusals()
{
    QFETCH(QString, button);
    QFETCH(QStringList, steps);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    const bool add = button == "cmdAdd";
    SW_STEP(computedCulvert() && s->addSubArea(kDitch) && s->pick("cboSurface", entry::kAsphaltic));
    SW_STEP(s->replaceText("txtArea", "5") && s->replaceText("txtDesCrption", "Kept"));
    const CulvertRecord computed = s->culvert(0);
    SW_STEP(s->showPage(add ? kDrainagePage : kIntensityPage));
    for (qsizetype i = 0; i + 1 < steps.size(); i += 2)
        SW_STEP(steps[i] == "page"          ? s->showPage(steps[i + 1].toInt())
                : steps[i].startsWith("opt") ? s->click(qPrintable(steps[i]))
                                             : s->replaceText(qPrintable(steps[i]), steps[i + 1]));
    const CulvertRecord before = s->culvert(0);
    const QStringList rows = s->rows("lstAreaInfo");
    messages().clearRecord();
    SW_STEP(s->click(qPrintable(button)));

    QCOMPARE(messages().texts(), std::vector<std::string>{message.toStdString()});
    QCOMPARE(s->rows("lstAreaInfo"), rows);
    QCOMPARE(s->text("txtDesCrption"), QStringLiteral("Kept"));
    const CulvertRecord& c = s->culvert(0);
    if (!add && focus.isEmpty()) {
        QVERIFY(!s->rows("lstIntensity").join('|').contains("Intensity (in/hr)"));
        QVERIFY(c.Intensity == 0 && !c.Bracket.has_value());
        return;
    }
    QVERIFY(doc().CulvertList.size() == 1 && c == before);
    if (!add) {
        QCOMPARE(s->rows("lstIntensity"), plainLines("R"));
        QVERIFY(c.Slope == computed.Slope && c.CorTC == computed.CorTC && c.Intensity == computed.Intensity);
    }
    if (focus.isEmpty())
        return;
    // The box named is shown, and what is typed next goes into it.
    QVERIFY(s->w(qPrintable(focus))->isVisible() && s->w(qPrintable(focus))->hasFocus());
    const QString typed = s->text(qPrintable(focus)) + "5";
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_5);
    QCOMPARE(s->text(qPrintable(focus)), typed);
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

void TestCulvertPages::removingRowsAndSwitchingModes()
{
    SW_STEP(computedCulvert() && s->showPage(kDrainagePage) && s->replaceText("txtCulvertDescrpt", "Sta 7") &&
                s->addSubArea(kDitch) && s->addSubArea(kSwale) && s->addSubArea(kLot));
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

    // The two modes of entering a sub-area, on the same culvert, now for 25 years.
    SW_STEP(s->showPage(kIntensityPage) && s->pick("cboretPeriod", entry::k25Years) && s->showPage(kDrainagePage) &&
            s->click("optUserC"));
    QVERIFY(s->w("cboSurface")->isHidden() && s->w("txtUserSurface")->isVisible() && s->w("txtUserC")->hasFocus());
    SW_STEP(s->typeInto("txtUserC", "0.6") && s->typeInto("txtUserSurface", "Yard"));
    SW_STEP(s->click("optManualC") && s->pick("cboSurface", entry::kConcreteRoof));
    QVERIFY(s->w("txtUserC")->isHidden() && s->w("txtUserSurface")->isHidden());
    QCOMPARE(s->text("lblCValue"), QStringLiteral("0.88"));  // the C for the culvert's 25 years
    // Chosen again, the user-defined mode starts from empty boxes.
    SW_STEP(s->click("optUserC"));
    QCOMPARE(s->text("txtUserC") + s->text("txtUserSurface"), QString());
}

void TestCulvertPages::pasteAddsTheValidRows_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("fromMenu");
    QTest::addColumn<QStringList>("added");  // the rows added after the one there
    QTest::addColumn<QString>("totals");
    QTest::addColumn<QString>("message");
    // The rows are those Add lists for the same values (kLotRow).
    const QString roof = "Concrete/Roof                      ,2.0 a     ,0.83,Roof      ", lot = kLotRow;
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
    QTest::newRow("empty clipboard") << "" << true << QStringList{} << "1 2.5 0.81" << qs(std::string(msg::kPasteNoRows));
    const QString grass = "Grass Areas (> 75%)-Flat 0~2%";
    QString many;
    QStringList swales;
    for (int i = 0; i < 500; ++i) {
        const QString area = i % 2 ? "1.5" : "2.5", description = QStringLiteral("Swale %1").arg(i);
        many += QStringLiteral("%1\t%2\tacres\t\t%3\r\n").arg(grass, area, description);
        swales << QStringLiteral("%1,%2,0.25,%3").arg(grass, -35).arg(area + " a", -10).arg(description, -10);
    }
    // (0.81 x 2.5 + 0.25 x 1000) / 1002.5; all rows taken: no message.
    QTest::newRow("500 rows") << many << false << swales << "501 1002.5 0.25" << "";
}

void TestCulvertPages::pasteAddsTheValidRows()
{
    QFETCH(QString, text);
    QFETCH(bool, fromMenu);
    QFETCH(QStringList, added);
    QFETCH(QString, totals);
    QFETCH(QString, message);
    SW_STEP(computedCulvert() && s->addSubArea(kDitch));
    const QStringList before = s->rows("lstAreaInfo");
    const std::vector<SubArea> areasBefore = s->culvert(0).Areas;
    session().IsPristine = true;
    messages().clearRecord();
    const auto started = std::chrono::steady_clock::now();
    QVERIFY(paste(text, fromMenu));
    QVERIFY(std::chrono::steady_clock::now() - started < std::chrono::seconds(2));  // even for 500 rows

    QCOMPARE(messages().texts(), message.isEmpty() ? std::vector<std::string>{}
                                                   : std::vector<std::string>{message.toStdString()});
    QCOMPARE(s->rows("lstAreaInfo"), before + added);
    QCOMPARE(s->areaTotals(), totals);
    const CulvertRecord& c = s->culvert(0);
    QCOMPARE(qs(c.NumOfAreas), QString::number(1 + added.size()));
    QCOMPARE(c.Areas.size(), std::size_t(1 + added.size()));
    QVERIFY(std::equal(areasBefore.begin(), areasBefore.end(), c.Areas.begin()));
    for (qsizetype i = 0; i < added.size(); ++i)
        QCOMPARE(c.Areas[std::size_t(i + 1)], parseAreaRow(added[i].toStdString()));
    QCOMPARE(session().IsPristine, added.isEmpty());  // nothing added: nothing touched
    QVERIFY(s->w("cmdRemove")->isEnabled() && s->w("cmdRemoveAll")->isEnabled());
}

QTEST_MAIN(TestCulvertPages)
#include "tst_culvertpages.moc"
