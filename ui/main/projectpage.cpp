#include "ui/main/projectpage.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

#include "core/messages.h"
#include "core/text.h"
#include "platform/backcolour.h"
#include "platform/windowregistry.h"
#include "ui/main/controlevents.h"
#include "ui/main/inputguard.h"
#include "ui/main/tabring.h"
#include "ui_projectpage.h"

namespace sw {

ProjectPage::ProjectPage(QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::ProjectPage>()), m_events(new ControlEvents(this))
{
    m_ui->setupUi(this);
    m_boxes = {{
        {Field::ProjectName, m_ui->txtProjectName, ProjectField::ProjectName, 60, msg::kProjectNameTooLong,
         Field::ProjectNo, true},
        {Field::ProjectNo, m_ui->txtProjectNo, ProjectField::ProjectNo, 30, msg::kProjectNoTooLong,
         Field::ControlNo, true},
        {Field::ControlNo, m_ui->txtControlNo, ProjectField::ControlNo, 30, msg::kControlNoTooLong,
         Field::ProDescrpt, true},
        {Field::ProDescrpt, m_ui->txtProDescrpt, ProjectField::ProDescrpt, 60, msg::kProDescrptTooLong,
         Field::ProjectDate, true},
        // A date typed in does not make the project worth saving on its own.
        {Field::ProjectDate, m_ui->txtDate, ProjectField::ProjectDate, 0, {}, Field::Designer, false},
        {Field::Designer, m_ui->txtDesigner, ProjectField::Designer, 0, {}, Field::ProjectName, true},
    }};
}

ProjectPage::~ProjectPage()
{
    unbind();
}

void ProjectPage::bind(ProjectSession& session, Desktop& desktop)
{
    m_session = &session;
    m_desktop = &desktop;
    for (const Box& b : m_boxes) {
        m_events->onKeyPress(b.edit, [this, &b](QKeyEvent& key) {
            if (b.keysTouchProject && ControlEvents::isTypingKey(key))
                m_session->IsPristine = false;
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
                    m_ui->txtProjectName->setFocus(Qt::OtherFocusReason);
            });
        }
        InputGuard::install(b.edit, {b.limit, b.limitMessage, {}},
                            [this](const std::string& message) { m_desktop->messages().showMessage(message); });
        connect(b.edit, &QLineEdit::textChanged, this, [this, &b] { textChanged(b); });
        if (b.keysTouchProject) {
            // Edits made with the mouse (paste or undo from the context menu) touch the project as
            // keys do, or Open would replace it without offering to save.
            connect(b.edit, &QLineEdit::textEdited, this, [this] { m_session->IsPristine = false; });
        }
    }
}

void ProjectPage::unbind()
{
    m_events->unwatchAll();
    disconnectControls(this);
}

const ProjectPage::Box& ProjectPage::boxOf(Field field) const
{
    return m_boxes[static_cast<std::size_t>(field)];
}

QLineEdit* ProjectPage::box(Field field) const
{
    return boxOf(field).edit;
}

QLineEdit* ProjectPage::box(ProjectField field) const
{
    for (const Box& b : m_boxes)
        if (b.target == field)
            return b.edit;
    return nullptr;
}

void ProjectPage::focusFirstBox(Qt::FocusReason reason)
{
    m_ui->txtProjectName->setFocus(reason);
}

void ProjectPage::setFieldText(Field field, const QString& text)
{
    const Box& b = boxOf(field);
    if (b.edit->text() == text)
        textChanged(b);
    else
        b.edit->setText(text);
}

void ProjectPage::setTimeCaption(const QString& caption)
{
    m_ui->lblTime->setText(caption);
    m_session->setProjectField(ProjectField::ProjectTime, caption.toStdString());
}

void ProjectPage::showProjectInfo()
{
    const ProjectInfo info = m_session->projectInfo();
    for (const Box& b : m_boxes)
        setFieldText(b.field, QString::fromStdString(info.*projectInfoMember(b.target)));
    setTimeCaption(QString::fromStdString(info.ProjectTime));
}

bool ProjectPage::focusNextPrevChild(bool next)
{
    std::vector<QWidget*> ring;
    for (const Box& b : m_boxes)
        ring.push_back(b.edit);
    return moveAlongRing(ring, next);
}

void ProjectPage::textChanged(const Box& box)
{
    const std::string text = box.edit->text().toStdString();
    if (box.limit > 0 && charCount(text) > box.limit) {
        // The box keeps the longer text, the field its last accepted one. A change that arrives
        // while the message is still open must not stack a second message on it.
        if (!m_showingLimitMessage) {
            m_showingLimitMessage = true;
            m_desktop->messages().showMessage(std::string(box.limitMessage));
            m_showingLimitMessage = false;
        }
        return;
    }
    m_session->setProjectField(box.target, text);
}

bool ProjectPage::onlyMainWindowLoaded() const
{
    return m_desktop->windows().count() == 1;
}

void ProjectPage::handFocusToVisibleSelector()
{
    const WindowRegistry& windows = m_desktop->windows();
    if (windows.count() != 2 || !equalsIgnoringCase(windows.nameAt(0), "frmMain") ||
        !equalsIgnoringCase(windows.nameAt(1), "frmCulvertSelector") || !windows.isVisibleAt(1))
        return;
    QWidget* selector = windows.windowAt(1);
    selector->raise();
    selector->activateWindow();
    QWidget* target = selector->focusWidget() != nullptr ? selector->focusWidget() : selector;
    target->setFocus(Qt::OtherFocusReason);
}

void ProjectPage::gotFocus(const Box& box)
{
    setBackColour(box.edit, BackColour::Entry);
    if (box.field == Field::ProjectName)
        handFocusToVisibleSelector();
}

void ProjectPage::lostFocus(const Box& box)
{
    if (!onlyMainWindowLoaded())
        return;
    setBackColour(box.edit, BackColour::White);
}

}  // namespace sw
