// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakeclock.h"
#include "fakeseriallink.h"
#include "filesizelimit.h"
#include "logging/dailylogline.h"
#include "logging/intervalmeans.h"
#include "logging/readingpayload.h"
#include "problems/problemlog.h"
#include "programfolder.h"
#include "publishing/deliverycursor.h"
#include "publishing/loggedpayloads.h"
#include "publishing/mqttpublisher.h"
#include "publishing/mqttpublishing.h"
#include "publishing/mqttsettings.h"
#include "publishing/recordqueue.h"
#include "session/loggersession.h"
#include "settings/settingsstore.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSignalSpy>
#include <QTest>

using namespace Brolant;

namespace {
bool anyLine(const QByteArray &)
{
    return true;
}

// What a queue loaded from `folder` has waiting, front first: what the next run sends.
QList<QByteArray> waitingAfterAKill(const ProgramFolder &folder)
{
    RecordQueue queue(folder.path(), &anyLine);
    QList<QByteArray> waiting;
    for (; !queue.isEmpty(); (void)queue.pop())
        waiting << queue.front();
    return waiting;
}
} // namespace

class PublishingTest : public QObject
{
    Q_OBJECT

private slots:
    void settingsFromFile_data();
    void settingsFromFile();
    void switchedOffOrAbsentPublishesNothing();
    void savedOwnerOnlyAndReadBack();
    void hugeFileIsRefused();
    void hostileFileStartsNothingAndSaysWhy();
    void queueKeepsTheNewestWhenFull();
    void deliveredStayDeliveredAfterAKill();
    void cursorIsBelievedOnlyWhereTheJournalAgrees_data();
    void cursorIsBelievedOnlyWhereTheJournalAgrees();
    void heldPayloadsReachTheJournalInOrder_data();
    void heldPayloadsReachTheJournalInOrder();
    void journalDropsItsDeliveredLines();
    void queueLeftOpenTakesAgainWhatTheLogsHold_data();
    void queueLeftOpenTakesAgainWhatTheLogsHold();
    void instanceIsTheFolders();
};

void PublishingTest::settingsFromFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("problem"); // empty: usable
    QTest::addColumn<QString>("summary"); // host:port topic/site discovery

    const QByteArray on("<Enabled>1</Enabled><Host>broker.local</Host>");
    QTest::newRow("defaults") << on + "<Site>Shed PC #2</Site>"
                              << ""
                              << "broker.local:1883 brolant/shedpc2 homeassistant";
    QTest::newRow("every value") << QByteArray(
        "<Enabled>1</Enabled><Host> 10.0.0.5 </Host><Port>8883</Port><Topic>farm/wind</Topic>"
        "<Site>north</Site><Discovery></Discovery>")
                                 << ""
                                 << "10.0.0.5:8883 farm/wind/north ";
    QTest::newRow("port 70000") << on + "<Port>70000</Port>"
                                << "Port must be a whole number from 1 to 65535, not \"70000\""
                                << "";
    QTest::newRow("port 18.5") << on + "<Port>18.5</Port>"
                               << "Port must be a whole number from 1 to 65535, not \"18.5\""
                               << "";
    QTest::newRow("two unusable: the first in the file's order")
        << on + "<TLS>2</TLS><Port>0</Port>"
        << "Port must be a whole number from 1 to 65535, not \"0\""
        << "";
    QTest::newRow("topic with #") << on + "<Topic>a/#</Topic>"
                                  << "Topic must not contain # or +"
                                  << "";
    QTest::newRow("topic with +") << on + "<Topic>+/x</Topic>"
                                  << "Topic must not contain # or +"
                                  << "";
    QTest::newRow("topic with an empty level") << on + "<Topic>a//b</Topic>"
                                               << "Topic must not start or end with / or hold an empty level"
                                               << "";
    QTest::newRow("binary bytes in the host") << QByteArray("<Enabled>1</Enabled><Host>br\x01oker\xff</Host>")
                                              << "Host holds control characters or is longer than 255 characters"
                                              << "";
    QTest::newRow("no host") << QByteArray("<Enabled>1</Enabled>")
                             << "Host must name the broker (a host name or an address)"
                             << "";
    QTest::newRow("site of nothing usable") << on + "<Site>!!!</Site>"
                                            << "Site must hold at least one of a-z, 0-9, _ and -"
                                            << "";
    QTest::newRow("TLS 2") << on + "<TLS>2</TLS>"
                           << "TLS must be 0 or 1, not \"2\""
                           << "";
    QTest::newRow("topic $SYS") << on + "<Topic>$SYS</Topic>"
                                << "Topic must not start with $: the broker keeps those topics for itself"
                                << "";
    QTest::newRow("discovery under $") << on + "<Discovery>$share/ha</Discovery>"
                                       << "Discovery must not start with $: the broker keeps those topics for itself"
                                       << "";
    QTest::newRow("LiveEvery -1") << on + "<LiveEvery>-1</LiveEvery>"
                                  << "LiveEvery must be a whole number of seconds from 0 to 3600, not \"-1\""
                                  << "";
    QTest::newRow("a certificate without its key")
        << on + "<TLS>1</TLS><CAFile>ca.crt</CAFile><CertFile>me.crt</CertFile>"
        << "CertFile and KeyFile go together: give both or neither"
        << "";
    QTest::newRow("a client certificate without TLS")
        << on + "<CAFile>ca.crt</CAFile><CertFile>me.crt</CertFile><KeyFile>me.key</KeyFile>"
        << "a client certificate needs TLS 1 and a CAFile, the authority that signed the broker's certificate"
        << "";
}

