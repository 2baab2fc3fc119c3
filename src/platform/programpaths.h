// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QString>

namespace Brolant {

// The names of the program folder's files, each written once.
namespace FileName {
inline const QString kProgramConfig = QStringLiteral("prog.cfg");
inline const QString kCalibration = QStringLiteral("settings.cfg");
inline const QString kErrorLog = QStringLiteral("errorlog.txt");
inline const QString kAlarmSettings = QStringLiteral("alarms.cfg");
inline const QString kMqttSettings = QStringLiteral("mqtt.cfg");
inline const QString kMqttQueue = QStringLiteral("mqtt-queue.txt");
// Lines of mqtt-queue.txt that were no payload, set aside for whoever wants to look at them.
inline const QString kMqttQueueDamaged = QStringLiteral("mqtt-queue-damaged.txt");
// How far delivery of mqtt-queue.txt got.
inline const QString kMqttQueueDelivered = QStringLiteral("mqtt-queue-delivered.txt");
inline const QString kWebSettings = QStringLiteral("web.cfg");
// The turbine's rated curve, for the Energy History's power curve.
inline const QString kTurbineSettings = QStringLiteral("turbine.cfg");
inline const QString kEnergyArchive = QStringLiteral("Whours.txt");
inline const QString kAlarmLog = QStringLiteral("alarms.txt");
// "P_2010_03_07.txt": the daily log of a date.
QString dailyLog(const QDate &day);
// "P_2010_03_07.sum": what the Energy History keeps of a daily log, to read it again quickly.
QString daySummary(const QDate &day);
} // namespace FileName

// Where every file of the program folder is: the settings beside the program, the logs, the web
// outputs and the spreadsheets in folders of their own. The one place that builds these paths.
class ProgramPaths
{
public:
    explicit ProgramPaths(QString folder) : m_folder(std::move(folder)) {}

    const QString &folder() const { return m_folder; }
    // A file directly in the program folder, such as FileName::kProgramConfig.
    QString file(const QString &name) const { return m_folder + u'/' + name; }

    QString logs() const { return file(QStringLiteral("logs")); }
    QString html() const { return file(QStringLiteral("html")); }
    QString excel() const { return file(QStringLiteral("excel")); }
    // The Energy History's summaries of the daily logs: a folder of its own, as nothing but the
    // logger writes in logs/.
    QString summaries() const { return file(QStringLiteral("summaries")); }
    QString inLogs(const QString &name) const { return logs() + u'/' + name; }
    QString inHtml(const QString &name) const { return html() + u'/' + name; }
    QString inExcel(const QString &name) const { return excel() + u'/' + name; }

    QString programConfig() const { return file(FileName::kProgramConfig); }
    QString calibration() const { return file(FileName::kCalibration); }
    QString errorLog() const { return file(FileName::kErrorLog); }
    QString alarmSettings() const { return file(FileName::kAlarmSettings); }
    QString mqttSettings() const { return file(FileName::kMqttSettings); }
    QString mqttQueue() const { return file(FileName::kMqttQueue); }
    QString mqttQueueDamaged() const { return file(FileName::kMqttQueueDamaged); }
    QString mqttQueueDelivered() const { return file(FileName::kMqttQueueDelivered); }
    QString webSettings() const { return file(FileName::kWebSettings); }
    QString turbineSettings() const { return file(FileName::kTurbineSettings); }
    QString dailyLog(const QDate &day) const { return inLogs(FileName::dailyLog(day)); }
    QString energyArchive() const { return inLogs(FileName::kEnergyArchive); }
    QString alarmLog() const { return inLogs(FileName::kAlarmLog); }
    QString daySummary(const QDate &day) const { return summaries() + u'/' + FileName::daySummary(day); }
    // "COM<N>": the user's link pinning port number N to a device.
    QString portLink(int portNumber) const { return file(QStringLiteral("COM%1").arg(portNumber)); }

    // Makes logs, excel and html where they are missing; a folder that cannot be made shows up
    // when its first file cannot be written.
    void makeDataFolders() const;

private:
    QString m_folder;
};

} // namespace Brolant
