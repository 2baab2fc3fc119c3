#pragma once

#include "session/loggercore.h"
#include "session/loggingintervaltext.h"
#include "session/portintent.h"
#include "session/programsettings.h"
#include "text/failure.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <optional>

namespace Brolant {

class Clock;
class SerialLink;

// Whether somebody is at the screen. Unattended (the headless logger), logging starts at once
// whatever LogOn says, and a port that will not open is retried every few seconds instead of
// leading anyone through messages and the setup dialog.
enum class Attendance { Attended, Unattended };

// The logger itself, without a window: it reads the settings (again whenever asked, after Program
// Setup or Calibration saved), knows whether the port is meant to be open and why not, opens it,
// starts and stops logging, writes the energy archive's lines and ends in order. It says each
// change by a signal, so a window, the headless logger's status line, the alarms and the
// publisher all learn the same thing at the same moment and never guess it from the files.
class LoggerSession : public QObject
{
    Q_OBJECT

public:
    // The stage of every failure to open the board's port.
    static QString portNotAvailable() { return QStringLiteral("port not available"); }

    LoggerSession(const QString &programFolder, SerialLink &link, const Clock &clock,
                  Attendance attendance = Attendance::Attended, QObject *parent = nullptr);

    LoggerCore &core() { return m_core; }
    const LoggerCore &core() const { return m_core; }
    const QString &programFolder() const { return m_programFolder; }
    const ProgramSettings &settings() const { return m_settings; }
    const PortIntent &portIntent() const { return m_portIntent; }
    bool isLogging() const { return m_core.logging.isRunning(); }
    double intervalSeconds() const { return m_core.logging.intervalSeconds(); }
    bool isEnding() const { return m_ending; }

    // One pass of start-up: the reading starts again from 0, the data folders are made, both
    // settings files are read, and the port opens as prog.cfg says; logging starts when LogOn is 1
    // (unattended: always). The failure, with its stage, when the port could not be opened or
    // LogOn is no number; the caller decides what follows.
    MaybeFailure startUp();
    // Unattended: start-up, and when it fails, start-up again every few seconds until the port
    // opens. Each new failure is said once.
    void startUpAndRetry();

    // Reads prog.cfg and settings.cfg again; the new settings apply at once.
    void readSettings();
    // Closes the port while `dialog` uses it or changes what it is.
    void holdPortFor(const QString &dialog);
    // Opens the port prog.cfg names now; port "0" leaves it closed.
    MaybeFailure openConfiguredPort();
    // Opens again exactly the port and speed opened last (port "0" leaves it closed).
    MaybeFailure reopenLastPort();
    // Leaves the port closed as port "0" does, whatever prog.cfg says: "Abort" in Program Setup
    // asks for no port even when prog.cfg could not be written to say so.
    void switchPortOff();

    void startLogging(const LoggingIntervalText &interval);
    void stopLogging();

    // Ends in order, however the end came: the held records are written, the energy exit line
    // goes into Whours.txt and the port is closed. Only the first call does anything.
    void end();

signals:
    void settingsChanged(const ProgramSettings &settings);
    void portIntentChanged(const PortIntent &intent);
    // Logging switched on (every `seconds`) or off.
    void loggingChanged(bool on, double seconds);
    // One entry for the error log: the stage and the failure's description.
    void problemFound(const QString &stage, const QString &description);

private:
    struct OpenedPort
    {
        int number = 0;
        int baud = 0;
    };
    MaybeFailure openPort(OpenedPort port);
    void setPortIntent(PortIntent::Kind kind, const QString &reason = QString());
    void retryStartUp();
    void appendToEnergyArchive(const QString &line);

    QString m_programFolder;
    SerialLink &m_link;
    Attendance m_attendance;
    LoggerCore m_core;
    ProgramSettings m_settings;
    PortIntent m_portIntent;
    std::optional<OpenedPort> m_openedPort;
    // The interval last given: LogDelay as read, or the one the user started logging with.
    QString m_intervalText = QStringLiteral("60");
    QTimer m_startUpRetryTimer;
    QString m_lastStartUpFailure;
    bool m_ending = false;
};

} // namespace Brolant
