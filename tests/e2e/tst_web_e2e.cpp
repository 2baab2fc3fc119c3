// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardprocess.h"
#include "config/calibrationsettings.h"
#include "hangingfile.h"
#include "headlessbrowser.h"
#include "loopback.h"
#include "platform/programpaths.h"
#include "programfolder.h"
#include "webclient.h"

#include <QDate>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QWebSocket>
#include <QtEndian>

#include <csignal>
#include <memory>
#include <utility>
#include <vector>

using namespace Brolant;

namespace {
const QByteArray kFrame("[<V>650</V><I>577</I><R>20</R><S>9</S><M>0</M><C>1256</C>]"); // 13.00 V
constexpr int kStartMilliseconds = 15000;
constexpr int kBrowserMilliseconds = 30000;
// With kLargeCalibration: 123450.00 V, 0.9 A, 111105.0 W, wind 123450, a watt-hour figure of hundreds.
const QByteArray kLargeFrame("[<V>12345</V><I>9</I><R>20</R><S>12345</S><M>0</M><C>24719</C>]");
const CalibrationSettings kLargeCalibration{QStringLiteral("0.1"), QStringLiteral("0"), QStringLiteral("10"),
                                            QStringLiteral("1"), QStringLiteral("0.1")};

// brolant-logger, the headless program, logging every second from the simulated board on a
// pseudo-terminal, with its web page on a free loopback port.
struct LoggerWithPage
{
    ProgramFolder folder;
    BoardProcess board;
    QProcess logger;
    int port = Loopback::freePort();

