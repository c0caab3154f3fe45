#include "ui/main/projectfieldseditor.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "core/messages.h"
#include "core/text.h"
#include "platform/backcolour.h"
#include "platform/windowregistry.h"
#include "ui/main/controlevents.h"
#include "ui_frmmain.h"

namespace sw {

ProjectFieldsEditor::ProjectFieldsEditor(Ui::FrmMain& controls, AppState& state, Desktop& desktop)
    : m_controls(controls),
      m_state(state),
      m_desktop(desktop),
      m_events(new ControlEvents(this)),
      m_boxes{{
          {Field::ProjectName, controls.txtProjectName, &ProjectInfo::ProjectName, 60, msg::kProjectNameTooLong,
           Field::ProjectNo, true},
          {Field::ProjectNo, controls.txtProjectNo, &ProjectInfo::ProjectNo, 30, msg::kProjectNoTooLong,
           Field::ControlNo, true},
          {Field::ControlNo, controls.txtControlNo, &ProjectInfo::ControlNo, 30, msg::kControlNoTooLong,
           Field::ProDescrpt, true},
          {Field::ProDescrpt, controls.txtProDescrpt, &ProjectInfo::ProDescrpt, 60, msg::kProDescrptTooLong,
           Field::ProjectDate, true},
          // A date typed in does not make the project worth saving on its own.
          {Field::ProjectDate, controls.txtDate, &ProjectInfo::ProjectDate, 0, {}, Field::Designer, false},
          {Field::Designer, controls.txtDesigner, &ProjectInfo::Designer, 0, {}, Field::ProjectName, true},
      }}
{
    for (const Box& b : m_boxes) {
        m_events->onKeyPress(b.edit, [this, &b](QKeyEvent& key) {
            if (b.keysTouchProject && ControlEvents::isTypingKey(key))
                m_state.IsPristine = false;
            if (!ControlEvents::isEnter(key))
                return false;
            boxOf(b.next).edit->setFocus(Qt::OtherFocusReason);
            return true;
        });
        m_events->onFocusIn(b.edit, [this, &b] { gotFocus(b); });
        m_events->onFocusOut(b.edit, [this, &b] { lostFocus(b); });
        if (b.field == Field::Designer) {
            // Leaving the last box of the cycle returns to the first; a box the program puts the
            // focus in (a refused Save As) keeps it.
            m_events->onLeave(b.edit, [this] {
                if (onlyMainWindowLoaded())
                    m_controls.txtProjectName->setFocus(Qt::OtherFocusReason);
            });
        }
        connect(b.edit, &QLineEdit::textChanged, this, [this, &b] { textChanged(b); });
        if (b.keysTouchProject) {
            // Edits made with the mouse (paste or undo from the context menu) touch the project as
            // keys do, or Open would replace it without offering to save.
            connect(b.edit, &QLineEdit::textEdited, this, [this] { m_state.IsPristine = false; });
        }
    }
}

ProjectFieldsEditor::~ProjectFieldsEditor()
{
    m_events->unwatchAll();
}

const ProjectFieldsEditor::Box& ProjectFieldsEditor::boxOf(Field field) const
{
    return m_boxes[static_cast<std::size_t>(field)];
}

QLineEdit* ProjectFieldsEditor::box(Field field) const
{
    return boxOf(field).edit;
}

void ProjectFieldsEditor::setFieldText(Field field, const QString& text)
{
    const Box& b = boxOf(field);
    if (b.edit->text() == text)
        textChanged(b);
    else
        b.edit->setText(text);
}

void ProjectFieldsEditor::timeCaptionChanged(const QString& caption)
{
    m_state.ProjectInfo.ProjectTime = caption.toStdString();
}

void ProjectFieldsEditor::textChanged(const Box& box)
{
    const std::string text = box.edit->text().toStdString();
    if (box.limit > 0 && charCount(text) > box.limit) {
        // The box keeps the longer text, the field its last accepted one. A change that arrives
        // while the message is still open must not stack a second message on it.
        if (!m_showingLimitMessage) {
            m_showingLimitMessage = true;
            m_desktop.messages().showMessage(std::string(box.limitMessage));
            m_showingLimitMessage = false;
        }
        return;
    }
    m_state.ProjectInfo.*box.target = text;
}

bool ProjectFieldsEditor::onlyMainWindowLoaded() const
{
    return m_desktop.windows().count() == 1;
}

void ProjectFieldsEditor::handFocusToVisibleSelector()
{
    const WindowRegistry& windows = m_desktop.windows();
    if (windows.count() != 2 || !equalsIgnoringCase(windows.nameAt(0), "frmMain") ||
        !equalsIgnoringCase(windows.nameAt(1), "frmCulvertSelector") || !windows.isVisibleAt(1))
        return;
    QWidget* selector = windows.windowAt(1);
    selector->raise();
    selector->activateWindow();
    QWidget* target = selector->focusWidget() != nullptr ? selector->focusWidget() : selector;
    target->setFocus(Qt::OtherFocusReason);
}

void ProjectFieldsEditor::gotFocus(const Box& box)
{
    setBackColour(box.edit, BackColour::Entry);
    if (box.field == Field::ProjectName)
        handFocusToVisibleSelector();
}

void ProjectFieldsEditor::lostFocus(const Box& box)
{
    if (!onlyMainWindowLoaded())
        return;
    setBackColour(box.edit, BackColour::White);
}

}  // namespace sw
