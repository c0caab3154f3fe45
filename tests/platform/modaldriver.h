#pragma once
// Drives the real modal boxes and dialogs of a test: each handler gets the modal widget that is
// showing, in turn. A modal widget no handler expects is recorded and closed, so a test of the
// real Qt boxes fails instead of hanging.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QTimer>
#include <QVariant>

namespace sw::testing {

class ModalDriver {
public:
    using Handler = std::function<void(QWidget*)>;

    ModalDriver()
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { tick(); });
        m_timer.start();
    }

    void expect(Handler handler) { m_handlers.push_back(std::move(handler)); }
    [[nodiscard]] const std::vector<std::string>& unexpected() const { return m_unexpected; }
    [[nodiscard]] bool allHandled() const { return m_handlers.empty(); }

private:
    void tick()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || modal->property(kHandled).toBool())
            return;
        modal->setProperty(kHandled, true);
        if (!m_handlers.empty()) {
            Handler handler = std::move(m_handlers.front());
            m_handlers.pop_front();
            handler(modal);
            return;
        }
        m_unexpected.push_back(modal->metaObject()->className());
        close(modal);
    }

    static void close(QWidget* modal)
    {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            const QList<QAbstractButton*> buttons = box->buttons();
            if (!buttons.isEmpty())
                buttons.last()->click();
            return;
        }
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->reject();
    }

    QTimer m_timer;
    std::deque<Handler> m_handlers;
    std::vector<std::string> m_unexpected;
    static constexpr const char* kHandled = "modalDriverHandled";
};

}  // namespace sw::testing
