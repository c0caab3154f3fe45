// The drainage area editor: the rows Add builds in both modes and the sub-areas parsed from them,
// the refusals of Add with their focus, Remove, Remove All, picking a row, and the two modes.

#include <QLabel>
#include <QRadioButton>

#include "core/messages.h"
#include "tests/ui/editorsteps.h"

using namespace sw;
using namespace sw::testing;

Q_DECLARE_METATYPE(sw::SubArea)

namespace {

const std::string kAreaNotPositive = "Please Provide Area in a Positive Number !";
const std::string kNoSurface = "Please Select Surface Character !";
const std::string kUserCNotPositive = "Please Provide a Positive User-Defined C Value !";
const std::string kNoUserSurface = "Please Provide a User-Defined Surface Character !";
const std::string kNoCulvertGiven = "No Culvert ID is Provided !";
const std::string kNoRowSelected = "Please click on the item you want to remove !";

const SubAreaInput kDitch{entry::kAsphaltic, {}, {}, "2.5", entry::kAcres, "Ditch A"};
const SubAreaInput kSwale{entry::kGrassOver75Flat, {}, {}, "3", entry::kHectares, "Swale"};
const SubAreaInput kLot{-1, "Gravel lot", "0.5", "5", entry::kHectares, "Lot"};

// The rows of those three when added at 10 years.
const QString kDitchRow = padded("Asphaltic", 35) + "," + padded("2.5 a", 10) + ",0.81," + padded("Ditch A", 10);
const QString kSwaleRow =
    padded("Grass Areas (> 75%)-Flat 0~2%", 35) + "," + padded("3.0 h", 10) + ",0.25," + padded("Swale", 10);
const QString kLotRow = padded("Gravel lot", 35) + "," + padded("5 h", 10) + ", 0.5," + padded("Lot", 10);

}  // namespace

class TestDrainage : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void addBuildsTheRow_data();
    void addBuildsTheRow();
    void addRefusals_data();
    void addRefusals();
    void addWithoutCurrentCulvert();
    void addRefusesWhatWouldShiftOrCutTheRow_data();
    void addRefusesWhatWouldShiftOrCutTheRow();
    void removeWithoutSelection();
    void removeThePickedRow();
    void removeTheOnlyRow();
    void removeAll();
    void pickingARowShowsItsDescription();
    void userDefinedMode();
    void designManualMode();

private:
    // A culvert with its return period picked, and the drainage page open.
    bool prepareCulvert(int period = entry::k10Years);
    // Every entry control enabled: a surface picked, an area typed, a unit picked.
    bool enableEntry();
    AppState& state() { return *m_h->state; }
    auto& messages() { return m_h->desktop->messages(); }

    std::unique_ptr<MainWindowHarness> m_h;
    std::unique_ptr<EditorSteps> s;
};

void TestDrainage::init()
{
    m_h = std::make_unique<MainWindowHarness>();
    m_h->create();
    s = std::make_unique<EditorSteps>(*m_h);
    QVERIFY(m_h->showActive());
}

void TestDrainage::cleanup()
{
    s.reset();
    SW_VERIFY_NO_WINDOW_LEFT(*m_h);
    m_h.reset();
}

bool TestDrainage::prepareCulvert(int period)
{
    return s->createCulvert("D1") && s->pick("cboretPeriod", period) && s->showPage(kDrainagePage);
}

bool TestDrainage::enableEntry()
{
    return s->pick("cboSurface", entry::kAsphaltic) && s->replaceText("txtArea", "1") &&
           s->pick("cboAreaUnit", entry::kAcres);
}

