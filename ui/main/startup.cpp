#include "ui/main/startup.h"

#include "platform/recoveryoffer.h"
#include "ui/main/filecommands.h"
#include "ui/main/frmfront.h"
#include "ui/main/frmmain.h"

namespace sw {
namespace {

RecoveryScheduler* keepRecoveryCopies(ProjectSession& session, std::unique_ptr<RecoveryStore> store,
                                      RecoveryScheduler::Intervals intervals)
{
    auto* scheduler = new RecoveryScheduler(
        std::move(store),
        {[&session]() -> const Document& { return session.document(); },
         [&session] { return QString::fromStdString(session.filePath()); }},
        intervals, &session);
    QObject::connect(&session, &ProjectSession::documentChanged, scheduler, &RecoveryScheduler::documentChanged);
    for (const auto settled :
         {&ProjectSession::documentSaved, &ProjectSession::documentReplaced, &ProjectSession::closed})
        QObject::connect(&session, settled, scheduler, &RecoveryScheduler::documentSettled);
    return scheduler;
}

}  // namespace

void startApplication(ProjectSession& session, WindowState& windowState, Desktop& desktop, std::string project,
                      RecoverySettings recovery)
{
    auto showMain = [&session, &windowState, &desktop, project = std::move(project), recovery = std::move(recovery)] {
        // Before anything else: a project named on the command line comes after what was lost.
        auto store = std::make_unique<RecoveryStore>(recovery.folder);
        std::optional<RecoveredProject> recovered = offerRecovery(*store, desktop.messages());
        FrmMain* window = createMainWindow(session, windowState, desktop);
        if (recovered)
            window->fileCommands().openRecovered(std::move(recovered->document), recovered->originalPath.toStdString());
        else if (!project.empty())
            window->fileCommands().openFile(project);
        // Connected once the project is in place: the copy recovered stays until a newer one.
        RecoveryScheduler* scheduler = keepRecoveryCopies(session, std::move(store), recovery.intervals);
        if (recovered)
            scheduler->documentChanged();
    };
    (new FrmFront(windowState, desktop, std::move(showMain)))->show();
}

}  // namespace sw
