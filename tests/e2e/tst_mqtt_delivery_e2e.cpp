// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/consolestatus.h"
#include "app/ui/mainwindow.h"
#include "filesizelimit.h"
#include "programprocess.h"
#include "publishing/mqttsettings.h"
#include "publishingrig.h"

#include <QAccessible>
#include <QLabel>
#include <QSet>
#include <QTest>

#include <csignal>

using namespace Brolant;

namespace {
constexpr int kBrokerWait = 20000;
// A broker frozen with a connection open: the keep-alive must notice, within twice its length.
constexpr int kHalfOpenWait = 40000;

// A record's payload as the publisher writes it, told apart by its frame count.
QByteArray recordLine(int frames)
{
    return QByteArrayLiteral("{\"amps\":3.3,\"frames\":") + QByteArray::number(frames)
           + ",\"rpm\":300,\"time\":\"2026-12-07T14:05:10.000+01:00\",\"volts\":12.53,\"watts\":41,\"wh\":0.1,\"wind\":5}";
}

QByteArray recordLines(int count)
{
    QByteArray lines;
    for (int n = 0; n < count; ++n)
        lines += recordLine(n) + "\r\n";
    return lines;
}

// A program folder for brolant-logger publishing to `broker` as site shed, with no board: it
// publishes what waits in its queue and its status.
void writeLoggerFolder(const ProgramFolder &folder, const BrokerProcess &broker)
{
    folder.writeProgramConfig("99", "0", "60");
    folder.writeCalibration();
    folder.write("mqtt.cfg", "<Enabled>1</Enabled><Host>127.0.0.1</Host><Port>" + QByteArray::number(broker.port())
                                 + "</Port><User>logger</User><Password>s3cret</Password><Site>shed</Site>");
}

// Two brolant-loggers publishing as site shed, each from a folder of its own, to a broker of the
// test's own, which a subscriber to the status listens to.
struct TwoLoggersOnOneSite
{
    BrokerProcess broker;
    ProgramFolder firstFolder;
    ProgramFolder secondFolder;
    ProgramProcess first{firstFolder.path(), QStringLiteral("brolant-logger")};
    ProgramProcess second{secondFolder.path(), QStringLiteral("brolant-logger")};

    // Starts the broker and the loggers one after the other; true once each said online.
    bool start()
    {
        if (!broker.start() || !broker.subscribe("brolant/shed/status"))
            return false;
        int online = 0;
        for (auto [folder, logger] : {std::pair{&firstFolder, &first}, std::pair{&secondFolder, &second}}) {
            writeLoggerFolder(*folder, broker);
            if (!logger->start()
                || !QTest::qWaitFor([&] { return broker.heard().count("0 brolant/shed/status online") == online + 1; },
                                    kBrokerWait))
                return false;
            ++online;
        }
        return true;
    }
};

QList<double> volts(const QStringList &records)
{
    QList<double> values;
    for (const QString &record : records)
        values << payload(record)["volts"].toDouble();
    return values;
}
} // namespace

// Each record reaches the broker once, in order, and nothing is dropped without a word: against a
// real Mosquitto broker started by the test, frozen, refusing, or away.
class MqttDeliveryTest : public QObject
{
    Q_OBJECT

private slots:
    void recordOnceAfterAHalfOpenConnection();
    void recordLoggedAtTheEndOfALongRunIsAnswered();
    void refusedRecordsWaitInTheQueue();
    void damagedOrHugeQueue_data();
    void damagedOrHugeQueue();
    void fullQueueIsSaidOncePerEpisode();
    void droppingTheRecordInFlightLosesNoOther();
    void dayEnergySurvivesARestart();
    void twoLoggersOnOneSite();
    void killedMidDrainSendsAtMostTheOneInFlightAgain();
    void heldRecordsAreWrittenWhenTheDiskHasRoomAgain();
    void recordWaitsForItsDailyLogLine();
    void siteStaysOnlineWhileALoggerPublishes_data();
    void siteStaysOnlineWhileALoggerPublishes();
    void siteGoesOfflineWhenBothEndAtOnce();
};

