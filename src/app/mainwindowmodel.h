#pragma once

#include "acquisition/frameassembler.h"
#include "acquisition/reading.h"
#include "config/calibrationsettings.h"
#include "config/programconfig.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>

class Clock;
class MainWindowView;
class Prompts;
class SerialLink;

// The main window's state and handlers: start-up, configuration, the error log, the port and the
// dialogs it opens. It shows everything through MainWindowView and never draws.
class MainWindowModel : public QObject
{
    Q_OBJECT

public:
    MainWindowModel(QString programFolder, MainWindowView &view, SerialLink &link,
                    const Clock &clock, Prompts &prompts, QObject *parent = nullptr);

    // Runs start-up; when the port cannot be opened, leads the user through the port-problem
    // loop until it opens, the port is switched off ("0"), or the program is ending.
    void startUp();
    void setupClicked();
    // Ends in order: closes the port. Safe to call more than once.
    void end();

    bool isLogging() const { return m_loggingTimer.isActive(); }
    bool isEnding() const { return m_ending; }
    const ProgramConfig &config() const { return m_config; }
    const CalibrationSettings &calibration() const { return m_calibration; }
    std::chrono::milliseconds loggingInterval() const { return m_loggingTimer.intervalAsDuration(); }
    const Reading &reading() const { return m_reading; }
    const IntervalSums &intervalSums() const { return m_sums; }
    double energyCounter() const { return m_energyCounter; }

private:
    // One pass of start-up; false when it ended on the port's failure path.
    bool runStartUpOnce();
    void createDataFolders();
    void loadConfiguration();
    void openConfiguredPort();
    bool startLogging();
    void logError(const QString &description);
    void handlePortProblem();
    void portProblemLoop();
    void receive();
    void reject(const QString &context, const QString &text);
    void handleFrame(const QString &frame);
    void endTrappedFrame();
    void resetLamps();

    QString m_programFolder;
    MainWindowView &m_view;
    SerialLink &m_link;
    const Clock &m_clock;
    Prompts &m_prompts;

    ProgramConfig m_config;
    CalibrationSettings m_calibration;
    Reading m_reading;
    double m_energyCounter = 0.0;
    int m_loadFlag = 0;
    qint16 m_dispMessages = 0;
    QString m_errorContext;
    QString m_receivedText;
    FrameAssembler m_assembler;
    IntervalSums m_sums;
    bool m_ending = false;

    QTimer m_loggingTimer; // Timer1
    QTimer m_lampTimer;    // Timer2
};
