#pragma once
// The start-up offer of the recovery copies left by programs that are gone: run after the splash
// and before anything else, a project named on the command line included.

#include <QString>
#include <optional>

#include "model/document.h"
#include "platform/desktop.h"
#include "platform/recoverystore.h"

namespace sw {

struct RecoveredProject {
    Document document;
    QString originalPath;  // the file Save writes to; empty for an untitled project
};

// Offers every stale copy, newest first, with one Yes/No question each. No deletes the copy. A
// copy that cannot be read is kept aside (renamed) with a message naming it, and nothing is asked
// about it. Yes ends the offer: only one project can be open, so the copies not yet offered stay
// as they are, to be offered at the next start (or by another program started now). The copy of
// the project recovered becomes the store's own copy, so it is kept until the project is saved,
// replaced or closed. The caller opens the returned document as the current project, touched,
// with the caption of its original path (or "Untitled"). Nothing when no copy was recovered.
[[nodiscard]] std::optional<RecoveredProject> offerRecovery(RecoveryStore& store, MessageBoxes& messages);

// How the question names a copy: its project's path, or "Untitled"; and the time it was written
// in the system's short date and time format, local time.
[[nodiscard]] std::string recoveryPathText(const RecoveryCopy& copy);
[[nodiscard]] std::string recoveryTimeText(const RecoveryCopy& copy);

}  // namespace sw
