// SPDX-License-Identifier: GPL-3.0-or-later
// The log viewer fed random day files and time ranges: loading, plotting and exporting, checking
// that every loaded value and the view's energy are finite numbers.

#include "invariant.h"
#include "text/datetext.h"
#include "viewer/csvexport.h"
#include "viewer/dayloader.h"
#include "viewer/dayrecords.h"
#include "viewer/plotmodel.h"
#include "viewer/viewersettings.h"

#include <cmath>
#include <fuzzer/FuzzedDataProvider.h>

using namespace Brolant;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider input(data, size);
    const int start = input.ConsumeIntegralInRange<int>(-1, 86400);
    const int finish = input.ConsumeIntegralInRange<int>(-1, 86400);
    // Ranges as the window makes them: within the plot, which holds at most 10,000 positions.
    const double first = input.ConsumeFloatingPointInRange<double>(-5.0, 2000.0);
    const double last = input.ConsumeFloatingPointInRange<double>(-5.0, 2000.0);
    PlotOptions options;
    options.scaled = input.ConsumeBool();
    options.windSpeed = input.ConsumeBool();
    const std::string rest = input.ConsumeRemainingBytesAsString();

    static DayRecords records; // as in the viewer: positions keep what earlier loads left
    DayLoader::load(QByteArray(rest.data(), qsizetype(rest.size())), start, finish, records);
    for (int position = 1; position <= std::min(records.count, DayRecords::kMostRecords); ++position) {
        for (int series = 0; series < DayRecords::SeriesCount; ++series)
            check(std::isfinite(records.value(DayRecords::Series(series), position)), "a loaded value is finite");
    }
    DateText::secondsOfDay(QString::fromLatin1(rest.data(), qsizetype(std::min<size_t>(rest.size(), 12))));

    ViewerSettings settings;
    settings.logDelay = QStringLiteral("60");
    settings.voltScaleMax = 17.5;
    settings.maxAmps = 20;
    PlotModel plot;
    if (plot.redraw(records, {first, last}, options, settings))
        check(std::isfinite(plot.energy()), "the view's energy is finite");
    CsvExport::text(records, {first, last});
    return 0;
}
