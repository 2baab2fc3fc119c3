#pragma once

#include <QProcess>
#include <QString>

// The real brolant (or brolant-logger), copied into a test's program folder (it lives beside its
// executable) and run offscreen.
class ProgramProcess
{
public:
    explicit ProgramProcess(QString programFolder, QString program = QStringLiteral("brolant"));
    ~ProgramProcess();

    // Starts the program, through `wrapper` when given (for example prlimit or setpriv), and
    // waits until it has started up (its data folders exist, or a moment when it cannot make them).
    bool start(const QStringList &wrapper = {});
    // Copies the program into its folder; start() does it when it has not been done.
    bool install();
    bool isRunning() const { return m_process.state() == QProcess::Running; }
    // Sends `signal` and waits for the end; true when the program ended by itself with code 0.
    bool endWith(int signal);
    QProcess &process() { return m_process; }

private:
    QString m_folder;
    QString m_program;
    QProcess m_process;
};
