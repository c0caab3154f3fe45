#pragma once
// What the File commands ask of the main window they run in: its project boxes (Save As and Exit
// read them and focus the empty one), the windows that go when the project does, and a fresh
// window for New.

#include "ui/main/projectpage.h"

class QLineEdit;
class QWidget;

namespace sw {

class Desktop;
class FileCommands;
class ProjectSession;
struct WindowState;

class FileCommandsHost {
public:
    virtual ~FileCommandsHost() = default;

    [[nodiscard]] virtual ProjectSession& session() = 0;
    [[nodiscard]] virtual WindowState& windowState() = 0;
    [[nodiscard]] virtual Desktop& desktop() = 0;
    [[nodiscard]] virtual FileCommands& fileCommands() = 0;

    [[nodiscard]] virtual QLineEdit* projectBox(ProjectPage::Field field) const = 0;
    // Puts the focus into a control as a refusal does, its tab shown first.
    virtual void focusControl(QWidget* control) = 0;
    // The windows of a run showed the project now replaced; the zone map and frequency table go
    // with the window whose page they fill.
    virtual void closeRunWindows() = 0;
    virtual void closeZoneMapAndTable() = 0;
    // A project read from a file: its rows can be added to and removed.
    virtual void enableRowButtons() = 0;
    // New: this window unloaded and a fresh one loaded, whose host is returned.
    virtual FileCommandsHost* renewWindow() = 0;
};

}  // namespace sw
