// The open project and its history: every change does and undoes exactly (the document, the rows of
// the sub-area list and the culvert list's entries), typing in one box merges into one command,
// the windows hear of what undo and redo change, and a file saved after undo is the file saved
// before the change, byte for byte.

#include <functional>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest/QtTest>

#include "engine/arearows.h"
#include "engine/subarealine.h"
#include "project/projectreader.h"
#include "project/projectwriter.h"
#include "session/culvertlistmodel.h"
#include "session/projectsession.h"
#include "session/subarealistmodel.h"
#include "tests/project/projectfixtures.h"

using namespace sw;
using namespace sw::testing;

namespace {

using Change = std::function<void(ProjectSession&)>;

// Three culverts, the second with three sub-areas of which the list shows the rows.
Document sampleProject()
{
    return stateWith({culvert("K1", {}),
                      culvert("K2", {subArea("Asphaltic", "1.0 a", 0.81, "road"), subArea("Gravel yard", "2.0 a", 0.5,
                                     "yard"), subArea("Grass Areas (> 75%)-Flat 0~2%", "3.0 a", 0.25, "verge")}),
                      culvert("K3", {})});
}

const std::string kAddedRow =
    BuildAreaRow({CSource::DesignManual, "Concrete/Roof", "0.83", "", "", "0.5", 1, "deck"});

struct Snapshot {
    Document document;
    std::vector<std::string> rows;
    QStringList ids;
    bool operator==(const Snapshot&) const = default;
};

Snapshot snapshot(ProjectSession& s)
{
    QStringList ids;
    for (int i = 0; i < s.culvertListModel().rowCount(); ++i)
        ids << s.culvertListModel().index(i).data().toString();
    return {s.document(), s.subAreaModel().rows(), ids};
}

}  // namespace

Q_DECLARE_METATYPE(Change)

class TestProjectSession : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_session = std::make_unique<ProjectSession>();
        m_session->replaceDocument(sampleProject(), "/p/route9.txt");
        m_session->subAreaModel().showCulvert(1, *m_session->culvert(1));
    }
    void cleanup() { m_session.reset(); }

    void everyChangeUndoesAndRedoesExactly_data();
    void everyChangeUndoesAndRedoesExactly();
    void typingInOneBoxIsOneCommand();
    void undoTellsTheWindowsWhatChanged();
    void replacingTheDocumentStartsAFreshHistory();
    void aFileSavedAfterUndoIsTheFileBefore();
    void rowsChangeOneAtATimeAndStayWhatIsStored();

private:
    std::unique_ptr<ProjectSession> m_session;
};

