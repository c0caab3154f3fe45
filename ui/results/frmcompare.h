#pragma once
// Two projects side by side, culvert by culvert: the design Q of each and their difference, the Q
// of the tabulated return periods, the inputs that changed and what one of them lacks. Read-only,
// not modal; it shows the projects as they were when it opened.

#include <memory>
#include <string>

#include <QWidget>

#include "model/document.h"
#include "platform/desktop.h"
#include "platform/windowregistry.h"

namespace Ui {
class FrmCompare;
}

namespace sw {

class CompareTableModel;

class FrmCompare final : public QWidget {
    Q_OBJECT

public:
    // The old project and the new one, each with the name the window gives it (a path or a
    // caption).
    FrmCompare(Desktop& desktop, const Document& oldProject, const std::string& oldName, const Document& newProject,
               const std::string& newName);
    ~FrmCompare() override;

    [[nodiscard]] CompareTableModel* model() const { return m_model; }

private:
    std::unique_ptr<Ui::FrmCompare> m_ui;
    WindowRegistration m_registration;
    CompareTableModel* m_model = nullptr;
};

// File > "Co&mpare With..." once a file is chosen: the project file at `path` is read as File >
// Open reads it, into a project of its own (the open one is never touched), and compared as the
// old project with the open one as the new one, unsaved changes included. A file Open would
// refuse, or could read only in part, brings its messages and no window. Returns the window
// shown, or null.
FrmCompare* compareWithFile(Desktop& desktop, const Document& openProject, const std::string& openName,
                            const std::string& path);

// The same after asking for the file with File > Open's dialog; null when the user cancels.
FrmCompare* compareWith(Desktop& desktop, const Document& openProject, const std::string& openName);

}  // namespace sw
