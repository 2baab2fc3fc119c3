#include "alarms/alarmservice.h"
#include "app/ui/widgetprompts.h"
#include "history/dayenergy.h"
#include "history/historycsv.h"
#include "history/historyloader.h"
#include "history/powercurve.h"
#include "history/trendenvelope.h"
#include "history/ui/energytab.h"
#include "history/ui/historywindow.h"
#include "history/ui/powercurvetab.h"
#include "history/ui/trendtab.h"
#include "history/ui/trendwidget.h"
#include "logging/energyarchive.h"
#include "fakeclock.h"
#include "fakeseriallink.h"
#include "programfolder.h"
#include "screenreader.h"
#include "scriptedprompts.h"
#include "session/loggersession.h"
#include "viewer/ui/graph.h"

#include <QAccessibleTableInterface>
#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>

#include <numeric>

using namespace Brolant;

namespace {
using Pairs = QList<QPair<double, double>>;

QByteArray record(int minute, double watts, double wind = 5.0)
{
    return QStringLiteral("<T>%1</T><V>12.50</V><I>1.00</I><W>%2</W><R>100</R><S>%3</S><M>0</M>   1.0Wh\r\n")
        .arg(QTime(0, 0).addSecs(minute * 60).toString("HH:mm"))
        .arg(watts, 0, 'f', 2)
        .arg(wind, 0, 'f', 1)
        .toLatin1();
}

// `count` records a minute apart from 08:00, all of `watts`.
QByteArray day(int count, double watts)
{
    QByteArray text;
    for (int at = 0; at < count; ++at)
        text += record(8 * 60 + at, watts);
    return text;
}

// Records (wind, watts) in one day, a second apart.
std::shared_ptr<HistoryRecords> records(const Pairs &windAndWatts)
{
    auto made = std::make_shared<HistoryRecords>();
    made->firstDay = QDate(2026, 12, 1);
    for (const auto &[wind, watts] : windAndWatts) {
        made->seconds.push_back(std::int32_t(made->size()));
        const float values[] = {12.5F, 1.0F, float(watts), 100.0F, float(wind)};
        for (int series = 0; series < HistoryRecords::kSeriesCount; ++series)
            made->values[size_t(series)].push_back(values[series]);
    }
    made->days.push_back({made->firstDay, 0, made->size()});
    return made;
}

Pairs repeated(int count, double wind, double watts)
{
    return Pairs(count, {wind, watts});
}

QString binsText(const std::vector<PowerBin> &bins)
{
    QStringList text;
    for (const PowerBin &bin : bins)
        text << QStringLiteral("%1:%2:%3:%4%5").arg(bin.lowerEdge).arg(bin.records).arg(bin.meanWatts).arg(bin.maxWatts)
                    .arg(bin.faint() ? " faint" : "");
    return text.join(' ');
}
} // namespace

class HistoryTest : public QObject
{
    Q_OBJECT

private slots:
    void dayEnergyFromArchiveOrRecords()
    {
        ProgramFolder folder;
        QDir(folder.path()).mkpath("logs");
        folder.write("logs/Whours.txt",
                     "2026_11_01 08:00  100.0 Wh\r\n"    // two runs ended on the 1st
                     "2026_11_01 12:30  50.5 Wh\r\n"
                     "2026_11_02,00:00  200.0 Wh\r\n"    // the midnight line closes the 1st
                     "2026_11_03,00:00  .4 Wh\r\n"       // and this one the 2nd
                     "\r\n"
                     "garbage\r\n"
                     "2026_13_01 08:00  5.0 Wh\r\n"
                     "2026_11_05 08:00  abc Wh\r\n"
                     "2026_11_05 08:00  -3.0 Wh\r\n");
        folder.write("logs/P_2026_11_02.txt", day(11, 999.0)); // the archive wins
        folder.write("logs/P_2026_11_03.txt", day(11, 120.0)); // 10 intervals of a minute at 120 W
        const EnergyArchive archive = EnergyArchive::read(folder.path());
        QCOMPARE(archive.damagedLines, 4);
        const QDate from(2026, 11, 1), to(2026, 11, 4);
        const auto missing = EnergyTable::daysToCompute(archive, from, to);
        QCOMPARE(missing, (std::vector<QDate>{QDate(2026, 11, 3), QDate(2026, 11, 4)}));
        const auto days = EnergyTable::days(archive, HistoryFiles::read(folder.path(), missing), from, to, 60.0);
        using S = DayEnergy::Source;
        const std::vector<std::pair<double, S>> expected = {{350.5, S::Archive}, {0.4, S::Archive},
                                                            {20.0, S::Computed}, {0.0, S::None}};
        QCOMPARE(days.size(), expected.size());
        for (size_t at = 0; at < days.size(); ++at) {
            QCOMPARE(days[at].wattHours, expected[at].first);
            QCOMPARE(days[at].source, expected[at].second);
        }
        QCOMPARE(EnergyTable::total(days), 370.9);
        QCOMPARE(EnergyTable::mean(days), 370.9 / 3);
        const auto months = EnergyTable::monthTotals({{QDate(2026, 1, 31), 5.0, S::Archive},
                                                      {QDate(2026, 12, 1), 2.5, S::Computed},
                                                      {QDate(2026, 12, 31), 1.0, S::Archive}});
        QCOMPARE(months[0], 5.0);
        QCOMPARE(months[11], 3.5);
        QCOMPARE(std::accumulate(months.begin() + 1, months.end() - 1, 0.0), 0.0);
    }

