// The drainage area editor: the rows Add builds and the sub-areas parsed from them, the refusals of
// Add, Remove, Remove All, picking a row, the two modes, and rows pasted into the list.

#include <chrono>

#include "core/messages.h"
#include "engine/arearows.h"
#include "tests/ui/editorsteps.h"

using namespace sw;
using namespace sw::testing;

class TestDrainage : public EditorTest {
    Q_OBJECT

private slots:
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

void TestDrainage::addBuildsTheRow_data()
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

void TestDrainage::addBuildsTheRow()
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

void TestDrainage::addRefusals_data()
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

void TestDrainage::addRefusals()
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

void TestDrainage::removingRows()
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

void TestDrainage::modeSwitches()
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
void TestDrainage::pasteBuildsTheRowsAddBuilds()
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

void TestDrainage::pasteAddsTheValidRows_data()
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

void TestDrainage::pasteAddsTheValidRows()
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
void TestDrainage::pasteOfFiveHundredRows()
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

QTEST_MAIN(TestDrainage)
#include "tst_drainage.moc"
