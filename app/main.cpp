// Stormwick: the desktop application. The splash sets the file paths and hands over to the main
// window; everything else happens in the windows.

#include <QApplication>
#include <QPointer>
#include <vector>

#include "platform/fonts.h"
#include "platform/qtdesktop.h"
#include "platform/windowregistry.h"
#include "model/appstate.h"
#include "ui/main/frmfront.h"
#include "ui/main/frmmain.h"

int main(int argc, char* argv[])
{
    // The application takes nothing from its command line: Qt sees the program's name only.
    static char fallbackName[] = "stormwick";
    int qtArgc = 1;
    char* qtArgv[] = {argc > 0 ? argv[0] : fallbackName, nullptr};
    QApplication app(qtArgc, qtArgv);
    QApplication::setApplicationName(QString::fromLatin1(sw::kApplicationName));
    sw::ensureFontSubstitutions();

    sw::AppState state;
    sw::QtDesktop desktop;

    auto* splash = new sw::FrmFront(state, desktop, [&state, &desktop] { sw::createMainWindow(state, desktop); });
    splash->show();

    const int result = QApplication::exec();

    // Ending the application ends it whatever windows are open; they go before the state they use.
    std::vector<QPointer<QWidget>> open;
    for (QWidget* w : desktop.windows().windows())
        open.emplace_back(w);
    for (const QPointer<QWidget>& w : open)
        delete w.data();
    return result;
}
