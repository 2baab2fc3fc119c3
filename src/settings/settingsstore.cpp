// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settingsstore.h"

#include "platform/programpaths.h"
#include "platform/textfile.h"

namespace Brolant {

SettingsStore::SettingsStore(const QString &programFolder, QObject *parent)
    : QObject(parent),
      m_programFolder(programFolder),
      m_watcher(programFolder, {FileName::kProgramConfig, FileName::kCalibration, FileName::kAlarmSettings,
                                FileName::kMqttSettings, FileName::kWebSettings}),
      m_programFiles(ProgramFiles::read(programFolder))
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

void SettingsStore::saveProgram(const ProgramConfig &config)
{
    saveProgramFile(FileName::kProgramConfig, config.toFileText(), &ProgramConfig::fromText, m_programFiles.program);
}

void SettingsStore::saveCalibration(const CalibrationSettings &settings)
{
    saveProgramFile(FileName::kCalibration, settings.toFileText(), &CalibrationSettings::fromText,
                    m_programFiles.calibration);
}

void SettingsStore::saveProgramFile(const QString &fileName, const QString &text, ConfigFile (*parse)(const QString &),
                                    ConfigFile &kept)
{
    TextFile::replace(ProgramPaths(m_programFolder).file(fileName), text);
    kept = parse(QString::fromLatin1(text.toLatin1())); // as the file holds it: a byte a character
    m_watcher.take(fileName);
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
    if (fileName == FileName::kProgramConfig)
        m_programFiles.program = ProgramConfig::read(m_programFolder);
    else if (fileName == FileName::kCalibration)
        m_programFiles.calibration = CalibrationSettings::read(m_programFolder);
    else if (fileName == FileName::kMqttSettings)
        emit mqttSettingsChanged(mqtt());
    else if (fileName == FileName::kWebSettings)
        emit webSettingsChanged(web());
    else if (fileName == FileName::kAlarmSettings)
        emit alarmSettingsChanged(alarms());
}

} // namespace Brolant