void MqttDeliveryTest::recordOnceAfterAHalfOpenConnection()
{
    PublishingRig rig("<Port>PORT</Port>");
    QVERIFY(rig.broker.start());
    QVERIFY(rig.broker.subscribe("brolant/shed/record"));
    MqttSettings settings = MqttSettings::fromText(QString::fromLatin1(rig.settingsText())).value();
    settings.keepAlive = std::chrono::seconds(5); // the shortest libmosquitto takes
    MqttPublisher publisher(rig.folder.path(), settings, rig.session, rig.problems);
    publisher.start();
    QTRY_COMPARE_WITH_TIMEOUT(publisher.state().kind, BrokerState::Kind::Connected, kBrokerWait);
    rig.logInterval(600);
    QTRY_COMPARE_WITH_TIMEOUT(rig.records().size(), 1, kBrokerWait);

    rig.broker.pause();
    rig.logInterval(650); // sent, never answered
    QTRY_COMPARE_WITH_TIMEOUT(publisher.state().kind, BrokerState::Kind::Unavailable, kHalfOpenWait);
    QVERIFY2(rig.errorLog().contains(QStringLiteral("broker not available  no answer from the broker at 127.0.0.1:%1 "
                                                    "within the keep-alive of 5 seconds")
                                         .arg(rig.broker.port())
                                         .toLatin1()),
             rig.errorLog().constData());
    rig.logInterval(700);
    rig.broker.resume();
    QTRY_COMPARE_WITH_TIMEOUT(publisher.waitingRecords(), 0, kHalfOpenWait);
    rig.logInterval(750);
    QTRY_COMPARE_WITH_TIMEOUT(rig.records().size(), 4, kBrokerWait);
    rig.logInterval(800); // a second copy of any record before it would arrive before it
    QTRY_VERIFY_WITH_TIMEOUT(volts(rig.records()).contains(16.0), kBrokerWait);
    QCOMPARE(volts(rig.records()), (QList<double>{12.0, 13.0, 14.0, 15.0, 16.0}));
    publisher.end();
}

void MqttDeliveryTest::recordLoggedAtTheEndOfALongRunIsAnswered()
{
    PublishingRig rig("<Port>PORT</Port>");
    QVERIFY(rig.broker.start());
    rig.startPublishing();
    QTRY_VERIFY_WITH_TIMEOUT(rig.connected(), kBrokerWait);
    // A long run, shortened: every message published leaves libmosquitto a wake-up to spend.
    constexpr int kRecords = 100;
    for (int record = 0; record < kRecords; ++record)
        rig.logInterval(600);
    QTRY_COMPARE_WITH_TIMEOUT(rig.publisher->waitingRecords(), 0, kBrokerWait);
    rig.logInterval(650);
    rig.publishing.end();
    QCOMPARE(rig.publisher->waitingRecords(), 0); // answered before the end, so never sent again
}

void MqttDeliveryTest::refusedRecordsWaitInTheQueue()
{
    PublishingRig rig("<Port>PORT</Port>");
    // The logger may publish everything but records.
    QVERIFY(rig.broker.start(BrokerProcess::Listener::Plain,
                             "user logger\ntopic read brolant/shed/record\ntopic readwrite brolant/shed/status\n"
                             "topic readwrite brolant/shed/live\ntopic readwrite homeassistant/#\n"));
    QVERIFY(rig.broker.subscribe("brolant/shed/+"));
    rig.startPublishing();
    QTRY_VERIFY_WITH_TIMEOUT(rig.connected(), kBrokerWait);
    rig.logInterval(600);
    rig.logInterval(650);
    QTRY_VERIFY2_WITH_TIMEOUT(rig.errorLog().contains("broker refuses records  brolant/shed/record: not authorised "
                                                      "for this user; they wait in mqtt-queue.txt"),
                              rig.errorLog().constData(), kBrokerWait);
    // A live reading sent after the refusal: whatever the broker passed on before it has arrived.
    const auto lives = [&rig] { return rig.broker.heard().filter(" brolant/shed/live ").size(); };
    const qsizetype livesBefore = lives();
    rig.push({frame(700)});
    QTRY_VERIFY_WITH_TIMEOUT(lives() > livesBefore, kBrokerWait);
    QCOMPARE(rig.publisher->waitingRecords(), 2);
    QCOMPARE(rig.folder.read("mqtt-queue.txt").count("\r\n"), 2);
    QCOMPARE(rig.errorLog().count("broker refuses records"), 1);
    QCOMPARE(ConsoleStatus::brokerWords(rig.publisher->state()),
             QStringLiteral("connected to 127.0.0.1:%1, which refuses records: brolant/shed/record: not authorised for "
                            "this user")
                 .arg(rig.broker.port()));
    QVERIFY(rig.records().isEmpty());
}

