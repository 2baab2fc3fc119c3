// SPDX-License-Identifier: GPL-3.0-or-later
#include "webbench.h"

#include "alarms/alarmservice.h"
#include "benchmark.h"
#include "fakeseriallink.h"
#include "loopback.h"
#include "memory.h"
#include "platform/clock.h"
#include "problems/problemlog.h"
#include "programfolder.h"
#include "publishing/mqttpublishing.h"
#include "session/loggersession.h"
#include "settings/settingsstore.h"
#include "web/webdashboard.h"

#include <QDate>
#include <QEventLoop>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <QWebSocket>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <functional>
#include <vector>

using namespace Brolant;

namespace {
using Clock = std::chrono::steady_clock;
constexpr int kPageLoads = 20;
constexpr int kDaysLogged = 30;
constexpr int kMinutesPerDay = 1440;
constexpr std::chrono::milliseconds kFrameEvery{100};
constexpr std::chrono::seconds kLatencyWindow{10};
constexpr std::chrono::seconds kCpuWindow{15};
constexpr int kPages = 50;
constexpr int kConnections = 10'000;
constexpr int kWarmConnections = 1'000;
constexpr int kAnswerMilliseconds = 5000;
constexpr int kLowestRaw = 600; // 12.00 V; each frame's volts tell which frame it was
constexpr int kDistinctFrames = 200;

// A frame whose voltage numbers it: 12.00 V, 12.02 V, ...
QByteArray frame(int sequence)
{
    const int volts = kLowestRaw + sequence % kDistinctFrames;
    return QStringLiteral("[<V>%1</V><I>577</I><R>20</R><S>9</S><M>0</M><C>%2</C>]")
        .arg(volts)
        .arg(volts + 606)
        .toLatin1();
}

int frameOf(double volts)
{
    return int(std::lround(volts * 50.0)) - kLowestRaw;
}

// A month of records every minute, so the page's day, energy and power curve have work to do.
void writeMonth(const ProgramFolder &folder)
{
    const QDate today = QDate::currentDate();
    for (int back = 0; back <= kDaysLogged; ++back) {
        QByteArray day;
        for (int minute = 0; minute < kMinutesPerDay; ++minute) {
            const double wind = 3.0 + (minute * 7 + back * 13) % 90 / 10.0;
            day += QStringLiteral("<T>%1:%2</T><V>12.80</V><I>%3</I><W>%4</W><R>%5</R><S>%6</S><M>0</M>   0.0Wh\r\n")
                       .arg(minute / 60, 2, 10, QLatin1Char('0'))
                       .arg(minute % 60, 2, 10, QLatin1Char('0'))
                       .arg(wind, 0, 'f', 2)
                       .arg(wind * 12.8, 0, 'f', 2)
                       .arg(int(wind * 40))
                       .arg(wind, 0, 'f', 1)
                       .toLatin1();
        }
        folder.write("logs/P_" + today.addDays(-back).toString("yyyy_MM_dd").toLatin1() + ".txt", day);
    }
}

// The logger with its page on a free loopback port, fed frames by the test, limits raised so
// that one client may ask as fast as it can.
struct PageRig
{
    ProgramFolder folder;
    FakeSerialLink link;
    SystemClock clock;
    int port = Loopback::freePort();
    ProblemLog problems{clock};
    std::unique_ptr<LoggerSession> session;
    std::unique_ptr<MqttPublishing> publishing;
    std::unique_ptr<AlarmService> alarms;
    std::unique_ptr<WebDashboard> web;

