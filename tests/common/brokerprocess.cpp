#include "brokerprocess.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <pwd.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
constexpr int kStartMilliseconds = 10000;

// A port nobody listens on now: the system's pick for a throwaway socket.
int freePort()
{
    const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    ::bind(probe, reinterpret_cast<sockaddr *>(&address), sizeof address);
    ::getsockname(probe, reinterpret_cast<sockaddr *>(&address), &length);
    ::close(probe);
    return ntohs(address.sin_port);
}

bool listens(int port)
{
    const int probe = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(quint16(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool connected = ::connect(probe, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    ::close(probe);
    return connected;
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

bool run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(kStartMilliseconds) && process.exitCode() == 0;
}
} // namespace

BrokerProcess::~BrokerProcess()
{
    m_subscriber.kill();
    m_subscriber.waitForFinished();
    stop();
}

bool BrokerProcess::makeCertificates(Listener listener)
{
    const QString dir = m_dir.path() + u'/';
    // A certificate in `name`.crt and its key, signed by the test's authority.
    const auto signedCertificate = [&dir](const QString &name, const QString &subject, const QByteArray &extensions) {
        return run("openssl", {"req", "-newkey", "rsa:2048", "-nodes", "-subj", subject, "-keyout", dir + name + ".key",
                               "-out", dir + name + ".csr"})
               && writeFile(dir + name + ".ext", extensions)
               && run("openssl", {"x509", "-req", "-in", dir + name + ".csr", "-CA", dir + "ca.crt", "-CAkey",
                                  dir + "ca.key", "-CAcreateserial", "-days", "2", "-extfile", dir + name + ".ext",
                                  "-out", dir + name + ".crt"});
    };
    const bool elsewhere = listener == Listener::TlsForAnotherName;
    return run("openssl", {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "2", "-subj", "/CN=Brolant test CA",
                           "-keyout", dir + "ca.key", "-out", dir + "ca.crt"})
           && signedCertificate("server", elsewhere ? "/CN=broker.elsewhere.invalid" : "/CN=localhost",
                                elsewhere ? "subjectAltName=DNS:broker.elsewhere.invalid\n"
                                          : "subjectAltName=IP:127.0.0.1,DNS:localhost\n")
           && signedCertificate("client", "/CN=logger", "extendedKeyUsage=clientAuth\n");
}

bool BrokerProcess::start(Listener listener, const QByteArray &acl)
{
    const QString dir = m_dir.path() + u'/';
    if (m_port == 0) {
        m_port = freePort();
        if (!run("mosquitto_passwd", {"-b", "-c", dir + "passwords", kUser, kPassword}))
            return false;
        if (listener != Listener::Plain && !makeCertificates(listener))
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
    while (!listens(m_port)) {
        if (deadline.hasExpired() || m_broker.state() == QProcess::NotRunning) {
            qWarning("mosquitto did not come up on port %d: %s", m_port, log().constData());
            return false;
        }
        QThread::msleep(20);
    }
    return true;
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

bool BrokerProcess::subscribe(const QString &filter)
{
    // Line by line: a pipe would otherwise hold the subscriber's output until a buffer fills.
    QStringList arguments{"-oL", "mosquitto_sub", "-h", "127.0.0.1", "-p", QString::number(m_port), "-u", kUser, "-P", kPassword,
                          "-t", filter, "-F", "%r %t %p", "-d"}; // -d: it says when it is subscribed
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
