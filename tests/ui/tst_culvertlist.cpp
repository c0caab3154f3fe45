// The culvert list: the road of one culvert from its ID to its sub-areas, choosing culverts by
// typing or picking their ID, the station box of a chosen culvert, deleting culverts.

#include "tests/ui/editorsteps.h"

using namespace sw;
using namespace sw::testing;

class TestCulvertList : public EditorTest {
    Q_OBJECT

private slots:
    void oneCulvertFromEntryToDrainage();
    void typingCulvertIds();
    void choosingACulvert();
    void deletingCulverts();
};

void TestCulvertList::oneCulvertFromEntryToDrainage()
{
    QVERIFY2(s->createCulvert("C-1"), s->why());
    QCOMPARE(entriesOf(s->combo("cboCulvertNo1")), QStringList{"C-1"});

    QVERIFY2(s->pick("cboretPeriod", entry::k10Years) && s->pick("cboRFzone", entry::kZoneA), s->why());
    QVERIFY2(s->typeInto("txtEleRemote", "1010") && s->typeInto("txtEleCulvert", "1000") &&
                 s->typeInto("txtLenTravel", "1000") && s->pick("cboTCFactorList", entry::kNaturalBasins),
             s->why());
    QVERIFY2(s->pressIntensity(), s->why());
    QCOMPARE(s->rows("lstIntensity"), plainLines("C-1"));

    QVERIFY2(s->showPage(kDrainagePage) && s->replaceText("txtCulvertDescrpt", "Sta 12+50"), s->why());
    QVERIFY2(s->addSubArea(kDitch) && s->addSubArea({entry::kGrassOver75Flat, {}, {}, "3", entry::kHectares, "Swale"}),
             s->why());
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

void TestCulvertList::typingCulvertIds()
{
    QVERIFY2(s->createCulvert("1") && s->createCulvert("12") && s->replaceText("cboCulvertNo2", {}), s->why());
    // Each key chooses the culvert whose ID is typed so far; the label keeps the last one found.
    const std::tuple<const char*, std::int16_t, const char*> keys[] = {
        {"1", 0, "1"}, {"2", 1, "12"}, {"3", kUnknownCulvert, "12"}};
    for (const auto& [key, culvert, label] : keys) {
        QVERIFY2(s->typeInto("cboCulvertNo2", key), s->why());
        QCOMPARE(session().CurCulvert(), culvert);
        QCOMPARE(s->text("lblCulvertID"), QString(label));
    }
    QVERIFY(messages().asked().empty());

    // Enter on an existing ID is refused; leaving the box with one chooses it silently.
    QVERIFY2(s->typeCulvertId("1") && s->pressEnter("cboCulvertNo2"), s->why());
    QCOMPARE(messages().texts(), std::vector<std::string>{"This culvert ID has existed, please rename your input"});
    messages().clearRecord();
    QVERIFY2(s->typeCulvertId("12") && s->focusOn(s->w("txtEleRemote")), s->why());
    QVERIFY(messages().asked().empty());
    QCOMPARE(session().CurCulvert(), std::int16_t(1));
    QCOMPARE(entriesOf(s->combo("cboCulvertNo2")), (QStringList{"1", "12"}));
    QCOMPARE(doc().CulvertList.size(), std::size_t(2));
}

void TestCulvertList::choosingACulvert()
{
    QVERIFY2(s->createCulvert("1") && s->showPage(kDrainagePage) && s->replaceText("txtCulvertDescrpt", "Sta 5"),
             s->why());
    QVERIFY2(s->enterCulvert("2", kPlainInputs, {kDitch}, "Sta 6"), s->why());
    const CulvertRecord second = s->culvert(1);

    // A culvert without sub-areas: the page is emptied, the record keeps its station.
    QVERIFY2(s->pick("cboCulvertNo1", 0), s->why());
    QCOMPARE(session().CurCulvert(), std::int16_t(0));
    QCOMPARE(s->text("txtCulvertDescrpt"), QString());
    QCOMPARE(s->list("lstAreaInfo")->model()->rowCount(), 0);
    QCOMPARE(qs(s->culvert(0).Description), QStringLiteral("Sta 5"));

    // A stored culvert shows its stored sub-areas, unpadded, its inputs and their results.
    QVERIFY2(s->pick("cboCulvertNo1", 1), s->why());
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
    QVERIFY2(s->focusOn(box), s->why());
    box->setSelection(1, 1);
    QTest::keyClicks(box, "T");
    box->setSelection(2, 1);
    QTest::keyClicks(box, "A");
    QCOMPARE(box->text(), QStringLiteral("STA 6"));
    QCOMPARE(qs(s->culvert(1).Description), QStringLiteral("Sta 6"));
    QVERIFY2(s->typeInto("txtCulvertDescrpt", "a"), s->why());
    QCOMPARE(qs(s->culvert(1).Description), QStringLiteral("STA 6a"));
}

void TestCulvertList::deletingCulverts()
{
    using namespace entry;
    // The third carries everything a move must carry: a typed factor and a user-defined surface.
    const IntensityInputs typed{k100Years, kZoneC, "1050", kFeet, "1000", kFeet, "2000", kFeet, -1, "1.5"};
    const std::vector<SubAreaInput> areas{{kGrassOver75Flat, {}, {}, "3", kHectares, "Swale"},
                                          {-1, "Gravel lot", "0.5", "5", kHectares, "Lot"}};
    QVERIFY2(s->enterCulvert("1", kPlainInputs, {kDitch}, "Sta 1+00") && s->createCulvert("2") &&
                 s->enterCulvert("3", typed, areas, "Sta 3+00") && s->typeCulvertId("2"),
             s->why());
    const CulvertList before = doc().CulvertList;

    // Answered No: nothing changes.
    messages().queueYesNo(YesNo::No);
    QVERIFY2(s->click("cmdDelCulvertNo2"), s->why());
    QCOMPARE(messages().texts(),
             std::vector<std::string>{"All information for this culvert will be deleted, continue anyway ?"});
    QCOMPARE(doc().CulvertList, before);
    QCOMPARE(entriesOf(s->combo("cboCulvertNo2")), (QStringList{"1", "2", "3"}));
    QCOMPARE(session().CurCulvert(), std::int16_t(1));

    messages().queueYesNo(YesNo::Yes);
    QVERIFY2(s->click("cmdDelCulvertNo2"), s->why());
    QCOMPARE(entriesOf(s->combo("cboCulvertNo1")), (QStringList{"1", "3"}));
    QCOMPARE(entriesOf(s->combo("cboCulvertNo2")), (QStringList{"1", "3"}));
    QCOMPARE(doc().CulvertList, (CulvertList{before[0], before[2]}));
    QCOMPARE(session().CurCulvert(), kNoCulvert);
    QCOMPARE(s->text("lblCulvertID"), QString());

    // Then the first and the only one left: nothing remains on either page.
    for (const char* id : {"1", "3"}) {
        messages().queueYesNo(YesNo::Yes);
        QVERIFY2(s->typeCulvertId(id) && s->click("cmdDelCulvertNo2"), s->why());
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

QTEST_MAIN(TestCulvertList)
#include "tst_culvertlist.moc"
