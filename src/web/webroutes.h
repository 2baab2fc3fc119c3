// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>

class QUrlQuery;

namespace Brolant {

// What a request asks for, from its path and query alone: one of the page's own files, or one of
// the data routes with its dates checked. Nothing of a request ever becomes a path on the disk:
// a date becomes a QDate, and a file is one of the page's own by its fixed name.
struct WebRoute
{
    enum class Kind
    {
        Asset,          // one of the page's files
        Live,           // /api/live
        Texts,          // /api/texts: the page's words in the browser's language
        Alarms,         // /api/alarms
        Push,           // /api/push: the live readings as they come, over a WebSocket
        Metrics,        // /metrics: the figures for Prometheus
        Day,            // /api/day/yyyy-mm-dd
        DayLog,         // /api/day/yyyy-mm-dd.txt: the daily log itself
        Energy,         // /api/energy/yyyy-mm
        EnergyCsv,      // /api/energy/yyyy-mm.csv
        PowerCurve,     // /api/powercurve?from=yyyy-mm-dd&to=yyyy-mm-dd
        PowerCurveCsv,  // /api/powercurve.csv?from=...&to=...
        Performance,    // /api/performance?from=yyyy-mm-dd&to=yyyy-mm-dd
        PerformanceCsv, // /api/performance.csv?from=...&to=...
        NotFound,
        BadRequest,
    };

    Kind kind = Kind::NotFound;
    QString resource;       // Asset: the file in the program's resources
    QByteArray contentType; // Asset
    QDate from;             // Day and DayLog: the day; Energy: the month's first day; PowerCurve: the first day
    QDate to;               // PowerCurve: the last day
    QString problem;        // BadRequest: what is wrong, for the person who asked

    // `today` is the logger's: the power curve's range ends there unless the query asks otherwise.
    static WebRoute of(const QString &path, const QUrlQuery &query, const QDate &today, int longestRange);
};

} // namespace Brolant
