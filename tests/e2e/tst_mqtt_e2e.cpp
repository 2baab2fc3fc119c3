// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/alarmservice.h"
#include "app/alarmfeed.h"
#include "app/consolestatus.h"
#include "app/loggerparts.h"
#include "boardprocess.h"
#include "brokerprocess.h"
#include "dialogs/publishing/mqttdialog.h"
#include "publishingrig.h"
#include "screenreader.h"
#include "scriptedprompts.h"

#include <QCheckBox>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

using namespace Brolant;

namespace {
constexpr int kBrokerWait = 20000;
} // namespace

// Publishing to a real Mosquitto broker started by the test on a loopback port.
class MqttEndToEndTest : public QObject
{
    Q_OBJECT

private slots:
    void statusAndDiscoveryAreRetained();
    void recordCarriesWhatTheDailyLogHolds();
    void alarmsAreRetainedWithTheirDiscovery();
    void gapArrivesInOrderWhenTheBrokerIsBack();
    void queueSurvivesARestart();
    void wrongPasswordIsReportedOnceAndLoggingGoesOn();
    void liveEvery_data();
    void liveEvery();
    void newSettingsApplyAtOnce();
    void lastWillWhenTheLoggerIsKilled();
    void dialogTestsTheValuesAsTyped_data();
    void dialogTestsTheValuesAsTyped();
    void dialogSavesOrRefuses();
    void dialogSaveAppliesAtOnce();
};

void MqttEndToEndTest::statusAndDiscoveryAreRetained()
{
    PublishingRig rig("<Port>PORT</Port>");
    QVERIFY(rig.broker.start());
    rig.startPublishing();
    QTRY_VERIFY_WITH_TIMEOUT(rig.connected(), kBrokerWait);
    QVERIFY(rig.broker.subscribe("#")); // after the fact: only what the broker kept
    QTRY_COMPARE_WITH_TIMEOUT(rig.broker.heard().filter(QRegularExpression("^1 ")).size(), 7, kBrokerWait);
    const QStringList heard = rig.broker.heard();
    QVERIFY(heard.contains("1 brolant/shed/status online"));
    const QStringList volts = heard.filter("1 homeassistant/sensor/brolant_shed/volts/config ");
    QCOMPARE(volts.size(), 1);
    const QJsonObject config = payload(volts.first());
    QCOMPARE(config["unique_id"].toString(), QStringLiteral("brolant_shed_volts"));
    QCOMPARE(config["state_topic"].toString(), QStringLiteral("brolant/shed/live"));
    QCOMPARE(config["availability_topic"].toString(), QStringLiteral("brolant/shed/status"));
    QCOMPARE(config["device_class"].toString(), QStringLiteral("voltage"));
    QCOMPARE(config["device"].toObject()["name"].toString(), QStringLiteral("Brolant shed"));
    QCOMPARE(config["expire_after"].toInt(), 5); // a dead board shows as unavailable, not as its last reading
    const QJsonObject energy = payload(heard.filter("1 homeassistant/sensor/brolant_shed/wh/config ").value(0));
    QCOMPARE(energy["state_class"].toString(), QStringLiteral("total_increasing"));
    QCOMPARE(energy["unit_of_measurement"].toString(), QStringLiteral("Wh"));

    // Program Setup saves other wind-speed units: Home Assistant hears them at once.
    rig.folder.write("prog.cfg", rig.folder.read("prog.cfg").replace("<WSUnits>m/s<", "<WSUnits>mph<"));
    rig.session.reloadSettings();
    const auto windUnits = [&rig] {
        const QStringList wind = rig.broker.heard().filter(" homeassistant/sensor/brolant_shed/wind/config ");
        return wind.isEmpty() ? QString() : payload(wind.last())["unit_of_measurement"].toString();
    };
    QTRY_COMPARE_WITH_TIMEOUT(windUnits(), QStringLiteral("mph"), kBrokerWait);
}