void MqttDeliveryTest::damagedOrHugeQueue_data()
{
    QTest::addColumn<QByteArray>("queue");
    QTest::addColumn<int>("waiting");
    QTest::addColumn<QByteArray>("said"); // in the error log
    QTest::addColumn<QByteArray>("setAside");
    const QByteArray binary = QByteArrayLiteral("\x01\xfe\xff\x00\r\n");

    QTest::newRow("a garbage line, binary bytes and a cut last line")
        << recordLine(1) + "\r\ngarbage\r\n" + binary + recordLine(2) + "\r\n" + recordLine(3).left(40) << 2
        << QByteArray("MQTT queue damaged  3 line(s) of mqtt-queue.txt were no records and are not sent; they are "
                      "set aside in mqtt-queue-damaged.txt")
        << "garbage\r\n" + binary + recordLine(3).left(40) + "\r\n";
    QTest::newRow("a line longer than any record")
        << QByteArray(10000, 'x') + "\r\n" + recordLine(1) + "\r\n"
        << 1 << QByteArray("1 line(s) of mqtt-queue.txt were no records") << QByteArray(4096, 'x') + "\r\n";
    QTest::newRow("25,000 records") << recordLines(25000) << 20160
                                    << QByteArray("MQTT queue full  mqtt-queue.txt held more than 20160 records: the "
                                                  "oldest 4840 were dropped")
                                    << QByteArray();
    const QByteArray huge = recordLines(500000); // some 70 MB
    QTest::newRow("70 MB of records") << huge << 20160
                                      << QByteArray("the oldest ") + QByteArray::number(500000 - 20160)
                                             + " were dropped"
                                      << QByteArray();
}

void MqttDeliveryTest::damagedOrHugeQueue()
{
    QFETCH(QByteArray, queue);
    QFETCH(int, waiting);
    PublishingRig rig("<Port>PORT</Port>");
    rig.folder.write("mqtt-queue.txt", queue);
    queue.clear();
    QVERIFY(rig.broker.start());
    rig.broker.stop(); // the port is chosen, nobody listens
    rig.startPublishing();
    QCOMPARE(rig.publisher->waitingRecords(), waiting);
    QFETCH(QByteArray, said);
    QVERIFY2(rig.errorLog().contains(said), rig.errorLog().constData());
    QCOMPARE(rig.errorLog().count(said), 1);
    QTEST(rig.folder.read("mqtt-queue-damaged.txt"), "setAside");

    rig.logInterval(600); // goes on a line of its own
    rig.publishing.end();
    const qsizetype damaged = rig.errorLog().count("were no records");
    rig.startPublishing(); // the next run finds it sound
    QCOMPARE(rig.publisher->waitingRecords(), std::min(waiting + 1, 20160));
    QCOMPARE(rig.errorLog().count("were no records"), damaged);
}

void MqttDeliveryTest::fullQueueIsSaidOncePerEpisode()
{
    PublishingRig rig("<Port>PORT</Port>");
    rig.folder.write("mqtt-queue.txt", recordLines(20160));
    QVERIFY(rig.broker.start());
    rig.broker.stop();
    rig.startPublishing();
    for (int volts : {600, 650, 700})
        rig.logInterval(volts);
    QCOMPARE(rig.errorLog().count("MQTT queue full"), 1);
    QCOMPARE(rig.publisher->waitingRecords(), 20160);
}

void MqttDeliveryTest::droppingTheRecordInFlightLosesNoOther()
{
    PublishingRig rig("<Port>PORT</Port>");
    rig.folder.write("mqtt-queue.txt", recordLines(20160));
    QVERIFY(rig.broker.start());
    QVERIFY(rig.broker.subscribe("brolant/shed/record"));
    rig.startPublishing();
    QTRY_VERIFY_WITH_TIMEOUT(rig.connected(), kBrokerWait);
    rig.broker.pause(); // the front stays in flight, unanswered
    // Full again, then one more: the oldest, the one in flight, has to go. What was delivered
    // before the pause made room for as many: the front is the preloaded record `logged`.
    int logged = 0;
    for (; rig.publisher->waitingRecords() < 20160; ++logged)
        rig.logInterval(600);
    rig.logInterval(650);
    rig.broker.resume();
    // The broker's answer for the dropped record must not take the one behind it off unsent.
    const auto heardPreloaded = [&rig] {
        QSet<int> frames;
        for (const QString &record : rig.records())
            frames.insert(payload(record)["frames"].toInt());
        return frames;
    };
    QTRY_VERIFY_WITH_TIMEOUT(heardPreloaded().contains(logged + 2), kHalfOpenWait);
    QVERIFY(heardPreloaded().contains(logged + 1));
    rig.publishing.end();
}

