// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/alarmsettings.h"
#include "platform/filestamp.h"
#include "platform/settingsfilewatcher.h"
#include "publishing/mqttsettings.h"
#include "session/programsettings.h"
#include "web/websettings.h"

#include <QObject>
#include <QString>

#include <optional>

namespace Brolant {

// The program folder's settings files as values: prog.cfg and settings.cfg, which the logger runs
// with, and those of the parts beside the core (alarms.cfg, mqtt.cfg, web.cfg). A dialog saves
// through the store, which reports the saved values at once; an edit by hand is seen by the one
// watcher and reported the same way once the file is read. The parts use what they are given and
// never read a file back. prog.cfg and settings.cfg are handed out when asked for (the session asks at
// start-up and when the window asks it to, after its dialogs or a port problem): the store keeps
// them as it read or saved them, and reads one again only when the file system reports it changed
// since, so an edit by hand applies then, whatever way it was made.
class SettingsStore : public QObject
{
    Q_OBJECT

public:
    explicit SettingsStore(const QString &programFolder, QObject *parent = nullptr);

    const QString &programFolder() const { return m_programFolder; }

    // Each file as it is now.
    ProgramFiles programFiles();
    SettingsFileReading<MqttSettings> mqtt() const;
    SettingsFileReading<WebSettings> web() const;
    AlarmsFile alarms() const;

    // Each writes its file atomically (owner-only where it holds a password) and reports the new
    // values at once when they differ from the file's. The failure, the file unchanged, when it
    // cannot be written.
    Result<> saveProgram(const ProgramConfig &config);
    Result<> saveCalibration(const CalibrationSettings &settings);
    Result<> saveMqtt(const MqttSettings &settings);
    Result<> saveWeb(const WebSettings &settings);
    // `systemDefaults`: the defaults whose threshold pairs are left out of the file (see toFileText).
    Result<> saveAlarms(const AlarmSettings &settings, const std::optional<AlarmSettings> &systemDefaults);

signals:
    void mqttSettingsChanged(const SettingsFileReading<MqttSettings> &reading);
    void webSettingsChanged(const SettingsFileReading<WebSettings> &reading);
    void alarmSettingsChanged(const AlarmsFile &file);

private:
    // prog.cfg or settings.cfg as read or saved last, with what the file system reported of it then.
    struct KeptFile
    {
        QString fileName;
        ConfigFile (*read)(const QString &programFolder);
        ConfigFile (*parse)(const QString &text);
        std::optional<FileStamp> stamp;
        ConfigFile values;
    };

    void fileChanged(const QString &fileName);
    KeptFile keep(const QString &fileName, ConfigFile (*read)(const QString &),
                  ConfigFile (*parse)(const QString &)) const;
    // Reads the file again when it is not the one kept (an edit, a rename over it, a new file).
    void refresh(KeptFile &kept);
    // Writes `text` as the file and keeps it as the file's values.
    Result<> save(KeptFile &kept, const QString &text);

    QString m_programFolder;
    SettingsFileWatcher m_watcher;
    KeptFile m_program;
    KeptFile m_calibration;
};

} // namespace Brolant