void MqttEndToEndTest::alarmsAreRetainedWithTheirDiscovery()
{
    PublishingRig rig("<Port>PORT</Port>");
    rig.folder.write("alarms.cfg", "<Delay>0</Delay>");
    AlarmService alarms(rig.session, rig.clock, rig.problems, rig.store.alarms());
    QVERIFY(rig.broker.start());
    rig.startPublishing();
    AlarmPublishing published([&alarms] { return alarmsAtBroker(alarms); });
    feedAlarms(alarms, published);
    published.publishTo(*rig.publisher);
    QTRY_VERIFY_WITH_TIMEOUT(rig.connected(), kBrokerWait);
    rig.push({"[</V>580<V><I>577</I>]"}); // tags the wrong way round: rejected, no reading
    QVERIFY(!alarms.monitor().isRaised(AlarmKind::LowVolts));
    rig.push({frame(580)}); // 11.6 V
    QVERIFY(alarms.monitor().isRaised(AlarmKind::LowVolts));
    QVERIFY(rig.broker.subscribe("#")); // after the fact: only what the broker kept
    QTRY_VERIFY_WITH_TIMEOUT(rig.broker.heard().contains("1 brolant/shed/alarm/LowVolts raised"), kBrokerWait);
    QTRY_COMPARE_WITH_TIMEOUT(rig.broker.heard().filter(QRegularExpression("^1 .*/binary_sensor/")).size(), 4,
                              kBrokerWait);
    const QStringList heard = rig.broker.heard();
    QVERIFY(heard.contains("1 brolant/shed/alarm/HighVolts cleared"));
    QVERIFY(heard.filter("alarm/HighRPM").isEmpty()); // off by default
    const QJsonObject low = payload(
        heard.filter("1 homeassistant/binary_sensor/brolant_shed/alarm_lowvolts/config ").value(0));
    QCOMPARE(low["device_class"].toString(), QStringLiteral("battery"));
    QCOMPARE(low["state_topic"].toString(), QStringLiteral("brolant/shed/alarm/LowVolts"));
    QCOMPARE(low["payload_on"].toString(), QStringLiteral("raised"));
    // Home Assistant's battery class means "battery low" when on: a high battery is a problem.
    for (const char *alarm : {"nodata", "highvolts", "highamps"}) {
        const QString config = QStringLiteral("1 homeassistant/binary_sensor/brolant_shed/alarm_%1/config ").arg(alarm);
        QCOMPARE(payload(heard.filter(config).value(0))["device_class"].toString(), QStringLiteral("problem"));
    }
}

void MqttEndToEndTest::recordCarriesWhatTheDailyLogHolds()
{
    PublishingRig rig("<Port>PORT</Port>");
    QVERIFY(rig.broker.start());
    QVERIFY(rig.broker.subscribe("brolant/#"));
    rig.startPublishing();
    QTRY_VERIFY_WITH_TIMEOUT(rig.connected(), kBrokerWait);
    rig.push({frame(626), frame(627)}); // 12.52 and 12.54 V
    rig.core.energy.tick();
    rig.core.logging.tick();
    QTRY_COMPARE_WITH_TIMEOUT(rig.records().size(), 1, kBrokerWait);
    const QJsonObject record = payload(rig.records().first());
    const QByteArray line = rig.folder.read("logs/P_2026_12_07.txt");
    QCOMPARE(line,
             QByteArray("<T>14:05</T><V>12.53</V><I>3.30</I><W>41.00</W><R>300</R><S>5.0</S><M>0</M>   .1Wh\r\n"));
    QCOMPARE(record["volts"].toDouble(), 12.53);
    QCOMPARE(record["amps"].toDouble(), 3.3);
    QCOMPARE(record["watts"].toDouble(), 41.0);
    QCOMPARE(record["rpm"].toDouble(), 300.0);
    QCOMPARE(record["wind"].toDouble(), 5.0);
    QCOMPARE(record["wh"].toDouble(), 0.1);
    QCOMPARE(record["frames"].toInt(), 2);
    QVERIFY(record["time"].toString().startsWith("2026-12-07T14:05:10"));
    const QJsonObject live = payload(rig.broker.heard().filter(" brolant/shed/live ").value(0));
    QCOMPARE(live["volts"].toDouble(), 12.52); // the first frame; the second came within the second

    rig.clock.set(QDateTime(QDate(2026, 12, 8), QTime(0, 0, 3)));
    rig.core.energy.tick(); // the day closes
    QTRY_COMPARE_WITH_TIMEOUT(rig.broker.heard().filter(" brolant/shed/energy ").size(), 1, kBrokerWait);
    const QJsonObject day = payload(rig.broker.heard().filter(" brolant/shed/energy ").first());
    QCOMPARE(day["date"].toString(), QStringLiteral("2026-12-07"));
    QCOMPARE(day["wh"].toDouble(), 0.1);
    QCOMPARE(rig.folder.read("logs/Whours.txt"), QByteArray("2026_12_08,00:00  .1 Wh\r\n"));
}

