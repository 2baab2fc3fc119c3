// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingsstore.h"

#include "platform/programpaths.h"

namespace Brolant {

SettingsStore::SettingsStore(const QString &programFolder, QObject *parent)
    : QObject(parent),
      m_programFolder(programFolder),
      m_watcher(programFolder, {FileName::kAlarmSettings, FileName::kMqttSettings, FileName::kWebSettings})
{
    connect(&m_watcher, &SettingsFileWatcher::changed, this, &SettingsStore::fileChanged);
}

MqttReading SettingsStore::mqtt() const
{
    return MqttReading::from([this] { return MqttSettings::load(m_programFolder); });
}

WebReading SettingsStore::web() const
{
    return WebReading::from([this] { return WebSettings::load(m_programFolder); });
}

AlarmsFile SettingsStore::alarms() const
{
    return AlarmSettings::readFile(m_programFolder);
}

void SettingsStore::saveMqtt(const MqttSettings &settings)
{
    settings.save(m_programFolder);
    if (m_watcher.take(FileName::kMqttSettings))
        emit mqttSettingsChanged({settings.enabled ? std::optional(settings) : std::nullopt, QString()});
}

void SettingsStore::saveWeb(const WebSettings &settings)
{
    settings.save(m_programFolder);
    if (m_watcher.take(FileName::kWebSettings))
        emit webSettingsChanged({settings.enabled ? std::optional(settings) : std::nullopt, QString()});
}

void SettingsStore::saveAlarms(const AlarmSettings &settings, const std::optional<AlarmSettings> &followed)
{
    const ConfigFile written = settings.save(m_programFolder, followed);
    if (m_watcher.take(FileName::kAlarmSettings))
        emit alarmSettingsChanged(written);
}

void SettingsStore::fileChanged(const QString &fileName)
{
    if (fileName == FileName::kMqttSettings)
        emit mqttSettingsChanged(mqtt());
    else if (fileName == FileName::kWebSettings)
        emit webSettingsChanged(web());
    else if (fileName == FileName::kAlarmSettings)
        emit alarmSettingsChanged(alarms());
}

} // namespace Brolant
