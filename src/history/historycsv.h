// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "history/dayenergy.h"
#include "history/powercurve.h"
#include "history/turbineperformance.h"
#include "text/failure.h"

#include <QDate>
#include <QString>

#include <vector>

namespace Brolant {

// The Energy History's spreadsheets, written into excel/ beside the viewer's exports.
namespace HistoryCsv {

// "energy_2026_12.csv": "Date,Wh", then one line per day that has a value.
QString energyFileName(const QDate &month);
QString energyText(const std::vector<DayEnergy> &days);

// "powercurve_2026_11_08_2026_12_07.csv": "Wind,Records,MeanWatts,MaxWatts", then one line per bin.
QString powerCurveFileName(const QDate &from, const QDate &to);
QString powerCurveText(const std::vector<PowerBin> &bins);

// "performance_2026_11_08_2026_12_07.csv": the method of bins' table, the rated curve, the
// year's energy at each Rayleigh mean and the span's figures, each table under its own headings
// and apart from the next by an empty line.
QString performanceFileName(const QDate &from, const QDate &to);
QString performanceText(const TurbinePerformance::Report &report, const RatedCurve &rated);

// Writes `text` as excel/<name> in the program folder, atomically; the path written.
Result<QString> write(const QString &programFolder, const QString &name, const QString &text);

} // namespace HistoryCsv

} // namespace Brolant
