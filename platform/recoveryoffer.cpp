#include "platform/recoveryoffer.h"

#include <QDir>
#include <QLocale>

#include "core/messages.h"
#include "core/text.h"

namespace sw {

std::string recoveryPathText(const RecoveryCopy& copy)
{
    return copy.originalPath.isEmpty() ? std::string(msg::kUntitled)
                                       : QDir::toNativeSeparators(copy.originalPath).toStdString();
}

std::string recoveryTimeText(const RecoveryCopy& copy)
{
    return QLocale::system().toString(copy.written.toLocalTime(), QLocale::ShortFormat).toStdString();
}

std::optional<RecoveredProject> offerRecovery(RecoveryStore& store, MessageBoxes& messages)
{
    std::optional<RecoveredProject> recovered;
    for (const RecoveryCopy& copy : store.claimStaleCopies()) {
        if (recovered) {
            store.releaseCopy(copy);
            continue;
        }
        const std::string path = recoveryPathText(copy);
        const std::string time = recoveryTimeText(copy);
        // Read before asking: a copy that cannot be recovered is not offered, and never deleted.
        RecoveryRead read = store.readCopy(copy);
        if (!read.read) {
            const QString kept = QDir::toNativeSeparators(store.keepAside(copy));
            messages.showMessage(fillMessage(msg::kRecoveryUnreadable, {path, time, kept.toStdString(), read.failure}));
            continue;
        }
        if (messages.askYesNo(fillMessage(msg::kRecoverOffer, {path, time})) == YesNo::No) {
            store.deleteCopy(copy);
            continue;
        }
        store.adoptCopy(copy);
        recovered = RecoveredProject{std::move(read.document), copy.originalPath};
    }
    return recovered;
}

}  // namespace sw