void TestDrainage::addBuildsTheRow_data()
{
    QTest::addColumn<int>("period");
    QTest::addColumn<int>("surface");
    QTest::addColumn<QString>("userSurface");
    QTest::addColumn<QString>("userC");
    QTest::addColumn<QString>("area");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("row");
    QTest::addColumn<SubArea>("stored");
    QTest::addColumn<QString>("totalArea");
    QTest::addColumn<QString>("weightedC");
    using namespace entry;

    QTest::newRow("design manual, asphaltic, 25 years, 12.34 acres")
        << k25Years << kAsphaltic << "" << "" << "12.34" << kAcres << "Ditch A"
        << padded("Asphaltic", 35) + "," + padded("12.3 a", 10) + ",0.86," + padded("Ditch A", 10)
        << SubArea{"Asphaltic", 0.86, "12.3 a", 12.3, "Ditch A"} << "12.3" << "0.86";
    QTest::newRow("design manual, area formatted with one decimal, halves up")
        << k10Years << kAsphaltic << "" << "" << "0.05" << kAcres << "Curb"
        << padded("Asphaltic", 35) + "," + padded("0.1 a", 10) + ",0.81," + padded("Curb", 10)
        << SubArea{"Asphaltic", 0.81, "0.1 a", 0.1, "Curb"} << "0.1" << "0.81";
    QTest::newRow("design manual, area trimmed before formatting")
        << k2Years << kAsphaltic << "" << "" << "  7.25 " << kAcres << "Lane"
        << padded("Asphaltic", 35) + "," + padded("7.3 a", 10) + ",0.73," + padded("Lane", 10)
        << SubArea{"Asphaltic", 0.73, "7.3 a", 7.3, "Lane"} << "7.3" << "0.73";
    QTest::newRow("design manual, square feet")
        << k5Years << kConcreteRoof << "" << "" << "43560" << kSquareFeet << "Shoulder"
        << padded("Concrete/Roof", 35) + "," + padded("43560.0 f", 10) + ",0.80," + padded("Shoulder", 10)
        << SubArea{"Concrete/Roof", 0.8, "43560.0 f", 0.9, "Shoulder"} << "0.9" << "0.80";
    QTest::newRow("design manual, square metres, 500 years")
        << k500Years << kGrassOver75Flat << "" << "" << "10000" << kSquareMetres << "Verge"
        << padded("Grass Areas (> 75%)-Flat 0~2%", 35) + "," + padded("10000.0 m", 10) + ",0.49," + padded("Verge", 10)
        << SubArea{"Grass Areas (> 75%)-Flat 0~2%", 0.49, "10000.0 m", 2.5, "Verge"} << "2.5" << "0.49";
    QTest::newRow("design manual, area text of exactly ten characters")
        << k10Years << kAsphaltic << "" << "" << "999999" << kHectares << "Basin"
        << padded("Asphaltic", 35) + "," + "999999.0 h" + ",0.81," + padded("Basin", 10)
        << SubArea{"Asphaltic", 0.81, "999999.0 h", 2471041.2, "Basin"} << "2471041.2" << "0.81";
    QTest::newRow("user defined, C 0.5, 5 hectares")
        << k10Years << -1 << "Gravel lot" << "0.5" << "5" << kHectares << "Lot" << kLotRow
        << SubArea{"Gravel lot", 0.5, "5 h", 12.4, "Lot"} << "12.4" << "0.50";
    QTest::newRow("user defined, C 0.455 keeps four characters")
        << k10Years << -1 << "Gravel lot" << "0.455" << "5" << kHectares << "Lot"
        << padded("Gravel lot", 35) + "," + padded("5 h", 10) + ",0.45," + padded("Lot", 10)
        << SubArea{"Gravel lot", 0.45, "5 h", 12.4, "Lot"} << "12.4" << "0.45";
    QTest::newRow("user defined, C 1 right-aligned, area as typed")
        << k10Years << -1 << "Pond" << "1" << "2.50" << kAcres << "Water"
        << padded("Pond", 35) + "," + padded("2.50 a", 10) + ",   1," + padded("Water", 10)
        << SubArea{"Pond", 1.0, "2.50 a", 2.5, "Water"} << "2.5" << "1.00";
    QTest::newRow("description longer than ten characters")
        << k2Years << kAsphaltic << "" << "" << "1" << kAcres << "Roadside ditch north"
        << padded("Asphaltic", 35) + "," + padded("1.0 a", 10) + ",0.73," + "Roadside d"
        << SubArea{"Asphaltic", 0.73, "1.0 a", 1.0, "Roadside d"} << "1.0" << "0.73";
    QTest::newRow("description a,b is cut at the comma")
        << k2Years << kAsphaltic << "" << "" << "1" << kAcres << "a,b"
        << padded("Asphaltic", 35) + "," + padded("1.0 a", 10) + ",0.73," + padded("a,b", 10)
        << SubArea{"Asphaltic", 0.73, "1.0 a", 1.0, "a"} << "1.0" << "0.73";
    QTest::newRow("empty description")
        << k2Years << kAsphaltic << "" << "" << "1" << kAcres << ""
        << padded("Asphaltic", 35) + "," + padded("1.0 a", 10) + ",0.73," + padded("", 10)
        << SubArea{"Asphaltic", 0.73, "1.0 a", 1.0, ""} << "1.0" << "0.73";
}

