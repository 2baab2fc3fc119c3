#include "app/loggerparts.h"

#include "app/alarmfeed.h"

namespace Brolant {

LoggerParts::LoggerParts(const QString &programFolder, SerialLink &link, const Clock &clock,
                         ErrorLine &errorLine, Attendance attendance)
    : clock(clock),
      problems(clock),
      session(programFolder, link, clock, problems, attendance),
      errors(programFolder, clock, problems, errorLine),
      publishing(session, problems),
      alarms(session, clock, problems),
      alarmPublishing([this] { return alarmsAtBroker(alarms); }),
      web(session, clock, problems, alarms, publishing)
{
    errors.listenTo(session);
    feedAlarms(alarms, alarmPublishing);
    QObject::connect(&publishing, &MqttPublishing::started, &alarmPublishing, &AlarmPublishing::publishTo);
}

void LoggerParts::start()
{
    publishing.start();
    web.start();
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
