// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/webdashboard.h"

#include "platform/programpaths.h"
#include "problems/problemlog.h"
#include "session/loggersession.h"
#include "web/connectionguard.h"
#include "web/tlsselfcheck.h"
#include "web/weblisteners.h"
#include "web/webserver.h"

#include <QFile>
#include <QSslCertificate>
#include <QSslKey>

namespace Brolant {

namespace {
// A key file is a few kilobytes; anything far larger is not one.
constexpr qint64 kLargestKeyFile = 64 * 1024;

Result<QSslConfiguration> tlsConfiguration(const WebSettings &settings)
{
    const QList<QSslCertificate> chain = QSslCertificate::fromPath(settings.certFile, QSsl::Pem);
    if (chain.isEmpty())
        return Failure{QStringLiteral("CertFile %1 holds no certificate in PEM form").arg(settings.certFile)};
    QFile file(settings.keyFile);
    if (!file.open(QIODevice::ReadOnly))
        return Failure{QStringLiteral("KeyFile %1 cannot be read: %2").arg(settings.keyFile, file.errorString())};
    const QByteArray bytes = file.read(kLargestKeyFile);
    QSslKey key(bytes, QSsl::Rsa);
    if (key.isNull())
        key = QSslKey(bytes, QSsl::Ec);
    if (key.isNull())
        return Failure{QStringLiteral("KeyFile %1 holds no private key in PEM form (RSA or EC, without a passphrase)")
                           .arg(settings.keyFile)};
    QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
    configuration.setLocalCertificateChain(chain);
    configuration.setPrivateKey(key);
    configuration.setPeerVerifyMode(QSslSocket::VerifyNone); // browsers show no certificate of their own
    return configuration;
}
} // namespace

WebDashboard::WebDashboard(const LoggerSession &session, const Clock &clock, ProblemLog &problems, AlarmService &alarms,
                           MqttPublishing &publishing, const WebLimits &limits, QObject *parent)
    : QObject(parent), m_problems(problems), m_state(session, clock, alarms, publishing), m_limits(limits)
{
    m_retry.setInterval(m_limits.portRetry);
    connect(&m_retry, &QTimer::timeout, this, &WebDashboard::retry);
}

WebDashboard::~WebDashboard() = default;

void WebDashboard::start(const SettingsFileReading<WebSettings> &reading)
{
    m_ended = false;
    m_reading = reading;
    serve();
}

void WebDashboard::apply(const SettingsFileReading<WebSettings> &reading)
{
    if (m_ended)
        return;
    m_reading = reading;
    m_problems.forget(Problem::WebNotStarted); // new settings: their trouble is reported again
    m_settingsChanged = true;
    serve();
}

void WebDashboard::end()
{
    m_ended = true;
    m_retry.stop();
    m_check.reset();
    m_server.reset();
}

quint16 WebDashboard::port() const
{
    return m_server && !m_server->servers().isEmpty() ? m_server->servers().constFirst()->serverPort() : 0;
}

void WebDashboard::serve()
{
    m_retry.stop();
    m_check.reset();
    m_server.reset();
    if (m_reading.failure) {
        notStarted(*m_reading.failure);
        return;
    }
    const std::optional<WebSettings> &settings = m_reading.settings;
    if (!settings) {
        settled();
        return;
    }
    if (!settings->secure()) {
        if (const Result<> listening = listen(*settings, std::nullopt); !listening)
            notStarted(listening.failure());
        return;
    }
    const Result<QSslConfiguration> tls = tlsConfiguration(*settings);
    if (!tls) {
        notStarted(tls.failure());
        return;
    }
    m_check = std::make_unique<TlsSelfCheck>(*tls, m_limits.requestWithin);
    connect(m_check.get(), &TlsSelfCheck::finished, this,
            [this, settings = *settings, tls = *tls](const QString &problem) { checked(settings, tls, problem); });
}

void WebDashboard::checked(const WebSettings &settings, const QSslConfiguration &tls, const QString &problem)
{
    m_check.release()->deleteLater(); // it is still emitting
    if (!problem.isEmpty()) {
        notStarted(Failure{QStringLiteral("HTTPS does not start with CertFile %1 and KeyFile %2 (is the key the "
                                          "certificate's own?): %3")
                               .arg(settings.certFile, settings.keyFile, problem)});
        return;
    }
    if (const Result<> listening = listen(settings, tls); !listening)
        notStarted(listening.failure());
}

void WebDashboard::notStarted(const Failure &failure)
{
    m_problems.report(Problem::WebNotStarted, failure.description);
    settled();
}

void WebDashboard::settled()
{
    if (!std::exchange(m_settingsChanged, false))
        return;
    m_problems.report(Problem::WebSettingsChanged,
                      QStringLiteral("the new settings in %1 apply: %2")
                          .arg(FileName::kWebSettings, isServing()
                                                           ? QStringLiteral("the page is served on port %1").arg(port())
                                                           : QStringLiteral("the page is not served")));
}

void WebDashboard::retry()
{
    if (!m_ended)
        serve();
}

Result<> WebDashboard::listen(const WebSettings &settings, const std::optional<QSslConfiguration> &tls)
{
    auto server = std::make_unique<WebServer>(m_state, settings, m_limits, m_problems);
    QTcpServer *listener = nullptr;
    if (tls) {
        listener = new SecureListener(server->guard(), *tls, m_limits.requestWithin, server.get());
    } else {
        listener = new PlainListener(server->guard(), server.get());
    }
    if (!listener->listen(settings.listenAddress(), quint16(settings.port))) {
        if (listener->serverError() != QAbstractSocket::AddressInUseError)
            return Failure{QStringLiteral("cannot listen on port %1 of %2: %3")
                               .arg(settings.port)
                               .arg(settings.listen.isEmpty() ? QStringLiteral("every network") : settings.listen,
                                    listener->errorString())};
        // Another program may let it go (or an earlier Brolant still ending); the same trouble
        // again is not reported again: one entry, then quiet retries.
        m_problems.report(Problem::WebNotStarted,
                          QStringLiteral("port %1 is in use by another program; tried again every %2 seconds")
                              .arg(settings.port)
                              .arg(std::chrono::duration_cast<std::chrono::seconds>(m_limits.portRetry).count()));
        settled();
        m_retry.start();
        return {};
    }
    server->bind(listener);
    m_server = std::move(server);
    // What the error log recorded last is no longer so.
    m_problems.resolved(Problem::WebNotStarted,
                        QStringLiteral("port %1 is free again: the page is served on port %1").arg(settings.port));
    settled();
    emit serving(settings.pageAddresses());
    return {};
}

} // namespace Brolant
