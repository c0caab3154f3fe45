// The project fields of the "Project Info" page: copying into ProjectInfo with the length limits,
// the Enter cycle, the focus colours, IsPristine, and the hand-over to a visible culvert selector.

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "platform/backcolour.h"
#include "tests/ui/mainwindowharness.h"
#include "ui/main/projectfieldseditor.h"

using namespace sw;
using Field = ProjectFieldsEditor::Field;

namespace {

const QColor kCyan(192, 255, 255);
const QColor kWhite(255, 255, 255);

// A window that stands for one the project does not have yet (the culvert selector, the board).
class StandInWindow : public QWidget {
public:
    StandInWindow(WindowRegistry& registry, const char* name) : m_registration(registry, this, name)
    {
        setObjectName(QString::fromLatin1(name));
        auto* layout = new QVBoxLayout(this);
        m_box = new QLineEdit(this);
        layout->addWidget(m_box);
        resize(200, 60);
    }
    QLineEdit* box() const { return m_box; }

private:
    WindowRegistration m_registration;
    QLineEdit* m_box = nullptr;
};

std::string repeat(char c, int n)
{
    return std::string(static_cast<std::size_t>(n), c);
}

}  // namespace

class TestProjectFields : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void typingCopiesIntoTheField_data();
    void typingCopiesIntoTheField();
    void projectNoKeepsThirtyCharacters();
    void limits_data();
    void limits();
    void settingAnUnchangedTextStillCopies();
    void limitMessageDoesNotStack();
    void enterCycleGoesAllTheWayRound();
    void keysTouchTheProjectExceptInTheDate_data();
    void keysTouchTheProjectExceptInTheDate();
    void mousePasteTouchesTheProject();
    void focusColours();
    void designerLostFocusReturnsToProjectName();
    void secondWindowKeepsTheColour();
    void projectNameHandsFocusToVisibleSelector_data();
    void projectNameHandsFocusToVisibleSelector();

private:
    QLineEdit* box(const char* name) const { return m_h->find<QLineEdit>(name); }
    std::unique_ptr<testing::MainWindowHarness> m_h;
};

void TestProjectFields::init()
{
    m_h = std::make_unique<testing::MainWindowHarness>();
    m_h->create();
}

void TestProjectFields::cleanup()
{
    SW_VERIFY_NO_WINDOW_LEFT(*m_h);
    m_h.reset();
}

void TestProjectFields::typingCopiesIntoTheField_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("field");  // index into the seven ProjectInfo texts
    QTest::newRow("txtProjectName") << "txtProjectName" << 0;
    QTest::newRow("txtProjectNo") << "txtProjectNo" << 1;
    QTest::newRow("txtControlNo") << "txtControlNo" << 2;
    QTest::newRow("txtProDescrpt") << "txtProDescrpt" << 3;
    QTest::newRow("txtDate") << "txtDate" << 4;
    QTest::newRow("txtDesigner") << "txtDesigner" << 6;
}

