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

    ~BrokerProcess();

    // Starts the broker and waits until it listens; `tls` adds certificates made by the test
    // (caFile() is the certificate authority that signed the broker's). False when it did not.
    bool start(bool tls = false);
    // Stops the broker; start() again brings it back on the same port.
    void stop();
    int port() const { return m_port; }
    QString caFile() const { return m_dir.filePath(QStringLiteral("ca.crt")); }

    // Subscribes to `filter` and keeps every message as "R topic payload", R being 1 for a
    // message the broker kept (retained) and 0 for one published now.
    bool subscribe(const QString &filter);
    QStringList heard();

private:
    QTemporaryDir m_dir;
    QProcess m_broker;
    QProcess m_subscriber;
    int m_port = 0;
    QByteArray m_heard;
};
