// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/commandline.h"

#include "platform/programlocation.h"
#include "platform/translation.h"
#include "text/failure.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <QTextStream>

namespace Brolant {

namespace CommandLine {

namespace {
struct QtOption
{
    const char *name;
    const char *valueName; // nullptr: the option has no value
    const char *description;
};

// Qt's own options for a program with windows, as QGuiApplication, QApplication and the X11
// platform accept them.
constexpr QtOption kQtWindowOptions[] = {
    {"platform", "platformName[:options]",
     "QPA plugin. See QGuiApplication documentation for available options for each plugin."},
    {"platformpluginpath", "path", "Path to the platform plugins."},
    {"platformtheme", "theme", "Platform theme."},
    {"plugin", "plugin", "Additional plugins to load, can be specified multiple times."},
    {"qwindowgeometry", "geometry", "Window geometry for the main window, using the X11-syntax, like 100x100+50+50."},
    {"qwindowicon", "icon", "Default window icon."},
    {"qwindowtitle", "title", "Title of the first window."},
    {"reverse", nullptr, "Sets the application's layout direction to Qt::RightToLeft (debugging helper)."},
    {"session", "session", "Restores the application from an earlier session."},
    {"style", "style", "The widget style, for example Fusion."},
    {"stylesheet", "file", "A style sheet file for every window."},
    {"widgetcount", nullptr, "Reports at the end how many widgets were left undestroyed (debugging helper)."},
    {"display", "display", "Display name, overrides $DISPLAY."},
    {"name", "name", "Instance name according to ICCCM 4.1.2.5."},
    {"nograb", nullptr, "Disable mouse grabbing (useful in debuggers)."},
    {"dograb", nullptr, "Force mouse grabbing (even when running in a debugger)."},
    {"visual", "id", "ID of the X11 Visual to use."},
    {"geometry", "geometry", "Alias for --qwindowgeometry."},
    {"icon", "icon", "Alias for --qwindowicon."},
    {"title", "title", "Alias for --qwindowtitle."},
};

// Qt's options are accepted, so that they reach Qt, and listed by --help-all only.
void addQtWindowOptions(QCommandLineParser &parser, bool listed)
{
    // Qt writes its options with one dash (-platform offscreen).
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOption({QStringLiteral("help-all"), QStringLiteral("Displays help including Qt specific options.")});
    for (const QtOption &qt : kQtWindowOptions) {
        QCommandLineOption option(QLatin1String(qt.name), QLatin1String(qt.description),
                                  qt.valueName ? QLatin1String(qt.valueName) : QString());
        if (!listed)
            option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

QString programName(const QStringList &arguments)
{
    return QFileInfo(arguments.value(0)).fileName();
}

const QString kLanguage = QStringLiteral("language");

} // namespace

int refuse(const QStringList &arguments, const QString &problem)
{
    const QString name = programName(arguments);
    QTextStream(stderr) << name << ": " << problem << "\nTry '" << name << " --help'.\n";
    return kUsageError;
}

QStringList arguments(int argc, char *argv[])
{
    QStringList list;
    for (int at = 0; at < argc; ++at)
        list << QString::fromLocal8Bit(argv[at]);
    return list;
}

std::optional<int> parse(QCommandLineParser &parser, const QStringList &arguments, int positionals, QtOptions qtOptions)
{
    QCoreApplication::setApplicationVersion(QStringLiteral(BROLANT_VERSION));
    // Not addHelpOption(): the --help-all it adds would list Qt options a console program has none of.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Displays help on commandline options."));
    parser.addOption(help);
    const QCommandLineOption version = parser.addVersionOption();
    parser.addOption({kLanguage,
                      QStringLiteral("Speak CODE in windows and messages: %1, or C or en for English. Without it, "
                                     "the system's language (LANGUAGE, LANG). The files stay English.")
                          .arg(Translation::languages().join(QStringLiteral(", "))),
                      QStringLiteral("CODE")});
    const bool helpAll = arguments.contains(QStringLiteral("--help-all"))
                         || arguments.contains(QStringLiteral("-help-all"));
    if (qtOptions == QtOptions::Windows)
        addQtWindowOptions(parser, helpAll);
    if (!parser.parse(arguments))
        return refuse(arguments, parser.errorText());
    if (parser.positionalArguments().size() > positionals)
        return refuse(arguments,
                      QStringLiteral("Unexpected argument: ") + parser.positionalArguments().value(positionals));
    if (parser.isSet(kLanguage) && !Translation::isKnown(parser.value(kLanguage)))
        return refuse(arguments,
                      QStringLiteral("--language: no translation for \"%1\"; there are %2, and C or en")
                          .arg(parser.value(kLanguage), Translation::languages().join(QStringLiteral(", "))));
    QTextStream out(stdout);
    if (parser.isSet(help) || (qtOptions == QtOptions::Windows && helpAll)) {
        // Without an application object Qt cannot name the program in the usage line.
        out << parser.helpText().replace(QStringLiteral("<executable_name>"), arguments.value(0));
        return 0;
    }
    if (parser.isSet(version)) {
        out << programName(arguments) << ' ' << QCoreApplication::applicationVersion() << '\n';
        return 0;
    }
    return std::nullopt;
}

std::optional<QString> language(const QCommandLineParser &parser)
{
    if (!parser.isSet(kLanguage))
        return std::nullopt;
    return parser.value(kLanguage);
}

LoggerStart parseLogger(const QStringList &arguments, const QString &description, QtOptions qtOptions)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(description);
    const QCommandLineOption folder(
        QStringLiteral("folder"),
        QStringLiteral("Use DIR as the program folder (prog.cfg, logs/ ...) instead of the one beside the "
                       "program or ~/.local/share/brolant; made, with the default settings, when it does not exist."),
        QStringLiteral("DIR"));
    parser.addOption(folder);
    const QString program = programName(arguments);
    if (const auto exitCode = parse(parser, arguments, 0, qtOptions))
        return {program, std::nullopt, std::nullopt, exitCode};
    if (!parser.isSet(folder))
        return {program, std::nullopt, language(parser), std::nullopt};
    // An empty folder would be the current one: under a service manager, "/".
    if (parser.value(folder).isEmpty())
        return {program, std::nullopt, std::nullopt,
                refuse(arguments, QStringLiteral("--folder needs a folder, not an empty text"))};
    return {program, parser.value(folder), language(parser), std::nullopt};
}

std::optional<QString> programFolder(const LoggerStart &start)
{
    const QString executableFolder = QCoreApplication::applicationDirPath();
    if (!start.folder)
        return ProgramLocation::folder(executableFolder);
    const Result<QString> chosen = ProgramLocation::chosen(*start.folder, executableFolder);
    if (chosen)
        return *chosen;
    // A logger with nowhere to write would run for ever logging nothing.
    QTextStream(stderr) << start.program << ": --folder: " << chosen.failure().forUser() << '\n';
    return std::nullopt;
}

} // namespace CommandLine

} // namespace Brolant
