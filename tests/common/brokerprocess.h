// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A real Mosquitto broker of the test's own on a free loopback port, with a password file (user
// "logger", password "s3cret"), and a subscriber that records what it hears.
class BrokerProcess
{
public:
    static constexpr const char *kUser = "logger";
    static constexpr const char *kPassword = "s3cret";

    // How the broker listens. The TLS ones use certificates made by the test: caFile() is the
    // authority that signed the broker's certificate (and the client's).
    enum class Listener
    {
        Plain,
        Tls,                         // a certificate for 127.0.0.1 and localhost
        TlsForAnotherName,           // a certificate for broker.elsewhere.invalid only
        TlsWantingClientCertificate, // clientCertFile() and clientKeyFile() are welcome
    };

    ~BrokerProcess();

    // Starts the broker and waits until it listens; false when it did not. `acl`, when given,
    // is the broker's access list (only what it grants is allowed).
    bool start(Listener listener = Listener::Plain, const QByteArray &acl = QByteArray());
    // Stops the broker; start() again brings it back on the same port.
    void stop();
    // Freezes the broker (SIGSTOP) and thaws it (SIGCONT): its connections stay open, unanswered.
    void pause();
    void resume();
    int port() const { return m_port; }
    // mqtt.cfg for a logger that publishes here as `site`.
    QByteArray loggerSettings(const QByteArray &site) const;
    QString caFile() const { return m_dir.filePath(QStringLiteral("ca.crt")); }
    QString clientCertFile() const { return m_dir.filePath(QStringLiteral("client.crt")); }
    QString clientKeyFile() const { return m_dir.filePath(QStringLiteral("client.key")); }
    // What the broker logged so far (connections, refusals).
    QByteArray log();

    // Subscribes to `filter` and keeps every message as "R topic payload", R being 1 for a
    // message the broker kept (retained) and 0 for one published now.
    bool subscribe(const QString &filter);
    QStringList heard();
    // The payload the broker keeps on `topic` now; empty when it keeps none.
    QByteArray retained(const QString &topic);

private:
    QTemporaryDir m_dir;
    QProcess m_broker;
    QProcess m_subscriber;
    int m_port = 0;
    QByteArray m_heard;
    QByteArray m_log;
};
