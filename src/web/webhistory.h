// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/historyloader.h"
#include "history/turbineperformance.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

namespace Brolant {

// The Energy History's rules as the web page shows them: the energy of each day of a month and
// the power curve of a range of days, with the same spreadsheets the window exports. The one
// place where the web page calls the history library; everything here reads files and may need
// a while, so it runs on a worker thread.
namespace WebHistory {

struct DayWattHours
{
    QDate day;
    std::optional<double> wattHours; // nothing: no archive line and no daily log, or it could not be read
    bool computed = false;           // from the daily log, wholly or in part
};

struct MonthEnergy
{
    QDate month;                         // its first day
    std::vector<DayWattHours> days;      // every day of the month
    std::optional<double> total;         // nothing: no day has a value
    std::optional<double> mean;          // of the days that have a value
    int damagedLines = 0;                // lines of the archive passed over
    std::vector<FileProblem> unreadable; // Whours.txt or daily logs that could not be read
    QString csvFileName;                 // "energy_2026_12.csv"
    QString csv;                         // as the window exports it
};

struct WindBin
{
    int wind = 0;          // wind speeds from this (included) to the next whole unit
    double meanWind = 0.0; // where the bin's mean stands: its records' mean wind speed
    int records = 0;
    double meanWatts = 0.0;
    double maxWatts = 0.0;
    bool faint = false; // too few records to judge a turbine by
};

struct PowerCurveData
{
    QDate from;
    QDate to;
    long long records = 0;
    std::vector<WindBin> bins;           // lowest first; bins without records left out
    std::vector<FileProblem> unreadable; // daily logs that could not be read
    QString csvFileName;                 // "powercurve_2026_11_08_2026_12_07.csv"
    QString csv;                         // as the window exports it
};

struct PerformanceData
{
    QDate from;
    QDate to;
    QString windUnits; // WSUnits, as logged
    TurbinePerformance::Report report;
    QString problem;                     // why turbine.cfg could not be used; empty when it could
    std::vector<FileProblem> unreadable; // daily logs that could not be read
    QString csvFileName;                 // "performance_2026_11_08_2026_12_07.csv"
    QString csv;                         // as the window exports it
};

// The energy of each day of `month`'s month, as the Energy History's table shows it on `today`,
// the logger's (archive lines dated after it are a clock's mistake).
MonthEnergy monthEnergy(const QString &programFolder, const QDate &month, const QDate &today);
// The power curve of the days from `from` to `to`, both included.
PowerCurveData powerCurve(const QString &programFolder, const QDate &from, const QDate &to);

// The turbine measured against its rated curve over the days from `from` to `to`, both included.
PerformanceData performance(const QString &programFolder, const QDate &from, const QDate &to);

} // namespace WebHistory

} // namespace Brolant
