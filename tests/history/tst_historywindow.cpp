// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/loggerparts.h"
#include "app/ui/mainwindow.h"
#include "app/ui/widgetprompts.h"
#include "fakeclock.h"
#include "fakeseriallink.h"
#include "hangingfile.h"
#include "history/dayenergy.h"
#include "history/historyloader.h"
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
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimer>
#include <QValueAxis>

#include <chrono>

using namespace Brolant;

namespace {
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

QAbstractButton *button(QWidget *tab, const QString &text)
{
    for (auto *found : tab->findChildren<QAbstractButton *>())
        if (found->text() == text)
            return found;
    qFatal("no button %s", qPrintable(text));
}
} // namespace

class HistoryWindowTest : public QObject
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
        static FakeClock clock;
        static ProblemLog problems(clock);
        auto window = std::make_unique<HistoryWindow>(m_year.path(), m_yearEnd, messages, problems);
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

    void loadsLeaveTheSharedPoolFree()
    {
        // Whours.txt hangs whoever opens it, so the load stays busy.
        HistoryRig rig;
        const QDate today(2026, 3, 7);
        HangingFile archive(rig.folder.file("logs/Whours.txt"), HangingFile::Kind::Leased);
        rig.open(today);
        QTRY_VERIFY(HangingFile::hasWaitingReader(QCoreApplication::applicationPid()));
        QVERIFY(!rig.idle());
        QCOMPARE(QThreadPool::globalInstance()->activeThreadCount(), 0);
        QVERIFY(archive.release());
        QTRY_VERIFY(rig.idle());
    }

    void archiveReadOffTheGuiThreadOnce()
    {
        HistoryRig rig;
        const QDate today(2026, 3, 7);
        const QString archivePath = rig.folder.file("logs/Whours.txt");
        {
            // Were the window to read the file itself, it would wait here until the watchdog lets go.
            HangingFile archive(archivePath, HangingFile::Kind::Leased, std::chrono::seconds(10));
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

    void pipeAsArchiveLeavesDaysToTheirLogs()
    {
        HistoryRig rig;
        const QDate today(2026, 3, 7);
        HangingFile archive(rig.folder.file("logs/Whours.txt"), HangingFile::Kind::Pipe, std::chrono::seconds(10));
        rig.folder.write(logName(today), logLines(8 * 3600, 9 * 3600, 60, 100.0));
        rig.open(today);
        QTRY_VERIFY(rig.idle());
        QVERIFY(!archive.waitedOut());
        const QString note = rig.window->energy()->findChild<QLabel *>("Note")->text();
        QVERIFY2(note.contains("Whours.txt could not be read (not a regular file): every day is computed"),
                 qPrintable(note));
        const DayEnergy &day = rig.window->energy()->days()[6];
        QCOMPARE(day.source, DayEnergy::Source::Computed);
        QVERIFY(day.wattHours > 0);
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
        HangingFile fifo(rig.folder.file(logName(today.addDays(-3))), HangingFile::Kind::Pipe,
                         std::chrono::seconds(10)); // never to be opened
        rig.open(today);
        QSignalSpy problems(&rig.problems, &ProblemLog::reported);
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
        QCOMPARE(
            said(),
            (QStringList{
                "Energy History: P_2026_03_04.txt could not be read: not a regular file",
                "Energy History: P_2026_03_05.txt could not be read: file to open is a directory",
                "Energy History: P_2026_03_06.txt could not be read: larger than 512 MB, too large to be a day's log",
                "Energy History: Whours.txt could not be read: file to open is a directory"}));
        const QString note = rig.window->energy()->findChild<QLabel *>("Note")->text();
        QVERIFY2(note.contains("Whours.txt could not be read (file to open is a directory): every day is computed"),
                 qPrintable(note));
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
        QCOMPARE(said(),
                 QStringList{"Energy History: P_2026_03_05.txt could not be read: file to open is a directory"});
        // A window opened anew says again what it cannot read.
        rig.open(today);
        QTRY_VERIFY(rig.idle());
        QCOMPARE(said().size(), 4);
        QVERIFY(!fifo.waitedOut());
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
            const auto lane = std::find_if(lanes.begin(), lanes.end(),
                                           [&](const auto &at) { return at.first == series; });
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
            return std::pair{pixelsOf(image, QColor(33, 102, 172), image.rect()),
                             pixelsOf(image, QColor(190, 190, 190), image.rect())};
        };
        // December 2026, each day beside the same day of December 2025 (the tab's load may end
        // after the other tabs').
        int shown = 0;
        int before = 0;
        QTRY_VERIFY((std::tie(shown, before) = bars(), shown > 0 && before > 0));
        button(window->energy(), "Year")->click();
        QTRY_VERIFY(window->energy()->span() == EnergyTab::Span::Year && window->energy()->days().size() == 365);
        QTRY_VERIFY(window->findChild<LoadStatus *>()->isHidden());
        std::tie(shown, before) = bars();
        QVERIFY(shown > 0 && before > 0);
        // Twelve month names under the bars, none running into the next (once the chart is laid out).
        const auto monthNames = [&] {
            const QImage image = chart->grab().toImage();
            const auto plot = chart->chart()->plotArea().toRect();
            auto names = textRuns(image, plot.bottom() + 4, plot.bottom() + 4 + chart->fontMetrics().height(),
                                  plot.left());
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
        rig.folder.write("logs/Whours.txt", "2026_03_02,00:00  12345.6 Wh\r\n" // closes the 1st
                                            "2026_03_03,00:00  842.5 Wh\r\n"
                                            "2026_03_20 08:00  99.0 Wh\r\n" // a clock ahead
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
        QVERIFY2(summary->text().startsWith("Month total 13.19 kWh, mean 6594.1 Wh a day"),
                 qPrintable(summary->text()));
        QVERIFY(!table->tabKeyNavigation());

        // A week: Monday to Sunday. A year before: no data at all.
        button(rig.window->energy(), "Week")->click();
        QTRY_VERIFY(rig.idle());
        QCOMPARE(table->rowCount(), 7);
        QCOMPARE(table->item(0, 0)->text(), QString("2026_03_09"));
        QVERIFY(!button(rig.window->energy(), "Next >")->isEnabled()); // today's week is the last
        button(rig.window->energy(), "< Previous")->click();
        QVERIFY(button(rig.window->energy(), "Next >")->isEnabled());
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

    void tabReachesEverySpan()
    {
        HistoryRig rig;
        rig.open(QDate(2026, 3, 11));
        QTRY_VERIFY(rig.idle());
        QVERIFY(QTest::qWaitForWindowActive(rig.window.get()));
        EnergyTab *energy = rig.window->energy();
        button(energy, "< Previous")->setFocus(Qt::TabFocusReason);
        QStringList reached;
        for (int step = 0; step < 4; ++step) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            auto *focused = qobject_cast<QAbstractButton *>(QApplication::focusWidget());
            reached << (focused ? focused->text() : QString());
        }
        // Next > is off: the month shown holds today.
        QCOMPARE(reached, (QStringList{"Week", "Month", "Year", "Export CSV"}));
    }

    void windowFromTheViewerSwitchesTabsAndExports()
    {
        ProgramFolder folder;
        folder.writeProgramConfig("0", "0", "60");
        QDir(folder.path()).mkpath("logs");
        // The window opens on the logger's day, whatever the computer's own date.
        FakeClock clock;
        const QDate today = clock.now().date();
        folder.write(logName(today), logLines(8 * 3600, 9 * 3600 + 1, 60, 60.0));
        folder.write("logs/Whours.txt", today.toString("yyyy_MM_dd").toLatin1() + " 07:00  12.0 Wh\r\n");
        QDir(folder.path()).mkpath(logName(today.addDays(-1))); // a log that cannot be read
        MainWindow owner;
        FakeSerialLink link;
        LoggerParts logger(folder.path(), link, clock, owner, Attendance::Attended);
        WidgetPrompts windows(owner, logger);
        const std::unique_ptr<Graph> graph = windows.makeLogViewer();
        graph->show();
        graph->findChild<QPushButton *>("History")->click();
        auto *window = graph->findChild<HistoryWindow *>();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->windowTitle(), QString("Energy History"));
        // What the window finds wrong goes to the program's one error log.
        QTRY_VERIFY(folder.read("errorlog.txt")
                        .contains("  Energy History  P_" + today.addDays(-1).toString("yyyy_MM_dd").toLatin1()
                                  + ".txt could not be read: file to open is a directory"));

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
        auto *bins = window->powerCurve()->findChild<QTableWidget *>("Bins");
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
        QCOMPARE(controlsHeardWrong(*window), QStringList());
    }

    void yearBeforeHoldsTheWholePeriod_data()
    {
        QTest::addColumn<EnergyTab::Span>("span");
        QTest::addColumn<QString>("summary");
        QTest::newRow("February beside a leap February") << EnergyTab::Span::Month << "a year before 1100.0 Wh.";
        QTest::newRow("a year beside a leap year") << EnergyTab::Span::Year << "the year before 1100.0 Wh.";
    }
    void yearBeforeHoldsTheWholePeriod()
    {
        QFETCH(EnergyTab::Span, span);
        QFETCH(QString, summary);
        HistoryRig rig;
        rig.folder.write("logs/Whours.txt", "2024_02_29,00:00  100.0 Wh\r\n"  // closes the 28th
                                            "2024_03_01,00:00  1000.0 Wh\r\n" // and the 29th
                                            "2025_02_10,00:00  1.0 Wh\r\n");
        rig.open(QDate(2025, 3, 10));
        rig.window->energy()->show(span, QDate(2025, 2, 10));
        QTRY_VERIFY(rig.idle());
        const QString text = rig.window->energy()->findChildren<QLabel *>().at(1)->text();
        QVERIFY2(text.contains(summary), qPrintable(text));
    }

    // A new installation has no records: each chart still shows an axis with round figures.
    void emptyFolderDrawsValidAxes()
    {
        QTest::failOnWarning(QRegularExpression(QStringLiteral("invalid range|NaN")));
        ProgramFolder folder;
        RecordedMessages messages;
        FakeClock clock;
        ProblemLog problems(clock);
        HistoryWindow window(folder.path(), clock.now().date(), messages, problems);
        window.show();
        for (QWidget *tab : std::initializer_list<QWidget *>{window.energy(), window.powerCurve()}) {
            window.tabs()->setCurrentWidget(tab);
            QTRY_VERIFY(tab->findChild<LoadStatus *>()->isHidden());
            const auto axes = tab->findChild<QChartView *>()->chart()->axes(Qt::Vertical);
            QVERIFY(!axes.isEmpty());
            for (QAbstractAxis *axis : axes)
                QVERIFY(qobject_cast<QValueAxis *>(axis)->max() > qobject_cast<QValueAxis *>(axis)->min());
        }
    }

    void closingDuringALoadHoldsNothing()
    {
        ProgramFolder folder;
        folder.writeProgramConfig("0", "0", "60");
        QDir(folder.path()).mkpath("logs");
        FakeClock clock;
        // Yesterday's log makes whoever opens it wait, as a network share that hung would.
        HangingFile yesterday(folder.file(logName(clock.now().date().addDays(-1))), HangingFile::Kind::Leased,
                              std::chrono::seconds(10));
        MainWindow owner;
        FakeSerialLink link;
        LoggerParts logger(folder.path(), link, clock, owner, Attendance::Attended);
        WidgetPrompts windows(owner, logger);
        std::unique_ptr<Graph> graph = windows.makeLogViewer();
        graph->show();
        graph->findChild<QPushButton *>("History")->click();
        QTRY_VERIFY(HangingFile::hasWaitingReader(QCoreApplication::applicationPid()));
        // The viewer's Exit: the viewer goes, and its Energy History with it, in the middle of the load.
        graph->findChild<QPushButton *>("Command2")->click();
        graph.reset();
        QVERIFY(!yesterday.waitedOut());
        bool answered = false;
        QTimer::singleShot(0, &owner, [&] { answered = true; });
        QTRY_VERIFY(answered);
        // The program ends in order while the read still waits.
        QVERIFY(HangingFile::hasWaitingReader(QCoreApplication::applicationPid()));
        logger.end();
        QVERIFY(!yesterday.waitedOut());
    }

    void cancelKeepsThePeriodShown()
    {
        HistoryRig rig;
        const QDate today(2026, 3, 11);
        rig.folder.write("logs/Whours.txt", "2026_03_02,00:00  12.5 Wh\r\n");
        rig.open(today);
        QTRY_VERIFY(rig.idle());
        EnergyTab *energy = rig.window->energy();
        // Whours.txt changed into one that waits: the next load reads it again, and waits.
        QVERIFY(QFile::remove(rig.folder.file("logs/Whours.txt")));
        HangingFile archive(rig.folder.file("logs/Whours.txt"), HangingFile::Kind::Leased);
        button(energy, "Year")->click();
        QTRY_VERIFY(HangingFile::hasWaitingReader(QCoreApplication::applicationPid()));
        button(energy, "Cancel")->click();
        const auto labels = energy->findChildren<QLabel *>();
        QVERIFY(std::any_of(labels.begin(), labels.end(), [](QLabel *label) { return label->text() == "March 2026"; }));
        QVERIFY(button(energy, "Month")->isChecked());
        auto *table = energy->findChild<QTableWidget *>();
        QCOMPARE(table->rowCount(), 31);
        QCOMPARE(table->item(0, 1)->text(), QString("12.5 Wh"));
        QVERIFY(button(energy, "Export CSV")->isEnabled());
        // A step from what is shown, not from the span that was cancelled.
        button(energy, "< Previous")->click();
        QVERIFY(
            std::any_of(labels.begin(), labels.end(), [](QLabel *label) { return label->text() == "February 2026"; }));
    }
};

QTEST_MAIN(HistoryWindowTest)
#include "tst_historywindow.moc"
