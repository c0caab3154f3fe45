#include "ui/main/projectfieldseditor.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "core/messages.h"
#include "core/text.h"
#include "platform/backcolour.h"
#include "platform/windowregistry.h"
#include "ui_frmmain.h"

namespace sw {

ProjectFieldsEditor::ProjectFieldsEditor(Ui::FrmMain& controls, AppState& state, Desktop& desktop)
    : m_controls(controls),
      m_state(state),
      m_desktop(desktop),
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
        b.edit->installEventFilter(this);
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
    for (const Box& b : m_boxes)
        b.edit->removeEventFilter(this);
}

const ProjectFieldsEditor::Box* ProjectFieldsEditor::boxOf(const QObject* object) const
{
    for (const Box& b : m_boxes) {
        if (b.edit == object)
            return &b;
    }
    return nullptr;
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
    // Leaving the last box of the cycle returns to the first.
    if (box.field == Field::Designer)
        m_controls.txtProjectName->setFocus(Qt::OtherFocusReason);
}

bool ProjectFieldsEditor::eventFilter(QObject* watched, QEvent* event)
{
    const Box* b = boxOf(watched);
    if (b == nullptr)
        return QObject::eventFilter(watched, event);

    switch (event->type()) {
    case QEvent::KeyPress: {
        if (b->keysTouchProject)
            m_state.IsPristine = false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            boxOf(b->next).edit->setFocus(Qt::OtherFocusReason);
            return true;
        }
        return false;
    }
    case QEvent::FocusIn:
        // Coming back from a menu or a drop-down list is no new visit of the box.
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            gotFocus(*b);
        return false;
    case QEvent::FocusOut: {
        // Another application, a message box or a menu taking the keyboard for a moment does not
        // mean the user left the box.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            lostFocus(*b);
        return false;
    }
    default:
        return QObject::eventFilter(watched, event);
    }
}

}  // namespace sw
