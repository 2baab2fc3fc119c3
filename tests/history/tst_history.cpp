// SPDX-License-Identifier: GPL-3.0-or-later
#include "alarms/alarmservice.h"
#include "app/ui/widgetprompts.h"
#include "history/dayenergy.h"
#include "history/historycsv.h"
#include "history/historyloader.h"
#include "history/powercurve.h"
#include "history/trendenvelope.h"
#include "history/ui/trendwidget.h"
#include "historyrig.h"
#include "logging/energyarchive.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QScopeGuard>
#include <QSignalSpy>

#include <cstdio>

using namespace Brolant;

namespace {
using Pairs = QList<QPair<double, double>>;

// One day's reading made from records (wind, watts) a minute apart.
std::vector<DayReading> readingOf(const Pairs &windAndWatts)
{
    QByteArray text;
    int second = 0;
    for (const auto &[wind, watts] : windAndWatts) {
        text += QStringLiteral("<T>%1</T><V>12.5</V><I>1</I><W>%2</W><R>100</R><S>%3</S><M>0</M>   1.0Wh\r\n")
                    .arg(QTime(0, 0).addSecs(second).toString("HH:mm"))
                    .arg(watts)
                    .arg(wind)
                    .toLatin1();
        second += 60;
    }
    const QDate day(2026, 12, 1);
    return {{day, std::make_shared<const DaySummary>(DaySummary::fromLog(text, day)), QString()}};
}

Pairs repeated(int count, double wind, double watts)
{
    return Pairs(count, {wind, watts});
}

QString binsText(const std::vector<PowerBin> &bins)
{
    QStringList text;
    for (const PowerBin &bin : bins)
        text << QStringLiteral("%1:%2:%3:%4 at %5%6")
                    .arg(bin.lowerEdge)
                    .arg(bin.records)
                    .arg(bin.meanWatts)
                    .arg(bin.maxWatts)
                    .arg(bin.meanWind)
                    .arg(bin.faint() ? " faint" : "");
    return text.join(' ');
}

// Minutes one after another, each a single record of the given watts.
std::shared_ptr<TrendMinutes> minutesOf(const std::vector<float> &watts)
{
    auto made = std::make_shared<TrendMinutes>();
    made->firstDay = QDate(2026, 12, 1);
    for (const float value : watts) {
        made->breaksBefore.push_back(made->seconds.empty());
        made->seconds.push_back(std::int32_t(made->size() * 60));
        const float values[] = {12.5F, 1.0F, value, 100.0F, 3.0F};
        for (int series = 0; series < TrendMinutes::kSeriesCount; ++series)
            made->extents[size_t(series)].push_back({values[series], values[series], values[series], values[series]});
    }
    return made;
}

// Logging every 5 s started and stopped again and again in the middle of minutes: 90 s of each
// three minutes from 06:00:40, at 100, 200, 300 and 400 W in turn, forty runs.
QByteArray stopStartLog()
{
    QByteArray log;
    for (int run = 0; run < 40; ++run) {
        const int start = 6 * 3600 + 40 + run * 180;
        log += logLines(start, start + 90, 5, 100.0 * (1 + run % 4));
    }
    return log;
}

std::vector<DayReading> readDays(const QString &folder, const std::vector<QDate> &days)
{
    HistorySource source(folder);
    return source.days(days, {});
}

} // namespace