    // `settings`: more of web.cfg, such as "<Password>secret</Password>"; the first of two values
    // wins, so they come before the rig's own.
    explicit LoggerWithPage(const QByteArray &settings = {})
    {
        folder.writeProgramConfig("1", "0", "1");
        folder.writeCalibration();
        folder.write("web.cfg", "Web Config File\r\n\r\n" + settings
                                    + "<Enabled>1</Enabled><Listen>127.0.0.1</Listen><Port>" + QByteArray::number(port)
                                    + "</Port>\r\n");
    }
    ~LoggerWithPage()
    {
        if (logger.state() != QProcess::NotRunning) {
            ::kill(pid_t(logger.processId()), SIGTERM);
            logger.waitForFinished(10000);
        }
    }
    // Starts the board and the logger; with `waitForPage`, until the page answers.
    bool start(bool waitForPage = true, const QByteArray &frame = kFrame)
    {
        if ((!frame.isEmpty() && !board.start(folder.file("COM1"), {"--frame", QString(frame), "--rate", "5"}))
            || !QFile::copy(qEnvironmentVariable("BROLANT_BUILD_DIR") + "/brolant-logger",
                            folder.file("brolant-logger")))
            return false;
        logger.start(folder.file("brolant-logger"), {});
        return logger.waitForStarted()
               && (!waitForPage || QTest::qWaitFor([this] { return Loopback::listens(port); }, kStartMilliseconds));
    }
    // `user`: "name:password@", as a bookmark may carry it.
    QString url(const QString &path, const QString &user = {}) const
    {
        return "http://" + user + QStringLiteral("127.0.0.1:%1%2").arg(port).arg(path);
    }
    QByteArray dayLog() const
    {
        return folder.read("logs/P_" + QDate::currentDate().toString("yyyy_MM_dd").toLatin1() + ".txt");
    }
};

// The elements of the page wider than their box or than the view, and the figures whose unit no
// longer stands beside them, as the page lays them out now.
const QString kMeasure = QStringLiteral(R"js(
(() => {
  const view = document.documentElement.clientWidth;
  const named = (e) => e.tagName.toLowerCase() + (e.id ? "#" + e.id : "")
    + (typeof e.className === "string" && e.className.trim() ? "." + e.className.trim().split(/\s+/).join(".") : "");
  const problems = [];
  if (document.documentElement.scrollWidth > view)
    problems.push(`the page is ${document.documentElement.scrollWidth} px wide in a view of ${view}`);
  for (const element of document.body.querySelectorAll("*")) {
    const box = element.getBoundingClientRect();
    if (box.width === 0 || getComputedStyle(element).visibility === "hidden")
      continue;
    if (box.left < -0.5 || box.right > view + 0.5)
      problems.push(`${named(element)} reaches out of the view: ${box.left} to ${box.right} of ${view}`);
    const parent = element.parentElement.getBoundingClientRect();
    if (box.left < parent.left - 0.5 || box.right > parent.right + 0.5)
      problems.push(`${named(element)} is wider than ${named(element.parentElement)}: ${box.left} to ${box.right} in ${parent.left} to ${parent.right}`);
  }
  for (const figure of document.querySelectorAll(".figure")) {
    const value = figure.querySelector(".value").getBoundingClientRect();
    const unit = figure.querySelector(".unit").getBoundingClientRect();
    if (unit.width > 0 && (unit.left < value.right - 0.5 || unit.top >= value.bottom))
      problems.push(`the unit of ${figure.querySelector(".value").id} is not beside its figure`);
  }
  return problems;
})()
)js");

QStringList texts(const QJsonValue &array)
{
    QStringList list;
    for (const QJsonValue item : array.toArray())
        list << item.toString();
    return list;
}

// The size of a PNG picture, from its header.
QSize pngSize(const QByteArray &png)
{
    constexpr int kWidthAt = 16;
    constexpr int kHeightAt = 20;
    const auto number = [&png](int at) { return qFromBigEndian<quint32>(png.constData() + at); };
    return png.startsWith("\x89PNG\r\n\x1a\n") && png.size() > kHeightAt + 4
               ? QSize(int(number(kWidthAt)), int(number(kHeightAt)))
               : QSize();
}

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
    void namesAndOriginsAreChecked_data();
    void namesAndOriginsAreChecked();
    void oneAddressCannotTakeThePageFromEveryone();
    void refusedWebSocketsSayNoMoreThanTheirErrorLine();
    void aKeyThatIsNotTheCertificatesIsRefused();
    void metricsTellTheSentFrame();
    void thePageInstallsAsAnApp();
    void pageFitsEveryScreen_data();
    void pageFitsEveryScreen();
    void pageSaysWhenTheLoggerIsGone();

private:
    // One logger for the rows that only ask it, started by the first.
    LoggerWithPage &sharedLogger();
    std::unique_ptr<LoggerWithPage> m_shared;
};

LoggerWithPage &WebEndToEndTest::sharedLogger()
{
    if (!m_shared) {
        m_shared = std::make_unique<LoggerWithPage>("<Hosts>shed.example.org</Hosts>");
        m_shared->start();
    }
    return *m_shared;
}

void WebEndToEndTest::pushBringsTheBoardsFramesAtMostOnceASecond()
{
    LoggerWithPage rig;
    QVERIFY(rig.start());
    QWebSocket client;
    QSignalSpy messages(&client, &QWebSocket::textMessageReceived);
    client.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/api/push").arg(rig.port)));
    QTRY_VERIFY_WITH_TIMEOUT(!messages.isEmpty() && live(messages.last()[0])["texts"].toObject()["volts"] == "13.00",
                             5000);
    messages.clear();
    // A logged record is pushed too, in a message of its own: only the live ones are counted.
    QList<QJsonObject> pushes;
    const auto livePushes = [&] {
        for (; !messages.isEmpty(); messages.removeFirst())
            if (const QJsonObject reading = live(messages.first()[0]); !reading.isEmpty())
                pushes << reading;
        return pushes.size();
    };
    QTRY_VERIFY_WITH_TIMEOUT(livePushes() >= 4, 10000); // the board sends 5 frames a second meanwhile
    // When each was sent, on the logger's clocks: the reading's time and its age then.
    QList<QDateTime> sent;
    for (const QJsonObject &push : std::as_const(pushes))
        sent << QDateTime::fromString(push["time"].toString(), Qt::ISODateWithMs)
                    .addMSecs(qRound64(push["age"].toDouble() * 1000));
    // At most once a second; each age is rounded to a tenth of a second.
    for (qsizetype at = 1; at < sent.size(); ++at)
        QVERIFY2(sent[at - 1].msecsTo(sent[at]) >= 890, qPrintable(QString::number(sent[at - 1].msecsTo(sent[at]))));
    QCOMPARE(pushes.last()["volts"].toDouble(), 13.0);
}

