// SPDX-License-Identifier: GPL-3.0-or-later
#include "web/tlsselfcheck.h"

#include <QSslConfiguration>

namespace Brolant {

TlsSelfCheck::TlsSelfCheck(const QSslConfiguration &configuration, std::chrono::milliseconds within, QObject *parent)
    : QObject(parent)
{
    m_server.setSslConfiguration(configuration);
    m_server.setHandshakeTimeout(int(within.count()));
    // The server's side reports what is wrong with its own certificate and key; the client only
    // sees the connection closed.
    connect(&m_server, &QSslServer::errorOccurred, this,
            [this](QSslSocket *socket, QAbstractSocket::SocketError) { finish(socket->errorString()); });
    connect(&m_server, &QSslServer::pendingConnectionAvailable, this, [this] { finish(QString()); });
    m_timeout.setSingleShot(true);
    m_timeout.setInterval(within);
    connect(&m_timeout, &QTimer::timeout, this, [this, within] {
        finish(QStringLiteral("a TLS handshake took longer than %1 seconds").arg(double(within.count()) / 1000.0));
    });
    if (!m_server.listen(QHostAddress::LocalHost, 0)) {
        QTimer::singleShot(0, this, [this] { finish(QString()); });
        return;
    }
    QSslConfiguration trusting = QSslConfiguration::defaultConfiguration();
    trusting.setPeerVerifyMode(QSslSocket::VerifyNone); // whom the certificate names is the browser's business
    m_client.setSslConfiguration(trusting);
    m_client.connectToHostEncrypted(m_server.serverAddress().toString(), m_server.serverPort());
    m_timeout.start();
}

void TlsSelfCheck::finish(const QString &problem)
{
    if (std::exchange(m_finished, true))
        return;
    m_timeout.stop();
    emit finished(problem);
}

} // namespace Brolant
