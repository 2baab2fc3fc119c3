// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/alarmservice.h"
#include "app/errorreporter.h"
#include "dialogs/setup/ui/programsetup.h"
#include "dialogs/web/webdialog.h"
#include "fakeclock.h"
#include "fakeseriallink.h"
#include "history/historyloader.h"
#include "history/ui/historywidgets.h"
#include "history/ui/powercurvetab.h"
#include "loopback.h"
#include "problems/problemlog.h"
#include "programfolder.h"
#include "publishing/mqttpublishing.h"
#include "recordingview.h"
#include "screenreader.h"
#include "scriptedprompts.h"
#include "session/loggersession.h"
#include "sessionprobe.h"
#include "settings/settingsstore.h"
#include "web/pagetexts.h"
#include "web/webdashboard.h"
#include "web/webserver.h"
#include "web/websettings.h"
#include "webclient.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QHostInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QSslSocket>
#include <QTableWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QWebSocket>

#include <memory>
#include <vector>

using namespace Brolant;

namespace {
const QByteArray kFrame("[<V>650</V><I>577</I><R>20</R><S>9</S><M>0</M><C>1256</C>]"); // 13.00 V
const QByteArray kPassword("s3cret");

// A known day, a day of today's and the energy archive, written as the logger writes them: a
// record with a miscounted rpm (read as 0), an empty line, and a record out of time order.
const QByteArray kDay("<T>10:00</T><V>12.50</V><I>2.00</I><W>25.00</W><R>120</R><S>3.0</S><M>0</M>   10.0Wh\r\n"
                      "<T>10:01</T><V>12.61</V><I>3.50</I><W>44.00</W><R>600</R><S>4.0</S><M>0</M>   10.7Wh\r\n"
                      "\r\n"
                      "<T>09:59</T><V>12.40</V><I>1.00</I><W>12.00</W><R>80</R><S>2.5</S><M>0</M>   9.9Wh\r\n");
const QByteArray kToday("<T>14:03</T><V>13.00</V><I>3.30</I><W>42.00</W><R>300</R><S>5.0</S><M>0</M>   .1Wh\r\n"
                        "<T>14:04</T><V>13.10</V><I>4.00</I><W>52.00</W><R>320</R><S>6.0</S><M>0</M>   .9Wh\r\n");
const QByteArray kArchive("2026_12_06 10:05  40.5 Wh\r\n2026_12_07,00:00  1234.6 Wh\r\n");

// A program folder with the known days and web.cfg for a free loopback port, written before the
// logger starts (a change of web.cfg afterwards starts the page again).
struct WebFolder
{
    ProgramFolder folder;
    int port = Loopback::freePort();

    explicit WebFolder(const QByteArray &settings)
    {
        folder.writeProgramConfig("1", "1", "60");
        folder.writeCalibration();
        folder.write("logs/P_2026_12_06.txt", kDay);
        folder.write("logs/P_2026_12_07.txt", kToday);
        folder.write("logs/Whours.txt", kArchive);
        writeSettings(settings);
    }
    void writeSettings(const QByteArray &settings) const
    {
        // The first of two values wins: the test's own come first.
        folder.write("web.cfg", "Web Config File\r\n\r\n" + settings
                                    + "<Enabled>1</Enabled><Listen>127.0.0.1</Listen><Port>" + QByteArray::number(port)
                                    + "</Port>");
    }
};

// A logger with its web page over such a folder, a port the test feeds and a clock the test sets.
struct WebRig : WebFolder
{
    RecordingView view;
    FakeSerialLink link;
    FakeClock clock{QDateTime(QDate(2026, 12, 7), QTime(14, 5, 10))};
    ProblemLog problems{clock};
    LoggerSession session{folder.path(), link, clock, problems, folder.programFiles(), Attendance::Unattended};
    ErrorReporter errors{folder.path(), clock, problems, view};
    SettingsStore store{folder.path()};
    MqttPublishing publishing{session, problems};
    AlarmService alarms{session, clock, problems, store.alarms()};
    std::unique_ptr<WebDashboard> web;

    explicit WebRig(const QByteArray &settings = QByteArray(), const WebLimits &limits = WebLimits())
        : WebFolder(settings)
    {
        errors.listenTo(session);
        session.startUp();
        web = std::make_unique<WebDashboard>(session, clock, problems, alarms, publishing, limits);
        QObject::connect(&store, &SettingsStore::webSettingsChanged, web.get(), &WebDashboard::apply);
        web->start(store.web());
    }
    HttpAnswer get(const QString &target, const QByteArray &headers = QByteArray()) const
    {
        return WebClient::get(port, target, headers);
    }
    QByteArray errorLog() const { return folder.read("errorlog.txt"); }
};

QJsonObject json(const QByteArray &text)
{
    return QJsonDocument::fromJson(text).object();
}
} // namespace

// The web page's server in the logger's own process: its settings, routes, limits and push.
class WebTest : public QObject
{
    Q_OBJECT

private slots:
    void pageLanguage_data();
    void pageLanguage();
    void everyPageTextIsTranslatable();
    void settingsFile_data();
    void settingsFile();
    void routes_data();
    void routes();
    void energyOfTheMonthAsTheHistoryCountsIt();
    void energyIsCountedOnTheLoggersDay();
    void todaysLaterRecordsCountTheirOwnSteps();
    void unreadableFilesAreSaid_data();
    void unreadableFilesAreSaid();
    void hostileRequests_data();
    void hostileRequests();
    void slowAndIdleClientsAreCutOff();
    void tooManyConnectionsAreTurnedAway();
    void namesAndOrigins_data();
    void namesAndOrigins();
    void pushesOpenedAtOnceKeepToTheLimit();
    void portFreeAgainIsSaid();
    void pushCarriesFramesAndRecords();
    void pushWithAPasswordNeedsTheTicket();
    void httpsWithACertificate();
    void silentConnectionsLeaveHttpsServed();
    void manyAddressesLeaveRoomForAnother();
    void settingsApplyAtOnce();
    void performanceIsTheSameOnThePageInTheTabAndItsCsv();
    void dialogShowsTheAddressAndSaves_data();
    void dialogShowsTheAddressAndSaves();
};

