// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "acquisition/framehealth.h"
#include "logging/intervalmeans.h"
#include "problems/problem.h"
#include "session/livereading.h"
#include "session/loggingintervaltext.h"
#include "session/portintent.h"
#include "session/programsettings.h"
#include "text/failure.h"

#include <QDate>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

namespace Brolant {

class Clock;
class ProblemLog;
class SerialLink;
struct LoggerCore;

// Whether somebody is at the screen. Unattended (the headless logger), logging starts at once
// whatever LogOn is, and a port that will not open is retried every few seconds instead of
// leading anyone through messages and the setup dialog.
enum class Attendance
{
    Attended,
    Unattended
};

// The logger itself, without a window: it reads the settings at start-up and again whenever asked
// (after Program Setup or Calibration, or a port problem), from prog.cfg and settings.cfg as its
// source holds them (the settings store, which reads and saves the files: the session reads
// neither itself, so an edit by hand applies only when it reads them), knows whether the port is
// meant to be open and why not, opens it, starts and stops logging, writes the energy archive's
// lines and ends in order. It reports what happened by signals carrying values, so a window, the
// headless logger's status line, the alarms, the publisher and the page all learn the same thing
// at the same moment, never reach into its working parts and never guess it from the files.
class LoggerSession : public QObject
{
    Q_OBJECT

public:
    // prog.cfg and settings.cfg as the source holds them now.
    using SettingsSource = std::function<ProgramFiles()>;

    LoggerSession(const QString &programFolder, SerialLink &link, const Clock &clock, ProblemLog &problems,
                  SettingsSource settingsSource, Attendance attendance = Attendance::Attended,
                  QObject *parent = nullptr);
    ~LoggerSession() override;

    const QString &programFolder() const { return m_programFolder; }
    const ProgramSettings &settings() const { return m_settings; }
    const PortIntent &portIntent() const { return m_portIntent; }
    bool isLogging() const;
    double intervalSeconds() const;
    bool isEnding() const { return m_ending; }
    // Today's watt-hours now, for whoever answers a question about now (the page); a listener of
    // readings has them with each reading.
    double energyToday() const;
    // How the frames have been arriving up to now, for the same.
    const FrameHealth &frameHealth() const;

    // One pass of start-up: the reading starts again from 0, the data folders are made, both
    // settings files are read, and the port opens as prog.cfg sets; logging starts when LogOn is 1
    // (unattended: always). The problem when the port could not be opened or LogOn is no number;
    // the caller decides what follows.
    std::optional<ProblemReport> startUp();
    // A pass of start-up after "Abort" in Program Setup: the reading starts again from 0, the
    // settings are read, and the port stays closed whatever prog.cfg sets (see switchPortOff).
    void startUpWithoutPort();
    // Unattended: start-up, and when it fails, start-up again every few seconds until the port
    // opens. Each new failure is reported once.
    void startUpAndRetry();

    // Takes prog.cfg and settings.cfg again as the source has them now; the new settings apply at
    // once.
    void reloadSettings();
    // Closes the port while `dialog` uses it or changes what it is.
    void releasePortFor(const QString &dialog);
    // Opens the port prog.cfg names now; port "0" leaves it closed.
    Result<> openConfiguredPort();
    // Opens again exactly the port and speed opened last (port "0" leaves it closed).
    Result<> reopenLastPort();
    // Leaves the port closed as port "0" does, whatever prog.cfg says: "Abort" in Program Setup
    // asks for no port even when prog.cfg could not be written to say so.
    void switchPortOff();

    void startLogging(const LoggingIntervalText &interval);
    void stopLogging();

    // Ends in order, however the end came: the records in memory are written, the energy exit line
    // goes into Whours.txt and the port is closed. Only the first call does anything.
    void end();

signals:
    void settingsChanged(const ProgramSettings &settings);
    void portIntentChanged(const PortIntent &intent);
    // Logging switched on (every `seconds`) or off.
    void loggingChanged(bool on, double seconds);
    // What the read left waiting, shown as it grows.
    void textReceived(const QString &buffered);
    // A whole frame was cut out, before it is checked.
    void frameArrived();
    // Text given up; empty for a frame trapped after its text was shown.
    void frameRejected(const QString &text);
    // A frame passed the checks and became the reading.
    void readingReceived(const LiveReading &reading);
    // How the frames have been arriving, this interval and since start-up.
    void healthChanged(const FrameHealth &health);
    // An interval's record went to the daily log (or waits to).
    void recordLogged(const Record &record);
    // The record's daily-log line reached the disk (after recordLogged; later for a record the
    // disk would not accept at once): what leaves this computer waits for it.
    void recordStored(const Record &record);
    // A day is over: its watt-hours went to the energy archive.
    void dayClosed(const QDate &day, double wattHours);

private:
    // Tests, benchmarks and fuzzers drive the working parts' timers by hand.
    friend struct SessionProbe;

    struct OpenedPort
    {
        int number = 0;
        int baud = 0;
    };
    Result<> openPort(OpenedPort port);
    void setPortIntent(PortIntent::Kind kind, const QString &reason = QString());
    void appendToEnergyArchive(const QString &line);

    QString m_programFolder;
    SettingsSource m_settingsSource;
    SerialLink &m_link;
    ProblemLog &m_problems;
    Attendance m_attendance;
    std::unique_ptr<LoggerCore> m_core; // the working parts: no one outside reaches into them
    ProgramSettings m_settings;
    PortIntent m_portIntent;
    std::optional<OpenedPort> m_openedPort;
    // The interval last given: LogDelay as read, or the one the user started logging with.
    QString m_intervalText = ProgramDefault::kLogDelay;
    QTimer m_startUpRetryTimer;
    bool m_ending = false;
};

} // namespace Brolant
