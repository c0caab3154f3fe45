#include "app/startoptions.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include "core/messages.h"
#include "core/text.h"

namespace sw {
namespace {

QString qs(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

StartOptions parseStartOptions(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(qs(msg::kStartDescription));
    // Our own help option: the one Qt adds brings --help-all, whose Qt options this program does
    // not take.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays this help and ends."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Displays the version and ends."));
    parser.addOption(help);
    parser.addOption(version);
    parser.addPositionalArgument(QStringLiteral("PROJECT"), qs(msg::kStartProjectArgument), QStringLiteral("[PROJECT]"));

    StartOptions options;
    const bool parsed = parser.parse(arguments);
    const QStringList projects = parser.positionalArguments();
    QString wrong;
    if (!parsed)
        wrong = parser.errorText();
    else if (projects.size() > 1)
        wrong = qs(fillMessage(msg::kStartTooManyProjects, {std::to_string(projects.size())}));
    else if (projects.size() == 1 && projects.first().trimmed().isEmpty())
        wrong = qs(msg::kStartBlankProject);
    if (!wrong.isEmpty()) {
        options.action = StartOptions::Action::WrongUsage;
        options.text = wrong + QLatin1Char('\n') + parser.helpText();
        return options;
    }
    if (parser.isSet(help)) {
        options.action = StartOptions::Action::ShowHelp;
        options.text = parser.helpText();
    } else if (parser.isSet(version)) {
        options.action = StartOptions::Action::ShowVersion;
        options.text = QStringLiteral("stormwick " STORMWICK_VERSION "\n");
    } else if (!projects.isEmpty()) {
        // As the Open dialog would give it: the caption and the messages name the whole path.
        options.project = QFileInfo(projects.first()).absoluteFilePath();
    }
    return options;
}

}  // namespace sw
