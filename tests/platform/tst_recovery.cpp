// Recovery copies, their start-up offer, the scheduler that writes them, and the recent projects:
// real files in a temporary HOME, and this test program run a second time beside itself, killed.

#include <sys/stat.h>

#include <iostream>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest/QtTest>
#include <memory>

#include "core/messages.h"
#include "core/text.h"
#include "platform/recentprojects.h"
#include "platform/recoveryoffer.h"
#include "platform/recoveryscheduler.h"
#include "platform/recoverystore.h"
#include "project/projectwriter.h"
#include "tests/platform/lineprogram.h"
#include "platform/scripteddesktop.h"
#include "tests/project/projectfixtures.h"

using namespace sw;
using namespace std::chrono_literals;

namespace {

// Two culverts, one with intensity inputs and text outside ASCII; what File > Open reads back
// from its file is equal to it.
Document recoveryProject()
{
    using namespace testing;
    Document s = stateWith({culvert("C-1", {subArea("Asphaltic", "2.5 a", 0.35, "ditch é"),
                                            subArea("Gravel yard", "1.2 h", 0.5)}),
                            record("C-2", "Sta 14+00", "25", {subArea("Roof 10°", "300.0 m", 0.9)})});
    s.ProjectInfo.Designer = "A. Noël";
    return s;
}

// The second program, run as "tst_recovery --helper FOLDER": a store of its own on the folder. For
// each line "write PATH" on its input it writes a copy of the project for the file PATH and answers
// "written COPY" or "failed"; at the end of its input it ends, its copy left as it is.
int runHelper(const QString& folder)
{
    RecoveryStore store(folder);
    std::string line;
    while (std::getline(std::cin, line)) {
        const bool written =
            line.starts_with("write ") && store.writeCopy(recoveryProject(), QString::fromStdString(line.substr(6)));
        std::cout << (written ? "written " + store.copyPath().toStdString() : "failed") << std::endl;
    }
    return 0;
}

int modeOf(const QString& path)
{
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? int(st.st_mode & 07777) : -1;
}

QStringList copyFiles(const QString& folder)
{
    return QDir(folder).entryList({QStringLiteral("copy-*")}, QDir::Files, QDir::Name);
}

// A copy whose program is gone: written by a store that then ends without removing it.
void leaveStaleCopy(const QString& folder, const std::string& bytes, const QString& original, const QDateTime& when)
{
    RecoveryStore store(folder);
    QVERIFY(store.writeCopyBytes(bytes, original, when));
}

std::string question(const QString& original, const QDateTime& when)
{
    const RecoveryCopy copy{{}, {}, original, when};
    return fillMessage(msg::kRecoverOffer, {recoveryPathText(copy), recoveryTimeText(copy)});
}

}  // namespace

class TestRecovery : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void copyOfAKilledProgramIsStaleAndReadsBackEqual();
    void copiesAreTheOwnersAloneAndFailuresAreSilent();
    void offerAsksNewestFirstAndKeepsTheRestAfterYes();
    void unreadableCopyIsKeptAsideWithAMessage_data();
    void unreadableCopyIsKeptAsideWithAMessage();
    void schedulerWritesLateAndPeriodicallyAndRemovesOnSave();
    void recentListNewestFirstAtMostEight();

private:
    QTemporaryDir m_home;
    QString m_folder;
};