void TestProjectSession::everyChangeUndoesAndRedoesExactly_data()
{
    QTest::addColumn<Change>("change");
    QTest::addColumn<QString>("text");  // the command's name
    QTest::addColumn<Change>("expect");  // the same change made by hand on a copy

    const auto culvert = [](int i, std::function<void(CulvertRecord&)> f) {
        return Change([i, f](ProjectSession& s) { f(s.editableDocument().CulvertList[std::size_t(i)]); });
    };
    // A change of the sub-areas, and the totals computed again as every such change does.
    const auto areas = [culvert](int i, std::function<void(CulvertRecord&)> f) {
        return culvert(i, [f](CulvertRecord& c) {
            f(c);
            Document d{{}, {c}};
            (void)CalAC(d, 0);
            c = d.CulvertList[0];
        });
    };
    QTest::newRow("header field") << Change([](ProjectSession& s) { s.setProjectField(ProjectField::Designer, "Åsa L."); })
                                  << "Edit Designer"
                                  << Change([](ProjectSession& s) { s.editableDocument().ProjectInfo.Designer = "Åsa L."; });
    const auto metres = [](CulvertRecord& c) {
        std::tie(c.EleRemote, c.EleRemoteUnit, c.EleRemoteFt) = std::tuple(330, "m", 1082.66);
    };
    QTest::newRow("culvert inputs")
        << Change([metres](ProjectSession& s) { s.editCulvert(2, CulvertEdit::Remote, "Edit Elevation", metres); })
        << "Edit Elevation" << culvert(2, metres);
    QTest::newRow("sub-area added") << Change([](ProjectSession& s) { s.addSubAreaRows(1, {kAddedRow}, "Add Sub-area"); })
                                    << "Add Sub-area" << areas(1, [](CulvertRecord& c) {
                                           c.Areas.push_back(parseAreaRow(kAddedRow));
                                           c.NumOfAreas = "4";
                                       });
    for (int row : {0, 1, 2}) {
        QTest::addRow("sub-area %d removed", row)
            << Change([row](ProjectSession& s) { s.removeSubArea(1, row); }) << "Remove Sub-area"
            << areas(1, [row](CulvertRecord& c) {
                   c.Areas.erase(c.Areas.begin() + row);
                   c.NumOfAreas = "2";
               });
    }
    QTest::newRow("all sub-areas removed") << Change([](ProjectSession& s) { s.removeAllSubAreas(1); })
                                           << "Remove All Sub-areas" << culvert(1, [](CulvertRecord& c) {
                                                  c.Areas.clear();
                                                  c.NumOfAreas = "0";
                                              });
    QTest::newRow("C values of 50 years") << Change([](ProjectSession& s) { (void)s.updateCValues(1, 3, 50); })
                                          << "Update C Values" << areas(1, [](CulvertRecord& c) {
                                                 c.Areas[0].C = 0.9;
                                                 c.Areas[2].C = 0.32;
                                             });
    QTest::newRow("culvert added") << Change([](ProjectSession& s) { (void)s.addCulvert("K4"); }) << "Add Culvert K4"
                                   << Change([](ProjectSession& s) {
                                          s.editableDocument().CulvertList.emplace_back().CulvertNo = "K4";
                                      });
    QTest::newRow("culvert renamed") << Change([](ProjectSession& s) { s.renameCulvert(0, "K1a"); })
                                     << "Rename Culvert K1 to K1a"
                                     << culvert(0, [](CulvertRecord& c) { c.CulvertNo = "K1a"; });
    for (int slot : {0, 1, 2}) {
        QTest::addRow("culvert %d deleted", slot)
            << Change([slot](ProjectSession& s) { s.deleteCulvert(slot); })
            << QStringLiteral("Delete Culvert K%1").arg(slot + 1) << Change([slot](ProjectSession& s) {
                   auto& list = s.editableDocument().CulvertList;
                   list.erase(list.begin() + slot);
               });
    }
    QTest::newRow("several as one") << Change([](ProjectSession& s) {
        s.beginCommand("Pick Return Period 50");
        s.editCulvert(1, CulvertEdit::PeriodFromTable, "x", [](CulvertRecord& c) { c.RetPeriod = "50"; });
        (void)s.updateCValues(1, 3, 50);
        s.endCommand();
    }) << "Pick Return Period 50" << areas(1, [](CulvertRecord& c) {
        c.RetPeriod = "50";
        c.Areas[0].C = 0.9;
        c.Areas[2].C = 0.32;
    });
}

void TestProjectSession::everyChangeUndoesAndRedoesExactly()
{
    QFETCH(Change, change);
    QFETCH(QString, text);
    QFETCH(Change, expect);
    ProjectSession& s = *m_session;
    const Snapshot before = snapshot(s);
    ProjectSession byHand;
    byHand.replaceDocument(s.document(), {});
    expect(byHand);

    change(s);
    QCOMPARE(s.undoStack().count(), 1);
    QCOMPARE(s.undoStack().undoText(), text);
    QVERIFY(s.document() == byHand.document());
    const Snapshot after = snapshot(s);
    QCOMPARE(after.ids.size(), int(byHand.document().CulvertList.size()));
    // The list shows a row per sub-area of its culvert, each parsing as that sub-area.
    if (const CulvertRecord* shown = s.culvert(s.subAreaModel().culvert())) {
        QCOMPARE(s.subAreaModel().rows().size(), validAreaCount(*shown));
        for (std::size_t j = 0; j < s.subAreaModel().rows().size(); ++j)
            QCOMPARE(parseAreaRow(s.subAreaModel().rows()[j]).AreaText, shown->Areas[j].AreaText);
    }

    for (int round = 0; round < 2; ++round) {
        s.undo();
        QVERIFY(snapshot(s).document == before.document);
        QCOMPARE(snapshot(s).ids, before.ids);
        if (s.subAreaModel().culvert() == 1)
            QCOMPARE(snapshot(s).rows, before.rows);
        s.redo();
        QVERIFY(snapshot(s) == after);
    }
}