    void bins_data()
    {
        QTest::addColumn<Pairs>("windAndWatts");
        QTest::addColumn<QString>("expected");
        QTest::newRow("lower edge included, upper left out")
            << Pairs{{2.0, 10}, {2.999, 20}, {3.0, 30}} << "2:2:15:20 faint 3:1:30:30 faint";
        QTest::newRow("empty bins left out")
            << Pairs{{0.5, 0}, {5.5, 50}} << "0:1:0:0 faint 5:1:50:50 faint";
        QTest::newRow("nine records faint, ten firm")
            << repeated(9, 4.2, 40) + repeated(10, 6.7, 60) << "4:9:40:40 faint 6:10:60:60";
        QTest::newRow("mean and max of negative watts")
            << Pairs{{1.5, -4}, {1.5, -2}} << "1:2:-3:-2 faint";
        QTest::newRow("no records") << Pairs{} << "";
    }
    void bins()
    {
        QFETCH(Pairs, windAndWatts);
        QFETCH(QString, expected);
        QCOMPARE(binsText(PowerCurve::bins(*records(windAndWatts))), expected);
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

        const std::vector<PowerBin> bins = {{3, 120, 45.24, 80.0}, {4, 2, 60.05, 61.96}};
        HistoryCsv::write(folder.path(), HistoryCsv::powerCurveFileName(QDate(2026, 11, 8), QDate(2026, 12, 7)),
                          HistoryCsv::powerCurveText(bins));
        QCOMPARE(folder.read("excel/powercurve_2026_11_08_2026_12_07.csv"),
                 QByteArray("Wind,Records,MeanWatts,MaxWatts\r\n3,120,45.2,80.0\r\n4,2,60.0,62.0\r\n"));
    }

    void trendKeepsEverySpike()
    {
        // A month of seconds' worth of shape at a tenth of the size: flat watts with narrow spikes.
        Pairs flat = repeated(259200, 3.0, 100.0);
        QList<int> spikes;
        for (int spike = 1; spike <= 150; ++spike)
            spikes << spike * 1700 + spike % 7;
        for (const int at : spikes)
            flat[at].second = 5000.0;
        const auto envelope = TrendEnvelope(records(flat));
        const QSize size(900, 400);
        const QRect area = TrendPainter::plotArea(size);
        const TrendPicture picture = envelope.picture(envelope.start(), envelope.finish(), area.width());
        QImage image(size, QImage::Format_RGB32);
        QPainter painter(&image);
        TrendPainter::paint(painter, size, envelope.records(), picture, {"V", "A", "W", "R", "S"});
        painter.end();

        const QRgb watts = TrendPainter::colour(DayRecords::Watts).rgb();
        const auto peakDrawn = [&](int column) {
            for (int y = area.top(); y < area.top() + area.height() / 10; ++y)
                if (image.pixel(area.left() + column, y) == watts)
                    return true;
            return false;
        };
        QSet<int> spikeColumns;
        for (const int at : spikes)
            spikeColumns << int(double(at) / (envelope.finish() - envelope.start()) * area.width());
        for (int column = 0; column < area.width(); ++column)
            QVERIFY2(peakDrawn(column) == spikeColumns.contains(column), qPrintable(QString::number(column)));
    }

    void pointerReadsTheNearestRecord()
    {
        auto made = records({{1, 10}, {2, 20}, {3, 30}});
        made->seconds = {8 * 3600, 8 * 3600 + 60, 86400 + 9 * 3600}; // the third on the next day
        const TrendEnvelope envelope(made);
        const std::array<QString, 5> units = {" V", " A", " W", " RPM", " mph"};
        const QList<QPair<double, QString>> cases = {
            {0.0, "2026_12_01 08:00  12.5 V  1 A  10 W  100 RPM  1 mph"},
            {8 * 3600 + 29, "2026_12_01 08:00  12.5 V  1 A  10 W  100 RPM  1 mph"},
            {8 * 3600 + 31, "2026_12_01 08:01  12.5 V  1 A  20 W  100 RPM  2 mph"},
            {1e9, "2026_12_02 09:00  12.5 V  1 A  30 W  100 RPM  3 mph"}};
        for (const auto &[second, expected] : cases)
            QCOMPARE(envelope.records().readout(*envelope.nearest(second), units), expected);
    }

