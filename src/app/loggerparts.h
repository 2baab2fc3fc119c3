// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "alarms/alarmservice.h"
#include "app/errorreporter.h"
#include "problems/problemlog.h"
#include "publishing/alarmpublishing.h"
#include "publishing/mqttpublishing.h"
#include "session/loggersession.h"
#include "settings/settingsstore.h"
#include "web/webdashboard.h"

namespace Brolant {

class Clock;
class ErrorLine;
class SerialLink;

// A running logger apart from its screen: the problem log every part reports to, the settings
// store, the session that reads prog.cfg and settings.cfg from it, the error reporter that writes
// what the problem log reports, and the parts that listen beside the core (publishing, alarms and the
// web page), wired to each other once here for both programs.
class LoggerParts
{
public:
    LoggerParts(const QString &programFolder, SerialLink &link, const Clock &clock, ErrorLine &errorLine,
                Attendance attendance);

    // Starts publishing and the web page (the session is started by whoever shows it).
    void start();
    // Closes the web page, ends the session, announces the pending alarms, then disconnects from
    // the broker.
    void end();

    // The one clock of the program: the windows opened beside the parts read it too.
    const Clock &clock;
    ProblemLog problems;
    SettingsStore settings;
    LoggerSession session;
    ErrorReporter errors;
    MqttPublishing publishing;
    AlarmService alarms;
    AlarmPublishing alarmPublishing;
    WebDashboard web;
};

} // namespace Brolant
