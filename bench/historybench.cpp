// SPDX-License-Identifier: GPL-3.0-or-later
#include "historybench.h"

#include "benchmark.h"
#include "history/historyloader.h"
#include "history/trendenvelope.h"
#include "history/ui/energytab.h"
#include "history/ui/historywidgets.h"
#include "history/ui/historywindow.h"
#include "history/ui/loadstatus.h"
#include "history/ui/powercurvetab.h"
#include "history/ui/trendtab.h"
#include "history/ui/trendwidget.h"
#include "memory.h"
#include "platform/clock.h"
#include "platform/messages.h"
#include "platform/programpaths.h"
#include "problems/problemlog.h"
#include "web/webhistory.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>
#include <QThreadPool>
#include <QTimer>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstring>
#include <thread>
#include <vector>

using namespace Brolant;

namespace {
const QSize kPlotSize(1200, 600);
const QSize kWindowSize(1280, 800);
const QDate kFirstDay(2026, 1, 1);
const std::array<QString, 5> kNames = {"Volts (V)", "Amps (A)", "Watts (W)", "RPM (RPM)", "Wind (mph)"};

struct QuietMessages final : Messages
{
    void message(const QString &) override {}
};

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
            const int length = std::snprintf(
                line, sizeof line,
                "<T>%02d:%02d</T><V>%.2f</V><I>%.2f</I><W>%.2f</W><R>%d</R><S>%.1f</S><M>0</M>   %.1fWh\r\n",
                minute / 60, minute % 60, 12.4 + amps * 0.05, amps, amps * 12.6, int(wind * 40), wind, second / 100.0);
            text.append(line, length);
        }
        QFile file(ProgramPaths(folder).dailyLog(kFirstDay.addDays(day)));
        if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
            qFatal("cannot write the benchmark's logs");
    }
}

// The window's load bars, found once: looking for them at every event would take the time of a
// core from the readers.
bool idle(const QList<LoadStatus *> &statuses)
{
    return std::all_of(statuses.begin(), statuses.end(), [](LoadStatus *status) { return status->isHidden(); });
}

// The window as a user meets it, opened on the last of `days` days, then asked for all of them on
// every tab: the energy of their year (or month), their power curve and their trend. Returns once
// all three show.
std::unique_ptr<HistoryWindow> openOnDays(const QString &folder, int days)
{
    static QuietMessages messages;
    static SystemClock clock;
    static ProblemLog problems(clock);
    const QDate last = kFirstDay.addDays(days - 1);
    auto window = std::make_unique<HistoryWindow>(folder, last, messages, problems);
    window->resize(kWindowSize);
    window->show();
    window->energy()->show(days > 31 ? EnergyTab::Span::Year : EnergyTab::Span::Month, kFirstDay);
    window->powerCurve()->range()->setDates(kFirstDay, last);
    window->powerCurve()->showClicked();
    window->trend()->range()->setDates(kFirstDay, last);
    window->trend()->showClicked();
    // An event loop that sleeps between events, as the program's own: processEvents() in a loop
    // would spin and take a core from the readers.
    const auto statuses = window->findChildren<LoadStatus *>();
    QEventLoop shown;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &shown, [&] {
        if (idle(statuses))
            shown.quit();
    });
    look.start(1);
    shown.exec();
    if (window->energy()->days().empty() || window->powerCurve()->bins().empty()
        || window->trend()->plot()->picture().columns[0].empty())
        qFatal("the history benchmark showed nothing");
    return window;
}

// An event that knows when it was posted.
struct StampedEvent final : QEvent
{
    explicit StampedEvent(qint64 posted) : QEvent(QEvent::User), posted(posted) {}
    qint64 posted;
};

// Times the delivery of events posted every few milliseconds from another thread: the longest
// the window kept one waiting.
class ResponseProbe final : public QObject
{
public:
    ResponseProbe()
    {
        m_clock.start();
        m_poster = std::thread([this] {
            while (!m_stop) {
                QCoreApplication::postEvent(this, new StampedEvent(m_clock.nsecsElapsed()));
                std::this_thread::sleep_for(std::chrono::milliseconds(5));
            }
        });
    }
    ~ResponseProbe() override
    {
        m_stop = true;
        m_poster.join();
        QCoreApplication::removePostedEvents(this);
    }
    double longestMilliseconds() const { return m_longest; }

protected:
    bool event(QEvent *event) override
    {
        if (event->type() != QEvent::User)
            return QObject::event(event);
        const auto *stamped = static_cast<StampedEvent *>(event);
        m_longest = std::max(m_longest, double(m_clock.nsecsElapsed() - stamped->posted) / 1e6);
        return true;
    }

private:
    QElapsedTimer m_clock;
    std::atomic<bool> m_stop = false;
    double m_longest = 0.0;
    std::thread m_poster;
};

void forgetSummaries(const QString &folder)
{
    QDir(ProgramPaths(folder).summaries()).removeRecursively();
}

