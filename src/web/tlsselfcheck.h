// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSslServer>
#include <QSslSocket>
#include <QTimer>

#include <chrono>

class QSslConfiguration;

namespace Brolant {

// Whether a certificate and its key serve HTTPS at all, found before the page is served with them:
// one TLS handshake with itself on the loopback. A key that is not the certificate's fails here,
// with the reason, instead of failing every browser's handshake afterwards without a word.
class TlsSelfCheck final : public QObject
{
    Q_OBJECT

public:
    TlsSelfCheck(const QSslConfiguration &configuration, std::chrono::milliseconds within, QObject *parent = nullptr);

signals:
    // The handshake ended: `problem` gives why it failed, empty when it succeeded (or could not be
    // tried here: the browsers' handshakes will show).
    void finished(const QString &problem);

private:
    void finish(const QString &problem);

    QSslServer m_server;
    QSslSocket m_client;
    QTimer m_timeout;
    bool m_finished = false;
};

} // namespace Brolant