void MqttEndToEndTest::gapArrivesInOrderWhenTheBrokerIsBack()
{
    PublishingRig rig("<Port>PORT</Port>");
    QVERIFY(rig.broker.start());
    rig.startPublishing();
    QTRY_VERIFY_WITH_TIMEOUT(rig.connected(), kBrokerWait);
    rig.broker.stop();
    QTRY_VERIFY_WITH_TIMEOUT(!rig.connected(), kBrokerWait);
    for (int volts : {600, 650, 700})
        rig.logInterval(volts);
    QTRY_VERIFY_WITH_TIMEOUT(rig.unavailable >= 2, kBrokerWait); // a retry failed too
    QCOMPARE(rig.errorLog().count("broker not available"), 1);
    QVERIFY(rig.broker.start());
    QVERIFY(rig.broker.subscribe("brolant/shed/record"));
    QTRY_COMPARE_WITH_TIMEOUT(rig.records().size(), 3, kBrokerWait);
    const QStringList records = rig.records();
    QCOMPARE(payload(records[0])["volts"].toDouble(), 12.0);
    QCOMPARE(payload(records[1])["volts"].toDouble(), 13.0);
    QCOMPARE(payload(records[2])["volts"].toDouble(), 14.0);
    QVERIFY(rig.errorLog().contains("broker available again"));
}

void MqttEndToEndTest::queueSurvivesARestart()
{
    PublishingRig rig("<Port>PORT</Port>");
    QVERIFY(rig.broker.start());
    rig.broker.stop(); // the port is chosen, nobody listens
    rig.startPublishing();
    rig.logInterval(600);
    rig.logInterval(650);
    rig.publishing.end(); // the end of this run
    QCOMPARE(rig.folder.read("mqtt-queue.txt").count("\r\n"), 2);

    QVERIFY(rig.broker.start());
    QVERIFY(rig.broker.subscribe("brolant/shed/record"));
    rig.startPublishing(); // the next run
    QTRY_COMPARE_WITH_TIMEOUT(rig.records().size(), 2, kBrokerWait);
    QCOMPARE(payload(rig.records()[1])["volts"].toDouble(), 13.0);
    QTRY_COMPARE_WITH_TIMEOUT(rig.publisher->waitingRecords(), 0, kBrokerWait);
}

void MqttEndToEndTest::wrongPasswordIsReportedOnceAndLoggingGoesOn()
{
    PublishingRig rig("<Port>PORT</Port><Password>wrong</Password>");
    QVERIFY(rig.broker.start());
    rig.startPublishing();
    QTRY_VERIFY2_WITH_TIMEOUT(rig.errorLog().contains("broker not available  wrong user name or password"),
                              rig.errorLog().constData(), kBrokerWait);
    QTRY_VERIFY_WITH_TIMEOUT(rig.unavailable >= 3, kBrokerWait); // two more refusals
    QCOMPARE(rig.errorLog().count("wrong user name or password"), 1);
    rig.logInterval(650);
    QVERIFY(rig.folder.read("logs/P_2026_12_07.txt").startsWith("<T>14:05</T><V>13.00</V>"));
}

void MqttEndToEndTest::liveEvery_data()
{
    QTest::addColumn<QByteArray>("setting");
    QTest::addColumn<int>("live"); // live messages for a frame a second for 10 seconds
    QTest::newRow("every second by default") << QByteArray() << 10;
    QTest::newRow("every 5 seconds") << QByteArray("<LiveEvery>5</LiveEvery>") << 2;
    QTest::newRow("none") << QByteArray("<LiveEvery>0</LiveEvery>") << 0;
}

void MqttEndToEndTest::liveEvery()
{
    QFETCH(QByteArray, setting);
    PublishingRig rig(setting + "<Port>PORT</Port>");
    QVERIFY(rig.broker.start());
    QVERIFY(rig.broker.subscribe("brolant/shed/+"));
    rig.startPublishing();
    QTRY_VERIFY_WITH_TIMEOUT(rig.connected(), kBrokerWait);
    for (int second = 0; second < 10; ++second) {
        rig.push({frame(600)});
        rig.clock.advance(1000);
    }
    rig.core.logging.tick(); // the record arrives after every live message sent before it
    QTRY_COMPARE_WITH_TIMEOUT(rig.records().size(), 1, kBrokerWait);
    QTEST(int(rig.broker.heard().filter(" brolant/shed/live ").size()), "live");
}

