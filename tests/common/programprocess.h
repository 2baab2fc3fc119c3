// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// A real program of the build (brolant by default, or brolant-logger), copied into a test's
// program folder (it lives beside its executable) and run offscreen.
class ProgramProcess
{
public:
    explicit ProgramProcess(QString programFolder, QString program = QStringLiteral("brolant"));
    ~ProgramProcess();

    // Starts the program with `arguments`, through `wrapper` when given (for example prlimit or
    // setpriv), and waits until it catches SIGTERM: its parts are made, and from then on it ends
    // in order. Its start-up (the data folders, the port) follows at once.
    bool start(const QStringList &wrapper = {}, const QStringList &arguments = {});
    // Copies the program into its folder; start() does it when it has not been done.
    bool install();
    bool isRunning() const { return m_process.state() == QProcess::Running; }
    // Sends `signal` and waits for the end; true when the program ended by itself with code 0.
    bool endWith(int signal);
    // What it printed so far, standard output then standard error.
    QString output();
    // The lines it printed for each logging interval so far, oldest first ("interval: 5 frames,
    // ...; since start-up: 12 frames, ..."): proof that an interval went by and was dealt with.
    QStringList intervals();
    QProcess &process() { return m_process; }
    // Where the program is copied to.
    QString executable() const { return m_folder + u'/' + m_program; }

private:
    QString m_folder;
    QString m_program;
    QProcess m_process;
    QByteArray m_out;
    QByteArray m_errors;
};