class HistoryTest : public QObject
{
    Q_OBJECT

private slots:
    void dayEnergyFromArchiveOrRecords()
    {
        HistoryRig rig;
        rig.folder.write("logs/Whours.txt",
                         "2026_11_01 08:00  100.0 Wh\r\n" // two runs ended on the 1st
                         "2026_11_01 12:30  50.5 Wh\r\n"
                         "2026_11_02,00:00  200.0 Wh\r\n" // the midnight line closes the 1st
                         "2026_11_03,00:00  .4 Wh\r\n"    // and this one the 2nd
                         "\r\n"
                         "garbage\r\n"
                         "2026_13_01 08:00  5.0 Wh\r\n"
                         "2026_11_05 08:00  abc Wh\r\n"
                         "2026_11_05 08:00  -3.0 Wh\r\n");
        rig.folder.write(logName(QDate(2026, 11, 2)),
                         logLines(8 * 3600, 8 * 3600 + 600, 60, 2.0)); // closed, within a tenth
        rig.folder.write(logName(QDate(2026, 11, 3)),
                         logLines(8 * 3600, 8 * 3600 + 600, 60, 120.0)); // ten records of a minute
        const EnergyArchive archive = EnergyArchive::read(rig.folder.path());
        QCOMPARE(archive.damagedLines, 4);
        const QDate today(2026, 11, 30);
        const auto days = HistoryFiles::daysBetween(QDate(2026, 11, 1), QDate(2026, 11, 4));
        const auto table = EnergyTable::days(archive, readDays(rig.folder.path(), days), days, 60.0, today);
        using S = DayEnergy::Source;
        const std::vector<std::pair<double, S>> expected = {
            {350.5, S::Archive}, {0.4, S::Archive}, {20.0, S::Computed}, {0.0, S::None}};
        QCOMPARE(table.size(), expected.size());
        for (size_t at = 0; at < table.size(); ++at) {
            QCOMPARE(table[at].wattHours, expected[at].first);
            QCOMPARE(table[at].source, expected[at].second);
        }
        QCOMPARE(EnergyTable::total(table), 370.9);
        QCOMPARE(EnergyTable::mean(table), 370.9 / 3);
        QCOMPARE(EnergyTable::total({{QDate(2026, 11, 4), 0.0, S::None}}), std::nullopt);
        const auto months = EnergyTable::monthTotals({{QDate(2026, 1, 31), 5.0, S::Archive},
                                                      {QDate(2026, 12, 1), 2.5, S::Computed},
                                                      {QDate(2026, 12, 31), 1.0, S::Archive}});
        QCOMPARE(months[0], 5.0);
        QCOMPARE(months[11], 3.5);
        QCOMPARE(months[5], std::nullopt);
    }

    void dayEnergyWeighsEachRecordByItsStep_data()
    {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<double>("expected"); // the time each part stands for at its watts
        QTest::newRow("60 s at 100 W until noon, then 10 s at 600 W")
            << logLines(60, 43200 + 1, 60, 100.0) + logLines(43210, 86400, 10, 600.0)
            << (100.0 * (43200 - 60) + 600.0 * (86390 - 43200)) / 3600;
        QTest::newRow("10 s at 600 W until noon, then 60 s at 100 W")
            << logLines(10, 43200 + 1, 10, 600.0) + logLines(43260, 86400, 60, 100.0)
            << (600.0 * (43200 - 10) + 100.0 * (86340 - 43200)) / 3600;
        QTest::newRow("5 s, a three-hour pause, then 10 s")
            << logLines(6 * 3600, 9 * 3600, 5, 351.0) + logLines(12 * 3600, 15 * 3600, 10, 100.0)
            << (351.0 * (3 * 3600 - 5) + 100.0 * 3 * 3600) / 3600;
        QTest::newRow("ten records a minute apart: the first counts too") << logLines(3600, 4200, 60, 360.0) << 60.0;
        QTest::newRow("1 s for a minute and a half: the half minute ends the run")
            << logLines(36000, 36090, 1, 720.0) << 720.0 * 90 / 3600;
        QTest::newRow("5 s, a minute and a half logged of every three, the power changing")
            << stopStartLog() << 90.0 * (100 + 200 + 300 + 400) * 10 / 3600;
        QTest::newRow("5 s, the PC stalled 20 s: its records took the time")
            << logLines(6 * 3600, 6 * 3600 + 300, 5, 360.0) + logLines(6 * 3600 + 320, 6 * 3600 + 600, 5, 360.0)
            << 360.0 * 600 / 3600;
        QTest::newRow("5 s, a whole minute without a record")
            << logLines(6 * 3600, 6 * 3600 + 600, 5, 360.0) + logLines(6 * 3600 + 660, 6 * 3600 + 1200, 5, 360.0)
            << 360.0 * 1140 / 3600;
    }
    void dayEnergyWeighsEachRecordByItsStep()
    {
        QFETCH(QByteArray, log);
        QFETCH(double, expected);
        const QDate day(2026, 3, 7);
        const auto summary = std::make_shared<const DaySummary>(DaySummary::fromLog(log, day));
        const auto table = EnergyTable::days(EnergyArchive{}, {{day, summary, QString()}}, {day}, 60.0, day);
        QVERIFY2(std::abs(table[0].wattHours - expected) < expected * 0.002,
                 qPrintable(QStringLiteral("%1 Wh, true %2 Wh").arg(table[0].wattHours).arg(expected)));
    }

