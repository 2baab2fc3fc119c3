// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "text/failure.h"
#include "web/livestate.h"
#include "web/weblimits.h"
#include "web/websettings.h"

#include <QObject>
#include <QSslConfiguration>
#include <QStringList>
#include <QTimer>

#include <memory>
#include <optional>

namespace Brolant {

class AlarmService;
class Clock;
class LoggerSession;
class MqttPublishing;
class ProblemLog;
class TlsSelfCheck;
class WebServer;

// The live web page as web.cfg sets it: served while the file switches it on, on the port and
// address it names, over HTTPS with a certificate (once a handshake with itself shows that its
// key is its own) and behind a password when it gives them; nothing while it does not. A change
// to web.cfg applies at once, and is reported once its outcome is known. A port another program holds
// is reported once and tried again quietly, and reported when it is served at last; the logger goes
// on either way.
class WebDashboard final : public QObject
{
    Q_OBJECT

public:
    WebDashboard(const LoggerSession &session, const Clock &clock, ProblemLog &problems, AlarmService &alarms,
                 MqttPublishing &publishing, const WebLimits &limits = WebLimits(), QObject *parent = nullptr);
    ~WebDashboard() override;

    // Serves the page when web.cfg, as `reading` has it, switches it on.
    void start(const SettingsFileReading<WebSettings> &reading);
    // web.cfg changed (saved or edited).
    void apply(const SettingsFileReading<WebSettings> &reading);
    // Stops serving: every connection is closed.
    void end();

    bool isServing() const { return m_server != nullptr; }
    // The port served on; 0 while nothing is served.
    quint16 port() const;
    WebServer *server() const { return m_server.get(); }

signals:
    // The page is served now, at these addresses.
    void serving(const QStringList &addresses);

private:
    void serve();
    void retry();
    void checked(const WebSettings &settings, const QSslConfiguration &tls, const QString &problem);
    Result<> listen(const WebSettings &settings, const std::optional<QSslConfiguration> &tls);
    void notStarted(const Failure &failure);
    // The outcome of the settings is known: reported once after a change of web.cfg.
    void settled();

    ProblemLog &m_problems;
    LiveState m_state;
    WebLimits m_limits;
    std::unique_ptr<WebServer> m_server;
    std::unique_ptr<TlsSelfCheck> m_check;
    QTimer m_retry;
    SettingsFileReading<WebSettings> m_reading;
    bool m_settingsChanged = false; // and the outcome not yet reported
    bool m_ended = false;
};

} // namespace Brolant