void WebEndToEndTest::browserShowsTheVoltsSent_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QString>("user");
    QTest::newRow("no password") << QByteArray() << QString();
    QTest::newRow("password in the bookmarked address")
        << QByteArray("<Password>secret</Password>") << QStringLiteral("any:secret@");
}

void WebEndToEndTest::browserShowsTheVoltsSent()
{
    QFETCH(QByteArray, settings);
    QFETCH(QString, user);
    LoggerWithPage rig(settings);
    QVERIFY(rig.start());
    QTRY_VERIFY_WITH_TIMEOUT(
        rig.folder.read("logs/P_" + QDate::currentDate().toString("yyyy_MM_dd").toLatin1() + ".txt")
            .contains("<V>13.00</V>"),
        5000);
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
    const QByteArray inUse = QStringLiteral("port %1 is in use by another program").arg(rig.port).toLatin1();
    QTRY_VERIFY_WITH_TIMEOUT(rig.folder.read("errorlog.txt").contains(inUse), kStartMilliseconds);
    // Logging goes on; the page is tried again only every 30 seconds.
    QTRY_VERIFY_WITH_TIMEOUT(rig.dayLog().count("<V>13.00</V>") >= 2, kStartMilliseconds);
    QCOMPARE(rig.folder.read("errorlog.txt").count(inUse), 1);
}

void WebEndToEndTest::namesAndOriginsAreChecked_data()
{
    QTest::addColumn<QByteArray>(
        "headers"); // of a GET of /api/live, or with "Upgrade" of the push's WebSocket; PORT is the page's
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("logged"); // once in errorlog.txt for three such requests; empty: not looked at
    const QByteArray upgrade("Host: 127.0.0.1:PORT\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
                             "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n");
    QTest::newRow("the address it listens on") << QByteArray("Host: 127.0.0.1:PORT\r\n") << 200 << QByteArray();
    QTest::newRow("this computer's name") << "Host: " + QHostInfo::localHostName().toLatin1() + ":PORT\r\n"
                                          << 200 << QByteArray();
    QTest::newRow("a name given in Hosts") << QByteArray("Host: shed.example.org:PORT\r\n") << 200 << QByteArray();
    QTest::newRow("another site's name pointed here (DNS rebinding)")
        << QByteArray("Host: attacker.example:PORT\r\n") << 421
        << QByteArray(
               "web page refused a request  the unknown name \"attacker.example\", to be added to Hosts in web.cfg "
               "if it is this computer's, from 127.0.0.1 (the same again within 10 minutes is not logged)");
    QTest::newRow("the page opening its push") << upgrade + "Origin: http://127.0.0.1:PORT\r\n" << 101 << QByteArray();
    QTest::newRow("a script opening the push, saying no page") << upgrade << 101 << QByteArray();
    QTest::newRow("another site's page opening the push")
        << upgrade + "Origin: http://attacker.example\r\n"
        << 403
        << QByteArray("web page refused a request  a page of another site opening the live readings from 127.0.0.1");
}

