// SPDX-License-Identifier: GPL-3.0-or-later
#include "history/historyloader.h"
#include "history/turbineperformance.h"
#include "text/failure.h"

#include <QTest>
#include <QTime>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <memory>
#include <numbers>

using namespace Brolant;
using TurbinePerformance::Bin;

// One record as logged: the minute its clock showed, the wind in the logged unit, the watts.
struct Record
{
    int clockMinute = 0;
    double wind = 0.0;
    double watts = 0.0;
};
using Records = std::vector<Record>;
Q_DECLARE_METATYPE(Records)

namespace {
using Curve = std::vector<std::pair<double, double>>;
const char *const kRatedText = "3 10\n4 50\n5 120\n6 210\n7 340\n8 500\n9 680\n10 850\n11 960\n12 1000\n14 1000";
const Curve kRated = {{3, 10},  {4, 50},   {5, 120},  {6, 210},   {7, 340},  {8, 500},
                      {9, 680}, {10, 850}, {11, 960}, {12, 1000}, {14, 1000}};

// Rounded as the log writes them, so the test's own sums use the values the log holds.
Record record(int clockMinute, double wind, double watts)
{
    return {clockMinute, std::round(wind * 1000) / 1000, std::round(watts * 100) / 100};
}

DayReading readingOf(const QDate &date, const QByteArray &log)
{
    return {date, std::make_shared<const DaySummary>(DaySummary::fromLog(log, date)), QString()};
}

QByteArray logOf(const Records &records)
{
    QByteArray text;
    for (const Record &r : records)
        text += QStringLiteral("<T>%1</T><V>12.50</V><I>1.00</I><W>%2</W><R>100</R><S>%3</S><M>0</M>   1.0Wh\r\n")
                    .arg(QTime(0, 0).addSecs(r.clockMinute * 60).toString("HH:mm"))
                    .arg(r.watts, 0, 'f', 2)
                    .arg(r.wind, 0, 'f', 3)
                    .toLatin1();
    return text;
}

// About a small turbine's watts at `ms`, levelling at 1000 W.
double wattsAt(double ms)
{
    return ms < 3 ? 0.0 : std::min(1000.0, 0.6 * std::pow(ms, 3));
}

// Each minute's (m/s, W) means: a minute is a run of records under one stamp, so the hour the
// clocks repeat gives minutes of its own.
Curve minuteMeans(const Records &records, double toMs)
{
    Curve means;
    for (size_t from = 0, to = 0; from < records.size(); from = to) {
        double wind = 0.0;
        double watts = 0.0;
        for (to = from; to < records.size() && records[to].clockMinute == records[from].clockMinute; ++to) {
            wind += records[to].wind;
            watts += records[to].watts;
        }
        means.emplace_back(wind / double(to - from) * toMs, watts / double(to - from));
    }
    return means;
}

std::vector<Bin> ownBins(const Curve &means)
{
    std::map<long long, Curve> binned;
    for (const auto &mean : means)
        binned[std::llround(std::floor((mean.first + 0.25) / 0.5))].push_back(mean); // 4.75 opens the 5.0 bin
    std::vector<Bin> bins;
    for (const auto &[index, minutes] : binned) {
        Bin bin;
        bin.centre = 0.5 * double(index);
        bin.minutes = int(minutes.size());
        for (const auto &[ms, watts] : minutes) {
            bin.meanMs += ms / bin.minutes;
            bin.meanWatts += watts / bin.minutes;
        }
        for (const auto &minute : minutes) // the sample's: over one fewer than the minutes
            bin.sdWatts += std::pow(minute.second - bin.meanWatts, 2) / std::max(bin.minutes - 1, 1);
        bin.sdWatts = std::sqrt(bin.sdWatts);
        bins.push_back(bin);
    }
    return bins;
}

// The year's kWh of the bins' means (or of `curve`) over the distribution `share`, from 0 W half a
// bin below the first; no share of time below 0 m/s.
double ownAnnual(const std::vector<Bin> &bins, const std::function<double(double)> &share, Curve curve = {})
{
    for (const Bin &bin : bins)
        curve.emplace_back(bin.meanMs, bin.meanWatts);
    const auto f = [&](double ms) { return ms <= 0 ? 0.0 : share(ms); };
    double sum = 0.0;
    for (size_t at = 0; at < curve.size(); ++at) {
        const auto [before, wattsBefore] = at == 0 ? std::pair(curve[0].first - 0.5, 0.0) : curve[at - 1];
        sum += (f(curve[at].first) - f(before)) * (wattsBefore + curve[at].second) / 2;
    }
    return 8760.0 * sum / 1000.0;
}

// The likelihood's equation for k by bisection (its left side rises with k), then c from k.
std::pair<double, double> ownWeibull(const std::vector<double> &speeds)
{
    const double n = double(speeds.size());
    const auto mean = [&](const std::function<double(double)> &of) {
        double sum = 0.0;
        for (const double v : speeds)
            sum += of(v) / n;
        return sum;
    };
    const double meanLog = mean([](double v) { return std::log(v); });
    double low = 0.1;
    double high = 20.0;
    double k = 0.0;
    for (int step = 0; step < 100; ++step) {
        k = (low + high) / 2;
        const double powersLog = mean([k](double v) { return std::pow(v, k) * std::log(v); });
        (powersLog / mean([k](double v) { return std::pow(v, k); }) - 1.0 / k - meanLog < 0 ? low : high) = k;
    }
    return {k, std::pow(mean([k](double v) { return std::pow(v, k); }), 1.0 / k)};
}

bool near(double got, double expected, double relative = 1e-6)
{
    return std::abs(got - expected) <= relative * std::max({1.0, std::abs(got), std::abs(expected)});
}

QByteArray binText(const std::vector<Bin> &bins, size_t at)
{
    const Bin *b = at < bins.size() ? &bins[at] : nullptr;
    return b ? QString::asprintf("%g m/s bin: %d min, %.9g m/s, %.9g W, sd %.9g", b->centre, b->minutes, b->meanMs,
                                 b->meanWatts, b->sdWatts)
                   .toLatin1()
             : "none";
}
} // namespace

