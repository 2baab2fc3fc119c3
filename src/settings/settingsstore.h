// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/alarmsettings.h"
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
// through the store, which says the saved values at once (prog.cfg and settings.cfg: holds them);
// an edit by hand is seen by the one watcher and said the same way once the file is read. The
// parts take what they are given and never read a file back. The session takes prog.cfg and settings.cfg from here only at start-up
// and when the window asks it to (after its dialogs, or a port problem): an edit by hand applies
// then.
class SettingsStore : public QObject
{
    Q_OBJECT

public:
    explicit SettingsStore(const QString &programFolder, QObject *parent = nullptr);

    const QString &programFolder() const { return m_programFolder; }

    // Each file as it is now.
    const ProgramFiles &programFiles() const { return m_programFiles; }
    MqttReading mqtt() const;
    WebReading web() const;
    AlarmsFile alarms() const;

    // Each writes its file atomically (owner-only where it holds a password) and says the new
    // values at once when they differ from the file's. Throws Failure, the file unchanged, when
    // it cannot be written.
    void saveProgram(const ProgramConfig &config);
    void saveCalibration(const CalibrationSettings &settings);
    void saveMqtt(const MqttSettings &settings);
    void saveWeb(const WebSettings &settings);
    // `followed`: the defaults whose threshold pairs are left out of the file (see toFileText).
    void saveAlarms(const AlarmSettings &settings, const std::optional<AlarmSettings> &followed);

signals:
    void mqttSettingsChanged(const MqttReading &reading);
    void webSettingsChanged(const WebReading &reading);
    void alarmSettingsChanged(const AlarmsFile &file);

private:
    void fileChanged(const QString &fileName);
    // Writes `text` as `fileName` and keeps it, parsed by `parse`, as the file's values.
    void saveProgramFile(const QString &fileName, const QString &text, ConfigFile (*parse)(const QString &),
                         ConfigFile &kept);

    QString m_programFolder;
    SettingsFileWatcher m_watcher;
    ProgramFiles m_programFiles; // read after the watcher looked, so no edit falls between
};

} // namespace Brolant
