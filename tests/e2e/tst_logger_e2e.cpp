// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardprocess.h"
#include "brokerprocess.h"
#include "fakeclock.h"
#include "fakeseriallink.h"
#include "logging/dailylogline.h"
#include "problems/problemlog.h"
#include "programfolder.h"
#include "programprocess.h"
#include "session/loggersession.h"
#include "sessionprobe.h"

#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <csignal>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Brolant;

namespace {
const QByteArray kFrame("[<V>650</V><I>577</I><R>20</R><S>9</S><M>0</M><C>1256</C>]");

// A record without its time and its energy: what two loggers fed the same frames must share.
QList<QByteArray> recordValues(const QByteArray &day)
{
    static const QRegularExpression timeAndEnergy(QStringLiteral("^<T>..:..</T>|</M>.*$"));
    QList<QByteArray> values;
    for (const QByteArray &line : day.split('\n')) {
        if (line.startsWith("<T>"))
            values << QString::fromLatin1(line).remove(timeAndEnergy).toLatin1();
    }
    return values;
}

// Debian's libfaketime of this test's own architecture (the programs it starts share it: an
// emulated arm64 logger needs the arm64 one); empty when it is not installed.
QString fakeTimeLibrary()
{
    const QString path = QStringLiteral("/usr/lib/" BROLANT_LIBRARY_ARCHITECTURE "/faketime/libfaketime.so.1");
    return QFile::exists(path) ? path : QString();
}

QString today()
{
    return QDate::currentDate().toString(QStringLiteral("yyyy_MM_dd"));
}
// A socket of the test's own standing for systemd's: the logger's notifications, one datagram
// each, as they come.
class NotifySocket
{
public:
    explicit NotifySocket(const QString &path) : m_path(path)
    {
        m_socket = socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const QByteArray name = QFile::encodeName(path);
        std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
        m_bound = bind(m_socket, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0;
    }
    ~NotifySocket() { close(m_socket); }
    bool isBound() const { return m_bound; }
    // What arrived since the last call.
    QStringList received()
    {
        QStringList messages;
        char buffer[512];
        for (ssize_t size; (size = recv(m_socket, buffer, sizeof buffer, 0)) > 0;)
            messages << QString::fromLatin1(buffer, qsizetype(size));
        return messages;
    }

private:
    QString m_path;
    int m_socket = -1;
    bool m_bound = false;
};
} // namespace

// brolant-logger, the headless program, against the simulated board.
class LoggerEndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void logsLikeTheMainWindow();
    void waitsForItsPortWithoutAsking();
    void saysWhyItDoesNotLog();
    void endJustAfterMidnightClosesTheDayFirst();
    void startsCleanlyAfterAPowerCut();
    void tellsSystemdItRunsAndFeedsTheWatchdog();
};

// Run by systemd as a Type=notify service with a watchdog: READY once it runs, WATCHDOG from its
// event loop, none while the loop is stopped (then systemd restarts it), STOPPING at its end.
void LoggerEndToEndTest::tellsSystemdItRunsAndFeedsTheWatchdog()
{
    ProgramFolder folder;
    folder.writeProgramConfig("0", "1", "60");
    folder.writeCalibration();
    NotifySocket notify(folder.file("notify"));
    QVERIFY(notify.isBound());
    ProgramProcess logger(folder.path(), "brolant-logger");
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("NOTIFY_SOCKET", folder.file("notify"));
    environment.insert("WATCHDOG_USEC", "400000");
    logger.process().setProcessEnvironment(environment);
    QVERIFY(logger.start());
    QStringList messages;
    QTRY_VERIFY_WITH_TIMEOUT((messages += notify.received()).count("WATCHDOG=1") >= 3, 10000);
    QCOMPARE(messages.first(), QString("READY=1"));

    // A loop that stops feeds nothing.
    QCOMPARE(::kill(pid_t(logger.process().processId()), SIGSTOP), 0);
    QTest::qWait(300);
    notify.received(); // what was on its way before the stop
    QTest::qWait(1000);
    QCOMPARE(notify.received(), QStringList());
    QCOMPARE(::kill(pid_t(logger.process().processId()), SIGCONT), 0);
    messages.clear();
    QTRY_VERIFY_WITH_TIMEOUT((messages += notify.received()).contains("WATCHDOG=1"), 5000);

    QVERIFY(logger.endWith(SIGTERM));
    QVERIFY(notify.received().contains("STOPPING=1"));
}