void TestRecovery::initTestCase()
{
    QVERIFY(m_home.isValid());
    // Nothing of the user's own folders is touched: HOME, the data and the settings are the
    // temporary folder's, and the standard paths are Qt's test ones beneath it.
    qputenv("HOME", QFile::encodeName(m_home.path()));
    qputenv("XDG_DATA_HOME", QFile::encodeName(m_home.filePath(QStringLiteral("data"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(m_home.filePath(QStringLiteral("config"))));
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_home.filePath(QStringLiteral("settings")));
    QCoreApplication::setApplicationName(QStringLiteral("Stormwick"));
    m_folder = RecoveryStore::defaultFolder();
    QVERIFY2(m_folder.startsWith(m_home.path() + QLatin1Char('/')) && m_folder.endsWith(QStringLiteral("/recovery")),
             qPrintable(m_folder));
}

void TestRecovery::init()
{
    QDir(m_folder).removeRecursively();
}

void TestRecovery::copyOfAKilledProgramIsStaleAndReadsBackEqual()
{
    const QDateTime before = QDateTime::currentDateTimeUtc().addMSecs(-1);
    testing::LineProgram helper(QCoreApplication::applicationFilePath(), {QStringLiteral("--helper"), m_folder});
    const QString answer = helper.ask(QStringLiteral("write /projects/route 9.prj"));
    QVERIFY2(answer.startsWith(QStringLiteral("written ")), qPrintable(answer));
    const QString copyPath = answer.mid(8);
    const QDateTime after = QDateTime::currentDateTimeUtc();

    RecoveryStore store(m_folder);
    QVERIFY(store.claimStaleCopies().isEmpty());  // its program still runs
    QVERIFY(helper.killHard());
    const QList<RecoveryCopy> stale = store.claimStaleCopies();
    QCOMPARE(stale.size(), 1);
    QCOMPARE(stale[0].copyPath, copyPath);
    QCOMPARE(stale[0].originalPath, QStringLiteral("/projects/route 9.prj"));
    QVERIFY(stale[0].written >= before && stale[0].written <= after);
    const RecoveryRead read = store.readCopy(stale[0]);
    QVERIFY2(read.read, read.failure.c_str());
    QVERIFY(read.document == recoveryProject());

    // While claimed, no other program lists it; deleted, nothing of it is left.
    RecoveryStore other(m_folder);
    QVERIFY(other.claimStaleCopies().isEmpty());
    store.deleteCopy(stale[0]);
    QCOMPARE(copyFiles(m_folder), QStringList());

    // A lock file that names no owner, as a disk may leave it, keeps nothing from being offered.
    leaveStaleCopy(m_folder, "[PROJECT INFO]", QString(), QDateTime::currentDateTimeUtc());
    const QString stem = copyFiles(m_folder).first().section(QLatin1Char('.'), 0, 0);
    QVERIFY(QFile(QDir(m_folder).filePath(stem + QStringLiteral(".lock"))).open(QIODevice::WriteOnly));
    QCOMPARE(store.claimStaleCopies().size(), 1);
}

void TestRecovery::copiesAreTheOwnersAloneAndFailuresAreSilent()
{
    QVERIFY(QDir().mkpath(m_folder));
    QVERIFY(QFile::setPermissions(m_folder, QFileDevice::Permissions(0x7755)));  // as a careless tool left it
    RecoveryStore store(m_folder);
    QVERIFY(store.writeCopy(recoveryProject(), QString()));
    QCOMPARE(modeOf(m_folder), 0700);
    const QStringList files = copyFiles(m_folder);
    QCOMPARE(files.size(), 3);  // the copy, its description, the lock
    for (const QString& name : files)
        if (!name.endsWith(QStringLiteral(".lock")))
            QCOMPARE(modeOf(QDir(m_folder).filePath(name)), 0600);
    store.removeCopy();
    QCOMPARE(copyFiles(m_folder).size(), 1);  // the lock, held while the program runs

    // A folder that cannot be made: nothing written, nothing thrown, nothing shown.
    RecoveryStore nowhere(QStringLiteral("/dev/null/recovery"));
    QVERIFY(!nowhere.writeCopy(recoveryProject(), QString()));
    QVERIFY(nowhere.copyPath().isEmpty());
    QVERIFY(nowhere.claimStaleCopies().isEmpty());
}

void TestRecovery::offerAsksNewestFirstAndKeepsTheRestAfterYes()
{
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const Document project = recoveryProject();
    const Document noCulvertYet{project.ProjectInfo, {}};  // Save refuses it; its copy keeps it
    leaveStaleCopy(m_folder, buildRecoveryCopy(project), QStringLiteral("/old.prj"), now.addSecs(-3600));
    leaveStaleCopy(m_folder, buildRecoveryCopy(noCulvertYet), QString(), now.addSecs(-60));
    leaveStaleCopy(m_folder, buildRecoveryCopy(project), QStringLiteral("/p/route 9.prj"), now.addSecs(-10));

    testing::ScriptedDesktop desktop;
    desktop.messages().queueYesNo(YesNo::No);
    desktop.messages().queueYesNo(YesNo::Yes);
    RecoveryStore store(m_folder);
    const std::optional<RecoveredProject> recovered = offerRecovery(store, desktop.messages());
    QVERIFY(recovered.has_value());
    QCOMPARE(desktop.messages().texts(), (std::vector<std::string>{question(QStringLiteral("/p/route 9.prj"), now.addSecs(-10)),
                                                                   question(QString(), now.addSecs(-60))}));
    QVERIFY(desktop.messages().texts()[1].find(" of Untitled from ") != std::string::npos);
    QVERIFY(recovered->originalPath.isEmpty());
    QVERIFY(recovered->document == noCulvertYet);

    // The recovered copy is this program's own now; the copy not offered waits for the next start.
    QCOMPARE(copyFiles(m_folder).size(), 5);
    RecoveryStore nextStart(m_folder);
    const QList<RecoveryCopy> left = nextStart.claimStaleCopies();
    QCOMPARE(left.size(), 1);
    QCOMPARE(left[0].originalPath, QStringLiteral("/old.prj"));
    store.removeCopy();  // saved
    QCOMPARE(copyFiles(m_folder).size(), 4);
}

void TestRecovery::unreadableCopyIsKeptAsideWithAMessage_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QTest::newRow("not a project") << QByteArray("\x01\x02 garbage") << QString::fromUtf8(msg::kFormatInvalid.data());
    QTest::newRow("cut short") << QByteArray("[PROJECT INFO]\r\nProject Name=R\r\n[CULVERTS]\r\n")
                               << QString::fromUtf8(msg::kReadProjectInfoCut.data());
    // Read in part only: what was read is not offered as the project.
    const std::string damaged = testing::joinLines(testing::joined(
        {testing::header(), testing::culvertStart("C1"), {"Asphaltic,2.5 a,zero,ditch"}, testing::intensityLines()}));
    QTest::newRow("damaged culvert") << QByteArray::fromStdString(damaged)
                                     << QString::fromStdString(fillMessage(
                                            msg::kStoreInfoFailed, {fillMessage(msg::kReadCNotNumber, {"17", "zero"})}));
}

void TestRecovery::unreadableCopyIsKeptAsideWithAMessage()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    const QDateTime when = QDateTime::currentDateTimeUtc().addSecs(-5);
    leaveStaleCopy(m_folder, bytes.toStdString(), QStringLiteral("/p/r.prj"), when);
    const QString stem = copyFiles(m_folder).first().section(QLatin1Char('.'), 0, 0);
    const QString kept = QDir(m_folder).filePath(QStringLiteral("unreadable-") + stem + QStringLiteral(".prj"));

    testing::ScriptedDesktop desktop;  // no answer scripted: a question would fail the test
    RecoveryStore store(m_folder);
    QVERIFY(!offerRecovery(store, desktop.messages()).has_value());
    const std::vector<std::string> told{fillMessage(
        msg::kRecoveryUnreadable, {"/p/r.prj", recoveryTimeText({{}, {}, {}, when}), kept.toStdString(), reason.toStdString()})};
    QCOMPARE(desktop.messages().texts(), told);
    QCOMPARE(testing::readBytes(kept.toStdString()), bytes.toStdString());
    QCOMPARE(copyFiles(m_folder), QStringList());
    QVERIFY(RecoveryStore(m_folder).claimStaleCopies().isEmpty());  // never offered again
}

