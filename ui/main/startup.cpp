#include "ui/main/startup.h"

#include "ui/main/filecommands.h"
#include "ui/main/frmfront.h"
#include "ui/main/frmmain.h"

namespace sw {

void startApplication(AppState& state, Desktop& desktop, std::string project)
{
    auto* splash = new FrmFront(state, desktop, [&state, &desktop, project = std::move(project)] {
        FrmMain* window = createMainWindow(state, desktop);
        if (!project.empty())
            window->fileCommands().openFile(project);
    });
    splash->show();
}

}  // namespace sw
