#include "platform/commandline.h"

#include "platform/programlocation.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace Brolant {

namespace CommandLine {

std::optional<int> parse(QCommandLineParser &parser, const QCoreApplication &application, int positionals)
{
    QCoreApplication::setApplicationVersion(QStringLiteral(BROLANT_VERSION));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QString name = QCoreApplication::applicationName();
    QTextStream errors(stderr);
    if (!parser.parse(application.arguments())) {
        errors << name << ": " << parser.errorText() << "\nTry '" << name << " --help'.\n";
        return kUsageError;
    }
    if (parser.positionalArguments().size() > positionals) {
        errors << name << ": Unexpected argument: " << parser.positionalArguments().value(positionals)
               << "\nTry '" << name << " --help'.\n";
        return kUsageError;
    }
    QTextStream out(stdout);
    // --help-all comes with the help option; the Qt options it would add are not this program's.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        out << parser.helpText();
        return 0;
    }
    if (parser.isSet(version)) {
        out << name << ' ' << QCoreApplication::applicationVersion() << '\n';
        return 0;
    }
    return std::nullopt;
}

LoggerStart parseLogger(const QCoreApplication &application, const QString &description)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(description);
    const QCommandLineOption folder(
        QStringLiteral("folder"),
        QStringLiteral("Use DIR as the program folder (prog.cfg, logs/ ...) instead of the one beside the "
                       "program or ~/.local/share/brolant; made, with the default settings, when it does not exist."),
        QStringLiteral("DIR"));
    parser.addOption(folder);
    if (const auto exitCode = parse(parser, application))
        return {QString(), exitCode};
    const QString executableFolder = QCoreApplication::applicationDirPath();
    return {parser.isSet(folder) ? ProgramLocation::chosen(parser.value(folder), executableFolder)
                                 : ProgramLocation::folder(executableFolder),
            std::nullopt};
}

} // namespace CommandLine

} // namespace Brolant