    void cancelledLoadReportsNothing()
    {
        ProgramFolder folder;
        QDir(folder.path()).mkpath("logs");
        const QDate first(2026, 1, 1);
        for (int at = 0; at < 40; ++at)
            folder.write("logs/P_" + first.addDays(at).toString("yyyy_MM_dd") + ".txt", day(1440, 50.0));
        HistoryLoad load(folder.path());
        QSignalSpy loaded(&load, &HistoryLoad::loaded);
        load.request(HistoryFiles::daysBetween(first, first.addDays(39)));
        load.cancel();
        load.request({first});
        QVERIFY(loaded.wait());
        QTest::qWait(50);
        QCOMPARE(loaded.size(), 1); // the second request only
        QCOMPARE(loaded.at(0).at(0).value<std::shared_ptr<const HistoryRecords>>()->size(), size_t(1440));
    }

    void windowFromTheViewerSwitchesTabsAndExports()
    {
        ProgramFolder folder;
        folder.writeProgramConfig("0", "0", "60");
        QDir(folder.path()).mkpath("logs");
        const QDate today = QDate::currentDate();
        folder.write("logs/P_" + today.toString("yyyy_MM_dd") + ".txt", day(61, 60.0));
        folder.write("logs/Whours.txt", today.toString("yyyy_MM_dd").toLatin1() + " 07:00  12.0 Wh\r\n");
        QWidget owner;
        FakeSerialLink link;
        FakeClock clock;
        LoggerSession session(folder.path(), link, clock);
        AlarmService alarms(session);
        WidgetPrompts windows(folder.path(), owner, alarms);
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
        QCOMPARE(table->tableInterface()->cellAt(row, 1)->text(QAccessible::Name), QString("12.0"));
        const auto exportButton = [](QWidget *tab) {
            for (auto *button : tab->findChildren<QPushButton *>())
                if (button->text() == "Export CSV")
                    return button;
            return static_cast<QPushButton *>(nullptr);
        };
        exportButton(window->energy())->click();
        QCOMPARE(folder.read("excel/energy_" + today.toString("yyyy_MM") + ".csv"),
                 "Date,Wh\r\n" + today.toString("yyyy_MM_dd").toLatin1() + ",12.0\r\n");

        window->tabs()->setCurrentWidget(window->powerCurve());
        auto *bins = window->powerCurve()->findChild<QTableWidget *>();
        QTRY_COMPARE(bins->rowCount(), 1);
        QTRY_VERIFY(exportButton(window->powerCurve())->isEnabled());
        exportButton(window->powerCurve())->click();
        QCOMPARE(folder.read("excel/powercurve_" + today.addDays(-29).toString("yyyy_MM_dd") + "_"
                             + today.toString("yyyy_MM_dd") + ".csv"),
                 QByteArray("Wind,Records,MeanWatts,MaxWatts\r\n5,61,60.0,60.0\r\n"));

        window->tabs()->setCurrentWidget(window->trend());
        TrendWidget *plot = window->trend()->plot();
        QTRY_VERIFY(!plot->picture().columns[0].empty());
        const QRect area = TrendPainter::plotArea(plot->size());
        const auto mouse = [plot](QEvent::Type type, QPoint at, Qt::MouseButton button) {
            QMouseEvent event(type, at, plot->mapToGlobal(at), button,
                              type == QEvent::MouseMove ? Qt::MouseButtons() : Qt::MouseButtons(button), {});
            QApplication::sendEvent(plot, &event);
        };
        mouse(QEvent::MouseMove, area.center(), Qt::NoButton);
        QVERIFY(window->trend()->findChild<QLabel *>("Readout")->text().startsWith(today.toString("yyyy_MM_dd") + " 08:"));
        const QPoint from(area.left() + area.width() / 4, area.center().y());
        const QPoint to(area.right() - area.width() / 4, area.center().y());
        mouse(QEvent::MouseButtonPress, from, Qt::LeftButton);
        mouse(QEvent::MouseMove, to, Qt::NoButton);
        mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton);
        QVERIFY(plot->canZoomOut());
        QCOMPARE(controlsHeardWrong(*window).join("; "), QString());
    }
};

QTEST_MAIN(HistoryTest)
#include "tst_history.moc"