void WebTest::settingsFile_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected"); // enabled port listen secure, or the refusal
    QTest::newRow("empty file: the defaults") << ""
                                              << "0 8080  plain";
    QTest::newRow("every value")
        << "<Enabled>1</Enabled><Port>8088</Port><Listen> 192.168.1.20 </Listen><Password>pw</Password>"
        << "1 8088 192.168.1.20 plain";
    QTest::newRow("port 0 refused") << "<Port>0</Port>"
                                    << "Port must be a whole number from 1 to 65535, not \"0\"";
    QTest::newRow("port beyond the range refused") << "<Port>70000</Port>"
                                                   << "Port must be a whole number from 1 to 65535, not \"70000\"";
    QTest::newRow("a port too large for any number type")
        << "<Port>1e300</Port>"
        << "Port must be a whole number from 1 to 65535, not \"1e300\"";
    QTest::newRow("enabled neither 0 nor 1") << "<Enabled>2</Enabled>"
                                             << "Enabled must be 0 or 1, not \"2\"";
    QTest::newRow("listen on a name refused")
        << "<Listen>shed.local</Listen>"
        << "Listen must be an address of this computer such as 192.168.1.20, or empty for every network, not \"shed.local\"";
    QTest::newRow("password with a line break") << "<Password>a\nb</Password>"
                                                << "Password holds control characters or is longer than 255 characters";
    QTest::newRow("certificate without a key") << "<CertFile>CERT</CertFile>"
                                               << "CertFile and KeyFile go together: set both for HTTPS, or neither";
    QTest::newRow("a key that is no file") << "<CertFile>CERT</CertFile><KeyFile>/nonexistent/key.pem</KeyFile>"
                                           << "KeyFile /nonexistent/key.pem is not a file";
    QTest::newRow("certificate and key: HTTPS") << "<CertFile>CERT</CertFile><KeyFile>CERT</KeyFile>"
                                                << "0 8080  secure";
    QTest::newRow("other names, blanks and an empty entry passed over")
        << "<Hosts> shed.example.org,pi.fritz.box. , ,my_nas</Hosts>"
        << "0 8080  plain shed.example.org|pi.fritz.box.|my_nas";
    QTest::newRow("a name with a blank refused")
        << "<Hosts>shed.example.org, my shed</Hosts>"
        << "Hosts must be names separated by commas, such as shed.example.org, not \"my shed\"";
    QTest::newRow("a name with a port refused, quoted whole")
        << "<Hosts>shed.dyndns.example:8080</Hosts>"
        << "Hosts must be names separated by commas, such as shed.example.org, not \"shed.dyndns.example:8080\"";
    QTest::newRow("a name too long to quote whole, cut visibly")
        << "<Hosts>" + QString(70, u'a') + ":8080</Hosts>"
        << "Hosts must be names separated by commas, such as shed.example.org, not \"" + QString(64, u'a') + "...\"";
}

void WebTest::settingsFile()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QTemporaryDir folder;
    const QString certificate = folder.filePath("cert.pem");
    QFile(certificate).open(QIODevice::WriteOnly);
    QString outcome;
    if (const Result<WebSettings> settings = WebSettings::fromText(text.replace("CERT", certificate))) {
        outcome = QStringLiteral("%1 %2 %3 %4")
                      .arg(settings->enabled)
                      .arg(settings->port)
                      .arg(settings->listen, settings->secure() ? "secure" : "plain");
        if (!settings->hosts.isEmpty())
            outcome += u' ' + settings->hosts.join(u'|');
    } else {
        outcome = settings.failure().description;
    }
    QCOMPARE(outcome, expected);
}

void WebTest::routes_data()
{
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body"); // exactly; empty: not looked at
    const auto get = [](const QByteArray &target) { return "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n"; };
    QTest::newRow("a known day, column by column in file order")
        << get("/api/day/2026-12-06") << 200
        << QByteArray(R"({"amps":[2,3.5,1],"date":"2026-12-06","rpm":[120,0,80],"time":["10:00","10:01","09:59"],)"
                      R"("volts":[12.5,12.61,12.4],"watts":[25,44,12],"wind":[3,4,2.5]})");
    QTest::newRow("a day without a log has no records")
        << get("/api/day/2026-12-08") << 200
        << QByteArray(R"({"amps":[],"date":"2026-12-08","rpm":[],"time":[],"volts":[],"watts":[],"wind":[]})");
    QTest::newRow("the day's log to download, as it is") << get("/api/day/2026-12-06.txt") << 200 << kDay;
    QTest::newRow("the month's energy as the window exports it")
        << get("/api/energy/2026-12.csv") << 200 << QByteArray("Date,Wh\r\n2026_12_06,1275.1\r\n2026_12_07,1.6\r\n");
    QTest::newRow("the power curve of two days")
        << get("/api/powercurve?from=2026-12-06&to=2026-12-07") << 200
        << QByteArray(R"({"bins":[{"faint":true,"maxWatts":12,"meanWatts":12,"meanWind":2.5,"records":1,"wind":2},)"
                      R"({"faint":true,"maxWatts":25,"meanWatts":25,"meanWind":3,"records":1,"wind":3},)"
                      R"({"faint":true,"maxWatts":44,"meanWatts":44,"meanWind":4,"records":1,"wind":4},)"
                      R"({"faint":true,"maxWatts":42,"meanWatts":42,"meanWind":5,"records":1,"wind":5},)"
                      R"({"faint":true,"maxWatts":52,"meanWatts":52,"meanWind":6,"records":1,"wind":6}],)"
                      R"("from":"2026-12-06","records":5,"to":"2026-12-07","unreadable":[]})");
    QTest::newRow("the power curve as the window exports it")
        << get("/api/powercurve.csv?from=2026-12-07&to=2026-12-07") << 200
        << QByteArray("Wind,Records,MeanWatts,MaxWatts\r\n5,1,42.0,42.0\r\n6,1,52.0,52.0\r\n");
    QTest::newRow("no alarm raised") << get("/api/alarms") << 200 << QByteArray(R"({"cleared":[],"raised":[]})");
    QTest::newRow("the page itself") << get("/") << 200 << QByteArray();
    QTest::newRow("a day that does not exist")
        << get("/api/day/2026-02-30") << 400
        << QByteArray("Not a date: \"2026-02-30\". Write a day as yyyy-mm-dd, for example 2026-12-07.\n");
    QTest::newRow("a month that does not exist")
        << get("/api/energy/2026-13") << 400
        << QByteArray("Not a month: \"2026-13\". Write a month as yyyy-mm, for example 2026-12.\n");
    QTest::newRow("a range the wrong way round") << get("/api/powercurve?from=2026-12-08&to=2026-12-07") << 400
                                                 << QByteArray("from (2026-12-08) is after to (2026-12-07).\n");
    QTest::newRow("a range over a year") << get("/api/powercurve?from=2025-01-01&to=2026-12-07") << 400
                                         << QByteArray(
                                                "At most 366 days at a time: 2025-01-01 to 2026-12-07 is 706 days.\n");
    QTest::newRow("a range that is no date") << get("/api/powercurve?from=yesterday") << 400 << QByteArray();
    QTest::newRow("a settings file beside the page") << get("/../prog.cfg") << 404 << QByteArray("Not found.\n");
    QTest::newRow("the same, its dots encoded") << get("/%2e%2e/prog.cfg") << 404 << QByteArray("Not found.\n");
    QTest::newRow("the same behind a day") << get("/api/day/../../prog.cfg") << 404 << QByteArray("Not found.\n");
    QTest::newRow("web.cfg by its name") << get("/web.cfg") << 404 << QByteArray("Not found.\n");
    QTest::newRow("a request that would change something")
        << QByteArray("POST /api/live HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: 2\r\n\r\n{}") << 405
        << QByteArray("The page only reads: GET and HEAD.\n");
}