void TestProjectFields::typingCopiesIntoTheField()
{
    QFETCH(QString, name);
    QFETCH(int, field);
    const auto fieldText = [this, field] {
        const ProjectInfo& p = m_h->state->ProjectInfo;
        const std::string* fields[] = {&p.ProjectName, &p.ProjectNo,   &p.ControlNo, &p.ProDescrpt,
                                       &p.ProjectDate, &p.ProjectTime, &p.Designer};
        return *fields[field];
    };
    QVERIFY(m_h->showActive());
    QLineEdit* edit = box(qPrintable(name));
    edit->clear();
    QTest::keyClicks(edit, QStringLiteral("Route 9 B"));
    QCOMPARE(fieldText(), std::string("Route 9 B"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(fieldText(), std::string("Route 9 "));
    QVERIFY(m_h->desktop->messages().asked().empty());
}

void TestProjectFields::projectNoKeepsThirtyCharacters()
{
    const std::string limitMessage = "Please limit your input in 30 characters";
    auto& messages = m_h->desktop->messages();
    QVERIFY(m_h->showActive());
    QLineEdit* no = box("txtProjectNo");
    const std::string thirty = "P-2024-001/ROUTE-9/SEGMENT-A12";
    QCOMPARE(thirty.size(), std::size_t(30));
    QTest::keyClicks(no, QString::fromStdString(thirty));
    QVERIFY(messages.asked().empty());
    QCOMPARE(m_h->state->ProjectInfo.ProjectNo, thirty);

    QTest::keyClick(no, Qt::Key_X);
    QCOMPARE(messages.texts(), std::vector<std::string>{limitMessage});
    QCOMPARE(messages.asked().front().kind, testing::AskedMessage::Kind::Ok);
    QCOMPARE(no->text().size(), 31);
    QCOMPARE(m_h->state->ProjectInfo.ProjectNo, thirty);

    QTest::keyClick(no, Qt::Key_Y);
    QCOMPARE(messages.count(limitMessage), 2);
    QCOMPARE(no->text().size(), 32);
    QCOMPARE(m_h->state->ProjectInfo.ProjectNo, thirty);

    QTest::keyClick(no, Qt::Key_Backspace);  // 31: still too long
    QCOMPARE(messages.count(limitMessage), 3);
    QTest::keyClick(no, Qt::Key_Backspace);  // 30 again
    QCOMPARE(messages.count(limitMessage), 3);
    QCOMPARE(m_h->state->ProjectInfo.ProjectNo, thirty);
    QTest::keyClick(no, Qt::Key_Backspace);
    QCOMPARE(m_h->state->ProjectInfo.ProjectNo, thirty.substr(0, 29));
}

void TestProjectFields::limits_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("limit");
    QTest::addColumn<QString>("message");
    QTest::newRow("project name") << "txtProjectName" << 60 << "Please limit your input in 60 characters";
    QTest::newRow("control no") << "txtControlNo" << 30 << "Please limit your input in 30 characters";
    QTest::newRow("description") << "txtProDescrpt" << 60 << "Please limit your input in 60 chacaters !";
}

void TestProjectFields::limits()
{
    QFETCH(QString, name);
    QFETCH(int, limit);
    QFETCH(QString, message);
    QLineEdit* edit = box(qPrintable(name));
    const std::string exact = repeat('d', limit - 1) + "\xc3\xa9";  // the limit counts characters
    edit->setText(QString::fromStdString(exact));
    QVERIFY(m_h->desktop->messages().asked().empty());
    const ProjectInfo& p = m_h->state->ProjectInfo;
    const std::string& stored = name == "txtProjectName" ? p.ProjectName : name == "txtControlNo" ? p.ControlNo : p.ProDescrpt;
    QCOMPARE(stored, exact);

    edit->setText(QString::fromStdString(exact + "!"));
    QCOMPARE(m_h->desktop->messages().texts(), std::vector<std::string>{message.toStdString()});
    QCOMPARE(stored, exact);
    QCOMPARE(edit->text().size(), limit + 1);
}

void TestProjectFields::settingAnUnchangedTextStillCopies()
{
    ProjectFieldsEditor& fields = m_h->window->projectFields();
    box("txtDesigner")->setText(QStringLiteral("J. Smith"));
    m_h->state->ProjectInfo.Designer = "someone else";
    fields.setFieldText(Field::Designer, QStringLiteral("J. Smith"));
    QCOMPARE(m_h->state->ProjectInfo.Designer, std::string("J. Smith"));

    fields.setFieldText(Field::ProjectName, QStringLiteral("Bridge 4"));
    QCOMPARE(box("txtProjectName")->text(), QStringLiteral("Bridge 4"));
    QCOMPARE(m_h->state->ProjectInfo.ProjectName, std::string("Bridge 4"));

    // A text over the limit set from code (a file with a long project number) is refused the same way.
    fields.setFieldText(Field::ProjectNo, QString::fromStdString(repeat('7', 35)));
    QCOMPARE(m_h->desktop->messages().count("Please limit your input in 30 characters"), 1);
    QCOMPARE(box("txtProjectNo")->text().size(), 35);
    QCOMPARE(m_h->state->ProjectInfo.ProjectNo, std::string());
    QCOMPARE(fields.box(Field::ProjectNo), box("txtProjectNo"));
}

void TestProjectFields::limitMessageDoesNotStack()
{
    QLineEdit* name = box("txtProjectName");
    int nested = 0;
    // While the message is open the box changes again: once too long, then back within the limit.
    m_h->desktop->messages().setWhileOpen([&](const testing::AskedMessage&) {
        if (nested++ > 0)
            return;
        name->setText(QString::fromStdString(repeat('b', 70)));
        name->setText(QString::fromStdString(repeat('c', 60)));
    });
    name->setText(QString::fromStdString(repeat('a', 61)));
    QCOMPARE(m_h->desktop->messages().asked().size(), std::size_t(1));
    QCOMPARE(nested, 1);
    QCOMPARE(m_h->state->ProjectInfo.ProjectName, repeat('c', 60));
}

void TestProjectFields::enterCycleGoesAllTheWayRound()
{
    QVERIFY(m_h->showActive());
    const std::vector<const char*> cycle = {"txtProjectName", "txtProjectNo", "txtControlNo", "txtProDescrpt",
                                            "txtDate",        "txtDesigner",  "txtProjectName"};
    box(cycle.front())->setFocus(Qt::MouseFocusReason);
    QVERIFY(box(cycle.front())->hasFocus());
    QCOMPARE(backColourOf(box(cycle.front())), kCyan);
    for (std::size_t i = 1; i < cycle.size(); ++i) {
        QLineEdit* from = box(cycle[i - 1]);
        QLineEdit* to = box(cycle[i]);
        QTest::keyClick(from, Qt::Key_Return);
        QVERIFY2(to->hasFocus(), cycle[i]);
        QCOMPARE(backColourOf(to), kCyan);
        if (from != to)
            QCOMPARE(backColourOf(from), kWhite);
    }
    // Enter moves on; it types nothing.
    QCOMPARE(box("txtDate")->text(), QStringLiteral("03/09/2024"));
    QTest::keyClick(box("txtProjectName"), Qt::Key_Enter);  // the keypad's Enter too
    QVERIFY(box("txtProjectNo")->hasFocus());
}

void TestProjectFields::keysTouchTheProjectExceptInTheDate_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("touches");
    QTest::newRow("txtProjectName") << "txtProjectName" << true;
    QTest::newRow("txtProjectNo") << "txtProjectNo" << true;
    QTest::newRow("txtControlNo") << "txtControlNo" << true;
    QTest::newRow("txtProDescrpt") << "txtProDescrpt" << true;
    QTest::newRow("txtDesigner") << "txtDesigner" << true;
    QTest::newRow("txtDate") << "txtDate" << false;
}

