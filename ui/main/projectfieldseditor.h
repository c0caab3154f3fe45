#pragma once
// The "Project Info" page: the six boxes of the project header and the time label. Each box copies
// its text into its ProjectInfo field as it changes, four of them only up to a length limit; Enter
// moves through the boxes in a cycle; the box being typed into is tinted.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include <QObject>
#include <QString>

#include "platform/desktop.h"
#include "model/appstate.h"

class QLineEdit;

namespace Ui {
class FrmMain;
}

namespace sw {

class ControlEvents;

class ProjectFieldsEditor final : public QObject {
    Q_OBJECT

public:
    enum class Field { ProjectName, ProjectNo, ControlNo, ProDescrpt, ProjectDate, Designer };

    ProjectFieldsEditor(Ui::FrmMain& controls, AppState& state, Desktop& desktop);
    ~ProjectFieldsEditor() override;

    // Sets a box's text and runs its change handling, also when the box already holds that text
    // (Qt reports no change then). Loading, Open and New fill the boxes through here.
    void setFieldText(Field field, const QString& text);

    // The change handling of the time label: its caption is the project's time.
    void timeCaptionChanged(const QString& caption);

    [[nodiscard]] QLineEdit* box(Field field) const;

private:
    struct Box {
        Field field;
        QLineEdit* edit;
        std::string ProjectInfo::*target;
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

    Ui::FrmMain& m_controls;
    AppState& m_state;
    Desktop& m_desktop;
    ControlEvents* m_events;
    std::array<Box, 6> m_boxes;
    bool m_showingLimitMessage = false;
};

}  // namespace sw