void TestDrainage::addBuildsTheRow()
{
    QFETCH(int, period);
    QFETCH(int, surface);
    QFETCH(QString, userSurface);
    QFETCH(QString, userC);
    QFETCH(QString, area);
    QFETCH(int, unit);
    QFETCH(QString, description);
    QFETCH(QString, row);
    QFETCH(SubArea, stored);
    QFETCH(QString, totalArea);
    QFETCH(QString, weightedC);

    QVERIFY2(prepareCulvert(period), s->why());
    QVERIFY2(s->addSubArea({surface, userSurface, userC, area, unit, description}), s->why());
    QVERIFY(messages().asked().empty());
    QCOMPARE(row.size(), 62);
    QCOMPARE(s->rows("lstAreaInfo"), QStringList{row});
    QCOMPARE(s->text("lblLot"), QStringLiteral("1"));
    QCOMPARE(s->text("lblTA"), totalArea);
    QCOMPARE(s->text("lblWC"), weightedC);

    const CulvertRecord& c = s->culvert(0);
    QCOMPARE(qs(c.NumOfAreas), QStringLiteral("1"));
    QCOMPARE(c.Areas.size(), std::size_t(1));
    QCOMPARE(describe(c.Areas[0]), describe(stored));
    QCOMPARE(c.TotalArea, stored.AreaAcres);
    QCOMPARE(c.WeightedC, stored.C);

    // After an Add: entry emptied, Remove enabled, Design Manual mode, focus on the surface list.
    QCOMPARE(s->text("txtArea"), QString());
    QCOMPARE(s->text("txtDesCrption"), QString());
    QVERIFY(s->w("cmdRemove")->isEnabled());
    QVERIFY(s->w("cmdRemoveAll")->isEnabled());
    QVERIFY(s->w<QRadioButton>("optManualC")->isChecked());
    QVERIFY(!s->w<QRadioButton>("optUserC")->isChecked());
    QVERIFY(!s->w("cboSurface")->isHidden());
    QVERIFY(s->w("txtUserC")->isHidden());
    QVERIFY(s->w("txtUserSurface")->isHidden());
    QVERIFY(s->combo("cboSurface")->hasFocus());

    // A second sub-area is appended and both are parsed again.
    QVERIFY2(s->addSubArea(kDitch), s->why());
    QCOMPARE(s->list("lstAreaInfo")->count(), 2);
    QCOMPARE(s->rows("lstAreaInfo").front(), row);
    QCOMPARE(qs(c.NumOfAreas), QStringLiteral("2"));
    QCOMPARE(c.Areas.size(), std::size_t(2));
    QCOMPARE(describe(c.Areas[0]), describe(stored));
    QCOMPARE(qs(c.Areas[1].Surface), QStringLiteral("Asphaltic"));
    QCOMPARE(qs(c.Areas[1].AreaText), QStringLiteral("2.5 a"));
    QCOMPARE(s->text("lblLot"), QStringLiteral("2"));
    QVERIFY(messages().asked().empty());
}

void TestDrainage::addRefusals_data()
{
    QTest::addColumn<bool>("user");
    QTest::addColumn<bool>("clearSurface");
    QTest::addColumn<QString>("userC");
    QTest::addColumn<QString>("userSurface");
    QTest::addColumn<QString>("area");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    const auto area = QString::fromStdString(kAreaNotPositive);
    const auto userC = QString::fromStdString(kUserCNotPositive);

    QTest::newRow("manual, no surface") << false << true << "" << "" << "5" << qs(kNoSurface) << "cboSurface";
    QTest::newRow("manual, no surface checked before the area")
        << false << true << "" << "" << "" << qs(kNoSurface) << "cboSurface";
    QTest::newRow("manual, empty area") << false << false << "" << "" << "" << area << "txtArea";
    QTest::newRow("manual, area 0") << false << false << "" << "" << "0" << area << "txtArea";
    QTest::newRow("manual, area without a number") << false << false << "" << "" << "abc" << area << "txtArea";
    QTest::newRow("manual, negative area") << false << false << "" << "" << "-3" << area << "txtArea";
    QTest::newRow("user, no C") << true << false << "" << "Lot" << "5" << userC << "txtUserC";
    QTest::newRow("user, C 0") << true << false << "0" << "Lot" << "5" << userC << "txtUserC";
    QTest::newRow("user, negative C") << true << false << "-0.5" << "Lot" << "5" << userC << "txtUserC";
    QTest::newRow("user, C without a number") << true << false << "x" << "Lot" << "5" << userC << "txtUserC";
    QTest::newRow("user, C checked before the surface") << true << false << "" << "" << "5" << userC << "txtUserC";
    QTest::newRow("user, no surface") << true << false << "0.5" << "" << "5" << qs(kNoUserSurface) << "txtUserSurface";
    QTest::newRow("user, area 0") << true << false << "0.5" << "Lot" << "0" << area << "txtArea";
}

