// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class QCommandLineParser;

namespace Brolant {

// What every Brolant program answers on its command line besides its own options: --help and
// --version, which print and end, and any unknown option or stray argument, an error. It needs no
// application object, so a program with windows answers before it reaches for a display.
namespace CommandLine {

// The usage error's exit code, as command-line programs use it.
constexpr int kUsageError = 2;

// Which of Qt's own options a program accepts: none (the console programs), or those of a program
// with windows (-platform, -style ...), handed on to Qt untouched.
enum class QtOptions
{
    None,
    Windows
};

// The command line as main() was given it, the program's path first.
QStringList arguments(int argc, char *argv[]);

// Reports `problem` with the command line on standard error, and where to read the right one; the
// exit code to end with (kUsageError).
int refuse(const QStringList &arguments, const QString &problem);

// Parses `arguments` with `parser` (its own options already added, --language added here),
// allowing at most `positionals` plain arguments. The exit code to end with at once when --help or --version was
// asked (0) or the command line is wrong (kUsageError, reported on standard error); nothing when the
// program is to run.
std::optional<int> parse(QCommandLineParser &parser, const QStringList &arguments, int positionals = 0,
                         QtOptions qtOptions = QtOptions::None);
// The language --language named, after parse() accepted it; nothing for the system's.
std::optional<QString> language(const QCommandLineParser &parser);

// How a logger (brolant, brolant-logger) starts: the folder --folder named and the language
// --language named, or the exit code to end with at once.
struct LoggerStart
{
    QString program; // its name, for what it prints
    std::optional<QString> folder;
    std::optional<QString> language;
    std::optional<int> exitCode;
};

// A logger's command line: --folder DIR (the program folder, instead of the one found from the
// executable's folder), --language CODE, --help and --version.
LoggerStart parseLogger(const QStringList &arguments, const QString &description, QtOptions qtOptions);

// The program folder to run with: the one --folder named, else the one found from the executable's
// folder. Asks the application object where the executable is. Nothing, reported on standard error,
// when --folder names a file or a folder that cannot be made.
std::optional<QString> programFolder(const LoggerStart &start);

} // namespace CommandLine

} // namespace Brolant