void WebTest::routes()
{
    QFETCH(QByteArray, request);
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    WebRig rig;
    QVERIFY(rig.web->isServing());
    const QByteArray before = rig.folder.read("logs/P_2026_12_06.txt") + rig.folder.read("prog.cfg");
    const HttpAnswer answer = WebClient::exchange(rig.port, request);
    QCOMPARE(answer.status, status);
    if (!body.isEmpty())
        QCOMPARE(answer.body, body);
    QCOMPARE(rig.folder.read("logs/P_2026_12_06.txt") + rig.folder.read("prog.cfg"), before);
    QCOMPARE(rig.errorLog(), QByteArray()); // a mistaken request is the asker's news, not the logger's
}

void WebTest::energyOfTheMonthAsTheHistoryCountsIt()
{
    WebRig rig;
    const QJsonObject energy = json(rig.get("/api/energy/2026-12").body);
    const QJsonArray days = energy["days"].toArray();
    QCOMPARE(days.size(), 31);
    QCOMPARE(days[0].toObject()["wh"], QJsonValue(QJsonValue::Null));
    // The archive's exit line and the midnight line that closes the day.
    QCOMPARE(days[5].toObject(), QJsonObject({{"date", "2026-12-06"}, {"wh", 1275.1}, {"computed", false}}));
    // Today has no archive line: computed from its log, each record over its minute.
    QCOMPARE(days[6].toObject(), QJsonObject({{"date", "2026-12-07"}, {"wh", 1.6}, {"computed", true}}));
    QCOMPARE(energy["total"].toDouble(), 1276.7);
    QCOMPARE(energy["mean"].toDouble(), 638.3);
}

void WebTest::todaysLaterRecordsCountTheirOwnSteps()
{
    WebRig rig;
    const QDate today = rig.clock.now().date();
    // A run ended with its line at 06:00; then logging every 5 s at 400 W, started and stopped
    // in the middle of minutes: 90 s of every three minutes, 10 Wh each time, twenty times.
    QByteArray log;
    for (int run = 0; run < 20; ++run)
        for (int second = 6 * 3600 + 100 + run * 180, end = second + 90; second < end; second += 5)
            log += "<T>" + QTime(0, 0).addSecs(second).toString("HH:mm").toLatin1()
                   + "</T><V>12.50</V><I>32.00</I><W>400.00</W><R>300</R><S>9.0</S><M>0</M>   1.0Wh\r\n";
    rig.folder.write("logs/P_" + today.toString("yyyy_MM_dd") + ".txt", log);
    rig.folder.write("logs/Whours.txt", today.toString("yyyy_MM_dd").toLatin1() + " 06:00  100.0 Wh\r\n");
    const QJsonArray days = json(rig.get("/api/energy/" + today.toString("yyyy-MM")).body)["days"].toArray();
    QCOMPARE(days[today.day() - 1].toObject(),
             QJsonObject({{"date", today.toString(Qt::ISODate)}, {"wh", 300.0}, {"computed", true}}));
}

void WebTest::energyIsCountedOnTheLoggersDay()
{
    WebRig rig;
    // On the logger's 10 March 2010, a line dated the 20th is a clock's mistake, whatever the
    // computer's own date.
    rig.folder.write("logs/Whours.txt", "2010_03_05 18:00  100.0 Wh\r\n2010_03_20 18:00  200.0 Wh\r\n");
    rig.clock.setWallClock(QDateTime(QDate(2010, 3, 10), QTime(12, 0)));
    QCOMPARE(json(rig.get("/api/energy/2010-03").body)["total"].toDouble(), 100.0);
}

void WebTest::unreadableFilesAreSaid_data()
{
    QTest::addColumn<QString>("file"); // made a folder, which no one can read as a file
    QTest::addColumn<QString>("target");
    QTest::newRow("Whours.txt, in the month's energy") << "logs/Whours.txt"
                                                       << "/api/energy/2026-12";
    QTest::newRow("today's log, in the month's energy") << "logs/P_2026_12_07.txt"
                                                        << "/api/energy/2026-12";
    QTest::newRow("a daily log, in the power curve") << "logs/P_2026_12_06.txt"
                                                     << "/api/powercurve?from=2026-12-06&to=2026-12-07";
}

