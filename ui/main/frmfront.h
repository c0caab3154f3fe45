#pragma once
// frmFront: the splash window. Its load sets the paths of the printer settings file and of the
// summary file; after three seconds it unloads itself and hands over to the main window.

#include <functional>

#include <QWidget>

#include "platform/desktop.h"
#include "platform/windowregistry.h"
#include "model/windowstate.h"

class QTimer;

namespace sw {

inline constexpr int kSplashMs = 3000;

// The printer settings file in the application's folder, with the platform's separator.
[[nodiscard]] std::string printerIniPathIn(const std::string& applicationFolder);
// The summary file: "c:\temp\summary.txt" on Windows, summary.txt in the temporary folder
// elsewhere (there is no c:\temp there).
[[nodiscard]] std::string defaultSummaryFilePath();

class FrmFront final : public QWidget {
    Q_OBJECT

public:
    // showMain is called when the splash has unloaded itself.
    FrmFront(WindowState& state, Desktop& desktop, std::function<void()> showMain);

private:
    void handOver();

    Desktop& m_desktop;
    std::function<void()> m_showMain;
    WindowRegistration m_registration;
    QTimer* m_timer1 = nullptr;
};

}  // namespace sw
