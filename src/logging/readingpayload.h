// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QString>

class QDateTime;

namespace Brolant {

struct Reading;
struct Record;

// The names a reading carries wherever it leaves the program as JSON (the broker's payloads and
// the web page's data alike), each written once.
namespace PayloadName {
inline const QString kTime = QStringLiteral("time");
inline const QString kVolts = QStringLiteral("volts");
inline const QString kAmps = QStringLiteral("amps");
inline const QString kWatts = QStringLiteral("watts");
inline const QString kRpm = QStringLiteral("rpm");
inline const QString kWind = QStringLiteral("wind");
inline const QString kWattHours = QStringLiteral("wh");
inline const QString kFrames = QStringLiteral("frames");
} // namespace PayloadName

// A reading and a logged interval as JSON objects, built from numbers.
namespace ReadingPayload {

// ISO 8601 with milliseconds and the offset from UTC, as the time was on this computer.
QString isoTime(const QDateTime &time);
// Watt-hours carry one decimal, as the screen and the daily log show them.
double wattHours(double energy);

// The latest reading and the day's watt-hours, at `time`.
QJsonObject live(const Reading &reading, double energy, const QDateTime &time);
// One logged interval, as the daily log rounds it, with the frames it stands on.
QJsonObject record(const Record &record);

} // namespace ReadingPayload

} // namespace Brolant