void LoggerEndToEndTest::logsLikeTheMainWindow()
{
    ProgramFolder folder;
    folder.writeProgramConfig("1", "0", "1"); // LogOn 0: the logger logs all the same
    folder.writeCalibration();
    folder.write("alarms.cfg", "<HighVolts>12.5</HighVolts><Delay>0</Delay>"); // the board's 13 V is too high
    BoardProcess board;
    QVERIFY(board.start(folder.file("COM1"), {"--frame", QString(kFrame), "--rate", "10"}));
    QVERIFY(QFile::copy(qEnvironmentVariable("BROLANT_BUILD_DIR") + "/brolant-logger", folder.file("brolant-logger")));
    QProcess logger;
    logger.start(folder.file("brolant-logger"), {});
    QVERIFY(logger.waitForStarted());
    QString out;
    const auto printed = [&] { return out += QString::fromLocal8Bit(logger.readAllStandardOutput()); };
    QTRY_VERIFY2_WITH_TIMEOUT(printed().count(QStringLiteral(" Wh  (")) >= 2, qPrintable(out), 10000);
    ::kill(pid_t(logger.processId()), SIGTERM);
    QVERIFY(logger.waitForFinished(10000));
    QCOMPARE(logger.exitCode(), 0);
    printed();
    QVERIFY(out.contains(QStringLiteral("13.00 V  3.3 A  42 W  300 rpm  5 wind")));
    QVERIFY(out.endsWith(QStringLiteral("brolant-logger: ended in order\n")));
    QCOMPARE(out.count(QRegularExpression(
                 "\nalarm: \\d{4}_\\d\\d_\\d\\d  \\d\\d:\\d\\d:\\d\\d  HighVolts  raised  13.00 V\n")),
             1);

    const QByteArray day = folder.read("logs/P_" + today() + ".txt");
    const QList<QByteArray> logged = recordValues(day);
    QVERIFY(logged.size() >= 2);

    // A session of the test's own, fed the same frames, writes the same records.
    ProgramFolder reference;
    reference.writeProgramConfig("1", "1", "1");
    reference.writeCalibration();
    FakeSerialLink link;
    FakeClock clock(QDateTime::currentDateTime());
    ProblemLog problems(clock);
    LoggerSession session(reference.path(), link, clock, problems, reference.programFiles(), Attendance::Unattended);
    session.startUp();
    for (qsizetype record = 0; record < logged.size(); ++record) {
        for (int frame = 0; frame < 10; ++frame)
            link.push(kFrame);
        SessionProbe::core(session).logging.tick();
    }
    QCOMPARE(logged.mid(1), recordValues(reference.read("logs/P_" + today() + ".txt")).mid(1));
    QVERIFY(QRegularExpression("^\\d{4}_\\d\\d_\\d\\d \\d\\d:\\d\\d  [0-9.]+ Wh\r\n$")
                .match(QString::fromLatin1(folder.read("logs/Whours.txt")))
                .hasMatch());
}

