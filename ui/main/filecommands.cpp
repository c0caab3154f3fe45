#include "ui/main/filecommands.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QWidget>

#include "core/messages.h"
#include "model/windowstate.h"
#include "platform/desktop.h"
#include "platform/filetowrite.h"
#include "platform/recentprojects.h"
#include "platform/windowregistry.h"
#include "project/projectreader.h"
#include "project/projectwriter.h"
#include "session/projectsession.h"
#include "ui/main/filecommandshost.h"

namespace sw {
namespace {

void addRecent(const std::string& path)
{
    RecentProjects().add(QString::fromStdString(path));
}

}  // namespace

FileCommands::FileCommands(FileCommandsHost& host, QObject* parent) : QObject(parent), m_host(host) {}

FileCommands::SaveResult FileCommands::reportWrite(const WriteOutcome& outcome)
{
    if (outcome.written())
        return SaveResult::Written;
    m_host.desktop().messages().showMessage(outcome.Message);
    return SaveResult::Failed;
}

FileCommands::SaveResult FileCommands::saveToChosenFile(Overwrite question, bool rememberName)
{
    Desktop& desktop = m_host.desktop();
    const std::string name = chooseFileToWrite(
        desktop, FileDialogMode::Save, question == Overwrite::OnNewOrExit ? msg::kOverwriteOnNewOrExit : msg::kOverwriteOnSave);
    if (name.empty())
        return SaveResult::Cancelled;
    if (rememberName)
        m_host.windowState().ProjectFileName = name;
    ProjectSession& session = m_host.session();
    const WriteOutcome outcome = Write2File(session.document(), name);
    // The project is in the new file once written, untitled when nothing could be written for want
    // of inputs; after any other failure it stays where it was.
    if (outcome.written()) {
        session.setFilePath(outcome.FileName);
        session.markSaved();
        addRecent(outcome.FileName);
    } else if (outcome.status == WriteOutcome::Status::MissingInputs)
        session.setFilePath({});
    return reportWrite(outcome);
}

FileCommands::SaveResult FileCommands::saveCurrent(Overwrite question, bool rememberName)
{
    ProjectSession& session = m_host.session();
    if (session.filePath().empty())
        return saveToChosenFile(question, rememberName);
    const WriteOutcome outcome = Write2File(session.document(), session.filePath());
    if (outcome.written()) {
        session.markSaved();
        addRecent(session.filePath());
    }
    return reportWrite(outcome);
}

FileCommandsHost* FileCommands::runNew()
{
    Desktop& desktop = m_host.desktop();
    if (desktop.messages().askYesNo(std::string(msg::kSaveCurrentFile)) == YesNo::Yes &&
        saveCurrent(Overwrite::OnNewOrExit, true) != SaveResult::Written)
        return nullptr;  // the project stays: its save was cancelled or failed

    if (QWidget* selector = desktop.windows().find("frmCulvertSelector"))
        selector->close();
    m_host.closeZoneMapAndTable();
    // The fresh window's load stamps today's date and the time, and resets the flags.
    return m_host.renewWindow();
}

bool FileCommands::runOpen()
{
    return openAfterQuestion(
        [](FileCommandsHost& target) { return target.desktop().fileDialogs().showFileDialog(FileDialogMode::Open); });
}

bool FileCommands::openRecent(const std::string& path)
{
    return openAfterQuestion([path](FileCommandsHost&) {
        // Open then says what it says of a file that is not there.
        if (!QFileInfo::exists(QString::fromStdString(path)))
            RecentProjects().remove(QString::fromStdString(path));
        return path;
    });
}

bool FileCommands::openAfterQuestion(const std::function<std::string(FileCommandsHost&)>& choosePath)
{
    FileCommandsHost* target = &m_host;
    if (!m_host.session().IsPristine) {
        // The user was offered to save; a save cancelled or failed stops Open, so that nothing
        // the user just tried to keep is replaced.
        target = runNew();
        if (target == nullptr)
            return false;
    }
    const std::string path = choosePath(*target);
    if (path.empty())
        return false;
    return target->fileCommands().openFile(path);
}

bool FileCommands::openFile(const std::string& path)
{
    Desktop& desktop = m_host.desktop();
    ProjectSession& session = m_host.session();
    m_host.windowState().ProjectFileName = path;

    const FormatCheck format = CheckFileFormat(path);
    if (!format.accepted()) {
        desktop.messages().showMessage(format.Message.empty() ? std::string(msg::kFormatInvalid) : format.Message);
        return false;
    }
    Document read;
    const LoadOutcome load = readProjectFile(read, path);
    if (load.status == LoadOutcome::Status::Refused) {
        desktop.messages().showMessage(load.Message);
        return false;
    }
    // The windows of a run showed the project just replaced.
    m_host.closeRunWindows();
    if (load.status == LoadOutcome::Status::Partial)
        desktop.messages().showMessage(load.Message);
    if (!load.Notice.empty())
        desktop.messages().showMessage(load.Notice);
    // A file read only in part leaves the project untitled: Save then asks for a name instead of
    // writing over the damaged original. The window shows the project read (retrieveProject,
    // retrieveCulvertList).
    session.replaceDocument(std::move(read), load.loaded() ? path : std::string());

    m_host.enableRowButtons();
    session.IsPristine = false;
    if (load.loaded())
        addRecent(path);
    return true;
}

void FileCommands::openRecovered(Document document, const std::string& path)
{
    ProjectSession& session = m_host.session();
    m_host.windowState().ProjectFileName = path;
    m_host.closeRunWindows();
    session.replaceDocument(std::move(document), path);
    m_host.enableRowButtons();
    session.IsPristine = false;
    session.markUnsaved();
}

bool FileCommands::runSave()
{
    return saveCurrent(Overwrite::OnSave, false) == SaveResult::Written;
}

bool FileCommands::runSaveAs()
{
    using Field = ProjectPage::Field;
    const std::pair<Field, std::string_view> required[] = {
        {Field::ProjectName, msg::kNoProjectName}, {Field::ProjectNo, msg::kNoProjectNo},
        {Field::ControlNo, msg::kNoControlNo},     {Field::ProDescrpt, msg::kNoProDescrpt},
        {Field::ProjectDate, msg::kNoDate},        {Field::Designer, msg::kNoDesigner},
    };
    for (const auto& [field, message] : required) {
        QLineEdit* box = m_host.projectBox(field);
        if (box->text().isEmpty()) {
            m_host.desktop().messages().showMessage(std::string(message));
            m_host.focusControl(box);
            return false;
        }
    }
    return saveToChosenFile(Overwrite::OnSave, false) == SaveResult::Written;
}

bool FileCommands::runExit()
{
    Desktop& desktop = m_host.desktop();
    // Culverts entered without a project name are work too: the question comes for them as well.
    const bool somethingToSave = !m_host.projectBox(ProjectPage::Field::ProjectName)->text().isEmpty() ||
                                 !m_host.session().document().CulvertList.empty();
    if (somethingToSave && desktop.messages().askYesNo(std::string(msg::kSaveCurrentFile)) == YesNo::Yes &&
        saveCurrent(Overwrite::OnNewOrExit, true) != SaveResult::Written)
        return false;  // cancelled or failed: the project stays open
    // Saved or not, the project is closed as the user wished: nothing is left to recover.
    m_host.session().close();
    m_host.closeZoneMapAndTable();
    desktop.endApplication();
    return true;
}

}  // namespace sw
