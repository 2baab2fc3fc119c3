// SPDX-License-Identifier: GPL-3.0-or-later
#include "brokerprocess.h"
#include "dialogs/publishing/mqttdialog.h"
#include "publishing/mqttclient.h"
#include "publishingrig.h"
#include "scriptedprompts.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>

#include <chrono>
#include <unistd.h>

using namespace Brolant;

Q_DECLARE_METATYPE(BrokerProcess::Listener)

namespace {
constexpr int kBrokerWait = 20000;
// A logger's first retry comes kFirstRetry after a refusal. One that fails before it reaches the
// broker leaves no trace outside the logger's own process, so its passing is waited for by the
// clock: the retry's period and room for a loaded machine.
constexpr int kFirstRetryPassed = int(std::chrono::milliseconds(MqttClient::kFirstRetry).count()) + 1500;

// `text` with the test's places filled in: PORT, the broker's files (@CA@, @CERT@, @KEY@, @SERVERKEY@)
// and a file that is no certificate (@NOTCERT@).
QString filledIn(QString text, BrokerProcess &broker, const ProgramFolder &folder)
{
    return text.replace("PORT", QString::number(broker.port()))
        .replace("@CA@", broker.caFile())
        .replace("@CERT@", broker.clientCertFile())
        .replace("@KEY@", broker.clientKeyFile())
        .replace("@SERVERKEY@", QFileInfo(broker.caFile()).dir().filePath("server.key"))
        .replace("@NOTCERT@", folder.file("prog.cfg"));
}
} // namespace

// TLS as the settings say, or no connection at all, with a reason a user can act on: against a
// real Mosquitto broker started by the test, with certificates of its own.
class MqttTlsTest : public QObject
{
    Q_OBJECT

private slots:
    void tlsOutcome_data();
    void tlsOutcome();
    void unreadableCaFileIsNoPlainConnection();
    void systemCertificatesAfterABrokerRestart();
};

void MqttTlsTest::tlsOutcome_data()
{
    using Listener = BrokerProcess::Listener;
    QTest::addColumn<Listener>("listener");
    QTest::addColumn<QString>("settings"); // CAFile, CertFile, KeyFile
    QTest::addColumn<QString>("outcome");  // in the dialog's Test and the error log

    QTest::newRow("CAFile names the authority") << Listener::Tls << "@CA@||"
                                                << "connected";
    QTest::newRow("the system's certificates do not know it")
        << Listener::Tls << "||"
        << "certificate not trusted: the broker's certificate is not signed by an authority this computer trusts";
    QTest::newRow("CAFile holds no certificate") << Listener::Tls << "@NOTCERT@||"
                                                 << "CAFile @NOTCERT@ holds no certificate";
    QTest::newRow("CAFile is missing") << Listener::Tls << "/nowhere/ca.crt||"
                                       << "CAFile /nowhere/ca.crt cannot be read: No such file or directory";
    QTest::newRow("TLS on against a plain port")
        << Listener::Plain << "||"
        << "no TLS at 127.0.0.1:PORT: the broker there does not encrypt (its TLS port is often 8883)";
    QTest::newRow("the certificate is made out to another name")
        << Listener::TlsForAnotherName << "@CA@||"
        << "the broker's certificate is not made out to 127.0.0.1";
    QTest::newRow("a client certificate the broker wants")
        << Listener::TlsWantingClientCertificate << "@CA@|@CERT@|@KEY@"
        << "connected";
    QTest::newRow("no client certificate for a broker that wants one")
        << Listener::TlsWantingClientCertificate << "@CA@||"
        << "the broker at 127.0.0.1:PORT closed the TLS connection unanswered: it may want a client certificate "
           "(CertFile and KeyFile)";
    QTest::newRow("a key that is not the certificate's")
        << Listener::TlsWantingClientCertificate << "@CA@|@CERT@|@SERVERKEY@"
        << "KeyFile @SERVERKEY@ is not the key of CertFile @CERT@";
}

