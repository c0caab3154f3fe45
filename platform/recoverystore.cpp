#include "platform/recoverystore.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>
#include <new>

#include "core/filereplace.h"
#include "core/messages.h"
#include "core/text.h"
#include "project/projectreader.h"
#include "project/projectwriter.h"

namespace sw {
namespace {

// A copy's files: STEM.prj the copy, STEM.info its description, STEM.lock the lock of its program.
// STEM is "copy-PID-RANDOM"; a copy kept aside is renamed to "unreadable-STEM.prj".
constexpr const char* kCopySuffix = ".prj";
constexpr const char* kInfoSuffix = ".info";
constexpr const char* kLockSuffix = ".lock";
constexpr const char* kKeptAsidePrefix = "unreadable-";

// The description is a few hundred bytes; anything much larger is not one of ours.
constexpr qint64 kMaxInfoBytes = 64 * 1024;

const QRegularExpression& stemPattern()
{
    static const QRegularExpression pattern(QStringLiteral("^copy-[0-9]+-[0-9a-f]{8}$"));
    return pattern;
}

QString stemOf(const QString& fileName)
{
    const QString stem = fileName.section(QLatin1Char('.'), 0, 0);
    return stemPattern().match(stem).hasMatch() ? stem : QString();
}

std::unique_ptr<QLockFile> lockFor(const QString& path)
{
    auto lock = std::make_unique<QLockFile>(path);
    // Only a gone program makes a lock stale, never its age: a program may run for days.
    lock->setStaleLockTime(0);
    return lock;
}

// Writes the file whole through the safe replacement, readable and writable by its owner alone.
// The file is made 0600 before the replacement, which gives its mode to the temporary file before
// any byte goes in.
bool writePrivateFile(const QString& path, std::string_view bytes)
{
    const QByteArray native = QFile::encodeName(path);
    const int fd = ::open(native.constData(), O_WRONLY | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const bool privateNow = ::fchmod(fd, 0600) == 0;
    ::close(fd);
    return privateNow && replaceFileContents(path.toStdString(), bytes).replaced();
}

// A lock file that names no owner (damaged on the disk) would keep its copy from ever being
// offered. Its holder, if any, holds it with a native lock from before naming itself, which
// removeStaleLockFile respects: so only a lock that nobody holds goes.
bool takeOwnerlessLock(QLockFile& lock)
{
    qint64 pid = 0;
    QString host;
    QString application;
    return !lock.getLockInfo(&pid, &host, &application) && lock.removeStaleLockFile() && lock.tryLock(0);
}

}  // namespace

QString RecoveryStore::defaultFolder()
{
    const QString base = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
    return base.isEmpty() ? QString() : base + QStringLiteral("/recovery");
}

RecoveryStore::RecoveryStore(QString folder) : m_folder(std::move(folder)) {}

RecoveryStore::~RecoveryStore() = default;

QString RecoveryStore::pathOf(const QString& stem, const char* suffix) const
{
    return m_folder + QLatin1Char('/') + stem + QLatin1String(suffix);
}

bool RecoveryStore::ensureFolder() const
{
    if (m_folder.isEmpty())
        return false;
    const QFileInfo info(m_folder);
    if (!QDir().mkpath(info.absolutePath()))
        return false;
    const QByteArray native = QFile::encodeName(m_folder);
    if (::mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        return false;
    // A folder made by an earlier version, or by hand, becomes private too.
    struct stat st {};
    if (::lstat(native.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid())
        return false;
    return (st.st_mode & 07777) == 0700 || ::chmod(native.constData(), 0700) == 0;
}

bool RecoveryStore::ensureOwnLock()
{
    if (m_lock)
        return true;
    for (int attempt = 0; attempt < 16; ++attempt) {
        const QString stem = QStringLiteral("copy-%1-%2")
                                 .arg(QCoreApplication::applicationPid())
                                 .arg(QRandomGenerator::system()->generate(), 8, 16, QLatin1Char('0'));
        // A name of a copy left behind stays that copy's.
        if (QFileInfo::exists(pathOf(stem, kCopySuffix)) || QFileInfo::exists(pathOf(stem, kInfoSuffix)) ||
            QFileInfo::exists(pathOf(stem, kLockSuffix)))
            continue;
        std::unique_ptr<QLockFile> lock = lockFor(pathOf(stem, kLockSuffix));
        if (lock->tryLock(0)) {
            m_stem = stem;
            m_lock = std::move(lock);
            return true;
        }
    }
    return false;
}

bool RecoveryStore::writeCopy(const Document& document, const QString& originalPath)
{
    try {
        return writeCopyBytes(buildRecoveryCopy(document), originalPath, QDateTime::currentDateTimeUtc());
    } catch (const std::exception&) {
        return false;
    }
}

bool RecoveryStore::writeCopyBytes(const std::string& bytes, const QString& originalPath, const QDateTime& written)
{
    try {
        if (!ensureFolder() || !ensureOwnLock())
            return false;
        QJsonObject info;
        info.insert(QStringLiteral("path"), originalPath);
        info.insert(QStringLiteral("written"), written.toUTC().toString(Qt::ISODateWithMs));
        const QByteArray infoBytes = QJsonDocument(info).toJson(QJsonDocument::Compact);
        // The description first: a copy found later always has one, at worst a moment newer.
        if (!writePrivateFile(pathOf(m_stem, kInfoSuffix), {infoBytes.constData(), std::size_t(infoBytes.size())}) ||
            !writePrivateFile(pathOf(m_stem, kCopySuffix), bytes))
            return false;
        m_hasCopy = true;
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

void RecoveryStore::removeFilesOf(const QString& stem) const
{
    // The copy, its description and the temporary files of a replacement that was cut short;
    // the lock goes with its owner.
    const QDir dir(m_folder);
    const QString lockName = stem + QLatin1String(kLockSuffix);
    for (const QString& name : dir.entryList({stem + QStringLiteral(".*")}, QDir::Files | QDir::Hidden | QDir::System)) {
        if (name != lockName && !name.startsWith(lockName + QLatin1Char('.')))
            QFile::remove(dir.filePath(name));
    }
}

void RecoveryStore::removeCopy()
{
    if (m_stem.isEmpty())
        return;
    removeFilesOf(m_stem);
    m_hasCopy = false;
}

QString RecoveryStore::copyPath() const
{
    return m_hasCopy ? pathOf(m_stem, kCopySuffix) : QString();
}

RecoveryCopy RecoveryStore::describe(const QString& stem) const
{
    RecoveryCopy copy;
    copy.stem = stem;
    copy.copyPath = pathOf(stem, kCopySuffix);
    QFile infoFile(pathOf(stem, kInfoSuffix));
    if (infoFile.open(QIODevice::ReadOnly) && infoFile.size() <= kMaxInfoBytes) {
        const QJsonObject info = QJsonDocument::fromJson(infoFile.read(kMaxInfoBytes)).object();
        copy.originalPath = info.value(QStringLiteral("path")).toString();
        copy.written = QDateTime::fromString(info.value(QStringLiteral("written")).toString(), Qt::ISODateWithMs);
    }
    // Without a description the copy is still offered, as an untitled project of its file's time.
    if (!copy.written.isValid())
        copy.written = QFileInfo(copy.copyPath).lastModified();
    copy.written = copy.written.toUTC();
    return copy;
}

QList<RecoveryCopy> RecoveryStore::claimStaleCopies()
{
    QList<RecoveryCopy> copies;
    if (m_folder.isEmpty())
        return copies;
    QSet<QString> stems;
    for (const QString& name : QDir(m_folder).entryList({QStringLiteral("copy-*")}, QDir::Files | QDir::Hidden | QDir::System)) {
        if (const QString stem = stemOf(name); !stem.isEmpty() && stem != m_stem)
            stems.insert(stem);
    }
    for (const QString& stem : stems) {
        if (m_claimed.count(stem) == 0) {
            std::unique_ptr<QLockFile> lock = lockFor(pathOf(stem, kLockSuffix));
            // Taken only when its program is gone (or never locked it): QLockFile removes a stale
            // lock first (its process gone, or of an earlier boot), and fails on a live one.
            if (!lock->tryLock(0) && !takeOwnerlessLock(*lock))
                continue;
            if (!QFileInfo::exists(pathOf(stem, kCopySuffix))) {
                removeFilesOf(stem);
                continue;  // the lock goes with it
            }
            m_claimed[stem] = std::move(lock);
        }
        copies.push_back(describe(stem));
    }
    std::sort(copies.begin(), copies.end(),
              [](const RecoveryCopy& a, const RecoveryCopy& b) { return a.written > b.written; });
    return copies;
}

RecoveryRead RecoveryStore::readCopy(const RecoveryCopy& copy) const
{
    RecoveryRead out;
    const std::string path = copy.copyPath.toStdString();
    try {
        const FormatCheck check = CheckFileFormat(path);
        if (!check.accepted()) {
            out.failure = check.status == FormatCheck::Status::Failed ? check.Message : std::string(msg::kFormatInvalid);
            return out;
        }
        const LoadOutcome load = readProjectFile(out.document, path);
        if (!load.loaded()) {
            out.document = Document{};
            out.failure = load.Message;
            return out;
        }
        out.read = true;
    } catch (const std::bad_alloc&) {
        out.document = Document{};
        out.failure = fillMessage(msg::kReadNoMemory, {path});
    } catch (const std::exception& e) {
        out.document = Document{};
        out.failure = fillMessage(msg::kReadFailed, {path, e.what()});
    }
    return out;
}

void RecoveryStore::deleteCopy(const RecoveryCopy& copy)
{
    if (m_claimed.count(copy.stem) == 0)
        return;
    removeFilesOf(copy.stem);
    m_claimed.erase(copy.stem);
}

QString RecoveryStore::keepAside(const RecoveryCopy& copy)
{
    if (m_claimed.count(copy.stem) == 0)
        return copy.copyPath;
    const QString keptStem = QLatin1String(kKeptAsidePrefix) + copy.stem;
    const QString kept = pathOf(keptStem, kCopySuffix);
    const bool moved = QFile::rename(copy.copyPath, kept);
    if (moved) {
        QFile::rename(pathOf(copy.stem, kInfoSuffix), pathOf(keptStem, kInfoSuffix));
        removeFilesOf(copy.stem);
    }
    m_claimed.erase(copy.stem);
    return moved ? kept : copy.copyPath;
}

bool RecoveryStore::adoptCopy(const RecoveryCopy& copy)
{
    const auto claimed = m_claimed.find(copy.stem);
    if (claimed == m_claimed.end())
        return false;
    removeCopy();
    m_lock = std::move(claimed->second);
    m_claimed.erase(claimed);
    m_stem = copy.stem;
    m_hasCopy = true;
    return true;
}

void RecoveryStore::releaseCopy(const RecoveryCopy& copy)
{
    m_claimed.erase(copy.stem);
}

}  // namespace sw
