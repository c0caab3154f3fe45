#pragma once
// The start of the application: the splash, then the main window, and in it the project named on
// the command line, opened as File > Open would open it.

#include <string>

#include "model/windowstate.h"
#include "session/projectsession.h"
#include "platform/desktop.h"

namespace sw {

// Shows the splash; when it hands over, the main window, then `project` opened in it unless it is
// empty. A project that cannot be opened leaves the messages Open gives and an untitled window.
void startApplication(ProjectSession& session, WindowState& windowState, Desktop& desktop, std::string project);

}  // namespace sw
