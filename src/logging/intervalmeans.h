// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "acquisition/framehealth.h"
#include "acquisition/reading.h"

#include <QDateTime>
#include <QString>

namespace Brolant {

// The means of one logging interval, each rounded as the outputs show it (volts to 2 decimals,
// amps to 1, the rest to whole numbers, halves away from zero). They travel as numbers and become
// text only where a file or a screen is written.
struct IntervalMeans : Reading
{
    // Each sum divided by the count, then rounded. The count must not be 0.
    static IntervalMeans of(const IntervalSums &sums);

    // The means as the web page, history file, spreadsheet and status line write them.
    struct Texts
    {
        QString volts;
        QString amps;
        QString watts;
        QString rpm;
        QString windSpeed;
    };
    Texts texts() const;
};

// One logged interval: what the daily log, the outputs and every listener get.
struct Record
{
    QDateTime time;
    IntervalMeans means;
    bool repeated = false; // no frame came: the previous interval's means again
    double energy = 0.0;   // the day's watt-hours when it was logged
    FrameHealth health;    // the frames of this interval and since start-up
};

} // namespace Brolant
