#include "ui/main/filecommands.h"

#include <QLineEdit>

#include "core/messages.h"
#include "platform/filetowrite.h"
#include "project/projectreader.h"
#include "project/projectwriter.h"
#include "ui/main/culvertlisteditor.h"
#include "ui/main/drainagepage.h"
#include "ui/main/frmmain.h"
#include "ui/results/resultswindows.h"
#include "ui/main/projectpage.h"

namespace sw {

FileCommands::FileCommands(FrmMain& window) : QObject(&window), m_window(window) {}

bool FileCommands::untitled() const
{
    return m_window.windowTitle() == QString::fromUtf8(msg::kUntitled.data(), msg::kUntitled.size());
}

FileCommands::SaveResult FileCommands::reportWrite(const WriteOutcome& outcome)
{
    if (outcome.written())
        return SaveResult::Written;
    m_window.desktop().messages().showMessage(outcome.Message);
    return SaveResult::Failed;
}

FileCommands::SaveResult FileCommands::saveToChosenFile(Overwrite question, bool rememberName)
{
    Desktop& desktop = m_window.desktop();
    const std::string name = chooseFileToWrite(
        desktop, FileDialogMode::Save, question == Overwrite::OnNewOrExit ? msg::kOverwriteOnNewOrExit : msg::kOverwriteOnSave);
    if (name.empty())
        return SaveResult::Cancelled;
    if (rememberName)
        m_window.state().ProjectFileName = name;
    const WriteOutcome outcome = Write2File(m_window.state(), name);
    // The caption names the file the project is in: the new file once written, "Untitled" when
    // nothing could be written for want of inputs; after any other failure it stays as it was.
    if (outcome.written() || outcome.status == WriteOutcome::Status::MissingInputs)
        m_window.setWindowTitle(QString::fromStdString(outcome.FileName));
    return reportWrite(outcome);
}

FileCommands::SaveResult FileCommands::saveCurrent(Overwrite question, bool rememberName)
{
    if (!untitled())
        return reportWrite(Write2File(m_window.state(), m_window.windowTitle().toStdString()));
    return saveToChosenFile(question, rememberName);
}

FrmMain* FileCommands::runNew()
{
    Desktop& desktop = m_window.desktop();
    if (desktop.messages().askYesNo(std::string(msg::kSaveCurrentFile)) == YesNo::Yes &&
        saveCurrent(Overwrite::OnNewOrExit, true) != SaveResult::Written)
        return nullptr;  // the project stays: its save was cancelled or failed

    AppState& state = m_window.state();
    if (QWidget* selector = desktop.windows().find("frmCulvertSelector"))
        selector->close();
    m_window.closeZoneMapAndTable();
    m_window.close();  // unloads the window; it is deleted once this command has returned

    state.CulvertList.clear();
    state.ProjectInfo = ProjectInfo{};
    // The fresh window's load stamps today's date and the time, and resets the flags.
    FrmMain* fresh = createMainWindow(state, desktop);
    fresh->setWindowTitle(QString::fromUtf8(msg::kUntitled.data(), msg::kUntitled.size()));
    return fresh;
}

bool FileCommands::runOpen()
{
    FrmMain* target = &m_window;
    if (!m_window.state().IsPristine) {
        // The user was offered to save; a save cancelled or failed stops Open, so that nothing
        // the user just tried to keep is replaced.
        target = runNew();
        if (target == nullptr)
            return false;
    }
    const std::string path = target->desktop().fileDialogs().showFileDialog(FileDialogMode::Open);
    if (path.empty())
        return false;
    return openInto(*target, path);
}

bool FileCommands::openFile(const std::string& path)
{
    return openInto(m_window, path);
}

bool FileCommands::openInto(FrmMain& target, const std::string& path)
{
    Desktop& desktop = target.desktop();
    AppState& state = target.state();
    state.ProjectFileName = path;

    const FormatCheck format = CheckFileFormat(path);
    if (!format.accepted()) {
        desktop.messages().showMessage(format.Message.empty() ? std::string(msg::kFormatInvalid) : format.Message);
        return false;
    }
    const LoadOutcome load = readProjectFile(state, path);
    if (load.status == LoadOutcome::Status::Refused) {
        desktop.messages().showMessage(load.Message);
        return false;
    }
    // The windows of a run showed the project just replaced.
    target.results().projectChanged();
    if (load.status == LoadOutcome::Status::Partial)
        desktop.messages().showMessage(load.Message);
    if (!load.Notice.empty())
        desktop.messages().showMessage(load.Notice);
    // The current culvert of the list just replaced means nothing in this one.
    state.CurCulvert = kNoCulvert;

    CulvertListEditor& culverts = target.culvertList();
    culverts.clearCulvertBoxes();
    // A file read only in part keeps the caption "Untitled": Save then asks for a name instead of
    // writing over the damaged original.
    target.setWindowTitle(load.loaded() ? QString::fromStdString(path)
                                        : QString::fromUtf8(msg::kUntitled.data(), msg::kUntitled.size()));

    // retrieveProject
    const ProjectInfo info = state.ProjectInfo;
    ProjectPage& fields = target.projectPage();
    fields.setFieldText(ProjectPage::Field::ProjectName, QString::fromStdString(info.ProjectName));
    fields.setFieldText(ProjectPage::Field::ProjectNo, QString::fromStdString(info.ProjectNo));
    fields.setFieldText(ProjectPage::Field::ControlNo, QString::fromStdString(info.ControlNo));
    fields.setFieldText(ProjectPage::Field::ProDescrpt, QString::fromStdString(info.ProDescrpt));
    fields.setFieldText(ProjectPage::Field::ProjectDate, QString::fromStdString(info.ProjectDate));
    fields.setFieldText(ProjectPage::Field::Designer, QString::fromStdString(info.Designer));
    fields.setTimeCaption(QString::fromStdString(info.ProjectTime));
    // A value longer than its box accepts brought the limit message; the value read stays.
    state.ProjectInfo = info;

    // retrieveCulvertList
    for (const CulvertRecord& culvert : state.CulvertList)
        culverts.addCulvertEntry(QString::fromStdString(culvert.CulvertNo));
    if (!state.CulvertList.empty()) {
        const QString first = QString::fromStdString(state.CulvertList.front().CulvertNo);
        culverts.setCulvertNo1Text(first);
        culverts.setCulvertNo2Text(first);
    }

    target.drainagePage().enableRowButtons();
    state.IsPristine = false;
    return true;
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
        QLineEdit* box = m_window.projectPage().box(field);
        if (box->text().isEmpty()) {
            m_window.desktop().messages().showMessage(std::string(message));
            m_window.focusControl(box);
            return false;
        }
    }
    return saveToChosenFile(Overwrite::OnSave, false) == SaveResult::Written;
}

bool FileCommands::runExit()
{
    Desktop& desktop = m_window.desktop();
    // Culverts entered without a project name are work too: the question comes for them as well.
    const bool somethingToSave =
        !m_window.projectPage().box(ProjectPage::Field::ProjectName)->text().isEmpty() ||
        !m_window.state().CulvertList.empty();
    if (somethingToSave && desktop.messages().askYesNo(std::string(msg::kSaveCurrentFile)) == YesNo::Yes &&
        saveCurrent(Overwrite::OnNewOrExit, true) != SaveResult::Written)
        return false;  // cancelled or failed: the project stays open
    m_window.closeZoneMapAndTable();
    desktop.endApplication();
    return true;
}

}  // namespace sw