void PublishingTest::settingsFromFile()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, problem);
    if (const Result<MqttSettings> settings = MqttSettings::fromText(QString::fromLatin1(content))) {
        QCOMPARE(QString(), problem);
        QTEST(QStringLiteral("%1:%2 %3/%4 %5")
                  .arg(settings->host)
                  .arg(settings->port)
                  .arg(settings->topic, settings->site, settings->discovery),
              "summary");
    } else {
        QCOMPARE(settings.failure().description, problem);
    }
}

void PublishingTest::switchedOffOrAbsentPublishesNothing()
{
    ProgramFolder folder;
    QCOMPARE(MqttSettings::load(folder.path()), SettingsFileReading<MqttSettings>());
    folder.write("mqtt.cfg", "<Enabled>0</Enabled><Port>70000</Port>"); // off: nothing else matters
    QCOMPARE(MqttSettings::load(folder.path()), SettingsFileReading<MqttSettings>());
}

void PublishingTest::savedOwnerOnlyAndReadBack()
{
    ProgramFolder folder;
    MqttSettings settings;
    settings.enabled = true;
    settings.host = QStringLiteral("localhost");
    settings.user = QStringLiteral("logger");
    settings.password = QStringLiteral("s3cret");
    settings.site = QStringLiteral("shed");
    QVERIFY(settings.save(folder.path()));
    QCOMPARE(
        folder.read("mqtt.cfg"),
        QByteArray("MQTT Config File\r\n\r\n<Enabled>1</Enabled>\r\n<Host>localhost</Host>\r\n<Port>1883</Port>\r\n"
                   "<User>logger</User>\r\n<Password>s3cret</Password>\r\n<TLS>0</TLS>\r\n<CAFile></CAFile>\r\n"
                   "<CertFile></CertFile>\r\n<KeyFile></KeyFile>\r\n<Topic>brolant</Topic>\r\n<Site>shed</Site>\r\n"
                   "<Discovery>homeassistant</Discovery>\r\n<LiveEvery>1</LiveEvery>\r\n\r\n"));
    const QFileDevice::Permissions permissions = QFile::permissions(folder.file("mqtt.cfg"));
    QVERIFY(permissions.testFlags(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QVERIFY(!(permissions & (QFileDevice::ReadGroup | QFileDevice::ReadOther))); // it holds a password
    const auto back = MqttSettings::load(folder.path()).settings;
    QVERIFY(back);
    QCOMPARE(back->toFileText(), settings.toFileText());
}

void PublishingTest::hugeFileIsRefused()
{
    ProgramFolder folder;
    folder.write("mqtt.cfg", "<Enabled>1</Enabled><Host>localhost</Host>" + QByteArray(2 * 1024 * 1024, 'x'));
    QVERIFY(MqttSettings::load(folder.path()).failure);
}

void PublishingTest::hostileFileStartsNothingAndSaysWhy()
{
    ProgramFolder folder;
    FakeSerialLink link;
    FakeClock clock;
    ProblemLog problemLog(clock);
    LoggerSession session(folder.path(), link, clock, problemLog, folder.programFiles());
    MqttPublishing publishing(session, problemLog);
    QSignalSpy problems(&problemLog, &ProblemLog::reported);
    folder.write("mqtt.cfg", "<Enabled>1</Enabled><Host>localhost</Host><Topic>a/#</Topic>");
    publishing.start(SettingsStore(folder.path()).mqtt());
    QVERIFY(!publishing.publisher()); // so no connection is tried
    QCOMPARE(problems.size(), 1);
    QCOMPARE(problems.at(0).at(0).toString(), QString("MQTT publishing not started"));
    QCOMPARE(problems.at(0).at(1).toString(), QString("mqtt.cfg cannot be used: Topic must not contain # or +"));
}

void PublishingTest::queueKeepsTheNewestWhenFull()
{
    ProgramFolder folder;
    {
        RecordQueue queue(folder.path(), &anyLine);
        for (qsizetype n = 0; n < RecordQueue::kCapacity; ++n)
            QCOMPARE(queue.push(QByteArray::number(n)).dropped, 0);
        QCOMPARE(queue.push("newest").dropped, 1);
        QCOMPARE(queue.front(), QByteArray("1"));
        QVERIFY(queue.pop()); // delivered
    }
    RecordQueue restarted(folder.path(), &anyLine); // what the next run finds
    QCOMPARE(restarted.size(), RecordQueue::kCapacity - 1);
    QCOMPARE(restarted.front(), QByteArray("2"));
}

void PublishingTest::deliveredStayDeliveredAfterAKill()
{
    ProgramFolder folder;
    {
        RecordQueue queue(folder.path(), &anyLine);
        for (const char *payload : {"a", "b", "c", "d"})
            QVERIFY(queue.push(payload).written);
        QVERIFY(queue.pop());
        QVERIFY(queue.pop());
    }                                                                            // killed: nothing more is written
    QCOMPARE(folder.read("mqtt-queue.txt"), QByteArray("a\r\nb\r\nc\r\nd\r\n")); // only ever appended to
    QCOMPARE(waitingAfterAKill(folder), (QList<QByteArray>{"c", "d"}));
    QCOMPARE(waitingAfterAKill(folder), QList<QByteArray>{}); // all delivered: none goes again
}

void PublishingTest::cursorIsBelievedOnlyWhereTheJournalAgrees_data()
{
    QTest::addColumn<QByteArray>("journal"); // empty: none
    QTest::addColumn<QByteArray>("cursor");  // empty: none
    QTest::addColumn<QByteArrayList>("waiting");
    const QByteArray journal("a\r\nb\r\nc\r\nd\r\n");
    const QByteArrayList all{"a", "b", "c", "d"};
    const auto cursor = [](qint64 end, const QByteArray &line) {
        return QByteArray::number(end).rightJustified(19, '0') + ' ' + DeliveryCursor::hashOf(line) + "\r\n";
    };
    QTest::newRow("after the second line") << journal << cursor(6, "b") << QByteArrayList{"c", "d"};
    QTest::newRow("none: a queue of an older version") << journal << QByteArray() << all;
    QTest::newRow("torn") << journal << cursor(6, "b").left(12) << all;
    QTest::newRow("the right offset, another line") << journal << cursor(6, "a") << all;
    QTest::newRow("not at a line end") << journal << cursor(5, "b") << all;
    QTest::newRow("beyond the journal") << journal << cursor(60, "b") << all;
    QTest::newRow("killed after a rewrite's rename, before the cursor started again")
        << QByteArray("c\r\nd\r\n") << cursor(6, "b") << QByteArrayList{"c", "d"};
    QTest::newRow("all delivered") << journal << cursor(12, "d") << QByteArrayList{};
    QTest::newRow("killed between the journal's removal and the cursor's")
        << QByteArray() << cursor(12, "d") << QByteArrayList{};
}

void PublishingTest::cursorIsBelievedOnlyWhereTheJournalAgrees()
{
    QFETCH(QByteArray, journal);
    QFETCH(QByteArray, cursor);
    ProgramFolder folder;
    if (!journal.isEmpty())
        folder.write("mqtt-queue.txt", journal);
    if (!cursor.isEmpty())
        folder.write("mqtt-queue-delivered.txt", cursor);
    QTEST(waitingAfterAKill(folder), "waiting");
    QCOMPARE(waitingAfterAKill(folder), QList<QByteArray>{});
}

void PublishingTest::heldPayloadsReachTheJournalInOrder_data()
{
    QTest::addColumn<bool>("deliverFirst"); // the broker takes the first before the journal does
    QTest::addColumn<bool>("anotherComes"); // a record comes once the disk has room again
    QTest::addColumn<QByteArrayList>("waiting");
    QTest::newRow("at the next record") << false << true << QByteArrayList{"a", "b", "c"};
    QTest::newRow("when tried again, records having stopped") << false << false << QByteArrayList{"a", "b"};
    QTest::newRow("one delivered before the journal took it is never written") << true << false << QByteArrayList{"b"};
}

void PublishingTest::heldPayloadsReachTheJournalInOrder()
{
    QFETCH(bool, deliverFirst);
    QFETCH(bool, anotherComes);
    ProgramFolder folder;
    {
        RecordQueue queue(folder.path(), &anyLine);
        {
            const FileSizeLimit diskFull(0);
            QVERIFY(!queue.push("a").written);
            if (deliverFirst)
                QVERIFY(queue.pop());
            QVERIFY(!queue.push("b").written);
            QVERIFY(queue.holdsUnwritten());
        }
        QVERIFY(anotherComes ? queue.push("c").written : queue.writeUnwritten());
        QVERIFY(!queue.holdsUnwritten());
    } // killed
    QTEST(waitingAfterAKill(folder), "waiting");
}

void PublishingTest::journalDropsItsDeliveredLines()
{
    ProgramFolder folder;
    const QByteArray padding(1000, 'x');
    constexpr int kPayloads = 1100; // beyond RecordQueue::kCompactAfter in all
    {
        RecordQueue queue(folder.path(), &anyLine);
        for (int n = 0; n < kPayloads; ++n)
            QVERIFY(queue.push(QByteArray::number(n) + padding).written);
        for (int n = 0; n < kPayloads - 2; ++n)
            QVERIFY(queue.pop());
    } // killed
    QVERIFY(QFileInfo(folder.file("mqtt-queue.txt")).size() < RecordQueue::kCompactAfter / 10);
    QCOMPARE(waitingAfterAKill(folder), (QByteArrayList{"1098" + padding, "1099" + padding}));
}

void PublishingTest::queueLeftOpenTakesAgainWhatTheLogsHold_data()
{
    QTest::addColumn<QByteArray>("state"); // of the cursor; empty: no cursor
    QTest::addColumn<bool>("tornTail");    // the cut tore the journal's last line
    QTest::addColumn<QStringList>("requeued");
    const QStringList lost{"2026-12-07T23:59 10.4", "energy 2026-12-07 10.5", "2026-12-08T00:00 0.1"};
    QTest::newRow("left open: what was logged after its last line, the day's energy between the days")
        << QByteArray("open") << false << lost;
    QTest::newRow("no cursor: left open as well") << QByteArray() << false << lost;
    QTest::newRow("its last line torn: after the last whole one") << QByteArray("open") << true << lost;
    QTest::newRow("closed in order: nothing") << QByteArray("shut") << false << QStringList{};
}

// A power cut between a record's daily-log line and its queue line: the daily log has it, the
// queue does not, and the next run must deliver it all the same.
void PublishingTest::queueLeftOpenTakesAgainWhatTheLogsHold()
{
    QFETCH(QByteArray, state);
    QFETCH(bool, tornTail);
    ProgramFolder folder;
    const auto record = [](const QDate &day, QTime time, double energy) {
        Record logged{QDateTime(day, time), {}, false, energy, {}};
        logged.means.volts = 13;
        logged.means.amps = 3.3;
        logged.means.watts = 42;
        logged.means.rpm = 300;
        logged.means.windSpeed = 5;
        logged.health.thisInterval.accepted = 10;
        return logged;
    };
    const QDate day(2026, 12, 7);
    const QList<Record> first{record(day, QTime(23, 58, 10), 10.0), record(day, QTime(23, 58, 40), 10.2),
                              record(day, QTime(23, 59, 10), 10.4)};
    QByteArray log;
    for (const Record &logged : first)
        log += DailyLogLine::format(logged).toLatin1();
    folder.write("logs/P_2026_12_07.txt", log);
    folder.write("logs/P_2026_12_08.txt",
                 DailyLogLine::format(record(day.addDays(1), QTime(0, 0, 10), 0.1)).toLatin1());
    folder.write("logs/Whours.txt", "2026_12_08,00:00  10.5 Wh\r\n");
    // The first two were queued, the first delivered.
    const auto payload = [](const Record &logged) {
        return QJsonDocument(ReadingPayload::record(logged)).toJson(QJsonDocument::Compact);
    };
    const QByteArray delivered = payload(first.at(0)) + "\r\n";
    folder.write("mqtt-queue.txt",
                 delivered + payload(first.at(1)) + "\r\n" + (tornTail ? QByteArray("{\"amps\":3.") : QByteArray()));
    if (!state.isEmpty())
        folder.write("mqtt-queue-delivered.txt", QByteArray::number(delivered.size()).rightJustified(19, '0') + ' '
                                                     + DeliveryCursor::hashOf(payload(first.at(0))) + ' ' + state
                                                     + "\r\n");
    const LoggedPayloads logged(folder.path());
    RecordQueue queue(folder.path(), &MqttMessages::isQueuedPayload, &logged);
    QStringList waiting;
    for (; !queue.isEmpty(); (void)queue.pop()) {
        const QJsonObject object = QJsonDocument::fromJson(queue.front()).object();
        waiting << (object.contains("date") ? "energy " + object.value("date").toString()
                                            : object.value("time").toString().left(16))
                       + ' ' + QString::number(object.value("wh").toDouble());
    }
    QFETCH(QStringList, requeued);
    QCOMPARE(queue.loaded().requeued, requeued.size());
    QCOMPARE(waiting.mid(waiting.size() - requeued.size()), requeued);
    QCOMPARE(waiting.indexOf("2026-12-07T23:58 10.2"), waiting.size() - 1 - requeued.size()); // the last queued
}

void PublishingTest::instanceIsTheFolders()
{
    ProgramFolder folder;
    ProgramFolder other;
    const QString id = MqttPublisher::instanceId(folder.path());
    QVERIFY(QFile::link(folder.path(), other.file("link")));
    QCOMPARE(MqttPublisher::instanceId(other.file("link")), id); // the same folder by another way
    QVERIFY(MqttPublisher::instanceId(other.path()) != id);
    QVERIFY(id.size() <= 23); // what every broker takes as a client id
}

QTEST_GUILESS_MAIN(PublishingTest)
#include "tst_publishing.moc"