void TestProjectFields::keysTouchTheProjectExceptInTheDate()
{
    QFETCH(QString, name);
    QFETCH(bool, touches);
    QVERIFY(m_h->showActive());
    QLineEdit* edit = box(qPrintable(name));
    edit->setFocus(Qt::MouseFocusReason);
    QVERIFY(m_h->state->IsPristine);
    // Enter alone counts.
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(m_h->state->IsPristine, !touches);
    m_h->state->IsPristine = true;
    QTest::keyClicks(edit, QStringLiteral("12/31/2024"));
    QCOMPARE(m_h->state->IsPristine, !touches);
    // Texts set from code touch nothing.
    m_h->state->IsPristine = true;
    edit->setText(QStringLiteral("from a file"));
    QVERIFY(m_h->state->IsPristine);
}

void TestProjectFields::mousePasteTouchesTheProject()
{
    QGuiApplication::clipboard()->setText(QStringLiteral("Pasted name"));
    box("txtDate")->paste();
    QVERIFY(m_h->state->IsPristine);
    box("txtProjectName")->paste();
    QCOMPARE(m_h->state->ProjectInfo.ProjectName, std::string("Pasted name"));
    QVERIFY(!m_h->state->IsPristine);
}

void TestProjectFields::focusColours()
{
    QVERIFY(m_h->showActive());
    QTest::mouseClick(box("txtProjectNo"), Qt::LeftButton);
    QVERIFY(box("txtProjectNo")->hasFocus());
    QCOMPARE(backColourOf(box("txtProjectNo")), kCyan);
    QTest::mouseClick(box("txtDate"), Qt::LeftButton);
    QCOMPARE(backColourOf(box("txtProjectNo")), kWhite);
    QCOMPARE(backColourOf(box("txtDate")), kCyan);
    // The box keeps its colour while a message box or another application has the keyboard.
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QCoreApplication::sendEvent(box("txtDate"), &away);
    QCOMPARE(backColourOf(box("txtDate")), kCyan);
}

