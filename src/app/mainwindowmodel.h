// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/lamps.h"
#include "app/prompts.h"
#include "config/programconfig.h"
#include "text/failure.h"

#include <QObject>
#include <QString>

#include <functional>

namespace Brolant {

class LoggerSession;
class MainWindowView;
class ProblemLog;
struct LiveReading;
struct ProgramSettings;
struct Record;

// The main window's handlers: its start-up texts, the logging controls, the dialogs it opens,
// the port-problem loop's questions, the lamps and the labels. The logger itself is the session:
// this shows what the session reports and asks it for the rest, and never draws.
class MainWindowModel : public QObject
{
    Q_OBJECT

public:
    MainWindowModel(LoggerSession &session, ProblemLog &problems, MainWindowView &view, Prompts &prompts,
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
    // Ends in order, however the end came. Safe to call more than once.
    void end();

    bool isLogging() const;
    bool isEnding() const;

private:
    void wireSession();
    void showStartUpTexts();
    void showSettings(const ProgramSettings &settings);
    void showLogging(bool on);
    void showReading(const LiveReading &live);
    void showLogged(const Record &record);
    void showIntervalText(const QString &text);
    void portProblemLoop();
    // The message, then Program Setup; how the user left it.
    SetupEnd handlePortProblem();
    // Closes the port while `dialog` runs, reloads the settings it may have saved, and opens the
    // port again with `reopen`; a dialog that could not open, or a port that will not, leads into
    // the port-problem loop.
    void runDialogWithPortClosed(const QString &name, const std::function<Result<>()> &dialog,
                                 const std::function<Result<>()> &reopen);

    LoggerSession &m_session;
    ProblemLog &m_problems;
    MainWindowView &m_view;
    Prompts &m_prompts;
    Lamps m_lamps;
    QString m_intervalText = ProgramDefault::kLogDelay; // the interval box's text, as the model set it
    QString m_receivedText;                             // what the read left waiting, shown again for a frame
};

} // namespace Brolant