class PerformanceTest : public QObject
{
    Q_OBJECT

    QByteArray m_zone;

private slots:
    // London's clocks go forward at 01:00 on 29 March 2026 and back at 02:00 on 25 October.
    void initTestCase()
    {
        m_zone = qgetenv("TZ");
        qputenv("TZ", "Europe/London");
    }
    void cleanupTestCase() { m_zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", m_zone); }

    void daysOfRecords_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<double>("toMs");       // 0: the unit is not known
        QTest::addColumn<double>("ratedPower"); // 0: no rated curve
        QTest::addColumn<double>("seconds");    // that each record stands for
        QTest::addColumn<Records>("records");
        QTest::addColumn<QByteArray>("log");
        const auto row = [](const char *name, QDate date, double toMs, double ratedPower, double seconds,
                            const Records &records, QByteArray log = {}) {
            QTest::newRow(name) << date << toMs << ratedPower << seconds << records
                                << (log.isNull() ? logOf(records) : log);
        };
        Records mph, edges, minutely, back, forward, paused, everyTwo;
        for (int m = 0; m < 240; ++m)
            for (int i = 0; i < 6; ++i) { // a minute's records span bins its mean does not
                const double wind = 4.0 + (m * 7 % 37) * 0.5 + (i - 2.5) * 0.8;
                mph.push_back(record(m, wind, 2.0 * wind * wind + (m % 5) * 3.0 + i));
            }
        const double edge[] = {0.25, 4.75, 5.25, 4.749, 5.249, 7.75};
        for (int m = 0; m < 72; ++m)
            for (int i = 0; i < 6; ++i)
                edges.push_back(record(m, edge[m % 6] + (i % 2 ? 0.25 : -0.25), 100 + m + 10 * i));
        const auto wavy = [](Records &records, int clockMinute) {
            const double wind = std::fmod(double(records.size()) * 0.37, 16.0);
            records.push_back(record(clockMinute, wind, 40 + 3 * wind * wind + double(records.size() % 7)));
        };
        for (int m = 0; m < 1500; ++m) {
            wavy(back, m < 120 ? m : m - 60);
            if (m < 1440)
                wavy(minutely, m);
            if (m < 1440 && m % 2 == 0)
                wavy(everyTwo, m);
            if (m < 1380)
                wavy(forward, m < 60 ? m : m + 60);
            if (m < 900 && (m < 300 || m >= 600))
                wavy(paused, m);
        }
        const Records broken(minutely.begin(), minutely.begin() + 600);
        row("10 s in mph", {2026, 6, 10}, 0.44704, 1000, 10, mph);
        row("10 s, means on bin edges", {2026, 6, 10}, 1.0, 1000, 10, edges);
        row("60 s", {2026, 6, 10}, 1.0, 1000, 60, minutely);
        row("clocks back: the hour twice", {2026, 10, 25}, 1.0, 1000, 60, back);
        row("clocks forward: no 01:xx", {2026, 3, 29}, 1.0, 1000, 60, forward);
        row("torn last line, damaged lines", {2026, 6, 10}, 1.0, 1000, 60, broken,
            logOf(Records(broken.begin(), broken.begin() + 300)) + "<V>12.50</V><W>77.00</W><S>9.000</S>\r\n\x01~~\r\n"
                + logOf(Records(broken.begin() + 300, broken.end())) + "<T>10:00</T><V>12.50</V><I>1.0");
        row("unknown unit, a pause", {2026, 6, 10}, 0.0, 1000, 60, paused);
        row("no rated curve", {2026, 6, 10}, 1.0, 0, 60, paused);
        row("one record: the logging interval", {2026, 6, 10}, 1.0, 1200, 30, {record(600, 5, 360)});
        row("every 2 minutes", {2026, 6, 10}, 0.0, 1200, 120, everyTwo);
        row("no records: no year", {2026, 6, 10}, 1.0, 1000, 60, {});
    }
    void daysOfRecords()
    {
        QFETCH(QDate, date);
        QFETCH(double, toMs);
        QFETCH(double, ratedPower);
        QFETCH(double, seconds);
        QFETCH(Records, records);
        QFETCH(QByteArray, log);
        const auto report = TurbinePerformance::of(
            {readingOf(date, log)}, toMs > 0 ? std::optional(toMs) : std::nullopt,
            ratedPower > 0 ? RatedCurve::fromText(kRatedText, QString::number(ratedPower)).value() : RatedCurve(),
            30); // the logging interval, for a day that cannot tell its pace
        const auto &got = report.bins;
        const auto want = toMs > 0 ? ownBins(minuteMeans(records, toMs)) : std::vector<Bin>();
        for (size_t at = 0; at < std::max(got.size(), want.size()); ++at)
            QVERIFY2(at < got.size() && at < want.size() && got[at].centre == want[at].centre
                         && got[at].minutes == want[at].minutes && near(got[at].meanMs, want[at].meanMs)
                         && near(got[at].meanWatts, want[at].meanWatts, 1e-5)
                         && std::abs(got[at].sdWatts - want[at].sdWatts) <= 1e-4 * (1 + want[at].sdWatts),
                     "got " + binText(got, at) + ", expected " + binText(want, at));
        QCOMPARE(report.annual.empty(), toMs == 0 || records.empty());
        QCOMPARE(report.slowerThanAMinute, seconds > 60);

        double kWh = 0.0;
        for (const Record &r : records)
            kWh += r.watts * seconds / 3600 / 1000;
        const double hours = double(records.size()) * seconds / 3600;
        QVERIFY2(near(report.energyKWh, kWh) && near(report.hours, hours),
                 qPrintable(QStringLiteral("%1 kWh over %2 h").arg(report.energyKWh).arg(report.hours)));
        QCOMPARE(report.ratedPower.value_or(0), ratedPower);
        QCOMPARE(report.capacityFactor.has_value(), ratedPower > 0 && hours > 0); // no time logged, no factor
        QVERIFY(!report.capacityFactor || near(*report.capacityFactor, kWh * 1000 / (ratedPower * hours)));
    }

