#pragma once

#include <QProcess>
#include <QString>

// The real brolant, copied into a test's program folder (it lives beside its executable) and run
// offscreen.
class ProgramProcess
{
public:
    explicit ProgramProcess(QString programFolder);
    ~ProgramProcess();

    // Starts the program and waits until its start-up has made the data folders.
    bool start();
    // Sends `signal` and waits for the end; true when the program ended by itself with code 0.
    bool endWith(int signal);
    QProcess &process() { return m_process; }

private:
    QString m_folder;
    QProcess m_process;
};