void MqttDeliveryTest::dayEnergySurvivesARestart()
{
    PublishingRig rig("<Port>PORT</Port>");
    QVERIFY(rig.broker.start());
    rig.broker.stop();
    rig.startPublishing();
    rig.push({frame(626), frame(627)});
    rig.core.energy.tick();
    rig.clock.set(QDateTime(QDate(2026, 12, 8), QTime(0, 0, 3)));
    rig.core.energy.tick(); // the day closes while the broker is away
    rig.publishing.end();   // and Brolant ends before it is back

    QVERIFY(rig.broker.start());
    QVERIFY(rig.broker.subscribe("brolant/shed/energy"));
    rig.startPublishing(); // the next run
    QTRY_COMPARE_WITH_TIMEOUT(rig.broker.heard().filter(" brolant/shed/energy ").size(), 1, kBrokerWait);
    const QJsonObject day = payload(rig.broker.heard().filter(" brolant/shed/energy ").first());
    QCOMPARE(day["date"].toString(), QStringLiteral("2026-12-07"));
    QCOMPARE(day["wh"].toDouble(), 0.1);
}

void MqttDeliveryTest::twoLoggersOnOneSite()
{
    PublishingRig first("<Port>PORT</Port>");
    PublishingRig second("<Port>PORT</Port>");
    QVERIFY(first.broker.start());
    first.startPublishing();
    second.startPublishing(first.broker.port());
    QTRY_VERIFY_WITH_TIMEOUT(first.connected() && second.connected(), kBrokerWait);
    // A record from each, answered: had they one name, the later hello would have closed the
    // other's connection, and that logger would have said so before any answer came.
    for (PublishingRig *rig : {&first, &second})
        rig->logInterval(600);
    QTRY_VERIFY_WITH_TIMEOUT(first.publisher->waitingRecords() == 0 && second.publisher->waitingRecords() == 0,
                             kBrokerWait);
    for (PublishingRig *rig : {&first, &second})
        QTRY_VERIFY_WITH_TIMEOUT(rig->errorLog().contains("another logger publishes as site shed"), kBrokerWait);
    MainWindow window;
    for (PublishingRig *rig : {&first, &second}) {
        QVERIFY(rig->connected());
        QCOMPARE(rig->errorLog().count("broker not available"), 0);
        QCOMPARE(rig->errorLog().count("another logger publishes as site shed  its records and these mix on "
                                       "brolant/shed/record: give each logger a Site of its own"),
                 1);
        window.showBrokerState(rig->publisher->state());
        QAccessibleInterface *title = QAccessible::queryAccessibleInterface(window.findChild<QLabel *>("Label11"));
        QCOMPARE(title->text(QAccessible::Description),
                 QStringLiteral("MQTT: connected to 127.0.0.1:%1; another logger publishes as site shed")
                     .arg(first.broker.port()));
    }
}

void MqttDeliveryTest::killedMidDrainSendsAtMostTheOneInFlightAgain()
{
    ProgramFolder folder;
    BrokerProcess broker;
    QVERIFY(broker.start());
    QVERIFY(broker.subscribe("brolant/shed/record"));
    writeLoggerFolder(folder, broker);
    constexpr int kBacklog = 8000;
    constexpr int kKills = 3;
    folder.write("mqtt-queue.txt", recordLines(kBacklog));
    ProgramProcess logger(folder.path(), QStringLiteral("brolant-logger"));
    for (int kill = 1; kill <= kKills; ++kill) {
        QVERIFY(logger.start());
        QTRY_VERIFY_WITH_TIMEOUT(broker.heard().size() >= kBacklog * kill / (kKills + 1), kBrokerWait);
        logger.endWith(SIGKILL);
    }
    QVERIFY(broker.heard().size() < kBacklog); // each kill in the middle

    QVERIFY(logger.start());
    const auto last = [&broker] {
        const QStringList records = broker.heard();
        return records.isEmpty() ? -1 : payload(records.last())["frames"].toInt();
    };
    QTRY_COMPARE_WITH_TIMEOUT(last(), kBacklog - 1, 3 * kBrokerWait); // a copy sent again came before it
    QSet<int> delivered;
    for (const QString &record : broker.heard())
        delivered.insert(payload(record)["frames"].toInt());
    QCOMPARE(delivered.size(), kBacklog);
    const qsizetype twice = broker.heard().size() - kBacklog;
    QVERIFY2(twice <= kKills, qPrintable(QStringLiteral("%1 delivered twice").arg(twice)));
    logger.endWith(SIGTERM);
}