    void energyOverTheWind_data()
    {
        QTest::addColumn<double>("k");
        QTest::addColumn<double>("c"); // m/s
        QTest::addColumn<double>("toMs");
        QTest::addColumn<int>("days");
        QTest::newRow("k 2, c 6, m/s") << 2.0 << 6.0 << 1.0 << 1;
        QTest::newRow("k 1.6, c 8, mph, two days") << 1.6 << 8.0 << 0.44704 << 2;
        QTest::newRow("k 3, c 5, knots") << 3.0 << 5.0 << 1852.0 / 3600.0 << 1;
    }
    void energyOverTheWind()
    {
        QFETCH(double, k);
        QFETCH(double, c);
        QFETCH(double, toMs);
        QFETCH(int, days);
        // Speeds at a fine grid of the distribution's quantiles, a minute each, but for the last
        // minutes of still air the fit passes over; a few watts even in a calm, so the lowest bin's
        // step from 0 W counts.
        const int windy = 1440 * days - 10;
        Records all;
        std::vector<DayReading> readings;
        for (int day = 0; day < days; ++day) {
            Records records;
            for (int m = 0, i = day * 1440; m < 1440; ++m, ++i) {
                const double ms = i < windy ? c * std::pow(-std::log1p(-(i + 0.5) / windy), 1.0 / k) : 0.0;
                records.push_back(record(m, ms / toMs, 2 + wattsAt(ms) * (0.85 + 0.03 * (i * 37 % 11))));
            }
            readings.push_back(readingOf(QDate(2026, 6, 1).addDays(day), logOf(records)));
            all.insert(all.end(), records.begin(), records.end());
        }
        const auto report = TurbinePerformance::of(readings, toMs, RatedCurve::fromText(kRatedText, "1000").value(),
                                                   60);

        const auto bins = ownBins(minuteMeans(all, toMs));
        QCOMPARE(report.bins.size(), bins.size());
        QCOMPARE(report.annual.size(), size_t(8));
        for (const auto &annual : report.annual) {
            const double mean = 4.0 + double(&annual - report.annual.data());
            const auto rayleigh = [mean](double ms) {
                return 1 - std::exp(-std::numbers::pi / 4 * std::pow(ms / mean, 2));
            };
            QCOMPARE(annual.meanMs, mean);
            const QByteArray at = QByteArray::number(mean) + " m/s";
            QVERIFY2(near(annual.measuredKWh, ownAnnual(bins, rayleigh)), at);
            QVERIFY2(annual.ratedKWh && near(*annual.ratedKWh, ownAnnual({}, rayleigh, kRated)), at);
        }

        std::vector<double> speeds;
        for (const auto &[ms, watts] : minuteMeans(all, toMs))
            if (ms > 0)
                speeds.push_back(ms);
        const auto [ownK, ownC] = ownWeibull(speeds);
        QVERIFY(report.weibull);
        const QString fit = QString::asprintf("k %.12g, c %.12g against %.12g, %.12g", report.weibull->k,
                                              report.weibull->c, ownK, ownC);
        QVERIFY2(near(report.weibull->k, k, 0.01) && near(report.weibull->c, c, 0.01), qPrintable(fit));
        QVERIFY2(near(report.weibull->k, ownK) && near(report.weibull->c, ownC), qPrintable(fit));
        const auto site = [k = ownK, c = ownC](double ms) { return 1 - std::exp(-std::pow(ms / c, k)); };
        QVERIFY(report.siteMeasuredKWh && near(*report.siteMeasuredKWh, ownAnnual(bins, site)));
        QVERIFY(report.siteRatedKWh && near(*report.siteRatedKWh, ownAnnual({}, site, kRated)));
    }

