// Stormwick: the desktop application. The command line names at most a project to open; the
// splash sets the file paths and hands over to the main window; everything else happens in the
// windows.

#include <QApplication>
#include <QPointer>
#include <cstdio>
#include <vector>

#include "app/startoptions.h"
#include "model/windowstate.h"
#include "platform/fonts.h"
#include "platform/qtdesktop.h"
#include "platform/windowregistry.h"
#include "ui/main/artwork.h"
#include "ui/main/startup.h"

namespace {

int print(std::FILE* stream, const QString& text, int status)
{
    const QByteArray bytes = text.toLocal8Bit();
    const bool written = std::fwrite(bytes.constData(), 1, std::size_t(bytes.size()), stream) == std::size_t(bytes.size());
    return std::fflush(stream) == 0 && written ? status : 1;
}

}  // namespace

int main(int argc, char* argv[])
{
    // The command line is read with a core application alone: --help and --version need no
    // display, and a wrong command line ends here.
    sw::StartOptions options;
    {
        QCoreApplication core(argc, argv);
        options = sw::parseStartOptions(QCoreApplication::arguments());
    }
    switch (options.action) {
    case sw::StartOptions::Action::ShowHelp:
    case sw::StartOptions::Action::ShowVersion:
        return print(stdout, options.text, 0);
    case sw::StartOptions::Action::WrongUsage:
        return print(stderr, options.text, 2);
    case sw::StartOptions::Action::Start:
        break;
    }

    // Qt sees the program's name only: the project path is ours, and no argument can change how
    // Qt starts.
    static char fallbackName[] = "stormwick";
    int qtArgc = 1;
    char* qtArgv[] = {argc > 0 ? argv[0] : fallbackName, nullptr};
    QApplication app(qtArgc, qtArgv);
    QApplication::setApplicationName(QString::fromLatin1(sw::kApplicationName));
    QApplication::setApplicationVersion(QStringLiteral(STORMWICK_VERSION));
    QApplication::setWindowIcon(sw::applicationIcon());
    sw::ensureFontSubstitutions();

    sw::ProjectSession session;
    sw::WindowState windowState;
    sw::QtDesktop desktop;
    sw::startApplication(session, windowState, desktop, options.project.toStdString());

    const int result = QApplication::exec();

    // Ending the application ends it whatever windows are open; they go before the state they use.
    std::vector<QPointer<QWidget>> open;
    for (QWidget* w : desktop.windows().windows())
        open.emplace_back(w);
    for (const QPointer<QWidget>& w : open)
        delete w.data();
    return result;
}
