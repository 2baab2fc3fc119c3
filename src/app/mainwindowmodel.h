#pragma once

#include "app/errorreporter.h"
#include "app/lamps.h"
#include "config/programconfig.h"
#include "platform/prompts.h"
#include "text/failure.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>
#include <optional>

namespace Brolant {

class MainWindowView;
struct LoggerCore;
struct Reading;
struct Record;

// Whether somebody is at the screen. Unattended (the headless logger), logging starts at once
// whatever LogOn says, and a port that will not open is retried every 5 seconds instead of
// leading anyone through messages and the setup dialog.
enum class Attendance { Attended, Unattended };

// The main window's handlers: start-up, configuration, the port, the logging controls, the
// dialogs it opens and the end. The logger's parts do the work; this wires what they say to the
// view, the error log and the lamps, and never draws.
class MainWindowModel : public QObject
{
    Q_OBJECT

public:
    MainWindowModel(QString programFolder, LoggerCore &core, MainWindowView &view,
                    Prompts &prompts, Attendance attendance = Attendance::Attended,
                    QObject *parent = nullptr);

    // Runs start-up; when the port cannot be opened, leads the user through the port-problem
    // loop until it opens, the port is switched off ("0"), or the program is ending.
    void startUp();
    // `typedInterval` is the text of the interval box.
    void startLoggingClicked(const QString &typedInterval);
    void stopLoggingClicked();
    void setupClicked();
    void calibrateClicked();
    // The viewer is modal, but timers and serial input go on: logging continues while it is open.
    void showLogsClicked() { m_prompts.runLogViewer(); }
    void messageLinesToggled(bool shown);
    // Ends in order, however the end came: writes the energy exit line and closes the port.
    // Safe to call more than once; only the first call does anything.
    void end();

    bool isLogging() const;
    bool isEnding() const { return m_ending; }
    const ProgramConfig &config() const { return m_config; }

private:
    // One pass of start-up; the failure when it ended on the port's failure path (the error
    // context is set; the failure is not logged yet).
    MaybeFailure runStartUpOnce();
    void retryStartUp();
    void loadConfiguration();
    void wireCore();
    void logProblem(const QString &stage, const QString &description);
    void showReading(const Reading &reading);
    void showLogged(const Record &record);
    // The port and speed last opened: the Calibrate button reopens exactly these.
    struct OpenedPort
    {
        int number = 0;
        int baud = 0;
    };
    void openConfiguredPort();
    void openPort(OpenedPort port);
    // The interval text limited to 1 to 600 seconds (the box shows the limit); nothing when
    // the text is no number.
    std::optional<double> intervalSeconds();
    void showIntervalText(const QString &text);
    void startLogging(double seconds);
    void handlePortProblem();
    void portProblemLoop();
    void appendToEnergyArchive(const QString &line);
    void runDialogWithPortClosed(void (Prompts::*dialog)(), const std::function<void()> &reopen);
    void portLost(const QString &description);

    QString m_programFolder;
    LoggerCore &m_core;
    MainWindowView &m_view;
    Prompts &m_prompts;

    ProgramConfig m_config;
    QString m_intervalText = QStringLiteral("60"); // the interval box's text, as the model set it
    ErrorReporter m_errors;
    Lamps m_lamps;
    QTimer m_startUpRetryTimer; // unattended: start-up again until the port opens
    Attendance m_attendance;
    QString m_lastStartUpFailure;
    bool m_ending = false;
    std::optional<OpenedPort> m_openedPort;
};

} // namespace Brolant