    void dayNeverBelowItsRecords_data()
    {
        QTest::addColumn<QByteArray>("archive");
        QTest::addColumn<double>("wattHours");
        QTest::addColumn<DayEnergy::Source>("source");
        // The day's log: 1,090 records a minute apart from 05:00, 100 W.
        QTest::newRow("a start and exit without readings")
            << QByteArray("2026_03_07 04:10  .0 Wh\r\n") << 1090 * 100.0 / 60 << DayEnergy::Source::PartlyComputed;
        QTest::newRow("a restart at noon, the line of the run before kept")
            << QByteArray("2026_03_07 12:00  700.0 Wh\r\n") << 700.0 + (1090 - 7 * 60 - 1) * 100.0 / 60
            << DayEnergy::Source::PartlyComputed;
        // The run from 05:00 ended without a line; a short run after it wrote 50 Wh at noon.
        QTest::newRow("a run, a power cut and a restart")
            << QByteArray("2026_03_07 12:00  50.0 Wh\r\n") << 1090 * 100.0 / 60 << DayEnergy::Source::Computed;
        QTest::newRow("a day closed without a midnight line, its records a little above its line")
            << QByteArray("2026_03_07 23:30  1800.0 Wh\r\n") << 1800.0 << DayEnergy::Source::Archive;
        QTest::newRow("a day closed at midnight, its records within a tenth of its line")
            << QByteArray("2026_03_08,00:00  1750.0 Wh\r\n") << 1750.0 << DayEnergy::Source::Archive;
        // The run from 05:00 ended without a line; the run after the restart closed the day.
        QTest::newRow("a day closed at midnight after a power cut")
            << QByteArray("2026_03_08,00:00  50.0 Wh\r\n") << 1090 * 100.0 / 60 << DayEnergy::Source::Computed;
    }
    void dayNeverBelowItsRecords()
    {
        QFETCH(QByteArray, archive);
        HistoryRig rig;
        const QDate today(2026, 3, 8);
        const QDate day(2026, 3, 7);
        rig.folder.write("logs/Whours.txt", archive);
        rig.folder.write(logName(day), logLines(5 * 3600, 5 * 3600 + 1090 * 60, 60, 100.0));
        HistorySource source(rig.folder.path());
        const auto known = source.archive();
        const auto table = EnergyTable::days(*known, source.days({day}, {}), {day}, 60.0, today);
        QTEST(table[0].wattHours, "wattHours");
        QTEST(table[0].source, "source");
    }

    void linesDatedAfterTodayLeftOut_data()
    {
        QTest::addColumn<QByteArray>("archive"); // today is 2026_03_11, with an exit line of 10 Wh
        QTest::addColumn<double>("today");
        QTest::addColumn<int>("linesAfter");
        QTest::newRow("a midnight line dated tomorrow") << QByteArray("2026_03_12,00:00  20.0 Wh\r\n") << 10.0 << 1;
        QTest::newRow("the days after today")
            << QByteArray("2026_03_12,00:00  20.0 Wh\r\n2026_03_12 08:00  3.0 Wh\r\n2026_03_13,00:00  4.0 Wh\r\n")
            << 10.0 << 3;
    }
    void linesDatedAfterTodayLeftOut()
    {
        QFETCH(QByteArray, archive);
        const QDate today(2026, 3, 11);
        const EnergyArchive known = EnergyArchive::parse("2026_03_11 07:00  10.0 Wh\r\n" + archive);
        QTEST(EnergyTable::days(known, {}, {today}, 60.0, today)[0].wattHours, "today");
        QTEST(EnergyTable::linesAfter(known, today), "linesAfter");
    }

