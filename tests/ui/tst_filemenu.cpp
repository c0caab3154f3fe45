// The File menu from the keyboard: Open right after start-up asking nothing; "Open &Recent" with
// the recent projects newest first and at most eight, each opened as Open opens it, a file gone
// taken off the list with Open's message, Clear List; "Co&mpare With..." comparing the open
// project, unsaved changes included, with a file.

#include <QTableView>

#include "core/messages.h"
#include "platform/recentprojects.h"
#include "report/comparefile.h"
#include "tests/ui/editorsteps.h"
#include "tests/ui/projecttexts.h"

using namespace sw;
using namespace sw::testing;

namespace {

QStringList textsOf(const QMenu* menu)
{
    QStringList out;
    for (const QAction* item : menu->actions())
        out << (item->isSeparator() ? QStringLiteral("-") : item->text() + (item->isEnabled() ? "" : " (off)"));
    return out;
}

}  // namespace

class TestFileMenu : public EditorTest {
    Q_OBJECT

private slots:
    void recentProjectsAsTheMenuListsThem();
    void compareWithTheOpenProjectAsItIsNow();

private:
    QString project(int n) const { return m_dir->filePath(QStringLiteral("p%1.txt").arg(n)); }
    // Project n, with culvert 7A in zone A.
    bool writeProject(int n) const
    {
        const std::string name = "P" + std::to_string(n);
        return writeBytes(project(n), projectHead(name, "1", "2", "Outfall", "04/01/2023", "9:05:00 AM", "AL") +
                                          culvertLines("7A", "Sta 4", "10", {"Asphaltic,2.5 a,0.81,ditch"}) +
                                          intensityBlock());
    }
    // The main window loaded now, active as on a desktop.
    bool follow() { return followMainWindow() && (QApplication::activeWindow() == m_h->window || m_h->showActive()); }
    // A File menu item by its letter, from the keyboard, then a letter of Open Recent; that menu.
    QMenu* press(Qt::Key item, Qt::Key subItem = Qt::Key_unknown)
    {
        QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : m_h->window.data();
        QTest::keyClick(focus, Qt::Key_Alt);
        QTest::keyClick(focus, Qt::Key_F, Qt::AltModifier);
        auto* file = m_h->find<QMenu>("mnuFile");
        auto* recent = m_h->find<QMenu>("mnuOpenRecent");
        if (!QTest::qWaitFor([file] { return file->isVisible(); }, 2000))
            return nullptr;
        QTest::keyClick(file, item);
        if (item == Qt::Key_R && !QTest::qWaitFor([recent] { return recent->isVisible(); }, 2000))
            return nullptr;
        if (subItem != Qt::Key_unknown)
            QTest::keyClick(recent, subItem);
        return follow() ? recent : nullptr;
    }
};

void TestFileMenu::recentProjectsAsTheMenuListsThem()
{
    QCOMPARE(textsOf(m_h->find<QMenu>("mnuFile")),
             (QStringList{"Ne&w", "&Open", "Sa&ve", "&Save As", "Open &Recent", "Co&mpare With...", "E&xit"}));
    // Alt alone, then Alt+F and O, from the box the window starts in: no question, the same window.
    FrmMain* first = m_h->window.data();
    QTRY_VERIFY(s->w("txtProjectName")->hasFocus());
    dialogs().queuePath("");
    QVERIFY(press(Qt::Key_O) && m_h->window == first && session().IsPristine);
    QVERIFY(messages().asked().empty());
    QCOMPARE(dialogs().asked(), std::vector<FileDialogMode>{FileDialogMode::Open});
    RecentProjects recent;
    recent.clear();
    for (int n = 1; n <= 8; ++n) {
        QVERIFY(writeProject(n));
        recent.add(project(n));
    }
    // Open and Save As put their file first; the ninth pushes the oldest out.
    QVERIFY(openFile(project(3)));
    dialogs().queuePath(project(9).toStdString());
    m_h->find<QAction>("mnuSaveAs")->trigger();
    QStringList listed;
    for (int n : {9, 3, 8, 7, 6, 5, 4, 2})
        listed << QStringLiteral("&%1 %2").arg(listed.size() + 1).arg(project(n));
    QMenu* menu = press(Qt::Key_R);
    QVERIFY(menu);
    QCOMPARE(textsOf(menu), listed << "-" << "&Clear List");

    // The third, p8, opened as Open opens it: the question first, for the project is touched.
    messages().queueYesNo(YesNo::No);
    QTest::keyClick(menu, Qt::Key_3);
    QVERIFY(follow());
    QCOMPARE(m_h->window->windowTitle(), project(8));
    QCOMPARE(messages().texts(), std::vector<std::string>{std::string(msg::kSaveCurrentFile)});
    QCOMPARE(recent.paths().first(), project(8));

    // A file gone: Open's message, and off the list.
    QVERIFY(QFile::remove(project(7)));
    messages().queueYesNo(YesNo::No);
    QVERIFY(press(Qt::Key_R, Qt::Key_4));  // p8, p9, p3, p7
    QVERIFY(openFile(project(7)));  // the fresh window is untouched: no question
    const std::vector<std::string> said = messages().texts();
    QCOMPARE(said.size(), std::size_t(4));
    QVERIFY2(said[2] == said[3] && said[3].find(project(7).toStdString()) != std::string::npos, said[3].c_str());
    QCOMPARE(recent.paths().size(), 7);
    QVERIFY(!recent.paths().contains(project(7)));

    menu = press(Qt::Key_R, Qt::Key_C);
    QVERIFY(menu);
    QCOMPARE(recent.paths(), QStringList());
    QCOMPARE(textsOf(press(Qt::Key_R)), QStringList{"&Clear List (off)"});
}

void TestFileMenu::compareWithTheOpenProjectAsItIsNow()
{
    QVERIFY(writeProject(1) && openFile(project(1)));
    SW_STEP(s->showPage(kIntensityPage) && s->pick("cboRFzone", entry::kZoneC));
    // The file as it was saved is the old project, the open one as it is now the new.
    dialogs().queuePath(project(1).toStdString());
    QVERIFY(press(Qt::Key_M));
    QWidget* compare = m_h->desktop->windows().find("frmCompare");
    QVERIFY(compare && compare->isVisible());
    QCOMPARE(compare->findChild<QLabel*>("lblOldProject")->text(), project(1));
    QCOMPARE(compare->findChild<QLabel*>("lblNewProject")->text(), project(1));
    const QAbstractItemModel* rows = compare->findChild<QTableView*>("tblCompare")->model();
    QCOMPARE(rows->rowCount(), 1);
    QCOMPARE(rows->index(0, 0).data().toString(), QStringLiteral("7A"));
    QCOMPARE(rows->index(0, int(comparisonChangesColumn())).data().toString(), QStringLiteral("Rainfall zone A -> C"));
    QCOMPARE(dialogs().asked(), std::vector<FileDialogMode>(2, FileDialogMode::Open));
    QCOMPARE(doc().CulvertList[0].RFZone, std::string("C"));
}

QTEST_MAIN(TestFileMenu)
#include "tst_filemenu.moc"
