#pragma once

#include "alarms/alarmservice.h"
#include "app/errorreporter.h"
#include "publishing/mqttpublishing.h"
#include "session/loggersession.h"
#include "settings/settingsstore.h"
#include "web/webdashboard.h"

namespace Brolant {

class Clock;
class ErrorLine;
class SerialLink;

// A running logger apart from its screen: the session, the settings store, the one error reporter
// every part reports to, and the parts that listen beside the core (publishing, alarms and the web
// page), wired to each other once here for both programs.
class LoggerParts
{
public:
    LoggerParts(const QString &programFolder, SerialLink &link, const Clock &clock, ErrorLine &errorLine,
                Attendance attendance);

    // Starts publishing and the web page (the session is started by whoever shows it).
    void start();
    // Closes the web page, ends the session, tells the alarms held back, then says goodbye to
    // the broker.
    void end();

    // The one clock of the program: the windows opened beside the parts read it too.
    const Clock &clock;
    LoggerSession session;
    SettingsStore settings;
    ErrorReporter errors;
    MqttPublishing publishing;
    AlarmService alarms;
    WebDashboard web;
};

} // namespace Brolant
