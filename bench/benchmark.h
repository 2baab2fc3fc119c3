#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QTextStream>

#include <functional>

// Runs `work` `rounds` times (after a warm-up) and returns nanoseconds per round.
inline double nanosecondsPerRound(long rounds, const std::function<void(long)> &work)
{
    for (long i = 0; i < rounds / 10 + 1; ++i)
        work(i);
    QElapsedTimer timer;
    timer.start();
    for (long i = 0; i < rounds; ++i)
        work(i);
    return double(timer.nsecsElapsed()) / double(rounds);
}

// One figure per line: "name: value unit".
inline void report(const char *name, double value, const char *unit)
{
    QTextStream(stdout) << name << ": " << QString::number(value, 'f', value < 10 ? 3 : 1) << ' '
                        << unit << Qt::endl;
}
