#include "ui/main/inputguard.h"

#include <algorithm>
#include <vector>

#include <QLineEdit>

#include "core/encoding.h"
#include "core/messages.h"
#include "core/text.h"

namespace sw {
namespace {

// Enough to say what was refused; a hostile paste must not make a message of thousands.
constexpr int kNamedCharacters = 8;

QString quoted(const QString& character)
{
    return QLatin1Char('"') + character + QLatin1Char('"');
}

}  // namespace

InputGuard* InputGuard::install(QLineEdit* box, Rules rules, Refused refused)
{
    auto* guard = new InputGuard(box, rules, std::move(refused));
    box->setValidator(guard);
    return guard;
}

InputGuard::InputGuard(QLineEdit* box, Rules rules, Refused refused)
    : QValidator(box), m_rules(rules), m_refused(std::move(refused)), m_previous(box->text())
{
    connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { m_previous = text; });
}

QValidator::State InputGuard::validate(QString& input, int& pos) const
{
    QString kept;
    kept.reserve(input.size());
    QStringList notHeld;
    int more = 0;
    bool comma = false;
    int removedBeforeCursor = 0;
    for (int i = 0; i < input.size();) {
        const char32_t cp = input.at(i).isHighSurrogate() && i + 1 < input.size()
                                ? QChar::surrogateToUcs4(input.at(i), input.at(i + 1))
                                : input.at(i).unicode();
        const int width = cp > 0xFFFF ? 2 : 1;
        const QString character = input.mid(i, width);
        bool refuse = false;
        if (!projectFileHolds(cp)) {
            refuse = true;
            const QString named = quoted(QString::fromStdString(printableText(character.toStdString())));
            if (!notHeld.contains(named)) {
                if (notHeld.size() < kNamedCharacters)
                    notHeld << named;
                else
                    ++more;
            }
        } else if (cp == U',' && !m_rules.commaMessage.empty()) {
            refuse = true;
            comma = true;
        }
        if (refuse) {
            if (i < pos)
                removedBeforeCursor += width;
        } else {
            kept += character;
        }
        i += width;
    }

    std::vector<std::string> messages;
    if (!notHeld.isEmpty()) {
        QString list = notHeld.join(QStringLiteral(", "));
        if (more > 0)
            list += QStringLiteral(" and %1 more").arg(more);
        messages.push_back(fillMessage(msg::kCharactersNotHeld, {list.toStdString()}));
    }
    if (comma)
        messages.emplace_back(m_rules.commaMessage);
    // Several characters at once past the limit: cut, so that the box holds what the field will.
    if (m_rules.limit > 0 && std::size_t(kept.size()) > m_rules.limit && kept.size() - m_previous.size() > 1) {
        kept.truncate(int(m_rules.limit));
        messages.emplace_back(m_rules.limitMessage);
    }
    if (messages.empty())
        return Acceptable;
    for (const std::string& message : messages)
        if (m_refused)
            m_refused(message);
    if (kept == m_previous)
        return Invalid;  // nothing of the edit remains: the box undoes it
    input = kept;
    pos = std::clamp(pos - removedBeforeCursor, 0, int(input.size()));
    return Acceptable;
}

}  // namespace sw
