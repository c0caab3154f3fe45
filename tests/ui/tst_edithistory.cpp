// The Edit menu through the real window: Undo and Redo of every kind of change back to the bytes of
// the file, the current culvert following what is taken back, Ctrl+Z in a text box taking back the
// project's change rather than the box's, Rename Culvert with its refusals, and Tab that runs round
// the controls of the tab on show.

#include "core/messages.h"
#include "core/text.h"
#include "engine/zonemap.h"
#include "tests/ui/editorsteps.h"
#include "tests/ui/projecttexts.h"
#include "ui/main/frmrfzone.h"

using namespace sw;
using namespace sw::testing;

namespace {

std::string threeCulverts()
{
    return projectHead("Harlow Bypass", "HB-7", "0917-03", "East segment", "05/02/2024", "2:30:15 PM", "A. Lind") +
           culvertLines("C1", "STA 1+00", "10", {"Asphaltic,1.0 a,0.81,road", "Gravel yard,2.0 a,0.50,yard"}) +
           intensityBlock() + culvertLines("C2", "STA 2+00", "25", {"Concrete/Roof,0.5 h,0.88,deck"}) +
           intensityBlock("B") + culvertLines("C3", "STA 3+00", "2", {"Asphaltic,3.0 a,0.73,ramp"}) +
           intensityBlock("C", "1000.5 ft", "1000 ft", "100 ft", " .2 ");
}

}  // namespace

class TestEditHistory : public EditorTest {
    Q_OBJECT

private slots:
    void everyChangeUndoneAndRedoneToTheFileBytes();
    void ctrlZInABoxTakesBackTheProjectsChange();
    void renameCulvert();
    void tabRunsRoundTheTabOnShow_data();
    void tabRunsRoundTheTabOnShow();

private:
    QAction* action(const char* name) const { return m_h->find<QAction>(name); }
    bool save()
    {
        messages().clearRecord();
        action("mnuSave")->trigger();
        return messages().asked().empty();
    }
    QString current() const { return QString::fromStdString(m_h->session->currentCulvert()->CulvertNo); }

    QTemporaryDir m_dir;
};

void TestEditHistory::everyChangeUndoneAndRedoneToTheFileBytes()
{
    const QString file = m_dir.filePath(QStringLiteral("harlow.txt"));
    QVERIFY(writeBytes(file, threeCulverts()));
    m_h->desktop->fileDialogs().queuePath(file.toStdString());
    action("mnuOpen")->trigger();
    QCOMPARE(m_h->window->windowTitle(), file);
    QVERIFY(!action("mnuUndo")->isEnabled() && !action("mnuRedo")->isEnabled());
    QCOMPARE(action("mnuUndo")->text(), QStringLiteral("&Undo"));
    const QByteArray original = bytesOf(file);

    // Each kind of change, and the name the menu gives it.
    messages().queueYesNo(YesNo::Yes);
    QVERIFY2(s->showPage(kIntensityPage) && s->pick("cboCulvertNo2", 1) && s->click("cmdDelCulvertNo2"), s->why());
    QCOMPARE(action("mnuUndo")->text(), QStringLiteral("&Undo Delete Culvert C2"));
    QVERIFY2(s->typeCulvertId("C1") && s->addSubArea(kDitch) && s->addSubArea(kLot), s->why());
    QCOMPARE(action("mnuUndo")->text(), QStringLiteral("&Undo Add Sub-area"));
    QVERIFY2(s->clickRow("lstAreaInfo", 0) && s->click("cmdRemove"), s->why());
    QVERIFY2(s->showPage(0) && s->typeInto("txtProjectName", " (rev. B)"), s->why());
    QCOMPARE(action("mnuUndo")->text(), QStringLiteral("&Undo Edit Project Name"));
    QVERIFY2(s->showPage(kIntensityPage) && s->click("cmdRFMap") && m_h->window->zoneMap(), s->why());
    m_h->window->zoneMap()->pressAt({10000 / kTwipsPerMapPixel, 5000 / kTwipsPerMapPixel});
    QCOMPARE(action("mnuUndo")->text(), QStringLiteral("&Undo Pick Zone C on the Map"));
    QVERIFY2(save(), messages().asked().empty() ? "" : messages().asked().back().text.c_str());
    const QByteArray edited = bytesOf(file);
    QVERIFY(edited != original);

    // Undone one by one, the current culvert follows what each undo takes back.
    QVERIFY2(s->backToMain(), s->why());
    action("mnuUndo")->trigger();
    QCOMPARE(current(), QStringLiteral("C1"));
    QCOMPARE(s->text("cboRFzone"), QStringLiteral("A"));
    QCOMPARE(action("mnuRedo")->text(), QStringLiteral("&Redo Pick Zone C on the Map"));
    int undone = 1;
    while (action("mnuUndo")->isEnabled()) {
        action("mnuUndo")->trigger();
        ++undone;
    }
    QCOMPARE(undone, 6);
    // The deleted culvert is back at its slot, chosen, with its sub-areas shown.
    QCOMPARE(entriesOf(s->combo("cboCulvertNo1")), (QStringList{"C1", "C2", "C3"}));
    QCOMPARE(current(), QStringLiteral("C2"));
    QCOMPARE(s->rows("lstAreaInfo"), QStringList{"Concrete/Roof,0.5 h,0.88,deck"});
    QVERIFY(save());
    QCOMPARE(bytesOf(file), original);

    while (action("mnuRedo")->isEnabled())
        action("mnuRedo")->trigger();
    QVERIFY(save());
    QCOMPARE(bytesOf(file), edited);
    // Undo never makes the project pristine: Open still offers to save it.
    QVERIFY(!m_h->session->IsPristine);
}

