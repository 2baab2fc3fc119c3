// SPDX-License-Identifier: GPL-3.0-or-later
#include "logging/readingpayload.h"

#include "acquisition/reading.h"
#include "logging/intervalmeans.h"
#include "text/rounding.h"

#include <QDateTime>

namespace Brolant {

namespace {
constexpr int kEnergyDecimals = 1;
} // namespace

QString ReadingPayload::isoTime(const QDateTime &time)
{
    return time.toOffsetFromUtc(time.offsetFromUtc()).toString(Qt::ISODateWithMs);
}

double ReadingPayload::wattHours(double energy)
{
    return Rounding::halfAway(energy, kEnergyDecimals);
}

QJsonObject ReadingPayload::live(const Reading &reading, double energy, const QDateTime &time)
{
    return {{PayloadName::kTime, isoTime(time)},
            {PayloadName::kVolts, reading.volts},
            {PayloadName::kAmps, reading.amps},
            {PayloadName::kWatts, reading.watts},
            {PayloadName::kRpm, reading.rpm},
            {PayloadName::kWind, reading.windSpeed},
            {PayloadName::kWattHours, wattHours(energy)}};
}

QJsonObject ReadingPayload::record(const Record &record)
{
    const IntervalMeans &means = record.means;
    return {{PayloadName::kTime, isoTime(record.time)},
            {PayloadName::kVolts, means.volts},
            {PayloadName::kAmps, means.amps},
            {PayloadName::kWatts, means.watts},
            {PayloadName::kRpm, means.rpm},
            {PayloadName::kWind, means.windSpeed},
            {PayloadName::kWattHours, wattHours(record.energy)},
            {PayloadName::kFrames, record.repeated ? 0 : double(record.health.thisInterval.accepted)}};
}

} // namespace Brolant
