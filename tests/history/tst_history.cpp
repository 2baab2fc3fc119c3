#include "app/ui/widgetprompts.h"
#include "history/dayenergy.h"
#include "history/historycsv.h"
#include "history/historyloader.h"
#include "history/powercurve.h"
#include "history/trendenvelope.h"
#include "history/ui/energytab.h"
#include "history/ui/historywidgets.h"
#include "history/ui/powercurvetab.h"
#include "history/ui/trendtab.h"
#include "history/ui/trendwidget.h"
#include "historyrig.h"
#include "logging/energyarchive.h"
#include "screenreader.h"
#include "viewer/ui/graph.h"

#include <QAccessibleTableInterface>
#include <QApplication>
#include <QChartView>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineSeries>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>

#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Brolant;

Q_DECLARE_METATYPE(std::vector<QDate>)

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
                    .arg(bin.lowerEdge).arg(bin.records).arg(bin.meanWatts).arg(bin.maxWatts).arg(bin.meanWind)
                    .arg(bin.faint() ? " faint" : "");
    return text.join(' ');
}

// Minutes one after another, each a single record of the given watts.
std::shared_ptr<TrendMinutes> minutesOf(const std::vector<float> &watts)
{
    auto made = std::make_shared<TrendMinutes>();
    made->firstDay = QDate(2026, 12, 1);
    for (const float value : watts) {
        made->seconds.push_back(std::int32_t(made->size() * 60));
        const float values[] = {12.5F, 1.0F, value, 100.0F, 3.0F};
        for (int series = 0; series < TrendMinutes::kSeriesCount; ++series)
            made->extents[size_t(series)].push_back({values[series], values[series], values[series], values[series]});
    }
    return made;
}

std::vector<DayReading> readDays(const QString &folder, const std::vector<QDate> &days)
{
    HistorySource source(folder);
    return source.days(days, {});
}

// Columns of `image` in `rows` that hold a dark (text) pixel, as runs [first, last].
QList<QPair<int, int>> textRuns(const QImage &image, int top, int bottom, int left = 0)
{
    QList<QPair<int, int>> runs;
    for (int x = left; x < image.width(); ++x) {
        bool dark = false;
        for (int y = top; y < bottom && !dark; ++y)
            dark = qGray(image.pixel(x, y)) < 160;
        if (!dark)
            continue;
        if (!runs.isEmpty() && runs.last().second >= x - 5) // letters of one word
            runs.last().second = x;
        else
            runs.append({x, x});
    }
    return runs;
}

int pixelsOf(const QImage &image, const QColor &colour, const QRect &within)
{
    int count = 0;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            count += image.pixel(x, y) == colour.rgb();
    return count;
}

// A named pipe standing for a file: whoever reads it waits until a writer comes. The writer
// comes when asked, after `patience` if given (to free a reader that should never have been
// waiting), and at the latest when this ends, so a failing test never hangs.
class Pipe
{
public:
    explicit Pipe(const QString &path, std::chrono::milliseconds patience = {}) : m_path(QFile::encodeName(path))
    {
        QVERIFY(mkfifo(m_path.constData(), 0600) == 0);
        if (patience.count() > 0)
            m_watchdog = std::thread([this, patience] {
                std::this_thread::sleep_for(patience);
                m_waitedOut = release();
            });
    }
    ~Pipe()
    {
        if (m_watchdog.joinable())
            m_watchdog.join();
        release();
    }
    // Writes `text` for a reader waiting in open(); false when none was.
    bool release(const QByteArray &text = {})
    {
        const int pipe = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK);
        if (pipe < 0)
            return false;
        const bool written = ::write(pipe, text.constData(), size_t(text.size())) == text.size();
        ::close(pipe);
        return written;
    }
    bool waitedOut() const { return m_waitedOut; }

private:
    QByteArray m_path;
    std::atomic<bool> m_waitedOut = false;
    std::thread m_watchdog;
};

