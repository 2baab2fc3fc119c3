#pragma once

#include "web/livestate.h"
#include "web/weblimits.h"
#include "web/websettings.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <memory>

namespace Brolant {

class AlarmService;
class LoggerSession;
class MqttPublishing;
class WebServer;

// The live web page as web.cfg says: served while the file switches it on, on the port and
// address it names, over HTTPS with a certificate and behind a password when it gives them;
// nothing while it does not. A change to web.cfg applies at once. A port another program holds
// is reported once and tried again quietly; the logger goes on either way.
class WebDashboard final : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::seconds kRetryEvery{30};
    static QString notStartedStage() { return QStringLiteral("web page not started"); }

    WebDashboard(LoggerSession &session, AlarmService &alarms, MqttPublishing &publishing,
                 const WebLimits &limits = WebLimits(), QObject *parent = nullptr);
    ~WebDashboard() override;

    // Reads web.cfg and serves the page when it says so.
    void start();
    // Stops serving: every connection is closed.
    void end();

    bool isServing() const { return m_server != nullptr; }
    // The port served on; 0 while nothing is served.
    quint16 port() const;
    WebServer *server() const { return m_server.get(); }

signals:
    // The page is served now, at these addresses.
    void serving(const QStringList &addresses);
    // One entry for the error log: the stage and the failure's description.
    void problemFound(const QString &stage, const QString &description);

private:
    void serve();
    void retry();
    void listen(const WebSettings &settings);
    void report(const QString &problem);

    LoggerSession &m_session;
    LiveState m_state;
    WebLimits m_limits;
    std::unique_ptr<WebServer> m_server;
    QTimer m_retry;
    QString m_lastProblem;
    bool m_ended = false;
};

} // namespace Brolant