void MqttTlsTest::tlsOutcome()
{
    QFETCH(BrokerProcess::Listener, listener);
    PublishingRig rig;
    QVERIFY(rig.broker.start(listener));
    QFETCH(QString, settings);
    const QStringList files = filledIn(settings, rig.broker, rig.folder).split(u'|');
    QFETCH(QString, outcome);
    outcome = filledIn(outcome, rig.broker, rig.folder);

    ScriptedPrompts messages;
    MqttDialog dialog(rig.store, messages);
    const auto type = [&](const char *name, const QString &text) {
        dialog.findChild<QLineEdit *>(name)->setText(text);
    };
    type("Host", "127.0.0.1");
    type("Port", QString::number(rig.broker.port()));
    type("User", "logger");
    type("Password", "s3cret");
    dialog.findChild<QCheckBox *>("TLS")->setChecked(true);
    type("CAFile", files[0]);
    type("CertFile", files[1]);
    type("KeyFile", files[2]);
    QTest::mouseClick(dialog.findChild<QPushButton *>("Test"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(dialog.findChild<QLabel *>("Outcome")->text(), outcome, kBrokerWait);

    rig.mqttSettings = "<Port>PORT</Port><TLS>1</TLS><CAFile>" + files[0].toUtf8() + "</CAFile><CertFile>"
                       + files[1].toUtf8() + "</CertFile><KeyFile>" + files[2].toUtf8() + "</KeyFile>"
                       + rig.mqttSettings;
    rig.startPublishing();
    if (outcome == "connected") {
        QTRY_VERIFY_WITH_TIMEOUT(rig.connected(), kBrokerWait);
        return;
    }
    QTRY_VERIFY2_WITH_TIMEOUT(rig.errorLog().contains(("broker not available  " + outcome).toLatin1()),
                              rig.errorLog().constData(), kBrokerWait);
    QTRY_VERIFY_WITH_TIMEOUT(rig.unavailable >= 2, kBrokerWait); // the retry, refused as well
    QVERIFY(!rig.connected());
    QVERIFY(!rig.broker.log().contains("as brolant-")); // no client ever got as far as the broker
}

void MqttTlsTest::unreadableCaFileIsNoPlainConnection()
{
    ProgramFolder folder;
    folder.writeProgramConfig("1", "1", "60");
    folder.writeCalibration();
    BrokerProcess broker;
    QVERIFY(broker.start()); // a plain listener: what the logger must not fall back to
    QVERIFY(broker.subscribe("brolant/#"));
    folder.write("ca.crt", "-----BEGIN CERTIFICATE-----\n");
    QVERIFY(QFile::setPermissions(folder.file("ca.crt"), {})); // mode 0000
    folder.write("mqtt.cfg", "<Enabled>1</Enabled><Host>127.0.0.1</Host><Port>" + QByteArray::number(broker.port())
                                 + "</Port><User>logger</User><Password>s3cret</Password><TLS>1</TLS><CAFile>"
                                 + folder.file("ca.crt").toUtf8() + "</CAFile><Site>unread</Site>");
    QVERIFY(QFile::copy(qEnvironmentVariable("BROLANT_BUILD_DIR") + "/brolant-logger", folder.file("brolant-logger")));
    // Root reads any file, so as root the logger runs as nobody, in a folder nobody may write.
    QVERIFY(QFile::setPermissions(folder.path(), QFileDevice::Permissions(0x7777)));
    QProcess logger;
    if (geteuid() == 0)
        logger.start("setpriv", {"--reuid=nobody", "--regid=nogroup", "--clear-groups", folder.file("brolant-logger")});
    else
        logger.start(folder.file("brolant-logger"), {});
    QTRY_VERIFY2_WITH_TIMEOUT(folder.read("errorlog.txt")
                                  .contains("broker not available  CAFile " + folder.file("ca.crt").toUtf8()
                                            + " cannot be read: Permission denied"),
                              folder.read("errorlog.txt").constData(), kBrokerWait);
    // Its retries show nowhere outside it (it reaches neither the broker nor the error log again).
    QTest::qWait(kFirstRetryPassed);
    logger.kill();
    logger.waitForFinished();
    QVERIFY(broker.heard().filter("brolant/unread/status").isEmpty());
    QVERIFY2(!broker.log().contains("as brolant-"), broker.log().constData()); // not even a plain hello
}

void MqttTlsTest::systemCertificatesAfterABrokerRestart()
{
    PublishingRig rig("<Port>PORT</Port><TLS>1</TLS><CAFile></CAFile>");
    QVERIFY(rig.broker.start(BrokerProcess::Listener::Tls));
    // The system's certificates, as the TLS library finds them, are the test's authority here.
    qputenv("SSL_CERT_FILE", rig.broker.caFile().toLocal8Bit());
    const auto restore = qScopeGuard([] { qunsetenv("SSL_CERT_FILE"); });
    rig.startPublishing();
    QTRY_VERIFY_WITH_TIMEOUT(rig.connected(), kBrokerWait);
    rig.broker.stop();
    QTRY_VERIFY_WITH_TIMEOUT(!rig.connected(), kBrokerWait);
    QVERIFY(rig.broker.start());
    QTRY_VERIFY2_WITH_TIMEOUT(rig.connected(), rig.errorLog().constData(), kBrokerWait);
}

QTEST_MAIN(MqttTlsTest)
#include "tst_mqtt_tls_e2e.moc"