void WebEndToEndTest::namesAndOriginsAreChecked()
{
    QFETCH(QByteArray, headers);
    QFETCH(int, status);
    QFETCH(QByteArray, logged);
    LoggerWithPage &rig = sharedLogger();
    const QByteArray target = headers.contains("Upgrade") ? "/api/push" : "/api/live";
    const QByteArray request = "GET " + target + " HTTP/1.1\r\n" + headers.replace("PORT", QByteArray::number(rig.port))
                               + "\r\n";
    for (int time = 0; time < 3; ++time) {
        const HttpAnswer answer = WebClient::exchange(rig.port, request);
        QCOMPARE(answer.status, status);
        if (status == 421) // says what to do about it
            QVERIFY2(answer.body.contains("\"attacker.example\"") && answer.body.contains("add it to Hosts in web.cfg"),
                     answer.body);
    }
    if (!logged.isEmpty())
        QCOMPARE(rig.folder.read("errorlog.txt").count(logged), 1);
}

void WebEndToEndTest::oneAddressCannotTakeThePageFromEveryone()
{
    LoggerWithPage rig("<Listen></Listen>"); // every network: an IPv4 client comes as ::ffff:127.0.0.2
    QVERIFY(rig.start());
    // 40 requests left half sent from one address, as a slow attack holds them.
    std::vector<std::unique_ptr<QTcpSocket>> held;
    for (int connection = 0; connection < 40; ++connection) {
        auto socket = std::make_unique<QTcpSocket>();
        QVERIFY(socket->bind(QHostAddress("127.0.0.2")));
        socket->connectToHost("127.0.0.1", quint16(rig.port));
        socket->write("GET /api/live HTTP/1.1\r\nHost: 127.0.0.1\r\n");
        held.push_back(std::move(socket));
    }
    const auto count = [&held](QAbstractSocket::SocketState state) {
        return std::count_if(held.begin(), held.end(),
                             [state](const auto &socket) { return socket->state() == state; });
    };
    QTRY_VERIFY_WITH_TIMEOUT(
        count(QAbstractSocket::ConnectedState) == 32 && count(QAbstractSocket::UnconnectedState) == 8, 5000);
    // Another address is served meanwhile, every time.
    for (int request = 0; request < 20; ++request)
        QCOMPARE(WebClient::get(rig.port, "/api/live").status, 200);
    QCOMPARE(count(QAbstractSocket::ConnectedState), 32);
    // Those turned away were told why.
    for (const auto &socket : held) {
        if (socket->state() == QAbstractSocket::UnconnectedState) {
            const QByteArray answer = socket->readAll();
            QVERIFY2(answer.startsWith("HTTP/1.1 503 Service Unavailable\r\n")
                         && answer.endsWith("\r\n\r\nAs many connections as one address may hold are open.\n"),
                     answer);
        }
    }
    QCOMPARE(rig.folder.read("errorlog.txt")
                 .count(" a connection beyond the 32 one address may hold at once from 127.0.0.2 "),
             1);
}

void WebEndToEndTest::refusedWebSocketsSayNoMoreThanTheirErrorLine()
{
    LoggerWithPage rig;
    QVERIFY(rig.start());
    const QByteArray upgrade(
        "Upgrade: websocket\r\nConnection: Upgrade\r\nSec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\n"
        "Sec-WebSocket-Version: 13\r\n");
    const QByteArray host = "Host: 127.0.0.1:" + QByteArray::number(rig.port) + "\r\n";
    // As a hostile page would, ten times each: another site's page, another site's name, no push there.
    const QList<std::pair<QByteArray, int>> requests{
        {"GET /api/push HTTP/1.1\r\n" + host + upgrade + "Origin: http://attacker.example\r\n\r\n", 403},
        {"GET /api/push HTTP/1.1\r\nHost: attacker.example\r\n" + upgrade + "\r\n", 421},
        {"GET /api/live HTTP/1.1\r\n" + host + upgrade + "\r\n", 404},
        {"GET /api/push HTTP/1.1\r\nHost: attacker.example\r\nUpgrade: websocket\r\n\r\n", 421}, // no handshake
    };
    for (const auto &[request, status] : requests) {
        for (int time = 0; time < 10; ++time)
            QCOMPARE(WebClient::exchange(rig.port, request).status, status);
    }
    QCOMPARE(WebClient::get(rig.port, "/api/live").status, 200);
    ::kill(pid_t(rig.logger.processId()), SIGTERM);
    QVERIFY(rig.logger.waitForFinished(10000));
    // The error log's line of each kind of refusal, and nothing else: under systemd this is the journal.
    const QList<QByteArray> lines = rig.logger.readAllStandardError().trimmed().split('\n');
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines[0].contains(
                 "web page refused a request  a page of another site opening the live readings from 127.0.0.1"),
             lines[0]);
    QVERIFY2(lines[1].contains("web page refused a request  the unknown name \"attacker.example\""), lines[1]);
}

