#pragma once

#include "app/errorreporter.h"
#include "app/framereceiver.h"
#include "app/lamps.h"
#include "app/loggingcycle.h"
#include "app/mainwindowstate.h"
#include "platform/prompts.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <functional>
#include <optional>

class Clock;
class MainWindowView;
class SerialLink;

// Whether somebody is at the screen. Unattended (the headless logger), logging starts at once
// whatever LogOn says, and a port that will not open is retried every 5 seconds instead of
// leading anyone through messages and the setup dialog.
enum class Attendance { Attended, Unattended };

// The main window's state and handlers: start-up, configuration, the port, the logging controls,
// the energy timer, the dialogs it opens and the end. It shows everything through
// MainWindowView and never draws.
class MainWindowModel : public QObject
{
    Q_OBJECT

public:
    MainWindowModel(QString programFolder, MainWindowView &view, SerialLink &link,
                    const Clock &clock, Prompts &prompts,
                    Attendance attendance = Attendance::Attended, QObject *parent = nullptr);

    // Runs start-up; when the port cannot be opened, leads the user through the port-problem
    // loop until it opens, the port is switched off ("0"), or the program is ending.
    void startUp();
    void startLoggingClicked();
    void stopLoggingClicked();
    void setupClicked();
    void calibrateClicked();
    // The viewer is modal, but timers and serial input go on: logging continues while it is open.
    void showLogsClicked() { m_prompts.runLogViewer(); }
    void messageLinesToggled(bool shown);
    // Ends in order, however the end came: writes the energy exit line and closes the port.
    // Safe to call more than once; only the first call does anything.
    void end();

    bool isLogging() const { return m_logging.isRunning(); }
    bool isEnding() const { return m_ending; }
    const MainWindowState &state() const { return m_state; }
    std::chrono::milliseconds loggingInterval() const { return m_logging.interval(); }
    LoggingCycle &loggingCycle() { return m_logging; }
    const FrameReceiver &receiver() const { return m_receiver; }
    void energyTick();

private:
    // One pass of start-up; false when it ended on the port's failure path (the error context
    // is set and the failure's description returned in `failure`, not yet logged).
    bool runStartUpOnce(QString *failure);
    void retryStartUp();
    void createDataFolders();
    void loadConfiguration();
    // The port and speed last opened: the Calibrate button reopens exactly these.
    struct OpenedPort
    {
        int number = 0;
        int baud = 0;
    };
    void openConfiguredPort();
    void openPort(OpenedPort port);
    // The interval in the view, limited to 1 to 600 seconds (the box shows the limit);
    // nothing when the text is no number.
    std::optional<std::chrono::milliseconds> intervalFromView();
    void startLogging(std::chrono::milliseconds interval);
    void handlePortProblem();
    void portProblemLoop();
    void appendToEnergyArchive(const QString &line);
    void runDialogWithPortClosed(void (Prompts::*dialog)(), const std::function<void()> &reopen);
    void portLost(const QString &description);

    QString m_programFolder;
    MainWindowView &m_view;
    SerialLink &m_link;
    const Clock &m_clock;
    Prompts &m_prompts;

    MainWindowState m_state;
    ErrorReporter m_errors;
    Lamps m_lamps;
    LoggingCycle m_logging;
    FrameReceiver m_receiver;
    QTimer m_energyTimer; // Timer3
    QTimer m_startUpRetryTimer; // unattended: start-up again until the port opens
    Attendance m_attendance;
    QString m_lastStartUpFailure;
    bool m_ending = false;
    std::optional<OpenedPort> m_openedPort;
};
