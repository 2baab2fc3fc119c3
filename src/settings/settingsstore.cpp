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
      m_program(keep(FileName::kProgramConfig, &ProgramConfig::read, &ProgramConfig::fromText)),
      m_calibration(keep(FileName::kCalibration, &CalibrationSettings::read, &CalibrationSettings::fromText))
{
    connect(&m_watcher, &SettingsFileWatcher::changed, this, &SettingsStore::fileChanged);
}

SettingsFileReading<MqttSettings> SettingsStore::mqtt() const
{
    return MqttSettings::load(m_programFolder);
}

SettingsFileReading<WebSettings> SettingsStore::web() const
{
    return WebSettings::load(m_programFolder);
}

AlarmsFile SettingsStore::alarms() const
{
    return AlarmSettings::readFile(m_programFolder);
}

ProgramFiles SettingsStore::programFiles()
{
    refresh(m_program);
    refresh(m_calibration);
    return {m_program.values, m_calibration.values};
}

Result<> SettingsStore::saveProgram(const ProgramConfig &config)
{
    return save(m_program, config.toFileText());
}

Result<> SettingsStore::saveCalibration(const CalibrationSettings &settings)
{
    return save(m_calibration, settings.toFileText());
}

SettingsStore::KeptFile SettingsStore::keep(const QString &fileName, ConfigFile (*read)(const QString &),
                                            ConfigFile (*parse)(const QString &)) const
{
    // The stamp before the reading: an edit in between is read again next time, never missed.
    std::optional<FileStamp> stamp = FileStamp::of(ProgramPaths(m_programFolder).file(fileName));
    return {fileName, read, parse, stamp, read(m_programFolder)};
}

void SettingsStore::refresh(KeptFile &kept)
{
    // The watcher may not have noticed an edit yet (it waits for the writer to settle), nor
    // ever (through a link, or from another computer on a shared folder): the file system knows.
    if (FileStamp::of(ProgramPaths(m_programFolder).file(kept.fileName)) != kept.stamp)
        kept = keep(kept.fileName, kept.read, kept.parse);
}

Result<> SettingsStore::save(KeptFile &kept, const QString &text)
{
    const QString path = ProgramPaths(m_programFolder).file(kept.fileName);
    if (const Result<> replaced = TextFile::tryReplace(path, text); !replaced)
        return replaced;
    kept.stamp = FileStamp::of(path);
    kept.values = kept.parse(QString::fromLatin1(text.toLatin1())); // as the file holds it: a byte a character
    m_watcher.changedSinceLastCheck(kept.fileName);
    return {};
}

Result<> SettingsStore::saveMqtt(const MqttSettings &settings)
{
    if (const Result<> saved = settings.save(m_programFolder); !saved)
        return saved;
    if (m_watcher.changedSinceLastCheck(FileName::kMqttSettings))
        emit mqttSettingsChanged({settings.enabled ? std::optional(settings) : std::nullopt, std::nullopt});
    return {};
}

Result<> SettingsStore::saveWeb(const WebSettings &settings)
{
    if (const Result<> saved = settings.save(m_programFolder); !saved)
        return saved;
    if (m_watcher.changedSinceLastCheck(FileName::kWebSettings))
        emit webSettingsChanged({settings.enabled ? std::optional(settings) : std::nullopt, std::nullopt});
    return {};
}

Result<> SettingsStore::saveAlarms(const AlarmSettings &settings, const std::optional<AlarmSettings> &systemDefaults)
{
    const Result<ConfigFile> written = settings.save(m_programFolder, systemDefaults);
    if (!written)
        return written.failure();
    if (m_watcher.changedSinceLastCheck(FileName::kAlarmSettings))
        emit alarmSettingsChanged({*written, std::nullopt});
    return {};
}

void SettingsStore::fileChanged(const QString &fileName)
{
    if (fileName == FileName::kProgramConfig)
        refresh(m_program);
    else if (fileName == FileName::kCalibration)
        refresh(m_calibration);
    else if (fileName == FileName::kMqttSettings)
        emit mqttSettingsChanged(mqtt());
    else if (fileName == FileName::kWebSettings)
        emit webSettingsChanged(web());
    else if (fileName == FileName::kAlarmSettings)
        emit alarmSettingsChanged(alarms());
}

} // namespace Brolant