void MqttEndToEndTest::newSettingsApplyAtOnce()
{
    ProgramFolder folder;
    folder.write("alarms.cfg", "<Delay>0</Delay>");
    BrokerProcess broker;
    QVERIFY(broker.start());
    QVERIFY(broker.subscribe("brolant/#"));
    const auto settings = [&](const char *enabled, const char *site) {
        return QByteArray("<Enabled>") + enabled + "</Enabled><Host>127.0.0.1</Host><Port>"
               + QByteArray::number(broker.port()) + "</Port><User>logger</User><Password>s3cret</Password><Site>"
               + site + "</Site>";
    };
    folder.write("mqtt.cfg", settings("1", "north"));
    FakeSerialLink link;
    FakeClock clock;
    RecordingView view;
    LoggerParts logger(folder.path(), link, clock, view, Attendance::Unattended);
    QString shown; // the broker's state as the window and the headless logger say it
    QObject::connect(&logger.publishing, &MqttPublishing::stateChanged, &logger.publishing,
                     [&shown](const BrokerState &state) { shown = ConsoleStatus::brokerWords(state); });
    logger.start();
    QTRY_VERIFY_WITH_TIMEOUT(broker.heard().contains("0 brolant/north/alarm/HighVolts cleared"), kBrokerWait);

    folder.write("mqtt.cfg", settings("1", "south")); // an edit in place
    QTRY_VERIFY_WITH_TIMEOUT(broker.heard().contains("0 brolant/south/status online"), kBrokerWait);
    QVERIFY(broker.heard().contains("0 brolant/north/status offline")); // the old one said goodbye first
    QTRY_VERIFY_WITH_TIMEOUT(broker.heard().contains("0 brolant/south/alarm/HighVolts cleared"), kBrokerWait);
    QCOMPARE(shown, QStringLiteral("connected to 127.0.0.1:%1").arg(broker.port()));
    QVERIFY(folder.read("errorlog.txt")
                .contains("MQTT settings changed  the new settings in mqtt.cfg apply: publishing to 127.0.0.1:"
                          + QByteArray::number(broker.port()) + " as site south"));

    // New alarm settings: each alarm's state is said once more, not twice.
    folder.write("alarms.cfg", "<Delay>0</Delay><HighRPM>400</HighRPM><HighRPMClear>300</HighRPMClear>");
    QTRY_VERIFY_WITH_TIMEOUT(broker.heard().contains("0 brolant/south/alarm/HighRPM cleared"), kBrokerWait);

    folder.write("mqtt.cfg", settings("0", "south"));
    QTRY_VERIFY_WITH_TIMEOUT(broker.heard().contains("0 brolant/south/status offline"), kBrokerWait);
    // The goodbye comes after anything the publisher said before it.
    QCOMPARE(broker.heard().count("0 brolant/south/alarm/HighVolts cleared"), 2);
    QVERIFY(!logger.publishing.publisher());
    QCOMPARE(shown, QString()); // nothing published, nothing shown
    QVERIFY(folder.read("errorlog.txt").contains("the new settings in mqtt.cfg apply: publishing off"));
    logger.end();
}

void MqttEndToEndTest::lastWillWhenTheLoggerIsKilled()
{
    ProgramFolder folder;
    folder.writeProgramConfig("1", "1", "60");
    folder.writeCalibration();
    BrokerProcess broker;
    QVERIFY(broker.start());
    folder.write("mqtt.cfg", "<Enabled>1</Enabled><Host>127.0.0.1</Host><Port>" + QByteArray::number(broker.port())
                                 + "</Port><User>logger</User><Password>s3cret</Password><Site>killed</Site>");
    BoardProcess board;
    QVERIFY(board.start(folder.file("COM1"), {"--rate", "5"}));
    QVERIFY(QFile::copy(qEnvironmentVariable("BROLANT_BUILD_DIR") + "/brolant-logger", folder.file("brolant-logger")));
    QVERIFY(broker.subscribe("brolant/killed/status"));
    QProcess logger;
    logger.start(folder.file("brolant-logger"), {});
    QTRY_VERIFY_WITH_TIMEOUT(broker.heard().contains("0 brolant/killed/status online"), kBrokerWait);
    logger.kill();
    logger.waitForFinished();
    QTRY_VERIFY_WITH_TIMEOUT(broker.heard().contains("0 brolant/killed/status offline"), kBrokerWait);
}

void MqttEndToEndTest::dialogTestsTheValuesAsTyped_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("brokerUp");
    QTest::addColumn<QString>("outcome"); // PORT stands for the broker's port
    QTest::newRow("right password") << "s3cret" << true << "connected";
    QTest::newRow("wrong password") << "wrong" << true << "wrong user name or password";
    QTest::newRow("no broker") << "s3cret" << false << "no broker at 127.0.0.1:PORT";
}

