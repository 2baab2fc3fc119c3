// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QString>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <functional>

// Nanoseconds a round: the best and the median of several repetitions in one run, since this
// machine's speed varies up to twofold from one minute to the next.
struct Timing
{
    double best = 0.0;
    double median = 0.0;
};

// Runs `work` `rounds` times per repetition (after a warm-up) and times each repetition.
inline Timing nanosecondsPerRound(long rounds, const std::function<void(long)> &work)
{
    constexpr int kRepetitions = 5;
    for (long i = 0; i < rounds / 10 + 1; ++i)
        work(i);
    std::array<double, kRepetitions> each{};
    for (double &nanoseconds : each) {
        QElapsedTimer timer;
        timer.start();
        for (long i = 0; i < rounds; ++i)
            work(i);
        nanoseconds = double(timer.nsecsElapsed()) / double(rounds);
    }
    std::sort(each.begin(), each.end());
    return {each.front(), each[kRepetitions / 2]};
}

inline QString figure(double value)
{
    return QString::number(value, 'f', value < 10 ? 3 : 1);
}

// One figure per line: "name: value unit".
inline void report(const char *name, double value, const char *unit)
{
    QTextStream(stdout) << name << ": " << figure(value) << ' ' << unit << Qt::endl;
}

// A timing per round in `unit`s of `nanosecondsPerUnit`: "name: best unit (median M)".
inline void report(const char *name, const Timing &timing, double nanosecondsPerUnit, const char *unit)
{
    QTextStream(stdout) << name << ": " << figure(timing.best / nanosecondsPerUnit) << ' ' << unit << " (median "
                        << figure(timing.median / nanosecondsPerUnit) << ')' << Qt::endl;
}

// A timing per round as rounds a second.
inline void reportRate(const char *name, const Timing &timing, const char *unit)
{
    QTextStream(stdout) << name << ": " << figure(1e9 / timing.best) << ' ' << unit << " (median "
                        << figure(1e9 / timing.median) << ')' << Qt::endl;
}