void TestDrainage::addRefusals()
{
    QFETCH(bool, user);
    QFETCH(bool, clearSurface);
    QFETCH(QString, userC);
    QFETCH(QString, userSurface);
    QFETCH(QString, area);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    QVERIFY2(prepareCulvert(), s->why());
    QVERIFY2(enableEntry(), s->why());
    if (user) {
        QVERIFY2(s->click("optUserC"), s->why());
        QVERIFY2(s->replaceText("txtUserC", userC), s->why());
        QVERIFY2(s->replaceText("txtUserSurface", userSurface), s->why());
    } else if (clearSurface) {
        QVERIFY2(s->replaceText("cboSurface", QString()), s->why());
    }
    QVERIFY2(s->replaceText("txtArea", area), s->why());
    QVERIFY2(s->replaceText("txtDesCrption", "Kept"), s->why());
    messages().clearRecord();
    QVERIFY2(s->click("cmdAdd"), s->why());

    QCOMPARE(messages().asked().size(), std::size_t(1));
    QCOMPARE(messages().asked().front().kind, AskedMessage::Kind::Ok);
    QCOMPARE(qs(messages().asked().front().text), message);
    QVERIFY2(s->w(qPrintable(focus))->hasFocus(), qPrintable(focus));
    QCOMPARE(s->list("lstAreaInfo")->count(), 0);
    QCOMPARE(declaredAreaCount(s->culvert(0)), 0);
    QVERIFY(s->culvert(0).Areas.empty());
    // The entry keeps what was typed.
    QCOMPARE(s->text("txtArea"), area);
    QCOMPARE(s->text("txtDesCrption"), QStringLiteral("Kept"));
    if (user) {
        QCOMPARE(s->text("txtUserC"), userC);
        QCOMPARE(s->text("txtUserSurface"), userSurface);
        QVERIFY(s->w<QRadioButton>("optUserC")->isChecked());
    }
}

void TestDrainage::addWithoutCurrentCulvert()
{
    QVERIFY2(prepareCulvert(), s->why());
    QVERIFY2(enableEntry(), s->why());
    // An ID in no entry, typed into the drainage page's culvert box: no culvert is current.
    QVERIFY2(s->replaceText("cboCulvertNo1", "nowhere"), s->why());
    QCOMPARE(state().CurCulvert, kUnknownCulvert);
    QVERIFY2(s->replaceText("txtArea", "5"), s->why());
    messages().clearRecord();
    QVERIFY2(s->click("cmdAdd"), s->why());
    QCOMPARE(messages().texts(), std::vector<std::string>{kNoCulvertGiven});
    QCOMPARE(s->list("lstAreaInfo")->count(), 0);
    QCOMPARE(state().CulvertList.size(), std::size_t(1));
    QVERIFY(s->culvert(0).Areas.empty());
    QCOMPARE(declaredAreaCount(s->culvert(0)), 0);
}