void WebTest::unreadableFilesAreSaid()
{
    QFETCH(QString, file);
    QFETCH(QString, target);
    WebRig rig;
    QVERIFY(QFile::remove(rig.folder.file(file)) && QDir().mkdir(rig.folder.file(file)));
    const QJsonArray unreadable = json(rig.get(target).body)["unreadable"].toArray();
    QCOMPARE(unreadable.size(), 1);
    QCOMPARE(unreadable[0].toObject()["file"].toString(), QFileInfo(file).fileName());
    QVERIFY(!unreadable[0].toObject()["reason"].toString().isEmpty());
}

void WebTest::hostileRequests_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QByteArray>("request");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("logged"); // in errorlog.txt once for three such requests; empty: never
    const QByteArray get("GET /api/live HTTP/1.1\r\nHost: 127.0.0.1\r\n");
    QTest::newRow("headers larger than allowed")
        << QByteArray() << get + "X-Padding: " + QByteArray(20000, 'a') + "\r\n\r\n"
        << 431 << "a request's headers were larger than 8192 bytes from 127.0.0.1";
    QTest::newRow("a body larger than allowed")
        << QByteArray() << get + "Content-Length: 5000\r\n\r\n" + QByteArray(5000, 'b') << 413
        << "a request carried more than 1024 bytes from 127.0.0.1";
    QTest::newRow("a wrong password") << "<Password>" + kPassword + "</Password>"
                                      << get + WebClient::password("guess") + "\r\n"
                                      << 401 << "a wrong password from 127.0.0.1";
    QTest::newRow("no password yet: a browser's first ask") << "<Password>" + kPassword + "</Password>" << get + "\r\n"
                                                            << 401 << QString();
    QTest::newRow("the right password, any user name")
        << "<Password>" + kPassword + "</Password>" << get + WebClient::password(kPassword) + "\r\n"
        << 200 << QString();
}

void WebTest::hostileRequests()
{
    QFETCH(QByteArray, settings);
    QFETCH(QByteArray, request);
    QFETCH(int, status);
    QFETCH(QString, logged);
    WebRig rig(settings);
    for (int time = 0; time < 3; ++time)
        QCOMPARE(WebClient::exchange(rig.port, request).status, status);
    QCOMPARE(rig.errorLog().count(ProblemKind::of(Problem::WebRequestRefused).stage.toLatin1()),
             logged.isEmpty() ? 0 : 1);
    QVERIFY2(rig.errorLog().contains(logged.toLatin1()), rig.errorLog());
}

