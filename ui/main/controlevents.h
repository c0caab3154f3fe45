#pragma once
// Key and focus events of the controls of a page, routed to handlers. One event filter per page
// keeps the handlers beside the rest of the page's behaviour.
//
// A control that loses the keyboard only because a menu, a drop-down list, a message box or
// another application took it for a moment has not been left by the user; its focus-out handler
// does not run then, and coming back from a menu or drop-down list is no new visit either.

#include <functional>
#include <map>
#include <vector>

#include <QObject>

class QKeyEvent;
class QWidget;

namespace sw {

class ControlEvents final : public QObject {
public:
    // Returns true when the key is used up and must not reach the control.
    using KeyHandler = std::function<bool(QKeyEvent& key)>;
    using Handler = std::function<void()>;

    explicit ControlEvents(QObject* parent = nullptr);
    ~ControlEvents() override;

    void onKeyPress(QWidget* control, KeyHandler handler);
    void onFocusIn(QWidget* control, Handler handler);
    void onFocusOut(QWidget* control, Handler handler);
    // The user moved on from the control (Tab, Shift+Tab, a click elsewhere). Not when the program
    // puts the focus somewhere, as a check does on the box it refuses: a handler that sends the
    // focus on must not undo that.
    void onLeave(QWidget* control, Handler handler);

    // Stops watching every control (before the controls go away).
    void unwatchAll();

    [[nodiscard]] static bool isEnter(const QKeyEvent& key);

    // What a key does to a text box. Only a character or an edit is typing: a lone modifier, a
    // menu accelerator or another Ctrl/Alt shortcut, a function or navigation key changes nothing
    // the user could lose, and must not make the project count as touched.
    enum class KeyKind { None, Character, Edit };
    [[nodiscard]] static KeyKind keyKind(const QKeyEvent& key);
    [[nodiscard]] static bool isTypingKey(const QKeyEvent& key) { return keyKind(key) != KeyKind::None; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Handlers {
        KeyHandler key;
        Handler focusIn;
        Handler focusOut;
        Handler leave;
    };
    Handlers& watch(QWidget* control);

    std::map<QObject*, Handlers> m_handlers;
};

// Cuts every signal of a page's controls that reaches the page itself: with its ControlEvents
// unwatched too, nothing of the page runs while the window takes the controls down.
void disconnectControls(QWidget* page);

}  // namespace sw