void MqttDeliveryTest::heldRecordsAreWrittenWhenTheDiskHasRoomAgain()
{
    PublishingRig rig("<Port>PORT</Port>");
    QVERIFY(rig.broker.start());
    rig.broker.stop(); // nobody listens: the records wait
    rig.startPublishing();
    {
        const FileSizeLimit diskFull(0);
        rig.logInterval(600);
        rig.logInterval(650);
    }
    // Logging stopped as the disk got room again: no record comes to take them along.
    QTRY_COMPARE_WITH_TIMEOUT(rig.folder.read("mqtt-queue.txt").count("\r\n"), 2, kBrokerWait);
    QVERIFY(rig.folder.read("mqtt-queue.txt")
                .startsWith("{\"amps\":3.3,\"frames\":1,\"rpm\":300,\"time\":\"2026-12-07T14:05:10"));
}

// The broker hears of a record only once its daily-log line is on the disk: otherwise a power cut
// could leave the broker a record that the logs never had.
void MqttDeliveryTest::recordWaitsForItsDailyLogLine()
{
    PublishingRig rig("<Port>PORT</Port>");
    QVERIFY(rig.broker.start());
    QVERIFY(rig.broker.subscribe("brolant/shed/record"));
    rig.startPublishing();
    QTRY_VERIFY_WITH_TIMEOUT(rig.connected(), kBrokerWait);
    const QString dayLog = rig.folder.file("logs/P_2026_12_07.txt");
    QVERIFY(QDir().mkpath(dayLog)); // a folder where the day's log goes: it cannot be written
    rig.logInterval(600);
    QCOMPARE(rig.publisher->waitingRecords(), 0);
    QVERIFY(QDir(dayLog).removeRecursively());
    QTRY_COMPARE_WITH_TIMEOUT(rig.records().size(), 1, kBrokerWait);
    QVERIFY(rig.folder.read("logs/P_2026_12_07.txt").startsWith("<T>14:05</T><V>12.00</V>"));
}

void MqttDeliveryTest::siteStaysOnlineWhileALoggerPublishes_data()
{
    QTest::addColumn<int>("signal");
    QTest::newRow("one ends") << int(SIGTERM);
    QTest::newRow("one is killed: its last will") << int(SIGKILL);
}

void MqttDeliveryTest::siteStaysOnlineWhileALoggerPublishes()
{
    TwoLoggersOnOneSite site;
    QVERIFY(site.start());
    QFETCH(int, signal);
    site.first.endWith(signal);
    // The one still publishing says so again after the other's offline.
    QTRY_VERIFY_WITH_TIMEOUT(site.broker.heard().contains("0 brolant/shed/status offline")
                                 && site.broker.heard().constLast() == "0 brolant/shed/status online",
                             kBrokerWait);
    QCOMPARE(site.broker.retained("brolant/shed/status"), QByteArray("online"));

    QVERIFY(site.second.endWith(SIGTERM)); // the last one to end
    QCOMPARE(site.broker.retained("brolant/shed/status"), QByteArray("offline"));
}

void MqttDeliveryTest::siteGoesOfflineWhenBothEndAtOnce()
{
    TwoLoggersOnOneSite site;
    QVERIFY(site.start());
    // The computer shuts down: each knew the other online, and neither stays to say so.
    for (ProgramProcess *logger : {&site.first, &site.second})
        ::kill(pid_t(logger->process().processId()), SIGTERM);
    for (ProgramProcess *logger : {&site.first, &site.second})
        QVERIFY(logger->process().waitForFinished(kBrokerWait));
    QCOMPARE(site.broker.retained("brolant/shed/status"), QByteArray("offline"));
}

QTEST_MAIN(MqttDeliveryTest)
#include "tst_mqtt_delivery_e2e.moc"