void WebTest::slowAndIdleClientsAreCutOff()
{
    WebRig rig;
    QTcpSocket slow;
    QTcpSocket idle;
    slow.connectToHost("127.0.0.1", quint16(rig.port));
    idle.connectToHost("127.0.0.1", quint16(rig.port));
    QVERIFY(slow.waitForConnected() && idle.waitForConnected());
    slow.write("GET /api/live HTTP/1.1\r\nHost: 127.0.0.1\r\n"); // and never the blank line
    QVERIFY(slow.waitForBytesWritten());
    // A request answered after it: the server has read the half-sent one too, and timed its start.
    QCOMPARE(rig.get("/api/live").status, 200);
    rig.clock.advance(10'500); // the request's time is up
    QTRY_COMPARE(slow.state(), QAbstractSocket::UnconnectedState);
    QCOMPARE(idle.state(), QAbstractSocket::ConnectedState); // nothing asked: idle for a while yet
    rig.clock.advance(20'000);
    QTRY_COMPARE(idle.state(), QAbstractSocket::UnconnectedState);
    // Only the half-sent request was refused; an idle connection closes as any server closes one.
    QCOMPARE(rig.errorLog().count(ProblemKind::of(Problem::WebRequestRefused).stage.toLatin1()), 1);
    QVERIFY(rig.errorLog().contains("a request took longer than 10 seconds to arrive from 127.0.0.1"));
    QCOMPARE(rig.get("/api/live").status, 200);
}

void WebTest::tooManyConnectionsAreTurnedAway()
{
    WebLimits limits;
    limits.connections = 2;
    limits.burst = 3;
    WebRig rig(QByteArray(), limits);
    QTcpSocket first;
    QTcpSocket second;
    QTcpSocket third;
    for (QTcpSocket *socket : {&first, &second, &third})
        socket->connectToHost("127.0.0.1", quint16(rig.port));
    QTRY_COMPARE(third.state(), QAbstractSocket::UnconnectedState);
    const QByteArray answer = third.readAll();
    QVERIFY2(answer.startsWith("HTTP/1.1 503 Service Unavailable\r\n")
                 && answer.endsWith("\r\n\r\nAs many connections as can be served are open.\n"),
             answer);
    QCOMPARE(first.state(), QAbstractSocket::ConnectedState);
    first.abort();
    second.abort();
    QTRY_COMPARE(rig.web->server()->guard().watched(), 0);
    // One client's requests: a burst, then no more until time has passed.
    QList<int> statuses;
    for (int request = 0; request < 5; ++request)
        statuses << rig.get("/api/live").status;
    QCOMPARE(statuses, QList<int>({200, 200, 200, 429, 429}));
    rig.clock.advance(1000);
    QCOMPARE(rig.get("/api/live").status, 200);
    QCOMPARE(rig.errorLog().count(ProblemKind::of(Problem::WebRequestRefused).stage.toLatin1()), 2);
    QVERIFY(rig.errorLog().contains("more than 2 connections at once from 127.0.0.1"));
    QVERIFY(rig.errorLog().contains("more than 3 requests at once, or 20 a second from 127.0.0.1"));
}

void WebTest::namesAndOrigins_data()
{
    QTest::addColumn<QByteArray>("request"); // PORT is the page's
    QTest::addColumn<int>("status");
    const QByteArray upgrade("GET /api/push HTTP/1.1\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
                             "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n");
    const auto get = [](const QByteArray &host) { return "GET /api/live HTTP/1.1\r\nHost: " + host + "\r\n\r\n"; };
    QTest::newRow("an IPv6 address in brackets") << get("[::1]:PORT") << 200;
    QTest::newRow("an IPv6 address without its brackets") << get("::1") << 421;
    QTest::newRow("a name in capitals, with its final dot") << get("LOCALHOST.:PORT") << 200;
    QTest::newRow("this computer's name on the local network")
        << get(QHostInfo::localHostName().toLatin1() + ".local") << 200;
    QTest::newRow("a name given in Hosts, without a port") << get("shed.example.org") << 200;
    QTest::newRow("an address followed by another site's name") << get("127.0.0.1.attacker.example") << 421;
    QTest::newRow("a port that is no port") << get("127.0.0.1:99999") << 421;
    QTest::newRow("no name at all: a script") << QByteArray("GET /api/live HTTP/1.0\r\n\r\n") << 200;
    QTest::newRow("the page's own origin, in capitals")
        << upgrade + "Host: localhost:PORT\r\nOrigin: http://LOCALHOST:PORT\r\n\r\n"
        << 101;
    QTest::newRow("the page's name on another port")
        << upgrade + "Host: 127.0.0.1:PORT\r\nOrigin: http://127.0.0.1:1\r\n\r\n"
        << 403;
    QTest::newRow("a sandboxed page, its origin null") << upgrade + "Host: 127.0.0.1:PORT\r\nOrigin: null\r\n\r\n"
                                                       << 403;
    QTest::newRow("a WebSocket asked without Connection: Upgrade, which is no handshake")
        << QByteArray("GET /api/push HTTP/1.1\r\nHost: 127.0.0.1:PORT\r\nUpgrade: websocket\r\n\r\n") << 400;
    QTest::newRow("https where the page is plain")
        << upgrade + "Host: 127.0.0.1:PORT\r\nOrigin: https://127.0.0.1:PORT\r\n\r\n"
        << 403;
}

void WebTest::namesAndOrigins()
{
    QFETCH(QByteArray, request);
    QFETCH(int, status);
    WebRig rig("<Hosts>shed.example.org</Hosts>");
    QCOMPARE(WebClient::exchange(rig.port, request.replace("PORT", QByteArray::number(rig.port))).status, status);
    // Nothing is left of a connection once it is answered, a refused WebSocket's included.
    QTRY_COMPARE(rig.web->server()->findChildren<QTcpSocket *>().size(), 0);
}

void WebTest::pushesOpenedAtOnceKeepToTheLimit()
{
    WebLimits limits;
    limits.pushClients = 5;
    WebRig rig(QByteArray(), limits);
    // All asked for before the server has answered any.
    std::vector<std::unique_ptr<QWebSocket>> clients;
    for (int client = 0; client < 12; ++client) {
        clients.push_back(std::make_unique<QWebSocket>());
        clients.back()->open(QUrl(QStringLiteral("ws://127.0.0.1:%1/api/push").arg(rig.port)));
    }
    const auto count = [&clients](QAbstractSocket::SocketState state) {
        return std::count_if(clients.begin(), clients.end(),
                             [state](const auto &client) { return client->state() == state; });
    };
    QTRY_COMPARE(count(QAbstractSocket::ConnectedState) + count(QAbstractSocket::UnconnectedState), 12);
    QCOMPARE(count(QAbstractSocket::ConnectedState), 5);
    QCOMPARE(rig.web->server()->pushClients(), 5);
    QCOMPARE(rig.errorLog().count("web page refused a request  more than 5 pages open at once from 127.0.0.1"), 1);
}

void WebTest::portFreeAgainIsSaid()
{
    WebLimits limits;
    limits.portRetry = std::chrono::milliseconds(100);
    WebRig rig(QByteArray(), limits);
    QTcpServer other;
    QVERIFY(other.listen(QHostAddress::LocalHost));
    rig.port = other.serverPort();
    rig.writeSettings(QByteArray()); // a port another program holds
    const QByteArray inUse = QStringLiteral("port %1 is in use by another program").arg(rig.port).toLatin1();
    QTRY_VERIFY(rig.errorLog().contains(inUse));
    QVERIFY(rig.errorLog().contains("the new settings in web.cfg apply: the page is not served"));
    other.close();
    QTRY_VERIFY(rig.web->isServing());
    QCOMPARE(rig.get("/api/live").status, 200);
    // The log's last word on the page is that it is served.
    QVERIFY(rig.errorLog().trimmed().split('\n').last().contains(
        QStringLiteral("web page served  port %1 is free again: the page is served on port %1")
            .arg(rig.port)
            .toLatin1()));
    QCOMPARE(rig.errorLog().count(inUse), 1);
}

void WebTest::pushCarriesFramesAndRecords()
{
    WebRig rig;
    QWebSocket client;
    QSignalSpy messages(&client, &QWebSocket::textMessageReceived);
    client.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/api/push").arg(rig.port)));
    QTRY_COMPARE(messages.size(), 1); // "Now" at once, before any frame
    QCOMPARE(json(messages.takeFirst()[0].toString().toUtf8())["live"].toObject()["time"],
             QJsonValue(QJsonValue::Null));
    rig.link.push(kFrame);
    QTRY_COMPARE(messages.size(), 1);
    const QJsonObject live = json(messages.takeFirst()[0].toString().toUtf8())["live"].toObject();
    QCOMPARE(live["volts"].toDouble(), 13.0);
    QCOMPARE(live["texts"].toObject()["volts"].toString(), QStringLiteral("13.00")); // as the window's list shows it
    QCOMPARE(live["texts"].toObject()["watts"].toString(), QStringLiteral("42.3"));
    // The counts include the frame that made the reading, though the receiver says them after it.
    QCOMPARE(live["frames"].toObject()["sinceStart"].toString(),
             QStringLiteral("1 frames, 0 rejected, 0 checksum errors, 0 characters dropped"));
    rig.link.push(kFrame); // within the second: held back, then sent as it stands
    // The answer to a ping comes after anything the server sent before it.
    QSignalSpy pongs(&client, &QWebSocket::pong);
    client.ping();
    QVERIFY(pongs.wait());
    QCOMPARE(messages.size(), 0);
    QTRY_COMPARE(messages.size(), 1);

    // A logged record is pushed at once, exactly as the day's data will hold it.
    rig.clock.set(QDateTime(QDate(2026, 12, 7), QTime(14, 6, 10)));
    SessionProbe::core(rig.session).logging.tick();
    const auto recordPushed = [&messages] {
        for (const QList<QVariant> &message : messages)
            if (const QJsonObject pushed = json(message[0].toString().toUtf8()); pushed.contains("record"))
                return pushed["record"].toObject();
        return QJsonObject();
    };
    QTRY_VERIFY(!recordPushed().isEmpty());
    const QJsonObject record = recordPushed();
    const QJsonObject day = json(rig.get("/api/day/2026-12-07").body);
    QCOMPARE(record["date"].toString(), day["date"].toString());
    for (const char *name : {"time", "volts", "amps", "watts", "rpm", "wind"})
        QCOMPARE(record[name], day[name].toArray().last());
}

void WebTest::pushWithAPasswordNeedsTheTicket()
{
    WebRig rig("<Password>" + kPassword + "</Password>");
    const HttpAnswer live = rig.get("/api/live", WebClient::password(kPassword));
    QCOMPARE(live.status, 200);
    const QByteArray ticket = live.header("X-Push-Ticket");
    QCOMPARE(ticket.size(), 32);
    for (const QByteArray &given : {QByteArray("guess"), ticket}) {
        QWebSocket client;
        QSignalSpy connected(&client, &QWebSocket::connected);
        QSignalSpy disconnected(&client, &QWebSocket::disconnected);
        client.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/api/push?ticket=%2").arg(rig.port).arg(QString(given))));
        QTRY_VERIFY(!connected.isEmpty() || !disconnected.isEmpty());
        QCOMPARE(connected.size(), given == ticket ? 1 : 0);
    }
}

void WebTest::httpsWithACertificate()
{
    QTemporaryDir certificates;
    QVERIFY(Loopback::makeCertificates(certificates.path()));
    WebRig rig("<CertFile>" + certificates.filePath("server.crt").toUtf8() + "</CertFile><KeyFile>"
               + certificates.filePath("server.key").toUtf8() + "</KeyFile>");
    QTRY_VERIFY(rig.web->isServing()); // once a handshake with itself passed
    QSslSocket socket;
    QSslConfiguration trusting = socket.sslConfiguration();
    trusting.setCaCertificates(QSslCertificate::fromPath(certificates.filePath("ca.crt")));
    socket.setSslConfiguration(trusting);
    socket.connectToHostEncrypted("127.0.0.1", quint16(rig.port));
    QTRY_VERIFY(socket.isEncrypted());
    socket.write("GET /api/live HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    QByteArray answer;
    QTRY_VERIFY((answer += socket.readAll()).contains("\"volts\""));
    QVERIFY(answer.startsWith("HTTP/1.1 200 OK\r\n"));
    QCOMPARE(WebClient::get(rig.port, "/api/live").status, 0); // no plain HTTP on it
}

namespace {
// A client at another loopback address than the page's own tests use.
void connectFrom(QTcpSocket &socket, const char *address, int port)
{
    socket.bind(QHostAddress(QString::fromLatin1(address)));
    socket.connectToHost("127.0.0.1", quint16(port));
}
} // namespace

// Connections that never send a ClientHello once stopped Qt's TLS server from accepting anyone:
// another address must be served all the while, and the silent ones are cut off in time.
void WebTest::silentConnectionsLeaveHttpsServed()
{
    QTemporaryDir certificates;
    QVERIFY(Loopback::makeCertificates(certificates.path()));
    WebLimits limits;
    limits.requestWithin = std::chrono::milliseconds(1500);
    WebRig rig("<CertFile>" + certificates.filePath("server.crt").toUtf8() + "</CertFile><KeyFile>"
                   + certificates.filePath("server.key").toUtf8() + "</KeyFile>",
               limits);
    QTRY_VERIFY(rig.web->isServing());
    std::vector<std::unique_ptr<QTcpSocket>> silent;
    for (int n = 0; n < 31; ++n) {
        silent.push_back(std::make_unique<QTcpSocket>());
        connectFrom(*silent.back(), "127.0.0.2", rig.port);
    }
    QTRY_COMPARE(rig.web->server()->guard().watched(), 31); // each counted from its accept
    QSslSocket house;
    QSslConfiguration trusting = house.sslConfiguration();
    trusting.setCaCertificates(QSslCertificate::fromPath(certificates.filePath("ca.crt")));
    house.setSslConfiguration(trusting);
    house.bind(QHostAddress(QStringLiteral("127.0.0.3")));
    house.connectToHostEncrypted("127.0.0.1", quint16(rig.port));
    QTRY_VERIFY(house.isEncrypted());
    QTRY_COMPARE(rig.web->server()->guard().watched(), 1); // the silent ones cut off
    QCOMPARE(rig.errorLog().count("a TLS handshake took longer than 1.5 seconds from 127.0.0.2"), 1);
}

// One host with many addresses, each holding all it may, must not take the page from the house.
void WebTest::manyAddressesLeaveRoomForAnother()
{
    WebLimits limits;
    limits.connections = 8;
    limits.fromOneAddress = 4;
    WebRig rig(QByteArray(), limits);
    std::vector<std::unique_ptr<QTcpSocket>> held;
    for (const char *address : {"127.0.0.2", "127.0.0.3"}) {
        for (int n = 0; n < 4; ++n) {
            held.push_back(std::make_unique<QTcpSocket>());
            connectFrom(*held.back(), address, rig.port);
        }
    }
    QTRY_COMPARE(rig.web->server()->guard().watched(), 8);
    QCOMPARE(rig.get("/api/live").status, 200);
    QVERIFY(rig.errorLog().contains("its longest idle connection closed"));
}

void WebTest::performanceIsTheSameOnThePageInTheTabAndItsCsv()
{
    WebRig rig;
    // Logged every 10 s, the wind rising through the bins and the watts with it.
    QByteArray log;
    for (int second = 6 * 3600; second < 18 * 3600; second += 10) {
        const double wind = 2.0 + (second - 6 * 3600) / 3600.0 + (second % 70) / 100.0;
        log += QStringLiteral("<T>%1</T><V>12.50</V><I>1.00</I><W>%2</W><R>100</R><S>%3</S><M>0</M>   1.0Wh\r\n")
                   .arg(QTime(0, 0).addSecs(second).toString("HH:mm"))
                   .arg(0.3 * wind * wind * wind, 0, 'f', 2)
                   .arg(wind, 0, 'f', 1)
                   .toLatin1();
    }
    rig.folder.write("logs/P_2026_12_05.txt", log);
    rig.folder.write("turbine.cfg", "Turbine Config File\r\n\r\n<RatedPower>600</RatedPower>\r\n"
                                    "<RatedCurve>3 0; 6 60; 9 250; 12 600; 15 600</RatedCurve>\r\n");
    const HttpAnswer answer = rig.get("/api/performance?from=2026-12-05&to=2026-12-07");
    QCOMPARE(answer.status, 200);
    const QJsonObject page = json(answer.body);

    ScriptedPrompts prompts;
    PowerCurveTab tab(std::make_shared<HistorySource>(rig.folder.path()), rig.folder.path(), "m/s", 60,
                      QDate(2026, 12, 7), prompts);
    tab.range()->setDates(QDate(2026, 12, 5), QDate(2026, 12, 7));
    tab.showClicked();
    auto *exportButton = tab.findChild<QPushButton *>();
    for (QPushButton *button : tab.findChildren<QPushButton *>())
        if (button->text() == "Export CSV")
            exportButton = button;
    QTRY_VERIFY(exportButton->isEnabled());
    exportButton->click();
    const QList<QByteArray> csv = rig.folder.read("excel/performance_2026_12_05_2026_12_07.csv").split('\n');

    // Each table in the tab, its lines in the spreadsheet and its array on the page, figure by figure.
    const auto pageText = [](const QJsonValue &value, int decimals) {
        return value.isNull() ? QString() : TurbinePerformance::figure(value.toDouble(), decimals);
    };
    namespace Decimals = TurbinePerformance::Decimals;
    const struct
    {
        const char *table;
        const char *array;
        int firstLine; // of its rows in the spreadsheet
        QList<QPair<const char *, int>> fields;
    } tables[] = {{"MethodBins",
                   "bins",
                   1,
                   {{"ms", 1},
                    {"minutes", 0},
                    {"meanMs", Decimals::kMs},
                    {"meanWatts", Decimals::kWatts},
                    {"sdWatts", Decimals::kWatts},
                    {"ratedWatts", Decimals::kWatts},
                    {"ratedPercent", Decimals::kPercent}}},
                  {"AnnualEnergy",
                   "aep",
                   -1,
                   {{"meanMs", 0},
                    {"measuredKWh", Decimals::kKWh},
                    {"ratedKWh", Decimals::kKWh},
                    {"percentOfRated", Decimals::kPercent}}}};
    for (const auto &each : tables) {
        auto *table = tab.findChild<QTableWidget *>(each.table);
        const QJsonArray rows = page[each.array].toArray();
        QVERIFY(rows.size() >= 8);
        QCOMPARE(table->rowCount(), rows.size());
        const int first = each.firstLine >= 0
                              ? each.firstLine
                              : int(csv.indexOf("RayleighMeanMs,MeasuredKWh,RatedKWh,PercentOfRated\r")) + 1;
        for (int row = 0; row < rows.size(); ++row) {
            const QStringList line = QString::fromLatin1(csv[first + row]).trimmed().split(',');
            for (int field = 0; field < each.fields.size(); ++field) {
                const auto &[name, decimals] = each.fields[field];
                const QString shown = table->item(row, field)->text();
                QCOMPARE(line[field], shown);
                QCOMPARE(pageText(rows[row].toObject()[name], decimals), shown);
            }
        }
    }
    QVERIFY(csv.contains("CapacityFactor," + pageText(page["capacityFactor"], Decimals::kCapacityFactor).toLatin1()
                         + "\r"));
    QVERIFY(!page["capacityFactor"].isNull() && !page["weibull"].isNull());
}

void WebTest::settingsApplyAtOnce()
{
    WebRig rig;
    QSignalSpy serving(rig.web.get(), &WebDashboard::serving);
    const int before = rig.port;
    rig.port = Loopback::freePort();
    rig.writeSettings(QByteArray()); // another port: moved there
    QTRY_COMPARE(rig.get("/api/live").status, 200);
    QVERIFY(!Loopback::listens(before));
    QCOMPARE(serving.size(), 1);
    QCOMPARE(serving[0][0].toStringList(), QStringList({QStringLiteral("http://127.0.0.1:%1/").arg(rig.port)}));
    rig.writeSettings("<Enabled>0</Enabled>"); // switched off: nothing served
    QTRY_VERIFY(!rig.web->isServing());
    QVERIFY(!Loopback::listens(rig.port));
    // Each change said once, as the other settings files' are.
    const QByteArray log = rig.errorLog();
    QCOMPARE(log.count("web page settings changed  the new settings in web.cfg apply: "), 2);
    QVERIFY(log.contains(QStringLiteral("apply: the page is served on port %1").arg(rig.port).toLatin1()));
    QVERIFY(log.contains("apply: the page is not served"));
}

void WebTest::dialogShowsTheAddressAndSaves_data()
{
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("listen");
    QTest::addColumn<QString>("hosts");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QByteArray>("saved"); // empty: refused with the shown reason
    const QByteArray head(
        "Web Config File\r\n\r\n<Enabled>1</Enabled>\r\n<Port>8088</Port>\r\n<Listen>127.0.0.1</Listen>\r\n"
        "<Password>pw</Password>\r\n<CertFile></CertFile>\r\n<KeyFile></KeyFile>\r\n");
    QTest::newRow("an address of this computer") << "8088"
                                                 << "127.0.0.1"
                                                 << ""
                                                 << "http://127.0.0.1:8088/" << head + "<Hosts></Hosts>\r\n\r\n";
    QTest::newRow("other names of this computer")
        << "8088"
        << "127.0.0.1"
        << "shed.example.org,pi.fritz.box"
        << "http://127.0.0.1:8088/" << head + "<Hosts>shed.example.org, pi.fritz.box</Hosts>\r\n\r\n";
    QTest::newRow("a name that is none")
        << "8088"
        << "127.0.0.1"
        << "my shed"
        << "Hosts must be names separated by commas, such as shed.example.org, not \"my shed\"" << QByteArray();
    QTest::newRow("an entry too long to wrap")
        << "8088"
        << "127.0.0.1" << QString(80, u'x')
        << "Hosts must be names separated by commas, such as shed.example.org, not \"" + QString(64, u'x') + "...\""
        << QByteArray();
    QTest::newRow("a port out of range") << "0"
                                         << ""
                                         << ""
                                         << "Port must be a whole number from 1 to 65535, not \"0\"" << QByteArray();
}

void WebTest::dialogShowsTheAddressAndSaves()
{
    QFETCH(QString, port);
    QFETCH(QString, listen);
    QFETCH(QString, hosts);
    QFETCH(QString, shown);
    QFETCH(QByteArray, saved);
    ProgramFolder folder;
    ScriptedPrompts messages;
    SettingsStore store(folder.path());
    ProgramSetup setup(store, messages);
    QSignalSpy asked(&setup, &ProgramSetup::webRequested);
    QTest::mouseClick(setup.findChild<QPushButton *>("Web"), Qt::LeftButton);
    QCOMPARE(asked.size(), 1);

    WebDialog dialog(store, messages);
    dialog.show();
    const int width = dialog.width();
    // Hovering a box tells a sighted user what it is for, as a screen reader tells it.
    for (QLineEdit *edit : dialog.findChildren<QLineEdit *>()) {
        QVERIFY2(!edit->toolTip().isEmpty(), qPrintable(edit->objectName()));
        QCOMPARE(edit->toolTip(), QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Description));
    }
    dialog.findChild<QCheckBox *>("Enabled")->setChecked(true);
    dialog.findChild<QLineEdit *>("Port")->setText(port);
    dialog.findChild<QLineEdit *>("Listen")->setText(listen);
    dialog.findChild<QLineEdit *>("Hosts")->setText(hosts);
    dialog.findChild<QLineEdit *>("Password")->setText("pw");
    QCOMPARE(dialog.findChild<QLabel *>("PageAddress")->text(), shown);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCOMPARE(dialog.width(), width); // a long message wraps
    QCOMPARE(dialog.findChild<QLabel *>("PageLink")->isVisible(), !saved.isEmpty());
    QCOMPARE(controlsHeardWrong(dialog), QStringList());
    QTest::mouseClick(dialog.findChild<QPushButton *>("Save"), Qt::LeftButton);
    QCOMPARE(folder.read("web.cfg"), saved);
    QCOMPARE(messages.messages.size(), saved.isEmpty() ? 1 : 0);
    if (!saved.isEmpty())
        QCOMPARE(QFileInfo(folder.file("web.cfg")).permissions() & (QFile::ReadGroup | QFile::ReadOther), 0);
}

void WebTest::pageLanguage_data()
{
    QTest::addColumn<QByteArray>("acceptLanguage");
    QTest::addColumn<QString>("language");
    QTest::newRow("none asked") << QByteArray() << "en";
    QTest::newRow("German of Switzerland") << QByteArray("de-CH") << "de";
    QTest::newRow("English before Dutch") << QByteArray("en-GB,nl;q=0.8") << "en";
    QTest::newRow("Italian, then French") << QByteArray("it-IT, it;q=0.9, fr;q=0.7") << "fr";
    QTest::newRow("weights out of order") << QByteArray("nl;q=0.2, es;q=0.6") << "es";
    QTest::newRow("refused language passed over") << QByteArray("de;q=0, nl") << "nl";
    QTest::newRow("only languages without texts") << QByteArray("ja, zh-CN") << "en";
}

void WebTest::pageLanguage()
{
    QFETCH(QByteArray, acceptLanguage);
    QTEST(PageTexts::languageFor(acceptLanguage), "language");
}

// A text the page shows that the logger does not offer for translation stays English in every
// language: each one the page's files write is among PageTexts::sources().
void WebTest::everyPageTextIsTranslatable()
{
    const auto read = [](const QString &path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    const QString script = read(QStringLiteral(":/web/app.js"));
    const QString html = read(QStringLiteral(":/web/index.html"));
    QVERIFY(!script.isEmpty() && !html.isEmpty());
    QStringList used;
    for (const auto &[text, pattern] : {std::pair{script, QStringLiteral(R"re(\bt\("((?:[^"\\]|\\.)*)")re")},
                                        std::pair{html, QStringLiteral(R"re(data-t>([^<]*)<)re")},
                                        std::pair{html, QStringLiteral(R"re(aria-label="([^"]*)")re")}})
        for (const QRegularExpressionMatch &match : QRegularExpression(pattern).globalMatch(text))
            used << match.captured(1)
                        .replace(QStringLiteral("\\u00a0"), QStringLiteral("\u00a0"))
                        .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
                        .replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    QVERIFY(used.size() > 40);
    const QStringList offered = PageTexts::sources();
    for (const QString &text : used)
        QVERIFY2(offered.contains(text), qPrintable(text));
}

QTEST_MAIN(WebTest)
#include "tst_web.moc"
