#pragma once
// What every test of the main window needs: a fresh project state, the scripted desktop, the
// window, widgets by their object names, and the check that no window outlives the test.

#include <memory>
#include <vector>

#include <QApplication>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QtTest>

#include "model/windowstate.h"
#include "platform/windowregistry.h"
#include "session/projectsession.h"
#include "platform/scripteddesktop.h"
#include "ui/main/frmmain.h"
#include "ui/main/startup.h"

namespace sw::testing {

// The settings (recent projects) and recovery copies of the windows under test: a folder of the
// tests' own, never the user's.
inline const QTemporaryDir& testDataFolder()
{
    static const QTemporaryDir folder;
    return folder;
}

class MainWindowHarness {
public:
    MainWindowHarness()
        : desktop(std::make_unique<ScriptedDesktop>()),
          session(std::make_unique<ProjectSession>()),
          windowState(std::make_unique<WindowState>())
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, testDataFolder().filePath("settings"));
    }

    FrmMain* create()
    {
        window = new FrmMain(*session, *windowState, *desktop);
        return window.data();
    }

    // Starts as main() does, the splash handing over at once; the main window, or null.
    FrmMain* start(const std::string& project, RecoverySettings recovery = {testDataFolder().filePath("recovery"), {}})
    {
        startApplication(*session, *windowState, *desktop, project, std::move(recovery));
        QWidget* splash = desktop->windows().find("frmFront");
        if (!splash || !splash->isVisible() || desktop->windows().find("frmMain"))
            return nullptr;
        splash->findChild<QTimer*>(QStringLiteral("Timer1"))->setInterval(0);
        if (!QTest::qWaitFor([this] { return desktop->windows().find("frmMain") != nullptr; }, 5000))
            return nullptr;
        return window = static_cast<FrmMain*>(desktop->windows().find("frmMain"));
    }

    // The open project as the session holds it.
    [[nodiscard]] const Document& document() const { return session->document(); }

    // Shown and active, so that focus events flow as on a desktop.
    bool showActive()
    {
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.data());
    }

    template <typename T>
    T* find(const char* name) const
    {
        return window ? window->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    }

    // Destroys every loaded window and the main window; afterwards no window may be registered.
    void destroyWindows()
    {
        std::vector<QPointer<QWidget>> open;
        for (QWidget* w : desktop->windows().windows())
            open.emplace_back(w);
        open.emplace_back(window.data());
        for (const QPointer<QWidget>& w : open)
            delete w.data();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::unique_ptr<ScriptedDesktop> desktop;
    std::unique_ptr<ProjectSession> session;
    std::unique_ptr<WindowState> windowState;
    QPointer<FrmMain> window;
};

}  // namespace sw::testing

// In cleanup(): the windows are gone and nothing asked a question the test did not expect.
#define SW_VERIFY_NO_WINDOW_LEFT(harness)                                      \
    do {                                                                       \
        (harness).destroyWindows();                                            \
        QCOMPARE((harness).desktop->windows().count(), 0);                     \
        QVERIFY((harness).desktop->unexpected().empty());                      \
    } while (false)
