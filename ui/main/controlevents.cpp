#include "ui/main/controlevents.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

namespace sw {

ControlEvents::ControlEvents(QObject* parent) : QObject(parent) {}

ControlEvents::~ControlEvents()
{
    unwatchAll();
}

ControlEvents::Handlers& ControlEvents::watch(QWidget* control)
{
    auto [it, inserted] = m_handlers.try_emplace(control);
    if (inserted)
        control->installEventFilter(this);
    return it->second;
}

void ControlEvents::onKeyPress(QWidget* control, KeyHandler handler)
{
    watch(control).key = std::move(handler);
}

void ControlEvents::onFocusIn(QWidget* control, Handler handler)
{
    watch(control).focusIn = std::move(handler);
}

void ControlEvents::onFocusOut(QWidget* control, Handler handler)
{
    watch(control).focusOut = std::move(handler);
}

void ControlEvents::onLeave(QWidget* control, Handler handler)
{
    watch(control).leave = std::move(handler);
}

void ControlEvents::unwatchAll()
{
    for (auto& [control, handlers] : m_handlers)
        control->removeEventFilter(this);
    m_handlers.clear();
}

bool ControlEvents::isEnter(const QKeyEvent& key)
{
    return key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
}

ControlEvents::KeyKind ControlEvents::keyKind(const QKeyEvent& key)
{
    if (isEnter(key) || key.key() == Qt::Key_Backspace || key.key() == Qt::Key_Delete)
        return KeyKind::Edit;
    // The edits a box offers through its own shortcuts; pasted text must count as typed.
    for (const QKeySequence::StandardKey edit :
         {QKeySequence::Paste, QKeySequence::Cut, QKeySequence::Undo, QKeySequence::Redo,
          QKeySequence::DeleteStartOfWord, QKeySequence::DeleteEndOfWord, QKeySequence::DeleteEndOfLine,
          QKeySequence::DeleteCompleteLine}) {
        if (key.matches(edit))
            return KeyKind::Edit;
    }
    const Qt::KeyboardModifiers held =
        key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    // Ctrl and Alt together are AltGr on Windows, which types characters such as "@".
    const bool altGr = held == (Qt::ControlModifier | Qt::AltModifier);
    if (held != Qt::NoModifier && !altGr)
        return KeyKind::None;
    // Tab and Escape carry control characters, navigation and function keys no text at all.
    const QString text = key.text();
    return !text.isEmpty() && QChar::isPrint(text.toUcs4().front()) ? KeyKind::Character : KeyKind::None;
}

bool ControlEvents::eventFilter(QObject* watched, QEvent* event)
{
    const auto it = m_handlers.find(watched);
    if (it == m_handlers.end())
        return QObject::eventFilter(watched, event);
    // A copy: a handler may replace the handlers of its own control.
    const Handlers handlers = it->second;
    switch (event->type()) {
    case QEvent::KeyPress:
        if (handlers.key)
            return handlers.key(*static_cast<QKeyEvent*>(event));
        break;
    case QEvent::FocusIn:
        if (handlers.focusIn && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            handlers.focusIn();
        break;
    case QEvent::FocusOut: {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (handlers.focusOut && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            handlers.focusOut();
        const bool userMoved =
            reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason || reason == Qt::MouseFocusReason;
        if (handlers.leave && userMoved)
            handlers.leave();
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void disconnectControls(QWidget* page)
{
    for (QObject* control : page->findChildren<QObject*>())
        control->disconnect(page);
}

}  // namespace sw