void LoggerEndToEndTest::waitsForItsPortWithoutAsking()
{
    ProgramFolder folder;
    folder.writeProgramConfig("99", "0", "1"); // a number no device of this machine has
    folder.writeCalibration();
    QVERIFY(QFile::copy(qEnvironmentVariable("BROLANT_BUILD_DIR") + "/brolant-logger", folder.file("brolant-logger")));
    QProcess logger;
    logger.start(folder.file("brolant-logger"), {});
    QVERIFY(logger.waitForStarted());
    // No board: one entry, then quiet retries every 5 seconds.
    QTRY_COMPARE_WITH_TIMEOUT(folder.read("errorlog.txt").count("port not available"), 1, 10000);
    BoardProcess board;
    QVERIFY(board.start(folder.file("COM99"), {"--frame", QString(kFrame), "--rate", "10"}));
    QTRY_VERIFY_WITH_TIMEOUT(folder.read("logs/P_" + today() + ".txt").contains("<V>13.00</V>"), 9000);
    QCOMPARE(folder.read("errorlog.txt").count("port not available"), 1);
    ::kill(pid_t(logger.processId()), SIGTERM);
    QVERIFY(logger.waitForFinished(10000));
    QCOMPARE(logger.exitCode(), 0);
}

void LoggerEndToEndTest::saysWhyItDoesNotLog()
{
    ProgramFolder folder;
    folder.writeProgramConfig("1", "1", "abc");
    folder.writeCalibration();
    BoardProcess board;
    QVERIFY(board.start(folder.file("COM1"), {"--frame", QString(kFrame), "--rate", "10"}));
    ProgramProcess logger(folder.path(), "brolant-logger");
    QVERIFY(logger.start());
    const QString why = QStringLiteral("LogDelay is not a number: \"abc\"");
    QTRY_VERIFY_WITH_TIMEOUT(folder.read("errorlog.txt").contains(why.toLatin1()), 10000);
    QTRY_VERIFY_WITH_TIMEOUT(logger.output().contains(why), 10000);
    QVERIFY(logger.endWith(SIGTERM));
    QCOMPARE(folder.read("errorlog.txt").count("LogDelay"), 1);
}

// What a power cut leaves, files in half a line and NUL bytes where unsynced data was, met by
// the real logger at its next start: each torn line is ended, new lines start on their own, the
// readers get every whole record, and the error log names each file once.
void LoggerEndToEndTest::startsCleanlyAfterAPowerCut()
{
    ProgramFolder folder;
    folder.writeProgramConfig("1", "0", "1");
    folder.writeCalibration();
    folder.write("alarms.cfg", "<HighVolts>12.5</HighVolts><Delay>0</Delay>");
    const QByteArray date = today().toLatin1();
    const QByteArray dayLog = "logs/P_" + date + ".txt";
    const QByteArray whole = "<T>00:00</T><V>13.00</V><I>3.30</I><W>42.00</W><R>300</R><S>5.0</S><M>0</M>   .1Wh\r\n";
    const QByteArray tornRecord = "<T>00:01</T><V>13.00</V><I>3.3";
    folder.write(dayLog, whole + tornRecord + QByteArray(40, '\0'));
    folder.write("logs/Whours.txt", date + " 00:01  1.0 Wh\r\n" + date + " 00:0");
    folder.write("logs/alarms.txt", date + "  00:01:00  HighVolts  cleared  12.00 V\r\n" + date + "  00:01:05  High");
    BoardProcess board;
    QVERIFY(board.start(folder.file("COM1"), {"--frame", QString(kFrame), "--rate", "10"}));
    ProgramProcess logger(folder.path(), "brolant-logger");
    QVERIFY(logger.start());
    QTRY_VERIFY_WITH_TIMEOUT(folder.read(dayLog).count("<T>") >= 4 && folder.read("logs/alarms.txt").contains("raised"),
                             10000);
    QVERIFY(logger.endWith(SIGTERM));

    const QList<QByteArray> lines = folder.read(dayLog).split('\n');
    QVERIFY(folder.read(dayLog).startsWith(whole + tornRecord + "\r\n<T>"));
    QVERIFY(!folder.read(dayLog).contains('\0'));
    int records = 0;
    for (const QByteArray &line : lines)
        records += DailyLogLine::parse(line.chopped(line.endsWith('\r'))).has_value();
    QCOMPARE(records, lines.size() - 2); // all but the torn line and the empty end
    QVERIFY(folder.read("logs/Whours.txt").startsWith(date + " 00:01  1.0 Wh\r\n" + date + " 00:0\r\n" + date + " "));
    QVERIFY(folder.read("logs/alarms.txt").contains("  High\r\n" + date));
    // Raised once: the torn line is no word on the alarm, the cleared before it is.
    QCOMPARE(folder.read("logs/alarms.txt").count("HighVolts  raised"), 1);
    const QByteArray errors = folder.read("errorlog.txt");
    QCOMPARE(errors.count("file ended in half a line"), 3);
    for (const QByteArray &file : {dayLog, QByteArray("logs/Whours.txt"), QByteArray("logs/alarms.txt")})
        QVERIFY2(errors.contains(QFileInfo(folder.file(QString::fromLatin1(file))).fileName().toLatin1()),
                 errors.constData());
    QVERIFY(errors.contains("40 NUL bytes"));
}