void TestDrainage::addRefusesWhatWouldShiftOrCutTheRow_data()
{
    QTest::addColumn<int>("surface");  // -1: user defined; -2: a surface typed into cboSurface
    QTest::addColumn<QString>("surfaceText");
    QTest::addColumn<QString>("userC");
    QTest::addColumn<QString>("area");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QStringList>("messages");  // the message is one of these
    QTest::addColumn<QString>("focus");
    using namespace entry;
    const QString commaInSurface = qs(std::string(msg::kCommaInUserSurface));
    const QString commaInC = qs(std::string(msg::kCommaInUserC));
    const QString tooWide = qs(std::string(msg::kAreaTooWide));
    // A comma would move the area into the C field and so on when the row is parsed.
    QTest::newRow("comma in the user-defined surface")
        << -1 << "Lot, paved" << "0.5" << "5" << kAcres << QStringList{commaInSurface} << "txtUserSurface";
    QTest::newRow("comma in the user-defined C")
        << -1 << "Lot" << "1,5" << "5" << kAcres << QStringList{commaInC} << "txtUserC";
    // Design Manual mode takes only the table's surfaces (a typed one would get the C of the
    // hidden user box), which keeps the comma out as well.
    QTest::newRow("comma in a surface typed into the list box")
        << -2 << "Gravel, loose" << "" << "5" << kAcres << QStringList{qs(kNoSurface)} << "cboSurface";
    // "1500000.0 f" is 11 characters: the 10-character field would cut off its unit letter.
    QTest::newRow("design manual area text of 11 characters")
        << kAsphaltic << "" << "" << "1500000" << kSquareFeet << QStringList{tooWide} << "txtArea";
    QTest::newRow("user-defined area text of 11 characters")
        << -1 << "Lot" << "0.5" << "123456789" << kAcres << QStringList{tooWide} << "txtArea";
    QTest::newRow("huge area") << kAsphaltic << "" << "" << "1e30" << kAcres
                               << QStringList{tooWide, qs(std::string(msg::kAreaNotPlainNumber))} << "txtArea";
}

void TestDrainage::addRefusesWhatWouldShiftOrCutTheRow()
{
    QFETCH(int, surface);
    QFETCH(QString, surfaceText);
    QFETCH(QString, userC);
    QFETCH(QString, area);
    QFETCH(int, unit);
    QFETCH(QStringList, messages);
    QFETCH(QString, focus);

    QVERIFY2(prepareCulvert(), s->why());
    QVERIFY2(s->addSubArea(kDitch), s->why());
    const CulvertRecord before = s->culvert(0);
    QVERIFY2(enableEntry(), s->why());
    if (surface == -1) {
        QVERIFY2(s->click("optUserC"), s->why());
        QVERIFY2(s->replaceText("txtUserC", userC), s->why());
        QVERIFY2(s->replaceText("txtUserSurface", surfaceText), s->why());
    } else if (surface == -2) {
        QVERIFY2(s->replaceText("cboSurface", surfaceText), s->why());
    } else {
        QVERIFY2(s->pick("cboSurface", surface), s->why());
    }
    QVERIFY2(s->replaceText("txtArea", area), s->why());
    QVERIFY2(s->pick("cboAreaUnit", unit), s->why());
    QVERIFY2(s->replaceText("txtDesCrption", "Refused"), s->why());
    this->messages().clearRecord();
    QVERIFY2(s->click("cmdAdd"), s->why());

    // Refused with a message, nothing stored, the entry kept.
    QCOMPARE(this->messages().asked().size(), std::size_t(1));
    const AskedMessage& shown = this->messages().asked().front();
    QCOMPARE(shown.kind, AskedMessage::Kind::Ok);
    QVERIFY2(messages.contains(qs(shown.text)), shown.text.c_str());
    QVERIFY2(s->w(qPrintable(focus))->hasFocus(), qPrintable(focus + " has no focus; " + EditorSteps::focusHolder() + " has"));
    QCOMPARE(s->rows("lstAreaInfo"), QStringList{kDitchRow});
    SW_COMPARE_LINES(describeInputs(s->culvert(0)), describeInputs(before));
    QCOMPARE(s->culvert(0).TotalArea, before.TotalArea);
    QCOMPARE(s->culvert(0).WeightedC, before.WeightedC);
    QCOMPARE(s->text("txtArea"), area);
    QCOMPARE(s->text("txtDesCrption"), QStringLiteral("Refused"));
    QVERIFY2(unsoundness(s->culvert(0)).isEmpty(), qPrintable(unsoundness(s->culvert(0))));
}

