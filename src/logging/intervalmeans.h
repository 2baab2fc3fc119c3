#pragma once

#include <QString>

struct IntervalSums;
class QTime;

// The means of one logging interval as formatted texts (they are written as such), and the
// mode-volts mean kept as a number.
struct IntervalMeans
{
    QString volts = QStringLiteral("0.00");
    QString amps = QStringLiteral("0.0");
    QString rpm = QStringLiteral("0");
    QString windSpeed = QStringLiteral("0");
    QString watts = QStringLiteral("0");
    double modeVolts = 0.0;

    // Each sum divided by the count, then masked. The count must not be 0.
    static IntervalMeans of(const IntervalSums &sums);
    // The same means formatted again with their own masks: what an interval without frames repeats.
    IntervalMeans reformatted() const;
};

// One line of a daily log:
// <T>14:05</T><V>12.53</V><I>5.30</I><W>66.00</W><R>245</R><S>12.0</S><M>0</M>   1234.6Wh
QString logRecordLine(const QTime &time, const IntervalMeans &means, int loadFlag, double energy);
