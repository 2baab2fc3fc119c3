#include "logging/intervalmeans.h"

#include "acquisition/reading.h"
#include "logging/recordmasks.h"
#include "text/datetext.h"
#include "text/numbermask.h"
#include "text/rounding.h"

namespace Brolant {

namespace {
constexpr auto kVoltsMask = u"##0.00";
constexpr auto kAmpsMask = u"##0.0";
constexpr auto kWholeMask = u"###0";
constexpr auto kWattsMask = u"####0";
// The decimals of those masks.
constexpr int kVoltsDecimals = 2;
constexpr int kAmpsDecimals = 1;
// The mode slot of a record: nothing of the system sets it but to 0.
constexpr int kMode = 0;
} // namespace

IntervalMeans IntervalMeans::of(const IntervalSums &sums)
{
    const auto count = double(sums.count);
    IntervalMeans means;
    means.volts = Rounding::halfAway(sums.volts / count, kVoltsDecimals);
    means.amps = Rounding::halfAway(sums.amps / count, kAmpsDecimals);
    means.watts = Rounding::halfAway(sums.watts / count, 0);
    means.rpm = Rounding::halfAway(sums.rpm / count, 0);
    means.windSpeed = Rounding::halfAway(sums.windSpeed / count, 0);
    means.modeVolts = Rounding::halfAway(sums.modeVolts / count, 0);
    return means;
}

IntervalMeans::Texts IntervalMeans::texts() const
{
    return {NumberMask::format(volts, kVoltsMask), NumberMask::format(amps, kAmpsMask),
            NumberMask::format(watts, kWattsMask), NumberMask::format(rpm, kWholeMask),
            NumberMask::format(windSpeed, kWholeMask)};
}

QString logRecordLine(const Record &record)
{
    const IntervalMeans &means = record.means;
    return QStringLiteral("<T>%1</T><V>%2</V><I>%3</I><W>%4</W><R>%5</R><S>%6</S><M>%7</M>   %8Wh\r\n")
        .arg(DateText::hourMinute(record.time.time()),
             NumberMask::format(means.volts, RecordMasks::kVolts),
             NumberMask::format(means.amps, RecordMasks::kAmps),
             NumberMask::format(means.watts, RecordMasks::kWatts),
             NumberMask::format(means.rpm, RecordMasks::kRpm),
             NumberMask::format(means.windSpeed, RecordMasks::kWindSpeed), QString::number(kMode),
             NumberMask::format(record.energy, u"######.0"));
}

} // namespace Brolant
