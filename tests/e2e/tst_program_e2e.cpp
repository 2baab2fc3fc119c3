// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardprocess.h"
#include "programfolder.h"
#include "programprocess.h"

#include <QDate>
#include <QDir>
#include <QProcess>
#include <QTest>

#include <csignal>

// The real program, started from its own folder, offscreen.
class ProgramEndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void endsInOrderOnSignal_data();
    void endsInOrderOnSignal();
    void endsInOrderWhenTheDisplayGoesAway();
};

void ProgramEndToEndTest::endsInOrderOnSignal_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("logOn");
    QTest::addColumn<int>("signal");
    QTest::newRow("no port, SIGTERM") << "0"
                                      << "0" << SIGTERM;
    QTest::newRow("board on COM1, SIGINT") << "1"
                                           << "0" << SIGINT;
    QTest::newRow("board on COM1 logging, SIGTERM") << "1"
                                                    << "1" << SIGTERM;
    QTest::newRow("board on COM1, SIGHUP: its terminal closed") << "1"
                                                                << "0" << SIGHUP;
}

void ProgramEndToEndTest::endsInOrderOnSignal()
{
    QFETCH(QString, port);
    QFETCH(QString, logOn);
    QFETCH(int, signal);
    ProgramFolder folder;
    folder.writeProgramConfig(port, logOn);
    folder.writeCalibration();
    BoardProcess board;
    QVERIFY(board.start(folder.file("COM1"), {"--rate", "10"}));
    ProgramProcess program(folder.path());
    QVERIFY(program.start());
    // Its start-up has begun (it makes the data folders first): the signal is dealt with after it.
    QTRY_VERIFY(QDir(folder.file("html")).exists());
    QVERIFY(program.endWith(signal));
    QVERIFY(folder.read("errorlog.txt").isEmpty());
    const QByteArray archive = folder.read("logs/Whours.txt");
    QCOMPARE(archive.count("\r\n"), 1);
    QVERIFY2(archive.contains(QDate::currentDate().toString("yyyy_MM_dd ").toLatin1()), archive.constData());
}

void ProgramEndToEndTest::endsInOrderWhenTheDisplayGoesAway()
{
    // Logging off: the session's X server goes, and the program's windows with it.
    QProcess display;
    display.start("Xvfb", {"-displayfd", "1", "-nolisten", "tcp"});
    QVERIFY2(display.waitForStarted(), "Xvfb (Debian's xvfb) is needed: scripts/deps installs it");
    QTRY_VERIFY_WITH_TIMEOUT(display.canReadLine(), 10000);
    const QString displayNumber = QString::fromLatin1(display.readLine().trimmed());
    ProgramFolder folder;
    folder.writeProgramConfig("1", "1");
    folder.writeCalibration();
    BoardProcess board;
    QVERIFY(board.start(folder.file("COM1"), {"--rate", "10"}));
    ProgramProcess program(folder.path());
    QVERIFY(program.start({"env", "QT_QPA_PLATFORM=xcb", "DISPLAY=:" + displayNumber}));
    QTRY_VERIFY(QDir(folder.file("html")).exists());
    display.terminate();
    QVERIFY(display.waitForFinished());
    QVERIFY(program.process().waitForFinished(10000));
    const QByteArray archive = folder.read("logs/Whours.txt");
    QCOMPARE(archive.count("\r\n"), 1);
    QVERIFY2(archive.contains(QDate::currentDate().toString("yyyy_MM_dd ").toLatin1()), archive.constData());
}

QTEST_GUILESS_MAIN(ProgramEndToEndTest)
#include "tst_program_e2e.moc"
