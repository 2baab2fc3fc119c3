#pragma once

#include <QString>

#include <optional>

class QCommandLineParser;
class QCoreApplication;

namespace Brolant {

// What every Brolant program answers on its command line besides its own options: --help and
// --version, which print and end, and any unknown option or stray argument, an error.
namespace CommandLine {

// The usage error's exit code, as command-line programs use it.
constexpr int kUsageError = 2;

// Parses `application`'s arguments with `parser` (its own options already added), allowing at
// most `positionals` plain arguments. The exit code to end with at once when --help or --version
// was asked (0) or the command line is wrong (kUsageError, said on standard error); nothing when
// the program is to run.
std::optional<int> parse(QCommandLineParser &parser, const QCoreApplication &application, int positionals = 0);

// How a logger (brolant, brolant-logger) starts: the program folder to run with, or the exit code
// to end with at once.
struct LoggerStart
{
    QString programFolder;
    std::optional<int> exitCode;
};

// A logger's command line: --folder DIR (the program folder, instead of the one found from the
// executable's folder), --help and --version.
LoggerStart parseLogger(const QCoreApplication &application, const QString &description);

} // namespace CommandLine

} // namespace Brolant
