#include "ui/main/startup.h"

#include "ui/main/filecommands.h"
#include "ui/main/frmfront.h"
#include "ui/main/frmmain.h"

namespace sw {

void startApplication(ProjectSession& session, WindowState& windowState, Desktop& desktop, std::string project)
{
    auto* splash = new FrmFront(windowState, desktop, [&session, &windowState, &desktop, project = std::move(project)] {
        FrmMain* window = createMainWindow(session, windowState, desktop);
        if (!project.empty())
            window->fileCommands().openFile(project);
    });
    splash->show();
}

}  // namespace sw