void TestProjectFields::designerLostFocusReturnsToProjectName()
{
    QVERIFY(m_h->showActive());
    QTest::mouseClick(box("txtDesigner"), Qt::LeftButton);
    QVERIFY(box("txtDesigner")->hasFocus());
    QTest::mouseClick(box("txtControlNo"), Qt::LeftButton);
    QVERIFY(box("txtProjectName")->hasFocus());
    QCOMPARE(backColourOf(box("txtProjectName")), kCyan);
    QCOMPARE(backColourOf(box("txtDesigner")), kWhite);
    QCOMPARE(backColourOf(box("txtControlNo")), kWhite);
}

void TestProjectFields::secondWindowKeepsTheColour()
{
    QVERIFY(m_h->showActive());
    auto* second = new StandInWindow(m_h->desktop->windows(), "frmDisplayBoard");
    QCOMPARE(m_h->desktop->windows().count(), 2);

    box("txtProjectName")->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(box("txtProjectName"), Qt::Key_Return);
    QVERIFY(box("txtProjectNo")->hasFocus());
    QCOMPARE(backColourOf(box("txtProjectName")), kCyan);

    // Nor does leaving the Designer box jump back to the first box.
    QTest::mouseClick(box("txtDesigner"), Qt::LeftButton);
    QTest::mouseClick(box("txtControlNo"), Qt::LeftButton);
    QVERIFY(box("txtControlNo")->hasFocus());
    QCOMPARE(backColourOf(box("txtDesigner")), kCyan);

    delete second;
    QCOMPARE(m_h->desktop->windows().count(), 1);
    QTest::mouseClick(box("txtDate"), Qt::LeftButton);
    QCOMPARE(backColourOf(box("txtControlNo")), kWhite);
}

void TestProjectFields::projectNameHandsFocusToVisibleSelector_data()
{
    QTest::addColumn<QString>("secondName");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<bool>("third");
    QTest::addColumn<bool>("handsOver");
    QTest::newRow("visible selector") << "frmCulvertSelector" << true << false << true;
    QTest::newRow("name in other case") << "FRMCULVERTSELECTOR" << true << false << true;
    QTest::newRow("hidden selector") << "frmCulvertSelector" << false << false << false;
    QTest::newRow("another window") << "frmDisplayBoard" << true << false << false;
    QTest::newRow("three windows") << "frmCulvertSelector" << true << true << false;
}

void TestProjectFields::projectNameHandsFocusToVisibleSelector()
{
    QFETCH(QString, secondName);
    QFETCH(bool, visible);
    QFETCH(bool, third);
    QFETCH(bool, handsOver);
    QVERIFY(m_h->showActive());
    QTest::mouseClick(box("txtDate"), Qt::LeftButton);

    const QByteArray name = secondName.toLatin1();
    auto* selector = new StandInWindow(m_h->desktop->windows(), name.constData());
    std::unique_ptr<StandInWindow> extra;
    if (third)
        extra = std::make_unique<StandInWindow>(m_h->desktop->windows(), "frmDisplayBoard");
    if (visible) {
        selector->show();
        QVERIFY(QTest::qWaitForWindowExposed(selector));
    }
    m_h->window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_h->window.data()));

    QTest::mouseClick(box("txtProjectName"), Qt::LeftButton);
    QCOMPARE(backColourOf(box("txtProjectName")), kCyan);
    if (handsOver) {
        QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(selector));
        QTRY_VERIFY(selector->box()->hasFocus());
    } else {
        QTest::qWait(50);
        QCOMPARE(QApplication::activeWindow(), static_cast<QWidget*>(m_h->window.data()));
        QVERIFY(box("txtProjectName")->hasFocus());
    }
    extra.reset();
    delete selector;
}

QTEST_MAIN(TestProjectFields)
#include "tst_projectfields.moc"