void TestDrainage::removeWithoutSelection()
{
    QVERIFY2(prepareCulvert(), s->why());
    QVERIFY2(s->addSubArea(kDitch), s->why());
    QVERIFY2(s->addSubArea(kSwale), s->why());
    QVERIFY2(s->addSubArea(kLot), s->why());
    const CulvertRecord before = s->culvert(0);
    QVERIFY(s->list("lstAreaInfo")->selectedItems().isEmpty());  // Add selects nothing
    QVERIFY2(s->click("cmdRemove"), s->why());
    QCOMPARE(messages().texts(), std::vector<std::string>{kNoRowSelected});
    QCOMPARE(s->rows("lstAreaInfo"), (QStringList{kDitchRow, kSwaleRow, kLotRow}));
    SW_COMPARE_LINES(describeInputs(s->culvert(0)), describeInputs(before));

    // After a removal, Remove acts on the row the list shows selected, and asks when it shows
    // none: never on a row the user cannot see chosen.
    QVERIFY2(s->clickRow("lstAreaInfo", 0), s->why());
    messages().clearRecord();
    QVERIFY2(s->click("cmdRemove"), s->why());
    QVERIFY(messages().asked().empty());
    QCOMPARE(s->rows("lstAreaInfo"), (QStringList{kSwaleRow, kLotRow}));
    const QList<QListWidgetItem*> shown = s->list("lstAreaInfo")->selectedItems();
    QVERIFY(shown.size() <= 1);
    const QString shownRow = shown.isEmpty() ? QString() : shown.front()->text();
    QVERIFY2(s->click("cmdRemove"), s->why());
    if (shownRow.isEmpty()) {
        QCOMPARE(messages().texts(), std::vector<std::string>{kNoRowSelected});
        QCOMPARE(s->rows("lstAreaInfo"), (QStringList{kSwaleRow, kLotRow}));
        QCOMPARE(qs(s->culvert(0).NumOfAreas), QStringLiteral("2"));
    } else {
        QVERIFY(messages().asked().empty());
        QStringList left = QStringList{kSwaleRow, kLotRow};
        left.removeOne(shownRow);
        QCOMPARE(s->rows("lstAreaInfo"), left);
        QCOMPARE(qs(s->culvert(0).NumOfAreas), QStringLiteral("1"));
        QCOMPARE(s->culvert(0).Areas.size(), std::size_t(1));
    }
}

void TestDrainage::removeThePickedRow()
{
    QVERIFY2(prepareCulvert(), s->why());
    QVERIFY2(s->addSubArea(kDitch), s->why());
    QVERIFY2(s->addSubArea(kSwale), s->why());
    QVERIFY2(s->addSubArea(kLot), s->why());
    QCOMPARE(s->text("lblTA"), QStringLiteral("22.3"));
    QVERIFY2(s->clickRow("lstAreaInfo", 1), s->why());
    QVERIFY2(s->click("cmdRemove"), s->why());
    QVERIFY(messages().asked().empty());

    QCOMPARE(s->rows("lstAreaInfo"), (QStringList{kDitchRow, kLotRow}));
    QCOMPARE(s->text("lblLot"), QStringLiteral("2"));
    const CulvertRecord& c = s->culvert(0);
    QCOMPARE(qs(c.NumOfAreas), QStringLiteral("2"));
    QCOMPARE(c.Areas.size(), std::size_t(2));
    QCOMPARE(describe(c.Areas[0]), describe(SubArea{"Asphaltic", 0.81, "2.5 a", 2.5, "Ditch A"}));
    QCOMPARE(describe(c.Areas[1]), describe(SubArea{"Gravel lot", 0.5, "5 h", 12.4, "Lot"}));
    // (0.81 x 2.5 + 0.5 x 12.4) / 14.9 = 0.552
    QCOMPARE(c.TotalArea, 14.9);
    QCOMPARE(c.WeightedC, 0.55);
    QCOMPARE(s->text("lblTA"), QStringLiteral("14.9"));
    QCOMPARE(s->text("lblWC"), QStringLiteral("0.55"));
    QVERIFY(s->w("cmdRemove")->isEnabled());
    QVERIFY(s->combo("cboSurface")->hasFocus());
}

