// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "brokerprocess.h"
#include "modelrig.h"
#include "publishing/mqttpublishing.h"
#include "settings/settingsstore.h"

#include <QJsonDocument>
#include <QJsonObject>

namespace Brolant {

// A frame of the board at volts/50.
inline QByteArray frame(int volts)
{
    return QStringLiteral("[<V>%1</V><I>577</I><R>20</R><S>9</S><M>0</M><C>0</C>]").arg(volts).toLatin1();
}

// The payload of a line the broker's subscriber heard ("R topic payload").
inline QJsonObject payload(const QString &heardLine)
{
    return QJsonDocument::fromJson(heardLine.section(u' ', 2).toUtf8()).object();
}

// The main window's model and publishing as mqtt.cfg says, beside a real broker of the test's own.
struct PublishingRig : ModelRig
{
    BrokerProcess broker;
    SettingsStore store{folder.path()};
    MqttPublishing publishing{session, problems};
    MqttPublisher *publisher = nullptr; // the one at work
    QByteArray mqttSettings;
    int unavailable = 0; // how often the broker was found away: at a loss, then at each retry that failed

    // `extraSettings` come first, so they win over the rig's own (PORT is the broker's port).
    explicit PublishingRig(const QByteArray &extraSettings = QByteArray())
    {
        QObject::connect(&store, &SettingsStore::mqttSettingsChanged, &publishing, &MqttPublishing::apply);
        QObject::connect(&publishing, &MqttPublishing::started, &publishing,
                         [this](MqttPublisher &started) { publisher = &started; });
        QObject::connect(&publishing, &MqttPublishing::stateChanged, &publishing, [this](const BrokerState &state) {
            if (state.kind == BrokerState::Kind::Unavailable)
                ++unavailable;
        });
        folder.writeProgramConfig("1", "1", "60");
        folder.writeCalibration();
        model.startUp();
        clock.set(QDateTime(QDate(2026, 12, 7), QTime(14, 5, 10)));
        mqttSettings = "MQTT Config File\r\n\r\n" + extraSettings
                       + "<Enabled>1</Enabled><Host>127.0.0.1</Host><User>logger</User><Password>s3cret</Password>"
                         "<Site>shed</Site>";
    }
    // mqtt.cfg's text for a broker at `port` (0: the rig's own).
    QByteArray settingsText(int port = 0) const
    {
        return QByteArray(mqttSettings).replace("PORT", QByteArray::number(port ? port : broker.port()));
    }
    void startPublishing(int port = 0)
    {
        folder.write("mqtt.cfg", settingsText(port));
        publishing.start(store.mqtt());
    }
    bool connected() const { return publisher && publisher->state().kind == BrokerState::Kind::Connected; }
    // A logging interval of one frame at volts/50, a minute after the last.
    void logInterval(int volts)
    {
        push({frame(volts)});
        core.logging.tick();
        clock.advance(60000);
    }
    QStringList records() { return broker.heard().filter(" brolant/shed/record "); }
};

} // namespace Brolant