QAbstractButton *button(QWidget *tab, const QString &text)
{
    for (auto *found : tab->findChildren<QAbstractButton *>())
        if (found->text() == text)
            return found;
    qFatal("no button %s", qPrintable(text));
}
} // namespace

class HistoryTest : public QObject
{
    Q_OBJECT

private:
    // A year logged every ten minutes and a month before it, for the pictures: made once.
    ProgramFolder m_year;
    const QDate m_yearEnd{2026, 12, 31};

    // The Energy History over the year, at `size`, once every tab shows what it read.
    std::unique_ptr<HistoryWindow> yearWindow(const QSize &size)
    {
        static RecordedMessages messages;
        auto window = std::make_unique<HistoryWindow>(m_year.path(), m_yearEnd, messages);
        window->resize(size);
        window->show();
        window->powerCurve()->range()->setDates(QDate(2026, 1, 1), m_yearEnd);
        window->powerCurve()->showClicked();
        window->trend()->range()->setDates(QDate(2026, 1, 1), m_yearEnd);
        window->trend()->showClicked();
        const auto idle = [&] {
            const auto statuses = window->findChildren<LoadStatus *>();
            return std::all_of(statuses.begin(), statuses.end(), [](LoadStatus *status) { return status->isHidden(); });
        };
        return QTest::qWaitFor(idle, 20000) ? std::move(window) : nullptr;
    }

private slots:
    void initTestCase()
    {
        QDir(m_year.path()).mkpath("logs");
        for (QDate day(2025, 12, 1); day <= m_yearEnd; day = day.addDays(1)) {
            QByteArray text;
            for (int second = 0; second < 86400; second += 600) {
                const double wind = 6 + 4 * std::sin((day.dayOfYear() * 86400 + second) / 400000.0);
                text += logLine(second, wind * wind * 3, wind);
            }
            m_year.write(logName(day), text);
        }
    }

    void dayEnergyFromArchiveOrRecords()
    {
        HistoryRig rig;
        rig.folder.write("logs/Whours.txt",
                         "2026_11_01 08:00  100.0 Wh\r\n"    // two runs ended on the 1st
                         "2026_11_01 12:30  50.5 Wh\r\n"
                         "2026_11_02,00:00  200.0 Wh\r\n"    // the midnight line closes the 1st
                         "2026_11_03,00:00  .4 Wh\r\n"       // and this one the 2nd
                         "\r\n"
                         "garbage\r\n"
                         "2026_13_01 08:00  5.0 Wh\r\n"
                         "2026_11_05 08:00  abc Wh\r\n"
                         "2026_11_05 08:00  -3.0 Wh\r\n");
        rig.folder.write(logName(QDate(2026, 11, 2)), logLines(8 * 3600, 8 * 3600 + 660, 60, 999.0)); // closed: the archive wins
        rig.folder.write(logName(QDate(2026, 11, 3)), logLines(8 * 3600, 8 * 3600 + 660, 60, 120.0)); // 10 intervals of a minute
        const EnergyArchive archive = EnergyArchive::read(rig.folder.path());
        QCOMPARE(archive.damagedLines, 4);
        const QDate today(2026, 11, 30);
        const auto days = HistoryFiles::daysBetween(QDate(2026, 11, 1), QDate(2026, 11, 4));
        const auto missing = EnergyTable::daysToRead(archive, days, today);
        QCOMPARE(missing, (std::vector<QDate>{QDate(2026, 11, 3), QDate(2026, 11, 4)}));
        const auto table = EnergyTable::days(archive, readDays(rig.folder.path(), missing), days, 60.0, today);
        using S = DayEnergy::Source;
        const std::vector<std::pair<double, S>> expected = {{350.5, S::Archive}, {0.4, S::Archive},
                                                            {20.0, S::Computed}, {0.0, S::None}};
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
        QTest::newRow("a run, a power cut and a restart")
            << QByteArray("2026_03_07 12:00  50.0 Wh\r\n") << 50.0 + (1090 - 7 * 60 - 1) * 100.0 / 60
            << DayEnergy::Source::PartlyComputed;
        QTest::newRow("a day closed at midnight keeps its line")
            << QByteArray("2026_03_08,00:00  1234.5 Wh\r\n") << 1234.5 << DayEnergy::Source::Archive;
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
        const auto table = EnergyTable::days(*known, source.days(EnergyTable::daysToRead(*known, {day}, today), {}),
                                             {day}, 60.0, today);
        QTEST(table[0].wattHours, "wattHours");
        QTEST(table[0].source, "source");
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
        QTest::newRow("mean and max of negative watts")
            << Pairs{{1.5, -4}, {1.5, -2}} << "1:2:-3:-2 at 1.5 faint";
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
                                                 HistoryCsv::energyText(days));
        QCOMPARE(energy, folder.file("excel/energy_2026_12.csv"));
        QCOMPARE(folder.read("excel/energy_2026_12.csv"), QByteArray("Date,Wh\r\n2026_12_01,1234.6\r\n2026_12_03,0.0\r\n"));