void TestDrainage::removeTheOnlyRow()
{
    QVERIFY2(prepareCulvert(), s->why());
    QVERIFY2(s->replaceText("txtCulvertDescrpt", "Sta 4+10"), s->why());
    QVERIFY2(s->addSubArea(kDitch), s->why());
    QVERIFY2(s->clickRow("lstAreaInfo", 0), s->why());
    QVERIFY2(s->click("cmdRemove"), s->why());
    QVERIFY(messages().asked().empty());

    QCOMPARE(s->list("lstAreaInfo")->count(), 0);
    QCOMPARE(s->text("lblLot"), QStringLiteral("0"));
    QCOMPARE(s->text("lblTA"), QStringLiteral("0.00"));
    QCOMPARE(s->text("lblWC"), QStringLiteral("0.00"));
    QCOMPARE(qs(s->culvert(0).NumOfAreas), QStringLiteral("0"));
    QVERIFY(s->culvert(0).Areas.empty());
    QVERIFY(!s->w("cmdRemove")->isEnabled());
    QVERIFY(!s->w("cmdRemoveAll")->isEnabled());
    QVERIFY(s->combo("cboSurface")->hasFocus());
    // The last row gone, Remove All's clearing runs. The station/description belongs to the
    // culvert, not to its sub-areas: the box and the record keep it (clearing it would lose it).
    const QString station = s->text("txtCulvertDescrpt");
    const QString stored = qs(s->culvert(0).Description);
    // Add stays possible.
    QVERIFY2(s->addSubArea(kSwale), s->why());
    QCOMPARE(s->rows("lstAreaInfo"), QStringList{kSwaleRow});
    QCOMPARE(qs(s->culvert(0).NumOfAreas), QStringLiteral("1"));
    QCOMPARE(station, QStringLiteral("Sta 4+10"));
    QCOMPARE(stored, QStringLiteral("Sta 4+10"));
}

void TestDrainage::removeAll()
{
    QVERIFY2(prepareCulvert(), s->why());
    QVERIFY2(s->replaceText("txtCulvertDescrpt", "Sta 7"), s->why());
    QVERIFY2(s->addSubArea(kDitch), s->why());
    QVERIFY2(s->addSubArea(kLot), s->why());
    // No question: an unscripted one would fail the test.
    QVERIFY2(s->click("cmdRemoveAll"), s->why());
    QVERIFY(messages().asked().empty());
    QCOMPARE(s->list("lstAreaInfo")->count(), 0);
    QCOMPARE(s->text("lblLot"), QStringLiteral("0"));
    QCOMPARE(s->text("lblTA"), QStringLiteral("0.00"));
    QCOMPARE(s->text("lblWC"), QStringLiteral("0.00"));
    QCOMPARE(qs(s->culvert(0).NumOfAreas), QStringLiteral("0"));
    QVERIFY(s->culvert(0).Areas.empty());
    QVERIFY(!s->w("cmdRemove")->isEnabled());
    QVERIFY(!s->w("cmdRemoveAll")->isEnabled());
    QVERIFY(s->combo("cboSurface")->hasFocus());
    // The culvert keeps its station/description.
    QCOMPARE(s->text("txtCulvertDescrpt"), QStringLiteral("Sta 7"));
    QCOMPARE(qs(s->culvert(0).Description), QStringLiteral("Sta 7"));
}

void TestDrainage::pickingARowShowsItsDescription()
{
    QVERIFY2(prepareCulvert(), s->why());
    QVERIFY2(s->addSubArea(kDitch), s->why());
    QVERIFY2(s->addSubArea(kSwale), s->why());
    const CulvertRecord before = s->culvert(0);
    QVERIFY2(s->clickRow("lstAreaInfo", 0), s->why());
    QCOMPARE(s->text("txtDesCrption"), QStringLiteral("Ditch A"));
    QVERIFY(s->w("txtDesCrption")->isEnabled());
    QVERIFY(s->w("txtDesCrption")->isVisible());
    QVERIFY2(s->clickRow("lstAreaInfo", 1), s->why());
    QCOMPARE(s->text("txtDesCrption"), QStringLiteral("Swale"));
    // Editing the box leaves the row and the record alone.
    QVERIFY2(s->typeInto("txtDesCrption", "X"), s->why());
    QCOMPARE(s->rows("lstAreaInfo"), (QStringList{kDitchRow, kSwaleRow}));
    SW_COMPARE_LINES(describeInputs(s->culvert(0)), describeInputs(before));
    QVERIFY(messages().asked().empty());

    // The unpadded rows of a stored culvert give the same.
    QVERIFY2(s->createCulvert("D2"), s->why());
    QVERIFY2(s->typeCulvertId("D1"), s->why());
    QVERIFY2(s->showPage(kDrainagePage), s->why());
    QCOMPARE(s->rows("lstAreaInfo"),
             (QStringList{"Asphaltic,2.5 a,0.81,Ditch A", "Grass Areas (> 75%)-Flat 0~2%,3.0 h,0.25,Swale"}));
    QVERIFY2(s->clickRow("lstAreaInfo", 1), s->why());
    QCOMPARE(s->text("txtDesCrption"), QStringLiteral("Swale"));
}

