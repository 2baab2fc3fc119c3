#include "historybench.h"

#include "benchmark.h"
#include "history/dayenergy.h"
#include "history/historyloader.h"
#include "history/powercurve.h"
#include "history/trendenvelope.h"
#include "history/ui/trendwidget.h"
#include "logging/energyarchive.h"
#include "memory.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <cmath>

using namespace Brolant;

namespace {
const QSize kPlotSize(1200, 600);
const std::array<QString, 5> kNames = {"Volts (V)", "Amps (A)", "Watts (W)", "RPM (RPM)", "Wind (mph)"};

// Daily logs of `days` days from 1 January 2026, a record every `step` seconds of a gusty wind.
void writeLogs(const QString &folder, int days, int step)
{
    QDir(folder).mkpath(QStringLiteral("logs"));
    for (int day = 0; day < days; ++day) {
        QByteArray text;
        text.reserve(86400 / step * 80);
        for (int second = 0; second < 86400; second += step) {
            const double wind = 6 + 4 * std::sin((day * 86400 + second) / 5000.0) + (second % 7) * 0.3;
            const double amps = std::max(0.0, wind * 1.5 - 4);
            const int minute = second / 60;
            char line[128];
            const int length = std::snprintf(line, sizeof line,
                "<T>%02d:%02d</T><V>%.2f</V><I>%.2f</I><W>%.2f</W><R>%d</R><S>%.1f</S><M>0</M>   %.1fWh\r\n",
                minute / 60, minute % 60, 12.4 + amps * 0.05, amps, amps * 12.6, int(wind * 40), wind, second / 100.0);
            text.append(line, length);
        }
        QFile file(HistoryFiles::dayLogPath(folder, QDate(2026, 1, 1).addDays(day)));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            qFatal("cannot write the benchmark's logs");
    }
}

// What the window does with a range: read it, then the energy table, the curve and the picture.
std::shared_ptr<const TrendEnvelope> everything(const QString &folder, int days)
{
    const QDate first(2026, 1, 1);
    const QDate last = first.addDays(days - 1);
    auto records = std::make_shared<const HistoryRecords>(
        HistoryFiles::read(folder, HistoryFiles::daysBetween(first, last)));
    const auto energy = EnergyTable::days(EnergyArchive{}, *records, first, last, 60.0);
    const auto bins = PowerCurve::bins(*records);
    const auto points = PowerCurve::scatter(*records, 480, 320);
    auto envelope = std::make_shared<const TrendEnvelope>(records);
    QImage image(kPlotSize, QImage::Format_RGB32);
    QPainter painter(&image);
    TrendPainter::paint(painter, kPlotSize, *records,
                        envelope->picture(envelope->start(), envelope->finish(),
                                          TrendPainter::plotArea(kPlotSize).width()),
                        kNames);
    if (energy.size() != size_t(days) || bins.empty() || points.empty())
        qFatal("the history benchmark computed nothing");
    return envelope;
}
} // namespace

void benchHistory()
{
    QTemporaryDir month;
    writeLogs(month.path(), 30, 1);
    std::shared_ptr<const TrendEnvelope> kept;
    const Timing seconds = nanosecondsPerRound(1, [&](long) {
        kept.reset();
        kept = everything(month.path(), 30);
    });
    report("history month of seconds", seconds, 1e6, "ms");
    report("history month memory", residentMebibytes(), "MiB");

    const QRect area = TrendPainter::plotArea(kPlotSize);
    QImage image(kPlotSize, QImage::Format_RGB32);
    const Timing redraw = nanosecondsPerRound(20, [&](long i) {
        // A different span each time, as a zoom would ask.
        const std::int64_t from = kept->start() + i * 3600;
        QPainter painter(&image);
        TrendPainter::paint(painter, kPlotSize, kept->records(),
                            kept->picture(from, kept->finish(), area.width()), kNames);
    });
    report("history redraw", redraw, 1e6, "ms");
    const std::array<QString, 5> units = {" V", " A", " W", " RPM", " mph"};
    const Timing move = nanosecondsPerRound(20000, [&](long i) {
        const auto at = kept->nearest(double(kept->start() + (i * 7919) % (kept->finish() - kept->start())));
        if (kept->records().readout(*at, units).isEmpty())
            qFatal("no readout");
    });
    report("history pointer move", move, 1e6, "ms");
    kept.reset();

    QTemporaryDir year;
    writeLogs(year.path(), 365, 60);
    const Timing minutes = nanosecondsPerRound(1, [&](long) { everything(year.path(), 365); });
    report("history year", minutes, 1e6, "ms");
}