void WebEndToEndTest::aKeyThatIsNotTheCertificatesIsRefused()
{
    QTemporaryDir certificates;
    QVERIFY(Loopback::makeCertificates(certificates.path()));
    QVERIFY(Loopback::makeSignedCertificate(certificates.path(), "other", "/CN=other", "subjectAltName=DNS:other\n"));
    LoggerWithPage rig("<CertFile>" + certificates.filePath("server.crt").toUtf8() + "</CertFile><KeyFile>"
                       + certificates.filePath("other.key").toUtf8() + "</KeyFile>");
    QVERIFY(rig.start(false));
    QTRY_VERIFY_WITH_TIMEOUT(rig.folder.read("errorlog.txt").contains("web page not started"), 10000);
    const QByteArray errors = rig.folder.read("errorlog.txt");
    QVERIFY2(errors.contains("HTTPS does not start with CertFile " + certificates.filePath("server.crt").toUtf8()
                             + " and KeyFile " + certificates.filePath("other.key").toUtf8()
                             + " (is the key the certificate's own?): "),
             errors);
    QVERIFY(!errors.contains("served"));
    QVERIFY(!Loopback::listens(rig.port));
    QTRY_VERIFY_WITH_TIMEOUT(rig.dayLog().contains("<V>13.00</V>"), 5000); // the logger goes on
}

void WebEndToEndTest::metricsTellTheSentFrame()
{
    LoggerWithPage rig("<Password>secret</Password>");
    QVERIFY(rig.start());
    QCOMPARE(WebClient::get(rig.port, "/metrics").status, 401); // behind the page's password
    HttpAnswer metrics;
    QTRY_VERIFY_WITH_TIMEOUT((metrics = WebClient::get(rig.port, "/metrics", WebClient::password("secret")))
                                     .body.contains("brolant_battery_volts 13\n")
                                 && !metrics.body.contains("brolant_records_total 0\n"),
                             5000);
    QCOMPARE(metrics.status, 200);
    QCOMPARE(metrics.header("Content-Type"), QByteArray("text/plain; version=0.0.4; charset=utf-8"));
    for (const char *line :
         {"brolant_charge_amperes 3.25\n", "brolant_power_watts 42.25\n", "brolant_turbine_rpm 300\n",
          "brolant_wind_speed_meters_per_second 4.5\n", "brolant_frames_total{result=\"rejected\"} 0\n",
          "brolant_frames_total{result=\"checksum\"} 0\n", "brolant_logging 1\n",
          "brolant_alarm_raised{name=\"LowVolts\"} 0\n", "brolant_port_state{state=\"open\"} 1\n",
          "brolant_port_state{state=\"retrying\"} 0\n", "brolant_broker_state{state=\"off\"} 1\n",
          "# TYPE brolant_frames_total counter\n"})
        QVERIFY2(metrics.body.contains(line), line);
    QVERIFY(!metrics.body.contains("brolant_frames_total{result=\"accepted\"} 0\n"));

    QProcess promtool;
    promtool.setProcessChannelMode(QProcess::MergedChannels);
    promtool.start("promtool", {"check", "metrics"});
    QVERIFY2(promtool.waitForStarted(), "promtool (Debian's prometheus) is needed: scripts/test installs it");
    promtool.write(metrics.body);
    promtool.closeWriteChannel();
    QVERIFY(promtool.waitForFinished());
    QVERIFY2(promtool.exitCode() == 0, promtool.readAll());
    QCOMPARE(promtool.readAll(), QByteArray()); // not a word of advice either
}