void TestRecovery::schedulerWritesLateAndPeriodicallyAndRemovesOnSave()
{
    constexpr auto kFirst = 300ms;
    constexpr auto kRepeat = 900ms;
    Document document = recoveryProject();
    RecoveryScheduler scheduler(std::make_unique<RecoveryStore>(m_folder),
                                {[&document]() -> const Document& { return document; },
                                 [] { return QStringLiteral("/p/route 9.prj"); }},
                                {kFirst, kRepeat});
    QElapsedTimer clock;
    std::vector<qint64> writes;  // ms after the first change
    connect(&scheduler, &RecoveryScheduler::copyWritten, this, [&](bool written) {
        QVERIFY(written);
        writes.push_back(clock.elapsed());
    });
    QSignalSpy removed(&scheduler, &RecoveryScheduler::copyRemoved);

    // A burst of typing: one copy, no sooner than the first delay after its first change.
    clock.start();
    for (int i = 0; i < 20; ++i) {
        document.ProjectInfo.ProjectName += "x";
        scheduler.documentChanged();
    }
    QVERIFY(copyFiles(m_folder).isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(writes.size(), std::size_t(1), 5000);
    QTest::qWait(int(kFirst.count()));
    QCOMPARE(writes.size(), std::size_t(1));
    QVERIFY2(writes[0] >= kFirst.count() - 5 && writes[0] < kFirst.count() + 1500, qPrintable(QString::number(writes[0])));
    const QStringList copy = QDir(m_folder).entryList({QStringLiteral("copy-*.prj")}, QDir::Files);
    QCOMPARE(copy.size(), 1);
    QCOMPARE(testing::readBytes(QDir(m_folder).filePath(copy[0]).toStdString()), buildRecoveryCopy(document));

    // Typing on, a change every 40 ms for three periods: a copy once a period, not per change.
    QElapsedTimer typing;
    typing.start();
    while (typing.elapsed() < 3 * kRepeat.count()) {
        document.ProjectInfo.Designer += "y";
        scheduler.documentChanged();
        QTest::qWait(40);
    }
    QVERIFY2(writes.size() >= 3 && writes.size() <= 4, qPrintable(QString::number(writes.size())));
    // Seen when each write has ended, which lags its start by the write itself (some 100 ms on a
    // busy disk).
    for (std::size_t i = 1; i < writes.size(); ++i)
        QVERIFY2(writes[i] - writes[i - 1] >= kRepeat.count() * 3 / 4, qPrintable(QString::number(writes[i] - writes[i - 1])));

    // Saved: the copy goes, and no copy is due any more.
    scheduler.documentSettled();
    QTRY_COMPARE_WITH_TIMEOUT(removed.count(), 1, 5000);
    const std::size_t written = writes.size();
    QTest::qWait(int(kRepeat.count()));
    QCOMPARE(writes.size(), written);
    QCOMPARE(QDir(m_folder).entryList({QStringLiteral("copy-*.prj")}, QDir::Files), QStringList());
}

void TestRecovery::recentListNewestFirstAtMostEight()
{
    RecentProjects recent;
    recent.clear();
    for (int i = 0; i < 10; ++i)
        recent.add(QStringLiteral("/p/%1.prj").arg(i));
    recent.add(QStringLiteral("/p/5.prj"));  // opened again: to the front, listed once
    recent.add(QStringLiteral("/p/sub/../7.prj"));
    QCOMPARE(recent.paths(), (QStringList{"/p/7.prj", "/p/5.prj", "/p/9.prj", "/p/8.prj", "/p/6.prj", "/p/4.prj",
                                          "/p/3.prj", "/p/2.prj"}));
    recent.remove(QStringLiteral("/p/9.prj"));
    recent.remove(QStringLiteral("/p/absent.prj"));
    // Kept in the application's settings, where a later session reads it.
    const QStringList expected{"/p/7.prj", "/p/5.prj", "/p/8.prj", "/p/6.prj", "/p/4.prj", "/p/3.prj", "/p/2.prj"};
    QCOMPARE(QSettings(QStringLiteral("Stormwick"), QStringLiteral("Stormwick")).value("RecentProjects").toStringList(),
             expected);
    QVERIFY(QFile::exists(m_home.filePath(QStringLiteral("settings/Stormwick/Stormwick.conf"))));
    recent.clear();
    QCOMPARE(recent.paths(), QStringList());
}

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && std::string_view(argv[1]) == "--helper")
        return runHelper(QString::fromLocal8Bit(argv[2]));
    TestRecovery test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_recovery.moc"
