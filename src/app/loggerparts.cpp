// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/loggerparts.h"

#include "app/alarmfeed.h"

namespace Brolant {

LoggerParts::LoggerParts(const QString &programFolder, SerialLink &link, const Clock &clock, ErrorLine &errorLine,
                         Attendance attendance)
    : clock(clock),
      problems(clock),
      settings(programFolder),
      session(
          programFolder, link, clock, problems, [this] { return settings.programFiles(); }, attendance),
      errors(programFolder, clock, problems, errorLine),
      publishing(session, problems),
      alarms(session, clock, problems, settings.alarms()),
      alarmPublishing([this] { return alarmsAtBroker(alarms); }),
      web(session, clock, problems, alarms, publishing)
{
    errors.listenTo(session);
    QObject::connect(&settings, &SettingsStore::mqttSettingsChanged, &publishing, &MqttPublishing::apply);
    QObject::connect(&settings, &SettingsStore::alarmSettingsChanged, &alarms, &AlarmService::apply);
    QObject::connect(&settings, &SettingsStore::webSettingsChanged, &web, &WebDashboard::apply);
    feedAlarms(alarms, alarmPublishing);
    QObject::connect(&publishing, &MqttPublishing::started, &alarmPublishing, &AlarmPublishing::publishTo);
}

void LoggerParts::start()
{
    publishing.start(settings.mqtt());
    web.start(settings.web());
}

void LoggerParts::end()
{
    web.end();
    session.end();
    // The pending alarms, and the day the session closed, reach the broker before goodbye.
    alarms.end();
    publishing.end();
}

} // namespace Brolant