void TestProjectSession::typingInOneBoxIsOneCommand()
{
    ProjectSession& s = *m_session;
    for (const char* text : {"R", "Ro", "Rou", "Route 10"})
        s.setProjectField(ProjectField::ProjectName, text);
    s.editCulvert(0, CulvertEdit::Remote, "Edit Elevation", [](CulvertRecord& c) { c.EleRemote = 1; });
    s.editCulvert(0, CulvertEdit::Remote, "Edit Elevation", [](CulvertRecord& c) { c.EleRemote = 12; });
    QCOMPARE(s.undoStack().count(), 2);
    // The focus left the box: the next edit of the same field is a command of its own.
    s.endTyping();
    s.setProjectField(ProjectField::ProjectName, "Route 11");
    // A value picked in another window never merges with typing.
    s.editCulvert(0, CulvertEdit::ZoneFromMap, "Pick Zone B", [](CulvertRecord& c) { c.RFZone = "B"; });
    s.editCulvert(0, CulvertEdit::ZoneFromMap, "Pick Zone C", [](CulvertRecord& c) { c.RFZone = "C"; });
    QCOMPARE(s.undoStack().count(), 5);
    s.undo();
    s.undo();
    s.undo();
    QCOMPARE(s.projectInfo().ProjectName, std::string("Route 10"));
    QCOMPARE(s.culvert(0)->RFZone, std::string("A"));
    s.undo();
    s.undo();
    QVERIFY(s.document() == sampleProject());
    // Typed back to what it was, an edit is no command at all; nothing changed is none either.
    s.redo();
    s.endTyping();
    s.setProjectField(ProjectField::ProjectNo, "P-13");
    s.setProjectField(ProjectField::ProjectNo, "P-12");
    s.setProjectField(ProjectField::Designer, "J. Smith");
    QCOMPARE(s.undoStack().count(), 1);
    QCOMPARE(s.undoStack().undoText(), QStringLiteral("Edit Project Name"));
}

void TestProjectSession::undoTellsTheWindowsWhatChanged()
{
    ProjectSession& s = *m_session;
    QSignalSpy fields(&s, &ProjectSession::fieldChanged);
    QSignalSpy areas(&s, &ProjectSession::areasChanged);
    QSignalSpy culverts(&s, &ProjectSession::culvertsChanged);
    QSignalSpy applied(&s, &ProjectSession::historyApplied);
    s.editCulvert(2, CulvertEdit::Zone, "Edit Zone", [](CulvertRecord& c) { c.RFZone = "C"; });
    s.removeSubArea(1, 0);
    s.deleteCulvert(0);
    // The window that made a change shows it already; only the culvert list is news to others.
    QCOMPARE(fields.count() + areas.count() + applied.count(), 0);
    QCOMPARE(culverts.count(), 1);

    s.undo();  // the deleted culvert is back: it becomes the current one
    QCOMPARE(applied.takeFirst(), QVariantList{0});
    QCOMPARE(culverts.count(), 2);
    s.undo();
    QCOMPARE(areas.takeFirst(), QVariantList{1});
    QCOMPARE(applied.takeFirst(), QVariantList{1});
    s.undo();
    QCOMPARE(fields.takeFirst(), (QVariantList{2, int(CulvertEdit::Zone)}));
    QCOMPARE(applied.takeFirst(), QVariantList{2});
    s.redo();
    s.redo();
    s.redo();  // the culvert deleted again: none is current
    QCOMPARE(applied.last(), QVariantList{int(kNoCulvert)});
    s.setProjectField(ProjectField::ControlNo, "1");
    s.undo();
    QCOMPARE(applied.last(), QVariantList{-1});
}