    void ratedCurveFromText_data()
    {
        QTest::addColumn<QString>("pairs");
        QTest::addColumn<QString>("ratedPower");
        QTest::addColumn<QString>("expected"); // m/s:W pairs @ rated power, or "refused"
        const auto row = [](const char *name, const char *pairs, const char *ratedPower, const char *expected) {
            QTest::newRow(name) << QString(pairs) << QString(ratedPower) << QString(expected);
        };
        row("typed pairs", " 3 0\n4.5  55.5\n\n12 1000 ", "900", "3:0 4.5:55.5 12:1000 @900");
        row("CSV: headings, commas", "speed (m/s),power (W)\r\n3,0\r\n4,50\r\n", "", "3:0 4:50 @50");
        row("semicolons", "3;0\n4;50", "60", "3:0 4:50 @60");
        row("tabs", "3\t0\n4\t50", "", "3:0 4:50 @50");
        row("descending", "4 50\n3 0", "", "refused");
        row("a first pair mistyped, no heading", "3 zero\n4 40\n5 90", "", "refused");
        row("a speed twice", "3 0\n3 50", "", "refused");
        row("one pair", "3 50", "", "refused");
        row("negative watts", "3 -5\n4 50", "", "refused");
        row("negative speed", "-1 0\n4 50", "", "refused");
        row("not a number after the first line", "3 0\nfour 50\n5 120", "", "refused");
        row("rated power of 0", "3 0\n4 50", "0", "refused");
        row("0 W everywhere", "3 0\n4 0", "", "refused");
    }
    void ratedCurveFromText()
    {
        QFETCH(QString, pairs);
        QFETCH(QString, ratedPower);
        QFETCH(QString, expected);
        QString got;
        if (const Result<RatedCurve> curve = RatedCurve::fromText(pairs, ratedPower)) {
            for (const auto &[ms, watts] : curve->points)
                got += QStringLiteral("%1:%2 ").arg(ms).arg(watts);
            got += QStringLiteral("@%1").arg(curve->ratedPower);
        } else {
            QVERIFY(!curve.failure().description.isEmpty());
            got = "refused";
        }
        QCOMPARE(got, expected);
    }