// The lines of the logs of `days` days counted and nothing more, read a piece at a time on every
// core, as the history reads them: what a year's load is measured against, which holds across
// machines where a time does not.
long long countLines(const QString &folder, int days)
{
    QThreadPool threads;
    threads.setMaxThreadCount(QThread::idealThreadCount());
    const auto count = [&](const QDate &day) {
        QFile file(ProgramPaths(folder).dailyLog(day));
        QByteArray piece(256 * 1024, Qt::Uninitialized);
        long long lines = 0;
        if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
            qFatal("cannot read the benchmark's logs");
        for (qint64 read = file.read(piece.data(), piece.size()); read > 0;
             read = file.read(piece.data(), piece.size()))
            for (const char *at = piece.constData(), *end = at + read;
                 (at = static_cast<const char *>(std::memchr(at, '\n', size_t(end - at)))); ++at)
                ++lines;
        return lines;
    };
    return QtConcurrent::blockingMappedReduced<long long>(
        &threads, HistoryFiles::daysBetween(kFirstDay, kFirstDay.addDays(days - 1)),
        std::function<long long(const QDate &)>(count), [](long long &sum, long long lines) { sum += lines; });
}
} // namespace

void benchHistory()
{
    QTemporaryDir year;
    writeLogs(year.path(), 365, 1);

    std::unique_ptr<HistoryWindow> kept;
    const Timing month = nanosecondsPerRound(1, [&](long) {
        kept.reset();
        forgetSummaries(year.path());
        kept = openOnDays(year.path(), 30);
    });
    report("history month of seconds", month, 1e6, "ms");
    report("history month memory", residentMebibytes(), "MiB");

    const auto envelope = std::make_shared<const TrendEnvelope>(std::make_shared<const TrendMinutes>(TrendMinutes::of(
        HistorySource(year.path()).days(HistoryFiles::daysBetween(kFirstDay, kFirstDay.addDays(29)), {}))));
    QImage image(kPlotSize, QImage::Format_RGB32);
    const TrendPainter::Shown all{true, true, true, true, true};
    const Timing redraw = nanosecondsPerRound(20, [&](long i) {
        // A different span each time, as a zoom would ask.
        const std::int64_t from = envelope->start() + i * 3600;
        QPainter painter(&image);
        TrendPainter::paint(painter, kPlotSize, envelope->minutes(),
                            envelope->picture(from, envelope->finish(), TrendPainter::plotArea(kPlotSize).width()),
                            kNames, all);
    });
    report("history redraw", redraw, 1e6, "ms");
    const std::array<QString, 5> units = {" V", " A", " W", " RPM", " mph"};
    const Timing move = nanosecondsPerRound(20000, [&](long i) {
        const auto at = envelope->nearest(
            double(envelope->start() + (i * 7919) % (envelope->finish() - envelope->start())));
        if (envelope->readout(*at, units).isEmpty())
            qFatal("no readout");
    });
    report("history pointer move", move, 1e6, "ms");

    // The machine is shared: a figure means little without how busy it was.
    QFile load(QStringLiteral("/proc/loadavg"));
    if (load.open(QIODevice::ReadOnly))
        QTextStream(stdout) << "history load average before the year: " << load.readLine().trimmed() << Qt::endl;
    double longest = 0.0;
    // Each year is followed by a count of its lines, so the ratio of the two is taken at one
    // moment of the machine's load, whatever the next moment brings.
    std::vector<double> years;
    std::vector<double> ratios;
    nanosecondsPerRound(1, [&](long) {
        kept.reset();
        forgetSummaries(year.path());
        QElapsedTimer timer;
        timer.start();
        {
            ResponseProbe probe;
            kept = openOnDays(year.path(), 365);
            longest = std::max(longest, probe.longestMilliseconds());
        }
        const double opened = double(timer.nsecsElapsed());
        timer.restart();
        if (countLines(year.path(), 365) != 365LL * 86400)
            qFatal("the benchmark's logs lost lines");
        years.push_back(opened);
        ratios.push_back(opened / double(timer.nsecsElapsed()));
    });
    // The first round warmed up.
    years.erase(years.begin());
    ratios.erase(ratios.begin());
    std::sort(years.begin(), years.end());
    std::sort(ratios.begin(), ratios.end());
    report("history year of seconds", Timing{years.front(), years[years.size() / 2]}, 1e6, "ms");
    report("history year of seconds to a count of its lines", ratios[ratios.size() / 2], "times (median)");
    report("history year of seconds memory", residentMebibytes(), "MiB");
    report("history responsiveness during load", longest, "ms");
    const Timing reopen = nanosecondsPerRound(1, [&](long) {
        kept.reset();
        kept = openOnDays(year.path(), 365);
    });
    report("history reopen", reopen, 1e6, "ms");
    kept.reset();

    QTemporaryDir minutes;
    writeLogs(minutes.path(), 365, 60);
    const Timing minuteYear = nanosecondsPerRound(1, [&](long) {
        kept.reset();
        forgetSummaries(minutes.path());
        kept = openOnDays(minutes.path(), 365);
    });
    report("history year", minuteYear, 1e6, "ms");
    kept.reset();

    // The turbine against its rating over that year, as the page's /api/performance answers it.
    QFile turbine(ProgramPaths(minutes.path()).turbineSettings());
    if (!turbine.open(QIODevice::WriteOnly)
        || turbine.write("Turbine Config File\r\n\r\n<RatedCurve>3 0; 6 60; 9 250; 12 600</RatedCurve>\r\n"
                         "<UnitsMean>m/s</UnitsMean>\r\n")
               < 0)
        qFatal("cannot write the benchmark's turbine.cfg");
    turbine.close();
    const Timing performance = nanosecondsPerRound(1, [&](long) {
        const auto answer = WebHistory::performance(minutes.path(), kFirstDay, kFirstDay.addDays(364));
        if (answer.report.bins.empty() || !answer.report.capacityFactor)
            qFatal("the benchmark's year gave no performance");
    });
    report("history performance of a year of minutes", performance, 1e6, "ms");
}