void TestDrainage::userDefinedMode()
{
    QVERIFY2(s->createCulvert("D1"), s->why());
    QVERIFY2(s->showPage(kDrainagePage), s->why());
    QVERIFY(!s->w("txtArea")->isEnabled());

    QVERIFY2(s->click("optUserC"), s->why());
    QVERIFY(s->w<QRadioButton>("optUserC")->isChecked());
    QVERIFY(!s->w<QRadioButton>("optManualC")->isChecked());
    for (const char* name : {"cboSurface", "lblCD", "lblCValue", "Label27", "Label28", "Label9"})
        QVERIFY2(s->w(name)->isHidden(), name);
    for (const char* name : {"lblCU", "txtUserC", "txtUserSurface", "Label31"})
        QVERIFY2(!s->w(name)->isHidden(), name);
    QVERIFY(s->edit("txtUserC")->hasFocus());

    // Enter moves C -> surface -> area; a surface enables the entry.
    QTest::keyClicks(s->edit("txtUserC"), "0.6");
    QVERIFY2(s->pressEnter("txtUserC"), s->why());
    QVERIFY(s->edit("txtUserSurface")->hasFocus());
    QTest::keyClicks(s->edit("txtUserSurface"), "Yard");
    QVERIFY(s->w("txtArea")->isEnabled());
    QVERIFY(s->w("txtDesCrption")->isEnabled());
    QVERIFY(s->w("cboAreaUnit")->isEnabled());
    QVERIFY2(s->pressEnter("txtUserSurface"), s->why());
    QVERIFY(s->edit("txtArea")->hasFocus());

    // Leaving the user surface box always goes on to the area.
    QVERIFY2(s->focusOn(s->w("txtUserSurface")), s->why());
    s->edit("txtUserC")->setFocus(Qt::MouseFocusReason);
    QTRY_VERIFY(s->edit("txtArea")->hasFocus());

    // Clicked again, the mode starts from empty boxes.
    QVERIFY2(s->click("optManualC"), s->why());
    QVERIFY2(s->click("optUserC"), s->why());
    QCOMPARE(s->text("txtUserC"), QString());
    QCOMPARE(s->text("txtUserSurface"), QString());
    QVERIFY(messages().asked().empty());
}

void TestDrainage::designManualMode()
{
    QVERIFY2(prepareCulvert(entry::k25Years), s->why());
    QVERIFY2(s->click("optUserC"), s->why());
    QVERIFY2(s->click("optManualC"), s->why());
    QVERIFY(s->w<QRadioButton>("optManualC")->isChecked());
    QVERIFY(!s->w<QRadioButton>("optUserC")->isChecked());
    for (const char* name : {"cboSurface", "lblCD", "lblCValue", "Label27", "Label28", "Label9"})
        QVERIFY2(!s->w(name)->isHidden(), name);
    for (const char* name : {"lblCU", "txtUserC", "txtUserSurface", "Label31"})
        QVERIFY2(s->w(name)->isHidden(), name);
    QVERIFY(s->combo("cboSurface")->hasFocus());

    // A picked surface shows its C for the culvert's return period; a typed one that is not in
    // the table counts as user-defined.
    QVERIFY2(s->pick("cboSurface", entry::kConcreteRoof), s->why());
    QCOMPARE(s->text("lblCValue"), QStringLiteral("0.88"));
    QCOMPARE(qs(s->culvert(0).RetPeriod), QStringLiteral("25"));
    QVERIFY2(s->replaceText("cboSurface", "Asphaltic"), s->why());
    QCOMPARE(s->text("lblCValue"), QStringLiteral("0.86"));
    QVERIFY2(s->replaceText("cboSurface", "asphaltic"), s->why());
    QCOMPARE(s->text("lblCValue"), QStringLiteral("0"));
    QVERIFY2(s->pressEnter("cboSurface"), s->why());
    QVERIFY(s->edit("txtArea")->hasFocus());
    QVERIFY(messages().asked().empty());
}

QTEST_MAIN(TestDrainage)
#include "tst_drainage.moc"
