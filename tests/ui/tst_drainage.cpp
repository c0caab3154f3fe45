// The drainage area editor: the rows Add builds and the sub-areas parsed from them, the refusals of
// Add, Remove, Remove All, picking a row, and the two modes.

#include "core/messages.h"
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

private:
    // Culvert D1 with its return period picked, and the drainage page open.
    bool prepareCulvert(int period = entry::k10Years)
    {
        return s->createCulvert("D1") && s->pick("cboretPeriod", period) && s->showPage(kDrainagePage);
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
}

void TestDrainage::addBuildsTheRow()
{
    QFETCH(SubAreaInput, input);
    QFETCH(QString, row);
    QFETCH(SubArea, stored);
    QVERIFY2(prepareCulvert() && s->addSubArea(input), s->why());
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
    QVERIFY2(prepareCulvert() && s->addSubArea(kDitch) && s->pick("cboSurface", entry::kAsphaltic), s->why());
    QVERIFY2(s->replaceText("txtArea", "5") && s->replaceText("txtDesCrption", "Kept"), s->why());
    for (qsizetype i = 0; i + 1 < steps.size(); i += 2)
        QVERIFY2(steps[i] == "page"          ? s->showPage(steps[i + 1].toInt())
                 : steps[i].startsWith("opt") ? s->click(qPrintable(steps[i]))
                                              : s->replaceText(qPrintable(steps[i]), steps[i + 1]),
                 s->why());
    const CulvertRecord before = s->culvert(0);
    const QStringList rows = s->rows("lstAreaInfo");
    messages().clearRecord();
    QVERIFY2(s->click("cmdAdd"), s->why());

    QCOMPARE(messages().texts(), std::vector<std::string>{message.toStdString()});
    QCOMPARE(s->rows("lstAreaInfo"), rows);
    QVERIFY(state().CulvertList.size() == 1 && s->culvert(0) == before);
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
    QVERIFY2(prepareCulvert() && s->replaceText("txtCulvertDescrpt", "Sta 7") && s->addSubArea(kDitch) &&
                 s->addSubArea(swale) && s->addSubArea(kLot),
             s->why());
    const QStringList rows = s->rows("lstAreaInfo");
    QVERIFY2(s->click("cmdRemove"), s->why());
    QCOMPARE(messages().texts(), std::vector<std::string>{"Please click on the item you want to remove !"});
    QCOMPARE(qs(s->culvert(0).NumOfAreas), QStringLiteral("3"));

    // A picked row shows its description; Remove takes it away.
    messages().clearRecord();
    QVERIFY2(s->clickRow("lstAreaInfo", 0), s->why());
    QCOMPARE(s->text("txtDesCrption"), QStringLiteral("Ditch A"));
    QVERIFY2(s->clickRow("lstAreaInfo", 1), s->why());
    QCOMPARE(s->text("txtDesCrption"), QStringLiteral("Swale"));
    QVERIFY2(s->click("cmdRemove"), s->why());
    QCOMPARE(s->rows("lstAreaInfo"), (QStringList{rows[0], rows[2]}));
    const CulvertRecord& c = s->culvert(0);
    QCOMPARE(c.Areas, (std::vector<SubArea>{{"Asphaltic", 0.81, "2.5 a", 2.5, "Ditch A"},
                                            {"Gravel lot", 0.5, "5 h", 12.4, "Lot"}}));
    QVERIFY(c.NumOfAreas == "2" && c.TotalArea == 14.9 && c.WeightedC == 0.55);  // (0.81 x 2.5 + 0.5 x 12.4) / 14.9
    QCOMPARE(s->areaTotals(), QStringLiteral("2 14.9 0.55"));

    // Remove All, then the only row removed: the counters are reset; the station belongs to the
    // culvert, not to its sub-areas, and is kept.
    for (const bool all : {true, false}) {
        QVERIFY2(all ? s->click("cmdRemoveAll")
                     : s->addSubArea(kDitch) && s->clickRow("lstAreaInfo", 0) && s->click("cmdRemove"),
                 s->why());
        QCOMPARE(s->list("lstAreaInfo")->count(), 0);
        QCOMPARE(s->areaTotals(), QStringLiteral("0 0.00 0.00"));
        QVERIFY(c.NumOfAreas == "0" && c.Areas.empty());
        QCOMPARE(s->text("txtCulvertDescrpt") + " / " + qs(c.Description), QStringLiteral("Sta 7 / Sta 7"));
    }
    QVERIFY(messages().asked().empty());
}

void TestDrainage::modeSwitches()
{
    QVERIFY2(prepareCulvert(entry::k25Years) && s->click("optUserC"), s->why());
    QVERIFY(s->w("cboSurface")->isHidden() && s->w("txtUserSurface")->isVisible() && s->w("txtUserC")->hasFocus());
    QVERIFY2(s->typeInto("txtUserC", "0.6") && s->typeInto("txtUserSurface", "Yard"), s->why());
    QVERIFY2(s->click("optManualC") && s->pick("cboSurface", entry::kConcreteRoof), s->why());
    QVERIFY(s->w("txtUserC")->isHidden() && s->w("txtUserSurface")->isHidden());
    QCOMPARE(s->text("lblCValue"), QStringLiteral("0.88"));  // the C for the culvert's 25 years
    // Chosen again, the user-defined mode starts from empty boxes.
    QVERIFY2(s->click("optUserC"), s->why());
    QCOMPARE(s->text("txtUserC") + s->text("txtUserSurface"), QString());
}

QTEST_MAIN(TestDrainage)
#include "tst_drainage.moc"
