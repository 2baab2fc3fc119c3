#include "boardprocess.h"
#include "loopback.h"
#include "pipe.h"
#include "programfolder.h"

#include <QDate>
#include <QDeadlineTimer>
#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QWebSocket>

#include <csignal>

namespace {
const QByteArray kFrame("[<V>650</V><I>577</I><R>20</R><S>9</S><M>0</M><C>1256</C>]"); // 13.00 V
constexpr int kStartMilliseconds = 15000;

// brolant-logger, the headless program, logging every second from the simulated board on a
// pseudo-terminal, with its web page on a free loopback port.
struct LoggerWithPage
{
    ProgramFolder folder;
    BoardProcess board;
    QProcess logger;
    int port = Loopback::freePort();

    explicit LoggerWithPage(const QByteArray &password = {})
    {
        folder.writeProgramConfig("1", "0", "1");
        folder.writeCalibration();
        folder.write("web.cfg", "Web Config File\r\n\r\n<Enabled>1</Enabled><Listen>127.0.0.1</Listen><Port>"
                                    + QByteArray::number(port) + "</Port><Password>" + password + "</Password>\r\n");
    }
    ~LoggerWithPage()
    {
        if (logger.state() != QProcess::NotRunning) {
            ::kill(pid_t(logger.processId()), SIGTERM);
            logger.waitForFinished(10000);
        }
    }
    // Starts the board and the logger; with `waitForPage`, until the page answers.
    bool start(bool waitForPage = true)
    {
        if (!board.start(folder.file("COM1"), {"--frame", QString(kFrame), "--rate", "5"})
            || !QFile::copy(qEnvironmentVariable("BROLANT_BUILD_DIR") + "/brolant-logger", folder.file("brolant-logger")))
            return false;
        logger.start(folder.file("brolant-logger"), {});
        const QDeadlineTimer deadline(kStartMilliseconds);
        while (waitForPage && !Loopback::listens(port) && !deadline.hasExpired())
            QTest::qWait(20);
        return logger.waitForStarted() && (!waitForPage || Loopback::listens(port));
    }
    // `user`: "name:password@", as a bookmark may carry it.
    QString url(const QString &path, const QString &user = {}) const
    {
        return "http://" + user + QStringLiteral("127.0.0.1:%1%2").arg(port).arg(path);
    }
};

QJsonObject live(const QVariant &message)
{
    return QJsonDocument::fromJson(message.toString().toUtf8()).object()["live"].toObject();
}
} // namespace

// The web page of the real headless logger, fed by the simulated board through a pseudo-terminal.
class WebEndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void pushBringsTheBoardsFramesAtMostOnceASecond();
    void browserShowsTheVoltsSent_data();
    void browserShowsTheVoltsSent();
    void portInUseIsReportedOnceAndLoggingGoesOn();
    void endsWhileAReadWaitsOnAFile();
};

void WebEndToEndTest::pushBringsTheBoardsFramesAtMostOnceASecond()
{
    LoggerWithPage rig;
    QVERIFY(rig.start());
    QWebSocket client;
    QSignalSpy messages(&client, &QWebSocket::textMessageReceived);
    client.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/api/push").arg(rig.port)));
    QTRY_VERIFY_WITH_TIMEOUT(!messages.isEmpty() && live(messages.last()[0])["texts"].toObject()["volts"] == "13.00", 5000);
    messages.clear();
    QTest::qWait(3200); // the board sends 16 frames meanwhile
    // A logged record is pushed too, in a message of its own: only the live ones are counted.
    QList<QJsonObject> pushes;
    for (const QList<QVariant> &message : std::as_const(messages)) {
        if (const QJsonObject reading = live(message[0]); !reading.isEmpty())
            pushes << reading;
    }
    QVERIFY2(pushes.size() >= 2 && pushes.size() <= 4, qPrintable(QString::number(pushes.size())));
    QCOMPARE(pushes.last()["volts"].toDouble(), 13.0);
}

void WebEndToEndTest::browserShowsTheVoltsSent_data()
{
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<QString>("user");
    QTest::newRow("no password") << QByteArray() << QString();
    QTest::newRow("password in the bookmarked address") << QByteArray("secret") << QStringLiteral("any:secret@");
}

void WebEndToEndTest::browserShowsTheVoltsSent()
{
    QFETCH(QByteArray, password);
    QFETCH(QString, user);
    LoggerWithPage rig(password);
    QVERIFY(rig.start());
    QTRY_VERIFY_WITH_TIMEOUT(rig.folder.read("logs/P_" + QDate::currentDate().toString("yyyy_MM_dd").toLatin1() + ".txt")
                                 .contains("<V>13.00</V>"), 5000);
    QTemporaryDir profile;
    QProcess browser;
    browser.start("chromium", {"--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                               "--disable-background-networking", "--disable-component-update", "--disable-sync",
                               "--user-data-dir=" + profile.path(), "--virtual-time-budget=5000", "--dump-dom",
                               rig.url("/", user)});
    QVERIFY2(browser.waitForStarted(), "headless Chromium (Debian's chromium) is needed: scripts/test installs it");
    QVERIFY(browser.waitForFinished(60000));
    const QByteArray dom = browser.readAllStandardOutput();
    QVERIFY2(dom.contains(R"(<span class="value" id="volts">13.00</span>)"), dom.left(2000));
    QVERIFY(dom.contains(R"(<span class="value" id="watts">42.3</span>)"));
    QVERIFY(dom.contains("records.")); // today's chart, from the log the logger is writing
    QVERIFY(dom.contains(R"(<canvas)"));
}

void WebEndToEndTest::portInUseIsReportedOnceAndLoggingGoesOn()
{
    LoggerWithPage rig;
    QTcpServer other;
    QVERIFY(other.listen(QHostAddress::LocalHost, quint16(rig.port)));
    QVERIFY(rig.start(false));
    QTest::qWait(3500);
    const QByteArray errors = rig.folder.read("errorlog.txt");
    QCOMPARE(errors.count(QStringLiteral("port %1 is in use by another program").arg(rig.port).toLatin1()), 1);
    const QByteArray day = rig.folder.read("logs/P_" + QDate::currentDate().toString("yyyy_MM_dd").toLatin1() + ".txt");
    QVERIFY2(day.count("<V>13.00</V>") >= 2, day);
}

void WebEndToEndTest::endsWhileAReadWaitsOnAFile()
{
    LoggerWithPage rig;
    QDir(rig.folder.path()).mkpath("logs");
    // Whours.txt makes whoever opens it wait, as a network share that hung would.
    Pipe archive(rig.folder.file("logs/Whours.txt"));
    QVERIFY(rig.start());
    QTcpSocket asking;
    asking.connectToHost(QHostAddress::LocalHost, quint16(rig.port));
    QVERIFY(asking.waitForConnected());
    asking.write(QStringLiteral("GET /api/energy/2026-12 HTTP/1.1\r\nHost: 127.0.0.1:%1\r\n\r\n").arg(rig.port).toLatin1());
    QTRY_VERIFY(Pipe::hasWaitingReader(rig.logger.processId()));
    ::kill(pid_t(rig.logger.processId()), SIGTERM);
    QVERIFY(rig.logger.waitForFinished(10000));
    QCOMPARE(rig.logger.exitStatus(), QProcess::NormalExit);
    QCOMPARE(rig.logger.exitCode(), 0);
}

QTEST_MAIN(WebEndToEndTest)
#include "tst_web_e2e.moc"