        const std::vector<PowerBin> bins = {{3, 120, 45.24, 80.0, 3.0}, {4, 2, 60.05, 61.96, 4.0}};
        HistoryCsv::write(folder.path(), HistoryCsv::powerCurveFileName(QDate(2026, 11, 8), QDate(2026, 12, 7)),
                          HistoryCsv::powerCurveText(bins));
        QCOMPARE(folder.read("excel/powercurve_2026_11_08_2026_12_07.csv"),
                 QByteArray("Wind,Records,MeanWatts,MaxWatts\r\n3,120,45.2,80.0\r\n4,2,60.0,62.0\r\n"));
    }

    void summaryFollowsItsLog_data()
    {
        QTest::addColumn<QByteArray>("change");  // appended to the log after the first reading
        QTest::addColumn<bool>("sameTime");      // its time set back to what it was
        QTest::addColumn<int>("records");
        QTest::newRow("unchanged: the summary") << QByteArray() << true << 10;
        QTest::newRow("grown: read again") << "\r\n" + logLine(9 * 3600, 100.0) << false << 11;
        QTest::newRow("same size, new time: read again") << QByteArray() << false << 10;
    }
    void summaryFollowsItsLog()
    {
        QFETCH(QByteArray, change);
        QFETCH(bool, sameTime);
        HistoryRig rig;
        const QDate day(2026, 3, 7);
        // Large enough to be summarised: ten records, and a long line that is none.
        rig.folder.write(logName(day), logLines(8 * 3600, 8 * 3600 + 600, 60, 100.0) + QByteArray(1024 * 1024, 'x'));
        QCOMPARE(readDays(rig.folder.path(), {day})[0].summary->records, 10);
        QVERIFY(QFile::exists(rig.folder.file("summaries/P_2026_03_07.sum")));
        QFile log(rig.folder.file(logName(day)));
        const QDateTime written = QFileInfo(log).lastModified();
        QVERIFY(log.open(QIODevice::Append));
        log.write(change);
        log.setFileTime(sameTime ? written : written.addSecs(5), QFileDevice::FileModificationTime);
        log.close();
        QTEST(readDays(rig.folder.path(), {day})[0].summary->records, "records");
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

        const QRgb watts = TrendPainter::colour(DayRecords::Watts).rgb();
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

    void pointerReadsTheNearestRecord()
    {
        auto made = minutesOf({10, 20, 30});
        made->seconds = {8 * 3600, 8 * 3600 + 60, 86400 + 9 * 3600}; // the third on the next day
        made->extents[DaySummary::Watts][1] = {20, 25, 19, 26};     // a minute of several records
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

    void cancelledLoadReportsNothing()
    {
        ProgramFolder folder;
        QDir(folder.path()).mkpath("logs");
        const QDate first(2026, 1, 1);
        for (int at = 0; at < 40; ++at)
            folder.write(logName(first.addDays(at)), logLines(0, 86400, 60, 50.0));
        HistorySource source(folder.path());
        HistoryLoad load(source);
        QSignalSpy loaded(&load, &HistoryLoad::loaded);
        const auto count = [](const std::vector<QDate> &days) {
            return HistoryLoad::Work([days](HistoryReader &reader) -> std::any { return reader.days(days).size(); });
        };
        load.request(40, count(HistoryFiles::daysBetween(first, first.addDays(39))));
        load.cancel();
        load.request(1, count({first}));
        QVERIFY(loaded.wait());
        QTest::qWait(50);
        QCOMPARE(loaded.size(), 1); // the second request only
        QCOMPARE(load.result<size_t>(), size_t(1));
        source.requests().waitForDone();
    }

    void loadsLeaveTheSharedPoolFree()
    {
        // Today's log is a pipe: reading it waits for a writer, so the load stays busy.
        HistoryRig rig;
        const QDate today(2026, 3, 7);
        Pipe log(rig.folder.file(logName(today)));
        rig.open(today);
        QTest::qWait(300);
        QVERIFY(!rig.idle());
        QCOMPARE(QThreadPool::globalInstance()->activeThreadCount(), 0);
        QVERIFY(log.release());
        QTRY_VERIFY(rig.idle());
    }

    void archiveReadOffTheGuiThreadOnce()
    {
        HistoryRig rig;
        const QDate today(2026, 3, 7);
        const QString archivePath = rig.folder.file("logs/Whours.txt");
        {
            // Were the window to read the pipe itself, it would wait here until the watchdog writes.
            Pipe archive(archivePath, std::chrono::seconds(10));
            rig.open(today);
            QVERIFY(!archive.waitedOut());
            bool written = false; // written once, however often the condition is asked
            QTRY_VERIFY(written || (written = archive.release("2026_03_07 07:00  42.0 Wh\r\n")));
            QTRY_VERIFY(rig.idle());
            QVERIFY(!archive.waitedOut());
        }
        QCOMPARE(rig.window->energy()->days()[6].wattHours, 42.0);

        QFile::remove(archivePath);
        rig.folder.write("logs/Whours.txt", "2026_03_07 07:00  12.0 Wh\r\n");
        HistorySource source(rig.folder.path());
        const auto first = source.archive();
        QCOMPARE(source.archive(), first); // unchanged: not read again
        rig.folder.write("logs/Whours.txt", "2026_03_07 07:00  12.0 Wh\r\n2026_03_07 08:00  1.0 Wh\r\n");
        QVERIFY(source.archive() != first);
        QCOMPARE(source.archive()->days.at(today).wattHours, 13.0);
    }

    void unreadableFilesAreSaidOncePerEpisode()
    {
        HistoryRig rig;
        const QDate today(2026, 3, 7);
        QDir(rig.folder.path()).mkpath("logs/Whours.txt"); // a folder: it cannot be read as a file
        QDir(rig.folder.path()).mkpath(logName(today.addDays(-2)));
        QFile huge(rig.folder.file(logName(today.addDays(-1))));
        QVERIFY(huge.open(QIODevice::WriteOnly) && huge.resize(600LL * 1024 * 1024));
        huge.close();
        rig.folder.write(logName(today), logLines(8 * 3600, 9 * 3600, 60, 100.0));
        rig.open(today);
        QSignalSpy problems(rig.window.get(), &HistoryWindow::problemFound);
        QTRY_VERIFY(rig.idle());
        const auto said = [&] {
            QStringList lines;
            for (const auto &problem : problems)
                lines << problem.at(0).toString() + ": " + problem.at(1).toString();
            problems.clear();
            lines.sort();
            return lines;
        };
        // Three tabs read the same days: each file is said once.
        QCOMPARE(said(), (QStringList{"Energy History: P_2026_03_05.txt could not be read: file to open is a directory",
                                      "Energy History: P_2026_03_06.txt could not be read: larger than 512 MB, too large to be a day's log",
                                      "Energy History: Whours.txt could not be read: file to open is a directory"}));
        const QString note = rig.window->energy()->findChild<QLabel *>("Note")->text();
        QVERIFY2(note.contains("Whours.txt could not be read (file to open is a directory): every day is computed"), qPrintable(note));
        QCOMPARE(rig.window->energy()->days()[4].source, DayEnergy::Source::Unreadable);

        // Still unreadable: not said again. Read, then unreadable again: a new episode.
        button(rig.window->powerCurve(), "Show")->click();
        QTRY_VERIFY(rig.idle());
        QCOMPARE(said(), QStringList());
        QDir(rig.folder.file(logName(today.addDays(-2)))).removeRecursively();
        rig.folder.write(logName(today.addDays(-2)), logLine(3600, 10.0));
        button(rig.window->powerCurve(), "Show")->click();
        QTRY_VERIFY(rig.idle());
        QFile::remove(rig.folder.file(logName(today.addDays(-2))));
        QDir(rig.folder.path()).mkpath(logName(today.addDays(-2)));
        button(rig.window->trend(), "Show")->click();
        QTRY_VERIFY(rig.idle());
        QCOMPARE(said(), QStringList{"Energy History: P_2026_03_05.txt could not be read: file to open is a directory"});
    }

    void trendOfAYearInLanes_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("large") << QSize(1280, 800);
        QTest::newRow("640 x 480") << QSize(640, 480);
    }
    void trendOfAYearInLanes()
    {
        QFETCH(QSize, size);
        const auto window = yearWindow(size);
        QVERIFY(window);
        window->tabs()->setCurrentWidget(window->trend());
        TrendWidget *plot = window->trend()->plot();
        for (auto *box : window->trend()->findChildren<QCheckBox *>())
            if (box->text().startsWith("Amps"))
                box->toggle();
        const QImage image = plot->grab().toImage();
        const int titleHeight = plot->fontMetrics().height();
        const auto lanes = TrendPainter::lanes(plot->size(), plot->shown(), titleHeight);
        QCOMPARE(int(lanes.size()), 4);
        for (size_t at = 1; at < lanes.size(); ++at)
            QVERIFY(lanes[at - 1].second.bottom() < lanes[at].second.top() - titleHeight);
        const QRect area = TrendPainter::plotArea(plot->size());
        // Each series drawn in its own lane only.
        for (int series = 0; series < TrendMinutes::kSeriesCount; ++series) {
            const auto lane = std::find_if(lanes.begin(), lanes.end(), [&](const auto &at) { return at.first == series; });
            const QRgb colour = TrendPainter::colour(series).rgb();
            int inside = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = area.left() + 1; x < area.right(); ++x) {
                    if (image.pixel(x, y) != colour)
                        continue;
                    QVERIFY2(lane != lanes.end() && y >= lane->second.top() - titleHeight && y <= lane->second.bottom(),
                             qPrintable(QStringLiteral("series %1 at %2,%3").arg(series).arg(x).arg(y)));
                    ++inside;
                }
            QCOMPARE(inside > 0, lane != lanes.end());
        }
        // The date labels under the lanes: several, none running into the next.
        const int widest = plot->fontMetrics().horizontalAdvance("Sep 2026") + 2;
        const auto labels = textRuns(image, lanes.back().second.bottom() + 6, image.height());
        QVERIFY2(labels.size() >= 3, qPrintable(QString::number(labels.size())));
        for (const auto &[first, last] : labels)
            QVERIFY2(last - first < widest, qPrintable(QStringLiteral("%1 to %2").arg(first).arg(last)));
    }

    void energyOfAYearBesideTheYearBefore()
    {
        const auto window = yearWindow(QSize(640, 480));
        QVERIFY(window);
        QVERIFY(window->size().width() <= 640 && window->size().height() <= 480);
        auto *chart = window->energy()->findChild<QChartView *>();
        const auto bars = [&] {
            const QImage image = chart->grab().toImage();
            return std::pair{pixelsOf(image, QColor(33, 102, 172), image.rect()), pixelsOf(image, QColor(190, 190, 190), image.rect())};
        };
        // December 2026, each day beside the same day of December 2025.
        auto [shown, before] = bars();
        QVERIFY(shown > 0 && before > 0);
        button(window->energy(), "Year")->click();
        QTRY_VERIFY(window->energy()->span() == EnergyTab::Span::Year && window->energy()->days().size() == 365);
        QTRY_VERIFY(window->findChild<LoadStatus *>()->isHidden());
        std::tie(shown, before) = bars();
        QVERIFY(shown > 0 && before > 0);
        // Twelve month names under the bars, none running into the next (once the chart is laid out).
        const auto monthNames = [&] {
            const QImage image = chart->grab().toImage();
            const auto plot = chart->chart()->plotArea().toRect();
            auto names = textRuns(image, plot.bottom() + 4, plot.bottom() + 4 + chart->fontMetrics().height(), plot.left());
            names.removeIf([](const QPair<int, int> &run) { return run.second - run.first < 4; }); // the ticks
            return names.size();
        };
        QTRY_COMPARE(monthNames(), 12);
        QVERIFY(window->energy()->findChild<QLabel *>("Note")->text().isEmpty());
    }

    void powerCurveOfAYear()
    {
        const auto window = yearWindow(QSize(960, 680));
        QVERIFY(window);
        auto *chart = window->powerCurve()->findChild<QChartView *>();
        window->tabs()->setCurrentWidget(window->powerCurve());
        const QImage image = chart->grab().toImage();
        QVERIFY(pixelsOf(image, QColor(200, 30, 30), image.rect()) > 0);   // the means
        QVERIFY(pixelsOf(image, QColor(150, 190, 230), image.rect()) > 0); // the records
    }

    void energyTabReadsWell()
    {
        HistoryRig rig;
        const QDate today(2026, 3, 11);
        rig.folder.write("logs/Whours.txt", "2026_03_02,00:00  12345.6 Wh\r\n"  // closes the 1st
                                            "2026_03_03,00:00  842.5 Wh\r\n"
                                            "2026_03_20 08:00  99.0 Wh\r\n"      // a clock ahead
                                            "2026_03_21,00:00  5.0 Wh\r\n");
        rig.open(today);
        QTRY_VERIFY(rig.idle());
        auto *table = rig.window->energy()->findChild<QTableWidget *>();
        QCOMPARE(table->item(0, 1)->text(), QString("12.35 kWh"));
        QCOMPARE(table->item(1, 1)->text(), QString("842.5 Wh"));
        QCOMPARE(table->item(19, 1)->text(), QString("no data"));
        const QString note = rig.window->energy()->findChild<QLabel *>("Note")->text();
        QVERIFY2(note.contains("2 line(s) in Whours.txt dated after today left out"), qPrintable(note));
        auto *summary = rig.window->energy()->findChildren<QLabel *>().at(1);
        QVERIFY2(summary->text().startsWith("Month total 13.19 kWh, mean 6594.1 Wh a day"), qPrintable(summary->text()));
        QVERIFY(!table->tabKeyNavigation());

        // A week: Monday to Sunday. A year before: no data at all.
        button(rig.window->energy(), "Week")->click();
        QTRY_VERIFY(rig.idle());
        QCOMPARE(table->rowCount(), 7);
        QCOMPARE(table->item(0, 0)->text(), QString("2026_03_09"));
        button(rig.window->energy(), "< Previous")->click();
        button(rig.window->energy(), "Year")->click();
        button(rig.window->energy(), "< Previous")->click();
        QTRY_VERIFY(rig.idle());
        QCOMPARE(summary->text(), QString("Year: no data."));

        // An export that fails takes back the line of the one before.
        button(rig.window->energy(), "Month")->click();
        QTRY_VERIFY(rig.idle());
        button(rig.window->energy(), "Export CSV")->click();
        QVERIFY(rig.window->energy()->findChild<QLabel *>("Note")->text().contains("Written: "));
        QDir(rig.folder.path()).rename("excel", "excel.kept");
        rig.folder.write("excel", "a file where the folder was");
        button(rig.window->energy(), "Export CSV")->click();
        QVERIFY(!rig.window->energy()->findChild<QLabel *>("Note")->text().contains("Written: "));
        QCOMPARE(rig.messages.messages.size(), 1);
    }

    void windowFromTheViewerSwitchesTabsAndExports()
    {
        ProgramFolder folder;
        folder.writeProgramConfig("0", "0", "60");
        QDir(folder.path()).mkpath("logs");
        const QDate today = QDate::currentDate();
        folder.write(logName(today), logLines(8 * 3600, 9 * 3600 + 1, 60, 60.0));
        folder.write("logs/Whours.txt", today.toString("yyyy_MM_dd").toLatin1() + " 07:00  12.0 Wh\r\n");
        QWidget owner;
        WidgetPrompts windows(folder.path(), owner);
        const std::unique_ptr<Graph> graph = windows.makeLogViewer();
        graph->show();
        graph->findChild<QPushButton *>("History")->click();
        auto *window = graph->findChild<HistoryWindow *>();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), QString("Energy History"));

        auto *energyTable = window->energy()->findChild<QTableWidget *>();
        QTRY_VERIFY(energyTable->rowCount() >= 28);
        const int row = today.day() - 1;
        QAccessibleInterface *table = QAccessible::queryAccessibleInterface(energyTable);
        QCOMPARE(table->text(QAccessible::Name), QString("Energy per day"));
        // The archive's 12 Wh, and the hour of records logged after its line.
        QCOMPARE(table->tableInterface()->cellAt(row, 1)->text(QAccessible::Name), QString("73.0 Wh"));
        button(window->energy(), "Export CSV")->click();
        QCOMPARE(folder.read("excel/energy_" + today.toString("yyyy_MM") + ".csv"),
                 "Date,Wh\r\n" + today.toString("yyyy_MM_dd").toLatin1() + ",73.0\r\n");

        window->tabs()->setCurrentWidget(window->powerCurve());
        auto *bins = window->powerCurve()->findChild<QTableWidget *>();
        QTRY_COMPARE(bins->rowCount(), 7);
        QTRY_VERIFY(button(window->powerCurve(), "Export CSV")->isEnabled());
        // Each bin's mean stands at the mean wind of its records, which sit on its lower edge.
        auto *mean = window->powerCurve()->findChild<QChartView *>()->chart()->findChild<QLineSeries *>();
        QVERIFY(mean);
        QCOMPARE(mean->at(0), QPointF(6.0, 60.0));

        window->tabs()->setCurrentWidget(window->trend());
        TrendWidget *plot = window->trend()->plot();
        QTRY_VERIFY(!plot->picture().columns[0].empty());
        const QRect area = TrendPainter::plotArea(plot->size());
        const auto mouse = [plot](QEvent::Type type, QPoint at, Qt::MouseButton button) {
            QMouseEvent event(type, at, plot->mapToGlobal(at), button,
                              type == QEvent::MouseMove ? Qt::MouseButtons() : Qt::MouseButtons(button), {});
            QApplication::sendEvent(plot, &event);
        };
        auto *readout = window->trend()->findChild<QLabel *>("Readout");
        mouse(QEvent::MouseMove, area.center(), Qt::NoButton);
        QVERIFY(readout->text().startsWith(today.toString("yyyy_MM_dd") + " 08:"));
        const QPoint from(area.left() + area.width() / 4, area.center().y());
        const QPoint to(area.right() - area.width() / 4, area.center().y());
        mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
        mouse(QEvent::MouseMove, to, Qt::NoButton);
        const QString before = readout->text();
        mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton);
        QVERIFY(plot->canZoomOut());
        // The pointer stayed where it was, over another record of the narrower span.
        QVERIFY2(readout->text() != before, qPrintable(before));
        QCOMPARE(labelsHeardWrong(*window), QStringList());
    }
};

QTEST_MAIN(HistoryTest)
#include "tst_history.moc"
