#pragma once
// Drives the real modal boxes and dialogs of a test. Each expected handler is given the modal
// widget that is showing, in turn, and is called again on every tick for as long as that widget
// stays open: a dialog that is not ready at the first call (a file dialog still loading its
// folder) is acted on again until it closes. A modal that no handler expects, or one that is still
// open after the deadline, fails the running test with its class and title and is closed, so that
// a test of the real Qt boxes fails instead of hanging.

#include <chrono>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QPointer>
#include <QTimer>
#include <QtTest/QTest>

namespace sw::testing {

class ModalDriver {
public:
    using Handler = std::function<void(QWidget*)>;

    explicit ModalDriver(std::chrono::milliseconds deadline = std::chrono::seconds(5)) : m_deadline(deadline)
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { tick(); });
        m_timer.start();
    }

    void expect(Handler handler) { m_handlers.push_back(std::move(handler)); }
    // "Class 'title'" of every modal that came unexpected or outlived the deadline.
    [[nodiscard]] const std::vector<std::string>& unexpected() const { return m_unexpected; }
    [[nodiscard]] bool allHandled() const { return m_handlers.empty(); }

private:
    void tick()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal == nullptr || !modal->isVisible())
            return;
        if (modal != m_current.data()) {
            // A modal not seen before: it takes the next handler, or is unexpected.
            m_current = modal;
            m_since.start();
            m_handler = nullptr;
            if (m_handlers.empty()) {
                giveUp(modal, "unexpected modal ");
                return;
            }
            m_handler = std::move(m_handlers.front());
            m_handlers.pop_front();
        } else if (std::chrono::milliseconds(m_since.elapsed()) > m_deadline) {
            giveUp(modal, "modal still open after its handler: ");
            return;
        }
        if (m_handler)
            m_handler(modal);
    }

    void giveUp(QWidget* modal, const char* why)
    {
        const std::string what =
            std::string(modal->metaObject()->className()) + " '" + modal->windowTitle().toStdString() + "'";
        m_unexpected.push_back(what);
        m_handler = nullptr;
        QTest::qFail((why + what).c_str(), __FILE__, __LINE__);
        // done() closes any dialog, whatever state it is in, so its exec() returns.
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->done(QDialog::Rejected);
        else
            modal->hide();
    }

    QTimer m_timer;
    std::deque<Handler> m_handlers;
    std::vector<std::string> m_unexpected;
    std::chrono::milliseconds m_deadline;
    QPointer<QWidget> m_current;
    QElapsedTimer m_since;
    Handler m_handler;
};

}  // namespace sw::testing
