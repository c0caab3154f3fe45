#pragma once
// The start of the application: the splash, then the offer of the unsaved changes a program that
// is gone left behind, then the main window, and in it the project recovered or the project named
// on the command line, opened as File > Open would open it. From then on the recovery copy follows
// the session.

#include <QString>
#include <string>

#include "model/windowstate.h"
#include "platform/desktop.h"
#include "platform/recoveryscheduler.h"
#include "platform/recoverystore.h"
#include "session/projectsession.h"

namespace sw {

// Where the recovery copies live and when they are written; tests shorten the delays.
struct RecoverySettings {
    QString folder = RecoveryStore::defaultFolder();
    RecoveryScheduler::Intervals intervals;
};

// Shows the splash; when it hands over, offers the recovery copies, then shows the main window with
// the project recovered, or `project` opened in it unless it is empty. A project that cannot be
// opened leaves the messages Open gives and an untitled window. The recovery copy is kept from then
// on by a RecoveryScheduler, the session's child: written while the document holds changes its
// file does not, removed once it is saved, replaced or closed.
void startApplication(ProjectSession& session, WindowState& windowState, Desktop& desktop, std::string project,
                      RecoverySettings recovery = {});

}  // namespace sw