    // Settings as saved and read back, and the unit they then answer for the logged WSUnits.
    void settingsAndUnits_data()
    {
        QTest::addColumn<QString>("pairs");
        QTest::addColumn<QString>("wsUnits");
        QTest::addColumn<QString>("unitsAsked");
        QTest::addColumn<QString>("unitsMean");
        QTest::addColumn<double>("expected"); // m/s; 0: not known
        const auto row = [](const char *name, const char *pairs, const char *units, const char *asked, const char *mean,
                            double ms) {
            QTest::newRow(name) << QString(pairs) << QString(units) << QString(asked) << QString(mean) << ms;
        };
        // A rated power below the curve's highest watts must not come back as the highest.
        const char *const curve = "3 0\n4.25 55.5\n12 1050.75";
        row("nothing set", "", "pulses", "", "", 0.0);
        row("known unit", curve, "mph", "", "", 0.44704);
        row("unknown, answered", curve, "pulses", "pulses", "knots", 1852.0 / 3600.0);
        row("answered for other units", curve, "pulses", "counts", "knots", 0.0);
    }
    void settingsAndUnits()
    {
        QFETCH(QString, pairs);
        QFETCH(QString, wsUnits);
        QFETCH(QString, unitsAsked);
        QFETCH(QString, unitsMean);
        QFETCH(double, expected);
        TurbineSettings settings;
        if (!pairs.isEmpty())
            settings.rated = RatedCurve::fromText(pairs, "1000").value();
        settings.unitsAsked = unitsAsked;
        settings.unitsMean = unitsMean;
        const TurbineSettings back = TurbineSettings::fromText(settings.toFileText()).value();
        QCOMPARE(back.rated.points, settings.rated.points);
        QCOMPARE(back.rated.ratedPower, settings.rated.ratedPower);
        QCOMPARE(back.unitsAsked, unitsAsked);
        QCOMPARE(back.unitsMean, unitsMean);
        const auto got = back.toMetresPerSecond(wsUnits);
        QCOMPARE(got.has_value(), expected > 0);
        QVERIFY(!got || near(*got, expected));
    }
};

QTEST_MAIN(PerformanceTest)
#include "tst_performance.moc"