    void bins_data()
    {
        QTest::addColumn<Pairs>("windAndWatts");
        QTest::addColumn<QString>("expected");
        QTest::newRow("lower edge included, upper left out")
            << Pairs{{2.0, 10}, {2.9, 20}, {3.0, 30}} << "2:2:15:20 at 2.45 faint 3:1:30:30 at 3 faint";
        QTest::newRow("empty bins left out")
            << Pairs{{0.5, 0}, {5.5, 50}} << "0:1:0:0 at 0.5 faint 5:1:50:50 at 5.5 faint";
        QTest::newRow("nine records faint, ten firm, each at its mean wind")
            << repeated(9, 4.2, 40) + repeated(10, 6.0, 60) << "4:9:40:40 at 4.2 faint 6:10:60:60 at 6";
        QTest::newRow("mean and max of negative watts") << Pairs{{1.5, -4}, {1.5, -2}} << "1:2:-3:-2 at 1.5 faint";
        QTest::newRow("no records") << Pairs{} << "";
    }
    void bins()
    {
        QFETCH(Pairs, windAndWatts);
        QFETCH(QString, expected);
        QCOMPARE(binsText(PowerCurve::bins(readingOf(windAndWatts))), expected);
    }

    void ticks_data()
    {
        QTest::addColumn<double>("low");
        QTest::addColumn<double>("high");
        QTest::addColumn<QString>("expected");
        QTest::newRow("volts") << 12.13 << 14.27 << "12 13 14 15";
        QTest::newRow("watts") << -37.0 << 1460.0 << "-500 0 500 1000 1500";
        QTest::newRow("a flat series") << 5.0 << 5.0 << "4 4.5 5 5.5 6";
    }
    void ticks()
    {
        QFETCH(double, low);
        QFETCH(double, high);
        QStringList values;
        for (const double value : TrendPainter::ticks(low, high, 4))
            values << QString::number(value);
        QTEST(values.join(' '), "expected");
    }

    void csvFilesByteForByte()
    {
        ProgramFolder folder;
        const std::vector<DayEnergy> days = {{QDate(2026, 12, 1), 1234.56, DayEnergy::Source::Archive},
                                             {QDate(2026, 12, 2), 0.0, DayEnergy::Source::None},
                                             {QDate(2026, 12, 3), 0.04, DayEnergy::Source::Computed}};
        const QString energy = HistoryCsv::write(folder.path(), HistoryCsv::energyFileName(QDate(2026, 12, 7)),
                                                 HistoryCsv::energyText(days))
                                   .value();
        QCOMPARE(energy, folder.file("excel/energy_2026_12.csv"));
        QCOMPARE(folder.read("excel/energy_2026_12.csv"),
                 QByteArray("Date,Wh\r\n2026_12_01,1234.6\r\n2026_12_03,0.0\r\n"));

        const std::vector<PowerBin> bins = {{3, 120, 45.24, 80.0, 3.0}, {4, 2, 60.05, 61.96, 4.0}};
        QVERIFY(HistoryCsv::write(folder.path(), HistoryCsv::powerCurveFileName(QDate(2026, 11, 8), QDate(2026, 12, 7)),
                                  HistoryCsv::powerCurveText(bins)));
        QCOMPARE(folder.read("excel/powercurve_2026_11_08_2026_12_07.csv"),
                 QByteArray("Wind,Records,MeanWatts,MaxWatts\r\n3,120,45.2,80.0\r\n4,2,60.0,62.0\r\n"));
    }

