// SPDX-License-Identifier: GPL-3.0-or-later
#include "publishing/connectiontest.h"

#include <QRandomGenerator>

namespace Brolant {

namespace {
constexpr int kIdDigits = 8;
constexpr int kHex = 16;
} // namespace

ConnectionTest::ConnectionTest(QObject *parent) : QObject(parent)
{
    m_patience.setSingleShot(true);
    m_patience.setInterval(kPatience);
}

ConnectionTest::~ConnectionTest() = default;

void ConnectionTest::start(const MqttSettings &settings)
{
    m_client.reset();
    if (const Result<> checked = settings.check(); !checked) {
        emit finished(checked.failure().forUser());
        return;
    }
    // A client id of its own, so the test never pushes a running logger off the broker, and no
    // last will: a test publishes nothing about the site.
    m_client = std::make_unique<MqttClient>(
        settings,
        QStringLiteral("brolant-test-%1").arg(QRandomGenerator::global()->generate(), kIdDigits, kHex, QChar(u'0')),
        std::nullopt);
    // Queued: the client emits these from inside libmosquitto, which must be left before stopping it.
    connect(
        m_client.get(), &MqttClient::connected, this, [this] { finish(tr("connected")); }, Qt::QueuedConnection);
    connect(
        m_client.get(), &MqttClient::disconnected, this,
        [this, settings](const Disconnection &disconnection) {
            finish(ConnectionReasons::text(disconnection, settings));
        },
        Qt::QueuedConnection);
    disconnect(&m_patience, nullptr, this, nullptr);
    connect(&m_patience, &QTimer::timeout, this, [this, settings] {
        finish(
            tr("no answer from %1:%2 within %3 seconds").arg(settings.host).arg(settings.port).arg(kPatience.count()));
    });
    m_patience.start();
    m_client->start();
}

void ConnectionTest::finish(const QString &outcome)
{
    if (!m_client)
        return; // already reported: what the finished client reports later is no change
    m_patience.stop();
    // Done with it: no retries.
    m_client->disconnect(this);
    m_client->stop();
    m_client.release()->deleteLater();
    emit finished(outcome);
}

} // namespace Brolant