    PageRig()
    {
        folder.writeProgramConfig("1", "1", "60");
        folder.writeCalibration();
        folder.write("web.cfg",
                     "<Enabled>1</Enabled><Listen>127.0.0.1</Listen><Port>" + QByteArray::number(port) + "</Port>");
        writeMonth(folder);
        session = std::make_unique<LoggerSession>(folder.path(), link, clock, problems, folder.programFiles(),
                                                  Attendance::Unattended);
        publishing = std::make_unique<MqttPublishing>(*session, problems);
        alarms = std::make_unique<AlarmService>(*session, clock, problems, AlarmSettings::readFile(folder.path()));
        WebLimits limits;
        limits.burst = 1'000'000;
        limits.perSecond = 1'000'000.0;
        web = std::make_unique<WebDashboard>(*session, clock, problems, *alarms, *publishing, limits);
        session->startUp();
        web->start(SettingsStore(folder.path()).web());
    }
};

// Runs `work` on a thread of its own while this thread's event loop serves the page.
void alongside(const std::function<void()> &work)
{
    std::unique_ptr<QThread> thread(QThread::create(work));
    QEventLoop loop;
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    thread->start();
    loop.exec();
}

// One GET on a kept connection, waiting for its whole answer; false when none came.
bool fetch(QTcpSocket &socket, const QByteArray &target)
{
    socket.write("GET " + target + " HTTP/1.1\r\nHost: bench\r\n\r\n");
    QByteArray answer;
    while (socket.waitForReadyRead(kAnswerMilliseconds)) {
        answer += socket.readAll();
        const qsizetype headEnd = answer.indexOf("\r\n\r\n");
        if (headEnd < 0)
            continue;
        const qsizetype lengthAt = answer.indexOf("Content-Length: ");
        const qint64 length = answer.mid(lengthAt + 16, answer.indexOf('\r', lengthAt) - lengthAt - 16).toLongLong();
        if (answer.size() - headEnd - 4 >= length)
            return answer.startsWith("HTTP/1.1 200");
    }
    return false;
}

QTcpSocket *connected(int port)
{
    auto *socket = new QTcpSocket;
    socket->connectToHost(QStringLiteral("127.0.0.1"), quint16(port));
    socket->waitForConnected(kAnswerMilliseconds);
    return socket;
}

void benchPageLoad(const PageRig &rig)
{
    const QByteArray today = QDate::currentDate().toString(Qt::ISODate).toLatin1();
    const QList<QByteArray> page{"/",
                                 "/app.css",
                                 "/uPlot.min.css",
                                 "/uPlot.iife.min.js",
                                 "/app.js",
                                 "/api/live",
                                 "/api/day/" + today,
                                 "/api/energy/" + today.left(7),
                                 "/api/powercurve"};
    Timing timing;
    bool complete = true;
    alongside([&] {
        timing = nanosecondsPerRound(kPageLoads, [&](long) {
            std::unique_ptr<QTcpSocket> socket(connected(rig.port));
            for (const QByteArray &target : page)
                complete = fetch(*socket, target) && complete;
        });
    });
    report(
        complete
            ? "web page load on the loopback (its 5 files, now, today, the month and the power curve, one after another)"
            : "web page load FAILED, a request was not answered",
        timing, 1e6, "ms");
}

void benchFrameToClient(PageRig &rig)
{
    std::vector<Clock::time_point> sent;
    std::vector<std::pair<Clock::time_point, int>> heard; // when, and the newest frame it carried
    QTimer frames;
    QObject::connect(&frames, &QTimer::timeout, [&] {
        sent.push_back(Clock::now());
        rig.link.push(frame(int(sent.size()) - 1));
    });
    alongside([&] {
        QWebSocket client;
        QEventLoop loop;
        QObject::connect(&client, &QWebSocket::textMessageReceived, [&](const QString &message) {
            const QJsonObject live = QJsonDocument::fromJson(message.toUtf8()).object()["live"].toObject();
            if (!live["time"].isNull())
                heard.emplace_back(Clock::now(), frameOf(live["volts"].toDouble()));
        });
        QObject::connect(&client, &QWebSocket::connected, [&] {
            QMetaObject::invokeMethod(&frames, qOverload<>(&QTimer::start), Qt::QueuedConnection);
            QTimer::singleShot(kLatencyWindow, &loop, &QEventLoop::quit);
        });
        client.open(QUrl(QStringLiteral("ws://127.0.0.1:%1/api/push").arg(rig.port)));
        frames.setInterval(kFrameEvery);
        loop.exec();
    });
    frames.stop();
    // Each frame waits for the first push that carries it or a newer one.
    std::vector<double> waits;
    for (int frame = 0; frame < int(sent.size()); ++frame) {
        const auto shown = std::find_if(heard.begin(), heard.end(),
                                        [frame](const auto &push) { return push.second >= frame; });
        if (shown != heard.end())
            waits.push_back(std::chrono::duration<double, std::milli>(shown->first - sent[size_t(frame)]).count());
    }
    std::sort(waits.begin(), waits.end());
    if (waits.empty()) {
        report("web frame to a push client FAILED, nothing", 0.0, "ms");
        return;
    }
    QTextStream(stdout) << "web frame to a push client, 10 frames a second: median " << figure(waits[waits.size() / 2])
                        << " ms, at most " << figure(waits.back()) << " ms (" << waits.size() << " frames)" << Qt::endl;
}

double threadCpuSeconds()
{
    timespec used{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &used);
    return double(used.tv_sec) + double(used.tv_nsec) / 1e9;
}

// The share of a core this thread (the logger's) uses while frames come ten a second and
// `pages` push clients listen on a thread of their own.
double loggerCoreShare(PageRig &rig, int pages)
{
    int sequence = 0;
    QTimer frames;
    frames.setInterval(kFrameEvery);
    QObject::connect(&frames, &QTimer::timeout, [&] { rig.link.push(frame(sequence++)); });
    double share = 0.0;
    alongside([&] {
        std::vector<std::unique_ptr<QWebSocket>> clients;
        QEventLoop loop;
        int open = 0;
        for (int page = 0; page < pages; ++page) {
            clients.push_back(std::make_unique<QWebSocket>());
            QObject::connect(clients.back().get(), &QWebSocket::connected, [&] { ++open; });
            clients.back()->open(QUrl(QStringLiteral("ws://127.0.0.1:%1/api/push").arg(rig.port)));
        }
        QTimer waiting;
        QObject::connect(&waiting, &QTimer::timeout, [&] {
            if (open < pages)
                return;
            waiting.stop();
            QMetaObject::invokeMethod(&frames, [&] {
                const double cpu = threadCpuSeconds();
                const auto wall = Clock::now();
                frames.start();
                QTimer::singleShot(kCpuWindow, &frames, [&, cpu, wall] {
                    share = (threadCpuSeconds() - cpu) / std::chrono::duration<double>(Clock::now() - wall).count();
                    frames.stop();
                    QMetaObject::invokeMethod(&loop, &QEventLoop::quit);
                });
            });
        });
        waiting.start(10);
        loop.exec();
    });
    return share * 100.0;
}

void benchManyConnections(const PageRig &rig)
{
    double warm = 0.0;
    int answered = 0;
    alongside([&] {
        for (int connection = 0; connection < kConnections; ++connection) {
            std::unique_ptr<QTcpSocket> socket(connected(rig.port));
            answered += fetch(*socket, "/api/live") ? 1 : 0;
            socket->disconnectFromHost();
            if (connection + 1 == kWarmConnections)
                warm = residentMebibytes();
        }
    });
    QEventLoop settle; // the server's last sockets go
    QTimer::singleShot(200, &settle, &QEventLoop::quit);
    settle.exec();
    QTextStream(stdout) << "web resident memory after 1,000 and after 10,000 connections in a row: " << figure(warm)
                        << " and " << figure(residentMebibytes()) << " MiB (" << answered << " answered)" << Qt::endl;
}
} // namespace

void benchWeb()
{
    PageRig rig;
    if (!rig.web->isServing()) {
        report("web page FAILED to start", 0.0, "");
        return;
    }
    benchPageLoad(rig);
    benchFrameToClient(rig);
    const double idle = loggerCoreShare(rig, 0);
    const double busy = loggerCoreShare(rig, kPages);
    QTextStream(stdout) << "web logger thread with 50 pages open, 10 frames a second: " << figure(busy)
                        << "% of a core (no page open: " << figure(idle) << "%)" << Qt::endl;
    benchManyConnections(rig);
}
