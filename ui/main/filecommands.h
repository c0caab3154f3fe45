#pragma once
// The File menu: New, Open, Open Recent, Save, Save As and Exit. The session holds the file the
// project is in, which the main window's caption shows: "Untitled" until the project has been
// opened from or saved to a file, then that file's full path, which Save writes to without asking.
// A project opened or saved goes to the front of the recent projects.
//
// New replaces the main window by a fresh one; a command that goes on after New (Open) carries on
// in the new window.

#include <functional>
#include <string>

#include <QObject>

namespace sw {

class FileCommandsHost;
struct Document;
struct WriteOutcome;

class FileCommands final : public QObject {
    Q_OBJECT

public:
    FileCommands(FileCommandsHost& host, QObject* parent);

    // Each returns whether it went through; a command the user cancelled, or whose save failed,
    // leaves the project as it was.
    // New: the host of the fresh main window, or nothing when New stopped.
    FileCommandsHost* runNew();
    bool runOpen();
    // Open with `path` as the file chosen: its checks, messages and caption, in this window.
    bool openFile(const std::string& path);
    // Open Recent: Open with `path` chosen from the list. A file that is gone leaves the list.
    bool openRecent(const std::string& path);
    // A project recovered at start-up, as the current project: touched, unsaved, with the caption
    // of its own file (which Save writes) or "Untitled".
    void openRecovered(Document document, const std::string& path);
    bool runSave();
    bool runSaveAs();
    // True when the application ends.
    bool runExit();

private:
    enum class Overwrite { OnNewOrExit, OnSave };
    enum class SaveResult { Written, Cancelled, Failed };

    // Saves to the project's file, or asks for one when the project is untitled; the file the
    // project is in follows a save to a chosen file.
    SaveResult saveCurrent(Overwrite question, bool rememberName);
    SaveResult saveToChosenFile(Overwrite question, bool rememberName);
    SaveResult reportWrite(const WriteOutcome& outcome);
    // Open once the file is known: the save question first for a touched project.
    bool openAfterQuestion(const std::function<std::string(FileCommandsHost&)>& choosePath);

    FileCommandsHost& m_host;
};

}  // namespace sw
