#pragma once
// Recovery copies of unsaved changes. Each running program keeps at most one copy of its project
// in the recovery folder, in the project file format, beside a small description (the project's
// path, the time written) and a lock file that is held while the program runs. A copy whose lock
// is stale (its program is gone without removing it) is what the next start offers.
//
// The folder is the user's alone (0700) and so is every copy (0600): they hold the user's project.
// Nothing here shows a message or throws; a copy that cannot be written is simply not written.
// A store is used by one thread at a time.

#include <QDateTime>
#include <QList>
#include <QString>
#include <map>
#include <memory>
#include <string>

#include "model/document.h"

class QLockFile;

namespace sw {

// A copy left behind by a program that is gone.
struct RecoveryCopy {
    QString stem;          // the name its files share in the folder
    QString copyPath;      // the copy itself, a project file
    QString originalPath;  // the project's file; empty for an untitled project
    QDateTime written;     // when it was written (UTC)
};

struct RecoveryRead {
    bool read = false;
    Document document;    // when read: the project as File > Open would have read it
    std::string failure;  // when not: why, as File > Open would say it
};

class RecoveryStore {
public:
    // The folder of the copies: QStandardPaths' AppLocalDataLocation + "/recovery". Empty when
    // the system has no such location; a store on an empty folder keeps nothing.
    [[nodiscard]] static QString defaultFolder();

    explicit RecoveryStore(QString folder = defaultFolder());
    // Releases the locks it holds. Its own copy stays unless removed, and is then offered at the
    // next start as one whose program is gone.
    ~RecoveryStore();
    RecoveryStore(const RecoveryStore&) = delete;
    RecoveryStore& operator=(const RecoveryStore&) = delete;

    [[nodiscard]] const QString& folder() const { return m_folder; }

    // Puts a copy of the document in place of this program's copy, through the safe replacement
    // of a file: a copy is either the former one or the new one, never a damaged one. A project
    // Save would refuse for want of inputs is kept as far as it can be written. `originalPath` is
    // the project's file, empty when untitled. False when nothing could be written.
    bool writeCopy(const Document& document, const QString& originalPath);
    // The same with the copy's bytes already built (buildRecoveryCopy), so that the document is
    // read on the thread that edits it and the disk is written on another.
    bool writeCopyBytes(const std::string& bytes, const QString& originalPath, const QDateTime& written);
    // Removes this program's copy and its description; the lock stays until the store goes.
    void removeCopy();
    // This program's copy; empty while there is none.
    [[nodiscard]] QString copyPath() const;

    // The copies whose program is gone, newest first. The store takes their locks, so that no
    // other program starting meanwhile lists them too, and holds them until each copy is deleted,
    // kept aside, adopted or released. Leftovers of a program that never wrote a whole copy are
    // cleared away.
    [[nodiscard]] QList<RecoveryCopy> claimStaleCopies();
    // Reads a copy as File > Open reads a project: the format check, then the whole read into a
    // fresh document. A file read only in part counts as unreadable.
    [[nodiscard]] RecoveryRead readCopy(const RecoveryCopy& copy) const;
    // Deletes a claimed copy with its description.
    void deleteCopy(const RecoveryCopy& copy);
    // Renames a claimed copy (and its description) so that it is never offered again, and returns
    // the copy's new path; when it cannot be renamed it stays as it is (and is offered at the next
    // start), and its path is returned.
    QString keepAside(const RecoveryCopy& copy);
    // Makes a claimed copy this program's own: the next writes replace it, removeCopy removes it.
    // A copy of this program's own written before is removed. False when the copy was not claimed.
    bool adoptCopy(const RecoveryCopy& copy);
    // Leaves a claimed copy as it is, for the next start (or another program starting now).
    void releaseCopy(const RecoveryCopy& copy);

private:
    [[nodiscard]] QString pathOf(const QString& stem, const char* suffix) const;
    bool ensureFolder() const;
    bool ensureOwnLock();
    void removeFilesOf(const QString& stem) const;
    [[nodiscard]] RecoveryCopy describe(const QString& stem) const;

    QString m_folder;
    QString m_stem;  // this program's copy, once it has a lock
    std::unique_ptr<QLockFile> m_lock;
    bool m_hasCopy = false;
    std::map<QString, std::unique_ptr<QLockFile>> m_claimed;
};

}  // namespace sw
