// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardprocess.h"
#include "programfolder.h"
#include "programprocess.h"
#include "text/datetext.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#include <csignal>
#include <unistd.h>

using namespace Brolant;

// The real program meeting trouble: it keeps running, says what is wrong, loses nothing it could
// keep, writes no half file, and still ends in order.
class FaultsTest : public QObject
{
    Q_OBJECT

private slots:
    void brokenConfiguration_data();
    void brokenConfiguration();
    void fullDiskKeepsWholeLines();
    void readOnlyProgramFolder();
    void unpluggedPinnedBoardIsNoOtherDevice_data();
    void unpluggedPinnedBoardIsNoOtherDevice();
};

void FaultsTest::brokenConfiguration_data()
{
    QTest::addColumn<QByteArray>("progCfg");
    QTest::addColumn<QByteArray>("settingsCfg");
    const QByteArray good = "<Port>0</Port><BR>4800</BR><Savehtml>0</Savehtml><SaveExcel>0</SaveExcel>"
                            "<LogDelay>60</LogDelay><LogOn>0</LogOn><DisplayRPM>1</DisplayRPM>"
                            "<DisplayWS>1</DisplayWS><WSUnits>m/s</WSUnits><dispMessages>1</dispMessages>";
    // A broken prog.cfg leads into the port-problem message: a modal dialog is open at SIGTERM.
    QTest::newRow("prog.cfg empty") << QByteArray() << QByteArray("<VoltDivider>50</VoltDivider>");
    QTest::newRow("prog.cfg binary") << QByteArray("\x00\xff\x01<Port>\x00", 7) << QByteArray();
    QTest::newRow("prog.cfg huge") << QByteArray(3 * 1024 * 1024, '<') << QByteArray();
    QTest::newRow("settings.cfg binary") << good << QByteArray("\xff\xfe\x00<VoltDivider>", 16);
    QTest::newRow("settings.cfg huge") << good << QByteArray(3 * 1024 * 1024, 'x');
}

void FaultsTest::brokenConfiguration()
{
    QFETCH(QByteArray, progCfg);
    QFETCH(QByteArray, settingsCfg);
    ProgramFolder folder;
    folder.write("prog.cfg", progCfg);
    folder.write("settings.cfg", settingsCfg);
    ProgramProcess program(folder.path());
    QVERIFY(program.start());
    // Its start-up has begun (it makes the data folders first): the signal is dealt with after
    // it, in the port-problem message when prog.cfg is broken.
    QTRY_VERIFY(QDir(folder.file("html")).exists());
    QVERIFY(program.endWith(SIGTERM));
    QCOMPARE(folder.read("logs/Whours.txt").count("\r\n"), 1);
    QCOMPARE(folder.read("prog.cfg"), progCfg); // nothing repaired behind the user's back
}

void FaultsTest::fullDiskKeepsWholeLines()
{
    ProgramFolder folder;
    folder.writeProgramConfig("1", "1", "1");
    folder.writeCalibration();
    // Today's log already close to the limit the disk allows.
    const QString day = "logs/P_" + DateText::dateStamp(QDate::currentDate()) + ".txt";
    const QByteArray record = "<T>00:01</T><V>13.00</V><I>3.30</I><W>42.00</W><R>300</R><S>5.0</S><M>0</M>   .0Wh\r\n";
    folder.write(day, record.repeated(18));
    BoardProcess board;
    QVERIFY(board.start(folder.file("COM1"), {"--rate", "5"}));
    ProgramProcess program(folder.path());
    QVERIFY(program.start({"prlimit", "--fsize=1600", "--"}));
    QTRY_VERIFY_WITH_TIMEOUT(folder.read("errorlog.txt").contains("daily log not written"), 10000);
    // A whole interval more, whose record could not be written either: it says nothing new. (The
    // failing interval's own line may not be printed yet.)
    const qsizetype intervals = program.intervals().size();
    QTRY_VERIFY_WITH_TIMEOUT(program.intervals().size() >= intervals + 2, 10000);
    const QByteArray log = folder.read(day);
    QVERIFY(log.endsWith("\r\n"));
    QCOMPARE(log.size() % record.size(), 0); // whole records only, never half of one
    QVERIFY(folder.read("errorlog.txt").contains("daily log not written"));
    QCOMPARE(folder.read("errorlog.txt").count("daily log not written"), 1);
    QVERIFY(program.endWith(SIGTERM));
}

void FaultsTest::readOnlyProgramFolder()
{
    ProgramFolder folder;
    folder.writeProgramConfig("1", "1", "1");
    folder.writeCalibration();
    BoardProcess board;
    QVERIFY(board.start(folder.file("COM1"), {"--rate", "5"}));
    QFile::setPermissions(QFileInfo(folder.file("COM1")).canonicalFilePath(),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther | QFile::WriteOther);
    ProgramProcess program(folder.path());
    QVERIFY(program.install());
    QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther);
    // Root writes anywhere, so as root the program runs as nobody to meet the read-only folder.
    const QStringList wrapper = geteuid() == 0
                                    ? QStringList{"setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"}
                                    : QStringList{"env"};
    // Named: a program whose own folder is read-only would otherwise make one in the user's home.
    QVERIFY(program.start(wrapper, {"--folder", folder.path()}));
    // Logging every second, with nowhere to write.
    QTRY_VERIFY2_WITH_TIMEOUT(program.intervals().size() >= 2, qPrintable(program.output()), 10000);
    QVERIFY(program.endWith(SIGTERM));
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name),
             (QStringList{"COM1", "brolant", "prog.cfg", "settings.cfg"}));
}

void FaultsTest::unpluggedPinnedBoardIsNoOtherDevice_data()
{
    QTest::addColumn<QString>("program");
    QTest::newRow("brolant: the port-problem loop") << "brolant";
    QTest::newRow("brolant-logger: retries until the board is there") << "brolant-logger";
}

void FaultsTest::unpluggedPinnedBoardIsNoOtherDevice()
{
    QFETCH(QString, program);
    ProgramFolder folder;
    folder.writeProgramConfig("1", "1", "1");
    folder.writeCalibration();
    // COM1 pins the board, which is not plugged in; this machine has other serial devices.
    QVERIFY(QFile::link(folder.file("board"), folder.file("COM1")));
    ProgramProcess process(folder.path(), program);
    QVERIFY(process.start());
    QTRY_VERIFY_WITH_TIMEOUT(folder.read("errorlog.txt").contains("port not available"), 10000);
    QVERIFY2(folder.read("errorlog.txt").contains(folder.file("COM1").toLocal8Bit()),
             folder.read("errorlog.txt").constData());
    BoardProcess board; // plugged in only for the logger, and until the end
    if (program == "brolant-logger") {
        QVERIFY(board.start(folder.file("board"),
                            {"--frame", "[<V>650</V><I>577</I><R>20</R><S>9</S><M>0</M><C>1256</C>]", "--rate", "10"}));
        QTRY_VERIFY_WITH_TIMEOUT(
            folder.read("logs/P_" + DateText::dateStamp(QDate::currentDate()) + ".txt").contains("<V>13.00</V>"),
            12000);
    }
    QVERIFY(process.endWith(SIGTERM));
    QCOMPARE(folder.read("errorlog.txt").count("port not available"), 1);
}

QTEST_GUILESS_MAIN(FaultsTest)
#include "tst_faults_e2e.moc"