void WebEndToEndTest::thePageInstallsAsAnApp()
{
    LoggerWithPage &rig = sharedLogger();
    const QByteArray page = WebClient::get(rig.port, "/").body;
    QVERIFY(page.contains(R"(<link rel="manifest" href="/manifest.webmanifest")"));
    QVERIFY(page.contains(R"js(<meta name="theme-color" media="(prefers-color-scheme: light)")js"));
    QVERIFY(page.contains(R"js(<meta name="theme-color" media="(prefers-color-scheme: dark)")js"));
    const HttpAnswer answer = WebClient::get(rig.port, "/manifest.webmanifest");
    QCOMPARE(answer.header("Content-Type"), QByteArray("application/manifest+json"));
    const QJsonObject manifest = QJsonDocument::fromJson(answer.body).object();
    QCOMPARE(manifest["short_name"].toString(), QStringLiteral("Brolant"));
    QVERIFY(!manifest["name"].toString().isEmpty());
    QCOMPARE(manifest["display"].toString(), QStringLiteral("standalone"));
    QCOMPARE(manifest["start_url"].toString(), QStringLiteral("/"));
    QVERIFY(!manifest["theme_color"].toString().isEmpty());
    QVERIFY(!manifest["user_preferences"]["color_scheme_dark"]["theme_color"].toString().isEmpty());
    QStringList sizes;
    for (const QJsonValue icon : manifest["icons"].toArray()) {
        if (icon["type"] != "image/png")
            continue;
        const HttpAnswer png = WebClient::get(rig.port, icon["src"].toString());
        QCOMPARE(png.header("Content-Type"), QByteArray("image/png"));
        const QSize size = pngSize(png.body);
        QCOMPARE(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()), icon["sizes"].toString());
        sizes << icon["sizes"].toString();
    }
    QCOMPARE(sizes, QStringList({"192x192", "512x512"}));
}

void WebEndToEndTest::pageFitsEveryScreen_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<bool>("dark");
    QTest::addColumn<bool>("portFails");   // a port of a long path that will not open
    QTest::addColumn<QString>("language"); // the browser's
    QTest::addColumn<QString>("today");    // the caption of today's figure in that language
    QTest::newRow("phone, figures of four to six digits") << 360 << 780 << false << false << ""
                                                          << "Today";
    QTest::newRow("phone set to dark, a port of a long path that will not open") << 360 << 780 << true << true << ""
                                                                                 << "Today";
    QTest::newRow("desktop, figures of four to six digits") << 1280 << 800 << false << false << ""
                                                            << "Today";
    QTest::newRow("phone in German") << 360 << 780 << false << false << "de-DE,de;q=0.9,en;q=0.5"
                                     << "Heute";
    QTest::newRow("phone in French, a port that will not open") << 360 << 780 << false << true << "fr"
                                                                << "Aujourd’hui";
    QTest::newRow("phone in Dutch") << 360 << 780 << true << false << "nl"
                                    << "Vandaag";
    QTest::newRow("phone in Spanish") << 360 << 780 << false << false << "es"
                                      << "Hoy";
}