void MqttEndToEndTest::dialogTestsTheValuesAsTyped()
{
    QFETCH(QString, password);
    QFETCH(bool, brokerUp);
    ProgramFolder folder;
    ScriptedPrompts messages;
    BrokerProcess broker;
    QVERIFY(broker.start());
    if (!brokerUp)
        broker.stop();
    SettingsStore store(folder.path());
    MqttDialog dialog(store, messages);
    dialog.show();
    const auto type = [&](const char *name, const QString &text) {
        dialog.findChild<QLineEdit *>(name)->setText(text);
    };
    type("Host", "127.0.0.1");
    type("Port", QString::number(broker.port()));
    type("User", "logger");
    type("Password", password);
    QTest::mouseClick(dialog.findChild<QPushButton *>("Test"), Qt::LeftButton);
    auto *said = dialog.findChild<QLabel *>("Outcome");
    QFETCH(QString, outcome);
    QTRY_COMPARE_WITH_TIMEOUT(said->text(), outcome.replace("PORT", QString::number(broker.port())), kBrokerWait);
    QVERIFY(!QFile::exists(folder.file("mqtt.cfg"))); // testing saves nothing
}

void MqttEndToEndTest::dialogSavesOrRefuses()
{
    ProgramFolder folder;
    ScriptedPrompts messages;
    SettingsStore store(folder.path());
    MqttDialog dialog(store, messages);
    dialog.show();
    QCOMPARE(controlsHeardWrong(dialog).join("; "), QString());
    dialog.findChild<QCheckBox *>("Enabled")->setChecked(true);
    dialog.findChild<QLineEdit *>("Host")->setText("broker.local");
    dialog.findChild<QLineEdit *>("Port")->setText("70000");
    QTest::mouseClick(dialog.findChild<QPushButton *>("Save"), Qt::LeftButton);
    QCOMPARE(messages.messages.size(), 1);
    QVERIFY(messages.messages[0].contains("Port must be a whole number from 1 to 65535"));
    QVERIFY(!QFile::exists(folder.file("mqtt.cfg")));
    dialog.findChild<QLineEdit *>("Port")->setText("1884");
    dialog.findChild<QLineEdit *>("LiveEvery")->setText("10");
    dialog.findChild<QCheckBox *>("TLS")->setChecked(true);
    dialog.findChild<QLineEdit *>("CAFile")->setText("/etc/brolant/ca.crt");
    dialog.findChild<QLineEdit *>("CertFile")->setText("/etc/brolant/logger.crt");
    dialog.findChild<QLineEdit *>("KeyFile")->setText("/etc/brolant/logger.key");
    QTest::mouseClick(dialog.findChild<QPushButton *>("Save"), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    const QByteArray saved = folder.read("mqtt.cfg");
    QVERIFY(saved.contains("<Host>broker.local</Host>\r\n<Port>1884</Port>"));
    QVERIFY(
        saved.contains("<CertFile>/etc/brolant/logger.crt</CertFile>\r\n<KeyFile>/etc/brolant/logger.key</KeyFile>"));
    QVERIFY(saved.contains("<LiveEvery>10</LiveEvery>"));
}

void MqttEndToEndTest::dialogSaveAppliesAtOnce()
{
    ProgramFolder folder;
    BrokerProcess broker;
    QVERIFY(broker.start());
    QVERIFY(broker.subscribe("brolant/+/status"));
    FakeSerialLink link;
    FakeClock clock;
    RecordingView view;
    LoggerParts logger(folder.path(), link, clock, view, Attendance::Unattended);
    logger.start();
    QVERIFY(!logger.publishing.publisher());
    ScriptedPrompts messages;
    MqttDialog dialog(logger.settings, messages);
    dialog.findChild<QCheckBox *>("Enabled")->setChecked(true);
    dialog.findChild<QLineEdit *>("Host")->setText("127.0.0.1");
    dialog.findChild<QLineEdit *>("Port")->setText(QString::number(broker.port()));
    dialog.findChild<QLineEdit *>("User")->setText("logger");
    dialog.findChild<QLineEdit *>("Password")->setText("s3cret");
    dialog.findChild<QLineEdit *>("Site")->setText("barn");
    QTest::mouseClick(dialog.findChild<QPushButton *>("Save"), Qt::LeftButton);
    QVERIFY(logger.publishing.publisher()); // before any event: the save itself started it
    QTRY_VERIFY_WITH_TIMEOUT(broker.heard().contains("0 brolant/barn/status online"), kBrokerWait);
    // Well past the watcher's settling: the save is said once, not again when the watcher sees it.
    folder.write("web.cfg", "<Enabled>0</Enabled>");
    QTRY_VERIFY(folder.read("errorlog.txt").contains("web page settings changed"));
    QCOMPARE(folder.read("errorlog.txt").count("MQTT settings changed  the new settings in mqtt.cfg apply"), 1);
    logger.end();
}

QTEST_MAIN(MqttEndToEndTest)
#include "tst_mqtt_e2e.moc"
