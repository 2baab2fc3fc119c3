// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringView>

namespace Brolant {

// Every kind of trouble the error log records. Where one text is logged in two ways (at every
// attempt, or once while it lasts), each way is a problem of its own.
enum class Problem
{
    // Reading the board: each rejected or suspicious frame is a line.
    OpeningMissing,
    ClosingFirst,
    BufferOverflow,
    CorruptVolts,
    CorruptAmps,
    CorruptRevs,
    ChecksumError,
    CalculationsError,
    // Logging.
    NoValidData,
    DailyLogNotWritten,
    DailyLogRecordLost, // at the end: each record the daily log never accepted
    WebPageNotWritten,
    SpreadsheetNotWritten,
    EnergyArchiveNotWritten,
    TornLineEnded, // a file a power cut left in half a line, put right before the next line
    // The port and start-up.
    PortNotAvailable,
    PortStillNotAvailable, // unattended start-up, tried again every few seconds
    LogOnNotANumber,
    LoggingNotStarted,
    // Publishing to MQTT.
    MqttSettingsChanged,
    MqttNotStarted,
    MqttQueueDamaged,
    MqttQueueRequeued,  // at start: records the daily logs contain and a power cut lost from the queue
    MqttQueueTrimmed,   // at start: the oldest beyond the capacity dropped
    MqttQueueFull,      // while publishing: the oldest dropped for each new record
    MqttQueueNotLoaded, // at start: the journal could not be read or put right
    MqttQueueNotWritten,
    MqttQueueUnwrittenLost, // at the end: the records kept in memory could not be written
    BrokerNotAvailable,
    SharedSite,
    BrokerRefusesRecords,
    BrokerRefusesMessages,
    // Alarms.
    AlarmsTxtNotRead,
    AlarmSettingsChanged,
    AlarmSettingsNotUsed,
    AlarmLogNotWritten,
    AlarmCommandFailed,
    AlarmNotificationNotShown,
    // The live web page.
    WebNotStarted,
    WebSettingsChanged,
    WebRequestRefused,
    // The Energy History window.
    HistoryFileNotRead,
};

// How often a problem that goes on is logged.
enum class Recurrence
{
    EveryTime,          // each report is a line
    OncePerEpisode,     // logged once; logged again only after it was resolved
    WhenItChanges,      // as an episode, and again whenever its detail changes
    OncePerQuietPeriod, // logged again only after a quiet period without it
};

// A problem's line in the error log: the stage as the log has always named it (a "%1" in it
// stands for the subject), how it recurs, and the stage of the line that reports it is over
// (none where nothing is logged).
struct ProblemKind
{
    QStringView stage;
    Recurrence recurrence = Recurrence::EveryTime;
    QStringView resolution = {};

    static ProblemKind of(Problem problem);
};

// A problem that the caller reports, for steps whose caller decides what happens next.
struct ProblemReport
{
    Problem problem;
    QString detail;
};

} // namespace Brolant
