#pragma once
// The desktop application's command line: stormwick [PROJECT], --help and --version. It is read
// before any window exists, so that --help and --version need no display.

#include <QString>
#include <QStringList>

namespace sw {

struct StartOptions {
    enum class Action { Start, ShowHelp, ShowVersion, WrongUsage };
    Action action = Action::Start;
    // The project to open once the main window is up, as an absolute path; empty for none.
    QString project;
    // What to print: the help or the version on standard output, or why the command line is
    // wrong followed by the help on standard error.
    QString text;
};

// `arguments` as the program received them, its own name first.
[[nodiscard]] StartOptions parseStartOptions(const QStringList& arguments);

}  // namespace sw