    void summaryFollowsItsLog_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("records");
        QTest::newRow("unchanged: the summary") << "none" << 10;
        QTest::newRow("grown: read again") << "append" << 11;
        QTest::newRow("a record damaged in place, its time set back") << "edit" << 9;
        QTest::newRow("replaced by a log of the same size and time") << "replace" << 9;
    }
    void summaryFollowsItsLog()
    {
        QFETCH(QString, change);
        HistoryRig rig;
        const QDate day(2026, 3, 7);
        // Large enough to be summarised: ten records, and a long line that is none.
        const QByteArray log = logLines(8 * 3600, 8 * 3600 + 600, 60, 100.0) + QByteArray(1024 * 1024, 'x');
        const QString path = rig.folder.file(logName(day));
        rig.folder.write(logName(day), log);
        QCOMPARE(readDays(rig.folder.path(), {day})[0].summary->records, 10);
        QVERIFY(QFile::exists(rig.folder.file("summaries/P_2026_03_07.sum")));
        const QDateTime written = QFileInfo(path).lastModified();
        // A change a moment later, as a user's would be: the file system's clock moves in ticks.
        QTRY_VERIFY(QDateTime::currentDateTime() > QFileInfo(path).metadataChangeTime().addMSecs(20));
        QByteArray damaged = log;
        damaged[1] = 'X'; // "<X>": the first record is no longer one
        if (change == "append") {
            rig.folder.write(logName(day), log + "\r\n" + logLine(9 * 3600, 100.0));
        } else if (change == "edit") {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadWrite) && file.write(damaged.left(3)) == 3 && file.flush());
            QVERIFY(file.setFileTime(written, QFileDevice::FileModificationTime));
        } else if (change == "replace") {
            rig.folder.write(logName(day) + ".new", damaged);
            QFile file(path + ".new");
            QVERIFY(file.open(QIODevice::ReadWrite) && file.setFileTime(written, QFileDevice::FileModificationTime));
            file.close();
            QCOMPARE(std::rename(QFile::encodeName(path + ".new").constData(), QFile::encodeName(path).constData()), 0);
        }
        QTEST(readDays(rig.folder.path(), {day})[0].summary->records, "records");
    }

    void damagedSummaryIsMadeAgain()
    {
        HistoryRig rig;
        const QDate day(2026, 3, 7);
        rig.folder.write(logName(day), logLines(8 * 3600, 8 * 3600 + 600, 60, 100.0) + QByteArray(1024 * 1024, 'x'));
        const double wattHours = readDays(rig.folder.path(), {day})[0].summary->wattHours;
        // The day's total inside the summary changed.
        QByteArray summary = rig.folder.read("summaries/P_2026_03_07.sum");
        const QByteArray total(reinterpret_cast<const char *>(&wattHours), sizeof wattHours);
        const double changed = wattHours * 2;
        QCOMPARE(summary.count(total), 1);
        summary.replace(total, QByteArray(reinterpret_cast<const char *>(&changed), sizeof changed));
        rig.folder.write("summaries/P_2026_03_07.sum", summary);
        QCOMPARE(readDays(rig.folder.path(), {day})[0].summary->wattHours, wattHours);

        // A summary that cannot be replaced is left as it was, with nothing beside it.
        QVERIFY(QFile::remove(rig.folder.file("summaries/P_2026_03_07.sum")));
        QVERIFY(QDir(rig.folder.path()).mkpath("summaries/P_2026_03_07.sum"));
        QCOMPARE(readDays(rig.folder.path(), {day})[0].summary->wattHours, wattHours);
        QCOMPARE(QDir(rig.folder.file("summaries")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{"P_2026_03_07.sum"});
    }

    void trendKeepsEverySpike()
    {
        // A month of minutes' shape at a tenth of the size: flat watts with narrow spikes.
        std::vector<float> flat(259200, 100.0F);
        QList<int> spikes;
        for (int spike = 1; spike <= 150; ++spike)
            spikes << spike * 1700 + spike % 7;
        for (const int at : spikes)
            flat[size_t(at)] = 5000.0F;
        const TrendEnvelope envelope(minutesOf(flat));
        const QSize size(900, 400);
        const TrendPainter::Shown wattsOnly{false, false, true, false, false};
        const QRect area = TrendPainter::plotArea(size);
        const TrendPicture picture = envelope.picture(envelope.start(), envelope.finish(), area.width());
        QImage image(size, QImage::Format_RGB32);
        QPainter painter(&image);
        TrendPainter::paint(painter, size, envelope.minutes(), picture, {"V", "A", "W", "R", "S"}, wattsOnly);
        const QRect lane = TrendPainter::lanes(size, wattsOnly, painter.fontMetrics().height()).front().second;
        painter.end();

        const QRgb watts = TrendPainter::colour(DaySummary::Watts).rgb();
        const auto peakDrawn = [&](int column) {
            for (int y = lane.top(); y < lane.top() + lane.height() / 5; ++y)
                if (image.pixel(lane.left() + column, y) == watts)
                    return true;
            return false;
        };
        QSet<int> spikeColumns;
        for (const int at : spikes)
            spikeColumns << int(double(at) * 60 / (envelope.finish() - envelope.start()) * area.width());
        for (int column = 0; column < area.width(); ++column)
            QVERIFY2(peakDrawn(column) == spikeColumns.contains(column), qPrintable(QString::number(column)));
    }

    void zoomedTrendJoinsItsRecords_data()
    {
        QTest::addColumn<QByteArray>("log");
        QTest::addColumn<QList<int>>("drawn"); // seconds of the day, zoomed to 10:00 to 12:00
        QTest::addColumn<QList<int>>("blank");
        QTest::newRow("every minute") << logLines(0, 86400, 60, 100.0) << QList<int>{36030, 39630, 43110}
                                      << QList<int>{};
        QTest::newRow("every five minutes")
            << logLines(0, 86400, 300, 100.0) << QList<int>{36150, 39750, 42900} << QList<int>{};
        QTest::newRow("a pause of half an hour") << logLines(0, 39600, 60, 100.0) + logLines(41400, 86400, 60, 100.0)
                                                 << QList<int>{39000, 42000} << QList<int>{40500};
        QTest::newRow("a lone record") << logLines(0, 3600, 60, 100.0) + logLine(39600, 100.0) << QList<int>{39600}
                                       << QList<int>{38000, 41000};
    }
    void zoomedTrendJoinsItsRecords()
    {
        QFETCH(QByteArray, log);
        const QDate day(2026, 12, 1);
        const TrendEnvelope envelope(std::make_shared<const TrendMinutes>(
            TrendMinutes::of({{day, std::make_shared<const DaySummary>(DaySummary::fromLog(log, day)), QString()}})));
        const QSize size(900, 300);
        const TrendPainter::Shown wattsOnly{false, false, true, false, false};
        const std::int64_t from = 10 * 3600;
        const std::int64_t to = 12 * 3600;
        QImage image(size, QImage::Format_RGB32);
        QPainter painter(&image);
        const QRect lane = TrendPainter::lanes(size, wattsOnly, painter.fontMetrics().height()).front().second;
        TrendPainter::paint(painter, size, envelope.minutes(), envelope.picture(from, to, lane.width()),
                            {"V", "A", "W", "R", "S"}, wattsOnly);
        painter.end();
        const auto drawnAt = [&](int second) {
            const int x = lane.left() + int(double(second - from) / double(to - from) * lane.width());
            for (int y = lane.top() + 1; y < lane.bottom(); ++y)
                if (image.pixel(x, y) == TrendPainter::colour(DaySummary::Watts).rgb())
                    return true;
            return false;
        };
        QFETCH(QList<int>, drawn);
        QFETCH(QList<int>, blank);
        for (const int second : drawn)
            QVERIFY2(drawnAt(second), qPrintable(QString::number(second)));
        for (const int second : blank)
            QVERIFY2(!drawnAt(second), qPrintable(QString::number(second)));
    }

    void pointerReadsTheNearestRecord()
    {
        auto made = minutesOf({10, 20, 30});
        made->seconds = {8 * 3600, 8 * 3600 + 60, 86400 + 9 * 3600}; // the third on the next day
        made->extents[DaySummary::Watts][1] = {20, 25, 19, 26};      // a minute of several records
        const TrendEnvelope envelope(made);
        const std::array<QString, 5> units = {" V", " A", " W", " RPM", " mph"};
        const QList<QPair<double, QString>> cases = {
            {0.0, "2026_12_01 08:00  12.5 V  1 A  10 W  100 RPM  3 mph"},
            {8 * 3600 + 31, "2026_12_01 08:01  12.5 V  1 A  20 W  100 RPM  3 mph"},  // its first record
            {8 * 3600 + 600, "2026_12_01 08:01  12.5 V  1 A  25 W  100 RPM  3 mph"}, // its last
            {1e9, "2026_12_02 09:00  12.5 V  1 A  30 W  100 RPM  3 mph"}};
        for (const auto &[second, expected] : cases)
            QCOMPARE(envelope.readout(*envelope.nearest(second), units), expected);
    }

    void trendAcrossAClockChange_data()
    {
        QTest::addColumn<QDate>("day");
        QTest::addColumn<QByteArray>("log"); // a record every minute, as the clock showed it
        // In London the clocks go forward from 01:00 to 02:00 on 29 March 2026, and back from
        // 02:00 to 01:00 on 25 October.
        QTest::newRow("clocks forward: 23 hours")
            << QDate(2026, 3, 29) << logLines(0, 3600, 60, 10.0) + logLines(7200, 86400, 60, 10.0);
        QTest::newRow("clocks back: the hour twice")
            << QDate(2026, 10, 25) << logLines(0, 7200, 60, 10.0) + logLines(3600, 86400, 60, 10.0);
    }
    void trendAcrossAClockChange()
    {
        QFETCH(QDate, day);
        QFETCH(QByteArray, log);
        const QByteArray zone = qgetenv("TZ");
        qputenv("TZ", "Europe/London");
        const auto restore = qScopeGuard([&] { zone.isNull() ? qunsetenv("TZ") : qputenv("TZ", zone); });
        QStringList logged; // each minute's time as the clock showed it
        for (const QByteArray &line : log.split('\n'))
            if (line.startsWith("<T>"))
                logged << line.mid(3, 5);
        const auto minutes = std::make_shared<const TrendMinutes>(
            TrendMinutes::of({{day, std::make_shared<const DaySummary>(DaySummary::fromLog(log, day)), QString()}}));
        // One minute after another, as time passed: no gap, nothing folded.
        QCOMPARE(minutes->size(), size_t(logged.size()));
        for (size_t at = 1; at < minutes->size(); ++at)
            QCOMPARE(minutes->seconds[at] - minutes->seconds[at - 1], 60);
        // Each time label at a round time, over the records logged at that time.
        const TrendEnvelope envelope(minutes);
        const auto labels = TrendPainter::timeLabels(QFontMetrics(QFont()), *minutes, envelope.start(),
                                                     envelope.finish(), 800);
        QVERIFY(labels.size() >= 4);
        for (const auto &[second, text] : labels) {
            const auto at = std::find(minutes->seconds.begin(), minutes->seconds.end(), second);
            QVERIFY(at != minutes->seconds.end());
            QCOMPARE(text, day.toString("MM-dd ") + logged[at - minutes->seconds.begin()]);
            QVERIFY(text.endsWith(":00"));
        }
    }

    void cancelledLoadReportsNothing()
    {
        ProgramFolder folder;
        QDir(folder.path()).mkpath("logs");
        const QDate first(2026, 1, 1);
        for (int at = 0; at < 40; ++at)
            folder.write(logName(first.addDays(at)), logLines(0, 86400, 60, 50.0));
        const auto source = std::make_shared<HistorySource>(folder.path());
        HistoryLoadOf<size_t> load(source);
        QSignalSpy loaded(&load, &HistoryLoad::loaded);
        const auto count = [](const std::vector<QDate> &days) {
            return HistoryLoadOf<size_t>::Work([days](HistoryReader &reader) { return reader.days(days).size(); });
        };
        load.request(40, count(HistoryFiles::daysBetween(first, first.addDays(39))));
        load.cancel();
        load.request(1, count({first}));
        QVERIFY(loaded.wait());
        // Both requests have ended and all they posted has been delivered: no more can come.
        source->threadPool().waitForDone();
        QCoreApplication::sendPostedEvents();
        QCOMPARE(loaded.size(), 1); // the second request only
        QCOMPARE(load.result(), size_t(1));
    }
};

QTEST_MAIN(HistoryTest)
#include "tst_history.moc"
