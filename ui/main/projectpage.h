#pragma once
// The "Project Info" page: the six boxes of the project header and the time label. Each box copies
// its text into its ProjectInfo field as it changes, four of them only up to a length limit; Enter
// moves through the boxes in a cycle; the box being typed into is tinted.
//
// The main window's form creates the page; the window then binds it to the project, and only from
// then on does the page handle anything.

#include <array>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include <QString>
#include <QWidget>

#include "platform/desktop.h"
#include "session/projectsession.h"

class QLineEdit;

namespace Ui {
class ProjectPage;
}

namespace sw {

class ControlEvents;

class ProjectPage final : public QWidget {
    Q_OBJECT

public:
    enum class Field { ProjectName, ProjectNo, ControlNo, ProDescrpt, ProjectDate, Designer };

    explicit ProjectPage(QWidget* parent = nullptr);
    ~ProjectPage() override;

    // Starts the page's handling on the project.
    void bind(ProjectSession& session, Desktop& desktop);
    // Stops it, before the window takes its controls down: they send focus events as they go.
    void unbind();

    // Sets a box's text and runs its change handling, also when the box already holds that text
    // (Qt reports no change then). Loading, Open and New fill the boxes through here.
    void setFieldText(Field field, const QString& text);

    // lblTime, whose caption is the project's time.
    void setTimeCaption(const QString& caption);
    // The boxes and the time filled from the project's header, through their change handling.
    void showProjectInfo();

    [[nodiscard]] QLineEdit* box(Field field) const;
    // The box of a header field; none for the time, which a label shows.
    [[nodiscard]] QLineEdit* box(ProjectField field) const;

    // Where the typing starts on this page.
    void focusFirstBox(Qt::FocusReason reason);

protected:
    bool focusNextPrevChild(bool next) override;

private:
    struct Box {
        Field field;
        QLineEdit* edit;
        ProjectField target;
        std::size_t limit;  // 0: any length
        std::string_view limitMessage;
        Field next;  // where Enter goes
        bool keysTouchProject;
    };

    [[nodiscard]] const Box& boxOf(Field field) const;
    void textChanged(const Box& box);
    void gotFocus(const Box& box);
    void lostFocus(const Box& box);
    [[nodiscard]] bool onlyMainWindowLoaded() const;
    void handFocusToVisibleSelector();

    std::unique_ptr<Ui::ProjectPage> m_ui;
    ProjectSession* m_session = nullptr;
    Desktop* m_desktop = nullptr;
    ControlEvents* m_events;
    std::array<Box, 6> m_boxes{};
    bool m_showingLimitMessage = false;
};

}  // namespace sw