void TestProjectSession::replacingTheDocumentStartsAFreshHistory()
{
    ProjectSession& s = *m_session;
    s.setCurCulvert(1);
    s.removeAllSubAreas(1);
    QSignalSpy replaced(&s, &ProjectSession::documentReplaced);
    QSignalSpy file(&s, &ProjectSession::fileChanged);
    s.replaceDocument({}, {});
    QCOMPARE(replaced.count(), 1);
    QCOMPARE(file.takeFirst(), QVariantList{QString()});
    QCOMPARE(s.undoStack().count(), 0);
    QCOMPARE(s.CurCulvert(), kNoCulvert);
    QCOMPARE(s.culvertListModel().rowCount(), 0);
    QCOMPARE(s.subAreaModel().culvert(), -1);
    QVERIFY(s.subAreaModel().rows().empty());
}

void TestProjectSession::aFileSavedAfterUndoIsTheFileBefore()
{
    QTemporaryDir dir;
    const auto save = [&](const char* name) {
        const std::string path = dir.filePath(QString::fromLatin1(name)).toStdString();
        return Write2File(m_session->document(), path).written() ? readBytes(path) : std::string();
    };
    ProjectSession& s = *m_session;
    const std::string original = save("original.txt");
    QVERIFY(!original.empty());
    s.deleteCulvert(2);
    s.addSubAreaRows(1, {kAddedRow, kAddedRow}, "Paste Sub-areas");
    s.removeSubArea(1, 1);
    s.setProjectField(ProjectField::ProDescrpt, "Widening, phase 2");
    (void)s.updateCValues(1, 4, 100);
    s.renameCulvert(0, "K0");
    const std::string edited = save("edited.txt");
    while (s.undoStack().canUndo())
        s.undo();
    QCOMPARE(save("undone.txt"), original);
    while (s.undoStack().canRedo())
        s.redo();
    QCOMPARE(save("redone.txt"), edited);
}

// Add and Remove tell the list of the one row they change, never of a new list; the rows are still
// what is parsed into the sub-areas (a stored C of more decimals than its row shows is stored as
// shown), and the list follows its culvert when undo puts a deleted culvert back before it.
void TestProjectSession::rowsChangeOneAtATimeAndStayWhatIsStored()
{
    ProjectSession& s = *m_session;
    s.editableDocument().CulvertList[1].Areas[1].C = 0.456;
    const Document before = s.document();
    const SubAreaListModel& list = s.subAreaModel();
    QSignalSpy inserted(&list, &QAbstractItemModel::rowsInserted), removed(&list, &QAbstractItemModel::rowsRemoved),
        reset(&list, &QAbstractItemModel::modelReset);
    s.addSubAreaRows(1, {kAddedRow}, "Add Sub-area");
    s.removeSubArea(1, 0);
    const std::vector<SubArea>& areas = s.document().CulvertList[1].Areas;
    QCOMPARE(areas.size(), std::size_t(3));
    QCOMPARE(areas[0].C, 0.46);
    QCOMPARE(areas[1], before.CulvertList[1].Areas[2]);
    QCOMPARE(list.rows(), (std::vector<std::string>{subAreaLine(areas[0]), subAreaLine(areas[1]), kAddedRow}));
    QCOMPARE(inserted.size(), 1);
    QCOMPARE(removed.size(), 1);
    QCOMPARE(removed[0][1].toInt(), 0);
    QCOMPARE(reset.size(), 0);
    s.undo();
    s.undo();
    QCOMPARE(s.document(), before);

    s.deleteCulvert(0);
    s.subAreaModel().showCulvert(0, *s.culvert(0));
    s.undo();
    QCOMPARE(list.culvert(), 1);
}

QTEST_MAIN(TestProjectSession)
#include "tst_projectsession.moc"
