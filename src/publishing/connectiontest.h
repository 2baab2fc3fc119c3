// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "publishing/mqttclient.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <memory>

namespace Brolant {

// One connection attempt with settings as typed, for a Test button: reports what happened in plain
// words ("connected", "wrong user name or password", "no broker at host:port", ...), without
// waiting in the window's thread.
class ConnectionTest : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::seconds kPatience{10};

    explicit ConnectionTest(QObject *parent = nullptr);
    ~ConnectionTest() override;

    void start(const MqttSettings &settings);

signals:
    void finished(const QString &outcome);

private:
    void finish(const QString &outcome);

    std::unique_ptr<MqttClient> m_client;
    QTimer m_patience;
};

} // namespace Brolant
