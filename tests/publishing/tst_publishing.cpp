#include "fakeclock.h"
#include "fakeseriallink.h"
#include "programfolder.h"
#include "publishing/mqttpublisher.h"
#include "publishing/mqttpublishing.h"
#include "publishing/mqttsettings.h"
#include "publishing/recordqueue.h"
#include "session/loggersession.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>

using namespace Brolant;

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
    void instanceIsTheFolders();
};

void PublishingTest::settingsFromFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("problem"); // empty: usable
    QTest::addColumn<QString>("summary"); // host:port topic/site discovery

    const QByteArray on("<Enabled>1</Enabled><Host>broker.local</Host>");
    QTest::newRow("defaults") << on + "<Site>Shed PC #2</Site>" << "" << "broker.local:1883 brolant/shedpc2 homeassistant";
    QTest::newRow("every value") << QByteArray("<Enabled>1</Enabled><Host> 10.0.0.5 </Host><Port>8883</Port><Topic>farm/wind</Topic>"
                                               "<Site>north</Site><Discovery></Discovery>")
                                 << "" << "10.0.0.5:8883 farm/wind/north ";
    QTest::newRow("port 70000") << on + "<Port>70000</Port>" << "Port must be a whole number from 1 to 65535, not \"70000\"" << "";
    QTest::newRow("port 18.5") << on + "<Port>18.5</Port>" << "Port must be a whole number from 1 to 65535, not \"18.5\"" << "";
    QTest::newRow("topic with #") << on + "<Topic>a/#</Topic>" << "Topic must not contain # or +" << "";
    QTest::newRow("topic with +") << on + "<Topic>+/x</Topic>" << "Topic must not contain # or +" << "";
    QTest::newRow("topic with an empty level") << on + "<Topic>a//b</Topic>" << "Topic must not start or end with / or hold an empty level" << "";
    QTest::newRow("binary bytes in the host") << QByteArray("<Enabled>1</Enabled><Host>br\x01oker\xff</Host>")
                                             << "Host holds control characters or is longer than 255 characters" << "";
    QTest::newRow("no host") << QByteArray("<Enabled>1</Enabled>") << "Host must name the broker (a host name or an address)" << "";
    QTest::newRow("site of nothing usable") << on + "<Site>!!!</Site>" << "Site must hold at least one of a-z, 0-9, _ and -" << "";
    QTest::newRow("TLS 2") << on + "<TLS>2</TLS>" << "TLS must be 0 or 1, not \"2\"" << "";
    QTest::newRow("topic $SYS") << on + "<Topic>$SYS</Topic>"
                                << "Topic must not start with $: the broker keeps those topics for itself" << "";
    QTest::newRow("discovery under $") << on + "<Discovery>$share/ha</Discovery>"
                                       << "Discovery must not start with $: the broker keeps those topics for itself" << "";
    QTest::newRow("LiveEvery -1") << on + "<LiveEvery>-1</LiveEvery>"
                                  << "LiveEvery must be a whole number of seconds from 0 to 3600, not \"-1\"" << "";
    QTest::newRow("a certificate without its key")
        << on + "<TLS>1</TLS><CAFile>ca.crt</CAFile><CertFile>me.crt</CertFile>"
        << "CertFile and KeyFile go together: give both or neither" << "";
    QTest::newRow("a client certificate without TLS")
        << on + "<CAFile>ca.crt</CAFile><CertFile>me.crt</CertFile><KeyFile>me.key</KeyFile>"
        << "a client certificate needs TLS 1 and a CAFile, the authority that signed the broker's certificate" << "";
}

void PublishingTest::settingsFromFile()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, problem);
    try {
        const MqttSettings settings = MqttSettings::fromText(QString::fromLatin1(content));
        QCOMPARE(QString(), problem);
        QTEST(QStringLiteral("%1:%2 %3/%4 %5").arg(settings.host).arg(settings.port).arg(settings.topic, settings.site, settings.discovery), "summary");
    } catch (const Failure &failure) {
        QCOMPARE(failure.description, problem);
    }
}

void PublishingTest::switchedOffOrAbsentPublishesNothing()
{
    ProgramFolder folder;
    QVERIFY(!MqttSettings::load(folder.path()));
    folder.write("mqtt.cfg", "<Enabled>0</Enabled><Port>70000</Port>"); // off: nothing else matters
    QVERIFY(!MqttSettings::load(folder.path()));
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
    settings.save(folder.path());
    QCOMPARE(folder.read("mqtt.cfg"),
             QByteArray("MQTT Config File\r\n\r\n<Enabled>1</Enabled>\r\n<Host>localhost</Host>\r\n<Port>1883</Port>\r\n"
                        "<User>logger</User>\r\n<Password>s3cret</Password>\r\n<TLS>0</TLS>\r\n<CAFile></CAFile>\r\n"
                        "<CertFile></CertFile>\r\n<KeyFile></KeyFile>\r\n<Topic>brolant</Topic>\r\n<Site>shed</Site>\r\n"
                        "<Discovery>homeassistant</Discovery>\r\n<LiveEvery>1</LiveEvery>\r\n\r\n"));
    const QFileDevice::Permissions permissions = QFile::permissions(folder.file("mqtt.cfg"));
    QVERIFY(permissions.testFlags(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
    QVERIFY(!(permissions & (QFileDevice::ReadGroup | QFileDevice::ReadOther))); // it holds a password
    const auto back = MqttSettings::load(folder.path());
    QVERIFY(back);
    QCOMPARE(back->toFileText(), settings.toFileText());
}

void PublishingTest::hugeFileIsRefused()
{
    ProgramFolder folder;
    folder.write("mqtt.cfg", "<Enabled>1</Enabled><Host>localhost</Host>" + QByteArray(2 * 1024 * 1024, 'x'));
    QVERIFY_THROWS_EXCEPTION(Failure, MqttSettings::load(folder.path()));
}

void PublishingTest::hostileFileStartsNothingAndSaysWhy()
{
    ProgramFolder folder;
    FakeSerialLink link;
    FakeClock clock;
    LoggerSession session(folder.path(), link, clock);
    MqttPublishing publishing(session);
    QSignalSpy problems(&publishing, &MqttPublishing::problemFound);
    folder.write("mqtt.cfg", "<Enabled>1</Enabled><Host>localhost</Host><Topic>a/#</Topic>");
    publishing.start();
    QVERIFY(!publishing.publisher()); // so no connection is tried
    QCOMPARE(problems.size(), 1);
    QCOMPARE(problems.at(0).at(0).toString(), QString("MQTT publishing not started"));
    QCOMPARE(problems.at(0).at(1).toString(), QString("mqtt.cfg cannot be used: Topic must not contain # or +"));
}

void PublishingTest::queueKeepsTheNewestWhenFull()
{
    ProgramFolder folder;
    {
        RecordQueue queue(folder.path(), [](const QByteArray &) { return true; });
        for (qsizetype n = 0; n < RecordQueue::kCapacity; ++n)
            QCOMPARE(queue.push(QByteArray::number(n)), 0);
        QCOMPARE(queue.push("newest"), 1);
        QCOMPARE(queue.front(), QByteArray("1"));
        queue.pop(); // delivered
        queue.save(); // an orderly end
    }
    RecordQueue restarted(folder.path(), [](const QByteArray &) { return true; }); // what the next run finds
    QCOMPARE(restarted.size(), RecordQueue::kCapacity - 1);
    QCOMPARE(restarted.front(), QByteArray("2"));
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
