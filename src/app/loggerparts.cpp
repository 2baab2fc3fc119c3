#include "app/loggerparts.h"

#include "app/alarmpublishing.h"

namespace Brolant {

LoggerParts::LoggerParts(const QString &programFolder, SerialLink &link, const Clock &clock,
                         ErrorLine &errorLine, Attendance attendance)
    : clock(clock),
      session(programFolder, link, clock, attendance),
      settings(programFolder),
      errors(programFolder, clock, errorLine),
      publishing(session),
      alarms(session, settings.alarms()),
      web(session, alarms, publishing)
{
    errors.listenTo(session);
    const auto logIt = [this](const QString &stage, const QString &description) { errors.log(stage, description); };
    QObject::connect(&publishing, &MqttPublishing::problemFound, &errors, logIt);
    QObject::connect(&alarms, &AlarmService::problemFound, &errors, logIt);
    QObject::connect(&web, &WebDashboard::problemFound, &errors, logIt);
    QObject::connect(&settings, &SettingsStore::mqttSettingsChanged, &publishing, &MqttPublishing::follow);
    QObject::connect(&settings, &SettingsStore::alarmSettingsChanged, &alarms, &AlarmService::follow);
    QObject::connect(&settings, &SettingsStore::webSettingsChanged, &web, &WebDashboard::follow);
    QObject::connect(&publishing, &MqttPublishing::started, &alarms,
                     [this](MqttPublisher &publisher) { publishAlarms(alarms, publisher); });
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
    // What the alarms held back, and the day the session closed, reach the broker before goodbye.
    alarms.end();
    publishing.end();
}

} // namespace Brolant