void WebEndToEndTest::pageFitsEveryScreen()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(bool, dark);
    QFETCH(bool, portFails);
    QFETCH(QString, language);
    QFETCH(QString, today);
    LoggerWithPage rig;
    rig.folder.write(FileName::kCalibration, kLargeCalibration.toFileText().toLatin1());
    if (portFails) { // a file, not a serial device, named as a device is under /dev/serial/by-id
        const QString device = rig.folder.file("usb-Silicon_Labs_CP2102N_USB_to_UART_Bridge_Controller_"
                                               "7a2b94c8d3e1ec11b2f0a3c1d4e5f6a7-if00-port0");
        rig.folder.write(QFileInfo(device).fileName(), QByteArray());
        QVERIFY(QFile::link(device, rig.folder.file("COM1")));
    }
    QVERIFY(rig.start(true, portFails ? QByteArray() : kLargeFrame));
    HeadlessBrowser browser;
    QVERIFY2(browser.start(), "headless Chromium (Debian's chromium) is needed: scripts/test installs it");
    QVERIFY(browser.emulate(width, height, dark, language));
    QVERIFY(browser.open(rig.url("/")));
    // The figures, today's records and the month's energy shown.
    const QString shown = portFails ? R"(document.getElementById("port").textContent.includes("CP2102N"))"
                                    : R"(document.getElementById("volts").textContent === "123450.00"
                                         && document.getElementById("watts").textContent === "111105.0"
                                         && document.getElementById("wind").textContent === "123450")";
    QTRY_VERIFY_WITH_TIMEOUT(
        browser
            .evaluate(shown + QStringLiteral(R"( && document.querySelectorAll("canvas").length === 3
                                                                       && document.getElementById("energy-summary").textContent !== "")"))
            .toBool(),
        kBrowserMilliseconds);
    QCOMPARE(browser.evaluate(R"(document.querySelectorAll(".figure .name")[3].textContent)").toString(), today);
    const QStringList problems = texts(browser.evaluate(kMeasure));
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
}

void WebEndToEndTest::pageSaysWhenTheLoggerIsGone()
{
    LoggerWithPage rig;
    QVERIFY(rig.start());
    HeadlessBrowser browser;
    QVERIFY(browser.start() && browser.emulate(360, 780) && browser.open(rig.url("/")));
    const QString offline = QStringLiteral(R"(!document.getElementById("offline").hidden
        && document.body.classList.contains("disconnected")
        && document.getElementById("offline").textContent.startsWith("No connection to the logger since "))");
    QTRY_VERIFY_WITH_TIMEOUT(
        browser.evaluate(R"(document.getElementById("connection").textContent === "live")").toBool(),
        kBrowserMilliseconds);
    QVERIFY(!browser.evaluate(offline).toBool());
    ::kill(pid_t(rig.logger.processId()), SIGTERM);
    QVERIFY(rig.logger.waitForFinished(10000));
    QTRY_VERIFY_WITH_TIMEOUT(browser.evaluate(offline).toBool(), 10000);
    QCOMPARE(browser.evaluate(R"(document.getElementById("volts").textContent)").toString(), QStringLiteral("13.00"));
}

void WebEndToEndTest::endsWhileAReadWaitsOnAFile()
{
    LoggerWithPage rig;
    QDir(rig.folder.path()).mkpath("logs");
    // A day's log of the month asked for makes whoever opens it wait, as a network share that hung
    // would (not Whours.txt: the logger's own exit line goes there).
    HangingFile day(rig.folder.file("logs/P_2026_12_01.txt"), HangingFile::Kind::Leased);
    QVERIFY(rig.start());
    QTcpSocket asking;
    asking.connectToHost(QHostAddress::LocalHost, quint16(rig.port));
    QVERIFY(asking.waitForConnected());
    asking.write(
        QStringLiteral("GET /api/energy/2026-12 HTTP/1.1\r\nHost: 127.0.0.1:%1\r\n\r\n").arg(rig.port).toLatin1());
    QTRY_VERIFY(HangingFile::hasWaitingReader(rig.logger.processId()));
    ::kill(pid_t(rig.logger.processId()), SIGTERM);
    QVERIFY(rig.logger.waitForFinished(10000));
    QCOMPARE(rig.logger.exitStatus(), QProcess::NormalExit);
    QCOMPARE(rig.logger.exitCode(), 0);
}

QTEST_MAIN(WebEndToEndTest)
#include "tst_web_e2e.moc"
