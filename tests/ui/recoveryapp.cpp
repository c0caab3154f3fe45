// The program the recovery tests kill: the application's own start-up and main window, on the
// scripted desktop, its recovery copies due 200 ms after a change. It says "ready" once the main
// window shows, then takes a command a line on standard input and answers each with a line:
//   type BOX TEXT   TEXT typed over a box of the "Project Info" page  -> "ok" | "failed: WHY"
//   culvert ID      a whole culvert entered through the window        -> "ok" | "failed: WHY"
//   exit            File > Exit, "Save current file ?" answered No    -> "bye", and the program ends
// Its one argument, if any, is the project to open at start.

#include <unistd.h>

#include <QSocketNotifier>
#include <QTimer>
#include <iostream>

#include "tests/ui/editorsteps.h"

using namespace sw;
using namespace sw::testing;
using namespace std::chrono_literals;

namespace {

std::string run(EditorSteps& s, MainWindowHarness& h, const QString& line)
{
    const QString command = line.section(QLatin1Char(' '), 0, 0);
    const QString rest = line.section(QLatin1Char(' '), 1);
    bool done = false;
    if (command == QLatin1String("type")) {
        const QByteArray box = rest.section(QLatin1Char(' '), 0, 0).toLatin1();
        done = s.showPage(0) && s.replaceText(box.constData(), rest.section(QLatin1Char(' '), 1));
    } else if (command == QLatin1String("culvert")) {
        done = s.enterCulvert(rest, kPlainInputs, {kDitch}, QStringLiteral("Sta 1"));
    } else if (command == QLatin1String("exit")) {
        h.desktop->messages().queueYesNo(YesNo::No);
        h.find<QAction>("mnuExit")->trigger();
        if (h.desktop->endRequests() == 0)
            return "failed: Exit did not end the program";
        QCoreApplication::quit();
        return "bye";
    }
    return done ? "ok" : "failed: " + std::string(s.why());
}

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stormwick"));
    MainWindowHarness h;
    h.desktop->setFailOnUnexpected(false);
    if (!h.start(argc > 1 ? argv[1] : "", {RecoveryStore::defaultFolder(), {200ms, 1000ms}}) || !h.showActive())
        return 1;
    EditorSteps s(h);
    std::cout << "ready" << std::endl;

    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    std::string pending;
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char bytes[4096];
        const ssize_t got = ::read(STDIN_FILENO, bytes, sizeof bytes);
        if (got <= 0) {  // the test has gone: so does the program
            input.setEnabled(false);
            QCoreApplication::quit();
            return;
        }
        pending.append(bytes, std::size_t(got));
        // Typing runs events: no second command starts inside the first.
        input.setEnabled(false);
        for (std::size_t end; (end = pending.find('\n')) != std::string::npos;) {
            const QString line = QString::fromStdString(pending.substr(0, end));
            pending.erase(0, end + 1);
            std::cout << run(s, h, line) << std::endl;
        }
        input.setEnabled(true);
    });
    // A test that left it running (crashed, or forgot it) does not leave it for ctest's limit.
    QTimer::singleShot(60s, [] { QCoreApplication::exit(2); });
    const int status = QApplication::exec();
    h.destroyWindows();
    return status;
}