void TestEditHistory::ctrlZInABoxTakesBackTheProjectsChange()
{
    QVERIFY2(s->createCulvert("K1") && s->showPage(0) && s->typeInto("txtProjectName", "Route 9"), s->why());
    QVERIFY2(s->typeInto("txtProjectNo", "P-1"), s->why());
    QLineEdit* name = s->w<QLineEdit>("txtProjectName");
    QVERIFY2(s->focusOn(name), s->why());
    // Typing in one box is one change; the key in another box takes back the last change of the
    // project, and the boxes show the project.
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(s->text("txtProjectNo"), QString());
    QCOMPARE(doc().ProjectInfo.ProjectNo, std::string());
    QCOMPARE(s->text("txtProjectName"), QStringLiteral("Route 9"));
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(s->text("txtProjectName"), QString());
    QTest::keyClick(name, Qt::Key_Y, Qt::ControlModifier);
    QTest::keyClick(name, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(doc().ProjectInfo.ProjectName + "|" + doc().ProjectInfo.ProjectNo, std::string("Route 9|P-1"));
    QCOMPARE(s->text("txtProjectNo"), QStringLiteral("P-1"));
    QVERIFY(messages().asked().empty());
}

void TestEditHistory::renameCulvert()
{
    QAction* rename = action("mnuRenameCulvert");
    QCOMPARE(rename->text(), QStringLiteral("Re&name Culvert..."));
    rename->trigger();
    QCOMPARE(messages().texts(), std::vector<std::string>{std::string(msg::kRenameNoCulvert)});
    QVERIFY2(s->createCulvert("K1") && s->createCulvert("K2") && s->typeCulvertId("K1"), s->why());
    messages().clearRecord();
    // Refused: an empty ID, a taken one, a character the file cannot hold; Cancel changes nothing.
    for (const auto& [typed, message] : std::vector<std::pair<std::optional<std::string>, std::string>>{
             {"  ", std::string(msg::kRenameEmpty)},
             {"K2", std::string(msg::kCulvertIdExists)},
             {"K日", fillMessage(msg::kCharactersNotHeld, {"\"日\""})},
             {std::nullopt, {}}}) {
        messages().queueText(typed);
        rename->trigger();
        // The question names the culvert; a refusal follows it.
        const AskedMessage& last = messages().asked().back();
        QCOMPARE(last.text, typed ? message : fillMessage(msg::kRenameAsk, {"K1"}));
        QCOMPARE(doc().CulvertList[0].CulvertNo, std::string("K1"));
    }
    messages().queueText("K1a");
    rename->trigger();
    QCOMPARE(doc().CulvertList[0].CulvertNo, std::string("K1a"));
    QCOMPARE(entriesOf(s->combo("cboCulvertNo2")), (QStringList{"K1a", "K2"}));
    QCOMPARE(s->text("cboCulvertNo2") + s->text("cboCulvertNo1") + s->text("lblCulvertID"), QStringLiteral("K1aK1aK1a"));
    QCOMPARE(action("mnuUndo")->text(), QStringLiteral("&Undo Rename Culvert K1 to K1a"));
    action("mnuUndo")->trigger();
    QCOMPARE(entriesOf(s->combo("cboCulvertNo1")), (QStringList{"K1", "K2"}));
    QCOMPARE(current(), QStringLiteral("K1"));
}

void TestEditHistory::tabRunsRoundTheTabOnShow_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("ring");  // from the first control, as Tab visits them
    QTest::newRow("project") << 0
                             << QStringList{"txtProjectName", "txtProjectNo", "txtControlNo", "txtProDescrpt", "txtDate",
                                            "txtDesigner", "txtProjectName"};
    // An option group is one stop, at its chosen option; leaving "Intensity" returns to the culvert box.
    QTest::newRow("intensity") << kIntensityPage
                               << QStringList{"cboretPeriod", "cmdFqyTable", "cboRFzone", "cmdRFMap", "txtEleRemote",
                                              "cboRemoteUnit", "txtEleCulvert", "cboCulvertUnit", "txtLenTravel",
                                              "cboTravelUnit", "optManual", "cboTCFactorList", "cmdIntensity",
                                              "cboCulvertNo2"};
    QTest::newRow("drainage") << kDrainagePage
                              << QStringList{"cboCulvertNo1", "txtCulvertDescrpt", "optManualC", "cboSurface", "txtArea",
                                             "cboAreaUnit", "txtDesCrption", "cmdAdd", "cmdRemove", "cmdRemoveAll",
                                             "lstAreaInfo", "cboCulvertNo1"};
}

void TestEditHistory::tabRunsRoundTheTabOnShow()
{
    QFETCH(int, page);
    QFETCH(QStringList, ring);
    QVERIFY2(s->createCulvert("K1") && s->addSubArea(kDitch) && s->showPage(page), s->why());
    QWidget* first = s->w(qPrintable(ring.front()));
    first->setFocus(Qt::OtherFocusReason);
    QTabWidget* tabs = s->w<QTabWidget>("SSTab1");
    for (qsizetype i = 1; i < ring.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* focus = QApplication::focusWidget();
        QVERIFY2(tabs->widget(page)->isAncestorOf(focus), qPrintable(ring[i]));
        const QWidget* named = s->w(qPrintable(ring[i]));
        QVERIFY2(focus == named || named->isAncestorOf(focus), qPrintable(ring[i] + " expected, " + focus->objectName()));
    }
    // Backwards too, and never into another tab.
    for (int i = 0; i < 30; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QVERIFY(tabs->widget(page)->isAncestorOf(QApplication::focusWidget()));
    }
}

QTEST_MAIN(TestEditHistory)
#include "tst_edithistory.moc"
