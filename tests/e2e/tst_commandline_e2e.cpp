// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardprocess.h"
#include "programfolder.h"
#include "programprocess.h"

#include <QDate>
#include <QDir>
#include <QRegularExpression>
#include <QTest>

#include <csignal>

namespace {
// A session without a display, nor a platform named to do without one.
QProcessEnvironment withoutDisplay()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(variable));
    return environment;
}
} // namespace

// The three programs' command lines: --help and --version answer and end, anything unknown is an
// error, all without a display; --folder runs a logger with another program folder.
class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void answersAndEnds_data();
    void answersAndEnds();
    void folderOptionRunsThere_data();
    void folderOptionRunsThere();
};

void CommandLineTest::answersAndEnds_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("printed"); // a pattern
    for (const char *program : {"brolant", "brolant-logger", "brolant-board"}) {
        QTest::addRow("%s --help", program)
            << program << QStringList{"--help"} << 0 << QStringLiteral("^Usage: \\S*%1 \\[options\\]").arg(program);
        QTest::addRow("%s --version", program)
            << program << QStringList{"--version"} << 0 << QStringLiteral("^%1 \\d+\\.\\d+\\.\\d+\n").arg(program);
        QTest::addRow("%s --bogus", program)
            << program << QStringList{"--bogus"} << 2 << QStringLiteral("Unknown option 'bogus'");
        QTest::addRow("%s --language it", program)
            << program << QStringList{"--language", "it", "--version"} << 2
            << QStringLiteral("--language: no translation for \"it\"; there are de, es, fr, nl, and C or en");
        // A language as the system writes it, with its region, or in capitals.
        QTest::addRow("%s --language de_AT", program) << program << QStringList{"--language", "de_AT", "--version"} << 0
                                                      << QStringLiteral("^%1 \\d").arg(program);
        QTest::addRow("%s --language FR", program)
            << program << QStringList{"--language", "FR", "--version"} << 0 << QStringLiteral("^%1 \\d").arg(program);
    }
    QTest::newRow("brolant --help-all lists Qt's options")
        << "brolant" << QStringList{"--help-all"} << 0 << "\n  --platform <platformName";
    QTest::newRow("brolant-logger has no Qt options to list")
        << "brolant-logger" << QStringList{"--help-all"} << 2 << "Unknown option 'help-all'";
    QTest::newRow("brolant lets Qt's -platform through")
        << "brolant" << QStringList{"-platform", "offscreen", "--version"} << 0 << "^brolant \\d";
    QTest::newRow("brolant --help lists --folder") << "brolant" << QStringList{"--help"} << 0 << "--folder <DIR>";
    QTest::newRow("brolant-logger --folder without a folder")
        << "brolant-logger" << QStringList{"--folder"} << 2 << "Missing value after '--folder'";
    QTest::newRow("brolant-logger --folder= empty")
        << "brolant-logger" << QStringList{"--folder="} << 2 << "--folder needs a folder";
    QTest::newRow("brolant-logger --folder a file")
        << "brolant-logger" << QStringList{"--folder", "/dev/null"} << 2 << "/dev/null is a file, not a folder";
    QTest::newRow("brolant-logger --folder that cannot be made")
        << "brolant-logger" << QStringList{"--folder", "/proc/brolant"} << 2 << "/proc/brolant cannot be made";
    QTest::newRow("brolant-board --rate abc")
        << "brolant-board" << QStringList{"COM1", "--rate", "abc"} << 2 << "--rate needs a number, not 'abc'";
    QTest::newRow("brolant-logger with an argument")
        << "brolant-logger" << QStringList{"logs"} << 2 << "Unexpected argument: logs";
}

void CommandLineTest::answersAndEnds()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    ProgramFolder folder;
    ProgramProcess process(folder.path(), program);
    QVERIFY(process.install());
    QProcess &run = process.process();
    // Answering needs no display.
    run.setProcessEnvironment(withoutDisplay());
    run.setWorkingDirectory(folder.path());
    run.start(process.executable(), arguments);
    QVERIFY(run.waitForFinished(20000));
    QCOMPARE(run.exitStatus(), QProcess::NormalExit);
    QTEST(run.exitCode(), "exitCode");
    QFETCH(QString, printed);
    const QString output = process.output();
    QVERIFY2(QRegularExpression(printed).match(output).hasMatch(), qPrintable(output));
    // Answering is all it did: no program folder made beside it, nothing logged.
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{program});
}

void CommandLineTest::folderOptionRunsThere_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("qtOptions"); // handed on to Qt, without a display
    QTest::newRow("brolant") << "brolant" << QStringList{"-platform", "offscreen"};
    QTest::newRow("brolant-logger") << "brolant-logger" << QStringList();
}

void CommandLineTest::folderOptionRunsThere()
{
    QFETCH(QString, program);
    QFETCH(QStringList, qtOptions);
    // Run from a build: the default files beside the program, the new folder has none of its own.
    ProgramFolder installed;
    installed.writeProgramConfig("1", "1", "1");
    installed.writeCalibration();
    installed.write("html/template.asp", "the page");
    ProgramFolder secondBoard;
    BoardProcess board;
    QVERIFY(board.start(secondBoard.file("COM1"),
                        {"--frame", "[<V>650</V><I>577</I><R>20</R><S>9</S><M>0</M><C>1256</C>]", "--rate", "10"}));
    ProgramProcess process(installed.path(), program);
    QVERIFY(process.install());
    process.process().setProcessEnvironment(withoutDisplay());
    process.process().start(process.executable(), qtOptions + QStringList{"--folder", secondBoard.path()});
    const QString day = "logs/P_" + QDate::currentDate().toString("yyyy_MM_dd") + ".txt";
    QTRY_VERIFY_WITH_TIMEOUT(secondBoard.read(day).contains("<V>13.00</V>"), 15000);
    QVERIFY(process.endWith(SIGTERM));
    QCOMPARE(secondBoard.read("html/template.asp"), QByteArray("the page"));
    QCOMPARE(QDir(installed.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             (QStringList{program, "html", "prog.cfg", "settings.cfg"}));
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline_e2e.moc"
