// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>

#include <chrono>

namespace Brolant {

class ProblemLog;
struct AlarmChange;

// Runs the alarm command on a change, without a shell and never delaying logging: the command
// gets the alarm's name, "raised" or "cleared", the value and its unit as arguments, runs in the
// program folder in a process group of its own, and is ended with everything it started after
// `longestRun`, or at the program's end after a short grace. A command that cannot start, fails
// or hangs is written to the error log once for that change.
class AlarmCommand final : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::seconds kLongestRun{30};
    // At the program's end, for a run just started (a change announced at the end) to do its work.
    static constexpr std::chrono::seconds kEndGrace{2};

    AlarmCommand(QString command, QString programFolder, ProblemLog &problems,
                 std::chrono::milliseconds longestRun = kLongestRun, QObject *parent = nullptr);
    ~AlarmCommand() override;

    void setCommand(const QString &command);
    void run(const AlarmChange &change);
    // Waits up to kEndGrace for the runs under way to end by themselves; whatever still runs is
    // ended with this object.
    void letRunsFinish();

signals:
    void finished(); // a run ended, however it went (for tests and an orderly end)

private:
    QString m_command;
    QString m_programFolder;
    ProblemLog &m_problems;
    std::chrono::milliseconds m_longestRun;
    long long m_runs = 0; // each run's trouble is an episode of its own
};

} // namespace Brolant
