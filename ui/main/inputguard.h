#pragma once
// What a text box takes of an edit the user makes (typing, a paste, a drop, an input method), so
// that what the box shows is what the project holds and saves:
// - characters a project file cannot hold are refused, the rest of the edit kept;
// - a comma is refused in a box that holds a number (it would be read as the end of the number);
// - an edit that inserts several characters at once beyond the box's length limit is cut to the
//   limit. Typing one character past it is left to the box's own change handling, which shows the
//   limit message and keeps the field's last accepted text.
// The refusal's message is handed to `refused` before the edit completes. Texts set by code (a
// project read from its file) are not checked: QLineEdit validates only the user's edits.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include <QString>
#include <QValidator>

class QLineEdit;

namespace sw {

class InputGuard final : public QValidator {
public:
    struct Rules {
        std::size_t limit = 0;            // characters; 0 for none
        std::string_view limitMessage;    // shown when a paste or drop is cut to the limit
        std::string_view commaMessage;    // empty: a comma is an ordinary character here
    };
    using Refused = std::function<void(const std::string& message)>;

    // Guards the box (installed as its validator), parented to it.
    static InputGuard* install(QLineEdit* box, Rules rules, Refused refused);

    State validate(QString& input, int& pos) const override;

private:
    InputGuard(QLineEdit* box, Rules rules, Refused refused);

    Rules m_rules;
    Refused m_refused;
    QString m_previous;  // the text before the edit being validated
};

}  // namespace sw
