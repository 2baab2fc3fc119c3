// SPDX-License-Identifier: GPL-3.0-or-later
#include "problems/problem.h"

namespace Brolant {

ProblemKind ProblemKind::of(Problem problem)
{
    using enum Recurrence;
    // The stage texts are what errorlog.txt has always contained, blanks and misspellings included:
    // people search their logs for them.
    switch (problem) {
    case Problem::OpeningMissing:
        return {u" [ missing ", EveryTime};
    case Problem::ClosingFirst:
        return {u" braces in wrong positions  corrupt COMMS", EveryTime};
    case Problem::BufferOverflow:
        return {u" receive buffer overflow, no ] within 4096 characters", EveryTime};
    case Problem::CorruptVolts:
        return {u"corrupt Volts COMM data", EveryTime};
    case Problem::CorruptAmps:
        return {u"corrupt Amps COMM data", EveryTime};
    case Problem::CorruptRevs:
        return {u" corrupt revs, or windspeed data in string", EveryTime};
    case Problem::ChecksumError:
        return {u"checksum error", EveryTime};
    case Problem::CalculationsError:
        return {u"calculations error", EveryTime};

    case Problem::NoValidData:
        return {u" No valid data recieved during logging interval", EveryTime};
    case Problem::DailyLogNotWritten:
        return {u"daily log not written", OncePerEpisode};
    case Problem::DailyLogRecordLost:
        return {u"daily log not written", EveryTime};
    case Problem::WebPageNotWritten:
        return {u"web page not written", OncePerEpisode};
    case Problem::SpreadsheetNotWritten:
        return {u"spreadsheet not written", OncePerEpisode};
    case Problem::EnergyArchiveNotWritten:
        return {u"energy archive not written", EveryTime};
    case Problem::TornLineEnded:
        return {u"file ended in half a line", EveryTime};

    case Problem::PortNotAvailable:
        return {u"port not available", EveryTime};
    case Problem::PortStillNotAvailable:
        return {u"port not available", WhenItChanges};
    case Problem::LogOnNotANumber:
        return {u"", EveryTime};
    case Problem::LoggingNotStarted:
        return {u"logging not started", EveryTime};

    case Problem::MqttSettingsChanged:
        return {u"MQTT settings changed", EveryTime};
    case Problem::MqttNotStarted:
        return {u"MQTT publishing not started", EveryTime};
    case Problem::MqttQueueDamaged:
        return {u"MQTT queue damaged", EveryTime};
    case Problem::MqttQueueRequeued:
        return {u"MQTT queue made good", EveryTime};
    case Problem::MqttQueueTrimmed:
        return {u"MQTT queue full", EveryTime};
    case Problem::MqttQueueFull:
        return {u"MQTT queue full", OncePerEpisode};
    case Problem::MqttQueueNotLoaded:
        return {u"MQTT queue not written", EveryTime};
    case Problem::MqttQueueNotWritten:
        return {u"MQTT queue not written", OncePerEpisode};
    case Problem::MqttQueueUnwrittenLost:
        return {u"MQTT queue not written", EveryTime};
    case Problem::BrokerNotAvailable:
        return {u"broker not available", OncePerEpisode, u"broker available again"};
    case Problem::SharedSite:
        return {u"another logger publishes as site %1", EveryTime};
    case Problem::BrokerRefusesRecords:
        return {u"broker refuses records", OncePerEpisode, u"broker takes records again"};
    case Problem::BrokerRefusesMessages:
        return {u"broker refuses messages", OncePerEpisode};

    case Problem::AlarmsTxtNotRead:
        return {u"alarms.txt not read", EveryTime};
    case Problem::AlarmSettingsChanged:
        return {u"alarms.cfg changed", EveryTime};
    case Problem::AlarmSettingsNotUsed:
        return {u"alarms.cfg not used", EveryTime};
    case Problem::AlarmLogNotWritten:
        return {u"alarm log not written", EveryTime};
    case Problem::AlarmCommandFailed:
        return {u"alarm command failed", OncePerEpisode};
    case Problem::AlarmNotificationNotShown:
        return {u"alarm notification not shown", OncePerEpisode};

    case Problem::WebNotStarted:
        return {u"web page not started", WhenItChanges, u"web page served"};
    case Problem::WebSettingsChanged:
        return {u"web page settings changed", EveryTime};
    case Problem::WebRequestRefused:
        return {u"web page refused a request", OncePerQuietPeriod};

    case Problem::HistoryFileNotRead:
        return {u"Energy History", OncePerEpisode};
    }
    return {};
}

} // namespace Brolant
