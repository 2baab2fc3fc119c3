// SPDX-License-Identifier: GPL-3.0-or-later
#include "brokerprocess.h"

#include "loopback.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <pwd.h>
#include <signal.h>
#include <unistd.h>

namespace {
constexpr int kStartMilliseconds = 10000;

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
} // namespace

QByteArray BrokerProcess::loggerSettings(const QByteArray &site) const
{
    return "<Enabled>1</Enabled><Host>127.0.0.1</Host><Port>" + QByteArray::number(m_port) + "</Port><User>" + kUser
           + "</User><Password>" + kPassword + "</Password><Site>" + site + "</Site>";
}

BrokerProcess::~BrokerProcess()
{
    m_subscriber.kill();
    m_subscriber.waitForFinished();
    stop();
}

bool BrokerProcess::start(Listener listener, const QByteArray &acl)
{
    const QString dir = m_dir.path() + u'/';
    if (m_port == 0) {
        m_port = Loopback::freePort();
        if (!Loopback::run("mosquitto_passwd", {"-b", "-c", dir + "passwords", kUser, kPassword}))
            return false;
        if (listener != Listener::Plain && !Loopback::makeCertificates(m_dir.path()))
            return false;
        if (listener == Listener::TlsForAnotherName
            && !Loopback::makeSignedCertificate(m_dir.path(), "server", "/CN=broker.elsewhere.invalid",
                                                "subjectAltName=DNS:broker.elsewhere.invalid\n"))
            return false;
        if (listener == Listener::TlsWantingClientCertificate
            && !Loopback::makeSignedCertificate(m_dir.path(), "client", "/CN=logger", "extendedKeyUsage=clientAuth\n"))
            return false;
        // Run as whoever runs the test: started as root, mosquitto would switch to its own user,
        // who cannot read the test's private folder.
        QString config = QStringLiteral("listener %1 127.0.0.1\nallow_anonymous false\npassword_file %2passwords\n"
                                        "persistence false\nuser %3\nlog_dest stderr\n")
                             .arg(m_port)
                             .arg(dir, QString::fromLocal8Bit(getpwuid(geteuid())->pw_name));
        if (listener != Listener::Plain)
            config += QStringLiteral("cafile %1ca.crt\ncertfile %1server.crt\nkeyfile %1server.key\n").arg(dir);
        if (listener == Listener::TlsWantingClientCertificate)
            config += QStringLiteral("require_certificate true\n");
        if (!acl.isEmpty()) {
            if (!writeFile(dir + "acl", acl))
                return false;
            config += QStringLiteral("acl_file %1acl\n").arg(dir);
        }
        if (!writeFile(dir + "mosquitto.conf", config.toUtf8()))
            return false;
    }
    m_broker.start("mosquitto", {"-c", dir + "mosquitto.conf"});
    if (!m_broker.waitForStarted())
        return false;
    const QDeadlineTimer deadline(kStartMilliseconds);
    while (!Loopback::listens(m_port)) {
        if (deadline.hasExpired() || m_broker.state() == QProcess::NotRunning) {
            qWarning("mosquitto did not come up on port %d: %s", m_port, log().constData());
            return false;
        }
        QThread::msleep(20);
    }
    return true;
}

void BrokerProcess::stop()
{
    if (m_broker.state() == QProcess::NotRunning)
        return;
    resume(); // a frozen broker would not hear the request to end
    m_broker.terminate();
    if (!m_broker.waitForFinished(kStartMilliseconds))
        m_broker.kill();
    m_broker.waitForFinished();
    log(); // kept across a restart
}

void BrokerProcess::pause()
{
    ::kill(pid_t(m_broker.processId()), SIGSTOP);
}

void BrokerProcess::resume()
{
    ::kill(pid_t(m_broker.processId()), SIGCONT);
}

QByteArray BrokerProcess::log()
{
    m_log += m_broker.readAllStandardError();
    return m_log;
}

bool BrokerProcess::subscribe(const QString &filter)
{
    // Line by line: a pipe would otherwise hold the subscriber's output until a buffer fills.
    QStringList arguments{"-oL", "mosquitto_sub", "-h", "127.0.0.1", "-p", QString::number(m_port),
                          "-u",  kUser,           "-P", kPassword,   "-t", filter,
                          "-F",  "%r %t %p",      "-d"}; // -d: it says when it is subscribed
    if (QFile::exists(caFile()))
        arguments << "--cafile" << caFile();
    m_subscriber.start("stdbuf", arguments);
    // Only once the broker has the subscription is nothing published afterwards missed.
    const QDeadlineTimer deadline(kStartMilliseconds);
    while (!m_heard.contains("\nSubscribed") && !m_heard.startsWith("Subscribed")) {
        if (deadline.hasExpired() || !m_subscriber.waitForReadyRead(int(deadline.remainingTime())))
            return false;
        m_heard += m_subscriber.readAllStandardOutput();
    }
    return true;
}

QByteArray BrokerProcess::retained(const QString &topic)
{
    QProcess subscriber;
    // A kept message comes at once on subscribing; without one, the subscriber gives up.
    subscriber.start("mosquitto_sub", {"-h", "127.0.0.1", "-p", QString::number(m_port), "-u", kUser, "-P", kPassword,
                                       "-t", topic, "--retained-only", "-C", "1", "-W", "2", "-F", "%p"});
    subscriber.waitForFinished(kStartMilliseconds);
    return subscriber.readAllStandardOutput().trimmed();
}

QStringList BrokerProcess::heard()
{
    m_heard += m_subscriber.readAllStandardOutput();
    QStringList lines;
    for (const QByteArray &line : m_heard.split('\n')) {
        // The subscriber's own debug lines are not messages.
        if (!line.isEmpty() && !line.startsWith("Client ") && !line.startsWith("Subscribed"))
            lines << QString::fromUtf8(line);
    }
    return lines;
}