void LoggerEndToEndTest::endJustAfterMidnightClosesTheDayFirst()
{
    ProgramFolder folder;
    folder.writeProgramConfig("1", "0", "60");
    folder.writeCalibration();
    BrokerProcess broker;
    QVERIFY(broker.start());
    QVERIFY(broker.subscribe("brolant/midnight/energy"));
    folder.write("mqtt.cfg", broker.loggerSettings("midnight"));
    BoardProcess board; // 24 V, 30 A: 720 W, a watt-hour an energy tick
    QVERIFY(board.start(folder.file("COM1"),
                        {"--frame", "[<V>1200</V><I>1112</I><R>0</R><S>0</S><M>0</M><C>2312</C>]", "--rate", "10"}));
    QVERIFY(QFile::copy(qEnvironmentVariable("BROLANT_BUILD_DIR") + "/brolant-logger", folder.file("brolant-logger")));
    // The wall clock starts at 23:59:53 and runs: one energy tick before midnight, the next at
    // about 00:00:03. Durations stay on the real monotonic clock.
    constexpr qint64 kToOneSecondPastMidnight = 8000;
    const QString libfaketime = fakeTimeLibrary();
    QVERIFY2(!libfaketime.isEmpty(), "libfaketime (Debian's faketime) is needed: scripts/test installs it");
    QProcess logger;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("LD_PRELOAD", libfaketime);
    environment.insert("FAKETIME", "@2026-11-20 23:59:53");
    environment.insert("DONT_FAKE_MONOTONIC", "1");
    logger.setProcessEnvironment(environment);
    logger.start(folder.file("brolant-logger"), {});
    QVERIFY(logger.waitForStarted());
    QElapsedTimer sinceStart;
    sinceStart.start();
    QTRY_VERIFY_WITH_TIMEOUT(sinceStart.hasExpired(kToOneSecondPastMidnight), 2 * kToOneSecondPastMidnight);
    ::kill(pid_t(logger.processId()), SIGTERM);
    QVERIFY(logger.waitForFinished(10000));
    QCOMPARE(logger.exitCode(), 0);
    const QString archive = QString::fromLatin1(folder.read("logs/Whours.txt"));
    QVERIFY2(QRegularExpression("^2026_11_21,00:00  [0-9.]+ Wh\r\n2026_11_21 00:00  [0-9.]+ Wh\r\n$")
                 .match(archive)
                 .hasMatch(),
             qPrintable(archive));
    QTRY_COMPARE_WITH_TIMEOUT(broker.heard().filter(" brolant/midnight/energy ").size(), 1, 20000);
    QVERIFY(broker.heard().first().contains("\"date\":\"2026-11-20\""));
}

QTEST_GUILESS_MAIN(LoggerEndToEndTest)
#include "tst_logger_e2e.moc"
